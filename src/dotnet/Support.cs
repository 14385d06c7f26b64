// What the native button asks of the platform: the system colour table, the
// desktop theme, and captions laid out and rasterised with System.Drawing.
using System;
using System.Collections.Generic;
using System.Drawing;
using System.Drawing.Imaging;
using System.Drawing.Text;
using System.Runtime.InteropServices;
using Microsoft.Win32;

namespace Korvane.Nimbara
{
    // The system colours by their Windows index, for OLE colours 0x800000nn.
    // The table is resolved from SystemColors, never from an OLE translation
    // (Mono's turns 0x8000000B into RGB(11, 0, 0)). It lives for the process:
    // the native library may keep the pointer.
    internal static class SystemColourTable
    {
        private static readonly Color[] Colours =
        {
            SystemColors.ScrollBar, SystemColors.Desktop, SystemColors.ActiveCaption, SystemColors.InactiveCaption,
            SystemColors.Menu, SystemColors.Window, SystemColors.WindowFrame, SystemColors.MenuText,
            SystemColors.WindowText, SystemColors.ActiveCaptionText, SystemColors.ActiveBorder, SystemColors.InactiveBorder,
            SystemColors.AppWorkspace, SystemColors.Highlight, SystemColors.HighlightText, SystemColors.Control,
            SystemColors.ControlDark, SystemColors.GrayText, SystemColors.ControlText, SystemColors.InactiveCaptionText,
            SystemColors.ControlLightLight, SystemColors.ControlDarkDark, SystemColors.ControlLight, SystemColors.InfoText,
            SystemColors.Info, Color.Black, SystemColors.HotTrack, SystemColors.GradientActiveCaption,
            SystemColors.GradientInactiveCaption, SystemColors.MenuHighlight, SystemColors.MenuBar,
        };

        internal static readonly int Count = Colours.Length;
        internal static readonly IntPtr Pointer = Build();

        private static IntPtr Build()
        {
            IntPtr table = Marshal.AllocHGlobal(4 * Colours.Length);
            for (int i = 0; i < Colours.Length; i++)
                Marshal.WriteInt32(table, 4 * i, Colours[i].ToArgb() & 0xFFFFFF);
            return table;
        }

        internal static Color ToColor(uint ole)
        {
            if ((ole & 0xFF000000u) == 0x80000000u)
            {
                int index = (int)(ole & 0xFF);
                Color c = index < Colours.Length ? Colours[index] : Color.Black;
                return Color.FromArgb(c.R, c.G, c.B);
            }
            return Color.FromArgb((int)(ole & 0xFF), (int)((ole >> 8) & 0xFF), (int)((ole >> 16) & 0xFF));
        }

        internal static uint Rgb(Color c)
        {
            return (uint)((c.R << 16) | (c.G << 8) | c.B);
        }

        internal static Color FromRgb(uint rgb)
        {
            return Color.FromArgb((int)((rgb >> 16) & 0xFF), (int)((rgb >> 8) & 0xFF), (int)(rgb & 0xFF));
        }
    }

    internal static class Platform
    {
        // Whatever cannot be read counts as a themed desktop, as on Windows.
        internal static bool ThemeActive()
        {
            try
            {
                using (var key = Registry.CurrentUser.OpenSubKey(@"Software\Microsoft\Windows\CurrentVersion\ThemeManager"))
                {
                    var value = key == null ? null : key.GetValue("ThemeActive") as string;
                    return value != "0";
                }
            }
            catch (Exception)
            {
                return true;
            }
        }

        // Blue, olive green or silver from the visual style's colour name.
        internal static int DesktopXPScheme()
        {
            try
            {
                using (var key = Registry.CurrentUser.OpenSubKey(@"Software\Microsoft\Windows\CurrentVersion\ThemeManager"))
                {
                    var name = key == null ? null : key.GetValue("ColorName") as string;
                    if (name == "HomeStead") return 1;
                    if (name == "Metallic") return 2;
                }
            }
            catch (Exception)
            {
            }
            return 0;
        }
    }

