// The panel viewer: the remote's 240 by 219 pixel screen as the browser drew
// it, with the options that choose which button state is drawn and which
// children are outlined.
#pragma once

#include <QWidget>

class QCheckBox;
class QGroupBox;
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

private:
    void LayOut();
    // Takes the options into the canvas and draws the current item again.
    void OptionsChanged();

    class CanvasView;
    vantor::basCCF& browser_;
    CanvasView* canvas_ = nullptr;
};
