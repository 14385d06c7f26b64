// The popup of one drop: owner-drawn Windows Forms menu items built from the
// item objects. Rows are measured and painted by the native library, the
// same rows the ActiveX control draws; this side only lays the pixels down.
using System;
using System.Collections.Generic;
using System.Drawing;
using System.Drawing.Imaging;
using System.Runtime.InteropServices;
using System.Windows.Forms;

namespace Korvane.Nimbara
{
    // One row of a drop; built anew at every drop and disposed with the popup.
    internal sealed class InternalMenuItem : MenuItem
    {
        private readonly BrixelDemo owner;
        private bool highlighted;

        internal InternalMenuItem(BrixelDemo owner, BrixelDemoMenuItem item) : base(item.Text)
        {
            this.owner = owner;
            Item = item;
            OwnerDraw = true;
            Enabled = item.Enabled;
            MeasureItem += MeasureRow;
        }

        internal BrixelDemoMenuItem Item { get; private set; }

        // The popup command number of this drop.
        internal int MenuItemID
        {
            get { return MenuID; }
        }

        // The choice is only recorded: the item's own Click is raised once the
        // popup has closed and the button has left its menu state.
        protected override void OnClick(EventArgs e)
        {
            owner.MenuRowChosen(Item);
        }

        // Mono asks for the size only when a handler is attached to the event:
        // an override alone would leave its own measure of the text in place.
        private void MeasureRow(object sender, MeasureItemEventArgs e)
        {
            Size size = owner.MenuRowSize(Item, e.Graphics);
            e.ItemWidth = size.Width;
            e.ItemHeight = size.Height;
        }

        // Mono never raises MenuItem.Select, but every highlight repaints the
        // row with the Selected state: the item's Select comes from there.
        protected override void OnDrawItem(DrawItemEventArgs e)
        {
            bool selected = (e.State & DrawItemState.Selected) != 0;
            owner.PaintMenuRow(Item, e.Graphics, e.Bounds, selected);
            if (selected && !highlighted)
            {
                highlighted = true;
                Item.OnSelect();
            }
            else if (!selected)
            {
                highlighted = false;
            }
        }

        // The framework's own notification would raise Select a second time on
        // Windows.
        protected override void OnSelect(EventArgs e)
        {
        }
    }

    public partial class BrixelDemo
    {
        // Builds the popup of a collection; null for a null or empty one.
        // Invisible items are left out with their sub-items.
        public ContextMenu CreateContextMenu(BrixelDemoMenuItemCollection items)
        {
            if (items == null || items.Count == 0)
                return null;
            var menu = new ContextMenu();
            menu.RightToLeft = RightToLeft == RightToLeft.Yes ? RightToLeft.Yes : RightToLeft.No;
            foreach (InternalMenuItem row in BuildRows(items))
                menu.MenuItems.Add(row);
            return menu;
        }

        private List<InternalMenuItem> BuildRows(BrixelDemoMenuItemCollection items)
        {
            var rows = new List<InternalMenuItem>();
            foreach (BrixelDemoMenuItem item in items)
            {
                if (!item.Visible)
                    continue;
                var row = new InternalMenuItem(this, item);
                if (item.IsParent)
                    foreach (InternalMenuItem sub in BuildRows(item.MenuItems))
                        row.MenuItems.Add(sub);
                rows.Add(row);
                item.SetMenuID(row.MenuItemID);
            }
            return rows;
        }

        // The shortcut column: only rows without sub-items show one.
        private string MenuRowShortcut(BrixelDemoMenuItem item)
        {
            if (item.IsParent || !item.ShowShortcut || item.Shortcut == Shortcut.None)
                return "";
            string text = "";
            ShortcutDisplayText(item.Shortcut, ref text);
            return text ?? "";
        }

        // The display text of a shortcut ("Ctrl+Shift+F5"), supplied where the
        // keyboard shortcuts are dispatched; without it no shortcut is shown.
        static partial void ShortcutDisplayText(Shortcut shortcut, ref string text);

        private static bool IsSeparator(BrixelDemoMenuItem item)
        {
            return string.Equals(item.Text, "-", StringComparison.Ordinal);
        }

        private static readonly StringFormat MeasureFormat = NewMeasureFormat();

        private static StringFormat NewMeasureFormat()
        {
            var format = new StringFormat(StringFormat.GenericTypographic);
            format.FormatFlags |= StringFormatFlags.MeasureTrailingSpaces | StringFormatFlags.NoWrap;
            format.HotkeyPrefix = System.Drawing.Text.HotkeyPrefix.None;
            return format;
        }

        private Size MeasureMenuText(Graphics g, string text)
        {
            SizeF size = g.MeasureString(text.Length == 0 ? " " : text, MenuFontFor(g), PointF.Empty, MeasureFormat);
            return new Size((int)Math.Ceiling(text.Length == 0 ? 0 : size.Width), (int)Math.Ceiling(size.Height));
        }

        private Font menuFontAtDpi;

        // The menu font as the rows show it on the button's screen, measured on
        // `g`: a Graphics of another resolution (Mono's is always 96) measures
        // the font at the size it has on that screen.
        private Font MenuFontFor(Graphics g)
        {
            int graphicsDpi = (int)Math.Round(g.DpiY);
            if (graphicsDpi <= 0 || graphicsDpi == screenDpi)
                return menuFont;
            float points = menuFont.SizeInPoints * screenDpi / graphicsDpi;
            if (menuFontAtDpi == null || menuFontAtDpi.SizeInPoints != points || menuFontAtDpi.Style != menuFont.Style
                || FaceName(menuFontAtDpi) != FaceName(menuFont))
            {
                if (menuFontAtDpi != null)
                    menuFontAtDpi.Dispose();
                menuFontAtDpi = new Font(FaceName(menuFont), points, menuFont.Style, GraphicsUnit.Point, menuFont.GdiCharSet);
            }
            return menuFontAtDpi;
        }

