// What reaches the screen is the native button's face: the control's window
// is captured and compared with a face the library paints on its own for the
// same properties.
using System;
using System.Drawing;
using System.Drawing.Imaging;
using System.Runtime.InteropServices;
using System.Windows.Forms;
using Korvane.Nimbara;
using Korvane.Nimbara.BrixelDemoEnum;
using NUnit.Framework;
using Button = Korvane.Nimbara.BrixelDemo;

namespace BrixelDemo.Tests
{
    [TestFixture]
    public class PaintTests : ControlTest
    {
        // A face painted by a second native button given the same values.
        private static Bitmap LibraryFace(Action<ButtonHandle> configure, int width, int height)
        {
            var env = new Abi.Environment { size = Abi.SizeOf<Abi.Environment>(), user_mode = 1, theme_active = 1,
                                            windows_forms_parent = 0, dpi = 96,
                                            system_colours = SystemColourTable.Pointer,
                                            system_colour_count = SystemColourTable.Count };
            IntPtr envPtr = Marshal.AllocHGlobal(Marshal.SizeOf(env));
            Marshal.StructureToPtr(env, envPtr, false);
            var options = new Abi.CreateOptions { size = Abi.SizeOf<Abi.CreateOptions>(), rules = Abi.RULES_DOTNET, environment = envPtr };
            ButtonHandle handle;
            Assert.AreEqual(Abi.OK, Abi.brixel_button_create(ref options, out handle));
            Marshal.FreeHGlobal(envPtr);
            using (handle)
            {
                // A window of the control's size first: the bevel is limited by the height.
                var frame = new Abi.Frame { size = Abi.SizeOf<Abi.Frame>(), window = 1, width = width, height = height,
                                            cursor_x = -1, cursor_y = -1, enabled = 1, visible = 1 };
                IntPtr created;
                Assert.AreEqual(Abi.OK, Abi.brixel_window_created(handle, ref frame, out created));
                Abi.brixel_effects_free(created);
                configure(handle);
                var face = new Bitmap(width, height, PixelFormat.Format32bppRgb);
                var data = face.LockBits(new Rectangle(0, 0, width, height), ImageLockMode.ReadWrite, PixelFormat.Format32bppRgb);
                var paint = new Abi.PaintOptions { size = Abi.SizeOf<Abi.PaintOptions>(), fast_primitives = 1,
                                                   parent_back_colour = SystemColourTable.Rgb(SystemColors.Control) };
                var result = new Abi.PaintResult { size = Abi.SizeOf<Abi.PaintResult>() };
                IntPtr effects;
                int status = Abi.brixel_paint_buffer(handle, ref frame, ref paint, data.Scan0, width, height, data.Stride, ref result, out effects);
                Abi.brixel_effects_free(effects);
                face.UnlockBits(data);
                Assert.AreEqual(Abi.OK, status);
                return face;
            }
        }

        private static void SetInt(ButtonHandle h, int id, int value)
        {
            IntPtr fx;
            Assert.AreEqual(Abi.OK, Abi.brixel_set_int(h, id, value, out fx));
            Abi.brixel_effects_free(fx);
        }

        private static void SetBool(ButtonHandle h, int id, bool value)
        {
            IntPtr fx;
            Assert.AreEqual(Abi.OK, Abi.brixel_set_bool(h, id, value ? 1 : 0, out fx));
            Abi.brixel_effects_free(fx);
        }

        private static void SetColour(ButtonHandle h, int id, Color c)
        {
            IntPtr fx;
            Assert.AreEqual(Abi.OK, Abi.brixel_set_color(h, id, (uint)(c.R | c.G << 8 | c.B << 16), out fx));
            Abi.brixel_effects_free(fx);
        }

        // Pixels that differ, inside the window's region and outside `skip`.
        private static int Differences(Bitmap a, Bitmap b, Region region, Rectangle skip)
        {
            int differ = 0;
            for (int y = 0; y < a.Height; y++)
                for (int x = 0; x < a.Width; x++)
                {
                    if (skip.Contains(x, y) || (region != null && !region.IsVisible(x, y)))
                        continue;
                    if ((a.GetPixel(x, y).ToArgb() & 0xFFFFFF) != (b.GetPixel(x, y).ToArgb() & 0xFFFFFF))
                        differ++;
                }
            return differ;
        }

        public enum Look { XP, FlatGradient, Standard3D, RoundedFlat }

