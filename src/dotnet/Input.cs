// Mouse, keyboard and focus: each Windows Forms entry point becomes one step
// of the native button, whose effects raise the events in the order the
// ActiveX control fires them. The base handlers therefore run only when an
// effect says so; the clicks Windows Forms detects by itself are ignored.
using System;
using System.Drawing;
using System.Windows.Forms;

namespace Korvane.Nimbara
{
    public partial class BrixelDemo
    {
        private const int WM_MOVE = 0x0003;
        private const int WM_CONTEXTMENU = 0x007B;
        private const int WM_CHAR = 0x0102;
        private const int WM_DPICHANGED = 0x02E0;
        private const int WM_DPICHANGED_AFTERPARENT = 0x02E3;

        private bool raisingClick;
        private Keys keyHeld = Keys.None;
        private bool tabStopBeforeInactive = true;
        private bool inactiveWindow;

        private static int ButtonId(MouseButtons buttons)
        {
            switch (buttons)
            {
                case MouseButtons.Left: return 1;
                case MouseButtons.Right: return 2;
                case MouseButtons.Middle: return 4;
                default: return 0;
            }
        }

        private static int HeldButtons(MouseButtons buttons)
        {
            int held = 0;
            if ((buttons & MouseButtons.Left) != 0) held |= 1;
            if ((buttons & MouseButtons.Right) != 0) held |= 2;
            if ((buttons & MouseButtons.Middle) != 0) held |= 4;
            return held;
        }

        private static int ShiftState()
        {
            Keys keys = ModifierKeys;
            int shift = 0;
            if ((keys & Keys.Shift) != 0) shift |= 1;
            if ((keys & Keys.Control) != 0) shift |= 2;
            if ((keys & Keys.Alt) != 0) shift |= 4;
            return shift;
        }

        private bool Alive
        {
            get { return !IsDisposedOrDying && button != null && !button.IsClosed; }
        }

        protected override void OnMouseDown(MouseEventArgs e)
        {
            int id = ButtonId(e.Button);
            if (!Alive || id == 0)
                return;
            Step((ButtonHandle b, ref Abi.Frame f, out IntPtr fx) => Abi.brixel_mouse_down(b, ref f, id, e.Clicks >= 2 ? 2 : 1, e.X, e.Y, ShiftState(), out fx));
            if (Alive && e.Button == MouseButtons.Right && ContextMenu != null && GetBool(Prop.Active))
                ContextMenu.Show(this, e.Location);
        }

        protected override void OnMouseUp(MouseEventArgs e)
        {
            int id = ButtonId(e.Button);
            if (!Alive || id == 0)
                return;
            Step((ButtonHandle b, ref Abi.Frame f, out IntPtr fx) => Abi.brixel_mouse_up(b, ref f, id, e.X, e.Y, ShiftState(), out fx));
        }

        // A release the button asks for when the capture was lost while held.
        private void SimulatedRelease(int code)
        {
            if (!Alive)
                return;
            int id = code == 0 ? 1 : code == 1 ? 4 : 2;
            Step((ButtonHandle b, ref Abi.Frame f, out IntPtr fx) => Abi.brixel_mouse_up(b, ref f, id, 0, 0, 0, out fx));
        }

        private void SimulatedSpaceRelease()
        {
            keyHeld = Keys.None;
            Step((ButtonHandle b, ref Abi.Frame f, out IntPtr fx) => Abi.brixel_key_up(b, ref f, (int)Keys.Space, 0, out fx));
        }

        protected override void OnMouseMove(MouseEventArgs e)
        {
            MoveStep((ButtonHandle b, ref Abi.Frame f, out IntPtr fx) => Abi.brixel_mouse_move(b, ref f, e.X, e.Y, HeldButtons(e.Button), ShiftState(), out fx));
        }

        // The MouseEnter event is raised by the first move over the button, as
        // the button decides; entering alone raises nothing.
        protected override void OnMouseEnter(EventArgs e)
        {
        }

        protected override void OnMouseLeave(EventArgs e)
        {
            Step((ButtonHandle b, ref Abi.Frame f, out IntPtr fx) => Abi.brixel_mouse_leave(b, ref f, out fx));
        }

        protected override void OnKeyDown(KeyEventArgs e)
        {
            bool repeat = keyHeld == e.KeyCode;
            keyHeld = e.KeyCode;
            KeyStep(e, (ButtonHandle b, ref Abi.Frame f, out IntPtr fx) =>
                Abi.brixel_key_down(b, ref f, (int)e.KeyCode, repeat ? 1 : 0, ShiftState(), out fx));
        }

