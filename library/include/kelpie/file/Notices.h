// Notices: anomalies found while reading a file that do not stop the load
// (a read outside the file, a record reached twice, an invalid jump). The
// embedding program installs a handler; the library hands it each notice in
// order and waits for it to return. Without a handler notices go to stderr.
#pragma once

#include <kelpie/KelpieExport.h>

#include <functional>
#include <string>

namespace kelpie {

using NoticeHandler = std::function<void(const std::string& text)>;

// The default handler: writes the text and a line break to standard error.
KELPIE_API void WriteNoticeToStandardError(const std::string& text);

} // namespace kelpie
