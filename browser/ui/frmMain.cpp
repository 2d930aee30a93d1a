#include "frmMain.h"

#include "FindBar.h"
#include "FullTextToolTips.h"
#include "ItemCommands.h"
#include "NodeImages.h"
#include "RecentFiles.h"
#include "SplitterGrip.h"
#include "Twips.h"

#include "exports/NoticeSpool.h"
#include "model/BusyPointer.h"
#include "session/FileIdentity.h"

#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QTextEdit>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QTreeWidget>
#include <QUrl>

#include <algorithm>

// The other windows.
#include "frmExport.h"
#include "frmFrame.h"
#include "frmReports.h"
#include "frmSplash.h"

using namespace vantor;

namespace {

// Layout lengths in twips.
constexpr float TitlesHeight = 300; // the caption strip
constexpr float TitleTop = 15;      // a caption within the strip
constexpr float TitleHeight = 270;
constexpr float PaneGap = 40;        // between the tree and the right column, list and pane
constexpr float RightMargin = 100;   // right of the list and the pane (with the gap: 140)
constexpr float LayoutMargin = 1500; // closest a splitter comes to an edge after a layout
constexpr float DragMargin = 500;    // closest the grey bar comes to an edge while dragging
constexpr float MinimumWidth = 3000;

// Settings: program "Vantor", section "Settings", lengths in twips as text.
constexpr const char* Program = "Vantor";

float ReadLength(QSettings& settings, const char* key, float fallback) {
    bool ok = false;
    const float value = settings.value(key).toString().toFloat(&ok);
    return ok ? value : fallback;
}

void WriteLength(QSettings& settings, const char* key, float value) {
    settings.setValue(key, QString::number(static_cast<double>(value), 'g', 7));
}

QFont PaneFont() {
    // The remote's own font, so names with its glyphs show as on the remote;
    // without it Qt falls back to an ordinary font.
    QFont font(QStringLiteral("Pronto"));
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    return font;
}

// The name a file is kept under: its absolute path with links resolved, so
// that one file reached by two spellings is one open file.
QString FileKey(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

} // namespace

frmMain::frmMain()
    : tvTreeView_(new QTreeWidget), lvListView_(new DetailList), rtfText_(new QTextEdit),
      treeSink_(*tvTreeView_), displaySink_(*rtfText_), ui_(this),
      browser_(treeSink_, *lvListView_, displaySink_, ui_) {
    setWindowTitle(QStringLiteral("Vantor"));
    browser_.LibraryFiles.SetNoticeHandler([this](const std::string& text) {
        // Kept for the JSON export, which lists them, however many the box hides.
        if (loading_) loading_->Add(text);
        ui_.ShowNotice(text);
    });
    items_ = new ItemCommands(browser_, *rtfText_, ui_);
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    BuildPanes();
    findBar_ = new FindBar(
        *tvTreeView_, browser_, [this](const std::string& key) { return treeSink_.Find(key); },
        this);
    addToolBar(Qt::BottomToolBarArea, findBar_);
    connect(findBar_, &FindBar::MatchChosen, this, &frmMain::SelectNode);
    connect(findBar_, &FindBar::Closed, this, [this] {
        tvTreeView_->setFocus();
        Relayout();
    });
    connect(findBar_, &QToolBar::visibilityChanged, this, [this] { Relayout(); });
    setAcceptDrops(true);
    setMinimumWidth(Pixels(MinimumWidth));
    ReadSettings();
    SetListViewMode(lvwReport);
    SetVisibility(false);
    laidOut_ = true;
    Relayout();
}

frmMain::~frmMain() {
    // The sinks die with the widgets; the files must not outlive them.
    browser_.LibraryFiles.SetNoticeHandler({});
    delete items_;
}

void frmMain::SetViewer(frmFrame* viewer) {
    viewer_ = viewer;
    if (viewer_ != nullptr)
        connect(viewer_, &frmFrame::SavePictureRequested, this,
                [this] { items_->SavePictureAs(); });
}

float frmMain::Twips(int pixels) const {
    return static_cast<float>(PixelsToTwips(pixels, this));
}

int frmMain::Pixels(float twips) const {
    return TwipsToPixels(twips, this);
}

void frmMain::BuildMenus() {
    auto add = [this](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    mnuFileOpen_ = add(file, "mnuFileOpen", QStringLiteral("&Open..."));
    QMenu* recent = file->addMenu(QStringLiteral("Open &Recent"));
    recent->setObjectName(QStringLiteral("mnuFileRecent"));
    recent_ = new RecentFiles(*recent, this);
    connect(recent_, &RecentFiles::Chosen, this, [this](const QString& path) {
        if (!QFileInfo::exists(path)) {
            ui_.ShowMessage(QStringLiteral("The file %1 no longer exists. It was removed from the "
                                           "recent files.")
                                .arg(QDir::toNativeSeparators(path))
                                .toStdString());
            recent_->Remove(path);
            return;
        }
        OpenFile(path);
    });
    file->addSeparator();
    mnuReports_ = add(file, "mnuReports", QStringLiteral("&Reports..."));
    mnuFileExport_ = add(file, "mnuFileExport", QStringLiteral("&Export..."));
    file->addSeparator();
    mnuFileClose_ = add(file, "mnuFileClose", QStringLiteral("&Close CCF"));
    QAction* exit = add(file, "mnuExit", QStringLiteral("E&xit"));
    // The platform's standard keys; Reports writes the file's documents, as
    // printing would.
    mnuFileOpen_->setShortcut(QKeySequence::Open);
    mnuReports_->setShortcut(QKeySequence::Print);
    mnuFileClose_->setShortcut(QKeySequence::Close);
    exit->setShortcut(QKeySequence::Quit);
    if (exit->shortcut().isEmpty()) exit->setShortcut(Qt::CTRL | Qt::Key_Q); // none on the platform
    connect(mnuFileOpen_, &QAction::triggered, this, &frmMain::OpenCommand);
    connect(mnuReports_, &QAction::triggered, this, &frmMain::ReportsCommand);
    connect(mnuFileExport_, &QAction::triggered, this, &frmMain::ExportCommand);
    connect(mnuFileClose_, &QAction::triggered, this, &frmMain::CloseCommand);
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    QAction* find = add(edit, "mnuEditFind", QStringLiteral("&Find..."));
    QAction* findNext = add(edit, "mnuEditFindNext", QStringLiteral("Find &Next"));
    QAction* findPrevious = add(edit, "mnuEditFindPrevious", QStringLiteral("Find &Previous"));
    find->setShortcut(QKeySequence::Find);
    findNext->setShortcut(QKeySequence::FindNext);
    findPrevious->setShortcut(QKeySequence::FindPrevious);
    connect(find, &QAction::triggered, this, &frmMain::FindCommand);
    connect(findNext, &QAction::triggered, this, [this] {
        findBar_->show();
        findBar_->Next();
    });
    connect(findPrevious, &QAction::triggered, this, [this] {
        findBar_->show();
        findBar_->Previous();
    });
    edit->addSeparator();
    // The item shown: what its context menu offers.
    QAction* copy = add(edit, "mnuEditCopyDescription", QStringLiteral("Copy &Description"));
    connect(copy, &QAction::triggered, this, [this] { items_->CopyDescription(); });

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    mnuViewToolbar_ = add(view, "mnuViewToolbar", QStringLiteral("&Toolbar"));
    mnuViewStatusBar_ = add(view, "mnuViewStatusBar", QStringLiteral("Status &Bar"));
    for (QAction* bar : {mnuViewToolbar_, mnuViewStatusBar_}) {
        bar->setCheckable(true);
        bar->setChecked(true);
    }
    view->addSeparator();
    const char* modes[] = {"Lar&ge Icons", "S&mall Icons", "&List", "&Details"};
    for (int mode = 0; mode < 4; ++mode) {
        QAction* item = add(view, "mnuListViewMode", QString::fromLatin1(modes[mode]));
        item->setData(mode);
        connect(item, &QAction::triggered, this, [this, mode] { SetListViewMode(mode); });
    }
    view->addSeparator();
    add(view, "mnuViewArrangeIcons", QStringLiteral("Arrange &Icons"));
    view->addSeparator();
    QAction* viewer = add(view, "mnuViewViewer", QStringLiteral("Panel &Viewer"));
    connect(viewer, &QAction::triggered, this, &frmMain::ShowViewerCommand);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpContents_ = add(help, "mnuHelpContents", QStringLiteral("&Contents"));
    mnuHelpSearchForHelpOn_ =
        add(help, "mnuHelpSearchForHelpOn", QStringLiteral("&Search For Help On..."));
    help->addSeparator();
    QAction* about = add(help, "mnuHelpAbout", QStringLiteral("&About "));
    connect(about, &QAction::triggered, this, &frmMain::AboutCommand);
}

void frmMain::BuildToolBar() {
    tbToolBar_ = addToolBar(QStringLiteral("Toolbar"));
    tbToolBar_->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar_->setMovable(false);
    tbToolBar_->setFloatable(false);
    tbToolBar_->setIconSize(QSize(16, 16));
    struct Button {
        const char* Key;
        const char* ToolTip;
    };
    const Button buttons[] = {{"Open", "Open CCF"},
                              {"Print", "Print"},
                              {"PrintFile", "Reports"},
                              {"View Large Icons", "View Large Icons"},
                              {"View Small Icons", "View Small Icons"},
                              {"View List", "View List"},
                              {"View Details", "View Details"}};
    for (const auto& button : buttons) {
        const QString key = QString::fromLatin1(button.Key);
        if (key == QLatin1String("View Large Icons")) tbToolBar_->addSeparator();
        QAction* action = tbToolBar_->addAction(ToolbarImage(key), key);
        action->setToolTip(QString::fromLatin1(button.ToolTip));
        action->setData(key);
        toolButtons_[key] = action;
    }
    connect(toolButtons_["Open"], &QAction::triggered, this, &frmMain::OpenCommand);
    connect(toolButtons_["PrintFile"], &QAction::triggered, this, &frmMain::ReportsCommand);
    const char* views[] = {"View Large Icons", "View Small Icons", "View List", "View Details"};
    for (int mode = 0; mode < 4; ++mode)
        connect(toolButtons_[QString::fromLatin1(views[mode])], &QAction::triggered, this,
                [this, mode] { SetListViewMode(mode); });
    connect(mnuViewToolbar_, &QAction::triggered, this,
            [this] { ToggleBar(*tbToolBar_, *mnuViewToolbar_); });
}

void frmMain::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    bar->setSizeGripEnabled(false);
    auto* status = new QLabel(QStringLiteral("Status"));
    auto* date = new QLabel;
    auto* time = new QLabel;
    status->setObjectName(QStringLiteral("sbStatus"));
    date->setObjectName(QStringLiteral("sbDate"));
    time->setObjectName(QStringLiteral("sbTime"));
    for (QLabel* panel : {date, time}) {
        panel->setMinimumWidth(Pixels(1440)); // at least one inch
        panel->setAlignment(Qt::AlignCenter);
    }
    bar->addWidget(status, 1);
    bar->addPermanentWidget(date);
    bar->addPermanentWidget(time);
    // The date and time panels keep to the clock by themselves.
    auto tick = [date, time] {
        date->setText(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        time->setText(QLocale().toString(QTime::currentTime(), QLocale::ShortFormat));
    };
    tick();
    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, tick);
    clock->start(1000);
    connect(mnuViewStatusBar_, &QAction::triggered, this,
            [this] { ToggleBar(*statusBar(), *mnuViewStatusBar_); });
}

void frmMain::BuildPanes() {
    panes_ = new QWidget(this);
    setCentralWidget(panes_);

    picTitles_ = new QWidget(panes_);
    picTitles_->setObjectName(QStringLiteral("picTitles"));
    const char* titles[] = {" TreeView:", " ListView:"};
    for (int i = 0; i < 2; ++i) {
        lblTitle_[i] = new QLabel(QString::fromLatin1(titles[i]), picTitles_);
        lblTitle_[i]->setObjectName(QStringLiteral("lblTitle%1").arg(i));
        lblTitle_[i]->setFrameShape(QFrame::Panel);
        lblTitle_[i]->setFrameShadow(QFrame::Sunken);
    }

    tvTreeView_->setParent(panes_);
    tvTreeView_->setObjectName(QStringLiteral("tvTreeView"));
    tvTreeView_->setHeaderHidden(true);
    tvTreeView_->setUniformRowHeights(true);
    tvTreeView_->setFont(PaneFont());
    // The one column is as wide as its texts, and the tree scrolls sideways
    // to reach a long name.
    tvTreeView_->header()->setStretchLastSection(false);
    tvTreeView_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tvTreeView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    FullTextToolTips::Install(*tvTreeView_);
    // A node becomes current by a click, the keyboard or type-ahead; each
    // way shows it.
    connect(tvTreeView_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { NodeChosen(current); });
    connect(tvTreeView_, &QTreeWidget::itemClicked, this, &frmMain::NodeChosen);
    tvTreeView_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tvTreeView_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { ItemMenu(tvTreeView_, pos); });

