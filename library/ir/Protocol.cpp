#include <kelpie/ir/Protocol.h>

#include "ir/ProtocolSpec.h"

namespace kelpie::ir {

const std::vector<ProtocolInfo>& Protocols() {
    static const std::vector<ProtocolInfo> infos = [] {
        std::vector<ProtocolInfo> list;
        for (const auto& spec : spec::Specs())
            list.push_back(spec.Info);
        return list;
    }();
    return infos;
}

const ProtocolInfo& InfoOf(Protocol protocol) {
    return spec::SpecOf(protocol).Info;
}

std::optional<Protocol> ProtocolNamed(std::string_view name) {
    for (const auto& info : Protocols())
        if (name == info.Name) return info.Id;
    return std::nullopt;
}

} // namespace kelpie::ir
