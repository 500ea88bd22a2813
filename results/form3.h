#pragma once
// The 2D image ("2D Image"): a section of the plot window's loaded points in a view of its own,
// either the profile across the thickness at a chosen time or the course over time at a chosen
// position. It reads the plot state it is opened for and nothing else.
#include <QImage>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "results/plotstate.h"
#include "toolkit/forms.h"

class QLabel;
class QPushButton;
class QStatusBar;
class TGLPanel;

class TForm3 : public TForm {
    Q_OBJECT
public:
    explicit TForm3(QWidget* owner = nullptr);

    TGLPanel* GLView;          // the drawing, 550 x 450
    QPushButton* BitBtn1;      // "save image"
    QPushButton* BitBtn2;      // "exit"
    QStatusBar* StatusBar1;
    std::array<QLabel*, 3> StatusBar1Panels{};  // "X:", "Y:", "File:"

    // What the view shows, taken from the plot state when the window is opened.
    std::string XTitle, YTitle;
    std::array<std::string, 6> XTicks, YTicks;
    std::vector<int> CurveRows;  // the loaded rows the curve joins, in order

    // Shows the window modally for the section the plot state holds.
    void Execute(const PlotState& plot);

    void BitBtn1Click();
    void BitBtn2Click();

private:
    void TakeSection(const PlotState& plot);
    void InitGL2D(int width, int height);
    void FormPaint();

    // The curve in the unit square of the axes, kept from the opening: the plot window may load
    // another file while this one is shown.
    std::vector<std::pair<float, float>> Curve;
};

extern TForm3* Form3;

// The picture of an OpenGL view as the user sees it, at its logical size.
QImage ViewPicture(TGLPanel* view);
// Asks for a file name (preset to presetName) and writes the picture there as a bitmap, under the
// name exactly as typed; a file that cannot be written is reported.
void SavePictureAsBitmap(QWidget* parent, const QImage& picture, const QString& presetName);
