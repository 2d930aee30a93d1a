// What the context menu of a node or row offers for the item it shows:
// "Copy as Pronto hex" for an IR code, "Save Picture As..." for a panel,
// frame, button or icon (a PNG file of the viewer's drawing, at the remote's
// own resolution), and "Copy Description" for every item (the display
// pane's text). Each acts on the item last shown (the browser's current
// tag); the menu makes its item current first.
#pragma once

#include <QString>

#include <string>

class QMenu;
class QTextEdit;
class QWidget;

namespace vantor {

class basCCF;
class WidgetUserInterface;

class ItemCommands {
public:
    ItemCommands(basCCF& browser, QTextEdit& pane, WidgetUserInterface& ui)
        : browser_(browser), pane_(pane), ui_(ui) {}

    // The commands of the item shown, as items of `menu`.
    void AddTo(QMenu& menu);

    bool CanCopyProntoHex() const;
    bool CanSavePicture() const;

    // The shown IR code's data words to the clipboard; false for another item.
    bool CopyProntoHex();
    void CopyDescription();
    // Asks for a file name (proposing PANEL-POSITION.png beside the CCF
    // file) and saves the picture there.
    bool SavePictureAs();
    // The viewer's drawing of the shown item as the PNG file `path`, written
    // as every other output is; a failure is said in a box.
    bool SavePicture(const QString& path);
    // The name SavePictureAs proposes for the shown item ("" for none).
    QString ProposedPictureName() const;

private:
    basCCF& browser_;
    QTextEdit& pane_;
    WidgetUserInterface& ui_;
};

} // namespace vantor
