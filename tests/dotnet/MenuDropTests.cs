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
            int openWhileShown = -1;
            var closer = new System.Threading.Thread(() =>
            {
                Wait(400);
                button.BeginInvoke((MethodInvoker)delegate
                {
                    openWhileShown = button.InteractionState.menu_open;
                    button.CloseOpenedMenu();
                });
            });
            closer.Start();
            button.DropMenu();
            closer.Join();
            Assert.AreEqual(1, openWhileShown);
            Assert.AreEqual(0, button.InteractionState.menu_open);
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
        public void Keys_open_the_menu_of_the_focused_button(string key, kvnMenuButtonStyle style, bool drops)
        {
            Form form;
            var button = MenuButton(out form);
            button.MenuButtonStyle = style;
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
            CollectionAssert.AreEqual(expected, events, string.Join(", ", events));
        }

        [Test]
        public void Space_still_clicks_the_push_part_of_a_split_button()
        {
            Form form;
            var button = MenuButton(out form);
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
