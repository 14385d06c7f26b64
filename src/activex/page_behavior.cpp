// The Behavior page: switches, tooltip, hyperlink, mouse pointer and
// sounds. Its lists are unsorted and bound by row: the last row of the
// pointer and sound lists ("99 - ...") writes its index, which the control
// stores as 99.
#include "activex/page_classes.h"
#include "activex/page_framework.h"
#include "activex/resource_ids.h"

namespace brixel::activex {
namespace {

constexpr FieldBinding kBindings[] = {
    BindCheck(IDC_ACTIVE, L"Active"),
    BindCheck(IDC_ENABLED, L"Enabled"),
    BindCheck(IDC_COOL_BUTTON, L"CoolButton"),
    BindCheck(IDC_TOGGLE_BUTTON, L"ToggleButton"),
    BindCheck(IDC_RIGHT_TO_LEFT, L"RightToLeft"),
    BindCheck(IDC_ENABLE_DISABLED_PROPERTIES, L"EnableDisabledProperties"),
    BindCheck(IDC_ENABLE_DOWN_PROPERTIES, L"EnableDownProperties"),
    BindCheck(IDC_ENABLE_MOUSE_IN_PROPERTIES, L"EnableMouseInProperties"),
    BindText(IDC_TOOL_TIP_TEXT, L"ToolTipText"),
    BindCheck(IDC_HYPERLINK, L"Hyperlink"),
    BindCheck(IDC_SHOW_HYPERLINK, L"ShowHyperlink"),
    BindText(IDC_HYPERLINK_ADDRESS, L"HyperlinkAddress"),
    BindList(IDC_MOUSE_POINTER, L"MousePointer", "MousePointer", ListOrder::Unsorted),
    BindPicture(IDC_MOUSE_ICON, L"MouseIcon", IDC_MOUSE_ICON_PICK, IDC_MOUSE_ICON_CLEAR, PictureFiles::Icons),
    // Each sound before its file: choosing "99" and a file in one apply
    // leaves the custom sound loaded from that file.
    BindList(IDC_CLICK_SOUND, L"ClickSound", "ENUM_SOUND", ListOrder::Unsorted),
    BindSoundFile(IDC_CLICK_SOUND_FILE, L"ClickSoundFile", IDC_CLICK_SOUND_FILE_PICK, IDC_CLICK_SOUND_FILE_PLAY),
    BindList(IDC_MOUSE_IN_SOUND, L"MouseInSound", "ENUM_SOUND", ListOrder::Unsorted),
    BindSoundFile(IDC_MOUSE_IN_SOUND_FILE, L"MouseInSoundFile", IDC_MOUSE_IN_SOUND_FILE_PICK,
                  IDC_MOUSE_IN_SOUND_FILE_PLAY),
};

class CPropPageMore final : public PropertyPage {
public:
    CPropPageMore() : PropertyPage({IDD_PAGE_BEHAVIOR, IDS_PAGE_BEHAVIOR, kBindings}) {}
};

}  // namespace

HRESULT CreateBehaviorPage(REFIID iid, void** out) noexcept { return CreatePropertyPage<CPropPageMore>(iid, out); }

}  // namespace brixel::activex
