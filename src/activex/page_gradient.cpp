// The Gradient page: four groups of the same fields, one per state. Each
// group keeps its own rules (XP Style 2 holds colour 2 at white, the XP
// styles have no variant) and a preview drawn by the button's own gradient
// routines.
#include "activex/page_classes.h"
#include "activex/page_framework.h"
#include "activex/resource_ids.h"
#include "gdi/gdi_canvas.h"
#include "render/gradient.h"

#include <array>

namespace brixel::activex {
namespace {

#define GRADIENT_GROUP(ID, P)                                                                          \
    BindCheck(IDC_##ID##GRADIENT, P L"Gradient"),                                                      \
        BindList(IDC_##ID##GRADIENT_STYLE, P L"GradientStyle", "ENUM_GRADIENT_FILL_STYLE"),            \
        BindList(IDC_##ID##GRADIENT_STYLE_VARIANT, P L"GradientStyleVariant",                          \
                 "ENUM_GRADIENT_FILL_STYLE_VARIANT"),                                                  \
        BindColour(IDC_##ID##GRADIENT_COLOR_1, P L"GradientColor1", IDC_##ID##GRADIENT_COLOR_1_SWATCH, \
                   IDC_##ID##GRADIENT_COLOR_1_PICK),                                                   \
        BindColour(IDC_##ID##GRADIENT_COLOR_2, P L"GradientColor2", IDC_##ID##GRADIENT_COLOR_2_SWATCH, \
                   IDC_##ID##GRADIENT_COLOR_2_PICK)

constexpr FieldBinding kBindings[] = {
    GRADIENT_GROUP(, L""),
    GRADIENT_GROUP(MOUSE_IN_, L"MouseIn"),
    GRADIENT_GROUP(DOWN_, L"Down"),
    GRADIENT_GROUP(DISABLED_, L"Disabled"),
};

// The controls of one group that the rules and the preview read or change.
struct GradientGroup {
    int check, style, variant, colour1, colour2, colour2_pick, preview;
};

#define GROUP_IDS(ID)                                                                                  \
    GradientGroup {                                                                                    \
        IDC_##ID##GRADIENT, IDC_##ID##GRADIENT_STYLE, IDC_##ID##GRADIENT_STYLE_VARIANT,                \
            IDC_##ID##GRADIENT_COLOR_1, IDC_##ID##GRADIENT_COLOR_2, IDC_##ID##GRADIENT_COLOR_2_PICK,   \
            IDC_##ID##GRADIENT_PREVIEW                                                                 \
    }

constexpr std::array kGroups = {GROUP_IDS(), GROUP_IDS(MOUSE_IN_), GROUP_IDS(DOWN_), GROUP_IDS(DISABLED_)};

#undef GROUP_IDS
#undef GRADIENT_GROUP

class CPropPageGradientFill final : public PropertyPage {
public:
    CPropPageGradientFill()
        : PropertyPage({IDD_PAGE_GRADIENT, IDS_PAGE_GRADIENT, kBindings}), msimg32_(win::Msimg32::Load()) {}

protected:
    void OnPageLoaded() override {
        for (const GradientGroup& group : kGroups) EnforceRules(group);
    }
    void OnFieldsReread() override { OnPageLoaded(); }

    void OnFieldChanged(int id) override {
        for (const GradientGroup& group : kGroups) {
            if (id == group.style || id == group.variant || id == group.colour1 || id == group.colour2) {
                EnforceRules(group);
            }
        }
    }

    bool DrawItem(const DRAWITEMSTRUCT& item) override {
        for (const GradientGroup& group : kGroups) {
            if (static_cast<int>(item.CtlID) == group.preview) {
                DrawPreview(group, item);
                return true;
            }
        }
        return false;
    }

private:
    std::int16_t Style(const GradientGroup& group) const {
        return static_cast<std::int16_t>(::SendDlgItemMessageW(Window(), group.style, CB_GETCURSEL, 0, 0));
    }

    void EnforceRules(const GradientGroup& group) {
        const auto colour2 = ColourOf(Window(), group.colour2);
        const GradientGroupState state = GradientGroupRules(Style(group), colour2.value_or(0));
        if (!state.colour2_pick_enabled && colour2 != state.colour2) SetColour(Window(), group.colour2, state.colour2);
        ::EnableWindow(::GetDlgItem(Window(), group.colour2_pick), state.colour2_pick_enabled);
        ::EnableWindow(::GetDlgItem(Window(), group.variant), state.variant_enabled);
        ::InvalidateRect(::GetDlgItem(Window(), group.preview), nullptr, FALSE);
    }

    void DrawPreview(const GradientGroup& group, const DRAWITEMSTRUCT& item) {
        ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(COLOR_BTNFACE));
        GradientParams params;
        params.style = Style(group);
        const auto variant = ::SendDlgItemMessageW(Window(), group.variant, CB_GETCURSEL, 0, 0);
        params.variant = static_cast<std::int16_t>(variant < 0 ? 0 : variant);
        params.colour1 = win::FromColorRef(ScreenColour(ColourOf(Window(), group.colour1).value_or(0)));
        params.colour2 = win::FromColorRef(ScreenColour(ColourOf(Window(), group.colour2).value_or(0)));
        win::GdiCanvas canvas(item.hDC, &msimg32_);
        const Rect bounds{item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
        FillGradient(canvas, bounds, params, FastPrimitives::Allowed);
    }

    win::Msimg32 msimg32_;
};

}  // namespace

HRESULT CreateGradientPage(REFIID iid, void** out) noexcept {
    return CreatePropertyPage<CPropPageGradientFill>(iid, out);
}

}  // namespace brixel::activex
