// Public methods, the window's life, property-change overrides, sounds,
// hyperlinks and disposal.
using System;
using System.ComponentModel;
using System.IO;
using System.Reflection;
using System.Runtime.InteropServices;
using System.Windows.Forms;

namespace Korvane.Nimbara
{
    public partial class BrixelDemo
    {
        private bool isDefault;

        public void SetToggleState(bool State)
        {
            Step((ButtonHandle b, ref Abi.Frame f, out IntPtr fx) => Abi.brixel_set_toggle_state(b, ref f, State ? 1 : 0, out fx));
        }

        public bool GetToggleState()
        {
            if (!Alive)
                return false;
            int state;
            Check(Abi.brixel_get_toggle_state(button, out state));
            return state != 0;
        }

        public void PerformClick()
        {
            Step((ButtonHandle b, ref Abi.Frame f, out IntPtr fx) => Abi.brixel_perform_click(b, ref f, out fx));
        }

        public void PerformClickActions()
        {
            Step((ButtonHandle b, ref Abi.Frame f, out IntPtr fx) => Abi.brixel_perform_click_actions(b, ref f, out fx));
        }

        public void PerformHyperlink()
        {
            Step((ButtonHandle b, ref Abi.Frame f, out IntPtr fx) => Abi.brixel_perform_hyperlink(b, ref f, out fx));
        }

        // The form's default button. The button decides whether the default
        // border shows (ShowDefaultBorder, Active, not translucent).
        public void NotifyDefault(bool bDefault)
        {
            isDefault = bDefault;
            if (!Alive)
                return;
            var environment = BuildEnvironment();
            Check(Abi.brixel_set_environment(button, ref environment));
            RepaintNow();
        }

        // --- The window -------------------------------------------------------------

        protected override void OnHandleCreated(EventArgs e)
        {
            base.OnHandleCreated(e);
            if (!Alive)
                return;
            FollowScreenDpi();
            Step((ButtonHandle b, ref Abi.Frame f, out IntPtr fx) => Abi.brixel_window_created(b, ref f, out fx));
            RebuildRegion();
            string tip = TooltipText;
            if (tip.Length > 0)
                SetToolTip(tip);
        }

        protected override void OnEnabledChanged(EventArgs e)
        {
            base.OnEnabledChanged(e);
            if (Alive)
                SetBool(Prop.Enabled, Enabled);
        }

        protected override void OnTextChanged(EventArgs e)
        {
            base.OnTextChanged(e);
            if (Alive)
                SetText(Prop.Caption, Text);
        }

        protected override void OnFontChanged(EventArgs e)
        {
            base.OnFontChanged(e);
            if (Alive)
                SetFont(Prop.Font, Font);
        }

        protected override void OnForeColorChanged(EventArgs e)
        {
            base.OnForeColorChanged(e);
            if (Alive)
                SetColour(Prop.FontColor, ForeColor);
        }

        protected override void OnBackColorChanged(EventArgs e)
        {
            base.OnBackColorChanged(e);
            if (Alive)
                SetColour(Prop.BackColor, BackColor);
        }

        protected override void OnParentBackColorChanged(EventArgs e)
        {
            base.OnParentBackColorChanged(e);
            DiscardBackground();
            RepaintNow();
        }

        protected override void OnParentBackgroundImageChanged(EventArgs e)
        {
            base.OnParentBackgroundImageChanged(e);
            DiscardBackground();
            RepaintNow();
        }

        protected override void OnParentForeColorChanged(EventArgs e)
        {
            base.OnParentForeColorChanged(e);
            RepaintNow();
        }

        protected override void OnParentFontChanged(EventArgs e)
        {
            base.OnParentFontChanged(e);
            RepaintNow();
        }

        // --- Sounds and hyperlinks -----------------------------------------------------

        private static byte[] click1, click2;

        private void PlaySound(int slot, int value)
        {
            byte[] wave = null;
            if (value == 1)
                wave = click1 ?? (click1 = ResourceBytes("click1.wav"));
            else if (value == 2)
                wave = click2 ?? (click2 = ResourceBytes("click2.wav"));
            else if (value == 99)
                wave = CustomSound(slot);
            if (wave != null)
                Seams.Sounds.Play(wave);
        }

        private byte[] CustomSound(int slot)
        {
            IntPtr bytes;
            int length;
            if (Abi.brixel_sound_data(button, slot, out bytes, out length) != Abi.OK || bytes == IntPtr.Zero || length <= 0)
                return null;
            var copy = new byte[length];
            Marshal.Copy(bytes, copy, 0, length);
            return copy;
        }

        private static byte[] ResourceBytes(string name)
        {
            using (Stream stream = Assembly.GetExecutingAssembly().GetManifestResourceStream("Korvane.Nimbara." + name))
            {
                if (stream == null)
                    return null;
                var bytes = new byte[stream.Length];
                stream.Read(bytes, 0, bytes.Length);
                return bytes;
            }
        }

        // The library turns the stored address into what the shell is given
        // (the same check the ActiveX control makes); a refused or failed one
        // tells the user.
        private void OpenHyperlink(string address)
        {
            var buffer = new char[2048];
            int length;
            int status = Abi.brixel_hyperlink_target(address, address.Length, 0, buffer, buffer.Length, out length);
            if (status == Abi.E_BUFFER_TOO_SMALL)
            {
                buffer = new char[length + 1];
                status = Abi.brixel_hyperlink_target(address, address.Length, 0, buffer, buffer.Length, out length);
            }
            try
            {
                if (status != Abi.OK)
                    throw new InvalidOperationException(Abi.StatusText(status));
                Seams.Shell.Open(new string(buffer, 0, length));
            }
            catch (Exception)
            {
                Seams.MessageBoxes.ShowError(this, "Unable to open hyperlink");
            }
        }

        // --- Disposal --------------------------------------------------------------------

        // Runs once. From the finalizer nothing managed is touched: the native
        // button is a SafeHandle and frees itself.
        protected override void Dispose(bool disposing)
        {
            if (!disposed)
            {
                disposed = true;
                if (disposing)
                {
                    ReleaseMessageFilter();
                    DisposeAutoDropTimers();
                    DisposeMenuItems();
                    foreach (var timer in timers.Values)
                        timer.Dispose();
                    timers.Clear();
                    if (toolTip != null)
                        toolTip.Dispose();
                    DiscardBackground();
                    if (menuFontAtDpi != null)
                        menuFontAtDpi.Dispose();
                    if (button != null)
                        button.Dispose();
                }
            }
            base.Dispose(disposing);
        }
    }
}
