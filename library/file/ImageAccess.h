// The library's side of a file image: filling it, marking where records
// start, and keeping the notices that a read gives. CCFfile keeps these
// private, so that a program that links Kelpie reads a loaded image without
// being able to change it; the loader, the record readers and the tests
// reach them through this class, CCFfile's friend.
#pragma once

#include <kelpie/file/CCFfile.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kelpie {

class CCF;

class ImageAccess {
public:
    static void LoadFile(CCFfile& file, CCF& owner, const std::string& fileName) {
        file.LoadFile(owner, fileName);
    }
    static void LoadBytes(CCFfile& file, CCF& owner, const std::string& fileName,
                          std::vector<std::uint8_t> bytes) {
        file.LoadBytes(owner, fileName, std::move(bytes));
    }
    static void SetImage(CCFfile& file, const std::string& fileName,
                         std::vector<std::uint8_t> bytes) {
        file.SetImage(fileName, std::move(bytes));
    }
    static void ApplyTailByteRule(CCFfile& file) { file.ApplyTailByteRule(); }
    static void MarkStructure(CCFfile& file, std::int32_t pos, CCFtypes type) {
        file.MarkStructure(pos, type);
    }
    static void RecordNotices(CCFfile& file, std::vector<std::string>* into) noexcept {
        file.RecordNotices(into);
    }
};

} // namespace kelpie
