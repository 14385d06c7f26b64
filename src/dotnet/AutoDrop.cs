// Menus that drop by themselves (MenuAutoDrop). Moving the pointer onto such
// a button's drop part drops its menu; while a menu is open, moving onto
// another such button closes the open one and lets that button drop.
//
// While a popup is open the message filter sees nothing and no other control
// gets mouse moves, but timers tick and Control.MousePosition is current: a
// timer polls the pointer for as long as the popup is shown.
using System;
using System.Drawing;
using System.Windows.Forms;

namespace Korvane.Nimbara
{
    public partial class BrixelDemo
    {
        private const int HandOverPollMs = 50;

        private Timer handOverPoll;
        private Rectangle shownPopupBounds;
        private Timer autoDropLater;

        // Whether this button drops its menu by itself for a pointer at
        // `screen`, with `activeForm` the form the user works in.
        internal bool WantsAutoDrop(Point screen, Form activeForm)
        {
            if (!Alive || !IsHandleCreated)
                return false;
            Point client = PointToClient(screen);
            int inPart = 0;
            if (ClientRectangle.Contains(client))
                Check(Abi.brixel_in_drop_part(button, ClientSize.Width, ClientSize.Height, client.X, client.Y, out inPart));
            var context = new Abi.AutoDropContext
            {
                size = Abi.SizeOf<Abi.AutoDropContext>(),
                user_mode = DesignMode ? 0 : 1,
                menu_auto_drop = MenuAutoDrop ? 1 : 0,
                active = Active ? 1 : 0,
                menu = Menu ? 1 : 0,
                enabled = Enabled ? 1 : 0,
                window_visible = Visible ? 1 : 0,
                own_top_level_active = activeForm != null && FindForm() == activeForm ? 1 : 0,
                drop_suppressed = menuShownMark || MenuShown ? 1 : 0,
                has_items = menuItems != null && menuItems.Count > 0 ? 1 : 0,
                any_visible = AnyTopLevelItemVisible() ? 1 : 0,
                point_in_drop_part = inPart,
            };
            int drop;
            Check(Abi.brixel_should_auto_drop(ref context, out drop));
            return drop != 0;
        }

        private bool AnyTopLevelItemVisible()
        {
            if (menuItems != null)
                foreach (BrixelDemoMenuItem item in menuItems)
                    if (item.Visible)
                        return true;
            return false;
        }

        // The button of `form` under the screen point that would drop its menu
        // by itself, other than `except`; controls earlier in a Controls list
        // lie on top of later ones.
        internal static BrixelDemo AutoDropTarget(Form form, Point screen, BrixelDemo except)
        {
            return form == null ? null : AutoDropTargetIn(form, form, screen, except);
        }

        private static BrixelDemo AutoDropTargetIn(Control parent, Form form, Point screen, BrixelDemo except)
        {
            foreach (Control child in parent.Controls)
            {
                if (!child.Visible || !child.RectangleToScreen(child.ClientRectangle).Contains(screen))
                    continue;
                var button = child as BrixelDemo;
                if (button != null)
                    return button != except && button.WantsAutoDrop(screen, form) ? button : null;
                return AutoDropTargetIn(child, form, screen, except);
            }
            return null;
        }

        // The mouse moved over `window` while no popup is open.
        internal static void AutoDropProbe(IntPtr window, Point screen)
        {
            var button = Control.FromHandle(window) as BrixelDemo;
            if (button == null)
                return;
            // Where no window manager activates windows, Form.ActiveForm stays
            // null: the form the pointer works in is then the active one.
            Form form = button.FindForm();
            if (button.WantsAutoDrop(screen, Form.ActiveForm ?? form))
                button.AutoDropSoon();
        }

        // The drop starts from the message loop, once the open popup (if any)
        // has closed, and only if the pointer still asks for it.
        private void AutoDropSoon()
        {
            if (autoDropLater == null)
            {
                autoDropLater = new Timer { Interval = 20 };
                autoDropLater.Tick += (sender, e) => AutoDropNow();
            }
            autoDropLater.Start();
        }

        private void AutoDropNow()
        {
            if (OpenMenuOwner != null)
                return;  // the closing popup is still unwinding; the timer asks again
            autoDropLater.Stop();
            Form form = FindForm();
            if (!WantsAutoDrop(Control.MousePosition, Form.ActiveForm ?? form))
                return;
            Step((ButtonHandle b, ref Abi.Frame f, out IntPtr fx) => Abi.brixel_menu_auto_dropped(b, ref f, out fx));
            if (Alive)
                TrackKorvanePopupMenu();
        }

        // Runs while this button's popup, at `bounds` on the screen, is shown.
        private void StartHandOverPoll(Rectangle bounds)
        {
            shownPopupBounds = bounds;
            if (handOverPoll == null)
            {
                handOverPoll = new Timer { Interval = HandOverPollMs };
                handOverPoll.Tick += (sender, e) => PollHandOver();
            }
            handOverPoll.Start();
        }

        private void StopHandOverPoll()
        {
            if (handOverPoll != null)
                handOverPoll.Stop();
        }

        private void PollHandOver()
        {
            if (!MenuShown || IsDisposedOrDying)
            {
                StopHandOverPoll();
                return;
            }
            Point pointer = Control.MousePosition;
            // The popup lies over whatever it covers, another button's drop part too.
            if (shownPopupBounds.Contains(pointer))
                return;
            BrixelDemo target = AutoDropTarget(FindForm(), pointer, this);
            if (target == null)
                return;
            StopHandOverPoll();
            CloseOpenedMenu();
            target.AutoDropSoon();
        }

        private void DisposeAutoDropTimers()
        {
            if (handOverPoll != null)
                handOverPoll.Dispose();
            if (autoDropLater != null)
                autoDropLater.Dispose();
        }
    }
}
