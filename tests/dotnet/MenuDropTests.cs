// The drop-down menu of the Windows Forms control: running a chosen item,
// where the popup goes, the rows it draws, the events of a real drop and the
// keys that open it.
using System;
using System.Collections.Generic;
using System.Drawing;
using System.Windows.Forms;
using Korvane.Nimbara;
using Korvane.Nimbara.BrixelDemoEnum;
using NUnit.Framework;

namespace BrixelDemo.Tests
{
    [TestFixture]
    public class MenuInvokeTests : ControlTest
    {
        private static BrixelDemoMenuItem LinkItem(string address, bool enabled = true)
        {
            return new BrixelDemoMenuItem { Text = "Link", Hyperlink = true, HyperlinkAddress = address, Enabled = enabled };
        }

        // Each row: the item's hyperlink settings and what the shell is asked to open.
        private static IEnumerable<TestCaseData> Hyperlinks()
        {
            yield return new TestCaseData(true, "http://example.com/", true, new[] { "http://example.com/" }).SetName("Web address opens");
            yield return new TestCaseData(true, "someone@example.com", true, new[] { "mailto:someone@example.com" }).SetName("Address with at sign becomes a mail link");
            yield return new TestCaseData(true, "", true, new string[0]).SetName("Empty address opens nothing");
            yield return new TestCaseData(false, "http://example.com/", true, new string[0]).SetName("Hyperlink off opens nothing");
            yield return new TestCaseData(true, "http://example.com/", false, new string[0]).SetName("Disabled item opens nothing");
        }

        [TestCaseSource("Hyperlinks")]
        public void Running_an_item_clicks_it_then_follows_its_hyperlink(bool hyperlink, string address, bool enabled, string[] opened)
        {
            var button = NewButton();
            var item = new BrixelDemoMenuItem { Text = "Go", Hyperlink = hyperlink, HyperlinkAddress = address, Enabled = enabled };
            button.MenuItems.Add(item);
            var order = new List<string>();
            item.Click += (s, e) => { order.Add("Click"); Assert.AreSame(item, s); Assert.AreEqual(0, Shell.Opened.Count); };
            Assert.IsTrue(button.InvokeMenuItem(item));
            CollectionAssert.AreEqual(new[] { "Click" }, order);
            CollectionAssert.AreEqual(opened, Shell.Opened);
        }

        [Test]
        public void A_handler_that_disposes_the_item_or_the_control_stops_the_hyperlink()
        {
            var button = NewButton();
            var item = LinkItem("http://example.com/");
            button.MenuItems.Add(item);
            item.Click += (s, e) => item.Dispose();
            Assert.IsTrue(button.InvokeMenuItem(item));
            Assert.AreEqual(0, Shell.Opened.Count);

            var other = NewButton();
            var second = LinkItem("http://example.com/");
            other.MenuItems.Add(second);
            second.Click += (s, e) => other.Dispose();
            Assert.IsFalse(other.InvokeMenuItem(second));
            Assert.AreEqual(0, Shell.Opened.Count);
        }
    }
}

namespace BrixelDemo.Tests
{
    [TestFixture]
    public class MenuDropTests : ControlTest
    {
        private readonly List<string> events = new List<string>();

        [SetUp]
        public void ForgetEvents()
        {
            events.Clear();
        }

        // A split button with three items; every menu event is recorded in order.
        private Korvane.Nimbara.BrixelDemo MenuButton(out Form form, params string[] texts)
        {
            var button = ShownButton(out form);
            button.Menu = true;
            foreach (string text in texts.Length > 0 ? texts : new[] { "First", "Second", "Third" })
            {
                var item = new BrixelDemoMenuItem { Text = text };
                string name = text;
                item.Click += (s, e) => events.Add("Click " + name);
                item.Select += (s, e) => events.Add("Select " + name);
                button.MenuItems.Add(item);
            }
            button.MenuButtonPressed += s => events.Add("MenuButtonPressed");
            button.MenuDropped += (s, state) => events.Add("MenuDropped " + state);
            button.Click += (s, e) => events.Add("Button Click");
            return button;
        }

