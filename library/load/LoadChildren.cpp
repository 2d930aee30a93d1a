// Children lists, frames, buttons, action lists and actions.
#include "load/Loader.h"

#include "load/Footprints.h"
#include "load/ModelBuilder.h"
#include <kelpie/file/CCF.h>
#include <kelpie/model/Actions.h>
#include <kelpie/model/Children.h>
#include <kelpie/model/IRCode.h>
#include <kelpie/model/Timer.h>

namespace kelpie {

using namespace basStructures;

void Loader::LoadChildList(std::int32_t first, std::int32_t count, Children& children) {
    CountObject(mtypChild, first, footprint::List(count));
    children.Reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i)
        LoadChild(first + EntrySize * i, children);
}

// Every entry counts against the budget, whatever its type: an entry of an
// unknown type creates nothing, but frames full of them, reached again and
// again, would otherwise keep the walk busy for minutes. It weighs what a
// frame's entry does, the lightest entry that makes something.
void Loader::LoadChild(std::int32_t entry, Children& children) {
    const ChildRecord record = ReadChild(file_, entry);
    CountObject(mtypChild, entry,
                record.ChildType == chtButton ? footprint::Button : footprint::Frame);
    switch (record.ChildType) {
    case chtFrame: {
        Frame& frame = children.AddFrame();
        ModelBuilder::SetX(frame, record.X);
        ModelBuilder::SetY(frame, record.Y);
        LoadFrame(record.Position, frame);
        break;
    }
    case chtButton: {
        Button& button = children.AddButton();
        ModelBuilder::SetX(button, record.X);
        ModelBuilder::SetY(button, record.Y);
        LoadButton(record.Position, button);
        break;
    }
    default:
        file_.Notice("Unknown child type " + std::to_string(record.ChildType));
        break;
    }
}

// Frames are not registered: no action names a frame, and a frame reached
// twice is loaded again as a second object. Only a frame inside itself is an
// error, since loading it would never end; it ends the load once the
// structure map has reported the frame's second reference.
void Loader::LoadFrame(std::int32_t pos, Frame& frame) {
    Nesting nesting(*this, mtypFrame, pos);
    std::int32_t after = 0;
    const FrameRecord record = ReadFrame(file_, pos, format_, after);
    ModelBuilder::SetRecord(frame, record);
    ModelBuilder::SetFileFormat(frame, format_);
    ModelBuilder::SetPosition(frame, pos);
    if (nesting.ContainsItself())
        throw Error(ErrorKind::InvalidArgument, RecordAt(mtypFrame, pos) + " contains itself");
    ModelBuilder::SetName(frame, ReadCountedName(mtypFrame, pos, record.NamePosition));
    ModelBuilder::SetIcon(frame, LoadIconIfAny(record.IconPosition));

    auto children = std::make_shared<Children>();
    ModelBuilder::SetChildren(frame, children);
    LoadChildList(after, record.ChildCount, *children);
}

void Loader::LoadButton(std::int32_t pos, Button& button) {
    const ButtonRecord record = ReadButton(file_, pos, format_);
    ModelBuilder::SetRecord(button, record);
    ModelBuilder::SetFileFormat(button, format_);
    ModelBuilder::SetPosition(button, pos);

    ModelBuilder::SetName(button, ReadCountedName(mtypButton, pos, record.NamePosition));
    for (int state = 0; state < 4; ++state)
        ModelBuilder::SetIconOf(button, static_cast<ButtonState>(state),
                         LoadIconIfAny(record.IconPositions[state]));
    if (record.ActionListPosition != 0)
        ModelBuilder::SetActions(button, LoadActionList(record.ActionListPosition));
    // Registered once its action list is loaded: a button reached again
    // ends the load at its first action, or here when it has none.
    Register(buttonsByPosition_, pos, button, mtypButton);
}

std::shared_ptr<Actions> Loader::LoadActionList(std::int32_t pos) {
    std::int32_t after = 0;
    const ActionListRecord record = ReadActionList(file_, pos, after);
    CountObject(mtypActionList, pos, footprint::ActionList + footprint::List(record.ActionCount));
    auto actions = std::make_shared<Actions>();
    actions->Reserve(record.ActionCount);
    ModelBuilder::SetRecord(*actions, record);
    ModelBuilder::SetPosition(*actions, pos);
    for (std::int32_t i = 0; i < record.ActionCount; ++i) {
        CountObject(mtypAction, after + EntrySize * i, footprint::Action);
        LoadAction(after + EntrySize * i, actions->Add());
    }
    return actions;
}

void Loader::LoadAction(std::int32_t pos, Action& action) {
    const ActionRecord record = ReadAction(file_, pos, true);
    ModelBuilder::SetRecord(action, record);
    ModelBuilder::SetPosition(action, pos);

    if (record.ActionType == actCode)
        ModelBuilder::SetIRCode(action, &LoadIRCode(record.Parameter2));
    if (record.ActionType == actTimer) ModelBuilder::SetTimer(action, LoadTimer(record.Parameter2));
    // Registered once its IR code or timer is loaded; the second pass visits
    // actions in this order, the order in which they completed.
    Register(actionsClaimed_, pos, mtypAction);
    actionsInLoadOrder_.push_back(&action);
}

} // namespace kelpie
