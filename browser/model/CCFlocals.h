// The browser's open files, keyed by their browser key ("CCF" and a number).
#pragma once

#include "model/CCFlocal.h"

#include <memory>
#include <string>
#include <vector>

namespace vantor {

class CCFlocals {
public:
    // Wraps the loaded file under the next key (one more than the largest
    // open key).
    CCFlocal& Add(std::shared_ptr<kelpie::CCF> ccf);
    // nullptr when no open file has the key.
    CCFlocal* Item(const std::string& key) const;
    CCFlocal& Item(std::int32_t index) const;
    std::int32_t Count() const noexcept { return static_cast<std::int32_t>(files_.size()); }
    void Remove(const std::string& key);

    auto begin() const { return files_.begin(); }
    auto end() const { return files_.end(); }

private:
    std::vector<std::unique_ptr<CCFlocal>> files_;
};

} // namespace vantor
