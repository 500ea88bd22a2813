#pragma once
// The case's 20 thermoreceptor firing-rate coefficients on their own, for the comfort evaluation.
// The physiology dialog edits the same record; whichever of the two reads last decides.
#include <array>

#include "casemodel/firingrate.h"
#include "toolkit/forms.h"

class QLineEdit;
class QPushButton;

class TComfortPFrm : public TForm {
    Q_OBJECT
public:
    explicit TComfortPFrm(QWidget* owner = nullptr);

    // Reads the 20 edits in slot order and stores them into the case only when all are numbers;
    // otherwise "Input Error!" and nothing changes.
    bool GetValue();
    void btnExitClick();
    void DefaultClick();
    void BitBtn1Click();
    // The filter of the first-column edits: digits, one point and one minus sign, since five of
    // their defaults are negative.
    void Warm_Skin_KsText1KeyPress(QLineEdit* sender, char& key);

    // The edits by slot of FiringRateCoefficients; the named members below are the same edits.
    std::array<QLineEdit*, FiringRateSlotCount> SlotEdits{};
    QLineEdit*& Warm_Skin_KsText1 = SlotEdits[0];
    QLineEdit*& Warm_Skin_KsText2 = SlotEdits[1];
    QLineEdit*& Cold_Skin_KsText1 = SlotEdits[2];
    QLineEdit*& Cold_Skin_KsText2 = SlotEdits[3];
    QLineEdit*& Warm_Skin_KdText1 = SlotEdits[4];
    QLineEdit*& Warm_Skin_KdText2 = SlotEdits[5];
    QLineEdit*& Cold_Skin_KdText1 = SlotEdits[6];
    QLineEdit*& Cold_Skin_KdText2 = SlotEdits[7];
    QLineEdit*& Warm_Skin_CText1 = SlotEdits[8];
    QLineEdit*& Warm_Skin_CText2 = SlotEdits[9];
    QLineEdit*& Cold_Skin_CText1 = SlotEdits[10];
    QLineEdit*& Cold_Skin_CText2 = SlotEdits[11];
    QLineEdit*& Warm_Core_KsText1 = SlotEdits[12];
    QLineEdit*& Warm_Core_KsText2 = SlotEdits[13];
    QLineEdit*& Cold_Core_KsText1 = SlotEdits[14];
    QLineEdit*& Cold_Core_KsText2 = SlotEdits[15];
    QLineEdit*& Warm_Core_CText1 = SlotEdits[16];
    QLineEdit*& Warm_Core_CText2 = SlotEdits[17];
    QLineEdit*& Cold_Core_CText1 = SlotEdits[18];
    QLineEdit*& Cold_Core_CText2 = SlotEdits[19];

    QPushButton* btnExit;
    QPushButton* Default;
    QPushButton* BitBtn1;

private:
    QWidget* BuildSiteGroup(bool core);
};

extern TComfortPFrm* ComfortPFrm;
