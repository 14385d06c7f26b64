// The properties of the designer's grid, by category. Values live in the
// native button; the getters and setters convert and forward (Host.cs).
using System.ComponentModel;
using System.Drawing;
using System.Drawing.Design;
using Korvane.Nimbara.BrixelDemoEnum;

namespace Korvane.Nimbara
{
    public partial class BrixelDemo
    {
        [Category("Appearance"), Description("Returns/sets the style family of the face: the default colours or the Office 2003 preset.")]
        [RefreshProperties(RefreshProperties.All), DefaultValue(kvnAppearanceStyle.DefaultStyle)]
        public kvnAppearanceStyle AppearanceStyle
        {
            get { return (kvnAppearanceStyle)GetInt(Prop.AppearanceStyle); }
            set { SetEnum(Prop.AppearanceStyle, (int)value, typeof(kvnAppearanceStyle)); }
        }

        [Category("Appearance"), Description("Returns/sets how strongly each corner is rounded, one level per corner separated by semicolons.")]
        [DefaultValue("1;1;1;1")]
        public string CornerRoundingLevel
        {
            get { return GetText(Prop.CornerRoundingLevel); }
            set { SetText(Prop.CornerRoundingLevel, value); }
        }

        [Category("Appearance"), Description("Returns/sets which corners are rounded, one style per corner separated by semicolons.")]
        [DefaultValue("0;0;0;0")]
        public string CornerStyle
        {
            get { return GetText(Prop.CornerStyle); }
            set { SetText(Prop.CornerStyle, value); }
        }

        [Category("Appearance"), Description("Returns/sets the background colour of the Brixel object while it is disabled.")]
        public Color DisabledBackColor
        {
            get { return GetColour(Prop.DisabledBackColor); }
            set { SetColour(Prop.DisabledBackColor, value); }
        }

        private static readonly Color DefaultDisabledBackColor = Color.FromArgb(245, 244, 234);
        public bool ShouldSerializeDisabledBackColor() { return !SameRgb(DisabledBackColor, DefaultDisabledBackColor); }
        public void ResetDisabledBackColor() { DisabledBackColor = DefaultDisabledBackColor; }

        [Category("Appearance"), Description("Returns/sets the background colour of the Brixel object while it is pressed.")]
        public Color DownBackColor
        {
            get { return GetColour(Prop.DownBackColor); }
            set { SetColour(Prop.DownBackColor, value); }
        }

        private static readonly Color DefaultDownBackColor = Color.FromArgb(229, 229, 229);
        public bool ShouldSerializeDownBackColor() { return !SameRgb(DownBackColor, DefaultDownBackColor); }
        public void ResetDownBackColor() { DownBackColor = DefaultDownBackColor; }

        [Category("Appearance"), Description("Returns/sets the overall look of the Brixel object face.")]
        [RefreshProperties(RefreshProperties.All), DefaultValue(kvnFlatStyle.XPStyle)]
        public kvnFlatStyle FlatStyle
        {
            get { return (kvnFlatStyle)GetInt(Prop.FlatStyle); }
            set { SetEnum(Prop.FlatStyle, (int)value, typeof(kvnFlatStyle)); }
        }

        [Category("Appearance"), Description("Returns/sets the background colour of the Brixel object while the pointer is over it.")]
        public Color MouseInBackColor
        {
            get { return GetColour(Prop.MouseInBackColor); }
            set { SetColour(Prop.MouseInBackColor, value); }
        }

        private static readonly Color DefaultMouseInBackColor = Color.FromArgb(212, 209, 194);
        public bool ShouldSerializeMouseInBackColor() { return !SameRgb(MouseInBackColor, DefaultMouseInBackColor); }
        public void ResetMouseInBackColor() { MouseInBackColor = DefaultMouseInBackColor; }

        [Category("Appearance"), Description("Returns/sets the text of the tooltip shown when the pointer rests on the Brixel object.")]
        [DefaultValue("")]
        public string TooltipText
        {
            get { return GetText(Prop.ToolTipText); }
            set { SetText(Prop.ToolTipText, value); }
        }

        [Category("Appearance"), Description("Returns/sets how opaque a translucent Brixel object is, from 0 (clear) to 255 (opaque).")]
        [DefaultValue(120)]
        public int TranslucentLevel
        {
            get { return GetInt(Prop.TranslucentLevel); }
            set { SetInt(Prop.TranslucentLevel, value); }
        }

        [Category("Appearance"), Description("Returns/sets what of the Brixel object is blended with the container behind it.")]
        [DefaultValue(kvnTranslucentStyle.NoTranslucent)]
        public kvnTranslucentStyle TranslucentStyle
        {
            get { return (kvnTranslucentStyle)GetInt(Prop.TranslucentStyle); }
            set { SetEnum(Prop.TranslucentStyle, (int)value, typeof(kvnTranslucentStyle)); }
        }

        [Category("Appearance"), Description("Returns/sets the colour scheme of the XP look.")]
        [RefreshProperties(RefreshProperties.All)]
        public kvnXPColorScheme XPColorScheme
        {
            get { return (kvnXPColorScheme)GetInt(Prop.XPColorScheme); }
            set { SetEnum(Prop.XPColorScheme, (int)value, typeof(kvnXPColorScheme)); }
        }

        [Category("Behavior"), Description("Returns/sets whether the Brixel object takes input at all; an inactive button raises no event.")]
        [DefaultValue(true)]
        public bool Active
        {
            get { return GetBool(Prop.Active); }
            set { SetBool(Prop.Active, value); }
        }

