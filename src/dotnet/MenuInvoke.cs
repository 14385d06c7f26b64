// Running a menu item, whether the popup chose it or a shortcut named it.
using System;

namespace Korvane.Nimbara
{
    public partial class BrixelDemo
    {
        // The item's Click, then its hyperlink. Callers decide whether the item
        // may run at all (the popup offers only enabled rows; shortcuts check
        // the item and its ancestors); the hyperlink itself opens only for an
        // enabled item. Returns false when a Click handler disposed the
        // control, so that the caller touches nothing of it any more.
        internal bool InvokeMenuItem(BrixelDemoMenuItem item)
        {
            if (item == null || item.GetDisposed() || IsDisposedOrDying)
                return !IsDisposedOrDying;
            item.OnClick();
            if (IsDisposedOrDying)
                return false;
            // A handler that disposed the item took its address with it.
            if (!item.GetDisposed())
                PerformMenuItemHyperlink(item);
            return !IsDisposedOrDying;
        }

        // Opens an item's address through the same check as the button's own
        // hyperlink; an address with "@" becomes a mail link there.
        public void PerformMenuItemHyperlink(BrixelDemoMenuItem item)
        {
            if (item == null || IsDisposedOrDying)
                return;
            if (!item.Hyperlink || string.IsNullOrEmpty(item.HyperlinkAddress) || !item.Enabled)
                return;
            OpenHyperlink(item.HyperlinkAddress);
        }
    }
}
