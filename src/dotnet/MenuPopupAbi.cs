// P/Invoke declarations of the native library's drop-down menu: placement,
// row sizes and row painting, and the menu's life as the button sees it.
using System;
using System.Runtime.InteropServices;

namespace Korvane.Nimbara
{
    internal static class MenuAbi
    {
        private const CallingConvention Cdecl = CallingConvention.Cdecl;

        [StructLayout(LayoutKind.Sequential)]
        internal struct PopupInput
        {
            public uint size;
            public int alignment;
            public Abi.Rect window;
            public int screen_width, screen_height, popup_width, menu_height, sidebar;
        }

        [StructLayout(LayoutKind.Sequential)]
        internal struct PopupPlacement
        {
            public uint size;
            public int x, y;
            public int h_align;  // 0: the popup's left edge at x, 1: its right edge
            public int v_align;  // 0: its top at y, 1: its bottom, 2: centred on y
        }

        [StructLayout(LayoutKind.Sequential)]
        internal struct MenuRow
        {
            public uint size;
            public IntPtr caption;
            public int caption_length;
            public IntPtr shortcut;
            public int shortcut_length;
            public int separator, enabled, sidebar, right_to_left, selected;
            public IntPtr picture;
            public uint picture_transparent;
            public IntPtr font;
            public uint back, sidebar_colour, separator_colour, font_colour, selection_back, selection_font;
            public int dpi;
        }

        [DllImport(Abi.Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_popup_place(ref PopupInput input, ref PopupPlacement placement);
        [DllImport(Abi.Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_popup_width_estimate_dpi(int[] textWidths, int count, int sidebar, int dpi, out int width);
        [DllImport(Abi.Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_menu_row_size_dpi(int textWidth, int textHeight, int separator, int dpi, out int width,
                                                            out int height);
        [DllImport(Abi.Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_scale_for_dpi(int pixels, int dpi, out int scaled);
        [DllImport(Abi.Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_menu_paint_row(ref MenuRow row, ref Abi.TextService service, IntPtr pixels, int width,
                                                         int height, int stride);

        [DllImport(Abi.Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_menu_dropping(ButtonHandle button, ref Abi.Frame frame, out IntPtr effects);
        [DllImport(Abi.Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_menu_set_open(ButtonHandle button, int open);
        [DllImport(Abi.Lib, CallingConvention = Cdecl)]
        internal static extern int brixel_menu_loop_end(ButtonHandle button, ref Abi.Frame frame, int keysClosed, out int keepShut,
                                                        out IntPtr effects);
    }
}
