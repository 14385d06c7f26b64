#include "activex/menu_editor_page.h"

#include "activex/ole_values.h"
#include "activex/resource_ids.h"
#include "menu/menu_tree.h"
#include "menu/shortcut_table.h"

#include <windowsx.h>

#include <memory>
#include <string>

namespace brixel::activex {
namespace {

constexpr FieldBinding kBindings[] = {
    BindCheck(IDC_MENU, L"Menu"),
    BindColour(IDC_MENU_SELECTION_BACK_COLOR, L"MenuSelectionBackColor", IDC_MENU_SELECTION_BACK_COLOR_SWATCH,
               IDC_MENU_SELECTION_BACK_COLOR_PICK),
    BindColour(IDC_MENU_SELECTION_FONT_COLOR, L"MenuSelectionFontColor", IDC_MENU_SELECTION_FONT_COLOR_SWATCH,
               IDC_MENU_SELECTION_FONT_COLOR_PICK),
    BindColour(IDC_MENU_BACK_COLOR, L"MenuBackColor", IDC_MENU_BACK_COLOR_SWATCH, IDC_MENU_BACK_COLOR_PICK),
    BindColour(IDC_MENU_FONT_COLOR, L"MenuFontColor", IDC_MENU_FONT_COLOR_SWATCH, IDC_MENU_FONT_COLOR_PICK),
    BindColour(IDC_MENU_SEPARATOR_COLOR, L"MenuSeparatorColor", IDC_MENU_SEPARATOR_COLOR_SWATCH,
               IDC_MENU_SEPARATOR_COLOR_PICK),
    BindCheck(IDC_MENU_SIDEBAR, L"MenuSidebar"),
    BindColour(IDC_MENU_SIDEBAR_COLOR, L"MenuSidebarColor", IDC_MENU_SIDEBAR_COLOR_SWATCH,
               IDC_MENU_SIDEBAR_COLOR_PICK),
    BindList(IDC_MENU_ALIGNMENT, L"MenuAlignment", "ENUM_MENU_ALIGNMENT"),
    BindList(IDC_MENU_BUTTON_STYLE, L"MenuButtonStyle", "ENUM_MENU_BUTTON_STYLE"),
    BindList(IDC_MENU_BUTTON_ALIGNMENT, L"MenuButtonAlignment", "ENUM_MENU_BUTTON_ALIGNMENT"),
    BindNumber(IDC_MENU_BUTTON_WIDTH, L"MenuButtonWidth"),
    BindColour(IDC_MENU_BUTTON_TRIANGLE_COLOR, L"MenuButtonTriangleColor", IDC_MENU_BUTTON_TRIANGLE_COLOR_SWATCH,
               IDC_MENU_BUTTON_TRIANGLE_COLOR_PICK),
    BindCheck(IDC_SHOW_MENU_BUTTON_TRIANGLE, L"ShowMenuButtonTriangle"),
    BindCheck(IDC_MENU_AUTO_DROP, L"MenuAutoDrop"),
};

constexpr PageDefinition kDefinition = {IDD_PAGE_MENU, IDS_PAGE_MENU, kBindings};

// Every item field but the ID, which a separator keeps.
constexpr int kItemFieldsButId[] = {
    IDC_MENU_ITEM_CAPTION,   IDC_MENU_ITEM_SHORTCUT,      IDC_MENU_ITEM_HYPERLINK,   IDC_MENU_ITEM_HYPERLINK_ADDRESS,
    IDC_MENU_ITEM_ENABLED,   IDC_MENU_ITEM_VISIBLE,       IDC_MENU_ITEM_PICTURE_PICK, IDC_MENU_ITEM_PICTURE_CLEAR,
};

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }
std::u16string Narrow16(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }

bool Checked(HWND window, int id) { return ::IsDlgButtonChecked(window, id) == BST_CHECKED; }
void Check(HWND window, int id, bool on) { ::CheckDlgButton(window, id, on ? BST_CHECKED : BST_UNCHECKED); }

UINT IconStyle(MessageBoxIcon icon) {
    switch (icon) {
        case MessageBoxIcon::Stop: return MB_ICONSTOP;
        case MessageBoxIcon::Exclamation: return MB_ICONEXCLAMATION;
        default: return 0;
    }
}

}  // namespace

HRESULT CreateMenuEditorPage(REFIID iid, void** out) noexcept { return CreatePropertyPage<MenuEditorPage>(iid, out); }

void PageMessageBox::ShowMessage(std::u16string_view text, MessageBoxIcon icon) {
    const std::wstring message = Wide(text);
    ::MessageBoxW(owner_, message.c_str(), L"Menu", MB_OK | IconStyle(icon));
}

MenuEditorPage::MenuEditorPage() : PropertyPage(kDefinition) {}

win::ComPtr<IMenuAccess> MenuEditorPage::MenuOf() const {
    win::ComPtr<IMenuAccess> access;
    if (!Objects().empty()) Objects().front().As(kIID_IMenuAccess, access.put_void());
    return access;
}

