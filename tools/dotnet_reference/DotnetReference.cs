// Writes docs/reference/dotnet.md, the Windows Forms half of the reference
// manual, from the built assembly itself: the names, types, categories and
// descriptions are the attributes the designer reads, the defaults are the
// DefaultValue attributes or what a fresh control reports, and the ActiveX
// counterpart of a property is the native property its accessors pass on.
// With --check it only says whether the committed page is out of date.
//   mono DotnetReference.exe [--check] <Korvane.Nimbara.BrixelDemo.dll> <brixeldemo.idl> <docs/reference>
using System;
using System.Collections;
using System.Collections.Generic;
using System.ComponentModel;
using System.Drawing;
using System.IO;
using System.Linq;
using System.Reflection;
using System.Reflection.Emit;
using System.Text;
using System.Text.RegularExpressions;

static class DotnetReference
{
    const string PageName = "dotnet.md";

    static int Main(string[] args)
    {
        bool check = args.Length > 0 && args[0] == "--check";
        string[] rest = check ? args.Skip(1).ToArray() : args;
        if (rest.Length != 3)
        {
            Console.Error.WriteLine("usage: DotnetReference.exe [--check] <assembly> <brixeldemo.idl> <docs/reference>");
            return 2;
        }
        var errors = new List<string>();
        string page;
        try
        {
            var writer = new PageWriter(Assembly.LoadFrom(rest[0]), ActiveXProperties(File.ReadAllText(rest[1])), errors);
            page = writer.Page();
        }
        catch (Exception e)
        {
            Console.Error.WriteLine("cannot read the assembly: " + e);
            return 1;
        }
        foreach (string e in errors) Console.Error.WriteLine(e);
        if (errors.Count > 0) return 1;

        string path = Path.Combine(rest[2], PageName);
        if (check)
        {
            bool current = File.Exists(path) && File.ReadAllText(path) == page;
            if (!current)
                Console.Error.WriteLine(path + " is out of date: run `make reference` and commit the result");
            return current ? 0 : 1;
        }
        Directory.CreateDirectory(rest[2]);
        File.WriteAllText(path, page, new UTF8Encoding(false));
        Console.WriteLine("wrote " + path);
        return 0;
    }

    // The property names of the control's dispatch interface, as declared in
    // its IDL ("[id(18), ...] short Appearance;", "[id(15)] IPictureDisp* Picture;").
    static HashSet<string> ActiveXProperties(string idl)
    {
        int start = idl.IndexOf("dispinterface _DBrixelDemo\n", StringComparison.Ordinal);
        if (start < 0) start = idl.IndexOf("dispinterface _DBrixelDemo\r", StringComparison.Ordinal);
        int end = start < 0 ? -1 : idl.IndexOf("methods:", start, StringComparison.Ordinal);
        var names = new HashSet<string>();
        if (start < 0 || end < 0) return names;
        foreach (Match m in Regex.Matches(idl.Substring(start, end - start), @"\[id\([^\]]*\][^;]*?(\w+)\s*;"))
            names.Add(m.Groups[1].Value);
        return names;
    }
}

// What the member attributes and IL cannot say. Every name here must be a
// member of the assembly, or the page is not written.
static class Notes
{
    // Properties whose ActiveX counterpart has another name and is not the
    // native property their accessors use.
    public static readonly Dictionary<string, string> Counterparts = new Dictionary<string, string>
    {
        { "FlatStyle", "[`Appearance`](activex.md#appearance), with other values (see [`kvnFlatStyle`](#kvnflatstyle))" },
        { "MenuForeColor", "[`MenuFontColor`](activex.md#menufontcolor)" },
        { "MenuSelectionForeColor", "[`MenuSelectionFontColor`](activex.md#menuselectionfontcolor)" },
        { "MenuItems", "the menu methods ([`AddMenuItem`](activex.md#addmenuitem) and the others)" },
    };

    public static readonly Dictionary<string, string> Events = new Dictionary<string, string>
    {
        { "ButtonToggled", "After the toggle state of a toggle button flipped (mouse, Space, `PerformClickActions`, `SetToggleState`); `State` is the new state." },
        { "WhileMouseDown", "Every 50 ms while the left button stays pressed over the button, once the first 200 ms are over." },
        { "MenuButtonPressed", "Each time the drop-down menu is about to open, before `MenuDropped`." },
        { "MenuDropped", "With true just before the menu opens, with false after it closed." },
    };

