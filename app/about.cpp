#include "app/about.h"

#include "app/flowchart.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "toolkit/application.h"

TAbout* About = nullptr;

namespace {

QLabel* MakeLine(QWidget* parent, const char* name, const QString& text, int top, int height,
                 int pointSize, bool bold = false, const QColor& color = QColor(40, 40, 40))
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = parent->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    label->setGeometry(232, top, 348, height);
    return label;
}

} // namespace

TAbout::TAbout(QWidget* owner) : TForm(owner)
{
    setObjectName("About");
    SetCaption("About Quillon");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    SetClientSize(596, 353);
    SetPosition(TPosition::ScreenCenter);

    // Pictures that are missing leave their place blank rather than stopping the start.
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(0, 0, 208, 353);
    Image1->setPixmap(QPixmap(AssetPath("Icon/form/about.bmp")));

    ProductName = MakeLine(this, "ProductName", "Vantora", 24, 40, 24, true, QColor(20, 60, 110));
    Subtitle = MakeLine(this, "Subtitle", "Thermal design of clothing", 68, 24, 12);
    Version = MakeLine(this, "Version", QString("Professional Edition, Version ") + VersionText, 110, 22, 10, true);
    Origin1 = MakeLine(this, "Origin1", "Heat and moisture transfer from the body", 150, 20, 10);
    Origin2 = MakeLine(this, "Origin2", "through fibres, fabrics and garments.", 170, 20, 10);
    Platform = MakeLine(this, "Platform", "For Linux desktops", 210, 20, 10, false, QColor(90, 90, 90));

    Image2 = new QLabel(this);
    Image2->setObjectName("Image2");
    Image2->setGeometry(232, 264, 48, 48);
    Image2->setPixmap(QPixmap(AssetPath("Icon/form/aboutlogo.bmp")));

    Button1 = new QPushButton("OK", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(497, 312, 83, 27);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, Guard([this] { Button1Click(); }));
}

void TAbout::Button1Click()
{
    Close();
}
