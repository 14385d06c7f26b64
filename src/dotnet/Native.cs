// P/Invoke declarations of the native button library (include/brixel/brixel.h).
// Every call uses the C calling convention, also in the 32-bit DLL. Structs
// keep the header's field order; their first field is their own size.
using System;
using System.Runtime.InteropServices;

namespace Korvane.Nimbara
{
    internal static class Abi
    {
        // Mono maps the name through Korvane.Nimbara.BrixelDemo.dll.config to
        // libbrixel.so; Windows loads brixel.dll from the application folder
        // (NativeLoader picks the x86 or x64 copy first).
        internal const string Lib = "brixel";

        static Abi()
        {
            NativeLoader.Prepare();
        }
        internal const uint Version = 0x00010002u;
        private const CallingConvention Cdecl = CallingConvention.Cdecl;

        internal const int OK = 0;
        internal const int END = 1;
        internal const int E_INVALID_ENUM = -7;
        internal const int E_BUFFER_TOO_SMALL = -9;
        internal const int E_FILE_NOT_FOUND = -10;
        internal const int E_PATH_NOT_FOUND = -11;
        internal const int E_FILE_ACCESS = -12;
        internal const int E_REFUSED = -13;
        internal const int E_UNSUPPORTED = -14;

        internal const int RULES_DOTNET = 1;
        internal const int PICTURE_ALPHA = 1;

        internal const int TEXT_CENTER = 0x01, TEXT_RIGHT = 0x02, TEXT_VCENTER = 0x04, TEXT_BOTTOM = 0x08;
        internal const int TEXT_SINGLE_LINE = 0x10, TEXT_WORD_BREAK = 0x20, TEXT_NO_PREFIX = 0x40;

        [StructLayout(LayoutKind.Sequential)]
        internal struct Rect { public int left, top, right, bottom; }

        [StructLayout(LayoutKind.Sequential)]
        internal struct Font
        {
            public uint size;
            public IntPtr face;
            public int face_length;
            public long size_units;
            public int weight, charset, italic, underline, strikethrough, pixel_height;
        }

        [StructLayout(LayoutKind.Sequential)]
        internal struct Environment
        {
            public uint size;
            public int user_mode, display_as_default, has_ambient_back_colour;
            public uint ambient_back_colour;
            public int desktop_xp_scheme, theme_active, windows_forms_parent, dpi;
            public IntPtr system_colours;
            public int system_colour_count;
            public int hidden_while_loading;
        }

        [StructLayout(LayoutKind.Sequential)]
        internal struct CreateOptions
        {
            public uint size;
            public int rules;
            public IntPtr display_name;
            public int display_name_length;
            public IntPtr environment;
        }

        [StructLayout(LayoutKind.Sequential)]
        internal struct Effect
        {
            public uint size;
            public int kind, code, shift, x, y, flag, value;
            public ulong window;
            public int only_if_capture_lost;
            public IntPtr text;
            public int text_length;

            public string Text
            {
                get { return text == IntPtr.Zero ? "" : Marshal.PtrToStringUni(text, text_length); }
            }
        }

        [StructLayout(LayoutKind.Sequential)]
        internal struct Frame
        {
            public uint size;
            public ulong window;
            public int width, height;
            public ulong capture;
            public int cursor_x, cursor_y, enabled, visible, has_focus;
        }

        [StructLayout(LayoutKind.Sequential)]
        internal struct State
        {
            public uint size;
            public int mouse_in, pressed, toggled, menu_open;
        }

        [StructLayout(LayoutKind.Sequential)]
        internal struct PaintOptions
        {
            public uint size;
            public int after_click;
            public uint parent_back_colour;
            public int fast_primitives;
            public IntPtr background;
            public int background_stride;
        }

        [StructLayout(LayoutKind.Sequential)]
        internal struct PaintResult
        {
            public uint size;
            public int painted, focus;
        }

        [StructLayout(LayoutKind.Sequential)]
        internal struct PictureDesc
        {
            public uint size;
            public int kind, width, height;
            public IntPtr pixels;
            public int stride, dpi;
        }

        [UnmanagedFunctionPointer(CallingConvention.Cdecl)]
        internal delegate int MeasureFn(IntPtr context, IntPtr text, int length, ref Font font, ref Rect bounds,
                                        uint format, out Rect occupied);

