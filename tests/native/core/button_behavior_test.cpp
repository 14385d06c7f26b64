#include "core/button_behavior.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace brixel {
namespace {

// A control window of 87 x 25 pixels whose right 17 pixels are the menu
// strip of a split button. It records every event and the side effects a
// test cares about, and runs a hook after chosen events so tests can play a
// hostile handler.
class FakeWindow final : public BehaviorHost {
public:
    BehaviorSettings settings;
    bool alive = true;
    WindowId window = 0x100;
    WindowId capture = 0;
    bool cursor_outside = false;
    std::map<int, bool> timers;
    std::vector<std::string> log;  // events only
    int redraws = 0;
    int drops = 0;
    int hyperlinks = 0;
    int sounds_click = 0;
    int sounds_mouse_in = 0;
    int button_ups_sent = 0;
    int space_ups_sent = 0;
    int focus_passed = 0;
    int ui_activations = 0;
    int default_processing = 0;
    std::function<void(const std::string&)> on_event;
    ButtonBehavior* behavior = nullptr;

    BehaviorSettings Settings() const override { return settings; }
    bool ClientContains(Point p) const override { return p.x >= 0 && p.y >= 0 && p.x < 87 && p.y < 25; }
    bool InMenuButtonStrip(Point p) const override { return ClientContains(p) && p.x >= 70; }
    bool CursorOutsideClient() const override { return cursor_outside; }
    bool WindowAlive() const override { return alive; }
    WindowId Window() const override { return window; }
    bool HoldsCapture() const override { return alive && capture == window; }
    WindowId CaptureWindow() const override { return capture; }
    void TakeCapture() override { capture = window; }
    void ReleaseCapture() override {
        if (capture == window) capture = 0;
    }
    void GiveCaptureTo(WindowId w) override { capture = w; }
    void TakeFocus() override {}
    void PassFocusToNextControl() override { ++focus_passed; }
    void StartTimer(int id, int) override { timers[id] = true; }
    void StopTimer(int id) override { timers[id] = false; }
    void Redraw(bool) override {
        ++redraws;
        if (log_redraws) log.push_back(behavior->Flags().mouse_in ? "Redraw hot" : "Redraw");
    }
    void ShowFocusBorder(bool) override {}
    void ShowHandCursor() override {}
    void RelayToTooltip(TooltipRelay, Point) override {}
    void HideContainerTooltip() override {}
    void DefaultProcessing() override { ++default_processing; }
    void SendButtonUp(MouseButton button, Point p) override {
        ++button_ups_sent;
        if (button == MouseButton::Left) behavior->LeftButtonUp(p, 0);
    }
    void SendSpaceKeyUp() override {
        ++space_ups_sent;
        behavior->KeyUp(kKeySpace, 0);
    }
    void UIActivateAfterClick() override { ++ui_activations; }
    void DropMenu() override { ++drops; }
    void PlayButtonSound(SoundSlot slot) override { ++(slot == SoundSlot::Click ? sounds_click : sounds_mouse_in); }
    void OpenButtonHyperlink() override { ++hyperlinks; }

    void FireClick() override { Event("Click"); }
    void FireDblClick() override { Event("DblClick"); }
    void FireMouseDown(std::int16_t b, std::int16_t s, int x, int y) override { Event(Mouse("MouseDown", b, s, x, y)); }
    void FireMouseMove(std::int16_t b, std::int16_t s, int x, int y) override { Event(Mouse("MouseMove", b, s, x, y)); }
    void FireMouseUp(std::int16_t b, std::int16_t s, int x, int y) override { Event(Mouse("MouseUp", b, s, x, y)); }
    void FireKeyDown(std::int16_t& key, std::int16_t) override {
        Event("KeyDown " + std::to_string(key));
        if (zero_key_codes) key = 0;
    }
    void FireKeyPress(std::int16_t& key) override { Event("KeyPress " + std::to_string(key)); }
    void FireKeyUp(std::int16_t& key, std::int16_t) override { Event("KeyUp " + std::to_string(key)); }
    void FireMouseEnter() override { Event("MouseEnter"); }
    void FireMouseExit() override { Event("MouseExit"); }
    void FireButtonToggled(bool t) override { Event(std::string("ButtonToggled ") + (t ? "1" : "0")); }
    void FireWhileMouseDown() override { Event("WhileMouseDown"); }

