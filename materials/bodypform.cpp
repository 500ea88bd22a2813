#include "materials/bodypform.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>
#include <iterator>
#include <optional>

#include "dialogbase/commonfuc.h"
#include "materials/materialselect.h"
#include "materials/recordpform.h"
#include "toolkit/application.h"

TBodyPForm* BodyPForm = nullptr;

namespace {

const char* const WeightKey = "Weight";
const char* const AreaKey = "DuboisArea";

struct BodyModelRow {
    TParameterRow Row;
    double BodyParameters::*Field;  // in the physiology dialog; nullptr: the body dialog's
};

const BodyModelRow Rows[] = {
    {{"Weight :", WeightKey, "kg", "WeightEdit"}, nullptr},
    {{"Dubois body area :", AreaKey, "cm2", "DuboisAreaEdit"}, nullptr},
    {{"Specific heat at constant pressure of blood :", "CpBlood", "cal.g-1.deg-1", "CpBloodEdit"},
     &BodyParameters::cp_bld},
    {{"The neutral volume of blood flow of skin :", "VbldSkNeu", "L.hr-1.cm-1", "VbldSkNeuEdit"},
     &BodyParameters::Vbld_skneu},
    {{"Maximum volume of blood flow of skin :", "VbldSkMax", "L.hr-1.cm-1", "VbldSkMaxEdit"},
     &BodyParameters::Vbld_skmax},
    {{"Minimum volume of blood flow of skin :", "VbldSkMin", "L.hr-1.cm-1", "VbldSkMinEdit"},
     &BodyParameters::Vbld_skmin},
    {{"Regulative shivering constant :", "CshvReg", "cal.s-1.cm-2", "CshvRegEdit"}, &BodyParameters::Cshv_reg},
    {{"Dilation factor of blood vessel :", "CbldDiat", "L.hr-1.cm-1", "CbldDiatEdit"}, &BodyParameters::Cbld_dia},
    {{"Strict factor of blood vessel :", "CbldStrt", "L.hr-1.cm-1", "CbldStrtEdit"}, &BodyParameters::Cbld_strt},
    {{"Maximum sweating rate :", "CswrMax", "g/cm2/hr", "CswrMaxEdit"}, &BodyParameters::Cswr_max},
    {{"Pow sweating rate :", "CswrPow", "g/cm2/hr", "CswrPowEdit"}, &BodyParameters::Cswr_pow},
    {{"Regulative sweating constant :", "CswrReg", "g/cm2/hr", "CswrRegEdit"}, &BodyParameters::Cswr_reg},
    {{"Neutral temperature of skin :", "TSkNeu", "deg.", "TSkNeuEdit"}, &BodyParameters::T_skneu},
    {{"Neutral temperature of core :", "TCrNeu", "deg.", "TCrNeuEdit"}, &BodyParameters::T_crneu},
    {{"Density of blood :", "DensityBld", "g.cm-3", "DensityBldEdit"}, &BodyParameters::Density_bld},
    {{"Specific heat of body mass :", "CpBm", "cal.g-1.C-1", "CpBmEdit"}, &BodyParameters::cp_bm},
};

std::vector<TParameterRow> ParameterRows() { return ParameterRowsOf(Rows); }

// The DuBois area A = 71.84 W^0.425 H^0.725 (cm2, kg, cm) solved for the height.
double HeightFromDuBoisArea(double weightKg, double areaCm2)
{
    return std::pow(areaCm2 / (71.84 * std::pow(weightKg, 0.425)), 1.0 / 0.725);
}

} // namespace

