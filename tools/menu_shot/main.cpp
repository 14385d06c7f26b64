// Drops the control's menu in a window, opens its sub-menu and saves a PNG of
// the button with its popups: a sidebar with pictures, a shortcut and a
// separator, for a person to look at. Usage: menu_shot [output file]
//
// DropMenu runs the popup's modal loop on this thread, so a second thread
// waits for the popups, plays the keys, takes the picture and closes them.
#include "activex/brixeldemo.h"
#include "activex/com_owners.h"
#include "control_library.h"
#include "core/dispids.h"
#include "dispatch_call.h"
#include "inplace_site.h"
#include "input_support.h"
#include "png_writer.h"
#include "screen_capture.h"

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

using brixel::testing::Bool;
using brixel::testing::CallControl;
using brixel::testing::I2;
using brixel::testing::Pump;
using brixel::win::ComPtr;
namespace dispid = brixel::dispid;

// A 16 x 16 bitmap picture: a coloured square with a dark frame.
ComPtr<IPictureDisp> SquarePicture(COLORREF fill) {
    brixel::win::WindowDc screen(nullptr);
    brixel::win::UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.get(), 16, 16));
    {
        brixel::win::UniqueMemoryDc dc(::CreateCompatibleDC(screen.get()));
        brixel::win::SelectScope selected(dc.get(), bitmap.get());
        brixel::win::UniqueBrush frame(::CreateSolidBrush(RGB(40, 40, 40)));
        brixel::win::UniqueBrush inside(::CreateSolidBrush(fill));
        RECT r{0, 0, 16, 16};
        ::FillRect(dc.get(), &r, frame.get());
        ::InflateRect(&r, -2, -2);
        ::FillRect(dc.get(), &r, inside.get());
    }
    PICTDESC desc{};
    desc.cbSizeofstruct = sizeof(desc);
    desc.picType = PICTYPE_BITMAP;
    desc.bmp.hbitmap = bitmap.get();
    ComPtr<IPictureDisp> picture;
    // Once the picture exists it owns the bitmap.
    if (SUCCEEDED(::OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, picture.put_void()))) bitmap.release();
    return picture;
}

//   1 File (picture) > { 11 Open  Ctrl+O (picture), 12 separator, 13 Save as }
//   2 separator
//   3 Help  F1 (picture)
void BuildMenu(IDispatch* control) {
    CallControl(control, dispid::kMenu, DISPATCH_PROPERTYPUT, {Bool(true)});
    CallControl(control, dispid::kMenuSidebar, DISPATCH_PROPERTYPUT, {Bool(true)});
    const std::pair<short, short> items[] = {{1, -1}, {11, 1}, {12, 1}, {13, 1}, {2, -1}, {3, -1}};
    for (auto [id, parent] : items) CallControl(control, dispid::kAddMenuItem, DISPATCH_METHOD, {I2(id), I2(parent)});
    const std::pair<short, const wchar_t*> captions[] = {{1, L"File"}, {11, L"Open"}, {13, L"Save as"}, {3, L"Help"}};
    for (auto [id, text] : captions) {
        brixel::win::UniqueBstr b(text);
        VARIANT v{};
        v.vt = VT_BSTR;
        v.bstrVal = b.get();
        CallControl(control, dispid::kMenuItemCaption, DISPATCH_PROPERTYPUT, {I2(id), v});
    }
    for (short id : {short{12}, short{2}}) {
        CallControl(control, dispid::kMenuItemSeparator, DISPATCH_PROPERTYPUT, {I2(id), Bool(true)});
    }
    CallControl(control, dispid::kMenuItemShortcut, DISPATCH_PROPERTYPUT, {I2(11), I2(15)});  // Ctrl+O
    CallControl(control, dispid::kMenuItemShortcut, DISPATCH_PROPERTYPUT, {I2(3), I2(27)});   // F1
    const std::pair<short, COLORREF> pictures[] = {{1, RGB(230, 180, 40)}, {11, RGB(60, 150, 230)}, {3, RGB(80, 190, 90)}};
    for (auto [id, colour] : pictures) {
        ComPtr<IPictureDisp> picture = SquarePicture(colour);
        if (!picture) continue;
        VARIANT v{};
        v.vt = VT_DISPATCH;
        v.pdispVal = picture.get();
        CallControl(control, dispid::kMenuItemPicture, DISPATCH_PROPERTYPUT, {I2(id), v});
    }
}

