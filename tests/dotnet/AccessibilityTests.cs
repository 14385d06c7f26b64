// What assistive technology reads from the button.
using System.Windows.Forms;
using Korvane.Nimbara.BrixelDemoEnum;
using NUnit.Framework;

namespace BrixelDemo.Tests
{
    [TestFixture]
    public class AccessibilityTests : ControlTest
    {
        [TestCase("&Save", "Save", "Alt+S")]
        [TestCase("Save && e&xit", "Save & exit", "Alt+X")]
        [TestCase("Fish && chips", "Fish & chips", null)]
        [TestCase("Trailing&", "Trailing&", null)]
        [TestCase("", "", null)]
        public void Name_and_shortcut_come_from_the_text(string text, string name, string shortcut)
        {
            var button = NewButton();
            button.Text = text;
            Assert.AreEqual(name, button.AccessibilityObject.Name);
            Assert.AreEqual(shortcut, button.AccessibilityObject.KeyboardShortcut);
        }

        [TestCase(false, kvnMenuButtonStyle.PushButtonAndDropdownMenu, AccessibleRole.PushButton)]
        [TestCase(true, kvnMenuButtonStyle.PushButtonAndDropdownMenu, AccessibleRole.SplitButton)]
        [TestCase(true, kvnMenuButtonStyle.DropdownMenu, AccessibleRole.ButtonMenu)]
        public void The_role_follows_the_menu(bool menu, kvnMenuButtonStyle style, AccessibleRole role)
        {
            var button = NewButton();
            button.MenuButtonStyle = style;
            button.Menu = menu;
            Assert.AreEqual(role, button.AccessibilityObject.Role);
            Assert.AreEqual(menu, (button.AccessibilityObject.State & AccessibleStates.HasPopup) != 0);
        }

        [Test]
        public void States_pressed_and_unavailable()
        {
            Form form;
            var button = ShownButton(out form);
            button.ToggleButton = true;
            button.SetToggleState(true);
            Assert.IsTrue((button.AccessibilityObject.State & AccessibleStates.Pressed) != 0, "toggled down");
            button.Active = false;
            Assert.IsTrue((button.AccessibilityObject.State & AccessibleStates.Unavailable) != 0, "inactive");
            Assert.IsFalse((button.AccessibilityObject.State & AccessibleStates.Pressed) != 0, "released by Active false");
        }

        [Test]
        public void The_default_action_clicks()
        {
            Form form;
            var button = ShownButton(out form);
            int clicks = 0;
            button.Click += (s, e) => clicks++;
            Assert.AreEqual("Press", button.AccessibilityObject.DefaultAction);
            button.AccessibilityObject.DoDefaultAction();
            Assert.AreEqual(1, clicks);
        }
    }
}
