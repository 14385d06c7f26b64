// The page's dialog: field notifications, the helper buttons of the colour,
// picture and sound-file fields, the spins and the owner-drawn statics.
#include "activex/page_fields.h"
#include "activex/page_framework.h"

#include <commctrl.h>
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

bool IsCommandOf(const FieldBinding& b, int id) {
    return id == b.id || (b.browse != 0 && id == b.browse) || (b.second != 0 && id == b.second);
}

}  // namespace

INT_PTR CALLBACK PropertyPage::DialogProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == WM_INITDIALOG) {
        auto* page = reinterpret_cast<PropertyPage*>(lparam);
        if (page == nullptr) return FALSE;  // a probe that measures the page
        ::SetWindowLongPtrW(window, DWLP_USER, lparam);
        page->window_.reset(window);
        page->InitialiseFields();
        page->LoadFields();
        return FALSE;  // the frame decides where the focus goes
    }
    auto* page = reinterpret_cast<PropertyPage*>(::GetWindowLongPtrW(window, DWLP_USER));
    if (page == nullptr) return FALSE;
    if (msg == WM_NCDESTROY) {
        ::SetWindowLongPtrW(window, DWLP_USER, 0);
        // Destroyed with its parent, not through the owner: only forget it.
        if (page->window_.get() == window) page->window_.release();
        return FALSE;
    }
    return page->HandleMessage(msg, wparam, lparam);
}

INT_PTR PropertyPage::HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    switch (msg) {
        case WM_COMMAND:
            if (HandleCommand(LOWORD(wparam), HIWORD(wparam))) return TRUE;
            break;
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (HandleNotify(*reinterpret_cast<const NMHDR*>(lparam), &result)) {
                ::SetWindowLongPtrW(window_.get(), DWLP_MSGRESULT, result);
                return TRUE;
            }
            break;
        }
        case WM_DRAWITEM:
            if (HandleDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam))) return TRUE;
            break;
        default: break;
    }
    bool handled = false;
    const INT_PTR result = OnPageMessage(msg, wparam, lparam, handled);
    return handled ? result : FALSE;
}

bool PropertyPage::HandleCommand(int id, int code) {
    for (std::size_t i = 0; i < definition_.bindings.size(); ++i) {
        const FieldBinding& b = definition_.bindings[i];
        if (!IsCommandOf(b, id)) continue;
        if (id != b.id) return code == BN_CLICKED && HandleHelperButton(b, fields_[i], id);
        const bool changed = (b.kind == FieldKind::List && code == CBN_SELCHANGE) ||
                             (b.kind == FieldKind::Check && code == BN_CLICKED) ||
                             (b.kind != FieldKind::List && b.kind != FieldKind::Check && code == EN_CHANGE);
        if (!changed) break;
        if (b.kind == FieldKind::Colour && b.swatch != 0) {
            ::InvalidateRect(::GetDlgItem(window_.get(), b.swatch), nullptr, TRUE);
        }
        FieldChanged(id);
        return true;
    }
    return OnPageCommand(id, code);
}

bool PropertyPage::HandleHelperButton(const FieldBinding& b, FieldState& state, int id) {
    switch (b.kind) {
        case FieldKind::Colour: PickColour(b); return true;
        case FieldKind::Picture:
            if (id == b.browse) {
                PickPicture(b, state);
            } else {
                state.picture.reset();  // "X": no picture
                ::InvalidateRect(::GetDlgItem(window_.get(), b.id), nullptr, TRUE);
                FieldChanged(b.id);
            }
            return true;
        case FieldKind::SoundFile:
            if (id == b.browse) {
                PickSoundFile(b);
            } else {
                PlaySoundFile(b);
            }
            return true;
        default: return false;
    }
}

void PropertyPage::FieldChanged(int id) {
    if (Loading()) return;
    for (std::size_t i = 0; i < definition_.bindings.size(); ++i) {
        if (definition_.bindings[i].id == id) fields_[i].changed = true;
    }
    MarkDirty();
    OnFieldChanged(id);
}

