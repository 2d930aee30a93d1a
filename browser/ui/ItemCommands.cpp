#include "ItemCommands.h"

#include "WidgetUserInterface.h"

#include "exports/IRCodeExport.h"
#include "model/Tags.h"
#include "outputs/PictureFile.h"
#include "session/basCCF.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QTextEdit>

namespace vantor {

namespace {

struct ShownItem {
    std::string Type;
    std::int32_t Position = 0;
    CCFlocal* File = nullptr;
};

ShownItem Shown(basCCF& browser) {
    ShownItem item;
    std::string key;
    if (ParseTag(browser.CurrentTag, key, item.Type, item.Position))
        item.File = browser.BrowserFiles.Item(key);
    return item;
}

// The word a picture file of the item is named with, as the exports name
// theirs (panel-POSITION.png); "" for items the viewer does not draw.
const char* PictureWord(const std::string& type) {
    if (type == "P") return "panel";
    if (type == "F") return "frame";
    if (type == "B") return "button";
    if (type == "I") return "icon";
    return "";
}

} // namespace

void ItemCommands::AddTo(QMenu& menu) {
    QAction* hex =
        menu.addAction(QStringLiteral("Copy as &Pronto hex"), [this] { CopyProntoHex(); });
    hex->setVisible(CanCopyProntoHex());
    QAction* picture =
        menu.addAction(QStringLiteral("&Save Picture As..."), [this] { SavePictureAs(); });
    picture->setVisible(CanSavePicture());
    menu.addAction(QStringLiteral("Copy &Description"), [this] { CopyDescription(); });
}

bool ItemCommands::CanCopyProntoHex() const {
    const ShownItem item = Shown(browser_);
    return item.File != nullptr && item.Type == "C";
}

bool ItemCommands::CanSavePicture() const {
    const ShownItem item = Shown(browser_);
    return item.File != nullptr && *PictureWord(item.Type) != '\0';
}

bool ItemCommands::CopyProntoHex() {
    const ShownItem item = Shown(browser_);
    if (item.File == nullptr || item.Type != "C") return false;
    const RegisteredObject* object = item.File->FindObject(browser_.CurrentTag);
    kelpie::IRCode* const* code = object ? std::get_if<kelpie::IRCode*>(object) : nullptr;
    if (code == nullptr || *code == nullptr) return false;
    QGuiApplication::clipboard()->setText(QString::fromStdString(ProntoHex((*code)->IRCodeData())));
    return true;
}

void ItemCommands::CopyDescription() {
    QGuiApplication::clipboard()->setText(pane_.toPlainText());
}

QString ItemCommands::ProposedPictureName() const {
    const ShownItem item = Shown(browser_);
    if (item.File == nullptr || *PictureWord(item.Type) == '\0') return {};
    const QFileInfo input(QString::fromStdString(item.File->CCF().CCFfile().FileName()));
    return input.absoluteDir().filePath(
        QStringLiteral("%1-%2.png").arg(QLatin1String(PictureWord(item.Type))).arg(item.Position));
}

bool ItemCommands::SavePictureAs() {
    const QString proposed = ProposedPictureName();
    if (proposed.isEmpty()) return false;
    const QString path = ui_.AskSaveFileName(QStringLiteral("Save Picture As"), proposed,
                                             QStringLiteral("PNG Pictures (*.png)"));
    return !path.isEmpty() && SavePicture(path);
}

bool ItemCommands::SavePicture(const QString& path) {
    const ShownItem item = Shown(browser_);
    if (item.File == nullptr || *PictureWord(item.Type) == '\0') return false;
    const kelpie::CCFfile& input = item.File->CCF().CCFfile();
    std::string error;
    if (WritePictureFile(path.toStdString(), browser_.Canvas.Image(), "PNG",
                         BoundsFor(input.FileName(), input.FileSize()), error))
        return true;
    ui_.ShowError("Error writing output file\n" + error);
    return false;
}

} // namespace vantor
