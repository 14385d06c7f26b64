// What screen readers and UI automation see: a push button (a split button
// or a button with a menu when Menu is on), named by its text without the
// mnemonic ampersand, whose default action clicks as PerformClick does.
using System.Text;
using System.Windows.Forms;

namespace Korvane.Nimbara
{
    public partial class BrixelDemo
    {
        protected override AccessibleObject CreateAccessibilityInstance()
        {
            return new BrixelAccessibleObject(this);
        }

        // "&Save && exit" reads "Save & exit".
        internal static string WithoutMnemonic(string text)
        {
            if (string.IsNullOrEmpty(text))
                return text;
            var plain = new StringBuilder(text.Length);
            for (int i = 0; i < text.Length; i++)
            {
                if (text[i] == '&' && i + 1 < text.Length)
                    i++;
                plain.Append(text[i]);
            }
            return plain.ToString();
        }

        // The character after a single ampersand, or none.
        internal static char Mnemonic(string text)
        {
            if (string.IsNullOrEmpty(text))
                return '\0';
            for (int i = 0; i + 1 < text.Length; i++)
            {
                if (text[i] != '&')
                    continue;
                if (text[i + 1] != '&')
                    return char.ToUpperInvariant(text[i + 1]);
                i++;
            }
            return '\0';
        }

        internal sealed class BrixelAccessibleObject : ControlAccessibleObject
        {
            private readonly BrixelDemo owner;

            public BrixelAccessibleObject(BrixelDemo owner) : base(owner)
            {
                this.owner = owner;
            }

            public override AccessibleRole Role
            {
                get
                {
                    if (owner.AccessibleRole != AccessibleRole.Default)
                        return owner.AccessibleRole;
                    if (!owner.Alive || !owner.Menu)
                        return AccessibleRole.PushButton;
                    return owner.MenuButtonStyle == BrixelDemoEnum.kvnMenuButtonStyle.DropdownMenu
                        ? AccessibleRole.ButtonMenu : AccessibleRole.SplitButton;
                }
            }

            public override string Name
            {
                get { return owner.AccessibleName ?? WithoutMnemonic(owner.Text); }
                set { owner.AccessibleName = value; }
            }

            public override string KeyboardShortcut
            {
                get
                {
                    char key = Mnemonic(owner.Text);
                    return key == '\0' ? null : "Alt+" + key;
                }
            }

            public override AccessibleStates State
            {
                get
                {
                    AccessibleStates states = base.State;
                    if (!owner.Alive)
                        return states;
                    if (owner.GetToggleState())
                        states |= AccessibleStates.Pressed;
                    if (!owner.Enabled || !owner.Active)
                        states |= AccessibleStates.Unavailable;
                    if (owner.Focused)
                        states |= AccessibleStates.Focused;
                    if (owner.Menu)
                        states |= AccessibleStates.HasPopup;
                    return states;
                }
            }

            public override string DefaultAction
            {
                get { return owner.AccessibleDefaultActionDescription ?? "Press"; }
            }

            public override void DoDefaultAction()
            {
                owner.PerformClick();
            }
        }
    }
}
