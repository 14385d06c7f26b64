// The menu item tree: type checks and their texts, the separator rules with
// their boxes, Index moves, IsParent upkeep, linking and disposal order.
using System;
using System.Collections;
using System.Collections.Generic;
using Korvane.Nimbara;
using NUnit.Framework;

namespace BrixelDemo.Tests
{
    internal sealed class DerivedMenuItem : BrixelDemoMenuItem { }

    [TestFixture]
    public class MenuItemTests : ControlTest
    {
        private static BrixelDemoMenuItem Item(string text)
        {
            return new BrixelDemoMenuItem { Text = text };
        }

        private static string FirstLine(Exception e)
        {
            return e.Message.Split('\n')[0].TrimEnd('\r');
        }

        // Each row: what is tried, the first line of the message, the parameter name.
        private static IEnumerable<TestCaseData> WrongTypes()
        {
            var c = new BrixelDemoMenuItemCollection();
            c.Add(new BrixelDemoMenuItem());
            yield return new TestCaseData((Action)(() => c.Add(null)), "value must be of type BrixelDemoMenuItem.", "value").SetName("Add null");
            yield return new TestCaseData((Action)(() => c.Add(new DerivedMenuItem())), "value must be of type BrixelDemoMenuItem.", "value").SetName("Add derived");
            yield return new TestCaseData((Action)(() => c.Insert(0, null)), "value must be of type BrixelDemoMenuItem.", "value").SetName("Insert null");
            yield return new TestCaseData((Action)(() => c.Remove(new DerivedMenuItem())), "value must be of type BrixelDemoMenuItem.", "value").SetName("Remove derived");
            yield return new TestCaseData((Action)(() => c.AddRange(new BrixelDemoMenuItem[] { null })), "value must be of type BrixelDemoMenuItem.", "value").SetName("AddRange null entry");
            yield return new TestCaseData((Action)(() => c[0] = null), "newValue must be of type BrixelDemoMenuItem.", "newValue").SetName("Indexer null");
            yield return new TestCaseData((Action)(() => c[0] = new DerivedMenuItem()), "newValue must be of type BrixelDemoMenuItem.", "newValue").SetName("Indexer derived");
            yield return new TestCaseData((Action)(() => ((IList)c).Add("text")), "value must be of type BrixelDemoMenuItem.", null).SetName("IList add string");
        }

        [TestCaseSource("WrongTypes")]
        public void Anything_but_exactly_a_menu_item_is_refused(Action attempt, string firstLine, string paramName)
        {
            var e = Assert.Throws<ArgumentException>(() => attempt());
            Assert.AreEqual(firstLine, FirstLine(e));
            Assert.AreEqual(paramName, e.ParamName);
        }

        [Test]
        public void A_separator_takes_no_sub_item_and_the_refused_item_is_disposed()
        {
            var separator = Item("-");
            var child = Item("Child");
            int disposed = 0;
            child.Disposed += (s, e) => disposed++;
            separator.MenuItems.Add(child);
            Assert.AreEqual(0, separator.MenuItems.Count);
            Assert.IsFalse(separator.IsParent);
            Assert.AreEqual(1, disposed);
            CollectionAssert.AreEqual(new[] { "You cannot add submenu to a separator" }, Boxes.Texts);
            CollectionAssert.AreEqual(new[] { "Brixel Menu Error" }, Boxes.Captions);
        }

        [Test]
        public void A_parent_keeps_its_text_when_made_a_separator_and_a_leaf_takes_it()
        {
            var parent = Item("File");
            parent.MenuItems.Add(Item("Open"));
            parent.Text = "-";
            Assert.AreEqual("File", parent.Text);
            CollectionAssert.AreEqual(new[] { "This menu item cannot be converted to a separator because it contains sub menu items" }, Boxes.Texts);
            CollectionAssert.AreEqual(new[] { "Brixel Menu Error" }, Boxes.Captions);

            parent.MenuItems.RemoveAt(0);
            Assert.IsFalse(parent.IsParent);
            parent.Text = "-";
            Assert.AreEqual("-", parent.Text);
            Assert.AreEqual(1, Boxes.Texts.Count);
        }

        [Test]
        public void IsParent_follows_the_sub_items_through_add_remove_and_clear()
        {
            var parent = Item("File");
            var open = Item("Open");
            parent.MenuItems.AddRange(new[] { open, Item("Save") });
            Assert.IsTrue(parent.IsParent);
            Assert.AreSame(parent, open.Parent);
            parent.MenuItems.Remove(open);
            Assert.IsTrue(parent.IsParent);
            parent.MenuItems.Clear();
            Assert.IsFalse(parent.IsParent);
        }

        [Test]
        public void Top_level_items_belong_to_the_control_and_sub_items_reach_it_through_their_parent()
        {
            var button = NewButton();
            var file = Item("File");
            button.MenuItems.Add(file);
            var open = Item("Open");
            file.MenuItems.Add(open);
            Assert.AreSame(button, file.GetOwner());
            Assert.IsNull(file.Parent);
            Assert.AreSame(button, open.GetOwner());
            Assert.AreSame(file, open.Parent);
            Assert.AreEqual(0, open.Index);
        }

