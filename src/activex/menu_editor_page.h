// The Menu property page: the menu's own properties through the page table,
// and the whole item tree through the editor model, reached over the
// control's private menu interface.
#pragma once

// Control IDs, read by the resource compiler as well.
#define IDC_MENU                                  2000
#define IDC_MENU_SELECTION_BACK_COLOR             2001
#define IDC_MENU_SELECTION_BACK_COLOR_SWATCH      2002
#define IDC_MENU_SELECTION_BACK_COLOR_PICK        2003
#define IDC_MENU_SELECTION_FONT_COLOR             2004
#define IDC_MENU_SELECTION_FONT_COLOR_SWATCH      2005
#define IDC_MENU_SELECTION_FONT_COLOR_PICK        2006
#define IDC_MENU_BACK_COLOR                       2007
#define IDC_MENU_BACK_COLOR_SWATCH                2008
#define IDC_MENU_BACK_COLOR_PICK                  2009
#define IDC_MENU_FONT_COLOR                       2010
#define IDC_MENU_FONT_COLOR_SWATCH                2011
#define IDC_MENU_FONT_COLOR_PICK                  2012
#define IDC_MENU_SEPARATOR_COLOR                  2013
#define IDC_MENU_SEPARATOR_COLOR_SWATCH           2014
#define IDC_MENU_SEPARATOR_COLOR_PICK             2015
#define IDC_MENU_SIDEBAR                          2016
#define IDC_MENU_SIDEBAR_COLOR                    2017
#define IDC_MENU_SIDEBAR_COLOR_SWATCH             2018
#define IDC_MENU_SIDEBAR_COLOR_PICK               2019
#define IDC_MENU_ALIGNMENT                        2020
#define IDC_MENU_ITEM_CAPTION                     2030
#define IDC_MENU_ITEM_ID                          2031
#define IDC_MENU_ITEM_SHORTCUT                    2032
#define IDC_MENU_ITEM_HYPERLINK                   2033
#define IDC_MENU_ITEM_HYPERLINK_ADDRESS           2034
#define IDC_MENU_ITEM_SEPARATOR                   2035
#define IDC_MENU_ITEM_ENABLED                     2036
#define IDC_MENU_ITEM_VISIBLE                     2037
#define IDC_MENU_ITEM_PICTURE                     2038
#define IDC_MENU_ITEM_PICTURE_PICK                2039
#define IDC_MENU_ITEM_PICTURE_CLEAR               2040
#define IDC_MENU_BUTTON_STYLE                     2050
#define IDC_MENU_BUTTON_ALIGNMENT                 2051
#define IDC_MENU_BUTTON_WIDTH                     2052
#define IDC_MENU_BUTTON_TRIANGLE_COLOR            2053
#define IDC_MENU_BUTTON_TRIANGLE_COLOR_SWATCH     2054
#define IDC_MENU_BUTTON_TRIANGLE_COLOR_PICK       2055
#define IDC_SHOW_MENU_BUTTON_TRIANGLE             2056
#define IDC_MENU_AUTO_DROP                        2057
#define IDC_MENU_ITEM_OUTDENT                     2060
#define IDC_MENU_ITEM_INDENT                      2061
#define IDC_MENU_ITEM_INSERT                      2062
#define IDC_MENU_ITEM_DELETE                      2063
#define IDC_MENU_ITEM_LIST                        2064

#ifndef RC_INVOKED

#include "activex/menu_access.h"
#include "activex/page_framework.h"
#include "menu/menu_editor_model.h"

namespace brixel::activex {

HRESULT CreateMenuEditorPage(REFIID iid, void** out) noexcept;

// Shows the page's own messages as modal boxes owned by the page.
class PageMessageBox final : public MessageBoxHost {
public:
    explicit PageMessageBox(const HWND& owner) : owner_(owner) {}
    void ShowMessage(std::u16string_view text, MessageBoxIcon icon) override;

private:
    const HWND& owner_;
};

class MenuEditorPage final : public PropertyPage {
public:
    MenuEditorPage();

    // The tree is checked before any bound property is written.
    HRESULT STDMETHODCALLTYPE Apply() noexcept override;

protected:
    void OnPageLoaded() override;
    bool OnPageCommand(int id, int code) override;
    INT_PTR OnPageMessage(UINT msg, WPARAM wparam, LPARAM lparam, bool& handled) override;
    HRESULT ApplyExtra() override;
    bool DrawItem(const DRAWITEMSTRUCT& item) override;

private:
    // The tree of the first selected control, when it offers one.
    win::ComPtr<IMenuAccess> MenuOf() const;
    void FillList();
    void ShowItemFields();
    void EnableItemFields();
    void RefreshLine(std::size_t line);
    void ItemFieldChanged(int id);
    void PickItemPicture();
    void AfterEdit();

    HWND owner_ = nullptr;  // the page window, once it exists
    PageMessageBox messages_{owner_};
    MenuEditorModel model_{messages_};
    bool showing_ = false;  // fields are being filled from the model, not edited
};

}  // namespace brixel::activex

#endif  // RC_INVOKED
