#include "instance/button_instance.h"

#include "core/dispids.h"
#include "core/enums.h"
#include "native/core/model_fakes.h"
#include "native/render/recording_canvas.h"
#include "render/draw_button.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace brixel {
namespace {

using testing::FakeModelHost;
using testing::RecordingCanvas;

// The instance's host answers as the property model's recording fake does,
// so a model driven directly and an instance agree on every ambient.
class FakeInstanceHost final : public InstanceHost {
public:
    FakeModelHost answers;
    std::vector<testing::ShownMessage> messages;

    Rgb SystemColour(int index) const override { return answers.SystemColour(index); }
    void ShowMessage(std::u16string_view text, MessageBoxIcon icon) override {
        messages.push_back({std::u16string(text), icon});
    }
    std::optional<bool> AmbientUserMode() const override { return answers.AmbientUserMode(); }
    std::u16string AmbientDisplayName() const override { return answers.AmbientDisplayName(); }
    std::optional<OleColor> AmbientBackColor() const override { return answers.AmbientBackColor(); }
    std::optional<bool> AmbientDisplayAsDefault() const override { return answers.AmbientDisplayAsDefault(); }
    int ClientHeight() const override { return answers.ClientHeight(); }
    CaptionMetrics CaptionTextMetrics(const FontDesc& font) const override { return answers.CaptionTextMetrics(font); }
    std::int16_t DetectDesktopXPScheme() const override { return answers.DetectDesktopXPScheme(); }
    bool ParentIsWindowsForms() const override { return answers.ParentIsWindowsForms(); }
    OpenedFile OpenFile(std::u16string_view path) override { return answers.OpenFile(path); }
};

constexpr WindowId kWindow = 0x100;

// A window of 87 x 25 pixels that carries effects out as a real host must:
// it keeps the capture, stops at a destroyed control, checks the capture
// before a marked run, and sends a button-up back in as a step of its own.
struct InstanceScript {
    FakeInstanceHost host;
    ButtonInstance button{host};
    WindowFrame frame = WindowFrame::Shown(kWindow, 87, 25);
    std::vector<std::string> carried;  // what was carried out, nested steps included
    std::function<void(const Effect&)> handler;  // plays a user's event handler
    bool value_in_click = false;

    InstanceScript() { host.answers.user_mode = true; }

    std::vector<std::string> Run(const Effects& effects) {
        const std::size_t first = carried.size();
        CarryOut(effects);
        return {carried.begin() + static_cast<std::ptrdiff_t>(first), carried.end()};
    }

    void CarryOut(const Effects& effects) {
        bool run_allowed = true;
        bool in_run = false;
        for (const Effect& e : effects) {
            if (e.only_if_capture_lost && !in_run) run_allowed = frame.capture != frame.window;
            in_run = e.only_if_capture_lost;
            if (in_run && !run_allowed) continue;
            carried.push_back(Describe(e));
            Apply(e);
            if (IsEvent(e.kind) && frame.window == 0) return;
        }
    }

    void Apply(const Effect& e) {
        switch (e.kind) {
            case EffectKind::TakeCapture: frame.capture = frame.window; break;
            case EffectKind::ReleaseCapture:
                if (frame.capture == frame.window) frame.capture = 0;
                break;
            case EffectKind::GiveCaptureTo: frame.capture = e.window; break;
            case EffectKind::SendButtonUp: CarryOut(button.LeftButtonUp(frame, e.point, 0)); break;
            case EffectKind::SendSpaceKeyUp: CarryOut(button.KeyUp(frame, kKeySpace, 0)); break;
            case EffectKind::FireClick:
                button.ClickEventStarting();
                value_in_click = button.Value();
                if (handler) handler(e);
                button.ClickEventEnded();
                break;
            default:
                if (IsEvent(e.kind) && handler) handler(e);
                break;
        }
    }

