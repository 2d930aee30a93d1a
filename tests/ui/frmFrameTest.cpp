// The panel viewer: its canvas shows what the browser drew, and every
// option change draws the current item again.
#include "frmFrame.h"
#include "UiSample.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QTest>

using namespace vantor::testing;

namespace {

const QColor White(255, 255, 255), Blue(0, 0, 255), Green(0, 255, 0), Red(255, 0, 0);

struct Viewer : UiSample {
    frmFrame viewer{browser};

    // The canvas as the window shows it on screen.
    QImage Shown() { return viewer.pbPict()->grab().toImage(); }
    static int Count(const QImage& image, const QColor& colour) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == colour;
        return count;
    }
    // Clicks an option as the user does.
    static void Click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    }
};

} // namespace

TEST_F(Viewer, StartsWithTheDesignedControlsAndAnEmptyCanvas) {
    EXPECT_EQ(viewer.windowTitle(), "Frame");
    EXPECT_EQ(viewer.pbPict()->size(), QSize(240, 219));
    EXPECT_TRUE(viewer.optActiveUnselected->isChecked());
    EXPECT_TRUE(viewer.optHighlightNone->isChecked());
    EXPECT_FALSE(viewer.chkHighlightCanvas->isChecked());
    EXPECT_EQ(viewer.fraButtons->title(), "Show Buttons as");
    EXPECT_EQ(viewer.fraHighlight->title(), "Highlight");
    EXPECT_EQ(viewer.chkHighlightCanvas->text(), "Highlight Canvas");
    // The groups lie side by side below the canvas, the check box below them,
    // all inside the window.
    EXPECT_GT(viewer.fraButtons->y(), viewer.pbPict()->geometry().bottom());
    EXPECT_EQ(viewer.fraButtons->y(), viewer.fraHighlight->y());
    EXPECT_LT(viewer.fraButtons->geometry().right(), viewer.fraHighlight->x());
    EXPECT_GT(viewer.chkHighlightCanvas->y(), viewer.fraHighlight->geometry().bottom());
    EXPECT_TRUE(viewer.rect().contains(viewer.chkHighlightCanvas->geometry()));
    EXPECT_TRUE(viewer.rect().contains(viewer.cmdSavePicture->geometry()));
    EXPECT_TRUE(viewer.rect().contains(viewer.fraHighlight->geometry()));
    // No option text is cut, whatever font stands in for the designed one.
    EXPECT_GE(viewer.fraButtons->width(), viewer.fraButtons->sizeHint().width());
    EXPECT_GE(viewer.fraHighlight->width(), viewer.fraHighlight->sizeHint().width());
    EXPECT_EQ(Count(Shown(), White), 240 * 219);
}

TEST_F(Viewer, PositionComesFromTheSettingsInTwips) {
    const double pixelsPerTwip = viewer.logicalDpiX() / 1440.0;
    EXPECT_EQ(viewer.pos(), QPoint(qRound(2000 * pixelsPerTwip), qRound(2000 * pixelsPerTwip)));
    QSettings settings("Vantor", "Vantor");
    settings.setValue("Settings/FrameLeft", "1440");
    settings.setValue("Settings/FrameTop", "2880");
    frmFrame placed(browser);
    EXPECT_EQ(placed.pos(), QPoint(qRound(1440 * pixelsPerTwip), qRound(2880 * pixelsPerTwip)));
    settings.remove("Settings");
}

