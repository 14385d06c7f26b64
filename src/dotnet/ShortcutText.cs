// The texts of the menu items' shortcuts and of key presses, and whether a
// shortcut may run an item: the native library decides all three, so that the
// popup shows, and the keyboard matches, exactly what the ActiveX control's
// rules say.
using System;
using System.Collections.Generic;
using System.Windows.Forms;

namespace Korvane.Nimbara
{
    internal static class ShortcutText
    {
        // "Ctrl+Shift+F12" for CtrlShiftF12; "" for None, the Alt+arrow members
        // and values outside the enumeration.
        internal static string Of(Shortcut shortcut)
        {
            return Read((char[] buffer, out int length) =>
                Abi.brixel_forms_shortcut_text((int)shortcut, buffer, buffer.Length, out length));
        }

        // What a key press spells from its virtual-key code and the modifiers
        // held (Keys.Control, Keys.Shift, Keys.Alt); "" when it can be no shortcut.
        internal static string OfKey(int virtualKey, Keys modifiers)
        {
            int shift = 0;
            if ((modifiers & Keys.Shift) != 0) shift |= 1;
            if ((modifiers & Keys.Control) != 0) shift |= 2;
            if ((modifiers & Keys.Alt) != 0) shift |= 4;
            return Read((char[] buffer, out int length) =>
                Abi.brixel_forms_key_text(virtualKey, shift, buffer, buffer.Length, out length));
        }

        // A shortcut runs only an item the user could reach in the popup: it and
        // every item above it enabled, visible and no separator.
        internal static bool MayRun(BrixelDemoMenuItem item)
        {
            var levels = new List<int>();
            for (var level = item; level != null; level = level.Parent)
            {
                int flags = 0;
                if (level.Enabled) flags |= Abi.MENU_LEVEL_ENABLED;
                if (level.Visible) flags |= Abi.MENU_LEVEL_VISIBLE;
                if (level.Text == "-") flags |= Abi.MENU_LEVEL_SEPARATOR;
                levels.Add(flags);
                if (levels.Count > 4096)
                    return false;  // a parent chain that loops reaches no popup row
            }
            int invocable;
            int status = Abi.brixel_menu_object_invocable(levels.ToArray(), levels.Count, out invocable);
            if (status != Abi.OK)
                throw new InvalidOperationException(Abi.StatusText(status));
            return invocable != 0;
        }

        private delegate int TextCall(char[] buffer, out int length);

        private static string Read(TextCall call)
        {
            var buffer = new char[32];
            int length;
            int status = call(buffer, out length);
            if (status == Abi.E_BUFFER_TOO_SMALL)
            {
                buffer = new char[length + 1];
                status = call(buffer, out length);
            }
            if (status != Abi.OK)
                throw new InvalidOperationException(Abi.StatusText(status));
            return new string(buffer, 0, length);
        }
    }
}
