// The OLE font objects the control hands out for its font properties.
//
// A script writes `Button.Font.Bold = True`: it reads the Font property and
// changes the object it got. For that to reach the button, every read must
// hand out the same object, and the control must hear when that object
// changes. Each font property therefore keeps one live font object, created
// from the property's description on first read and replaced only when the
// description changes by another way (a put, a load, a page).
#pragma once

#include "activex/com_owners.h"
#include "core/shared_objects.h"

#include <ocidl.h>
#include <olectl.h>

#include <functional>
#include <vector>

namespace brixel::activex {

class LiveFonts {
public:
    // Called when a handed-out font object was changed through its own
    // properties, with the property's DISPID and the font's new description.
    using ChangeHandler = std::function<void(DISPID property, const FontDesc& font)>;

    explicit LiveFonts(ChangeHandler on_change) noexcept : on_change_(std::move(on_change)) {}
    LiveFonts(const LiveFonts&) = delete;
    LiveFonts& operator=(const LiveFonts&) = delete;
    ~LiveFonts();

    // The font object for the property whose description is `current`.
    HRESULT Get(DISPID property, const FontDesc& current, IFontDisp** out) noexcept;

private:
    class Sink;
    struct Entry {
        DISPID property = 0;
        win::ComPtr<IFont> font;
        win::ComPtr<IPropertyNotifySink> sink;  // always one of our Sinks
        DWORD cookie = 0;
        FontDesc described;  // what the object said last
    };

    void Changed(DISPID property) noexcept;
    static void Disconnect(Entry& entry) noexcept;

    ChangeHandler on_change_;
    std::vector<Entry> entries_;
};

}  // namespace brixel::activex
