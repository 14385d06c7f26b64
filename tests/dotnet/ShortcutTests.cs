// Menu shortcuts: the texts of the Shortcut values, real key presses on a
// shown form (the message filter runs only inside a real message loop, so the
// keys are sent from within one), and the filter's count of buttons.
using System;
using System.Collections.Generic;
using System.Drawing;
using System.Reflection;
using System.Windows.Forms;
using Korvane.Nimbara;
using NUnit.Framework;
using Button = Korvane.Nimbara.BrixelDemo;

namespace BrixelDemo.Tests
{
    [TestFixture]
    public class ShortcutTextTests
    {
        [TestCase(Shortcut.CtrlA, "Ctrl+A")]
        [TestCase(Shortcut.CtrlZ, "Ctrl+Z")]
        [TestCase(Shortcut.Ctrl0, "Ctrl+0")]
        [TestCase(Shortcut.CtrlShiftF12, "Ctrl+Shift+F12")]
        [TestCase(Shortcut.CtrlShift9, "Ctrl+Shift+9")]
        [TestCase(Shortcut.CtrlIns, "Ctrl+Ins")]
        [TestCase(Shortcut.CtrlDel, "Ctrl+Del")]
        [TestCase(Shortcut.ShiftDel, "Shift+Del")]
        [TestCase(Shortcut.ShiftF1, "Shift+F1")]
        [TestCase(Shortcut.AltBksp, "Alt+Bksp")]
        [TestCase(Shortcut.Alt0, "Alt+0")]
        [TestCase(Shortcut.AltF4, "Alt+F4")]
        [TestCase(Shortcut.Ins, "Ins")]
        [TestCase(Shortcut.Del, "Del")]
        [TestCase(Shortcut.F10, "F10")]
        [TestCase(Shortcut.None, "")]
        [TestCase(Shortcut.AltLeftArrow, "")]
        [TestCase(Shortcut.AltUpArrow, "")]
        [TestCase(Shortcut.AltRightArrow, "")]
        [TestCase(Shortcut.AltDownArrow, "")]
        [TestCase((Shortcut)0x10041, "")]  // Shift+A is no member
        [TestCase((Shortcut)(-1), "")]
        public void Text_of_a_shortcut(Shortcut shortcut, string text)
        {
            Assert.AreEqual(text, ShortcutText.Of(shortcut));
        }

        [Test]
        public void Every_member_but_None_and_the_four_Alt_arrows_has_a_text_of_its_own()
        {
            var texts = new HashSet<string>();
            foreach (Shortcut s in Enum.GetValues(typeof(Shortcut)))
            {
                string text = ShortcutText.Of(s);
                if (text.Length > 0)
                    Assert.IsTrue(texts.Add(text), "twice: " + text);
            }
            Assert.AreEqual(149, texts.Count);
        }

        [TestCase(Keys.F5, Keys.Control | Keys.Shift, "Ctrl+Shift+F5")]
        [TestCase(Keys.Delete, Keys.None, "Del")]
        [TestCase(Keys.Back, Keys.Alt, "Alt+Bksp")]
        [TestCase(Keys.D7, Keys.Control, "Ctrl+7")]
        [TestCase(Keys.A, Keys.None, "")]
        [TestCase(Keys.D7, Keys.None, "")]
        [TestCase(Keys.Left, Keys.Alt, "")]
        public void Text_a_key_press_spells(Keys key, Keys modifiers, string text)
        {
            var m = Message.Create(IntPtr.Zero, 0x0100, (IntPtr)(int)key, IntPtr.Zero);
            Assert.AreEqual(text, Button.ConcatTheShortcut((modifiers & Keys.Control) != 0, (modifiers & Keys.Shift) != 0,
                                                           (modifiers & Keys.Alt) != 0, ref m));
        }

        [TestCase(PlatformID.Win32NT, false, "WindowDc")]
        [TestCase(PlatformID.Win32NT, true, "Buffer")]
        [TestCase(PlatformID.Unix, true, "Buffer")]
        [TestCase(PlatformID.MacOSX, true, "Buffer")]
        public void Face_path_by_runtime(PlatformID platform, bool mono, string path)
        {
            Assert.AreEqual(path, Button.ChooseFacePath(platform, mono).ToString());
        }
    }

