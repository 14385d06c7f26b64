#include "activex/brixeldemo.h"
#include "activex/resource_ids.h"
#include "message_box_watcher.h"
#include "memory_bag.h"
#include "page_test_support.h"
#include "wave_file.h"

#include <string>

namespace brixel::testing {
namespace {

class PropertyPages : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(library_.loaded()); }

    ComApartment apartment_;
    ControlLibrary library_;
};

// --- Creation and page information ---------------------------------------------

struct PageCase {
    const char* name;
    const CLSID* clsid;
    const wchar_t* title;
};

class PageByClsid : public PropertyPages, public ::testing::WithParamInterface<PageCase> {};

BOOL CALLBACK CountThreadWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// Windows of this thread, the measuring page's own included while it lives.
int ThreadWindows() {
    int n = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountThreadWindow, reinterpret_cast<LPARAM>(&n));
    return n;
}

TEST_P(PageByClsid, IsCreatedAndDescribesItselfWithoutLeavingAWindow) {
    win::ComPtr<IPropertyPage2> page;
    ASSERT_HRESULT_SUCCEEDED(library_.Create(*GetParam().clsid, IID_IPropertyPage2, page.put_void()));
    const int windows = ThreadWindows();
    PROPPAGEINFO info{};
    info.cb = sizeof(info);
    ASSERT_HRESULT_SUCCEEDED(page->GetPageInfo(&info));
    const win::UniqueTaskMemory<OLECHAR> title(info.pszTitle);
    EXPECT_STREQ(title.get(), GetParam().title);
    EXPECT_GT(info.size.cx, 200) << "measured on a real dialog";
    EXPECT_GT(info.size.cy, 150);
    EXPECT_EQ(ThreadWindows(), windows) << "the dialog made to measure the page is gone";
}

