// The library's entry object: the loaded files, keyed by the file name given
// to Add (compared without regard to letter case).
#pragma once

#include <kelpie/KelpieExport.h>
#include <kelpie/file/CCF.h>
#include <kelpie/file/Notices.h>
#include <kelpie/model/Collection.h>

#include <string>
#include <vector>

namespace kelpie {

class KELPIE_API CCFs final : public Collection<CCF> {
public:
    CCFs() = default;

    // Notices of every later load go to `handler` (empty: standard error).
    void SetNoticeHandler(NoticeHandler handler) { notices_ = std::move(handler); }

    // Loads a file and returns its graph. DuplicateKey, before anything is
    // read, when the name is already loaded. When the load ends with an
    // error, the partly loaded CCF stays in the collection and the error
    // reaches the caller.
    CCF& Add(const std::string& fileName);
    // Add for a file image already in memory (a file read from a pipe, or
    // made by a program), known under `fileName`.
    CCF& AddBytes(const std::string& fileName, std::vector<std::uint8_t> bytes);

    using Collection<CCF>::Item;
    // The file loaded under `fileName`; InvalidArgument when there is none.
    CCF& Item(const std::string& fileName) const override;
    bool Contains(const std::string& fileName) const noexcept { return IndexOf(fileName) >= 0; }

    void Remove(std::int32_t index) override;
    // Removes the file loaded under `fileName`; InvalidArgument when none is.
    void Remove(const std::string& fileName) override;

private:
    CCF& AddKeyed(const std::string& fileName);
    std::int32_t IndexOf(const std::string& fileName) const noexcept;

    NoticeHandler notices_;
    std::vector<std::string> keys_;
};

} // namespace kelpie
