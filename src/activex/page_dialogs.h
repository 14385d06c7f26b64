// What the pages show besides their own dialog: the system colour and
// open-file dialogs, and the owner-drawn swatches and picture previews.
#pragma once

#include "activex/com_owners.h"

#include <ocidl.h>
#include <olectl.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brixel::activex {

// Which files a picture field offers.
enum class PictureFiles : std::uint8_t { Pictures, Icons };

// The system dialogs a page opens, owned by `owner`. The colour dialog's
// custom row lives as long as the page.
class PageDialogs {
public:
    // The system colour dialog (any colour), started from the number the
    // field text starts with; nothing when the user cancels.
    std::optional<std::uint32_t> ChooseColour(HWND owner, std::wstring_view field_text);
    // The open-file dialog with the filter of `files`, and the chosen file
    // loaded by the system picture loader: nothing when the user cancels, a
    // null picture when the loader cannot read the file.
    static std::optional<win::ComPtr<IPictureDisp>> ChoosePicture(HWND owner, PictureFiles files);
    // The open-file dialog for wave files; empty when the user cancels.
    static std::wstring ChooseWaveFile(HWND owner);

private:
    COLORREF custom_colours_[16] = {};
};

// Resolves an OLE colour (system colours included) to a GDI colour.
COLORREF ScreenColour(std::uint32_t ole_colour);
// A swatch filled with `colour`; without one it shows no colour of its own.
void DrawSwatch(const DRAWITEMSTRUCT& item, std::optional<std::uint32_t> colour);
// A picture preview: the picture fitted inside, never enlarged.
void DrawPicturePreview(const DRAWITEMSTRUCT& item, IPictureDisp* picture);
// Plays a wave file to its end; nothing for an empty path.
void PlayWaveFile(const std::wstring& path);

}  // namespace brixel::activex