TBodyPForm::TBodyPForm(QWidget* owner) : TForm(owner)
{
    setObjectName("BodyPForm");
    SetCaption("HumanModel");

    GroupBox1 = BasicDataGroup(this, "Model Basic Data",
                               {"ModelID:", "ModelFile:", "ModelNationality:", "ModelAge:", "ModelPicture:"},
                               {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5});
    auto* gender = new QWidget(GroupBox1);
    RadioButton1 = new QRadioButton("Male", gender);
    RadioButton1->setObjectName("RadioButton1");
    RadioButton2 = new QRadioButton("Female", gender);
    RadioButton2->setObjectName("RadioButton2");
    // Shown as the record has it: a model without a sex checks neither.
    RadioButton1->setAutoExclusive(false);
    RadioButton2->setAutoExclusive(false);
    auto* genderLayout = new QHBoxLayout(gender);
    genderLayout->setContentsMargins(0, 0, 0, 0);
    genderLayout->addWidget(RadioButton1);
    genderLayout->addWidget(RadioButton2);
    genderLayout->addStretch(1);
    auto* basicGrid = static_cast<QGridLayout*>(GroupBox1->layout());
    const int genderRow = basicGrid->rowCount();
    basicGrid->addWidget(new QLabel("ModelGender:", GroupBox1), genderRow, 0);
    basicGrid->addWidget(gender, genderRow, 1);

    QGridLayout* grid = nullptr;
    GroupBox2 = ParameterGroup(this, "Parameters", ParameterRows(), grid, ValueEdits);

    Button1 = RecordButton(this, "Button1", "Select");
    Button2 = RecordButton(this, "Button2", "Exit");
    LayOutRecordWindow(*this, {GroupBox1, GroupBox2}, {Button1, Button2});

    connect(Button1, &QPushButton::clicked, this, Guard([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, Guard([this] { Button2Click(); }));
}

QLineEdit* TBodyPForm::ValueEdit(const char* key) const
{
    for (std::size_t i = 0; i < std::size(Rows); ++i)
        if (QString(Rows[i].Row.Key) == key)
            return ValueEdits[i];
    return nullptr;
}

void TBodyPForm::PutRecord(const QSqlRecord& record)
{
    // The first six columns by position: ID, file, picture, nation, gender, age.
    auto field = [&](int i) { return i < record.count() ? record.value(i).toString() : QString(); };
    ShowTexts({Edit1, Edit2, Edit5, Edit3}, {field(0), field(1), field(2), field(3)});
    Edit4->setText(field(5));
    RadioButton1->setChecked(field(4) == "1");
    RadioButton2->setChecked(field(4) == "2");
    std::map<QString, QString> values;
    for (int i = 0; i < record.count(); ++i)
        values[record.fieldName(i)] = record.value(i).toString();
    ShowParameterValues(ParameterRows(), ValueEdits, values);
}

void TBodyPForm::Button1Click()
{
    // The age class and the height are derived from these three: a text present must be a number,
    // or nothing is copied.
    bool ok = true;
    auto number = [&ok](QLineEdit* edit, const char* name) -> std::optional<double> {
        if (!ok || edit->text().trimmed().isEmpty())
            return std::nullopt;
        const double value = GetTextValue(edit->text(), name, ok);
        return ok ? std::optional<double>(value) : std::nullopt;
    };
    const std::optional<double> age = number(Edit4, "ModelAge");
    const std::optional<double> weight = number(ValueEdit(WeightKey), "Weight");
    const std::optional<double> area = number(ValueEdit(AreaKey), "Dubois body area");
    if (!ok)
        return;

    TBodyRecordValues values;
    for (std::size_t i = 0; i < std::size(Rows); ++i)
        if (Rows[i].Field)
            values.Physiology.emplace_back(Rows[i].Field, ValueEdits[i]->text().trimmed());
    TBodyModelChoice& choice = values.Wearer;
    choice.Race = Edit3->text();
    choice.Age = age;
    choice.Sex = RadioButton1->isChecked() ? 0 : (RadioButton2->isChecked() ? 1 : -1);
    choice.Weight = ValueEdit(WeightKey)->text().trimmed();
    if (weight && area && *weight > 0 && *area > 0)
        choice.Height = HeightFromDuBoisArea(*weight, *area);
    for (const TBodyRecordReceiver* receiver : {&PhysiologyRecordReceiver(), &BodyRecordReceiver()})
        if (*receiver)
            (*receiver)(values);
    CloseAfterSelect(*this);
}

void TBodyPForm::Button2Click() { Close(); }
