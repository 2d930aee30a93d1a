// The navigation tree as an output of the walk: a node for every record,
// keyed so that one record can stand under many nodes, and every record the
// walk reaches registered under its tag so that a selected node finds it.
#pragma once

#include "walk/WalkOutput.h"

#include <cstdint>
#include <string>

namespace vantor {

class TreeSink;

class TreeOutput : public WalkOutput {
public:
    // `nodeCounter` is the program-wide counter that keeps node keys unique.
    TreeOutput(CCFlocal& file, TreeSink& tree, std::int32_t& nodeCounter);

    // Adds a node (its text and image from the type) and returns its key.
    Node AddNode(const Node& parent, const std::string& type, const std::string& name,
                 std::int32_t position);

    void Registered(const RegisteredObject& object, const char* type,
                    std::int32_t position) override;
    Node Group(DeviceGroup group, const kelpie::CCF& ccf, const Node& parent) override;
    Visit Device(kelpie::Device& device, const Node& parent) override;
    Visit Panel(kelpie::Panel& panel, const Node& parent, const Drawing&) override;
    Visit Frame(kelpie::Frame& frame, const Node& parent, std::int32_t, std::int32_t,
                std::int32_t, std::int32_t, const Drawing&) override;
    Visit Button(kelpie::Button& button, const Node& parent, std::int32_t, std::int32_t,
                 std::int32_t, std::int32_t, const Drawing&) override;
    Visit ActionList(const std::string& title, kelpie::Actions& actions, const Node& parent,
                     bool) override;
    void Action(const kelpie::Action& action, const std::string& letter,
                const Node& parent) override;
    Visit Timer(kelpie::Timer& timer, const Node& parent, bool) override;
    void IRCode(const kelpie::IRCode& code, const Node& parent, bool) override;
    void Icon(const kelpie::Icon& icon, const std::string& type, bool, const Node& parent, bool,
              std::int32_t, std::int32_t, bool) override;

private:
    CCFlocal& file_;
    TreeSink& tree_;
    std::int32_t& nodeCounter_;
    // A tree that lets its nodes go (the command line's) keeps no registry.
    bool keepsNodes_;
};

} // namespace vantor
