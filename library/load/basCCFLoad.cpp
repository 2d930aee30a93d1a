#include "load/basCCFLoad.h"

#include "file/CCF.h"
#include "file/basStructures.h"

namespace kelpie::basCCFLoad {

void LoadCCF(CCF& ccf) {
    CCFfile& file = ccf.CCFfile();
    ccf.SetHeader(basStructures::ReadHeader(file));
    ccf.SetVersionString(basStructures::ReadName(file, ccf.Header().VersionStringPosition));
}

} // namespace kelpie::basCCFLoad