    public static readonly Dictionary<string, string> Methods = new Dictionary<string, string>
    {
        { "SetToggleState", "Latches a toggle button down or releases it, and raises `ButtonToggled`, when `ToggleButton`, `Active`, `Enabled` and `Visible` are true and the state changes." },
        { "GetToggleState", "True while a toggle button is latched down." },
        { "PerformClick", "Runs the click (sound, `Click`) as if the button were clicked, when it is enabled, active and visible." },
        { "PerformClickActions", "Everything a click does: focus, the menu of a drop-down-only button, the toggle, `Click` and the hyperlink." },
        { "PerformHyperlink", "Opens `HyperlinkAddress` as a click on a hyperlink button does." },
        { "DropMenu", "Opens the drop-down menu when `Menu` and `Active` are true." },
        { "NotifyDefault", "Called by the form: whether the button shows itself as the form's default button." },
        { "TrackKorvanePopupMenu", "Drops the menu and runs the chosen item (`Click`, then its hyperlink); `DropMenu` checks the button's state first." },
        { "PerformMenuItemHyperlink", "Opens an enabled item's hyperlink through the same checks as the button's; an address with \"@\" gets \"mailto:\"." },
        { "CreateContextMenu", "Builds the owner-drawn popup for a collection; null for a null or empty collection." },
        { "SearchForMenuItem", "The first item without sub-items, depth first, whose shortcut spells the given text." },
        { "SearchInsideActiveForm", "The first active, enabled button of a form (child controls searched) whose menu holds the shortcut." },
        { "CalculateMaxMenuWidth", "The estimated width of the top-level menu, as the placement uses it." },
        { "CalculateMenuHeight", "The estimated height of the menu an item opens, or of the top-level menu for null." },
        { "AutoDropKorvaneMenu", "Drops the menu when the button would drop it by itself for a pointer at the screen point." },
        { "CloseOpenedMenu", "Closes the button's open popup: another button takes the menu over." },
        { "IsFirstLevelMenuVisible", "True while the button's own popup is shown." },
        { "IsOpenedMenuOfTypeBrixel", "The button whose popup is open on this thread, when the control is on its form (or is null)." },
        { "ConcatTheShortcut", "The text a key-down message spells with the given modifiers (\"Ctrl+\", \"Shift+\", \"Alt+\", then the key); \"\" for a key that is no shortcut." },
    };
}

sealed class PageWriter
{
    const string Namespace = "Korvane.Nimbara";
    const string EnumNamespace = "Korvane.Nimbara.BrixelDemoEnum";

    readonly Assembly assembly;
    readonly HashSet<string> activeX;
    readonly List<string> errors;
    readonly StringBuilder page = new StringBuilder();
    readonly Type control;
    readonly Type propTable;
    readonly Dictionary<short, OpCode> opcodes = new Dictionary<short, OpCode>();

    public PageWriter(Assembly assembly, HashSet<string> activeX, List<string> errors)
    {
        this.assembly = assembly;
        this.activeX = activeX;
        this.errors = errors;
        control = assembly.GetType(Namespace + ".BrixelDemo", true);
        propTable = assembly.GetType(Namespace + ".Prop", true);
        foreach (FieldInfo f in typeof(OpCodes).GetFields(BindingFlags.Public | BindingFlags.Static))
        {
            var op = (OpCode)f.GetValue(null);
            opcodes[op.Value] = op;
        }
        if (activeX.Count == 0) errors.Add("the IDL names no property of _DBrixelDemo");
    }

