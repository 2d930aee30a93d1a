#include "frmFrame.h"

#include "session/basCCF.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using vantor::basCCF;
using vantor::PanelCanvas;

// The picture: paints the browser's canvas, so it survives being covered and
// uncovered, at a whole multiple of its size without smoothing.
class frmFrame::CanvasView : public QWidget {
public:
    CanvasView(const PanelCanvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
        SetZoom(1);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void SetZoom(int zoom) {
        zoom_ = zoom;
        setFixedSize(PanelCanvas::Width * zoom, PanelCanvas::Height * zoom);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.fillRect(rect(), Qt::white);
        painter.drawImage(QRect(0, 0, PanelCanvas::Width * zoom_, PanelCanvas::Height * zoom_),
                          canvas_.Image());
    }

private:
    const PanelCanvas& canvas_;
    int zoom_ = 1;
};

namespace {

// Design values, in twips.
constexpr int ButtonsLeft = 0, ButtonsWidth = 2055;
constexpr int HighlightLeft = 2160, HighlightWidth = 1335;
constexpr int Gap = 100, BottomMargin = 500, DefaultPosition = 2000;

// Window layouts are designed in twips, 1440 to the inch.
int TwipsToPixels(int twips, double dotsPerInch) {
    return static_cast<int>(std::lround(twips * dotsPerInch / 1440.0));
}

QRadioButton* AddOption(QGroupBox* group, const char* text) {
    auto* option = new QRadioButton(QString::fromLatin1(text), group);
    group->layout()->addWidget(option);
    return option;
}

QGroupBox* MakeGroup(const char* title, QWidget* parent) {
    auto* group = new QGroupBox(QString::fromLatin1(title), parent);
    auto* layout = new QVBoxLayout(group);
    layout->setSpacing(2);
    return group;
}

// A position setting in twips; a missing or unreadable value gives the default.
int PositionSetting(QSettings& settings, const char* key) {
    bool ok = false;
    const int twips = settings.value(QString::fromLatin1(key)).toString().toInt(&ok);
    return ok ? twips : DefaultPosition;
}

QSettings ProgramSettings() {
    return QSettings(QStringLiteral("Vantor"), QStringLiteral("Vantor"));
}

const QString ZoomKey = QStringLiteral("Settings/ViewerZoom");

} // namespace

frmFrame::frmFrame(basCCF& browser, QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(browser) {
    setWindowTitle(QStringLiteral("Frame"));
    QFont small(QStringLiteral("Arial"));
    small.setPointSizeF(8.25);

    canvas_ = new CanvasView(browser_.Canvas, this);
    fraButtons = MakeGroup("Show Buttons as", this);
    optActiveUnselected = AddOption(fraButtons, "Active Unselected");
    optActiveSelected = AddOption(fraButtons, "Active Selected");
    optInactiveUnselected = AddOption(fraButtons, "Inactive Unselected");
    optInactiveSelected = AddOption(fraButtons, "Inactive Selected");
    fraHighlight = MakeGroup("Highlight", this);
    optHighlightNone = AddOption(fraHighlight, "None");
    optHighlightButtons = AddOption(fraHighlight, "Buttons");
    optHighlightFrames = AddOption(fraHighlight, "Frames");
    optHighlightAll = AddOption(fraHighlight, "All");
    // The box carries its own text, so that clicking the text ticks it.
    chkHighlightCanvas = new QCheckBox(QStringLiteral("Highlight Canvas"), this);
    for (QWidget* widget : {static_cast<QWidget*>(fraButtons), static_cast<QWidget*>(fraHighlight),
                            static_cast<QWidget*>(chkHighlightCanvas)})
        widget->setFont(small);

    lblZoom_ = new QLabel(QStringLiteral("&Zoom:"), this);
    cboZoom = new QComboBox(this);
    for (int zoom = 1; zoom <= MaxZoom; ++zoom)
        cboZoom->addItem(QStringLiteral("%1x").arg(zoom), zoom);
    lblZoom_->setBuddy(cboZoom);
    cmdSavePicture = new QPushButton(QStringLiteral("&Save Picture As..."), this);
    cmdSavePicture->setEnabled(false);
    for (QWidget* widget : {static_cast<QWidget*>(lblZoom_), static_cast<QWidget*>(cboZoom),
                            static_cast<QWidget*>(cmdSavePicture)})
        widget->setFont(small);
    connect(cmdSavePicture, &QPushButton::clicked, this, &frmFrame::SavePictureRequested);

    optActiveUnselected->setChecked(true);
    optHighlightNone->setChecked(true);
    for (QRadioButton* option :
         {optActiveUnselected, optActiveSelected, optInactiveUnselected, optInactiveSelected,
          optHighlightNone, optHighlightButtons, optHighlightFrames, optHighlightAll})
        connect(option, &QRadioButton::clicked, this, &frmFrame::OptionsChanged);
    connect(chkHighlightCanvas, &QCheckBox::clicked, this, [this] {
        browser_.Canvas.Options.HighlightCanvas = chkHighlightCanvas->isChecked();
        // Even with nothing displayed the canvas takes its new colour.
        browser_.Canvas.ClearPanelPicture();
        OptionsChanged();
    });

    // Drawing an icon brings the viewer into sight: a panel's pictures should
    // not be drawn on a hidden or minimized window. It comes without taking
    // the focus, so the keyboard stays with the tree or list being browsed.
    setAttribute(Qt::WA_ShowWithoutActivating);
    browser_.Canvas.BeforeIconDrawn = [this] {
        if (!isVisible()) show();
        if (isMinimized()) showNormal();
    };
    QSettings settings = ProgramSettings();
    const double dpi = logicalDpiX();
    move(TwipsToPixels(PositionSetting(settings, "Settings/FrameLeft"), dpi),
         TwipsToPixels(PositionSetting(settings, "Settings/FrameTop"), dpi));
    SetZoom(settings.value(ZoomKey).toInt());
    connect(cboZoom, &QComboBox::activated, this,
            [this](int index) { SetZoom(cboZoom->itemData(index).toInt()); });
}

frmFrame::~frmFrame() {
    browser_.Canvas.BeforeIconDrawn = nullptr;
}

QWidget* frmFrame::pbPict() const {
    return canvas_;
}

void frmFrame::ShowCanvas() {
    canvas_->update();
}

void frmFrame::SetZoom(int zoom) {
    zoom_ = std::clamp(zoom, 1, MaxZoom);
    ProgramSettings().setValue(ZoomKey, zoom_);
    cboZoom->setCurrentIndex(zoom_ - 1);
    canvas_->SetZoom(zoom_);
    LayOut();
    // A larger window moves back onto its screen rather than past its edge.
    if (const QScreen* shown = isVisible() ? screen() : nullptr) {
        const QRect room = shown->availableGeometry();
        const QRect outer = frameGeometry();
        const int dx = std::min(0, room.right() - outer.right());
        const int dy = std::min(0, room.bottom() - outer.bottom());
        move(std::max(room.left(), outer.left() + dx), std::max(room.top(), outer.top() + dy));
    }
}

bool frmFrame::HasStoredPosition() {
    QSettings settings = ProgramSettings();
    return settings.contains(QStringLiteral("Settings/FrameLeft")) &&
           settings.contains(QStringLiteral("Settings/FrameTop"));
}

void frmFrame::PlaceBeside(const QWidget& main) {
    constexpr int Gap = 8;
    const QRect beside = main.frameGeometry();
    const QSize size = frameGeometry().size();
    QPoint at(beside.right() + 1 + Gap, beside.top());
    if (const QScreen* screen = main.screen()) {
        const QRect room = screen->availableGeometry();
        if (at.x() + size.width() > room.right() + 1) {
            const int left = beside.left() - Gap - size.width();
            at.setX(left >= room.left() ? left
                                        : std::max(room.left(), room.right() + 1 - size.width()));
        }
        at.setY(std::clamp(at.y(), room.top(),
                           std::max(room.top(), room.bottom() + 1 - size.height())));
    }
    move(at);
}

void frmFrame::SetCanSavePicture(bool can) {
    cmdSavePicture->setEnabled(can);
}

void frmFrame::LayOut() {
    const double dpi = logicalDpiX();
    const auto px = [dpi](int twips) { return TwipsToPixels(twips, dpi); };

    // The groups keep their designed widths unless their texts need more: the
    // fallback for the designed font can be wider.
    const int buttonsWidth = std::max(px(ButtonsWidth), fraButtons->sizeHint().width());
    const int highlightLeft = std::max(px(HighlightLeft), px(ButtonsLeft) + buttonsWidth +
                                                              px(HighlightLeft - ButtonsWidth));
    const int highlightWidth = std::max(px(HighlightWidth), fraHighlight->sizeHint().width());

    // The canvas has no border: its outer size is its inner size.
    const int width = std::max(highlightLeft + highlightWidth, canvas_->width());
    canvas_->move((width - canvas_->width()) / 2, 0);

    const int groupsTop = canvas_->height() + px(Gap);
    const int groupHeight =
        std::max(fraButtons->sizeHint().height(), fraHighlight->sizeHint().height());
    fraButtons->setGeometry(px(ButtonsLeft), groupsTop, buttonsWidth, groupHeight);
    fraHighlight->setGeometry(highlightLeft, groupsTop, highlightWidth, groupHeight);

    // The check box sits under the highlight group, moved left as far as
    // needed to stay inside the window; the zoom and the save button under
    // the buttons group.
    const int rowTop = groupsTop + groupHeight + px(Gap);
    const QSize check = chkHighlightCanvas->sizeHint();
    const int checkLeft = std::max(0, std::min(highlightLeft, width - check.width()));
    chkHighlightCanvas->setGeometry(checkLeft, rowTop, check.width(), check.height());
    const QSize label = lblZoom_->sizeHint(), zoom = cboZoom->sizeHint();
    const int rowHeight = std::max({check.height(), label.height(), zoom.height()});
    lblZoom_->setGeometry(px(ButtonsLeft), rowTop, label.width(), rowHeight);
    cboZoom->setGeometry(lblZoom_->geometry().right() + 4, rowTop, zoom.width(), rowHeight);
    const QSize save = cmdSavePicture->sizeHint();
    const int saveTop = rowTop + rowHeight + px(Gap);
    cmdSavePicture->setGeometry(px(ButtonsLeft), saveTop, save.width(), save.height());
    setFixedSize(width + px(Gap), saveTop + save.height() + px(BottomMargin));
}

void frmFrame::OptionsChanged() {
    vantor::ViewerOptions& options = browser_.Canvas.Options;
    if (optActiveSelected->isChecked())
        options.ShowButtonsAs = kelpie::ActiveSelected;
    else if (optInactiveSelected->isChecked())
        options.ShowButtonsAs = kelpie::InactiveSelected;
    else if (optInactiveUnselected->isChecked())
        options.ShowButtonsAs = kelpie::InactiveUnselected;
    else {
        options.ShowButtonsAs = kelpie::ActiveUnselected;
        optActiveUnselected->setChecked(true);
    }
    if (optHighlightAll->isChecked())
        options.Highlight = vantor::Highlight::All;
    else if (optHighlightFrames->isChecked())
        options.Highlight = vantor::Highlight::Frames;
    else if (optHighlightButtons->isChecked())
        options.Highlight = vantor::Highlight::Buttons;
    else
        options.Highlight = vantor::Highlight::None;
    options.HighlightCanvas = chkHighlightCanvas->isChecked();
    browser_.RefreshDisplay();
    ShowCanvas();
}