INSTANTIATE_TEST_SUITE_P(Pages, PageByClsid,
                         ::testing::Values(PageCase{"Appearance", &CLSID_TavloPropPage, L"Appearance"},
                                           PageCase{"Behavior", &CLSID_PropPageMore, L"Behavior"},
                                           PageCase{"Gradient", &CLSID_PropPageGradientFill, L"Gradient"},
                                           PageCase{"Picture", &CLSID_PropPagePicture, L"Picture"},
                                           PageCase{"Colors", &CLSID_PropPageColors, L"Colors"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Each page is an in-process class of the same module and apartment as the
// control, and unregistration takes it away again.
TEST_F(PropertyPages, PagesAreRegisteredBesideTheControlAndRemoved) {
    using Entry = HRESULT(WINAPI*)();
    auto reg = library_.Export<Entry>("DllRegisterServer");
    auto unreg = library_.Export<Entry>("DllUnregisterServer");
    ASSERT_NE(reg, nullptr);
    ASSERT_NE(unreg, nullptr);
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(library_.get(), path, MAX_PATH);
    const auto value = [](const std::wstring& key, const wchar_t* name) {
        wchar_t buffer[1024] = {};
        DWORD bytes = sizeof(buffer);
        const LSTATUS s =
            ::RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer, &bytes);
        return s == ERROR_SUCCESS ? std::wstring(buffer) : std::wstring(L"<missing>");
    };
    const struct {
        const CLSID* clsid;
        const wchar_t* prog_id;
    } pages[] = {{&CLSID_TavloPropPage, L"BrixelDemo.TavloPropPage.1"},
                 {&CLSID_PropPageMore, L"BrixelDemo.CPropPageMore"},
                 {&CLSID_PropPageGradientFill, L"BrixelDemo.CPropPageGradientFill"},
                 {&CLSID_PropPagePicture, L"BrixelDemo.CPropPagePicture"},
                 {&CLSID_PropPageColors, L"BrixelDemo.PropPageColors"}};
    ASSERT_HRESULT_SUCCEEDED(reg());
    for (const auto& page : pages) {
        wchar_t guid[40] = {};
        ::StringFromGUID2(*page.clsid, guid, 40);
        const std::wstring key = std::wstring(L"CLSID\\") + guid;
        EXPECT_EQ(value(key + L"\\InprocServer32", nullptr), path) << page.prog_id;
        EXPECT_EQ(value(key + L"\\InprocServer32", L"ThreadingModel"), L"Apartment") << page.prog_id;
        EXPECT_EQ(value(std::wstring(page.prog_id) + L"\\CLSID", nullptr), guid);
    }
    ASSERT_HRESULT_SUCCEEDED(unreg());
    for (const auto& page : pages) {
        wchar_t guid[40] = {};
        ::StringFromGUID2(*page.clsid, guid, 40);
        EXPECT_EQ(value(std::wstring(L"CLSID\\") + guid + L"\\InprocServer32", nullptr), L"<missing>");
        EXPECT_EQ(value(std::wstring(page.prog_id) + L"\\CLSID", nullptr), L"<missing>");
    }
}

// --- Showing the control's values --------------------------------------------------

TEST_F(PropertyPages, AppearancePageShowsTheControlsValues) {
    SitedControl control(library_);
    ASSERT_HRESULT_SUCCEEDED(control.PutI2(L"Appearance", 2));
    ASSERT_HRESULT_SUCCEEDED(control.PutI2(L"Bevel", 7));
    ASSERT_HRESULT_SUCCEEDED(control.PutI4(L"BackColor", 0x123456));
    ASSERT_HRESULT_SUCCEEDED(control.PutI4(L"FontColor", static_cast<LONG>(0x80000012)));
    ASSERT_HRESULT_SUCCEEDED(control.PutText(L"Caption", L"Hello"));
    ASSERT_HRESULT_SUCCEEDED(control.PutBool(L"CaptionWrap", true));
    PageFrame frame(library_, CLSID_TavloPropPage, {&control});
    EXPECT_EQ(frame.Row(IDC_APPEARANCE), L"2 - XP Style");
    EXPECT_EQ(frame.Text(IDC_BEVEL), L"7");
    EXPECT_EQ(frame.Text(IDC_BACK_COLOR), L"1193046");
    EXPECT_EQ(frame.Text(IDC_FONT_COLOR), L"2147483666") << "system colours show unsigned";
    EXPECT_EQ(frame.Text(IDC_CAPTION), L"Hello");
    EXPECT_TRUE(frame.Checked(IDC_CAPTION_WRAP));
    EXPECT_FALSE(frame.dirty()) << "showing values is not a change";
}

TEST_F(PropertyPages, BehaviorListsShowAStoredCustomValueOnTheCustomRow) {
    SitedControl control(library_);
    ASSERT_HRESULT_SUCCEEDED(control.PutI2(L"MousePointer", 99));
    ASSERT_HRESULT_SUCCEEDED(control.PutI2(L"ClickSound", 99));
    ASSERT_HRESULT_SUCCEEDED(control.PutI2(L"MouseInSound", 2));
    PageFrame frame(library_, CLSID_PropPageMore, {&control});
    EXPECT_EQ(frame.Row(IDC_MOUSE_POINTER), L"99 - ccCustom");
    EXPECT_EQ(frame.Row(IDC_CLICK_SOUND), L"99 - kvnCustom");
    EXPECT_EQ(frame.Row(IDC_MOUSE_IN_SOUND), L"2 - kvnSound2");
}

// --- Applying ------------------------------------------------------------------------

TEST_F(PropertyPages, ChangedFieldsOfEveryKindReachBothSelectedControls) {
    SitedControl first(library_);
    SitedControl second(library_);
    PageFrame frame(library_, CLSID_TavloPropPage, {&first, &second});
    ASSERT_TRUE(frame.Choose(IDC_BORDER_STYLE, L"3 - Dashes"));
    frame.Click(IDC_SHOW_FOCUS_BORDER);
    const bool focus_border = frame.Checked(IDC_SHOW_FOCUS_BORDER);
    frame.Type(IDC_CAPTION, L"Both of us");
    frame.Type(IDC_BEVEL, L"12");
    frame.Type(IDC_BORDER_COLOR, L"255");
    frame.Type(IDC_DOWN_BACK_COLOR, L"2147483663");
    EXPECT_TRUE(frame.dirty());
    EXPECT_FALSE(frame.site.status_changes.empty()) << "the frame hears of the change";
    ASSERT_HRESULT_SUCCEEDED(frame.page()->Apply());
    EXPECT_FALSE(frame.dirty());
    for (SitedControl* c : {&first, &second}) {
        EXPECT_EQ(c->GetI2(L"BorderStyle"), 3);
        EXPECT_EQ(c->GetBool(L"ShowFocusBorder"), focus_border);
        EXPECT_EQ(c->GetText(L"Caption"), L"Both of us");
        EXPECT_EQ(c->GetI2(L"Bevel"), 12);
        EXPECT_EQ(c->GetI4(L"BorderColor"), 255);
        EXPECT_EQ(static_cast<unsigned long>(c->GetI4(L"DownBackColor")), 0x8000000FUL);
    }
}

TEST_F(PropertyPages, DarkerIsWrittenAsThreeFromItsSortedRow) {
    SitedControl control(library_);
    PageFrame frame(library_, CLSID_PropPagePicture, {&control});
    ASSERT_TRUE(frame.Choose(IDC_PICTURE_EFFECT_WHEN_MOUSE_DOWN, L"3 - Darker"));
    ASSERT_HRESULT_SUCCEEDED(frame.page()->Apply());
    EXPECT_EQ(control.GetI2(L"PictureEffectWhenMouseDown"), 3);
}

TEST_F(PropertyPages, CustomRowsAreWrittenAsTheirIndexAndStoredAs99) {
    SitedControl control(library_);
    PageFrame frame(library_, CLSID_PropPageMore, {&control});
    ASSERT_TRUE(frame.Choose(IDC_MOUSE_POINTER, L"99 - ccCustom"));
    ASSERT_TRUE(frame.Choose(IDC_MOUSE_IN_SOUND, L"99 - kvnCustom"));
    ASSERT_HRESULT_SUCCEEDED(frame.page()->Apply());
    EXPECT_EQ(control.GetI2(L"MousePointer"), 99);
    EXPECT_EQ(control.GetI2(L"MouseInSound"), 99);
}

TEST_F(PropertyPages, AnUnreadableSoundFileIsReportedOnApplyAndTheRestIsWritten) {
    MessageBoxWatcher boxes;
    SitedControl control(library_);
    PageFrame frame(library_, CLSID_PropPageMore, {&control});
    frame.Type(IDC_CLICK_SOUND_FILE, L"C:\\no such folder\\click.wav");
    frame.Type(IDC_HYPERLINK_ADDRESS, L"http://example.invalid/");
    EXPECT_TRUE(FAILED(frame.page()->Apply()));
    EXPECT_TRUE(frame.dirty()) << "a failed apply keeps the page's changes";
    const auto texts = boxes.Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], L"The specified path was not found");
    EXPECT_EQ(control.GetText(L"HyperlinkAddress"), L"http://example.invalid/");
}

