#include "WidgetSinks.h"

#include "FileText.h"
#include "NodeImages.h"
#include "RtfDocument.h"

#include <QTextEdit>
#include <QTreeWidget>

namespace vantor {

namespace {

// A tree node that keeps its texts as the walker made them and converts them
// only when the view asks (for the few rows on screen): a large file's tree
// has hundreds of thousands of nodes, and converting and storing every text
// up front was most of the time it took to open. A node's tag is nearly
// always the start of its key, and is then not stored twice.
//
// Names come from the file in its 8-bit code page; only the root's text, the
// file's path, is the system's own UTF-8.
class NodeItem final : public QTreeWidgetItem {
public:
    NodeItem(std::string text, const QIcon& image, const std::string& tag, std::string key)
        : QTreeWidgetItem(UserType), text_(std::move(text)), image_(image), key_(std::move(key)),
          pathText_(IsRoot(tag)) {
        const bool prefix = key_.compare(0, tag.size(), tag) == 0 &&
                            (key_.size() == tag.size() || key_[tag.size()] == '/');
        if (prefix)
            tagLength_ = tag.size();
        else
            tag_ = tag;
    }

    QVariant data(int column, int role) const override {
        if (column == 0) {
            switch (role) {
            case Qt::DisplayRole:
            case Qt::EditRole:
                return pathText_ ? QString::fromStdString(text_) : FileText(text_);
            case Qt::DecorationRole:
                return image_;
            case TagRole:
                return QString::fromStdString(Tag());
            case KeyRole:
                return QString::fromStdString(std::string(Key()));
            default:
                break;
            }
        }
        return QTreeWidgetItem::data(column, role);
    }
    // The key the tree finds this node by ("" once a newer node took it).
    std::string_view Key() const noexcept { return keyed_ ? key_ : std::string_view(); }
    void ForgetKey() noexcept { keyed_ = false; }

private:
    std::string Tag() const { return tag_.empty() ? key_.substr(0, tagLength_) : tag_; }
    // Whether the tag names a file's root ("CCF1/H/0"), read in place: every
    // node of a large file passes here.
    static bool IsRoot(const std::string& tag) {
        const std::size_t slash = tag.find('/');
        return slash != std::string::npos && tag.compare(slash + 1, 2, "H/") == 0;
    }

    std::string text_;
    QIcon image_;
    std::string key_;
    std::string tag_;
    std::size_t tagLength_ = 0;
    bool keyed_ = true;
    bool pathText_;
};

} // namespace

void WidgetTree::AddNode(const std::string& parentKey, const std::string& key,
                         const std::string& text, const std::string& imageKey,
                         const std::string& tag) {
    // A parent that is not (or no longer) in the tree puts the node at the
    // top level rather than losing it.
    QTreeWidgetItem* parent = parentKey.empty() ? nullptr : FindParent(parentKey);
    // The item is complete before it joins its parent, so that the view is
    // told about it once.
    auto* item = new NodeItem(text, Image(imageKey), tag, key);
    if (parent != nullptr)
        parent->addChild(item);
    else if (batches_ > 0)
        pending_.push_back(item);
    else
        tree_.addTopLevelItem(item);
    // The map's key is a view of the node's own key.
    auto [entry, added] = items_.try_emplace(item->Key(), item);
    if (!added) {
        Forget(entry->second); // a reused key replaces the older node's entry
        items_.erase(entry);
        items_.emplace(item->Key(), item);
    }
    path_.push_back(item);
}

QTreeWidgetItem* WidgetTree::FindParent(const std::string& parentKey) {
    // The walker adds nodes depth first, so a new node's parent is nearly
    // always the last node added or one of its ancestors.
    while (!path_.empty() && static_cast<NodeItem*>(path_.back())->Key() != parentKey)
        path_.pop_back();
    if (!path_.empty()) return path_.back();
    QTreeWidgetItem* parent = Find(parentKey);
    for (QTreeWidgetItem* at = parent; at != nullptr; at = at->parent())
        path_.insert(path_.begin(), at);
    return parent;
}

void WidgetTree::ExpandNode(const std::string& key) {
    if (batches_ > 0)
        pendingExpansions_.push_back(key);
    else if (QTreeWidgetItem* item = Find(key))
        item->setExpanded(true);
}

void WidgetTree::AttachPending() {
    QList<QTreeWidgetItem*> items(pending_.begin(), pending_.end());
    pending_.clear();
    tree_.addTopLevelItems(items);
    for (const std::string& key : pendingExpansions_)
        if (QTreeWidgetItem* item = Find(key)) item->setExpanded(true);
    pendingExpansions_.clear();
}

const QIcon& WidgetTree::Image(const std::string& imageKey) {
    const auto [at, added] = images_.try_emplace(imageKey);
    if (added) at->second = NodeImage(QString::fromStdString(imageKey), false);
    return at->second;
}

void WidgetTree::RemoveNode(const std::string& key) {
    QTreeWidgetItem* item = Find(key);
    if (item == nullptr) return;
    path_.clear();
    std::vector<QTreeWidgetItem*> pending{item};
    while (!pending.empty()) {
        QTreeWidgetItem* next = pending.back();
        pending.pop_back();
        if (const std::string_view nodeKey = static_cast<NodeItem*>(next)->Key(); !nodeKey.empty())
            items_.erase(nodeKey);
        for (int i = 0; i < next->childCount(); ++i)
            pending.push_back(next->child(i));
    }
    std::erase(pending_, item);
    delete item; // takes its descendants and leaves the tree
}

QTreeWidgetItem* WidgetTree::Find(std::string_view key) const {
    const auto at = items_.find(key);
    return at == items_.end() ? nullptr : at->second;
}

void WidgetTree::Forget(QTreeWidgetItem* item) {
    if (item != nullptr) static_cast<NodeItem*>(item)->ForgetKey();
}

void WidgetDisplay::ShowDocument(const std::string& rtf) {
    LoadRtfDocument(*pane_.document(), rtf);
}

} // namespace vantor
