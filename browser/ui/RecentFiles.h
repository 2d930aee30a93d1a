// The files opened last, newest first, as numbered items of a menu. The list
// is kept in the settings (section "Settings", key "RecentFiles") and written
// at each change, so that a second window or a crash loses nothing.
#pragma once

#include <QObject>
#include <QStringList>

class QMenu;

namespace vantor {

class RecentFiles final : public QObject {
    Q_OBJECT
public:
    static constexpr int Count = 8;

    // Reads the list and fills `menu`, which it keeps up to date.
    RecentFiles(QMenu& menu, QObject* parent = nullptr);

    // `path` becomes the newest; the oldest beyond eight is dropped.
    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Files() const noexcept { return files_; }

signals:
    // A file was chosen in the menu.
    void Chosen(const QString& path);

private:
    void Save() const;
    void Rebuild();

    QMenu& menu_;
    QStringList files_;
};

} // namespace vantor
