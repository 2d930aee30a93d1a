#include "load/basCCFLoad.h"

#include "load/Loader.h"

namespace kelpie::basCCFLoad {

void LoadCCF(CCF& ccf) {
    Loader(ccf).Run();
}

} // namespace kelpie::basCCFLoad
