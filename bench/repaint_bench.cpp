// The control against the system BUTTON of the same size in one form: the
// on-screen repaint of each, the painting alone of each into a memory DC,
// and a BitBlt of the same size as the floor nothing can beat. Prints one
// table, then what the single calls a paint used to make cost on their own.
//
//   repaint_bench [iterations]      (under Wine: a display is needed)
#include "activex/brixeldemo.h"
#include "control_library.h"
#include "dispatch_call.h"
#include "inplace_site.h"
#include "input_support.h"

#include "core/property_table.h"
#include "gdi/gdi_canvas.h"
#include "paint_steps.h"

#include <olectl.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

namespace {

using brixel::testing::Bool;
using brixel::testing::CallControl;
using brixel::testing::I2;
using brixel::testing::I4;
using brixel::win::ComPtr;

constexpr int kWidth = 87, kHeight = 25;

// DISPIDs of the properties the faces set.
constexpr DISPID kCaption = -518, kAppearance = 18, kTranslucentStyle = 28, kTranslucentLevel = 29,
                 kGradient = 56, kGradientStyle = 57, kGradientColor1 = 59, kGradientColor2 = 60, kMenu = 83,
                 kMenuButtonStyle = 92, kPicture = 100;

double Microseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    static const double frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1e6 / frequency;
}

// The median of `iterations` timed calls: a shared machine's outliers do
// not move it.
double MedianMicroseconds(int iterations, const std::function<void(int)>& call) {
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(iterations));
    for (int i = 0; i < iterations; ++i) {
        LARGE_INTEGER a, b;
        ::QueryPerformanceCounter(&a);
        call(i);
        ::QueryPerformanceCounter(&b);
        times.push_back(Microseconds(a, b));
    }
    std::nth_element(times.begin(), times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2), times.end());
    return times[times.size() / 2];
}

// Keeps the compiler from dropping a computation whose result nothing reads.
template <typename T>
void KeepValue(const T& value) {
    asm volatile("" : : "g"(&value) : "memory");
}

// A memory DC with a screen-compatible bitmap, as a container paints into.
class MemoryTarget {
public:
    MemoryTarget() {
        HDC screen = ::GetDC(nullptr);
        dc_ = ::CreateCompatibleDC(screen);
        bitmap_ = ::CreateCompatibleBitmap(screen, kWidth * 2, kHeight * 2);
        ::ReleaseDC(nullptr, screen);
        previous_ = ::SelectObject(dc_, bitmap_);
    }
    ~MemoryTarget() {
        ::SelectObject(dc_, previous_);
        ::DeleteObject(bitmap_);
        ::DeleteDC(dc_);
    }
    MemoryTarget(const MemoryTarget&) = delete;
    MemoryTarget& operator=(const MemoryTarget&) = delete;
    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

struct Face {
    const char* name;
    std::function<void(IDispatch*)> set_up;
};

void Put(IDispatch* control, DISPID id, VARIANT value) {
    if (FAILED(CallControl(control, id, DISPATCH_PROPERTYPUT, {value})))
        std::fprintf(stderr, "setting property %ld failed\n", static_cast<long>(id));
}

void PutCaption(IDispatch* control, const wchar_t* text) {
    VARIANT v{};
    v.vt = VT_BSTR;
    v.bstrVal = ::SysAllocString(text);
    Put(control, kCaption, v);
    ::SysFreeString(v.bstrVal);
}

// A 16 x 16 bitmap picture object, as a form designer would load one.
void PutPicture(IDispatch* control) {
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 16, 16);
    HDC memory = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) ::SetPixelV(memory, x, y, RGB(x * 16, y * 16, 128));
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    PICTDESC desc{};
    desc.cbSizeofstruct = sizeof desc;
    desc.picType = PICTYPE_BITMAP;
    desc.bmp.hbitmap = bitmap;
    IPictureDisp* picture = nullptr;
    if (FAILED(::OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(&picture)))) {
        ::DeleteObject(bitmap);
        return;
    }
    VARIANT v{};
    v.vt = VT_DISPATCH;
    v.pdispVal = picture;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&v, &named, 1, 1};
    control->Invoke(kPicture, IID_NULL, 0, DISPATCH_PROPERTYPUTREF, &params, nullptr, nullptr, nullptr);
    picture->Release();
}