        private static void Apply(Look look, Button button)
        {
            switch (look)
            {
                case Look.FlatGradient:
                    button.FlatStyle = kvnFlatStyle.Flat;
                    button.Gradient = true;
                    button.GradientStyle = kvnGradientFillStyle.GradientStyleVertical;
                    button.GradientColor1 = Color.FromArgb(250, 240, 200);
                    button.GradientColor2 = Color.FromArgb(40, 90, 160);
                    break;
                case Look.Standard3D:
                    button.FlatStyle = kvnFlatStyle.Standard;
                    button.Bevel = 2;
                    button.BackColor = Color.FromArgb(200, 210, 220);
                    break;
                case Look.RoundedFlat:
                    button.FlatStyle = kvnFlatStyle.Flat;
                    button.CornerStyle = "1;1;1;1";
                    button.BorderColor = Color.DarkRed;
                    break;
            }
        }

        private static void Apply(Look look, ButtonHandle h)
        {
            SetColour(h, Prop.BackColor, SystemColors.Control);
            switch (look)
            {
                case Look.FlatGradient:
                    SetInt(h, Prop.FlatStyle, (int)kvnFlatStyle.Flat);
                    SetBool(h, Prop.Gradient, true);
                    SetInt(h, Prop.GradientStyle, (int)kvnGradientFillStyle.GradientStyleVertical);
                    SetColour(h, Prop.GradientColor1, Color.FromArgb(250, 240, 200));
                    SetColour(h, Prop.GradientColor2, Color.FromArgb(40, 90, 160));
                    break;
                case Look.Standard3D:
                    SetInt(h, Prop.FlatStyle, (int)kvnFlatStyle.Standard);
                    SetInt(h, Prop.Bevel, 2);
                    SetColour(h, Prop.BackColor, Color.FromArgb(200, 210, 220));
                    break;
                case Look.RoundedFlat:
                    SetInt(h, Prop.FlatStyle, (int)kvnFlatStyle.Flat);
                    IntPtr fx;
                    Abi.brixel_set_string(h, Prop.CornerStyle, "1;1;1;1", 7, out fx);
                    Abi.brixel_effects_free(fx);
                    SetColour(h, Prop.BorderColor, Color.DarkRed);
                    break;
            }
        }

        // Without a caption the whole face must match; with one, everything
        // outside the caption's margins (the caption is drawn by System.Drawing
        // on one side and by the library's own fonts on the other).
        [TestCase(Look.XP, "")]
        [TestCase(Look.FlatGradient, "")]
        [TestCase(Look.Standard3D, "")]
        [TestCase(Look.RoundedFlat, "")]
        [TestCase(Look.FlatGradient, "Caption")]
        [TestCase(Look.XP, "Caption")]
        public void The_shown_face_is_the_librarys_face(Look look, string caption)
        {
            Form form;
            var button = ShownButton(out form, caption);
            var away = BoxBelow(form);
            away.Focus();
            Apply(look, button);
            button.Refresh();
            Pump(200);
            using (var shown = ScreenShot(button))
            using (var expected = LibraryFace(h => { Apply(look, h); }, button.ClientSize.Width, button.ClientSize.Height))
            {
                Rectangle skip = caption.Length == 0 ? Rectangle.Empty
                    : Rectangle.FromLTRB(6, 6, button.ClientSize.Width - 6, button.ClientSize.Height - 6);
                Assert.AreEqual(0, Differences(shown, expected, button.Region, skip));
            }
        }

        private static int DarkPixels(Bitmap b, Rectangle area)
        {
            int dark = 0;
            for (int y = area.Top; y < area.Bottom; y++)
                for (int x = area.Left; x < area.Right; x++)
                    if (b.GetPixel(x, y).GetBrightness() < 0.3f)
                        dark++;
            return dark;
        }

        // The caption is drawn in the text colour inside the margins, and
        // wrapped only when TextWrap says so.
        [Test]
        public void The_caption_is_drawn_and_a_long_one_wraps_only_with_TextWrap()
        {
            Form form;
            var button = ShownButton(out form, "Wide wide wide wide wide wide");
            button.FlatStyle = kvnFlatStyle.Flat;
            button.Size = new Size(80, 60);
            button.Refresh();
            Pump(150);
            var inner = Rectangle.FromLTRB(6, 6, 74, 54);
            var upper = Rectangle.FromLTRB(6, 6, 74, 22);
            using (var single = ScreenShot(button))
            {
                Assert.Greater(DarkPixels(single, inner), 20, "text in the middle");
                Assert.AreEqual(0, DarkPixels(single, upper), "one centred line leaves the top empty");
            }
            button.TextWrap = true;
            button.Refresh();
            Pump(150);
            using (var wrapped = ScreenShot(button))
                Assert.Greater(DarkPixels(wrapped, upper), 0, "wrapped lines reach the top");
        }

