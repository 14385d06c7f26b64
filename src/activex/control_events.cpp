// The outgoing events and property changes, through the control's two
// connection points.
#include "activex/brixeldemo.h"
#include "activex/control_automation.h"
#include "core/dispids.h"

#include <olectl.h>

namespace brixel::activex {
namespace {

VARIANT Short(std::int16_t value) {
    VARIANT v{};
    v.vt = VT_I2;
    v.iVal = value;
    return v;
}

VARIANT Long(std::int32_t value) {
    VARIANT v{};
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

VARIANT ShortRef(std::int16_t* value) {
    VARIANT v{};
    v.vt = VT_I2 | VT_BYREF;
    v.piVal = value;
    return v;
}

}  // namespace

HRESULT ControlAutomation::EnumConnectionPoints(IEnumConnectionPoints** out) noexcept {
    IConnectionPoint* const points[] = {&events_, &property_notify_};
    return CreateConnectionPointEnumerator(this, points, 2, out);
}

HRESULT ControlAutomation::FindConnectionPoint(REFIID iid, IConnectionPoint** out) noexcept {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    ConnectionPoint* point = nullptr;
    if (IsEqualIID(iid, events_.events())) point = &events_;
    if (IsEqualIID(iid, property_notify_.events())) point = &property_notify_;
    if (point == nullptr) return CONNECT_E_NOCONNECTION;
    win::CopyInterface(static_cast<IConnectionPoint*>(point), out);
    return S_OK;
}

// A frozen container does not want events: they are dropped, as the
// container asked, not queued.
void ControlAutomation::FireEvent(DISPID id, VARIANT* args, UINT count) noexcept {
    if (freeze_count_ != 0) return;
    DISPPARAMS params{args, nullptr, count, 0};
    events_.Fire(id, &params);
}

void ControlAutomation::FreezeEvents(bool freeze) noexcept {
    if (freeze) {
        ++freeze_count_;
    } else if (freeze_count_ > 0) {
        --freeze_count_;
    }
}

void ControlAutomation::DisconnectAll() noexcept {
    events_.DisconnectAll();
    property_notify_.DisconnectAll();
}

void ControlAutomation::NotifyChanged(DISPID id) noexcept {
    property_notify_.ForEachSink<IPropertyNotifySink>([id](IPropertyNotifySink* sink) { sink->OnChanged(id); });
}

// Automation passes arguments last to first.
void ControlAutomation::FireStepEvent(Effect& e) {
    switch (e.kind) {
        case EffectKind::FireClick:
            instance_.ClickEventStarting();
            FireEvent(DISPID_CLICK, nullptr, 0);
            instance_.ClickEventEnded();
            return;
        case EffectKind::FireDblClick: FireEvent(DISPID_DBLCLICK, nullptr, 0); return;
        case EffectKind::FireMouseDown:
        case EffectKind::FireMouseMove:
        case EffectKind::FireMouseUp: {
            const DISPID id = e.kind == EffectKind::FireMouseDown   ? DISPID_MOUSEDOWN
                              : e.kind == EffectKind::FireMouseMove ? DISPID_MOUSEMOVE
                                                                    : DISPID_MOUSEUP;
            VARIANT args[4] = {Long(e.point.y), Long(e.point.x), Short(e.shift), Short(e.code)};
            FireEvent(id, args, 4);
            return;
        }
        case EffectKind::FireKeyDown:
        case EffectKind::FireKeyUp: {
            VARIANT args[2] = {Short(e.shift), ShortRef(&e.code)};
            FireEvent(e.kind == EffectKind::FireKeyDown ? DISPID_KEYDOWN : DISPID_KEYUP, args, 2);
            return;
        }
        case EffectKind::FireKeyPress: {
            VARIANT arg = ShortRef(&e.code);
            FireEvent(DISPID_KEYPRESS, &arg, 1);
            return;
        }
        case EffectKind::FireMouseEnter: FireEvent(dispid::kEventMouseEnter, nullptr, 0); return;
        case EffectKind::FireMouseExit: FireEvent(dispid::kEventMouseExit, nullptr, 0); return;
        case EffectKind::FireButtonToggled: {
            VARIANT arg{};
            arg.vt = VT_BOOL;
            arg.boolVal = e.flag ? VARIANT_TRUE : VARIANT_FALSE;
            FireEvent(dispid::kEventButtonToggled, &arg, 1);
            return;
        }
        case EffectKind::FireWhileMouseDown: FireEvent(dispid::kEventWhileMouseDown, nullptr, 0); return;
        default: return;
    }
}

}  // namespace brixel::activex
