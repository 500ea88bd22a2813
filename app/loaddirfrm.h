#pragma once
#include "toolkit/forms.h"

class TLoadDirFrm : public TForm {
    Q_OBJECT
public:
    explicit TLoadDirFrm(QWidget* owner = nullptr);
};

extern TLoadDirFrm* LoadDirFrm;
