// A container that asked only for data safety loads a hostile document into
// the control and the user clicks: nothing but a clean web or mail address
// may reach the shell, and no stored sound may make the player overrun.
#include "dispatch_call.h"
#include "inplace_control_test.h"
#include "memory_bag.h"
#include "message_box_watcher.h"
#include "shell_call_recorder.h"
#include "stack_unknown.h"

#include <objsafe.h>
#include <olectl.h>

#include <algorithm>
#include <functional>
#include <new>
#include <string>
#include <vector>

namespace brixel::testing {
namespace {

using win::ComPtr;

std::vector<BYTE> StreamBytes(IStream* stream) {
    STATSTG stat{};
    if (FAILED(stream->Stat(&stat, STATFLAG_NONAME))) return {};
    std::vector<BYTE> bytes(static_cast<std::size_t>(stat.cbSize.QuadPart));
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    ULONG read = 0;
    stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
    bytes.resize(read);
    return bytes;
}

std::vector<BYTE> SaveStream(IPersistStreamInit* persist) {
    ComPtr<IStream> stream;
    if (FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, stream.put())) || FAILED(persist->Save(stream.get(), TRUE))) {
        return {};
    }
    return StreamBytes(stream.get());
}

ComPtr<IStream> MakeStream(const std::vector<BYTE>& bytes) {
    ComPtr<IStream> stream;
    ::CreateStreamOnHGlobal(nullptr, TRUE, stream.put());
    ULONG written = 0;
    stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    return stream;
}

// What a document stores under `key`: a copy of `value`.
void Store(MemoryPropertyBag& bag, const wchar_t* key, const VARIANT& value) {
    ::VariantCopy(bag.values[key].put(), const_cast<VARIANT*>(&value));
}

void StoreText(MemoryPropertyBag& bag, const wchar_t* key, const std::wstring& text) {
    const win::UniqueBstr b(text);
    Store(bag, key, Text(b));
}

void StoreBytes(MemoryPropertyBag& bag, const wchar_t* key, const std::vector<BYTE>& bytes) {
    SAFEARRAY* array = ::SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
    void* data = nullptr;
    ::SafeArrayAccessData(array, &data);
    std::copy(bytes.begin(), bytes.end(), static_cast<BYTE*>(data));
    ::SafeArrayUnaccessData(array);
    VARIANT v{};
    v.vt = VT_ARRAY | VT_UI1;
    v.parray = array;
    Store(bag, key, v);
    ::SafeArrayDestroy(array);
}

// The control in a real window, loaded from a property bag by a container
// that may have asked for safety first.
class HostedDocument : public InPlaceControlTest {
protected:
    void SetUp() override {
        InPlaceControlTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(recorder_.active()) << "the library imports ShellExecuteW and CreateProcessW";
    }
    void TearDown() override {
        InPlaceControlTest::TearDown();
        ::SetCursorPos(1000, 900);
    }

    // What a page host does before it loads a document into the control.
    void AskForDataSafetyOnly() {
        ComPtr<IObjectSafety> safety;
        ASSERT_HRESULT_SUCCEEDED(object_.As(IID_IObjectSafety, safety.put_void()));
        ASSERT_HRESULT_SUCCEEDED(safety->SetInterfaceSafetyOptions(
            IID_IPersistPropertyBag, INTERFACESAFE_FOR_UNTRUSTED_DATA, INTERFACESAFE_FOR_UNTRUSTED_DATA));
    }
    void Load() {
        ComPtr<IPersistPropertyBag> persist;
        ASSERT_HRESULT_SUCCEEDED(object_.As(&persist));
        ASSERT_HRESULT_SUCCEEDED(persist->Load(&bag_, nullptr));
    }
    void MoveOnto(HWND window) {
        POINT centre{30, 12};
        ::ClientToScreen(window, &centre);
        ::SetCursorPos(centre.x, centre.y);
        Pump(100);
    }
    void ClickOn(HWND window) {
        MoveOnto(window);
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        Pump(80);
        SendMouse(MOUSEEVENTF_LEFTUP);
        Pump(300);
    }
    // A hyperlink button as a stored document describes it.
    void StoreHyperlink(const std::wstring& address) {
        Store(bag_, L"Hyperlink", Bool(true));
        StoreText(bag_, L"HyperlinkAddress", address);
    }
    static std::vector<std::wstring>& ShellCalls() { return ShellCallRecorder::Calls(); }

    ShellCallRecorder recorder_{library_.get()};
    MemoryPropertyBag bag_;
};