        // Real input from another thread: the popup's loop blocks this one.
        private static void InputWhilePumping(Action input, int ms = 4000)
        {
            Exception failure = null;
            var thread = new System.Threading.Thread(() =>
            {
                try { input(); }
                catch (Exception e) { failure = e; }
            });
            thread.Start();
            PumpUntil(() => !thread.IsAlive, ms);
            thread.Join(1000);
            if (failure != null)
                throw failure;
        }

        private static Point DropPart(Korvane.Nimbara.BrixelDemo button)
        {
            return button.PointToScreen(new Point(button.Width - 8, button.Height / 2));
        }

        [Test]
        public void A_click_on_the_menu_part_drops_and_the_keyboard_chooses_the_second_row()
        {
            Form form;
            var button = MenuButton(out form);
            Point part = DropPart(button);
            InputWhilePumping(() =>
            {
                XInput.MoveToScreen(part.X, part.Y);
                XInput.Press();
                XInput.Release();
                System.Threading.Thread.Sleep(400);
                XInput.Key("Down");
                System.Threading.Thread.Sleep(150);
                XInput.Key("Down");
                System.Threading.Thread.Sleep(150);
                XInput.Key("Return");
                System.Threading.Thread.Sleep(300);
            });
            Pump(100);
            CollectionAssert.AreEqual(new[] { "MenuButtonPressed", "MenuDropped True", "Select First", "Select Second", "Click Second",
                                              "MenuDropped False" }, events, string.Join(", ", events));
        }

        [Test]
        public void DropMenu_shows_the_popup_until_another_control_closes_it()
        {
            Form form;
            var button = MenuButton(out form);
            bool shownInside = false;
            Korvane.Nimbara.BrixelDemo ownerInside = null;
            // The popup's loop runs on this thread; the request to close comes
            // through its queue, as another control's would.
            var closer = new System.Threading.Thread(() =>
            {
                System.Threading.Thread.Sleep(400);
                button.BeginInvoke((MethodInvoker)delegate
                {
                    shownInside = button.MenuShown;
                    ownerInside = Korvane.Nimbara.BrixelDemo.OpenMenuOwner;
                    button.CloseOpenedMenu();
                });
            });
            closer.Start();
            button.DropMenu();
            closer.Join();
            Assert.IsTrue(shownInside);
            Assert.AreSame(button, ownerInside);
            Assert.IsFalse(button.MenuShown);
            Assert.IsNull(Korvane.Nimbara.BrixelDemo.OpenMenuOwner);
            CollectionAssert.AreEqual(new[] { "MenuButtonPressed", "MenuDropped True", "MenuDropped False" }, events, string.Join(", ", events));
        }

        private static void ClickAt(Point screen)
        {
            XInput.MoveToScreen(screen.X, screen.Y);
            XInput.Press();
            XInput.Release();
        }

        // No window manager runs on the virtual display: a click on the form
        // gives it the keyboard, as a user's first click would.
        private static void GiveFormTheKeyboard(Form form)
        {
            XInput.MoveTo(form, new Point(250, 140));
            XInput.Run("click 1");
            Pump(150);
        }

        private static void Wait(int ms)
        {
            System.Threading.Thread.Sleep(ms);
        }

        [Test]
        public void Escape_closes_with_no_click_and_the_next_click_opens_again()
        {
            Form form;
            var button = MenuButton(out form);
            Point part = DropPart(button);
            var openInside = new List<int>();
            button.MenuDropped += (s, state) => openInside.Add(button.InteractionState.menu_open);
            // The pointer stays on the button: the hover outlives the popup.
            button.MouseLeave += (s, e) => events.Add("MouseLeave");
            InputWhilePumping(() =>
            {
                ClickAt(part);
                Wait(400);
                XInput.Key("Escape");
                Wait(300);
                ClickAt(part);
                Wait(400);
                XInput.Key("Escape");
                Wait(300);
            });
            Pump(100);
            CollectionAssert.AreEqual(new[] { "MenuButtonPressed", "MenuDropped True", "MenuDropped False",
                                              "MenuButtonPressed", "MenuDropped True", "MenuDropped False" }, events,
                                      string.Join(", ", events));
            // The menu-open look is on only while the popup is shown.
            CollectionAssert.AreEqual(new[] { 0, 0, 0, 0 }, openInside);
            Assert.AreEqual(0, button.InteractionState.menu_open);
        }

