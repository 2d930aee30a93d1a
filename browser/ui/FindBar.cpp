#include "FindBar.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>

namespace vantor {

namespace {
constexpr int TypingPause = 250; // milliseconds
const QColor MatchColour(255, 236, 139);
} // namespace

FindBar::FindBar(QTreeWidget& tree, const basCCF& browser,
                 std::function<QTreeWidgetItem*(const std::string&)> find, QWidget* parent)
    : QToolBar(QStringLiteral("Find"), parent), tree_(tree), browser_(browser),
      find_(std::move(find)), field_(new QLineEdit(this)), status_(new QLabel(this)),
      typing_(new QTimer(this)) {
    setObjectName(QStringLiteral("FindBar"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    addWidget(new QLabel(QStringLiteral(" Find: "), this));
    field_->setObjectName(QStringLiteral("txtFind"));
    field_->setPlaceholderText(QStringLiteral("Name, Pronto hex or protocol"));
    field_->setClearButtonEnabled(true);
    field_->setMaximumWidth(260);
    field_->installEventFilter(this);
    addWidget(field_);
    QAction* previous = addAction(style()->standardIcon(QStyle::SP_ArrowUp),
                                  QStringLiteral("Previous"), this, &FindBar::Previous);
    previous->setToolTip(QStringLiteral("Previous match (Shift+Enter)"));
    QAction* next = addAction(style()->standardIcon(QStyle::SP_ArrowDown), QStringLiteral("Next"),
                              this, &FindBar::Next);
    next->setToolTip(QStringLiteral("Next match (Enter)"));
    status_->setObjectName(QStringLiteral("lblFindStatus"));
    status_->setMinimumWidth(100);
    addWidget(status_);
    auto* stretch = new QWidget(this);
    stretch->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    addWidget(stretch);
    QAction* close = addAction(style()->standardIcon(QStyle::SP_DialogCloseButton),
                               QStringLiteral("Close"), this, &FindBar::Close);
    close->setToolTip(QStringLiteral("Close the find bar (Escape)"));

    typing_->setSingleShot(true);
    typing_->setInterval(TypingPause);
    connect(typing_, &QTimer::timeout, this, [this] { Search(); });
    connect(field_, &QLineEdit::textEdited, typing_, qOverload<>(&QTimer::start));
    hide();
}

void FindBar::Open() {
    show();
    field_->setFocus(Qt::ShortcutFocusReason);
    field_->selectAll();
}

void FindBar::Close() {
    typing_->stop();
    Highlight(false);
    hits_.clear();
    current_ = -1;
    searched_.clear();
    status_->clear();
    hide();
    emit Closed();
}

void FindBar::Search(bool selectFirst) {
    typing_->stop();
    Highlight(false);
    searched_ = field_->text();
    hits_ = FindNodes(tree_, browser_, MakeFindQuery(searched_), decodes_);
    current_ = -1;
    Highlight(true);
    ShowStatus();
    if (selectFirst && !hits_.empty()) Step(1);
}

void FindBar::Next() {
    Step(1);
}

void FindBar::Previous() {
    Step(-1);
}

void FindBar::FilesChanged() {
    decodes_.Clear();
    if (!isVisible() || searched_.isEmpty()) return;
    // An opened or closed file's root is what is shown now, no match: the
    // bar counts again, and the next step starts from the first match.
    Search(false);
    ShowStatus();
}

void FindBar::Step(int by) {
    if (typing_->isActive() || searched_ != field_->text()) Search(false);
    const int count = MatchCount();
    if (count == 0) return;
    current_ = current_ < 0 ? (by > 0 ? 0 : count - 1) : (current_ + by + count) % count;
    ShowStatus();
    if (QTreeWidgetItem* node = find_(hits_[static_cast<std::size_t>(current_)]))
        emit MatchChosen(node);
}

void FindBar::Highlight(bool on) {
    for (const std::string& key : hits_)
        if (QTreeWidgetItem* node = find_(key)) {
            if (on)
                node->setBackground(0, MatchColour);
            else
                node->setData(0, Qt::BackgroundRole, QVariant());
        }
}

void FindBar::ShowStatus() {
    if (searched_.trimmed().isEmpty())
        status_->clear();
    else if (hits_.empty())
        status_->setText(QStringLiteral("No match"));
    else if (current_ < 0)
        status_->setText(QStringLiteral("%1 found").arg(MatchCount()));
    else
        status_->setText(QStringLiteral("%1 of %2").arg(current_ + 1).arg(MatchCount()));
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            Close();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            Step(key->modifiers() & Qt::ShiftModifier ? -1 : 1);
            field_->setFocus(); // showing a match must not take the field's focus
            return true;
        }
    }
    return QToolBar::eventFilter(watched, event);
}

} // namespace vantor