    bool log_redraws = false;  // redraws join the event log, with the face they show
    bool zero_key_codes = false;
    bool value_during_click = false;

private:
    static std::string Mouse(const char* name, std::int16_t b, std::int16_t s, int x, int y) {
        return std::string(name) + " " + std::to_string(b) + "," + std::to_string(s) + "," + std::to_string(x) + "," +
               std::to_string(y);
    }
    void Event(const std::string& e) {
        log.push_back(e);
        if (e == "Click") value_during_click = behavior->Value();
        if (on_event) on_event(e);
    }
};

class Behavior : public ::testing::Test {
protected:
    Behavior() { host.behavior = &button; }

    // Only the events whose names are listed, to keep expectations readable.
    std::vector<std::string> Events(std::initializer_list<const char*> wanted) const {
        std::vector<std::string> out;
        for (const std::string& e : host.log) {
            for (const char* w : wanted) {
                if (e.rfind(w, 0) == 0) out.push_back(e);
            }
        }
        return out;
    }
    int Count(const std::string& name) const {
        int n = 0;
        for (const std::string& e : host.log) n += e.rfind(name, 0) == 0 ? 1 : 0;
        return n;
    }
    void Click(Point p = {10, 10}) {
        button.MouseMove(p, 0, 0);
        button.LeftButtonDown(p, 0);
        button.LeftButtonUp(p, 0);
    }
    void Tick(int id, int times = 1) {
        for (int i = 0; i < times; ++i) button.Timer(id);
    }

