// The menu item objects of the Windows Forms control: a tree of components
// the designer edits and serialises as code. The separator rules are the
// native menu's (asked through MenuRules); argument types and parameter names
// are .NET's own and checked here.
using System;
using System.ComponentModel;
using System.Drawing;
using System.Drawing.Design;
using System.Windows.Forms;
using Korvane.Nimbara.BrixelDemoEnum;

namespace Korvane.Nimbara
{
    [DesignTimeVisible(false), ToolboxItem(false), DefaultProperty("Text")]
    public class BrixelDemoMenuItem : Component
    {
        private string text = "";
        private Shortcut shortcut = Shortcut.None;
        private bool showShortcut = true;
        private bool hyperlink;
        private string hyperlinkAddress = "";
        private Image sidebarImage;
        private bool enabled = true;
        private bool visible = true;
        private BrixelDemoMenuItem parent;
        private BrixelDemo owner;
        private BrixelDemoMenuItemCollection menuItems;
        private bool isParent;
        private int menuId;
        private IntPtr handle;
        private bool disposed;

        public event MenuItemClickHandler Click;
        public event MenuItemSelectHandler Select;

        // Hides Component.Disposed: code that holds the item as a
        // BrixelDemoMenuItem subscribes here and is called with e = null, once
        // the sub-items are gone and the item has left the tree; code that
        // holds it as a Component or IComponent (a designer's container)
        // subscribes to Component.Disposed, which the base disposal raises
        // right after.
        public new event MenuItemDisposedHandler Disposed;

        public BrixelDemoMenuItem() { }

        public BrixelDemoMenuItem(string strText, object objShortcut, bool bShowShortcut, bool bHyperlink,
                                  string strHyperlinkAddress, bool bEnabled, bool bVisible, Image imgImage,
                                  BrixelDemoMenuItemCollection pMenuItems)
        {
            text = strText ?? "";
            shortcut = objShortcut is Shortcut ? (Shortcut)objShortcut : Shortcut.None;
            showShortcut = bShowShortcut;
            hyperlink = bHyperlink;
            hyperlinkAddress = strHyperlinkAddress ?? "";
            enabled = bEnabled;
            visible = bVisible;
            sidebarImage = imgImage;
            if (pMenuItems != null)
            {
                // Items handed over with their collection must know their new
                // parent, or Index and disposal would look in the wrong place.
                menuItems = pMenuItems;
                menuItems.SetParentMenuItem(this);
                foreach (BrixelDemoMenuItem item in menuItems)
                    item.SetParent(this);
                isParent = menuItems.Count > 0;
            }
        }

        public string Text
        {
            get { return text; }
            set
            {
                string refusal = MenuRules.Refusal(MenuRules.ChangeText, value ?? "", isParent);
                if (refusal != null)
                {
                    Seams.MessageBoxes.ShowMenuError(owner, refusal);
                    return;
                }
                text = value ?? "";
            }
        }

        [DefaultValue(Shortcut.None)]
        public Shortcut Shortcut
        {
            get { return shortcut; }
            set { shortcut = value; }
        }

        [DefaultValue(true), Description("The shortcut of the MenuItem.")]
        public bool ShowShortcut
        {
            get { return showShortcut; }
            set { showShortcut = value; }
        }

        [DefaultValue(false), Description("The hyperlink of the MenuItem.")]
        public bool Hyperlink
        {
            get { return hyperlink; }
            set { hyperlink = value; }
        }

        [DefaultValue(""), Description("The hyperlink address of the MenuItem.")]
        public string HyperlinkAddress
        {
            get { return hyperlinkAddress; }
            set { hyperlinkAddress = value ?? ""; }
        }

        [DefaultValue(null), Description("The image to be displayed in MenuItems sidebar.")]
        public Image SidebarImage
        {
            get { return sidebarImage; }
            set { sidebarImage = value; }
        }

        [DefaultValue(true)]
        public bool Enabled
        {
            get { return enabled; }
            set { enabled = value; }
        }

        [DefaultValue(true)]
        public bool Visible
        {
            get { return visible; }
            set { visible = value; }
        }

        [Browsable(false)]
        public int Index
        {
            get
            {
                BrixelDemoMenuItemCollection home = Home();
                return home == null || home.Count == 0 ? -1 : home.IndexOf(this);
            }
            set
            {
                if (value == -1)
                    return;
                BrixelDemoMenuItemCollection home = Home();
                if (home == null)
                    return;
                int from = home.IndexOf(this);
                if (from < 0)
                    return;
                // Checked before the item leaves its place: a refused move
                // must not lose it.
                if (value < 0 || value > home.Count - 1)
                    throw new ArgumentOutOfRangeException("index", value, "Index was out of range.");
                home.Move(from, value);
            }
        }