    void Put(std::int32_t dispid, PropertyValue value) {
        const PutOutcome out = button.Put(dispid, value, frame);
        ASSERT_TRUE(out.result.status == PutStatus::Done || out.result.status == PutStatus::Unchanged) << dispid;
        CarryOut(out.effects);
    }
};

using Lines = std::vector<std::string>;

// Each step of a script with the effects it must produce, in order.
struct ScriptStep {
    std::function<Effects(InstanceScript&)> input;
    Lines expected;
};

struct ScriptCase {
    const char* name;
    std::function<void(InstanceScript&)> setup;
    std::vector<ScriptStep> steps;
};

Effects Down(InstanceScript& s, int x) { return s.button.LeftButtonDown(s.frame, {x, 5}, 0); }
Effects Up(InstanceScript& s, int x) { return s.button.LeftButtonUp(s.frame, {x, 5}, 0); }
Effects Move(InstanceScript& s, int x) { return s.button.MouseMove(s.frame, {x, 5}, kButtonLeft, 0); }
Effects Tick(InstanceScript& s) { return s.button.Timer(s.frame, kRepeatTimer); }

const Lines kPressAt10 = {"RelayToTooltip(0,10,5)", "HideContainerTooltip", "TakeFocus", "StartTimer(2,50)",
                          "StartTimer(3,50)", "TakeCapture", "TakeFocus", "Redraw(0)", "MouseDown(1,0,10,5)",
                          "[if capture lost] SendButtonUp(0,10,5)", "DefaultProcessing"};
const Lines kTicking = {};
const Lines kWhileHeld = {"WhileMouseDown", "[if capture lost] SendButtonUp(0,0,0)"};

const ScriptCase kScripts[] = {
    {"press_drag_out_and_back_release_clicks",
     nullptr,
     {{[](InstanceScript& s) { return Down(s, 10); }, kPressAt10},
      {[](InstanceScript& s) { return Move(s, 100); },
       {"RelayToTooltip(2,100,5)", "StopTimer(2)", "Redraw(0)", "MouseExit", "MouseMove(1,0,100,5)",
        "DefaultProcessing"}},
      {[](InstanceScript& s) { return Move(s, 10); },
       {"RelayToTooltip(2,10,5)", "PlaySound(1)", "Redraw(0)", "StartTimer(2,50)", "MouseEnter",
        "MouseMove(1,0,10,5)", "DefaultProcessing"}},
      {[](InstanceScript& s) { return Up(s, 10); },
       {"StopTimer(3)", "RelayToTooltip(1,10,5)", "Redraw(1)", "DefaultProcessing", "ReleaseCapture",
        "MouseUp(1,0,10,5)", "PlaySound(0)", "Click", "UIActivateAfterClick"}}}},
    {"release_outside_neither_clicks_nor_toggles",
     [](InstanceScript& s) { s.Put(dispid::kToggleButton, true); },
     {{[](InstanceScript& s) { return Down(s, 10); }, kPressAt10},
      {[](InstanceScript& s) { return Up(s, 100); },
       {"StopTimer(3)", "RelayToTooltip(1,100,5)", "Redraw(1)", "DefaultProcessing", "ReleaseCapture",
        "UIActivateAfterClick"}}}},
    {"toggle_button_flips_once_per_click",
     [](InstanceScript& s) { s.Put(dispid::kToggleButton, true); },
     {{[](InstanceScript& s) { return Down(s, 10); }, kPressAt10},
      {[](InstanceScript& s) { return Up(s, 10); },
       {"StopTimer(3)", "RelayToTooltip(1,10,5)", "Redraw(1)", "ButtonToggled(1)", "DefaultProcessing",
        "ReleaseCapture", "MouseUp(1,0,10,5)", "PlaySound(0)", "Click", "UIActivateAfterClick"}}}},
    {"held_press_repeats_after_four_ticks",
     nullptr,
     {{[](InstanceScript& s) { return Down(s, 10); }, kPressAt10},
      {Tick, kTicking},
      {Tick, kTicking},
      {Tick, kTicking},
      {Tick, kTicking},
      {Tick, kWhileHeld},
      {Tick, kWhileHeld}}},
    {"space_presses_on_down_and_clicks_on_up",
     nullptr,
     {{[](InstanceScript& s) { return s.button.KeyDown(s.frame, kKeySpace, false, 0); },
       {"Redraw(0)", "TakeCapture", "KeyDown(32,0)", "[if capture lost] SendSpaceKeyUp",
        "[if capture lost] ReleaseCapture", "[if capture lost] GiveCaptureTo(0)"}},
      {[](InstanceScript& s) { return s.button.KeyDown(s.frame, kKeySpace, true, 0); },
       {"KeyDown(32,0)", "[if capture lost] SendSpaceKeyUp", "[if capture lost] ReleaseCapture",
        "[if capture lost] GiveCaptureTo(0)"}},
      {[](InstanceScript& s) { return s.button.KeyUp(s.frame, kKeySpace, 0); },
       {"KeyUp(32,0)", "Redraw(0)", "PlaySound(0)", "Click", "ReleaseCapture"}}}},
    {"press_on_the_menu_part_drops_the_menu",
     [](InstanceScript& s) { s.Put(dispid::kMenu, true); },
     {{[](InstanceScript& s) { return Down(s, 80); },
       {"RelayToTooltip(0,80,5)", "HideContainerTooltip", "TakeFocus", "StartTimer(2,50)", "DropMenu"}},
      {[](InstanceScript& s) { return Down(s, 10); },
       {"RelayToTooltip(0,10,5)", "HideContainerTooltip", "TakeFocus", "StartTimer(3,50)", "TakeCapture",
        "TakeFocus", "Redraw(0)", "MouseDown(1,0,10,5)", "[if capture lost] SendButtonUp(0,10,5)",
        "DefaultProcessing"}}}},
};

class InstanceScriptTest : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(InstanceScriptTest, EffectsComeInOrder) {
    const ScriptCase& c = GetParam();
    InstanceScript s;
    if (c.setup) c.setup(s);
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
        const Effects effects = c.steps[i].input(s);
        EXPECT_EQ(Describe(effects), c.steps[i].expected) << "step " << i;
        s.Run(effects);
    }
}

