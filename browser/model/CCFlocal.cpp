#include "model/CCFlocal.h"

#include "model/basCCF.h"

namespace vantor {

CCFlocal::CCFlocal(basCCF& browser, std::shared_ptr<kelpie::CCF> ccf, std::string key)
    : browser_(browser), ccf_(std::move(ccf)), key_(std::move(key)) {}

std::string CCFlocal::TreeKey() const { return MakeTag(key_, "H", ccf_->Position()); }

template <class T> void CCFlocal::SaveObject(T& object, const char* type) {
    if (browser_.OutputMode != omTree) return;
    objects_.try_emplace(MakeTag(key_, type, object.Position()), &object);
}

template void CCFlocal::SaveObject(kelpie::CCF&, const char*);
template void CCFlocal::SaveObject(kelpie::Device&, const char*);
template void CCFlocal::SaveObject(kelpie::Panel&, const char*);
template void CCFlocal::SaveObject(kelpie::Child&, const char*);
template void CCFlocal::SaveObject(kelpie::Actions&, const char*);
template void CCFlocal::SaveObject(kelpie::Action&, const char*);
template void CCFlocal::SaveObject(kelpie::IRCode&, const char*);
template void CCFlocal::SaveObject(kelpie::Icon&, const char*);
template void CCFlocal::SaveObject(kelpie::Timer&, const char*);

const RegisteredObject* CCFlocal::FindObject(const std::string& tag) const {
    auto found = objects_.find(tag);
    return found == objects_.end() ? nullptr : &found->second;
}

namespace {

struct NodeLook {
    const char* Type;
    const char* Prefix; // text before the name
    const char* Suffix; // text after the name
    const char* Fixed;  // the whole text, for nodes that show no name
    const char* ImageKey;
};

// Text and image of each node type.
constexpr NodeLook NodeLooks[] = {
    {"H", "", "", nullptr, "Pronto"},
    {"Z", "", "", "Home", "Home"},
    {"G", "", "", "Devices", "DeviceGroup"},
    {"M", "", "", "Macros", "MacroGroup"},
    {"Y", "", "", "Macro Recording Panel", "Panel"},
    {"D", "", "", nullptr, "Device"},
    {"P", "", "", nullptr, "Panel"},
    {"F", "Frame: ", "", nullptr, "Frame"},
    {"B", "Button: ", "", nullptr, "Button"},
    {"L", "", " Action List", nullptr, "ActionList"},
    {"A", "", "", nullptr, "Action"},
    {"T", "", "", "[T] Timer", "Timer"},
    {"I", "", " Icon", nullptr, "Icon"},
    {"C", "[C] IR Code: ", "", nullptr, "IRCode"},
};

} // namespace

std::string CCFlocal::AddToTreeView(const std::string& parentNode, const std::string& type, const std::string& name,
                                    std::int32_t position) {
    const std::string tag = MakeTag(key_, type, position);
    // The root's key is the file's tree key; every other node's key adds the
    // program-wide counter, since one record may stand under many nodes.
    const std::string nodeKey = parentNode.empty() ? tag : tag + "/" + std::to_string(++browser_.NodeCounter);
    std::string text = name, image;
    for (const auto& look : NodeLooks) {
        if (type != look.Type) continue;
        text = look.Fixed ? look.Fixed : look.Prefix + name + look.Suffix;
        image = look.ImageKey;
    }
    browser_.TreeControl.AddNode(parentNode, nodeKey, text, image, tag);
    return nodeKey;
}

// Being built: loading, the tree, the list and the display.
void CCFlocal::Load() {}
void CCFlocal::LoadTree() {}
void CCFlocal::LoadListView(const std::string&) {}
void CCFlocal::LoadDisplay(const std::string&) {}

} // namespace vantor