    public string Page()
    {
        CheckNotes();
        string version = assembly.GetName().Version.ToString();
        Line("# BrixelDemo Windows Forms control");
        Line();
        Line("Assembly `" + assembly.GetName().Name + "` version " + version + ", class `" + control.FullName +
             "` (base `" + control.BaseType.FullName + "`, implements " +
             string.Join(", ", control.GetInterfaces().Where(i => i.Namespace == "System.Windows.Forms" && i.Name.StartsWith("IButton"))
                                      .Select(i => "`" + i.FullName + "`")) +
             "), with the menu item classes, enumerations and delegates it uses.");
        Line();
        Line("This page is generated from the built assembly (`tools/dotnet_reference`); do not edit it by hand. " +
             "Categories and descriptions are the ones the designer's property grid shows; a default marked " +
             "(constructor) is what a new control reports, the others are the `DefaultValue` the designer compares " +
             "against. Colours are `System.Drawing.Color` values given as RGB. The ActiveX column names the property " +
             "of the ActiveX control ([activex.md](activex.md)) that holds the same setting. The guide " +
             "(`../guide.md`) shows the members at work.");
        Line();
        Line("- [Properties](#properties)");
        var categories = Properties(control).Where(p => Category(p) != null).GroupBy(Category).OrderBy(g => g.Key, StringComparer.Ordinal).ToList();
        foreach (var group in categories)
            Line("  - [" + group.Key + " properties](#" + Anchor(group.Key + " properties") + ")");
        Line("  - [Other public properties](#other-public-properties)");
        Line("- [Events](#events)");
        Line("- [Methods](#methods)");
        Line("- [Menu items](#menu-items)");
        Line("- [Enumerations](#enumerations)");
        Line("- [Delegates](#delegates)");
        Line();

        Line("## Properties");
        Line();
        Line("Besides those inherited from `Control` (among them `Text`, `Font`, `ForeColor`, `BackColor`, `Enabled`, " +
             "`RightToLeft`, `Cursor`), grouped by the category the property grid shows them in.");
        object fresh = Activator.CreateInstance(control);
        foreach (var group in categories)
        {
            Line();
            Line("### " + group.Key + " properties");
            Line();
            PropertyTable(group.OrderBy(p => p.Name, StringComparer.Ordinal), fresh, true);
        }
        Line();
        Line("### Other public properties");
        Line();
        Line("Not shown in the property grid.");
        Line();
        PropertyTable(Properties(control).Where(p => Category(p) == null || !Browsable(p)).OrderBy(p => p.Name, StringComparer.Ordinal), fresh, true);
        ((IDisposable)fresh).Dispose();

        Line();
        Line("## Events");
        Line();
        Line("Declared by the class. The ActiveX events `Click`, `DblClick`, `MouseDown`, `MouseMove`, `MouseUp`, " +
             "`KeyDown`, `KeyPress` and `KeyUp` are the inherited `Control` events of those names (`DoubleClick` for " +
             "`DblClick`), `MouseEnter` and `MouseExit` are the inherited `MouseEnter` and `MouseLeave`, and " +
             "`MenuItemClicked(ItemID)` is the `Click` event of the menu item object.");
        Line();
        EventTable(control, Notes.Events);

        Line();
        Line("## Methods");
        Line();
        Line("Declared by the class (inherited `Refresh` and `Focus` serve for the ActiveX `Refresh` and `SetFocus`).");
        Line();
        MethodTable(control, Notes.Methods);

        Line();
        Line("## Menu items");
        Line();
        Line("The `MenuItems` collection holds `BrixelDemoMenuItem` objects; each item's own `MenuItems` holds its " +
             "sub-items, up to five levels.");
        foreach (string name in new[] { "BrixelDemoMenuItem", "BrixelDemoMenuItemCollection" })
        {
            Type type = assembly.GetType(Namespace + "." + name, true);
            Line();
            Line("### " + name);
            Line();
            Line("`" + type.FullName + "`, base `" + type.BaseType.FullName + "`.");
            var ctors = type.GetConstructors().Where(Visible).ToList();
            if (ctors.Count > 0)
            {
                Line();
                foreach (ConstructorInfo c in ctors)
                    Line("- `" + name + "(" + Parameters(c.GetParameters()) + ")`");
            }
            var props = Properties(type).Where(Browsable).OrderBy(p => p.Name, StringComparer.Ordinal).ToList();
            if (props.Count > 0)
            {
                Line();
                object item = type.GetConstructor(Type.EmptyTypes) != null ? Activator.CreateInstance(type) : null;
                PropertyTable(props, item, false);
                var disposable = item as IDisposable;
                if (disposable != null) disposable.Dispose();
            }
            if (type.GetEvents(BindingFlags.Public | BindingFlags.Instance | BindingFlags.DeclaredOnly).Length > 0)
            {
                Line();
                EventTable(type, null);
            }
            if (PublicMethods(type).Any())
            {
                Line();
                MethodTable(type, null);
            }
        }

        Line();
        Line("## Enumerations");
        Line();
        Line("Namespace `" + EnumNamespace + "`. Assigning a value that is not a constant of its enumeration throws " +
             "`System.ComponentModel.InvalidEnumArgumentException` and changes nothing. The values are those of the " +
             "ActiveX enumerations, except for `kvnFlatStyle`.");
        foreach (Type e in assembly.GetTypes().Where(t => t.IsPublic && t.IsEnum && t.Namespace == EnumNamespace)
                                   .OrderBy(t => t.Name, StringComparer.Ordinal))
        {
            Line();
            Line("### " + e.Name);
            Line();
            var users = Properties(control).Where(p => p.PropertyType == e).Select(p => "`" + p.Name + "`").OrderBy(s => s, StringComparer.Ordinal);
            Line("Type of " + (users.Any() ? string.Join(", ", users) : "no property of the control") + ".");
            Line();
            Line("| Constant | Value |");
            Line("|---|---|");
            foreach (object v in Enum.GetValues(e))
                Line("| `" + Enum.GetName(e, v) + "` | " + Convert.ToInt64(v) + " |");
            if (e.Name == "kvnFlatStyle")
            {
                Line();
                Line("The ActiveX `Appearance` values differ: `Flat` is 0, `Standard` 1 (3D), `XPStyle` 2, `Popup` 3 " +
                     "(3D when the mouse is over), `XPPopup` 4; `System` has no ActiveX value and draws `Standard` " +
                     "or `XPStyle` as the desktop's theme is off or on.");
            }
        }

        Line();
        Line("## Delegates");
        Line();
        Line("| Delegate | Signature |");
        Line("|---|---|");
        foreach (Type d in assembly.GetTypes().Where(t => t.IsPublic && typeof(Delegate).IsAssignableFrom(t) && t.Namespace == EnumNamespace)
                                   .OrderBy(t => t.Name, StringComparer.Ordinal))
            Line("| `" + d.Name + "` | `void (" + Parameters(d.GetMethod("Invoke").GetParameters()) + ")` |");
        return page.ToString();
    }