        [UnmanagedFunctionPointer(CallingConvention.Cdecl)]
        internal delegate int RenderFn(IntPtr context, IntPtr text, int length, ref Font font, ref Rect bounds,
                                       uint format, IntPtr coverage, int stride);

        [StructLayout(LayoutKind.Sequential)]
        internal struct TextService
        {
            public uint size;
            public IntPtr context;
            public IntPtr measure;
            public IntPtr render;
        }

        internal static uint SizeOf<T>() { return (uint)Marshal.SizeOf(typeof(T)); }

        [DllImport(Lib, CallingConvention = Cdecl)] internal static extern uint brixel_abi_version();
        [DllImport(Lib, CallingConvention = Cdecl)] internal static extern IntPtr brixel_status_text(int status);

        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_button_create(ref CreateOptions options, out ButtonHandle button);
        [DllImport(Lib, CallingConvention = Cdecl)] internal static extern int brixel_button_destroy(IntPtr button);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_set_environment(ButtonHandle button, ref Environment environment);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_set_text_service(ButtonHandle button, ref TextService service);

        [DllImport(Lib, CallingConvention = Cdecl)] internal static extern int brixel_effects_next(IntPtr effects, ref Effect effect);
        [DllImport(Lib, CallingConvention = Cdecl)] internal static extern int brixel_effects_free(IntPtr effects);

        [DllImport(Lib, CallingConvention = Cdecl, CharSet = CharSet.Ansi)]
        internal static extern int brixel_property_id(string name, out int id);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_set_bool(ButtonHandle button, int id, int value, out IntPtr effects);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_set_int(ButtonHandle button, int id, int value, out IntPtr effects);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_set_color(ButtonHandle button, int id, uint value, out IntPtr effects);
        [DllImport(Lib, CallingConvention = Cdecl, CharSet = CharSet.Unicode)]
        internal static extern int brixel_set_string(ButtonHandle button, int id, string text, int length, out IntPtr effects);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_set_font(ButtonHandle button, int id, ref Font font, out IntPtr effects);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_set_picture(ButtonHandle button, int id, IntPtr picture, out IntPtr effects);
        [DllImport(Lib, CallingConvention = Cdecl)] internal static extern int brixel_get_bool(ButtonHandle button, int id, out int value);
        [DllImport(Lib, CallingConvention = Cdecl)] internal static extern int brixel_get_int(ButtonHandle button, int id, out int value);
        [DllImport(Lib, CallingConvention = Cdecl)] internal static extern int brixel_get_color(ButtonHandle button, int id, out uint value);
        [DllImport(Lib, CallingConvention = Cdecl, CharSet = CharSet.Unicode)]
        internal static extern int brixel_get_string(ButtonHandle button, int id, [Out] char[] buffer, int capacity, out int length);

        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_picture_create(ref PictureDesc desc, out IntPtr picture);
        [DllImport(Lib, CallingConvention = Cdecl)] internal static extern int brixel_picture_release(IntPtr picture);

        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_mouse_down(ButtonHandle button, ref Frame frame, int buttonId, int clicks, int x, int y,
                                                     int shift, out IntPtr effects);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_mouse_up(ButtonHandle button, ref Frame frame, int buttonId, int x, int y, int shift,
                                                   out IntPtr effects);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_mouse_move(ButtonHandle button, ref Frame frame, int x, int y, int buttons, int shift,
                                                     out IntPtr effects);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_mouse_leave(ButtonHandle button, ref Frame frame, out IntPtr effects);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_key_down(ButtonHandle button, ref Frame frame, int key, int autoRepeat, int shift,
                                                   out IntPtr effects);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_key_up(ButtonHandle button, ref Frame frame, int key, int shift, out IntPtr effects);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_key_char(ButtonHandle button, ref Frame frame, int character, out IntPtr effects);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_mnemonic(ButtonHandle button, ref Frame frame, int key, out IntPtr effects);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_focus(ButtonHandle button, ref Frame frame, int gained, out IntPtr effects);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_timer(ButtonHandle button, ref Frame frame, int timerId, out IntPtr effects);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_window_created(ButtonHandle button, ref Frame frame, out IntPtr effects);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_perform_click(ButtonHandle button, ref Frame frame, out IntPtr effects);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_perform_click_actions(ButtonHandle button, ref Frame frame, out IntPtr effects);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_perform_hyperlink(ButtonHandle button, ref Frame frame, out IntPtr effects);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_set_toggle_state(ButtonHandle button, ref Frame frame, int state, out IntPtr effects);
        [DllImport(Lib, CallingConvention = Cdecl)] internal static extern int brixel_get_toggle_state(ButtonHandle button, out int state);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_sound_data(ButtonHandle button, int slot, out IntPtr bytes, out int length);
        [DllImport(Lib, CallingConvention = Cdecl)] internal static extern int brixel_click_event(ButtonHandle button, int running);
        [DllImport(Lib, CallingConvention = Cdecl)] internal static extern int brixel_get_state(ButtonHandle button, ref State state);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_in_drop_part(ButtonHandle button, int width, int height, int x, int y, out int inDropPart);

        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_paint_buffer(ButtonHandle button, ref Frame frame, ref PaintOptions options, IntPtr pixels,
                                                       int width, int height, int stride, ref PaintResult result, out IntPtr effects);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_paint_hdc(ButtonHandle button, ref Frame frame, ref PaintOptions options, IntPtr hdc,
                                                    ref PaintResult result, out IntPtr effects);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_region_rects(ButtonHandle button, ref Frame frame, [Out] Rect[] rects, int capacity,
                                                       out int count);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_minimum_size(ButtonHandle button, out int width, out int height);

