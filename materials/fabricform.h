#pragma once
// The fabric dialog: composes a fabric from the case's fibres, membranes and phase-change
// material, derives some of its values from the moisture-management (wetting) inputs, keeps the
// case's fabric library, and hands the chosen fabric to the garment layer being dressed. It opens
// the fibre, membrane and PCM dialogs, which always bring it back with its lists refilled.
#include <QString>
#include <string>

#include "casemodel/records.h"
#include "toolkit/forms.h"
#include "toolkit/listbox.h"
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpacerItem;
class TStringGrid;

class TFabricForm : public TForm {
    Q_OBJECT
public:
    explicit TFabricForm(QWidget* owner = nullptr);

    // Refills the fibre list and both membrane choices from the case; each membrane choice
    // selects again the membrane it held, by name.
    void FillMaterialLists();
    // Lists a loaded fabric library (the case's fabrics, item for item) and shows its last
    // fabric; sets FabricDefined and clears FabricFirstLoad when there is one.
    void LoadFabricList(const TList<FabricType>& fabrics);

    // Reads and checks the dialog into the record; false (after its message) at the first input
    // that is wrong, leaving what was read before it in the record. Name, TopWeight and
    // BottomWeight are never written. A fabric with PCM takes the case's PCM.
    bool GetFabricValue(FabricType& fabric);
    // Shows a record. The stored values of the derived edits are written last, over what the
    // wetting inputs derive while they are filled.
    void PutFabricValue(const FabricType& fabric);
    // Back to the empty dialog; the membrane choices keep their names.
    void ClearFabricFields();
    // Opens on the fabric of that name, as a garment layer names it: its line selected, its name
    // in the label and its values shown. With no such fabric (an empty name: the layer has none)
    // no line is selected and the dialog and the label are emptied, so that Update has nothing
    // stale to write.
    void ShowFabric(const QString& name);

    static bool FabricNameExists(const TList<FabricType>& fabrics, const std::string& name);
    // Everything the dialog reads, the fibres, membranes and ratios and the PCM values with their
    // flag; never the target's name, TopWeight, BottomWeight or PCM name.
    static void CopyFabric(const FabricType& source, FabricType& target);

    // Check-box rules; they run on every change of state, by the user or by the program.
    void MMFCheckClick();
    void PCMCheckClick();
    void HeatingFabricCheckClick();
    // Derived values; they run on every change of their inputs' text.
    void TopWetRTxtChange();   // and BottomWetRTxt: the capillary angle
    void TopWetTxtChange();    // the liquid tortuosity
    void TopAngleTxtChange();  // and BottomAngleTxt: the contact angle

    void DefaultClick();
    void btnClearClick();
    void SelectFiberBtnClick();
    void DeleteFiberBtnClick();
    void InMemComboBoxSelect(int index);
    void OutMemComboBoxSelect(int index);
    void InnerMemCheckBoxClick();
    void OuterMemCheckBoxClick();
    void btnAddtoListClick();
    void UpdateBtnClick();
    void btnDeleteClick();
    void FabricListBoxClick();
    void FabricListBoxMouseDown();
    void OKBtnClick();
    void btnExitClick();
    void btnAddFClick();
    void DefineMemButtonClick();
    void DefineMemButton2Click();
    void btnPCMClick();
    void btnQueryClick();

    // Fibres.
    QGroupBox* FiberGroup;          // "Fiber List"
    QListWidget* FiberListBox;      // item i is fibre i of the case
    QPushButton* btnAddF;           // "Desgin Fiber..."
    QPushButton* SelectFiberBtn;    // ">>"
    QPushButton* DeleteFiberBtn;    // "<<"
    QGroupBox* SelectedFiberGroup;  // "Selected Fiber "
    QListWidget* SFiberListBox;
    QGroupBox* RatioGroup;          // "%"
    TStringGrid* RatioTable;        // row i: mass ratio in percent of line i of SFiberListBox

