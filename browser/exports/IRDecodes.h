// What the exports tell of a code's decode: each IR code decoded once per
// export, however many buttons send it, and the decode's words as the
// exports write them.
#pragma once

#include <kelpie/ir/Decode.h>
#include <kelpie/model/IRCode.h>

#include <map>
#include <string>

namespace vantor {

class IRDecodes {
public:
    // The decode of `code`'s data, kept for the next use of the same code.
    const kelpie::ir::Decoded& Of(const kelpie::IRCode& code);

private:
    std::map<const kelpie::IRCode*, kelpie::ir::Decoded> decoded_;
};

// The protocol's name ("NEC1", "RC6-6-32"), or "unknown".
std::string ProtocolWord(const kelpie::ir::Decoded& decoded);

// Why nothing fits ("malformed code, ..." for data that are not a valid code),
// or for a known code what the decoder set aside; "" when the whole signal
// decoded.
std::string ReasonWords(const kelpie::ir::Decoded& decoded);

} // namespace vantor
