#include "activex/page_classes.h"

#include "activex/brixeldemo.h"

#include "activex/menu_editor_page.h"

namespace brixel::activex {

std::span<const PageClass> PageClasses() {
    static const PageClass classes[] = {
        {{&CLSID_TavloPropPage, &CreateAppearancePage}, L"BrixelDemo.TavloPropPage.1", L"BrixelDemo Appearance Page"},
        {{&CLSID_PropPageMore, &CreateBehaviorPage}, L"BrixelDemo.CPropPageMore", L"BrixelDemo Behavior Page"},
        {{&CLSID_PropPageGradientFill, &CreateGradientPage}, L"BrixelDemo.CPropPageGradientFill",
         L"BrixelDemo Gradient Page"},
        {{&CLSID_PropPagePicture, &CreatePicturePage}, L"BrixelDemo.CPropPagePicture", L"BrixelDemo Picture Page"},
        {{&CLSID_PropPageDropMenu, &CreateMenuEditorPage}, L"BrixelDemo.CPropPageDropMenu", L"BrixelDemo Menu Page"},
        {{&CLSID_PropPageColors, &CreateColoursPage}, L"BrixelDemo.PropPageColors", L"BrixelDemo Colors Page"},
    };
    return classes;
}

}  // namespace brixel::activex
