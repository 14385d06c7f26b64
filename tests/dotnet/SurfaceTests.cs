// The public surface as the designer and compiled forms see it: defaults,
// attributes, enumerations, delegates and the serialization rules.
using System;
using System.ComponentModel;
using System.Drawing;
using System.Linq;
using System.Reflection;
using System.Windows.Forms;
using Korvane.Nimbara.BrixelDemoEnum;
using NUnit.Framework;
using Button = Korvane.Nimbara.BrixelDemo;
using CategoryAttribute = System.ComponentModel.CategoryAttribute;
using DescriptionAttribute = System.ComponentModel.DescriptionAttribute;

namespace BrixelDemo.Tests
{
    [TestFixture]
    public class SurfaceTests : ControlTest
    {
        private static PropertyInfo Property(string name)
        {
            var p = typeof(Button).GetProperty(name, BindingFlags.Public | BindingFlags.Instance | BindingFlags.DeclaredOnly);
            Assert.IsNotNull(p, name + " is not declared by the control");
            return p;
        }

        private static readonly PropertyInfo[] Declared = typeof(Button)
            .GetProperties(BindingFlags.Public | BindingFlags.Instance | BindingFlags.DeclaredOnly);

        private static readonly string[] HiddenFlags = { "BorderColorCustom", "MouseInBorderColorCustom", "DownBorderColorCustom" };

        // The values of a new control, colours as red, green, blue.
        [TestCase("FlatStyle", kvnFlatStyle.XPStyle)]
        [TestCase("AppearanceStyle", kvnAppearanceStyle.DefaultStyle)]
        [TestCase("XPColorScheme", kvnXPColorScheme.Blue)]
        [TestCase("ClickSound", kvnClickSound.Sound1)]
        [TestCase("MouseInSound", kvnClickSound.Sound2)]
        [TestCase("BorderStyle", kvnBorderStyle.Solid)]
        [TestCase("DownBorderStyle", kvnBorderStyle.Solid)]
        [TestCase("MouseInBorderStyle", kvnBorderStyle.Solid)]
        [TestCase("TranslucentStyle", kvnTranslucentStyle.NoTranslucent)]
        [TestCase("GradientStyle", kvnGradientFillStyle.GradientStyleHorizontal)]
        [TestCase("DownGradientStyleVariant", kvnGradientStyleVariant.GradientStyleVariant1)]
        [TestCase("ImageStyle", kvnImageStyle.Normal)]
        [TestCase("ImageEffectWhenMouseOver", kvnImageEffect.NoEffect)]
        [TestCase("MenuAlignment", kvnMenuAlignment.LeftAligned)]
        [TestCase("MenuButtonAlignment", kvnMenuAlignment.RightAligned)]
        [TestCase("MenuButtonStyle", kvnMenuButtonStyle.PushButtonAndDropdownMenu)]
        [TestCase("Bevel", 1)]
        [TestCase("TranslucentLevel", 120)]
        [TestCase("MenuButtonWidth", 17)]
        [TestCase("ImageIndex", -1)]
        [TestCase("Active", true)]
        [TestCase("ShowDefaultBorder", true)]
        [TestCase("ShowFocusBorder", true)]
        [TestCase("ShowMenuButtonTriangle", true)]
        [TestCase("EnableDownProperties", true)]
        [TestCase("Gradient", false)]
        [TestCase("ToggleButton", false)]
        [TestCase("Menu", false)]
        [TestCase("TextWrap", false)]
        [TestCase("CornerRoundingLevel", "1;1;1;1")]
        [TestCase("CornerStyle", "0;0;0;0")]
        [TestCase("TextMargins", "6;6;6;6")]
        [TestCase("ImageMargins", "6;6;6;6")]
        [TestCase("TooltipText", "")]
        [TestCase("HyperlinkAddress", "")]
        [TestCase("ClickSoundFile", "")]
        [TestCase("TextAlign", ContentAlignment.MiddleCenter)]
        [TestCase("DownImageAlign", ContentAlignment.MiddleCenter)]
        [TestCase("DialogResult", DialogResult.None)]
        public void A_new_control_has_the_default(string name, object expected)
        {
            Assert.AreEqual(expected, Property(name).GetValue(NewButton(), null));
        }

