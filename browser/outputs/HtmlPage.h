// The fixed parts of a report's web page: the head with its style sheets
// (screen and print), the filter box, and the filter script at the end.
// Everything is inline: the page makes no request of its own, so it reads
// the same offline and from a mail attachment.
#pragma once

#include <string>

namespace vantor {

// From the document type to the filter box; `title` is HTML text.
std::string PageBeginning(const std::string& title);
// The filter script and the end of the page.
std::string PageEnd();

} // namespace vantor
