#include <kelpie/model/IRCodes.h>

namespace kelpie {

IRCode& IRCodes::Add(std::vector<std::uint8_t> data) {
    auto code = std::make_shared<IRCode>();
    code->SetData(std::move(data));
    code->SetCodeType(999); // made in memory: no record, no type word
    return AppendShared(std::move(code));
}

IRCode& IRCodes::FindOrAdd(std::int32_t position, const IRCodeRecord& record) {
    return FindOrAddRecord(position, record);
}

} // namespace kelpie