TEST_F(PropertyPages, AColourThatDoesNotReadIsReportedAndNothingIsWritten) {
    MessageBoxWatcher boxes;
    SitedControl control(library_);
    ASSERT_HRESULT_SUCCEEDED(control.PutI4(L"BackColor", 0x00FF00));
    PageFrame frame(library_, CLSID_TavloPropPage, {&control});
    frame.Type(IDC_CAPTION, L"Not yet");
    frame.Type(IDC_BACK_COLOR, L"green");
    EXPECT_TRUE(FAILED(frame.page()->Apply()));
    EXPECT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(control.GetI4(L"BackColor"), 0x00FF00);
    EXPECT_NE(control.GetText(L"Caption"), L"Not yet");
}

// --- Apply writes what the user changed --------------------------------------------

// A property kept only in the stored form: what a save writes under `key`.
bool StoredFlag(const SitedControl& control, const wchar_t* key) {
    win::ComPtr<IPersistPropertyBag> persist;
    if (FAILED(control.unknown()->QueryInterface(IID_IPersistPropertyBag, persist.put_void()))) return false;
    MemoryPropertyBag bag;
    persist->Save(&bag, FALSE, TRUE);
    const auto found = bag.values.find(key);
    return found != bag.values.end() && found->second.get()->vt == VT_BOOL &&
           found->second.get()->boolVal != VARIANT_FALSE;
}