    lvListView_->setParent(panes_);
    lvListView_->setObjectName(QStringLiteral("lvListView"));
    lvListView_->setFont(PaneFont());
    connect(lvListView_, &DetailList::RowChosen, this, &frmMain::RowChosen);
    for (QAbstractItemView* rows : {static_cast<QAbstractItemView*>(&lvListView_->IconView()),
                                    static_cast<QAbstractItemView*>(&lvListView_->DetailsView())}) {
        rows->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(rows, &QWidget::customContextMenuRequested, this,
                [this, rows](const QPoint& pos) { ItemMenu(rows, pos); });
    }

    rtfText_->setParent(panes_);
    rtfText_->setObjectName(QStringLiteral("rtfText"));
    rtfText_->setReadOnly(true);
    rtfText_->setFont(PaneFont());

    imgSplitterV_ = new SplitterGrip(Qt::Vertical, panes_);
    imgSplitterH_ = new SplitterGrip(Qt::Horizontal, panes_);
    imgSplitterV_->setObjectName(QStringLiteral("imgSplitterV"));
    imgSplitterH_->setObjectName(QStringLiteral("imgSplitterH"));
    for (bool vertical : {true, false}) {
        SplitterGrip* grip = vertical ? imgSplitterV_ : imgSplitterH_;
        grip->Pressed = [this, vertical] { SplitterMouseDown(vertical); };
        grip->Moved = [this, vertical](QPoint pointer) {
            SplitterMouseMove(vertical, Twips(vertical ? pointer.x() : pointer.y()));
        };
        grip->Released = [this, vertical] { SplitterMouseUp(vertical); };
    }

