// The menu machinery's public members: the size estimates the placement
// uses, and what one button asks of another while the pointer moves (the
// auto-drop and the hand-over of an open menu).
using System;
using System.Drawing;
using System.Windows.Forms;

namespace Korvane.Nimbara
{
    public partial class BrixelDemo
    {
        // The estimated width of the top-level menu, as the placement uses it.
        public int CalculateMaxMenuWidth()
        {
            if (!Alive)
                return 0;
            using (var measure = new MenuMeasure(this))
                return MenuWidthEstimate(measure.Graphics, MenuItems);
        }

        // The estimated height of the menu `item` opens, or of the top-level
        // menu for null.
        public int CalculateMenuHeight(BrixelDemoMenuItem item)
        {
            if (!Alive)
                return 0;
            using (var measure = new MenuMeasure(this))
                return MenuHeightEstimate(measure.Graphics, item == null ? MenuItems : item.MenuItems);
        }

        // Drops this button's menu when it would drop by itself for a pointer
        // at `point` (screen coordinates); the drop waits for the message loop.
        public void AutoDropKorvaneMenu(Point point)
        {
            if (!Alive)
                return;
            if (WantsAutoDrop(point, Form.ActiveForm ?? FindForm()))
                AutoDropSoon();
        }

        // Closes this button's open popup, for the pointer's move over
        // `window` at `point` that handed the menu over to another button.
        public void CloseOpenedMenu(IntPtr window, Point point)
        {
            CloseOpenedMenu();
        }

        // True while this button's own popup is shown.
        public bool IsFirstLevelMenuVisible()
        {
            return MenuShown;
        }

        // The button whose popup is open on this thread, when `control` is on
        // the same form (or is null); null when no popup of ours is open.
        public static BrixelDemo IsOpenedMenuOfTypeBrixel(Control control)
        {
            BrixelDemo open = OpenMenuOwner;
            if (open == null || control == null)
                return open;
            return control == open || control.FindForm() == open.FindForm() ? open : null;
        }

        // Text is measured on the control's own surface when it has a window
        // and on a scratch bitmap before it does, so that asking for a size
        // never creates the window.
        private sealed class MenuMeasure : IDisposable
        {
            private readonly Bitmap scratch;

            public MenuMeasure(Control control)
            {
                if (control.IsHandleCreated)
                {
                    Graphics = control.CreateGraphics();
                    return;
                }
                scratch = new Bitmap(1, 1);
                Graphics = Graphics.FromImage(scratch);
            }

            public Graphics Graphics { get; private set; }

            public void Dispose()
            {
                Graphics.Dispose();
                if (scratch != null)
                    scratch.Dispose();
            }
        }
    }
}
