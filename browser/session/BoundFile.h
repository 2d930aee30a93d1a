// The open file a window was opened for (a report or export dialog): the
// window keeps acting on that file whatever is selected meanwhile, and learns
// when it was closed. The file is held weakly, so a window never keeps a
// closed file loaded, and a file opened again later is a new file.
#pragma once

#include <memory>
#include <string>

namespace kelpie {
class CCF;
}

namespace vantor {

class CCFlocal;
class CCFlocals;

class BoundFile {
public:
    // `file` may be null (no file was current).
    BoundFile(const CCFlocals& files, const CCFlocal* file);

    // The file while it is open, else nullptr.
    CCFlocal* Get() const;
    // Its file name, also after it was closed ("" when bound to none).
    const std::string& FileName() const noexcept { return fileName_; }

private:
    const CCFlocals& files_;
    std::weak_ptr<kelpie::CCF> ccf_;
    std::string fileName_;
};

} // namespace vantor
