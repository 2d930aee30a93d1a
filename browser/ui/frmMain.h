// The main window: the navigation tree on the left, the detail list above
// the display pane on the right, a toolbar, a status bar, two pane captions
// and two splitters. It opens and closes files, routes selections to the
// browser and keeps its geometry, the last file name and the recent files in
// the settings. Files also open from the command line, from a drop and from
// the recent files; a find bar searches every open file.
//
// The layout is computed in twips (1/1440 inch), as the stored settings
// are, and placed in pixels at the screen's logical dpi. Positions are in
// the window's client area below the menu bar, so the toolbar's height is
// part of the tree's top.
#pragma once

#include "DetailList.h"
#include "WidgetSinks.h"
#include "WidgetUserInterface.h"

#include "session/basCCF.h"

#include <QMainWindow>

#include <map>
#include <memory>
#include <string>

class QAction;
class QLabel;
class QTextEdit;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class frmFrame;

namespace vantor {
class FindBar;
class ItemCommands;
class NoticeSpool;
class RecentFiles;
class SplitterGrip;
} // namespace vantor

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain();
    ~frmMain() override;

    vantor::basCCF& Browser() noexcept { return browser_; }
    // The panel viewer: redrawn after each selection, its position saved at
    // exit and closed with this window.
    void SetViewer(frmFrame* viewer);
    // Opens a file (as the Open command does after the dialog) and makes its
    // root the current node. A load error is shown in a message box; a file
    // that is already open is shown again. A file that does not look like a
    // CCF file is opened only when the user says so. True when it is open.
    bool OpenFile(const QString& path);
    // Opens each file in turn (the command line, a drop).
    void OpenFiles(const QStringList& paths);

    // ---- Commands ----
    void OpenCommand();
    void CloseCommand();
    void ReportsCommand();
    void ExportCommand();
    void AboutCommand();
    void FindCommand();
    void ShowViewerCommand();
    void SetListViewMode(int mode);

    // Enables the commands that need an open file: from the first successful
    // open on, they stay enabled (and say so when no file is left).
    void SetVisibility(bool fileOpen);
    // Lays the panes out with the vertical splitter at x and the horizontal
    // one at y (twips); both are clamped and written back.
    void SizeControls(float& x, float& y);

    // ---- Splitter drags, in twips (the grips' mouse events end here) ----
    // `vertical`: the grip between the tree and the right-hand panes.
    void SplitterMouseDown(bool vertical);
    // `pointer`: the pointer's offset from the grip's left (vertical) or top.
    void SplitterMouseMove(bool vertical, float pointer);
    void SplitterMouseUp(bool vertical);
    bool SplitterDragging() const noexcept { return splitterDragging_; }

    float SplitterVLeft() const noexcept { return splitterVLeft_; }
    float SplitterHTop() const noexcept { return splitterHTop_; }
    // The file dialog's file name (persisted as "FileName").
    QString& DialogFileName() noexcept { return dialogFileName_; }

    // ---- Parts, for the other windows and the tests ----
    QTreeWidget& TreeView() const noexcept { return *tvTreeView_; }
    vantor::DetailList& ListView() const noexcept { return *lvListView_; }
    QTextEdit& DisplayPane() const noexcept { return *rtfText_; }
    vantor::WidgetUserInterface& Ui() noexcept { return ui_; }
    vantor::WidgetTree& TreeSink() noexcept { return treeSink_; }
    QToolBar& ToolBar() const noexcept { return *tbToolBar_; }
    // A toolbar button by key ("Open", "Print", "PrintFile", "View ...").
    QAction* ToolButton(const QString& key) const;
    vantor::FindBar& Find() const noexcept { return *findBar_; }
    vantor::RecentFiles& Recent() const noexcept { return *recent_; }
    vantor::ItemCommands& Items() const noexcept { return *items_; }
    // The notices of an open file's load, for the exports that list them.
    const vantor::NoticeSpool* LoadNotices(const std::string& fileName) const;

    // Makes a tree node current, in sight and shown, as a click does.
    void SelectNode(QTreeWidgetItem* item);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void BuildPanes();
    void ReadSettings();
    void WriteSettings();
    // A node or row became current or was clicked: it is shown unless it is
    // what the panes show already.
    void NodeChosen(QTreeWidgetItem* item);
    void ShowNode(QTreeWidgetItem* item);
    void RowChosen(const QString& tag);
    // The context menu of the item shown (a right click makes it current).
    void ItemMenu(QWidget* view, const QPoint& pos);
    // Asks whether to open a file that does not identify as a CCF file.
    bool OpenAnyway(const QString& path);
    // After a selection, an open or a close: the viewer's picture and the
    // commands that act on the current file.
    void AfterDisplay();
    // Selects and shows the root of an open file.
    void ShowOpenFile(const std::string& fileName);
    void ToggleBar(QWidget& bar, QAction& item);
    void Relayout();

    float Twips(int pixels) const;
    int Pixels(float twips) const;

    QTreeWidget* tvTreeView_;
    vantor::DetailList* lvListView_;
    QTextEdit* rtfText_;
    QToolBar* tbToolBar_ = nullptr;
    QWidget* panes_ = nullptr;
    QWidget* picTitles_ = nullptr;
    QLabel* lblTitle_[2] = {nullptr, nullptr};
    vantor::SplitterGrip* imgSplitterV_ = nullptr;
    vantor::SplitterGrip* imgSplitterH_ = nullptr;
    QWidget* picSplitter_ = nullptr;
    std::map<QString, QAction*> toolButtons_;
    QAction* mnuFileOpen_ = nullptr;
    QAction* mnuReports_ = nullptr;
    QAction* mnuFileExport_ = nullptr;
    QAction* mnuFileClose_ = nullptr;
    QAction* mnuViewToolbar_ = nullptr;
    QAction* mnuViewStatusBar_ = nullptr;
    QAction* mnuHelpContents_ = nullptr;
    QAction* mnuHelpSearchForHelpOn_ = nullptr;

    vantor::WidgetTree treeSink_;
    vantor::WidgetDisplay displaySink_;
    vantor::WidgetUserInterface ui_;
    vantor::basCCF browser_;
    frmFrame* viewer_ = nullptr;
    vantor::FindBar* findBar_ = nullptr;
    vantor::RecentFiles* recent_ = nullptr;
    vantor::ItemCommands* items_ = nullptr;
    // The notices of each open file's load, by file name, and of the load
    // under way.
    std::map<std::string, std::unique_ptr<vantor::NoticeSpool>> loadNotices_;
    std::unique_ptr<vantor::NoticeSpool> loading_;

    QString dialogFileName_;
    float splitterVLeft_ = 0;
    float splitterHTop_ = 0;
    float splitterBar_ = 0; // the grey bar's left or top during a drag
    bool splitterDragging_ = false;
    bool laidOut_ = false;
    bool fileOpened_ = false;  // a file was opened successfully
    bool closing_ = false;     // a file's nodes are being removed
    std::string shownNodeKey_; // the tree node last shown
};