        [TestCase(2, 0, new[] { "C", "A", "B", "D" })]
        [TestCase(0, 3, new[] { "B", "C", "D", "A" })]
        [TestCase(1, 2, new[] { "A", "C", "B", "D" })]
        [TestCase(3, 3, new[] { "A", "B", "C", "D" })]
        public void Index_moves_an_item_within_its_collection(int from, int to, string[] order)
        {
            var button = NewButton();
            foreach (var t in new[] { "A", "B", "C", "D" })
                button.MenuItems.Add(Item(t));
            var moved = button.MenuItems[from];
            moved.Index = to;
            Assert.AreEqual(to, moved.Index);
            CollectionAssert.AreEqual(order, Texts(button.MenuItems));
        }

        [TestCase(4)]
        [TestCase(-2)]
        public void A_refused_Index_move_keeps_the_item_where_it_was(int to)
        {
            var parent = Item("File");
            parent.MenuItems.AddRange(new[] { Item("A"), Item("B"), Item("C"), Item("D") });
            var moved = parent.MenuItems[1];
            Assert.Throws<ArgumentOutOfRangeException>(() => moved.Index = to);
            Assert.AreEqual(1, moved.Index);
            CollectionAssert.AreEqual(new[] { "A", "B", "C", "D" }, Texts(parent.MenuItems));
        }

        [Test]
        public void Index_moves_under_a_parent_built_with_the_separator_text_keep_the_item()
        {
            var subs = new BrixelDemoMenuItemCollection();
            subs.AddRange(new[] { Item("A"), Item("B") });
            var parent = new BrixelDemoMenuItem("-", null, true, false, "", true, true, null, subs);
            var b = subs[1];
            b.Index = 0;
            CollectionAssert.AreEqual(new[] { "B", "A" }, Texts(parent.MenuItems));
            Assert.IsFalse(b.GetDisposed());
            Assert.IsEmpty(Boxes.Texts);
        }

        [Test]
        public void An_item_outside_any_collection_has_Index_minus_one_and_ignores_moves()
        {
            var lone = Item("Lone");
            Assert.AreEqual(-1, lone.Index);
            lone.Index = 3;
            Assert.AreEqual(-1, lone.Index);
        }

        [Test]
        public void Disposing_a_parent_disposes_its_subtree_children_first_once_each_and_leaves_the_tree()
        {
            var button = NewButton();
            var file = Item("File");
            var recent = Item("Recent");
            var a = Item("a");
            var b = Item("b");
            var quit = Item("Quit");
            button.MenuItems.AddRange(new[] { Item("Edit"), file });
            file.MenuItems.AddRange(new[] { recent, quit });
            recent.MenuItems.AddRange(new[] { a, b });
            var order = new List<string>();
            foreach (var item in new[] { file, recent, a, b, quit })
                item.Disposed += (s, e) => { order.Add(((BrixelDemoMenuItem)s).Text); Assert.IsNull(e); };

            file.Dispose();
            file.Dispose();
            CollectionAssert.AreEqual(new[] { "a", "b", "Recent", "Quit", "File" }, order);
            CollectionAssert.AreEqual(new[] { "Edit" }, Texts(button.MenuItems));
            Assert.AreEqual(0, recent.MenuItems.Count);
            Assert.IsTrue(a.GetDisposed());
        }

        [Test]
        public void Disposing_the_control_disposes_every_menu_item()
        {
            var button = new Korvane.Nimbara.BrixelDemo();
            var file = Item("File");
            var open = Item("Open");
            button.MenuItems.Add(file);
            file.MenuItems.Add(open);
            button.MenuItems.Add(Item("Quit"));
            int count = 0;
            open.Disposed += (s, e) => count++;
            file.Disposed += (s, e) => count++;
            button.Dispose();
            Assert.AreEqual(2, count);
            Assert.AreEqual(0, button.MenuItems.Count);
        }

        [Test]
        public void The_full_constructor_stores_its_arguments_and_adopts_the_sub_items()
        {
            var subs = new BrixelDemoMenuItemCollection();
            subs.Add(Item("Child"));
            var item = new BrixelDemoMenuItem("Parent", System.Windows.Forms.Shortcut.CtrlShiftF5, false, true,
                                              "a@b.c", false, false, null, subs);
            Assert.AreEqual(System.Windows.Forms.Shortcut.CtrlShiftF5, item.Shortcut);
            Assert.IsFalse(item.ShowShortcut || item.Enabled || item.Visible);
            Assert.AreSame(subs, item.MenuItems);
            Assert.IsTrue(item.IsParent);
            Assert.AreEqual(0, subs[0].Index);
        }

        private static string[] Texts(BrixelDemoMenuItemCollection items)
        {
            var texts = new List<string>();
            foreach (BrixelDemoMenuItem item in items)
                texts.Add(item.Text);
            return texts.ToArray();
        }
    }
}
