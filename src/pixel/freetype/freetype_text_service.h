// A text service on FreeType with the Liberation fonts, which keep the
// metrics of the faces the control's fonts usually name. Text is laid out
// as the system's formatted text drawing does: "&" marks a mnemonic (its
// character underlined, "&&" shows one ampersand) unless kTextNoPrefix,
// lines break at blanks when kTextWordBreak, and vertical alignment applies
// to a single line only.
#pragma once

#include "pixel/text_service.h"

#include <map>
#include <memory>
#include <string>

namespace brixel::pixel {

class FreeTypeTextService final : public TextService {
public:
    // Null when FreeType cannot start or the fonts are not in `font_dir`
    // (empty: the directory this build was configured with).
    static std::unique_ptr<FreeTypeTextService> Create(const std::string& font_dir = {});
    ~FreeTypeTextService() override;

    // The font `ref` stands for from now on. FontRef{0} and any value never
    // defined read as the default: Arial 8 pt (13 pixels high at 96 dpi).
    void DefineFont(FontRef ref, const FontDescription& font);

    Rect Measure(std::u16string_view text, FontRef font, const Rect& bounds, std::uint32_t format) const override;
    void Render(std::u16string_view text, FontRef font, const Rect& bounds, std::uint32_t format,
                const CoverageSink& sink) const override;
    FontDescription Describe(FontRef font) const override;
    std::unique_ptr<OwnedFont> CreateUnderlined(FontRef font) override;

    struct Engine;  // FreeType's library and the faces opened so far

private:
    explicit FreeTypeTextService(std::unique_ptr<Engine> engine);
    void Forget(std::uintptr_t value) { fonts_.erase(value); }

    std::unique_ptr<Engine> engine_;
    std::map<std::uintptr_t, FontDescription> fonts_;
    std::uintptr_t next_derived_ = 0;
    class Derived;
};

}  // namespace brixel::pixel