    picSplitter_ = new QWidget(panes_);
    picSplitter_->setObjectName(QStringLiteral("picSplitter"));
    picSplitter_->setAutoFillBackground(true);
    QPalette grey = picSplitter_->palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    picSplitter_->setPalette(grey);
    picSplitter_->hide();
}

QAction* frmMain::ToolButton(const QString& key) const {
    const auto at = toolButtons_.find(key);
    return at == toolButtons_.end() ? nullptr : at->second;
}

// ---- Settings ----

void frmMain::ReadSettings() {
    QSettings settings(QString::fromLatin1(Program), QString::fromLatin1(Program));
    settings.beginGroup(QStringLiteral("Settings"));
    const float left = ReadLength(settings, "MainLeft", 1000);
    const float top = ReadLength(settings, "MainTop", 1000);
    const float width = ReadLength(settings, "MainWidth", 6500);
    const float height = ReadLength(settings, "MainHeight", 6500);
    move(Pixels(left), Pixels(top));
    // The minimum width widens a narrower stored width to 3000 twips.
    resize(std::max(Pixels(width), minimumWidth()), std::max(Pixels(height), 1));
    splitterVLeft_ = ReadLength(settings, "SplitterVLeft", Twips(this->width()) / 2);
    splitterHTop_ = ReadLength(settings, "SplitterHTop", Twips(this->height()) / 2);
    dialogFileName_ = settings.value(QStringLiteral("FileName")).toString();
}

