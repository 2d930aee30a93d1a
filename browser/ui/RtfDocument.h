// The display pane's reader for the rich text that the report writer
// produces: a small dialect (font table, "\par" lines, "\fsN" sizes, the
// remote's font for names, escaped braces and backslashes, Windows-1252
// bytes, PNG pictures). Everything else in the input is skipped; no input
// makes it fail.
#pragma once

#include <string>

class QTextDocument;

// Replaces the document's contents with the rich text `rtf`. Pictures become
// image resources of the document, shown at their declared size.
void LoadRtfDocument(QTextDocument& document, const std::string& rtf);