        [Category("Behavior"), Description("Returns/sets the sound played when the Brixel object is clicked.")]
        [DefaultValue(kvnClickSound.Sound1)]
        public kvnClickSound ClickSound
        {
            get { return (kvnClickSound)GetInt(Prop.ClickSound); }
            set { SetEnum(Prop.ClickSound, (int)value, typeof(kvnClickSound)); }
        }

        [Category("Behavior"), Description("Returns/sets the path of the wave file played on a click when ClickSound is Custom.")]
        [Editor("Korvane.Nimbara.WaveFileNameEditor, Korvane.Nimbara.BrixelDemo", typeof(UITypeEditor)), DefaultValue("")]
        public string ClickSoundFile
        {
            get { return GetText(Prop.ClickSoundFile); }
            set { SetText(Prop.ClickSoundFile, value); }
        }

        [Category("Behavior"), Description("Returns/sets whether the 3D face is drawn flat until the pointer is over the Brixel object.")]
        [DefaultValue(false)]
        public bool CoolButton
        {
            get { return GetBool(Prop.CoolButton); }
            set { SetBool(Prop.CoolButton, value); }
        }

        [Category("Behavior"), Description("Returns/sets whether the disabled state set is used while the Brixel object is disabled.")]
        [DefaultValue(true)]
        public bool EnableDisabledProperties
        {
            get { return GetBool(Prop.EnableDisabledProperties); }
            set { SetBool(Prop.EnableDisabledProperties, value); }
        }

        [Category("Behavior"), Description("Returns/sets whether the down state set is used while the Brixel object is pressed.")]
        [DefaultValue(true)]
        public bool EnableDownProperties
        {
            get { return GetBool(Prop.EnableDownProperties); }
            set { SetBool(Prop.EnableDownProperties, value); }
        }

        [Category("Behavior"), Description("Returns/sets whether the mouse-in state set is used while the pointer is over the Brixel object.")]
        [DefaultValue(true)]
        public bool EnableMouseInProperties
        {
            get { return GetBool(Prop.EnableMouseInProperties); }
            set { SetBool(Prop.EnableMouseInProperties, value); }
        }

        [Category("Behavior"), Description("Returns/sets the sound played when the pointer moves onto the Brixel object.")]
        [DefaultValue(kvnClickSound.Sound2)]
        public kvnClickSound MouseInSound
        {
            get { return (kvnClickSound)GetInt(Prop.MouseInSound); }
            set { SetEnum(Prop.MouseInSound, (int)value, typeof(kvnClickSound)); }
        }

        [Category("Behavior"), Description("Returns/sets the path of the wave file played on mouse entry when MouseInSound is Custom.")]
        [Editor("Korvane.Nimbara.WaveFileNameEditor, Korvane.Nimbara.BrixelDemo", typeof(UITypeEditor)), DefaultValue("")]
        public string MouseInSoundFile
        {
            get { return GetText(Prop.MouseInSoundFile); }
            set { SetText(Prop.MouseInSoundFile, value); }
        }

        [Category("Behavior"), Description("Returns/sets whether the Brixel object latches down on one click and up on the next.")]
        [DefaultValue(false)]
        public bool ToggleButton
        {
            get { return GetBool(Prop.ToggleButton); }
            set { SetBool(Prop.ToggleButton, value); }
        }

        [Category("Border"), Description("Returns/sets the width in pixels of the Brixel object 3D bevel.")]
        [DefaultValue(1)]
        public int Bevel
        {
            get { return GetInt(Prop.Bevel); }
            set { SetInt(Prop.Bevel, value); }
        }

        [Category("Border"), Description("Returns/sets the colour of the bevel's shaded lower and right edges.")]
        public Color BevelLowerShade
        {
            get { return GetColour(Prop.BevelLowerShade); }
            set { SetColour(Prop.BevelLowerShade, value); }
        }

        private static readonly Color DefaultBevelLowerShade = Color.FromArgb(128, 128, 128);
        public bool ShouldSerializeBevelLowerShade() { return !SameRgb(BevelLowerShade, DefaultBevelLowerShade); }
        public void ResetBevelLowerShade() { BevelLowerShade = DefaultBevelLowerShade; }

        [Category("Border"), Description("Returns/sets the colour of the bevel's lit upper and left edges.")]
        public Color BevelUpperShade
        {
            get { return GetColour(Prop.BevelUpperShade); }
            set { SetColour(Prop.BevelUpperShade, value); }
        }

        private static readonly Color DefaultBevelUpperShade = Color.FromArgb(255, 255, 255);
        public bool ShouldSerializeBevelUpperShade() { return !SameRgb(BevelUpperShade, DefaultBevelUpperShade); }
        public void ResetBevelUpperShade() { BevelUpperShade = DefaultBevelUpperShade; }

        [Category("Border"), Description("Returns/sets the Brixel object border colour.")]
        public Color BorderColor
        {
            get { return GetColour(Prop.BorderColor); }
            set { SetColour(Prop.BorderColor, value); }
        }

        private static readonly Color DefaultBorderColor = Color.FromArgb(0, 60, 116);
        // Always written: the Office 2003 rule waits for the designer's BorderColor assignment.
        public bool ShouldSerializeBorderColor() { return true; }
        public void ResetBorderColor() { BorderColor = DefaultBorderColor; }

        [Category("Border"), Description("Returns/sets the Brixel object border style.")]
        [DefaultValue(kvnBorderStyle.Solid)]
        public kvnBorderStyle BorderStyle
        {
            get { return (kvnBorderStyle)GetInt(Prop.BorderStyle); }
            set { SetEnum(Prop.BorderStyle, (int)value, typeof(kvnBorderStyle)); }
        }

