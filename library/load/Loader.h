// The state of one load and the walk that builds the object graph.
//
// A Loader lives for exactly one call of LoadCCF: its lookup tables (records
// by file position, used by the second pass to link actions) are members, so
// they never outlive the load nor leak into another load or thread.
//
// The walk follows positions recursively only through frames and timers;
// device and panel chains are loops.
//
// Devices, panels, buttons, actions and timers are registered by position
// once they are loaded, with everything below them: a device after its
// panels, a panel after its children, a button after its action list, an
// action after its IR code or timer, a timer after its two actions. A record
// reached a second time is therefore loaded again until the first record
// below it that completes is registered a second time; that registration
// ends the load (DuplicateKey), after the structure map has reported every
// record of the second visit on the way. A chain that comes back to an
// earlier device or panel ends this way instead of running for ever.
//
// Untrusted input is bounded four ways: a frame or timer that contains
// itself (which would never complete) ends the load as soon as the structure
// map has reported it; nesting deeper than MaxNestingDepth ends the load; the
// memory that the objects of one load take (and the child entries it may
// read) is bounded by the file size, since frames reached again are loaded
// again and crafted files could otherwise make that exponential; and so are
// the bytes that IR codes and icons copy, since each size word may claim
// 32 KB wherever the record starts.
#pragma once

