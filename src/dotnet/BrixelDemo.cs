// The Windows Forms push button. The class is thin on purpose: it converts
// .NET types, checks the argument rules that belong to .NET, raises events
// and drives the runtime; every decision the ActiveX control also makes
// (defaults, state, colours, layout, the guarded changes) is taken by the
// native button instance it owns.
using System;
using System.ComponentModel;
using System.Drawing;
using System.Drawing.Design;
using System.Windows.Forms;
using Korvane.Nimbara.BrixelDemoEnum;

namespace Korvane.Nimbara
{
    [DefaultEvent("Click"), DefaultProperty("Text"), ToolboxBitmap(typeof(Control))]
    public partial class BrixelDemo : Control, IButtonControl
    {
        private const string DefaultFontName = "Microsoft Sans Serif";
        private const float DefaultFontSize = 8.25f;

        private DialogResult dialogResult = DialogResult.None;
        private Font mouseInFont = NewDefaultFont();
        private Font downFont = NewDefaultFont();
        private Font disabledFont = NewDefaultFont();
        private Font menuFont = NewDefaultFont();
        private Image image, mouseInImage, downImage, disabledImage;
        private ImageList imageList;
        private int imageIndex = -1;
        private Color menuBackColor = DefaultMenuBackColor;
        private Color menuForeColor = DefaultMenuForeColor;
        private Color menuSelectionBackColor = DefaultMenuSelectionBackColor;
        private Color menuSelectionForeColor = DefaultMenuSelectionForeColor;
        private Color menuSeparatorColor = DefaultMenuSeparatorColor;
        private Color menuSidebarColor = DefaultMenuSidebarColor;
        private bool disposed;

        public event ButtonToggledEventHandler ButtonToggled;
        public event WhileMouseDownEventHandler WhileMouseDown;
        public event MenuButtonPressedHandler MenuButtonPressed;
        public event MenuDroppedHandler MenuDropped;

        public BrixelDemo()
        {
            SetStyle(ControlStyles.UserPaint | ControlStyles.AllPaintingInWmPaint | ControlStyles.ResizeRedraw, true);
            SetStyle(ControlStyles.StandardClick | ControlStyles.StandardDoubleClick, true);
            CreateNative();
        }

        // The framework button's size. Control's own default, 0 x 0, would limit
        // the run-time Bevel to 0 for every property the designer's code sets
        // before Size.
        protected override Size DefaultSize
        {
            get { return new Size(75, 23); }
        }

        // --- .NET-only members --------------------------------------------------

        [Category("Behavior"), Description("Returns/sets the value returned to the parent form when the Brixel object is clicked.")]
        [DefaultValue(DialogResult.None)]
        public DialogResult DialogResult
        {
            get { return dialogResult; }
            set
            {
                // Undefined values are ignored, as the framework's own button did in its first versions.
                if (Enum.IsDefined(typeof(DialogResult), value))
                    dialogResult = value;
            }
        }

        [Browsable(false), DesignerSerializationVisibility(DesignerSerializationVisibility.Content)]
        [Category("Image"), Description("The Brixel object does not draw a background image.")]
        [DefaultValue(null)]
        public override Image BackgroundImage
        {
            get { return null; }
            set { }
        }

        [Category("Image"), Description("Returns/sets the image list the normal image is taken from.")]
        [DefaultValue(null), RefreshProperties(RefreshProperties.All)]
        public ImageList ImageList
        {
            get { return imageList; }
            set
            {
                imageList = value;
                // The designer's index editor lists only what the new list holds.
                if (DesignMode && imageList != null && imageIndex >= imageList.Images.Count)
                    imageIndex = Math.Max(imageList.Images.Count - 1, -1);
                UpdatePicture(Prop.Picture);
            }
        }

        [Category("Image"), Description("Returns/sets the index of the image list entry drawn as the normal image.")]
        [DefaultValue(-1), TypeConverter(typeof(ImageIndexConverter))]
        [Editor("System.Windows.Forms.Design.ImageIndexEditor, System.Design", typeof(UITypeEditor))]
        [Localizable(true)]
        public int ImageIndex
        {
            get
            {
                // An index past the end shows, and reads back as, the last image.
                if (imageList != null && imageIndex >= imageList.Images.Count)
                    return imageList.Images.Count - 1;
                return imageIndex;
            }
            set
            {
                if (value < -1)
                    throw new ArgumentOutOfRangeException("value", value, "ImageIndex must be -1 or more.");
                imageIndex = value;
                UpdatePicture(Prop.Picture);
            }
        }

        // True once the user chose the border colour: scheme changes leave it alone.
        [Browsable(false), DesignerSerializationVisibility(DesignerSerializationVisibility.Hidden)]
        public bool BorderColorCustom
        {
            get { return GetBool(Prop.BorderColorCustom); }
        }

        [Browsable(false), DesignerSerializationVisibility(DesignerSerializationVisibility.Hidden)]
        public bool MouseInBorderColorCustom
        {
            get { return GetBool(Prop.MouseInBorderColorCustom); }
        }

        [Browsable(false), DesignerSerializationVisibility(DesignerSerializationVisibility.Hidden)]
        public bool DownBorderColorCustom
        {
            get { return GetBool(Prop.DownBorderColorCustom); }
        }

        // --- Fonts and colours: the designer's serialization rules ----------------

        internal static Font NewDefaultFont()
        {
            return new Font(DefaultFontName, DefaultFontSize, FontStyle.Regular, GraphicsUnit.Point);
        }

        // A font equal to the constructor's need not be written: same face, size
        // and unit, no style bit and not a vertical GDI font.
        internal static bool IsDefaultFont(Font font)
        {
            return font != null
                && FaceName(font) == DefaultFontName
                && font.Size == DefaultFontSize
                && font.Unit == GraphicsUnit.Point
                && font.Style == FontStyle.Regular
                && !font.GdiVerticalFont;
        }

        // The face asked for: Mono substitutes a missing face and reports the
        // substitute as Name, which would make every default font look changed.
        internal static string FaceName(Font font)
        {
            return string.IsNullOrEmpty(font.OriginalFontName) ? font.Name : font.OriginalFontName;
        }

        // Colours are stored as red, green and blue: alpha and the colour's name
        // do not survive, so only those three decide what is written.
        internal static bool SameRgb(Color a, Color b)
        {
            return a.R == b.R && a.G == b.G && a.B == b.B;
        }

        private void SetStateFont(ref Font field, Font value, int prop)
        {
            field = value ?? NewDefaultFont();
            SetFont(prop, field);
        }

        private void SetStateImage(ref Image field, Image value, int prop)
        {
            field = value;
            UpdatePicture(prop);
        }

        internal bool IsDisposedOrDying
        {
            get { return disposed || IsDisposed; }
        }
    }
}
