#include <kelpie/ir/Protocol.h>

#include "ir/ProtocolLayout.h"

namespace kelpie::ir {

const std::vector<ProtocolInfo>& Protocols() {
    static const std::vector<ProtocolInfo> infos = [] {
        std::vector<ProtocolInfo> list;
        for (const auto& layout : layout::Layouts())
            list.push_back(layout.Info);
        return list;
    }();
    return infos;
}

const ProtocolInfo& InfoOf(Protocol protocol) {
    return layout::LayoutOf(protocol).Info;
}

std::optional<Protocol> ProtocolNamed(std::string_view name) {
    for (const auto& info : Protocols())
        if (name == info.Name) return info.Id;
    return std::nullopt;
}

} // namespace kelpie::ir
