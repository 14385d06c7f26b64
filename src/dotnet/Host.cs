// The control as the native button's host: property reads and writes by id,
// and the effect lists every change and step hands back, carried out in order.
using System;
using System.Collections.Generic;
using System.ComponentModel;
using System.Drawing;
using System.Runtime.InteropServices;
using System.Windows.Forms;

namespace Korvane.Nimbara
{
    public partial class BrixelDemo
    {
        private ButtonHandle button;
        private readonly Dictionary<int, Timer> timers = new Dictionary<int, Timer>();
        private bool afterClickPending;
        private bool paintingNow;

        private void CreateNative()
        {
            uint version = Abi.brixel_abi_version();
            if (version >> 16 != Abi.Version >> 16 || (version & 0xFFFF) < (Abi.Version & 0xFFFF))
                throw new InvalidOperationException("The native button library is of another version.");
            var environment = BuildEnvironment();
            IntPtr env = Marshal.AllocHGlobal(Marshal.SizeOf(typeof(Abi.Environment)));
            try
            {
                Marshal.StructureToPtr(environment, env, false);
                var options = new Abi.CreateOptions { size = Abi.SizeOf<Abi.CreateOptions>(), rules = Abi.RULES_DOTNET, environment = env };
                Check(Abi.brixel_button_create(ref options, out button));
                environmentHidden = environment.hidden_while_loading != 0;
            }
            finally
            {
                Marshal.FreeHGlobal(env);
            }
            var service = TextService.At(screenDpi);
            Check(Abi.brixel_set_text_service(button, ref service));
            // The fonts live on this side as .NET objects; the button learns their values.
            SetFont(Prop.Font, Font);
            SetFont(Prop.MouseInFont, mouseInFont);
            SetFont(Prop.DownFont, downFont);
            SetFont(Prop.DisabledFont, disabledFont);
            SetFont(Prop.MenuFont, menuFont);
            SetColour(Prop.BackColor, BackColor);
            SetColour(Prop.FontColor, ForeColor);
            // The button learns the client size here and at every resize: the
            // run-time Bevel limit is measured against it.
            RebuildRegion();
        }

        private Abi.Environment BuildEnvironment()
        {
            return new Abi.Environment
            {
                size = Abi.SizeOf<Abi.Environment>(),
                user_mode = DesignMode ? 0 : 1,
                display_as_default = isDefault ? 1 : 0,
                desktop_xp_scheme = Platform.DesktopXPScheme(),
                theme_active = Platform.ThemeActive() ? 1 : 0,
                windows_forms_parent = 0,  // that ambient restricts the ActiveX control inside Windows Forms; this is the Windows Forms control
                dpi = screenDpi,
                system_colours = SystemColourTable.Pointer,
                system_colour_count = SystemColourTable.Count,
                hidden_while_loading = HiddenWhileLoading ? 1 : 0,
            };
        }

        // The dpi of the screen the window is on; 96 until there is a window.
        private int screenDpi = 96;

        internal int ScreenDpi
        {
            get { return screenDpi; }
        }

        // The library scales the face's fixed sizes, the region, the minimum
        // size and the caption fonts to the screen; it hears of the window's
        // dpi when the window is made and whenever it changes. What was drawn
        // or shaped at the old dpi goes.
        internal void FollowScreenDpi()
        {
            if (!Alive || !IsHandleCreated)
                return;
            int dpi = Seams.ScreenDpi.DpiOf(this);
            if (dpi <= 0)
                dpi = 96;
            if (dpi == screenDpi)
                return;
            screenDpi = dpi;
            var environment = BuildEnvironment();
            Check(Abi.brixel_set_environment(button, ref environment));
            environmentHidden = environment.hidden_while_loading != 0;
            var service = TextService.At(dpi);
            Check(Abi.brixel_set_text_service(button, ref service));
            RebuildRegion();
            DiscardBackground();
            ApplyMinimumSize();
            RepaintNow();
        }

