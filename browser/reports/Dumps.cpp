// The five reports.
#include "model/CCFlocal.h"
#include "model/basCCF.h"

namespace vantor {

bool CCFlocal::DumpCCF(const std::string&, bool) { return false; }
bool CCFlocal::DumpIcons(const std::string&) { return false; }
bool CCFlocal::DumpPanels(const std::string&) { return false; }
bool CCFlocal::DumpIRCodes(const std::string&) { return false; }
bool CCFlocal::DumpErrors(const std::string&) { return false; }

} // namespace vantor
