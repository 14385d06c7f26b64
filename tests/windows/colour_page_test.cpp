// The colour page that stands in for the system's, and the page list that
// names it only where the system has no colour page of its own.
#include "activex/brixeldemo.h"
#include "activex/resource_ids.h"
#include "message_box_watcher.h"
#include "page_test_support.h"
#include "stack_unknown.h"

#include <string>

namespace brixel::testing {
namespace {

// The system's colour page class, as the control names it.
constexpr CLSID kStockColorPage = {0x7ebdaae1, 0x8120, 0x11cf, {0x89, 0x9f, 0x00, 0xaa, 0x00, 0x68, 0x8b, 0x10}};

class ColourPage : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(library_.loaded()); }

    ComApartment apartment_;
    ControlLibrary library_;
};

// A list box row chosen by its text, as a click on it reports.
bool ChooseRow(PageFrame& frame, int id, const wchar_t* text) {
    const auto row = ::SendDlgItemMessageW(frame.window(), id, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(text));
    if (row < 0) return false;
    ::SendDlgItemMessageW(frame.window(), id, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    ::SendMessageW(frame.window(), WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(frame.item(id)));
    return true;
}

std::wstring SelectedRow(const PageFrame& frame, int id) {
    const auto row = ::SendDlgItemMessageW(frame.window(), id, LB_GETCURSEL, 0, 0);
    if (row < 0) return L"<none>";
    wchar_t text[256] = {};
    ::SendDlgItemMessageW(frame.window(), id, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
    return text;
}

bool Listed(const PageFrame& frame, const wchar_t* text) {
    return ::SendDlgItemMessageW(frame.window(), IDC_COLOR_PROPERTIES, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(text)) >= 0;
}

// --- The page list ---------------------------------------------------------------

// A page that does nothing: all a frame needs to believe it exists.
class StubPage final : public StackUnknown<IPropertyPage, IID_IPropertyPage> {
public:
    HRESULT STDMETHODCALLTYPE SetPageSite(IPropertyPageSite*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Activate(HWND, LPCRECT, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Deactivate() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetPageInfo(PROPPAGEINFO*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetObjects(ULONG, IUnknown**) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Show(UINT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Move(LPCRECT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE IsPageDirty() override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE Apply() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Help(LPCOLESTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*) override { return S_FALSE; }
};

// Stands in for a system's colour page class: one that makes pages, or one
// that is registered but fails to make any.
class StockPageFactory final : public StackUnknown<IClassFactory, IID_IClassFactory> {
public:
    explicit StockPageFactory(bool makes_pages) : makes_pages_(makes_pages) {}
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID iid, void** out) override {
        *out = nullptr;
        return makes_pages_ ? page_.QueryInterface(iid, out) : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    bool makes_pages_;
    StubPage page_;
};

CLSID ThirdPage(const ControlLibrary& library) {
    win::ComPtr<ISpecifyPropertyPages> control;
    EXPECT_HRESULT_SUCCEEDED(library.Create(CLSID_BrixelDemo, IID_ISpecifyPropertyPages, control.put_void()));
    CAUUID list{};
    if (!control || FAILED(control->GetPages(&list))) return CLSID_NULL;
    const win::UniqueTaskMemory<GUID> pages(list.pElems);
    EXPECT_EQ(list.cElems, 6u) << "always six pages";
    return list.cElems > 2 ? list.pElems[2] : CLSID_NULL;
}

bool SystemHasAColourPage() {
    win::ComPtr<IPropertyPage> page;
    return SUCCEEDED(::CoCreateInstance(kStockColorPage, nullptr, CLSCTX_INPROC_SERVER, IID_IPropertyPage,
                                        page.put_void()));
}

// The third page while `factory` serves the system's colour page class.
CLSID ThirdPageWith(const ControlLibrary& library, StockPageFactory& factory) {
    DWORD cookie = 0;
    EXPECT_HRESULT_SUCCEEDED(
        ::CoRegisterClassObject(kStockColorPage, &factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie));
    const CLSID third = ThirdPage(library);
    ::CoRevokeClassObject(cookie);
    return third;
}

TEST_F(ColourPage, TakesTheSystemPagesPlaceOnlyWhereTheSystemCannotMakeOne) {
    if (!SystemHasAColourPage()) {
        EXPECT_TRUE(IsEqualCLSID(ThirdPage(library_), CLSID_PropPageColors));
    }
    StockPageFactory working(true);
    EXPECT_TRUE(IsEqualCLSID(ThirdPageWith(library_, working), kStockColorPage))
        << "the system's page where there is one";
    StockPageFactory broken(false);
    EXPECT_TRUE(IsEqualCLSID(ThirdPageWith(library_, broken), CLSID_PropPageColors))
        << "a registered class that makes no page would stop the frame";
}

// --- Showing -----------------------------------------------------------------------

TEST_F(ColourPage, ListsEveryColourPropertyAndShowsTheSelectedValue) {
    SitedControl control(library_);
    ASSERT_HRESULT_SUCCEEDED(control.PutI4(L"BackColor", 0x123456));
    ASSERT_HRESULT_SUCCEEDED(control.PutI4(L"FontColor", static_cast<LONG>(0x80000012)));
    PageFrame frame(library_, CLSID_PropPageColors, {&control});
    for (const wchar_t* name : {L"BackColor", L"FontColor", L"BevelUpperShade", L"DownGradientColor2",
                                L"MenuSeparatorColor", L"MenuButtonTriangleColor", L"DisabledPictureTransparentColor"}) {
        EXPECT_TRUE(Listed(frame, name)) << name;
    }
    for (const wchar_t* name : {L"Caption", L"Bevel", L"Appearance", L"Picture"}) {
        EXPECT_FALSE(Listed(frame, name)) << name << " is no colour";
    }
    ASSERT_TRUE(ChooseRow(frame, IDC_COLOR_PROPERTIES, L"BackColor"));
    EXPECT_EQ(frame.Text(IDC_COLOR_VALUE), L"1193046");
    EXPECT_EQ(SelectedRow(frame, IDC_SYSTEM_COLORS), L"<none>");
    ASSERT_TRUE(ChooseRow(frame, IDC_COLOR_PROPERTIES, L"FontColor"));
    EXPECT_EQ(frame.Text(IDC_COLOR_VALUE), L"2147483666") << "a system colour shows unsigned";
    EXPECT_EQ(SelectedRow(frame, IDC_SYSTEM_COLORS), L"Button Text");
    EXPECT_FALSE(frame.dirty()) << "looking is not a change";
}

// --- Changing and applying ---------------------------------------------------------

TEST_F(ColourPage, ChangedColoursReachBothControlsAndTheOthersStayTheirOwn) {
    SitedControl first(library_);
    SitedControl second(library_);
    ASSERT_HRESULT_SUCCEEDED(first.PutI4(L"FontColor", 0x0000FF));
    ASSERT_HRESULT_SUCCEEDED(second.PutI4(L"FontColor", 0x00FF00));
    PageFrame frame(library_, CLSID_PropPageColors, {&first, &second});
    ASSERT_TRUE(ChooseRow(frame, IDC_COLOR_PROPERTIES, L"MenuBackColor"));
    frame.Type(IDC_COLOR_VALUE, L"255");
    EXPECT_TRUE(frame.dirty());
    ASSERT_TRUE(ChooseRow(frame, IDC_COLOR_PROPERTIES, L"BackColor"));
    ASSERT_TRUE(ChooseRow(frame, IDC_SYSTEM_COLORS, L"Highlight"));
    EXPECT_EQ(frame.Text(IDC_COLOR_VALUE), L"2147483661");
    ASSERT_TRUE(ChooseRow(frame, IDC_COLOR_PROPERTIES, L"MenuBackColor"));
    EXPECT_EQ(frame.Text(IDC_COLOR_VALUE), L"255") << "each row keeps what was typed";
    ASSERT_HRESULT_SUCCEEDED(frame.page()->Apply());
    EXPECT_FALSE(frame.dirty());
    for (SitedControl* c : {&first, &second}) {
        EXPECT_EQ(c->GetI4(L"MenuBackColor"), 255);
        EXPECT_EQ(static_cast<unsigned long>(c->GetI4(L"BackColor")), 0x8000000DUL);
    }
    EXPECT_EQ(first.GetI4(L"FontColor"), 0x0000FF);
    EXPECT_EQ(second.GetI4(L"FontColor"), 0x00FF00) << "an untouched colour is not copied from the first";
}

TEST_F(ColourPage, AValueThatIsNoColourIsReportedAndNothingIsWritten) {
    MessageBoxWatcher boxes;
    SitedControl control(library_);
    ASSERT_HRESULT_SUCCEEDED(control.PutI4(L"BorderColor", 0x00FF00));
    PageFrame frame(library_, CLSID_PropPageColors, {&control});
    ASSERT_TRUE(ChooseRow(frame, IDC_COLOR_PROPERTIES, L"BorderColor"));
    frame.Type(IDC_COLOR_VALUE, L"7");
    ASSERT_TRUE(ChooseRow(frame, IDC_COLOR_PROPERTIES, L"BackColor"));
    frame.Type(IDC_COLOR_VALUE, L"light blue");
    ASSERT_TRUE(ChooseRow(frame, IDC_COLOR_PROPERTIES, L"FontColor"));
    EXPECT_TRUE(FAILED(frame.page()->Apply()));
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(SelectedRow(frame, IDC_COLOR_PROPERTIES), L"BackColor") << "the slip is shown to be corrected";
    EXPECT_EQ(frame.Text(IDC_COLOR_VALUE), L"light blue");
    EXPECT_EQ(control.GetI4(L"BorderColor"), 0x00FF00);
    EXPECT_TRUE(frame.dirty());
}

// The watcher presses OK on the colour dialog, so the field receives the
// colour the dialog started from.
TEST_F(ColourPage, ColourDialogStartsFromTheValueAndWritesItBack) {
    MessageBoxWatcher boxes;
    SitedControl control(library_);
    PageFrame frame(library_, CLSID_PropPageColors, {&control});
    ASSERT_TRUE(ChooseRow(frame, IDC_COLOR_PROPERTIES, L"BorderColor"));
    frame.Type(IDC_COLOR_VALUE, L"65280 green");
    frame.Click(IDC_COLOR_VALUE_PICK);
    EXPECT_EQ(frame.Text(IDC_COLOR_VALUE), L"65280");
    EXPECT_EQ(boxes.Texts().size(), 1u);
    ASSERT_HRESULT_SUCCEEDED(frame.page()->Apply());
    EXPECT_EQ(control.GetI4(L"BorderColor"), 65280);
}

TEST_F(ColourPage, EditPropertySelectsTheColourAndFocusesItsValue) {
    SitedControl control(library_);
    ASSERT_HRESULT_SUCCEEDED(control.PutI4(L"MenuFontColor", 77));
    PageFrame frame(library_, CLSID_PropPageColors, {&control});
    ASSERT_HRESULT_SUCCEEDED(frame.page()->EditProperty(control.Id(L"MenuFontColor")));
    EXPECT_EQ(SelectedRow(frame, IDC_COLOR_PROPERTIES), L"MenuFontColor");
    EXPECT_EQ(frame.Text(IDC_COLOR_VALUE), L"77");
    EXPECT_EQ(::GetFocus(), frame.item(IDC_COLOR_VALUE));
    EXPECT_EQ(frame.page()->EditProperty(control.Id(L"Caption")), E_NOTIMPL);
}

}  // namespace
}  // namespace brixel::testing
