#include "activex/brixeldemo.h"
#include "control_library.h"
#include "dispatch_stub.h"
#include "core/enums.h"

#include <olectl.h>

#include <cstring>
#include <string>
#include <vector>

namespace brixel::testing {
namespace {

using win::ComPtr;

class Automation : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(library_.loaded()) << "BRIXELDEMO.ocx must sit beside the tests";
        ASSERT_HRESULT_SUCCEEDED(library_.Create(CLSID_BrixelDemo, IID_IDispatch, control_.put_void()));
    }

    DISPID IdOf(const wchar_t* name) {
        DISPID id = DISPID_UNKNOWN;
        LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
        EXPECT_HRESULT_SUCCEEDED(control_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id)) << name;
        return id;
    }

    HRESULT Put(DISPID id, VARIANT value) {
        DISPID named = DISPID_PROPERTYPUT;
        DISPPARAMS params{&value, &named, 1, 1};
        return control_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr,
                                nullptr, nullptr);
    }

    HRESULT Get(DISPID id, win::UniqueVariant* out) {
        DISPPARAMS none{};
        return control_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, out->put(),
                                nullptr, nullptr);
    }

    HRESULT Call(DISPID id) {
        DISPPARAMS none{};
        return control_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, nullptr, nullptr,
                                nullptr);
    }

    ComPtr<IConnectionPoint> EventPoint() {
        ComPtr<IProvideClassInfo2> info;
        EXPECT_HRESULT_SUCCEEDED(control_.As(&info));
        GUID events{};
        EXPECT_HRESULT_SUCCEEDED(info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events));
        ComPtr<IConnectionPointContainer> container;
        EXPECT_HRESULT_SUCCEEDED(control_.As(&container));
        ComPtr<IConnectionPoint> point;
        EXPECT_HRESULT_SUCCEEDED(container->FindConnectionPoint(events, point.put()));
        return point;
    }

    ComApartment apartment_;
    ControlLibrary library_;
    ComPtr<IDispatch> control_;
};

TEST_F(Automation, NamesResolveToTheirDispids) {
    EXPECT_EQ(IdOf(L"Caption"), DISPID_CAPTION);
    EXPECT_EQ(IdOf(L"backcolor"), DISPID_BACKCOLOR);  // names are case-insensitive
    EXPECT_EQ(IdOf(L"PerformClick"), 116);
    DISPID id = 0;
    LPOLESTR names[] = {const_cast<LPOLESTR>(L"NoSuchThing")};
    EXPECT_EQ(control_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), DISP_E_UNKNOWNNAME);
}

TEST_F(Automation, CaptionAndBackColorRoundTrip) {
    win::UniqueBstr text(L"&Save");
    VARIANT caption{};
    caption.vt = VT_BSTR;
    caption.bstrVal = text.get();
    ASSERT_HRESULT_SUCCEEDED(Put(DISPID_CAPTION, caption));
    win::UniqueVariant read;
    ASSERT_HRESULT_SUCCEEDED(Get(DISPID_CAPTION, &read));
    ASSERT_EQ(read->vt, VT_BSTR);
    EXPECT_EQ(std::wstring(read->bstrVal), L"&Save");

    VARIANT colour{};
    colour.vt = VT_I4;
    colour.lVal = static_cast<LONG>(0x8000000F);
    ASSERT_HRESULT_SUCCEEDED(Put(DISPID_BACKCOLOR, colour));
    ASSERT_HRESULT_SUCCEEDED(Get(DISPID_BACKCOLOR, &read));
    ASSERT_EQ(read->vt, VT_I4);
    EXPECT_EQ(static_cast<ULONG>(read->lVal), 0x8000000Fu);
}

TEST_F(Automation, NewControlStartsOnTheButtonFaceColour) {
    win::UniqueVariant read;
    ASSERT_HRESULT_SUCCEEDED(Get(DISPID_BACKCOLOR, &read));
    EXPECT_EQ(static_cast<DWORD>(read->lVal), ::GetSysColor(COLOR_BTNFACE));
}