        // A control the designer's code is still setting up: Visible, but its
        // window not shown yet. Assignments then keep the stored border colours.
        private bool HiddenWhileLoading
        {
            get { return Visible && !IsHandleCreated; }
        }

        private bool environmentHidden;

        // The environment goes to the button again whenever what it says changed.
        private void SyncEnvironment()
        {
            if (button == null || button.IsClosed || HiddenWhileLoading == environmentHidden)
                return;
            environmentHidden = HiddenWhileLoading;
            var environment = BuildEnvironment();
            Check(Abi.brixel_set_environment(button, ref environment));
        }

        // The designer sets DesignMode after construction, through Site.
        public override ISite Site
        {
            get { return base.Site; }
            set
            {
                base.Site = value;
                if (button != null && !button.IsClosed)
                {
                    var environment = BuildEnvironment();
                    Check(Abi.brixel_set_environment(button, ref environment));
                }
            }
        }

        // --- Reads -------------------------------------------------------------

        private bool GetBool(int id)
        {
            int value;
            Check(Abi.brixel_get_bool(button, id, out value));
            return value != 0;
        }

        private int GetInt(int id)
        {
            int value;
            Check(Abi.brixel_get_int(button, id, out value));
            return value;
        }

        private Color GetColour(int id)
        {
            uint value;
            Check(Abi.brixel_get_color(button, id, out value));
            return SystemColourTable.ToColor(value);
        }

        private string GetText(int id)
        {
            var buffer = new char[128];
            int length;
            int status = Abi.brixel_get_string(button, id, buffer, buffer.Length, out length);
            if (status == Abi.E_BUFFER_TOO_SMALL)
            {
                buffer = new char[length + 1];
                status = Abi.brixel_get_string(button, id, buffer, buffer.Length, out length);
            }
            Check(status);
            return new string(buffer, 0, length);
        }

        // ContentAlignment is a column and a row: the horizontal and the
        // vertical alignment of the ActiveX control (left 0, right 1, centre 2;
        // top 0, bottom 1, centre 2).
        private ContentAlignment GetAlign(int hProp, int vProp)
        {
            int column = new[] { 0, 2, 1 }[Clamp(GetInt(hProp))];
            int row = new[] { 0, 2, 1 }[Clamp(GetInt(vProp))];
            return (ContentAlignment)(1 << (row * 4 + column));
        }

        private static int Clamp(int alignment)
        {
            return alignment < 0 || alignment > 2 ? 2 : alignment;
        }

        private void SetAlign(int hProp, int vProp, ContentAlignment value)
        {
            int bit = value == 0 ? -1 : Array.IndexOf(AlignmentBits, (int)value);
            if (bit < 0)
                throw new InvalidEnumArgumentException("value", (int)value, typeof(ContentAlignment));
            int column = bit % 4, row = bit / 4;
            SetInt(hProp, new[] { 0, 2, 1 }[column]);
            SetInt(vProp, new[] { 0, 2, 1 }[row]);
        }

        private static readonly int[] AlignmentBits =
        {
            (int)ContentAlignment.TopLeft, (int)ContentAlignment.TopCenter, (int)ContentAlignment.TopRight, 0,
            (int)ContentAlignment.MiddleLeft, (int)ContentAlignment.MiddleCenter, (int)ContentAlignment.MiddleRight, 0,
            (int)ContentAlignment.BottomLeft, (int)ContentAlignment.BottomCenter, (int)ContentAlignment.BottomRight, 0,
        };

        // --- Writes ------------------------------------------------------------

        private void SetBool(int id, bool value)
        {
            SyncEnvironment();
            IntPtr effects;
            Finish(Abi.brixel_set_bool(button, id, value ? 1 : 0, out effects), effects);
        }

