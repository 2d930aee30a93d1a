#include "exports/IRDecodes.h"

#include <kelpie/ir/Protocol.h>

namespace vantor {

const kelpie::ir::Decoded& IRDecodes::Of(const kelpie::IRCode& code) {
    const auto known = decoded_.find(&code);
    if (known != decoded_.end()) return known->second;
    return decoded_.emplace(&code, kelpie::ir::Decode(code.IRCodeData())).first->second;
}

std::string ProtocolWord(const kelpie::ir::Decoded& decoded) {
    if (!decoded.Command) return "unknown";
    return kelpie::ir::InfoOf(decoded.Command->Protocol).Name;
}

std::string ReasonWords(const kelpie::ir::Decoded& decoded) {
    return decoded.Malformed ? "malformed code, " + decoded.Reason : decoded.Reason;
}

} // namespace vantor
