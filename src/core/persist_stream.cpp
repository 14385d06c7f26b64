#include "core/persist_stream.h"

#include <algorithm>
#include <cstring>

namespace brixel {
namespace {

// Reads and skips go a chunk at a time, so a stored count can only make the
// loader allocate what really arrived.
constexpr std::size_t kChunkBytes = 64 * 1024;

constexpr std::uint8_t kFontItalic = 0x01;
constexpr std::uint8_t kFontUnderline = 0x02;
constexpr std::uint8_t kFontStrikethrough = 0x04;

template <typename T>
void AppendLE(ByteBlock& out, T value) {
    using U = std::make_unsigned_t<T>;
    auto bits = static_cast<U>(value);
    for (std::size_t i = 0; i < sizeof(T); ++i) out.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
}

template <typename T>
T ReadLE(std::span<const std::uint8_t> bytes) {
    using U = std::make_unsigned_t<T>;
    U bits = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) bits = static_cast<U>(bits | (U{bytes[i]} << (8 * i)));
    return static_cast<T>(bits);
}

void AppendText(ByteBlock& out, std::u16string_view text) {
    AppendLE<std::uint32_t>(out, static_cast<std::uint32_t>(text.size()));
    for (char16_t c : text) AppendLE<std::uint16_t>(out, c);
}

std::u16string TextFrom(std::span<const std::uint8_t> bytes) {
    std::u16string text(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(ReadLE<std::uint16_t>(bytes.subspan(2 * i)));
    return text;
}

ByteBlock EncodeFontRecord(const FontDesc& font) {
    ByteBlock body;
    AppendText(body, font.face);
    AppendLE<std::int64_t>(body, font.size);
    AppendLE<std::int16_t>(body, font.weight);
    AppendLE<std::int16_t>(body, font.charset);
    AppendLE<std::uint8_t>(body, static_cast<std::uint8_t>((font.italic ? kFontItalic : 0) |
                                                           (font.underline ? kFontUnderline : 0) |
                                                           (font.strikethrough ? kFontStrikethrough : 0)));
    return body;
}

// Reads the fields a record has, in order; a record cut short keeps the
// default's remaining fields, and bytes after the known fields belong to a
// later writer and are ignored.
class RecordReader {
public:
    explicit RecordReader(std::span<const std::uint8_t> bytes) : rest_(bytes) {}
    template <typename T>
    bool Next(T& value) {
        if (rest_.size() < sizeof(T)) return Stop();
        value = ReadLE<T>(rest_);
        rest_ = rest_.subspan(sizeof(T));
        return true;
    }
    bool NextText(std::u16string& text) {
        std::uint32_t units = 0;
        if (!Next(units) || rest_.size() / 2 < units) return Stop();
        text = TextFrom(rest_.first(std::size_t{units} * 2));
        rest_ = rest_.subspan(std::size_t{units} * 2);
        return true;
    }

private:
    bool Stop() {
        rest_ = {};
        return false;
    }
    std::span<const std::uint8_t> rest_;
};

FontDesc DecodeFontRecord(std::span<const std::uint8_t> body, const FontDesc& def) {
    FontDesc font = def;
    RecordReader r(body);
    std::uint8_t flags = 0;
    if (r.NextText(font.face) && r.Next(font.size) && r.Next(font.weight) && r.Next(font.charset) &&
        r.Next(flags)) {
        font.italic = (flags & kFontItalic) != 0;
        font.underline = (flags & kFontUnderline) != 0;
        font.strikethrough = (flags & kFontStrikethrough) != 0;
    }
    return font;
}

}  // namespace

std::size_t SpanSource::Read(std::span<std::uint8_t> into) {
    const std::size_t n = std::min(into.size(), rest_.size());
    if (n != 0) std::memcpy(into.data(), rest_.data(), n);
    rest_ = rest_.subspan(n);
    return n;
}

// --- Saving -------------------------------------------------------------------

void StreamSaveExchange::Put(std::span<const std::uint8_t> bytes) {
    if (!failed_ && !sink_.Write(bytes)) failed_ = true;
}

void StreamSaveExchange::ExchangeBool(std::string_view, bool& value, bool) {
    const std::uint8_t byte = value ? 1 : 0;
    Put({&byte, 1});
}

void StreamSaveExchange::ExchangeShort(std::string_view, std::int16_t& value, std::int16_t) {
    ByteBlock out;
    AppendLE(out, value);
    Put(out);
}

void StreamSaveExchange::ExchangeLong(std::string_view, std::int32_t& value, std::int32_t) {
    ByteBlock out;
    AppendLE(out, value);
    Put(out);
}

void StreamSaveExchange::ExchangeString(std::string_view, std::u16string& value, std::u16string_view) {
    ByteBlock out;
    AppendText(out, value);
    Put(out);
}

void StreamSaveExchange::ExchangeFont(std::string_view, FontDesc& value, const FontDesc&) {
    const ByteBlock body = EncodeFontRecord(value);
    ByteBlock out;
    AppendLE<std::uint32_t>(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    Put(out);
}

void StreamSaveExchange::ExchangePicture(std::string_view, SharedPicture& value) {
    std::optional<ByteBlock> bytes;
    if (value != nullptr) bytes = pictures_.PictureBytes(*value);
    if (bytes && bytes->size() > kMaxStoredPictureBytes) bytes.reset();  // no loader would take it
    ByteBlock out{static_cast<std::uint8_t>(bytes ? 1 : 0)};
    if (bytes) {
        AppendLE<std::uint32_t>(out, static_cast<std::uint32_t>(bytes->size()));
        out.insert(out.end(), bytes->begin(), bytes->end());
    }
    Put(out);
}

void StreamSaveExchange::ExchangeBlob(std::string_view, std::optional<ByteBlock>& value,
                                      std::size_t max_bytes) {
    const bool stored = value && value->size() <= max_bytes;
    ByteBlock out;
    AppendLE<std::uint32_t>(out, stored ? static_cast<std::uint32_t>(value->size()) : 0);
    if (stored) out.insert(out.end(), value->begin(), value->end());
    Put(out);
}

// --- Loading ------------------------------------------------------------------

std::optional<ByteBlock> StreamLoadExchange::Take(std::uint64_t count) {
    if (ended_) return std::nullopt;
    ByteBlock bytes;
    while (bytes.size() < count) {
        const std::size_t want =
            static_cast<std::size_t>(std::min<std::uint64_t>(kChunkBytes, count - bytes.size()));
        const std::size_t had = bytes.size();
        bytes.resize(had + want);
        const std::size_t got = source_.Read(std::span(bytes).subspan(had));
        bytes.resize(had + got);
        if (got == 0) {
            ended_ = true;
            return std::nullopt;
        }
    }
    return bytes;
}

bool StreamLoadExchange::Skip(std::uint64_t count) {
    std::uint8_t scratch[4096];
    while (!ended_ && count > 0) {
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(sizeof scratch, count));
        const std::size_t got = source_.Read(std::span(scratch, want));
        if (got == 0) ended_ = true;
        count -= got;
    }
    return !ended_;
}

template <typename T>
std::optional<T> StreamLoadExchange::TakeInteger() {
    const std::optional<ByteBlock> bytes = Take(sizeof(T));
    if (!bytes) return std::nullopt;
    return ReadLE<T>(*bytes);
}

std::optional<ByteBlock> StreamLoadExchange::TakeSized(std::uint64_t count, std::uint64_t max) {
    if (count > max) {
        Skip(count);
        return std::nullopt;
    }
    return Take(count);
}

void StreamLoadExchange::ExchangeBool(std::string_view, bool& value, bool def) {
    const auto byte = TakeInteger<std::uint8_t>();
    value = byte ? *byte != 0 : def;
}

void StreamLoadExchange::ExchangeShort(std::string_view, std::int16_t& value, std::int16_t def) {
    value = TakeInteger<std::int16_t>().value_or(def);
}

void StreamLoadExchange::ExchangeLong(std::string_view, std::int32_t& value, std::int32_t def) {
    value = TakeInteger<std::int32_t>().value_or(def);
}

void StreamLoadExchange::ExchangeString(std::string_view, std::u16string& value, std::u16string_view def) {
    value = std::u16string(def);
    const auto units = TakeInteger<std::uint32_t>();
    if (!units) return;
    if (*units > kMaxStoredStringUnits) {
        Skip(std::uint64_t{*units} * 2);
        return;
    }
    if (const auto bytes = Take(std::uint64_t{*units} * 2)) value = TextFrom(*bytes);
}

void StreamLoadExchange::ExchangeFont(std::string_view, FontDesc& value, const FontDesc& def) {
    value = def;
    const auto length = TakeInteger<std::uint32_t>();
    if (!length) return;
    if (const auto body = TakeSized(*length, kMaxStoredFontRecordBytes)) value = DecodeFontRecord(*body, def);
}

void StreamLoadExchange::ExchangePicture(std::string_view, SharedPicture& value) {
    value.reset();
    const auto present = TakeInteger<std::uint8_t>();
    if (!present || *present == 0) return;
    const auto length = TakeInteger<std::uint32_t>();
    if (!length) return;
    if (const auto bytes = TakeSized(*length, kMaxStoredPictureBytes))
        value = pictures_.PictureFromBytes(*bytes);
}

void StreamLoadExchange::ExchangeBlob(std::string_view, std::optional<ByteBlock>& value,
                                      std::size_t max_bytes) {
    value.reset();
    const auto count = TakeInteger<std::uint32_t>();
    if (!count || *count == 0) return;
    if (auto bytes = TakeSized(*count, max_bytes)) value = std::move(bytes);
}

}  // namespace brixel
