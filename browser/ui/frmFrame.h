// The panel viewer: the remote's 240 by 219 pixel screen as the browser drew
// it, with the options that choose which button state is drawn and which
// children are outlined, the zoom, and saving the picture.
#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vantor {
class basCCF;
}

class frmFrame : public QWidget {
    Q_OBJECT
public:
    explicit frmFrame(vantor::basCCF& browser, QWidget* parent = nullptr);
    ~frmFrame() override;

    // Shows the browser's canvas as it is now.
    void ShowCanvas();

    // The canvas is shown 1 to 4 times its size, each pixel a square of
    // pixels (the remote's pixels stay crisp); the choice is kept in the
    // settings ("ViewerZoom").
    static constexpr int MaxZoom = 4;
    void SetZoom(int zoom);
    int Zoom() const noexcept { return zoom_; }

    // Whether the settings hold the viewer's position (else it is placed
    // beside the main window at start-up).
    static bool HasStoredPosition();
    // Places the window beside `main`, on its right when the screen has room,
    // else on its left, else at the screen's right edge.
    void PlaceBeside(const QWidget& main);
    // Offers "Save Picture As..." while the item shown has a picture.
    void SetCanSavePicture(bool can);

    // The controls, for the main window and the tests.
    QWidget* pbPict() const;
    QRadioButton* optActiveUnselected = nullptr;
    QRadioButton* optActiveSelected = nullptr;
    QRadioButton* optInactiveUnselected = nullptr;
    QRadioButton* optInactiveSelected = nullptr;
    QRadioButton* optHighlightNone = nullptr;
    QRadioButton* optHighlightButtons = nullptr;
    QRadioButton* optHighlightFrames = nullptr;
    QRadioButton* optHighlightAll = nullptr;
    QCheckBox* chkHighlightCanvas = nullptr;
    QGroupBox* fraButtons = nullptr;
    QGroupBox* fraHighlight = nullptr;
    QComboBox* cboZoom = nullptr;
    QPushButton* cmdSavePicture = nullptr;

signals:
    // "Save Picture As..." was pressed.
    void SavePictureRequested();

private:
    void LayOut();
    // Takes the options into the canvas and draws the current item again.
    void OptionsChanged();

    class CanvasView;
    vantor::basCCF& browser_;
    CanvasView* canvas_ = nullptr;
    QLabel* lblZoom_ = nullptr;
    int zoom_ = 1;
};