INSTANTIATE_TEST_SUITE_P(Scripts, InstanceScriptTest, ::testing::ValuesIn(kScripts),
                         [](const auto& info) { return std::string(info.param.name); });

// --- The host's side of the contract ------------------------------------------------

TEST(InstanceHostContract, AHandlerTakingTheCaptureEndsThePressThroughANewStep) {
    InstanceScript s;
    s.handler = [&](const Effect& e) {
        if (e.kind == EffectKind::FireMouseDown) s.frame.capture = 0x200;  // another window grabs it
    };
    const Lines carried = s.Run(Down(s, 10));
    const Lines tail(carried.end() - 11, carried.end());
    EXPECT_EQ(tail, (Lines{"[if capture lost] SendButtonUp(0,10,5)", "StopTimer(3)", "RelayToTooltip(1,10,5)",
                           "Redraw(1)", "DefaultProcessing", "ReleaseCapture", "MouseUp(1,0,10,5)", "PlaySound(0)",
                           "Click", "UIActivateAfterClick", "DefaultProcessing"}));
    EXPECT_FALSE(s.button.Interaction().pressed);
}

TEST(InstanceHostContract, TheCaptureStillHeldSkipsTheMarkedRun) {
    InstanceScript s;
    s.Run(Down(s, 10));
    for (int i = 0; i < 4; ++i) s.Run(Tick(s));
    EXPECT_EQ(s.Run(Tick(s)), (Lines{"WhileMouseDown"}));
    EXPECT_TRUE(s.button.Interaction().pressed);
}

TEST(InstanceHostContract, NothingRunsAfterAnEventWhoseHandlerDestroyedTheControl) {
    InstanceScript s;
    s.Run(Down(s, 10));
    s.handler = [&](const Effect& e) {
        if (e.kind == EffectKind::FireMouseUp) s.frame.window = 0;
    };
    const Lines carried = s.Run(Up(s, 10));
    EXPECT_EQ(carried.back(), "MouseUp(1,0,10,5)");
}

