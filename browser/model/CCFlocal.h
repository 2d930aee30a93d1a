// One opened file in the browser: the loaded CCF, its browser key ("CCF1",
// "CCF2", ...), the registry from tags to the library objects the tree shows,
// and the walker methods that serve every output.
//
// The walker methods (DoHeader ... DoTimer) walk the object graph for every
// purpose; the program's OutputMode decides what they produce: tree nodes,
// detail-list rows, display text, panel drawing or report-file lines. A
// `parentNode` is the key of the tree node new nodes go under ("" outside
// tree mode).
#pragma once

#include <kelpie/file/CCF.h>
#include <kelpie/icons/Icon.h>
#include <kelpie/model/Actions.h>
#include <kelpie/model/Children.h>
#include <kelpie/model/Devices.h>
#include <kelpie/model/IRCodes.h>
#include <kelpie/model/Icons.h>
#include <kelpie/model/Panels.h>
#include <kelpie/model/Timer.h>

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <variant>

namespace vantor {

class basCCF;

// A library object that a tag names.
using RegisteredObject =
    std::variant<kelpie::CCF*, kelpie::Device*, kelpie::Panel*, kelpie::Child*, kelpie::Actions*,
                 kelpie::Action*, kelpie::IRCode*, kelpie::Icon*, kelpie::Timer*>;

class CCFlocal {
public:
    CCFlocal(basCCF& browser, std::shared_ptr<kelpie::CCF> ccf, std::string key);
    CCFlocal(const CCFlocal&) = delete;
    CCFlocal& operator=(const CCFlocal&) = delete;

    kelpie::CCF& CCF() const noexcept { return *ccf_; }
    const std::string& Key() const noexcept { return key_; }
    // Key of the file's root node: MakeTag(Key, "H", header position).
    std::string TreeKey() const;

    // Builds the tree, registers the shared icons and IR codes, and shows the
    // file's root in the list and the display pane (only the tree when the
    // tree keeps no nodes).
    void Load();
    // Registers an object under its tag; only in tree mode, and only when
    // the tree keeps its nodes. A tag registered before keeps its first
    // object.
    template <class T> void SaveObject(T& object, const char* type);
    // The object registered under a tag, or nullptr.
    const RegisteredObject* FindObject(const std::string& tag) const;

    // Adds a node (its text and image from the type) and returns its key.
    std::string AddToTreeView(const std::string& parentNode, const std::string& type,
                              const std::string& name, std::int32_t position);
    void LoadTree();
    void LoadListView(const std::string& tag);
    void LoadDisplay(const std::string& tag);

    // ---- The walker ----
    void DoHeader(const std::string& parentNode);
    void DoDevices(kelpie::Devices& devices, std::int32_t& count, const std::string& parentNode);
    void DoDevice(kelpie::Device& device, const std::string& parentNode);
    void DoPanels(kelpie::Panels& panels, const std::string& parentNode);
    void DoPanel(kelpie::Panel& panel, const std::string& parentNode);
    // Parent offsets accumulate down the nesting; they are 32-bit so that no
    // sum of 16-bit coordinates can overflow.
    void DoChild(kelpie::Child& child, const std::string& parentNode, std::int32_t parentX,
                 std::int32_t parentY, bool& hasActions);
    void DoFrame(kelpie::Frame& frame, const std::string& parentNode, std::int32_t parentX,
                 std::int32_t parentY, bool& hasActions);
    void DoButton(kelpie::Button& button, const std::string& parentNode, std::int32_t parentX,
                  std::int32_t parentY, bool& hasActions);
    void DoActionList(const std::string& type, kelpie::Actions& actions,
                      const std::string& parentNode, bool expandList, bool expandActions);
    void DoAction(kelpie::Action& action, const std::string& parentNode, bool expand);
    void DoIRCode(kelpie::IRCode& code, const std::string& parentNode, bool expand);
    void DoIcon(kelpie::Icon& icon, const std::string& type, bool printIcon,
                const std::string& parentNode, bool expand, std::int32_t x, std::int32_t y);
    void DoTimer(kelpie::Timer& timer, const std::string& parentNode, bool expand);

    // The "****" layout checks of a frame or button against the 240 by 219
    // pixel panel.
    void ReportCoordinateErrors(std::int32_t x, std::int32_t y, std::int32_t parentX,
                                std::int32_t parentY, std::int32_t width, std::int32_t height);
    // Object counts and memory usage per record kind.
    void DisplayObjectCounts();

    // ---- Reports: each returns false when the file could not be written ----
    bool DumpCCF(const std::string& outputFile, bool showPositions);
    bool DumpIcons(const std::string& outputFile);
    bool DumpPanels(const std::string& outputFile);
    bool DumpIRCodes(const std::string& outputFile);
    bool DumpErrors(const std::string& outputFile);

    // Devices per group, counted while the tree is built.
    std::int32_t HomeDeviceCount = 0;
    std::int32_t DeviceCount = 0;
    std::int32_t MacroDeviceCount = 0;

private:
    basCCF& browser_;
    std::shared_ptr<kelpie::CCF> ccf_;
    std::string key_;
    // Registered objects by tag type and position (the tag's key is always
    // this file's): a packed number is much cheaper to hash than the tag.
    static std::uint64_t ObjectKey(const std::string& type, std::int32_t position);
    std::unordered_map<std::uint64_t, RegisteredObject> objects_;
};

} // namespace vantor