        [TestCase("BorderColor", 0, 60, 116)]
        [TestCase("DownBorderColor", 0, 60, 116)]
        [TestCase("MouseInBorderColor", 0, 60, 116)]
        [TestCase("DisabledBorderColor", 212, 208, 200)]
        [TestCase("DisabledBackColor", 245, 244, 234)]
        [TestCase("DownBackColor", 229, 229, 229)]
        [TestCase("MouseInBackColor", 212, 209, 194)]
        [TestCase("BevelLowerShade", 128, 128, 128)]
        [TestCase("BevelUpperShade", 255, 255, 255)]
        [TestCase("GradientColor2", 214, 222, 249)]
        [TestCase("DisabledGradientColor2", 214, 222, 249)]
        [TestCase("MouseInGradientColor1", 255, 255, 255)]
        [TestCase("DownForeColor", 255, 255, 255)]
        [TestCase("DisabledForeColor", 172, 168, 153)]
        [TestCase("MouseInForeColor", 0, 0, 0)]
        [TestCase("ImageTransparentColor", 255, 255, 255)]
        [TestCase("MenuButtonTriangleColor", 0, 0, 0)]
        [TestCase("MenuBackColor", 246, 246, 246)]
        [TestCase("MenuSelectionBackColor", 255, 238, 194)]
        [TestCase("MenuSelectionForeColor", 255, 255, 255)]
        [TestCase("MenuSeparatorColor", 106, 140, 203)]
        [TestCase("MenuSidebarColor", 153, 187, 234)]
        public void A_new_control_has_the_colour(string name, int r, int g, int b)
        {
            var colour = (Color)Property(name).GetValue(NewButton(), null);
            Assert.AreEqual(Color.FromArgb(r, g, b).ToArgb(), colour.ToArgb());
        }

        [TestCase("MouseInFont")]
        [TestCase("DownFont")]
        [TestCase("DisabledFont")]
        [TestCase("MenuFont")]
        public void The_extra_fonts_start_as_Microsoft_Sans_Serif_8_25(string name)
        {
            var font = (Font)Property(name).GetValue(NewButton(), null);
            Assert.AreEqual(8.25f, font.SizeInPoints, 0.001);
            Assert.AreEqual(FontStyle.Regular, font.Style);
        }

        // The designer writes a property only when it differs from its
        // DefaultValue, so every DefaultValue must be what a new control holds.
        [Test]
        public void Every_DefaultValue_attribute_matches_the_new_control()
        {
            var button = NewButton();
            var wrong = Declared
                .Select(p => new { p, a = p.GetCustomAttributes(typeof(DefaultValueAttribute), true).Cast<DefaultValueAttribute>().FirstOrDefault() })
                .Where(x => x.a != null && x.p.Name != "BackgroundImage" && !Equals(x.a.Value, x.p.GetValue(button, null)))
                .Select(x => x.p.Name + " = " + x.p.GetValue(button, null) + ", attribute " + x.a.Value)
                .ToArray();
            Assert.IsEmpty(wrong);
        }

        [Test]
        public void Every_visible_property_has_a_category_and_a_one_sentence_description()
        {
            var bad = Declared
                .Where(p => !HiddenFlags.Contains(p.Name))
                .Where(p => p.GetGetMethod().GetBaseDefinition().DeclaringType == typeof(Button) || p.Name == "BackgroundImage")
                .Where(p =>
                {
                    var c = (CategoryAttribute)Attribute.GetCustomAttribute(p, typeof(CategoryAttribute), false);
                    var d = (DescriptionAttribute)Attribute.GetCustomAttribute(p, typeof(DescriptionAttribute), false);
                    return c == null || d == null || !d.Description.EndsWith(".") || d.Description.TrimEnd('.').Contains(". ");
                })
                .Select(p => p.Name).ToArray();
            Assert.IsEmpty(bad);
        }

        [Test]
        public void The_custom_border_flags_are_hidden_from_grid_and_code()
        {
            foreach (var name in HiddenFlags)
            {
                var p = Property(name);
                var browsable = (BrowsableAttribute)Attribute.GetCustomAttribute(p, typeof(BrowsableAttribute));
                var dsv = (DesignerSerializationVisibilityAttribute)Attribute.GetCustomAttribute(p, typeof(DesignerSerializationVisibilityAttribute));
                Assert.IsFalse(browsable.Browsable, name);
                Assert.AreEqual(DesignerSerializationVisibility.Hidden, dsv.Visibility, name);
            }
        }