// Switching to Flat takes back the XP scheme's border colour; the stale blue
// in the untouched border field must not be written back over it.
TEST_F(PropertyPages, AppearanceChangeKeepsWhatTheControlDerivesFromIt) {
    SitedControl control(library_);
    ASSERT_HRESULT_SUCCEEDED(control.PutI2(L"Appearance", 2));  // XP style: the scheme's border
    const LONG xp_border = control.GetI4(L"BorderColor");
    ASSERT_NE(xp_border, 0);
    PageFrame frame(library_, CLSID_TavloPropPage, {&control});
    ASSERT_TRUE(frame.Choose(IDC_APPEARANCE, L"0 - Flat"));
    ASSERT_HRESULT_SUCCEEDED(frame.page()->Apply());
    EXPECT_EQ(control.GetI4(L"BorderColor"), 0);
    EXPECT_FALSE(StoredFlag(control, L"CustomBorderColor"));
    EXPECT_EQ(frame.Text(IDC_BORDER_COLOR), L"0") << "the page shows what the control made of it";
    EXPECT_FALSE(frame.dirty());
}

// The Office 2003 preset sets borders, border styles and a font colour of
// its own; the page must leave the control as a script's write would.
TEST_F(PropertyPages, Office2003FromThePageEqualsTheStyleSetByCode) {
    SitedControl by_code(library_);
    ASSERT_HRESULT_SUCCEEDED(by_code.PutI2(L"AppearanceStyle", 1));
    SitedControl by_page(library_);
    PageFrame frame(library_, CLSID_TavloPropPage, {&by_page});
    ASSERT_TRUE(frame.Choose(IDC_APPEARANCE_STYLE, L"1 - Office 2003 Style"));
    ASSERT_HRESULT_SUCCEEDED(frame.page()->Apply());
    for (const wchar_t* name : {L"BorderStyle", L"DownBorderStyle", L"MouseInBorderStyle"}) {
        EXPECT_EQ(by_page.GetI2(name), by_code.GetI2(name)) << name;
    }
    for (const wchar_t* name : {L"BorderColor", L"MouseInBorderColor", L"DownBorderColor", L"DisabledFontColor",
                                L"BackColor", L"MouseInBackColor", L"DownBackColor"}) {
        EXPECT_EQ(by_page.GetI4(name), by_code.GetI4(name)) << name;
    }
}

// A Behavior-page apply that changed only the tooltip must not read the
// custom sound's file again: it may be gone, and the stored sound with it.
TEST_F(PropertyPages, ApplyLeavesAnUntouchedSoundFileAlone) {
    MessageBoxWatcher boxes;
    SitedControl control(library_);
    {
        TempWaveFile wave(L"brixel-page-click.wav");
        ASSERT_HRESULT_SUCCEEDED(control.PutI2(L"ClickSound", 99));
        ASSERT_HRESULT_SUCCEEDED(control.PutText(L"ClickSoundFile", wave.path().c_str()));
    }  // the file is deleted here
    const std::wstring path = control.GetText(L"ClickSoundFile");
    ASSERT_FALSE(path.empty());
    PageFrame frame(library_, CLSID_PropPageMore, {&control});
    frame.Type(IDC_TOOL_TIP_TEXT, L"Saves the file");
    EXPECT_HRESULT_SUCCEEDED(frame.page()->Apply());
    EXPECT_TRUE(boxes.Texts().empty());
    EXPECT_EQ(control.GetText(L"ToolTipText"), L"Saves the file");
    EXPECT_EQ(control.GetText(L"ClickSoundFile"), path);
    win::ComPtr<IPersistPropertyBag> persist;
    ASSERT_HRESULT_SUCCEEDED(control.unknown()->QueryInterface(IID_IPersistPropertyBag, persist.put_void()));
    MemoryPropertyBag bag;
    ASSERT_HRESULT_SUCCEEDED(persist->Save(&bag, FALSE, TRUE));
    EXPECT_TRUE(bag.values.count(L"_ClickSoundMemory")) << "the sound read from the file is kept";
}

