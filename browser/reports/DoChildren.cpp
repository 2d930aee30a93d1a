// Frames, buttons and the layout checks.
#include "model/CCFlocal.h"
#include "model/basCCF.h"

namespace vantor {

void CCFlocal::DoChild(kelpie::Child&, const std::string&, std::int32_t, std::int32_t, bool&) {}
void CCFlocal::DoFrame(kelpie::Frame&, const std::string&, std::int32_t, std::int32_t, bool&) {}
void CCFlocal::DoButton(kelpie::Button&, const std::string&, std::int32_t, std::int32_t, bool&) {}
void CCFlocal::ReportCoordinateErrors(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                                      std::int32_t) {}

} // namespace vantor