        // Colours, fonts and the scheme are decided by ShouldSerialize or always written.
        [Test]
        public void Colours_fonts_and_the_scheme_have_no_DefaultValue()
        {
            var bad = Declared
                .Where(p => p.PropertyType == typeof(Color) || p.PropertyType == typeof(Font) || p.Name == "XPColorScheme")
                .Where(p => Attribute.IsDefined(p, typeof(DefaultValueAttribute)))
                .Select(p => p.Name).ToArray();
            Assert.IsEmpty(bad);
        }

        [Test]
        public void Every_colour_and_extra_font_has_ShouldSerialize_and_Reset()
        {
            var missing = Declared
                .Where(p => p.PropertyType == typeof(Color) || p.PropertyType == typeof(Font))
                .SelectMany(p => new[] { "ShouldSerialize" + p.Name, "Reset" + p.Name })
                .Where(m => typeof(Button).GetMethod(m, Type.EmptyTypes) == null)
                .ToArray();
            Assert.IsEmpty(missing);
        }

        // Without it the designer always writes the scheme, whose first
        // assignment at run time must then keep the stored border colours.
        [Test]
        public void XPColorScheme_has_no_ShouldSerialize()
        {
            Assert.IsNull(typeof(Button).GetMethod("ShouldSerializeXPColorScheme"));
        }

        [TestCase("AppearanceStyle")]
        [TestCase("FlatStyle")]
        [TestCase("XPColorScheme")]
        [TestCase("ImageList")]
        public void Changing_refreshes_the_grid(string name)
        {
            var a = (RefreshPropertiesAttribute)Attribute.GetCustomAttribute(Property(name), typeof(RefreshPropertiesAttribute));
            Assert.AreEqual(RefreshProperties.All, a.RefreshProperties);
        }

        [TestCase("ClickSoundFile", "Korvane.Nimbara.WaveFileNameEditor")]
        [TestCase("MouseInSoundFile", "Korvane.Nimbara.WaveFileNameEditor")]
        [TestCase("ImageIndex", "System.Windows.Forms.Design.ImageIndexEditor")]
        public void Edited_with(string name, string editor)
        {
            var a = (EditorAttribute)Attribute.GetCustomAttribute(Property(name), typeof(EditorAttribute));
            StringAssert.StartsWith(editor + ",", a.EditorTypeName);
        }

        [Test]
        public void The_class_carries_its_designer_attributes()
        {
            Assert.AreEqual("Click", ((DefaultEventAttribute)Attribute.GetCustomAttribute(typeof(Button), typeof(DefaultEventAttribute))).Name);
            Assert.AreEqual("Text", ((DefaultPropertyAttribute)Attribute.GetCustomAttribute(typeof(Button), typeof(DefaultPropertyAttribute))).Name);
            Assert.IsTrue(Attribute.IsDefined(typeof(Button), typeof(ToolboxBitmapAttribute)));
            Assert.IsTrue(typeof(IButtonControl).IsAssignableFrom(typeof(Button)));
            Assert.AreEqual(new Version(1, 5, 0, 0), typeof(Button).Assembly.GetName().Version);
            Assert.AreEqual("Korvane.Nimbara.BrixelDemo", typeof(Button).Assembly.GetName().Name);
        }