TEST_F(Automation, BadCallsAreRefusedWithAutomationErrors) {
    VARIANT not_a_number{};
    win::UniqueBstr text(L"blue");
    not_a_number.vt = VT_BSTR;
    not_a_number.bstrVal = text.get();
    EXPECT_EQ(Put(DISPID_BACKCOLOR, not_a_number), DISP_E_TYPEMISMATCH);
    win::UniqueVariant read;
    EXPECT_EQ(Get(12345, &read), DISP_E_MEMBERNOTFOUND);
    VARIANT v{};
    v.vt = VT_I4;
    EXPECT_EQ(Put(116, v), DISP_E_MEMBERNOTFOUND) << "a method cannot be assigned";
}

TEST_F(Automation, ClickReachesASinkFoundThroughClassInfo) {
    ComPtr<IConnectionPoint> point = EventPoint();
    ASSERT_TRUE(point);
    RecordingSink sink;
    DWORD cookie = 0;
    ASSERT_HRESULT_SUCCEEDED(point->Advise(&sink, &cookie));
    EXPECT_NE(cookie, 0u);

    ASSERT_HRESULT_SUCCEEDED(Call(116));
    ASSERT_EQ(sink.events.size(), 1u);
    EXPECT_EQ(sink.events[0], DISPID_CLICK);
    EXPECT_EQ(sink.last_flags, DISPATCH_METHOD);
    EXPECT_EQ(sink.last_arg_count, 0u);

    ASSERT_HRESULT_SUCCEEDED(point->Unadvise(cookie));
    ASSERT_HRESULT_SUCCEEDED(Call(116));
    EXPECT_EQ(sink.events.size(), 1u) << "a disconnected sink must hear nothing";
    EXPECT_EQ(point->Unadvise(cookie), CONNECT_E_NOCONNECTION);
    point.reset();
    control_.reset();
    EXPECT_EQ(sink.refs, 1u) << "the control must release its sinks";
}

// A script clicks a control that has no window (a container that never
// activated it): the click comes only when a user could have clicked.
struct WindowlessClickRow {
    const char* name;
    bool active;
    bool enabled;
    bool drop_down_only;
    std::size_t clicks_by_code;  // PerformClick, PerformClickActions and Value = True, each
    std::size_t clicks_by_mnemonic;
};

TEST_F(Automation, WindowlessClicksFollowActiveAndEnabled) {
    const WindowlessClickRow rows[] = {
        {"active and enabled", true, true, false, 1, 1},
        {"disabled: only the mnemonic", true, false, false, 0, 1},
        {"inactive", false, true, false, 0, 0},
        {"drop-down-only menu button", true, true, true, 0, 0},
    };
    ComPtr<IConnectionPoint> point = EventPoint();
    ASSERT_TRUE(point);
    ComPtr<IOleControl> ole_control;
    ASSERT_HRESULT_SUCCEEDED(control_.As(&ole_control));
    win::UniqueBstr caption(L"&Save");
    VARIANT text{};
    text.vt = VT_BSTR;
    text.bstrVal = caption.get();
    ASSERT_HRESULT_SUCCEEDED(Put(DISPID_CAPTION, text));
    for (const WindowlessClickRow& row : rows) {
        SCOPED_TRACE(row.name);
        VARIANT flag{};
        flag.vt = VT_BOOL;
        flag.boolVal = row.active ? VARIANT_TRUE : VARIANT_FALSE;
        ASSERT_HRESULT_SUCCEEDED(Put(IdOf(L"Active"), flag));
        flag.boolVal = row.enabled ? VARIANT_TRUE : VARIANT_FALSE;
        ASSERT_HRESULT_SUCCEEDED(Put(DISPID_ENABLED, flag));
        flag.boolVal = row.drop_down_only ? VARIANT_TRUE : VARIANT_FALSE;
        ASSERT_HRESULT_SUCCEEDED(Put(IdOf(L"Menu"), flag));
        VARIANT style{};
        style.vt = VT_I2;
        style.iVal = kvnMenuButtonStyleDropDown;
        ASSERT_HRESULT_SUCCEEDED(Put(IdOf(L"MenuButtonStyle"), style));

        RecordingSink sink;
        DWORD cookie = 0;
        ASSERT_HRESULT_SUCCEEDED(point->Advise(&sink, &cookie));
        ASSERT_HRESULT_SUCCEEDED(Call(IdOf(L"PerformClick")));
        ASSERT_HRESULT_SUCCEEDED(Call(IdOf(L"PerformClickActions")));
        VARIANT on{};
        on.vt = VT_BOOL;
        on.boolVal = VARIANT_TRUE;
        ASSERT_HRESULT_SUCCEEDED(Put(IdOf(L"Value"), on));
        EXPECT_EQ(sink.events.size(), 3 * row.clicks_by_code) << "by code";
        sink.events.clear();
        MSG mnemonic{nullptr, WM_SYSKEYDOWN, 'S', 0, 0, {}};
        ASSERT_HRESULT_SUCCEEDED(ole_control->OnMnemonic(&mnemonic));
        EXPECT_EQ(sink.events.size(), row.clicks_by_mnemonic) << "by the mnemonic";
        ASSERT_HRESULT_SUCCEEDED(point->Unadvise(cookie));
    }
}

