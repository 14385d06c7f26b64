// The public enumerations and delegates. Their names and values are a contract
// with compiled forms and the designer's generated code; kvnFlatStyle is the
// one type whose numbers differ from the ActiveX control's (Native maps it).
using System;

namespace Korvane.Nimbara.BrixelDemoEnum
{
    public enum kvnFlatStyle { Flat = 0, Popup = 1, Standard = 2, System = 3, XPStyle = 4, XPPopup = 5 }

    public enum kvnClickSound { NoSound = 0, Sound1 = 1, Sound2 = 2, Custom = 99 }

    public enum kvnBorderStyle { None = 0, Solid = 1, Dots = 2, Dashes = 3, DoubleLine = 4 }

    public enum kvnTranslucentStyle { NoTranslucent = 0, All = 1, Background = 2 }

    public enum kvnImageStyle { Normal = 0, Stretched = 1 }

    public enum kvnImageEffect { NoEffect = 0, Popup = 1, Lighter = 2, Darker = 3 }

    public enum kvnGradientFillStyle
    {
        GradientStyleHorizontal = 0,
        GradientStyleVertical = 1,
        GradientStyleDiagonalDown = 2,
        GradientStyleDiagonalUp = 3,
        GradientStyleCorner = 4,
        GradientStyleXPStyle1 = 5,
        GradientStyleXPStyle2 = 6,
    }

    public enum kvnGradientStyleVariant
    {
        GradientStyleVariant1 = 0,
        GradientStyleVariant2 = 1,
        GradientStyleVariant3 = 2,
        GradientStyleVariant4 = 3,
    }

    public enum kvnAppearanceStyle { DefaultStyle = 0, Office2003Style = 1 }

    public enum kvnXPColorScheme { Blue = 0, OliveGreen = 1, Silver = 2, AutoDetect = 3 }

    public enum kvnMenuButtonStyle { PushButtonAndDropdownMenu = 0, DropdownMenu = 1 }

    public enum kvnMenuAlignment { LeftAligned = 0, RightAligned = 1 }

    // The delegate names are not uniform; compiled handlers bind to them as they are.
    public delegate void ButtonToggledEventHandler(object sender, bool State);
    public delegate void WhileMouseDownEventHandler(object sender);
    public delegate void MenuButtonPressedHandler(object sender);
    public delegate void MenuDroppedHandler(object sender, bool State);
    public delegate void MenuItemClickHandler(object sender, EventArgs e);
    public delegate void MenuItemSelectHandler(object sender, EventArgs e);
    public delegate void MenuItemDisposedHandler(object sender, EventArgs e);
}
