// The ordered sub-items of a menu item, or the control's top-level items.
// Insertion links each item to the collection's parent item and owner;
// replacing an entry through the indexer links nothing.
using System;
using System.Collections;
using System.ComponentModel;
using System.Drawing.Design;

namespace Korvane.Nimbara
{
    [Editor(typeof(MenuCollectionEditor), typeof(UITypeEditor))]
    public class BrixelDemoMenuItemCollection : CollectionBase
    {
        private const string ValueTypeText = "value must be of type BrixelDemoMenuItem.";
        private const string NewValueTypeText = "newValue must be of type BrixelDemoMenuItem.";

        private BrixelDemoMenuItem parentItem;
        private BrixelDemo owner;

        public BrixelDemoMenuItem this[int index]
        {
            get { return (BrixelDemoMenuItem)List[index]; }
            set
            {
                CheckType(value, NewValueTypeText, "newValue");
                List[index] = value;
            }
        }

        public int Add(BrixelDemoMenuItem value)
        {
            CheckType(value, ValueTypeText, "value");
            return List.Add(value);
        }

        public void AddRange(BrixelDemoMenuItem[] items)
        {
            if (items == null)
                throw new ArgumentNullException("items");
            foreach (var item in items)
                Add(item);
        }

        public int IndexOf(BrixelDemoMenuItem value)
        {
            return List.IndexOf(value);
        }

        public void Insert(int index, BrixelDemoMenuItem value)
        {
            CheckType(value, ValueTypeText, "value");
            List.Insert(index, value);
        }

        public void Remove(BrixelDemoMenuItem value)
        {
            CheckType(value, ValueTypeText, "value");
            List.Remove(value);
        }

        public bool Contains(BrixelDemoMenuItem value)
        {
            return List.Contains(value);
        }

        // A move is no insertion: the item stays under the same parent, so
        // neither the links nor the separator rule are run again (a parent
        // built with the text "-" must not lose the item it already holds).
        internal void Move(int from, int to)
        {
            object item = InnerList[from];
            InnerList.RemoveAt(from);
            InnerList.Insert(to, item);
        }

        // The collection a control or an item holds: made on first use and
        // linked to its parent and owner each time it is handed out, since the
        // designer may have replaced either meanwhile.
        internal static BrixelDemoMenuItemCollection Linked(ref BrixelDemoMenuItemCollection collection,
                                                          BrixelDemoMenuItem parent, BrixelDemo owner)
        {
            if (collection == null)
                collection = new BrixelDemoMenuItemCollection();
            collection.SetParentMenuItem(parent);
            collection.SetOwner(owner);
            return collection;
        }

        [EditorBrowsable(EditorBrowsableState.Never)] public void SetParentMenuItem(BrixelDemoMenuItem item) { parentItem = item; }
        [EditorBrowsable(EditorBrowsableState.Never)] public BrixelDemoMenuItem GetParentMenuItem() { return parentItem; }
        [EditorBrowsable(EditorBrowsableState.Never)] public void SetOwner(BrixelDemo control) { owner = control; }
        [EditorBrowsable(EditorBrowsableState.Never)] public BrixelDemo GetOwner() { return owner; }

        // A derived class is refused too: the popup and the designer's code
        // know only this one.
        private static void CheckType(object value, string message, string paramName)
        {
            if (value == null || value.GetType() != typeof(BrixelDemoMenuItem))
                throw new ArgumentException(message, paramName);
        }

        // Reached through IList (a designer's collection editor writes back this way).
        protected override void OnValidate(object value)
        {
            if (value == null || value.GetType() != typeof(BrixelDemoMenuItem))
                throw new ArgumentException(ValueTypeText);
        }

        protected override void OnInsertComplete(int index, object value)
        {
            var item = (BrixelDemoMenuItem)value;
            if (parentItem != null)
            {
                parentItem.SetIsParent(Count > 0);
                item.SetParent(parentItem);
                string refusal = MenuRules.Refusal(MenuRules.ChangeAddSubItem, parentItem.Text, true);
                if (refusal != null)
                {
                    Seams.MessageBoxes.ShowMenuError(owner, refusal);
                    // The disposal takes the item out of this collection again.
                    item.Dispose();
                    return;
                }
            }
            item.SetOwner(owner);
        }

        protected override void OnRemoveComplete(int index, object value)
        {
            ClearParentWhenEmpty();
        }

        protected override void OnClearComplete()
        {
            ClearParentWhenEmpty();
        }

        private void ClearParentWhenEmpty()
        {
            if (parentItem != null && Count == 0)
                parentItem.SetIsParent(false);
        }
    }
}
