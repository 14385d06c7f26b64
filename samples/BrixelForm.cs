// A Windows Forms form with several looks of the Brixel button.
//   mcs -r:System.Windows.Forms -r:System.Drawing -r:Korvane.Nimbara.BrixelDemo.dll BrixelForm.cs
//   mono BrixelForm.exe            (stays open until closed)
//   mono BrixelForm.exe --shot     (prints "shown x y width height" once painted, closes after 10 s)
using System;
using System.Drawing;
using System.Windows.Forms;
using Korvane.Nimbara;
using Korvane.Nimbara.BrixelDemoEnum;

static class BrixelForm
{
    static BrixelDemo Add(Form form, string text, int x, int y, Action<BrixelDemo> look)
    {
        var button = new BrixelDemo { Text = text, Location = new Point(x, y), Size = new Size(150, 44) };
        look(button);
        form.Controls.Add(button);
        return button;
    }

    [STAThread]
    static void Main(string[] args)
    {
        bool shot = args.Length > 0 && args[0] == "--shot";
        var form = new Form { Text = "Brixel buttons", ClientSize = new Size(520, 300),
                              StartPosition = FormStartPosition.Manual, Location = new Point(40, 40) };

        Add(form, "&XP style", 16, 16, b => { });
        Add(form, "Olive &green", 184, 16, b => b.XPColorScheme = kvnXPColorScheme.OliveGreen);
        Add(form, "&Silver", 352, 16, b => b.XPColorScheme = kvnXPColorScheme.Silver);

        Add(form, "&Flat gradient", 16, 76, b =>
        {
            b.FlatStyle = kvnFlatStyle.Flat;
            b.Gradient = true;
            b.GradientStyle = kvnGradientFillStyle.GradientStyleVertical;
            b.GradientColor1 = Color.FromArgb(255, 246, 214);
            b.GradientColor2 = Color.FromArgb(247, 192, 91);
        });
        Add(form, "&3D bevel", 184, 76, b =>
        {
            b.FlatStyle = kvnFlatStyle.Standard;
            b.Bevel = 2;
        });
        Add(form, "Office &2003", 352, 76, b =>
        {
            b.BorderColor = b.BorderColor;
            b.AppearanceStyle = kvnAppearanceStyle.Office2003Style;
        });

        Add(form, "&Rounded", 16, 136, b =>
        {
            b.FlatStyle = kvnFlatStyle.Flat;
            b.CornerStyle = "1;1;1;1";
            b.CornerRoundingLevel = "2;2;2;2";
            b.BackColor = Color.FromArgb(214, 230, 250);
            b.BorderColor = Color.FromArgb(40, 80, 160);
        });
        var toggle = Add(form, "&Toggle (down)", 184, 136, b => b.ToggleButton = true);
        Add(form, "Disabled", 352, 136, b => b.Enabled = false);

        Add(form, "Left, &wrapped caption text", 16, 196, b =>
        {
            b.TextAlign = ContentAlignment.MiddleLeft;
            b.TextWrap = true;
        });
        Add(form, "&Menu button", 184, 196, b => b.Menu = true);
        Add(form, "www.example.com", 352, 196, b =>
        {
            b.FlatStyle = kvnFlatStyle.Flat;
            b.BorderStyle = kvnBorderStyle.None;
            b.Hyperlink = true;
            b.ShowHyperlink = true;
            b.HyperlinkAddress = "www.example.com";
        });

        var status = new Label { Location = new Point(16, 256), AutoSize = true, Text = "Click a button." };
        form.Controls.Add(status);
        foreach (Control c in form.Controls)
        {
            var b = c as BrixelDemo;
            if (b != null)
                b.Click += (s, e) => status.Text = "Clicked: " + ((Control)s).Text.Replace("&", "");
        }

        form.Shown += (s, e) =>
        {
            toggle.SetToggleState(true);
            if (!shot)
                return;
            var timer = new Timer { Interval = 800 };
            timer.Tick += (t, a) =>
            {
                timer.Stop();
                Rectangle r = form.RectangleToScreen(form.ClientRectangle);
                Console.WriteLine("shown {0} {1} {2} {3}", r.X, r.Y, r.Width, r.Height);
                var close = new Timer { Interval = 10000 };
                close.Tick += (c, d) => form.Close();
                close.Start();
            };
            timer.Start();
        };
        Application.Run(form);
    }
}