    [TestFixture]
    public class ShortcutTests : ControlTest
    {
        private Form form;
        private Button button;
        private TextBox box;
        private List<string> clicks;

        [SetUp]
        public void ShowForm()
        {
            button = ShownButton(out form);
            button.Menu = true;
            box = BoxBelow(form);
            box.Width = 200;
            box.Text = "abc";
            clicks = new List<string>();
            // Over the form but off the button: without a window manager the
            // keyboard follows the pointer.
            XInput.MoveTo(form, new Point(250, 130));
            box.Focus();
            Pump(100);
        }

        private BrixelDemoMenuItem Item(string text, Shortcut shortcut, BrixelDemoMenuItemCollection into)
        {
            var item = new BrixelDemoMenuItem { Text = text, Shortcut = shortcut };
            item.Click += (s, e) => clicks.Add(((BrixelDemoMenuItem)s).Text);
            into.Add(item);
            return item;
        }

        private void Press(string keys)
        {
            RunMessageLoop(() => XInput.Key(keys), 300);
        }

        [Test]
        public void Ctrl_Shift_F5_from_a_text_box_on_the_form_runs_the_item()
        {
            Item("Open", Shortcut.CtrlA, button.MenuItems);
            var file = Item("File", Shortcut.None, button.MenuItems);
            Item("Reload", Shortcut.CtrlShiftF5, file.MenuItems);
            Assert.IsTrue(box.Focused);
            Press("ctrl+shift+F5");
            CollectionAssert.AreEqual(new[] { "Reload" }, clicks);
        }

        [Test]
        public void A_plain_letter_runs_nothing_and_is_typed()
        {
            Item("Open", Shortcut.CtrlA, button.MenuItems);
            box.SelectionStart = box.TextLength;
            Press("a");
            CollectionAssert.IsEmpty(clicks);
            Assert.AreEqual("abca", box.Text);
        }

        [Test]
        public void A_key_that_ran_an_item_does_not_reach_the_focused_text_box()
        {
            Item("Remove", Shortcut.Del, button.MenuItems);
            box.SelectionStart = 0;
            box.SelectionLength = 0;
            Press("Delete");
            CollectionAssert.AreEqual(new[] { "Remove" }, clicks);
            Assert.AreEqual("abc", box.Text);
        }

        [Test]
        public void A_shortcut_also_opens_the_items_hyperlink()
        {
            var item = Item("Mail", Shortcut.CtrlShiftF5, button.MenuItems);
            item.Hyperlink = true;
            item.HyperlinkAddress = "someone@example.com";
            Press("ctrl+shift+F5");
            CollectionAssert.AreEqual(new[] { "Mail" }, clicks);
            CollectionAssert.AreEqual(new[] { "mailto:someone@example.com" }, Shell.Opened);
        }

        [TestCase("disabled item")]
        [TestCase("invisible item")]
        [TestCase("under a disabled parent")]
        [TestCase("under an invisible parent")]
        [TestCase("parent item")]
        public void An_item_the_popup_would_not_offer_does_not_run(string which)
        {
            var parent = Item("File", Shortcut.None, button.MenuItems);
            var item = Item("Reload", Shortcut.CtrlShiftF5, parent.MenuItems);
            switch (which)
            {
                case "disabled item": item.Enabled = false; break;
                case "invisible item": item.Visible = false; break;
                case "under a disabled parent": parent.Enabled = false; break;
                case "under an invisible parent": parent.Visible = false; break;
                case "parent item": parent.Shortcut = Shortcut.CtrlShiftF6; break;
            }
            box.SelectionStart = 0;
            Press(which == "parent item" ? "ctrl+shift+F6" : "ctrl+shift+F5");
            CollectionAssert.IsEmpty(clicks);
        }

