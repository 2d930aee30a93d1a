// Devices and panels.
#include "model/CCFlocal.h"
#include "model/basCCF.h"

namespace vantor {

void CCFlocal::DoDevices(kelpie::Devices&, std::int32_t&, const std::string&) {}
void CCFlocal::DoDevice(kelpie::Device&, const std::string&) {}
void CCFlocal::DoPanels(kelpie::Panels&, const std::string&) {}
void CCFlocal::DoPanel(kelpie::Panel&, const std::string&) {}

} // namespace vantor
