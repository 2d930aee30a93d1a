// Children lists, frames, buttons, action lists and actions.
#include "load/Loader.h"

#include <kelpie/file/CCF.h>
#include "load/Footprints.h"
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
        frame.SetX(record.X);
        frame.SetY(record.Y);
        LoadFrame(record.Position, frame);
        break;
    }
    case chtButton: {
        Button& button = children.AddButton();
        button.SetX(record.X);
        button.SetY(record.Y);
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
    frame.SetRecord(record);
    frame.SetFileFormat(format_);
    frame.SetPosition(pos);
    if (nesting.ContainsItself())
        throw Error(ErrorKind::InvalidArgument, RecordAt(mtypFrame, pos) + " contains itself");
    frame.SetName(ReadCountedName(mtypFrame, pos, record.NamePosition));
    frame.SetIcon(LoadIconIfAny(record.IconPosition));

    auto children = std::make_shared<Children>();
    frame.SetChildren(children);
    LoadChildList(after, record.ChildCount, *children);
}

void Loader::LoadButton(std::int32_t pos, Button& button) {
    const ButtonRecord record = ReadButton(file_, pos, format_);
    button.SetRecord(record);
    button.SetFileFormat(format_);
    button.SetPosition(pos);

    button.SetName(ReadCountedName(mtypButton, pos, record.NamePosition));
    for (int state = 0; state < 4; ++state)
        button.SetIconOf(static_cast<ButtonState>(state),
                         LoadIconIfAny(record.IconPositions[state]));
    if (record.ActionListPosition != 0)
        button.SetActions(LoadActionList(record.ActionListPosition));
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
    actions->SetRecord(record);
    actions->SetPosition(pos);
    for (std::int32_t i = 0; i < record.ActionCount; ++i) {
        CountObject(mtypAction, after + EntrySize * i, footprint::Action);
        LoadAction(after + EntrySize * i, actions->Add());
    }
    return actions;
}

void Loader::LoadAction(std::int32_t pos, Action& action) {
    const ActionRecord record = ReadAction(file_, pos, true);
    action.SetRecord(record);
    action.SetPosition(pos);

    if (record.ActionType == actCode) action.SetIRCode(&LoadIRCode(record.Parameter2));
    if (record.ActionType == actTimer) action.SetTimer(LoadTimer(record.Parameter2));
    // Registered once its IR code or timer is loaded; the second pass visits
    // actions in this order, the order in which they completed.
    Register(actionsClaimed_, pos, mtypAction);
    actionsInLoadOrder_.push_back(&action);
}

} // namespace kelpie