    // Captions measured and drawn with Graphics.DrawString: the library lays
    // the caption out and colours it; this service turns text into coverage.
    // Text is laid out and drawn at twice its size and averaged down: below
    // about 9 points libgdiplus leaves out underlines (the mnemonic's and the
    // hyperlink font's), and at twice the size they are drawn.
    // The service's context is the screen's dpi: points become pixels at that
    // resolution, on bitmaps held at 96 dpi whatever the runtime would give them.
    internal static class TextService
    {
        private const int Scale = 2;
        private const int DesignDpi = 96;

        private static readonly Abi.MeasureFn MeasureDelegate = Measure;
        private static readonly Abi.RenderFn RenderDelegate = Render;
        private static readonly Dictionary<string, Font> Fonts = new Dictionary<string, Font>();
        private static readonly Bitmap ScratchBitmap = DesignBitmap(1, 1, PixelFormat.Format32bppArgb);

        // The service for a screen of `dpi`.
        internal static Abi.TextService At(int dpi)
        {
            return new Abi.TextService
            {
                size = Abi.SizeOf<Abi.TextService>(),
                context = new IntPtr(dpi > 0 ? dpi : DesignDpi),
                measure = Marshal.GetFunctionPointerForDelegate(MeasureDelegate),
                render = Marshal.GetFunctionPointerForDelegate(RenderDelegate),
            };
        }

        private static int DpiOf(IntPtr context)
        {
            long dpi = context.ToInt64();
            return dpi > 0 && dpi < 10000 ? (int)dpi : DesignDpi;
        }

        private static Bitmap DesignBitmap(int width, int height, PixelFormat format)
        {
            var bitmap = new Bitmap(width, height, format);
            bitmap.SetResolution(DesignDpi, DesignDpi);
            return bitmap;
        }

        internal static StringFormat Format(uint flags)
        {
            var format = Place(new StringFormat(StringFormat.GenericTypographic), flags);
            format.FormatFlags |= StringFormatFlags.MeasureTrailingSpaces;
            return format;
        }

        // Alignments, mnemonic and wrapping from the library's text flags.
        internal static StringFormat Place(StringFormat format, uint flags)
        {
            format.Alignment = (flags & Abi.TEXT_RIGHT) != 0 ? StringAlignment.Far
                : (flags & Abi.TEXT_CENTER) != 0 ? StringAlignment.Center : StringAlignment.Near;
            format.LineAlignment = (flags & Abi.TEXT_BOTTOM) != 0 ? StringAlignment.Far
                : (flags & Abi.TEXT_VCENTER) != 0 ? StringAlignment.Center : StringAlignment.Near;
            format.HotkeyPrefix = (flags & Abi.TEXT_NO_PREFIX) != 0 ? HotkeyPrefix.None : HotkeyPrefix.Show;
            format.FormatFlags = (flags & Abi.TEXT_WORD_BREAK) == 0 ? StringFormatFlags.NoWrap : 0;
            return format;
        }

        internal static Font FontOf(ref Abi.Font font)
        {
            return FontOf(ref font, 1, DesignDpi);
        }

        private static Font FontOf(ref Abi.Font font, int scale, int dpi)
        {
            string face = font.face == IntPtr.Zero ? "Microsoft Sans Serif" : Marshal.PtrToStringUni(font.face, font.face_length);
            float points = scale * (font.size_units > 0 ? font.size_units / 10000f : 8.25f);
            if (dpi != DesignDpi)
                points = points * dpi / DesignDpi;
            FontStyle style = FontStyle.Regular;
            if (font.weight >= 600) style |= FontStyle.Bold;
            if (font.italic != 0) style |= FontStyle.Italic;
            if (font.underline != 0) style |= FontStyle.Underline;
            if (font.strikethrough != 0) style |= FontStyle.Strikeout;
            string key = face + "|" + points + "|" + (int)style;
            Font result;
            if (!Fonts.TryGetValue(key, out result))
            {
                if (Fonts.Count > 64)
                    Fonts.Clear();  // the old fonts go to the collector; painting has finished with them
                result = new Font(face, points, style, GraphicsUnit.Point);
                Fonts[key] = result;
            }
            return result;
        }

