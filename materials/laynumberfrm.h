#pragma once
// A small window asking for the number of fabric layers in a garment. It is created with the
// others but nothing opens it, and its OK does nothing.
#include "toolkit/forms.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;

class TLayNumberFrm : public TForm {
    Q_OBJECT
public:
    explicit TLayNumberFrm(QWidget* owner = nullptr);

    QGroupBox* GroupBox1;
    QSpinBox* CSpinEdit3;
    QLabel* Label1;
    QPushButton* Button1;
};

extern TLayNumberFrm* LayNumberFrm;
