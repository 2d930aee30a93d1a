#include "RecentFiles.h"

#include <QDir>
#include <QMenu>
#include <QSettings>

namespace vantor {

namespace {
const QString Key = QStringLiteral("Settings/RecentFiles");

QSettings ProgramSettings() {
    return QSettings(QStringLiteral("Vantor"), QStringLiteral("Vantor"));
}
} // namespace

RecentFiles::RecentFiles(QMenu& menu, QObject* parent) : QObject(parent), menu_(menu) {
    files_ = ProgramSettings().value(Key).toStringList();
    files_.removeAll(QString());
    files_.removeDuplicates();
    while (files_.size() > Count)
        files_.removeLast();
    Rebuild();
}

void RecentFiles::Add(const QString& path) {
    files_.removeAll(path);
    files_.prepend(path);
    while (files_.size() > Count)
        files_.removeLast();
    Save();
    Rebuild();
}

void RecentFiles::Remove(const QString& path) {
    if (files_.removeAll(path) == 0) return;
    Save();
    Rebuild();
}

void RecentFiles::Save() const {
    ProgramSettings().setValue(Key, files_);
}

void RecentFiles::Rebuild() {
    // The menu's items are made once and relabelled: an item may be
    // rebuilt while its own click is being handled.
    while (menu_.actions().size() < Count) {
        QAction* item = menu_.addAction(QString());
        connect(item, &QAction::triggered, this,
                [this, item] { emit Chosen(item->data().toString()); });
    }
    const QList<QAction*> items = menu_.actions();
    for (qsizetype i = 0; i < items.size(); ++i) {
        QAction* item = items[i];
        item->setVisible(i < files_.size());
        if (i >= files_.size()) continue;
        // "&1 /home/user/remote.ccf": the number is the access key; an "&"
        // of the name is doubled so that it shows.
        QString shown = QDir::toNativeSeparators(files_[i]);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        item->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        item->setData(files_[i]);
    }
    menu_.setEnabled(!files_.isEmpty());
}

} // namespace vantor
