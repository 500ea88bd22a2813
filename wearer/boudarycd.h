#pragma once
// Boundary conditions of each stage: the body's transfer coefficients, metabolic rate and
// cool-down, the outer environment, and the microclimate coefficients of every garment layer.
// The edits show one stage of the case at a time; Update reads them all and stores them into
// that stage only when every field is valid, then writes the metabolic rate, air temperature
// and humidity of every stage back into the case's activity and environment rows. What the user
// changed in the stage shown is stored the same way before OK closes the dialog or another
// stage is shown; Cancel and the close box leave it unstored.
#include <memory>
#include <vector>

#include "casemodel/records.h"
#include "toolkit/forms.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QWidget;
class TColumnArea;
class TMicroPanel;

class TBoudaryCD : public TForm {
    Q_OBJECT
public:
    explicit TBoudaryCD(QWidget* owner = nullptr);
    ~TBoudaryCD() override;

    // Components.
    QTabWidget* PageControl;
    QCheckBox* CoolDownCheckBox;
    QLineEdit* Mettxt;
    QLineEdit* CoolDownTimeText;
    QLineEdit* H_cUEdit;
    QLineEdit* H_cCEdit;
    QLineEdit* H_rUEdit;
    QLineEdit* H_rCEdit;
    QLineEdit* AirTempText2;
    QLineEdit* TherRadiationText2;
    QLineEdit* RHText2;
    QLineEdit* VFLText2;
    QLineEdit* VelocityEdit;
    QPushButton* HDeFault;
    QPushButton* EDefault;
    QPushButton* Default;
    QScrollArea* ScrollBox1;
    QListWidget* StageListBox;
    QPushButton* UpdateBtn;
    QPushButton* DeleteStageBtn;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    // One column per microclimate of the first stage, and one scratch record per column.
    std::vector<std::unique_ptr<TMicroPanel>> MicroPanels;
    std::vector<FabricMicroclimate> MicroRecords;

    // What the main window's opener calls once it has rebuilt and named the case's stages: the
    // columns anew, the stage names in the list, the last stage shown and selected.
    void ShowStages();

    // Empties the list and the columns and makes one column per microclimate of the first stage.
    void BuildMicroclimateRows();
    // Shows one stage; columns beyond the stage's own microclimates stay blank and disabled.
    void PutStageValue(const StageType& stage);
    // Reads the dialog; stores it into the stage, blanks the edits and marks the control values
    // stale only when every field was valid. False (nothing changed) otherwise.
    bool AddStageValue(StageType& stage);

    // Handlers.
    void StageListBoxClick();
    void UpdateBtnClick();
    void CoolDownCheckBoxClick();
    void HDeFaultClick();
    void EDefaultClick();
    void DefaultClick();
    void OKBtnClick();
    void CancelBtnClick();

protected:
    void FormShow() override;
    // The close box and Escape: what was not stored is dropped.
    void FormClose() override;

private:
    QWidget* BuildHumanBodyPage();
    QWidget* BuildEnvironmentPage();
    QWidget* BuildFabricLayersPage();
    QWidget* BuildStageGroup();
    // Reads every column the stage has into MicroRecords, in column order; the first bad field
    // is named and ends the reading.
    bool GetMicroclimate(std::size_t columns);
    // Reads the stage fields into a copy of the stage (cool-down included).
    bool ReadStageValues(StageType& stage);
    void BlankStageEdits();
    void ShowCoolDownTime(bool enabled);
    // The stage of the selected list entry, or null.
    StageType* SelectedStage() const;
    // The stage of a list row, or null.
    StageType* StageAt(int row) const;
    // Stores the dialog into the stage as Update does; false when a field was refused.
    bool StoreStage(StageType& stage);
    // Stores what the user changed in the stage shown, if anything; false when refused.
    bool StoreEditedStage();
    // The selection moved (by mouse or key): the stage left keeps what was typed for it first.
    void StageListBoxChange();
    void DropUnstoredEdits();
    // Columns that the given stage fills: the smaller of the two counts.
    std::size_t PairedColumns(const StageType& stage) const;
    std::unique_ptr<TColumnArea> ColumnArea;
    std::size_t ShownColumns = 0;
    // The stage of each list entry, so the list can be checked against the case's stages.
    std::vector<std::weak_ptr<StageType>> ListedStages;
    // The list row whose stage the edits show (-1: none), and whether the user has changed the
    // edits, contact boxes or cool-down box since that stage was shown or last stored.
    int ShownRow = -1;
    bool StageEdited = false;
};

extern TBoudaryCD* BoudaryCD;