void frmMain::WriteSettings() {
    QSettings settings(QString::fromLatin1(Program), QString::fromLatin1(Program));
    settings.beginGroup(QStringLiteral("Settings"));
    // A minimized window keeps the stored geometry of the last normal one.
    if (!isMinimized()) {
        WriteLength(settings, "MainLeft", Twips(x()));
        WriteLength(settings, "MainTop", Twips(y()));
        WriteLength(settings, "MainWidth", Twips(width()));
        WriteLength(settings, "MainHeight", Twips(height()));
        WriteLength(settings, "SplitterVLeft", splitterVLeft_);
        WriteLength(settings, "SplitterHTop", splitterHTop_);
    }
    if (viewer_ != nullptr && !viewer_->isMinimized()) {
        WriteLength(settings, "FrameLeft", Twips(viewer_->x()));
        WriteLength(settings, "FrameTop", Twips(viewer_->y()));
    }
    if (!dialogFileName_.isEmpty()) settings.setValue(QStringLiteral("FileName"), dialogFileName_);
}

void frmMain::closeEvent(QCloseEvent* event) {
    WriteSettings();
    if (viewer_ != nullptr) viewer_->close();
    event->accept();
}

// ---- Layout ----

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Relayout();
}

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    Relayout(); // the bars have their final sizes now
}