// With two controls selected the page shows the first one's values; only
// the field the user changed reaches the second.
TEST_F(PropertyPages, ApplyToSeveralControlsWritesOnlyTheChangedField) {
    SitedControl first(library_);
    SitedControl second(library_);
    ASSERT_HRESULT_SUCCEEDED(first.PutText(L"Caption", L"First"));
    ASSERT_HRESULT_SUCCEEDED(first.PutI4(L"BackColor", 0x111111));
    ASSERT_HRESULT_SUCCEEDED(second.PutText(L"Caption", L"Second"));
    ASSERT_HRESULT_SUCCEEDED(second.PutI4(L"BackColor", 0x222222));
    PageFrame frame(library_, CLSID_TavloPropPage, {&first, &second});
    EXPECT_EQ(frame.Text(IDC_CAPTION), L"First");
    frame.Type(IDC_BEVEL, L"3");
    ASSERT_HRESULT_SUCCEEDED(frame.page()->Apply());
    EXPECT_EQ(first.GetI2(L"Bevel"), 3);
    EXPECT_EQ(second.GetI2(L"Bevel"), 3);
    EXPECT_EQ(second.GetText(L"Caption"), L"Second");
    EXPECT_EQ(second.GetI4(L"BackColor"), 0x222222);
    EXPECT_EQ(first.GetText(L"Caption"), L"First");
}

// --- Colour dialog, gradient rules, spins ------------------------------------------

// The watcher presses OK on the colour dialog, so the field receives the
// colour the dialog started from.
TEST_F(PropertyPages, ColourDialogStartsFromTheFieldOrFromBlack) {
    MessageBoxWatcher boxes;
    SitedControl control(library_);
    PageFrame frame(library_, CLSID_TavloPropPage, {&control});
    frame.Type(IDC_FONT_COLOR, L"255");
    frame.Click(IDC_FONT_COLOR_PICK);
    EXPECT_EQ(frame.Text(IDC_FONT_COLOR), L"255");
    frame.Type(IDC_FONT_COLOR, L"red");
    frame.Click(IDC_FONT_COLOR_PICK);
    EXPECT_EQ(frame.Text(IDC_FONT_COLOR), L"0");
    EXPECT_EQ(boxes.Texts().size(), 2u);
}

TEST_F(PropertyPages, XPStyle2KeepsColourTwoWhiteAndDisablesItsChoices) {
    MessageBoxWatcher boxes;
    SitedControl control(library_);
    ASSERT_HRESULT_SUCCEEDED(control.PutI4(L"DownGradientColor2", 0x123456));
    PageFrame frame(library_, CLSID_PropPageGradientFill, {&control});
    EXPECT_EQ(frame.Text(IDC_DOWN_GRADIENT_COLOR_2), L"1193046");
    ASSERT_TRUE(frame.Choose(IDC_DOWN_GRADIENT_STYLE, L"6 - XP Style 2"));
    EXPECT_EQ(frame.Text(IDC_DOWN_GRADIENT_COLOR_2), L"16777215");
    EXPECT_FALSE(::IsWindowEnabled(frame.item(IDC_DOWN_GRADIENT_COLOR_2_PICK)));
    EXPECT_FALSE(::IsWindowEnabled(frame.item(IDC_DOWN_GRADIENT_STYLE_VARIANT)));
    frame.Command(IDC_DOWN_GRADIENT_COLOR_2_PICK);  // the dialog opens anyway...
    frame.Type(IDC_DOWN_GRADIENT_COLOR_2, L"255");  // ...or a colour is typed
    EXPECT_EQ(frame.Text(IDC_DOWN_GRADIENT_COLOR_2), L"16777215");
    ASSERT_HRESULT_SUCCEEDED(frame.page()->Apply());
    EXPECT_EQ(control.GetI4(L"DownGradientColor2"), 0xFFFFFF);
    EXPECT_EQ(control.GetI2(L"DownGradientStyle"), 6);
    // Another group is untouched by this group's style.
    EXPECT_TRUE(::IsWindowEnabled(frame.item(IDC_GRADIENT_COLOR_2_PICK)));
}

