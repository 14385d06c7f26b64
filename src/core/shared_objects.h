// Fonts and pictures as the property record holds them. The platform objects
// behind them (OLE fonts and pictures) stay in the platform layer; the model
// only needs a font's description and whether a picture holds an image.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace brixel {

inline constexpr std::int64_t kFontSizeUnitsPerPoint = 10000;  // fonts keep sizes as currency

// A font by value. The member defaults are the control's standard font, which
// every font property starts from.
struct FontDesc {
    std::u16string face = u"MS Sans Serif";
    std::int64_t size = 8 * kFontSizeUnitsPerPoint;
    std::int16_t weight = 400;  // regular
    std::int16_t charset = 0;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;

    friend bool operator==(const FontDesc&, const FontDesc&) = default;
};

// A picture object shared with the container and the property pages.
class PictureObject {
public:
    virtual ~PictureObject() = default;
    virtual bool HasImage() const = 0;
};

using SharedPicture = std::shared_ptr<const PictureObject>;

// An empty reference and a picture object without an image both draw nothing.
inline bool HoldsImage(const SharedPicture& picture) { return picture != nullptr && picture->HasImage(); }

}  // namespace brixel
