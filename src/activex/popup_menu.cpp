#include "activex/popup_menu.h"

#include "activex/ole_values.h"
#include "gdi/gdi_canvas.h"
#include "menu/popup_layout.h"
#include "menu/shortcut_table.h"
#include "render/menu_entry.h"

#include <olectl.h>

#include <vector>

namespace brixel::activex {
namespace {

// The handle and size of an item's picture, for the canvas.
PictureRef PictureOf(const SharedPicture& picture) {
    const auto* ole = dynamic_cast<const OlePicture*>(picture.get());
    if (ole == nullptr || !ole->HasImage()) return {};
    win::ComPtr<IPicture> pic;
    if (FAILED(win::ComPtr<IPictureDisp>(ole->get()).As(&pic))) return {};
    SHORT type = PICTYPE_NONE;
    OLE_HANDLE handle = 0;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    if (FAILED(pic->get_Type(&type)) || FAILED(pic->get_Handle(&handle)) || FAILED(pic->get_Width(&width)) ||
        FAILED(pic->get_Height(&height))) {
        return {};
    }
    PictureKind kind = PictureKind::None;
    if (type == PICTYPE_BITMAP) kind = PictureKind::Bitmap;
    else if (type == PICTYPE_ICON) kind = PictureKind::Icon;
    else if (type == PICTYPE_METAFILE || type == PICTYPE_ENHMETAFILE) kind = PictureKind::Metafile;
    return PictureRef{kind, static_cast<std::uintptr_t>(handle), Size{static_cast<int>(width), static_cast<int>(height)}};
}

int FontHeight(HFONT font) {
    LOGFONTW lf{};
    return ::GetObjectW(font, sizeof(lf), &lf) == sizeof(lf) ? static_cast<int>(lf.lfHeight) : 0;
}

MenuEntryColours EntryColours(const MenuLook& look) {
    const ButtonProperties& p = look.props;
    auto resolve = [&](OleColor c) { return ResolveOleColor(c, look.system); };
    return MenuEntryColours{resolve(p.MenuBackColor),
                            resolve(p.MenuSidebarColor),
                            resolve(p.MenuSeparatorColor),
                            resolve(p.MenuFontColor),
                            resolve(p.MenuSelectionBackColor),
                            resolve(p.MenuSelectionFontColor),
                            look.system.SystemColour(COLOR_GRAYTEXT),
                            look.system.SystemColour(COLOR_BTNFACE),
                            look.system.SystemColour(COLOR_BTNHIGHLIGHT),
                            look.system.SystemColour(COLOR_BTNSHADOW)};
}

void SetEntryOrder(HMENU menu, bool right_to_left) noexcept {
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
        if (!::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
        const UINT types = MFT_RIGHTORDER | MFT_RIGHTJUSTIFY;
        info.fType = right_to_left ? (info.fType | types) : (info.fType & ~types);
        info.fMask = MIIM_FTYPE;
        ::SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        if (info.hSubMenu != nullptr) SetEntryOrder(info.hSubMenu, right_to_left);
    }
}

}  // namespace

MenuTextMeter::MenuTextMeter(const FontDesc& font, int dpi) noexcept
    : dpi_(dpi), font_(CreateGdiFont(font, dpi)), select_(screen_.get(), font_.get()) {}

SIZE MenuTextMeter::Extent(std::u16string_view text) const {
    const std::wstring wide = ToWide(text);
    SIZE size{};
    if (screen_) ::GetTextExtentPoint32W(screen_.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return size;
}

int MenuTextMeter::RowHeight(const MenuItemFields& item) const {
    return brixel::RowHeight(item.separator, item.separator ? 0 : Extent(item.caption).cy, dpi_);
}

bool OwnerDrawPopup::Build(const MenuItemList& top, bool right_to_left) {
    Teardown();
    if (!root_) root_.reset(::CreatePopupMenu());
    if (!root_) return false;
    entries_.Build(top);
    texts_.resize(entries_.Entries().size());
    for (std::size_t i = 0; i < texts_.size(); ++i) {
        const MenuItemFields& item = entries_.Entries()[i].item;
        EntryText& t = texts_[i];
        if (!item.separator) {
            t.text = ToWide(item.caption);
            if (!IsNoShortcut(item.shortcut)) t.text += L"\t" + ToWide(item.shortcut);
        }
        t.reader = MSAAMENUINFO{MSAA_MENU_SIG, static_cast<DWORD>(t.text.size()), t.text.data()};
    }
    // The sub-popup of each parent entry, by entry index.
    std::vector<HMENU> sub_menus(entries_.Entries().size(), nullptr);
    for (std::size_t i = 0; i < entries_.Entries().size(); ++i) {
        const PopupEntry& entry = entries_.Entries()[i];
        HMENU target = entry.owner == kPopupRoot ? root_.get() : sub_menus[entry.owner];
        if (target == nullptr) continue;
        const auto data = reinterpret_cast<LPCWSTR>(&texts_[i]);
        if (entry.parent) {
            // Not greyed by the system, so a disabled parent still opens; it
            // is painted grey and each of its entries follows its own record.
            win::UniqueMenu sub(::CreatePopupMenu());
            if (sub && ::AppendMenuW(target, MF_OWNERDRAW | MF_POPUP, reinterpret_cast<UINT_PTR>(sub.get()), data)) {
                sub_menus[i] = sub.release();  // owned by its entry from now on
            }
            continue;
        }
        UINT flags = MF_OWNERDRAW;
        if (entry.item.separator) flags |= MF_SEPARATOR;
        else if (entry.greyed) flags |= MF_GRAYED;
        ::AppendMenuW(target, flags, entry.command, data);
    }
    if (right_to_left) ApplyRightToLeft(true);
    return true;
}

void OwnerDrawPopup::Teardown() noexcept {
    if (root_) {
        while (::GetMenuItemCount(root_.get()) > 0) {
            if (!::DeleteMenu(root_.get(), 0, MF_BYPOSITION)) break;
        }
    }
    entries_.Clear();
    texts_.clear();
}

const PopupEntry* OwnerDrawPopup::EntryOf(ULONG_PTR item_data) const {
    if (texts_.empty()) return nullptr;
    const auto first = reinterpret_cast<ULONG_PTR>(texts_.data());
    if (item_data < first) return nullptr;
    const ULONG_PTR offset = item_data - first;
    if (offset % sizeof(EntryText) != 0 || offset / sizeof(EntryText) >= texts_.size()) return nullptr;
    return entries_.ByItemData(PopupEntries::ItemData(offset / sizeof(EntryText)));
}

void OwnerDrawPopup::Destroy() noexcept {
    Teardown();
    root_.reset();
}

void OwnerDrawPopup::ApplyRightToLeft(bool right_to_left) noexcept {
    if (root_) SetEntryOrder(root_.get(), right_to_left);
}

bool OwnerDrawPopup::MeasureItem(MEASUREITEMSTRUCT& measure, const MenuLook& look) const {
    if (measure.CtlType != ODT_MENU) return false;
    const PopupEntry* entry = EntryOf(measure.itemData);
    if (entry == nullptr) return false;
    const MenuTextMeter meter(look.props.MenuFont, look.dpi);
    const MenuItemRecord probe(entry->item);
    measure.itemWidth = static_cast<UINT>(RowWidth(meter.Extent(RowMeasureText(probe)).cx, look.dpi));
    measure.itemHeight = static_cast<UINT>(meter.RowHeight(entry->item));
    return true;
}

bool OwnerDrawPopup::DrawItem(const DRAWITEMSTRUCT& draw, const MenuLook& look) const {
    if (draw.CtlType != ODT_MENU) return false;
    const PopupEntry* entry = EntryOf(draw.itemData);
    if (entry == nullptr) return false;
    const bool whole = (draw.itemAction & ODA_DRAWENTIRE) != 0;
    if (!whole && (draw.itemAction & ODA_SELECT) == 0) return true;
    const ButtonProperties& p = look.props;
    win::UniqueFont font = CreateGdiFont(p.MenuFont, look.dpi);
    MenuEntryModel m;
    m.dpi = look.dpi;
    m.caption = entry->item.caption;
    if (!IsNoShortcut(entry->item.shortcut)) m.shortcut = entry->item.shortcut;
    m.separator = entry->item.separator;
    m.enabled = !entry->greyed;
    m.picture = PictureOf(entry->item.picture);
    m.picture_transparent = ResolveOleColor(p.PictureTransparentColor, look.system);
    m.sidebar = p.MenuSidebar;
    m.right_to_left = p.RightToLeft;
    m.leading_space = NeedsLeadingSpace(p.MenuFont, FontHeight(font.get()), m.caption, look.dpi);
    m.font = win::ToFontRef(font.get());
    m.colours = EntryColours(look);
    win::GdiCanvas canvas(draw.hDC, nullptr);
    const RECT& r = draw.rcItem;
    DrawMenuEntry(canvas, Rect{r.left, r.top, r.right, r.bottom}, m, whole, (draw.itemState & ODS_SELECTED) != 0);
    return true;
}

}  // namespace brixel::activex
