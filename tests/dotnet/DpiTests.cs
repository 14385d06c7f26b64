// The control on a denser screen: the library scales the face's fixed sizes,
// the window's shape, the minimum size, the caption and the menu's rows to
// the dpi the control reads. The virtual display is 96 dpi, so the tests set
// the screen's dpi through the seam.
using System;
using System.Drawing;
using System.Windows.Forms;
using Korvane.Nimbara;
using Korvane.Nimbara.BrixelDemoEnum;
using NUnit.Framework;

namespace BrixelDemo.Tests
{
    internal sealed class FixedScreenDpi : IScreenDpi
    {
        public int Dpi = 96;
        public int DpiOf(Control control) { return Dpi; }
    }

    // A button that takes window messages from the test, as the system would send them.
    internal sealed class MessagedButton : Korvane.Nimbara.BrixelDemo
    {
        internal void Deliver(int message)
        {
            var m = Message.Create(Handle, message, IntPtr.Zero, IntPtr.Zero);
            WndProc(ref m);
        }
    }

    [TestFixture]
    public class DpiTests : ControlTest
    {
        private const int WM_DPICHANGED = 0x02E0;
        private const int WM_DPICHANGED_AFTERPARENT = 0x02E3;
        private static readonly Color Green = Color.FromArgb(0, 160, 0);
        private static readonly Color Red = Color.FromArgb(255, 0, 0);

        private FixedScreenDpi screen;
        private IScreenDpi savedScreenDpi;

        [SetUp]
        public void UseFixedScreenDpi()
        {
            savedScreenDpi = Seams.ScreenDpi;
            Seams.ScreenDpi = screen = new FixedScreenDpi();
        }

        [TearDown]
        public void RestoreScreenDpi()
        {
            Seams.ScreenDpi = savedScreenDpi;
        }

        // A button shown on a screen of `dpi`, the focus (and its rectangle) elsewhere.
        private T ShownAt<T>(int dpi, T button, string text = "") where T : Korvane.Nimbara.BrixelDemo
        {
            screen.Dpi = dpi;
            Form form;
            Shown(button, out form, text);
            BoxBelow(form).Focus();
            Pump(50);
            return button;
        }

        private static void SquareFlat(Korvane.Nimbara.BrixelDemo button)
        {
            button.FlatStyle = kvnFlatStyle.Flat;
            button.CornerStyle = "0;0;0;0";
            button.BorderColor = Green;
            button.Refresh();
            Pump(100);
        }

        private static bool Same(Color a, Color b)
        {
            return a.R == b.R && a.G == b.G && a.B == b.B;
        }

        // How many pixels of `colour` run in from the left and from the right edge along the middle row.
        private static int[] BorderWidths(Control button, Color colour)
        {
            using (Bitmap shot = ScreenShot(button))
            {
                int y = shot.Height / 2, left = 0, right = 0;
                while (left < shot.Width / 2 && Same(shot.GetPixel(left, y), colour))
                    left++;
                while (right < shot.Width / 2 && Same(shot.GetPixel(shot.Width - 1 - right, y), colour))
                    right++;
                return new[] { left, right };
            }
        }

        [TestCase(96, 1)]
        [TestCase(144, 2)]
        public void A_flat_border_is_one_design_pixel_wide(int dpi, int width)
        {
            var button = ShownAt(dpi, new Korvane.Nimbara.BrixelDemo());
            SquareFlat(button);
            Assert.AreEqual(dpi, button.ScreenDpi);
            CollectionAssert.AreEqual(new[] { width, width }, BorderWidths(button, Green));
        }

        [TestCase(96, 7, 4)]
        [TestCase(144, 11, 6)]
        public void The_drop_down_triangle_keeps_its_shape_on_the_glass(int dpi, int width, int height)
        {
            var button = ShownAt(dpi, new Korvane.Nimbara.BrixelDemo());
            button.Menu = true;
            button.MenuButtonStyle = kvnMenuButtonStyle.DropdownMenu;
            button.MenuButtonTriangleColor = Red;
            button.Refresh();
            Pump(100);
            using (Bitmap shot = ScreenShot(button))
                Assert.AreEqual(new Size(width, height), InkBounds(shot, c => Same(c, Red)).Size);
        }

        // How many rows of `area` hold dark (text) pixels.
        private static int DarkRows(Bitmap bitmap, Rectangle area)
        {
            int rows = 0;
            for (int y = area.Top; y < area.Bottom; y++)
            {
                bool dark = false;
                for (int x = area.Left; x < area.Right && !dark; x++)
                    dark = bitmap.GetPixel(x, y).GetBrightness() < 0.4f;
                if (dark)
                    rows++;
            }
            return rows;
        }

        // Rows of the screen holding dark caption pixels, inside the border.
        private int CaptionRows(int dpi)
        {
            var button = ShownAt(dpi, new Korvane.Nimbara.BrixelDemo(), "Hg");
            button.FlatStyle = kvnFlatStyle.Flat;
            button.BackColor = Color.White;
            button.ForeColor = Color.Black;
            button.Refresh();
            Pump(100);
            int rows;
            using (Bitmap shot = ScreenShot(button))
                rows = DarkRows(shot, Rectangle.FromLTRB(4, 4, shot.Width - 4, shot.Height - 4));
            button.FindForm().Dispose();
            return rows;
        }

        [TestCase(96, 16, 17)]
        [TestCase(144, 24, 26)]
        public void A_flat_button_keeps_the_minimum_size_of_its_dpi(int dpi, int width, int height)
        {
            var button = ShownAt(dpi, new Korvane.Nimbara.BrixelDemo());
            button.FlatStyle = kvnFlatStyle.Flat;
            button.Size = new Size(10, 10);
            Pump(50);
            Assert.AreEqual(new Size(width, height), button.Size);
        }

