// The COM plumbing of the dispatch objects tests hand to the control: event
// sinks and the container's extended control. They live on the test's stack,
// so the reference count is only recorded, never acted on.
#pragma once

#include "activex/brixeldemo.h"

#include <oaidl.h>

#include <algorithm>
#include <vector>

namespace brixel::testing {

class DispatchStub : public IDispatch {
public:
    // `extra` is the one interface besides IUnknown and IDispatch it answers.
    explicit DispatchStub(const IID& extra = IID_IDispatch) : extra_(extra) {}
    virtual ~DispatchStub() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        *out = nullptr;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch) && !IsEqualIID(iid, extra_)) {
            return E_NOINTERFACE;
        }
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
        *n = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }

    ULONG refs = 1;

private:
    IID extra_;
};

// A sink for the control's events: the derived class sees each event once.
class EventSink : public DispatchStub {
public:
    EventSink() : DispatchStub(DIID__DBrixelDemoEvents) {}

    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        static DISPPARAMS none{};
        OnEvent(id, flags, params != nullptr ? *params : none);
        return S_OK;
    }

protected:
    // Arguments arrive last first, as IDispatch passes them.
    virtual void OnEvent(DISPID id, WORD flags, const DISPPARAMS& params) = 0;
};

// A sink that keeps the DISPID of every event it wants, in order, and how
// the last one was called. A derived sink narrows what it wants or reads
// more of each event's arguments.
class RecordingSink : public EventSink {
public:
    std::vector<DISPID> events;
    WORD last_flags = 0;
    UINT last_arg_count = 0;

    int Count(DISPID id) const { return static_cast<int>(std::count(events.begin(), events.end(), id)); }

protected:
    virtual bool Wanted(DISPID) const { return true; }
    virtual void Seen(DISPID, const DISPPARAMS&) {}

private:
    void OnEvent(DISPID id, WORD flags, const DISPPARAMS& params) final {
        if (!Wanted(id)) return;
        events.push_back(id);
        last_flags = flags;
        last_arg_count = params.cArgs;
        Seen(id, params);
    }
};

}  // namespace brixel::testing
