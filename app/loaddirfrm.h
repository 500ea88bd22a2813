#pragma once
#include "toolkit/forms.h"

class QLabel;

// A small stay-on-top window with one line of text.
class TLoadDirFrm : public TForm {
    Q_OBJECT
public:
    explicit TLoadDirFrm(QWidget* owner = nullptr);

    QLabel* LoadDirLabel;
};

extern TLoadDirFrm* LoadDirFrm;