    void CheckNotes()
    {
        foreach (string name in Notes.Counterparts.Keys)
            if (control.GetProperty(name) == null) errors.Add("a counterpart note names no property: " + name);
        foreach (string name in Notes.Events.Keys)
            if (control.GetEvent(name) == null) errors.Add("an event note names no event: " + name);
        foreach (string name in Notes.Methods.Keys)
            if (!PublicMethods(control).Any(m => m.Name == name)) errors.Add("a method note names no method: " + name);
    }

    void PropertyTable(IEnumerable<PropertyInfo> properties, object fresh, bool withCounterpart)
    {
        Line(withCounterpart ? "| Property | Type | Default | ActiveX | Description |" : "| Property | Type | Default | Description |");
        Line(withCounterpart ? "|---|---|---|---|---|" : "|---|---|---|---|");
        foreach (PropertyInfo p in properties)
        {
            string type = TypeName(p.PropertyType) + (p.CanWrite ? "" : " (read-only)");
            var cells = new List<string> { "`" + p.Name + "`", type, Default(p, fresh) };
            if (withCounterpart) cells.Add(Counterpart(p));
            cells.Add(Escape(Description(p)));
            Line("| " + string.Join(" | ", cells) + " |");
        }
    }

    void EventTable(Type type, Dictionary<string, string> notes)
    {
        Line(notes != null ? "| Event | Delegate | Arguments | Raised |" : "| Event | Delegate | Arguments |");
        Line(notes != null ? "|---|---|---|---|" : "|---|---|---|");
        foreach (EventInfo e in type.GetEvents(BindingFlags.Public | BindingFlags.Instance | BindingFlags.DeclaredOnly)
                                    .OrderBy(e => e.MetadataToken))
        {
            string row = "| `" + e.Name + "` | `" + e.EventHandlerType.Name + "` | `(" +
                         Parameters(e.EventHandlerType.GetMethod("Invoke").GetParameters()) + ")` |";
            if (notes != null)
            {
                string note;
                row += " " + (notes.TryGetValue(e.Name, out note) ? note : "") + " |";
            }
            Line(row);
        }
    }