class HostileAddress : public HostedDocument, public ::testing::WithParamInterface<const wchar_t*> {};

TEST_P(HostileAddress, ClickedInADataSafeHostOpensNothing) {
    MessageBoxWatcher boxes;
    AskForDataSafetyOnly();
    StoreHyperlink(GetParam());
    Load();
    HWND window = Activate();
    ASSERT_NE(window, nullptr);
    ClickOn(window);
    EXPECT_EQ(ShellCalls(), std::vector<std::wstring>{});
    EXPECT_EQ(boxes.Texts(), std::vector<std::wstring>{L"Unable to open hyperlink"});
}

INSTANTIATE_TEST_SUITE_P(ReviewersAddresses, HostileAddress,
                         ::testing::Values(L"http://x/\" -switch \"", L"mailto:a@b\" /x", L"\\\\host\\share\\x.hta",
                                           L"file:///C:/Windows/System32/cmd.exe", L"javascript:alert(1)",
                                           L"shell:startup", L"evil.exe", L"http://x/a b"));

TEST_F(HostedDocument, DataSafeHostStillOpensCleanWebAddresses) {
    MessageBoxWatcher boxes;
    AskForDataSafetyOnly();
    StoreHyperlink(L"www.example.invalid/page");
    Load();
    HWND window = Activate();
    ASSERT_NE(window, nullptr);
    ClickOn(window);
    EXPECT_EQ(ShellCalls(), std::vector<std::wstring>{L"shell http://www.example.invalid/page"});
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(HostedDocument, TrustedHostHandsTheAddressOnUnchanged) {
    MessageBoxWatcher boxes;
    StoreHyperlink(L"evil.exe");
    Load();
    HWND window = Activate();
    ASSERT_NE(window, nullptr);
    ClickOn(window);
    EXPECT_EQ(ShellCalls(), std::vector<std::wstring>{L"shell evil.exe"});
}

TEST_F(HostedDocument, DataSafetyAlsoRestrictsScripts) {
    AskForDataSafetyOnly();
    const win::UniqueBstr path(L"C:\\windows\\win.ini");
    win::UniqueExcepInfo error;
    constexpr DISPID kMouseInSoundFile = 35;
    EXPECT_EQ(PutRaising(dispatch_.get(), kMouseInSoundFile, Text(path), error), DISP_E_EXCEPTION);
    EXPECT_EQ(static_cast<ULONG>(error.get().scode), 0x800A0046u);
    win::UniqueVariant pointer;
    ASSERT_HRESULT_SUCCEEDED(CallControl(dispatch_.get(), 109, DISPATCH_PROPERTYGET, {}, pointer.put()));
    EXPECT_EQ(pointer->lVal, 0);
}

// RIFF of 0x7FFFFFF0 bytes, then WAVE, and nothing more: a player that
// believed the size would read two gigabytes past the block.
const std::vector<BYTE> kReviewersSound = {'R', 'I', 'F', 'F', 0xF0, 0xFF, 0xFF, 0x7F, 'W', 'A', 'V', 'E'};

TEST_F(HostedDocument, MalformedStoredSoundIsKeptButNeverPlayed) {
    Store(bag_, L"MouseInSound", I2(99));
    Store(bag_, L"ClickSound", I2(99));
    StoreBytes(bag_, L"_MouseInSoundMemory", kReviewersSound);
    StoreBytes(bag_, L"_ClickSoundMemory", kReviewersSound);
    Load();
    HWND window = Activate();
    ASSERT_NE(window, nullptr);
    ::SetCursorPos(1000, 900);
    Pump(100);
    ClickOn(window);  // hovers, then clicks
    ASSERT_TRUE(::IsWindow(window));

    MemoryPropertyBag saved;
    ComPtr<IPersistPropertyBag> persist;
    ASSERT_HRESULT_SUCCEEDED(object_.As(&persist));
    ASSERT_HRESULT_SUCCEEDED(persist->Save(&saved, TRUE, TRUE));
    for (const wchar_t* key : {L"_MouseInSoundMemory", L"_ClickSoundMemory"}) {
        const auto it = saved.values.find(key);
        ASSERT_NE(it, saved.values.end()) << "the document keeps its sound";
        SAFEARRAY* array = it->second->parray;
        ASSERT_EQ(array->rgsabound[0].cElements, kReviewersSound.size());
        const auto* bytes = static_cast<const BYTE*>(array->pvData);
        EXPECT_EQ(std::vector<BYTE>(bytes, bytes + kReviewersSound.size()), kReviewersSound);
    }
}

// A bag that answers nothing, and checks that each value it is handed holds
// nothing but its type: a bag may look at the value before failing.
class FailingBag final : public StackUnknown<IPropertyBag, IID_IPropertyBag> {
public:
    HRESULT STDMETHODCALLTYPE Read(LPCOLESTR, VARIANT* value, IErrorLog*) override {
        ++reads;
        const auto* raw = reinterpret_cast<const BYTE*>(value);
        for (std::size_t i = sizeof(VARTYPE); i < sizeof(VARIANT); ++i) {
            if (raw[i] != 0) {
                ++unzeroed;
                break;
            }
        }
        if (value->vt == VT_DISPATCH) ++object_reads;
        return E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE Write(LPCOLESTR, VARIANT*) override { return E_FAIL; }

    int reads = 0;
    int object_reads = 0;
    int unzeroed = 0;
};

// Stack bytes left in a value typed as an object would be released as one.
void FillStackWithGarbage() {
    volatile BYTE junk[4096];
    for (std::size_t i = 0; i < sizeof(junk); ++i) junk[i] = 0xA5;
}

TEST_F(HostedDocument, BagReadsStartFromZeroedValues) {
    FailingBag bag;
    ComPtr<IPersistPropertyBag> persist;
    ASSERT_HRESULT_SUCCEEDED(object_.As(&persist));
    FillStackWithGarbage();
    persist->Load(&bag, nullptr);
    EXPECT_GT(bag.reads, 10);
    EXPECT_GT(bag.object_reads, 0) << "fonts and pictures are read as objects";
    EXPECT_EQ(bag.unzeroed, 0);
}

// The owner itself, over storage full of old bytes: what the control then
// hands a bag must not depend on what the stack happened to hold.
TEST(VariantOwner, StartsWithEveryByteOfTheValueZero) {
    void* storage = ::operator new(sizeof(win::UniqueVariant));
    auto* old_bytes = static_cast<volatile BYTE*>(storage);
    for (std::size_t i = 0; i < sizeof(win::UniqueVariant); ++i) old_bytes[i] = 0xA5;
    auto* owner = new (storage) win::UniqueVariant;
    const auto* raw = reinterpret_cast<const BYTE*>(owner->get());
    EXPECT_TRUE(std::all_of(raw, raw + sizeof(VARIANT), [](BYTE b) { return b == 0; }));
    owner->~UniqueVariant();
    ::operator delete(storage);
}

constexpr DISPID kPerformClick = 116;
constexpr DISPID kPerformClickActions = 118;
constexpr DISPID kPerformHyperlink = 117;
constexpr DISPID kValue = 99;
constexpr DISPID kToggleButton = 20;
constexpr DISPID kMenu = 83;

// Runs a script's handler on Click and counts the clicks.
class ClickHandler final : public EventSink {
public:
    std::function<void()> on_click;
    int clicks = 0;

private:
    void OnEvent(DISPID id, WORD, const DISPPARAMS&) override {
        if (id != DISPID_CLICK) return;
        ++clicks;
        if (on_click && clicks < 5) on_click();  // bounded, so a runaway shows as a count
    }
};

class ScriptedDocument : public HostedDocument {
protected:
    void SetUp() override {
        HostedDocument::SetUp();
        ComPtr<IConnectionPointContainer> container;
        ASSERT_HRESULT_SUCCEEDED(object_.As(&container));
        ASSERT_HRESULT_SUCCEEDED(container->FindConnectionPoint(DIID__DBrixelDemoEvents, point_.put()));
        ASSERT_HRESULT_SUCCEEDED(point_->Advise(&handler_, &cookie_));
    }
    void TearDown() override {
        if (point_) point_->Unadvise(cookie_);
        HostedDocument::TearDown();
    }
    HRESULT Method(DISPID id) { return CallControl(dispatch_.get(), id, DISPATCH_METHOD); }

    ClickHandler handler_;
    ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
};

TEST_F(ScriptedDocument, ClickingAgainFromInsideClickDoesNothing) {
    const struct {
        const char* name;
        std::function<void()> again;
    } rows[] = {
        {"PerformClick", [&] { Method(kPerformClick); }},
        {"PerformClickActions", [&] { Method(kPerformClickActions); }},
        {"Value = True", [&] { CallControl(dispatch_.get(), kValue, DISPATCH_PROPERTYPUT, {Bool(true)}); }},
    };
    for (const auto& row : rows) {
        handler_.on_click = row.again;
        handler_.clicks = 0;
        Method(kPerformClick);
        EXPECT_EQ(handler_.clicks, 1) << row.name << " without a window";
    }
    HWND window = Activate();
    ASSERT_NE(window, nullptr);
    for (const auto& row : rows) {
        handler_.on_click = row.again;
        handler_.clicks = 0;
        ClickOn(window);
        EXPECT_EQ(handler_.clicks, 1) << row.name << " after a real click";
    }
}

TEST_F(ScriptedDocument, UntrustedScriptOpensTheHyperlinkOnlyFromTheUsersClick) {
    AskForDataSafetyOnly();
    StoreHyperlink(L"http://example.invalid/");
    Load();
    HWND window = Activate();
    ASSERT_NE(window, nullptr);
    Method(kPerformHyperlink);
    Method(kPerformClickActions);
    EXPECT_EQ(ShellCalls(), std::vector<std::wstring>{}) << "no window opens by a script alone";

    handler_.on_click = [&] { Method(kPerformHyperlink); };
    ClickOn(window);
    EXPECT_EQ(ShellCalls(), std::vector<std::wstring>(2, L"shell http://example.invalid/"))
        << "the handler's own and the click's";
}

TEST_F(ScriptedDocument, UntrustedScriptRaisesOneRuleMessageUntilTheUserActs) {
    MessageBoxWatcher boxes;
    AskForDataSafetyOnly();
    ASSERT_HRESULT_SUCCEEDED(CallControl(dispatch_.get(), kMenu, DISPATCH_PROPERTYPUT, {Bool(true)}));
    for (int i = 0; i < 3; ++i) {
        ASSERT_HRESULT_SUCCEEDED(CallControl(dispatch_.get(), kToggleButton, DISPATCH_PROPERTYPUT, {Bool(true)}));
    }
    Pump(200);
    EXPECT_EQ(boxes.Texts().size(), 1u);
}

TEST_F(HostedDocument, ExtentsStayWithinThePixelRange) {
    SIZEL huge{2'000'000'000, 661};
    EXPECT_EQ(object_->SetExtent(DVASPECT_CONTENT, &huge), E_INVALIDARG);
    SIZEL largest{866'960, 866'960};
    EXPECT_HRESULT_SUCCEEDED(object_->SetExtent(DVASPECT_CONTENT, &largest));

    Store(bag_, L"_ExtentX", I4(2'000'000'000));
    Store(bag_, L"_ExtentY", I4(-5));
    Load();
    SIZEL loaded{};
    ASSERT_HRESULT_SUCCEEDED(object_->GetExtent(DVASPECT_CONTENT, &loaded));
    EXPECT_EQ(loaded.cx, 2302) << "the default size instead";
    EXPECT_EQ(loaded.cy, 661);
}

// The stored form of a picture object: the standard picture stream.
std::vector<BYTE> StoredPictureBytes(IPictureDisp* picture) {
    ComPtr<IPersistStream> persist;
    ComPtr<IStream> memory;
    if (FAILED(picture->QueryInterface(IID_IPersistStream, persist.put_void())) ||
        FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, memory.put())) || FAILED(persist->Save(memory.get(), TRUE))) {
        return {};
    }
    return StreamBytes(memory.get());
}

std::vector<BYTE> Le(std::uint32_t v, int n) {
    std::vector<BYTE> out;
    for (int i = 0; i < n; ++i) out.push_back(static_cast<BYTE>(v >> (8 * i)));
    return out;
}

void Append(std::vector<BYTE>& to, const std::vector<BYTE>& more) { to.insert(to.end(), more.begin(), more.end()); }

// A placeable metafile of 40 bytes whose frame claims 32,767 inches a side.
std::vector<BYTE> HugeFrameMetafile() {
    std::vector<BYTE> m = {0xD7, 0xCD, 0xC6, 0x9A, 0, 0};
    for (std::uint32_t v : {0u, 0u, 32767u, 32767u, 1u}) Append(m, Le(v, 2));
    Append(m, Le(0, 4));
    std::uint16_t checksum = 0;
    for (std::size_t i = 0; i < 20; i += 2) checksum ^= static_cast<std::uint16_t>(m[i] | m[i + 1] << 8);
    Append(m, Le(checksum, 2));
    for (std::uint32_t v : {1u, 9u, 0x300u}) Append(m, Le(v, 2));  // header: memory, 9 words, version 3
    Append(m, Le(12, 4));                                          // 12 words in all
    Append(m, Le(0, 2));
    Append(m, Le(3, 4));  // largest record
    Append(m, Le(0, 2));
    Append(m, Le(3, 4));  // the end record: 3 words, function 0
    Append(m, Le(0, 2));
    return m;
}

// A run-length bitmap of a few bytes that expands to 30,000 x 30,000 pixels.
std::vector<BYTE> HugeRleBitmap() {
    std::vector<BYTE> b = {'B', 'M'};
    Append(b, Le(14 + 40 + 1024 + 2, 4));
    Append(b, Le(0, 4));
    Append(b, Le(14 + 40 + 1024, 4));
    for (std::uint32_t v : {40u, 30000u, 30000u}) Append(b, Le(v, 4));
    Append(b, Le(1, 2));
    Append(b, Le(8, 2));
    Append(b, Le(1, 4));  // BI_RLE8
    for (int i = 0; i < 5; ++i) Append(b, Le(0, 4));
    b.resize(b.size() + 1024, 0);  // the palette
    Append(b, {0x00, 0x01});       // end of bitmap
    std::vector<BYTE> stored = {'l', 't', 0, 0};
    Append(stored, Le(static_cast<std::uint32_t>(b.size()), 4));
    Append(stored, b);
    return stored;
}

// A saved control whose picture is replaced by `hostile`, as a document
// from elsewhere could carry it.
std::vector<BYTE> WithStoredPicture(std::vector<BYTE> saved, const std::vector<BYTE>& own,
                                    const std::vector<BYTE>& hostile) {
    const auto at = std::search(saved.begin(), saved.end(), own.begin(), own.end());
    if (at == saved.end() || at - saved.begin() < 4) return {};
    const auto length = at - 4;
    const std::vector<BYTE> count = Le(static_cast<std::uint32_t>(hostile.size()), 4);
    std::copy(count.begin(), count.end(), length);
    const auto offset = at - saved.begin();
    saved.erase(saved.begin() + offset, saved.begin() + offset + static_cast<std::ptrdiff_t>(own.size()));
    saved.insert(saved.begin() + offset, hostile.begin(), hostile.end());
    return saved;
}

TEST_F(HostedDocument, PicturesBeyondTheBudgetAreKeptButNotDecoded) {
    constexpr DISPID kPicture = 100;
    // A 2 x 2 bitmap of 24 bits, as a file.
    std::vector<BYTE> file = {'B', 'M'};
    Append(file, Le(14 + 40 + 16, 4));
    Append(file, Le(0, 4));
    Append(file, Le(14 + 40, 4));
    for (std::uint32_t v : {40u, 2u, 2u}) Append(file, Le(v, 4));
    Append(file, Le(1, 2));
    Append(file, Le(24, 2));
    for (int i = 0; i < 6; ++i) Append(file, Le(0, 4));
    file.resize(file.size() + 16, 0x7F);
    ComPtr<IPictureDisp> small;
    ASSERT_HRESULT_SUCCEEDED(::OleLoadPicture(MakeStream(file).get(), static_cast<LONG>(file.size()), FALSE,
                                              IID_IPictureDisp, small.put_void()));
    VARIANT v{};
    v.vt = VT_DISPATCH;
    v.pdispVal = small.get();
    ASSERT_HRESULT_SUCCEEDED(CallControl(dispatch_.get(), kPicture, DISPATCH_PROPERTYPUT, {v}));
    ComPtr<IPersistStreamInit> persist;
    ASSERT_HRESULT_SUCCEEDED(object_.As(&persist));
    const std::vector<BYTE> saved = SaveStream(persist.get());
    const std::vector<BYTE> own = StoredPictureBytes(small.get());
    ASSERT_FALSE(own.empty());

    const struct {
        const char* name;
        std::vector<BYTE> stored;
        bool decoded;
    } rows[] = {
        {"the picture as saved", own, true},
        {"metafile claiming a huge frame", HugeFrameMetafile(), false},
        {"small run-length bitmap expanding to a huge one", HugeRleBitmap(), false},
    };
    for (const auto& row : rows) {
        const std::vector<BYTE> document = WithStoredPicture(saved, own, row.stored);
        ASSERT_FALSE(document.empty()) << row.name;
        ASSERT_HRESULT_SUCCEEDED(persist->Load(MakeStream(document).get())) << row.name;
        win::UniqueVariant picture;
        ASSERT_HRESULT_SUCCEEDED(CallControl(dispatch_.get(), kPicture, DISPATCH_PROPERTYGET, {}, picture.put()));
        EXPECT_EQ(picture->vt == VT_DISPATCH && picture->pdispVal != nullptr, row.decoded) << row.name;
        EXPECT_EQ(SaveStream(persist.get()), document) << row.name << ": saving loses nothing";
    }
}

}  // namespace
}  // namespace brixel::testing
