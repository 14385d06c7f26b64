// The container's draw requests (IViewObject2): the control's face drawn
// into the container's device context, without a window of its own. A part
// of the control's COM identity (control_part.h).
#pragma once

#include "activex/control_host.h"
#include "activex/control_part.h"
#include "activex/control_window.h"

#include <ocidl.h>

namespace brixel::activex {

class ControlView final : public ControlPart<IViewObject2> {
public:
    ControlView(IUnknown& control, WindowOwner& owner) noexcept : ControlPart(control), owner_(owner) {}

    // IViewObject2
    HRESULT STDMETHODCALLTYPE Draw(DWORD aspect, LONG index, void* aspect_info, DVTARGETDEVICE* device,
                                   HDC target_device, HDC dc, LPCRECTL bounds, LPCRECTL window_bounds,
                                   BOOL(STDMETHODCALLTYPE* keep_going)(ULONG_PTR), ULONG_PTR argument) noexcept override;
    HRESULT STDMETHODCALLTYPE GetColorSet(DWORD aspect, LONG index, void* aspect_info, DVTARGETDEVICE* device,
                                          HDC target_device, LOGPALETTE** out) noexcept override;
    HRESULT STDMETHODCALLTYPE Freeze(DWORD aspect, LONG index, void* aspect_info, DWORD* out) noexcept override;
    HRESULT STDMETHODCALLTYPE Unfreeze(DWORD cookie) noexcept override;
    HRESULT STDMETHODCALLTYPE SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) noexcept override;
    HRESULT STDMETHODCALLTYPE GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) noexcept override;
    HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, LONG index, DVTARGETDEVICE* device,
                                        LPSIZEL size) noexcept override;

private:
    WindowOwner& owner_;
    win::ComPtr<IAdviseSink> sink_;
    DWORD aspects_ = 0;
    DWORD flags_ = 0;
};

}  // namespace brixel::activex