        private void SetInt(int id, int value)
        {
            SyncEnvironment();
            IntPtr effects;
            Finish(Abi.brixel_set_int(button, id, value, out effects), effects);
        }

        // The button refuses an undefined value and changes nothing; .NET callers
        // expect the framework's exception for it, naming the 16-bit value.
        private void SetEnum(int id, int value, Type enumType)
        {
            short stored = unchecked((short)value);
            if (stored != value)
                throw new InvalidEnumArgumentException("value", stored, enumType);
            SyncEnvironment();
            IntPtr effects;
            int status = Abi.brixel_set_int(button, id, value, out effects);
            if (status == Abi.E_INVALID_ENUM)
            {
                Abi.brixel_effects_free(effects);
                throw new InvalidEnumArgumentException("value", stored, enumType);
            }
            Finish(status, effects);
        }

        // Only red, green and blue are kept, as in the ActiveX control.
        private void SetColour(int id, Color value)
        {
            SyncEnvironment();
            uint ole = (uint)(value.R | (value.G << 8) | (value.B << 16));
            IntPtr effects;
            Finish(Abi.brixel_set_color(button, id, ole, out effects), effects);
            PictureColourChanged(id);
        }

        private void SetText(int id, string value)
        {
            SyncEnvironment();
            value = value ?? "";
            IntPtr effects;
            Finish(Abi.brixel_set_string(button, id, value, value.Length, out effects), effects);
        }

        private void SetFont(int id, Font font)
        {
            if (button == null || button.IsClosed || font == null)
                return;
            IntPtr face;
            var value = AbiFont(font, out face);
            try
            {
                IntPtr effects;
                Finish(Abi.brixel_set_font(button, id, ref value, out effects), effects);
            }
            finally
            {
                Marshal.FreeHGlobal(face);
            }
        }

        // The font as the library takes it; the caller frees `face` once the
        // call that reads it has returned.
        internal static Abi.Font AbiFont(Font font, out IntPtr face)
        {
            string name = FaceName(font);
            face = Marshal.StringToHGlobalUni(name);
            return new Abi.Font
            {
                size = Abi.SizeOf<Abi.Font>(),
                face = face,
                face_length = name.Length,
                size_units = (long)Math.Round(font.SizeInPoints * 10000.0),
                weight = font.Bold ? 700 : 400,
                charset = font.GdiCharSet,
                italic = font.Italic ? 1 : 0,
                underline = font.Underline ? 1 : 0,
                strikethrough = font.Strikeout ? 1 : 0,
            };
        }

        private void Finish(int status, IntPtr effects)
        {
            if (status == Abi.E_FILE_NOT_FOUND || status == Abi.E_PATH_NOT_FOUND || status == Abi.E_FILE_ACCESS)
            {
                Carry(effects);
                throw new Exception(Abi.StatusText(status));
            }
            if (status < 0)
            {
                Abi.brixel_effects_free(effects);
                Check(status);
            }
            Carry(effects);
        }

        private static void Check(int status)
        {
            if (status < 0)
                throw new InvalidOperationException("Brixel: " + Abi.StatusText(status));
        }

        // --- The window as the button sees it ------------------------------------

        private ulong WindowId
        {
            get { return IsHandleCreated ? (ulong)Handle.ToInt64() : 0; }
        }

        private Abi.Frame Frame()
        {
            var frame = new Abi.Frame { size = Abi.SizeOf<Abi.Frame>(), cursor_x = -1, cursor_y = -1 };
            if (!IsHandleCreated || IsDisposed)
                return frame;
            Point cursor = PointToClient(Cursor.Position);
            frame.window = WindowId;
            frame.width = ClientSize.Width;
            frame.height = ClientSize.Height;
            frame.capture = Capture ? WindowId : 0;
            frame.cursor_x = cursor.X;
            frame.cursor_y = cursor.Y;
            frame.enabled = Enabled ? 1 : 0;
            frame.visible = Visible ? 1 : 0;
            frame.has_focus = Focused ? 1 : 0;
            return frame;
        }

