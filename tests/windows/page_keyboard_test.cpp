// Every page can be used with the keyboard alone: each label carries a
// mnemonic that no other label of its group uses and that reaches the label's
// field, every field is in the tab order, and every list is wide enough for
// its rows.
#include "activex/brixeldemo.h"
#include "page_test_support.h"

#include <cwctype>
#include <map>
#include <string>
#include <vector>

namespace brixel::testing {
namespace {

struct KeyboardPage {
    const char* name;
    const CLSID* clsid;
};

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    ::GetWindowTextW(window, text, 256);
    return text;
}

LONG StyleOf(HWND window) { return ::GetWindowLongW(window, GWL_STYLE); }

bool IsButtonKind(HWND window, LONG kind) {
    return ClassOf(window) == L"Button" && (StyleOf(window) & BS_TYPEMASK) == kind;
}
bool IsGroupBox(HWND window) { return IsButtonKind(window, BS_GROUPBOX); }
bool IsCheckBox(HWND window) {
    return IsButtonKind(window, BS_AUTOCHECKBOX) || IsButtonKind(window, BS_CHECKBOX) ||
           IsButtonKind(window, BS_AUTO3STATE) || IsButtonKind(window, BS_AUTORADIOBUTTON);
}

// A static that names the field after it; owner-drawn previews and
// captions that show "&" as it is are no labels.
bool IsStaticLabel(HWND window) {
    if (ClassOf(window) != L"Static" || TextOf(window).empty()) return false;
    const LONG style = StyleOf(window);
    return (style & SS_TYPEMASK) != SS_OWNERDRAW && (style & SS_NOPREFIX) == 0;
}

// Controls the user types into, picks from or presses.
bool IsField(HWND window) {
    const std::wstring cls = ClassOf(window);
    if (cls == L"Edit" || cls == L"ComboBox" || cls == L"ListBox") return true;
    return cls == L"Button" && !IsGroupBox(window);
}

// The character after a single "&", lower case; 0 when there is none.
wchar_t Mnemonic(const std::wstring& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&') continue;
        if (text[i + 1] == L'&') {
            ++i;
            continue;
        }
        return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(text[i + 1])));
    }
    return 0;
}

