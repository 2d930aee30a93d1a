// The living-room samples, loaded: the graph holds exactly what the builder
// composed (devices, panels, nested frames and buttons, actions with their
// targets, timers, shared icons and IR codes), the structure map names every
// record the builder wrote, and every byte of the file is accounted for.
#include "LoadFixture.h"

#include "support/Samples.h"

#include <gtest/gtest.h>

#include <set>

using namespace kelpie;
namespace b = kelpie::builder;

namespace {

constexpr b::Key AllKeys[] = {
    b::Key::Entry,     b::Key::Left,     b::Key::Right, b::Key::VolMinus, b::Key::VolPlus,
    b::Key::ChanMinus, b::Key::ChanPlus, b::Key::Mute,  b::Key::FarLeft,  b::Key::FarRight};

bool IsSpecialJump(std::int32_t target) {
    const auto bits = static_cast<std::uint32_t>(target);
    return bits == jmpScrollDown || bits == jmpScrollUp || bits == jmpMouseMode ||
           bits == jmpBack || bits == jmpForward;
}

std::int32_t PositionOf(const Icon* icon) {
    return icon ? icon->Position() : 0;
}

class SampleGraph : public ::testing::TestWithParam<b::Sample> {
protected:
    SampleGraph() : built(GetParam().Format) {
        b::ComposeLivingRoom(built);
        files.SetNoticeHandler(notices.Handler());
        ccf = &files.AddBytes(GetParam().FileName, built.Build());
        index = std::make_unique<GraphIndex>(*ccf);
    }

    IRCode* CodeAt(std::int32_t pos) const { return ccf->IRCodes().Find(pos); }

    // The loaded device, its panels and everything below match the builder's.
    void ExpectDevice(const b::Device& want, Device& got) {
        SCOPED_TRACE("device " + want.Name.Text());
        EXPECT_EQ(got.Position(), want.Position());
        EXPECT_EQ(got.Size(), want.Size());
        EXPECT_EQ(got.Name(), want.Name.Text());
        EXPECT_EQ(got.LeftKeyName(), want.LeftKeyName.Text());
        EXPECT_EQ(got.RightKeyName(), want.RightKeyName.Text());
        EXPECT_EQ(got.FarLeftKeyName(), want.FarLeftKeyName.Text());
        EXPECT_EQ(got.FarRightKeyName(), want.FarRightKeyName.Text());
        EXPECT_EQ(got.ReadOnly(), (want.Attributes & b::devReadOnly) != 0);
        EXPECT_EQ(got.HasSeparator(), (want.Attributes & b::devHasSeparator) != 0);
        EXPECT_EQ(got.RFExtender(), want.RFExtender);
        EXPECT_EQ(PositionOf(got.IconUnselected()), want.IconUnselected.Resolve());
        EXPECT_EQ(PositionOf(got.IconSelected()), want.IconSelected.Resolve());
        for (const b::Key key : AllKeys)
            ExpectActions(want.ActionsField(key).Typed(), KeyList(got, key));
        ExpectPanels(want.Panels(), got.Panels());
    }

    void ExpectPanels(const std::vector<b::Panel*>& want, Panels& got) {
        ASSERT_EQ(got.Count(), static_cast<std::int32_t>(want.size()));
        for (std::size_t i = 0; i < want.size(); ++i) {
            SCOPED_TRACE("panel " + want[i]->Name.Text());
            Panel& panel = got.Item(static_cast<std::int32_t>(i) + 1);
            EXPECT_EQ(panel.Position(), want[i]->Position());
            EXPECT_EQ(panel.Name(), want[i]->Name.Text());
            EXPECT_EQ(panel.Hidden(), want[i]->Hidden);
            ExpectChildren(*want[i], panel.Children());
        }
    }

