// Real input on a shown form, sent through the X server with xdotool: what a
// user does, and which events the button raises for it.
using System;
using System.Collections.Generic;
using System.Drawing;
using System.Windows.Forms;
using NUnit.Framework;
using Button = Korvane.Nimbara.BrixelDemo;

namespace BrixelDemo.Tests
{
    [TestFixture]
    public class InputTests : ControlTest
    {
        private Form form;
        private Button button;
        private List<string> events;

        [SetUp]
        public void ShowButton()
        {
            button = ShownButton(out form);
            events = new List<string>();
            button.Click += (s, e) => events.Add("Click");
            button.DoubleClick += (s, e) => events.Add("DoubleClick");
            button.MouseDown += (s, e) => events.Add("MouseDown " + e.Button);
            button.MouseUp += (s, e) => events.Add("MouseUp " + e.Button);
            button.ButtonToggled += (s, state) => events.Add("ButtonToggled " + state);
            // Away from the button, so that each case starts outside it.
            XInput.MoveToScreen(10, 10);
            Pump(100);
        }

        private static readonly Point Inside = new Point(40, 20);

        private void ClickAt(Point p)
        {
            XInput.MoveTo(button, p);
            XInput.Run("click 1");
            Pump(250);
        }

        private static byte[] Resource(string name)
        {
            using (var stream = typeof(Button).Assembly.GetManifestResourceStream("Korvane.Nimbara." + name))
            {
                var bytes = new byte[stream.Length];
                stream.Read(bytes, 0, bytes.Length);
                return bytes;
            }
        }

        private int Count(string name)
        {
            return events.FindAll(e => e == name).Count;
        }

        [Test]
        public void A_left_click_raises_down_up_and_click_once_and_plays_the_click_sound()
        {
            ClickAt(Inside);
            Assert.AreEqual(new[] { "MouseDown Left", "MouseUp Left", "Click" }, events.ToArray());
            // Sound2 on entry (MouseInSound), Sound1 on the click (ClickSound).
            Assert.AreEqual(2, Sounds.Played.Count);
            CollectionAssert.AreEqual(Resource("click2.wav"), Sounds.Played[0]);
            CollectionAssert.AreEqual(Resource("click1.wav"), Sounds.Played[1]);
        }

        [Test]
        public void A_right_click_is_no_click()
        {
            XInput.MoveTo(button, Inside);
            XInput.Run("click 3");
            Pump(250);
            Assert.AreEqual(0, Count("Click"));
        }

        [Test]
        public void Dragging_out_and_back_keeps_the_press_and_clicks_on_release_inside()
        {
            XInput.MoveTo(button, Inside);
            XInput.Press();
            Pump(150);
            Assert.AreEqual(1, button.InteractionState.pressed, "pressed inside");
            XInput.MoveTo(button, new Point(200, 20));
            Pump(150);
            Assert.AreEqual(0, button.InteractionState.pressed, "released look outside");
            XInput.MoveTo(button, Inside);
            Pump(150);
            Assert.AreEqual(1, button.InteractionState.pressed, "pressed again inside");
            XInput.Release();
            Pump(200);
            Assert.AreEqual(1, Count("Click"));
        }

        [Test]
        public void Releasing_outside_is_no_click()
        {
            XInput.MoveTo(button, Inside);
            XInput.Press();
            Pump(150);
            XInput.MoveTo(button, new Point(200, 20));
            Pump(150);
            XInput.Release();
            Pump(200);
            Assert.AreEqual(0, Count("Click"));
        }

        // First after 250 ms, then every 50 ms: about 16 in one second.
        [Test]
        public void Holding_the_button_repeats_WhileMouseDown()
        {
            var ticks = new List<DateTime>();
            button.WhileMouseDown += s => ticks.Add(DateTime.UtcNow);
            XInput.MoveTo(button, Inside);
            DateTime pressed = DateTime.UtcNow;
            XInput.Press();
            Pump(1000);
            XInput.Release();
            Pump(150);
            // Never more than the schedule allows; a loaded machine may deliver fewer ticks.
            Assert.That(ticks.Count, Is.InRange(6, 17), "WhileMouseDown in one second");
            Assert.That((ticks[0] - pressed).TotalMilliseconds, Is.GreaterThanOrEqualTo(200), "the first waits out the grace period");
            int after = ticks.Count;
            Pump(200);
            Assert.AreEqual(after, ticks.Count, "no repeat after the release");
        }

        // There is no window manager on the virtual display: a click on the
        // form gives it the keyboard, as a user's first click would.
        private void FocusFormByClick()
        {
            XInput.MoveTo(form, new Point(280, 140));
            XInput.Run("click 1");
            Pump(150);
        }

