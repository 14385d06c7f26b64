// Property ids of the native button, looked up once by their automation
// names, so that the numbers are spelled only in the native library.
using System;

namespace Korvane.Nimbara
{
    internal static class Prop
    {
        // Ids only the Windows Forms surface has.
        internal const int FlatStyle = 0x10001;
        internal const int BorderColorCustom = 0x10002;
        internal const int MouseInBorderColorCustom = 0x10003;
        internal const int DownBorderColorCustom = 0x10004;

        internal static readonly int Active = Id("Active");
        internal static readonly int AppearanceStyle = Id("AppearanceStyle");
        internal static readonly int BackColor = Id("BackColor");
        internal static readonly int Bevel = Id("Bevel");
        internal static readonly int BevelLowerShade = Id("BevelLowerShade");
        internal static readonly int BevelUpperShade = Id("BevelUpperShade");
        internal static readonly int BorderColor = Id("BorderColor");
        internal static readonly int BorderStyle = Id("BorderStyle");
        internal static readonly int Caption = Id("Caption");
        internal static readonly int CaptionHAlignment = Id("CaptionHAlignment");
        internal static readonly int CaptionMargins = Id("CaptionMargins");
        internal static readonly int CaptionVAlignment = Id("CaptionVAlignment");
        internal static readonly int CaptionWrap = Id("CaptionWrap");
        internal static readonly int ClickSound = Id("ClickSound");
        internal static readonly int ClickSoundFile = Id("ClickSoundFile");
        internal static readonly int CoolButton = Id("CoolButton");
        internal static readonly int CornerRoundingLevel = Id("CornerRoundingLevel");
        internal static readonly int CornerStyle = Id("CornerStyle");
        internal static readonly int DisabledBackColor = Id("DisabledBackColor");
        internal static readonly int DisabledBorderColor = Id("DisabledBorderColor");
        internal static readonly int DisabledFont = Id("DisabledFont");
        internal static readonly int DisabledFontColor = Id("DisabledFontColor");
        internal static readonly int DisabledGradient = Id("DisabledGradient");
        internal static readonly int DisabledGradientColor1 = Id("DisabledGradientColor1");
        internal static readonly int DisabledGradientColor2 = Id("DisabledGradientColor2");
        internal static readonly int DisabledGradientStyle = Id("DisabledGradientStyle");
        internal static readonly int DisabledGradientStyleVariant = Id("DisabledGradientStyleVariant");
        internal static readonly int DisabledPicture = Id("DisabledPicture");
        internal static readonly int DisabledPictureHAlignment = Id("DisabledPictureHAlignment");
        internal static readonly int DisabledPictureStyle = Id("DisabledPictureStyle");
        internal static readonly int DisabledPictureTransparentColor = Id("DisabledPictureTransparentColor");
        internal static readonly int DisabledPictureVAlignment = Id("DisabledPictureVAlignment");
        internal static readonly int DownBackColor = Id("DownBackColor");
        internal static readonly int DownBorderColor = Id("DownBorderColor");
        internal static readonly int DownBorderStyle = Id("DownBorderStyle");
        internal static readonly int DownFont = Id("DownFont");
        internal static readonly int DownFontColor = Id("DownFontColor");
        internal static readonly int DownGradient = Id("DownGradient");
        internal static readonly int DownGradientColor1 = Id("DownGradientColor1");
        internal static readonly int DownGradientColor2 = Id("DownGradientColor2");
        internal static readonly int DownGradientStyle = Id("DownGradientStyle");
        internal static readonly int DownGradientStyleVariant = Id("DownGradientStyleVariant");
        internal static readonly int DownPicture = Id("DownPicture");
        internal static readonly int DownPictureHAlignment = Id("DownPictureHAlignment");
        internal static readonly int DownPictureStyle = Id("DownPictureStyle");
        internal static readonly int DownPictureTransparentColor = Id("DownPictureTransparentColor");
        internal static readonly int DownPictureVAlignment = Id("DownPictureVAlignment");
        internal static readonly int EnableDisabledProperties = Id("EnableDisabledProperties");
        internal static readonly int EnableDownProperties = Id("EnableDownProperties");
        internal static readonly int EnableMouseInProperties = Id("EnableMouseInProperties");
        internal static readonly int Enabled = Id("Enabled");
        internal static readonly int Font = Id("Font");
        internal static readonly int FontColor = Id("FontColor");
        internal static readonly int Gradient = Id("Gradient");
        internal static readonly int GradientColor1 = Id("GradientColor1");
        internal static readonly int GradientColor2 = Id("GradientColor2");
        internal static readonly int GradientStyle = Id("GradientStyle");
        internal static readonly int GradientStyleVariant = Id("GradientStyleVariant");
        internal static readonly int Hyperlink = Id("Hyperlink");
        internal static readonly int HyperlinkAddress = Id("HyperlinkAddress");
        internal static readonly int Menu = Id("Menu");
        internal static readonly int MenuAlignment = Id("MenuAlignment");
        internal static readonly int MenuAutoDrop = Id("MenuAutoDrop");
        internal static readonly int MenuButtonAlignment = Id("MenuButtonAlignment");
        internal static readonly int MenuButtonStyle = Id("MenuButtonStyle");
        internal static readonly int MenuButtonTriangleColor = Id("MenuButtonTriangleColor");
        internal static readonly int MenuButtonWidth = Id("MenuButtonWidth");
        internal static readonly int MenuFont = Id("MenuFont");
        internal static readonly int MenuSidebar = Id("MenuSidebar");
        internal static readonly int MouseInBackColor = Id("MouseInBackColor");
        internal static readonly int MouseInBorderColor = Id("MouseInBorderColor");
        internal static readonly int MouseInBorderStyle = Id("MouseInBorderStyle");
        internal static readonly int MouseInFont = Id("MouseInFont");
        internal static readonly int MouseInFontColor = Id("MouseInFontColor");
        internal static readonly int MouseInGradient = Id("MouseInGradient");
        internal static readonly int MouseInGradientColor1 = Id("MouseInGradientColor1");
        internal static readonly int MouseInGradientColor2 = Id("MouseInGradientColor2");
        internal static readonly int MouseInGradientStyle = Id("MouseInGradientStyle");
        internal static readonly int MouseInGradientStyleVariant = Id("MouseInGradientStyleVariant");
        internal static readonly int MouseInPicture = Id("MouseInPicture");
        internal static readonly int MouseInPictureHAlignment = Id("MouseInPictureHAlignment");
        internal static readonly int MouseInPictureStyle = Id("MouseInPictureStyle");
        internal static readonly int MouseInPictureTransparentColor = Id("MouseInPictureTransparentColor");
        internal static readonly int MouseInPictureVAlignment = Id("MouseInPictureVAlignment");
        internal static readonly int MouseInSound = Id("MouseInSound");
        internal static readonly int MouseInSoundFile = Id("MouseInSoundFile");
        internal static readonly int Picture = Id("Picture");
        internal static readonly int PictureEffectWhenMouseDown = Id("PictureEffectWhenMouseDown");
        internal static readonly int PictureEffectWhenMouseOver = Id("PictureEffectWhenMouseOver");
        internal static readonly int PictureHAlignment = Id("PictureHAlignment");
        internal static readonly int PictureMargins = Id("PictureMargins");
        internal static readonly int PictureStyle = Id("PictureStyle");
        internal static readonly int PictureTransparentColor = Id("PictureTransparentColor");
        internal static readonly int PictureVAlignment = Id("PictureVAlignment");
        internal static readonly int ShowDefaultBorder = Id("ShowDefaultBorder");
        internal static readonly int ShowFocusBorder = Id("ShowFocusBorder");
        internal static readonly int ShowHyperlink = Id("ShowHyperlink");
        internal static readonly int ShowMenuButtonTriangle = Id("ShowMenuButtonTriangle");
        internal static readonly int ToggleButton = Id("ToggleButton");
        internal static readonly int ToolTipText = Id("ToolTipText");
        internal static readonly int TranslucentLevel = Id("TranslucentLevel");
        internal static readonly int TranslucentStyle = Id("TranslucentStyle");
        internal static readonly int XPColorScheme = Id("XPColorScheme");

        private static int Id(string name)
        {
            int id;
            if (Abi.brixel_property_id(name, out id) != Abi.OK)
                throw new InvalidOperationException("The native button library has no property " + name + ".");
            return id;
        }
    }
}
