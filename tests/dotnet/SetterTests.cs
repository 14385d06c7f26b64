// The rules of the property setters as a .NET caller meets them: exceptions,
// refused changes with their message boxes, border colours and the Office
// 2003 look.
using System;
using System.ComponentModel;
using System.Drawing;
using System.IO;
using System.Windows.Forms;
using Korvane.Nimbara.BrixelDemoEnum;
using NUnit.Framework;
using Button = Korvane.Nimbara.BrixelDemo;

namespace BrixelDemo.Tests
{
    [TestFixture]
    public class SetterTests : ControlTest
    {
        private static readonly Color XPBlueBorder = Color.FromArgb(0, 60, 116);

        [TestCase("FlatStyle", 6)]
        [TestCase("ClickSound", 3)]
        [TestCase("BorderStyle", -1)]
        [TestCase("XPColorScheme", 4)]
        [TestCase("MenuAlignment", 2)]
        [TestCase("GradientStyleVariant", 65536)]
        public void An_undefined_enumeration_value_throws_and_changes_nothing(string name, int value)
        {
            var button = NewButton();
            var p = typeof(Button).GetProperty(name);
            object before = p.GetValue(button, null);
            var e = Assert.Throws<System.Reflection.TargetInvocationException>(
                () => p.SetValue(button, Enum.ToObject(p.PropertyType, value), null));
            Assert.IsInstanceOf<InvalidEnumArgumentException>(e.InnerException);
            Assert.AreEqual("value", ((ArgumentException)e.InnerException).ParamName);
            Assert.AreEqual(before, p.GetValue(button, null));
        }

        [Test]
        public void An_undefined_DialogResult_is_ignored()
        {
            var button = NewButton();
            button.DialogResult = DialogResult.OK;
            button.DialogResult = (DialogResult)99;
            Assert.AreEqual(DialogResult.OK, button.DialogResult);
        }

        [Test]
        public void An_undefined_alignment_throws()
        {
            var button = NewButton();
            Assert.Throws<InvalidEnumArgumentException>(() => button.TextAlign = (ContentAlignment)3);
            Assert.AreEqual(ContentAlignment.MiddleCenter, button.TextAlign);
        }

        [TestCase(ContentAlignment.TopLeft)]
        [TestCase(ContentAlignment.MiddleRight)]
        [TestCase(ContentAlignment.BottomCenter)]
        [TestCase(ContentAlignment.BottomRight)]
        public void An_alignment_reads_back_as_set(ContentAlignment value)
        {
            var button = NewButton();
            button.ImageAlign = value;
            button.TextAlign = value;
            Assert.AreEqual(value, button.ImageAlign);
            Assert.AreEqual(value, button.TextAlign);
        }

        [Test]
        public void Menu_on_a_toggle_button_is_refused_with_a_message()
        {
            var button = NewButton();
            button.ToggleButton = true;
            button.Menu = true;
            Assert.IsFalse(button.Menu);
            Assert.AreEqual(new[] { "This property is invalid if ToggleButton property is set to True" }, Boxes.Texts);
        }

        [Test]
        public void ToggleButton_on_a_menu_button_is_refused_with_a_message()
        {
            var button = NewButton();
            button.Menu = true;
            button.ToggleButton = true;
            Assert.IsFalse(button.ToggleButton);
            Assert.AreEqual(new[] { "This property is invalid if Menu property is set to True" }, Boxes.Texts);
        }

        // The one test with the real box: Mono lists it among the open forms
        // with its caption; a timer finds it, notes the caption and closes it.
        [Test]
        public void The_refusal_shows_a_real_box_captioned_Korvane_Brixel()
        {
            Korvane.Nimbara.Seams.MessageBoxes = new Korvane.Nimbara.SystemMessageBoxes();
            var button = NewButton();
            button.ToggleButton = true;
            string caption = null;
            int ticks = 0;
            var watcher = Own(new Timer { Interval = 100 });
            watcher.Tick += (s, e) =>
            {
                // Whatever box shows is closed, so a wrong caption fails instead of hanging.
                ticks++;
                foreach (Form f in Application.OpenForms)
                {
                    if (f.Text == "Korvane Brixel" || (ticks > 30 && f.Modal))
                    {
                        caption = f.Text;
                        f.Close();
                        return;
                    }
                }
            };
            watcher.Start();
            button.Menu = true;  // returns once the box is closed
            watcher.Stop();
            Assert.AreEqual("Korvane Brixel", caption);
            Assert.IsFalse(button.Menu);
        }

