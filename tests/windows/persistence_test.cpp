// A container saves the control into its stream or property bag and loads
// it back into a new control: everything comes back, the menu included.
#include "activex/brixeldemo.h"
#include "control_library.h"
#include "dispatch_call.h"
#include "memory_bag.h"
#include "test_site.h"
#include "wave_file.h"

#include <algorithm>
#include <vector>
#include <string>

namespace brixel::testing {
namespace {

using win::ComPtr;

class Persistence : public ::testing::Test {
protected:
    ComPtr<IDispatch> NewControl() {
        ComPtr<IDispatch> control;
        EXPECT_HRESULT_SUCCEEDED(library_.Create(CLSID_BrixelDemo, IID_IDispatch, control.put_void()));
        ComPtr<IOleObject> object;
        EXPECT_HRESULT_SUCCEEDED(control.As(&object));
        object->SetClientSite(&site_);
        return control;
    }
    static HRESULT IsDirty(IDispatch* control) {
        ComPtr<IPersistStreamInit> persist;
        control->QueryInterface(IID_IPersistStreamInit, persist.put_void());
        return persist ? persist->IsDirty() : E_NOINTERFACE;
    }
    // What a container writes into its stream, rewound for reading back.
    static ComPtr<IStream> SaveToStream(IDispatch* control) {
        ComPtr<IPersistStreamInit> saver;
        ComPtr<IStream> stream;
        EXPECT_HRESULT_SUCCEEDED(control->QueryInterface(IID_IPersistStreamInit, saver.put_void()));
        EXPECT_HRESULT_SUCCEEDED(::CreateStreamOnHGlobal(nullptr, TRUE, stream.put()));
        if (saver && stream) {
            EXPECT_HRESULT_SUCCEEDED(saver->Save(stream.get(), TRUE));
        }
        if (stream) stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
        return stream;
    }
    // A new control loaded from the stream, as a container opens its document.
    ComPtr<IDispatch> LoadFromStream(IStream* stream, HRESULT* load_result = nullptr) {
        ComPtr<IDispatch> control = NewControl();
        ComPtr<IPersistStreamInit> loader;
        EXPECT_HRESULT_SUCCEEDED(control.As(&loader));
        const HRESULT hr = loader && stream ? loader->Load(stream) : E_FAIL;
        if (load_result != nullptr) {
            *load_result = hr;
        } else {
            EXPECT_HRESULT_SUCCEEDED(hr);
        }
        return control;
    }
    VARIANT Text(const wchar_t* text) {
        strings_.emplace_back(text);
        VARIANT x{};
        x.vt = VT_BSTR;
        x.bstrVal = strings_.back().get();
        return x;
    }

    // A control with properties of every kind changed and a two-level menu.
    void Configure(IDispatch* c) {
        ASSERT_HRESULT_SUCCEEDED(CallControl(c, L"Caption", DISPATCH_PROPERTYPUT, {Text(L"&Print")}));
        ASSERT_HRESULT_SUCCEEDED(CallControl(c, L"BackColor", DISPATCH_PROPERTYPUT, {I4(0x123456)}));
        ASSERT_HRESULT_SUCCEEDED(CallControl(c, L"Appearance", DISPATCH_PROPERTYPUT, {I2(0)}));
        ASSERT_HRESULT_SUCCEEDED(CallControl(c, L"CaptionMargins", DISPATCH_PROPERTYPUT, {Text(L"1;2;3;4")}));
        ASSERT_HRESULT_SUCCEEDED(CallControl(c, L"Menu", DISPATCH_PROPERTYPUT, {Bool(true)}));
        ASSERT_HRESULT_SUCCEEDED(CallControl(c, L"TranslucentLevel", DISPATCH_PROPERTYPUT, {I2(77)}));
        ASSERT_HRESULT_SUCCEEDED(CallControl(c, L"AddMenuItem", DISPATCH_METHOD, {I2(10), I2(-1)}));
        ASSERT_HRESULT_SUCCEEDED(CallControl(c, L"AddMenuItem", DISPATCH_METHOD, {I2(11), I2(10)}));
        ASSERT_HRESULT_SUCCEEDED(CallControl(c, L"MenuItemCaption", DISPATCH_PROPERTYPUT, {I2(11), Text(L"Preview")}));
        ASSERT_HRESULT_SUCCEEDED(CallControl(c, L"MenuItemShortcut", DISPATCH_PROPERTYPUT, {I2(11), I2(16)}));
    }

