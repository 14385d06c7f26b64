// Dropping the menu: where the popup goes, the events around it and the
// button's menu state while it is shown.
//
// A drop, in order: MenuButtonPressed, MenuDropped(true), the popup shown
// (the menu-open look and the shown mark while it is), the popup closed (the
// look ends, the hover too when the pointer left, with MouseLeave), then the
// chosen item's Click and hyperlink, then MenuDropped(false). A request while
// the shown mark survives (the click that closed the popup landed on the part
// that opens it) only clears the mark and raises MenuDropped(false).
//
// Mono's ContextMenu.Show blocks until the popup closes and raises Popup, the
// chosen item's Click and Collapse, in that order; it delivers no menu-loop
// messages, so the state follows Popup and Collapse on both runtimes.
using System;
using System.Drawing;
using System.Reflection;
using System.Runtime.InteropServices;
using System.Windows.Forms;

namespace Korvane.Nimbara
{
    public partial class BrixelDemo
    {
        private ContextMenu shownMenu;      // the popup of the drop under way
        private bool menuShownMark;         // survives a close by a click on the drop part
        private bool menuLoopOpen;
        private BrixelDemoMenuItem chosenMenuItem;

        // Mono's popup is its own window, not the system's menu, and behaves
        // differently in two ways that show (see its uses).
        private static readonly bool MonoPopup = Type.GetType("Mono.Runtime") != null;

        // The control whose popup is open on this thread, if any.
        internal static BrixelDemo OpenMenuOwner { get; private set; }

        // True while this control's popup is open.
        internal bool MenuShown
        {
            get { return shownMenu != null; }
        }

        // Drops the menu when Menu, Active and Enabled are true and the control
        // is visible; a menu without items drops nothing and raises no event.
        public void DropMenu()
        {
            if (!Alive || !IsHandleCreated || !Menu || !GetBool(Prop.Active) || !Enabled || !Visible)
                return;
            TrackKorvanePopupMenu();
        }

        // Drops the menu and runs the item chosen from it.
        public void TrackKorvanePopupMenu()
        {
            if (!Alive || !IsHandleCreated || shownMenu != null || menuItems == null || menuItems.Count == 0)
                return;
            Step((ButtonHandle b, ref Abi.Frame f, out IntPtr fx) => MenuAbi.brixel_menu_dropping(b, ref f, out fx));
            if (!Alive)
                return;
            if (menuShownMark)
            {
                menuShownMark = false;
                RaiseMenuDropped(false);
                return;
            }
            Point corner;
            using (Graphics g = CreateGraphics())
                corner = PopupCorner(g);
            var pressed = MenuButtonPressed;
            if (pressed != null)
                pressed(this);
            if (IsDisposedOrDying || !RaiseMenuDropped(true))
                return;
            ContextMenu menu = CreateContextMenu(MenuItems);
            try
            {
                if (menu != null && menu.MenuItems.Count > 0 && ShowPopup(menu, corner))
                    return;
            }
            finally
            {
                if (menu != null)
                    menu.Dispose();
            }
            BrixelDemoMenuItem chosen = chosenMenuItem;
            chosenMenuItem = null;
            if (chosen != null && chosen.Enabled && !chosen.GetDisposed() && !InvokeMenuItem(chosen))
                return;
            RaiseMenuDropped(false);
        }

        // Shows the popup until it closes; true when a handler disposed the control meanwhile.
        private bool ShowPopup(ContextMenu menu, Point corner)
        {
            chosenMenuItem = null;
            menuLoopOpen = false;
            menu.Popup += (sender, e) => MenuLoopStarted();
            menu.Collapse += (sender, e) => MenuLoopEnded();
            BrixelDemo outer = OpenMenuOwner;
            shownMenu = menu;
            OpenMenuOwner = this;
            Size size;
            using (Graphics g = CreateGraphics())
                size = MenuPopupSize(g);
            StartHandOverPoll(new Rectangle(corner, size));
            try
            {
                menu.Show(this, PointToClient(corner));
            }
            finally
            {
                StopHandOverPoll();
                shownMenu = null;
                OpenMenuOwner = outer;
            }
            if (IsDisposedOrDying)
                return true;
            // A runtime that closed the popup without Collapse still ends the loop.
            if (menuLoopOpen)
                MenuLoopEnded();
            return IsDisposedOrDying;
        }

        internal void MenuRowChosen(BrixelDemoMenuItem item)
        {
            chosenMenuItem = item;
        }

        private void MenuLoopStarted()
        {
            if (!Alive || menuLoopOpen)
                return;
            menuLoopOpen = true;
            menuShownMark = true;
            MenuAbi.brixel_menu_set_open(button, 1);
            RepaintNow();
        }