void frmMain::Relayout() {
    if (!laidOut_) return;
    float x = splitterVLeft_;
    float y = splitterHTop_;
    SizeControls(x, y);
}

void frmMain::SizeControls(float& x, float& y) {
    if (isMinimized()) return;
    const float W = Twips(width());
    const float H = Twips(height());
    // The client area below the menu bar; the toolbar and the status bar are
    // part of it, as the pane positions count them.
    // The bars' heights are only known once the window's own layout has run;
    // before the first show their visibility is that of the menu items.
    layout()->activate();
    const float menu = menuBar()->isVisibleTo(this) ? Twips(menuBar()->height()) : 0;
    const float S = H - menu;
    const float toolbar = tbToolBar_->isVisibleTo(this) ? Twips(tbToolBar_->height()) : 0;
    // The find bar sits above the status bar while it is open.
    const float status =
        (statusBar()->isVisibleTo(this) ? Twips(statusBar()->height()) : 0) +
        (findBar_ != nullptr && findBar_->isVisibleTo(this) ? Twips(findBar_->height()) : 0);

    x = std::min(std::max(x, LayoutMargin), W - LayoutMargin);
    y = std::min(std::max(y, LayoutMargin), H - LayoutMargin);
    splitterVLeft_ = x;
    splitterHTop_ = y;

    const float treeWidth = x;
    const float listLeft = x + PaneGap;
    const float listWidth = W - (treeWidth + PaneGap + RightMargin);
    const float titlesTop = toolbar;
    const float treeTop = titlesTop + TitlesHeight;
    const float treeHeight = S - (titlesTop + TitlesHeight) - status;
    const float listHeight = y - treeTop;
    const float paneTop = y + PaneGap;
    const float paneHeight = treeHeight - (paneTop - treeTop);

    // The panes' parent starts below the toolbar.
    auto place = [this, toolbar](QWidget* widget, float left, float top, float w, float h) {
        widget->setGeometry(Pixels(left), Pixels(top - toolbar), std::max(Pixels(w), 0),
                            std::max(Pixels(h), 0));
    };
    place(picTitles_, 0, titlesTop, W, TitlesHeight);
    lblTitle_[0]->setGeometry(0, Pixels(TitleTop), Pixels(treeWidth), Pixels(TitleHeight));
    lblTitle_[1]->setGeometry(Pixels(listLeft + 20), Pixels(TitleTop),
                              std::max(Pixels(listWidth - 40), 0), Pixels(TitleHeight));
    place(tvTreeView_, 0, treeTop, treeWidth, treeHeight);
    place(lvListView_, listLeft, treeTop, listWidth, listHeight);
    place(rtfText_, listLeft, paneTop, listWidth, paneHeight);
    place(imgSplitterV_, x, treeTop, PaneGap, treeHeight);
    place(imgSplitterH_, listLeft, y, listWidth, PaneGap);
    imgSplitterV_->raise();
    imgSplitterH_->raise();
}

