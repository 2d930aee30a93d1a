#include <kelpie/model/Icons.h>

namespace kelpie {

Icon& Icons::Add(const std::string& /*fileName*/) {
    return AppendShared(std::make_shared<Icon>());
}

Icon& Icons::FindOrAdd(std::int32_t position, const IconRecord& record) {
    return FindOrAddRecord(position, record);
}

} // namespace kelpie
