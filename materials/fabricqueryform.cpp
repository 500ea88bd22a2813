#include "materials/fabricqueryform.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "materials/fabricpfrom.h"

TFabricQueryForm* FabricQueryForm = nullptr;

namespace {

const TMaterialQueryLayout Layout = {&FabricTables,  "Company   like  ", "Thichness(cm)", {"Edit2", "Edit3"},
                                     "Porosity", {"Edit8", "Edit9"}};

} // namespace

TFabricQueryForm::TFabricQueryForm(QWidget* owner) : TMaterialQueryForm(owner, Layout)
{
    setObjectName("FabricQueryForm");
    SetCaption("Fabric Query");
    Edit2 = RangeEdits[0][0];
    Edit3 = RangeEdits[0][1];
    Edit8 = RangeEdits[1][0];
    Edit9 = RangeEdits[1][1];
    Button4 = MakeButton("Button4", "Select");
    ButtonRow->insertWidget(1, Button4);
    Arrange(ButtonRow);
}

void TFabricQueryForm::DBGrid1DblClick() { ShowCurrentRecord<TFabricPFrom>(); }