        private static int Measure(IntPtr context, IntPtr text, int length, ref Abi.Font font, ref Abi.Rect bounds,
                                   uint flags, out Abi.Rect occupied)
        {
            occupied = new Abi.Rect { left = bounds.left, top = bounds.top, right = bounds.left, bottom = bounds.top };
            try
            {
                string s = Marshal.PtrToStringUni(text, length);
                using (var g = Graphics.FromImage(ScratchBitmap))
                using (var format = Format(flags))
                {
                    g.TextRenderingHint = TextRenderingHint.AntiAliasGridFit;
                    int width = Math.Max(1, bounds.right - bounds.left) * Scale;
                    Font scaled = FontOf(ref font, Scale, DpiOf(context));
                    SizeF size = (flags & Abi.TEXT_WORD_BREAK) != 0
                        ? g.MeasureString(s, scaled, width, format)
                        : g.MeasureString(s, scaled, new PointF(0, 0), format);
                    occupied.right = bounds.left + (int)Math.Ceiling(size.Width / Scale);
                    occupied.bottom = bounds.top + (int)Math.Ceiling(size.Height / Scale);
                }
                return Abi.OK;
            }
            catch (Exception)
            {
                return -16;
            }
        }

        private static int Render(IntPtr context, IntPtr text, int length, ref Abi.Font font, ref Abi.Rect bounds,
                                  uint flags, IntPtr coverage, int stride)
        {
            int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
            if (width <= 0 || height <= 0)
                return Abi.OK;
            try
            {
                string s = Marshal.PtrToStringUni(text, length);
                using (var bitmap = DesignBitmap(width * Scale, height * Scale, PixelFormat.Format32bppRgb))
                {
                    using (var g = Graphics.FromImage(bitmap))
                    using (var format = Format(flags))
                    {
                        g.Clear(Color.Black);
                        g.TextRenderingHint = TextRenderingHint.AntiAliasGridFit;
                        g.DrawString(s, FontOf(ref font, Scale, DpiOf(context)), Brushes.White,
                                     new RectangleF(0, 0, width * Scale, height * Scale), format);
                    }
                    CopyCoverage(bitmap, coverage, stride);
                }
                return Abi.OK;
            }
            catch (Exception)
            {
                return -16;
            }
        }

        // Each output pixel is the mean of its Scale x Scale block (green: white text on black).
        private static void CopyCoverage(Bitmap bitmap, IntPtr coverage, int stride)
        {
            var rect = new Rectangle(0, 0, bitmap.Width, bitmap.Height);
            BitmapData data = bitmap.LockBits(rect, ImageLockMode.ReadOnly, PixelFormat.Format32bppRgb);
            try
            {
                int width = bitmap.Width / Scale, height = bitmap.Height / Scale;
                var rows = new byte[Scale][];
                for (int i = 0; i < Scale; i++)
                    rows[i] = new byte[bitmap.Width * 4];
                var line = new byte[width];
                for (int y = 0; y < height; y++)
                {
                    for (int i = 0; i < Scale; i++)
                        Marshal.Copy(data.Scan0 + (y * Scale + i) * data.Stride, rows[i], 0, rows[i].Length);
                    for (int x = 0; x < width; x++)
                    {
                        int sum = 0;
                        for (int i = 0; i < Scale; i++)
                            for (int j = 0; j < Scale; j++)
                                sum += rows[i][4 * (x * Scale + j) + 1];
                        line[x] = (byte)(sum / (Scale * Scale));
                    }
                    Marshal.Copy(line, 0, coverage + y * stride, width);
                }
            }
            finally
            {
                bitmap.UnlockBits(data);
            }
        }
    }
}
