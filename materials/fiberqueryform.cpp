#include "materials/fiberqueryform.h"

#include <QHBoxLayout>

#include "materials/fiberpform.h"

TFiberQueryForm* FiberQueryForm = nullptr;

namespace {

const TMaterialQueryLayout Layout = {&FiberTables,      "Company   like ", "Diameter(cm)", {"Edit2", "Edit3"},
                                     "Density(g.cm-3) ", {"Edit4", "Edit5"}};

} // namespace

TFiberQueryForm::TFiberQueryForm(QWidget* owner) : TMaterialQueryForm(owner, Layout)
{
    setObjectName("FiberQueryForm");
    SetCaption("Fiber Query");
    Edit2 = RangeEdits[0][0];
    Edit3 = RangeEdits[0][1];
    Edit4 = RangeEdits[1][0];
    Edit5 = RangeEdits[1][1];
    Arrange(ButtonRow);
}

void TFiberQueryForm::DBGrid1DblClick() { ShowCurrentRecord<TFiberPForm>(); }
