// Painting the face into a caller's pixels (or onto a DC on Windows) and
// the window's shape.
#ifdef _WIN32
// First, so that every declaration of this file sees the same Windows names.
#include "gdi/gdi_canvas.h"
#include "gdi/raii.h"
#endif

#include "abi/abi_objects.h"

#include "pixel/pixel_canvas.h"
#include "pixel/raster.h"
#include "render/draw_button.h"
#include "render/region_shape.h"

#include <cstring>
#include <vector>

using namespace brixel;
using namespace brixel::abi;

namespace {

const brixel_paint_options kDefaultOptions = BRIXEL_PAINT_OPTIONS_INIT;

bool PixelsFit(const void* pixels, std::int32_t width, std::int32_t height, std::int32_t stride) {
    return pixels != nullptr && width > 0 && height > 0 && width <= 32767 && height <= 32767 &&
           static_cast<std::int64_t>(stride) >= static_cast<std::int64_t>(width) * 4;
}

// The four state pictures as the canvas knows them; the pixel registry is
// rebuilt only when one of them changed since the last paint.
PerState<PictureRef> PreparePictures(brixel_button& b) {
    const ButtonProperties& p = b.instance->Props();
    const std::array<SharedPicture, 4> now{p.Picture, p.MouseInPicture, p.DownPicture, p.DisabledPicture};
    if (!b.registry || now != b.painted_pictures) {
        b.registry = RegistryFor(now);
        b.painted_pictures = now;
    }
    PerState<PictureRef> refs{};
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (const AbiPicture* picture = AsAbiPicture(now[i]); picture != nullptr && picture->HasImage())
            refs[i] = picture->Ref();
    }
    return refs;
}

FaceInputs Inputs(const brixel_button& b, const brixel_paint_options& o) {
    FaceInputs in;
    in.dpi = b.host.Dpi();
    in.has_focus = b.has_focus;
    in.fast_primitives = o.fast_primitives != 0;
    in.parent_back_colour = FromRgbWord(o.parent_back_colour);
    in.caption_rules = b.rules == BRIXEL_RULES_DOTNET ? CaptionRules::WindowsForms : CaptionRules::ActiveX;
    in.caption_by_host = o.caption_by_host != 0;
    return in;
}

brixel_status BeginPaint(brixel_button* button, const brixel_frame* frame, const brixel_paint_options* given,
                         brixel_paint_options& options, brixel_paint_result* result, brixel_effects** effects,
                         brixel_button*& b) {
    if (effects != nullptr) *effects = nullptr;
    b = LiveButton(button);
    if (b == nullptr) return BRIXEL_E_BAD_HANDLE;
    if (given != nullptr && !SizeFits(given)) return BRIXEL_E_BAD_SIZE;
    options = given != nullptr ? Widened(*given, kDefaultOptions) : kDefaultOptions;
    if (result != nullptr && !SizeFits(result)) return BRIXEL_E_BAD_SIZE;
    b->host.messages.clear();
    if (const brixel_status s = TakeFrame(*b, frame); s != BRIXEL_OK) return s;
    // Border colours follow a desktop scheme change before the face is drawn.
    return Deliver(*b, b->instance->BeforePaint(b->frame), effects);
}

brixel_caption ToCaption(const CaptionPlan& plan) {
    brixel_caption out{};
    out.shown = plan.draw ? 1 : 0;
    out.text = plan.hyperlink ? BRIXEL_CAPTION_ADDRESS : BRIXEL_CAPTION_TEXT;
    out.font = static_cast<std::int32_t>(StateIndex(plan.variant));
    out.underline = plan.hyperlink ? 1 : 0;
    out.colour = static_cast<std::uint32_t>(plan.colour.r) << 16 | static_cast<std::uint32_t>(plan.colour.g) << 8 |
                 plan.colour.b;
    out.box = {plan.box.left, plan.box.top, plan.box.right, plan.box.bottom};
    // The canvas's placement flags are the header's BRIXEL_TEXT_ values.
    out.format = plan.format;
    return out;
}

// A result of the first version has no room for the caption.
void Finish(const PaintResult& painted, brixel_paint_result* result, const CaptionPlan& caption = {}) {
    if (result == nullptr) return;
    result->painted = painted.painted ? 1 : 0;
    result->focus = static_cast<std::int32_t>(painted.focus);
    if (result->size >= sizeof(brixel_paint_result)) result->caption = ToCaption(caption);
}

