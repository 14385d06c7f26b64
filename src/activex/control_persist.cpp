// Saving and loading through the container's stream or property bag, over
// the one exchange routine of the portable layer.
#include "activex/brixeldemo.h"
#include "activex/com_boundary.h"
#include "activex/control_persist.h"
#include "activex/ole_values.h"
#include "core/persist_bag.h"
#include "core/persist_control.h"
#include "core/persist_stream.h"
#include "core/picture_budget.h"
#include "menu/menu_persist.h"

#include <cstring>

namespace brixel::activex {
namespace {

class StreamSource final : public ByteSource {
public:
    explicit StreamSource(IStream* stream) : stream_(stream) {}
    std::size_t Read(std::span<std::uint8_t> into) override {
        ULONG got = 0;
        const ULONG wanted = static_cast<ULONG>(std::min<std::size_t>(into.size(), 1u << 30));
        if (FAILED(stream_->Read(into.data(), wanted, &got))) return 0;
        return got;
    }

private:
    IStream* stream_;
};

class StreamSink final : public ByteSink {
public:
    explicit StreamSink(IStream* stream) : stream_(stream) {}
    bool Write(std::span<const std::uint8_t> bytes) override {
        ULONG written = 0;
        return SUCCEEDED(stream_->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written)) &&
               written == bytes.size();
    }

private:
    IStream* stream_;
};

// Pictures keep their own persistent form: the standard picture stream. One
// codec serves one load, and the budget counts the pictures it decodes.
class OlePictureCodec final : public PictureCodec {
public:
    std::optional<ByteBlock> PictureBytes(const PictureObject& object) override {
        if (const auto* kept = dynamic_cast<const UndecodedPicture*>(&object)) return kept->Bytes();
        const auto* picture = dynamic_cast<const OlePicture*>(&object);
        win::ComPtr<IPersistStream> persist;
        if (picture == nullptr || picture->get() == nullptr ||
            FAILED(picture->get()->QueryInterface(IID_IPersistStream, persist.put_void()))) {
            return std::nullopt;
        }
        win::ComPtr<IStream> memory;
        if (FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, memory.put())) || FAILED(persist->Save(memory.get(), TRUE))) {
            return std::nullopt;
        }
        HGLOBAL global = nullptr;
        STATSTG stat{};
        if (FAILED(::GetHGlobalFromStream(memory.get(), &global)) || FAILED(memory->Stat(&stat, STATFLAG_NONAME))) {
            return std::nullopt;
        }
        const win::GlobalLockScope locked(global);
        const auto* data = static_cast<const std::uint8_t*>(locked.data());
        if (data == nullptr) return std::nullopt;
        return ByteBlock(data, data + stat.cbSize.QuadPart);
    }

    SharedPicture PictureFromBytes(std::span<const std::uint8_t> bytes) override {
        if (!budget_.MayDecode(bytes)) {
            return std::make_shared<UndecodedPicture>(ByteBlock(bytes.begin(), bytes.end()));
        }
        win::ComPtr<IStream> memory;
        if (FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, memory.put()))) return nullptr;
        ULONG written = 0;
        if (FAILED(memory->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written))) return nullptr;
        const LARGE_INTEGER start{};
        memory->Seek(start, STREAM_SEEK_SET, nullptr);
        win::ComPtr<IPictureDisp> picture;
        if (FAILED(::OleLoadPicture(memory.get(), static_cast<LONG>(bytes.size()), FALSE, IID_IPictureDisp,
                                    picture.put_void()))) {
            return nullptr;
        }
        try {
            return std::make_shared<OlePicture>(std::move(picture));
        } catch (...) {
            return nullptr;
        }
    }

private:
    PictureBudget budget_;
};

VARTYPE VariantTypeOf(BagType type) {
    switch (type) {
        case BagType::Bool: return VT_BOOL;
        case BagType::Short: return VT_I2;
        case BagType::Long: return VT_I4;
        case BagType::String: return VT_BSTR;
        case BagType::Font:
        case BagType::Picture: return VT_DISPATCH;
        case BagType::Bytes: return VT_ARRAY | VT_UI1;
    }
    return VT_EMPTY;
}