TEST(InstanceHostContract, ValueReadsTrueOnlyWhileTheClickEventRuns) {
    InstanceScript s;
    s.Run(s.button.PerformClick(s.frame));
    EXPECT_TRUE(s.value_in_click);
    EXPECT_FALSE(s.button.Value());
}

// --- Properties through the instance ------------------------------------------------

TEST(InstanceProperties, WritesReadBackAndReportTheirEffects) {
    InstanceScript s;
    s.host.answers.user_mode = false;  // design time: the change is announced
    const PutOutcome out = s.button.Put(dispid::kCaption, PropertyValue(std::u16string(u"Go")), s.frame);
    EXPECT_EQ(out.result.status, PutStatus::Done);
    EXPECT_EQ(s.button.Get(dispid::kCaption), PropertyValue(std::u16string(u"Go")));
    EXPECT_EQ(Describe(out.effects), (Lines{"Redraw(0)", "MarkModified", "NotifyPropertyChanged(-518)"}));
}

TEST(InstanceProperties, ARefusedWriteShowsTheMessageAndKeepsTheValue) {
    InstanceScript s;
    s.Put(dispid::kMenu, true);
    const PutOutcome out = s.button.Put(dispid::kToggleButton, PropertyValue(true), s.frame);
    EXPECT_EQ(out.result.status, PutStatus::Refused);
    EXPECT_EQ(s.button.Get(dispid::kToggleButton), PropertyValue(false));
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].text, u"This property is invalid if Menu property is set to True");
}

TEST(InstanceProperties, ValueTrueClicksThroughTheBehaviourWithAWindowAndFiresAloneWithout) {
    InstanceScript s;
    EXPECT_EQ(Describe(s.button.Put(dispid::kValue, PropertyValue(true), s.frame).effects),
              (Lines{"PlaySound(0)", "Click", "UIActivateAfterClick", "MarkModified"}));
    EXPECT_EQ(Describe(s.button.Put(dispid::kValue, PropertyValue(true), WindowFrame{}).effects),
              (Lines{"Click", "MarkModified"}));
}

TEST(InstanceProperties, SwitchingToggleButtonOffClearsTheLatchedState) {
    InstanceScript s;
    s.Put(dispid::kToggleButton, true);
    s.Run(s.button.SetToggleState(s.frame, true));
    ASSERT_TRUE(s.button.GetToggleState());
    s.Put(dispid::kToggleButton, false);
    EXPECT_FALSE(s.button.Interaction().toggled);
}

// --- A live host: effects carried out as they come ---------------------------------

// A window procedure's view: each effect happens at once, handlers run in the
// middle of the step, and the window is asked for afresh.
struct LiveScript final : LiveHost {
    FakeInstanceHost host;
    ButtonInstance button{host};
    WindowFrame frame = WindowFrame::Shown(kWindow, 87, 25);
    Lines carried;
    std::function<void(Effect&)> handler;

    LiveScript() {
        host.answers.user_mode = true;
        button.AttachLiveHost(this);
    }
    void Carry(Effect& e) override {
        carried.push_back(Describe(e));
        if (e.kind == EffectKind::TakeCapture) frame.capture = frame.window;
        if (e.kind == EffectKind::ReleaseCapture && frame.capture == frame.window) frame.capture = 0;
        if (e.kind == EffectKind::SendButtonUp) button.LeftButtonUp(frame, e.point, 0);
        if (handler && IsEvent(e.kind)) handler(e);
    }
    WindowFrame Frame() const override { return frame; }
};

TEST(InstanceLiveHost, StepsReturnNothingAndCarryEachEffectInOrder) {
    LiveScript s;
    EXPECT_TRUE(s.button.LeftButtonDown(WindowFrame{}, {10, 5}, 0).empty());
    EXPECT_EQ(s.carried, (Lines{"RelayToTooltip(0,10,5)", "HideContainerTooltip", "TakeFocus", "StartTimer(2,50)",
                                "StartTimer(3,50)", "TakeCapture", "TakeFocus", "Redraw(0)", "MouseDown(1,0,10,5)",
                                "DefaultProcessing"}));
}

