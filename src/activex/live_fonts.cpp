#include "activex/live_fonts.h"

#include "activex/com_boundary.h"
#include "activex/com_object.h"
#include "activex/ole_values.h"

#include <algorithm>

namespace brixel::activex {

// Hears the font object's property changes. The font holds the sink, the
// sink points back without a reference (the control owns both ends), and the
// pointer is cleared before the control goes.
class LiveFonts::Sink final : public ComObject<IPropertyNotifySink, IID_IPropertyNotifySink> {
public:
    Sink(LiveFonts* owner, DISPID property) noexcept : owner_(owner), property_(property) {}

    void Detach() noexcept { owner_ = nullptr; }

    HRESULT STDMETHODCALLTYPE OnChanged(DISPID) noexcept override {
        if (owner_ != nullptr) owner_->Changed(property_);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID) noexcept override { return S_OK; }

private:
    ~Sink() override = default;
    LiveFonts* owner_;
    DISPID property_;
};

LiveFonts::~LiveFonts() {
    for (Entry& entry : entries_) Disconnect(entry);
}

void LiveFonts::Disconnect(Entry& entry) noexcept {
    if (entry.sink) static_cast<Sink*>(entry.sink.get())->Detach();
    if (entry.font && entry.cookie != 0) {
        win::ComPtr<IConnectionPointContainer> container;
        win::ComPtr<IConnectionPoint> point;
        if (SUCCEEDED(entry.font->QueryInterface(IID_IConnectionPointContainer, container.put_void())) &&
            SUCCEEDED(container->FindConnectionPoint(IID_IPropertyNotifySink, point.put()))) {
            point->Unadvise(entry.cookie);
        }
    }
    entry.cookie = 0;
    entry.sink.reset();
    entry.font.reset();
}

HRESULT LiveFonts::Get(DISPID property, const FontDesc& current, IFontDisp** out) noexcept {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.property == property; });
    if (it == entries_.end()) {
        if (const HRESULT hr = ComBoundary([&] {
                Entry added;
                added.property = property;
                entries_.push_back(std::move(added));
                return S_OK;
            });
            FAILED(hr)) {
            return hr;
        }
        it = entries_.end() - 1;
    }
    Entry& entry = *it;
    if (!entry.font || !(entry.described == current)) {
        Disconnect(entry);
        win::ComPtr<IFontDisp> created;
        if (const HRESULT hr = CreateOleFont(current, created.put()); FAILED(hr)) return hr;
        if (const HRESULT hr = created->QueryInterface(IID_IFont, entry.font.put_void()); FAILED(hr)) return hr;
        entry.described = current;
        // A font that cannot report changes still works; it is replaced on
        // the next read instead of being kept.
        win::ComPtr<IConnectionPointContainer> container;
        win::ComPtr<IConnectionPoint> point;
        entry.sink = win::ComPtr<IPropertyNotifySink>::Attach(new (std::nothrow) Sink(this, property));
        if (entry.sink && SUCCEEDED(entry.font->QueryInterface(IID_IConnectionPointContainer, container.put_void())) &&
            SUCCEEDED(container->FindConnectionPoint(IID_IPropertyNotifySink, point.put()))) {
            point->Advise(entry.sink.get(), &entry.cookie);
        }
    }
    return entry.font->QueryInterface(IID_IFontDisp, reinterpret_cast<void**>(out));
}

void LiveFonts::Changed(DISPID property) noexcept {
    const auto it =
        std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.property == property; });
    if (it == entries_.end() || !it->font) return;
    const auto desc = DescribeOleFont(it->font.get());
    if (!desc || *desc == it->described) return;
    it->described = *desc;
    // The handler may read the property again: the entry already matches.
    try {
        on_change_(property, *desc);
    } catch (...) {
    }
}

}  // namespace brixel::activex
