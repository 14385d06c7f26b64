// The button face, for the control's own window and for the container's
// draw requests (ControlView, IViewObject2).
#include "activex/control.h"
#include "activex/ole_values.h"
#include "activex/parent_colour.h"
#include "gdi/gdi_canvas.h"
#include "render/draw_button.h"

namespace brixel::activex {
namespace {

OsVersion CurrentOsVersion() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!::GetVersionExW(&info)) return {};
    const OsPlatform platform = info.dwPlatformId == VER_PLATFORM_WIN32_NT        ? OsPlatform::NT
                                : info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS ? OsPlatform::Win9x
                                                                                  : OsPlatform::Other;
    return OsVersion{platform, static_cast<int>(info.dwMajorVersion), static_cast<int>(info.dwMinorVersion)};
}

PictureKind KindOf(SHORT type) noexcept {
    switch (type) {
        case PICTYPE_BITMAP: return PictureKind::Bitmap;
        case PICTYPE_ICON: return PictureKind::Icon;
        case PICTYPE_METAFILE:
        case PICTYPE_ENHMETAFILE: return PictureKind::Metafile;
        default: return PictureKind::None;
    }
}

// The picture object's image as the canvas takes it. The object keeps the
// handle; it lives at least as long as the property value held for this
// paint. OLE hands handles out as 32 bits; handles sign-extend to 64.
PictureRef PictureRefOf(const SharedPicture& shared) noexcept {
    const auto* ole = dynamic_cast<const OlePicture*>(shared.get());
    if (ole == nullptr || ole->get() == nullptr) return {};
    win::ComPtr<IPicture> picture;
    if (FAILED(ole->get()->QueryInterface(IID_IPicture, reinterpret_cast<void**>(picture.put())))) return {};
    SHORT type = PICTYPE_NONE;
    OLE_HANDLE handle = 0;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    if (FAILED(picture->get_Type(&type)) || FAILED(picture->get_Handle(&handle)) || handle == 0 ||
        FAILED(picture->get_Width(&width)) || FAILED(picture->get_Height(&height)))
        return {};
    const auto value = static_cast<std::uintptr_t>(static_cast<LONG_PTR>(static_cast<LONG>(handle)));
    return PictureRef{KindOf(type), value, Size{static_cast<int>(width), static_cast<int>(height)}};
}

// Only a display can take the kept face: a printer or a metafile gets one
// composed for it.
bool KeepsFace(HDC dc) noexcept {
    const DWORD type = ::GetObjectType(dc);
    return (type == OBJ_DC || type == OBJ_MEMDC) && ::GetDeviceCaps(dc, TECHNOLOGY) == DT_RASDISPLAY;
}

}  // namespace

void CTavloCtrl::LoadDrawingPrimitives() noexcept {
    if (drawing_loaded_) return;
    msimg32_ = win::Msimg32::Load();
    capabilities_ = CapabilitiesFor(CurrentOsVersion());
    drawing_loaded_ = true;
}

// Composes the face through the portable painter from what the instance
// holds and what only the window and the system know, or copies the face
// kept from the last paint when none of that has changed.
FocusOutcome CTavloCtrl::PaintFace(HDC dc, const RECT& bounds, bool after_click, bool has_focus) noexcept {
    try {
        LoadDrawingPrimitives();
        instance_.BeforePaint(WindowFrame{});  // the live host answers for the window
        const ButtonProperties& p = instance_.Props();
        ControlWindow* window = LiveWindow();
        if (p.TranslucentStyle == kvnNotTranslucent) {
            background_.Release();
        } else if (window != nullptr && WantsTranslucentWindow()) {
            background_.CaptureIfNeeded(::GetParent(window->hwnd()), RectInParent(window->hwnd()), &msimg32_);
        }
        FaceInputs inputs;
        inputs.has_focus = has_focus;
        inputs.fast_primitives = capabilities_.fast_primitives && msimg32_.gradient_fill() && msimg32_.alpha_blend();
        if (window != nullptr) {
            const ControlInstanceHost::ParentLooks& parent = host_.Parent();
            inputs.parent_back_colour =
                GetParentBackColor(parent.window, parent.dc_kept, host_.SystemColour(kColourBtnFace));
        } else {
            const OleColor parent_back = host_.AmbientBackColor().value_or(SystemColourRef(kColourBtnFace));
            inputs.parent_back_colour = ResolveOleColor(parent_back, host_);
        }
        inputs.captured_background = background_.surface();
        const SharedPicture* pictures[4] = {&p.Picture, &p.MouseInPicture, &p.DownPicture, &p.DisabledPicture};
        for (std::size_t i = 0; i < 4; ++i) inputs.pictures[i] = PictureRefOf(*pictures[i]);
        const int dpi = host_.ScreenDpi();
        inputs.fonts = state_fonts_.For(p, dpi);
        inputs.dpi = dpi;
        // The record is copied into the model only when the face is composed.
        PaintModel& m = paint_model_;
        instance_.FillPaintModelWithoutProps(inputs, m);
        win::GdiCanvas canvas(dc, &msimg32_);
        const Rect rect{bounds.left, bounds.top, bounds.right, bounds.bottom};
        if (!KeepsFace(dc)) {
            m.props = p;
            return DrawTheButton(canvas, rect, after_click, m).focus;
        }
        return face_.Paint(canvas, rect, after_click, m, p, FaceKeyExtras{background_.generation(), dpi}).focus;
    } catch (...) {
        return FocusOutcome::Nothing;  // painting never reports errors: it draws less
    }
}

HRESULT ControlView::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC dc, LPCRECTL bounds, LPCRECTL,
                          BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) noexcept {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (dc == nullptr || bounds == nullptr) return E_INVALIDARG;
    const RECT r{bounds->left, bounds->top, bounds->right, bounds->bottom};
    const HWND window = owner_.Host().Window();
    owner_.PaintFace(dc, r, false, window != nullptr && owner_.Host().WindowFocused());
    return S_OK;
}

HRESULT ControlView::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** out) noexcept {
    if (out != nullptr) *out = nullptr;
    return S_FALSE;
}

HRESULT ControlView::Freeze(DWORD, LONG, void*, DWORD* out) noexcept {
    if (out != nullptr) *out = 0;
    return E_NOTIMPL;
}

HRESULT ControlView::Unfreeze(DWORD) noexcept { return E_NOTIMPL; }

HRESULT ControlView::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) noexcept {
    sink_ = win::ComPtr<IAdviseSink>(sink);
    aspects_ = aspects;
    flags_ = flags;
    return S_OK;
}

HRESULT ControlView::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) noexcept {
    if (aspects != nullptr) *aspects = aspects_;
    if (flags != nullptr) *flags = flags_;
    if (sink != nullptr) sink_.CopyTo(sink);
    return S_OK;
}

// The same extent as the container sizes us by.
HRESULT ControlView::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) noexcept {
    if (size == nullptr) return E_POINTER;
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    *size = owner_.Host().Extent();
    return S_OK;
}

}  // namespace brixel::activex