        // Pixels of the top-left 8 x 8 block the window's region leaves out.
        private static int CornerCut(Control button)
        {
            int cut = 0;
            for (int y = 0; y < 8; y++)
                for (int x = 0; x < 8; x++)
                    if (!button.Region.IsVisible(x, y))
                        cut++;
            return cut;
        }

        private static void RoundTopLeft(Korvane.Nimbara.BrixelDemo button)
        {
            button.FlatStyle = kvnFlatStyle.Flat;
            button.CornerStyle = "1;0;0;0";
            button.CornerRoundingLevel = "0;0;0;0";
            Pump(50);
        }

        [Test]
        public void The_rounded_corner_cuts_deeper_at_144_dpi()
        {
            var at96 = ShownAt(96, new Korvane.Nimbara.BrixelDemo());
            RoundTopLeft(at96);
            var at144 = ShownAt(144, new Korvane.Nimbara.BrixelDemo());
            RoundTopLeft(at144);
            Assert.IsNotNull(at144.Region);
            Assert.IsTrue(at144.Region.IsVisible(60, 20), "the middle stays");
            Assert.IsTrue(at144.Region.IsVisible(0, 39), "the square corners stay");
            Assert.Greater(CornerCut(at96), 0);
            Assert.Greater(CornerCut(at144), CornerCut(at96));
        }

        // The window moved to a 144 dpi screen: the face, the shape and the
        // minimum size follow at once.
        [TestCase(WM_DPICHANGED)]
        [TestCase(WM_DPICHANGED_AFTERPARENT)]
        public void A_dpi_change_repaints_and_resizes_at_the_new_dpi(int message)
        {
            var button = ShownAt(96, new MessagedButton());
            SquareFlat(button);
            button.Size = new Size(16, 17);
            Pump(50);
            CollectionAssert.AreEqual(new[] { 1, 1 }, BorderWidths(button, Green));

            screen.Dpi = 144;
            button.Deliver(message);
            Pump(150);
            Assert.AreEqual(144, button.ScreenDpi);
            Assert.AreEqual(new Size(24, 26), button.Size);
            CollectionAssert.AreEqual(new[] { 2, 2 }, BorderWidths(button, Green));
        }

        [TestCase(96, 6, 20)]
        [TestCase(144, 9, 30)]
        public void Menu_rows_take_the_sizes_of_the_dpi(int dpi, int separatorHeight, int rowHeight)
        {
            var button = ShownAt(dpi, new Korvane.Nimbara.BrixelDemo());
            using (var bitmap = new Bitmap(1, 1))
            using (Graphics g = Graphics.FromImage(bitmap))
            {
                Assert.AreEqual(separatorHeight, button.MenuRowSize(new BrixelDemoMenuItem { Text = "-" }, g).Height);
                Assert.AreEqual(rowHeight, button.MenuRowSize(new BrixelDemoMenuItem { Text = "Open" }, g).Height);
            }
        }

        // Rows of a painted menu row (no sidebar) that hold dark text pixels.
        private int MenuTextRows(int dpi)
        {
            var button = ShownAt(dpi, new Korvane.Nimbara.BrixelDemo());
            int rows;
            var bounds = new Rectangle(0, 0, 200, 30);
            using (var row = new Bitmap(bounds.Width, bounds.Height))
            {
                using (Graphics g = Graphics.FromImage(row))
                    button.PaintMenuRow(new BrixelDemoMenuItem { Text = "Hg" }, g, bounds, false);
                rows = DarkRows(row, bounds);
            }
            button.FindForm().Dispose();
            return rows;
        }

        // Mono's popup leaves the arrow of a row that opens a sub-menu to the
        // owner: it grows with the row.
        private int SubMenuArrowPixels(int dpi)
        {
            var button = ShownAt(dpi, new Korvane.Nimbara.BrixelDemo());
            var parent = new BrixelDemoMenuItem { Text = "More" };
            parent.MenuItems.Add(new BrixelDemoMenuItem { Text = "Inside" });
            var bounds = new Rectangle(0, 0, 200, 30);
            int dark = 0;
            using (var row = new Bitmap(bounds.Width, bounds.Height))
            {
                using (Graphics g = Graphics.FromImage(row))
                    button.PaintMenuRow(parent, g, bounds, false);
                for (int y = 0; y < bounds.Height; y++)
                    for (int x = bounds.Width - 20; x < bounds.Width; x++)
                        if (row.GetPixel(x, y).GetBrightness() < 0.4f)
                            dark++;
            }
            button.FindForm().Dispose();
            return dark;
        }

        [Test]
        public void The_sub_menu_arrow_grows_with_the_dpi()
        {
            int at96 = SubMenuArrowPixels(96), at144 = SubMenuArrowPixels(144);
            Assert.Greater(at96, 8);
            Assert.GreaterOrEqual(at144 * 10, at96 * 18, "{0} pixels at 96 dpi, {1} at 144", at96, at144);
        }

        public enum TextPlace { Caption, MenuRow }

        // The glyphs grow by about half: at least a quarter more rows.
        [TestCase(TextPlace.Caption)]
        [TestCase(TextPlace.MenuRow)]
        public void Text_grows_with_the_dpi(TextPlace place)
        {
            Func<int, int> rows = place == TextPlace.Caption ? (Func<int, int>)CaptionRows : MenuTextRows;
            int at96 = rows(96), at144 = rows(144);
            Assert.Greater(at96, 5);
            Assert.GreaterOrEqual(at144 * 4, at96 * 5, "{0} rows at 96 dpi, {1} at 144", at96, at144);
        }
    }
}