        [Category("Border"), Description("Returns/sets the border colour of the Brixel object while it is disabled.")]
        public Color DisabledBorderColor
        {
            get { return GetColour(Prop.DisabledBorderColor); }
            set { SetColour(Prop.DisabledBorderColor, value); }
        }

        private static readonly Color DefaultDisabledBorderColor = Color.FromArgb(212, 208, 200);
        public bool ShouldSerializeDisabledBorderColor() { return !SameRgb(DisabledBorderColor, DefaultDisabledBorderColor); }
        public void ResetDisabledBorderColor() { DisabledBorderColor = DefaultDisabledBorderColor; }

        [Category("Border"), Description("Returns/sets the border colour of the Brixel object while it is pressed.")]
        public Color DownBorderColor
        {
            get { return GetColour(Prop.DownBorderColor); }
            set { SetColour(Prop.DownBorderColor, value); }
        }

        private static readonly Color DefaultDownBorderColor = Color.FromArgb(0, 60, 116);
        public bool ShouldSerializeDownBorderColor() { return !SameRgb(DownBorderColor, DefaultDownBorderColor); }
        public void ResetDownBorderColor() { DownBorderColor = DefaultDownBorderColor; }

        [Category("Border"), Description("Returns/sets the border style of the Brixel object while it is pressed.")]
        [DefaultValue(kvnBorderStyle.Solid)]
        public kvnBorderStyle DownBorderStyle
        {
            get { return (kvnBorderStyle)GetInt(Prop.DownBorderStyle); }
            set { SetEnum(Prop.DownBorderStyle, (int)value, typeof(kvnBorderStyle)); }
        }

        [Category("Border"), Description("Returns/sets the border colour of the Brixel object while the pointer is over it.")]
        public Color MouseInBorderColor
        {
            get { return GetColour(Prop.MouseInBorderColor); }
            set { SetColour(Prop.MouseInBorderColor, value); }
        }

        private static readonly Color DefaultMouseInBorderColor = Color.FromArgb(0, 60, 116);
        public bool ShouldSerializeMouseInBorderColor() { return !SameRgb(MouseInBorderColor, DefaultMouseInBorderColor); }
        public void ResetMouseInBorderColor() { MouseInBorderColor = DefaultMouseInBorderColor; }

        [Category("Border"), Description("Returns/sets the border style of the Brixel object while the pointer is over it.")]
        [DefaultValue(kvnBorderStyle.Solid)]
        public kvnBorderStyle MouseInBorderStyle
        {
            get { return (kvnBorderStyle)GetInt(Prop.MouseInBorderStyle); }
            set { SetEnum(Prop.MouseInBorderStyle, (int)value, typeof(kvnBorderStyle)); }
        }

        [Category("Border"), Description("Returns/sets whether the Brixel object shows the extra border of the form's default button.")]
        [DefaultValue(true)]
        public bool ShowDefaultBorder
        {
            get { return GetBool(Prop.ShowDefaultBorder); }
            set { SetBool(Prop.ShowDefaultBorder, value); }
        }

        [Category("Border"), Description("Returns/sets whether the dotted focus rectangle is drawn while the Brixel object has the focus.")]
        [DefaultValue(true)]
        public bool ShowFocusBorder
        {
            get { return GetBool(Prop.ShowFocusBorder); }
            set { SetBool(Prop.ShowFocusBorder, value); }
        }

        [Category("Gradient"), Description("Returns/sets whether the disabled face of the Brixel object is filled with a gradient.")]
        [DefaultValue(false)]
        public bool DisabledGradient
        {
            get { return GetBool(Prop.DisabledGradient); }
            set { SetBool(Prop.DisabledGradient, value); }
        }

        [Category("Gradient"), Description("Returns/sets the first colour of the disabled gradient.")]
        public Color DisabledGradientColor1
        {
            get { return GetColour(Prop.DisabledGradientColor1); }
            set { SetColour(Prop.DisabledGradientColor1, value); }
        }

        private static readonly Color DefaultDisabledGradientColor1 = Color.FromArgb(255, 255, 255);
        public bool ShouldSerializeDisabledGradientColor1() { return !SameRgb(DisabledGradientColor1, DefaultDisabledGradientColor1); }
        public void ResetDisabledGradientColor1() { DisabledGradientColor1 = DefaultDisabledGradientColor1; }

        [Category("Gradient"), Description("Returns/sets the second colour of the disabled gradient.")]
        public Color DisabledGradientColor2
        {
            get { return GetColour(Prop.DisabledGradientColor2); }
            set { SetColour(Prop.DisabledGradientColor2, value); }
        }

        private static readonly Color DefaultDisabledGradientColor2 = Color.FromArgb(214, 222, 249);
        public bool ShouldSerializeDisabledGradientColor2() { return !SameRgb(DisabledGradientColor2, DefaultDisabledGradientColor2); }
        public void ResetDisabledGradientColor2() { DisabledGradientColor2 = DefaultDisabledGradientColor2; }

        [Category("Gradient"), Description("Returns/sets the geometry of the disabled gradient.")]
        [DefaultValue(kvnGradientFillStyle.GradientStyleHorizontal)]
        public kvnGradientFillStyle DisabledGradientStyle
        {
            get { return (kvnGradientFillStyle)GetInt(Prop.DisabledGradientStyle); }
            set { SetEnum(Prop.DisabledGradientStyle, (int)value, typeof(kvnGradientFillStyle)); }
        }

        [Category("Gradient"), Description("Returns/sets the variant of the disabled gradient's geometry.")]
        [DefaultValue(kvnGradientStyleVariant.GradientStyleVariant1)]
        public kvnGradientStyleVariant DisabledGradientStyleVariant
        {
            get { return (kvnGradientStyleVariant)GetInt(Prop.DisabledGradientStyleVariant); }
            set { SetEnum(Prop.DisabledGradientStyleVariant, (int)value, typeof(kvnGradientStyleVariant)); }
        }

