#include "activex/state_fonts.h"

#include "activex/ole_values.h"
#include "gdi/gdi_canvas.h"

namespace brixel::activex {

const PerState<FontRef>& StateFonts::For(const ButtonProperties& p, int dpi) noexcept {
    const FontDesc* wanted[4] = {&p.Font, &p.MouseInFont, &p.DownFont, &p.DisabledFont};
    for (std::size_t i = 0; i < 4; ++i) {
        if (dpi == dpi_ && fonts_[i] && *wanted[i] == descs_[i]) continue;
        try {
            descs_[i] = *wanted[i];
        } catch (...) {
            descs_[i] = FontDesc{};  // no memory for the face name: made again next time
        }
        fonts_[i] = CreateGdiFont(*wanted[i], dpi);
        refs_[i] = win::ToFontRef(fonts_[i].get());
        ++creations_;
    }
    dpi_ = dpi;
    return refs_;
}

}  // namespace brixel::activex
