// The property grid's editors: a file dialog narrowed to wave files for the
// sound properties, and the collection editor of the menu item tree.
using System;
using System.ComponentModel;
using System.ComponentModel.Design;
using System.Drawing.Design;
using System.Windows.Forms;
using System.Windows.Forms.Design;

namespace Korvane.Nimbara
{
    public class WaveFileNameEditor : FileNameEditor
    {
        // The filter only narrows the list: any chosen path is assigned, and
        // the property setter decides whether it loads.
        protected override void InitializeDialog(OpenFileDialog openFileDialog)
        {
            try
            {
                base.InitializeDialog(openFileDialog);
            }
            catch (NotImplementedException)
            {
                // Mono's base is left unwritten: only its title is missed
                // there, since the filter below replaces its own.
            }
            openFileDialog.DefaultExt = "wav";
            openFileDialog.Filter = "Wave files (*.wav)|*.wav";
        }
    }

    public class MenuCollectionEditor : UITypeEditor
    {
        private CollectionEditor kept;

        // A fresh editor for each edit: the framework's editor keeps the
        // context of its last edit.
        public override object EditValue(ITypeDescriptorContext context, IServiceProvider provider, object value)
        {
            return new CollectionEditor(typeof(BrixelDemoMenuItemCollection)).EditValue(context, provider, value);
        }

        public override UITypeEditorEditStyle GetEditStyle(ITypeDescriptorContext context)
        {
            return Kept.GetEditStyle(context);
        }

        public override bool GetPaintValueSupported(ITypeDescriptorContext context)
        {
            return Kept.GetPaintValueSupported(context);
        }

        public override void PaintValue(PaintValueEventArgs e)
        {
            Kept.PaintValue(e);
        }

        private CollectionEditor Kept
        {
            get { return kept ?? (kept = new CollectionEditor(typeof(BrixelDemoMenuItemCollection))); }
        }
    }
}