// --- Loading -----------------------------------------------------------------------

// The tree is one control's: with several controls selected the page edits
// the first one's, as it shows the first one's values everywhere else.
void MenuEditorPage::OnPageLoaded() {
    owner_ = Window();
    const HWND shortcuts = ::GetDlgItem(Window(), IDC_MENU_ITEM_SHORTCUT);
    if (ComboBox_GetCount(shortcuts) <= 0) {
        for (std::int16_t code = 0; code < kShortcutCodeCount; ++code) {
            ComboBox_AddString(shortcuts, Wide(ShortcutListLabel(code)).c_str());
        }
    }
    const win::ComPtr<IMenuAccess> access = MenuOf();
    if (access) {
        model_.Fill(*access->MenuItems());
    } else {
        model_.Reset();
    }
    FillList();
    ShowItemFields();
    if (::IsWindowVisible(Window())) model_.WarnNegativeIds();
}

// The negative-ID warning waits for the page to be seen: a page loads while
// it is still hidden, and the box comes once the frame shows it.
constexpr UINT kShownMessage = WM_APP + IDD_PAGE_MENU;

INT_PTR MenuEditorPage::OnPageMessage(UINT msg, WPARAM wparam, LPARAM, bool& handled) {
    handled = false;
    if (msg == WM_SHOWWINDOW && wparam != FALSE) {
        ::PostMessageW(Window(), kShownMessage, 0, 0);
    } else if (msg == kShownMessage) {
        model_.WarnNegativeIds();
        handled = true;
    }
    return 0;
}

void MenuEditorPage::FillList() {
    const HWND list = ::GetDlgItem(Window(), IDC_MENU_ITEM_LIST);
    const int top = ListBox_GetTopIndex(list);
    SetWindowRedraw(list, FALSE);
    ListBox_ResetContent(list);
    for (std::size_t i = 0; i < model_.LineCount(); ++i) ListBox_AddString(list, Wide(model_.LineText(i)).c_str());
    ListBox_SetTopIndex(list, top);
    ListBox_SetCurSel(list, static_cast<int>(model_.Selected()));
    SetWindowRedraw(list, TRUE);
    ::InvalidateRect(list, nullptr, TRUE);
}

void MenuEditorPage::ShowItemFields() {
    showing_ = true;
    const MenuItemFields& f = model_.Current();
    SetFieldText(Window(), IDC_MENU_ITEM_CAPTION, Wide(f.caption));
    SetFieldText(Window(), IDC_MENU_ITEM_ID, Wide(model_.CurrentIdText()));
    ComboBox_SetCurSel(::GetDlgItem(Window(), IDC_MENU_ITEM_SHORTCUT), model_.CurrentShortcutCode());
    Check(Window(), IDC_MENU_ITEM_HYPERLINK, f.hyperlink);
    SetFieldText(Window(), IDC_MENU_ITEM_HYPERLINK_ADDRESS, Wide(f.hyperlink_address));
    Check(Window(), IDC_MENU_ITEM_SEPARATOR, f.separator);
    Check(Window(), IDC_MENU_ITEM_ENABLED, f.enabled);
    Check(Window(), IDC_MENU_ITEM_VISIBLE, f.visible);
    ::InvalidateRect(::GetDlgItem(Window(), IDC_MENU_ITEM_PICTURE), nullptr, TRUE);
    EnableItemFields();
    showing_ = false;
}

void MenuEditorPage::EnableItemFields() {
    for (int id : kItemFieldsButId) ::EnableWindow(::GetDlgItem(Window(), id), model_.ItemFieldsEnabled());
}

// --- Commands ----------------------------------------------------------------------------

bool MenuEditorPage::OnPageCommand(int id, int code) {
    switch (id) {
        case IDC_MENU_ITEM_LIST:
            if (code == LBN_SELCHANGE) {
                const int line = ListBox_GetCurSel(::GetDlgItem(Window(), IDC_MENU_ITEM_LIST));
                if (line >= 0) model_.Select(static_cast<std::size_t>(line));
                ShowItemFields();
            }
            return true;
        case IDC_MENU_ITEM_OUTDENT:
        case IDC_MENU_ITEM_INDENT:
        case IDC_MENU_ITEM_INSERT:
        case IDC_MENU_ITEM_DELETE:
            if (code != BN_CLICKED) return true;
            if (id == IDC_MENU_ITEM_OUTDENT) model_.Outdent();
            if (id == IDC_MENU_ITEM_INDENT) model_.Indent();
            if (id == IDC_MENU_ITEM_INSERT) model_.Insert();
            if (id == IDC_MENU_ITEM_DELETE) model_.Delete();
            AfterEdit();
            ShowItemFields();
            if (id == IDC_MENU_ITEM_INSERT) ::SetFocus(::GetDlgItem(Window(), IDC_MENU_ITEM_CAPTION));
            return true;
        case IDC_MENU_ITEM_PICTURE_PICK:
            if (code == BN_CLICKED) PickItemPicture();
            return true;
        case IDC_MENU_ITEM_PICTURE_CLEAR:
            if (code == BN_CLICKED && model_.Current().picture) {
                model_.SetPicture(nullptr);
                AfterEdit();
                ShowItemFields();
            }
            return true;
        default:
            // Only changes count: focus and other notices must not turn the
            // blank line into an item or mark the page dirty.
            if (!showing_ && (code == EN_CHANGE || code == CBN_SELCHANGE || code == BN_CLICKED)) {
                ItemFieldChanged(id);
            }
            return false;
    }
}