std::optional<BagValue> FromBagVariant(const VARIANT& v, BagType wanted) {
    switch (wanted) {
        case BagType::Bool:
        case BagType::Short:
        case BagType::Long:
        case BagType::String: {
            const VarType type = wanted == BagType::Bool    ? VarType::Bool
                                 : wanted == BagType::Short ? VarType::I2
                                 : wanted == BagType::Long  ? VarType::I4
                                                            : VarType::Bstr;
            const auto value = FromVariant(v, type);
            if (!value) return std::nullopt;
            return std::visit(
                [](const auto& x) -> std::optional<BagValue> {
                    using T = std::decay_t<decltype(x)>;
                    if constexpr (std::is_constructible_v<BagValue, T>) return BagValue(x);
                    return std::nullopt;
                },
                *value);
        }
        case BagType::Font: {
            const auto value = FromVariant(v, VarType::Font);
            if (!value) return std::nullopt;
            return BagValue(std::get<FontDesc>(*value));
        }
        case BagType::Picture: {
            const auto value = FromVariant(v, VarType::Picture);
            if (!value) return std::nullopt;
            return BagValue(std::get<SharedPicture>(*value));
        }
        case BagType::Bytes: {
            if (v.vt != (VT_ARRAY | VT_UI1) || v.parray == nullptr) return std::nullopt;
            void* data = nullptr;
            if (FAILED(::SafeArrayAccessData(v.parray, &data))) return std::nullopt;
            const ULONG count = v.parray->rgsabound[0].cElements;
            ByteBlock bytes(static_cast<const std::uint8_t*>(data), static_cast<const std::uint8_t*>(data) + count);
            ::SafeArrayUnaccessData(v.parray);
            return BagValue(std::move(bytes));
        }
    }
    return std::nullopt;
}

HRESULT ToBagVariant(const BagValue& value, VARIANT* out) {
    ::VariantInit(out);
    if (const auto* bytes = std::get_if<ByteBlock>(&value)) {
        SAFEARRAY* array = ::SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes->size()));
        if (array == nullptr) return E_OUTOFMEMORY;
        void* data = nullptr;
        ::SafeArrayAccessData(array, &data);
        if (!bytes->empty()) std::memcpy(data, bytes->data(), bytes->size());
        ::SafeArrayUnaccessData(array);
        out->vt = VT_ARRAY | VT_UI1;
        out->parray = array;
        return S_OK;
    }
    return std::visit(
        [out](const auto& x) -> HRESULT {
            using T = std::decay_t<decltype(x)>;
            if constexpr (std::is_same_v<T, ByteBlock>) {
                return E_UNEXPECTED;
            } else {
                return ToVariant(PropertyValue(x), out);
            }
        },
        value);
}

// The container's property bag, read and written by name.
class ComPropertyBag final : public PropertyBag {
public:
    explicit ComPropertyBag(IPropertyBag* bag) : bag_(bag) {}
    std::optional<BagValue> Read(std::string_view key, BagType wanted) const override {
        const std::wstring name(key.begin(), key.end());
        win::UniqueVariant value;
        value->vt = VariantTypeOf(wanted);  // the type we hope for
        if (FAILED(bag_->Read(name.c_str(), value.get(), nullptr))) return std::nullopt;
        return FromBagVariant(*value.get(), wanted);
    }
    void Write(std::string_view key, BagValue value) override {
        const std::wstring name(key.begin(), key.end());
        win::UniqueVariant v;
        if (SUCCEEDED(ToBagVariant(value, v.put()))) bag_->Write(name.c_str(), v.get());
    }

private:
    IPropertyBag* bag_;
};

}  // namespace

void ControlPersistence::Exchange(PropertyExchange& px) {
    ControlPersistState& state = instance_.PersistState();
    state = ControlPersistState{};
    state.extent_x = host_.Extent().cx;
    state.extent_y = host_.Extent().cy;
    instance_.Exchange(px, inplace_.Frame());
    if (px.Mode() != ExchangeMode::Save) {
        host_.SetExtent(SIZEL{state.extent_x, state.extent_y});
        if (ControlWindow* window = inplace_.Window()) window->Redraw(false);
    }
}

HRESULT ControlPersistence::GetClassID(CLSID* out) noexcept {
    if (out == nullptr) return E_POINTER;
    *out = CLSID_BrixelDemo;
    return S_OK;
}

HRESULT ControlPersistence::IsDirty() noexcept { return modified_ ? S_OK : S_FALSE; }