        [Test]
        public void The_menu_open_look_lasts_while_the_popup_is_shown()
        {
            Form form;
            var button = MenuButton(out form);
            var other = BoxBelow(form);
            int openWhileShown = -1;
            bool visibleWhileShown = false;
            Korvane.Nimbara.BrixelDemo openFromForm = null, openFromElsewhere = null;
            var closer = new System.Threading.Thread(() =>
            {
                Wait(400);
                button.BeginInvoke((MethodInvoker)delegate
                {
                    openWhileShown = button.InteractionState.menu_open;
                    visibleWhileShown = button.IsFirstLevelMenuVisible();
                    openFromForm = Korvane.Nimbara.BrixelDemo.IsOpenedMenuOfTypeBrixel(other);
                    using (var elsewhere = new Form())
                        openFromElsewhere = Korvane.Nimbara.BrixelDemo.IsOpenedMenuOfTypeBrixel(elsewhere);
                    button.CloseOpenedMenu(IntPtr.Zero, Point.Empty);
                });
            });
            closer.Start();
            Assert.IsNull(Korvane.Nimbara.BrixelDemo.IsOpenedMenuOfTypeBrixel(null));
            button.DropMenu();
            closer.Join();
            Assert.AreEqual(1, openWhileShown);
            Assert.IsTrue(visibleWhileShown);
            Assert.AreSame(button, openFromForm);
            Assert.IsNull(openFromElsewhere, "a control of another form");
            Assert.AreEqual(0, button.InteractionState.menu_open);
            Assert.IsFalse(button.IsFirstLevelMenuVisible());
            Assert.IsNull(Korvane.Nimbara.BrixelDemo.IsOpenedMenuOfTypeBrixel(null));
        }

        [Test]
        public void Size_estimates_follow_the_rows_and_never_create_the_window()
        {
            var button = new Korvane.Nimbara.BrixelDemo { Menu = true };
            try
            {
                var file = new BrixelDemoMenuItem { Text = "File" };
                file.MenuItems.Add(new BrixelDemoMenuItem { Text = "Open" });
                file.MenuItems.Add(new BrixelDemoMenuItem { Text = "-" });
                file.MenuItems.Add(new BrixelDemoMenuItem { Text = "Save as" });
                button.MenuItems.Add(file);
                button.MenuItems.Add(new BrixelDemoMenuItem { Text = "Help" });

                int narrow = button.CalculateMaxMenuWidth();
                int top = button.CalculateMenuHeight(null);
                int sub = button.CalculateMenuHeight(file);
                Assert.IsFalse(button.IsHandleCreated);
                Assert.Greater(sub, top, "three rows, one a separator, against two rows");
                Assert.Less(sub, top * 3 / 2, "a separator row is thinner than a text row");

                button.MenuItems.Add(new BrixelDemoMenuItem { Text = "A much longer caption than any other row has" });
                Assert.Greater(button.CalculateMaxMenuWidth(), narrow);
                Assert.Greater(button.CalculateMenuHeight(null), top);
            }
            finally
            {
                button.Dispose();
            }
        }

        [Test]
        public void Leaving_the_button_while_the_popup_is_shown_ends_the_hover_with_MouseLeave()
        {
            Form form;
            var button = MenuButton(out form);
            button.MouseLeave += (s, e) => events.Add("MouseLeave");
            Point part = DropPart(button);
            Point outside = form.PointToScreen(new Point(250, 140));
            InputWhilePumping(() =>
            {
                ClickAt(part);
                Wait(400);
                XInput.MoveToScreen(outside.X, outside.Y);
                Wait(200);
                XInput.Key("Escape");
                Wait(300);
            });
            Pump(100);
            CollectionAssert.AreEqual(new[] { "MenuButtonPressed", "MenuDropped True", "MouseLeave", "MenuDropped False" }, events,
                                      string.Join(", ", events));
            Assert.AreEqual(0, button.InteractionState.mouse_in);
        }

        [Test]
        public void A_menu_without_items_drops_nothing()
        {
            Form form;
            var button = ShownButton(out form);
            button.Menu = true;
            button.MenuButtonPressed += s => events.Add("MenuButtonPressed");
            button.MenuDropped += (s, state) => events.Add("MenuDropped " + state);
            button.DropMenu();
            InputWhilePumping(() => { ClickAt(DropPart(button)); Wait(300); });
            Assert.AreEqual(0, events.Count);
        }