// Field edits go straight into the selected line, keystroke by keystroke.
void MenuEditorPage::ItemFieldChanged(int id) {
    const HWND w = Window();
    switch (id) {
        case IDC_MENU_ITEM_CAPTION: model_.SetCaption(Narrow16(FieldText(Window(), id))); break;
        case IDC_MENU_ITEM_ID: model_.SetIdText(Narrow16(FieldText(Window(), id))); break;
        case IDC_MENU_ITEM_HYPERLINK_ADDRESS: model_.SetHyperlinkAddress(Narrow16(FieldText(Window(), id))); break;
        case IDC_MENU_ITEM_SHORTCUT: {
            const int row = ComboBox_GetCurSel(::GetDlgItem(w, id));
            if (row < 0) return;
            model_.SetShortcutCode(static_cast<std::int16_t>(row));
            break;
        }
        case IDC_MENU_ITEM_HYPERLINK: model_.SetHyperlink(Checked(w, id)); break;
        case IDC_MENU_ITEM_SEPARATOR: model_.SetSeparator(Checked(w, id)); break;
        case IDC_MENU_ITEM_ENABLED: model_.SetEnabled(Checked(w, id)); break;
        case IDC_MENU_ITEM_VISIBLE: model_.SetVisible(Checked(w, id)); break;
        default: return;
    }
    AfterEdit();
    if (id == IDC_MENU_ITEM_SEPARATOR) EnableItemFields();
}

void MenuEditorPage::AfterEdit() {
    const HWND list = ::GetDlgItem(Window(), IDC_MENU_ITEM_LIST);
    if (ListBox_GetCount(list) != static_cast<int>(model_.LineCount())) {
        FillList();
    } else {
        RefreshLine(model_.Selected());
    }
    if (model_.Dirty() && !Loading()) MarkDirty();
}

void MenuEditorPage::RefreshLine(std::size_t line) {
    const HWND list = ::GetDlgItem(Window(), IDC_MENU_ITEM_LIST);
    const int row = static_cast<int>(line);
    ListBox_DeleteString(list, row);
    ListBox_InsertString(list, row, Wide(model_.LineText(line)).c_str());
    ListBox_SetCurSel(list, static_cast<int>(model_.Selected()));
}

void MenuEditorPage::PickItemPicture() {
    auto chosen = PageDialogs::ChoosePicture(Window(), PictureFiles::Pictures);
    if (!chosen || !*chosen) return;  // cancelled, or a file the loader cannot read: the item keeps its picture
    model_.SetPicture(std::make_shared<OlePicture>(std::move(*chosen)));
    AfterEdit();
    ShowItemFields();
}

bool MenuEditorPage::DrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlID != IDC_MENU_ITEM_PICTURE) return false;
    ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(COLOR_WINDOW));
    const auto* ole = dynamic_cast<const OlePicture*>(model_.Current().picture.get());
    win::ComPtr<IPicture> image;
    if (ole == nullptr || ole->get() == nullptr || FAILED(ole->get()->QueryInterface(IID_IPicture, image.put_void()))) {
        return true;
    }
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    if (FAILED(image->get_Width(&width)) || FAILED(image->get_Height(&height))) return true;
    const RECT& r = item.rcItem;
    image->Render(item.hDC, r.left + 1, r.top + 1, r.right - r.left - 2, r.bottom - r.top - 2, 0, height, width,
                  -height, nullptr);
    return true;
}

// --- Apply -------------------------------------------------------------------------------

// The tree's checks run before any property is written, so a refused tree
// leaves the controls exactly as they were.
HRESULT MenuEditorPage::Apply() noexcept {
    if (model_.Dirty() && MenuOf() && !model_.Check()) {
        FillList();
        ShowItemFields();
        return E_FAIL;
    }
    return PropertyPage::Apply();
}

HRESULT MenuEditorPage::ApplyExtra() {
    const win::ComPtr<IMenuAccess> access = MenuOf();
    if (!access || !model_.Dirty()) return S_OK;
    if (!model_.Apply(*access->MenuItems())) return E_FAIL;
    access->MenuTreeReplaced();
    FillList();
    ShowItemFields();
    return S_OK;
}

}  // namespace brixel::activex