    // Membranes.
    QGroupBox* MembraneGroup;
    QCheckBox* InnerMemCheckBox;
    QComboBox* InMemComboBox;       // both: the case's membranes in its order
    QPushButton* DefineMemButton;
    QCheckBox* OuterMemCheckBox;
    QComboBox* OutMemComboBox;
    QPushButton* DefineMemButton2;

    // Options.
    QGroupBox* PCMGroup;            // "Phase change Material"
    QCheckBox* PCMCheck;
    QLineEdit* txtVolumePercentofPCM;
    QPushButton* btnPCM;            // "Properites..", enabled only with PCMCheck
    QGroupBox* HeatingGroup;        // "Self-heating"
    QCheckBox* HeatingFabricCheck;
    QLineEdit* txtHeatLoad;
    QLineEdit* txtMinTemp;
    QLineEdit* txtMaxTemp;

    // Values.
    QGroupBox* PropertyGroup;       // "Fabric Properties"
    QLineEdit* PorosityText;
    QLineEdit* EmissivityText;
    QLineEdit* TortuosGasText;
    QLineEdit* ThicknessText;
    QLineEdit* CapAngleText;
    QLineEdit* TortuosLqdText;
    QLineEdit* MaxDisCapDiaText;
    QLineEdit* ConductivityTxt;
    QLineEdit* VaporDiffuTxt;
    QLineEdit* ContactAngelTxt;
    QCheckBox* MMFCheck;            // "Moisture management Treatment"
    QGroupBox* WettingGroup;
    QLineEdit* TopWetRTxt;
    QLineEdit* BottomWetRTxt;
    QLineEdit* TopWetTxt;
    QLineEdit* BottomWetTxt;
    QLineEdit* TopAngleTxt;
    QLineEdit* BottomAngleTxt;

    // Library.
    QPushButton* btnAddtoList;      // "Add >>"
    QPushButton* btnDelete;         // "Delete <<"
    QPushButton* UpdateBtn;
    QGroupBox* FabricGroup;         // "Fabric List"
    TListBox* FabricListBox;        // item i is fabric i of the case
    QGroupBox* SelectedFabricGroup; // "Selected Fabric"
    QLabel* SelectFabricLabel;
    QPushButton* btnQuery;          // "Fabric Database.."

    QPushButton* Default;
    QPushButton* btnClear;
    QPushButton* OKBtn;
    QPushButton* btnExit;           // "Cancel"

    // Escape and the title bar's close act as Cancel, so the layer dialog comes back.
    void reject() override;

protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The selected line of the fabric list, -1 for none.
    int SelectedFabricRow() const;
    // The first fabric of the case named like the selected line; none without a selection.
    std::shared_ptr<FabricType> SelectedFabric() const;
    // No line selected, the dialog and the "Selected Fabric" label empty.
    void ChooseNoFabric();
    // GetFabricValue, a fabric with PCM taking the values of `pcm`.
    bool ReadFabric(FabricType& fabric, const PCMType& pcm);
    bool ReadFibers(FabricType& fabric);
    bool ReadMembranes(FabricType& fabric);
    void ShowMembrane(const MembraneType* membrane, QCheckBox* check, QString& kept);
    // Empties every ratio cell, then leaves the table with that many rows.
    void ResetRatioTable(int rows);
    void ShowLayerDialog();

    QSpacerItem* ListLead;  // lines the selected fibres up with their ratios

    // Whether the PCM box stands for the case's PCM, the one the PCM dialog edits: after the box
    // was ticked or the PCM dialog confirmed. Showing a fabric with PCM makes it stand for that
    // fabric's own PCM, which Update then keeps: a PCM given to another fabric is not this one's.
    bool PcmFromCase = true;

    // The membrane of each side, by name: indexes would point elsewhere once a membrane before
    // it is deleted. "OP" until a choice is made.
    QString InnerMembraneName = "OP";
    QString OuterMembraneName = "OP";
};

extern TFabricForm* FabricForm;