void frmMain::ToggleBar(QWidget& bar, QAction& item) {
    bar.setVisible(item.isChecked());
    Relayout();
}

// ---- Splitter drags ----

void frmMain::SplitterMouseDown(bool vertical) {
    const QRect grip = (vertical ? imgSplitterV_ : imgSplitterH_)->geometry();
    // The bar covers half the grip across the drag, the grip's length along it.
    if (vertical)
        picSplitter_->setGeometry(grip.x(), grip.y(), grip.width() / 2,
                                  std::max(grip.height() - Pixels(20), 1));
    else
        picSplitter_->setGeometry(grip.x(), grip.y(), std::max(grip.width() - Pixels(20), 1),
                                  grip.height() / 2);
    splitterBar_ = vertical ? splitterVLeft_ : splitterHTop_;
    picSplitter_->show();
    picSplitter_->raise();
    splitterDragging_ = true;
}

void frmMain::SplitterMouseMove(bool vertical, float pointer) {
    if (!splitterDragging_) return;
    const float limit = vertical ? Twips(width()) : Twips(height());
    const float start = vertical ? splitterVLeft_ : splitterHTop_;
    splitterBar_ = std::min(std::max(start + pointer, DragMargin), limit - DragMargin);
    if (vertical)
        picSplitter_->move(Pixels(splitterBar_), picSplitter_->y());
    else {
        const float toolbar = tbToolBar_->isVisibleTo(this) ? Twips(tbToolBar_->height()) : 0;
        picSplitter_->move(picSplitter_->x(), Pixels(splitterBar_ - toolbar));
    }
}

void frmMain::SplitterMouseUp(bool vertical) {
    if (!splitterDragging_) return;
    float x = vertical ? splitterBar_ : splitterVLeft_;
    float y = vertical ? splitterHTop_ : splitterBar_;
    SizeControls(x, y);
    picSplitter_->hide();
    splitterDragging_ = false;
}

// ---- Commands ----

void frmMain::SetVisibility(bool fileOpen) {
    mnuFileOpen_->setEnabled(true);
    mnuReports_->setEnabled(fileOpen);
    mnuFileExport_->setEnabled(fileOpen);
    mnuFileClose_->setEnabled(fileOpen);
    toolButtons_["Open"]->setEnabled(mnuFileOpen_->isEnabled());
    toolButtons_["Print"]->setEnabled(false);
    toolButtons_["PrintFile"]->setEnabled(mnuReports_->isEnabled());
    mnuHelpSearchForHelpOn_->setVisible(false);
    mnuHelpContents_->setVisible(false);
}

void frmMain::OpenCommand() {
    // Start where the last file was chosen.
    const QString folder =
        dialogFileName_.isEmpty() ? QString() : QFileInfo(dialogFileName_).absolutePath();
    const QString chosen = QFileDialog::getOpenFileName(this, QStringLiteral("Open"), folder,
                                                        QStringLiteral("CCF Files (*.ccf *.CCF)"));
    if (chosen.isEmpty()) return;
    dialogFileName_ = chosen;
    OpenFile(chosen);
}

