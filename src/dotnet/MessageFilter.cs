// One message filter per UI thread serves the shortcuts, and the menus that
// drop by themselves, of every button of that thread. A button counts itself in once, when its window first exists,
// and out once, when it is disposed; the last one out removes the filter.
//
// Buttons count themselves in their own thread's registration and keep a
// reference to it, so a count is never raised twice by a recreated window,
// never lowered by a button that never had a window, and always lowered in
// the registration it was raised in. The finalizer touches none of this.
using System;
using System.Threading;
using System.Windows.Forms;

namespace Korvane.Nimbara
{
    internal sealed class MessageFilterRegistration
    {
        [ThreadStatic] private static MessageFilterRegistration current;

        private readonly object gate = new object();
        private readonly Thread owner = Thread.CurrentThread;
        private ShortcutMessageFilter filter;
        private int count;

        private MessageFilterRegistration() { }

        // The calling thread's registration, made on first use.
        internal static MessageFilterRegistration ForThisThread
        {
            get { return current ?? (current = new MessageFilterRegistration()); }
        }

        // The calling thread's registration if it has one (the tests read it).
        internal static MessageFilterRegistration ExistingForThisThread
        {
            get { return current; }
        }

        internal int Count
        {
            get { lock (gate) return count; }
        }

        // Whether a filter of this thread is in the application's list.
        internal bool Installed
        {
            get { lock (gate) return filter != null; }
        }

        // Called on the owning thread, where the application keeps its filters.
        internal void Add()
        {
            lock (gate)
            {
                count++;
                if (filter != null)
                    return;
                filter = new ShortcutMessageFilter(this);
            }
            Application.AddMessageFilter(filter);
        }

        // A release from another thread (a dispose that should not happen
        // there, but may) only lowers the count: the filter stays in its own
        // thread's list, does nothing while the count is 0, and serves again
        // when a new button counts itself in there.
        internal void Release()
        {
            ShortcutMessageFilter removed = null;
            lock (gate)
            {
                if (count == 0)
                    return;
                count--;
                if (count == 0 && Thread.CurrentThread == owner)
                {
                    removed = filter;
                    filter = null;
                }
            }
            if (removed != null)
                Application.RemoveMessageFilter(removed);
        }

        // Whether the filter serves the message now: Mono keeps one list of
        // filters for every thread, so a filter also sees other threads' messages.
        internal bool Serves
        {
            get { return Thread.CurrentThread == owner && Count > 0; }
        }
    }

    internal sealed class ShortcutMessageFilter : IMessageFilter
    {
        private const int WM_KEYDOWN = 0x0100;
        private const int WM_SYSKEYDOWN = 0x0104;
        private const int WM_MOUSEMOVE = 0x0200;

        private readonly MessageFilterRegistration registration;

        internal ShortcutMessageFilter(MessageFilterRegistration registration)
        {
            this.registration = registration;
        }

        // True consumes the message: a key that ran a menu item must not also
        // reach the focused control (Del would delete in a text box too).
        // Mouse moves only probe for menus that drop by themselves.
        public bool PreFilterMessage(ref Message m)
        {
            if (m.Msg != WM_KEYDOWN && m.Msg != WM_SYSKEYDOWN && m.Msg != WM_MOUSEMOVE)
                return false;
            if (!registration.Serves)
                return false;
            if (m.Msg == WM_MOUSEMOVE)
            {
                BrixelDemo.AutoDropProbe(m.HWnd, Control.MousePosition);
                return false;
            }
            int key = (int)(m.WParam.ToInt64() & 0xFFFF);
            return BrixelDemo.DispatchShortcut(m.HWnd, key, Control.ModifierKeys);
        }
    }
}
