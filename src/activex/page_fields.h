// The routines of each binding kind: show a property's value in the field,
// and read the field back as the value to write. Internal to the framework.
#pragma once

#include "activex/page_framework.h"

#include <string>

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

std::wstring WideText(std::string_view ascii);
std::wstring WindowText(HWND window);

}  // namespace brixel::activex::detail