std::vector<RECT> VisiblePopups() {
    std::vector<RECT> found;
    for (HWND w = ::FindWindowExW(nullptr, nullptr, L"#32768", nullptr); w != nullptr;
         w = ::FindWindowExW(nullptr, w, L"#32768", nullptr)) {
        RECT r{};
        if (::IsWindowVisible(w) && ::GetWindowRect(w, &r)) found.push_back(r);
    }
    return found;
}

bool WaitForPopups(std::size_t count, int milliseconds) {
    for (int waited = 0; waited < milliseconds; waited += 20) {
        if (VisiblePopups().size() >= count) return true;
        ::Sleep(20);
    }
    return false;
}

void PressKey(WORD key) {
    brixel::testing::SendKey(key, false);
    brixel::testing::SendKey(key, true);
    ::Sleep(80);
}

// The screen inside `area`.
brixel::tools::RgbImage CaptureScreen(RECT area) {
    brixel::win::WindowDc screen(nullptr);
    return brixel::tools::CaptureDc(screen.get(), {area.left, area.top},
                                    {area.right - area.left, area.bottom - area.top});
}

// Opens File's sub-menu, photographs the button and both popups, closes all.
void ShootWhileDropped(HWND button, const std::wstring& path, std::atomic<bool>& written) {
    if (WaitForPopups(1, 5000)) {
        ::Sleep(200);
        PressKey(VK_DOWN);   // File
        PressKey(VK_RIGHT);  // its sub-menu, Open selected
        WaitForPopups(2, 2000);
        ::Sleep(300);
        RECT area{};
        ::GetWindowRect(button, &area);
        for (const RECT& popup : VisiblePopups()) ::UnionRect(&area, &area, &popup);
        ::InflateRect(&area, 8, 8);
        written = brixel::tools::WritePng(CaptureScreen(area), path);
    }
    for (int tries = 0; tries < 10 && !VisiblePopups().empty(); ++tries) PressKey(VK_ESCAPE);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring path = argc > 1 ? argv[1] : L"menu.png";
    brixel::testing::ComApartment apartment;
    brixel::testing::ControlLibrary library;
    ComPtr<IOleObject> object;
    if (!library.loaded() || FAILED(library.Create(CLSID_BrixelDemo, IID_IOleObject, object.put_void()))) {
        std::fprintf(stderr, "cannot load the control from BRIXELDEMO.ocx\n");
        return 1;
    }
    brixel::win::UniqueWindow form(::CreateWindowExW(0, L"Static", L"menu", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                                                     320, 260, nullptr, nullptr, nullptr, nullptr));
    brixel::testing::InPlaceSite site(form.get());
    site.position = RECT{20, 20, 127, 45};
    object->SetClientSite(&site);
    ComPtr<IDispatch> control;
    object.As(&control);
    BuildMenu(control.get());
    object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &site, 0, form.get(), &site.position);
    ComPtr<IOleInPlaceObject> inplace;
    object.As(&inplace);
    HWND button = nullptr;
    if (inplace) inplace->GetWindow(&button);
    ::SetForegroundWindow(form.get());
    ::SetCursorPos(0, 0);  // no hover look on the button
    Pump(300);
    std::atomic<bool> written{false};
    if (button != nullptr) {
        std::thread shooter(ShootWhileDropped, button, path, std::ref(written));
        CallControl(control.get(), dispid::kDropMenu, DISPATCH_METHOD);
        shooter.join();
        Pump(100);
    }
    object->Close(OLECLOSE_NOSAVE);
    object->SetClientSite(nullptr);
    if (!written) {
        std::fprintf(stderr, "no menu was photographed\n");
        return 2;
    }
    std::wprintf(L"%ls\n", path.c_str());
    return 0;
}