        [Test]
        public void Space_clicks_the_focused_button()
        {
            FocusFormByClick();
            button.Focus();
            Pump(100);
            XInput.Key("space");
            Pump(250);
            Assert.AreEqual(1, Count("Click"));
        }

        [Test]
        public void The_mnemonic_clicks_the_button()
        {
            var other = BoxBelow(form);
            FocusFormByClick();
            other.Focus();
            // Mnemonics are found by the message loop's pre-processing, which
            // Application.DoEvents skips on Mono: a real loop runs the keys.
            RunMessageLoop(() => XInput.Key("alt+p"), 300);
            Assert.AreEqual(1, Count("Click"));
        }

        [Test]
        public void A_toggle_button_latches_on_one_click_and_releases_on_the_next()
        {
            button.ToggleButton = true;
            ClickAt(Inside);
            Assert.IsTrue(button.GetToggleState(), "down after one click");
            ClickAt(Inside);
            Assert.IsFalse(button.GetToggleState(), "up after the next");
            CollectionAssert.IsSubsetOf(new[] { "ButtonToggled True", "ButtonToggled False" }, events);
        }

        [Test]
        public void An_inactive_button_takes_no_input_and_is_no_tab_stop()
        {
            button.Active = false;
            ClickAt(Inside);
            XInput.Key("space");
            Pump(150);
            Assert.IsEmpty(events);
            Assert.IsFalse(button.TabStop);
            button.Active = true;
            Assert.IsTrue(button.TabStop, "a tab stop again once active");
        }

        [Test]
        public void Making_a_toggled_button_inactive_releases_it()
        {
            button.ToggleButton = true;
            button.SetToggleState(true);
            button.Active = false;
            Assert.IsFalse(button.GetToggleState());
        }

        [Test]
        public void PerformClick_clicks_an_enabled_button_only()
        {
            button.PerformClick();
            Assert.AreEqual(1, Count("Click"));
            button.Enabled = false;
            button.PerformClick();
            Assert.AreEqual(1, Count("Click"));
        }

        // The framework's button sets the form's result before Click, so the
        // handler's own choice wins; None leaves the form's result alone.
        [Test]
        public void A_handler_can_override_the_dialog_result()
        {
            button.DialogResult = DialogResult.OK;
            button.Click += (s, e) => form.DialogResult = DialogResult.Cancel;
            button.PerformClick();
            Assert.AreEqual(DialogResult.Cancel, form.DialogResult);
        }

        [Test]
        public void A_button_without_a_dialog_result_leaves_the_forms()
        {
            form.DialogResult = DialogResult.Yes;
            button.PerformClick();
            Assert.AreEqual(DialogResult.Yes, form.DialogResult);
        }

        [Test]
        public void A_click_handler_may_dispose_the_button()
        {
            button.Click += (s, e) => button.Dispose();
            ClickAt(Inside);
            Assert.IsTrue(button.IsDisposed);
        }

        [Test]
        public void A_double_click_clicks_twice_and_raises_DoubleClick()
        {
            XInput.MoveTo(button, Inside);
            XInput.Run("click --repeat 2 --delay 60 1");
            Pump(300);
            Assert.AreEqual(1, Count("DoubleClick"));
            Assert.AreEqual(2, Count("Click"));
        }

        // Mono sends WM_CONTEXTMENU on the release as well as showing the menu
        // on the press: the control's own menu must open once per right click.
        [Test]
        public void The_context_menu_opens_once_per_right_click()
        {
            int popups = 0;
            var menu = Own(new ContextMenu(new[] { new MenuItem("One") }));
            menu.Popup += (s, e) =>
            {
                popups++;
                var closer = new Timer { Interval = 150 };
                closer.Tick += (t, a) => { closer.Dispose(); XInput.Key("Escape"); };
                closer.Start();
            };
            button.ContextMenu = menu;
            XInput.MoveTo(button, Inside);
            XInput.Run("click 3");
            Pump(800);
            Assert.AreEqual(1, popups);
            Assert.AreEqual(0, Count("Click"));
        }

        [Test]
        public void The_hand_shows_over_a_hyperlink_only_while_it_is_one()
        {
            button.Hyperlink = true;
            button.HyperlinkAddress = "www.example.com";
            XInput.MoveTo(button, Inside);
            Pump(100);
            XInput.MoveTo(button, new Point(45, 22));
            Pump(100);
            Assert.AreEqual(Cursors.Hand, button.Cursor, "over a hyperlink");
            button.Hyperlink = false;
            XInput.MoveTo(button, new Point(50, 20));
            Pump(100);
            Assert.AreNotEqual(Cursors.Hand, button.Cursor, "no longer one");
        }
    }
}
