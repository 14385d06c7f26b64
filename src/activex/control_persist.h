// Saving and loading with the container's document: the stream, the
// property bag and the compound-document storage, and whether the control
// has changed since. A part of the control's COM identity (control_part.h).
#pragma once

#include "activex/control_host.h"
#include "activex/control_inplace.h"
#include "activex/control_part.h"
#include "core/persist_exchange.h"
#include "instance/button_instance.h"

#include <ocidl.h>

namespace brixel::activex {

class ControlPersistence final : public ControlPart<IPersistStreamInit, IPersistPropertyBag, IPersistStorage> {
public:
    ControlPersistence(IUnknown& control, ButtonInstance& instance, ControlInstanceHost& host,
                       const ControlInPlace& inplace) noexcept
        : ControlPart(control), instance_(instance), host_(host), inplace_(inplace) {}

    // IPersist (for all three)
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID* out) noexcept override;
    // IPersistStreamInit
    HRESULT STDMETHODCALLTYPE IsDirty() noexcept override;
    HRESULT STDMETHODCALLTYPE Load(IStream* stream) noexcept override;
    HRESULT STDMETHODCALLTYPE Save(IStream* stream, BOOL clear_dirty) noexcept override;
    HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* size) noexcept override;
    HRESULT STDMETHODCALLTYPE InitNew() noexcept override;
    // IPersistPropertyBag
    HRESULT STDMETHODCALLTYPE Load(IPropertyBag* bag, IErrorLog* log) noexcept override;
    HRESULT STDMETHODCALLTYPE Save(IPropertyBag* bag, BOOL clear_dirty, BOOL save_all) noexcept override;
    // IPersistStorage: the stream form, in the storage's "Contents" stream
    HRESULT STDMETHODCALLTYPE InitNew(IStorage* storage) noexcept override;
    HRESULT STDMETHODCALLTYPE Load(IStorage* storage) noexcept override;
    HRESULT STDMETHODCALLTYPE Save(IStorage* storage, BOOL same_as_load) noexcept override;
    HRESULT STDMETHODCALLTYPE SaveCompleted(IStorage* storage) noexcept override;
    HRESULT STDMETHODCALLTYPE HandsOffStorage() noexcept override;

    // Something the container saves changed: the next IsDirty says so.
    void MarkModified() noexcept { modified_ = true; }
    // The container's site arrived: a control placed fresh takes the
    // container's defaults (its name as the caption) once it can ask; one
    // already loaded or changed keeps its values.
    HRESULT SiteArrived() noexcept;

private:
    // Saves, loads or resets the whole configuration, menu included.
    void Exchange(PropertyExchange& px);

    ButtonInstance& instance_;
    ControlInstanceHost& host_;
    const ControlInPlace& inplace_;
    bool modified_ = false;
    // Loaded, or given the container's defaults once it could ask for them:
    // a later site must not reset it. InitNew without a site leaves it unset,
    // so the first site still supplies the defaults (the caption's name).
    bool initialised_ = false;
};

}  // namespace brixel::activex
