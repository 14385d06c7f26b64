// The Menu page, created by its CLSID and given a control the way a property
// frame does: it edits the control's item tree and applies it only when every
// check passes. User input is simulated with the messages a user's clicks and
// keystrokes produce; message boxes are read and closed by the watcher.
#include "activex/brixeldemo.h"
#include "activex/menu_editor_page.h"
#include "control_library.h"
#include "core/dispids.h"
#include "dispatch_call.h"
#include "dispatch_stub.h"
#include "file_dialog_watcher.h"
#include "memory_bag.h"
#include "message_box_watcher.h"

#include <windowsx.h>

#include "inplace_site.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace brixel::testing {
namespace {

using win::ComPtr;

class MenuEditorPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(library_.loaded()) << "BRIXELDEMO.ocx must sit beside the tests";
        ASSERT_HRESULT_SUCCEEDED(library_.Create(CLSID_BrixelDemo, IID_IDispatch, control_.put_void()));
        ASSERT_HRESULT_SUCCEEDED(library_.Create(CLSID_PropPageDropMenu, IID_IPropertyPage, page_.put_void()));
        frame_.reset(::CreateWindowExW(0, L"STATIC", L"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 900, 700,
                                       nullptr, nullptr, nullptr, nullptr));
        ASSERT_TRUE(frame_);
        BuildTree();
    }
    // File (1) > Open (2) > Recent (3); Edit (4)
    virtual void BuildTree() {
        AddItem(1, -1, L"File");
        AddItem(2, 1, L"Open");
        AddItem(3, 2, L"Recent");
        AddItem(4, -1, L"Edit");
    }
    void TearDown() override {
        if (page_ && dialog_ != nullptr) page_->Deactivate();
        if (page_) page_->SetObjects(0, nullptr);
        page_.reset();
        frame_.reset();
    }

    // --- The control, through automation -----------------------------------------
    HRESULT Invoke(DISPID id, WORD flags, std::vector<VARIANT> args, VARIANT* result = nullptr) {
        DISPID named = DISPID_PROPERTYPUT;
        const bool put = flags == DISPATCH_PROPERTYPUT;
        DISPPARAMS params{args.data(), put ? &named : nullptr, static_cast<UINT>(args.size()), put ? 1u : 0u};
        return control_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, nullptr, nullptr);
    }
    void AddItem(std::int16_t id, std::int16_t parent, const wchar_t* caption) {
        // Automation passes arguments last to first.
        ASSERT_HRESULT_SUCCEEDED(Invoke(dispid::kAddMenuItem, DISPATCH_METHOD, {I2(parent), I2(id)}));
        const win::UniqueBstr text(caption);
        ASSERT_HRESULT_SUCCEEDED(
            Invoke(dispid::kMenuItemCaption, DISPATCH_PROPERTYPUT, {brixel::testing::Text(text), I2(id)}));
    }
    std::int16_t ShortResult(DISPID id, std::vector<VARIANT> args) {
        win::UniqueVariant out;
        EXPECT_HRESULT_SUCCEEDED(Invoke(id, DISPATCH_METHOD | DISPATCH_PROPERTYGET, std::move(args), out.put()));
        return out.get()->vt == VT_I2 ? out.get()->iVal : std::int16_t{-99};
    }
    std::wstring Caption(std::int16_t id) {
        win::UniqueVariant out;
        EXPECT_HRESULT_SUCCEEDED(Invoke(dispid::kMenuItemCaption, DISPATCH_PROPERTYGET, {I2(id)}, out.put()));
        return out.get()->vt == VT_BSTR && out.get()->bstrVal ? out.get()->bstrVal : L"";
    }
    // The tree read back as "caption(id)" lines with one "." per level.
    void Walk(std::int16_t parent, int depth, std::vector<std::wstring>& out) {
        const std::int16_t count = ShortResult(dispid::kGetMenuItemCount, {I2(parent)});
        for (std::int16_t i = 0; i < count; ++i) {
            const std::int16_t id = ShortResult(dispid::kGetMenuItemIDFromIndex, {I2(i), I2(parent)});
            out.push_back(std::wstring(static_cast<std::size_t>(depth), L'.') + Caption(id) + L"(" +
                          std::to_wstring(id) + L")");
            Walk(id, depth + 1, out);
        }
    }
    std::vector<std::wstring> Tree() {
        std::vector<std::wstring> out;
        Walk(-1, 0, out);
        return out;
    }

    // --- The page, through its window ------------------------------------------------
    void Open() {
        IUnknown* objects[] = {control_.get()};
        ASSERT_HRESULT_SUCCEEDED(page_->SetObjects(1, objects));
        RECT area{0, 0, 880, 660};
        ASSERT_HRESULT_SUCCEEDED(page_->Activate(frame_.get(), &area, TRUE));
        ASSERT_HRESULT_SUCCEEDED(page_->Show(SW_SHOW));
        dialog_ = ::GetWindow(frame_.get(), GW_CHILD);
        ASSERT_NE(dialog_, nullptr);
        Pump();
    }
    void Close() {
        page_->Deactivate();
        dialog_ = nullptr;
    }
    static void Pump() {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    HWND Item(int id) const { return ::GetDlgItem(dialog_, id); }
    std::vector<std::wstring> Lines() const {
        std::vector<std::wstring> out;
        const HWND list = Item(IDC_MENU_ITEM_LIST);
        for (int i = 0; i < ListBox_GetCount(list); ++i) {
            wchar_t text[256] = {};
            ListBox_GetText(list, i, text);
            out.emplace_back(text);
        }
        return out;
    }
    void SelectLine(int line) {
        ListBox_SetCurSel(Item(IDC_MENU_ITEM_LIST), line);
        ::SendMessageW(dialog_, WM_COMMAND, MAKEWPARAM(IDC_MENU_ITEM_LIST, LBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(Item(IDC_MENU_ITEM_LIST)));
    }
    void Click(int id) { ::SendMessageW(Item(id), BM_CLICK, 0, 0); }
    void Type(int id, const wchar_t* text) { ::SetWindowTextW(Item(id), text); }
    void ChooseShortcut(int code) {
        ComboBox_SetCurSel(Item(IDC_MENU_ITEM_SHORTCUT), code);
        ::SendMessageW(dialog_, WM_COMMAND, MAKEWPARAM(IDC_MENU_ITEM_SHORTCUT, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(Item(IDC_MENU_ITEM_SHORTCUT)));
    }
    std::wstring Text(int id) const {
        wchar_t text[256] = {};
        ::GetWindowTextW(Item(id), text, 256);
        return text;
    }

    ComApartment apartment_;
    ControlLibrary library_;
    ComPtr<IDispatch> control_;
    ComPtr<IPropertyPage> page_;
    win::UniqueWindow frame_;
    HWND dialog_ = nullptr;
};

const std::vector<std::wstring> kStartTree = {L"File(1)", L".Open(2)", L"..Recent(3)", L"Edit(4)"};

TEST_F(MenuEditorPageTest, ShowsTheTreeWithDotPrefixesAndTheFirstLinesFields) {
    Open();
    EXPECT_EQ(Lines(), (std::vector<std::wstring>{L"File", L"....Open", L"........Recent", L"Edit", L""}));
    EXPECT_EQ(Text(IDC_MENU_ITEM_CAPTION), L"File");
    EXPECT_EQ(Text(IDC_MENU_ITEM_ID), L"1");
    EXPECT_EQ(ComboBox_GetCount(Item(IDC_MENU_ITEM_SHORTCUT)), 80);
    SelectLine(2);
    EXPECT_EQ(Text(IDC_MENU_ITEM_CAPTION), L"Recent");
    SelectLine(4);
    ::SetFocus(Item(IDC_MENU_ITEM_CAPTION));  // visiting the blank line is not editing it
    Pump();
    EXPECT_EQ(Lines().size(), 5u);
    EXPECT_EQ(page_->IsPageDirty(), S_FALSE);
}

TEST_F(MenuEditorPageTest, IndentStopsAtTheDeepestLevel) {
    Open();
    SelectLine(2);
    Click(IDC_MENU_ITEM_INDENT);
    Click(IDC_MENU_ITEM_INDENT);
    Click(IDC_MENU_ITEM_INDENT);  // level 4 already: nothing
    EXPECT_EQ(Lines()[2], L"................Recent");
    EXPECT_EQ(page_->IsPageDirty(), S_OK);
}

// Each row breaks the tree's rules through the page; the refusal shows the
// first broken rule's message and leaves the control's tree as it was.
TEST_F(MenuEditorPageTest, RefusedApplyShowsTheFirstChecksMessageAndKeepsTheTree) {
    struct Row {
        const wchar_t* name;
        std::function<void()> act;
        const wchar_t* message;
    };
    const Row rows[] = {
        {L"indented first line", [&] { SelectLine(0); Click(IDC_MENU_ITEM_INDENT); }, L"Menu item skipped a level"},
        {L"duplicate ID before a skipped level",
         [&] { SelectLine(3); Type(IDC_MENU_ITEM_ID, L"1"); SelectLine(0); Click(IDC_MENU_ITEM_INDENT); },
         L"Duplicate menu item ID exists"},
        {L"sub-item under a separator",
         [&] { SelectLine(3); Click(IDC_MENU_ITEM_SEPARATOR); SelectLine(4); Type(IDC_MENU_ITEM_CAPTION, L"New");
               Click(IDC_MENU_ITEM_INDENT); },
         L"You cannot add sub menus to separators"},
        {L"shortcut on a parent", [&] { SelectLine(1); ChooseShortcut(5); },
         L"You cannot assign a shortcut key to a top level menu"},
        {L"hyperlink on a parent", [&] { SelectLine(0); Click(IDC_MENU_ITEM_HYPERLINK); },
         L"You cannot assign a Hyperlink address to a top level menu"},
        {L"duplicate shortcut", [&] { SelectLine(2); ChooseShortcut(5); SelectLine(3); ChooseShortcut(5); },
         L"Shortcut key already assigned"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Open();
        MessageBoxWatcher boxes;
        row.act();
        EXPECT_TRUE(FAILED(page_->Apply()));
        EXPECT_EQ(boxes.Texts(), (std::vector<std::wstring>{row.message}));
        EXPECT_EQ(Tree(), kStartTree);
        EXPECT_EQ(page_->IsPageDirty(), S_OK) << "the page keeps the user's work";
        Close();
    }
}

TEST_F(MenuEditorPageTest, DuplicateIdIsPutBackInTheField) {
    Open();
    MessageBoxWatcher boxes;
    SelectLine(3);
    Type(IDC_MENU_ITEM_ID, L"2");
    SelectLine(0);
    EXPECT_TRUE(FAILED(page_->Apply()));
    EXPECT_EQ(Text(IDC_MENU_ITEM_ID), L"4");
    EXPECT_EQ(ListBox_GetCurSel(Item(IDC_MENU_ITEM_LIST)), 3);
}

TEST_F(MenuEditorPageTest, ApplyRebuildsTheControlsTree) {
    Open();
    SelectLine(3);
    Click(IDC_MENU_ITEM_INDENT);  // Edit under File
    Type(IDC_MENU_ITEM_CAPTION, L"Edit it");
    SelectLine(4);                // the blank line becomes Paste (5)
    Type(IDC_MENU_ITEM_CAPTION, L"Paste");
    SelectLine(2);
    Click(IDC_MENU_ITEM_DELETE);  // Recent goes
    SelectLine(0);
    Click(IDC_MENU_ITEM_INSERT);  // a new first line, New (7): Paste left a blank line with 6
    Type(IDC_MENU_ITEM_CAPTION, L"New");
    EXPECT_EQ(Lines(), (std::vector<std::wstring>{L"New", L"File", L"....Open", L"....Edit it", L"Paste", L""}));
    ASSERT_HRESULT_SUCCEEDED(page_->Apply());
    EXPECT_EQ(Tree(), (std::vector<std::wstring>{L"New(7)", L"File(1)", L".Open(2)", L".Edit it(4)", L"Paste(5)"}));
    EXPECT_EQ(ShortResult(dispid::kGetMenuItemParentID, {I2(4)}), 1);
    EXPECT_EQ(ShortResult(dispid::kGetTotalMenuItemCount, {}), 5);
    EXPECT_EQ(page_->IsPageDirty(), S_FALSE);
}

TEST_F(MenuEditorPageTest, ClosingWithoutApplyLeavesTheTreeAndShowsItAgain) {
    Open();
    SelectLine(0);
    Type(IDC_MENU_ITEM_CAPTION, L"Changed");
    Click(IDC_MENU_ITEM_INSERT);
    SelectLine(3);
    Click(IDC_MENU_ITEM_DELETE);
    Close();
    EXPECT_EQ(Tree(), kStartTree);
    Open();
    EXPECT_EQ(Lines(), (std::vector<std::wstring>{L"File", L"....Open", L"........Recent", L"Edit", L""}));
}

TEST_F(MenuEditorPageTest, SeparatorLineLeavesOnlyItsIdEditable) {
    Open();
    SelectLine(3);
    Click(IDC_MENU_ITEM_SEPARATOR);
    EXPECT_EQ(Lines()[3], L"----------");
    EXPECT_FALSE(::IsWindowEnabled(Item(IDC_MENU_ITEM_CAPTION)));
    EXPECT_FALSE(::IsWindowEnabled(Item(IDC_MENU_ITEM_SHORTCUT)));
    EXPECT_TRUE(::IsWindowEnabled(Item(IDC_MENU_ITEM_ID)));
    Click(IDC_MENU_ITEM_SEPARATOR);
    EXPECT_TRUE(::IsWindowEnabled(Item(IDC_MENU_ITEM_CAPTION)));
    EXPECT_EQ(Lines()[3], L"Edit");
}

// Records the items MenuItemClicked reports.
class ClickedItems final : public EventSink {
public:
    std::vector<LONG> items;

private:
    void OnEvent(DISPID id, WORD, const DISPPARAMS& params) override {
        constexpr DISPID kMenuItemClicked = 6;
        if (id == kMenuItemClicked && params.cArgs == 1) items.push_back(params.rgvarg[0].lVal);
    }
};

// The control sits in place in its own container window, in user mode, so
// that its shortcuts are registered and dispatched as in a running program.
class MenuEditorShortcutTest : public MenuEditorPageTest {
protected:
    static constexpr std::int16_t kF5 = 31;
    static constexpr std::int16_t kF6 = 32;

    // Item 1 on F5, item 2 on F6, item 3 without a shortcut.
    void BuildTree() override {
        AddItem(1, -1, L"One");
        AddItem(2, -1, L"Two");
        AddItem(3, -1, L"Three");
        ASSERT_HRESULT_SUCCEEDED(Invoke(dispid::kMenuItemShortcut, DISPATCH_PROPERTYPUT, {I2(kF5), I2(1)}));
        ASSERT_HRESULT_SUCCEEDED(Invoke(dispid::kMenuItemShortcut, DISPATCH_PROPERTYPUT, {I2(kF6), I2(2)}));
        VARIANT on;
        on.vt = VT_BOOL;
        on.boolVal = VARIANT_TRUE;
        ASSERT_HRESULT_SUCCEEDED(Invoke(dispid::kMenu, DISPATCH_PROPERTYPUT, {on}));

        host_.reset(::CreateWindowExW(0, L"STATIC", L"container",
                                      WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
                                      100, 100, 300, 200, nullptr, nullptr, nullptr, nullptr));
        ASSERT_TRUE(host_);
        site_ = std::make_unique<InPlaceSite>(host_.get());
        ASSERT_HRESULT_SUCCEEDED(control_.As(&object_));
        ASSERT_HRESULT_SUCCEEDED(object_->SetClientSite(site_.get()));
        ComPtr<IConnectionPointContainer> points;
        ASSERT_HRESULT_SUCCEEDED(control_.As(&points));
        ASSERT_HRESULT_SUCCEEDED(points->FindConnectionPoint(DIID__DBrixelDemoEvents, point_.put()));
        ASSERT_HRESULT_SUCCEEDED(point_->Advise(&clicked_, &cookie_));
        ASSERT_HRESULT_SUCCEEDED(
            object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.get(), 0, host_.get(), &site_->position));
    }
    void TearDown() override {
        if (point_) point_->Unadvise(cookie_);
        if (object_) {
            object_->Close(OLECLOSE_NOSAVE);
            object_->SetClientSite(nullptr);
        }
        MenuEditorPageTest::TearDown();
        host_.reset();
    }

    // Presses `key` with the container active and returns the items it ran.
    std::vector<LONG> Press(WORD key) {
        ::SetForegroundWindow(host_.get());
        ::SetActiveWindow(host_.get());
        ::SetFocus(::GetWindow(host_.get(), GW_CHILD));
        Wait(100);
        clicked_.items.clear();
        INPUT input[2] = {};
        input[0].type = input[1].type = INPUT_KEYBOARD;
        input[0].ki.wVk = input[1].ki.wVk = key;
        input[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, input, sizeof(INPUT));
        Wait(300);
        return clicked_.items;
    }
    static void Wait(int milliseconds) {
        const DWORD end = ::GetTickCount() + static_cast<DWORD>(milliseconds);
        while (::GetTickCount() < end) {
            Pump();
            ::Sleep(5);
        }
    }

    win::UniqueWindow host_;
    std::unique_ptr<InPlaceSite> site_;
    ComPtr<IOleObject> object_;
    ComPtr<IConnectionPoint> point_;
    ClickedItems clicked_;
    DWORD cookie_ = 0;
};

TEST_F(MenuEditorShortcutTest, AfterApplyMovedShortcutsRunTheirNewItemAndDeletedOnesNothing) {
    ASSERT_EQ(Press(VK_F5), (std::vector<LONG>{1})) << "shortcuts must work before the page is used";
    Open();
    SelectLine(0);
    ChooseShortcut(0);    // F5 leaves One...
    SelectLine(2);
    ChooseShortcut(kF5);  // ...for Three
    SelectLine(1);
    Click(IDC_MENU_ITEM_DELETE);  // Two goes, with its F6
    ASSERT_HRESULT_SUCCEEDED(page_->Apply());
    Close();
    EXPECT_EQ(Press(VK_F5), (std::vector<LONG>{3}));
    EXPECT_EQ(Press(VK_F6), (std::vector<LONG>{}));
}

// --- The item picture ----------------------------------------------------------------

// A 4 x 4 red bitmap in the temporary folder, removed again by the test.
std::wstring WriteRedBitmap() {
    wchar_t folder[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"menu_item_picture.bmp";
    constexpr int kSide = 4;
    BITMAPINFOHEADER info{sizeof(info), kSide, kSide, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const std::vector<BYTE> pixels(kSide * kSide * 3, 0);
    std::vector<BYTE> rows = pixels;
    for (std::size_t i = 2; i < rows.size(); i += 3) rows[i] = 0xFF;  // blue, green, red
    BITMAPFILEHEADER head{};
    head.bfType = 0x4D42;  // "BM"
    head.bfOffBits = sizeof(head) + sizeof(info);
    head.bfSize = head.bfOffBits + static_cast<DWORD>(rows.size());
    const HANDLE created = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (created == INVALID_HANDLE_VALUE) return {};
    const win::UniqueKernelHandle owner(created);
    const HANDLE file = owner.get();
    DWORD written = 0;
    ::WriteFile(file, &head, sizeof(head), &written, nullptr);
    ::WriteFile(file, &info, sizeof(info), &written, nullptr);
    ::WriteFile(file, rows.data(), static_cast<DWORD>(rows.size()), &written, nullptr);
    return path;
}

TEST_F(MenuEditorPageTest, CancellingThePictureDialogChangesNothing) {
    Open();
    SelectLine(1);
    {
        FileDialogWatcher files;
        Click(IDC_MENU_ITEM_PICTURE_PICK);
        EXPECT_EQ(files.seen(), 1) << "the system's file dialog opens";
    }
    EXPECT_EQ(page_->IsPageDirty(), S_FALSE);
    ASSERT_HRESULT_SUCCEEDED(page_->Apply());
    win::UniqueVariant picture;
    ASSERT_HRESULT_SUCCEEDED(Invoke(dispid::kMenuItemPicture, DISPATCH_PROPERTYGET, {I2(2)}, picture.put()));
    EXPECT_TRUE(picture.get()->vt != VT_DISPATCH || picture.get()->pdispVal == nullptr) << "no picture appeared";
}

TEST_F(MenuEditorPageTest, APictureChosenInTheDialogIsLoadedAndApplied) {
    const std::wstring path = WriteRedBitmap();
    ASSERT_FALSE(path.empty());
    Open();
    SelectLine(1);
    {
        FileDialogWatcher files(path);
        Click(IDC_MENU_ITEM_PICTURE_PICK);
        EXPECT_EQ(files.seen(), 1);
    }
    EXPECT_EQ(page_->IsPageDirty(), S_OK);
    ASSERT_HRESULT_SUCCEEDED(page_->Apply());
    ::DeleteFileW(path.c_str());
    win::UniqueVariant picture;
    ASSERT_HRESULT_SUCCEEDED(Invoke(dispid::kMenuItemPicture, DISPATCH_PROPERTYGET, {I2(2)}, picture.put()));
    ASSERT_EQ(picture.get()->vt, VT_DISPATCH);
    ASSERT_NE(picture.get()->pdispVal, nullptr);
    ComPtr<IPicture> image;
    ASSERT_HRESULT_SUCCEEDED(picture.get()->pdispVal->QueryInterface(IID_IPicture, image.put_void()));
    OLE_XSIZE_HIMETRIC width = 0;
    ASSERT_HRESULT_SUCCEEDED(image->get_Width(&width));
    EXPECT_GT(width, 0);
    EXPECT_EQ(Tree(), kStartTree) << "only the picture changed";
}

// --- A stored tree with a negative ID --------------------------------------------------

// Sets every stored item ID equal to `from` to `to`; how many it changed.
int ReplaceStoredItemId(MemoryPropertyBag& bag, std::int16_t from, std::int16_t to) {
    int changed = 0;
    for (auto& [name, value] : bag.values) {
        const bool id_key = name.size() > 2 && name.ends_with(L"ID") && !name.ends_with(L"ParentID") &&
                            name.starts_with(L"MenuItem");
        win::UniqueVariant number;
        if (!id_key || FAILED(::VariantChangeType(number.put(), value.get(), 0, VT_I2))) continue;
        if (number.get()->iVal != from) continue;
        VARIANT* const replaced = value.put();
        replaced->vt = VT_I2;
        replaced->iVal = to;
        ++changed;
    }
    return changed;
}

TEST_F(MenuEditorPageTest, AStoredNegativeIdIsAnnouncedWhenShownAndBlocksApply) {
    ComPtr<IPersistPropertyBag> saver;
    ASSERT_HRESULT_SUCCEEDED(control_.As(&saver));
    MemoryPropertyBag bag;
    ASSERT_HRESULT_SUCCEEDED(saver->Save(&bag, TRUE, TRUE));
    ASSERT_EQ(ReplaceStoredItemId(bag, 4, -5), 1) << "the stored Edit item";
    ComPtr<IDispatch> stored;
    ASSERT_HRESULT_SUCCEEDED(library_.Create(CLSID_BrixelDemo, IID_IDispatch, stored.put_void()));
    ComPtr<IPersistPropertyBag> loader;
    ASSERT_HRESULT_SUCCEEDED(stored.As(&loader));
    ASSERT_HRESULT_SUCCEEDED(loader->Load(&bag, nullptr));
    control_ = stored;

    MessageBoxWatcher boxes;
    Open();
    EXPECT_EQ(boxes.Texts(), (std::vector<std::wstring>{
                                 L"Negative menu item IDs were detected and deleted. \nCheck your data and enter new values."}));
    EXPECT_EQ(Lines(), (std::vector<std::wstring>{L"File", L"....Open", L"........Recent", L"Edit", L""}));
    SelectLine(3);
    EXPECT_EQ(Text(IDC_MENU_ITEM_ID), L"") << "a negative ID shows empty";
    Type(IDC_MENU_ITEM_CAPTION, L"Edit it");  // any change: the frame applies a changed page only
    EXPECT_TRUE(FAILED(page_->Apply()));
    EXPECT_EQ(boxes.Texts().back(), L"Empty menu item ID exists");
    Type(IDC_MENU_ITEM_ID, L"9");
    ASSERT_HRESULT_SUCCEEDED(page_->Apply());
    EXPECT_EQ(Tree(), (std::vector<std::wstring>{L"File(1)", L".Open(2)", L"..Recent(3)", L"Edit it(9)"}));
    EXPECT_EQ(boxes.Texts().size(), 2u) << "announced once";
}

}  // namespace
}  // namespace brixel::testing
