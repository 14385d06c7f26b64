// Menu shortcuts: a key pressed anywhere in a form runs the item of the first
// button of that form whose menu holds the key's shortcut.
using System;
using System.Windows.Forms;

namespace Korvane.Nimbara
{
    public partial class BrixelDemo
    {
        // Set once this button has counted itself in its thread's filter
        // registration; it is counted out of that same registration once.
        private MessageFilterRegistration filterRegistration;

        protected override void OnCreateControl()
        {
            base.OnCreateControl();
            if (filterRegistration != null || IsDisposedOrDying)
                return;
            filterRegistration = MessageFilterRegistration.ForThisThread;
            filterRegistration.Add();
        }

        // From Dispose(true) only: the finalizer leaves shared state alone.
        private void ReleaseMessageFilter()
        {
            var registration = filterRegistration;
            filterRegistration = null;
            if (registration != null)
                registration.Release();
        }

        // The popup's shortcut column shows the same text the keys spell.
        static partial void ShortcutDisplayText(Shortcut shortcut, ref string text)
        {
            text = ShortcutText.Of(shortcut);
        }

        // The item of `items` (searched depth first, in order) whose shortcut
        // spells `strShortcut`. Only items without sub-items carry a shortcut
        // that runs; a parent's is shown nowhere and matches nothing.
        public BrixelDemoMenuItem SearchForMenuItem(BrixelDemoMenuItemCollection items, string strShortcut)
        {
            if (items == null || string.IsNullOrEmpty(strShortcut))
                return null;
            foreach (BrixelDemoMenuItem item in items)
            {
                if (item.IsParent)
                {
                    var found = SearchForMenuItem(item.MenuItems, strShortcut);
                    if (found != null)
                        return found;
                }
                else if (ShortcutText.Of(item.Shortcut) == strShortcut)
                {
                    return item;
                }
            }
            return null;
        }

        // The first button of the form, in the order of its controls and
        // searched into every container, that may answer the shortcut.
        public static BrixelDemo SearchInsideActiveForm(Form form, string strShortcut)
        {
            return form == null ? null : SearchInside(form, strShortcut);
        }

        private static BrixelDemo SearchInside(Control parent, string shortcut)
        {
            foreach (Control child in parent.Controls)
            {
                if (child.Controls.Count > 0)
                {
                    var found = SearchInside(child, shortcut);
                    if (found != null)
                        return found;
                    continue;
                }
                var button = child as BrixelDemo;
                if (button != null && button.AnswersShortcuts && button.SearchForMenuItem(button.MenuItems, shortcut) != null)
                    return button;
            }
            return null;
        }

        private bool AnswersShortcuts
        {
            get { return Alive && !DesignMode && Menu && Active && Enabled && Visible; }
        }

        // The text a key press spells: "Ctrl+", "Shift+", "Alt+" for the
        // modifiers held, then the key of the message; "" for a key that can
        // be no shortcut, and for a letter or digit without a modifier.
        public static string ConcatTheShortcut(bool bIsCtrl, bool bIsShift, bool bIsAlt, ref Message msg)
        {
            Keys modifiers = Keys.None;
            if (bIsCtrl) modifiers |= Keys.Control;
            if (bIsShift) modifiers |= Keys.Shift;
            if (bIsAlt) modifiers |= Keys.Alt;
            return ShortcutText.OfKey((int)(msg.WParam.ToInt64() & 0xFFFF), modifiers);
        }

        // The message filter's decision for a key-down sent to `window`: true
        // when it ran an item, so that the key goes no further. The form is
        // the focused control's: Form.ActiveForm stays null where no window
        // manager activates windows.
        internal static bool DispatchShortcut(IntPtr window, int virtualKey, Keys modifiers)
        {
            string shortcut = ShortcutText.OfKey(virtualKey, modifiers);
            if (shortcut.Length == 0)
                return false;
            Control target = Control.FromChildHandle(window);
            Form form = target == null ? Form.ActiveForm : target as Form ?? target.FindForm();
            BrixelDemo button = SearchInsideActiveForm(form, shortcut);
            if (button == null)
                return false;
            BrixelDemoMenuItem item = button.SearchForMenuItem(button.MenuItems, shortcut);
            // The first match decides alone, as in the ActiveX control: an item
            // the user could not reach in the popup runs nothing.
            if (item == null || !ShortcutText.MayRun(item))
                return false;
            button.InvokeMenuItem(item);
            return true;
        }
    }
}
