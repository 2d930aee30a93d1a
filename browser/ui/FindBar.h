// The find bar (Ctrl+F): a field, Previous and Next, and how many nodes
// match (by name, Pronto hex or what an IR code sends, see NodeSearch.h). Every match is
// highlighted in the tree; Next and Previous make the next or previous one current, in sight and
// shown, as a click would. Enter finds the next match, Shift+Enter the previous, Escape closes the
// bar. Typing searches anew after a short pause.
#pragma once

#include "NodeSearch.h"

#include <QToolBar>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace vantor {

class basCCF;

class FindBar final : public QToolBar {
    Q_OBJECT
public:
    // `find` turns a node key into the node (nullptr once it is gone).
    FindBar(QTreeWidget& tree, const basCCF& browser,
            std::function<QTreeWidgetItem*(const std::string&)> find, QWidget* parent = nullptr);

    // Shows the bar with the field focused and its text selected.
    void Open();
    void Close();
    // Searches for the field's text; with `selectFirst` the first match is
    // chosen.
    void Search(bool selectFirst = true);
    void Next();
    void Previous();
    // A file was opened or closed: the matches are counted again.
    void FilesChanged();

    QLineEdit& Field() const noexcept { return *field_; }
    QLabel& Status() const noexcept { return *status_; }
    int MatchCount() const noexcept { return static_cast<int>(hits_.size()); }
    // The match last chosen, counted from 0; -1 before the first.
    int CurrentMatch() const noexcept { return current_; }

signals:
    // A match is to be made current and shown.
    void MatchChosen(QTreeWidgetItem* node);
    // The bar closed; the tree should have the focus again.
    void Closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Step(int by);
    void Highlight(bool on);
    void ShowStatus();

    QTreeWidget& tree_;
    const basCCF& browser_;
    std::function<QTreeWidgetItem*(const std::string&)> find_;
    QLineEdit* field_;
    QLabel* status_;
    QTimer* typing_;
    std::vector<std::string> hits_; // node keys, in the tree's order
    int current_ = -1;
    QString searched_; // the text the matches are of
    DecodeCache decodes_;
};

} // namespace vantor
