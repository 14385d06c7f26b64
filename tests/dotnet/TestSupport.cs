// Shared doubles and helpers of the Windows Forms tests: recorders behind the
// control's seams, a shown form, message pumping and real input through xdotool.
using System;
using System.Collections.Generic;
using System.Diagnostics;
using System.Drawing;
using System.Threading;
using System.Windows.Forms;
using Korvane.Nimbara;
using NUnit.Framework;
using Timer = System.Windows.Forms.Timer;

namespace BrixelDemo.Tests
{
    internal sealed class MessageBoxRecorder : IMessageBoxes
    {
        public readonly List<string> Texts = new List<string>();
        public readonly List<string> Captions = new List<string>();
        public void ShowError(IWin32Window owner, string text) { Texts.Add(text); Captions.Add(Seams.Caption); }
        public void ShowMenuError(IWin32Window owner, string text) { Texts.Add(text); Captions.Add(Seams.MenuCaption); }
    }

    internal sealed class SoundRecorder : ISoundOutput
    {
        public readonly List<byte[]> Played = new List<byte[]>();
        public void Play(byte[] wave) { Played.Add(wave); }
    }

    internal sealed class ShellRecorder : IShell
    {
        public readonly List<string> Opened = new List<string>();
        public void Open(string target) { Opened.Add(target); }
    }

    // Every test runs with recorders in place of the message box, the sound
    // device and the shell, and restores the real ones afterwards.
    public abstract class ControlTest
    {
        internal MessageBoxRecorder Boxes;
        internal SoundRecorder Sounds;
        internal ShellRecorder Shell;
        private IMessageBoxes savedBoxes;
        private ISoundOutput savedSounds;
        private IShell savedShell;
        private readonly List<IDisposable> owned = new List<IDisposable>();
        private static readonly Point ParkedPointer = new Point(10, 10);

        [SetUp]
        public void InstallRecorders()
        {
            savedBoxes = Seams.MessageBoxes;
            savedSounds = Seams.Sounds;
            savedShell = Seams.Shell;
            Seams.MessageBoxes = Boxes = new MessageBoxRecorder();
            Seams.Sounds = Sounds = new SoundRecorder();
            Seams.Shell = Shell = new ShellRecorder();
        }

        [TearDown]
        public void RestoreRecorders()
        {
            foreach (var d in owned)
                d.Dispose();
            owned.Clear();
            // The next case's button must not start under the pointer (its
            // face and sounds would be the hovered ones).
            if (Cursor.Position != ParkedPointer)
                XInput.MoveToScreen(ParkedPointer.X, ParkedPointer.Y);
            Pump(20);
            Seams.MessageBoxes = savedBoxes;
            Seams.Sounds = savedSounds;
            Seams.Shell = savedShell;
        }

        protected T Own<T>(T disposable) where T : IDisposable
        {
            owned.Add(disposable);
            return disposable;
        }

        protected Korvane.Nimbara.BrixelDemo NewButton()
        {
            return Own(new Korvane.Nimbara.BrixelDemo());
        }

        // A shown form holding one button at (20, 20), 120 x 40, with the focus.
        protected Korvane.Nimbara.BrixelDemo ShownButton(out Form form, string text = "&Press")
        {
            return Shown(new Korvane.Nimbara.BrixelDemo(), out form, text);
        }

        // `button` placed and shown as ShownButton shows its own.
        protected T Shown<T>(T button, out Form form, string text) where T : Control
        {
            form = Own(new Form { StartPosition = FormStartPosition.Manual, Location = new Point(100, 100),
                                  ClientSize = new Size(300, 160), Text = "Brixel test" });
            button.Location = new Point(20, 20);
            button.Size = new Size(120, 40);
            button.Text = text;
            form.Controls.Add(button);
            form.Show();
            form.Activate();
            button.Focus();
            Pump(300);
            return button;
        }

        // What the screen shows of the control's client area.
        // The smallest rectangle holding every pixel of `bitmap` that `ink` accepts; empty when none does.
        protected static Rectangle InkBounds(Bitmap bitmap, Func<Color, bool> ink)
        {
            int left = int.MaxValue, top = int.MaxValue, right = -1, bottom = -1;
            for (int y = 0; y < bitmap.Height; y++)
                for (int x = 0; x < bitmap.Width; x++)
                    if (ink(bitmap.GetPixel(x, y)))
                    {
                        left = Math.Min(left, x);
                        top = Math.Min(top, y);
                        right = Math.Max(right, x + 1);
                        bottom = Math.Max(bottom, y + 1);
                    }
            return right < 0 ? Rectangle.Empty : Rectangle.FromLTRB(left, top, right, bottom);
        }

        protected static Bitmap ScreenShot(Control control)
        {
            var size = control.ClientSize;
            var shot = new Bitmap(size.Width, size.Height, System.Drawing.Imaging.PixelFormat.Format32bppRgb);
            using (var g = Graphics.FromImage(shot))
                g.CopyFromScreen(control.PointToScreen(Point.Empty), Point.Empty, size);
            return shot;
        }

        // A text box under the button ShownButton places, to take the focus
        // or the keys away from it.
        protected static TextBox BoxBelow(Form form)
        {
            var box = new TextBox { Location = new Point(20, 100) };
            form.Controls.Add(box);
            return box;
        }

        // Runs the message loop for about `ms` milliseconds.
        protected static void Pump(int ms)
        {
            var watch = Stopwatch.StartNew();
            do
            {
                Application.DoEvents();
                Thread.Sleep(5);
            } while (watch.ElapsedMilliseconds < ms);
        }

        // Runs a real message loop (Application.Run) for `ms` milliseconds,
        // calling `action` from inside it first.
        protected static void RunMessageLoop(Action action, int ms)
        {
            var context = new ApplicationContext();
            var start = new Timer { Interval = 20 };
            var stop = new Timer { Interval = ms };
            start.Tick += (s, e) => { start.Stop(); action(); stop.Start(); };
            stop.Tick += (s, e) => { stop.Stop(); context.ExitThread(); };
            start.Start();
            Application.Run(context);
            start.Dispose();
            stop.Dispose();
        }

        // Pumps until the condition holds or the time is up; returns the condition.
        protected static bool PumpUntil(Func<bool> condition, int ms)
        {
            var watch = Stopwatch.StartNew();
            while (!condition() && watch.ElapsedMilliseconds < ms)
            {
                Application.DoEvents();
                Thread.Sleep(5);
            }
            return condition();
        }
    }

    // Real input on the X display, as a user gives it.
    internal static class XInput
    {
        internal static void Run(string arguments)
        {
            using (var p = Process.Start(new ProcessStartInfo("xdotool", arguments) { UseShellExecute = false }))
            {
                if (!p.WaitForExit(5000))
                    Assert.Fail("xdotool " + arguments + " did not finish");
            }
        }

        internal static void MoveTo(Control control, Point client)
        {
            Point screen = control.PointToScreen(client);
            MoveToScreen(screen.X, screen.Y);
        }

        internal static void MoveToScreen(int x, int y)
        {
            // Not --sync: it waits for a motion that never comes when the
            // pointer is there already.
            Run(string.Format("mousemove {0} {1}", x, y));
            Thread.Sleep(30);
        }

        internal static void Press() { Run("mousedown 1"); }
        internal static void Release() { Run("mouseup 1"); }
        internal static void Key(string keys) { Run("key " + keys); }
        internal static void KeyDown(string key) { Run("keydown " + key); }
        internal static void KeyUp(string key) { Run("keyup " + key); }
    }
}
