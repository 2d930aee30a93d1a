#include "model/RecordingSinks.h"

namespace vantor {

void RecordingTree::RemoveNode(const std::string& key) {
    // Collect the node and its descendants, then drop them all.
    std::vector<std::string> doomed{key};
    for (std::size_t i = 0; i < doomed.size(); ++i)
        for (const auto& node : Nodes)
            if (node.ParentKey == doomed[i]) doomed.push_back(node.Key);
    std::erase_if(Nodes, [&](const Node& node) {
        return std::find(doomed.begin(), doomed.end(), node.Key) != doomed.end();
    });
}

} // namespace vantor