void frmMain::OpenFiles(const QStringList& paths) {
    for (const QString& path : paths)
        OpenFile(path);
}

bool frmMain::OpenAnyway(const QString& path) {
    if (IdentifyFile(path.toStdString()) != FileIdentity::Unknown) return true;
    return ui_.Ask(QStringLiteral("%1 does not look like a CCF file. Open it anyway?")
                       .arg(QFileInfo(path).fileName()));
}

bool frmMain::OpenFile(const QString& path) {
    const QString key = FileKey(path);
    const std::string fileName = key.toStdString();
    if (browser_.LibraryFiles.Contains(fileName)) {
        ui_.ShowMessage(QStringLiteral("The file %1 is already open.")
                            .arg(QDir::toNativeSeparators(key))
                            .toStdString());
        ShowOpenFile(fileName);
        return true;
    }
    if (!OpenAnyway(key)) return false;
    ui_.BeginLoad();
    loading_ = std::make_unique<NoticeSpool>();
    CCFlocal* opened = nullptr;
    try {
        BusyPointer busy(ui_);
        WidgetTree::Batch batch(treeSink_);
        opened = &browser_.OpenCCF(fileName);
    } catch (const std::exception& error) {
        ui_.ShowError(QStringLiteral("The file %1 could not be opened.\n\n%2")
                          .arg(QDir::toNativeSeparators(key), QString::fromStdString(error.what()))
                          .toStdString());
    }
    std::unique_ptr<NoticeSpool> notices = std::move(loading_);
    if (opened == nullptr) {
        AfterDisplay();
        return false;
    }
    loadNotices_[fileName] = std::move(notices);
    fileOpened_ = true;
    recent_->Add(key);
    // The load showed the new root in the list and the pane; the tree makes
    // it current and brings it into sight.
    if (QTreeWidgetItem* root = treeSink_.Find(opened->TreeKey())) {
        shownNodeKey_ = opened->TreeKey();
        SelectNode(root);
    }
    findBar_->FilesChanged();
    AfterDisplay();
    return true;
}

const NoticeSpool* frmMain::LoadNotices(const std::string& fileName) const {
    const auto at = loadNotices_.find(fileName);
    return at == loadNotices_.end() ? nullptr : at->second.get();
}

void frmMain::ShowOpenFile(const std::string& fileName) {
    for (const auto& file : browser_.BrowserFiles) {
        if (file->CCF().CCFfile().FileName() != fileName) continue;
        if (QTreeWidgetItem* root = treeSink_.Find(file->TreeKey())) SelectNode(root);
        return;
    }
}

void frmMain::CloseCommand() {
    CCFlocal* file = browser_.CurrentFile();
    if (file == nullptr) {
        ui_.ShowMessage("No CCF file is open");
        return;
    }
    const std::string fileName = file->CCF().CCFfile().FileName();
    QTreeWidgetItem* root = treeSink_.Find(file->TreeKey());
    const int at = root ? tvTreeView_->indexOfTopLevelItem(root) : 0;
    {
        // Removing the nodes moves the tree's current node; the close
        // itself chooses what is shown next.
        closing_ = true;
        browser_.CloseCurrentCCF();
        closing_ = false;
    }
    loadNotices_.erase(fileName);
    shownNodeKey_.clear();
    findBar_->FilesChanged();
    // The next file's root becomes current, or the previous one's when the
    // last in the tree was closed.
    const int left = tvTreeView_->topLevelItemCount();
    if (left > 0)
        SelectNode(tvTreeView_->topLevelItem(std::min(at, left - 1)));
    else
        tvTreeView_->setCurrentItem(nullptr);
    AfterDisplay();
}