bool PropertyPage::HandleNotify(const NMHDR& header, LRESULT* result) {
    if (header.code != UDN_DELTAPOS) return false;
    for (const FieldBinding& b : definition_.bindings) {
        if (b.kind != FieldKind::Number || b.spin == 0 || static_cast<int>(header.idFrom) != b.spin) continue;
        const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
        const std::wstring text = FieldText(b.id);
        const auto current = ParseNumberField(std::u16string(text.begin(), text.end()));
        const std::int16_t next = SpinStep(current, change.iDelta > 0, b.upper);
        if (!current || next != *current) {
            const std::u16string shown = FormatNumberField(next);
            SetFieldText(b.id, std::wstring(shown.begin(), shown.end()));
        }
        *result = TRUE;  // the spin's own position never moves
        return true;
    }
    return false;
}

void PropertyPage::PickColour(const FieldBinding& b) {
    if (const auto chosen = ChooseColour(FieldText(b.id))) {
        SetColour(b.id, *chosen);  // the edit's change notification does the rest
    }
}

std::optional<std::uint32_t> PropertyPage::ChooseColour(std::wstring_view field_text) {
    CHOOSECOLORW dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = window_.get();
    // A system colour starts the dialog on the colour it shows now.
    dialog.rgbResult = ScreenColour(ColourDialogStart(std::u16string(field_text.begin(), field_text.end())));
    dialog.lpCustColors = custom_colours_;
    dialog.Flags = CC_ANYCOLOR | CC_RGBINIT;
    if (!::ChooseColorW(&dialog)) return std::nullopt;
    return static_cast<std::uint32_t>(dialog.rgbResult);
}

void PropertyPage::DrawSwatch(const DRAWITEMSTRUCT& item, std::optional<std::uint32_t> colour) {
    const win::UniqueBrush fill(::CreateSolidBrush(colour ? ScreenColour(*colour) : ::GetSysColor(COLOR_BTNFACE)));
    ::FillRect(item.hDC, &item.rcItem, fill.get());
    ::FrameRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
}

void PropertyPage::PickPicture(const FieldBinding& b, FieldState& state) {
    auto chosen = ChoosePicture(b.files);
    if (!chosen) return;
    state.picture = std::move(*chosen);  // a file the loader cannot read leaves the field empty
    ::InvalidateRect(::GetDlgItem(window_.get(), b.id), nullptr, TRUE);
    FieldChanged(b.id);
}

std::optional<win::ComPtr<IPictureDisp>> PropertyPage::ChoosePicture(PictureFiles files) {
    const std::wstring path = ChooseFile(window_.get(), files == PictureFiles::Icons ? kIconFilter : kPictureFilter);
    if (path.empty()) return std::nullopt;
    win::ComPtr<IPictureDisp> picture;
    if (FAILED(::OleLoadPicturePath(const_cast<LPOLESTR>(path.c_str()), nullptr, 0, 0, IID_IPictureDisp,
                                    picture.put_void()))) {
        picture.reset();
    }
    return picture;
}

void PropertyPage::PickSoundFile(const FieldBinding& b) {
    const std::wstring path = ChooseFile(window_.get(), kWaveFilter);
    if (!path.empty()) SetFieldText(b.id, path);
}

void PropertyPage::PlaySoundFile(const FieldBinding& b) {
    const std::wstring path = FieldText(b.id);
    if (path.empty()) return;
    ::PlaySoundW(path.c_str(), nullptr, SND_FILENAME | SND_SYNC | SND_NODEFAULT);
}

bool PropertyPage::HandleDrawItem(const DRAWITEMSTRUCT& item) {
    for (std::size_t i = 0; i < definition_.bindings.size(); ++i) {
        const FieldBinding& b = definition_.bindings[i];
        const int id = static_cast<int>(item.CtlID);
        if (b.kind == FieldKind::Colour && b.swatch == id) {
            DrawSwatch(item, ColourOf(b.id));
            return true;
        }
        if (b.kind == FieldKind::Picture && b.id == id) {
            DrawPicture(item, fields_[i].picture.get());
            return true;
        }
    }
    return DrawItem(item);
}

void PropertyPage::DrawPicture(const DRAWITEMSTRUCT& item, IPictureDisp* picture) {
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

}  // namespace brixel::activex
