// The outputs a test cannot observe on a real desktop: the modal message box
// (Mono's box has no child control holding its text), the sound device
// (Mono's player never returns without one) and the shell that opens
// hyperlinks. Each goes through a static seam the tests replace with a recorder.
// The screen's dpi is read through one too: a virtual display always reports 96.
using System;
using System.Drawing;
using System.IO;
using System.Media;
using System.Runtime.InteropServices;
using System.Threading;
using System.Windows.Forms;

namespace Korvane.Nimbara
{
    internal interface IMessageBoxes
    {
        // A refused change or a failed action: OK button, error icon, "Korvane Brixel".
        void ShowError(IWin32Window owner, string text);
        // A refused change to the menu tree: OK button, error icon, "Brixel Menu Error".
        void ShowMenuError(IWin32Window owner, string text);
    }

    internal interface ISoundOutput
    {
        // Plays a complete wave image (RIFF header included) without waiting for it.
        void Play(byte[] wave);
    }

    internal interface IShell
    {
        // Opens an address the library has already checked and made a target.
        void Open(string target);
    }

    internal interface IScreenDpi
    {
        // The dots per inch of the screen the control's window is shown on.
        int DpiOf(Control control);
    }

    internal static class Seams
    {
        internal const string Caption = "Korvane Brixel";
        internal const string MenuCaption = "Brixel Menu Error";
        internal static IMessageBoxes MessageBoxes = new SystemMessageBoxes();
        internal static ISoundOutput Sounds = new DedicatedSoundPlayer();
        internal static IShell Shell = new SystemShell();
        internal static IScreenDpi ScreenDpi = new SystemScreenDpi();
    }

    // The framework on Windows asks the window itself where user32 can answer
    // (the monitor's dpi for a per-monitor aware process, the system's for
    // the others); before that, and on Mono, the control's Graphics knows.
    internal sealed class SystemScreenDpi : IScreenDpi
    {
        private static bool askWindow = Environment.OSVersion.Platform == PlatformID.Win32NT
                                        && Type.GetType("Mono.Runtime") == null;

        [DllImport("user32")]
        private static extern uint GetDpiForWindow(IntPtr window);

        public int DpiOf(Control control)
        {
            if (control == null || control.IsDisposed || !control.IsHandleCreated)
                return 96;
            if (askWindow)
            {
                try
                {
                    uint dpi = GetDpiForWindow(control.Handle);
                    if (dpi > 0)
                        return (int)dpi;
                }
                catch (EntryPointNotFoundException)
                {
                    askWindow = false;  // user32 before Windows 10 1607
                }
            }
            using (Graphics g = control.CreateGraphics())
                return g.DpiX > 0 ? (int)Math.Round(g.DpiX) : 96;
        }
    }

    internal sealed class SystemShell : IShell
    {
        public void Open(string target)
        {
            using (System.Diagnostics.Process.Start(target)) { }
        }
    }

    internal sealed class SystemMessageBoxes : IMessageBoxes
    {
        public void ShowError(IWin32Window owner, string text)
        {
            MessageBox.Show(owner, text, Seams.Caption, MessageBoxButtons.OK, MessageBoxIcon.Error);
        }

        public void ShowMenuError(IWin32Window owner, string text)
        {
            MessageBox.Show(owner, text, Seams.MenuCaption, MessageBoxButtons.OK, MessageBoxIcon.Error);
        }
    }

    // One background thread plays one sound at a time and drops requests that
    // arrive while it is busy: a click sound is worthless once late, and on a
    // machine without a sound device (Mono's PlaySync then never returns) the
    // one stuck thread is all it costs, instead of a pool thread per click.
    // The thread owns its copy of the bytes until the sound has ended.
    internal sealed class DedicatedSoundPlayer : ISoundOutput
    {
        private readonly object gate = new object();
        private readonly Action<byte[]> playToEnd;
        private byte[] pending;
        private bool busy;
        private Thread thread;

        public DedicatedSoundPlayer() : this(PlayToEnd) { }

        // `playToEnd` plays one wave and returns when it has ended (the tests
        // give one that blocks for as long as they like).
        internal DedicatedSoundPlayer(Action<byte[]> playToEnd)
        {
            this.playToEnd = playToEnd;
        }

        public void Play(byte[] wave)
        {
            if (wave == null || wave.Length == 0)
                return;
            lock (gate)
            {
                if (busy || pending != null)
                    return;
                pending = (byte[])wave.Clone();
                if (thread == null)
                {
                    thread = new Thread(Run) { IsBackground = true, Name = "Brixel sound" };
                    thread.Start();
                }
                Monitor.Pulse(gate);
            }
        }

        private void Run()
        {
            while (true)
            {
                byte[] wave;
                lock (gate)
                {
                    while (pending == null)
                        Monitor.Wait(gate);
                    wave = pending;
                    pending = null;
                    busy = true;
                }
                try
                {
                    playToEnd(wave);
                }
                catch (Exception)
                {
                    // A sound that cannot play is silence, never an error of the button.
                }
                lock (gate)
                    busy = false;
            }
        }

        private static void PlayToEnd(byte[] wave)
        {
            using (var stream = new MemoryStream(wave, false))
            using (var player = new SoundPlayer(stream))
                player.PlaySync();
        }
    }
}