        [Category("Gradient"), Description("Returns/sets whether the pressed face of the Brixel object is filled with a gradient.")]
        [DefaultValue(false)]
        public bool DownGradient
        {
            get { return GetBool(Prop.DownGradient); }
            set { SetBool(Prop.DownGradient, value); }
        }

        [Category("Gradient"), Description("Returns/sets the first colour of the pressed gradient.")]
        public Color DownGradientColor1
        {
            get { return GetColour(Prop.DownGradientColor1); }
            set { SetColour(Prop.DownGradientColor1, value); }
        }

        private static readonly Color DefaultDownGradientColor1 = Color.FromArgb(255, 255, 255);
        public bool ShouldSerializeDownGradientColor1() { return !SameRgb(DownGradientColor1, DefaultDownGradientColor1); }
        public void ResetDownGradientColor1() { DownGradientColor1 = DefaultDownGradientColor1; }

        [Category("Gradient"), Description("Returns/sets the second colour of the pressed gradient.")]
        public Color DownGradientColor2
        {
            get { return GetColour(Prop.DownGradientColor2); }
            set { SetColour(Prop.DownGradientColor2, value); }
        }

        private static readonly Color DefaultDownGradientColor2 = Color.FromArgb(214, 222, 249);
        public bool ShouldSerializeDownGradientColor2() { return !SameRgb(DownGradientColor2, DefaultDownGradientColor2); }
        public void ResetDownGradientColor2() { DownGradientColor2 = DefaultDownGradientColor2; }

        [Category("Gradient"), Description("Returns/sets the geometry of the pressed gradient.")]
        [DefaultValue(kvnGradientFillStyle.GradientStyleHorizontal)]
        public kvnGradientFillStyle DownGradientStyle
        {
            get { return (kvnGradientFillStyle)GetInt(Prop.DownGradientStyle); }
            set { SetEnum(Prop.DownGradientStyle, (int)value, typeof(kvnGradientFillStyle)); }
        }

        [Category("Gradient"), Description("Returns/sets the variant of the pressed gradient's geometry.")]
        [DefaultValue(kvnGradientStyleVariant.GradientStyleVariant1)]
        public kvnGradientStyleVariant DownGradientStyleVariant
        {
            get { return (kvnGradientStyleVariant)GetInt(Prop.DownGradientStyleVariant); }
            set { SetEnum(Prop.DownGradientStyleVariant, (int)value, typeof(kvnGradientStyleVariant)); }
        }

        [Category("Gradient"), Description("Returns/sets whether the normal face of the Brixel object is filled with a gradient.")]
        [DefaultValue(false)]
        public bool Gradient
        {
            get { return GetBool(Prop.Gradient); }
            set { SetBool(Prop.Gradient, value); }
        }

        [Category("Gradient"), Description("Returns/sets the first colour of the normal gradient.")]
        public Color GradientColor1
        {
            get { return GetColour(Prop.GradientColor1); }
            set { SetColour(Prop.GradientColor1, value); }
        }

        private static readonly Color DefaultGradientColor1 = Color.FromArgb(255, 255, 255);
        public bool ShouldSerializeGradientColor1() { return !SameRgb(GradientColor1, DefaultGradientColor1); }
        public void ResetGradientColor1() { GradientColor1 = DefaultGradientColor1; }

        [Category("Gradient"), Description("Returns/sets the second colour of the normal gradient.")]
        public Color GradientColor2
        {
            get { return GetColour(Prop.GradientColor2); }
            set { SetColour(Prop.GradientColor2, value); }
        }

        private static readonly Color DefaultGradientColor2 = Color.FromArgb(214, 222, 249);
        public bool ShouldSerializeGradientColor2() { return !SameRgb(GradientColor2, DefaultGradientColor2); }
        public void ResetGradientColor2() { GradientColor2 = DefaultGradientColor2; }

        [Category("Gradient"), Description("Returns/sets the geometry of the normal gradient.")]
        [DefaultValue(kvnGradientFillStyle.GradientStyleHorizontal)]
        public kvnGradientFillStyle GradientStyle
        {
            get { return (kvnGradientFillStyle)GetInt(Prop.GradientStyle); }
            set { SetEnum(Prop.GradientStyle, (int)value, typeof(kvnGradientFillStyle)); }
        }

        [Category("Gradient"), Description("Returns/sets the variant of the normal gradient's geometry.")]
        [DefaultValue(kvnGradientStyleVariant.GradientStyleVariant1)]
        public kvnGradientStyleVariant GradientStyleVariant
        {
            get { return (kvnGradientStyleVariant)GetInt(Prop.GradientStyleVariant); }
            set { SetEnum(Prop.GradientStyleVariant, (int)value, typeof(kvnGradientStyleVariant)); }
        }

        [Category("Gradient"), Description("Returns/sets whether the mouse-in face of the Brixel object is filled with a gradient.")]
        [DefaultValue(false)]
        public bool MouseInGradient
        {
            get { return GetBool(Prop.MouseInGradient); }
            set { SetBool(Prop.MouseInGradient, value); }
        }

        [Category("Gradient"), Description("Returns/sets the first colour of the mouse-in gradient.")]
        public Color MouseInGradientColor1
        {
            get { return GetColour(Prop.MouseInGradientColor1); }
            set { SetColour(Prop.MouseInGradientColor1, value); }
        }