        [TestCase("Active false")]
        [TestCase("disabled button")]
        [TestCase("Menu false")]
        public void A_button_that_cannot_drop_its_menu_runs_no_shortcut(string which)
        {
            Item("Reload", Shortcut.F5, button.MenuItems);
            if (which == "Active false") button.Active = false;
            if (which == "disabled button") button.Enabled = false;
            if (which == "Menu false") button.Menu = false;
            Press("F5");
            CollectionAssert.IsEmpty(clicks);
        }

        [Test]
        public void The_first_button_of_the_form_that_holds_the_shortcut_wins()
        {
            var panel = new Panel { Location = new Point(150, 10), Size = new Size(140, 80) };
            var second = new Button { Location = new Point(5, 5), Size = new Size(100, 30), Menu = true };
            panel.Controls.Add(second);
            form.Controls.Add(panel);
            Item("Second", Shortcut.CtrlShiftF5, second.MenuItems);
            Press("ctrl+shift+F5");
            CollectionAssert.AreEqual(new[] { "Second" }, clicks, "found inside the panel");
            Item("First", Shortcut.CtrlShiftF5, button.MenuItems);
            clicks.Clear();
            Press("ctrl+shift+F5");
            CollectionAssert.AreEqual(new[] { "First" }, clicks);
        }
    }

    [TestFixture]
    public class MessageFilterCountTests : ControlTest
    {
        private static int Count
        {
            get
            {
                var r = MessageFilterRegistration.ExistingForThisThread;
                return r == null ? 0 : r.Count;
            }
        }

        private static bool Installed
        {
            get
            {
                var r = MessageFilterRegistration.ExistingForThisThread;
                return r != null && r.Installed;
            }
        }

        [Test]
        public void A_button_counts_once_however_often_its_window_is_made_and_only_if_it_had_one()
        {
            int before = Count;
            using (new Button())
            {
            }
            Assert.AreEqual(before, Count, "a button without a window lowered the count");

            Form form;
            var button = ShownButton(out form);
            Assert.AreEqual(before + 1, Count);
            Assert.IsTrue(Installed);
            form.Controls.Remove(button);
            form.Controls.Add(button);
            typeof(Control).GetMethod("RecreateHandle", BindingFlags.Instance | BindingFlags.NonPublic).Invoke(button, null);
            Pump(50);
            Assert.AreEqual(before + 1, Count, "a recreated window counted again");
            button.Dispose();
            button.Dispose();
            Assert.AreEqual(before, Count, "disposed twice, counted out twice");
            if (before == 0)
                Assert.IsFalse(Installed, "the last button left the filter behind");
        }

        [Test]
        public void The_last_button_out_removes_the_filter_and_the_next_one_brings_it_back()
        {
            Form form;
            var first = ShownButton(out form);
            var second = new Button { Location = new Point(150, 20) };
            form.Controls.Add(second);
            Pump(50);
            int withBoth = Count;
            first.Dispose();
            Assert.AreEqual(withBoth - 1, Count);
            Assert.IsTrue(Installed);
            second.Dispose();
            Assert.AreEqual(withBoth - 2, Count);
            Assert.AreEqual(Count > 0, Installed);
            var third = new Button { Location = new Point(20, 80) };
            form.Controls.Add(third);
            Pump(50);
            Assert.AreEqual(withBoth - 1, Count);
            Assert.IsTrue(Installed);
        }
    }

    // Menus that drop by themselves, driven by real pointer moves inside a
    // real message loop (the filter sees mouse moves only there).
    [TestFixture]
    public class AutoDropTests : ControlTest
    {
        private Form form;
        private Button first, second;
        private List<string> events;

        [SetUp]
        public void ShowTwoButtons()
        {
            events = new List<string>();
            first = ShownButton(out form, "First");
            second = new Button { Location = new Point(160, 20), Size = new Size(120, 40), Text = "Second" };
            form.Controls.Add(second);
            Arm(first, "first");
            Arm(second, "second");
            XInput.MoveToScreen(10, 10);
            Pump(100);
        }

