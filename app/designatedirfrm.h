#pragma once
#include "toolkit/forms.h"

class TDesignateDirFrm : public TForm {
    Q_OBJECT
public:
    explicit TDesignateDirFrm(QWidget* owner = nullptr);
};

extern TDesignateDirFrm* DesignateDirFrm;