std::vector<Face> Faces() {
    return {
        {"default XP blue", [](IDispatch* c) { PutCaption(c, L""); }},
        {"3D", [](IDispatch* c) { Put(c, kAppearance, I2(1)); }},
        {"flat + gradient",
         [](IDispatch* c) {
             Put(c, kAppearance, I2(0));
             Put(c, kGradient, Bool(true));
             Put(c, kGradientStyle, I2(1));
             Put(c, kGradientColor1, I4(0x00FFC080));
             Put(c, kGradientColor2, I4(0x00402000));
         }},
        {"XP, caption, picture",
         [](IDispatch* c) {
             PutCaption(c, L"&Print");
             PutPicture(c);
         }},
        {"translucent",
         [](IDispatch* c) {
             Put(c, kTranslucentStyle, I2(1));
             Put(c, kTranslucentLevel, I2(128));
         }},
        {"split menu",
         [](IDispatch* c) {
             Put(c, kMenu, Bool(true));
             Put(c, kMenuButtonStyle, I2(0));
         }},
    };
}

struct Row {
    double control_screen, button_screen;
    double control_compose, control_cached, button_print;
};

class Form {
public:
    Form() {
        form_ = ::CreateWindowExW(0, L"STATIC", L"repaint bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
                                  50, 50, 300, 200, nullptr, nullptr, nullptr, nullptr);
        button_ = ::CreateWindowExW(0, L"BUTTON", L"Command1", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 60, kWidth,
                                    kHeight, form_, nullptr, nullptr, nullptr);
    }
    ~Form() {
        if (form_ != nullptr) ::DestroyWindow(form_);
    }
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    HWND form() const { return form_; }
    HWND button() const { return button_; }

private:
    HWND form_ = nullptr;
    HWND button_ = nullptr;
};

// One new control per face, so no face inherits another's properties.
class SitedControl {
public:
    SitedControl(const brixel::testing::ControlLibrary& library, HWND form) : site_(form), form_(form) {
        if (FAILED(library.Create(CLSID_BrixelDemo, IID_IOleObject, object_.put_void()))) return;
        object_->SetClientSite(&site_);
        object_.As(&dispatch_);
    }
    ~SitedControl() {
        if (object_) {
            object_->Close(OLECLOSE_NOSAVE);
            object_->SetClientSite(nullptr);
        }
    }
    SitedControl(const SitedControl&) = delete;
    SitedControl& operator=(const SitedControl&) = delete;

    bool Activate() {
        if (!object_ || !dispatch_) return false;
        if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &site_, 0, form_, &site_.position)))
            return false;
        ComPtr<IOleInPlaceObject> inplace;
        if (FAILED(object_.As(&inplace)) || FAILED(inplace->GetWindow(&window_))) return false;
        return SUCCEEDED(object_.As(&view_));
    }
    IDispatch* dispatch() const { return dispatch_.get(); }
    IViewObject* view() const { return view_.get(); }
    HWND window() const { return window_; }

private:
    brixel::testing::InPlaceSite site_;
    HWND form_;
    ComPtr<IOleObject> object_;
    ComPtr<IDispatch> dispatch_;
    ComPtr<IViewObject> view_;
    HWND window_ = nullptr;
};

double OnScreen(HWND window, int iterations) {
    return MedianMicroseconds(iterations, [window](int) {
        ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    });
}

Row Measure(const brixel::testing::ControlLibrary& library, const Form& form, const Face& face, int iterations) {
    SitedControl control(library, form.form());
    Row row{};
    if (!control.Activate()) {
        std::fprintf(stderr, "%s: the control did not activate in place\n", face.name);
        return row;
    }
    face.set_up(control.dispatch());
    brixel::testing::Pump(100);
    MemoryTarget target;
    const RECTL face_rect{0, 0, kWidth, kHeight};
    // A face of another height in between makes every draw compose anew.
    const RECTL other_rect{0, 0, kWidth, kHeight - 1};
    auto draw = [&](const RECTL& r) {
        control.view()->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, target.dc(), &r, nullptr, nullptr, 0);
    };
    draw(face_rect);  // the translucent face captures the container first
    row.control_screen = OnScreen(control.window(), iterations);
    row.button_screen = OnScreen(form.button(), iterations);
    row.control_compose = MedianMicroseconds(iterations, [&](int i) { draw(i % 2 == 0 ? other_rect : face_rect); });
    draw(face_rect);
    // Markers for a call trace of the unchanged repaints alone
    // (WINEDEBUG=+relay,+debugstr).
    ::OutputDebugStringA("unchanged draws begin\n");
    row.control_cached = MedianMicroseconds(iterations, [&](int) { draw(face_rect); });
    ::OutputDebugStringA("unchanged draws end\n");
    row.button_print = MedianMicroseconds(iterations, [&](int) {
        ::SendMessageW(form.button(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target.dc()), PRF_CLIENT);
    });
    return row;
}