        // Each row: the key pressed on the focused button, the menu style, whether it drops.
        [TestCase("alt+Down", kvnMenuButtonStyle.PushButtonAndDropdownMenu, true)]
        [TestCase("F4", kvnMenuButtonStyle.PushButtonAndDropdownMenu, true)]
        [TestCase("alt+Down", kvnMenuButtonStyle.DropdownMenu, true)]
        [TestCase("F4", kvnMenuButtonStyle.DropdownMenu, true)]
        [TestCase("Down", kvnMenuButtonStyle.PushButtonAndDropdownMenu, false)]
        [TestCase("ctrl+F4", kvnMenuButtonStyle.PushButtonAndDropdownMenu, false)]
        [TestCase("Return", kvnMenuButtonStyle.DropdownMenu, true)]
        [TestCase("Return", kvnMenuButtonStyle.PushButtonAndDropdownMenu, false)]
        public void Keys_open_the_menu_of_the_focused_button(string key, kvnMenuButtonStyle style, bool drops)
        {
            Form form;
            var button = MenuButton(out form);
            button.MenuButtonStyle = style;
            GiveFormTheKeyboard(form);
            button.Focus();
            Pump(100);
            InputWhilePumping(() =>
            {
                XInput.Key(key);
                Wait(400);
                if (drops)
                    XInput.Key("Escape");
                Wait(200);
            });
            Pump(100);
            var expected = drops ? new[] { "MenuButtonPressed", "MenuDropped True", "MenuDropped False" } : new string[0];
            var menuEvents = events.FindAll(e => e.StartsWith("Menu"));
            CollectionAssert.AreEqual(expected, menuEvents, string.Join(", ", events));
        }

        [Test]
        public void Space_still_clicks_the_push_part_of_a_split_button()
        {
            Form form;
            var button = MenuButton(out form);
            GiveFormTheKeyboard(form);
            button.Focus();
            Pump(100);
            XInput.Key("space");
            Pump(300);
            CollectionAssert.AreEqual(new[] { "Button Click" }, events);
        }

        [Test]
        public void A_click_on_the_menu_part_while_the_popup_is_open_closes_it_without_reopening()
        {
            Form form;
            var button = MenuButton(out form);
            Point part = DropPart(button);
            InputWhilePumping(() =>
            {
                ClickAt(part);
                Wait(400);
                ClickAt(part);
                Wait(400);
            });
            Pump(200);
            var afterClose = new List<string>(events);
            events.Clear();
            InputWhilePumping(() =>
            {
                ClickAt(part);
                Wait(400);
                XInput.Key("Escape");
                Wait(300);
            });
            Pump(100);
            // Mono's popup keeps the click that closes it: nothing reaches the button.
            CollectionAssert.AreEqual(new[] { "MenuButtonPressed", "MenuDropped True", "MenuDropped False" }, afterClose,
                                      string.Join(", ", afterClose));
            CollectionAssert.AreEqual(new[] { "MenuButtonPressed", "MenuDropped True", "MenuDropped False" }, events,
                                      string.Join(", ", events));
        }
    }
}

namespace BrixelDemo.Tests
{
    [TestFixture]
    public class MenuPlacementTests
    {
        private static readonly Rectangle Primary = new Rectangle(0, 0, 1280, 1024);
        private static readonly Size Popup = new Size(140, 60);

