#pragma once
#include "toolkit/forms.h"

class TFabricPFrom : public TForm {
    Q_OBJECT
public:
    explicit TFabricPFrom(QWidget* owner = nullptr);
};

extern TFabricPFrom* FabricPFrom;
