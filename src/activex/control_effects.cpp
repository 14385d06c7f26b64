// What a step of the button instance asks for, carried out as it happens:
// events through the automation part's connection point, the window's share
// through the control window, and the tail of a property change here.
#include "activex/container_tooltip.h"
#include "activex/control.h"
#include "activex/module.h"
#include "activex/ole_values.h"
#include "activex/resource_ids.h"
#include "activex/sound_player.h"
#include "core/click_sounds.h"
#include "core/sound_file.h"

namespace brixel::activex {
namespace {

void PlayButtonSound(const ButtonInstance& button, SoundSlot slot) {
    const ButtonProperties& p = button.Props();
    const SoundSlotId id = slot == SoundSlot::Click ? SoundSlotId::Click : SoundSlotId::MouseIn;
    const auto& block = button.SoundMemory(id);
    // A custom sound that fails the check is kept for saving but never played.
    const bool playable = block.has_value() && IsPlayableWave(SoundBlockData(*block));
    const SoundChoice choice = ChooseSound(slot == SoundSlot::Click ? p.ClickSound : p.MouseInSound, playable);
    if (choice.kind == SoundChoice::Kind::Memory) {
        PlayWaveAsync(SoundBlockData(*block));
    } else if (choice.kind == SoundChoice::Kind::Resource) {
        PlayResourceSoundAsync(ModuleHandle(), choice.resource_id);
    }
}

// An inactive control hands the focus on as if Tab had been pressed.
void PassFocusToNextControl(IOleClientSite* client_site, HWND window) {
    win::ComPtr<IOleControlSite> site;
    if (client_site == nullptr || FAILED(client_site->QueryInterface(IID_IOleControlSite, site.put_void()))) return;
    MSG tab{window, WM_KEYDOWN, VK_TAB, 0, static_cast<DWORD>(::GetMessageTime()), {}};
    site->TranslateAccelerator(&tab, 0);
}

}  // namespace

void CTavloCtrl::Carry(Effect& e) {
    if (IsEvent(e.kind)) {
        automation_.FireStepEvent(e);
        return;
    }
    switch (e.kind) {
        case EffectKind::UIActivateAfterClick: inplace_.UIActivateIfPending(); return;
        case EffectKind::PlaySound: PlayButtonSound(instance_, static_cast<SoundSlot>(e.code)); return;
        case EffectKind::HideContainerTooltip: HideContainerTooltip(host_.Site()); return;
        case EffectKind::MarkModified:
        case EffectKind::NotifyPropertyChanged:
        case EffectKind::RebuildRegion:
        case EffectKind::ReapplyControlSize:
        case EffectKind::RefreshTranslucency: CarryChange(e); return;
        default: break;
    }
    // The rest acts on the window; without one there is nothing to act on.
    if (ControlWindow* window = LiveWindow()) CarryInWindow(*window, e);
}

void CTavloCtrl::CarryInWindow(ControlWindow& window, const Effect& e) {
    const HWND hwnd = window.hwnd();
    switch (e.kind) {
        case EffectKind::Redraw: window.Redraw(e.flag); return;
        // The face paints the frame from the focus it finds; a change of
        // focus only needs a fresh face.
        case EffectKind::ShowFocusBorder: window.Redraw(false); return;
        case EffectKind::ShowHandCursor:
            ::SetCursor(::LoadCursorW(ModuleHandle(), MAKEINTRESOURCEW(IDCUR_HAND)));
            return;
        case EffectKind::RelayToTooltip: window.RelayToTooltip(e.point); return;
        case EffectKind::StartTimer: ::SetTimer(hwnd, static_cast<UINT_PTR>(e.code), static_cast<UINT>(e.value), nullptr); return;
        case EffectKind::StopTimer: ::KillTimer(hwnd, static_cast<UINT_PTR>(e.code)); return;
        case EffectKind::TakeCapture: ::SetCapture(hwnd); return;
        case EffectKind::ReleaseCapture:
            if (::GetCapture() == hwnd) ::ReleaseCapture();
            return;
        case EffectKind::GiveCaptureTo:
            if (const auto target = reinterpret_cast<HWND>(e.window); target != nullptr && ::IsWindow(target)) {
                ::SetCapture(target);
            }
            return;
        case EffectKind::TakeFocus: ::SetFocus(hwnd); return;
        case EffectKind::PassFocusToNextControl: PassFocusToNextControl(host_.Site(), hwnd); return;
        case EffectKind::DefaultProcessing: window.DefaultProcessing(); return;
        case EffectKind::SendButtonUp: window.SendButtonUp(static_cast<MouseButton>(e.code), e.point); return;
        case EffectKind::SendSpaceKeyUp: window.SendSpaceKeyUp(); return;
        case EffectKind::DropMenu: window.DropPopup(); return;
        case EffectKind::OpenHyperlink: window.OpenButtonHyperlink(); return;
        case EffectKind::SetTooltip: window.SetTooltip(ToWide(e.text), e.flag); return;
        case EffectKind::EnableWindow: ::EnableWindow(hwnd, e.flag ? TRUE : FALSE); return;
        case EffectKind::ApplyMenuReadingDirection: window.MenuRightToLeftChanged(); return;
        default: return;
    }
}

void CTavloCtrl::CarryChange(const Effect& e) {
    switch (e.kind) {
        case EffectKind::MarkModified: persistence_.MarkModified(); return;
        case EffectKind::NotifyPropertyChanged: automation_.NotifyChanged(e.value); return;
        case EffectKind::RebuildRegion: ApplyRegion(); return;
        // The shape depends on the size: a new region at the size the window has.
        case EffectKind::ReapplyControlSize:
            ApplyRegion();
            if (ControlWindow* window = LiveWindow()) window->Redraw(false);
            return;
        case EffectKind::RefreshTranslucency: SetTransparentWindow(true); return;
        default: return;
    }
}

}  // namespace brixel::activex