    void ExpectConfigured(IDispatch* c) {
        win::UniqueVariant v;
        ASSERT_HRESULT_SUCCEEDED(CallControl(c, L"Caption", DISPATCH_PROPERTYGET, {}, v.put()));
        EXPECT_STREQ(v->bstrVal, L"&Print");
        ASSERT_HRESULT_SUCCEEDED(CallControl(c, L"BackColor", DISPATCH_PROPERTYGET, {}, v.put()));
        EXPECT_EQ(v->lVal, 0x123456);
        ASSERT_HRESULT_SUCCEEDED(CallControl(c, L"Appearance", DISPATCH_PROPERTYGET, {}, v.put()));
        EXPECT_EQ(v->iVal, 0);
        ASSERT_HRESULT_SUCCEEDED(CallControl(c, L"CaptionMargins", DISPATCH_PROPERTYGET, {}, v.put()));
        EXPECT_STREQ(v->bstrVal, L"1;2;3;4");
        ASSERT_HRESULT_SUCCEEDED(CallControl(c, L"Menu", DISPATCH_PROPERTYGET, {}, v.put()));
        EXPECT_EQ(v->boolVal, VARIANT_TRUE);
        ASSERT_HRESULT_SUCCEEDED(CallControl(c, L"TranslucentLevel", DISPATCH_PROPERTYGET, {}, v.put()));
        EXPECT_EQ(v->iVal, 77);
        ASSERT_HRESULT_SUCCEEDED(CallControl(c, L"GetTotalMenuItemCount", DISPATCH_METHOD, {}, v.put()));
        EXPECT_EQ(v->iVal, 2);
        ASSERT_HRESULT_SUCCEEDED(CallControl(c, L"GetMenuItemParentID", DISPATCH_METHOD, {I2(11)}, v.put()));
        EXPECT_EQ(v->iVal, 10);
        ASSERT_HRESULT_SUCCEEDED(CallControl(c, L"MenuItemCaption", DISPATCH_PROPERTYGET, {I2(11)}, v.put()));
        EXPECT_STREQ(v->bstrVal, L"Preview");
        ASSERT_HRESULT_SUCCEEDED(CallControl(c, L"MenuItemShortcut", DISPATCH_PROPERTYGET, {I2(11)}, v.put()));
        EXPECT_EQ(v->iVal, 16);
    }

