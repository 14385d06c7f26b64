#include "reference_face.h"

#include "core/property_table.h"
#include "pixel/classic_colours.h"
#include "pixel/pixel_canvas.h"
#include "render/draw_button.h"
#include "render/paint_model.h"

#ifdef BRIXEL_ABI_FREETYPE
#include "pixel/freetype/freetype_text_service.h"
#endif

#include <memory>

using namespace brixel;

extern "C" int reference_face(const char* caption, int appearance, uint32_t border_colour, uint32_t* pixels, int width,
                              int height) {
    PaintModel m;
    m.props = NewControlProperties(u"Command1", MakeOleColor(pixel::kClassicColours.SystemColour(kColourBtnFace)));
    m.props.Caption.clear();
    for (const char* c = caption; *c != 0; ++c) m.props.Caption += static_cast<char16_t>(*c);
    m.props.Appearance = static_cast<std::int16_t>(appearance);
    m.props.BorderColor = border_colour;
    m.user_mode = true;
    m.fast_primitives = true;
    m.system_colours = &pixel::kClassicColours;
    m.fonts = {FontRef{1}, FontRef{2}, FontRef{3}, FontRef{4}};

    pixel::PixelEnvironment env;
    env.system_colours = &pixel::kClassicColours;
#ifdef BRIXEL_ABI_FREETYPE
    // The standard font, 8 pt at 96 dpi.
    std::unique_ptr<pixel::FreeTypeTextService> text = pixel::FreeTypeTextService::Create();
    if (text != nullptr) {
        for (std::uintptr_t ref = 1; ref <= 4; ++ref) text->DefineFont(FontRef{ref}, {u"MS Sans Serif", -11, 400, false, false});
        env.text = text.get();
    }
#endif
    pixel::PixelCanvas canvas(pixels, Size{width, height}, static_cast<std::size_t>(width) * 4, env);
    return DrawTheButton(canvas, Rect{0, 0, width, height}, false, m).painted ? 1 : 0;
}