TEST_F(PropertyPages, XPStyle1DisablesOnlyTheVariant) {
    SitedControl control(library_);
    PageFrame frame(library_, CLSID_PropPageGradientFill, {&control});
    ASSERT_TRUE(frame.Choose(IDC_GRADIENT_STYLE, L"5 - XP Style 1"));
    EXPECT_FALSE(::IsWindowEnabled(frame.item(IDC_GRADIENT_STYLE_VARIANT)));
    EXPECT_TRUE(::IsWindowEnabled(frame.item(IDC_GRADIENT_COLOR_2_PICK)));
    ASSERT_TRUE(frame.Choose(IDC_GRADIENT_STYLE, L"1 - Vertical"));
    EXPECT_TRUE(::IsWindowEnabled(frame.item(IDC_GRADIENT_STYLE_VARIANT)));
}

struct SpinCase {
    const char* name;
    int field;
    const wchar_t* start;
    bool up;
    const wchar_t* after_three;
};

class SpinBounds : public PropertyPages, public ::testing::WithParamInterface<SpinCase> {};

TEST_P(SpinBounds, StopsAtTheBound) {
    SitedControl control(library_);
    PageFrame frame(library_, CLSID_TavloPropPage, {&control});
    const SpinCase& c = GetParam();
    frame.Type(c.field, c.start);
    for (int i = 0; i < 3; ++i) frame.SpinKey(c.field, c.up);
    EXPECT_EQ(frame.Text(c.field), c.after_three);
}

INSTANTIATE_TEST_SUITE_P(Spins, SpinBounds,
                         ::testing::Values(SpinCase{"BevelUpTo99", IDC_BEVEL, L"98", true, L"99"},
                                           SpinCase{"BevelDownTo0", IDC_BEVEL, L"1", false, L"0"},
                                           SpinCase{"TranslucentUpTo254", IDC_TRANSLUCENT_LEVEL, L"253", true,
                                                    L"254"},
                                           SpinCase{"TranslucentDown", IDC_TRANSLUCENT_LEVEL, L"100", false,
                                                    L"97"}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Keyboard and property focus ------------------------------------------------------

TEST_F(PropertyPages, EditPropertyFocusesTheFieldOfTheDispid) {
    SitedControl control(library_);
    PageFrame frame(library_, CLSID_TavloPropPage, {&control});
    ASSERT_HRESULT_SUCCEEDED(frame.page()->EditProperty(control.Id(L"Bevel")));
    EXPECT_EQ(::GetFocus(), frame.item(IDC_BEVEL));
    EXPECT_EQ(frame.page()->EditProperty(control.Id(L"ClickSoundFile")), E_NOTIMPL) << "not on this page";
}

TEST_F(PropertyPages, TabIsTranslatedInsideThePage) {
    SitedControl control(library_);
    PageFrame frame(library_, CLSID_PropPageMore, {&control});
    ::SetFocus(frame.item(IDC_ACTIVE));
    MSG tab{frame.item(IDC_ACTIVE), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_EQ(frame.page()->TranslateAccelerator(&tab), S_OK);
    EXPECT_EQ(::GetFocus(), frame.item(IDC_ENABLED));
    MSG outside{nullptr, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_EQ(frame.page()->TranslateAccelerator(&outside), S_FALSE);
}

}  // namespace
}  // namespace brixel::testing
