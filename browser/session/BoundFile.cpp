#include "session/BoundFile.h"

#include "model/CCFlocals.h"

namespace vantor {

BoundFile::BoundFile(const CCFlocals& files, const CCFlocal* file) : files_(files) {
    if (file == nullptr) return;
    ccf_ = file->SharedCCF();
    fileName_ = file->CCF().CCFfile().FileName();
}

CCFlocal* BoundFile::Get() const {
    const std::shared_ptr<kelpie::CCF> ccf = ccf_.lock();
    if (!ccf) return nullptr;
    for (const auto& file : files_)
        if (&file->CCF() == ccf.get()) return file.get();
    return nullptr;
}

} // namespace vantor
