#include "results/form2.h"

#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "toolkit/application.h"
#include "toolkit/colorbox.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* owner) : TForm(owner)
{
    setObjectName("Form2");
    SetCaption("ColorSelection");
    SetClientSize(430, 206);
    SetPosition(TPosition::ScreenCenter);

    // Each doubled ampersand shows as one.
    GroupBox1 = Make<QGroupBox>(this, "GroupBox1", QRect(8, 6, 414, 152), "Color&&&&Direction");
    QFont bold = font();
    bold.setBold(true);
    RadioButton1 = Make<QRadioButton>(GroupBox1, "RadioButton1", QRect(12, 22, 260, 22), "Color Ranges along Z-axis");
    RadioButton2 = Make<QRadioButton>(GroupBox1, "RadioButton2", QRect(12, 46, 260, 22), "Color Ranges along X-axis");
    RadioButton3 = Make<QRadioButton>(GroupBox1, "RadioButton3", QRect(12, 70, 260, 22), "Color Ranges along Y-axis");
    for (QRadioButton* b : {RadioButton1, RadioButton2, RadioButton3})
        b->setFont(bold);
    RadioButton1->setChecked(true);

    ColorBox1 = Make<TColorBox>(GroupBox1, "ColorBox1", QRect(8, 110, 100, 24));
    ColorBox1->SetSelected(FromWinColor(ColorBlue));
    for (int i = 0; i < 10; ++i) {
        auto* shape = Make<QFrame>(GroupBox1, QString("Shape%1").arg(i + 1).toLatin1().constData(),
                                   QRect(118 + 18 * i, 113, 17, 17));
        shape->setFrameShape(QFrame::Box);
        shape->setAutoFillBackground(true);
        Shapes[static_cast<std::size_t>(i)] = shape;
    }
    ColorBox2 = Make<TColorBox>(GroupBox1, "ColorBox2", QRect(306, 110, 100, 24));
    ColorBox2->SetSelected(FromWinColor(ColorRed));
    ColorBox1->OnChange = [this] { ColorBoxChange(); };
    ColorBox2->OnChange = [this] { ColorBoxChange(); };

    BitBtn1 = Make<QPushButton>(this, "BitBtn1", QRect(110, 168, 90, 28), "OK");
    BitBtn2 = Make<QPushButton>(this, "BitBtn2", QRect(230, 168, 90, 28), "CANCEL");
    connect(BitBtn1, &QPushButton::clicked, this, Guard([this] { BitBtn1Click(); }));
    connect(BitBtn2, &QPushButton::clicked, this, Guard([this] { BitBtn2Click(); }));

    ColorBoxChange();
}

std::array<int, 10> TForm2::GradientColors(int color1, int color2)
{
    const int b1 = color1 / 65536, g1 = (color1 % 65536) / 256, r1 = color1 % 256;
    const int b2 = color2 / 65536, g2 = (color2 % 65536) / 256, r2 = color2 % 256;
    // Integer division truncates toward zero, as the steps must.
    const int dB = (b2 - b1) / 9, dG = (g2 - g1) / 9, dR = (r2 - r1) / 9;
    std::array<int, 10> colors{};
    colors[0] = color1;
    for (int k = 1; k <= 8; ++k)
        colors[static_cast<std::size_t>(k)] = (b1 + k * dB) * 65536 + (g1 + k * dG) * 256 + (r1 + k * dR);
    colors[9] = color2;
    return colors;
}

void TForm2::ColorBoxChange()
{
    const auto colors = GradientColors(WinColor(ColorBox1->Selected()), WinColor(ColorBox2->Selected()));
    for (std::size_t i = 0; i < Shapes.size(); ++i) {
        QPalette palette = Shapes[i]->palette();
        palette.setColor(QPalette::Window, FromWinColor(colors[i]));
        Shapes[i]->setPalette(palette);
    }
}

void TForm2::Execute(PlotState& plot)
{
    Target = &plot;
    ShowModal();
    Target = nullptr;
}

void TForm2::HandOver(bool withAxis)
{
    if (!Target)
        return;
    Target->Gradient.Color1 = WinColor(ColorBox1->Selected());
    Target->Gradient.Color2 = WinColor(ColorBox2->Selected());
    if (withAxis)
        Target->Gradient.Axis = ColorAxis;
    Target->NeedsRepaint = true;
}

void TForm2::BitBtn1Click()
{
    Accepted = 1;
    ColorAxis = RadioButton1->isChecked() ? 0 : RadioButton2->isChecked() ? 1 : 2;
    HandOver(true);
    Close();
}

void TForm2::BitBtn2Click()
{
    // The boxes keep whatever was picked, and the plot shows it.
    HandOver(false);
    Close();
}
