// Panels drawn as the remote shows them, checked pixel by pixel on the
// canvas: boxes, outlines, icons, names, the order of painting and colours.
#include "WalkerFixture.h"

#include "load/ModelBuilder.h"
#include <kelpie/icons/BitmapHandler.h>

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vantor;
using namespace kelpie::builder;

namespace {

const QColor White(255, 255, 255), Black(0, 0, 0), LightGrey(170, 170, 170), DarkGrey(85, 85, 85);
const QColor Green(0, 255, 0), Red(255, 0, 0), Blue(0, 0, 255);

struct PanelDrawing : ::testing::Test, vantor::testing::WalkerFixture {
    CCFBuilder ccf{kelpie::fmtv2};
    Device& tv = ccf.AddDevice(Group::Home, "TV");
    Panel& main = tv.AddPanel("Main");

    QColor At(int x, int y) const { return browser.Canvas.Image().pixelColor(x, y); }
    // Draws the panel as the viewer does: a cleared canvas, then the walk.
    void Draw() {
        if (!file) Open(ccf);
        browser.OutputMode = omDrawPanel;
        browser.Canvas.ClearPanelPicture();
        Walk().DoPanel(file->CCF().HomeGroup().Item(1).Panels().Item(1), "");
    }
    // The smallest box holding every pixel that differs from `background`.
    QRect Painted(const QRect& area, const QColor& background) const {
        QRect found;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (At(x, y) != background) found |= QRect(x, y, 1, 1);
        return found;
    }
};

} // namespace