    ComApartment apartment_;
    ControlLibrary library_;
    TestSite site_;
    std::vector<win::UniqueBstr> strings_;
};

TEST_F(Persistence, StreamRoundTripKeepsPropertiesAndMenu) {
    ComPtr<IDispatch> first = NewControl();
    Configure(first.get());
    EXPECT_EQ(IsDirty(first.get()), S_OK);
    ComPtr<IStream> stream = SaveToStream(first.get());
    EXPECT_EQ(IsDirty(first.get()), S_FALSE);
    ComPtr<IDispatch> second = LoadFromStream(stream.get());
    ExpectConfigured(second.get());
}

TEST_F(Persistence, BagRoundTripKeepsPropertiesAndMenu) {
    ComPtr<IDispatch> first = NewControl();
    Configure(first.get());
    ComPtr<IPersistPropertyBag> saver;
    ASSERT_HRESULT_SUCCEEDED(first.As(&saver));
    MemoryPropertyBag bag;
    ASSERT_HRESULT_SUCCEEDED(saver->Save(&bag, TRUE, TRUE));
    EXPECT_TRUE(bag.values.count(L"_Version"));
    EXPECT_TRUE(bag.values.count(L"EnableDisbaledProperties")) << "the stored key keeps its historic spelling";

    ComPtr<IDispatch> second = NewControl();
    ComPtr<IPersistPropertyBag> loader;
    ASSERT_HRESULT_SUCCEEDED(second.As(&loader));
    ASSERT_HRESULT_SUCCEEDED(loader->Load(&bag, nullptr));
    ExpectConfigured(second.get());
}

TEST_F(Persistence, CompoundDocumentStorageRoundTrip) {
    ComPtr<IDispatch> first = NewControl();
    Configure(first.get());
    ComPtr<IPersistStorage> saver;
    ASSERT_HRESULT_SUCCEEDED(first.As(&saver));
    ComPtr<ILockBytes> bytes;
    ASSERT_HRESULT_SUCCEEDED(::CreateILockBytesOnHGlobal(nullptr, TRUE, bytes.put()));
    ComPtr<IStorage> storage;
    ASSERT_HRESULT_SUCCEEDED(::StgCreateDocfileOnILockBytes(
        bytes.get(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, storage.put()));
    ASSERT_HRESULT_SUCCEEDED(saver->Save(storage.get(), TRUE));
    ASSERT_HRESULT_SUCCEEDED(saver->SaveCompleted(nullptr));
    EXPECT_EQ(saver->IsDirty(), S_FALSE);
    CLSID stored{};
    ASSERT_HRESULT_SUCCEEDED(::ReadClassStg(storage.get(), &stored));
    EXPECT_TRUE(IsEqualCLSID(stored, CLSID_BrixelDemo)) << "the storage names its object's class";

    ComPtr<IDispatch> second = NewControl();
    ComPtr<IPersistStorage> loader;
    ASSERT_HRESULT_SUCCEEDED(second.As(&loader));
    ASSERT_HRESULT_SUCCEEDED(loader->Load(storage.get()));
    ExpectConfigured(second.get());

    ComPtr<IStorage> empty;
    ASSERT_HRESULT_SUCCEEDED(storage->CreateStorage(L"Empty", STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE,
                                                    0, 0, empty.put()));
    EXPECT_HRESULT_FAILED(loader->Load(empty.get())) << "a storage without our stream is refused, not half-read";
}

TEST_F(Persistence, FontChangedThroughItsObjectIsKeptAndSaved) {
    ComPtr<IDispatch> first = NewControl();
    win::UniqueVariant font;
    ASSERT_HRESULT_SUCCEEDED(CallControl(first.get(), L"Font", DISPATCH_PROPERTYGET, {}, font.put()));
    ASSERT_EQ(font->vt, VT_DISPATCH);
    // As a script does: Button.Font.Bold = True, then Button.Font.Size = 12.
    ASSERT_HRESULT_SUCCEEDED(CallControl(font->pdispVal, L"Bold", DISPATCH_PROPERTYPUT, {Bool(true)}));
    win::UniqueVariant again;
    ASSERT_HRESULT_SUCCEEDED(CallControl(first.get(), L"Font", DISPATCH_PROPERTYGET, {}, again.put()));
    ASSERT_HRESULT_SUCCEEDED(CallControl(again->pdispVal, L"Size", DISPATCH_PROPERTYPUT, {I4(12)}));
    EXPECT_EQ(again->pdispVal, font->pdispVal) << "every read hands out the same font object";

    EXPECT_EQ(IsDirty(first.get()), S_OK) << "changing the font object modifies the control";
    ComPtr<IDispatch> second = LoadFromStream(SaveToStream(first.get()).get());

    win::UniqueVariant loaded, bold, size;
    ASSERT_HRESULT_SUCCEEDED(CallControl(second.get(), L"Font", DISPATCH_PROPERTYGET, {}, loaded.put()));
    ASSERT_HRESULT_SUCCEEDED(CallControl(loaded->pdispVal, L"Bold", DISPATCH_PROPERTYGET, {}, bold.put()));
    ASSERT_HRESULT_SUCCEEDED(CallControl(loaded->pdispVal, L"Size", DISPATCH_PROPERTYGET, {}, size.put()));
    EXPECT_EQ(bold->boolVal, VARIANT_TRUE);
    ASSERT_HRESULT_SUCCEEDED(::VariantChangeType(size.get(), size.get(), 0, VT_R8));
    // Wine's font object reports the size it realised (12 points come back
    // as 11.25); what matters is that the change from 8 points was kept.
    EXPECT_NEAR(size->dblVal, 12.0, 1.0);
}

TEST_F(Persistence, TruncatedStreamLoadsWithoutHarm) {
    ComPtr<IDispatch> first = NewControl();
    Configure(first.get());
    ComPtr<IStream> stream = SaveToStream(first.get());
    STATSTG stat{};
    ASSERT_HRESULT_SUCCEEDED(stream->Stat(&stat, STATFLAG_NONAME));
    ULARGE_INTEGER half{};
    half.QuadPart = stat.cbSize.QuadPart / 2;
    ASSERT_HRESULT_SUCCEEDED(stream->SetSize(half));
    HRESULT loaded = E_FAIL;
    ComPtr<IDispatch> second = LoadFromStream(stream.get(), &loaded);
    EXPECT_HRESULT_SUCCEEDED(loaded);
    win::UniqueVariant v;
    ASSERT_HRESULT_SUCCEEDED(CallControl(second.get(), L"Caption", DISPATCH_PROPERTYGET, {}, v.put()));
    EXPECT_STREQ(v->bstrVal, L"&Print") << "what came before the cut is kept";
}

TEST_F(Persistence, InitNewGivesTheDefaults) {
    ComPtr<IDispatch> control = NewControl();
    Configure(control.get());
    ComPtr<IPersistStreamInit> persist;
    ASSERT_HRESULT_SUCCEEDED(control.As(&persist));
    ASSERT_HRESULT_SUCCEEDED(persist->InitNew());
    win::UniqueVariant v;
    ASSERT_HRESULT_SUCCEEDED(CallControl(control.get(), L"GetTotalMenuItemCount", DISPATCH_METHOD, {}, v.put()));
    EXPECT_EQ(v->iVal, 0);
    ASSERT_HRESULT_SUCCEEDED(CallControl(control.get(), L"CaptionMargins", DISPATCH_PROPERTYGET, {}, v.put()));
    EXPECT_STREQ(v->bstrVal, L"6;6;6;6");
}

// The bytes a control saves into a stream: equal bytes, equal controls.
std::vector<std::uint8_t> StreamBytes(IUnknown* control) {
    ComPtr<IPersistStreamInit> saver;
    ComPtr<IStream> stream;
    std::vector<std::uint8_t> bytes;
    if (FAILED(control->QueryInterface(IID_IPersistStreamInit, saver.put_void())) ||
        FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, stream.put())) || FAILED(saver->Save(stream.get(), FALSE))) {
        return bytes;
    }
    STATSTG stat{};
    stream->Stat(&stat, STATFLAG_NONAME);
    bytes.resize(static_cast<std::size_t>(stat.cbSize.QuadPart));
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    ULONG read = 0;
    stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
    return bytes;
}

// Some containers load a document into the control before they site it, or
// site it again later: neither site may replace what was loaded.
TEST_F(Persistence, SitingALoadedControlKeepsEverythingItLoaded) {
    ComPtr<IDispatch> first = NewControl();
    Configure(first.get());
    ASSERT_HRESULT_SUCCEEDED(CallControl(first.get(), L"MouseInBackColor", DISPATCH_PROPERTYPUT, {I4(0x0000FF)}));
    ASSERT_HRESULT_SUCCEEDED(CallControl(first.get(), L"FontColor", DISPATCH_PROPERTYPUT, {I4(0x00FF00)}));
    PICTDESC desc{};
    desc.cbSizeofstruct = sizeof desc;
    desc.picType = PICTYPE_BITMAP;
    desc.bmp.hbitmap = ::CreateBitmap(8, 6, 1, 32, nullptr);  // the picture object owns it
    ComPtr<IPictureDisp> picture;
    ASSERT_HRESULT_SUCCEEDED(::OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, picture.put_void()));
    VARIANT picture_value{};
    picture_value.vt = VT_DISPATCH;
    picture_value.pdispVal = picture.get();
    ASSERT_HRESULT_SUCCEEDED(CallControl(first.get(), L"Picture", DISPATCH_PROPERTYPUT, {picture_value}));
    ASSERT_HRESULT_SUCCEEDED(CallControl(first.get(), L"ClickSound", DISPATCH_PROPERTYPUT, {I2(99)}));
    ComPtr<IPersistPropertyBag> saver;
    ASSERT_HRESULT_SUCCEEDED(first.As(&saver));
    MemoryPropertyBag bag;
    ASSERT_HRESULT_SUCCEEDED(saver->Save(&bag, TRUE, TRUE));
    const std::vector<std::uint8_t> wave = MinimalWave();
    SAFEARRAY* sound = ::SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(wave.size()));
    ASSERT_NE(sound, nullptr);
    std::copy(wave.begin(), wave.end(), static_cast<std::uint8_t*>(sound->pvData));
    bag.values[L"_ClickSoundMemory"].put()->vt = VT_ARRAY | VT_UI1;
    bag.values[L"_ClickSoundMemory"].get()->parray = sound;

    ComPtr<IOleObject> second;
    ASSERT_HRESULT_SUCCEEDED(library_.Create(CLSID_BrixelDemo, IID_IOleObject, second.put_void()));
    ComPtr<IPersistPropertyBag> loader;
    ASSERT_HRESULT_SUCCEEDED(second.As(&loader));
    ASSERT_HRESULT_SUCCEEDED(loader->Load(&bag, nullptr));
    const std::vector<std::uint8_t> loaded = StreamBytes(second.get());
    ASSERT_GT(loaded.size(), wave.size()) << "the stored sound is part of what was loaded";

    TestSite other;
    other.display_name = L"Command2";
    ASSERT_HRESULT_SUCCEEDED(second->SetClientSite(&site_));
    EXPECT_EQ(StreamBytes(second.get()), loaded) << "after the first site";
    ASSERT_HRESULT_SUCCEEDED(second->SetClientSite(nullptr));
    ASSERT_HRESULT_SUCCEEDED(second->SetClientSite(&other));
    EXPECT_EQ(StreamBytes(second.get()), loaded) << "after a second site";
    ComPtr<IDispatch> control;
    ASSERT_HRESULT_SUCCEEDED(second.As(&control));
    ExpectConfigured(control.get());
    second->SetClientSite(nullptr);
}

