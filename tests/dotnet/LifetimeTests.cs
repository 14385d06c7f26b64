// Disposal runs once, and a control that is only finalized frees its native
// button from the finalizer thread without touching anything managed.
using System;
using System.Windows.Forms;
using NUnit.Framework;
using Button = Korvane.Nimbara.BrixelDemo;

namespace BrixelDemo.Tests
{
    [TestFixture]
    public class LifetimeTests : ControlTest
    {
        [Test]
        public void Disposing_twice_and_calling_methods_afterwards_is_harmless()
        {
            Form form;
            var button = ShownButton(out form);
            int clicks = 0;
            button.Click += (s, e) => clicks++;
            button.Dispose();
            button.Dispose();
            button.PerformClick();
            button.PerformClickActions();
            button.SetToggleState(true);
            Assert.IsFalse(button.GetToggleState());
            Assert.AreEqual(0, clicks);
        }

        [Test]
        public void A_control_without_a_window_disposes()
        {
            var button = new Button();
            button.TooltipText = "tip";
            button.Dispose();
            Assert.IsTrue(button.IsDisposed);
        }

        [Test]
        public void Controls_left_to_the_finalizer_free_themselves()
        {
            for (int i = 0; i < 200; i++)
                MakeGarbage();
            GC.Collect();
            GC.WaitForPendingFinalizers();
            GC.Collect();
            // Still usable afterwards: the finalizers destroyed only their own buttons.
            var survivor = NewButton();
            survivor.Bevel = 3;
            Assert.AreEqual(3, survivor.Bevel);
        }

        private static void MakeGarbage()
        {
            new Button { Text = "garbage", Bevel = 2 }.ToString();
        }
    }
}
