#include "WidgetSinks.h"

#include "NodeImages.h"
#include "RtfDocument.h"

#include <QTextEdit>
#include <QTreeWidget>

namespace vantor {

void WidgetTree::AddNode(const std::string& parentKey, const std::string& key,
                         const std::string& text, const std::string& imageKey,
                         const std::string& tag) {
    QTreeWidgetItem* parent = parentKey.empty() ? nullptr : Find(parentKey);
    // A parent that is not (or no longer) in the tree puts the node at the
    // top level rather than losing it.
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(&tree_);
    item->setText(0, QString::fromStdString(text));
    item->setIcon(0, NodeImage(QString::fromStdString(imageKey), false));
    item->setData(0, TagRole, QString::fromStdString(tag));
    item->setData(0, KeyRole, QString::fromStdString(key));
    Forget(items_[key]); // a reused key replaces the older node's entry
    items_[key] = item;
}

void WidgetTree::ExpandNode(const std::string& key) {
    if (QTreeWidgetItem* item = Find(key)) item->setExpanded(true);
}

void WidgetTree::RemoveNode(const std::string& key) {
    QTreeWidgetItem* item = Find(key);
    if (item == nullptr) return;
    std::vector<QTreeWidgetItem*> pending{item};
    while (!pending.empty()) {
        QTreeWidgetItem* next = pending.back();
        pending.pop_back();
        items_.erase(next->data(0, KeyRole).toString().toStdString());
        for (int i = 0; i < next->childCount(); ++i)
            pending.push_back(next->child(i));
    }
    delete item; // takes its descendants and leaves the tree
}

QTreeWidgetItem* WidgetTree::Find(const std::string& key) const {
    const auto at = items_.find(key);
    return at == items_.end() ? nullptr : at->second;
}

void WidgetTree::Forget(QTreeWidgetItem* item) {
    if (item != nullptr) item->setData(0, KeyRole, QString());
}

void WidgetDisplay::ShowDocument(const std::string& rtf) {
    LoadRtfDocument(*pane_.document(), rtf);
}

} // namespace vantor