        // --- Carrying out effects --------------------------------------------------

        private delegate int StepCall(ButtonHandle button, ref Abi.Frame frame, out IntPtr effects);

        // One step of the button with the window as it is now, its effects carried out.
        private void Step(StepCall call)
        {
            if (!Alive)
                return;
            var frame = Frame();
            IntPtr effects;
            Check(call(button, ref frame, out effects));
            Carry(effects);
        }

        private void Carry(IntPtr effects)
        {
            if (effects == IntPtr.Zero)
                return;
            try
            {
                var effect = new Abi.Effect { size = Abi.SizeOf<Abi.Effect>() };
                bool inCaptureRun = false, runApplies = false;
                while (Abi.brixel_effects_next(effects, ref effect) == Abi.OK)
                {
                    // A run marked "only if the capture was lost" is decided once, at its first entry.
                    if (effect.only_if_capture_lost != 0)
                    {
                        if (!inCaptureRun)
                            runApplies = !Capture;
                        inCaptureRun = true;
                        if (!runApplies)
                            continue;
                    }
                    else
                    {
                        inCaptureRun = false;
                    }
                    if (!CarryOne(ref effect))
                        return;
                }
            }
            finally
            {
                Abi.brixel_effects_free(effects);
            }
        }

        // False when a handler disposed the control: nothing more may touch it.
        private bool CarryOne(ref Abi.Effect e)
        {
            switch (e.kind)
            {
                case 1: RaiseClick(); break;
                case 2: base.OnDoubleClick(EventArgs.Empty); break;
                case 3: base.OnMouseDown(MouseArgs(e)); break;
                case 4: base.OnMouseMove(MouseArgs(e)); break;
                case 5: base.OnMouseUp(MouseArgs(e)); break;
                case 6: RaiseKey(e, true); break;
                case 7: base.OnKeyPress(new KeyPressEventArgs((char)e.code)); break;
                case 8: RaiseKey(e, false); break;
                case 9: base.OnMouseEnter(EventArgs.Empty); break;
                case 10: base.OnMouseLeave(EventArgs.Empty); break;
                case 11:
                    var toggled = ButtonToggled;
                    if (toggled != null)
                        toggled(this, e.flag != 0);
                    break;
                case 12:
                    var held = WhileMouseDown;
                    if (held != null)
                        held(this);
                    break;
                default:
                    CarryService(ref e);
                    return !IsDisposedOrDying;
            }
            return !IsDisposedOrDying;
        }

        private void CarryService(ref Abi.Effect e)
        {
            switch (e.kind)
            {
                case 20:
                    afterClickPending |= e.flag != 0;
                    RepaintNow();
                    break;
                case 21: RepaintNow(); break;
                case 22: ShowHandCursor(); break;
                case 25: StartTimer(e.code, e.value); break;
                case 26: StopTimer(e.code); break;
                case 27: if (IsHandleCreated) Capture = true; break;
                case 28: if (IsHandleCreated && Capture) Capture = false; break;
                case 30: if (CanFocus) Focus(); break;
                case 31: if (Parent != null) Parent.SelectNextControl(this, true, true, true, true); break;
                case 33:
                    int released = e.code;
                    BeginInvoke((MethodInvoker)(() => SimulatedRelease(released)));
                    break;
                case 34: BeginInvoke((MethodInvoker)SimulatedSpaceRelease); break;
                case 40: TrackKorvanePopupMenu(); break;
                case 41: PlaySound(e.code, e.value); break;
                case 42: OpenHyperlink(e.Text); break;
                case 43: Seams.MessageBoxes.ShowError(this, e.Text); break;
                case 52: RebuildRegion(); break;
                case 53: ApplyMinimumSize(); break;
                case 54: SetToolTip(e.Text); break;
                case 55: ActiveWindowState(e.flag != 0); break;
                case 56: DiscardBackground(); break;
                default:
                    // Tooltip relays, container tooltips, UI activation and the
                    // property-change tail have no counterpart in Windows Forms.
                    break;
            }
        }

