// Plain-data implementations of the sinks, for tests and the command line.
#pragma once

#include "model/Sinks.h"

#include <algorithm>
#include <string>
#include <vector>

namespace vantor {

class RecordingTree final : public TreeSink {
public:
    struct Node {
        std::string ParentKey, Key, Text, ImageKey, Tag;
        bool Expanded = false;
    };
    void AddNode(const std::string& parentKey, const std::string& key, const std::string& text,
                 const std::string& imageKey, const std::string& tag) override {
        Nodes.push_back({parentKey, key, text, imageKey, tag, false});
    }
    void ExpandNode(const std::string& key) override {
        if (Node* node = Find(key)) node->Expanded = true;
    }
    void RemoveNode(const std::string& key) override;

    Node* Find(const std::string& key) {
        auto at =
            std::find_if(Nodes.begin(), Nodes.end(), [&](const Node& n) { return n.Key == key; });
        return at == Nodes.end() ? nullptr : &*at;
    }
    // The children of a node (top-level nodes for ""), in the order added.
    std::vector<const Node*> ChildrenOf(const std::string& key) const {
        std::vector<const Node*> children;
        for (const auto& node : Nodes)
            if (node.ParentKey == key) children.push_back(&node);
        return children;
    }

    std::vector<Node> Nodes;
};

class RecordingList final : public ListSink {
public:
    struct Column {
        std::string Heading;
        int WidthTwips;
    };
    void ClearColumns() override { Columns.clear(); }
    void AddColumn(const std::string& heading, int widthTwips) override {
        Columns.push_back({heading, widthTwips});
    }
    void SetHeadingsVisible(bool visible) override { HeadingsVisible = visible; }
    void ClearRows() override { Rows.clear(); }
    void AddRow(const ListRow& row) override { Rows.push_back(row); }

    std::vector<Column> Columns;
    std::vector<ListRow> Rows;
    bool HeadingsVisible = true;
};

class RecordingDisplay final : public DisplaySink {
public:
    void ShowDocument(const std::string& rtf) override { Document = rtf; }
    std::string Document;
};

class RecordingUserInterface final : public UserInterface {
public:
    void ShowMessage(const std::string& text) override { Messages.push_back(text); }
    void SetBusy(bool busy) override { Busy = busy; }
    std::vector<std::string> Messages;
    bool Busy = false;
};

} // namespace vantor
