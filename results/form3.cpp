#include "results/form3.h"

#include <GL/gl.h>

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <algorithm>

#include "casemodel/formatfloat.h"
#include "casemodel/numformat.h"
#include "toolkit/application.h"
#include "toolkit/filedialogs.h"
#include "toolkit/glwidget.h"
#include "toolkit/messages.h"
#include "toolkit/pathlabel.h"

TForm3* Form3 = nullptr;

namespace {

constexpr int ViewWidth = 550;
constexpr int ViewHeight = 450;
// The projection is set up for a 476 x 374 client and kept when the view is drawn at its full
// size, so the picture is the same whatever size the window is given.
constexpr int ProjectionWidth = 476;
constexpr int ProjectionHeight = 374;
constexpr float ViewHalfExtent = 1.15f;
// The unit square of the curve sits left of and below the centre, to leave room for the titles.
constexpr float ShiftX = -0.7f;
constexpr float ShiftY = -0.5f;

constexpr unsigned SystemGlyphs = 1000;
constexpr unsigned LabelGlyphs = 2000;

void Text(unsigned base, float x, float y, const std::string& text)
{
    glRasterPos3f(x, y, 0);
    DrawBitmapText(base, text.c_str());
}

void Line(float x0, float y0, float x1, float y1)
{
    glVertex2f(x0, y0);
    glVertex2f(x1, y1);
}

// The rows of the section's curve: across the thickness, the time block that starts at the
// first row whose time is not below the chosen one; over time, every row at the chosen
// position. Nothing for a chosen time that is no number or lies past the last row.
std::vector<int> SectionRows(const PlotState& plot)
{
    const PlotData& d = plot.Data;
    const int n = d.RowCount();
    std::vector<int> rows;
    if (plot.SectionMode == 0) {
        double chosen = 0;
        if (!TryStrToFloat(Trim(plot.ChosenTime), chosen))
            return rows;
        // The points hold 32-bit times: compare at that precision, so "0.7" finds a row at 0.7.
        const float time = static_cast<float>(chosen);
        int k = 0;
        while (k < n && d.Points[static_cast<std::size_t>(k)].Time < time)
            ++k;
        const int end = std::min(n, k + std::max(0, d.NodesPerBlock));
        for (; k < end; ++k)
            rows.push_back(k);
    } else {
        // The list holds the first block's positions as text, one per row in order; a row is on
        // the curve when it has the same position as the chosen item's row.
        const auto& texts = d.PositionTexts;
        const auto it = std::find(texts.begin(), texts.end(), plot.ChosenPosition);
        const std::size_t item = static_cast<std::size_t>(it - texts.begin());
        if (it == texts.end() || item >= d.Points.size())
            return rows;
        const float position = d.Points[item].Position;
        for (int k = 0; k < n; ++k)
            if (d.Points[static_cast<std::size_t>(k)].Position == position)
                rows.push_back(k);
    }
    return rows;
}

} // namespace

