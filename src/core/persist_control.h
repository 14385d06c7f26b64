// The control's one exchange routine: every persisted value in its fixed
// order, for saving, loading and resetting alike, over any PropertyExchange.
//
// Loading and resetting write the record directly: no change rule runs, so no
// sound file is read (the stored sound blocks come back as they were saved),
// nothing is announced and no combo row is translated.
#pragma once

#include <cstdint>

#include "core/button_model.h"
#include "core/persist_exchange.h"

namespace brixel {

// Keys of the values that are no automation member.
inline constexpr std::string_view kExtentXKey = "_ExtentX";
inline constexpr std::string_view kExtentYKey = "_ExtentY";
inline constexpr std::string_view kStockPropsKey = "_StockProps";
inline constexpr std::string_view kClickSoundMemoryKey = "_ClickSoundMemory";
inline constexpr std::string_view kMouseInSoundMemoryKey = "_MouseInSoundMemory";
inline constexpr std::string_view kMenuExchangeStyleKey = "MenuExchangeStyle";

// The stock properties that follow "_StockProps", by their bit in its mask.
inline constexpr std::int32_t kStockBackColor = 0x01;
inline constexpr std::int32_t kStockCaption = 0x02;
inline constexpr std::int32_t kStockEnabled = 0x40;
inline constexpr std::int32_t kStockPropsMask = kStockBackColor | kStockCaption | kStockEnabled;

// The stock back colour's own defaults, before the second BackColor decides.
inline constexpr OleColor kStockBackColorDefault = 0xE0E0E0;
inline constexpr OleColor kStockBackColorOldDefault = 0xC0C0C0;

// Menu exchange styles: which key layout the stored item list uses.
inline constexpr std::int16_t kMenuLayoutOld = 0;
inline constexpr std::int16_t kMenuLayoutCurrent = 1;

// The control's size in HIMETRIC: a new control is 87 x 25 pixels at 96 dpi,
// and no side may exceed 32,767 pixels at 96 dpi, so that no size taken from
// a document or a container overflows the pixel arithmetic behind it.
inline constexpr std::int32_t kDefaultExtentX = 2302;
inline constexpr std::int32_t kDefaultExtentY = 661;
inline constexpr std::int32_t kMaxExtentHimetric = 866'960;
constexpr bool ExtentSideInRange(std::int64_t side) { return side >= 0 && side <= kMaxExtentHimetric; }

// What the control keeps for the exchange besides its property record.
struct ControlPersistState {
    // HIMETRIC; a missing value leaves it as it is, one out of range loads as
    // the default.
    std::int32_t extent_x = 0;
    std::int32_t extent_y = 0;
    std::int16_t menu_exchange_style = kMenuLayoutOld;
};

// The menu item list, exchanged in the middle of the sequence by the menu
// layer.
class MenuExchangeLink {
public:
    virtual ~MenuExchangeLink() = default;
    // `style` is the menu exchange style in force for this exchange.
    virtual void ExchangeMenuTree(PropertyExchange& px, std::int16_t style) = 0;
};

// `host` gives the defaults that depend on the container and the system (the
// display name, the button-face colour) and enables the window when a load
// changes Enabled or Active.
void ExchangeControl(PropertyExchange& px, ButtonModel& model, ModelHost& host, ControlPersistState& state,
                     MenuExchangeLink& menu);

}  // namespace brixel
