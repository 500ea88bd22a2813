#pragma once
// The case's membrane library: a thickness and two temperature curves per membrane, the water
// vapour permeability (WVP) and the thermal resistance (TR); nine membranes built in. Add,
// overwrite and Delete change the case's list at once. The open membrane "OP" that fabric sides
// without a membrane stand for is in the case from the start but listed here only when a loaded
// file lists it; it is neither overwritten nor deleted.
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

class TMembrane : public TForm {
    Q_OBJECT
public:
    explicit TMembrane(QWidget* owner = nullptr);

    // Lists a loaded membrane library and shows its last membrane.
    void LoadMembraneList(const TList<MembraneType>& membranes);
    // Shows a membrane: thickness, both tables and both charts.
    void PutMembraneValue(const MembraneType& membrane);
    // Reads and checks the dialog into the record; false (after its message) at the first
    // value, point count or table cell that is wrong.
    bool GetMembraneValue(MembraneType& membrane);

    // The charts' axis labels stand for shown curves; the first opening of a case has none, so
    // they are hidden then (and the case remembers the dialog was opened).
    void HideLabelsOnFirstOpen();

    static bool MembraneNameExists(const TList<MembraneType>& membranes, const std::string& name);
    // Name, thickness and the four arrays.
    static void CopyMembrane(const MembraneType& source, MembraneType& target);

    void MemComboBoxSelect(int index);
    void DefaultClick();
    void btnWvpNewClick();
    void btnTrNewClick();
    void PreviewWVPBtnClick();
    void PreviewTRBtnClick();
    void btnAddtoListClick();
    void btnDeleteClick();
    void MemListBoxClick();
    void btnClearClick();
    void NewCheckBoxClick();
    void OKBtnClick();
    void btnExitClick();
    void ThicknessTextChange();

    // Set by any change of the thickness text and by Delete; Add refuses while it is clear.
    bool Modified = false;

    QGroupBox* GroupBox1;  // "Membrane Properties"
    QLineEdit* ThicknessText;
    QGroupBox* GroupBox2;  // water vapour permeability
    TChartImage* WVPImage;
    QLabel* Label7;        // "WVP"
    QLabel* Label8;        // "N"
    QLineEdit* WPointNumText;
    QPushButton* PreviewWVPBtn;
    QPushButton* btnWvpNew;
    TStringGrid* WvpTable;
    QGroupBox* GroupBox3;  // thermal resistance
    TChartImage* TRImage;
    QLabel* Label10;       // "TR"
    QLabel* Label9;        // "N"
    QLineEdit* TPointNumText;
    QPushButton* PreviewTRBtn;
    QPushButton* btnTrNew;
    TStringGrid* TrTable;
    QComboBox* MemComboBox;
    QCheckBox* NewCheckBox;
    TListBox* MemListBox;
    QPushButton* btnAddtoList;
    QPushButton* btnDelete;
    QPushButton* Default;
    QPushButton* btnClear;
    QPushButton* OKBtn;
    QPushButton* btnExit;

    // Escape and the title bar's close act as Cancel, so the fabric dialog comes back.
    void reject() override;

private:
    // One of the two curves: its table, chart, labels and point-number edit.
    struct Curve {
        TStringGrid* Table;
        TChartImage* Image;
        QLabel* ValueLabel;
        QLabel* NLabel;
        QLineEdit* PointNumText;
        const char* PointName;     // "WVP Point Number"
        const char* Short;         // "WVP" in the cell message
        const char* NewTableText;  // refusal of New Table
    };
    Curve Wvp() const;
    Curve Tr() const;
    struct CurveWidgets {
        QGroupBox* Group;
        TChartImage* Image;
        QLabel* ValueLabel;
        QLabel* NLabel;
        QLineEdit* PointNumText;
        QPushButton* Preview;
        QPushButton* New;
        TStringGrid* Table;
    };
    CurveWidgets BuildCurveGroup(const QString& title, const QString& valueCaption, const QString& header,
                                 int colWidth1, int colWidth2);
    void NewTable(const Curve& curve);
    void Preview(const Curve& curve);
    bool ReadCurve(const Curve& curve, TDoubleDynArray& values, TDoubleDynArray& temperatures);
    void ShowCurve(const Curve& curve, const TDoubleDynArray& temperatures, const TDoubleDynArray& values);
    // Blanks the inputs, leaves one empty row in both tables and fills both charts.
    void ResetInputs();
    void ShowChartLabels(bool shown);
};

extern TMembrane* Membrane;