        // At run time the bevel leaves room for one line of text: on a new
        // control (the framework button's 75 x 23) a small bevel stays, a huge
        // one is limited to less than half the height, and a taller button
        // allows a wider one.
        [Test]
        public void The_bevel_is_limited_by_the_height()
        {
            var button = NewButton();
            button.Bevel = 2;
            Assert.AreEqual(2, button.Bevel, "a small bevel on a new control");
            button.Bevel = 40;
            int low = button.Bevel;
            Assert.That(low, Is.InRange(1, 11), "limited on a 23-pixel button");
            button.Height = 60;
            button.Bevel = 40;
            Assert.That(button.Bevel, Is.GreaterThan(low).And.LessThan(30), "more room on a 60-pixel button");
        }

        [Test]
        public void A_negative_bevel_is_stored_as_zero()
        {
            var button = NewButton();
            button.Bevel = -3;
            Assert.AreEqual(0, button.Bevel);
        }

        // Leaving the XP look turns colours that are still the scheme's into the
        // classic ones; a colour the user chose stays.
        [Test]
        public void Leaving_the_XP_look_restores_classic_border_colours()
        {
            var button = NewButton();
            button.Visible = false;  // a form being loaded is the case that keeps colours; this one is not
            button.MouseInBorderColor = Color.FromArgb(10, 20, 30);
            button.FlatStyle = kvnFlatStyle.Flat;
            Assert.AreEqual(Color.Black.ToArgb(), button.BorderColor.ToArgb(), "BorderColor");
            Assert.AreEqual(Color.FromArgb(128, 128, 128).ToArgb(), button.DownBorderColor.ToArgb(), "DownBorderColor");
            Assert.AreEqual(Color.FromArgb(10, 20, 30).ToArgb(), button.MouseInBorderColor.ToArgb(), "MouseInBorderColor");
            var inactive = SystemColors.InactiveBorder;
            Assert.AreEqual(Color.FromArgb(inactive.R, inactive.G, inactive.B).ToArgb(), button.DisabledBorderColor.ToArgb(),
                            "DisabledBorderColor is the inactive border's colour, not RGB(11, 0, 0)");
        }

        [Test]
        public void Returning_to_the_XP_look_takes_the_schemes_border_colours()
        {
            var button = NewButton();
            button.Visible = false;
            button.FlatStyle = kvnFlatStyle.Standard;
            button.BorderColor = Color.Red;
            button.FlatStyle = kvnFlatStyle.XPStyle;
            Assert.AreEqual(XPBlueBorder.ToArgb(), button.BorderColor.ToArgb());
            Assert.IsFalse(button.BorderColorCustom);
        }

        [Test]
        public void Setting_a_different_BorderColor_marks_it_custom()
        {
            var button = NewButton();
            button.BorderColor = XPBlueBorder;
            Assert.IsFalse(button.BorderColorCustom, "same colour");
            button.BorderColor = Color.Green;
            Assert.IsTrue(button.BorderColorCustom, "new colour");
        }

        // The designer writes XPColorScheme while a form loads; at run time the
        // first assignment must keep the border colours stored with the form.
        [Test]
        public void The_first_scheme_assignment_at_run_time_keeps_the_stored_border_colours()
        {
            var button = NewButton();
            button.BorderColor = Color.FromArgb(1, 2, 3);
            button.XPColorScheme = kvnXPColorScheme.Silver;
            Assert.AreEqual(Color.FromArgb(1, 2, 3).ToArgb(), button.BorderColor.ToArgb(), "first assignment");
            button.XPColorScheme = kvnXPColorScheme.OliveGreen;
            Assert.AreNotEqual(Color.FromArgb(1, 2, 3).ToArgb(), button.BorderColor.ToArgb(), "second assignment");
        }

        private static string Look(Button b)
        {
            return string.Join(",", new object[] {
                b.EnableDownProperties, b.EnableMouseInProperties, b.EnableDisabledProperties,
                b.Gradient, b.GradientStyle, b.GradientStyleVariant, b.GradientColor1.ToArgb(), b.GradientColor2.ToArgb(),
                b.MouseInGradient, b.MouseInGradientColor1.ToArgb(), b.MouseInGradientColor2.ToArgb(),
                b.DownGradient, b.DownGradientStyleVariant, b.DownGradientColor2.ToArgb(),
                b.DisabledGradient, b.BorderStyle, b.MouseInBorderStyle, b.MouseInBorderColor.ToArgb(),
                b.DownBorderStyle, b.DownBorderColor.ToArgb(), b.DisabledForeColor.ToArgb() });
        }

