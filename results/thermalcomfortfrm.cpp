#include "results/thermalcomfortfrm.h"

TThermalComfortFrm* ThermalComfortFrm = nullptr;

TThermalComfortFrm::TThermalComfortFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("ThermalComfortFrm");
    SetCaption("Thermal Comfort Index");
    SetClientSize(393, 330);
    SetPosition(TPosition::Designed);
}
