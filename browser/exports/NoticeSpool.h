// The notices of a load, kept for the JSON export that lists them. A damaged
// file may give a hundred thousand; they wait in an anonymous temporary file
// (gone when it is closed, whatever happens) rather than in memory, so the
// export costs no more memory than the load. Without a temporary file they
// are kept in memory.
#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vantor {

class NoticeSpool {
public:
    void Add(const std::string& text);
    // Every notice in the order it was added.
    void ForEach(const std::function<void(const std::string&)>& visit) const;

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
    std::vector<std::string> inMemory_;
};

} // namespace vantor
