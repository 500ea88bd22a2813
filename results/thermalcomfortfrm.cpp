#include "results/thermalcomfortfrm.h"

#include <QLabel>
#include <QPushButton>

#include "toolkit/application.h"

TThermalComfortFrm* ThermalComfortFrm = nullptr;

TThermalComfortFrm::TThermalComfortFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("ThermalComfortFrm");
    SetCaption("Thermal Comfort Index");
    SetClientSize(393, 330);
    SetPosition(TPosition::ScreenCenter);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(8, 8, 377, 281);
    Image1->setFrameShape(QFrame::StyledPanel);
    Button1 = new QPushButton("Close", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(159, 296, 75, 26);
    connect(Button1, &QPushButton::clicked, this, Guard([this] { Button1Click(); }));
}

void TThermalComfortFrm::Button1Click()
{
    Close();
}
