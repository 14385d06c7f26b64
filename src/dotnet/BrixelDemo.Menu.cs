// The control's side of the menu item objects: the top-level collection.
using System.ComponentModel;
using System.Drawing.Design;

namespace Korvane.Nimbara
{
    public partial class BrixelDemo
    {
        private BrixelDemoMenuItemCollection menuItems;

        [Category("Menu"), Description("The menu items of the Brixel object.")]
        [Editor(typeof(MenuCollectionEditor), typeof(UITypeEditor))]
        [DesignerSerializationVisibility(DesignerSerializationVisibility.Content)]
        public BrixelDemoMenuItemCollection MenuItems
        {
            get { return BrixelDemoMenuItemCollection.Linked(ref menuItems, null, this); }
        }

        // Each item leaves the collection as it is disposed, subtree first.
        private void DisposeMenuItems()
        {
            if (menuItems == null)
                return;
            for (int i = 0; i < menuItems.Count; i++)
            {
                var item = menuItems[i];
                if (item.GetDisposed())
                    continue;
                item.Dispose();
                if (i >= menuItems.Count || menuItems[i] != item)
                    i--;
            }
        }
    }
}
