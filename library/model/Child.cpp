#include <kelpie/model/Child.h>

namespace kelpie {

Child::~Child() = default;

} // namespace kelpie
