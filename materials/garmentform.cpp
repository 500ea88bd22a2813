#include "materials/garmentform.h"

TGarmentForm* GarmentForm = nullptr;

TGarmentForm::TGarmentForm(QWidget* owner) : TForm(owner)
{
    setObjectName("GarmentForm");
    SetCaption("Garments Desgin");
    SetClientSize(665, 485);
    SetPosition(TPosition::MainFormCenter);
}

void TGarmentForm::LoadGarmentList(int, const int*, const int*) {}