TForm3::TForm3(QWidget* owner) : TForm(owner)
{
    setObjectName("Form3");
    SetCaption("2D Image");
    SetClientSize(ViewWidth, ViewHeight + 64);
    SetPosition(TPosition::ScreenCenter);

    GLView = new TGLPanel(this);
    GLView->setObjectName("GLView");
    GLView->setGeometry(0, 0, ViewWidth, ViewHeight);
    GLView->OnInitialize = [this] {
        BuildPlotFontLists(SystemGlyphs, LabelGlyphs);
        InitGL2D(ProjectionWidth, ProjectionHeight);
    };
    GLView->OnPaint = [this] { FormPaint(); };

    BitBtn1 = new QPushButton("save image", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(150, ViewHeight + 8, 110, 28);
    BitBtn2 = new QPushButton("exit", this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setGeometry(290, ViewHeight + 8, 110, 28);
    connect(BitBtn1, &QPushButton::clicked, this, Guard([this] { BitBtn1Click(); }));
    connect(BitBtn2, &QPushButton::clicked, this, Guard([this] { BitBtn2Click(); }));

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setGeometry(0, ViewHeight + 42, ViewWidth, 22);
    StatusBar1->setSizeGripEnabled(false);
    static const char* const captions[3] = {"X:", "Y:", "File:"};
    for (std::size_t i = 0; i < StatusBar1Panels.size(); ++i) {
        StatusBar1Panels[i] = new QLabel(captions[i], StatusBar1);
        StatusBar1Panels[i]->setObjectName(QString("StatusBar1Panel%1").arg(i));
        // The quantity is shown whole; the file takes the rest and is shortened to it.
        StatusBar1Panels[i]->setMinimumWidth(i == 1 ? 0 : 100);
        StatusBar1->addWidget(StatusBar1Panels[i], i == 2 ? 1 : 0);
    }
}

void TForm3::Execute(const PlotState& plot)
{
    TakeSection(plot);
    GLView->update();
    ShowModal();
}

void TForm3::TakeSection(const PlotState& plot)
{
    const bool acrossThickness = plot.SectionMode == 0;
    StatusBar1Panels[0]->setText(QString("X:") + (acrossThickness ? "TimePos" : "SpacePos"));
    StatusBar1Panels[1]->setText("Y:" + QString::fromStdString(plot.SectionQuantity));
    ShowPath(StatusBar1Panels[2], "File:", QString::fromStdString(plot.SectionFile));

    // The x title, the x ticks and the curve all follow the same choice.
    const PlotData& d = plot.Data;
    // The same axis titles, in the same units, as the plot the section is taken from.
    XTitle = acrossThickness ? plot.PosTitle : plot.TimeTitle;
    YTitle = plot.SectionQuantity;
    const double xStart = acrossThickness ? d.PosStart : d.TimeStart;
    const double xEnd = acrossThickness ? d.PosEnd : d.TimeEnd;
    for (std::size_t k = 0; k < 6; ++k) {
        const double f = 0.2 * static_cast<double>(k);
        XTicks[k] = FormatFloat("##0.###", xStart + f * (xEnd - xStart));
        YTicks[k] = FormatFloat("0.00E-0", d.ValueMin + f * (double(d.ValueMax) - d.ValueMin));
    }
    CurveRows = SectionRows(plot);
    Curve.clear();
    for (int row : CurveRows) {
        const PlotPoint& p = d.Points[static_cast<std::size_t>(row)];
        const float x = acrossThickness ? (p.Position - d.PosStart) / d.PosRange : (p.Time - d.TimeStart) / d.TimeRange;
        Curve.push_back({x, (p.Value - d.ValueMin) / d.ValueRange});
    }
}

void TForm3::InitGL2D(int width, int height)
{
    SetUpPlotView(ViewHalfExtent, width, height);
}

void TForm3::FormPaint()
{
    const qreal ratio = GLView->devicePixelRatioF();
    glViewport(0, 0, static_cast<int>(ViewWidth * ratio), static_cast<int>(ViewHeight * ratio));
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(ShiftX, ShiftY, 0);

    glColor3f(0, 0, 0);
    glBegin(GL_LINES);
    Line(0, 0, 1.1f, 0);
    Line(1.07f, -0.02f, 1.1f, 0);
    Line(1.07f, 0.02f, 1.1f, 0);
    Line(0, 0, 0, 1.1f);
    Line(-0.02f, 1.07f, 0, 1.1f);
    Line(0.02f, 1.07f, 0, 1.1f);
    for (int k = 0; k <= 5; ++k) {
        Line(0.2f * k, 0, 0.2f * k, -0.05f);
        Line(0, 0.2f * k, -0.05f, 0.2f * k);
    }
    glEnd();

    glPushAttrib(GL_LINE_BIT | GL_CURRENT_BIT);
    glEnable(GL_LINE_STIPPLE);
    glLineStipple(1, 0x0F0F);
    glColor3f(0.8f, 0.8f, 0.8f);
    glBegin(GL_LINES);
    for (int k = 0; k <= 5; ++k)
        Line(0.2f * k, 0, 0.2f * k, 1);
    for (int k = 1; k <= 5; ++k)
        Line(0, 0.2f * k, 1, 0.2f * k);
    glEnd();
    glPopAttrib();

    glColor3f(1, 0, 0);
    glBegin(GL_LINE_STRIP);
    for (const auto& [x, y] : Curve)
        glVertex2f(x, y);
    glEnd();

    glColor3f(0, 0, 0);
    Text(SystemGlyphs, 1.15f, 0, XTitle);
    Text(SystemGlyphs, -0.15f, 1.13f, YTitle);
    glColor3f(0.5f, 0.5f, 0);
    for (std::size_t k = 0; k < 6; ++k) {
        const float at = 0.2f * static_cast<float>(k);
        Text(LabelGlyphs, at, -0.1f, XTicks[k]);
        Text(LabelGlyphs, -0.25f, at, YTicks[k]);
    }
    glColor3f(0, 0, 0);
}

void TForm3::BitBtn1Click()
{
    SavePictureAsBitmap(this, ViewPicture(GLView), "inputfilename.bmp");
}

void TForm3::BitBtn2Click()
{
    Close();
}

QImage ViewPicture(TGLPanel* view)
{
    QImage picture = view->grabFramebuffer();
    if (picture.size() != view->size())
        picture = picture.scaled(view->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return picture.convertToFormat(QImage::Format_RGB32);
}

void SavePictureAsBitmap(QWidget* parent, const QImage& picture, const QString& presetName)
{
    const QString name = FileDialogs().SaveFileName(parent, "Save", presetName, "Bitmaps (*.bmp)|*.bmp");
    if (!name.isEmpty() && !picture.save(name, "BMP"))
        AppMessageBox(QString("Cannot create file \"%1\".").arg(name), "Error");
}
