// The navigation tree and the display pane as the walker's sinks.
#pragma once

#include "model/Sinks.h"

#include <string>
#include <unordered_map>

class QTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace vantor {

// Item data roles of tree nodes and list rows.
enum ItemRole { TagRole = 0x0100 /* Qt::UserRole */, KeyRole };

// Tree nodes found by key in one lookup; a large file has tens of thousands.
class WidgetTree final : public TreeSink {
public:
    explicit WidgetTree(QTreeWidget& tree) : tree_(tree) {}

    void AddNode(const std::string& parentKey, const std::string& key, const std::string& text,
                 const std::string& imageKey, const std::string& tag) override;
    void ExpandNode(const std::string& key) override;
    void RemoveNode(const std::string& key) override;

    // nullptr when no node has the key.
    QTreeWidgetItem* Find(const std::string& key) const;

private:
    void Forget(QTreeWidgetItem* item);

    QTreeWidget& tree_;
    std::unordered_map<std::string, QTreeWidgetItem*> items_;
};

// The display pane: reads the writer's RTF into the pane's document.
class WidgetDisplay final : public DisplaySink {
public:
    explicit WidgetDisplay(QTextEdit& pane) : pane_(pane) {}
    void ShowDocument(const std::string& rtf) override;

private:
    QTextEdit& pane_;
};

} // namespace vantor
