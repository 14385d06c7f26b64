// The control's whole configuration as one plain record, and the run-time
// interaction state that decides which of its state variants is in force.
//
// Members carry the automation names. Their defaults are not written here: a
// new record takes them from the member table (NewControlProperties), so the
// table stays the single place that states them.
#pragma once

#include <cstdint>
#include <string>

#include "core/colour.h"
#include "core/shared_objects.h"

namespace brixel {

struct ButtonProperties {
    std::u16string Caption;
    OleColor BackColor = 0;
    bool Enabled = false;

    std::int16_t Bevel = 0;
    OleColor BevelUpperShade = 0;
    OleColor BevelLowerShade = 0;
    bool CoolButton = false;
    bool ShowFocusBorder = false;
    bool ShowDefaultBorder = false;
    bool Active = false;
    bool ToggleButton = false;
    std::int16_t Appearance = 0;
    std::int16_t XPColorScheme = 0;
    std::int16_t AppearanceStyle = 0;
    std::u16string CornerStyle;
    std::u16string CornerRoundingLevel;
    std::u16string ToolTipText;
    bool EnableMouseInProperties = false;
    bool EnableDownProperties = false;
    bool EnableDisabledProperties = false;
    bool RightToLeft = false;

    // Caption.
    FontDesc Font;
    FontDesc MouseInFont;
    FontDesc DownFont;
    FontDesc DisabledFont;
    OleColor FontColor = 0;
    OleColor MouseInFontColor = 0;
    OleColor DownFontColor = 0;
    OleColor DisabledFontColor = 0;
    std::u16string CaptionMargins;
    std::int16_t CaptionHAlignment = 0;
    std::int16_t CaptionVAlignment = 0;
    bool CaptionWrap = false;

    // Back colours and borders.
    OleColor MouseInBackColor = 0;
    OleColor DownBackColor = 0;
    OleColor DisabledBackColor = 0;
    OleColor BorderColor = 0;
    OleColor MouseInBorderColor = 0;
    OleColor DownBorderColor = 0;
    OleColor DisabledBorderColor = 0;
    std::int16_t BorderStyle = 0;
    std::int16_t MouseInBorderStyle = 0;
    std::int16_t DownBorderStyle = 0;
    // The user chose the border colour himself; an XP scheme leaves it alone.
    bool CustomBorderColor = false;
    bool CustomMouseInBorderColor = false;
    bool CustomBackBorderColor = false;  // for DownBorderColor

    // Gradients.
    bool Gradient = false;
    std::int16_t GradientStyle = 0;
    std::int16_t GradientStyleVariant = 0;
    OleColor GradientColor1 = 0;
    OleColor GradientColor2 = 0;
    bool MouseInGradient = false;
    std::int16_t MouseInGradientStyle = 0;
    std::int16_t MouseInGradientStyleVariant = 0;
    OleColor MouseInGradientColor1 = 0;
    OleColor MouseInGradientColor2 = 0;
    bool DownGradient = false;
    std::int16_t DownGradientStyle = 0;
    std::int16_t DownGradientStyleVariant = 0;
    OleColor DownGradientColor1 = 0;
    OleColor DownGradientColor2 = 0;
    bool DisabledGradient = false;
    std::int16_t DisabledGradientStyle = 0;
    std::int16_t DisabledGradientStyleVariant = 0;
    OleColor DisabledGradientColor1 = 0;
    OleColor DisabledGradientColor2 = 0;

    // Pictures.
    SharedPicture Picture;
    SharedPicture MouseInPicture;
    SharedPicture DownPicture;
    SharedPicture DisabledPicture;
    OleColor PictureTransparentColor = 0;
    OleColor MouseInPictureTransparentColor = 0;
    OleColor DownPictureTransparentColor = 0;
    OleColor DisabledPictureTransparentColor = 0;
    std::int16_t PictureStyle = 0;
    std::int16_t MouseInPictureStyle = 0;
    std::int16_t DownPictureStyle = 0;
    std::int16_t DisabledPictureStyle = 0;
    std::int16_t PictureHAlignment = 0;
    std::int16_t PictureVAlignment = 0;
    std::int16_t MouseInPictureHAlignment = 0;
    std::int16_t MouseInPictureVAlignment = 0;
    std::int16_t DownPictureHAlignment = 0;
    std::int16_t DownPictureVAlignment = 0;
    std::int16_t DisabledPictureHAlignment = 0;
    std::int16_t DisabledPictureVAlignment = 0;
    std::u16string PictureMargins;
    std::int16_t PictureEffectWhenMouseDown = 0;
    std::int16_t PictureEffectWhenMouseOver = 0;

    // Mouse, sounds, hyperlink, translucency.
    std::int16_t MousePointer = 0;
    SharedPicture MouseIcon;
    std::int16_t ClickSound = 0;
    std::u16string ClickSoundFile;
    std::int16_t MouseInSound = 0;
    std::u16string MouseInSoundFile;
    bool Hyperlink = false;
    std::u16string HyperlinkAddress;
    bool ShowHyperlink = false;
    std::int16_t TranslucentStyle = 0;
    std::int16_t TranslucentLevel = 0;

    // The drop-down menu.
    bool Menu = false;
    OleColor MenuSelectionBackColor = 0;
    bool MenuSidebar = false;
    OleColor MenuSidebarColor = 0;
    OleColor MenuFontColor = 0;
    OleColor MenuSeparatorColor = 0;
    OleColor MenuBackColor = 0;
    std::int16_t MenuButtonAlignment = 0;
    std::int16_t MenuButtonStyle = 0;
    std::int16_t MenuButtonWidth = 0;
    OleColor MenuButtonTriangleColor = 0;
    std::int16_t MenuAlignment = 0;
    OleColor MenuSelectionFontColor = 0;
    bool ShowMenuButtonTriangle = false;
    FontDesc MenuFont;
    bool MenuAutoDrop = false;

    // Member by member; pictures compare as the objects they hold.
    friend bool operator==(const ButtonProperties&, const ButtonProperties&) = default;
};

// Which set of the visual properties is in force.
enum class StateVariant : std::uint8_t { Normal, MouseIn, Down, Disabled };

// The run-time state the behaviour layer keeps; painting and the change rules
// read it. `toggled` can only be set while ToggleButton is TRUE.
struct InteractionState {
    bool mouse_in = false;
    bool pressed = false;
    bool toggled = false;
    bool menu_open = false;
    bool auto_drop_armed = false;
    friend bool operator==(const InteractionState&, const InteractionState&) = default;
};

}  // namespace brixel