void frmMain::ReportsCommand() {
    if (browser_.CurrentFile() == nullptr) {
        ui_.ShowMessage("No CCF file is open");
        return;
    }
    auto* dialog = new frmReports(browser_, dialogFileName_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void frmMain::ExportCommand() {
    const CCFlocal* file = browser_.CurrentFile();
    if (file == nullptr) {
        ui_.ShowMessage("No CCF file is open");
        return;
    }
    auto* dialog =
        new frmExport(browser_, ui_, LoadNotices(file->CCF().CCFfile().FileName()), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &frmExport::Exported, this,
            [this](const QString& summary) { statusBar()->showMessage(summary, 10000); });
    dialog->show();
}

void frmMain::AboutCommand() {
    frmSplash::ShowAbout(this);
}

void frmMain::FindCommand() {
    findBar_->Open();
}

void frmMain::ShowViewerCommand() {
    if (viewer_ == nullptr) return;
    if (viewer_->isMinimized())
        viewer_->showNormal();
    else
        viewer_->show();
    viewer_->raise();
    viewer_->activateWindow();
}

void frmMain::SetListViewMode(int mode) {
    lvListView_->SetViewMode(mode);
}

// ---- Files from outside ----

namespace {
// The local files among dropped URLs.
QStringList DroppedFiles(const QMimeData* data) {
    QStringList files;
    if (data == nullptr || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) files << url.toLocalFile();
    return files;
}
} // namespace

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFiles(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event) {
    const QStringList files = DroppedFiles(event->mimeData());
    if (files.isEmpty()) return;
    event->acceptProposedAction();
    // The drag's source waits for the drop to end; the files open after it.
    QTimer::singleShot(0, this, [this, files] { OpenFiles(files); });
}

// ---- Selection ----

void frmMain::SelectNode(QTreeWidgetItem* item) {
    if (item == nullptr) return;
    tvTreeView_->setCurrentItem(item);
    tvTreeView_->scrollToItem(item);
    NodeChosen(item);
}

void frmMain::NodeChosen(QTreeWidgetItem* item) {
    if (item == nullptr || closing_) return;
    // A click on the node that became current by the same press, or on the
    // node the panes show already, shows nothing new.
    if (item->data(0, KeyRole).toString().toStdString() == shownNodeKey_ &&
        item->data(0, TagRole).toString().toStdString() == browser_.CurrentTag)
        return;
    ShowNode(item);
}

void frmMain::ShowNode(QTreeWidgetItem* item) {
    const std::string tag = item->data(0, TagRole).toString().toStdString();
    shownNodeKey_ = item->data(0, KeyRole).toString().toStdString();
    browser_.ShowDetailList(tag);
    browser_.ShowDisplay(tag);
    AfterDisplay();
}

void frmMain::RowChosen(const QString& tag) {
    if (closing_ || tag.toStdString() == browser_.CurrentTag) return;
    browser_.ShowDisplay(tag.toStdString());
    AfterDisplay();
}

void frmMain::ItemMenu(QWidget* view, const QPoint& pos) {
    // The item under the pointer becomes current (and so shown) first.
    if (view == tvTreeView_) {
        QTreeWidgetItem* item = tvTreeView_->itemAt(pos);
        if (item == nullptr) return;
        SelectNode(item);
    } else if (auto* rows = qobject_cast<QAbstractItemView*>(view)) {
        const QModelIndex index = rows->indexAt(pos);
        if (!index.isValid()) return;
        rows->setCurrentIndex(index);
        RowChosen(index.siblingAtColumn(0).data(TagRole).toString());
    }
    QMenu menu(this);
    items_->AddTo(menu);
    auto* scroll = qobject_cast<QAbstractScrollArea*>(view);
    menu.exec((scroll ? scroll->viewport() : view)->mapToGlobal(pos));
}

void frmMain::AfterDisplay() {
    // Reports, Export and Close act on the file of the item last shown; from
    // the first open on they are offered, and say so when no file is left.
    SetVisibility(fileOpened_);
    if (viewer_ != nullptr) {
        viewer_->ShowCanvas();
        viewer_->SetCanSavePicture(items_->CanSavePicture());
    }
}
