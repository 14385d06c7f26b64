// Painting: on Mono the native button paints the whole face, caption included
// (through TextService), into the control's buffer, which is copied in one
// operation; on Windows it paints the face onto the window's device context
// and the caption is drawn after it with Graphics.DrawString. Paint handlers
// draw on top of either.
using System;
using System.Drawing;
using System.Drawing.Imaging;
using System.Runtime.InteropServices;
using System.Windows.Forms;

namespace Korvane.Nimbara
{
    public partial class BrixelDemo
    {
        private Bitmap background;  // the parent's pixels under a translucent button

        protected override void OnPaintBackground(PaintEventArgs e)
        {
            // The face covers every pixel; erasing first would only flicker.
            // A translucent button refreshes its copy of what lies behind it.
            if (IsTranslucent)
                DiscardBackground();
        }

        // Where the face is painted. Windows' own Windows Forms paints through
        // GDI onto the window's device context, as the ActiveX control does;
        // Mono has no GDI to hand a device context to, so the library paints
        // pixels into a bitmap that is drawn in one go.
        internal enum FacePath { Buffer, WindowDc }

        internal static FacePath ChooseFacePath(PlatformID platform, bool monoRuntime)
        {
            return platform == PlatformID.Win32NT && !monoRuntime ? FacePath.WindowDc : FacePath.Buffer;
        }

        private static readonly FacePath facePath =
            ChooseFacePath(Environment.OSVersion.Platform, Type.GetType("Mono.Runtime") != null);

        protected override void OnPaint(PaintEventArgs e)
        {
            if (button != null && !button.IsClosed && ClientSize.Width > 0 && ClientSize.Height > 0)
            {
                if (facePath == FacePath.WindowDc)
                    PaintOnWindowDc();
                else
                    PaintBuffered(e.Graphics);
            }
            base.OnPaint(e);
        }

        private void PaintBuffered(Graphics graphics)
        {
            using (Bitmap face = PaintFace())
            {
                // Mono clips to Region but does not shape the window: the cut
                // corners would stay unpainted, so the face (corners in the
                // parent's colour) goes everywhere.
                var clip = graphics.Clip;
                graphics.ResetClip();
                graphics.DrawImageUnscaled(face, 0, 0);
                graphics.Clip = clip;
            }
        }

        private Abi.PaintOptions NextPaintOptions(bool captionByHost)
        {
            var options = new Abi.PaintOptions
            {
                size = Abi.SizeOf<Abi.PaintOptions>(),
                after_click = afterClickPending ? 1 : 0,
                parent_back_colour = SystemColourTable.Rgb(Parent != null ? Parent.BackColor : BackColor),
                fast_primitives = 1,
                caption_by_host = captionByHost ? 1 : 0,
            };
            afterClickPending = false;
            return options;
        }

        private delegate int PaintCall(ref Abi.Frame frame, ref Abi.PaintOptions options, ref Abi.PaintResult result,
                                       out IntPtr effects);

        // One paint of the face for the current state through `call`, with the
        // parent's pixels under a translucent button. Returns the effects of
        // the paint-time scheme follow-up, for CarryPaintEffects, and where
        // the caption goes.
        private IntPtr PaintThrough(PaintCall call, bool captionByHost, out Abi.Caption caption)
        {
            int width = ClientSize.Width, height = ClientSize.Height;
            var frame = Frame();
            frame.width = width;
            frame.height = height;
            var options = NextPaintOptions(captionByHost);
            var result = new Abi.PaintResult { size = Abi.SizeOf<Abi.PaintResult>() };
            Bitmap behind = IsTranslucent ? CaptureBackground(width, height) : null;
            BitmapData back = null;
            IntPtr effects = IntPtr.Zero;
            try
            {
                if (behind != null)
                {
                    back = behind.LockBits(new Rectangle(0, 0, width, height), ImageLockMode.ReadOnly, PixelFormat.Format32bppRgb);
                    options.background = back.Scan0;
                    options.background_stride = back.Stride;
                }
                paintingNow = true;
                Check(call(ref frame, ref options, ref result, out effects));
            }
            finally
            {
                paintingNow = false;
                if (back != null)
                    behind.UnlockBits(back);
            }
            caption = result.caption;
            if (result.painted == 0)
                caption.shown = 0;  // no face to draw it on
            return effects;
        }

        // The face as the native button paints it for the current state.
        internal Bitmap PaintFace()
        {
            Abi.Caption caption;
            return PaintFace(false, out caption);
        }

        // The face, without its caption when the caller draws it (`caption` says where).
        internal Bitmap PaintFace(bool captionByHost, out Abi.Caption caption)
        {
            int width = ClientSize.Width, height = ClientSize.Height;
            var face = new Bitmap(width, height, PixelFormat.Format32bppRgb);
            BitmapData data = face.LockBits(new Rectangle(0, 0, width, height), ImageLockMode.ReadWrite, PixelFormat.Format32bppRgb);
            IntPtr effects;
            try
            {
                effects = PaintThrough((ref Abi.Frame f, ref Abi.PaintOptions o, ref Abi.PaintResult r, out IntPtr fx) =>
                    Abi.brixel_paint_buffer(button, ref f, ref o, data.Scan0, width, height, data.Stride, ref r, out fx),
                    captionByHost, out caption);
            }
            finally
            {
                face.UnlockBits(data);
            }
            CarryPaintEffects(effects);
            return face;
        }