        [Test]
        public void Office_2003_and_back_restores_the_look_exactly()
        {
            var button = NewButton();
            button.BorderColor = button.BorderColor;  // what the designer's code does after AppearanceStyle
            button.EnableDownProperties = false;
            button.GradientStyle = kvnGradientFillStyle.GradientStyleCorner;
            button.MouseInBorderStyle = kvnBorderStyle.Dots;
            button.DownBorderColor = Color.FromArgb(9, 8, 7);
            string before = Look(button);
            button.AppearanceStyle = kvnAppearanceStyle.Office2003Style;
            Assert.IsTrue(button.Gradient, "the Office look fills with a gradient");
            Assert.AreEqual(kvnBorderStyle.None, button.BorderStyle);
            Assert.AreEqual(Color.FromArgb(232, 127, 8).ToArgb(), button.DownGradientColor2.ToArgb());
            button.AppearanceStyle = kvnAppearanceStyle.DefaultStyle;
            Assert.AreEqual(before, Look(button));
        }

        // Loading a form assigns AppearanceStyle before BorderColor: the stored
        // individual properties must survive.
        [Test]
        public void Office_2003_before_any_BorderColor_assignment_changes_nothing_else()
        {
            var button = NewButton();
            string before = Look(button);
            button.AppearanceStyle = kvnAppearanceStyle.Office2003Style;
            Assert.AreEqual(kvnAppearanceStyle.Office2003Style, button.AppearanceStyle);
            Assert.AreEqual(before, Look(button));
        }

        [TestCase("missing.wav", "The specified file was not found")]
        [TestCase("no-such-folder/x.wav", "The specified path was not found")]
        public void An_unreadable_sound_file_throws_and_reads_empty(string relative, string message)
        {
            var button = NewButton();
            string path = Path.Combine(Path.GetTempPath(), "brixel-" + Guid.NewGuid().ToString("N"), relative);
            Directory.CreateDirectory(Path.GetDirectoryName(Path.GetDirectoryName(path)) ?? Path.GetTempPath());
            if (relative == "missing.wav")
                Directory.CreateDirectory(Path.GetDirectoryName(path));
            var e = Assert.Throws<Exception>(() => button.ClickSoundFile = path);
            Assert.AreEqual(message, e.Message);
            Assert.AreEqual("", button.ClickSoundFile);
        }

        [Test]
        public void A_readable_file_that_is_no_wave_is_kept_but_never_played()
        {
            string path = Path.GetTempFileName();
            try
            {
                File.WriteAllBytes(path, new byte[] { 1, 2, 3, 4, 5, 6, 7, 8 });
                Form form;
                var button = ShownButton(out form);
                button.ClickSound = kvnClickSound.Custom;
                button.ClickSoundFile = path;
                Assert.AreEqual(path, button.ClickSoundFile);
                button.PerformClick();
                Assert.IsEmpty(Sounds.Played);
            }
            finally
            {
                File.Delete(path);
            }
        }

        [Test]
        public void A_custom_wave_plays_its_own_bytes()
        {
            string path = Path.GetTempFileName();
            try
            {
                byte[] wave = TestWave.Bytes();
                File.WriteAllBytes(path, wave);
                Form form;
                var button = ShownButton(out form);
                button.ClickSound = kvnClickSound.Custom;
                button.ClickSoundFile = path;
                button.PerformClick();
                Assert.AreEqual(1, Sounds.Played.Count);
                CollectionAssert.AreEqual(wave, Sounds.Played[0]);
            }
            finally
            {
                File.Delete(path);
            }
        }

        [Test]
        public void Clearing_the_tooltip_at_run_time_switches_it_off()
        {
            Form form;
            var button = ShownButton(out form);
            button.TooltipText = "Save the file";
            Assert.AreEqual("Save the file", button.ShownToolTip);
            button.TooltipText = "";
            Assert.AreEqual("", button.ShownToolTip);
        }

        [Test]
        public void ImageIndex_past_the_end_reads_as_the_last_image()
        {
            var button = NewButton();
            var list = Own(new ImageList());
            for (int i = 0; i < 3; i++)
                list.Images.Add(new Bitmap(8, 8));
            button.ImageList = list;
            button.ImageIndex = 5;
            Assert.AreEqual(2, button.ImageIndex);
        }
    }

    // A short, valid PCM wave.
    internal static class TestWave
    {
        internal static byte[] Bytes()
        {
            var data = new byte[800];
            using (var stream = new MemoryStream())
            using (var w = new BinaryWriter(stream))
            {
                w.Write(new[] { (byte)'R', (byte)'I', (byte)'F', (byte)'F' });
                w.Write(36 + data.Length);
                w.Write(new[] { (byte)'W', (byte)'A', (byte)'V', (byte)'E', (byte)'f', (byte)'m', (byte)'t', (byte)' ' });
                w.Write(16);
                w.Write((short)1);
                w.Write((short)1);
                w.Write(8000);
                w.Write(8000);
                w.Write((short)1);
                w.Write((short)8);
                w.Write(new[] { (byte)'d', (byte)'a', (byte)'t', (byte)'a' });
                w.Write(data.Length);
                w.Write(data);
                w.Flush();
                return stream.ToArray();
            }
        }
    }
}
