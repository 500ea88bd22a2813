#pragma once
// Numerical control values of the simulation: time step, save frequency, sweat accumulation,
// the fabric and fibre grids, and per stage the clothing cover ratio and the shares of heat and
// moisture loss through the clothing. The edits are the working copy; OK stores them into the
// case only when every one is valid.
#include <memory>
#include <vector>

#include "toolkit/forms.h"

class QLineEdit;
class QPushButton;
class QScrollArea;
class QWidget;
class TColumnArea;
class TControlLayerPanel;
struct ControlParameters;

class TControlFrm : public TForm {
    Q_OBJECT
public:
    explicit TControlFrm(QWidget* owner = nullptr);
    ~TControlFrm() override;

    // Components.
    QLineEdit* TimeText;
    QLineEdit* SaveFreqText;
    QLineEdit* SAEdit;
    QLineEdit* FabricGridTxt;
    QLineEdit* FiberGridTxt;
    QScrollArea* ScrollBox1;
    QPushButton* Default;
    QPushButton* OKBtn;
    QPushButton* btnExit;

    // One column per stage of the case.
    std::vector<std::unique_ptr<TControlLayerPanel>> LayerPanels;

    // One column per stage of the case.
    void BuildControlRows();
    // Fills the edits from the case's control values. Looking at them counts as defining them:
    // the control values are marked defined and no longer stale.
    void PutControlValue();
    // Reads every edit into `control` (which keeps its other values); the first bad one is
    // named and ends the reading with false.
    bool GetValue(ControlParameters& control);

    // Handlers.
    void OKBtnClick();
    void btnExitClick();
    void DefaultClick();

private:
    std::unique_ptr<TColumnArea> ColumnArea;
};

extern TControlFrm* ControlFrm;
