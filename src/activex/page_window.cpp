// The page's dialog: field notifications, the helper buttons of the colour,
// picture and sound-file fields, the spins and the owner-drawn statics.
#include "activex/page_fields.h"
#include "activex/page_framework.h"

#include <commctrl.h>

namespace brixel::activex {
namespace {

using detail::FieldCommand;

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
        page->fields_->Initialise(window);
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
        case WM_COMMAND: {
            const int id = LOWORD(wparam);
            const int code = HIWORD(wparam);
            const FieldCommand command = fields_->Command(Window(), dialogs_, id, code);
            if (command.changed != 0) FieldChanged(command.changed);
            if (command.outcome == FieldCommand::Outcome::Handled) return TRUE;
            if (command.outcome == FieldCommand::Outcome::Ignored) break;
            if (OnPageCommand(id, code)) return TRUE;
            break;
        }
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (fields_->Notify(Window(), *reinterpret_cast<const NMHDR*>(lparam), &result)) {
                ::SetWindowLongPtrW(Window(), DWLP_MSGRESULT, result);
                return TRUE;
            }
            break;
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
            if (fields_->Draw(Window(), item) || DrawItem(item)) return TRUE;
            break;
        }
        default: break;
    }
    bool handled = false;
    const INT_PTR result = OnPageMessage(msg, wparam, lparam, handled);
    return handled ? result : FALSE;
}

void PropertyPage::FieldChanged(int id) {
    if (Loading()) return;
    fields_->MarkChanged(id);
    MarkDirty();
    OnFieldChanged(id);
}

namespace detail {

FieldCommand BoundFields::Command(HWND dialog, PageDialogs& dialogs, int id, int code) {
    for (std::size_t i = 0; i < bindings_.size(); ++i) {
        const FieldBinding& b = bindings_[i];
        if (!IsCommandOf(b, id)) continue;
        if (id != b.id) {
            if (code != BN_CLICKED) return {FieldCommand::Outcome::Ignored};
            return HelperButton(dialog, dialogs, b, states_[i], id);
        }
        const bool changed = (b.kind == FieldKind::List && code == CBN_SELCHANGE) ||
                             (b.kind == FieldKind::Check && code == BN_CLICKED) ||
                             (b.kind != FieldKind::List && b.kind != FieldKind::Check && code == EN_CHANGE);
        if (!changed) break;
        if (b.kind == FieldKind::Colour && b.swatch != 0) {
            ::InvalidateRect(::GetDlgItem(dialog, b.swatch), nullptr, TRUE);
        }
        return {FieldCommand::Outcome::Handled, id};
    }
    return {FieldCommand::Outcome::NotBound};
}

FieldCommand BoundFields::HelperButton(HWND dialog, PageDialogs& dialogs, const FieldBinding& b, FieldState& state,
                                       int id) {
    switch (b.kind) {
        case FieldKind::Colour:
            if (const auto chosen = dialogs.ChooseColour(dialog, FieldText(dialog, b.id))) {
                SetColour(dialog, b.id, *chosen);  // the edit's change notification does the rest
            }
            return {FieldCommand::Outcome::Handled};
        case FieldKind::Picture:
            if (id == b.browse) {
                auto chosen = PageDialogs::ChoosePicture(dialog, b.files);
                if (!chosen) return {FieldCommand::Outcome::Handled};
                state.picture = std::move(*chosen);  // a file the loader cannot read leaves the field empty
            } else {
                state.picture.reset();  // "X": no picture
            }
            ::InvalidateRect(::GetDlgItem(dialog, b.id), nullptr, TRUE);
            return {FieldCommand::Outcome::Handled, b.id};
        case FieldKind::SoundFile:
            if (id == b.browse) {
                const std::wstring path = PageDialogs::ChooseWaveFile(dialog);
                if (!path.empty()) SetFieldText(dialog, b.id, path);
            } else {
                PlayWaveFile(FieldText(dialog, b.id));
            }
            return {FieldCommand::Outcome::Handled};
        default: return {FieldCommand::Outcome::Ignored};
    }
}

bool BoundFields::Notify(HWND dialog, const NMHDR& header, LRESULT* result) const {
    if (header.code != UDN_DELTAPOS) return false;
    for (const FieldBinding& b : bindings_) {
        if (b.kind != FieldKind::Number || b.spin == 0 || static_cast<int>(header.idFrom) != b.spin) continue;
        const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
        const std::wstring text = FieldText(dialog, b.id);
        const auto current = ParseNumberField(std::u16string(text.begin(), text.end()));
        const std::int16_t next = SpinStep(current, change.iDelta > 0, b.upper);
        if (!current || next != *current) {
            const std::u16string shown = FormatNumberField(next);
            SetFieldText(dialog, b.id, std::wstring(shown.begin(), shown.end()));
        }
        *result = TRUE;  // the spin's own position never moves
        return true;
    }
    return false;
}

bool BoundFields::Draw(HWND dialog, const DRAWITEMSTRUCT& item) const {
    for (std::size_t i = 0; i < bindings_.size(); ++i) {
        const FieldBinding& b = bindings_[i];
        const int id = static_cast<int>(item.CtlID);
        if (b.kind == FieldKind::Colour && b.swatch == id) {
            DrawSwatch(item, ColourOf(dialog, b.id));
            return true;
        }
        if (b.kind == FieldKind::Picture && b.id == id) {
            DrawPicturePreview(item, states_[i].picture.get());
            return true;
        }
    }
    return false;
}

}  // namespace detail
}  // namespace brixel::activex