        private static readonly Color DefaultMouseInGradientColor1 = Color.FromArgb(255, 255, 255);
        public bool ShouldSerializeMouseInGradientColor1() { return !SameRgb(MouseInGradientColor1, DefaultMouseInGradientColor1); }
        public void ResetMouseInGradientColor1() { MouseInGradientColor1 = DefaultMouseInGradientColor1; }

        [Category("Gradient"), Description("Returns/sets the second colour of the mouse-in gradient.")]
        public Color MouseInGradientColor2
        {
            get { return GetColour(Prop.MouseInGradientColor2); }
            set { SetColour(Prop.MouseInGradientColor2, value); }
        }

        private static readonly Color DefaultMouseInGradientColor2 = Color.FromArgb(214, 222, 249);
        public bool ShouldSerializeMouseInGradientColor2() { return !SameRgb(MouseInGradientColor2, DefaultMouseInGradientColor2); }
        public void ResetMouseInGradientColor2() { MouseInGradientColor2 = DefaultMouseInGradientColor2; }

        [Category("Gradient"), Description("Returns/sets the geometry of the mouse-in gradient.")]
        [DefaultValue(kvnGradientFillStyle.GradientStyleHorizontal)]
        public kvnGradientFillStyle MouseInGradientStyle
        {
            get { return (kvnGradientFillStyle)GetInt(Prop.MouseInGradientStyle); }
            set { SetEnum(Prop.MouseInGradientStyle, (int)value, typeof(kvnGradientFillStyle)); }
        }

        [Category("Gradient"), Description("Returns/sets the variant of the mouse-in gradient's geometry.")]
        [DefaultValue(kvnGradientStyleVariant.GradientStyleVariant1)]
        public kvnGradientStyleVariant MouseInGradientStyleVariant
        {
            get { return (kvnGradientStyleVariant)GetInt(Prop.MouseInGradientStyleVariant); }
            set { SetEnum(Prop.MouseInGradientStyleVariant, (int)value, typeof(kvnGradientStyleVariant)); }
        }

        [Category("Hyperlink"), Description("Returns/sets whether a click on the Brixel object also opens HyperlinkAddress.")]
        [DefaultValue(false)]
        public bool Hyperlink
        {
            get { return GetBool(Prop.Hyperlink); }
            set { SetBool(Prop.Hyperlink, value); }
        }

        [Category("Hyperlink"), Description("Returns/sets the web address, file or e-mail address a click opens.")]
        [DefaultValue("")]
        public string HyperlinkAddress
        {
            get { return GetText(Prop.HyperlinkAddress); }
            set { SetText(Prop.HyperlinkAddress, value); }
        }

        [Category("Hyperlink"), Description("Returns/sets whether the Brixel object shows HyperlinkAddress, underlined, instead of its text.")]
        [DefaultValue(false)]
        public bool ShowHyperlink
        {
            get { return GetBool(Prop.ShowHyperlink); }
            set { SetBool(Prop.ShowHyperlink, value); }
        }

        [Category("Image"), Description("Returns/sets the image drawn on the disabled Brixel object face.")]
        [DefaultValue(null)]
        public Image DisabledImage { get { return disabledImage; } set { SetStateImage(ref disabledImage, value, Prop.DisabledPicture); } }

        [Category("Image"), Description("Returns/sets the alignment of the disabled image.")]
        [DefaultValue(ContentAlignment.MiddleCenter)]
        public ContentAlignment DisabledImageAlign
        {
            get { return GetAlign(Prop.DisabledPictureHAlignment, Prop.DisabledPictureVAlignment); }
            set { SetAlign(Prop.DisabledPictureHAlignment, Prop.DisabledPictureVAlignment, value); }
        }

        [Category("Image"), Description("Returns/sets whether the disabled image is drawn at its own size or stretched over the face.")]
        [DefaultValue(kvnImageStyle.Normal)]
        public kvnImageStyle DisabledImageStyle
        {
            get { return (kvnImageStyle)GetInt(Prop.DisabledPictureStyle); }
            set { SetEnum(Prop.DisabledPictureStyle, (int)value, typeof(kvnImageStyle)); }
        }

        [Category("Image"), Description("Returns/sets the colour of the disabled image that is drawn transparent.")]
        public Color DisabledImageTransparentColor
        {
            get { return GetColour(Prop.DisabledPictureTransparentColor); }
            set { SetColour(Prop.DisabledPictureTransparentColor, value); }
        }

        private static readonly Color DefaultDisabledImageTransparentColor = Color.FromArgb(255, 255, 255);
        public bool ShouldSerializeDisabledImageTransparentColor() { return !SameRgb(DisabledImageTransparentColor, DefaultDisabledImageTransparentColor); }
        public void ResetDisabledImageTransparentColor() { DisabledImageTransparentColor = DefaultDisabledImageTransparentColor; }

        [Category("Image"), Description("Returns/sets the image drawn on the pressed Brixel object face.")]
        [DefaultValue(null)]
        public Image DownImage { get { return downImage; } set { SetStateImage(ref downImage, value, Prop.DownPicture); } }

        [Category("Image"), Description("Returns/sets the alignment of the pressed image.")]
        [DefaultValue(ContentAlignment.MiddleCenter)]
        public ContentAlignment DownImageAlign
        {
            get { return GetAlign(Prop.DownPictureHAlignment, Prop.DownPictureVAlignment); }
            set { SetAlign(Prop.DownPictureHAlignment, Prop.DownPictureVAlignment, value); }
        }

        [Category("Image"), Description("Returns/sets whether the pressed image is drawn at its own size or stretched over the face.")]
        [DefaultValue(kvnImageStyle.Normal)]
        public kvnImageStyle DownImageStyle
        {
            get { return (kvnImageStyle)GetInt(Prop.DownPictureStyle); }
            set { SetEnum(Prop.DownPictureStyle, (int)value, typeof(kvnImageStyle)); }
        }