    void ExpectChildren(const b::Container& want, Children& got) {
        ASSERT_EQ(got.Count(), static_cast<std::int32_t>(want.Children.size()));
        std::int32_t i = 0;
        for (const b::ChildEntry& entry : want.Children) {
            Child& child = got.Item(++i);
            EXPECT_EQ(child.X(), entry.X);
            EXPECT_EQ(child.Y(), entry.Y);
            EXPECT_EQ(child.Position(), entry.Object.Resolve());
            ASSERT_EQ(child.ChildType(), entry.Type);
            if (Frame* frame = child.AsFrame())
                ExpectFrame(*entry.FollowedFrame, *frame);
            else
                ExpectButton(*entry.FollowedButton, *child.AsButton());
        }
    }

    void ExpectFrame(const b::Frame& want, Frame& got) {
        SCOPED_TRACE("frame " + want.Name.Text());
        EXPECT_EQ(got.Width(), want.Width);
        EXPECT_EQ(got.Height(), want.Height);
        EXPECT_EQ(got.Name(), want.Name.Text());
        EXPECT_EQ(got.Font(), want.Font);
        EXPECT_EQ(got.TextColor(), want.Colors.Text);
        EXPECT_EQ(got.BackgroundColor(), want.Colors.Background);
        EXPECT_EQ(PositionOf(got.Icon()), want.Icon.Resolve());
        ASSERT_NE(got.Children(), nullptr);
        ExpectChildren(want, *got.Children());
    }

    void ExpectButton(const b::Button& want, Button& got) {
        SCOPED_TRACE("button " + want.Name.Text());
        EXPECT_EQ(got.Width(), want.Width);
        EXPECT_EQ(got.Height(), want.Height);
        EXPECT_EQ(got.Name(), want.Name.Text());
        EXPECT_EQ(got.Font(), want.Font);
        for (int state = 0; state < 4; ++state) {
            const auto s = static_cast<ButtonState>(state);
            EXPECT_EQ(got.TextColorOf(s), want.StateColors[state].Text) << "state " << state;
            EXPECT_EQ(got.BackgroundColorOf(s), want.StateColors[state].Background)
                << "state " << state;
            EXPECT_EQ(PositionOf(got.IconOf(s)), want.Icons[state].Resolve()) << "state " << state;
        }
        ExpectActions(want.ActionsField().Typed(), got.Actions());
    }

    void ExpectActions(const b::ActionList* want, Actions& got) {
        if (want == nullptr) {
            EXPECT_EQ(got.Count(), 0);
            EXPECT_EQ(got.Position(), 0);
            return;
        }
        EXPECT_EQ(got.Position(), want->Position());
        ASSERT_EQ(got.Count(), static_cast<std::int32_t>(want->Count()));
        std::int32_t i = 0;
        for (const b::Action& action : want->Items)
            ExpectAction(action, got.Item(++i));
    }

    // Type, parameters, and links to the very objects loaded at the
    // positions the parameters name.
    void ExpectAction(const b::Action& want, Action& got) {
        SCOPED_TRACE("action at " + std::to_string(want.Position()));
        const std::int32_t p1 = want.Parameter1.Resolve(), p2 = want.Parameter2.Resolve();
        EXPECT_EQ(got.Position(), want.Position());
        EXPECT_EQ(got.ActionType(), want.Type);
        EXPECT_EQ(got.Parameter1(), p1);
        EXPECT_EQ(got.Parameter2(), p2);
        const bool special = want.Type == actJump && IsSpecialJump(p2);
        const bool linksDevice = want.Type == actButtonAlias || want.Type == actKeyAlias ||
                                 want.Type == actAliasDevice || (want.Type == actJump && !special);
        EXPECT_EQ(got.Device(), linksDevice ? index->Devices.at(p1) : nullptr);
        EXPECT_EQ(got.Panel(), want.Type == actJump && !special ? index->Panels.at(p2) : nullptr);
        EXPECT_EQ(got.Button(), want.Type == actButtonAlias ? index->Buttons.at(p2) : nullptr);
        if (want.Type == actCode) {
            EXPECT_NE(CodeAt(p2), nullptr);
            EXPECT_EQ(got.IRCode(), CodeAt(p2));
        } else {
            EXPECT_EQ(got.IRCode(), nullptr);
        }
        if (want.Type == actTimer)
            ExpectTimer(*want.FollowedTimer(), got.Timer());
        else
            EXPECT_EQ(got.Timer(), nullptr);
    }

