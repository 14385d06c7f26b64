// The routines of each binding kind: show a property's value in the field,
// and read the field back as the value to write. Internal to the framework.
#pragma once

#include "activex/page_framework.h"

#include <string>
#include <vector>

namespace brixel::activex::detail {

struct FieldState {
    PageList list;                        // List: the rows as shown
    win::ComPtr<IPictureDisp> picture;    // Picture: what the preview shows
    bool changed = false;                 // changed since the last load: Apply writes it
};

enum class FieldRead : std::uint8_t {
    Value,    // `out` holds the value to write
    Skip,     // nothing to write (a list with no row selected)
    Invalid,  // the field does not read; `problem` says why
};

struct KindRoutines {
    VARTYPE type;  // what the property is read as
    void (*show)(HWND dialog, const FieldBinding& binding, FieldState& state, const VARIANT& value);
    FieldRead (*read)(HWND dialog, const FieldBinding& binding, const FieldState& state, VARIANT* out,
                      std::wstring* problem);
};

const KindRoutines& RoutinesFor(FieldKind kind);

// What the user is told when a colour field does not read.
inline constexpr wchar_t kColourFieldProblem[] = L"Please enter a color as an unsigned number from 0 to 4294967295.";

// Fills a list with its rows; sets a spin's range so its arrows always report.
void InitialiseField(HWND dialog, const FieldBinding& binding, FieldState& state);

// What a command from the dialog did to the bound fields.
struct FieldCommand {
    enum class Outcome : std::uint8_t {
        NotBound,  // no binding names the control: the page's own command
        Handled,
        Ignored,   // a helper button's other notifications
    };
    Outcome outcome = Outcome::NotBound;
    int changed = 0;  // the field whose value changed, 0 for none
};

// The bound fields of one page while it lives: what each shows beyond its
// text (list rows, picture), which changed since the last load, and the
// dialog messages the bindings answer themselves.
class BoundFields {
public:
    explicit BoundFields(std::span<const FieldBinding> bindings);

    void Initialise(HWND dialog);
    // Shows the properties of `object` (when there is one); nothing changed.
    void Load(HWND dialog, IDispatch* object);
    void MarkChanged(int id);
    // Reads every changed field into `values` (index by binding; empty for
    // a field with nothing to write). The binding of the first field that
    // does not read is returned, with the reason in `problem`.
    const FieldBinding* ReadChanged(HWND dialog, std::vector<win::UniqueVariant>& values, std::vector<bool>& skip,
                                    std::wstring* problem);
    FieldCommand Command(HWND dialog, PageDialogs& dialogs, int id, int code);
    // A spin's step; true when the message belonged to a bound spin.
    bool Notify(HWND dialog, const NMHDR& header, LRESULT* result) const;
    // Swatches and picture previews; true when the item is one of them.
    bool Draw(HWND dialog, const DRAWITEMSTRUCT& item) const;

private:
    FieldCommand HelperButton(HWND dialog, PageDialogs& dialogs, const FieldBinding& binding, FieldState& state,
                              int id);

    std::span<const FieldBinding> bindings_;
    std::vector<FieldState> states_;
};

std::wstring WideText(std::string_view ascii);
std::wstring WindowText(HWND window);

}  // namespace brixel::activex::detail
