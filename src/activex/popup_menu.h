// The drop-down menu as a native popup whose entries are all owner-drawn.
// The popup's handle is made on the first drop and kept until the control's
// window goes; its entries (and sub-popups) are built afresh for every drop
// and deleted after it.
#pragma once

#include "activex/popup_entries.h"
#include "core/colour.h"
#include "core/dpi_scale.h"
#include "core/property_record.h"
#include "gdi/raii.h"

#include <windows.h>
#include <oleacc.h>

#include <string>
#include <string_view>
#include <vector>

namespace brixel::activex {

// What measuring and painting read, asked for at every message because event
// handlers may change the properties while the popup is open.
struct MenuLook {
    const ButtonProperties& props;
    const SystemColours& system;
    int dpi = kDesignDpi;  // of the control window's screen
};

// Text extents in MenuFont at the screen's `dpi`, as rows and the width
// estimate are measured; the rows' own sizes scale with it.
class MenuTextMeter {
public:
    MenuTextMeter(const FontDesc& font, int dpi) noexcept;
    MenuTextMeter(const MenuTextMeter&) = delete;
    MenuTextMeter& operator=(const MenuTextMeter&) = delete;
    SIZE Extent(std::u16string_view text) const;
    int RowHeight(const MenuItemFields& item) const;

private:
    int dpi_;
    win::WindowDc screen_{nullptr};
    win::UniqueFont font_;
    win::SelectScope select_;
};

class OwnerDrawPopup {
public:
    OwnerDrawPopup() = default;
    OwnerDrawPopup(const OwnerDrawPopup&) = delete;
    OwnerDrawPopup& operator=(const OwnerDrawPopup&) = delete;

    // Empties the popup and fills it from `top`; false when no popup could be
    // made.
    bool Build(const MenuItemList& top, bool right_to_left);
    // Deletes every entry; sub-popups go with their entries.
    void Teardown() noexcept;
    // With the window: the entries and the popup itself.
    void Destroy() noexcept;

    HMENU handle() const noexcept { return root_.get(); }
    // The entry a returned command number names, or null (0: nothing chosen).
    const PopupEntry* Chosen(UINT command) const { return entries_.ByCommand(command); }
    // Sets or clears the right-to-left entry types on every entry of the
    // popup and its sub-popups.
    void ApplyRightToLeft(bool right_to_left) noexcept;

    // Owner-draw messages; false when the entry is not one of ours.
    bool MeasureItem(MEASUREITEMSTRUCT& measure, const MenuLook& look) const;
    bool DrawItem(const DRAWITEMSTRUCT& draw, const MenuLook& look) const;

private:
    // Screen readers cannot read an owner-drawn entry, so each entry's item
    // data points at the block they look for: the signature and the text
    // (caption, a tab and the shortcut), built with the popup.
    struct EntryText {
        MSAAMENUINFO reader;  // first, where readers look
        std::wstring text;
    };
    // The entry behind an item data, or null: only the address of one of
    // this drop's blocks names an entry, so stale data names nothing.
    const PopupEntry* EntryOf(ULONG_PTR item_data) const;

    win::UniqueMenu root_;
    PopupEntries entries_;
    std::vector<EntryText> texts_;  // one per entry; never resized while the popup holds them
};

}  // namespace brixel::activex