    void ExpectTimer(const b::Timer& want, Timer* got) {
        ASSERT_NE(got, nullptr);
        EXPECT_EQ(got->Position(), want.Position());
        EXPECT_EQ(got->StartDays(), want.StartDays);
        EXPECT_EQ(got->StartTime(), want.StartTime);
        EXPECT_EQ(got->EndDays(), want.EndDays);
        EXPECT_EQ(got->EndTime(), want.EndTime);
        for (auto [action, loaded] :
             {std::pair{&want.Start, got->StartAction()}, {&want.End, got->EndAction()}}) {
            if (action->Type == 0) {
                EXPECT_EQ(loaded, nullptr);
            } else {
                EXPECT_NE(loaded, nullptr);
                if (loaded) ExpectAction(*action, *loaded);
            }
        }
        const std::int32_t next = want.Next.Resolve();
        EXPECT_EQ(got->NextTimer(), next ? index->Timers.at(next) : nullptr);
    }

    b::CCFBuilder built;
    NoticeLog notices;
    CCFs files;
    CCF* ccf = nullptr;
    std::unique_ptr<GraphIndex> index;
};

} // namespace

TEST_P(SampleGraph, LoadsCleanlyAndAccountsForEveryByte) {
    EXPECT_TRUE(notices.Texts.empty()) << notices.Texts.front();
    EXPECT_EQ(ccf->FileFormat(), GetParam().Format);
    EXPECT_EQ(ccf->VersionString(), "Living Room 1.0");
    std::int32_t length = 0;
    EXPECT_EQ(ccf->CCFfile().NextUnaccessedMemory(-1, length), -1) << length << " bytes untouched";
}

TEST_P(SampleGraph, GraphIsWhatTheBuilderComposed) {
    const std::pair<b::Group, Devices*> groups[] = {{b::Group::Home, &ccf->HomeGroup()},
                                                    {b::Group::Devices, &ccf->DevicesGroup()},
                                                    {b::Group::Macros, &ccf->MacrosGroup()}};
    for (const auto& [group, devices] : groups) {
        const auto& want = built.GroupDevices(group);
        ASSERT_EQ(devices->Count(), static_cast<std::int32_t>(want.size()));
        for (std::size_t i = 0; i < want.size(); ++i)
            ExpectDevice(*want[i], devices->Item(static_cast<std::int32_t>(i) + 1));
    }
    ExpectPanels(built.Records().SpecialPanels, ccf->SpecialPanels());
    // Both timers are reached, and the wake-up timer's chain leads to the other.
    EXPECT_EQ(index->Timers.size(), 2u);
}

