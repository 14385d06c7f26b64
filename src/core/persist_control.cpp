#include "core/persist_control.h"

#include <iterator>
#include <type_traits>
#include <vector>

#include "core/dispids.h"

namespace brixel {
namespace {

using P = ButtonProperties;

enum class Special : std::uint8_t {
    None,
    Value,
    ClickSoundMemory,
    MouseInSoundMemory,
    MenuExchangeStyle,
    MenuTree
};

// One visit of the exchange: a record member (its key, type and default come
// from the member table) or one of the values the table does not hold.
struct Step {
    RecordField field;
    Special special = Special::None;
};

constexpr Step Is(Special special) { return {{}, special}; }

// The stored order. Changing it changes the stream format.
const Step kSteps[] = {
    // Switches.
    {&P::CoolButton},
    {&P::ShowFocusBorder},
    {&P::ShowDefaultBorder},
    {&P::Active},
    {&P::Hyperlink},
    {&P::ShowHyperlink},
    {&P::ToggleButton},
    {&P::CustomBorderColor},
    {&P::CustomBackBorderColor},
    {&P::CustomMouseInBorderColor},
    {&P::EnableMouseInProperties},
    {&P::EnableDownProperties},
    {&P::EnableDisabledProperties},
    {&P::CaptionWrap},
    {&P::Menu},
    {&P::MenuSidebar},
    {&P::RightToLeft},
    {&P::ShowMenuButtonTriangle},
    Is(Special::Value),
    // Small numbers and enumerations.
    {&P::Bevel},
    {&P::XPColorScheme},
    {&P::CaptionVAlignment},
    {&P::CaptionHAlignment},
    {&P::PictureVAlignment},
    {&P::PictureHAlignment},
    {&P::DisabledPictureVAlignment},
    {&P::DisabledPictureHAlignment},
    {&P::DownPictureVAlignment},
    {&P::DownPictureHAlignment},
    {&P::MouseInPictureVAlignment},
    {&P::MouseInPictureHAlignment},
    {&P::MousePointer},
    {&P::ClickSound},
    {&P::MouseInSound},
    {&P::BorderStyle},
    {&P::MouseInBorderStyle},
    {&P::DownBorderStyle},
    {&P::TranslucentStyle},
    {&P::TranslucentLevel},
    {&P::PictureStyle},
    {&P::MouseInPictureStyle},
    {&P::DownPictureStyle},
    {&P::DisabledPictureStyle},
    {&P::PictureEffectWhenMouseOver},
    {&P::PictureEffectWhenMouseDown},
    {&P::AppearanceStyle},
    // Colours; the second BackColor is the one that decides.
    {&P::BevelUpperShade},
    {&P::BevelLowerShade},
    {&P::BackColor},
    {&P::DownBackColor},
    {&P::MouseInBackColor},
    {&P::DisabledBackColor},
    {&P::BorderColor},
    {&P::DisabledBorderColor},
    {&P::MouseInBorderColor},
    {&P::DownBorderColor},
    {&P::FontColor},
    {&P::MouseInFontColor},
    {&P::DisabledFontColor},
    {&P::DownFontColor},
    {&P::PictureTransparentColor},
    {&P::DisabledPictureTransparentColor},
    {&P::DownPictureTransparentColor},
    {&P::MouseInPictureTransparentColor},
    {&P::MenuSelectionBackColor},
    {&P::MenuSidebarColor},
    {&P::MenuFontColor},
    {&P::MenuSeparatorColor},
    {&P::MenuBackColor},
    {&P::MenuSelectionFontColor},
    // Pictures.
    {&P::Picture},
    {&P::MouseInPicture},
    {&P::DownPicture},
    {&P::DisabledPicture},
    {&P::MouseIcon},
    // Texts.
    {&P::ToolTipText},
    {&P::ClickSoundFile},
    {&P::MouseInSoundFile},
    {&P::HyperlinkAddress},
    {&P::CaptionMargins},
    {&P::PictureMargins},
    {&P::CornerStyle},
    {&P::CornerRoundingLevel},
    // The sound files' bytes, so that a sound outlives its file.
    Is(Special::ClickSoundMemory),
    Is(Special::MouseInSoundMemory),
    {&P::Appearance},
    {&P::MouseInFont},
    {&P::DisabledFont},
    {&P::DownFont},
    {&P::MenuFont},
    // Gradients of the four states.
    {&P::Gradient},
    {&P::GradientStyle},
    {&P::GradientStyleVariant},
    {&P::GradientColor1},
    {&P::GradientColor2},
    {&P::MouseInGradient},
    {&P::MouseInGradientStyle},
    {&P::MouseInGradientStyleVariant},
    {&P::MouseInGradientColor1},
    {&P::MouseInGradientColor2},
    {&P::DisabledGradient},
    {&P::DisabledGradientStyle},
    {&P::DisabledGradientStyleVariant},
    {&P::DisabledGradientColor1},
    {&P::DisabledGradientColor2},
    {&P::DownGradient},
    {&P::DownGradientStyle},
    {&P::DownGradientStyleVariant},
    {&P::DownGradientColor1},
    {&P::DownGradientColor2},
    // The menu.
    Is(Special::MenuExchangeStyle),
    Is(Special::MenuTree),
    {&P::MenuButtonStyle},
    {&P::MenuButtonAlignment},
    {&P::MenuButtonWidth},
    {&P::MenuButtonTriangleColor},
    {&P::MenuAlignment},
    {&P::Font},
    {&P::MenuAutoDrop},
};

struct StockStep {
    std::int32_t bit;
    RecordField field;
};

const StockStep kStockSteps[] = {
    {kStockCaption, &P::Caption}, {kStockBackColor, &P::BackColor}, {kStockEnabled, &P::Enabled}};

// What the defaults of this exchange depend on.
struct Defaults {
    std::uint32_t version;
    std::u16string display_name;
    OleColor button_face;