    void MethodTable(Type type, Dictionary<string, string> notes)
    {
        Line(notes != null ? "| Method | What it does |" : "| Method |");
        Line(notes != null ? "|---|---|" : "|---|");
        foreach (MethodInfo m in PublicMethods(type).OrderBy(m => m.MetadataToken))
        {
            string row = "| `" + (m.IsStatic ? "static " : "") + Plain(m.ReturnType) + " " + m.Name + "(" + Parameters(m.GetParameters()) + ")` |";
            if (notes != null)
            {
                string note;
                row += " " + (notes.TryGetValue(m.Name, out note) ? note : "") + " |";
            }
            Line(row);
        }
    }

    // The native properties the accessors pass to the button, by the fields of
    // the id table they load; a property kept on the .NET side only has none.
    string Counterpart(PropertyInfo p)
    {
        var names = new List<string>();
        foreach (MethodInfo accessor in new[] { p.GetGetMethod(), p.GetSetMethod() })
            if (accessor != null)
                foreach (string n in LoadedIds(accessor))
                    if (activeX.Contains(n) && !names.Contains(n)) names.Add(n);
        if (names.Count == 0)
        {
            string note;
            if (Notes.Counterparts.TryGetValue(p.Name, out note)) return note;
            if (activeX.Contains(p.Name)) names.Add(p.Name);
        }
        if (names.Count == 0) return "—";
        return string.Join(" + ", names.Select(n => "[`" + n + "`](activex.md#" + n.ToLowerInvariant() + ")"));
    }

    IEnumerable<string> LoadedIds(MethodInfo method)
    {
        MethodBody body = method.GetMethodBody();
        if (body == null) yield break;
        byte[] il = body.GetILAsByteArray();
        int at = 0;
        while (at < il.Length)
        {
            short code = il[at] == 0xFE && at + 1 < il.Length ? (short)(0xFE00 | il[at + 1]) : il[at];
            OpCode op;
            if (!opcodes.TryGetValue(code, out op)) yield break;
            at += op.Size;
            if (op == OpCodes.Ldsfld)
            {
                FieldInfo field = null;
                try { field = method.Module.ResolveField(BitConverter.ToInt32(il, at)); } catch (ArgumentException) { }
                if (field != null && field.DeclaringType == propTable) yield return field.Name;
            }
            at += OperandSize(op, il, at);
        }
    }

    static int OperandSize(OpCode op, byte[] il, int at)
    {
        switch (op.OperandType)
        {
            case OperandType.InlineNone: return 0;
            case OperandType.ShortInlineBrTarget:
            case OperandType.ShortInlineI:
            case OperandType.ShortInlineVar: return 1;
            case OperandType.InlineVar: return 2;
            case OperandType.InlineI8:
            case OperandType.InlineR: return 8;
            case OperandType.InlineSwitch: return 4 + 4 * BitConverter.ToInt32(il, at);
            default: return 4;
        }
    }

    string Default(PropertyInfo p, object fresh)
    {
        var attribute = (DefaultValueAttribute)Attribute.GetCustomAttribute(p, typeof(DefaultValueAttribute));
        if (attribute != null) return Value(attribute.Value);
        if (fresh == null || p.GetGetMethod() == null) return "—";
        return Value(p.GetValue(fresh, null)) + " (constructor)";
    }

