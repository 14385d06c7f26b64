// The text service the pixel canvas draws captions and menu rows with, as
// a C host supplies it: callbacks that measure and render into a coverage
// mask, or, without them, the built-in FreeType service where the build has
// one, or no text at all. Fonts travel by value: the adapter gives each
// font a FontRef for the paint in hand and hands the description back to
// whichever service lays the text out.
#pragma once

#include "brixel/brixel.h"

#include "core/shared_objects.h"
#include "pixel/text_service.h"

#include <map>
#include <memory>
#include <optional>

namespace brixel::abi {

// The character height in pixels of a font at `dpi`, negative as the
// platform's font height is, rounded as the control's GDI fonts round it.
int PixelHeight(const FontDesc& font, int dpi);

class TextAdapter final : public pixel::TextService {
public:
    TextAdapter();
    ~TextAdapter() override;
    TextAdapter(const TextAdapter&) = delete;
    TextAdapter& operator=(const TextAdapter&) = delete;

    // Null: the built-in service.
    void SetCallbacks(const brixel_text_service* service);
    // The fonts already defined are handed to the built-in service again at
    // the new size.
    void SetDpi(int dpi);

    // The font `ref` stands for from now on.
    void Define(FontRef ref, const FontDesc& font);
    // Whether any service will lay text out.
    bool HasService() const;

    Rect Measure(std::u16string_view text, FontRef font, const Rect& bounds, std::uint32_t format) const override;
    void Render(std::u16string_view text, FontRef font, const Rect& bounds, std::uint32_t format,
                const pixel::CoverageSink& sink) const override;
    FontDescription Describe(FontRef font) const override;
    std::unique_ptr<OwnedFont> CreateUnderlined(FontRef font) override;

private:
    const FontDesc& Lookup(FontRef font) const;
    // Fills `out` for a callback; the face stays in `face_units`.
    void ToCallbackFont(const FontDesc& font, brixel_font& out, std::u16string& face_units) const;
    pixel::TextService* BuiltIn() const;

    std::optional<brixel_text_service> callbacks_;
    std::map<std::uintptr_t, FontDesc> fonts_;
    std::uintptr_t next_derived_ = 0x1000;
    int dpi_ = 96;
    struct BuiltInService;
    mutable std::unique_ptr<BuiltInService> built_in_;  // started on first use
    class Derived;
};

}  // namespace brixel::abi
