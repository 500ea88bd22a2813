#pragma once
#include "toolkit/forms.h"

class TFabricQueryForm : public TForm {
    Q_OBJECT
public:
    explicit TFabricQueryForm(QWidget* owner = nullptr);
};

extern TFabricQueryForm* FabricQueryForm;