        private void MenuLoopEnded()
        {
            if (!Alive || !menuLoopOpen)
                return;
            menuLoopOpen = false;
            var frame = Frame();
            // The key state is not readable on every runtime. A popup closed
            // with no mouse button held was closed by a key (or a choice, whose
            // pointer is over the popup, not the button).
            int keysClosed = MouseButtons == MouseButtons.None ? 1 : 0;
            int keepShut;
            IntPtr effects;
            Check(MenuAbi.brixel_menu_loop_end(button, ref frame, keysClosed, out keepShut, out effects));
            // The system's popup passes the click that closes it on to the
            // window under the pointer, so a click on the drop part would drop
            // the menu again at once: the shown mark stops it. Mono's popup
            // keeps that click, and a mark left standing would swallow the next.
            menuShownMark = keepShut != 0 && !MonoPopup;
            Carry(effects);
        }

        private bool RaiseMenuDropped(bool state)
        {
            var dropped = MenuDropped;
            if (dropped != null)
                dropped(this, state);
            return !IsDisposedOrDying;
        }

        // Closes this control's open popup (another button's auto-drop takes over).
        internal void CloseOpenedMenu()
        {
            ContextMenu menu = shownMenu;
            if (menu == null)
                return;
            // Mono's ContextMenu closes through its internal Hide; the framework's
            // popup is a system menu, which EndMenu closes.
            MethodInfo hide = typeof(ContextMenu).GetMethod("Hide", BindingFlags.Instance | BindingFlags.NonPublic | BindingFlags.Public,
                                                            null, Type.EmptyTypes, null);
            if (hide != null)
            {
                hide.Invoke(menu, null);
                // The popup's loop looks at its window only after a message:
                // one must come, or an idle queue would keep it waiting.
                if (IsHandleCreated)
                    BeginInvoke((MethodInvoker)delegate { });
            }
            else if (Environment.OSVersion.Platform == PlatformID.Win32NT)
                EndMenu();
        }

        [DllImport("user32")]
        private static extern bool EndMenu();

        // --- Placement ---------------------------------------------------------------

        // The popup's top-left corner in screen coordinates for this drop.
        private Point PopupCorner(Graphics g)
        {
            Rectangle window = RectangleToScreen(new Rectangle(Point.Empty, Size));
            Rectangle area = Screen.FromControl(this).WorkingArea;
            return PlacePopup(window, area, MenuAlignment == BrixelDemoEnum.kvnMenuAlignment.RightAligned,
                              MenuWidthEstimate(g, MenuItems), MenuHeightEstimate(g, MenuItems), MenuPopupSize(g));
        }

        private int MenuWidthEstimate(Graphics g, BrixelDemoMenuItemCollection items)
        {
            int[] widths = new int[items.Count];
            for (int i = 0; i < widths.Length; i++)
            {
                BrixelDemoMenuItem item = items[i];
                widths[i] = IsSeparator(item) ? 0 : MeasureMenuText(g, item.Text + MenuRowShortcut(item)).Width;
            }
            int estimate;
            Check(MenuAbi.brixel_popup_width_estimate_dpi(widths, widths.Length, MenuSidebar ? 1 : 0, screenDpi, out estimate));
            return estimate;
        }

        private int MenuHeightEstimate(Graphics g, BrixelDemoMenuItemCollection items)
        {
            int height = 0;
            foreach (BrixelDemoMenuItem item in items)
                height += MenuRowSize(item, g).Height;
            return height;
        }

        // The placement rules count from the screen's origin; they run against
        // the work area of the button's monitor, which may start anywhere (a
        // monitor left of the primary one has negative coordinates). The
        // Windows Forms menu keeps no margin at the screen's edge. `estimate`
        // and `menuHeight` decide the edges; `popup` is what the popup really
        // measures, which turns an anchor into the corner the runtime wants.
        internal static Point PlacePopup(Rectangle window, Rectangle area, bool rightAligned, int estimate, int menuHeight, Size popup)
        {
            var input = new MenuAbi.PopupInput
            {
                size = Abi.SizeOf<MenuAbi.PopupInput>(),
                alignment = rightAligned ? 1 : 0,
                window = new Abi.Rect
                {
                    left = window.Left - area.Left, top = window.Top - area.Top,
                    right = window.Right - area.Left, bottom = window.Bottom - area.Top,
                },
                screen_width = area.Width,
                screen_height = area.Height,
                popup_width = estimate,
                menu_height = menuHeight,
                sidebar = 1,
            };
            var place = new MenuAbi.PopupPlacement { size = Abi.SizeOf<MenuAbi.PopupPlacement>() };
            Check(MenuAbi.brixel_popup_place(ref input, ref place));
            int x = area.Left + place.x, y = area.Top + place.y;
            if (place.h_align == 1)
                x -= popup.Width;
            if (place.v_align == 1)
                y -= popup.Height;
            else if (place.v_align == 2)
                y -= popup.Height / 2;
            return new Point(x, y);
        }
    }
}