    static string Value(object v)
    {
        if (v == null) return "none";
        if (v is string) return "\"" + Escape((string)v) + "\"";
        if (v is bool) return (bool)v ? "true" : "false";
        if (v is Enum) return "`" + v + "`";
        if (v is Color)
        {
            var c = (Color)v;
            return "RGB(" + c.R + ", " + c.G + ", " + c.B + ")";
        }
        if (v is Font)
        {
            var f = (Font)v;
            // The name asked for, not the face a machine substitutes for it.
            return "\"" + (f.OriginalFontName ?? f.Name) + "\" " + f.SizeInPoints.ToString(System.Globalization.CultureInfo.InvariantCulture) + " pt" +
                   (f.Style == FontStyle.Regular ? "" : ", " + f.Style.ToString().ToLowerInvariant());
        }
        if (v is ICollection) return ((ICollection)v).Count == 0 ? "empty" : ((ICollection)v).Count + " entries";
        return Escape(Convert.ToString(v, System.Globalization.CultureInfo.InvariantCulture));
    }

    static string TypeName(Type t)
    {
        if (t.IsArray) return "`" + Plain(t) + "`";
        if (t == typeof(void)) return "void";
        if (t == typeof(bool)) return "bool";
        if (t == typeof(int)) return "int";
        if (t == typeof(short)) return "short";
        if (t == typeof(string)) return "string";
        if (t == typeof(object)) return "object";
        if (t.IsEnum && t.Namespace == EnumNamespace) return "[`" + t.Name + "`](#" + t.Name.ToLowerInvariant() + ")";
        return "`" + t.Name + "`";
    }

    static string Parameters(ParameterInfo[] ps)
    {
        return string.Join(", ", ps.Select(p => (p.ParameterType.IsByRef ? "ref " + Plain(p.ParameterType.GetElementType())
                                                                          : Plain(p.ParameterType)) + " " + p.Name));
    }

    static string Plain(Type t)
    {
        if (t.IsArray) return Plain(t.GetElementType()) + "[]";
        string name = TypeName(t);
        if (name.StartsWith("[`", StringComparison.Ordinal)) name = name.Substring(1, name.IndexOf(']') - 1);
        return name.Replace("`", "");
    }

    IEnumerable<PropertyInfo> Properties(Type type)
    {
        // Overrides of the framework's own members are listed only when they
        // say what they change (BackgroundImage does, Site does not).
        return type.GetProperties(BindingFlags.Public | BindingFlags.Instance | BindingFlags.DeclaredOnly)
                   .Where(p => p.GetIndexParameters().Length == 0 && Visible(p) &&
                               (!Overrides(p) || Description(p).Length > 0));
    }

    static IEnumerable<MethodInfo> PublicMethods(Type type)
    {
        return type.GetMethods(BindingFlags.Public | BindingFlags.Instance | BindingFlags.Static | BindingFlags.DeclaredOnly)
                   .Where(m => !m.IsSpecialName && Visible(m) &&
                               !m.Name.StartsWith("ShouldSerialize", StringComparison.Ordinal) &&
                               !m.Name.StartsWith("Reset", StringComparison.Ordinal));
    }

    // Members hidden from the editor's completion are plumbing between the
    // classes, not for users.
    static bool Visible(MemberInfo m)
    {
        var a = (EditorBrowsableAttribute)Attribute.GetCustomAttribute(m, typeof(EditorBrowsableAttribute));
        return a == null || a.State != EditorBrowsableState.Never;
    }

    static bool Overrides(PropertyInfo p)
    {
        MethodInfo get = p.GetGetMethod();
        return get != null && get.GetBaseDefinition().DeclaringType != get.DeclaringType;
    }

    static bool Browsable(PropertyInfo p)
    {
        var a = (BrowsableAttribute)Attribute.GetCustomAttribute(p, typeof(BrowsableAttribute));
        return a == null || a.Browsable;
    }

    static string Category(PropertyInfo p)
    {
        if (!Browsable(p)) return null;
        var a = (CategoryAttribute)Attribute.GetCustomAttribute(p, typeof(CategoryAttribute));
        return a == null ? null : a.Category;
    }

    static string Description(PropertyInfo p)
    {
        var a = (DescriptionAttribute)Attribute.GetCustomAttribute(p, typeof(DescriptionAttribute));
        return a == null ? "" : a.Description;
    }

    static string Anchor(string heading)
    {
        return heading.ToLowerInvariant().Replace(' ', '-');
    }

    static string Escape(string s)
    {
        return s.Replace("|", "\\|");
    }

    void Line(string s = "")
    {
        page.Append(s).Append('\n');
    }
}
