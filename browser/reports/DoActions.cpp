// Action lists, actions and timers.
#include "model/CCFlocal.h"
#include "model/basCCF.h"

namespace vantor {

void CCFlocal::DoActionList(const std::string&, kelpie::Actions&, const std::string&, bool, bool) {}
void CCFlocal::DoAction(kelpie::Action&, const std::string&, bool) {}
void CCFlocal::DoTimer(kelpie::Timer&, const std::string&, bool) {}

} // namespace vantor