// What a collecting host cannot see: the state a handler left behind.
TEST(InstanceLiveHost, LaterQuestionsSeeWhatAHandlerChanged) {
    LiveScript s;
    s.button.Put(dispid::kHyperlink, PropertyValue(true), s.frame);
    s.button.Put(dispid::kHyperlinkAddress, PropertyValue(std::u16string(u"http://example.test/")), s.frame);
    s.button.LeftButtonDown(s.frame, {10, 5}, 0);
    s.handler = [&](Effect& e) {
        if (e.kind == EffectKind::FireClick) s.button.Put(dispid::kHyperlink, PropertyValue(false), s.frame);
    };
    s.carried.clear();
    s.button.LeftButtonUp(s.frame, {10, 5}, 0);
    EXPECT_EQ(std::count(s.carried.begin(), s.carried.end(), "OpenHyperlink"), 0);
    EXPECT_EQ(std::count(s.carried.begin(), s.carried.end(), "Click"), 1);
}

TEST(InstanceLiveHost, ACaptureTakenByAHandlerEndsThePressAtOnce) {
    LiveScript s;
    s.handler = [&](Effect& e) {
        if (e.kind == EffectKind::FireMouseDown) s.frame.capture = 0x200;
    };
    s.button.LeftButtonDown(s.frame, {10, 5}, 0);
    EXPECT_EQ(std::count(s.carried.begin(), s.carried.end(), "SendButtonUp(0,10,5)"), 1);
    EXPECT_EQ(std::count(s.carried.begin(), s.carried.end(), "Click"), 1);
    EXPECT_FALSE(s.button.Interaction().pressed);
}

TEST(InstanceLiveHost, AKeyCodeZeroedByTheHandlerStopsTheDefaultProcessing) {
    LiveScript s;
    s.button.KeyDown(s.frame, kKeyTab, false, 0);
    EXPECT_TRUE(s.button.KeyDefaultRuns());
    s.handler = [](Effect& e) {
        if (e.kind == EffectKind::FireKeyDown) e.code = 0;
    };
    s.button.KeyDown(s.frame, kKeyTab, false, 0);
    EXPECT_FALSE(s.button.KeyDefaultRuns());
}

TEST(InstanceLiveHost, TheMenuLoopsEndIsCarriedOutToo) {
    LiveScript s;
    s.frame.cursor = {40, 10};
    s.button.MouseMove(s.frame, {40, 10}, 0, 0);  // the pointer is in
    s.frame.cursor = {200, 10};
    s.carried.clear();
    s.button.MenuLoopEnded();
    EXPECT_EQ(s.carried, (Lines{"StopTimer(2)", "Redraw(0)", "MouseExit"}));
}

// --- Without a window -------------------------------------------------------------------

struct WindowlessCase {
    const char* name;
    std::vector<std::pair<std::int32_t, PropertyValue>> puts;
    std::function<Effects(ButtonInstance&)> step;
    Lines expected;
};

const WindowlessCase kWindowless[] = {
    {"perform_click_fires_click_alone", {}, [](ButtonInstance& b) { return b.PerformClick(WindowFrame{}); },
     {"Click"}},
    {"inactive_button_does_not_click",
     {{dispid::kActive, false}},
     [](ButtonInstance& b) { return b.PerformClick(WindowFrame{}); },
     {}},
    {"disabled_button_does_not_click",
     {{dispid::kEnabled, false}},
     [](ButtonInstance& b) { return b.PerformClick(WindowFrame{}); },
     {}},
    {"drop_down_only_menu_button_does_not_click",
     {{dispid::kMenu, true}, {dispid::kMenuButtonStyle, std::int16_t{kvnMenuButtonStyleDropDown}}},
     [](ButtonInstance& b) { return b.PerformClick(WindowFrame{}); },
     {}},
    {"click_actions_click_as_perform_click", {},
     [](ButtonInstance& b) { return b.PerformClickActions(WindowFrame{}); }, {"Click"}},
    {"mnemonic_clicks_without_sound", {}, [](ButtonInstance& b) { return b.Mnemonic(WindowFrame{}, 'G'); },
     {"Click"}},
    {"mnemonic_of_inactive_button_does_nothing",
     {{dispid::kActive, false}},
     [](ButtonInstance& b) { return b.Mnemonic(WindowFrame{}, 'G'); },
     {}},
    {"set_focus_has_no_window_to_focus", {}, [](ButtonInstance& b) { return b.SetFocus(WindowFrame{}); }, {}},
};