        // Each row: the button's screen rectangle, the work area of its monitor,
        // right alignment, the width estimate, the menu height, the popup's top-left corner.
        private static IEnumerable<TestCaseData> Placements()
        {
            yield return new TestCaseData(new Rectangle(100, 100, 120, 23), Primary, false, 150, 60, new Point(100, 123)).SetName("Left aligned below the button");
            yield return new TestCaseData(new Rectangle(1150, 100, 120, 23), Primary, false, 150, 60, new Point(1140, 123)).SetName("Left aligned at the right edge is right aligned to the screen");
            yield return new TestCaseData(new Rectangle(1100, 100, 120, 23), Primary, false, 170, 60, new Point(1100, 123)).SetName("No margin is kept at the right edge");
            yield return new TestCaseData(new Rectangle(300, 100, 120, 23), Primary, true, 150, 60, new Point(280, 123)).SetName("Right aligned under the right edge");
            yield return new TestCaseData(new Rectangle(10, 100, 120, 23), Primary, true, 150, 60, new Point(0, 123)).SetName("Right aligned without room is left aligned at the edge");
            yield return new TestCaseData(new Rectangle(1200, 100, 120, 23), Primary, true, 150, 60, new Point(1140, 123)).SetName("Right aligned past the edge is right aligned to the screen");
            yield return new TestCaseData(new Rectangle(100, 980, 120, 23), Primary, false, 150, 60, new Point(100, 920)).SetName("Near the bottom it opens upwards");
            yield return new TestCaseData(new Rectangle(100, 40, 120, 23), new Rectangle(0, 0, 1280, 100), false, 150, 80, new Point(100, 33)).SetName("Without room above or below it is centred on the bottom edge");
            yield return new TestCaseData(new Rectangle(-300, 100, 120, 23), new Rectangle(-1280, 0, 1280, 1024), false, 150, 60, new Point(-300, 123)).SetName("A monitor left of the primary keeps the menu on it");
            yield return new TestCaseData(new Rectangle(-140, 100, 120, 23), new Rectangle(-1280, 0, 1280, 1024), false, 150, 60, new Point(-140, 123)).SetName("At that monitor's right edge");
            yield return new TestCaseData(new Rectangle(-100, 100, 90, 23), new Rectangle(-1280, 0, 1280, 1024), false, 150, 60, new Point(-140, 123)).SetName("Past that monitor's right edge it aligns to its edge");
            yield return new TestCaseData(new Rectangle(100, 950, 120, 23), new Rectangle(0, 0, 1280, 1000), false, 150, 40, new Point(100, 890)).SetName("A taskbar's height counts as off screen");
        }

        [TestCaseSource("Placements")]
        public void The_popup_goes_where_the_placement_rules_put_it(Rectangle window, Rectangle area, bool rightAligned, int estimate,
                                                                    int menuHeight, Point corner)
        {
            Assert.AreEqual(corner, Korvane.Nimbara.BrixelDemo.PlacePopup(window, area, rightAligned, estimate, menuHeight, Popup));
        }
    }

    [TestFixture]
    public class MenuRowTests : ControlTest
    {
        private static readonly Color Back = Color.FromArgb(246, 246, 246);
        private static readonly Color Sidebar = Color.FromArgb(153, 187, 234);

        // The row as the popup paints it, 160 x 20.
        private static Bitmap Row(Korvane.Nimbara.BrixelDemo button, BrixelDemoMenuItem item, bool selected)
        {
            var bitmap = new Bitmap(160, 20);
            using (Graphics g = Graphics.FromImage(bitmap))
                button.PaintMenuRow(item, g, new Rectangle(0, 0, 160, 20), selected);
            return bitmap;
        }

        private static int Count(Bitmap bitmap, Func<Color, bool> test, Rectangle? area = null)
        {
            Rectangle r = area ?? new Rectangle(0, 0, bitmap.Width, bitmap.Height);
            int n = 0;
            for (int y = r.Top; y < r.Bottom; y++)
                for (int x = r.Left; x < r.Right; x++)
                    if (test(bitmap.GetPixel(x, y)))
                        n++;
            return n;
        }

        private static bool Near(Color a, Color b)
        {
            return Math.Abs(a.R - b.R) + Math.Abs(a.G - b.G) + Math.Abs(a.B - b.B) < 30;
        }

        private static bool Dark(Color c)
        {
            return c.R + c.G + c.B < 150;
        }

        [Test]
        public void A_disabled_row_draws_no_text_in_the_menu_text_colour()
        {
            var button = NewButton();
            using (Bitmap enabled = Row(button, new BrixelDemoMenuItem { Text = "Open file" }, false))
            using (Bitmap disabled = Row(button, new BrixelDemoMenuItem { Text = "Open file", Enabled = false }, false))
            {
                Assert.Greater(Count(enabled, Dark), 10);
                Assert.AreEqual(0, Count(disabled, Dark));
                Assert.Greater(Count(disabled, c => !Near(c, Back)), 10);
            }
        }

