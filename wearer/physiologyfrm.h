#pragma once
// The wearer's thermoregulation constants, starting skin and core state and the thermoreceptor
// firing-rate coefficients. The body dialog confirms it on its own OK, so its reading also runs
// while it is not shown.
#include <QString>
#include <utility>
#include <vector>

#include "toolkit/forms.h"
#include "casemodel/records.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

class TPhysiologyFrm : public TForm {
    Q_OBJECT
public:
    explicit TPhysiologyFrm(QWidget* owner = nullptr);

    // Shows the 19 body values of the block and the case's 20 firing-rate coefficients; what a
    // loaded case brings counts as confirmed.
    void PutPhysiologyValue(const BodyParameters& body);
    // Puts the default values into all 39 edits.
    void PutDefaultValues();
    // The 19 body values of the block, in the edits' units.
    void ShowBodyRows(const BodyParameters& body);
    void DefaultClick();
    // Shows the defaults with the values of a body model from the material database over them
    // (texts in the edits' units, by the field of the block they stand for; empty texts keep the
    // default). They count as confirmed: the body dialog's OK keeps them.
    void PutBodyModelValues(const std::vector<std::pair<double BodyParameters::*, QString>>& values);
    // Empties the coefficient edits and the constants (rows 1 to 14 of the body table); the
    // starting state, conductance and absorptivity keep their text.
    void ClearPhysiologyEdits();
    // Reads all 39 edits; stores them into the block and the coefficients only when every one is
    // valid. The first invalid edit is named in a message and nothing is stored.
    bool GetPhysiologyValue(BodyParameters& body, FiringRateCoefficients& firingRate);
    // Reads into the case's body block and coefficients; the outcome, which the body dialog's OK
    // needs as well.
    bool CommitPhysiology();
    // Commits and closes the dialog on success.
    void OKBtnClick();
    void btnExitClick();
    void Button1Click();

    // Set by the first successful reading and by a loaded case; never cleared.
    bool Defined = false;

    QGroupBox* HumanBodyGroupBox;
    QLineEdit* Cswr_maxEdit;
    QLineEdit* Cswr_regEdit;
    QLineEdit* Cswr_powEdit;
    QLineEdit* Cshv_regEdit;
    QLineEdit* Cbld_diatEdit;
    QLineEdit* Cbld_strtEdit;
    QLineEdit* Cp_bldEdit;
    QLineEdit* Density_bldEdit;
    QLineEdit* Vbld_skneuEdit;
    QLineEdit* Vbld_skmaxEdit;
    QLineEdit* Vbld_skminEdit;
    QLineEdit* T_skneuEdit;
    QLineEdit* T_crneuEdit;
    QLineEdit* Cp_bmEdit;
    QLineEdit* T_skEdit;
    QLineEdit* T_crEdit;
    QLineEdit* RH_skinEdit;
    QLineEdit* K_bEdit;
    QLineEdit* Abs_skEdit;

    QGroupBox* GroupBox8;
    QLineEdit* Warm_Skin_KsText1;
    QLineEdit* Warm_Skin_KsText2;
    QLineEdit* Cold_Skin_KsText1;
    QLineEdit* Cold_Skin_KsText2;
    QLineEdit* Warm_Skin_KdText1;
    QLineEdit* Warm_Skin_KdText2;
    QLineEdit* Cold_Skin_KdText1;
    QLineEdit* Cold_Skin_KdText2;
    QLineEdit* Warm_Skin_CText1;
    QLineEdit* Warm_Skin_CText2;
    QLineEdit* Cold_Skin_CText1;
    QLineEdit* Cold_Skin_CText2;
    QLineEdit* Warm_Core_KsText1;
    QLineEdit* Warm_Core_KsText2;
    QLineEdit* Cold_Core_KsText1;
    QLineEdit* Cold_Core_KsText2;
    QLineEdit* Warm_Core_CText1;
    QLineEdit* Warm_Core_CText2;
    QLineEdit* Cold_Core_CText1;
    QLineEdit* Cold_Core_CText2;

    QPushButton* OKBtn;
    QPushButton* btnExit;
    QPushButton* Default;
    QPushButton* btnClear;
    QPushButton* Button1;

private:
    QWidget* BuildBodyGroup();
    QWidget* BuildComfortGroup();
    // The coefficient edit of a slot of FiringRateCoefficients.
    QLineEdit* SlotEdit(int slot) const;
};

extern TPhysiologyFrm* PhysiologyFrm;
