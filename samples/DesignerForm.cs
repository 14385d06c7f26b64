// How a form designer saves a Brixel button: InitializeComponent below is
// code of the kind the designer writes into Form1.Designer.cs, and the
// checks show which properties it writes and that a loaded form keeps them.
//   mcs -r:System.Windows.Forms -r:System.Drawing -r:Korvane.Nimbara.BrixelDemo.dll DesignerForm.cs
//   mono DesignerForm.exe     (Windows: DesignerForm.exe, with brixel.dll of its kind beside it)
// It ends with "Done." and exits with 1 when something did not turn out as
// the guide says.
using System;
using System.ComponentModel;
using System.Drawing;
using System.Windows.Forms;
using Korvane.Nimbara;

partial class DesignerForm : Form
{
    private Korvane.Nimbara.BrixelDemo brixelDemo1;
    private Korvane.Nimbara.BrixelDemoMenuItem brixelDemoMenuItem1;
    private Korvane.Nimbara.BrixelDemoMenuItem brixelDemoMenuItem2;

    private void InitializeComponent()
    {
        this.brixelDemo1 = new Korvane.Nimbara.BrixelDemo();
        this.brixelDemoMenuItem1 = new Korvane.Nimbara.BrixelDemoMenuItem();
        this.brixelDemoMenuItem2 = new Korvane.Nimbara.BrixelDemoMenuItem();
        this.SuspendLayout();
        //
        // brixelDemo1
        //
        this.brixelDemo1.BorderColor = System.Drawing.Color.FromArgb(((int)(((byte)(128)))), ((int)(((byte)(0)))), ((int)(((byte)(0)))));
        this.brixelDemo1.Location = new System.Drawing.Point(16, 16);
        this.brixelDemo1.Menu = true;
        this.brixelDemo1.MenuItems.AddRange(new Korvane.Nimbara.BrixelDemoMenuItem[] {
            this.brixelDemoMenuItem1,
            this.brixelDemoMenuItem2});
        this.brixelDemo1.Name = "brixelDemo1";
        this.brixelDemo1.Size = new System.Drawing.Size(120, 30);
        this.brixelDemo1.TabIndex = 0;
        this.brixelDemo1.Text = "&Tools";
        this.brixelDemo1.XPColorScheme = Korvane.Nimbara.BrixelDemoEnum.kvnXPColorScheme.OliveGreen;
        //
        // brixelDemoMenuItem1
        //
        this.brixelDemoMenuItem1.Shortcut = System.Windows.Forms.Shortcut.CtrlR;
        this.brixelDemoMenuItem1.Text = "&Run";
        //
        // brixelDemoMenuItem2
        //
        this.brixelDemoMenuItem2.Text = "&Stop";
        //
        // DesignerForm
        //
        this.ClientSize = new System.Drawing.Size(240, 120);
        this.Controls.Add(this.brixelDemo1);
        this.Text = "Designer form";
        this.ResumeLayout(false);
    }
}

partial class DesignerForm
{
    private int failures;

    DesignerForm()
    {
        InitializeComponent();
        Shown += delegate { RunChecks(); Close(); };
    }

    static bool Written(object component, string property)
    {
        return TypeDescriptor.GetProperties(component)[property].ShouldSerializeValue(component);
    }

    private void RunChecks()
    {
        // The border colour the form saved survives the scheme assignment
        // that comes after it while the form loads.
        Check(brixelDemo1.BorderColor.ToArgb() == Color.FromArgb(128, 0, 0).ToArgb(), "the saved BorderColor is kept");
        Check(brixelDemo1.MenuItems.Count == 2 && brixelDemo1.MenuItems[0].Shortcut == Shortcut.CtrlR,
              "the saved menu is back");

        var fresh = new BrixelDemo();
        Check(Written(fresh, "BorderColor"), "BorderColor is always written");
        Check(!Written(fresh, "MenuBackColor") && !Written(fresh, "FlatStyle") && !Written(fresh, "MenuFont"),
              "defaults are not written");
        fresh.MenuBackColor = Color.FromArgb(255, 255, 255);
        Check(Written(fresh, "MenuBackColor"), "a changed colour is written");
        fresh.Dispose();
    }

    private void Check(bool condition, string what)
    {
        Console.WriteLine((condition ? "ok " : "FAILED ") + what);
        if (!condition) failures++;
    }

    [STAThread]
    static int Main()
    {
        var form = new DesignerForm();
        Application.Run(form);
        if (form.failures > 0) return 1;
        Console.WriteLine("Done.");
        return 0;
    }
}
