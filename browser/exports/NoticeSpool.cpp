#include "exports/NoticeSpool.h"

namespace vantor {

// Each notice as one line: a notice is one line of text (a line break in one
// would come back as two, which the JSON would show as they are).
void NoticeSpool::Add(const std::string& text) {
    if (!file_ && inMemory_.empty()) file_.reset(std::tmpfile());
    if (file_ && std::fwrite(text.data(), 1, text.size(), file_.get()) == text.size() &&
        std::fputc('\n', file_.get()) != EOF)
        return;
    inMemory_.push_back(text);
}

void NoticeSpool::ForEach(const std::function<void(const std::string&)>& visit) const {
    if (file_ && std::fseek(file_.get(), 0, SEEK_SET) == 0) {
        std::string line;
        for (int c; (c = std::fgetc(file_.get())) != EOF;) {
            if (c != '\n') {
                line += static_cast<char>(c);
                continue;
            }
            visit(line);
            line.clear();
        }
        std::fseek(file_.get(), 0, SEEK_END);
    }
    for (const std::string& text : inMemory_)
        visit(text);
}

} // namespace vantor