        private void Arm(Button button, string name)
        {
            button.Menu = true;
            button.MenuButtonStyle = Korvane.Nimbara.BrixelDemoEnum.kvnMenuButtonStyle.DropdownMenu;
            button.MenuAutoDrop = true;
            foreach (string text in new[] { "One", "Two", "Three" })
                button.MenuItems.Add(new BrixelDemoMenuItem { Text = text });
            button.MenuDropped += (s, state) => events.Add(name + (state ? " dropped" : " closed"));
        }

        private sealed class Step
        {
            public Func<bool> When;
            public Action Then;
        }

        private static Step After(Func<bool> when, Action then) { return new Step { When = when, Then = then }; }

        // Runs each step once the one before has run and its own condition
        // holds, from inside a real message loop (and from inside an open
        // popup's loop, where timers still tick); gives up after `ms`.
        private static void RunSteps(int ms, params Step[] steps)
        {
            int next = 0;
            var context = new ApplicationContext();
            var watch = System.Diagnostics.Stopwatch.StartNew();
            var timer = new Timer { Interval = 50 };
            timer.Tick += (s, e) =>
            {
                if (next < steps.Length && steps[next].When())
                    steps[next++].Then();
                else if (next == steps.Length || watch.ElapsedMilliseconds > ms)
                {
                    timer.Stop();
                    context.ExitThread();
                }
            };
            timer.Start();
            Application.Run(context);
            timer.Dispose();
        }

        private bool Seen(string e) { return events.Contains(e); }

        private static Action MoveOnto(Control control, int x, int y)
        {
            return () => XInput.MoveTo(control, new Point(x, y));
        }

        [Test]
        public void Moving_onto_a_second_button_closes_the_open_menu_and_drops_the_seconds()
        {
            RunSteps(5000, After(() => true, MoveOnto(first, 60, 20)),
                     After(() => Seen("first dropped"), MoveOnto(second, 60, 20)),
                     After(() => Seen("second dropped"), () => XInput.Key("Escape")),
                     After(() => Seen("second closed"), () => { }));
            CollectionAssert.AreEqual(new[] { "first dropped", "first closed", "second dropped", "second closed" }, events);
        }

        [Test]
        public void A_button_without_MenuAutoDrop_takes_nothing_over()
        {
            second.MenuAutoDrop = false;
            var moved = System.Diagnostics.Stopwatch.StartNew();
            RunSteps(5000, After(() => true, MoveOnto(first, 60, 20)),
                     After(() => Seen("first dropped"), () => { MoveOnto(second, 60, 20)(); moved.Restart(); }),
                     After(() => moved.ElapsedMilliseconds > 500, () => XInput.Key("Escape")),
                     After(() => Seen("first closed"), () => { }));
            CollectionAssert.AreEqual(new[] { "first dropped", "first closed" }, events);
        }

        [TestCase("drop part of the other button", 117, 20, true)]
        [TestCase("push part of the other button", 10, 20, false)]
        [TestCase("the open button itself", -100, 20, false)]
        [TestCase("between the buttons", -10, 20, false)]
        public void Which_button_takes_over(string where, int x, int y, bool takesOver)
        {
            second.MenuButtonStyle = Korvane.Nimbara.BrixelDemoEnum.kvnMenuButtonStyle.PushButtonAndDropdownMenu;
            Point screen = second.PointToScreen(new Point(x, y));
            Assert.AreEqual(takesOver ? second : null, Button.AutoDropTarget(form, screen, first), where);
        }

        [TestCase("Active false")]
        [TestCase("disabled")]
        [TestCase("MenuAutoDrop false")]
        [TestCase("no visible item")]
        [TestCase("no item")]
        public void A_button_that_may_not_drop_by_itself_takes_nothing_over(string why)
        {
            switch (why)
            {
                case "Active false": second.Active = false; break;
                case "disabled": second.Enabled = false; break;
                case "MenuAutoDrop false": second.MenuAutoDrop = false; break;
                case "no visible item": foreach (BrixelDemoMenuItem item in second.MenuItems) item.Visible = false; break;
                case "no item": second.MenuItems.Clear(); break;
            }
            Point screen = second.PointToScreen(new Point(60, 20));
            Assert.IsNull(Button.AutoDropTarget(form, screen, first), why);
        }
    }
}