TEST_F(Automation, UnknownOutgoingInterfacesHaveNoConnectionPoint) {
    ComPtr<IConnectionPointContainer> container;
    ASSERT_HRESULT_SUCCEEDED(control_.As(&container));
    ComPtr<IConnectionPoint> point;
    EXPECT_EQ(container->FindConnectionPoint(IID_IOleObject, point.put()), CONNECT_E_NOCONNECTION);
}

TEST_F(Automation, ClassInfoDescribesTheControlClass) {
    ComPtr<IProvideClassInfo> info;
    ASSERT_HRESULT_SUCCEEDED(control_.As(&info));
    ComPtr<ITypeInfo> type;
    ASSERT_HRESULT_SUCCEEDED(info->GetClassInfo(type.put()));
    TYPEATTR* attr = nullptr;
    ASSERT_HRESULT_SUCCEEDED(type->GetTypeAttr(&attr));
    EXPECT_EQ(attr->typekind, TKIND_COCLASS);
    EXPECT_TRUE(IsEqualGUID(attr->guid, CLSID_BrixelDemo));
    type->ReleaseTypeAttr(attr);
}

TEST_F(Automation, LibraryUnloadsOnlyWhenNothingIsAlive) {
    using CanUnload = HRESULT(WINAPI*)();
    auto can_unload = library_.Export<CanUnload>("DllCanUnloadNow");
    ASSERT_NE(can_unload, nullptr);
    EXPECT_EQ(can_unload(), S_FALSE);
    control_.reset();
    EXPECT_EQ(can_unload(), S_OK);
}

TEST(Resources, ToolboxBitmapAndTypeName) {
    ControlLibrary library;
    ASSERT_TRUE(library.loaded());
    win::UniqueBitmap bitmap(static_cast<HBITMAP>(::LoadImageW(library.get(), MAKEINTRESOURCEW(1), IMAGE_BITMAP, 0, 0, 0)));
    ASSERT_TRUE(bitmap);
    BITMAP info{};
    ASSERT_NE(::GetObjectW(bitmap.get(), sizeof(info), &info), 0);
    EXPECT_EQ(info.bmWidth, 23);
    EXPECT_EQ(info.bmHeight, 22);
    wchar_t name[64] = {};
    ASSERT_GT(::LoadStringW(library.get(), 1, name, 64), 0);
    EXPECT_STREQ(name, L"BrixelDemo Control");
}

struct WaveFormat {
    const wchar_t* name;
    int id;
    DWORD rate;
    double min_seconds, max_seconds;
};