        [Browsable(false), DesignerSerializationVisibility(DesignerSerializationVisibility.Hidden)]
        public BrixelDemoMenuItem Parent
        {
            get { return parent; }
        }

        [Browsable(false), DesignerSerializationVisibility(DesignerSerializationVisibility.Hidden)]
        public bool IsParent
        {
            get { return isParent; }
        }

        [Editor(typeof(MenuCollectionEditor), typeof(UITypeEditor))]
        [DesignerSerializationVisibility(DesignerSerializationVisibility.Content)]
        public BrixelDemoMenuItemCollection MenuItems
        {
            get { return BrixelDemoMenuItemCollection.Linked(ref menuItems, this, owner); }
        }

        // --- Plumbing for the control and the collections ----------------------------

        [EditorBrowsable(EditorBrowsableState.Never)] public void SetMenuID(int id) { menuId = id; }
        [EditorBrowsable(EditorBrowsableState.Never)] public int GetMenuID() { return menuId; }
        [EditorBrowsable(EditorBrowsableState.Never)] public void SetIsParent(bool value) { isParent = value; }
        [EditorBrowsable(EditorBrowsableState.Never)] public bool GetIsParent() { return isParent; }
        [EditorBrowsable(EditorBrowsableState.Never)] public void SetParent(BrixelDemoMenuItem item) { parent = item; }
        [EditorBrowsable(EditorBrowsableState.Never)] public BrixelDemoMenuItem GetParent() { return parent; }
        [EditorBrowsable(EditorBrowsableState.Never)] public void SetOwner(BrixelDemo control) { owner = control; }
        [EditorBrowsable(EditorBrowsableState.Never)] public BrixelDemo GetOwner() { return owner; }
        [EditorBrowsable(EditorBrowsableState.Never)] public void SetHandle(IntPtr value) { handle = value; }
        [EditorBrowsable(EditorBrowsableState.Never)] public IntPtr GetHandle() { return handle; }
        [EditorBrowsable(EditorBrowsableState.Never)] public void CallDispose() { Dispose(); }
        [EditorBrowsable(EditorBrowsableState.Never)] public bool GetDisposed() { return disposed; }

        internal void OnClick() { Click?.Invoke(this, EventArgs.Empty); }
        internal void OnSelect() { Select?.Invoke(this, EventArgs.Empty); }

        // The collection that holds the item: its parent's, or the owner's top level.
        private BrixelDemoMenuItemCollection Home()
        {
            if (parent != null)
                return parent.MenuItems;
            return owner != null ? owner.MenuItems : null;
        }

        protected override void Dispose(bool disposing)
        {
            if (disposed)
            {
                base.Dispose(disposing);
                return;
            }
            disposed = true;
            if (disposing)
            {
                if (menuItems != null)
                {
                    // Each disposal takes the sub-item out of this collection.
                    for (int i = 0; i < menuItems.Count; i++)
                    {
                        var item = menuItems[i];
                        if (item.GetDisposed())
                            continue;
                        item.Dispose();
                        if (i < menuItems.Count && menuItems[i] == item)
                            continue;
                        i--;
                    }
                }
                BrixelDemoMenuItemCollection home = Home();
                if (home != null)
                    RemoveFromTree(home);
                Disposed?.Invoke(this, null);
            }
            base.Dispose(disposing);
        }

        private bool RemoveFromTree(BrixelDemoMenuItemCollection collection)
        {
            for (int i = 0; i < collection.Count; i++)
            {
                var item = collection[i];
                if (item == this)
                {
                    if (menuItems != null)
                        while (menuItems.Count > 0)
                            menuItems.RemoveAt(0);
                    collection.RemoveAt(i);
                    return true;
                }
                if (item.IsParent && item.RemoveFromTree(item.MenuItems))
                    return true;
            }
            return false;
        }
    }

    // The native menu's rules for an object tree whose separators are items
    // with the text "-".
    internal static class MenuRules
    {
        internal const int ChangeText = 0;
        internal const int ChangeAddSubItem = 1;

        // The message that refuses the change, or null when it is allowed.
        internal static string Refusal(int change, string text, bool isParent)
        {
            var buffer = new char[256];
            int length;
            int status = Abi.brixel_menu_object_check(change, text, text.Length, isParent ? 1 : 0, buffer, buffer.Length,
                                                      out length);
            if (status == Abi.E_BUFFER_TOO_SMALL)
            {
                buffer = new char[length + 1];
                status = Abi.brixel_menu_object_check(change, text, text.Length, isParent ? 1 : 0, buffer, buffer.Length,
                                                      out length);
            }
            if (status == Abi.OK)
                return null;
            if (status == Abi.E_REFUSED)
                return new string(buffer, 0, length);
            throw new InvalidOperationException(Abi.StatusText(status));
        }
    }
}