        [DllImport(Lib, CallingConvention = Cdecl, CharSet = CharSet.Unicode)]
        internal static extern int brixel_hyperlink_target(string address, int length, int untrusted, [Out] char[] buffer, int capacity,
                                                           out int targetLength);

        [DllImport(Lib, CallingConvention = Cdecl, CharSet = CharSet.Unicode)]
        internal static extern int brixel_menu_object_check(int change, string text, int length, int isParent,
                                                            [Out] char[] buffer, int capacity, out int messageLength);

        internal const int MENU_LEVEL_ENABLED = 1, MENU_LEVEL_VISIBLE = 2, MENU_LEVEL_SEPARATOR = 4;

        [DllImport(Lib, CallingConvention = Cdecl, CharSet = CharSet.Unicode)]
        internal static extern int brixel_forms_shortcut_text(int value, [Out] char[] buffer, int capacity, out int length);
        [DllImport(Lib, CallingConvention = Cdecl, CharSet = CharSet.Unicode)]
        internal static extern int brixel_forms_key_text(int key, int shift, [Out] char[] buffer, int capacity, out int length);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_menu_object_invocable(int[] levels, int count, out int invocable);

        [StructLayout(LayoutKind.Sequential)]
        internal struct AutoDropContext
        {
            public uint size;
            public int user_mode, menu_auto_drop, active, menu, enabled, window_visible;
            public int own_top_level_active, drop_suppressed, has_items, any_visible, point_in_drop_part;
        }

        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_should_auto_drop(ref AutoDropContext context, out int drop);
        [DllImport(Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_menu_auto_dropped(ButtonHandle button, ref Frame frame, out IntPtr effects);

        internal static string StatusText(int status)
        {
            return Marshal.PtrToStringAnsi(brixel_status_text(status));
        }
    }

    // On Windows one application may run as x86 or x64: the two brixel.dll
    // live in the subfolders x86 and x64 beside the assembly, and the one for
    // this process is loaded by its full path before the first call, so that
    // [DllImport("brixel")] binds to it. (A brixel.dll beside the assembly
    // serves when there are no subfolders.) Mono on Linux needs nothing here.
    internal static class NativeLoader
    {
        [DllImport("kernel32", CharSet = CharSet.Unicode, SetLastError = true)]
        private static extern IntPtr LoadLibraryW(string path);

        internal static void Prepare()
        {
            if (System.Environment.OSVersion.Platform != PlatformID.Win32NT)
                return;
            string folder = System.IO.Path.GetDirectoryName(typeof(NativeLoader).Assembly.Location);
            string path = System.IO.Path.Combine(folder, IntPtr.Size == 8 ? "x64" : "x86", "brixel.dll");
            if (System.IO.File.Exists(path))
                LoadLibraryW(path);
        }
    }

    // The native button: freed once, also when the control is only finalized.
    internal sealed class ButtonHandle : SafeHandle
    {
        public ButtonHandle() : base(IntPtr.Zero, true) { }

        public override bool IsInvalid
        {
            get { return handle == IntPtr.Zero; }
        }

        protected override bool ReleaseHandle()
        {
            return Abi.brixel_button_destroy(handle) == Abi.OK;
        }
    }
}
