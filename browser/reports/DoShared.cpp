// IR codes and icons.
#include "model/CCFlocal.h"
#include "model/basCCF.h"

namespace vantor {

void CCFlocal::DoIRCode(kelpie::IRCode&, const std::string&, bool) {}
void CCFlocal::DoIcon(kelpie::Icon&, const std::string&, bool, const std::string&, bool, std::int32_t,
                      std::int32_t) {}

} // namespace vantor