        private static MouseEventArgs MouseArgs(Abi.Effect e)
        {
            MouseButtons buttons = MouseButtons.None;
            if ((e.code & 1) != 0) buttons |= MouseButtons.Left;
            if ((e.code & 2) != 0) buttons |= MouseButtons.Right;
            if ((e.code & 4) != 0) buttons |= MouseButtons.Middle;
            return new MouseEventArgs(buttons, 1, e.x, e.y, 0);
        }

        private KeyEventArgs pendingKey;

        private void RaiseKey(Abi.Effect e, bool down)
        {
            var args = pendingKey ?? new KeyEventArgs((Keys)e.code | Modifiers(e.shift));
            if (down)
                base.OnKeyDown(args);
            else
                base.OnKeyUp(args);
        }

        private static Keys Modifiers(int shift)
        {
            Keys keys = Keys.None;
            if ((shift & 1) != 0) keys |= Keys.Shift;
            if ((shift & 2) != 0) keys |= Keys.Control;
            if ((shift & 4) != 0) keys |= Keys.Alt;
            return keys;
        }

        internal void RepaintNow()
        {
            if (paintingNow || !IsHandleCreated || IsDisposed)
                return;
            Invalidate();
            Update();
        }

        // The button asks for the hand at each move over a hyperlink, as a
        // window answers WM_SETCURSOR; a move without the request restores
        // the cursor the hand replaced.
        private bool handCursorOn, handAsked;
        private Cursor cursorBeforeHand;

        private void ShowHandCursor()
        {
            handAsked = true;
            if (handCursorOn)
                return;
            cursorBeforeHand = Cursor;
            Cursor = Cursors.Hand;
            handCursorOn = true;
        }

        private void MoveStep(StepCall call)
        {
            handAsked = false;
            Step(call);
            if (handCursorOn && !handAsked && Alive)
            {
                handCursorOn = false;
                Cursor = cursorBeforeHand;
            }
        }

        private void StartTimer(int id, int period)
        {
            Timer timer;
            if (!timers.TryGetValue(id, out timer))
            {
                timer = new Timer();
                int timerId = id;
                timer.Tick += (sender, args) => TimerTick(timerId);
                timers[id] = timer;
            }
            timer.Interval = Math.Max(1, period);
            timer.Stop();
            timer.Start();
        }

        private void StopTimer(int id)
        {
            Timer timer;
            if (timers.TryGetValue(id, out timer))
                timer.Stop();
        }

        private void TimerTick(int id)
        {
            if (IsDisposedOrDying)
                return;
            Step((ButtonHandle b, ref Abi.Frame f, out IntPtr fx) => Abi.brixel_timer(b, ref f, id, out fx));
        }

        private void SetToolTip(string text)
        {
            if (DesignMode)
                return;
            if (toolTip == null)
                toolTip = NewToolTip();
            // An empty text switches the tip off; leaving the old one would keep showing it.
            toolTip.SetToolTip(this, text ?? "");
        }

        private ToolTip toolTip;

        // The interaction state the face is painted from (the tests read it).
        internal Abi.State InteractionState
        {
            get
            {
                var state = new Abi.State { size = Abi.SizeOf<Abi.State>() };
                Check(Abi.brixel_get_state(button, ref state));
                return state;
            }
        }

        // What the tip shows now (the tests read it).
        internal string ShownToolTip
        {
            get { return toolTip == null ? "" : toolTip.GetToolTip(this); }
        }

        private static ToolTip NewToolTip()
        {
            return new ToolTip { AutoPopDelay = 2000, InitialDelay = 1000, ReshowDelay = 500, ShowAlways = true };
        }
    }
}
