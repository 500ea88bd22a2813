#pragma once
#include "toolkit/forms.h"

class TPCM : public TForm {
    Q_OBJECT
public:
    explicit TPCM(QWidget* owner = nullptr);
};

extern TPCM* PCM;
