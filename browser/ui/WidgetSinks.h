// The navigation tree and the display pane as the walker's sinks.
#pragma once

#include "model/Sinks.h"

#include <QIcon>

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

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

    // While a batch lasts, new top-level nodes (and so a whole new file's
    // tree) are built apart from the widget and join it in one step when the
    // batch ends: a node added to a shown tree costs the view's signals and
    // bookkeeping for every item, which dominates opening a large file.
    class Batch {
    public:
        explicit Batch(WidgetTree& tree) : tree_(tree) { ++tree_.batches_; }
        ~Batch() {
            if (--tree_.batches_ == 0) tree_.AttachPending();
        }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        WidgetTree& tree_;
    };

    void AddNode(const std::string& parentKey, const std::string& key, const std::string& text,
                 const std::string& imageKey, const std::string& tag) override;
    void ExpandNode(const std::string& key) override;
    void RemoveNode(const std::string& key) override;

    // nullptr when no node has the key.
    QTreeWidgetItem* Find(std::string_view key) const;

private:
    void Forget(QTreeWidgetItem* item);
    QTreeWidgetItem* FindParent(const std::string& parentKey);
    void AttachPending();
    const QIcon& Image(const std::string& imageKey);

    QTreeWidget& tree_;
    // Keys are views of the nodes' own keys (see AddNode).
    std::unordered_map<std::string_view, QTreeWidgetItem*> items_;
    std::unordered_map<std::string, QIcon> images_;
    int batches_ = 0;
    // The last node added and its ancestors, root first.
    std::vector<QTreeWidgetItem*> path_;
    // Top-level nodes built during a batch, and the nodes to expand once they
    // are in the widget (a node outside a view cannot be expanded).
    std::vector<QTreeWidgetItem*> pending_;
    std::vector<std::string> pendingExpansions_;
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
