#include "pixel/picture_registry.h"

namespace brixel::pixel {
namespace {

bool Inside(const PixelPicture& p, int x, int y) {
    return x >= 0 && y >= 0 && x < p.size.width && y < p.size.height;
}

std::size_t Index(const PixelPicture& p, int x, int y) {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(p.size.width) + static_cast<std::size_t>(x);
}

}  // namespace

Pixel PixelPicture::ColourAt(int x, int y) const {
    if (!Inside(*this, x, y)) return 0;
    const std::size_t i = Index(*this, x, y);
    return i < colour.size() ? colour[i] : 0;
}

bool PixelPicture::Transparent(int x, int y) const {
    if (kind == PictureKind::Bitmap || !Inside(*this, x, y)) return false;
    const std::size_t i = Index(*this, x, y);
    return i < mask.size() && mask[i] != 0;
}

void PictureRegistry::Register(std::uintptr_t value, PixelPicture picture) {
    pictures_[value] = std::move(picture);
}

const PixelPicture* PictureRegistry::Find(const PictureRef& picture) const {
    const auto it = pictures_.find(picture.value);
    if (it == pictures_.end() || it->second.kind != picture.kind) return nullptr;
    return &it->second;
}

}  // namespace brixel::pixel