TEST_F(Viewer, ShowsTheSelectedPanelAndRedrawsOnEveryOptionChange) {
    OpenSample();
    browser.ShowDisplay(TagOf("P", "TV"));
    viewer.ShowCanvas();
    const QImage panel = Shown();
    EXPECT_EQ(panel, browser.Canvas.Image().convertToFormat(panel.format()));
    EXPECT_LT(Count(panel, White), 240 * 219) << "the panel is drawn";
    EXPECT_EQ(Count(panel, Green), 0);

    Click(viewer.optHighlightFrames);
    EXPECT_EQ(browser.Canvas.Options.Highlight, vantor::Highlight::Frames);
    EXPECT_GT(Count(Shown(), Green), 100) << "frames outlined";
    EXPECT_EQ(Count(Shown(), Red), 0);

    Click(viewer.optHighlightAll);
    EXPECT_GT(Count(Shown(), Red), 100) << "buttons outlined too";
    Click(viewer.optHighlightNone);
    EXPECT_EQ(Shown(), panel);

    Click(viewer.optActiveSelected);
    EXPECT_EQ(browser.Canvas.Options.ShowButtonsAs, kelpie::ActiveSelected);
    Click(viewer.optInactiveSelected);
    EXPECT_EQ(browser.Canvas.Options.ShowButtonsAs, kelpie::InactiveSelected);
    Click(viewer.optInactiveUnselected);
    EXPECT_EQ(browser.Canvas.Options.ShowButtonsAs, kelpie::InactiveUnselected);
    Click(viewer.optActiveUnselected);
    EXPECT_EQ(browser.Canvas.Options.ShowButtonsAs, kelpie::ActiveUnselected);
    EXPECT_EQ(Shown(), panel);
    EXPECT_EQ(browser.CurrentTag, TagOf("P", "TV")) << "the same item is shown again";
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(Viewer, HighlightedCanvasTurnsBlueEvenWithNothingShown) {
    // A click on the box's text ticks it.
    QCheckBox& box = *viewer.chkHighlightCanvas;
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(box.width() - 5, box.height() / 2));
    EXPECT_TRUE(box.isChecked());
    Click(viewer.chkHighlightCanvas);
    EXPECT_FALSE(browser.Canvas.Options.HighlightCanvas);
    Click(viewer.chkHighlightCanvas);
    EXPECT_TRUE(browser.Canvas.Options.HighlightCanvas);
    EXPECT_EQ(Count(Shown(), Blue), 240 * 219);
    Click(viewer.chkHighlightCanvas);
    EXPECT_EQ(Count(Shown(), White), 240 * 219);

    // With a panel shown, its background becomes blue and the panel stays.
    OpenSample();
    browser.ShowDisplay(TagOf("P", "TV"));
    Click(viewer.chkHighlightCanvas);
    const QImage shown = Shown();
    EXPECT_GT(Count(shown, Blue), 0);
    EXPECT_LT(Count(shown, Blue), 240 * 219);
}

TEST_F(Viewer, DrawingAnIconBringsTheViewerBack) {
    OpenSample();
    viewer.showMinimized();
    browser.ShowDisplay(TagOf("P", "Home")); // its buttons are icons
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_FALSE(viewer.isMinimized());
}

// Zoomed, each of the remote's pixels is a square of screen pixels of its own
// colour (no smoothing); the choice outlives the window.
TEST_F(Viewer, ZoomShowsCrispPixelsAndIsRemembered) {
    OpenSample();
    browser.ShowDisplay(TagOf("P", "TV"));
    const QImage canvas = browser.Canvas.Image().convertToFormat(QImage::Format_RGB32);
    for (int zoom = 1; zoom <= frmFrame::MaxZoom; ++zoom) {
        viewer.cboZoom->setCurrentIndex(zoom - 1);
        emit viewer.cboZoom->activated(zoom - 1);
        ASSERT_EQ(viewer.pbPict()->size(), QSize(240 * zoom, 219 * zoom));
        const QImage shown = Shown().convertToFormat(QImage::Format_RGB32);
        bool same = true;
        for (int y = 0; y < shown.height() && same; ++y)
            for (int x = 0; x < shown.width() && same; ++x)
                same = shown.pixel(x, y) == canvas.pixel(x / zoom, y / zoom);
        EXPECT_TRUE(same) << zoom << "x";
        EXPECT_TRUE(viewer.rect().contains(viewer.pbPict()->geometry()));
    }
    frmFrame again(browser);
    EXPECT_EQ(again.Zoom(), frmFrame::MaxZoom);
    EXPECT_EQ(again.pbPict()->width(), 240 * frmFrame::MaxZoom);
    viewer.SetZoom(1);
}

// At the first start the viewer goes beside the main window, not over it;
// once a position is stored it is used.
TEST_F(Viewer, FirstPlacedBesideTheMainWindow) {
    QSettings("Vantor", "Vantor").remove("Settings");
    EXPECT_FALSE(frmFrame::HasStoredPosition());
    QWidget main;
    main.setGeometry(100, 100, 400, 400);
    viewer.PlaceBeside(main);
    EXPECT_FALSE(viewer.frameGeometry().intersects(main.frameGeometry()));
    EXPECT_EQ(viewer.y(), main.y());
    // No room on the right: the left side.
    main.move(main.screen()->availableGeometry().right() - 450, 100);
    viewer.PlaceBeside(main);
    EXPECT_FALSE(viewer.frameGeometry().intersects(main.frameGeometry()));
    EXPECT_LT(viewer.x(), main.x());
    QSettings("Vantor", "Vantor").setValue("Settings/FrameLeft", "1440");
    QSettings("Vantor", "Vantor").setValue("Settings/FrameTop", "1440");
    EXPECT_TRUE(frmFrame::HasStoredPosition());
    QSettings("Vantor", "Vantor").remove("Settings");
}
