// One opened file in the browser: the loaded CCF, its browser key ("CCF1",
// "CCF2", ...), the registry from tags to the library objects the tree
// shows, and the device counts of its groups.
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

// A library object that a tag names.
using RegisteredObject =
    std::variant<kelpie::CCF*, kelpie::Device*, kelpie::Panel*, kelpie::Child*, kelpie::Actions*,
                 kelpie::Action*, kelpie::IRCode*, kelpie::Icon*, kelpie::Timer*>;

class CCFlocal {
public:
    CCFlocal(std::shared_ptr<kelpie::CCF> ccf, std::string key);
    CCFlocal(const CCFlocal&) = delete;
    CCFlocal& operator=(const CCFlocal&) = delete;

    kelpie::CCF& CCF() const noexcept { return *ccf_; }
    // The loaded file as it is shared: a window bound to this file holds it
    // weakly, to know when it is closed.
    const std::shared_ptr<kelpie::CCF>& SharedCCF() const noexcept { return ccf_; }
    const std::string& Key() const noexcept { return key_; }
    // Key of the file's root node: MakeTag(Key, "H", header position).
    std::string TreeKey() const;

    // Registers an object under its tag. A tag registered before keeps its
    // first object.
    void SaveObject(const RegisteredObject& object, const char* type, std::int32_t position);
    // The object registered under a tag, or nullptr.
    const RegisteredObject* FindObject(const std::string& tag) const;

    // Devices per group, counted by the last walk of the header (the tree's).
    std::int32_t HomeDeviceCount = 0;
    std::int32_t DeviceCount = 0;
    std::int32_t MacroDeviceCount = 0;

private:
    std::shared_ptr<kelpie::CCF> ccf_;
    std::string key_;
    // Registered objects by tag type and position (the tag's key is always
    // this file's): a packed number is much cheaper to hash than the tag.
    static std::uint64_t ObjectKey(const std::string& type, std::int32_t position);
    std::unordered_map<std::uint64_t, RegisteredObject> objects_;
};

} // namespace vantor