        [Test]
        public void A_selected_row_is_framed_and_filled_with_the_selection_colour()
        {
            var button = NewButton();
            button.MenuSelectionBackColor = Color.FromArgb(255, 238, 194);
            using (Bitmap row = Row(button, new BrixelDemoMenuItem { Text = "Open" }, true))
            {
                Assert.IsFalse(Near(row.GetPixel(0, 0), Back));
                Assert.IsFalse(Near(row.GetPixel(0, 0), button.MenuSelectionBackColor));
                Assert.IsTrue(Near(row.GetPixel(150, 10), button.MenuSelectionBackColor));
            }
        }

        [Test]
        public void A_separator_is_one_line_in_the_separator_colour()
        {
            var button = NewButton();
            using (Bitmap row = Row(button, new BrixelDemoMenuItem { Text = "-" }, false))
            {
                int rows = 0;
                for (int y = 0; y < 20; y++)
                    if (Count(row, c => Near(c, button.MenuSeparatorColor), new Rectangle(0, y, 160, 1)) > 100)
                        rows++;
                Assert.AreEqual(1, rows);
            }
        }

        // Each row: right-to-left reading, whether the side bar column is at the left edge.
        [TestCase(false, true)]
        [TestCase(true, false)]
        public void The_side_bar_column_is_on_the_leading_side(bool rightToLeft, bool atLeft)
        {
            var button = NewButton();
            button.MenuSidebar = true;
            button.RightToLeft = rightToLeft ? RightToLeft.Yes : RightToLeft.No;
            using (Bitmap row = Row(button, new BrixelDemoMenuItem { Text = "Open" }, false))
            {
                Assert.AreEqual(atLeft, Near(row.GetPixel(5, 10), Sidebar));
                Assert.AreEqual(!atLeft, Near(row.GetPixel(154, 10), Sidebar));
            }
        }

        [Test]
        public void The_side_bar_image_keys_out_the_image_transparent_colour_and_needs_the_side_bar()
        {
            var button = NewButton();
            button.ImageTransparentColor = Color.Magenta;
            var image = new Bitmap(16, 16);
            using (Graphics g = Graphics.FromImage(image))
            {
                g.Clear(Color.Magenta);
                g.FillRectangle(Brushes.Red, 4, 4, 8, 8);
            }
            var item = new BrixelDemoMenuItem { Text = "Open", SidebarImage = image };
            Func<Color, bool> red = c => c.R > 200 && c.G < 60 && c.B < 60;
            Func<Color, bool> magenta = c => c.R > 200 && c.G < 60 && c.B > 200;
            using (Bitmap without = Row(button, item, false))
                Assert.AreEqual(0, Count(without, red));
            button.MenuSidebar = true;
            using (Bitmap with = Row(button, item, false))
            {
                Assert.AreEqual(64, Count(with, red));
                Assert.AreEqual(0, Count(with, magenta));
            }
        }

        [Test]
        public void A_row_that_opens_a_sub_menu_shows_an_arrow_at_its_trailing_edge()
        {
            var button = NewButton();
            var parent = new BrixelDemoMenuItem { Text = "File" };
            parent.MenuItems.Add(new BrixelDemoMenuItem { Text = "Open" });
            var trailing = new Rectangle(146, 0, 14, 20);
            using (Bitmap leaf = Row(button, new BrixelDemoMenuItem { Text = "File" }, false))
            using (Bitmap opens = Row(button, parent, false))
            {
                Assert.AreEqual(0, Count(leaf, Dark, trailing));
                Assert.Greater(Count(opens, Dark, trailing), 8);
            }
        }

        [Test]
        public void Rows_are_sized_by_the_native_rules()
        {
            var button = NewButton();
            using (var bitmap = new Bitmap(1, 1))
            using (Graphics g = Graphics.FromImage(bitmap))
            {
                Assert.AreEqual(6, button.MenuRowSize(new BrixelDemoMenuItem { Text = "-" }, g).Height);
                Size row = button.MenuRowSize(new BrixelDemoMenuItem { Text = "Open" }, g);
                Assert.AreEqual(20, row.Height);
                Assert.AreEqual(90, row.Width);
                Size wide = button.MenuRowSize(new BrixelDemoMenuItem { Text = "A much longer caption than the others" }, g);
                Assert.Greater(wide.Width, 90);
            }
        }
    }
}