    FakeWindow host;
    ButtonBehavior button{host};
};

using Strings = std::vector<std::string>;

TEST_F(Behavior, PlainClickFiresInOrder) {
    Click();
    EXPECT_EQ(Events({"MouseEnter", "MouseDown", "MouseUp", "Click"}),
              (Strings{"MouseEnter", "MouseDown 1,0,10,10", "MouseUp 1,0,10,10", "Click"}));
    EXPECT_EQ(host.sounds_click, 1);
    EXPECT_EQ(host.sounds_mouse_in, 1);
    EXPECT_FALSE(button.Flags().pressed);
    EXPECT_EQ(host.capture, 0u) << "the capture must be released";
    EXPECT_FALSE(host.timers[kRepeatTimer]);
    EXPECT_EQ(host.ui_activations, 1);
}

TEST_F(Behavior, DragOutAndBackThenReleaseInsideTogglesOnce) {
    host.settings.toggle_button = true;
    button.MouseMove({10, 10}, 0, 0);
    button.LeftButtonDown({10, 10}, 0);
    EXPECT_TRUE(button.Flags().pressed);
    button.MouseMove({200, 10}, kButtonLeft, 0);
    EXPECT_FALSE(button.Flags().pressed) << "outside, the face shows up";
    EXPECT_TRUE(host.HoldsCapture()) << "tracking goes on outside";
    button.MouseMove({20, 10}, kButtonLeft, 0);
    EXPECT_TRUE(button.Flags().pressed);
    button.LeftButtonUp({20, 10}, 0);
    EXPECT_EQ(Events({"MouseEnter", "MouseExit", "ButtonToggled", "MouseUp", "Click"}),
              (Strings{"MouseEnter", "MouseExit", "MouseEnter", "ButtonToggled 1", "MouseUp 1,0,20,10", "Click"}));
    EXPECT_TRUE(button.Flags().toggled);
    EXPECT_TRUE(button.GetToggleState());
}

TEST_F(Behavior, ReleaseOutsideIsACancelledClick) {
    host.settings.toggle_button = true;
    host.settings.hyperlink = true;
    host.settings.has_hyperlink_address = true;
    button.LeftButtonDown({10, 10}, 0);
    button.MouseMove({200, 10}, kButtonLeft, 0);
    button.LeftButtonUp({200, 10}, 0);
    EXPECT_EQ(Count("MouseUp"), 0);
    EXPECT_EQ(Count("Click"), 0);
    EXPECT_EQ(Count("ButtonToggled"), 0);
    EXPECT_FALSE(button.Flags().toggled);
    EXPECT_EQ(host.hyperlinks, 0);
}

TEST_F(Behavior, SplitButtonReleaseOutsideOpensNoHyperlink) {
    host.settings.menu = true;
    host.settings.hyperlink = true;
    host.settings.has_hyperlink_address = true;
    button.LeftButtonDown({10, 10}, 0);
    button.LeftButtonUp({10, 300}, 0);
    EXPECT_EQ(host.hyperlinks, 0);
    button.LeftButtonDown({10, 10}, 0);
    button.LeftButtonUp({10, 10}, 0);
    EXPECT_EQ(host.hyperlinks, 1);
    EXPECT_EQ(Count("Click"), 1);
}

TEST_F(Behavior, DoubleClickFiresDblClickAndItsButtonUpClicksAgain) {
    Click();
    button.LeftDoubleClick({10, 10}, 0);
    button.LeftButtonUp({10, 10}, 0);
    EXPECT_EQ(Events({"MouseDown", "DblClick", "Click"}), (Strings{"MouseDown 1,0,10,10", "Click", "DblClick", "Click"}));
}

TEST_F(Behavior, HoldingOneSecondRepeatsSixteenTimesFirstAt250) {
    button.LeftButtonDown({10, 10}, 0);
    Tick(kRepeatTimer, 4);  // 200 ms
    EXPECT_EQ(Count("WhileMouseDown"), 0);
    Tick(kRepeatTimer);  // 250 ms
    EXPECT_EQ(Count("WhileMouseDown"), 1);
    Tick(kRepeatTimer, 15);  // up to 1000 ms
    EXPECT_EQ(Count("WhileMouseDown"), 16);
}

TEST_F(Behavior, RepeatPausesWhileThePointerIsOutside) {
    button.LeftButtonDown({10, 10}, 0);
    Tick(kRepeatTimer, 5);
    button.MouseMove({200, 10}, kButtonLeft, 0);
    Tick(kRepeatTimer, 10);
    EXPECT_EQ(Count("WhileMouseDown"), 1);
    button.MouseMove({10, 10}, kButtonLeft, 0);
    Tick(kRepeatTimer);
    EXPECT_EQ(Count("WhileMouseDown"), 2);
}

TEST_F(Behavior, SpaceWithAutoRepeatPressesOnceAndClicksOnRelease) {
    EXPECT_TRUE(button.KeyDown(kKeySpace, false, 0));
    EXPECT_TRUE(button.Flags().pressed);
    button.KeyDown(kKeySpace, true, 0);
    button.KeyDown(kKeySpace, true, 0);
    EXPECT_EQ(Count("Click"), 0);
    button.KeyUp(kKeySpace, 0);
    EXPECT_EQ(Count("Click"), 1);
    EXPECT_EQ(Count("KeyDown"), 3);
    EXPECT_FALSE(button.Flags().pressed);
    EXPECT_EQ(host.capture, 0u);
}

TEST_F(Behavior, KeyUpFiresBeforeTheSpaceUpHandling) {
    host.settings.toggle_button = true;
    button.KeyDown(kKeySpace, false, 0);
    button.KeyUp(kKeySpace, 0);
    EXPECT_EQ(Events({"KeyUp", "ButtonToggled", "Click"}), (Strings{"KeyUp 32", "ButtonToggled 1", "Click"}));
}

TEST_F(Behavior, SpaceReleasedWithoutAPressHereDoesNotClick) {
    button.KeyUp(kKeySpace, 0);
    EXPECT_EQ(Count("Click"), 0);
}

TEST_F(Behavior, ZeroedKeyCodeSuppressesDefaultProcessing) {
    EXPECT_TRUE(button.KeyDown(kKeyTab, false, kShiftKey));
    host.zero_key_codes = true;
    EXPECT_FALSE(button.KeyDown(kKeyTab, false, 0));
}

TEST_F(Behavior, ValueIsTrueOnlyInsideClick) {
    button.PerformClick();
    EXPECT_TRUE(host.value_during_click);
    EXPECT_FALSE(button.Value());
    host.value_during_click = false;
    button.SetValue(true);
    EXPECT_TRUE(host.value_during_click) << "Value = TRUE clicks exactly like PerformClick";
    EXPECT_EQ(Count("Click"), 2);
}

TEST_F(Behavior, SetToggleStateFiresOnlyOnChange) {
    host.settings.toggle_button = true;
    button.SetToggleState(false);
    EXPECT_EQ(Count("ButtonToggled"), 0);
    button.SetToggleState(true);
    button.SetToggleState(true);
    EXPECT_EQ(Events({"ButtonToggled"}), (Strings{"ButtonToggled 1"}));
    host.settings.toggle_button = false;
    EXPECT_FALSE(button.GetToggleState());
}

TEST_F(Behavior, SetToggleStateNeedsAnActiveEnabledVisibleToggleButton) {
    host.settings.toggle_button = true;
    host.settings.window_visible = false;
    button.SetToggleState(true);
    host.settings.window_visible = true;
    host.settings.enabled = false;
    button.SetToggleState(true);
    EXPECT_FALSE(button.Flags().toggled);
}

TEST_F(Behavior, InactiveControlFiresNothing) {
    host.settings.active = false;
    Click();
    button.LeftDoubleClick({10, 10}, 0);
    button.OtherButtonDown(MouseButton::Right, {5, 5}, 0);
    button.OtherButtonUp(MouseButton::Right, {5, 5}, 0);
    button.KeyDown(kKeySpace, false, 0);
    button.KeyUp(kKeySpace, 0);
    button.Character('a');
    button.PerformClick();
    button.PerformClickActions();
    EXPECT_TRUE(host.log.empty());
}

TEST_F(Behavior, InactiveControlPassesOnlyItsFirstFocus) {
    host.settings.active = false;
    button.FocusGained();
    button.FocusGained();
    EXPECT_EQ(host.focus_passed, 1);
}

TEST_F(Behavior, ClickHandlerThatDestroysTheControl) {
    host.on_event = [&](const std::string& e) {
        if (e == "Click") host.alive = false;
    };
    host.settings.hyperlink = true;
    host.settings.has_hyperlink_address = true;
    Click();
    EXPECT_EQ(host.hyperlinks, 0) << "nothing may run after the window is gone";
    EXPECT_EQ(host.ui_activations, 0);
}

TEST_F(Behavior, MouseDownHandlerThatTakesTheCaptureEndsThePress) {
    host.on_event = [&](const std::string& e) {
        if (e.rfind("MouseDown", 0) == 0) host.capture = 0x999;  // a message box, say
    };
    button.LeftButtonDown({10, 10}, 0);
    EXPECT_EQ(host.button_ups_sent, 1);
    EXPECT_FALSE(button.Tracking());
    EXPECT_FALSE(button.Flags().pressed);
    EXPECT_EQ(Count("Click"), 1) << "the sent button-up lands inside and completes the click";
}

TEST_F(Behavior, KeyDownHandlerThatTakesTheCaptureFinishesTheSpacePress) {
    host.capture = 0x42;  // someone held the capture before the press
    host.on_event = [&](const std::string& e) {
        if (e.rfind("KeyDown", 0) == 0) host.capture = 0x999;
    };
    button.KeyDown(kKeySpace, false, 0);
    EXPECT_EQ(host.space_ups_sent, 1);
    EXPECT_FALSE(button.KeyboardPress());
    EXPECT_EQ(host.capture, 0x42u) << "the capture goes back to its previous holder";
}

TEST_F(Behavior, HoverTimerNoticesThePointerLeaving) {
    button.MouseMove({10, 10}, 0, 0);
    EXPECT_TRUE(host.timers[kHoverTimer]);
    Tick(kHoverTimer);
    EXPECT_TRUE(button.Flags().mouse_in);
    host.cursor_outside = true;
    Tick(kHoverTimer);
    EXPECT_FALSE(button.Flags().mouse_in);
    EXPECT_FALSE(host.timers[kHoverTimer]);
    Tick(kHoverTimer);
    EXPECT_EQ(Count("MouseExit"), 1);
}

TEST_F(Behavior, TimerOfADisabledControlResetsTheState) {
    button.MouseMove({10, 10}, 0, 0);
    button.LeftButtonDown({10, 10}, 0);
    host.settings.enabled = false;
    Tick(kRepeatTimer);
    EXPECT_FALSE(button.Flags().mouse_in);
    EXPECT_FALSE(button.Flags().pressed);
    EXPECT_FALSE(button.Tracking());
    EXPECT_FALSE(host.timers[kHoverTimer]);
    EXPECT_FALSE(host.timers[kRepeatTimer]);
}

TEST_F(Behavior, FocusLossEndsAPress) {
    button.KeyDown(kKeySpace, false, 0);
    button.SetMenuOpen(true);
    button.FocusLost();
    EXPECT_FALSE(button.Flags().pressed);
    EXPECT_FALSE(button.Flags().menu_open);
    button.KeyUp(kKeySpace, 0);
    EXPECT_EQ(Count("Click"), 0);
}

struct MenuCase {
    const char* name;
    bool drop_down_only;
    Point point;
    int drops;
    int clicks;
};

class MenuTriggers : public Behavior, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(MenuTriggers, PressDropsTheMenuOrClicks) {
    const MenuCase& c = GetParam();
    host.settings.menu = true;
    host.settings.drop_down_only = c.drop_down_only;
    button.LeftButtonDown(c.point, 0);
    button.LeftButtonUp(c.point, 0);
    EXPECT_EQ(host.drops, c.drops);
    EXPECT_EQ(Count("Click"), c.clicks);
}

INSTANTIATE_TEST_SUITE_P(Cases, MenuTriggers,
                         ::testing::Values(MenuCase{"SplitPushPart", false, {10, 10}, 0, 1},
                                           MenuCase{"SplitMenuStrip", false, {80, 10}, 1, 0},
                                           MenuCase{"DropDownAnywhere", true, {10, 10}, 1, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Behavior, DropDownOnlyButtonKeysAndMnemonic) {
    host.settings.menu = true;
    host.settings.drop_down_only = true;
    button.KeyDown(kKeySpace, false, 0);
    button.KeyUp(kKeySpace, 0);
    EXPECT_EQ(Count("Click"), 0);
    button.KeyDown(kKeyReturn, false, 0);
    EXPECT_EQ(host.drops, 1);
    button.Mnemonic(kKeyReturn);
    EXPECT_EQ(host.drops, 1) << "Enter as a mnemonic does nothing";
    button.Mnemonic('S');
    EXPECT_EQ(host.drops, 2);
    button.PerformClick();
    EXPECT_EQ(Count("Click"), 0);
}

TEST_F(Behavior, MnemonicClicksOtherButtons) {
    button.Mnemonic('S');
    EXPECT_EQ(Count("Click"), 1);
}

TEST_F(Behavior, PerformClickActionsTogglesClicksAndOpensTheLink) {
    host.settings.toggle_button = true;
    host.settings.hyperlink = true;
    host.settings.has_hyperlink_address = true;
    button.PerformClickActions();
    EXPECT_EQ(Events({"ButtonToggled", "Click"}), (Strings{"ButtonToggled 1", "Click"}));
    EXPECT_EQ(host.hyperlinks, 1);
    EXPECT_EQ(Count("MouseDown"), 0);
}

TEST_F(Behavior, OtherButtonsReportTheirCodeAndNeverClick) {
    button.OtherButtonDown(MouseButton::Right, {3, 4}, kCtrlKey);
    EXPECT_TRUE(host.HoldsCapture());
    button.OtherButtonUp(MouseButton::Right, {3, 4}, kCtrlKey);
    button.OtherButtonDown(MouseButton::Middle, {3, 4}, 0);
    button.OtherButtonUp(MouseButton::Middle, {3, 4}, 0);
    EXPECT_EQ(Events({"MouseDown", "MouseUp", "Click"}),
              (Strings{"MouseDown 2,2,3,4", "MouseUp 2,2,3,4", "MouseDown 4,0,3,4", "MouseUp 4,0,3,4"}));
    EXPECT_FALSE(button.Flags().pressed);
    EXPECT_EQ(host.capture, 0u);
}

TEST_F(Behavior, AutoDropSwallowsTheNextMove) {
    button.MenuAutoDropped();
    EXPECT_TRUE(button.Flags().mouse_in);
    button.MouseMove({10, 10}, 0, 0);
    EXPECT_EQ(Count("MouseMove"), 0);
    button.MouseMove({11, 10}, 0, 0);
    EXPECT_EQ(Count("MouseMove"), 1);
}

TEST_F(Behavior, AutoDropEntersLikeAnyOtherEntry) {
    host.log_redraws = true;
    button.MenuAutoDropped();
    EXPECT_EQ(Events({"Redraw", "MouseEnter"}), (Strings{"Redraw hot", "MouseEnter"}));
    EXPECT_EQ(host.sounds_mouse_in, 1) << "the mouse-in sound plays";
    EXPECT_TRUE(host.timers[kHoverTimer]);
    host.log.clear();
    button.MenuLoopEnded();
    button.MenuAutoDropped();  // dropped again with the pointer still in
    EXPECT_EQ(Count("MouseEnter"), 0);
    EXPECT_EQ(host.sounds_mouse_in, 1);
}

// The end of the popup's loop: one repaint, already without the menu-open
// and (pointer outside) the hot look, and a MouseExit for the MouseEnter.
TEST_F(Behavior, MenuLoopEndClearsTheHotLookBeforeItsRepaint) {
    struct Row {
        const char* name;
        bool auto_dropped;
        bool cursor_outside;
        Strings expected;
        bool hot_after;
    } rows[] = {
        {"hovered, closed outside", false, true, {"Redraw", "MouseExit"}, false},
        {"auto-dropped, closed outside", true, true, {"Redraw", "MouseExit"}, false},
        {"closed with the pointer inside", false, false, {"Redraw hot"}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ButtonBehavior fresh(host);
        host.behavior = &fresh;
        if (row.auto_dropped) {
            fresh.MenuAutoDropped();
        } else {
            fresh.MouseMove({10, 10}, 0, 0);
        }
        fresh.SetMenuOpen(true);
        host.cursor_outside = row.cursor_outside;
        host.log.clear();
        host.log_redraws = true;
        fresh.MenuLoopEnded();
        EXPECT_EQ(Events({"Redraw", "MouseExit"}), row.expected);
        EXPECT_FALSE(fresh.Flags().menu_open);
        EXPECT_EQ(fresh.Flags().mouse_in, row.hot_after);
        EXPECT_EQ(host.timers[kHoverTimer], row.hot_after) << "the hover timer stops with the hot state";
        host.log_redraws = false;
        fresh.Timer(kHoverTimer);  // one already queued
        EXPECT_EQ(Count("MouseExit"), row.hot_after ? 0 : 1) << "one MouseExit, not a second from the timer";
        host.behavior = &button;
    }
}

// Something drops the menu while the button is held down (a MouseDown
// handler calling DropMenu, auto-drop over the strip during a press, a
// mnemonic during Space): the press ends there and never clicks afterwards.
TEST_F(Behavior, ADropEndsThePressWithoutAClick) {
    struct Row {
        const char* name;
        void (*press)(ButtonBehavior&);
        void (*release)(ButtonBehavior&);
    } rows[] = {
        {"mouse press, released on the push part", [](ButtonBehavior& b) { b.LeftButtonDown({10, 10}, 0); },
         [](ButtonBehavior& b) { b.LeftButtonUp({10, 10}, 0); }},
        {"double click, released on the push part", [](ButtonBehavior& b) { b.LeftDoubleClick({10, 10}, 0); },
         [](ButtonBehavior& b) { b.LeftButtonUp({10, 10}, 0); }},
        {"Space press, released", [](ButtonBehavior& b) { b.KeyDown(kKeySpace, false, 0); },
         [](ButtonBehavior& b) { b.KeyUp(kKeySpace, 0); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeWindow window;
        ButtonBehavior behavior{window};
        window.behavior = &behavior;
        window.settings.menu = true;
        window.settings.toggle_button = true;
        row.press(behavior);
        ASSERT_TRUE(behavior.Flags().pressed);
        const int redraws = window.redraws;
        behavior.MenuDropping();
        EXPECT_FALSE(behavior.Flags().pressed);
        EXPECT_FALSE(behavior.Tracking());
        EXPECT_FALSE(behavior.KeyboardPress());
        EXPECT_FALSE(window.timers[kRepeatTimer]);
        EXPECT_FALSE(window.HoldsCapture());
        EXPECT_GT(window.redraws, redraws) << "the face must come up at once";
        row.release(behavior);
        for (const char* name : {"MouseUp", "Click", "ButtonToggled"}) {
            for (const std::string& e : window.log) EXPECT_NE(e.rfind(name, 0), 0u) << e;
        }
        EXPECT_FALSE(behavior.Flags().toggled);
    }
}

// The handler's drop runs inside the button-down: the press it ended must not
// be finished again with a made-up button-up, nor clicked by the real one.
TEST_F(Behavior, AMouseDownHandlerThatDropsTheMenu) {
    host.settings.menu = true;
    host.on_event = [this](const std::string& e) {
        if (e.rfind("MouseDown", 0) == 0) button.MenuDropping();
    };
    button.LeftButtonDown({10, 10}, 0);
    EXPECT_EQ(host.button_ups_sent, 0);
    button.LeftButtonUp({10, 10}, 0);
    EXPECT_EQ(Count("Click"), 0);
    EXPECT_EQ(Count("MouseUp"), 0);
}

TEST_F(Behavior, TheNextPressAfterADropClicksAgain) {
    host.settings.menu = true;
    button.LeftButtonDown({10, 10}, 0);
    button.MenuDropping();  // the popup's loop took the button-up
    Click();
    EXPECT_EQ(Count("Click"), 1);
}

TEST_F(Behavior, ADropWithoutAPressChangesNothing) {
    host.settings.menu = true;
    const int redraws = host.redraws;
    button.MenuDropping();
    EXPECT_EQ(host.redraws, redraws);
    button.LeftButtonUp({10, 10}, 0);  // a split button's release on the push part clicks, as before
    EXPECT_EQ(Count("Click"), 1);
}

TEST_F(Behavior, ActiveOffClearsTheLatchedState) {
    host.settings.toggle_button = true;
    button.SetToggleState(true);
    button.ActiveChanged(false);
    EXPECT_FALSE(button.Flags().toggled);
}

}  // namespace
}  // namespace brixel

namespace brixel {
namespace {

struct MenuKeyRow {
    const char* name;
    bool menu;
    bool drop_down_only;
    bool enabled;
    std::int16_t key;
    std::int16_t shift;
    bool handler_zeroes_code;
    int drops;
};

class MenuKeys : public Behavior, public ::testing::WithParamInterface<MenuKeyRow> {};

TEST_P(MenuKeys, OpenTheMenuOnlyForTheComboBoxKeys) {
    const MenuKeyRow& row = GetParam();
    host.settings.menu = row.menu;
    host.settings.drop_down_only = row.drop_down_only;
    host.settings.enabled = row.enabled;
    host.zero_key_codes = row.handler_zeroes_code;
    int drops_when_key_down_fired = -1;
    host.on_event = [&](const std::string& e) {
        if (e.rfind("KeyDown", 0) == 0) drops_when_key_down_fired = host.drops;
    };
    const bool default_runs = button.KeyDown(row.key, false, row.shift);
    EXPECT_EQ(host.drops, row.drops);
    EXPECT_EQ(drops_when_key_down_fired, 0) << "KeyDown comes first and may keep the menu shut";
    if (row.drops > 0) {
        EXPECT_FALSE(default_runs) << "a key that opened the menu is used up";
    }
    EXPECT_EQ(Count("Click"), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MenuKeys,
    ::testing::Values(MenuKeyRow{"F4OnASplitButton", true, false, true, kKeyF4, 0, false, 1},
                      MenuKeyRow{"AltDownOnASplitButton", true, false, true, kKeyDown, kAltKey, false, 1},
                      MenuKeyRow{"AltDownOnADropDownOnlyButton", true, true, true, kKeyDown, kAltKey, false, 1},
                      MenuKeyRow{"F4OnADropDownOnlyButton", true, true, true, kKeyF4, 0, false, 1},
                      MenuKeyRow{"F4WithoutAMenu", false, false, true, kKeyF4, 0, false, 0},
                      MenuKeyRow{"DownAloneMovesOn", true, false, true, kKeyDown, 0, false, 0},
                      MenuKeyRow{"CtrlF4IsNotOurs", true, false, true, kKeyF4, kCtrlKey, false, 0},
                      MenuKeyRow{"AltShiftDown", true, false, true, kKeyDown, kAltKey | kShiftKey, false, 0},
                      MenuKeyRow{"KeyDownHandlerZeroedTheCode", true, false, true, kKeyF4, 0, true, 0},
                      MenuKeyRow{"DisabledButton", true, false, false, kKeyF4, 0, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Behavior, MenuKeysOnAnInactiveButtonDoNothing) {
    host.settings.menu = true;
    host.settings.active = false;
    button.KeyDown(kKeyF4, false, 0);
    button.KeyDown(kKeyDown, false, kAltKey);
    EXPECT_EQ(host.drops, 0);
    EXPECT_TRUE(host.log.empty());
}

// Space stays the push part's key on a split button, with F4 open beside it.
TEST_F(Behavior, SpaceStillClicksASplitButton) {
    host.settings.menu = true;
    button.KeyDown(kKeySpace, false, 0);
    button.KeyUp(kKeySpace, 0);
    EXPECT_EQ(Count("Click"), 1);
    EXPECT_EQ(host.drops, 0);
}

}  // namespace
}  // namespace brixel