        protected override void OnKeyUp(KeyEventArgs e)
        {
            keyHeld = Keys.None;
            KeyStep(e, (ButtonHandle b, ref Abi.Frame f, out IntPtr fx) =>
                Abi.brixel_key_up(b, ref f, (int)e.KeyCode, ShiftState(), out fx));
        }

        // The key's own event arguments go to the handlers, so that Handled and
        // SuppressKeyPress reach Windows Forms.
        private void KeyStep(KeyEventArgs e, StepCall call)
        {
            pendingKey = e;
            try
            {
                Step(call);
            }
            finally
            {
                pendingKey = null;
            }
        }

        protected override void OnKeyPress(KeyPressEventArgs e)
        {
            Step((ButtonHandle b, ref Abi.Frame f, out IntPtr fx) => Abi.brixel_key_char(b, ref f, e.KeyChar, out fx));
        }

        protected override bool ProcessMnemonic(char charCode)
        {
            if (!Alive || !IsMnemonic(charCode, Text) || !Enabled || !Visible)
                return base.ProcessMnemonic(charCode);
            Step((ButtonHandle b, ref Abi.Frame f, out IntPtr fx) => Abi.brixel_mnemonic(b, ref f, char.ToUpperInvariant(charCode), out fx));
            return true;
        }

        protected override void OnGotFocus(EventArgs e)
        {
            base.OnGotFocus(e);
            FocusStep(true);
        }

        protected override void OnLostFocus(EventArgs e)
        {
            base.OnLostFocus(e);
            FocusStep(false);
        }

        private void FocusStep(bool gained)
        {
            Step((ButtonHandle b, ref Abi.Frame f, out IntPtr fx) => Abi.brixel_focus(b, ref f, gained ? 1 : 0, out fx));
        }

        // The click path. Only the button's own click runs it: Mono raises
        // OnClick by itself as well, for right clicks too.
        private void RaiseClick()
        {
            Abi.brixel_click_event(button, 1);
            raisingClick = true;
            try
            {
                OnClick(EventArgs.Empty);
            }
            finally
            {
                raisingClick = false;
                if (button != null && !button.IsClosed)
                    Abi.brixel_click_event(button, 0);
            }
        }

        protected override void OnClick(EventArgs e)
        {
            if (!raisingClick)
                return;
            // Set before Click, as the framework's button does, so that a handler's
            // own choice wins; None leaves the form's result alone.
            if (dialogResult != DialogResult.None)
            {
                var form = TopLevelControl as Form;
                if (form != null)
                {
                    try
                    {
                        form.DialogResult = dialogResult;
                    }
                    catch (Exception)
                    {
                        // A form that refuses the result keeps its own.
                    }
                }
            }
            base.OnClick(e);
        }

        protected override void OnDoubleClick(EventArgs e)
        {
            // Raised only through the button's own double-click effect.
        }

        protected override void WndProc(ref Message m)
        {
            switch (m.Msg)
            {
                case WM_MOVE:
                    // Windows only: Mono reports moves as WM_WINDOWPOSCHANGED, which must go on.
                    if (Environment.OSVersion.Platform == PlatformID.Win32NT)
                        return;
                    break;
                case WM_CHAR:
                    if (Alive && !GetBool(Prop.Active))
                        return;
                    break;
                case WM_CONTEXTMENU:
                    // The button shows its own context menu on the press; Mono
                    // sends this on the release as well, which would show it twice.
                    if (ContextMenu != null)
                        return;
                    break;
                case WM_DPICHANGED:
                case WM_DPICHANGED_AFTERPARENT:
                    // The window moved to a screen of another dpi (the first when the
                    // button is a top-level window, the second as a child of one).
                    base.WndProc(ref m);
                    FollowScreenDpi();
                    return;
            }
            base.WndProc(ref m);
        }

        // An inactive button is no tab stop and takes no input. Mono has no
        // EnableWindow, so the control stops being selectable instead.
        private void ActiveWindowState(bool enable)
        {
            if (DesignMode || enable == !inactiveWindow)
                return;
            if (!enable)
            {
                tabStopBeforeInactive = TabStop;
                inactiveWindow = true;
                TabStop = false;
                SetStyle(ControlStyles.Selectable, false);
            }
            else
            {
                inactiveWindow = false;
                SetStyle(ControlStyles.Selectable, true);
                TabStop = tabStopBeforeInactive;
            }
        }
    }
}
