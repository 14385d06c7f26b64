#include "abi/text_adapter.h"

#ifdef BRIXEL_ABI_FREETYPE
#include "pixel/freetype/freetype_text_service.h"
#endif

#include <algorithm>
#include <vector>

namespace brixel::abi {

namespace {

// A coverage mask larger than this is not asked for: no face or menu row
// comes near it, and a caller's absurd bounds must not take the memory.
constexpr long long kMaxMaskPixels = 4096LL * 4096LL;

const FontDesc kDefaultFont{};

}  // namespace

int PixelHeight(const FontDesc& font, int dpi) {
    constexpr std::int64_t kUnitsPerInch = 72 * kFontSizeUnitsPerPoint;
    const std::int64_t size = std::clamp<std::int64_t>(font.size, 0, 10000 * kFontSizeUnitsPerPoint);
    return -static_cast<int>((size * dpi + kUnitsPerInch / 2) / kUnitsPerInch);
}

struct TextAdapter::BuiltInService {
#ifdef BRIXEL_ABI_FREETYPE
    std::unique_ptr<pixel::FreeTypeTextService> service = pixel::FreeTypeTextService::Create();
#endif
};

class TextAdapter::Derived final : public OwnedFont {
public:
    Derived(TextAdapter& owner, std::uintptr_t value) : owner_(owner), value_(value) {}
    ~Derived() override { owner_.fonts_.erase(value_); }
    FontRef ref() const override { return FontRef{value_}; }

private:
    TextAdapter& owner_;
    std::uintptr_t value_;
};

TextAdapter::TextAdapter() = default;
TextAdapter::~TextAdapter() = default;

void TextAdapter::SetCallbacks(const brixel_text_service* service) {
    if (service == nullptr || service->measure == nullptr || service->render == nullptr) {
        callbacks_.reset();
        return;
    }
    callbacks_ = *service;
}

pixel::TextService* TextAdapter::BuiltIn() const {
#ifdef BRIXEL_ABI_FREETYPE
    if (!built_in_) built_in_ = std::make_unique<BuiltInService>();
    return built_in_->service.get();
#else
    return nullptr;
#endif
}

void TextAdapter::SetDpi(int dpi) {
    const int next = dpi > 0 ? dpi : 96;
    if (next == dpi_) return;
    dpi_ = next;
#ifdef BRIXEL_ABI_FREETYPE
    if (!callbacks_ && built_in_) {
        for (const auto& entry : fonts_) built_in_->service->DefineFont(FontRef{entry.first}, Describe(FontRef{entry.first}));
    }
#endif
}

bool TextAdapter::HasService() const { return callbacks_.has_value() || BuiltIn() != nullptr; }

void TextAdapter::Define(FontRef ref, const FontDesc& font) {
    auto [it, inserted] = fonts_.try_emplace(ref.value, font);
    if (!inserted) {
        if (it->second == font) return;
        it->second = font;
    }
#ifdef BRIXEL_ABI_FREETYPE
    if (!callbacks_ && BuiltIn() != nullptr) {
        const FontDescription d = Describe(ref);
        built_in_->service->DefineFont(ref, d);
    }
#endif
}

const FontDesc& TextAdapter::Lookup(FontRef font) const {
    const auto it = fonts_.find(font.value);
    return it == fonts_.end() ? kDefaultFont : it->second;
}

FontDescription TextAdapter::Describe(FontRef font) const {
    const FontDesc& f = Lookup(font);
    return FontDescription{f.face, PixelHeight(f, dpi_), f.weight, f.italic, f.underline};
}

std::unique_ptr<OwnedFont> TextAdapter::CreateUnderlined(FontRef font) {
    FontDesc d = Lookup(font);
    d.underline = true;
    const FontRef derived{next_derived_++};
    Define(derived, d);
    return std::make_unique<Derived>(*this, derived.value);
}

void TextAdapter::ToCallbackFont(const FontDesc& font, brixel_font& out, std::u16string& face_units) const {
    face_units = font.face;
    out = brixel_font BRIXEL_FONT_INIT;
    out.face = reinterpret_cast<const std::uint16_t*>(face_units.data());
    out.face_length = static_cast<std::int32_t>(face_units.size());
    out.size_units = font.size;
    out.weight = font.weight;
    out.charset = font.charset;
    out.italic = font.italic;
    out.underline = font.underline;
    out.strikethrough = font.strikethrough;
    out.pixel_height = PixelHeight(font, dpi_);
}

Rect TextAdapter::Measure(std::u16string_view text, FontRef font, const Rect& bounds, std::uint32_t format) const {
    const Rect nothing{bounds.left, bounds.top, bounds.left, bounds.top};
    if (!callbacks_) {
        const pixel::TextService* built_in = BuiltIn();
        return built_in != nullptr ? built_in->Measure(text, font, bounds, format) : nothing;
    }
    brixel_font f;
    std::u16string face;
    ToCallbackFont(Lookup(font), f, face);
    const brixel_rect in{bounds.left, bounds.top, bounds.right, bounds.bottom};
    brixel_rect out{in.left, in.top, in.left, in.top};
    const brixel_status status =
        callbacks_->measure(callbacks_->context, reinterpret_cast<const std::uint16_t*>(text.data()),
                            static_cast<std::int32_t>(text.size()), &f, &in, format, &out);
    if (status != BRIXEL_OK) return nothing;
    return Rect{out.left, out.top, out.right, out.bottom};
}

void TextAdapter::Render(std::u16string_view text, FontRef font, const Rect& bounds, std::uint32_t format,
                         const pixel::CoverageSink& sink) const {
    if (!callbacks_) {
        if (const pixel::TextService* built_in = BuiltIn()) built_in->Render(text, font, bounds, format, sink);
        return;
    }
    const int width = bounds.Width();
    const int height = bounds.Height();
    if (width <= 0 || height <= 0 || static_cast<long long>(width) * height > kMaxMaskPixels) return;
    std::vector<std::uint8_t> coverage(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    brixel_font f;
    std::u16string face;
    ToCallbackFont(Lookup(font), f, face);
    const brixel_rect in{bounds.left, bounds.top, bounds.right, bounds.bottom};
    const brixel_status status =
        callbacks_->render(callbacks_->context, reinterpret_cast<const std::uint16_t*>(text.data()),
                           static_cast<std::int32_t>(text.size()), &f, &in, format, coverage.data(), width);
    if (status != BRIXEL_OK) return;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = coverage.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        for (int x = 0; x < width; ++x) {
            if (row[x] != 0) sink(bounds.left + x, bounds.top + y, row[x]);
        }
    }
}

}  // namespace brixel::abi