        internal Size MenuRowSize(BrixelDemoMenuItem item, Graphics g)
        {
            bool separator = IsSeparator(item);
            Size text = Size.Empty;
            if (!separator)
            {
                string shortcut = MenuRowShortcut(item);
                text = MeasureMenuText(g, shortcut.Length > 0 ? item.Text + "  " + shortcut : item.Text);
            }
            int width, height;
            Check(MenuAbi.brixel_menu_row_size_dpi(text.Width, text.Height, separator ? 1 : 0, screenDpi, out width, out height));
            return new Size(width, height);
        }

        // What the popup shows of the top level: its widest row and the height
        // of its visible rows.
        private Size MenuPopupSize(Graphics g)
        {
            int width = 0, height = 0;
            foreach (BrixelDemoMenuItem item in MenuItems)
            {
                if (!item.Visible)
                    continue;
                Size row = MenuRowSize(item, g);
                width = Math.Max(width, row.Width);
                height += row.Height;
            }
            return new Size(width, height);
        }

        // The system draws the arrow of a row that opens a sub-menu over the
        // owner's drawing; Mono's popup leaves it to the owner. Its sizes are
        // 96 dpi sizes, grown as the library grows the row's.
        private void DrawSubMenuArrow(Graphics g, Rectangle row, Color colour)
        {
            int middle = row.Top + row.Height / 2;
            bool rightToLeft = RightToLeft == RightToLeft.Yes;
            int inset = AtScreenDpi(6), depth = AtScreenDpi(4);
            int tip = rightToLeft ? row.Left + inset : row.Right - inset;
            int back = rightToLeft ? tip + depth : tip - depth;
            using (var brush = new SolidBrush(colour))
                g.FillPolygon(brush, new[] { new Point(back, middle - depth), new Point(tip, middle), new Point(back, middle + depth) });
        }

        private int AtScreenDpi(int pixels)
        {
            int scaled;
            Check(MenuAbi.brixel_scale_for_dpi(pixels, screenDpi, out scaled));
            return scaled;
        }

        internal void PaintMenuRow(BrixelDemoMenuItem item, Graphics g, Rectangle bounds, bool selected)
        {
            if (bounds.Width <= 0 || bounds.Height <= 0 || IsDisposedOrDying)
                return;
            string caption = item.Text ?? "";
            string shortcut = MenuRowShortcut(item);
            bool separator = IsSeparator(item);
            bool sidebar = MenuSidebar;
            IntPtr picture = IntPtr.Zero;
            IntPtr captionText = Marshal.StringToHGlobalUni(caption);
            IntPtr shortcutText = Marshal.StringToHGlobalUni(shortcut);
            IntPtr face;
            Abi.Font font = AbiFont(menuFont, out face);
            IntPtr fontBlock = Marshal.AllocHGlobal(Marshal.SizeOf(typeof(Abi.Font)));
            try
            {
                if (sidebar && !separator && item.SidebarImage != null)
                    picture = RegisterPicture(item.SidebarImage, ImageTransparentColor);
                Marshal.StructureToPtr(font, fontBlock, false);
                var row = new MenuAbi.MenuRow
                {
                    size = Abi.SizeOf<MenuAbi.MenuRow>(),
                    caption = captionText,
                    caption_length = caption.Length,
                    shortcut = shortcutText,
                    shortcut_length = shortcut.Length,
                    separator = separator ? 1 : 0,
                    enabled = item.Enabled ? 1 : 0,
                    sidebar = sidebar ? 1 : 0,
                    right_to_left = RightToLeft == RightToLeft.Yes ? 1 : 0,
                    selected = selected && !separator ? 1 : 0,
                    picture = picture,
                    font = fontBlock,
                    back = SystemColourTable.Rgb(menuBackColor),
                    sidebar_colour = SystemColourTable.Rgb(menuSidebarColor),
                    separator_colour = SystemColourTable.Rgb(menuSeparatorColor),
                    font_colour = SystemColourTable.Rgb(menuForeColor),
                    selection_back = SystemColourTable.Rgb(menuSelectionBackColor),
                    selection_font = SystemColourTable.Rgb(menuSelectionForeColor),
                    dpi = screenDpi,
                };
                using (var pixels = new Bitmap(bounds.Width, bounds.Height, PixelFormat.Format32bppRgb))
                {
                    BitmapData data = pixels.LockBits(new Rectangle(Point.Empty, bounds.Size), ImageLockMode.ReadWrite,
                                                      PixelFormat.Format32bppRgb);
                    try
                    {
                        var service = TextService.At(screenDpi);
                        Check(MenuAbi.brixel_menu_paint_row(ref row, ref service, data.Scan0, bounds.Width, bounds.Height, data.Stride));
                    }
                    finally
                    {
                        pixels.UnlockBits(data);
                    }
                    g.DrawImageUnscaled(pixels, bounds.Location);
                }
                if (item.IsParent && MonoPopup)
                    DrawSubMenuArrow(g, bounds, selected ? menuSelectionForeColor : item.Enabled ? menuForeColor : SystemColors.GrayText);
            }
            finally
            {
                if (picture != IntPtr.Zero)
                    Abi.brixel_picture_release(picture);
                Marshal.FreeHGlobal(fontBlock);
                Marshal.FreeHGlobal(face);
                Marshal.FreeHGlobal(shortcutText);
                Marshal.FreeHGlobal(captionText);
            }
        }
    }
}