        [Category("Image"), Description("Returns/sets the colour of the pressed image that is drawn transparent.")]
        public Color DownImageTransparentColor
        {
            get { return GetColour(Prop.DownPictureTransparentColor); }
            set { SetColour(Prop.DownPictureTransparentColor, value); }
        }

        private static readonly Color DefaultDownImageTransparentColor = Color.FromArgb(255, 255, 255);
        public bool ShouldSerializeDownImageTransparentColor() { return !SameRgb(DownImageTransparentColor, DefaultDownImageTransparentColor); }
        public void ResetDownImageTransparentColor() { DownImageTransparentColor = DefaultDownImageTransparentColor; }

        [Category("Image"), Description("Returns/sets the image drawn on the normal Brixel object face.")]
        [DefaultValue(null)]
        public Image Image { get { return image; } set { SetStateImage(ref image, value, Prop.Picture); } }

        [Category("Image"), Description("Returns/sets the alignment of the normal image.")]
        [DefaultValue(ContentAlignment.MiddleCenter)]
        public ContentAlignment ImageAlign
        {
            get { return GetAlign(Prop.PictureHAlignment, Prop.PictureVAlignment); }
            set { SetAlign(Prop.PictureHAlignment, Prop.PictureVAlignment, value); }
        }

        [Category("Image"), Description("Returns/sets whether the normal image is drawn at its own size or stretched over the face.")]
        [DefaultValue(kvnImageStyle.Normal)]
        public kvnImageStyle ImageStyle
        {
            get { return (kvnImageStyle)GetInt(Prop.PictureStyle); }
            set { SetEnum(Prop.PictureStyle, (int)value, typeof(kvnImageStyle)); }
        }

        [Category("Image"), Description("Returns/sets the colour of the normal image that is drawn transparent.")]
        public Color ImageTransparentColor
        {
            get { return GetColour(Prop.PictureTransparentColor); }
            set { SetColour(Prop.PictureTransparentColor, value); }
        }

        private static readonly Color DefaultImageTransparentColor = Color.FromArgb(255, 255, 255);
        public bool ShouldSerializeImageTransparentColor() { return !SameRgb(ImageTransparentColor, DefaultImageTransparentColor); }
        public void ResetImageTransparentColor() { ImageTransparentColor = DefaultImageTransparentColor; }

        [Category("Image"), Description("Returns/sets the image drawn on the mouse-in Brixel object face.")]
        [DefaultValue(null)]
        public Image MouseInImage { get { return mouseInImage; } set { SetStateImage(ref mouseInImage, value, Prop.MouseInPicture); } }

        [Category("Image"), Description("Returns/sets the alignment of the mouse-in image.")]
        [DefaultValue(ContentAlignment.MiddleCenter)]
        public ContentAlignment MouseInImageAlign
        {
            get { return GetAlign(Prop.MouseInPictureHAlignment, Prop.MouseInPictureVAlignment); }
            set { SetAlign(Prop.MouseInPictureHAlignment, Prop.MouseInPictureVAlignment, value); }
        }

        [Category("Image"), Description("Returns/sets whether the mouse-in image is drawn at its own size or stretched over the face.")]
        [DefaultValue(kvnImageStyle.Normal)]
        public kvnImageStyle MouseInImageStyle
        {
            get { return (kvnImageStyle)GetInt(Prop.MouseInPictureStyle); }
            set { SetEnum(Prop.MouseInPictureStyle, (int)value, typeof(kvnImageStyle)); }
        }

        [Category("Image"), Description("Returns/sets the colour of the mouse-in image that is drawn transparent.")]
        public Color MouseInImageTransparentColor
        {
            get { return GetColour(Prop.MouseInPictureTransparentColor); }
            set { SetColour(Prop.MouseInPictureTransparentColor, value); }
        }

        private static readonly Color DefaultMouseInImageTransparentColor = Color.FromArgb(255, 255, 255);
        public bool ShouldSerializeMouseInImageTransparentColor() { return !SameRgb(MouseInImageTransparentColor, DefaultMouseInImageTransparentColor); }
        public void ResetMouseInImageTransparentColor() { MouseInImageTransparentColor = DefaultMouseInImageTransparentColor; }

        [Category("Image"), Description("Returns/sets the effect applied to the image while the Brixel object is pressed.")]
        [DefaultValue(kvnImageEffect.NoEffect)]
        public kvnImageEffect ImageEffectWhenMouseDown
        {
            get { return (kvnImageEffect)GetInt(Prop.PictureEffectWhenMouseDown); }
            set { SetEnum(Prop.PictureEffectWhenMouseDown, (int)value, typeof(kvnImageEffect)); }
        }

        [Category("Image"), Description("Returns/sets the effect applied to the image while the pointer is over the Brixel object.")]
        [DefaultValue(kvnImageEffect.NoEffect)]
        public kvnImageEffect ImageEffectWhenMouseOver
        {
            get { return (kvnImageEffect)GetInt(Prop.PictureEffectWhenMouseOver); }
            set { SetEnum(Prop.PictureEffectWhenMouseOver, (int)value, typeof(kvnImageEffect)); }
        }

        [Category("Image"), Description("Returns/sets the image margins in pixels as left;top;right;bottom.")]
        [DefaultValue("6;6;6;6")]
        public string ImageMargins
        {
            get { return GetText(Prop.PictureMargins); }
            set { SetText(Prop.PictureMargins, value); }
        }