TEST_P(SampleGraph, IconsAndIRCodesAreOneObjectPerPositionCountingEveryReference) {
    const b::Store& records = built.Records();
    std::map<std::int32_t, std::int32_t> iconUses, codeUses;
    auto icon = [&](const b::Ref<b::Icon>& field) {
        if (field.Typed()) ++iconUses[field.Resolve()];
    };
    for (const auto& device : records.Devices) {
        icon(device.IconUnselected);
        icon(device.IconSelected);
    }
    for (const auto& frame : records.Frames)
        icon(frame.Icon);
    for (const auto& button : records.Buttons)
        for (const auto& field : button.Icons)
            icon(field);
    auto code = [&](const b::Action& action) {
        if (action.FollowedCode()) ++codeUses[action.FollowedCode()->Position()];
    };
    for (const auto& list : records.ActionLists)
        for (const auto& action : list.Items)
            code(action);
    for (const auto& timer : records.Timers) {
        code(timer.Start);
        code(timer.End);
    }

    ASSERT_EQ(ccf->Icons().Count(), static_cast<std::int32_t>(records.Icons.size()));
    for (const auto& want : records.Icons) {
        const Icon* got = ccf->Icons().Find(want.Position());
        ASSERT_NE(got, nullptr) << want.Position();
        EXPECT_EQ(got->ReferenceCount(), iconUses[want.Position()]) << want.Position();
        EXPECT_EQ(got->IconData(), want.Data);
        EXPECT_EQ(got->Width(), want.Width);
        EXPECT_EQ(got->Height(), want.Height);
        EXPECT_EQ(static_cast<std::uint16_t>(got->RawIconType()), want.RawType);
    }
    EXPECT_GT(ccf->Icons().Find(records.Icons.front().Position())->ReferenceCount(), 20)
        << "the key icon is shared by most buttons";

    ASSERT_EQ(ccf->IRCodes().Count(), static_cast<std::int32_t>(records.IRCodes.size()));
    for (const auto& want : records.IRCodes) {
        SCOPED_TRACE(want.Name.Text());
        const IRCode* got = CodeAt(want.Position());
        ASSERT_NE(got, nullptr);
        EXPECT_EQ(got->Name(), want.Name.Text());
        EXPECT_EQ(got->IRCodeData(), want.Data);
        EXPECT_EQ(got->IRCodeType(), static_cast<std::int16_t>(want.Data[0] << 8 | want.Data[1]));
        EXPECT_EQ(got->ReferenceCount(), codeUses[want.Position()]);
    }
}

TEST_P(SampleGraph, StructureMapNamesEveryRecordTheBuilderWrote) {
    const CCFfile& file = ccf->CCFfile();
    const b::Store& records = built.Records();
    std::map<CCFtypes, std::int32_t> written;
    auto expect = [&](const b::Record& record, CCFtypes type) {
        ++written[type];
        EXPECT_EQ(file.StructureAt(record.Position()), type)
            << CCFfile::ObjectName(type) << " at " << record.Position();
    };
    std::set<std::int32_t> names;
    auto name = [&](const b::NameRef& field) {
        if (field.NameRecord() == nullptr) return;
        names.insert(field.Position());
        EXPECT_EQ(file.StructureAt(field.Position()), mtypName) << field.Text();
    };
    auto entries = [&](const b::Container& container) {
        for (const auto& entry : container.Children)
            expect(entry, mtypChild);
    };
    for (const auto& r : records.Devices) {
        expect(r, mtypDevice);
        for (const b::NameRef* field :
             {&r.Name, &r.LeftKeyName, &r.RightKeyName, &r.FarLeftKeyName, &r.FarRightKeyName})
            name(*field);
    }
    for (const auto& r : records.Panels) {
        expect(r, mtypPanel);
        name(r.Name);
        entries(r);
    }
    for (const auto& r : records.Frames) {
        expect(r, mtypFrame);
        name(r.Name);
        entries(r);
    }
    for (const auto& r : records.Buttons) {
        expect(r, mtypButton);
        name(r.Name);
    }
    for (const auto& r : records.ActionLists) {
        expect(r, mtypActionList);
        for (const auto& action : r.Items)
            expect(action, mtypAction);
    }
    for (const auto& r : records.Timers) {
        expect(r, mtypTimer);
        for (const b::Action* action : {&r.Start, &r.End})
            if (action->Type != 0) expect(*action, mtypAction);
    }
    for (const auto& r : records.IRCodes) {
        expect(r, mtypIRCode);
        name(r.Name);
    }
    for (const auto& r : records.Icons)
        expect(r, mtypIcon);
    name(built.Header().VersionString);
    written[mtypName] = static_cast<std::int32_t>(names.size());
    written[mtypHeader] = 1;

    // Nothing else was marked.
    for (std::int32_t type = mtypHeader; type <= mtypName; ++type) {
        std::int32_t start = 0, next = 0;
        EXPECT_EQ(file.ObjectCount(type, start, next), written[static_cast<CCFtypes>(type)])
            << CCFfile::ObjectName(type);
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleGraph, ::testing::ValuesIn(b::Samples()),
                         [](const auto& info) { return b::TestName(info.param); });
