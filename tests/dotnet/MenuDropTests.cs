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
            events.RemoveAll(e => e.StartsWith("Select"));
            CollectionAssert.AreEqual(new[] { "MenuButtonPressed", "MenuDropped True", "Click Second", "MenuDropped False" }, events);
        }
    }
}