        [Category("Menu"), Description("Returns/sets a Boolean value that indicates whether the Brixel object has a menu.")]
        [DefaultValue(false)]
        public bool Menu
        {
            get { return GetBool(Prop.Menu); }
            set { SetBool(Prop.Menu, value); }
        }

        [Category("Menu"), Description("Returns/sets the edge of the Brixel object the menu lines up with.")]
        [DefaultValue(kvnMenuAlignment.LeftAligned)]
        public kvnMenuAlignment MenuAlignment
        {
            get { return (kvnMenuAlignment)GetInt(Prop.MenuAlignment); }
            set { SetEnum(Prop.MenuAlignment, (int)value, typeof(kvnMenuAlignment)); }
        }

        [Category("Menu"), Description("Returns/sets whether the menu drops by itself when the pointer moves onto the Brixel object.")]
        [DefaultValue(false)]
        public bool MenuAutoDrop
        {
            get { return GetBool(Prop.MenuAutoDrop); }
            set { SetBool(Prop.MenuAutoDrop, value); }
        }

        [Category("Menu"), Description("Returns/sets the background colour of the menu.")]
        public Color MenuBackColor { get { return menuBackColor; } set { menuBackColor = value; } }

        private static readonly Color DefaultMenuBackColor = Color.FromArgb(246, 246, 246);
        public bool ShouldSerializeMenuBackColor() { return !SameRgb(MenuBackColor, DefaultMenuBackColor); }
        public void ResetMenuBackColor() { MenuBackColor = DefaultMenuBackColor; }

        [Category("Menu"), Description("Returns/sets the side of the Brixel object that holds the Menu button.")]
        [DefaultValue(kvnMenuAlignment.RightAligned)]
        public kvnMenuAlignment MenuButtonAlignment
        {
            get { return (kvnMenuAlignment)GetInt(Prop.MenuButtonAlignment); }
            set { SetEnum(Prop.MenuButtonAlignment, (int)value, typeof(kvnMenuAlignment)); }
        }

        [Category("Menu"), Description("Returns/sets whether the Brixel object is split into a push part and a Menu button, or drops the menu from anywhere.")]
        [DefaultValue(kvnMenuButtonStyle.PushButtonAndDropdownMenu)]
        public kvnMenuButtonStyle MenuButtonStyle
        {
            get { return (kvnMenuButtonStyle)GetInt(Prop.MenuButtonStyle); }
            set { SetEnum(Prop.MenuButtonStyle, (int)value, typeof(kvnMenuButtonStyle)); }
        }

        [Category("Menu"), Description("Returns/sets the colour of the triangle in the Brixel object Menu button.")]
        public Color MenuButtonTriangleColor
        {
            get { return GetColour(Prop.MenuButtonTriangleColor); }
            set { SetColour(Prop.MenuButtonTriangleColor, value); }
        }

        private static readonly Color DefaultMenuButtonTriangleColor = Color.FromArgb(0, 0, 0);
        public bool ShouldSerializeMenuButtonTriangleColor() { return !SameRgb(MenuButtonTriangleColor, DefaultMenuButtonTriangleColor); }
        public void ResetMenuButtonTriangleColor() { MenuButtonTriangleColor = DefaultMenuButtonTriangleColor; }

        [Category("Menu"), Description("Returns/sets the width of the Brixel object Menu button.")]
        [DefaultValue(17)]
        public int MenuButtonWidth
        {
            get { return GetInt(Prop.MenuButtonWidth); }
            set { SetInt(Prop.MenuButtonWidth, value); }
        }

        [Category("Menu"), Description("Returns/sets the font of the menu items.")]
        public Font MenuFont { get { return menuFont; } set { SetStateFont(ref menuFont, value, Prop.MenuFont); } }

        public bool ShouldSerializeMenuFont() { return !IsDefaultFont(MenuFont); }
        public void ResetMenuFont() { MenuFont = NewDefaultFont(); }

        [Category("Menu"), Description("Returns/sets the text colour of the menu items.")]
        public Color MenuForeColor { get { return menuForeColor; } set { menuForeColor = value; } }

        private static readonly Color DefaultMenuForeColor = Color.FromArgb(0, 0, 0);
        public bool ShouldSerializeMenuForeColor() { return !SameRgb(MenuForeColor, DefaultMenuForeColor); }
        public void ResetMenuForeColor() { MenuForeColor = DefaultMenuForeColor; }

        [Category("Menu"), Description("Returns/sets the background colour of the highlighted menu item.")]
        public Color MenuSelectionBackColor { get { return menuSelectionBackColor; } set { menuSelectionBackColor = value; } }

        private static readonly Color DefaultMenuSelectionBackColor = Color.FromArgb(255, 238, 194);
        public bool ShouldSerializeMenuSelectionBackColor() { return !SameRgb(MenuSelectionBackColor, DefaultMenuSelectionBackColor); }
        public void ResetMenuSelectionBackColor() { MenuSelectionBackColor = DefaultMenuSelectionBackColor; }

        [Category("Menu"), Description("Returns/sets the text colour of the highlighted menu item.")]
        public Color MenuSelectionForeColor { get { return menuSelectionForeColor; } set { menuSelectionForeColor = value; } }

        private static readonly Color DefaultMenuSelectionForeColor = Color.FromArgb(255, 255, 255);
        public bool ShouldSerializeMenuSelectionForeColor() { return !SameRgb(MenuSelectionForeColor, DefaultMenuSelectionForeColor); }
        public void ResetMenuSelectionForeColor() { MenuSelectionForeColor = DefaultMenuSelectionForeColor; }