TEST_F(PanelDrawing, FrameFillsExactlyItsBox) {
    main.AddFrame(10, 20, 100, 50).Colors = Colors(kelpie::clrBlack, kelpie::clrLightGrey);
    Draw();
    EXPECT_EQ(Painted(QRect(0, 0, 240, 219), White), QRect(10, 20, 100, 50));
    EXPECT_EQ(At(10, 20), LightGrey);
    EXPECT_EQ(At(109, 69), LightGrey);
    EXPECT_EQ(At(110, 69), White);
    EXPECT_EQ(At(109, 70), White);
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(PanelDrawing, HighlightsOutlineTheChosenKinds) {
    main.AddFrame(10, 20, 100, 50).Colors = Colors(kelpie::clrBlack, kelpie::clrLightGrey);
    main.AddButton(150, 100, 30, 20).SetColors(kelpie::clrBlack, kelpie::clrDarkGrey);

    browser.Canvas.Options.Highlight = Highlight::Frames;
    Draw();
    for (const QPoint corner : {QPoint(10, 20), QPoint(109, 20), QPoint(10, 69), QPoint(109, 69)})
        EXPECT_EQ(At(corner.x(), corner.y()), Green) << corner.x() << "," << corner.y();
    EXPECT_EQ(At(60, 20), Green);
    EXPECT_EQ(At(11, 21), LightGrey); // one pixel wide
    EXPECT_EQ(At(110, 20), White);    // nothing beyond the box
    EXPECT_EQ(At(150, 100), DarkGrey);

    browser.Canvas.Options.Highlight = Highlight::Buttons;
    Draw();
    EXPECT_EQ(At(10, 20), LightGrey);
    EXPECT_EQ(At(150, 100), Red);
    EXPECT_EQ(At(179, 119), Red);
    EXPECT_EQ(At(180, 119), White);
    EXPECT_EQ(At(160, 110), DarkGrey);

    browser.Canvas.Options.Highlight = Highlight::All;
    Draw();
    EXPECT_EQ(At(10, 20), Green);
    EXPECT_EQ(At(150, 100), Red);
}

TEST_F(PanelDrawing, ButtonIsDrawnInTheChosenState) {
    Button& button = main.AddButton(20, 30, 40, 20);
    button.SetColors(InactiveUnselected, kelpie::clrWhite, kelpie::clrBlack);
    button.SetColors(InactiveSelected, kelpie::clrWhite, kelpie::clrDarkGrey);
    button.SetColors(ActiveUnselected, kelpie::clrBlack, kelpie::clrLightGrey);
    button.SetColors(ActiveSelected, kelpie::clrBlack, kelpie::clrWhite);
    const struct {
        kelpie::ButtonState State;
        QColor Expected;
    } cases[] = {{kelpie::InactiveUnselected, Black},
                 {kelpie::InactiveSelected, DarkGrey},
                 {kelpie::ActiveUnselected, LightGrey}};
    for (const auto& c : cases) {
        browser.Canvas.Options.ShowButtonsAs = c.State;
        Draw();
        EXPECT_EQ(At(30, 40), c.Expected) << c.State;
    }
    // An option that names no state draws active unselected and selects it.
    browser.Canvas.Options.ShowButtonsAs = static_cast<kelpie::ButtonState>(9);
    Draw();
    EXPECT_EQ(At(30, 40), LightGrey);
    EXPECT_EQ(browser.Canvas.Options.ShowButtonsAs, kelpie::ActiveUnselected);
}

TEST_F(PanelDrawing, NestedChildrenAddUpOffsetsAndPaintOverTheirParents) {
    Frame& outer = main.AddFrame(10, 20, 100, 100);
    outer.Colors = Colors(kelpie::clrBlack, kelpie::clrLightGrey);
    Frame& inner = outer.AddFrame(5, 5, 50, 50);
    inner.Colors = Colors(kelpie::clrBlack, kelpie::clrDarkGrey);
    inner.AddButton(5, 5, 10, 10).SetColors(kelpie::clrWhite, kelpie::clrBlack);
    // A later sibling paints over the frame before it.
    main.AddFrame(100, 100, 20, 20).Colors = Colors(kelpie::clrBlack, kelpie::clrWhite);
    Draw();
    EXPECT_EQ(At(14, 24), LightGrey);
    EXPECT_EQ(At(15, 25), DarkGrey); // inner at (10 + 5, 20 + 5)
    EXPECT_EQ(Painted(QRect(15, 25, 50, 50), DarkGrey), QRect(20, 30, 10, 10));
    EXPECT_EQ(At(20, 30), Black);
    EXPECT_EQ(At(100, 100), White);
    EXPECT_EQ(At(109, 119), White);
    EXPECT_EQ(At(99, 100), LightGrey);
}

TEST_F(PanelDrawing, NamesAreCentredOverTheirBoxes) {
    Button& ok = main.AddButton(60, 50, 120, 60, "OK");
    ok.Font = kelpie::fnt12;
    ok.SetColors(kelpie::clrWhite, kelpie::clrBlack);
    Frame& silent = main.AddFrame(10, 150, 100, 40, "Hidden name");
    silent.Font = kelpie::fntNone;
    silent.Colors = Colors(kelpie::clrWhite, kelpie::clrDarkGrey);
    Draw();

    // The name's pixels lie inside the box, around its centre.
    const QRect box(60, 50, 120, 60);
    const QRect text = Painted(box, Black);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_TRUE(box.contains(text))
        << text.x() << "," << text.y() << " " << text.width() << "x" << text.height();
    EXPECT_NEAR(text.center().x(), box.center().x(), 3);
    EXPECT_NEAR(text.center().y(), box.center().y(), 5);
    // A 12-point name is about 16 pixels high: readable, not a speck.
    EXPECT_GE(text.height(), 8);
    EXPECT_LE(text.height(), 20);
    // No font, no name.
    EXPECT_TRUE(Painted(QRect(10, 150, 100, 40), DarkGrey).isEmpty());
}

TEST_F(PanelDrawing, ColourFilesUseThePalette) {
    CCFBuilder colour(kelpie::fmtV3);
    Panel& panel = colour.AddDevice(Group::Home, "TV").AddPanel("Main");
    panel.AddFrame(0, 0, 10, 10).Colors = Colors(0, 121);
    panel.AddButton(20, 0, 10, 10).SetColors(0, 250);
    Open(colour);
    Draw();
    std::uint8_t red = 0, green = 0, blue = 0;
    kelpie::BitmapHandler().PaletteToRGB(121, red, green, blue);
    EXPECT_EQ(At(5, 5), QColor(red, green, blue));
    EXPECT_EQ(At(5, 5), QColor(51, 102, 153)); // 1 + 2 x 6 + 3 x 36 in the colour cube
    kelpie::BitmapHandler().PaletteToRGB(250, red, green, blue);
    EXPECT_EQ(At(25, 5), QColor(red, green, blue));
}

TEST_F(PanelDrawing, ScreenColours) {
    EXPECT_EQ(PanelCanvas::ScreenColor(kelpie::clrDarkGrey, kelpie::fmtv2), DarkGrey);
    EXPECT_EQ(PanelCanvas::ScreenColor(kelpie::clrLightGrey, kelpie::fmtv1), LightGrey);
    EXPECT_EQ(PanelCanvas::ScreenColor(kelpie::clrWhite, kelpie::fmtv2), White);
    EXPECT_EQ(PanelCanvas::ScreenColor(215, kelpie::fmtV3), White);
    EXPECT_EQ(PanelCanvas::ScreenColor(-1, kelpie::fmtV3), Black); // no palette entry: no failure
}

TEST_F(PanelDrawing, CanvasClearsToBlueWhenHighlighted) {
    browser.Canvas.Options.HighlightCanvas = true;
    browser.Canvas.ClearPanelPicture();
    EXPECT_TRUE(Painted(QRect(0, 0, 240, 219), Blue).isEmpty());
    EXPECT_EQ(browser.Canvas.Image().size(), QSize(240, 219));
    browser.Canvas.Options.HighlightCanvas = false;
    browser.Canvas.ClearPanelPicture();
    EXPECT_TRUE(Painted(QRect(0, 0, 240, 219), White).isEmpty());
}

TEST_F(PanelDrawing, BoxesOffTheCanvasAreClippedAndEmptyBoxesDrawNothing) {
    browser.Canvas.Options.Highlight = Highlight::All;
    browser.Canvas.ClearPanelPicture();
    browser.Canvas.FillRectangle(kelpie::clrBlack, -10, -10, 30, 20, DrawKind::Frame,
                                 kelpie::fmtv2);
    EXPECT_EQ(Painted(QRect(0, 0, 240, 219), White), QRect(0, 0, 20, 10));
    EXPECT_EQ(At(19, 5), Green); // the right edge; the left edge is off the canvas
    EXPECT_EQ(At(5, 5), Black);

    browser.Canvas.ClearPanelPicture();
    browser.Canvas.FillRectangle(kelpie::clrBlack, 10, 10, 0, 20, DrawKind::Button, kelpie::fmtv2);
    browser.Canvas.FillRectangle(kelpie::clrBlack, 10, 10, -5, 20, DrawKind::Button, kelpie::fmtv2);
    browser.Canvas.FillRectangle(kelpie::clrBlack, INT32_MAX - 5, INT32_MIN, 32767, 32767,
                                 DrawKind::Frame, kelpie::fmtv2);
    browser.Canvas.DrawCenteredText("far", kelpie::fnt18, kelpie::clrBlack, INT32_MAX, INT32_MAX,
                                    10, 10, kelpie::fmtv2);
    EXPECT_TRUE(Painted(QRect(0, 0, 240, 219), White).isEmpty());
}

TEST_F(PanelDrawing, IconsArePaintedAtTheirPlaceAndSize) {
    main.AddButton(0, 0, 3, 2).Icons[ActiveUnselected] = ccf.AddIcon2Color(Pixels({"#.#", ".#."}));
    Open(ccf);
    kelpie::Icon& icon = Loaded().Icons().Item(1);
    int shown = 0;
    browser.Canvas.BeforeIconDrawn = [&] { ++shown; };
    browser.Canvas.Options.HighlightCanvas = true; // blue, so white and black pixels both show
    browser.Canvas.Options.Highlight = Highlight::Buttons;
    browser.Canvas.ClearPanelPicture();
    browser.Canvas.DrawIcon(icon, 50, 60, DrawKind::None);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(Painted(QRect(0, 0, 240, 219), Blue), QRect(50, 60, 3, 2));
    EXPECT_EQ(At(50, 60), White);
    EXPECT_EQ(At(51, 60), Black);
    EXPECT_EQ(At(51, 61), White);
    // As a button's icon it is outlined in the button colour.
    browser.Canvas.DrawIcon(icon, 100, 100, DrawKind::Button);
    EXPECT_EQ(At(101, 100), Red);
    EXPECT_EQ(At(102, 101), Red);
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(PanelDrawing, IconsThatCannotBeDrawn) {
    Open(ccf);
    int shown = 0;
    browser.Canvas.BeforeIconDrawn = [&] { ++shown; };
    browser.Canvas.ClearPanelPicture();
    // An icon of unknown type is left out without a word.
    kelpie::Icon unknown;
    kelpie::ModelBuilder::SetRecord(unknown, kelpie::IconRecord{8, 2, 2, 0x7777});
    browser.Canvas.DrawIcon(unknown, 0, 0, DrawKind::Button);
    EXPECT_EQ(shown, 0);
    EXPECT_TRUE(ui.Messages.empty());
    // One whose picture cannot be made is reported, and drawing goes on.
    kelpie::Icon empty;
    kelpie::ModelBuilder::SetRecord(empty, kelpie::IconRecord{8, 0, 0, RawIcon2Color});
    browser.Canvas.DrawIcon(empty, 0, 0, DrawKind::Button);
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].rfind("Error drawing bitmap\n", 0), 0u) << ui.Messages[0];
    EXPECT_TRUE(Painted(QRect(0, 0, 240, 219), White).isEmpty());
}