        // The caption the library laid out, drawn with System.Drawing: the
        // state font (underlined for a shown address) and colour, placed in
        // its rectangle, an ampersand underlining the next character.
        internal void DrawCaption(Graphics graphics, Abi.Caption caption)
        {
            if (caption.shown == 0)
                return;
            string text = caption.text == Abi.CAPTION_ADDRESS ? HyperlinkAddress : Text;
            Font font = StateFont(caption.font);
            var box = Rectangle.FromLTRB(caption.box.left, caption.box.top, caption.box.right, caption.box.bottom);
            using (var underlined = caption.underline != 0 ? new Font(font, font.Style | FontStyle.Underline) : null)
            using (var brush = new SolidBrush(SystemColourTable.FromRgb(caption.colour)))
            using (var format = TextService.Place(new StringFormat(), caption.format))
            {
                graphics.DrawString(text, underlined ?? font, brush, box, format);
            }
        }

        private Font StateFont(int slot)
        {
            switch (slot)
            {
                case 1: return mouseInFont ?? Font;
                case 2: return downFont ?? Font;
                case 3: return disabledFont ?? Font;
                default: return Font;
            }
        }

        // The scheme follow-up may have changed border colours; they are in this face already.
        private void CarryPaintEffects(IntPtr effects)
        {
            paintingNow = true;
            try
            {
                Carry(effects);
            }
            finally
            {
                paintingNow = false;
            }
        }

        // The GDI path: the library paints the face onto a device context of
        // the button's own window, not the paint event's Graphics; the caption
        // follows on the same device context, and the client area is
        // validated before the Paint handlers draw on top.
        private void PaintOnWindowDc()
        {
            IntPtr effects;
            using (var dc = new WindowDc(Handle))
            {
                Abi.Caption caption;
                effects = PaintThrough((ref Abi.Frame f, ref Abi.PaintOptions o, ref Abi.PaintResult r, out IntPtr fx) =>
                    Abi.brixel_paint_hdc(button, ref f, ref o, dc.Hdc, ref r, out fx), true, out caption);
                using (Graphics graphics = Graphics.FromHdc(dc.Hdc))
                    DrawCaption(graphics, caption);
            }
            WindowDc.Validate(Handle);
            CarryPaintEffects(effects);
        }

        // A device context of a window, released when disposed.
        private sealed class WindowDc : IDisposable
        {
            [DllImport("user32")] private static extern IntPtr GetDC(IntPtr window);
            [DllImport("user32")] private static extern int ReleaseDC(IntPtr window, IntPtr dc);
            [DllImport("user32")] private static extern bool ValidateRect(IntPtr window, IntPtr rect);

            private readonly IntPtr window;
            internal readonly IntPtr Hdc;

            internal WindowDc(IntPtr window)
            {
                this.window = window;
                Hdc = GetDC(window);
                if (Hdc == IntPtr.Zero)
                    throw new InvalidOperationException("The button's window gave no device context.");
            }

            public void Dispose()
            {
                ReleaseDC(window, Hdc);
            }

            internal static void Validate(IntPtr window)
            {
                ValidateRect(window, IntPtr.Zero);
            }
        }

        private bool IsTranslucent
        {
            get { return button != null && !button.IsClosed && GetInt(Prop.TranslucentStyle) != 0; }
        }

        // The class style bit 0x20 (CS_PARENTDC on the window) lets a translucent
        // button share its parent's drawing surface, as the ActiveX control does.
        protected override CreateParams CreateParams
        {
            get
            {
                var cp = base.CreateParams;
                if (IsTranslucent)
                    cp.ClassStyle |= 0x20;
                return cp;
            }
        }

        // What the parent paints under this button. On Mono this captures the
        // parent itself (background and its own Paint handlers), not sibling
        // controls that overlap the button: they are separate windows.
        private Bitmap CaptureBackground(int width, int height)
        {
            if (background != null && background.Width == width && background.Height == height)
                return background;
            DiscardBackground();
            var bitmap = new Bitmap(width, height, PixelFormat.Format32bppRgb);
            using (var g = Graphics.FromImage(bitmap))
            {
                if (Parent == null)
                {
                    g.Clear(BackColor);
                }
                else
                {
                    g.TranslateTransform(-Left, -Top);
                    var area = new Rectangle(Left, Top, width, height);
                    using (var args = new PaintEventArgs(g, area))
                    {
                        InvokePaintBackground(Parent, args);
                        InvokePaint(Parent, args);
                    }
                }
            }
            background = bitmap;
            return background;
        }

        private void DiscardBackground()
        {
            if (background != null)
            {
                background.Dispose();
                background = null;
            }
        }

        // --- Window shape and size --------------------------------------------------

