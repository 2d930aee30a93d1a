// The main window on the offscreen platform, with its boxes and file dialogs
// answered by the test, and its settings cleared before each test.
#pragma once

#include "WidgetSinks.h"
#include "WidgetUserInterface.h"
#include "frmMain.h"

#include <QAction>
#include <QFile>
#include <QSettings>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <memory>

namespace vantor::testing {

inline const QString Sample = QStringLiteral(KELPIE_SOURCE_DIR "/samples/colour-v3.ccf");

// Answers the boxes and dialogs without a modal loop and remembers what they
// said.
struct Answers {
    QStringList Messages;
    QStringList Errors;
    QStringList Notices;
    QStringList Questions;
    bool HideAfterFirstNotice = false;
    bool Yes = false;     // the answer to every question
    QString SaveAs;       // the answer to every save dialog ("" cancels)
    QString SaveProposed; // what the last save dialog proposed
};

class RecordingPresenter final : public MessagePresenter {
public:
    explicit RecordingPresenter(Answers& answers) : answers_(answers) {}
    void Message(QWidget*, const QString& text) override { answers_.Messages << text; }
    bool Notice(QWidget*, const QString& text) override {
        answers_.Notices << text;
        return answers_.HideAfterFirstNotice;
    }
    void Error(QWidget*, const QString& text) override { answers_.Errors << text; }
    bool Question(QWidget*, const QString& text) override {
        answers_.Questions << text;
        return answers_.Yes;
    }
    QString SaveFileName(QWidget*, const QString&, const QString& proposed,
                         const QString&) override {
        answers_.SaveProposed = proposed;
        return answers_.SaveAs;
    }

private:
    Answers& answers_;
};

inline void ClearSettings() {
    QSettings settings(QStringLiteral("Vantor"), QStringLiteral("Vantor"));
    settings.clear();
}

inline QVariant Setting(const char* key) {
    QSettings settings(QStringLiteral("Vantor"), QStringLiteral("Vantor"));
    return settings.value(QStringLiteral("Settings/") + QString::fromLatin1(key));
}

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ClearSettings();
        Create();
    }
    void Create() {
        window = std::make_unique<frmMain>();
        window->Ui().SetPresenter(std::make_unique<RecordingPresenter>(answers));
    }
    QAction* Menu(const char* name) const {
        return window->findChild<QAction*>(QString::fromLatin1(name));
    }
    QTreeWidget& Tree() const { return window->TreeView(); }
    QTreeWidgetItem* Child(QTreeWidgetItem* parent, const QString& text) const {
        for (int i = 0; i < parent->childCount(); ++i)
            if (parent->child(i)->text(0) == text) return parent->child(i);
        return nullptr;
    }
    QTreeWidgetItem* Root(int index = 0) const { return Tree().topLevelItem(index); }
    void Click(QTreeWidgetItem* item) const { emit Tree().itemClicked(item, 0); }
    void ClickRow(int row) const {
        QTreeView& details = window->ListView().DetailsView();
        emit details.clicked(window->ListView().Model().index(row, 0));
    }
    QStringList Texts(QTreeWidgetItem* parent) const {
        QStringList texts;
        for (int i = 0; i < parent->childCount(); ++i)
            texts << parent->child(i)->text(0);
        return texts;
    }
    QString Cell(int row, int column) const {
        return window->ListView().Model().item(row, column)->text();
    }
    std::string CurrentTag() const { return window->Browser().CurrentTag; }
    std::string TagOf(QTreeWidgetItem* item) const {
        return item->data(0, TagRole).toString().toStdString();
    }
    // A copy of `source` in the test's folder under `name`.
    QString Copy(const QString& name, const QString& source = Sample) {
        const QString path = folder.filePath(name);
        QFile::remove(path);
        EXPECT_TRUE(QFile::copy(source, path));
        return path;
    }
    // A file of the test's folder with these bytes.
    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = folder.filePath(name);
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return path;
    }
    QTemporaryDir folder;
    Answers answers;
    std::unique_ptr<frmMain> window;
};

} // namespace vantor::testing
