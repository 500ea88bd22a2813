// Saving, loading and handing the case to the simulation service.
#include "app/furfea.h"

void TFurFea::SaveAs1Click() {}
void TFurFea::SimulationBtnClick() {}
void TFurFea::Load1Click() {}
void TFurFea::BuildStages() {}
