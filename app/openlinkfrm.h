#pragma once
#include "toolkit/forms.h"

class TOpenLinkFrm : public TForm {
    Q_OBJECT
public:
    explicit TOpenLinkFrm(QWidget* owner = nullptr);
};

extern TOpenLinkFrm* OpenLinkFrm;