        // The bounds of the strongly red pixels: the caption's ink in the tests below.
        private static Rectangle RedInk(Bitmap b)
        {
            return InkBounds(b, c => c.R > 120 && c.G < 90 && c.B < 90);
        }

        // On Windows the face comes from the library without its caption and
        // the control draws the caption with DrawString where the library
        // says; the same drawing onto a bitmap here.
        [TestCase(ContentAlignment.TopLeft)]
        [TestCase(ContentAlignment.MiddleCenter)]
        [TestCase(ContentAlignment.BottomRight)]
        public void A_caption_the_control_draws_itself_lands_where_the_library_draws_it(ContentAlignment align)
        {
            Form form;
            var button = ShownButton(out form, "Go");
            button.FlatStyle = kvnFlatStyle.Flat;
            button.TextAlign = align;
            button.BackColor = Color.White;
            button.ForeColor = Color.FromArgb(210, 0, 0);
            button.Font = Own(new Font(FontFamily.GenericSansSerif, 12f));
            Abi.Caption caption;
            using (var library = button.PaintFace())
            using (var own = button.PaintFace(true, out caption))
            {
                Assert.AreEqual(1, caption.shown);
                Assert.AreEqual(Rectangle.Empty, RedInk(own), "the face comes without its caption");
                using (var g = Graphics.FromImage(own))
                    button.DrawCaption(g, caption);
                var box = Rectangle.FromLTRB(caption.box.left, caption.box.top, caption.box.right, caption.box.bottom);
                Rectangle drawn = RedInk(own), expected = RedInk(library);
                Assert.IsTrue(box.Contains(drawn), "{0} inside {1}", drawn, box);
                // One pixel apart at most: the library's glyphs are drawn at twice the size and averaged.
                Assert.LessOrEqual(Math.Abs(drawn.Left - expected.Left), 2, "{0} against {1}", drawn, expected);
                Assert.LessOrEqual(Math.Abs(drawn.Top - expected.Top), 2, "{0} against {1}", drawn, expected);
                Assert.LessOrEqual(Math.Abs(drawn.Width - expected.Width), 2, "{0} against {1}", drawn, expected);
            }
        }

        // A shown hyperlink puts the address in the caption's place, underlined.
        [Test]
        public void The_caption_left_to_the_control_names_the_address_and_the_state_font()
        {
            Form form;
            var button = ShownButton(out form, "Go");
            Abi.Caption caption;
            using (button.PaintFace(true, out caption))
                Assert.AreEqual(new[] { 1, 0, 0 }, new[] { caption.text, caption.font, caption.underline });
            button.Hyperlink = true;
            button.ShowHyperlink = true;
            button.HyperlinkAddress = "example.htm";
            using (button.PaintFace(true, out caption))
                Assert.AreEqual(new[] { Abi.CAPTION_ADDRESS, 0, 1 }, new[] { caption.text, caption.font, caption.underline });
            button.Enabled = false;
            using (button.PaintFace(true, out caption))
                Assert.AreEqual(3, caption.font, "the disabled font");
        }

        private static int FaceDifference(Button button, Action change)
        {
            using (var before = button.PaintFace())
            {
                change();
                using (var after = button.PaintFace())
                    return Differences(before, after, null, Rectangle.Empty);
            }
        }

        // The form's default button shows the default border only when
        // ShowDefaultBorder and Active allow it.
        [TestCase(true, true, true)]
        [TestCase(false, true, false)]
        [TestCase(true, false, false)]
        public void NotifyDefault_shows_the_default_border(bool showDefaultBorder, bool active, bool shows)
        {
            Form form;
            var button = ShownButton(out form, "");
            var away = BoxBelow(form);
            away.Focus();
            button.FlatStyle = kvnFlatStyle.Flat;
            button.ShowDefaultBorder = showDefaultBorder;
            button.Active = active;
            Pump(50);
            int changed = FaceDifference(button, () => button.NotifyDefault(true));
            Assert.AreEqual(shows, changed > 0);
        }

