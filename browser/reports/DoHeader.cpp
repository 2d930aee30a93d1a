// The header section, object counts, memory usage, structure positions and
// unaccounted memory.
#include "model/CCFlocal.h"
#include "model/basCCF.h"

namespace vantor {

void CCFlocal::DoHeader(const std::string&) {}
void CCFlocal::DisplayObjectCounts() {}

} // namespace vantor