TEST(Resources, BuiltInClickSoundsAreShortMonoPcm) {
    ControlLibrary library;
    ASSERT_TRUE(library.loaded());
    const WaveFormat sounds[] = {{L"click 1", 101, 44100, 0.10, 0.14}, {L"click 2", 102, 22050, 0.05, 0.09}};
    for (const WaveFormat& w : sounds) {
        HRSRC found = ::FindResourceW(library.get(), MAKEINTRESOURCEW(w.id), L"WAVE");
        ASSERT_NE(found, nullptr) << w.name;
        const auto* bytes = static_cast<const BYTE*>(::LockResource(::LoadResource(library.get(), found)));
        const DWORD size = ::SizeofResource(library.get(), found);
        ASSERT_GE(size, 44u);
        ASSERT_EQ(std::string(reinterpret_cast<const char*>(bytes), 4), "RIFF");
        WORD format = 0, channels = 0, bits = 0;
        DWORD rate = 0, data = 0;
        std::memcpy(&format, bytes + 20, 2);
        std::memcpy(&channels, bytes + 22, 2);
        std::memcpy(&rate, bytes + 24, 4);
        std::memcpy(&bits, bytes + 34, 2);
        std::memcpy(&data, bytes + 40, 4);
        EXPECT_EQ(format, 1) << w.name << " is PCM";
        EXPECT_EQ(channels, 1) << w.name;
        EXPECT_EQ(bits, 16) << w.name;
        EXPECT_EQ(rate, w.rate) << w.name;
        const double seconds = data / 2.0 / rate;
        EXPECT_GE(seconds, w.min_seconds) << w.name;
        EXPECT_LE(seconds, w.max_seconds) << w.name;
    }
}

// The type library's enumerations must say exactly what the core's tables say:
// containers show one, documents store the other.
TEST(TypeLibrary, EnumerationsMatchTheCoreTables) {
    ControlLibrary library;
    ASSERT_TRUE(library.loaded());
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(library.get(), path, MAX_PATH);
    ComPtr<ITypeLib> typelib;
    ASSERT_HRESULT_SUCCEEDED(::LoadTypeLibEx(path, REGKIND_NONE, typelib.put()));

    TLIBATTR* lib = nullptr;
    ASSERT_HRESULT_SUCCEEDED(typelib->GetLibAttr(&lib));
    EXPECT_EQ(lib->wMajorVerNum, 3);
    EXPECT_EQ(lib->wMinorVerNum, 2);
    EXPECT_TRUE(IsEqualGUID(lib->guid, LIBID_BRIXELDEMOLib));
    typelib->ReleaseTLibAttr(lib);

    for (const EnumType& type : AllEnumTypes()) {
        const std::wstring name(type.name.begin(), type.name.end());
        ComPtr<ITypeInfo> info;
        MEMBERID unused[1];
        ITypeInfo* found[1] = {};
        USHORT count = 1;
        std::wstring buffer = name;
        ASSERT_HRESULT_SUCCEEDED(typelib->FindName(buffer.data(), 0, found, unused, &count)) << type.name;
        ASSERT_EQ(count, 1) << type.name << " missing from the type library";
        info = ComPtr<ITypeInfo>::Attach(found[0]);
        TYPEATTR* attr = nullptr;
        ASSERT_HRESULT_SUCCEEDED(info->GetTypeAttr(&attr));
        const UINT vars = attr->cVars;
        const TYPEKIND kind = attr->typekind;
        info->ReleaseTypeAttr(attr);
        ASSERT_EQ(kind, TKIND_ENUM) << type.name;
        ASSERT_EQ(vars, type.constants.size()) << type.name;
        for (UINT i = 0; i < vars; ++i) {
            VARDESC* var = nullptr;
            ASSERT_HRESULT_SUCCEEDED(info->GetVarDesc(i, &var));
            win::UniqueBstr member;
            UINT got = 0;
            info->GetNames(var->memid, member.put(), 1, &got);
            const EnumConstant& expected = type.constants[i];
            EXPECT_EQ(member.view(), std::wstring(expected.name.begin(), expected.name.end())) << type.name;
            ASSERT_EQ(var->lpvarValue->vt, VT_I4) << expected.name << " must be a 4-byte constant";
            EXPECT_EQ(var->lpvarValue->lVal, expected.value) << expected.name;
            info->ReleaseVarDesc(var);
        }
    }
}

}  // namespace
}  // namespace brixel::testing