        // A translucent button lets the parent's colour through.
        [Test]
        public void A_translucent_face_blends_with_the_parent()
        {
            Form form;
            var button = ShownButton(out form, "");
            form.BackColor = Color.FromArgb(255, 0, 0);
            button.FlatStyle = kvnFlatStyle.Flat;
            button.BackColor = Color.FromArgb(0, 0, 255);
            Pump(50);
            button.TranslucentStyle = kvnTranslucentStyle.All;
            button.Refresh();
            Pump(150);
            using (var shown = ScreenShot(button))
            {
                Color middle = shown.GetPixel(60, 20);
                Assert.Greater(middle.R, 40, "red of the parent shows through");
                Assert.Greater(middle.B, 40, "blue of the face stays");
            }
        }

        private static Bitmap Filled(Color colour)
        {
            var b = new Bitmap(12, 12);
            using (var g = Graphics.FromImage(b))
                g.Clear(colour);
            return b;
        }

        private static int PixelsOf(Bitmap face, Color colour)
        {
            int n = 0;
            for (int y = 0; y < face.Height; y++)
                for (int x = 0; x < face.Width; x++)
                    if ((face.GetPixel(x, y).ToArgb() & 0xFFFFFF) == (colour.ToArgb() & 0xFFFFFF))
                        n++;
            return n;
        }

        // The image goes to the library as pixels with its transparent colour keyed out.
        [Test]
        public void The_image_is_drawn_and_its_transparent_colour_is_not()
        {
            Form form;
            var button = ShownButton(out form, "");
            var colour = Color.FromArgb(200, 30, 40);
            button.Image = Own(Filled(colour));
            using (var face = button.PaintFace())
                Assert.AreEqual(144, PixelsOf(face, colour), "the whole 12 x 12 image");
            button.ImageTransparentColor = colour;
            using (var face = button.PaintFace())
                Assert.AreEqual(0, PixelsOf(face, colour), "keyed out");
        }

        // An index past the end of the list draws its last image; -1 draws Image.
        [Test]
        public void The_image_list_entry_replaces_Image()
        {
            Form form;
            var button = ShownButton(out form, "");
            Color[] colours = { Color.FromArgb(10, 200, 10), Color.FromArgb(10, 10, 200), Color.FromArgb(200, 10, 200) };
            var list = Own(new ImageList { ImageSize = new Size(12, 12), ColorDepth = ColorDepth.Depth32Bit });
            foreach (var c in colours)
                list.Images.Add(Filled(c));
            var own = Color.FromArgb(250, 120, 0);
            button.Image = Own(Filled(own));
            button.ImageList = list;
            button.ImageIndex = 5;
            using (var face = button.PaintFace())
            {
                Assert.Greater(PixelsOf(face, colours[2]), 100, "the last image");
                Assert.AreEqual(0, PixelsOf(face, own));
            }
            button.ImageIndex = -1;
            using (var face = button.PaintFace())
                Assert.Greater(PixelsOf(face, own), 100, "Image again");
        }

        [Test]
        public void Paint_handlers_draw_on_top_of_the_face()
        {
            Form form;
            var button = ShownButton(out form, "");
            button.Paint += (s, e) => e.Graphics.FillRectangle(Brushes.Magenta, 30, 10, 5, 5);
            button.Refresh();
            Pump(150);
            using (var shown = ScreenShot(button))
                Assert.AreEqual(Color.Magenta.ToArgb(), shown.GetPixel(32, 12).ToArgb());
        }

        [Test]
        public void A_flat_button_keeps_its_minimum_size()
        {
            var button = NewButton();
            button.FlatStyle = kvnFlatStyle.Flat;
            button.Size = new Size(10, 10);
            Assert.AreEqual(new Size(16, 17), button.Size);
        }

        [Test]
        public void Rounded_corners_shape_the_window()
        {
            Form form;
            var button = ShownButton(out form, "");
            button.FlatStyle = kvnFlatStyle.Flat;
            button.CornerStyle = "1;1;1;1";
            Assert.IsNotNull(button.Region);
            Assert.IsFalse(button.Region.IsVisible(0, 0), "the corner pixel is cut away");
            Assert.IsTrue(button.Region.IsVisible(60, 20), "the middle stays");
        }
    }
}
