// Actions: the sound parameter, the eight ways to turn an
// action into another kind, and links that never outlive their objects.
#include <kelpie/model/Action.h>

#include "load/ModelBuilder.h"
#include <kelpie/model/Children.h>
#include <kelpie/model/Devices.h>
#include <kelpie/model/IRCodes.h>
#include <kelpie/model/Panels.h>
#include <kelpie/model/Timer.h>

#include <gtest/gtest.h>

#include <functional>

using namespace kelpie;

namespace {

// Objects for actions to link to, owned by collections as a file owns them.
struct Graph {
    Devices devices;
    Panels panels;
    Children children;
    IRCodes codes;
    Device& device = devices.Add();
    Panel& panel = panels.Add();
    Button& button = children.AddButton();
    IRCode& code = codes.Add({0x01, 0x00});
};

TEST(Action, SoundParameterPacksDurationFrequencyAndPercent) {
    Action action;
    ModelBuilder::SetRecord(action, ActionRecord{actSound, 0, 0x0A03E832});
    EXPECT_EQ(action.BeepDuration(), 10);
    EXPECT_EQ(action.BeepFrequency(), 1000);
    EXPECT_EQ(action.BeepPercent(), 50);
    Action built;
    ModelBuilder::SetActionSound(built, 1000, 50, 10);
    EXPECT_EQ(built.Parameter2(), 0x0A03E832);

    ModelBuilder::SetActionSound(built, -1, 0, 0); // the frequency is stored as an unsigned word
    EXPECT_EQ(built.Parameter2(), 0x00FFFF00);
    ModelBuilder::SetRecord(action,
                            ActionRecord{actDelay, 0, 0x00FFFF00}); // decoded whatever the type
    EXPECT_EQ(action.BeepFrequency(), -1);
    EXPECT_EQ(action.BeepPercent(), 0);
    EXPECT_EQ(action.BeepDuration(), 0);
}

TEST(Action, EverySetActionReplacesAllButThePosition) {
    Graph g;
    struct Case {
        const char* method;
        std::function<void(Action&)> set;
        CCFActionTypes type;
        std::int32_t parameter2;
        IRCode* code;
        Device* device;
        Panel* panel;
        Button* button;
    };
    const Case cases[] = {
        {"Code", [&](Action& a) { ModelBuilder::SetActionCode(a, &g.code); }, actCode, 0, &g.code,
         nullptr, nullptr, nullptr},
        {"ButtonAlias",
         [&](Action& a) { ModelBuilder::SetActionButtonAlias(a, &g.device, &g.button); },
         actButtonAlias, 0, nullptr, &g.device, nullptr, &g.button},
        {"Jump", [&](Action& a) { ModelBuilder::SetActionJump(a, &g.device, &g.panel); }, actJump,
         0, nullptr, &g.device, &g.panel, nullptr},
        {"JumpX",
         [&](Action& a) {
             ModelBuilder::SetActionJumpX(a, static_cast<std::int32_t>(jmpScrollUp));
         },
         actJump, static_cast<std::int32_t>(jmpScrollUp), nullptr, nullptr, nullptr, nullptr},
        {"Delay", [&](Action& a) { ModelBuilder::SetActionDelay(a, 500); }, actDelay, 500, nullptr,
         nullptr, nullptr, nullptr},
        {"KeyAlias", [&](Action& a) { ModelBuilder::SetActionKeyAlias(a, &g.device, kalMute); },
         actKeyAlias, kalMute, nullptr, &g.device, nullptr, nullptr},
        {"AliasDevice", [&](Action& a) { ModelBuilder::SetActionAliasDevice(a, &g.device); },
         actAliasDevice, 0, nullptr, &g.device, nullptr, nullptr},
        {"Timer", [&](Action& a) { ModelBuilder::SetActionTimer(a); }, actTimer, 0, nullptr,
         nullptr, nullptr, nullptr},
        {"Sound", [&](Action& a) { ModelBuilder::SetActionSound(a, 1000, 50, 10); }, actSound,
         0x0A03E832, nullptr, nullptr, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        // An action that carries everything at once.
        Action action;
        ModelBuilder::SetPosition(action, 77);
        ModelBuilder::SetRecord(action, ActionRecord{actCode, 11, 22});
        ModelBuilder::SetIRCode(action, &g.code);
        const auto oldTimer = std::make_shared<Timer>();
        ModelBuilder::SetTimer(action, oldTimer);
        ModelBuilder::SetDevice(action, &g.device);
        ModelBuilder::SetPanel(action, &g.panel);
        ModelBuilder::SetButton(action, &g.button);

        c.set(action);
        EXPECT_EQ(action.ActionType(), c.type) << c.method;
        EXPECT_EQ(action.Parameter1(), 0) << c.method;
        EXPECT_EQ(action.Parameter2(), c.parameter2) << c.method;
        EXPECT_EQ(action.IRCode(), c.code) << c.method;
        EXPECT_EQ(action.Device(), c.device) << c.method;
        EXPECT_EQ(action.Panel(), c.panel) << c.method;
        EXPECT_EQ(action.Button(), c.button) << c.method;
        EXPECT_EQ(action.Position(), 77) << c.method;
        if (c.type == actTimer) {
            ASSERT_NE(action.Timer(), nullptr);
            EXPECT_NE(action.Timer(), oldTimer.get()) << "a new, empty timer";
            EXPECT_EQ(action.Timer()->StartAction(), nullptr);
            EXPECT_EQ(action.Timer()->NextTimer(), nullptr);
            EXPECT_EQ(action.Timer()->StartDays(), 0);
        } else {
            EXPECT_EQ(action.Timer(), nullptr) << c.method;
        }
    }
}

TEST(Action, LinksSeeDestroyedObjectsAsMissing) {
    Graph g;
    Action alias, jump, code;
    ModelBuilder::SetActionButtonAlias(alias, &g.device, &g.button);
    ModelBuilder::SetActionJump(jump, &g.device, &g.panel);
    ModelBuilder::SetActionCode(code, &g.code);
    g.children.Remove(1);
    g.panels.Remove(1);
    g.codes.Remove(1);
    EXPECT_EQ(alias.Button(), nullptr);
    EXPECT_EQ(jump.Panel(), nullptr);
    EXPECT_EQ(code.IRCode(), nullptr);
    EXPECT_EQ(alias.Device(), &g.device);
    g.devices.Remove(1);
    EXPECT_EQ(alias.Device(), nullptr);
    EXPECT_EQ(jump.Device(), nullptr);
}

} // namespace