std::vector<HWND> Children(HWND dialog) {
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

// The group box a control sits in, or null for the page itself.
HWND GroupOf(HWND control, const std::vector<HWND>& children) {
    RECT r{};
    ::GetWindowRect(control, &r);
    const POINT corner{r.left + 1, r.top + 1};
    for (HWND child : children) {
        RECT box{};
        if (IsGroupBox(child) && ::GetWindowRect(child, &box) && ::PtInRect(&box, corner)) return child;
    }
    return nullptr;
}

struct Label {
    HWND window;
    std::wstring text;
    wchar_t key;
    HWND target;  // what the mnemonic must focus
};

// Labels in tab order, each with the first tab stop after it (for a check
// box: itself).
std::vector<Label> LabelsOf(const std::vector<HWND>& children) {
    std::vector<Label> labels;
    for (std::size_t i = 0; i < children.size(); ++i) {
        const HWND w = children[i];
        if (IsCheckBox(w)) labels.push_back({w, TextOf(w), Mnemonic(TextOf(w)), w});
        if (!IsStaticLabel(w)) continue;
        HWND target = nullptr;
        for (std::size_t j = i + 1; j < children.size() && target == nullptr; ++j) {
            if (IsStaticLabel(children[j]) || IsCheckBox(children[j]) || IsGroupBox(children[j])) break;
            if (StyleOf(children[j]) & WS_TABSTOP) target = children[j];
        }
        labels.push_back({w, TextOf(w), Mnemonic(TextOf(w)), target});
    }
    return labels;
}

class PageKeyboard : public ::testing::TestWithParam<KeyboardPage> {
protected:
    void SetUp() override { ASSERT_TRUE(library_.loaded()); }

    ComApartment apartment_;
    ControlLibrary library_;
};

TEST_P(PageKeyboard, EveryLabelHasAMnemonicOfItsOwnWithinItsGroup) {
    SitedControl control(library_);
    PageFrame frame(library_, *GetParam().clsid, {&control});
    const auto children = Children(frame.window());
    std::map<std::pair<HWND, wchar_t>, std::wstring> used;
    for (const Label& label : LabelsOf(children)) {
        EXPECT_NE(label.key, 0) << "no mnemonic: " << ::testing::PrintToString(label.text);
        if (label.key == 0) continue;
        const auto [it, fresh] = used.emplace(std::make_pair(GroupOf(label.window, children), label.key), label.text);
        EXPECT_TRUE(fresh) << ::testing::PrintToString(label.text) << " shares its key with "
                           << ::testing::PrintToString(it->second) << " in one group";
    }
}

TEST_P(PageKeyboard, EveryFieldIsATabStopAndEveryLabelIsFollowedByItsField) {
    SitedControl control(library_);
    PageFrame frame(library_, *GetParam().clsid, {&control});
    const auto children = Children(frame.window());
    for (HWND child : children) {
        if (IsField(child)) {
            EXPECT_TRUE(StyleOf(child) & WS_TABSTOP) << "not in the tab order: " << ::GetDlgCtrlID(child) << " "
                                                     << ::testing::PrintToString(TextOf(child));
        }
    }
    for (const Label& label : LabelsOf(children)) {
        EXPECT_NE(label.target, nullptr) << "nothing to reach: " << ::testing::PrintToString(label.text);
    }
}

// Alt and the key, pressed as often as labels share it (the dialog cycles
// through them), brings the focus to the label's field.
TEST_P(PageKeyboard, EachStaticLabelsMnemonicFocusesItsField) {
    SitedControl control(library_);
    PageFrame frame(library_, *GetParam().clsid, {&control});
    const auto children = Children(frame.window());
    const auto labels = LabelsOf(children);
    std::map<wchar_t, int> sharing;
    for (const Label& label : labels) ++sharing[label.key];
    for (const Label& label : labels) {
        if (label.key == 0 || label.target == nullptr || IsCheckBox(label.window)) continue;
        if (!::IsWindowEnabled(label.target)) continue;  // disabled by the page's rules for this control
        ::SetFocus(::GetNextDlgTabItem(frame.window(), nullptr, FALSE));
        bool reached = false;
        for (int press = 0; press < sharing[label.key] && !reached; ++press) {
            MSG key{::GetFocus(), WM_SYSCHAR, static_cast<WPARAM>(label.key), 0x20000000, 0, {}};
            frame.page()->TranslateAccelerator(&key);
            reached = ::GetFocus() == label.target;
        }
        EXPECT_TRUE(reached) << ::testing::PrintToString(label.text);
    }
}

// A row must be readable both in the closed list and in its drop-down.
TEST_P(PageKeyboard, EveryListIsWideEnoughForItsLongestRow) {
    SitedControl control(library_);
    PageFrame frame(library_, *GetParam().clsid, {&control});
    for (HWND child : Children(frame.window())) {
        if (ClassOf(child) != L"ComboBox") continue;
        win::WindowDc dc(child);
        win::SelectScope font(dc.get(), reinterpret_cast<HFONT>(::SendMessageW(child, WM_GETFONT, 0, 0)));
        int longest = 0;
        std::wstring longest_text;
        const auto rows = ::SendMessageW(child, CB_GETCOUNT, 0, 0);
        for (LRESULT row = 0; row < rows; ++row) {
            wchar_t text[256] = {};
            ::SendMessageW(child, CB_GETLBTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
            SIZE size{};
            ::GetTextExtentPoint32W(dc.get(), text, lstrlenW(text), &size);
            if (size.cx > longest) {
                longest = size.cx;
                longest_text = text;
            }
        }
        COMBOBOXINFO info{};
        info.cbSize = sizeof(info);
        ASSERT_TRUE(::GetComboBoxInfo(child, &info));
        const int shown = info.rcItem.right - info.rcItem.left;
        const auto dropped = static_cast<int>(::SendMessageW(child, CB_GETDROPPEDWIDTH, 0, 0));
        const int scroll = ::GetSystemMetrics(SM_CXVSCROLL);
        EXPECT_GE(shown, longest + 2) << "list " << ::GetDlgCtrlID(child) << " cuts "
                                      << ::testing::PrintToString(longest_text);
        EXPECT_GE(dropped - scroll, longest + 2) << "drop-down of " << ::GetDlgCtrlID(child) << " cuts "
                                                 << ::testing::PrintToString(longest_text);
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, PageKeyboard,
                         ::testing::Values(KeyboardPage{"Appearance", &CLSID_TavloPropPage},
                                           KeyboardPage{"Behavior", &CLSID_PropPageMore},
                                           KeyboardPage{"Colors", &CLSID_PropPageColors},
                                           KeyboardPage{"Gradient", &CLSID_PropPageGradientFill},
                                           KeyboardPage{"Picture", &CLSID_PropPagePicture},
                                           KeyboardPage{"Menu", &CLSID_PropPageDropMenu}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brixel::testing