double BitBltFloor(int iterations) {
    MemoryTarget from, to;
    return MedianMicroseconds(iterations, [&](int) {
        ::BitBlt(to.dc(), 0, 0, kWidth, kHeight, from.dc(), 0, 0, SRCCOPY);
    });
}

// What one of each call that a paint used to make costs here on its own.
void SingleCalls(const Form& form, int iterations) {
    MemoryTarget target;
    std::printf("\nSingle calls (median microseconds each):\n");
    auto line = [](const char* what, double us) { std::printf("  %-58s %8.2f\n", what, us); };
    line("CreateCompatibleDC + CreateDIBSection 87x25 + delete both", MedianMicroseconds(iterations, [&](int) {
             HDC memory = ::CreateCompatibleDC(target.dc());
             BITMAPINFO info{};
             info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
             void* bits = nullptr;
             HBITMAP bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
             HGDIOBJ old = ::SelectObject(memory, bitmap);
             ::SelectObject(memory, old);
             ::DeleteObject(bitmap);
             ::DeleteDC(memory);
         }));
    line("CreateFontIndirectW + DeleteObject", MedianMicroseconds(iterations, [](int) {
             LOGFONTW lf{};
             lf.lfHeight = -11;
             std::wcscpy(lf.lfFaceName, L"Tahoma");
             ::DeleteObject(::CreateFontIndirectW(&lf));
         }));
    line("GetDC(screen) + GetDeviceCaps + ReleaseDC", MedianMicroseconds(iterations, [](int) {
             HDC screen = ::GetDC(nullptr);
             ::GetDeviceCaps(screen, LOGPIXELSY);
             ::ReleaseDC(nullptr, screen);
         }));
    line("RegOpenKeyExW + RegQueryValueExW + RegCloseKey (theme)", MedianMicroseconds(iterations, [](int) {
             HKEY key = nullptr;
             if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager", 0,
                                 KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
                 wchar_t value[64];
                 DWORD size = sizeof value;
                 ::RegQueryValueExW(key, L"ThemeActive", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
                 ::RegCloseKey(key);
             }
         }));
    line("CreateSolidBrush + select + PatBlt + DeleteObject", MedianMicroseconds(iterations, [&](int i) {
             HBRUSH brush = ::CreateSolidBrush(RGB(i & 255, 0, 0));
             HGDIOBJ old = ::SelectObject(target.dc(), brush);
             ::PatBlt(target.dc(), 0, 0, 10, 10, PATCOPY);
             ::SelectObject(target.dc(), old);
             ::DeleteObject(brush);
         }));
    line("DC brush colour + select + PatBlt", MedianMicroseconds(iterations, [&](int i) {
             HGDIOBJ old = ::SelectObject(target.dc(), ::GetStockObject(DC_BRUSH));
             const COLORREF previous = ::SetDCBrushColor(target.dc(), RGB(i & 255, 0, 0));
             ::PatBlt(target.dc(), 0, 0, 10, 10, PATCOPY);
             ::SetDCBrushColor(target.dc(), previous);
             ::SelectObject(target.dc(), old);
         }));
    line("SetPixelV", MedianMicroseconds(iterations, [&](int i) { ::SetPixelV(target.dc(), i % kWidth, 3, 0); }));
    line("31 GetSysColor (every colour a face can name)", MedianMicroseconds(iterations, [](int) {
             COLORREF sum = 0;
             for (int i = 0; i <= COLOR_MENUBAR; ++i) sum ^= ::GetSysColor(i);
             KeepValue(sum);
         }));
    line("GetParent + GetClassNameW", MedianMicroseconds(iterations, [&](int) {
             wchar_t name[256];
             ::GetClassNameW(::GetParent(form.button()), name, 256);
         }));
    brixel::testing::InPlaceSite site(form.form());
    line("ambient read: site Invoke + VariantChangeType + clears", MedianMicroseconds(iterations, [&](int) {
             DISPPARAMS none{};
             VARIANT raw, value;
             ::VariantInit(&raw);
             ::VariantInit(&value);
             site.Invoke(DISPID_AMBIENT_USERMODE, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &raw, nullptr, nullptr);
             ::VariantChangeType(&value, &raw, 0, VT_BOOL);
             ::VariantClear(&value);
             ::VariantClear(&raw);
         }));
    const brixel::ButtonProperties record = brixel::NewControlProperties(u"Command1", 0x8000000F);
    line("property record copy (a new control's)", MedianMicroseconds(iterations, [&](int) {
             brixel::ButtonProperties copy = record;
             KeepValue(copy);
         }));
}

