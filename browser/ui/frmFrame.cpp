#include "frmFrame.h"

#include "session/basCCF.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QSettings>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using vantor::basCCF;
using vantor::PanelCanvas;

// The picture: paints the browser's canvas at its own size, so it survives
// being covered and uncovered.
class frmFrame::CanvasView : public QWidget {
public:
    CanvasView(const PanelCanvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
        setFixedSize(PanelCanvas::Width, PanelCanvas::Height);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.drawImage(0, 0, canvas_.Image());
    }

private:
    const PanelCanvas& canvas_;
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
    // not be drawn on a hidden or minimized window.
    browser_.Canvas.BeforeIconDrawn = [this] {
        if (!isVisible()) show();
        if (isMinimized()) showNormal();
    };
    LayOut();
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

void frmFrame::LayOut() {
    const double dpi = logicalDpiX();
    const auto px = [dpi](int twips) { return TwipsToPixels(twips, dpi); };

    QSettings settings(QStringLiteral("Vantor"), QStringLiteral("Vantor"));
    settings.beginGroup(QStringLiteral("Settings"));
    move(px(PositionSetting(settings, "FrameLeft")), px(PositionSetting(settings, "FrameTop")));

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
    // needed to stay inside the window.
    const int checkTop = groupsTop + groupHeight + px(Gap);
    const QSize check = chkHighlightCanvas->sizeHint();
    const int checkLeft = std::max(0, std::min(highlightLeft, width - check.width()));
    chkHighlightCanvas->setGeometry(checkLeft, checkTop, check.width(), check.height());
    setFixedSize(width + px(Gap),
                 chkHighlightCanvas->y() + chkHighlightCanvas->height() + px(BottomMargin));
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