        [Category("Menu"), Description("Returns/sets the colour of the menu's separator lines.")]
        public Color MenuSeparatorColor { get { return menuSeparatorColor; } set { menuSeparatorColor = value; } }

        private static readonly Color DefaultMenuSeparatorColor = Color.FromArgb(106, 140, 203);
        public bool ShouldSerializeMenuSeparatorColor() { return !SameRgb(MenuSeparatorColor, DefaultMenuSeparatorColor); }
        public void ResetMenuSeparatorColor() { MenuSeparatorColor = DefaultMenuSeparatorColor; }

        [Category("Menu"), Description("Returns/sets whether the menu shows the strip in which item pictures are drawn.")]
        [DefaultValue(false)]
        public bool MenuSidebar
        {
            get { return GetBool(Prop.MenuSidebar); }
            set { SetBool(Prop.MenuSidebar, value); }
        }

        [Category("Menu"), Description("Returns/sets the colour of the menu's picture strip.")]
        public Color MenuSidebarColor { get { return menuSidebarColor; } set { menuSidebarColor = value; } }

        private static readonly Color DefaultMenuSidebarColor = Color.FromArgb(153, 187, 234);
        public bool ShouldSerializeMenuSidebarColor() { return !SameRgb(MenuSidebarColor, DefaultMenuSidebarColor); }
        public void ResetMenuSidebarColor() { MenuSidebarColor = DefaultMenuSidebarColor; }

        [Category("Menu"), Description("Returns/sets whether the triangle is drawn in the Brixel object Menu button.")]
        [DefaultValue(true)]
        public bool ShowMenuButtonTriangle
        {
            get { return GetBool(Prop.ShowMenuButtonTriangle); }
            set { SetBool(Prop.ShowMenuButtonTriangle, value); }
        }

        [Category("Text"), Description("Returns/sets the text font of the Brixel object while it is disabled.")]
        public Font DisabledFont { get { return disabledFont; } set { SetStateFont(ref disabledFont, value, Prop.DisabledFont); } }

        public bool ShouldSerializeDisabledFont() { return !IsDefaultFont(DisabledFont); }
        public void ResetDisabledFont() { DisabledFont = NewDefaultFont(); }

        [Category("Text"), Description("Returns/sets the text colour of the Brixel object while it is disabled.")]
        public Color DisabledForeColor
        {
            get { return GetColour(Prop.DisabledFontColor); }
            set { SetColour(Prop.DisabledFontColor, value); }
        }

        private static readonly Color DefaultDisabledForeColor = Color.FromArgb(172, 168, 153);
        public bool ShouldSerializeDisabledForeColor() { return !SameRgb(DisabledForeColor, DefaultDisabledForeColor); }
        public void ResetDisabledForeColor() { DisabledForeColor = DefaultDisabledForeColor; }

        [Category("Text"), Description("Returns/sets the text font of the Brixel object while it is pressed.")]
        public Font DownFont { get { return downFont; } set { SetStateFont(ref downFont, value, Prop.DownFont); } }

        public bool ShouldSerializeDownFont() { return !IsDefaultFont(DownFont); }
        public void ResetDownFont() { DownFont = NewDefaultFont(); }

        [Category("Text"), Description("Returns/sets the text colour of the Brixel object while it is pressed.")]
        public Color DownForeColor
        {
            get { return GetColour(Prop.DownFontColor); }
            set { SetColour(Prop.DownFontColor, value); }
        }

        private static readonly Color DefaultDownForeColor = Color.FromArgb(255, 255, 255);
        public bool ShouldSerializeDownForeColor() { return !SameRgb(DownForeColor, DefaultDownForeColor); }
        public void ResetDownForeColor() { DownForeColor = DefaultDownForeColor; }

        [Category("Text"), Description("Returns/sets the text font of the Brixel object while the pointer is over it.")]
        public Font MouseInFont { get { return mouseInFont; } set { SetStateFont(ref mouseInFont, value, Prop.MouseInFont); } }

        public bool ShouldSerializeMouseInFont() { return !IsDefaultFont(MouseInFont); }
        public void ResetMouseInFont() { MouseInFont = NewDefaultFont(); }

        [Category("Text"), Description("Returns/sets the text colour of the Brixel object while the pointer is over it.")]
        public Color MouseInForeColor
        {
            get { return GetColour(Prop.MouseInFontColor); }
            set { SetColour(Prop.MouseInFontColor, value); }
        }

        private static readonly Color DefaultMouseInForeColor = Color.FromArgb(0, 0, 0);
        public bool ShouldSerializeMouseInForeColor() { return !SameRgb(MouseInForeColor, DefaultMouseInForeColor); }
        public void ResetMouseInForeColor() { MouseInForeColor = DefaultMouseInForeColor; }

        [Category("Text"), Description("Returns/sets the alignment of the Brixel object text.")]
        [DefaultValue(ContentAlignment.MiddleCenter)]
        public ContentAlignment TextAlign
        {
            get { return GetAlign(Prop.CaptionHAlignment, Prop.CaptionVAlignment); }
            set { SetAlign(Prop.CaptionHAlignment, Prop.CaptionVAlignment, value); }
        }

        [Category("Text"), Description("Returns/sets the text margins in pixels as left;top;right;bottom.")]
        [DefaultValue("6;6;6;6")]
        public string TextMargins
        {
            get { return GetText(Prop.CaptionMargins); }
            set { SetText(Prop.CaptionMargins, value); }
        }

        [Category("Text"), Description("Returns/sets whether a long text wraps onto several lines.")]
        [DefaultValue(false)]
        public bool TextWrap
        {
            get { return GetBool(Prop.CaptionWrap); }
            set { SetBool(Prop.CaptionWrap, value); }
        }
    }
}