// A container that calls InitNew before it sites the control still gives it
// its name as the caption; a change made in between is kept.
TEST_F(Persistence, InitNewBeforeTheSiteStillTakesTheContainersName) {
    for (const bool changed_before_site : {false, true}) {
        SCOPED_TRACE(changed_before_site ? "changed before the site" : "unchanged");
        ComPtr<IOleObject> object;
        ASSERT_HRESULT_SUCCEEDED(library_.Create(CLSID_BrixelDemo, IID_IOleObject, object.put_void()));
        ComPtr<IPersistStreamInit> persist;
        ASSERT_HRESULT_SUCCEEDED(object.As(&persist));
        ASSERT_HRESULT_SUCCEEDED(persist->InitNew());
        ComPtr<IDispatch> control;
        ASSERT_HRESULT_SUCCEEDED(object.As(&control));
        if (changed_before_site) {
            ASSERT_HRESULT_SUCCEEDED(CallControl(control.get(), L"Caption", DISPATCH_PROPERTYPUT, {Text(L"Mine")}));
        }
        ASSERT_HRESULT_SUCCEEDED(object->SetClientSite(&site_));
        win::UniqueVariant caption;
        ASSERT_HRESULT_SUCCEEDED(CallControl(control.get(), L"Caption", DISPATCH_PROPERTYGET, {}, caption.put()));
        EXPECT_STREQ(caption->bstrVal, changed_before_site ? L"Mine" : L"Command1");
        object->SetClientSite(nullptr);
    }
}

}  // namespace
}  // namespace brixel::testing
