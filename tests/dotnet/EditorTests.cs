// The designer's editors, driven as a property grid drives them.
using System;
using System.ComponentModel;
using System.ComponentModel.Design;
using System.Drawing.Design;
using System.Windows.Forms;
using System.Windows.Forms.Design;
using Korvane.Nimbara;
using NUnit.Framework;

namespace BrixelDemo.Tests
{
    internal sealed class OpenWaveEditor : WaveFileNameEditor
    {
        public void Initialize(OpenFileDialog dialog) { InitializeDialog(dialog); }
    }

    // Stands in for the property grid: shows the editor's form, lets the test
    // act on it, then answers as the clicked button says.
    internal sealed class EditorServiceStandIn : IWindowsFormsEditorService, IServiceProvider, ITypeDescriptorContext
    {
        private readonly Action<Form> act;
        private readonly object instance;
        private readonly PropertyDescriptor property;
        public int Shown;

        public EditorServiceStandIn(object instance, string propertyName, Action<Form> act)
        {
            this.instance = instance;
            this.act = act;
            property = TypeDescriptor.GetProperties(instance)[propertyName];
        }

        public object GetService(Type serviceType)
        {
            return serviceType == typeof(IWindowsFormsEditorService) ? this : null;
        }

        public DialogResult ShowDialog(Form dialog)
        {
            Shown++;
            dialog.Show();
            Application.DoEvents();
            act(dialog);
            dialog.Hide();
            return dialog.DialogResult == DialogResult.None ? DialogResult.OK : dialog.DialogResult;
        }

        public void CloseDropDown() { }
        public void DropDownControl(Control control) { }

        public IContainer Container { get { return null; } }
        public object Instance { get { return instance; } }
        public PropertyDescriptor PropertyDescriptor { get { return property; } }
        public void OnComponentChanged() { }
        public bool OnComponentChanging() { return true; }
    }

    [TestFixture]
    public class EditorTests : ControlTest
    {
        [Test]
        public void The_sound_file_dialog_lists_wave_files()
        {
            using (var dialog = new OpenFileDialog())
            {
                new OpenWaveEditor().Initialize(dialog);
                Assert.AreEqual("Wave files (*.wav)|*.wav", dialog.Filter);
                Assert.AreEqual("wav", dialog.DefaultExt);
            }
        }

        [TestCase("ClickSoundFile", typeof(WaveFileNameEditor))]
        [TestCase("MouseInSoundFile", typeof(WaveFileNameEditor))]
        [TestCase("MenuItems", typeof(MenuCollectionEditor))]
        public void Control_properties_name_their_editors(string property, Type editor)
        {
            var descriptor = TypeDescriptor.GetProperties(typeof(Korvane.Nimbara.BrixelDemo))[property];
            Assert.IsInstanceOf(editor, descriptor.GetEditor(typeof(UITypeEditor)));
        }

        [Test]
        public void Items_and_the_collection_class_name_the_menu_editor()
        {
            var descriptor = TypeDescriptor.GetProperties(typeof(BrixelDemoMenuItem))["MenuItems"];
            Assert.IsInstanceOf<MenuCollectionEditor>(descriptor.GetEditor(typeof(UITypeEditor)));
            Assert.IsInstanceOf<MenuCollectionEditor>(TypeDescriptor.GetEditor(typeof(BrixelDemoMenuItemCollection), typeof(UITypeEditor)));
            Assert.AreEqual(UITypeEditorEditStyle.Modal, new MenuCollectionEditor().GetEditStyle(null));
            Assert.IsFalse(new MenuCollectionEditor().GetPaintValueSupported(null));
        }

        [Test]
        public void The_menu_editor_commits_an_added_item_to_the_collection()
        {
            var button = NewButton();
            button.MenuItems.Add(new BrixelDemoMenuItem { Text = "First" });
            var service = new EditorServiceStandIn(button, "MenuItems", form =>
            {
                Click(form, "Add");
                Click(form, "OK");
            });
            object result = new MenuCollectionEditor().EditValue(service, service, button.MenuItems);
            Assert.AreEqual(1, service.Shown);
            Assert.AreSame(button.MenuItems, result);
            Assert.AreEqual(2, button.MenuItems.Count);
            Assert.AreEqual("First", button.MenuItems[0].Text);
            Assert.AreEqual(typeof(BrixelDemoMenuItem), button.MenuItems[1].GetType());
            Assert.AreSame(button, button.MenuItems[1].GetOwner());
        }

        // Buttons clicked in order on the editor, and the texts left in the collection.
        [TestCase(new[] { "Remove", "OK" }, new[] { "Second" })]
        [TestCase(new[] { "Dn", "OK" }, new[] { "Second", "First" })]
        [TestCase(new[] { "Add", "Cancel" }, new[] { "First", "Second" })]
        [TestCase(new[] { "Remove", "Cancel" }, new[] { "First", "Second" })]
        public void The_menu_editor_commits_only_on_OK(string[] clicks, string[] texts)
        {
            var button = NewButton();
            button.MenuItems.AddRange(new[] { new BrixelDemoMenuItem { Text = "First" }, new BrixelDemoMenuItem { Text = "Second" } });
            var service = new EditorServiceStandIn(button, "MenuItems", form =>
            {
                foreach (var text in clicks)
                    Click(form, text);
            });
            new MenuCollectionEditor().EditValue(service, service, button.MenuItems);
            var left = new System.Collections.Generic.List<string>();
            foreach (BrixelDemoMenuItem item in button.MenuItems)
                left.Add(item.Text);
            CollectionAssert.AreEqual(texts, left);
        }

        [Test]
        public void An_item_added_under_a_separator_in_the_editor_is_refused_when_committed()
        {
            var separator = new BrixelDemoMenuItem { Text = "-" };
            var service = new EditorServiceStandIn(separator, "MenuItems", form =>
            {
                Click(form, "Add");
                Click(form, "OK");
            });
            new MenuCollectionEditor().EditValue(service, service, separator.MenuItems);
            Assert.AreEqual(0, separator.MenuItems.Count);
            Assert.IsFalse(separator.IsParent);
            CollectionAssert.AreEqual(new[] { "You cannot add submenu to a separator" }, Boxes.Texts);
        }

        private static void Click(Control root, string text)
        {
            Button found = Find(root, text);
            Assert.IsNotNull(found, "no button '" + text + "' on the collection editor");
            found.PerformClick();
            Application.DoEvents();
        }

        private static Button Find(Control root, string text)
        {
            foreach (Control child in root.Controls)
            {
                var button = child as Button;
                if (button != null && button.Text.Replace("&", "") == text)
                    return button;
                var inner = Find(child, text);
                if (inner != null)
                    return inner;
            }
            return null;
        }
    }
}