// The system colours as the control keeps them: read once.
class KeptSystemColours final : public brixel::SystemColours {
public:
    KeptSystemColours() {
        for (int i = 0; i < brixel::kSystemColourCount; ++i)
            colours_[static_cast<std::size_t>(i)] = brixel::win::FromColorRef(::GetSysColor(i));
    }
    brixel::Rgb SystemColour(int index) const override {
        return index >= 0 && index < brixel::kSystemColourCount ? colours_[static_cast<std::size_t>(index)]
                                                                : brixel::Rgb{};
    }

private:
    std::array<brixel::Rgb, brixel::kSystemColourCount> colours_{};
};

// The painter's steps through GDI, in this process: the control's own
// preparation (the paint model, the ambients, the window's looks) is not
// in these rows; it is the unchanged draw above less the unchanged row here.
void StepProfile(int iterations) {
    using namespace brixel;
    MemoryTarget target;
    const win::Msimg32 msimg32 = win::Msimg32::Load();
    win::GdiCanvas canvas(target.dc(), &msimg32);
    const KeptSystemColours colours;
    LOGFONTW lf{};
    lf.lfHeight = -11;  // 8 points at 96 dots per inch, the new control's font
    std::wcscpy(lf.lfFaceName, L"MS Sans Serif");
    const win::UniqueFont font(::CreateFontIndirectW(&lf));
    HDC screen = ::GetDC(nullptr);
    const win::UniqueBitmap bitmap(::CreateCompatibleBitmap(screen, 16, 16));
    ::ReleaseDC(nullptr, screen);
    std::unique_ptr<Surface> capture = canvas.CreateSurface({bench::kStepWidth, bench::kStepHeight}, SurfaceFormat::Colour);
    if (capture == nullptr) return;
    capture->FillRect({0, 0, bench::kStepWidth, bench::kStepHeight}, Brush::Solid({60, 120, 180}));
    const bench::StepAssets assets{
        PictureRef{PictureKind::Bitmap, reinterpret_cast<std::uintptr_t>(bitmap.get()), {423, 423}}, capture.get()};
    bench::PrintStepHeader("GDI under Wine (the control's painter, in this process)", iterations);
    for (const bench::StepFace& face : bench::StepFaces()) {
        PaintModel m;
        m.props = NewControlProperties(u"Command1", SystemColourRef(kColourBtnFace));
        m.user_mode = true;
        m.fast_primitives = msimg32.gradient_fill() && msimg32.alpha_blend();
        m.system_colours = &colours;
        m.parent_back_colour = colours.SystemColour(kColourBtnFace);
        m.fonts = {win::ToFontRef(font.get()), win::ToFontRef(font.get()), win::ToFontRef(font.get()),
                   win::ToFontRef(font.get())};
        face.set_up(m, assets);
        bench::ProfileFace(canvas, m, face.name, iterations);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int iterations = argc > 1 ? std::max(11, _wtoi(argv[1])) : 301;
    brixel::testing::ComApartment apartment;
    brixel::testing::ControlLibrary library;
    if (!library.loaded()) {
        std::fputs("BRIXELDEMO.ocx must sit beside the benchmark\n", stderr);
        return 1;
    }
    Form form;
    if (form.form() == nullptr) {
        std::fputs("the benchmark needs a display\n", stderr);
        return 1;
    }
    brixel::testing::Pump(200);
    const double floor = BitBltFloor(iterations);
    std::printf("Repaint of an %d x %d face, median of %d calls each, microseconds. BitBlt of the same size: %.2f\n",
                kWidth, kHeight, iterations, floor);
    std::printf("on screen: RedrawWindow(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW) of the control's and the "
                "button's window\n");
    std::printf("painting alone: IViewObject::Draw into a memory DC, composed anew or nothing changed (cached), "
                "against the button's WM_PRINTCLIENT\n\n");
    std::printf("%-22s %9s %9s %6s | %9s %9s %9s %8s %8s %9s\n", "face", "ctl scr", "btn scr", "ratio", "composed",
                "cached", "btn print", "comp/btn", "cach/btn", "cach/blt");
    for (const Face& face : Faces()) {
        const Row r = Measure(library, form, face, iterations);
        std::printf("%-22s %9.1f %9.1f %6.2f | %9.1f %9.2f %9.1f %8.2f %8.2f %9.2f\n", face.name, r.control_screen,
                    r.button_screen, r.control_screen / r.button_screen, r.control_compose, r.control_cached,
                    r.button_print, r.control_compose / r.button_print, r.control_cached / r.button_print,
                    r.control_cached / floor);
    }
    SingleCalls(form, iterations);
    StepProfile(iterations);
    return 0;
}
