#pragma once
// The case's fibre library: six material values and a regain curve per fibre, five fibres built
// in. Add, overwrite and Delete change the case's list at once; the fabric dialog, which opens
// this one, picks its fibres from that list.
#include <QString>

#include "toolkit/forms.h"
#include "toolkit/listbox.h"
#include "casemodel/records.h"
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TChartImage;
class TStringGrid;

class TFiber : public TForm {
    Q_OBJECT
public:
    explicit TFiber(QWidget* owner = nullptr);

    // Lists a loaded fibre library and shows its last fibre.
    void LoadFiberList(const TList<FiberType>& fibers);
    // Shows a fibre: its values, its regain table and chart.
    void PutFiberValue(const FiberType& fiber);
    // Reads and checks the dialog into the record; false (after its message) at the first
    // value, point count or table cell that is wrong.
    bool GetFiberValue(FiberType& fiber);

    // The regain chart's axis labels stand for a shown curve; the first opening of a case has
    // none, so they are hidden then (and the case remembers the dialog was opened).
    void HideLabelsOnFirstOpen();

    static bool FiberNameExists(const TList<FiberType>& fibers, const std::string& name);
    // The name, the six values and both arrays.
    static void CopyFiber(const FiberType& source, FiberType& target);

    void FiberComboBoxSelect(int index);
    void DefaultClick();
    void btnNewTableClick();
    void btnPreviewClick();
    void btnAddtoListClick();
    void btnDeleteClick();
    void FiberListBoxClick();
    void btnClearClick();
    void NewCheckBoxClick();
    void OKBtnClick();
    void btnExitClick();
    void BitBtn1Click();
    void DiameterTextChange();

    // Set by any change of a property edit's text and by Delete; Add refuses while it is clear.
    bool Modified = false;

    QGroupBox* GroupBox1;  // "Fiber Properties"
    QLineEdit* DiameterText;
    QLineEdit* VaporDiffText;
    QLineEdit* DensityText;
    QLineEdit* EmissivityText;
    QLineEdit* LiqConAngleText;
    QLineEdit* TherConText;
    QGroupBox* GroupBox2;  // "Fiber Regain"
    TChartImage* FiberRegainChart;
    QLabel* RHLabel;
    QLabel* RegainLabel;
    QLineEdit* PointNumText;
    QPushButton* btnPreview;
    QPushButton* btnNewTable;
    TStringGrid* FiberRegainTable;
    QComboBox* FiberComboBox;
    QCheckBox* NewCheckBox;
    QPushButton* btnAddtoList;
    QPushButton* btnDelete;
    QGroupBox* GroupBox3;  // "Fiber List"
    TListBox* FiberListBox;  // the names of the case's fibres, in its order
    QPushButton* Default;
    QPushButton* btnClear;
    QPushButton* OKBtn;
    QPushButton* btnExit;
    QPushButton* BitBtn1;  // "Fiber Database.."

    // Escape and the title bar's close act as Cancel, so the fabric dialog comes back.
    void reject() override;

private:
    // Blanks the values, leaves one empty table row and fills the chart with its brush.
    void ResetInputs();
    void DrawRegain(const std::vector<double>& rh, const std::vector<double>& regain);
    void HideChartLabels();
};

extern TFiber* Fiber;

// Ends a material dialog opened from the fabric dialog (fibre, membrane, PCM) with the result,
// and shows the fabric dialog again with its lists refilled from the case.
void ReturnToFabricForm(TForm& dialog, int result);

// Reading a point table against its point-number edit, as the fibre and membrane dialogs do:
// the edit must hold the number of data rows (compared as numbers, so "2.5" against 2 rows
// fails), else the message of GetEditValue for pointName and the focus on the edit.
bool PointCountMatches(QLineEdit* pointNumText, const QString& pointName, const TStringGrid& table);

// The count for "New Table": a whole number from 1 to 1000 in the edit; false otherwise.
bool NewTableCount(QLineEdit* pointNumText, int& count);

// The values of a vector as a record's point array.
TDoubleDynArray ToPointArray(const std::vector<double>& values);