        private void RebuildRegion()
        {
            if (button == null || button.IsClosed)
                return;
            var frame = Frame();
            frame.width = ClientSize.Width;
            frame.height = ClientSize.Height;
            var rects = new Abi.Rect[64];
            int count;
            int status = Abi.brixel_region_rects(button, ref frame, rects, rects.Length, out count);
            if (status == Abi.E_BUFFER_TOO_SMALL)
            {
                rects = new Abi.Rect[count];
                status = Abi.brixel_region_rects(button, ref frame, rects, rects.Length, out count);
            }
            Check(status);
            Region old = Region;
            if (count == 0)
            {
                Region = null;
            }
            else
            {
                var region = new Region(Rectangle.Empty);
                for (int i = 0; i < count; i++)
                    region.Union(Rectangle.FromLTRB(rects[i].left, rects[i].top, rects[i].right, rects[i].bottom));
                Region = region;
            }
            if (old != null)
                old.Dispose();
        }

        private Size MinimumFaceSize()
        {
            if (button == null || button.IsClosed)
                return Size.Empty;
            int width, height;
            Check(Abi.brixel_minimum_size(button, out width, out height));
            return new Size(width, height);
        }

        private void ApplyMinimumSize()
        {
            Size min = MinimumFaceSize();
            if (Width < min.Width || Height < min.Height)
                Size = new Size(Math.Max(Width, min.Width), Math.Max(Height, min.Height));
        }

        protected override void SetBoundsCore(int x, int y, int width, int height, BoundsSpecified specified)
        {
            Size min = MinimumFaceSize();
            base.SetBoundsCore(x, y, Math.Max(width, min.Width), Math.Max(height, min.Height), specified);
        }

        protected override void OnResize(EventArgs e)
        {
            base.OnResize(e);
            RebuildRegion();
            DiscardBackground();
            RepaintNow();
        }

        protected override void OnMove(EventArgs e)
        {
            base.OnMove(e);
            if (IsTranslucent)
            {
                DiscardBackground();
                if (Parent != null)
                    Parent.Invalidate(Bounds, false);
                RepaintNow();
            }
        }

        // --- Pictures -----------------------------------------------------------------

        // The image drawn in the normal state: the image list's entry when one is
        // chosen (an index past the end takes the last), else Image.
        private Image EffectiveNormalImage()
        {
            if (imageList != null && imageList.Images.Count > 0 && imageIndex >= 0)
                return imageList.Images[Math.Min(imageIndex, imageList.Images.Count - 1)];
            return image;
        }

        private void UpdatePicture(int prop)
        {
            Image source;
            int transparentProp;
            if (prop == Prop.MouseInPicture) { source = mouseInImage; transparentProp = Prop.MouseInPictureTransparentColor; }
            else if (prop == Prop.DownPicture) { source = downImage; transparentProp = Prop.DownPictureTransparentColor; }
            else if (prop == Prop.DisabledPicture) { source = disabledImage; transparentProp = Prop.DisabledPictureTransparentColor; }
            else { source = EffectiveNormalImage(); transparentProp = Prop.PictureTransparentColor; }
            IntPtr picture = source == null ? IntPtr.Zero : RegisterPicture(source, GetColour(transparentProp));
            try
            {
                IntPtr effects;
                Finish(Abi.brixel_set_picture(button, prop, picture, out effects), effects);
            }
            finally
            {
                if (picture != IntPtr.Zero)
                    Abi.brixel_picture_release(picture);
            }
        }

        // A copy of the image with the state's transparent colour keyed out,
        // handed over as 32-bit pixels with alpha.
        private static IntPtr RegisterPicture(Image source, Color transparent)
        {
            using (var copy = new Bitmap(source))
            {
                copy.MakeTransparent(transparent);
                var rect = new Rectangle(0, 0, copy.Width, copy.Height);
                BitmapData data = copy.LockBits(rect, ImageLockMode.ReadOnly, PixelFormat.Format32bppArgb);
                try
                {
                    var desc = new Abi.PictureDesc
                    {
                        size = Abi.SizeOf<Abi.PictureDesc>(),
                        kind = Abi.PICTURE_ALPHA,
                        width = copy.Width,
                        height = copy.Height,
                        pixels = data.Scan0,
                        stride = data.Stride,
                        dpi = (int)Math.Round(source.HorizontalResolution),
                    };
                    IntPtr picture;
                    Check(Abi.brixel_picture_create(ref desc, out picture));
                    return picture;
                }
                finally
                {
                    copy.UnlockBits(data);
                }
            }
        }

        // The transparent colours decide the pixels handed over, so a change
        // registers that state's picture again.
        private void PictureColourChanged(int colourProp)
        {
            if (colourProp == Prop.PictureTransparentColor) UpdatePicture(Prop.Picture);
            else if (colourProp == Prop.MouseInPictureTransparentColor) UpdatePicture(Prop.MouseInPicture);
            else if (colourProp == Prop.DownPictureTransparentColor) UpdatePicture(Prop.DownPicture);
            else if (colourProp == Prop.DisabledPictureTransparentColor) UpdatePicture(Prop.DisabledPicture);
        }
    }
}
