#include "core/persist_bag.h"

#include "core/ascii.h"

#include <limits>

namespace brixel {
namespace {

// A decimal integer with an optional sign and surrounding blanks, or a truth
// word; anything else is not a number.
std::optional<std::int64_t> ParseNumber(std::u16string_view text) {
    auto is_blank = [](char16_t c) { return c == u' ' || c == u'\t'; };
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
    if (EqualsIgnoringAsciiCase(text, u"true")) return -1;
    if (EqualsIgnoringAsciiCase(text, u"false")) return 0;
    bool negative = false;
    if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 12) return std::nullopt;  // far beyond 32 bits: not ours
    std::int64_t n = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        n = n * 10 + (c - u'0');
    }
    return negative ? -n : n;
}

std::optional<std::int64_t> NumberOf(const BagValue& value) {
    if (const auto* b = std::get_if<bool>(&value)) return *b ? -1 : 0;
    if (const auto* s = std::get_if<std::int16_t>(&value)) return *s;
    if (const auto* l = std::get_if<std::int32_t>(&value)) return *l;
    if (const auto* t = std::get_if<std::u16string>(&value)) return ParseNumber(*t);
    return std::nullopt;
}

template <typename T>
std::optional<BagValue> InRange(std::int64_t n) {
    if (n < std::numeric_limits<T>::min() || n > std::numeric_limits<T>::max()) return std::nullopt;
    return BagValue(static_cast<T>(n));
}

std::u16string Decimal(std::int64_t n) {
    const std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace

BagType BagTypeOf(const BagValue& value) { return static_cast<BagType>(value.index()); }

std::optional<BagValue> ConvertBagValue(const BagValue& value, BagType wanted) {
    if (BagTypeOf(value) == wanted) return value;
    const std::optional<std::int64_t> n = NumberOf(value);
    if (!n) return std::nullopt;
    switch (wanted) {
        case BagType::Bool: return BagValue(*n != 0);
        case BagType::Short: return InRange<std::int16_t>(*n);
        case BagType::Long: return InRange<std::int32_t>(*n);
        case BagType::String:
            if (const auto* b = std::get_if<bool>(&value))
                return BagValue(std::u16string(*b ? u"True" : u"False"));
            return BagValue(Decimal(*n));
        default: return std::nullopt;
    }
}

std::optional<BagValue> MemoryPropertyBag::Read(std::string_view key, BagType wanted) const {
    const BagValue* value = Find(key);
    if (value == nullptr) return std::nullopt;
    return ConvertBagValue(*value, wanted);
}

const BagValue* MemoryPropertyBag::Find(std::string_view key) const {
    const auto it = values_.find(key);
    return it == values_.end() ? nullptr : &it->second;
}

bool MemoryPropertyBag::Erase(std::string_view key) {
    const auto it = values_.find(key);
    if (it == values_.end()) return false;
    values_.erase(it);
    return true;
}

// --- Saving: every value is written, defaults included, so that a reader
// never depends on which defaults the writer had.

void BagSaveExchange::ExchangeBool(std::string_view key, bool& value, bool) { bag_.Write(key, value); }
void BagSaveExchange::ExchangeShort(std::string_view key, std::int16_t& value, std::int16_t) {
    bag_.Write(key, value);
}
void BagSaveExchange::ExchangeLong(std::string_view key, std::int32_t& value, std::int32_t) {
    bag_.Write(key, value);
}
void BagSaveExchange::ExchangeString(std::string_view key, std::u16string& value, std::u16string_view) {
    bag_.Write(key, value);
}
void BagSaveExchange::ExchangeFont(std::string_view key, FontDesc& value, const FontDesc&) {
    bag_.Write(key, value);
}
void BagSaveExchange::ExchangePicture(std::string_view key, SharedPicture& value) { bag_.Write(key, value); }
void BagSaveExchange::ExchangeBlob(std::string_view key, std::optional<ByteBlock>& value,
                                   std::size_t max_bytes) {
    bag_.Write(key, value && value->size() <= max_bytes ? *value : ByteBlock{});
}

// --- Loading ------------------------------------------------------------------

template <typename T>
std::optional<T> BagLoadExchange::ReadAs(std::string_view key, BagType wanted) const {
    std::optional<BagValue> value = bag_.Read(key, wanted);
    if (!value) return std::nullopt;
    // A platform bag that answers with another type than asked is not trusted.
    T* typed = std::get_if<T>(&*value);
    if (typed == nullptr) return std::nullopt;
    return std::move(*typed);
}

void BagLoadExchange::ExchangeBool(std::string_view key, bool& value, bool def) {
    value = ReadAs<bool>(key, BagType::Bool).value_or(def);
}
void BagLoadExchange::ExchangeShort(std::string_view key, std::int16_t& value, std::int16_t def) {
    value = ReadAs<std::int16_t>(key, BagType::Short).value_or(def);
}
void BagLoadExchange::ExchangeLong(std::string_view key, std::int32_t& value, std::int32_t def) {
    value = ReadAs<std::int32_t>(key, BagType::Long).value_or(def);
}
void BagLoadExchange::ExchangeString(std::string_view key, std::u16string& value, std::u16string_view def) {
    value = ReadAs<std::u16string>(key, BagType::String).value_or(std::u16string(def));
}
void BagLoadExchange::ExchangeFont(std::string_view key, FontDesc& value, const FontDesc& def) {
    value = ReadAs<FontDesc>(key, BagType::Font).value_or(def);
}
void BagLoadExchange::ExchangePicture(std::string_view key, SharedPicture& value) {
    value = ReadAs<SharedPicture>(key, BagType::Picture).value_or(nullptr);
}
void BagLoadExchange::ExchangeBlob(std::string_view key, std::optional<ByteBlock>& value,
                                   std::size_t max_bytes) {
    value = ReadAs<ByteBlock>(key, BagType::Bytes);
    if (value && (value->empty() || value->size() > max_bytes)) value.reset();
}

}  // namespace brixel
