// The outputs the walker writes to, as small interfaces. The desktop program
// implements them with widgets; the tests and vantor-report with plain data
// (RecordingSinks.h).
#pragma once

#include <string>
#include <vector>

namespace vantor {

// The navigation tree: nodes with a unique key, a text, an image key and a
// tag naming the record they show.
class TreeSink {
public:
    virtual ~TreeSink() = default;
    // Adds a node as the last child of `parentKey`, or at the top level when
    // `parentKey` is empty.
    virtual void AddNode(const std::string& parentKey, const std::string& key,
                         const std::string& text, const std::string& imageKey,
                         const std::string& tag) = 0;
    virtual void ExpandNode(const std::string& key) = 0;
    // Removes the node and everything under it.
    virtual void RemoveNode(const std::string& key) = 0;
    // False for a tree that lets its nodes go as they come (the command
    // line's): no node can be selected, so the browser registers no object
    // under its tag and shows no list or display of the opened file.
    virtual bool KeepsNodes() const { return true; }
};

struct ListRow {
    std::string Text;
    std::string ImageKey;
    std::vector<std::string> SubItems; // the texts of the further columns
    std::string Tag;
};

// The detail list: columns (heading and width in twips) and rows.
class ListSink {
public:
    virtual ~ListSink() = default;
    virtual void ClearColumns() = 0;
    virtual void AddColumn(const std::string& heading, int widthTwips) = 0;
    virtual void SetHeadingsVisible(bool visible) = 0;
    virtual void ClearRows() = 0;
    virtual void AddRow(const ListRow& row) = 0;
    // The rows of one selection are all added (a list on screen fits its
    // columns to them).
    virtual void RowsAdded() {}
};

// The display pane: shows one RTF document.
class DisplaySink {
public:
    virtual ~DisplaySink() = default;
    virtual void ShowDocument(const std::string& rtf) = 0;
};

// What the program shows besides its views: message boxes and the busy
// mouse pointer.
class UserInterface {
public:
    virtual ~UserInterface() = default;
    virtual void ShowMessage(const std::string& text) = 0;
    // A failure (a file that cannot be loaded or written): the same message,
    // marked as an error where the program can show the difference.
    virtual void ShowError(const std::string& text) { ShowMessage(text); }
    virtual void SetBusy(bool busy) = 0;
};

} // namespace vantor