        // Compiled forms bind to the numbers; kvnFlatStyle's differ from the ActiveX control's.
        [TestCase(typeof(kvnFlatStyle), "Flat=0 Popup=1 Standard=2 System=3 XPStyle=4 XPPopup=5")]
        [TestCase(typeof(kvnClickSound), "NoSound=0 Sound1=1 Sound2=2 Custom=99")]
        [TestCase(typeof(kvnBorderStyle), "None=0 Solid=1 Dots=2 Dashes=3 DoubleLine=4")]
        [TestCase(typeof(kvnTranslucentStyle), "NoTranslucent=0 All=1 Background=2")]
        [TestCase(typeof(kvnImageEffect), "NoEffect=0 Popup=1 Lighter=2 Darker=3")]
        [TestCase(typeof(kvnGradientFillStyle), "GradientStyleHorizontal=0 GradientStyleVertical=1 GradientStyleDiagonalDown=2 GradientStyleDiagonalUp=3 GradientStyleCorner=4 GradientStyleXPStyle1=5 GradientStyleXPStyle2=6")]
        [TestCase(typeof(kvnXPColorScheme), "Blue=0 OliveGreen=1 Silver=2 AutoDetect=3")]
        [TestCase(typeof(kvnMenuButtonStyle), "PushButtonAndDropdownMenu=0 DropdownMenu=1")]
        public void Enumeration_values(Type type, string expected)
        {
            var actual = string.Join(" ", Enum.GetValues(type).Cast<object>().OrderBy(v => Convert.ToInt32(v))
                                              .Select(v => v + "=" + Convert.ToInt32(v)));
            Assert.AreEqual(expected, actual);
        }

        [TestCase(typeof(ButtonToggledEventHandler), "Object,Boolean")]
        [TestCase(typeof(WhileMouseDownEventHandler), "Object")]
        [TestCase(typeof(MenuButtonPressedHandler), "Object")]
        [TestCase(typeof(MenuDroppedHandler), "Object,Boolean")]
        [TestCase(typeof(MenuItemClickHandler), "Object,EventArgs")]
        public void Delegate_signatures(Type type, string parameters)
        {
            var invoke = type.GetMethod("Invoke");
            Assert.AreEqual(parameters, string.Join(",", invoke.GetParameters().Select(p => p.ParameterType.Name)));
        }

        // --- What the designer writes -------------------------------------------------

        [Test]
        public void A_new_control_writes_only_its_border_colour()
        {
            var button = NewButton();
            var written = typeof(Button).GetMethods(BindingFlags.Public | BindingFlags.Instance | BindingFlags.DeclaredOnly)
                .Where(m => m.Name.StartsWith("ShouldSerialize") && (bool)m.Invoke(button, null))
                .Select(m => m.Name).ToArray();
            CollectionAssert.AreEquivalent(new[] { "ShouldSerializeBorderColor" }, written);
        }

        [TestCase("DownBackColor")]
        [TestCase("MenuSidebarColor")]
        [TestCase("DisabledGradientColor2")]
        public void A_changed_colour_is_written_until_reset(string name)
        {
            var button = NewButton();
            var p = Property(name);
            p.SetValue(button, Color.FromArgb(1, 2, 3), null);
            Assert.IsTrue((bool)typeof(Button).GetMethod("ShouldSerialize" + name).Invoke(button, null), "after a change");
            typeof(Button).GetMethod("Reset" + name).Invoke(button, null);
            Assert.IsFalse((bool)typeof(Button).GetMethod("ShouldSerialize" + name).Invoke(button, null), "after Reset");
        }

        // Alpha and the colour's name are not kept: only red, green and blue count.
        [Test]
        public void A_named_colour_equal_to_the_default_is_not_written()
        {
            var button = NewButton();
            button.DownForeColor = Color.White;
            Assert.IsFalse(button.ShouldSerializeDownForeColor());
        }

        [TestCase("Microsoft Sans Serif", 8.25f, FontStyle.Regular, GraphicsUnit.Point, false)]
        [TestCase("Microsoft Sans Serif", 8.25f, FontStyle.Bold, GraphicsUnit.Point, true)]
        [TestCase("Microsoft Sans Serif", 8.25f, FontStyle.Strikeout, GraphicsUnit.Point, true)]
        [TestCase("Microsoft Sans Serif", 9f, FontStyle.Regular, GraphicsUnit.Point, true)]
        [TestCase("Microsoft Sans Serif", 8.25f, FontStyle.Regular, GraphicsUnit.Pixel, true)]
        [TestCase("Liberation Serif", 8.25f, FontStyle.Regular, GraphicsUnit.Point, true)]
        public void A_font_is_written_unless_it_is_the_default(string face, float size, FontStyle style, GraphicsUnit unit, bool written)
        {
            var button = NewButton();
            button.MenuFont = new Font(face, size, style, unit);
            Assert.AreEqual(written, button.ShouldSerializeMenuFont());
            button.ResetMenuFont();
            Assert.IsFalse(button.ShouldSerializeMenuFont());
        }
    }
}
