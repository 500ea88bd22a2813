#pragma once
// The wearer: weight, height, sex, age class and race. The choices reach the case on OK only; a
// close without OK puts back what the dialog showed when it opened. Its OK also confirms the
// physiology, so a body is never confirmed without thermoregulation values.
#include <QPixmap>
#include <optional>

#include "toolkit/forms.h"
#include "casemodel/bodycalc.h"
#include "casemodel/records.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TRadioGroup;
struct TBodyModelChoice;

class TDefineBodyFrm : public TForm {
    Q_OBJECT
public:
    explicit TDefineBodyFrm(QWidget* owner = nullptr);

    // Fills the dialog from a loaded body block (and the physiology dialog with it).
    void PutBodyValue(const BodyParameters& body);
    // Shows a body model chosen from the material database, as if the user had chosen it: it
    // takes effect on OK, as a click does.
    void PutBodyModel(const TBodyModelChoice& model);
    // Reads the dialog; stores weight (g), DuBois area, height, sex, age and race into the block
    // only when weight and height are valid.
    bool GetValue(BodyParameters& body);
    void OkBtnClick();
    void Button2Click();
    void Button1Click();
    void DatabaseClick();
    void RadioGroup1Click();
    void W_dTextKeyPress(char& key);

    bool Defined = false;     // OK succeeded at least once
    bool IsMale = false;
    bool IsFemale = true;
    // The last click on the sex group changed the sex against the one applied before. The
    // garment dialog does not go by it: it compares the wearer's sex with the one its list was
    // made for, so a case loaded afterwards keeps its garments.
    bool SexChanged = false;
    // The sex index last applied (the group's tag).
    int RadioGroup1Tag = 1;
    QPixmap MalePicture;
    QPixmap FemalePicture;

    TRadioGroup* RadioGroup1;  // Sex
    TRadioGroup* RadioGroup2;  // Age
    TRadioGroup* RadioGroup3;  // Race
    QGroupBox* GroupBox1;
    QLabel* Label1;
    QLineEdit* W_dText;
    QLabel* Label3;
    QLineEdit* HeightText;
    QLabel* Image1;
    QPushButton* OKBtn;
    QPushButton* Button2;
    QPushButton* Button1;
    QPushButton* Database;

protected:
    void FormShow() override;
    void FormClose() override;

private:
    // What the five choices showed, so a close without OK can put them back.
    struct TShownChoices {
        int Sex = 1;
        int Age = 0;
        int Race = 0;
        QString Weight;
        QString Height;
        bool SexChanged = false;
    };
    TShownChoices ShownChoices() const;
    void RestoreChoices(const TShownChoices& shown);
    std::optional<TShownChoices> AtOpening;
    bool Confirmed = false;  // OK succeeded since the dialog was opened

    // Reads weight and height (each must be a number above 0; each failure has its message)
    // and the three groups.
    bool ReadWearer(WearerMeasures& wearer);
    // Flags, picture and tag of a sex index (0 male, 1 female).
    void ApplySex(int index);
};

extern TDefineBodyFrm* DefineBodyFrm;
