#include "core/persist_exchange.h"

namespace brixel {

std::uint32_t PropertyExchange::ExchangeVersion(std::uint32_t current) {
    auto stored = static_cast<std::int32_t>(current);
    ExchangeLong(kVersionKey, stored, static_cast<std::int32_t>(current));
    version_ = mode_ == ExchangeMode::Load ? static_cast<std::uint32_t>(stored) : current;
    return version_;
}

void PropertyExchange::ExchangeColour(std::string_view key, OleColor& value, OleColor def) {
    auto wire = static_cast<std::int32_t>(value);
    ExchangeLong(key, wire, static_cast<std::int32_t>(def));
    value = static_cast<OleColor>(wire);
}

}  // namespace brixel