#ifdef _WIN32
// The state pictures as GDI objects for one paint on a DC: a DIB section for
// an opaque picture, an icon (colour and AND mask) for an alpha one.
class GdiPictures {
public:
    PerState<PictureRef> Make(const ButtonProperties& p) {
        const std::array<const SharedPicture*, 4> now{&p.Picture, &p.MouseInPicture, &p.DownPicture, &p.DisabledPicture};
        PerState<PictureRef> refs{};
        for (std::size_t i = 0; i < now.size(); ++i) {
            const AbiPicture* picture = AsAbiPicture(*now[i]);
            if (picture == nullptr || !picture->HasImage()) continue;
            refs[i] = picture->Ref();
            refs[i].value = Handle(picture->Pixels());
            if (refs[i].value == 0) refs[i] = PictureRef{};
        }
        return refs;
    }

private:
    // A top-down 32-bit DIB section holding `colour`; null when none can be made.
    static HBITMAP ColourBitmap(const pixel::PixelPicture& picture) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = picture.size.width;
        info.bmiHeader.biHeight = -picture.size.height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HBITMAP bitmap = win::counted::CreateDIBSection(nullptr, &info, &bits);
        if (bitmap != nullptr && bits != nullptr)
            std::memcpy(bits, picture.colour.data(), picture.colour.size() * sizeof(pixel::Pixel));
        return bitmap;
    }

    std::uintptr_t Handle(const pixel::PixelPicture& picture) {
        bitmaps_.emplace_back(ColourBitmap(picture));
        if (!bitmaps_.back()) return 0;
        if (picture.kind == PictureKind::Bitmap) return reinterpret_cast<std::uintptr_t>(bitmaps_.back().get());
        // Monochrome rows are padded to 16 bits; a set bit shows the destination.
        const int row_bytes = (picture.size.width + 15) / 16 * 2;
        std::vector<std::uint8_t> mask(static_cast<std::size_t>(row_bytes) * static_cast<std::size_t>(picture.size.height));
        for (int y = 0; y < picture.size.height; ++y) {
            for (int x = 0; x < picture.size.width; ++x) {
                if (picture.Transparent(x, y))
                    mask[static_cast<std::size_t>(y * row_bytes + x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        bitmaps_.emplace_back(win::counted::CreateBitmap(picture.size.width, picture.size.height, 1, 1, mask.data()));
        if (!bitmaps_.back()) return 0;
        ICONINFO icon{};
        icon.fIcon = TRUE;
        icon.hbmMask = bitmaps_.back().get();
        icon.hbmColor = bitmaps_[bitmaps_.size() - 2].get();
        icons_.emplace_back(::CreateIconIndirect(&icon));
        return reinterpret_cast<std::uintptr_t>(icons_.back().get());
    }

    std::vector<win::CountedGdi<HBITMAP>> bitmaps_;
    std::vector<win::UniqueIcon> icons_;
};
#endif

}  // namespace

extern "C" {

brixel_status BRIXEL_CALL brixel_paint_buffer(brixel_button* button, const brixel_frame* frame,
                                              const brixel_paint_options* options, void* pixels, int32_t width,
                                              int32_t height, int32_t stride, brixel_paint_result* result,
                                              brixel_effects** effects) {
    return Guarded([&]() -> brixel_status {
        if (effects != nullptr) *effects = nullptr;
        if (LiveButton(button) == nullptr) return BRIXEL_E_BAD_HANDLE;
        if (!PixelsFit(pixels, width, height, stride)) return pixels == nullptr ? BRIXEL_E_NULL_ARGUMENT : BRIXEL_E_INVALID_ARGUMENT;
        if (options != nullptr && SizeFits(options) && options->background != nullptr &&
            static_cast<std::int64_t>(options->background_stride) < static_cast<std::int64_t>(width) * 4)
            return BRIXEL_E_INVALID_ARGUMENT;
        brixel_button* b = nullptr;
        brixel_paint_options o{};
        if (const brixel_status s = BeginPaint(button, frame, options, o, result, effects, b); s != BRIXEL_OK) return s;

        const ButtonProperties& p = b->instance->Props();
        const FontDesc* state_fonts[4] = {&p.Font, &p.MouseInFont, &p.DownFont, &p.DisabledFont};
        FaceInputs in = Inputs(*b, o);
        for (std::size_t i = 0; i < 4; ++i) {
            in.fonts[i] = FontRef{i + 1};
            b->text.Define(in.fonts[i], *state_fonts[i]);
        }
        in.pictures = PreparePictures(*b);

        pixel::PixelEnvironment env;
        env.text = b->text.HasService() ? &b->text : nullptr;
        env.pictures = b->registry.get();
        env.system_colours = &b->host;
        env.gradient_fill = in.fast_primitives;
        env.alpha_blend = in.fast_primitives;
        env.dpi = b->host.Dpi();

        const Size size{width, height};
        std::optional<pixel::PixelCanvas> background;
        if (o.background != nullptr) {
            // Only read: the canvas type takes writable pixels.
            background.emplace(static_cast<pixel::Pixel*>(const_cast<void*>(o.background)), size,
                               static_cast<std::size_t>(o.background_stride), env);
            in.captured_background = &*background;
        }
        pixel::PixelCanvas canvas(static_cast<pixel::Pixel*>(pixels), size, static_cast<std::size_t>(stride), env);
        const PaintModel model = b->instance->BuildPaintModel(in);
        const Rect rect{0, 0, width, height};
        Finish(DrawTheButton(canvas, rect, o.after_click != 0, model), result, PlanFaceCaption(canvas, rect, model));
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_paint_hdc(brixel_button* button, const brixel_frame* frame,
                                           const brixel_paint_options* options, void* hdc, brixel_paint_result* result,
                                           brixel_effects** effects) {
    return Guarded([&]() -> brixel_status {
        if (effects != nullptr) *effects = nullptr;
        if (LiveButton(button) == nullptr) return BRIXEL_E_BAD_HANDLE;
#ifdef _WIN32
        if (hdc == nullptr) return BRIXEL_E_NULL_ARGUMENT;
        brixel_button* b = nullptr;
        brixel_paint_options o{};
        if (const brixel_status s = BeginPaint(button, frame, options, o, result, effects, b); s != BRIXEL_OK) return s;
        const Rect client = b->frame.client;
        if (client.IsEmpty()) {
            Finish(PaintResult{}, result);
            return BRIXEL_OK;
        }
        static const win::Msimg32 msimg32 = win::Msimg32::Load();
        const ButtonProperties& p = b->instance->Props();
        const FontDesc* state_fonts[4] = {&p.Font, &p.MouseInFont, &p.DownFont, &p.DisabledFont};
        const int dpi = b->host.Dpi();
        std::array<win::CountedGdi<HFONT>, 4> fonts;
        FaceInputs in = Inputs(*b, o);
        for (std::size_t i = 0; i < 4; ++i) {
            LOGFONTW lf{};
            lf.lfHeight = PixelHeight(*state_fonts[i], dpi);
            lf.lfWeight = state_fonts[i]->weight;
            lf.lfItalic = state_fonts[i]->italic;
            lf.lfUnderline = state_fonts[i]->underline;
            lf.lfStrikeOut = state_fonts[i]->strikethrough;
            lf.lfCharSet = static_cast<BYTE>(state_fonts[i]->charset);
            const std::wstring face(state_fonts[i]->face.begin(), state_fonts[i]->face.end());
            ::lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
            fonts[i].reset(win::counted::CreateFontIndirect(&lf));
            in.fonts[i] = win::ToFontRef(fonts[i].get());
        }
        GdiPictures pictures;
        in.pictures = pictures.Make(p);
        win::GdiCanvas canvas(static_cast<HDC>(hdc), &msimg32);
        const PaintModel model = b->instance->BuildPaintModel(in);
        Finish(DrawTheButton(canvas, client, o.after_click != 0, model), result, PlanFaceCaption(canvas, client, model));
        return BRIXEL_OK;
#else
        (void)frame;
        (void)options;
        (void)hdc;
        (void)result;
        return BRIXEL_E_UNSUPPORTED;
#endif
    });
}

brixel_status BRIXEL_CALL brixel_region_rects(brixel_button* button, const brixel_frame* frame, brixel_rect* rects,
                                              int32_t capacity, int32_t* count) {
    return Guarded([&]() -> brixel_status {
        brixel_button* b = LiveButton(button);
        if (b == nullptr) return BRIXEL_E_BAD_HANDLE;
        if (count == nullptr) return BRIXEL_E_NULL_ARGUMENT;
        if (const brixel_status s = TakeFrame(*b, frame); s != BRIXEL_OK) return s;
        const RegionShape shape = ControlRegionShape(b->instance->Props(), b->instance->Interaction(),
                                                     b->instance->UserMode(), b->frame.client, false, b->host.Dpi());
        std::vector<brixel_rect> out;
        for (const RegionPiece& piece : shape.pieces) {
            if (piece.ellipse == Size{}) {
                out.push_back({piece.rect.left, piece.rect.top, piece.rect.right, piece.rect.bottom});
                continue;
            }
            // Rows of the rounded piece; equal neighbouring rows are merged.
            for (const pixel::Span& span : pixel::RoundRectRegion(piece.rect, piece.ellipse)) {
                if (!out.empty() && out.back().left == span.left && out.back().right == span.right &&
                    out.back().bottom == span.y) {
                    out.back().bottom = span.y + 1;
                } else {
                    out.push_back({span.left, span.y, span.right, span.y + 1});
                }
            }
        }
        *count = static_cast<std::int32_t>(out.size());
        if (out.empty()) return BRIXEL_OK;
        if (rects == nullptr || capacity < *count) return BRIXEL_E_BUFFER_TOO_SMALL;
        std::copy(out.begin(), out.end(), rects);
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_minimum_size(brixel_button* button, int32_t* width, int32_t* height) {
    return Guarded([&]() -> brixel_status {
        brixel_button* b = LiveButton(button);
        if (b == nullptr) return BRIXEL_E_BAD_HANDLE;
        if (width == nullptr || height == nullptr) return BRIXEL_E_NULL_ARGUMENT;
        const int dpi = b->host.Dpi();
        std::optional<Size> minimum = MinimumControlSize(b->instance->Props(), dpi);
        // The Windows Forms control keeps a flat button at least this large
        // whatever its corners.
        if (b->rules == BRIXEL_RULES_DOTNET && b->instance->Props().Appearance == kvnFlat) minimum = RoundedMinimumSize(dpi);
        *width = minimum ? minimum->width : 0;
        *height = minimum ? minimum->height : 0;
        return BRIXEL_OK;
    });
}

}  // extern "C"