#include "file/RecordReaders.h"
#include "load/PositionTable.h"
#include <kelpie/Error.h>
#include <kelpie/file/CCFEnums.h>
#include <kelpie/file/CCFfile.h>
#include <kelpie/model/Action.h>

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kelpie {

class Action;
class Actions;
class Button;
class CCF;
class CCFfile;
class Children;
class Device;
class Devices;
class Frame;
class Icon;
class IRCode;
class Panel;
class Panels;
class Timer;

class Loader {
public:
    explicit Loader(CCF& ccf);

    // The whole load: header, groups, special panels, then the second pass.
    void Run();

    static constexpr int MaxNestingDepth = 1000;
    // How many bytes of memory the objects that a load of a file of this
    // size makes may take (see Footprints.h for how they are weighed).
    static std::int64_t MemoryBudget(std::int32_t fileSize);

private:
    // Devices and panels (chains are followed iteratively).
    void LoadDeviceChain(std::int32_t first, Devices& devices);
    std::int32_t LoadDevice(std::int32_t pos, Device& device);
    void LoadPanelChain(std::int32_t first, Panels& panels);
    std::int32_t LoadPanel(std::int32_t pos, Panel& panel);

    // Children, action lists and actions.
    void LoadChildList(std::int32_t first, std::int32_t count, Children& children);
    void LoadChild(std::int32_t entry, Children& children);
    void LoadFrame(std::int32_t pos, Frame& frame);
    void LoadButton(std::int32_t pos, Button& button);
    std::shared_ptr<Actions> LoadActionList(std::int32_t pos);
    void LoadAction(std::int32_t pos, Action& action);

    // Shared records and timers.
    IRCode& LoadIRCode(std::int32_t pos);
    Icon& LoadIcon(std::int32_t pos);
    Icon* LoadIconIfAny(std::int32_t pos);
    std::shared_ptr<Timer> LoadTimer(std::int32_t pos);

    // The second pass: links actions to the objects their parameters name.
    void ResolveReferences();
    void ResolveAction(Action& action);

    // Registers `object` under `pos`; a second registration of a position
    // ends the load with a DuplicateKey error naming the record.
    template <class T>
    void Register(PositionTable<T>& table, std::int32_t pos, T& object, CCFtypes type);
    void Register(PositionSet& claims, std::int32_t pos, CCFtypes type);
    // The object registered under `pos`, or a MissingKey error that names
    // the action and what it refers to.
    template <class T>
    T& Lookup(PositionTable<T>& table, std::int32_t pos, CCFtypes type, const Action& action);

    // Counts an object (or a child entry) of `bytes` bytes against the
    // load's memory budget; Overflow naming the record when the budget is
    // spent.
    void CountObject(CCFtypes type, std::int32_t pos, std::int64_t bytes);
    // The name at `namePos`, its bytes counted for the object of `type` at
    // `pos` that keeps it.
    std::string ReadCountedName(CCFtypes type, std::int32_t pos, std::int32_t namePos);
    // Counts `bytes` more of IR code and icon data against the load's
    // budget; Overflow naming the record when they would exceed it.
    void CountData(CCFtypes type, std::int32_t pos, std::int64_t bytes);

    // The notices that the first read of a shared record gave, by position.
    using SharedNotices = std::unordered_map<std::int32_t, std::vector<std::string>>;
    // Keeps the notices given while it lives under the record's position.
    class NoticesKept {
    public:
        NoticesKept(CCFfile& file, SharedNotices& kept, std::int32_t pos);
        ~NoticesKept();
        NoticesKept(const NoticesKept&) = delete;
        NoticesKept& operator=(const NoticesKept&) = delete;

    private:
        CCFfile& file_;
        SharedNotices& kept_;
        std::int32_t pos_;
        std::vector<std::string> heard_;
    };
    void RepeatNotices(const SharedNotices& kept, std::int32_t pos);

    // Entering a frame or timer one level deeper; Overflow beyond
    // MaxNestingDepth.
    class Nesting {
    public:
        Nesting(Loader& loader, CCFtypes type, std::int32_t pos);
        ~Nesting() { loader_.path_.pop_back(); }
        Nesting(const Nesting&) = delete;
        Nesting& operator=(const Nesting&) = delete;

        // Whether an outer level of the walk is this same record: the record
        // contains itself, directly or through others of its kind.
        bool ContainsItself() const;

    private:
        Loader& loader_;
    };

    CCF& ccf_;
    CCFfile& file_;
    CCFFileFormats format_ = fmtv1;

    PositionTable<Device> devicesByPosition_;
    PositionTable<Panel> panelsByPosition_;
    PositionTable<Button> buttonsByPosition_;
    PositionSet actionsClaimed_;              // actions are looked up by nobody
    std::vector<Action*> actionsInLoadOrder_; // the second pass's order
    PositionTable<Timer> timersByPosition_;

    SharedNotices irCodeNotices_;
    SharedNotices iconNotices_;
    // The frames and timers being loaded, outermost first.
    std::vector<std::pair<CCFtypes, std::int32_t>> path_;
    std::int64_t memory_ = 0;
    std::int64_t maxMemory_ = 0;
    std::int64_t dataBytes_ = 0;
    std::int64_t maxDataBytes_ = 0;
};

// "Frame at 1234", "Action List at 56": how errors name a record.
std::string RecordAt(CCFtypes type, std::int32_t pos);

// The error that ends a load when a record that only one referrer may have
// (a device, panel, button, action or timer) is reached again.
inline Error ReachedTwice(CCFtypes type, std::int32_t pos) {
    return Error(ErrorKind::DuplicateKey, RecordAt(type, pos) + " is reached a second time");
}

template <class T>
void Loader::Register(PositionTable<T>& table, std::int32_t pos, T& object, CCFtypes type) {
    if (!table.Claim(pos, object)) throw ReachedTwice(type, pos);
}

inline void Loader::Register(PositionSet& claims, std::int32_t pos, CCFtypes type) {
    if (!claims.Claim(pos)) throw ReachedTwice(type, pos);
}

template <class T>
T& Loader::Lookup(PositionTable<T>& table, std::int32_t pos, CCFtypes type, const Action& action) {
    T* found = table.Find(pos);
    if (!found)
        throw Error(ErrorKind::MissingKey, RecordAt(mtypAction, action.Position()) +
                                               " refers to a " + CCFfile::ObjectName(type) +
                                               " at " + std::to_string(pos) +
                                               ", where none was loaded");
    return *found;
}

} // namespace kelpie
