// The loader: one walk from the header that follows every position it finds
// and builds the object graph, then a second pass that links actions to the
// objects they name.
#pragma once

namespace kelpie {
class CCF;
}

namespace kelpie::basCCFLoad {

// Loads everything of `ccf` from its file image. Errors end the load; what
// was loaded before stays in the graph.
void LoadCCF(CCF& ccf);

} // namespace kelpie::basCCFLoad