class InstanceWindowlessTest : public ::testing::TestWithParam<WindowlessCase> {};

TEST_P(InstanceWindowlessTest, StepsWithoutAWindow) {
    const WindowlessCase& c = GetParam();
    FakeInstanceHost host;
    ButtonInstance button(host);
    for (const auto& [id, value] : c.puts) button.Put(id, value, WindowFrame{});
    EXPECT_EQ(Describe(c.step(button)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Steps, InstanceWindowlessTest, ::testing::ValuesIn(kWindowless),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(InstanceWindowless, AClickFromInsideClickIsNotRepeated) {
    FakeInstanceHost host;
    ButtonInstance button(host);
    button.ClickEventStarting();
    EXPECT_TRUE(button.PerformClick(WindowFrame{}).empty());
    button.ClickEventEnded();
}

// --- The paint model ------------------------------------------------------------------------

// The ActiveX control fills the paint model from its property model, its
// behaviour's flags and its host; the instance must paint the same face.
struct PaintCase {
    const char* name;
    std::vector<std::pair<std::int32_t, PropertyValue>> puts;
    bool pressed_toggle = false;
};

const PaintCase kPaintCases[] = {
    {"defaults", {}},
    {"3d_face_with_caption",
     {{dispid::kAppearance, std::int16_t{kvn3D}}, {dispid::kCaption, std::u16string(u"Save")}}},
    {"xp_face", {{dispid::kAppearance, std::int16_t{kvnXPStyleAPB}}}},
    {"gradient", {{dispid::kGradient, true}, {dispid::kGradientStyle, std::int16_t{kvnGradientStyleVertical}}}},
    {"split_menu_button", {{dispid::kMenu, true}}},
    {"latched_toggle", {{dispid::kToggleButton, true}}, true},
};

class InstancePaintTest : public ::testing::TestWithParam<PaintCase> {};

TEST_P(InstancePaintTest, PaintsAsTheModelDrivenDirectly) {
    const PaintCase& c = GetParam();
    InstanceScript s;
    testing::ModelFixture direct;
    direct.host.user_mode = true;
    for (const auto& [id, value] : c.puts) {
        s.Put(id, value);
        direct.Put(id, value);
    }
    if (c.pressed_toggle) {
        s.Run(s.button.SetToggleState(s.frame, true));
        direct.behavior.state.toggled = true;
    }
    FaceInputs inputs;
    inputs.has_focus = true;
    inputs.parent_back_colour = Rgb{10, 20, 30};

    PaintModel expected;
    expected.props = direct.model.Props();
    expected.state = direct.model.Interaction();
    expected.has_focus = true;
    expected.user_mode = direct.model.UserMode();
    expected.display_as_default = direct.model.DisplayAsDefault();
    expected.windows_forms_host = direct.host.ParentIsWindowsForms();
    expected.parent_back_colour = inputs.parent_back_colour;
    expected.detected_xp_scheme = direct.host.DetectDesktopXPScheme();
    expected.system_colours = &direct.host;

    const Rect client{0, 0, 87, 25};
    RecordingCanvas from_instance, from_model;
    DrawTheButton(from_instance, client, false, s.button.BuildPaintModel(inputs));
    DrawTheButton(from_model, client, false, expected);
    EXPECT_FALSE(from_model.calls.empty());
    EXPECT_EQ(from_instance.Transcript(), from_model.Transcript());
}

INSTANTIATE_TEST_SUITE_P(Faces, InstancePaintTest, ::testing::ValuesIn(kPaintCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brixel
