#include "materials/laynumberfrm.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

TLayNumberFrm* LayNumberFrm = nullptr;

TLayNumberFrm::TLayNumberFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("LayNumberFrm");
    SetCaption("LayNumberFrm");
    SetPosition(TPosition::Designed);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(16, 12, 268, 70);
    CSpinEdit3 = new QSpinBox(GroupBox1);
    CSpinEdit3->setObjectName("CSpinEdit3");
    CSpinEdit3->setGeometry(16, 24, 50, 24);
    CSpinEdit3->setValue(3);
    Label1 = new QLabel("Fabric layer in the garment", GroupBox1);
    Label1->setObjectName("Label1");
    Label1->setGeometry(76, 26, 180, 20);
    Button1 = new QPushButton("OK", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(112, 96, 75, 25);

    SetClientSize(300, 140);
}
