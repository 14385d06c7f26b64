// A Brixel button with a drop-down menu built from BrixelDemoMenuItem
// objects: items, sub-items, a separator, shortcuts, a hyperlink item and the
// items' Click handlers; then the tree read back and changed.
//   mcs -r:System.Windows.Forms -r:System.Drawing -r:Korvane.Nimbara.BrixelDemo.dll MenuForm.cs
//   mono MenuForm.exe     (Windows: MenuForm.exe, with brixel.dll of its kind beside it)
// It prints the menu, ends with "Done." and exits with 1 when something did
// not turn out as the guide says.
using System;
using System.Drawing;
using System.Windows.Forms;
using Korvane.Nimbara;
using Korvane.Nimbara.BrixelDemoEnum;

class MenuForm : Form
{
    private BrixelDemo fileButton;
    private BrixelDemoMenuItem openItem, saveAsItem, textFileItem, pictureItem, separatorItem, exitItem, helpItem;
    private int failures;

    MenuForm()
    {
        Text = "Menu form";
        ClientSize = new Size(240, 120);
        fileButton = new BrixelDemo();
        fileButton.Text = "&File";
        fileButton.Location = new Point(16, 16);
        fileButton.Size = new Size(120, 30);
        Controls.Add(fileButton);

        fileButton.Menu = true;

        openItem = new BrixelDemoMenuItem();
        openItem.Text = "&Open";
        saveAsItem = new BrixelDemoMenuItem();
        saveAsItem.Text = "Save &as";
        textFileItem = new BrixelDemoMenuItem();
        textFileItem.Text = "Text file";
        pictureItem = new BrixelDemoMenuItem();
        pictureItem.Text = "Picture";
        separatorItem = new BrixelDemoMenuItem();
        separatorItem.Text = "-";                    // a separator line
        exitItem = new BrixelDemoMenuItem();
        exitItem.Text = "E&xit";

        saveAsItem.MenuItems.AddRange(new BrixelDemoMenuItem[] { textFileItem, pictureItem });
        fileButton.MenuItems.AddRange(new BrixelDemoMenuItem[] { openItem, saveAsItem, separatorItem, exitItem });

        openItem.Click += OpenItem_Click;
        exitItem.Click += ExitItem_Click;
        fileButton.MenuDropped += FileButton_MenuDropped;

        openItem.Shortcut = Shortcut.CtrlO;
        textFileItem.Shortcut = Shortcut.CtrlS;
        openItem.ShowShortcut = true;               // "Ctrl+O" at the item's right edge

        fileButton.Hyperlink = true;
        fileButton.HyperlinkAddress = "https://example.com/help";
        fileButton.ShowHyperlink = false;            // true shows the address instead of the text

        helpItem = new BrixelDemoMenuItem();
        helpItem.Text = "&Help on the web";
        helpItem.Hyperlink = true;
        helpItem.HyperlinkAddress = "https://example.com/";
        fileButton.MenuItems.Insert(2, helpItem);    // before the separator

        Shown += delegate { RunChecks(); Close(); };
    }

    private void OpenItem_Click(object sender, EventArgs e)
    {
        Console.WriteLine("Open chosen");
    }

    private void ExitItem_Click(object sender, EventArgs e)
    {
        Close();
    }

    private void FileButton_MenuDropped(object sender, bool State)
    {
        Console.WriteLine(State ? "The menu opened" : "The menu closed");
    }

    static void ListItems(BrixelDemoMenuItemCollection items, string indent)
    {
        foreach (BrixelDemoMenuItem item in items)
        {
            Console.WriteLine(indent + (item.Text == "-" ? "----" : item.Text));
            if (item.IsParent)
                ListItems(item.MenuItems, indent + "    ");
        }
    }

    private void RunChecks()
    {
        ListItems(fileButton.MenuItems, "");

        Check(fileButton.MenuItems.Count == 5, "five items at the top level");
        Check(saveAsItem.IsParent && saveAsItem.MenuItems.Count == 2, "Save as holds two sub-items");
        Check(pictureItem.Parent == saveAsItem && pictureItem.Index == 1, "Picture is the second sub-item of Save as");
        Check(helpItem.Index == 2 && separatorItem.Index == 3, "the inserted item sits before the separator");
        Check(openItem.Shortcut == Shortcut.CtrlO, "Open has Ctrl+O");

        fileButton.MenuItems.Remove(saveAsItem);     // its sub-items go with it
        Console.WriteLine(fileButton.MenuItems.Count + " items after removing Save as");
        Check(fileButton.MenuItems.Count == 4 && !fileButton.MenuItems.Contains(saveAsItem), "Save as is gone");
        Check(openItem.Index == 0 && exitItem.Index == 3, "the others keep their order");

        fileButton.MenuButtonStyle = kvnMenuButtonStyle.DropdownMenu;
        fileButton.MenuAutoDrop = true;
        Check(fileButton.MenuButtonStyle == kvnMenuButtonStyle.DropdownMenu && fileButton.MenuAutoDrop,
              "the whole button drops the menu, and by itself");
    }

    private void Check(bool condition, string what)
    {
        Console.WriteLine((condition ? "ok " : "FAILED ") + what);
        if (!condition) failures++;
    }

    [STAThread]
    static int Main()
    {
        var form = new MenuForm();
        Application.Run(form);
        if (form.failures > 0) return 1;
        Console.WriteLine("Done.");
        return 0;
    }
}