TEST_F(PanelDrawing, WalkDrawsIconsInsteadOfBoxes) {
    Frame& frame = main.AddFrame(10, 10, 100, 100);
    frame.Colors = Colors(kelpie::clrBlack, kelpie::clrDarkGrey);
    frame.Icon = ccf.AddIcon2Color(Pixels({"##", "##"}));
    Button& button = main.AddButton(150, 150, 30, 30);
    button.SetColors(kelpie::clrBlack, kelpie::clrDarkGrey);
    button.Icons[ActiveUnselected] = ccf.AddIcon2Color(Pixels({"#.", ".#"}));
    Open(ccf);
    browser.Canvas.Options.HighlightCanvas = true;
    browser.Canvas.ClearPanelPicture();
    browser.OutputMode = omDrawPanel;
    Walk().DoIcon(Loaded().Icons().Item(1), "", false, "", false, 0, 0);
    if (Painted(QRect(0, 0, 240, 219), Blue).isEmpty())
        GTEST_SKIP() << "the icon walker is not in this build";

    Draw();
    EXPECT_EQ(Painted(QRect(0, 0, 240, 219), Blue), QRect(10, 10, 142, 142));
    EXPECT_EQ(Painted(QRect(0, 0, 140, 140), Blue),
              QRect(10, 10, 2, 2)); // the frame's icon, no box
    EXPECT_EQ(At(150, 150), White);
    EXPECT_EQ(At(151, 150), Black);
}

TEST_F(PanelDrawing, SavedPictureHoldsWhatWasDrawn) {
    main.AddFrame(10, 20, 100, 50).Colors = Colors(kelpie::clrBlack, kelpie::clrLightGrey);
    Draw();
    QTemporaryDir directory;
    const std::string path = directory.filePath("panel.bmp").toStdString();
    ASSERT_TRUE(browser.Canvas.SavePanelPicture(path));
    const QImage saved(QString::fromStdString(path), "BMP");
    ASSERT_EQ(saved.size(), QSize(240, 219));
    EXPECT_EQ(saved.pixelColor(10, 20), LightGrey);
    EXPECT_EQ(saved.pixelColor(110, 20), White);
    EXPECT_FALSE(
        browser.Canvas.SavePanelPicture(directory.filePath("missing/panel.bmp").toStdString()));
}
