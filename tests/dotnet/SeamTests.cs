// The sound player behind the seam: one thread, never the caller's, and
// requests dropped while a sound plays (Mono's player never returns without
// a sound device, and each click would otherwise hold a thread).
using System.Collections.Generic;
using System.Diagnostics;
using System.IO;
using System.Threading;
using Korvane.Nimbara;
using Korvane.Nimbara.BrixelDemoEnum;
using NUnit.Framework;

namespace BrixelDemo.Tests
{
    [TestFixture]
    public class SeamTests : ControlTest
    {
        [Test]
        public void The_player_never_blocks_the_caller_and_drops_requests_while_busy()
        {
            var release = new ManualResetEvent(false);
            var started = new List<byte[]>();
            var player = new DedicatedSoundPlayer(wave =>
            {
                lock (started)
                    started.Add(wave);
                release.WaitOne();  // a device that never finishes
            });
            var watch = Stopwatch.StartNew();
            for (int i = 1; i <= 50; i++)
                player.Play(new[] { (byte)i });
            Assert.Less(watch.ElapsedMilliseconds, 1000, "fifty plays return at once");
            Thread.Sleep(200);
            lock (started)
                Assert.AreEqual(1, started.Count, "one plays, the rest are dropped");
            release.Set();
            Thread.Sleep(100);
            player.Play(new byte[] { 99 });
            Thread.Sleep(200);
            lock (started)
                Assert.AreEqual(new byte[] { 99 }, started[started.Count - 1], "a later request plays once it is free");
        }

        // The player owns a copy: a caller reusing its buffer cannot change a sound in flight.
        [Test]
        public void The_player_plays_its_own_copy()
        {
            var gate = new ManualResetEvent(false);
            byte[] seen = null;
            var player = new DedicatedSoundPlayer(wave => { gate.WaitOne(); seen = wave; });
            var bytes = new byte[] { 1, 2, 3 };
            player.Play(bytes);
            bytes[0] = 42;
            gate.Set();
            Thread.Sleep(200);
            Assert.AreEqual(new byte[] { 1, 2, 3 }, seen);
        }

        [Test]
        public void A_hyperlink_click_opens_the_address_through_the_shell()
        {
            System.Windows.Forms.Form form;
            var button = ShownButton(out form);
            button.Hyperlink = true;
            button.HyperlinkAddress = "www.example.com";
            button.PerformClickActions();
            Assert.AreEqual(1, Shell.Opened.Count);
            StringAssert.Contains("www.example.com", Shell.Opened[0]);
            Assert.IsEmpty(Boxes.Texts);
        }

        [Test]
        public void A_shell_failure_tells_the_user()
        {
            System.Windows.Forms.Form form;
            var button = ShownButton(out form);
            Seams.Shell = new FailingShell();
            button.Hyperlink = true;
            button.HyperlinkAddress = "www.example.com";
            button.PerformHyperlink();
            Assert.AreEqual(new[] { "Unable to open hyperlink" }, Boxes.Texts);
        }

        [Test]
        public void No_sound_plays_for_NoSound()
        {
            System.Windows.Forms.Form form;
            var button = ShownButton(out form);
            button.ClickSound = kvnClickSound.NoSound;
            button.PerformClick();
            Assert.IsEmpty(Sounds.Played);
        }

        private sealed class FailingShell : IShell
        {
            public void Open(string target) { throw new FileNotFoundException(target); }
        }
    }
}
