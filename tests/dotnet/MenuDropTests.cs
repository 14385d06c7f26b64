// The drop-down menu of the Windows Forms control: running a chosen item,
// where the popup goes, the rows it draws, the events of a real drop and the
// keys that open it.
using System;
using System.Collections.Generic;
using System.Drawing;
using System.Windows.Forms;
using Korvane.Nimbara;
using Korvane.Nimbara.BrixelDemoEnum;
using NUnit.Framework;

namespace BrixelDemo.Tests
{
    [TestFixture]
    public class MenuInvokeTests : ControlTest
    {
        private static BrixelDemoMenuItem LinkItem(string address, bool enabled = true)
        {
            return new BrixelDemoMenuItem { Text = "Link", Hyperlink = true, HyperlinkAddress = address, Enabled = enabled };
        }

        // Each row: the item's hyperlink settings and what the shell is asked to open.
        private static IEnumerable<TestCaseData> Hyperlinks()
        {
            yield return new TestCaseData(true, "http://example.com/", true, new[] { "http://example.com/" }).SetName("Web address opens");
            yield return new TestCaseData(true, "someone@example.com", true, new[] { "mailto:someone@example.com" }).SetName("Address with at sign becomes a mail link");
            yield return new TestCaseData(true, "", true, new string[0]).SetName("Empty address opens nothing");
            yield return new TestCaseData(false, "http://example.com/", true, new string[0]).SetName("Hyperlink off opens nothing");
            yield return new TestCaseData(true, "http://example.com/", false, new string[0]).SetName("Disabled item opens nothing");
        }

        [TestCaseSource("Hyperlinks")]
        public void Running_an_item_clicks_it_then_follows_its_hyperlink(bool hyperlink, string address, bool enabled, string[] opened)
        {
            var button = NewButton();
            var item = new BrixelDemoMenuItem { Text = "Go", Hyperlink = hyperlink, HyperlinkAddress = address, Enabled = enabled };
            button.MenuItems.Add(item);
            var order = new List<string>();
            item.Click += (s, e) => { order.Add("Click"); Assert.AreSame(item, s); Assert.AreEqual(0, Shell.Opened.Count); };
            Assert.IsTrue(button.InvokeMenuItem(item));
            CollectionAssert.AreEqual(new[] { "Click" }, order);
            CollectionAssert.AreEqual(opened, Shell.Opened);
        }

        [Test]
        public void A_handler_that_disposes_the_item_or_the_control_stops_the_hyperlink()
        {
            var button = NewButton();
            var item = LinkItem("http://example.com/");
            button.MenuItems.Add(item);
            item.Click += (s, e) => item.Dispose();
            Assert.IsTrue(button.InvokeMenuItem(item));
            Assert.AreEqual(0, Shell.Opened.Count);

            var other = NewButton();
            var second = LinkItem("http://example.com/");
            other.MenuItems.Add(second);
            second.Click += (s, e) => other.Dispose();
            Assert.IsFalse(other.InvokeMenuItem(second));
            Assert.AreEqual(0, Shell.Opened.Count);
        }
    }
}
