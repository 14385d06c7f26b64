// A form with one Brixel button set up in code: its look, its state colours,
// a toggle button, the Click and ButtonToggled events and the click sound.
//   mcs -r:System.Windows.Forms -r:System.Drawing -r:Korvane.Nimbara.BrixelDemo.dll FirstForm.cs
//   mono FirstForm.exe    (Windows: FirstForm.exe, with brixel.dll of its kind beside it)
// It prints what happens, ends with "Done." and exits with 1 when something
// did not turn out as the guide says.
using System;
using System.Drawing;
using System.Windows.Forms;
using Korvane.Nimbara;
using Korvane.Nimbara.BrixelDemoEnum;

class FirstForm : Form
{
    private BrixelDemo saveButton;
    private BrixelDemo boldButton;
    private int clicks;
    private int failures;

    FirstForm()
    {
        Text = "First form";
        ClientSize = new Size(300, 120);

        saveButton = new BrixelDemo();
        saveButton.Text = "&Save";
        saveButton.Location = new Point(16, 16);
        saveButton.Size = new Size(120, 30);
        saveButton.TooltipText = "Save the document (Alt+S)";
        saveButton.FlatStyle = kvnFlatStyle.XPStyle;
        saveButton.XPColorScheme = kvnXPColorScheme.Silver;
        saveButton.TextAlign = ContentAlignment.MiddleLeft;
        saveButton.TextMargins = "24;6;6;6";
        saveButton.Font = new Font(saveButton.Font, FontStyle.Bold);
        Controls.Add(saveButton);

        saveButton.MouseInBackColor = Color.FromArgb(255, 238, 194);
        saveButton.MouseInForeColor = Color.FromArgb(0, 0, 128);
        saveButton.DownBackColor = Color.FromArgb(255, 213, 140);
        saveButton.Gradient = true;
        saveButton.GradientStyle = kvnGradientFillStyle.GradientStyleVertical;
        saveButton.GradientColor1 = Color.FromArgb(255, 255, 255);
        saveButton.GradientColor2 = Color.FromArgb(214, 222, 249);

        saveButton.Click += SaveButton_Click;

        boldButton = new BrixelDemo();
        boldButton.Text = "&Bold";
        boldButton.Location = new Point(152, 16);
        boldButton.ToggleButton = true;
        boldButton.ButtonToggled += BoldButton_ButtonToggled;
        Controls.Add(boldButton);

        Shown += delegate { RunChecks(); Close(); };
    }

    private void SaveButton_Click(object sender, EventArgs e)
    {
        clicks++;
        Console.WriteLine("Clicked");
    }

    private void BoldButton_ButtonToggled(object sender, bool State)
    {
        Console.WriteLine("Toggled: " + State);
    }

    private void RunChecks()
    {
        Check(saveButton.XPColorScheme == kvnXPColorScheme.Silver, "XPColorScheme reads back Silver");
        Check(saveButton.TextAlign == ContentAlignment.MiddleLeft, "TextAlign reads back MiddleLeft");
        Check(saveButton.MouseInBackColor.ToArgb() == Color.FromArgb(255, 238, 194).ToArgb(), "MouseInBackColor reads back");
        Check(saveButton.EnableMouseInProperties, "a new button uses its mouse-in set");

        saveButton.PerformClick();
        Check(clicks == 1, "PerformClick raised Click once");

        boldButton.SetToggleState(true);
        Console.WriteLine("Latched down: " + boldButton.GetToggleState());
        Check(boldButton.GetToggleState(), "SetToggleState(true) latched the toggle button");

        saveButton.ClickSound = kvnClickSound.Sound1;
        saveButton.MouseInSound = kvnClickSound.NoSound;

        try
        {
            saveButton.ClickSoundFile = @"C:\no such folder\chime.wav";
        }
        catch (Exception ex)
        {
            Console.WriteLine("ClickSoundFile refused: " + ex.Message);
        }
        Check(saveButton.ClickSoundFile == "", "a file that cannot be read leaves ClickSoundFile empty");
    }

    private void Check(bool condition, string what)
    {
        Console.WriteLine((condition ? "ok " : "FAILED ") + what);
        if (!condition) failures++;
    }

    [STAThread]
    static int Main()
    {
        var form = new FirstForm();
        Application.Run(form);
        if (form.failures > 0) return 1;
        Console.WriteLine("Done.");
        return 0;
    }
}
