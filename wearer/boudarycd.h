#pragma once
#include "toolkit/forms.h"
class QTabWidget;
class QListWidget;

class TBoudaryCD : public TForm {
    Q_OBJECT
public:
    explicit TBoudaryCD(QWidget* owner = nullptr);

    QTabWidget* PageControl;
    QListWidget* StageListBox;
    // Rebuilds one microclimate column per garment layer.
    void BuildMicroclimateRows();
    // Puts the values of stage i into the edits.
    void PutStageValue(int i);
    // Shows the case's stages: the first page, one column per microclimate, "Stage1".."StageN"
    // in the list and the last stage's values.
    void ShowStages();
};

extern TBoudaryCD* BoudaryCD;
