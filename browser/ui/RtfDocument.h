// Reads the writer's RTF into a text document.
// Temporary stand-in until the full reader lands: text and line breaks only.
#pragma once

#include <string>

class QTextDocument;

namespace vantor {
void LoadRtfDocument(QTextDocument& document, const std::string& rtf);
}
