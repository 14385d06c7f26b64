// The drop-down menu of the Windows Forms Brixel button.
//   mcs -r:System.Windows.Forms -r:System.Drawing -r:Korvane.Nimbara.BrixelDemo.dll BrixelMenu.cs
//   mono BrixelMenu.exe            (stays open until closed)
//   mono BrixelMenu.exe --shot     (prints "ready x y" with the menu part's screen point and
//                                   "area x y width height" to photograph, closes after 10 s)
using System;
using System.Drawing;
using System.Windows.Forms;
using Korvane.Nimbara;

static class BrixelMenu
{
    // A 16 x 16 square with a dark frame; white is keyed out as the button's
    // ImageTransparentColor, so the corners show the side bar.
    static Image Square(Color fill)
    {
        var image = new Bitmap(16, 16);
        using (Graphics g = Graphics.FromImage(image))
        {
            g.Clear(Color.White);
            g.FillRectangle(new SolidBrush(Color.FromArgb(40, 40, 40)), 1, 1, 14, 14);
            g.FillRectangle(new SolidBrush(fill), 3, 3, 10, 10);
        }
        return image;
    }

    [STAThread]
    static void Main(string[] args)
    {
        bool shot = args.Length > 0 && args[0] == "--shot";
        var form = new Form { Text = "Brixel menu", ClientSize = new Size(360, 200),
                              StartPosition = FormStartPosition.Manual, Location = new Point(40, 40) };
        var status = new Label { Location = new Point(16, 170), AutoSize = true, Text = "Open the menu." };
        var button = new BrixelDemo { Text = "Command1", Location = new Point(16, 16), Size = new Size(100, 23),
                                      Menu = true, MenuSidebar = true };

        //   File (picture) > { Open  Ctrl+O (picture), separator, Save as }
        //   separator
        //   Help  F1 (picture)
        var file = new BrixelDemoMenuItem { Text = "File", SidebarImage = Square(Color.FromArgb(230, 180, 40)) };
        var open = new BrixelDemoMenuItem { Text = "Open", Shortcut = Shortcut.CtrlO, SidebarImage = Square(Color.FromArgb(60, 150, 230)) };
        var saveAs = new BrixelDemoMenuItem { Text = "Save as" };
        file.MenuItems.AddRange(new[] { open, new BrixelDemoMenuItem { Text = "-" }, saveAs });
        var help = new BrixelDemoMenuItem { Text = "Help", Shortcut = Shortcut.F1, SidebarImage = Square(Color.FromArgb(80, 190, 90)) };
        button.MenuItems.AddRange(new[] { file, new BrixelDemoMenuItem { Text = "-" }, help });
        foreach (var item in new[] { open, saveAs, help })
            item.Click += (s, e) => status.Text = "Chosen: " + ((BrixelDemoMenuItem)s).Text;
        button.MenuDropped += (s, dropped) => { if (dropped) status.Text = "Menu open."; };

        form.Controls.Add(button);
        form.Controls.Add(status);
        form.Shown += (s, e) =>
        {
            if (!shot)
                return;
            var timer = new Timer { Interval = 800 };
            timer.Tick += (t, a) =>
            {
                timer.Stop();
                Point part = button.PointToScreen(new Point(button.Width - 8, button.Height / 2));
                Rectangle r = button.RectangleToScreen(button.ClientRectangle);
                Console.WriteLine("ready {0} {1}", part.X, part.Y);
                Console.WriteLine("area {0} {1} {2} {3}", r.X - 8, r.Y - 8, 300, 110);
                var close = new Timer { Interval = 10000 };
                close.Tick += (c, d) => form.Close();
                close.Start();
            };
            timer.Start();
        };
        Application.Run(form);
    }
}
