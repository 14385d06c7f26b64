#include "instance/effects.h"

#include <string_view>

namespace brixel {
namespace {

std::string_view NameOf(EffectKind kind) {
    switch (kind) {
        case EffectKind::FireClick: return "Click";
        case EffectKind::FireDblClick: return "DblClick";
        case EffectKind::FireMouseDown: return "MouseDown";
        case EffectKind::FireMouseMove: return "MouseMove";
        case EffectKind::FireMouseUp: return "MouseUp";
        case EffectKind::FireKeyDown: return "KeyDown";
        case EffectKind::FireKeyPress: return "KeyPress";
        case EffectKind::FireKeyUp: return "KeyUp";
        case EffectKind::FireMouseEnter: return "MouseEnter";
        case EffectKind::FireMouseExit: return "MouseExit";
        case EffectKind::FireButtonToggled: return "ButtonToggled";
        case EffectKind::FireWhileMouseDown: return "WhileMouseDown";
        case EffectKind::Redraw: return "Redraw";
        case EffectKind::ShowFocusBorder: return "ShowFocusBorder";
        case EffectKind::ShowHandCursor: return "ShowHandCursor";
        case EffectKind::RelayToTooltip: return "RelayToTooltip";
        case EffectKind::HideContainerTooltip: return "HideContainerTooltip";
        case EffectKind::StartTimer: return "StartTimer";
        case EffectKind::StopTimer: return "StopTimer";
        case EffectKind::TakeCapture: return "TakeCapture";
        case EffectKind::ReleaseCapture: return "ReleaseCapture";
        case EffectKind::GiveCaptureTo: return "GiveCaptureTo";
        case EffectKind::TakeFocus: return "TakeFocus";
        case EffectKind::PassFocusToNextControl: return "PassFocusToNextControl";
        case EffectKind::DefaultProcessing: return "DefaultProcessing";
        case EffectKind::SendButtonUp: return "SendButtonUp";
        case EffectKind::SendSpaceKeyUp: return "SendSpaceKeyUp";
        case EffectKind::UIActivateAfterClick: return "UIActivateAfterClick";
        case EffectKind::DropMenu: return "DropMenu";
        case EffectKind::PlaySound: return "PlaySound";
        case EffectKind::OpenHyperlink: return "OpenHyperlink";
        case EffectKind::MarkModified: return "MarkModified";
        case EffectKind::NotifyPropertyChanged: return "NotifyPropertyChanged";
        case EffectKind::RebuildRegion: return "RebuildRegion";
        case EffectKind::ReapplyControlSize: return "ReapplyControlSize";
        case EffectKind::SetTooltip: return "SetTooltip";
        case EffectKind::EnableWindow: return "EnableWindow";
        case EffectKind::RefreshTranslucency: return "RefreshTranslucency";
        case EffectKind::ApplyMenuReadingDirection: return "ApplyMenuReadingDirection";
    }
    return "?";
}

std::string Arguments(const Effect& e) {
    const auto n = [](auto v) { return std::to_string(v); };
    switch (e.kind) {
        case EffectKind::FireMouseDown:
        case EffectKind::FireMouseMove:
        case EffectKind::FireMouseUp:
            return n(e.code) + "," + n(e.shift) + "," + n(e.point.x) + "," + n(e.point.y);
        case EffectKind::SendButtonUp:
        case EffectKind::RelayToTooltip: return n(e.code) + "," + n(e.point.x) + "," + n(e.point.y);
        case EffectKind::FireKeyDown:
        case EffectKind::FireKeyUp: return n(e.code) + "," + n(e.shift);
        case EffectKind::FireKeyPress:
        case EffectKind::StopTimer:
        case EffectKind::PlaySound: return n(e.code);
        case EffectKind::StartTimer: return n(e.code) + "," + n(e.value);
        case EffectKind::NotifyPropertyChanged: return n(e.value);
        case EffectKind::GiveCaptureTo: return n(e.window);
        case EffectKind::FireButtonToggled:
        case EffectKind::Redraw:
        case EffectKind::ShowFocusBorder:
        case EffectKind::EnableWindow: return e.flag ? "1" : "0";
        case EffectKind::SetTooltip: return std::string(e.text.begin(), e.text.end()) + "," + (e.flag ? "1" : "0");
        default: return {};
    }
}

}  // namespace

bool IsEvent(EffectKind kind) { return kind <= EffectKind::FireWhileMouseDown; }

std::string Describe(const Effect& effect) {
    std::string line = effect.only_if_capture_lost ? "[if capture lost] " : "";
    line += NameOf(effect.kind);
    const std::string args = Arguments(effect);
    if (!args.empty() || effect.kind == EffectKind::SetTooltip) line += "(" + args + ")";
    return line;
}

std::vector<std::string> Describe(const Effects& effects) {
    std::vector<std::string> lines;
    lines.reserve(effects.size());
    for (const Effect& e : effects) lines.push_back(Describe(e));
    return lines;
}

}  // namespace brixel
