#include "activex/page_dialogs.h"

#include "core/page_model.h"
#include "gdi/raii.h"

#include <commdlg.h>
#include <mmsystem.h>

#include <algorithm>

namespace brixel::activex {
namespace {

// File dialog filters, "|"-separated as users know them.
constexpr wchar_t kPictureFilter[] =
    L"All Picture Files |*.bmp;*.dib;*.gif;*.jpg;*.wmf;*.emf;*.ico;*.cur|Bitmaps (*.bmp, *.dib)|*.bmp;*.dib|"
    L"GIF Images (*.gif)|*.gif|JPEG Images (*.jpg)|*.jpg|Meta Files (*.wmf, *.emf)|*.wmf;*.emf|"
    L"Icons (*.ico, *.cur)|*.ico;*.cur|All Files (*.*)|*.*||";
constexpr wchar_t kIconFilter[] = L"Icons Files (*.ico, *.cur)|*.ico;*.cur|All Files (*.*)|*.*||";
constexpr wchar_t kWaveFilter[] = L"Wave Files (*.wav)|*.wav||";

std::wstring DialogFilter(std::wstring_view bars) {
    std::wstring filter(bars);
    std::replace(filter.begin(), filter.end(), L'|', L'\0');
    return filter;
}

// The open-file dialog; empty when the user cancels.
std::wstring ChooseFile(HWND owner, std::wstring_view bars) {
    const std::wstring filter = DialogFilter(bars);
    wchar_t path[MAX_PATH] = {};
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = path;
    ofn.nMaxFile = MAX_PATH;
    ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    return ::GetOpenFileNameW(&ofn) ? std::wstring(path) : std::wstring();
}

}  // namespace

std::optional<std::uint32_t> PageDialogs::ChooseColour(HWND owner, std::wstring_view field_text) {
    CHOOSECOLORW dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    // A system colour starts the dialog on the colour it shows now.
    dialog.rgbResult = ScreenColour(ColourDialogStart(std::u16string(field_text.begin(), field_text.end())));
    dialog.lpCustColors = custom_colours_;
    dialog.Flags = CC_ANYCOLOR | CC_RGBINIT;
    if (!::ChooseColorW(&dialog)) return std::nullopt;
    return static_cast<std::uint32_t>(dialog.rgbResult);
}

std::optional<win::ComPtr<IPictureDisp>> PageDialogs::ChoosePicture(HWND owner, PictureFiles files) {
    const std::wstring path = ChooseFile(owner, files == PictureFiles::Icons ? kIconFilter : kPictureFilter);
    if (path.empty()) return std::nullopt;
    win::ComPtr<IPictureDisp> picture;
    if (FAILED(::OleLoadPicturePath(const_cast<LPOLESTR>(path.c_str()), nullptr, 0, 0, IID_IPictureDisp,
                                    picture.put_void()))) {
        picture.reset();
    }
    return picture;
}

std::wstring PageDialogs::ChooseWaveFile(HWND owner) { return ChooseFile(owner, kWaveFilter); }

COLORREF ScreenColour(std::uint32_t ole_colour) {
    COLORREF resolved = 0;
    if (FAILED(::OleTranslateColor(static_cast<OLE_COLOR>(ole_colour), nullptr, &resolved))) return 0;
    return resolved;
}

void DrawSwatch(const DRAWITEMSTRUCT& item, std::optional<std::uint32_t> colour) {
    const win::UniqueBrush fill(::CreateSolidBrush(colour ? ScreenColour(*colour) : ::GetSysColor(COLOR_BTNFACE)));
    ::FillRect(item.hDC, &item.rcItem, fill.get());
    ::FrameRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
}

void DrawPicturePreview(const DRAWITEMSTRUCT& item, IPictureDisp* picture) {
    ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(COLOR_WINDOW));
    win::ComPtr<IPicture> image;
    if (picture == nullptr || FAILED(picture->QueryInterface(IID_IPicture, image.put_void()))) return;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    if (FAILED(image->get_Width(&width)) || FAILED(image->get_Height(&height)) || width <= 0 || height <= 0) return;
    // Fit inside the preview, keeping the proportions; never enlarge.
    const int dpi_x = ::GetDeviceCaps(item.hDC, LOGPIXELSX);
    const int dpi_y = ::GetDeviceCaps(item.hDC, LOGPIXELSY);
    const double px_w = ::MulDiv(width, dpi_x, 2540);
    const double px_h = ::MulDiv(height, dpi_y, 2540);
    const double box_w = item.rcItem.right - item.rcItem.left - 4;
    const double box_h = item.rcItem.bottom - item.rcItem.top - 4;
    const double scale = std::min({1.0, box_w / std::max(px_w, 1.0), box_h / std::max(px_h, 1.0)});
    const int w = std::max(1, static_cast<int>(px_w * scale));
    const int h = std::max(1, static_cast<int>(px_h * scale));
    const int x = item.rcItem.left + (item.rcItem.right - item.rcItem.left - w) / 2;
    const int y = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - h) / 2;
    image->Render(item.hDC, x, y, w, h, 0, height, width, -height, nullptr);
}

void PlayWaveFile(const std::wstring& path) {
    if (path.empty()) return;
    ::PlaySoundW(path.c_str(), nullptr, SND_FILENAME | SND_SYNC | SND_NODEFAULT);
}

}  // namespace brixel::activex
