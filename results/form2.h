#pragma once
// The colour selection window ("ColorSelection"): the two end colours of the plot's gradient and
// the axis it runs along. It edits the plot state it is opened for.
#include <array>

#include "results/plotstate.h"
#include "toolkit/forms.h"

class QFrame;
class QGroupBox;
class QPushButton;
class QRadioButton;
class TColorBox;

class TForm2 : public TForm {
    Q_OBJECT
public:
    explicit TForm2(QWidget* owner = nullptr);

    QGroupBox* GroupBox1;
    QRadioButton* RadioButton1;  // "Color Ranges along Z-axis"
    QRadioButton* RadioButton2;  // "Color Ranges along X-axis"
    QRadioButton* RadioButton3;  // "Color Ranges along Y-axis"
    TColorBox* ColorBox1;
    TColorBox* ColorBox2;
    std::array<QFrame*, 10> Shapes{};  // Shape1 .. Shape10
    QPushButton* BitBtn1;  // "OK"
    QPushButton* BitBtn2;  // "CANCEL"

    int Accepted = 0;   // 1 once OK was pressed
    int ColorAxis = 0;  // 0 along Z (value), 1 along X (time), 2 along Y (thickness)

    // The ten gradient squares from colour 1 to colour 2 (colour values blue x 65536 + green x
    // 256 + red): the ends as given, the eight between in steps of a ninth of each channel's
    // difference, truncated toward zero.
    static std::array<int, 10> GradientColors(int color1, int color2);

    // Shows the window modally for a plot: OK and CANCEL both hand the colours to it (CANCEL
    // keeps them too), OK also the axis.
    void Execute(PlotState& plot);

    void ColorBoxChange();
    void BitBtn1Click();
    void BitBtn2Click();

private:
    void HandOver(bool withAxis);
    PlotState* Target = nullptr;
};

extern TForm2* Form2;