    PropertyValue For(const MemberInfo& m) const {
        return DefaultOf(m, version, display_name, button_face).value_or(PropertyValue{false});
    }
};

// The row that persists a record member (the default member `_Caption`
// shares Caption's field but has no key of its own).
const MemberInfo* PersistedMember(const RecordField& field) {
    for (const MemberInfo& m : MemberTable()) {
        if (!m.persist_key.empty() && m.field == field) return &m;
    }
    return nullptr;
}

// The persisting row of each step, looked up once: the table search per step
// was most of the cost of a load or save.
const std::vector<const MemberInfo*>& StepMembers() {
    static const std::vector<const MemberInfo*> members = [] {
        std::vector<const MemberInfo*> rows;
        for (const Step& step : kSteps)
            rows.push_back(step.special == Special::None ? PersistedMember(step.field) : nullptr);
        return rows;
    }();
    return members;
}

void ExchangeMember(PropertyExchange& px, ButtonProperties& p, const MemberInfo& m,
                    const PropertyValue& def) {
    std::visit(
        [&](auto field) {
            if constexpr (!std::is_same_v<decltype(field), std::monostate>) {
                using T = std::remove_reference_t<decltype(p.*field)>;
                if (const T* d = std::get_if<T>(&def)) px.Exchange(m.persist_key, p.*field, *d);
            }
        },
        m.field);
}

// A value the stored data does not carry takes its default without a visit.
void ExchangeOrDefault(PropertyExchange& px, ButtonProperties& p, const MemberInfo& m,
                       const PropertyValue& def, bool stored) {
    if (px.Saving() || stored) {
        ExchangeMember(px, p, m, def);
    } else {
        WriteField(p, m.field, def);
    }
}

void ExchangeStockProperties(PropertyExchange& px, ButtonProperties& p, const Defaults& d) {
    std::int32_t mask = kStockPropsMask;
    px.ExchangeLong(kStockPropsKey, mask, kStockPropsMask);
    for (const StockStep& s : kStockSteps) {
        const MemberInfo* m = PersistedMember(s.field);
        if (m == nullptr) continue;
        PropertyValue def = d.For(*m);
        if (s.bit == kStockBackColor) {
            def = d.version >= kDataVersion2 ? kStockBackColorDefault : kStockBackColorOldDefault;
        }
        ExchangeOrDefault(px, p, *m, def, (mask & s.bit) != 0);
    }
}

// The model keeps a sound as its block (a 32-bit count, then the file); the
// exchange carries the file's bytes.
void ExchangeSoundMemory(PropertyExchange& px, ButtonModel& model, SoundSlotId slot, std::string_view key) {
    std::optional<ByteBlock> file;
    if (const std::optional<SoundBlock>& block = model.SoundMemory(slot); block && px.Saving()) {
        const std::span<const std::uint8_t> data = SoundBlockData(*block);
        file.emplace(data.begin(), data.end());
    }
    px.ExchangeBlob(key, file, kMaxSoundFileBytes);
    if (px.Saving()) return;
    std::optional<SoundBlock> loaded;
    if (file) {
        loaded.emplace();
        const auto count = static_cast<std::uint32_t>(file->size());
        for (int i = 0; i < 4; ++i) loaded->push_back(static_cast<std::uint8_t>(count >> (8 * i)));
        loaded->insert(loaded->end(), file->begin(), file->end());
    }
    model.SetSoundMemory(slot, std::move(loaded));
}

// Value is run-time state: it is written as it stands (FALSE outside a click)
// and a stored TRUE is read past, never applied, so that opening a document
// can neither click the button nor leave Value stuck.
void ExchangeValue(PropertyExchange& px, const ButtonModel& model) {
    const MemberInfo* m = FindMember(dispid::kValue);
    const std::optional<PropertyValue> now = model.Get(dispid::kValue);
    bool value = now && std::holds_alternative<bool>(*now) && std::get<bool>(*now);
    px.ExchangeBool(m->persist_key, value, false);
}

void ExchangeMenuExchangeStyle(PropertyExchange& px, ControlPersistState& state) {
    if (px.Saving()) state.menu_exchange_style = kMenuLayoutCurrent;
    if (px.Version() >= kCurrentDataVersion) {
        px.ExchangeShort(kMenuExchangeStyleKey, state.menu_exchange_style, kMenuLayoutOld);
    } else {
        state.menu_exchange_style = kMenuLayoutOld;
    }
}

struct Target {
    ButtonModel& model;
    ControlPersistState& state;
    MenuExchangeLink& menu;
};

void ExchangeSpecial(PropertyExchange& px, Target& t, Special special) {
    switch (special) {
        case Special::Value: ExchangeValue(px, t.model); break;
        case Special::ClickSoundMemory:
            ExchangeSoundMemory(px, t.model, SoundSlotId::Click, kClickSoundMemoryKey);
            break;
        case Special::MouseInSoundMemory:
            ExchangeSoundMemory(px, t.model, SoundSlotId::MouseIn, kMouseInSoundMemoryKey);
            break;
        case Special::MenuExchangeStyle: ExchangeMenuExchangeStyle(px, t.state); break;
        case Special::MenuTree: t.menu.ExchangeMenuTree(px, t.state.menu_exchange_style); break;
        case Special::None: break;
    }
}

}  // namespace

void ExchangeControl(PropertyExchange& px, ButtonModel& model, ModelHost& host, ControlPersistState& state,
                     MenuExchangeLink& menu) {
    ButtonProperties& p = model.PropsForExchange();
    const bool was_enabled = p.Enabled;
    const bool was_active = p.Active;
    const Defaults d{px.ExchangeVersion(kCurrentDataVersion), host.AmbientDisplayName(),
                     MakeOleColor(host.SystemColour(kColourBtnFace))};
    px.ExchangeLong(kExtentXKey, state.extent_x, state.extent_x);
    px.ExchangeLong(kExtentYKey, state.extent_y, state.extent_y);
    if (!ExtentSideInRange(state.extent_x)) state.extent_x = kDefaultExtentX;
    if (!ExtentSideInRange(state.extent_y)) state.extent_y = kDefaultExtentY;
    ExchangeStockProperties(px, p, d);

    Target target{model, state, menu};
    const std::vector<const MemberInfo*>& members = StepMembers();
    for (std::size_t i = 0; i < std::size(kSteps); ++i) {
        if (kSteps[i].special != Special::None) {
            ExchangeSpecial(px, target, kSteps[i].special);
        } else if (const MemberInfo* m = members[i]) {
            ExchangeOrDefault(px, p, *m, d.For(*m), d.version >= m->since_version);
        }
    }
    if (px.Saving()) return;
    // Older data has no auto-drop switch: its default leaves the arming cleared.
    model.ArmAutoDropFromProperties();
    // The window follows at once; an inactive or disabled control takes no input.
    if (p.Enabled != was_enabled || p.Active != was_active) host.EnableWindow(p.Enabled && p.Active);
}

}  // namespace brixel