HRESULT ControlPersistence::InitNew() noexcept {
    if (const HRESULT hr = ComBoundary([&]() -> HRESULT {
            ResetExchange reset;
            Exchange(reset);
            return S_OK;
        });
        FAILED(hr)) {
        return hr;
    }
    modified_ = false;
    initialised_ = host_.Site() != nullptr;  // without a site the name is not known yet
    return S_OK;
}

HRESULT ControlPersistence::Load(IStream* stream) noexcept {
    if (stream == nullptr) return E_POINTER;
    initialised_ = true;  // even a load cut short keeps what it read
    if (const HRESULT hr = ComBoundary([&]() -> HRESULT {
            StreamSource source(stream);
            OlePictureCodec pictures;
            StreamLoadExchange load(source, pictures);
            Exchange(load);
            return S_OK;
        });
        FAILED(hr)) {
        return hr;
    }
    modified_ = false;
    return S_OK;
}

HRESULT ControlPersistence::Save(IStream* stream, BOOL clear_dirty) noexcept {
    if (stream == nullptr) return E_POINTER;
    if (const HRESULT hr = ComBoundary([&]() -> HRESULT {
            StreamSink sink(stream);
            OlePictureCodec pictures;
            StreamSaveExchange save(sink, pictures);
            Exchange(save);
            if (save.Failed()) return STG_E_CANTSAVE;
            return S_OK;
        });
        FAILED(hr)) {
        return hr;
    }
    if (clear_dirty) modified_ = false;
    return S_OK;
}

HRESULT ControlPersistence::GetSizeMax(ULARGE_INTEGER* size) noexcept {
    if (size == nullptr) return E_POINTER;
    return E_NOTIMPL;  // the size depends on pictures, sounds and the menu
}

HRESULT ControlPersistence::Load(IPropertyBag* bag, IErrorLog*) noexcept {
    if (bag == nullptr) return E_POINTER;
    initialised_ = true;  // even a load cut short keeps what it read
    if (const HRESULT hr = ComBoundary([&]() -> HRESULT {
            ComPropertyBag adapter(bag);
            BagLoadExchange load(adapter);
            Exchange(load);
            return S_OK;
        });
        FAILED(hr)) {
        return hr;
    }
    modified_ = false;
    return S_OK;
}

HRESULT ControlPersistence::Save(IPropertyBag* bag, BOOL clear_dirty, BOOL) noexcept {
    if (bag == nullptr) return E_POINTER;
    if (const HRESULT hr = ComBoundary([&]() -> HRESULT {
            ComPropertyBag adapter(bag);
            BagSaveExchange save(adapter);
            Exchange(save);
            return S_OK;
        });
        FAILED(hr)) {
        return hr;
    }
    if (clear_dirty) modified_ = false;
    return S_OK;
}

HRESULT ControlPersistence::SiteArrived() noexcept {
    if (initialised_) return S_OK;
    initialised_ = true;
    if (modified_) return S_OK;
    return ComBoundary([&] {
        instance_.ResetToNewControl(inplace_.Frame());
        return S_OK;
    });
}

// Containers that embed objects in compound documents hand over a storage;
// the control keeps its stream form in one stream of it.
namespace {
constexpr wchar_t kContentsStream[] = L"Contents";
}  // namespace

HRESULT ControlPersistence::InitNew(IStorage* storage) noexcept {
    if (storage == nullptr) return E_POINTER;
    return InitNew();
}

HRESULT ControlPersistence::Load(IStorage* storage) noexcept {
    if (storage == nullptr) return E_POINTER;
    win::ComPtr<IStream> stream;
    const HRESULT hr =
        storage->OpenStream(kContentsStream, nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, stream.put());
    if (FAILED(hr)) return hr;
    return Load(stream.get());
}

HRESULT ControlPersistence::Save(IStorage* storage, BOOL same_as_load) noexcept {
    if (storage == nullptr) return E_POINTER;
    if (const HRESULT hr = ::WriteClassStg(storage, CLSID_BrixelDemo); FAILED(hr)) return hr;
    win::ComPtr<IStream> stream;
    const HRESULT hr = storage->CreateStream(kContentsStream, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE,
                                             0, 0, stream.put());
    if (FAILED(hr)) return hr;
    return Save(stream.get(), same_as_load);
}

// The control keeps no storage open between calls, so there is nothing to
// release or take back.
HRESULT ControlPersistence::SaveCompleted(IStorage*) noexcept { return S_OK; }
HRESULT ControlPersistence::HandsOffStorage() noexcept { return S_OK; }

}  // namespace brixel::activex
