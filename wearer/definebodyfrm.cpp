#include "wearer/definebodyfrm.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogbase/commonfuc.h"
#include "dialogbase/workflow.h"
#include "casemodel/garmentstyles.h"
#include "casemodel/numformat.h"
#include "materials/bodyqueryform.h"
#include "materials/materialselect.h"
#include "toolkit/application.h"
#include "toolkit/keyfilter.h"
#include "toolkit/pictures.h"
#include "toolkit/radiogroup.h"
#include "wearer/physiologyfrm.h"

TDefineBodyFrm* DefineBodyFrm = nullptr;

namespace {

constexpr int FigureWidth = 170;
constexpr int FigureHeight = 340;

// A weight or height of 0 or less means nothing to the solver (and gives no surface area):
// such a value is refused with the same message as a text that is not a number.
double ReadPositive(QLineEdit* edit, const QString& name, bool& ok)
{
    const double value = GetEditValue(edit, name, ok);
    if (ok && !(value > 0)) {
        ShowEditValueError(name);
        ok = false;
    }
    return value;
}

TRadioGroup* MakeGroup(QWidget* parent, const char* name, const QString& caption,
                       const QStringList& items, int columns, int index)
{
    auto* group = new TRadioGroup(parent);
    group->setObjectName(name);
    group->setTitle(caption);
    group->SetItems(items);
    group->SetColumns(columns);
    group->SetItemIndex(index);
    return group;
}

} // namespace

TDefineBodyFrm::TDefineBodyFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("DefineBodyFrm");
    SetCaption("Define Human Body");

    MalePicture = LoadPicture(AssetPath("Style/male.bmp"));
    FemalePicture = LoadPicture(AssetPath("Style/female.bmp"));

    RadioGroup1 = MakeGroup(this, "RadioGroup1", "Sex", {"Male", "Female"}, 2, 1);
    RadioGroup2 = MakeGroup(this, "RadioGroup2", "Age", {"Child", "Adult", "Elderly"}, 3, 0);
    RadioGroup3 = MakeGroup(this, "RadioGroup3", "Race",
                            {"Caucasian people", "African-American", "Hispanic", "Mexican-American",
                             "Asian", "Other"},
                            2, 0);

    GroupBox1 = new QGroupBox("Properties", this);
    GroupBox1->setObjectName("GroupBox1");
    Label1 = new QLabel("Weight(kg)", GroupBox1);
    Label1->setObjectName("Label1");
    W_dText = new QLineEdit(GroupBox1);
    W_dText->setObjectName("W_dText");
    W_dText->setToolTip("Body Weight");
    Label1->setBuddy(W_dText);
    Label3 = new QLabel("Height(cm)", GroupBox1);
    Label3->setObjectName("Label3");
    HeightText = new QLineEdit(GroupBox1);
    HeightText->setObjectName("HeightText");
    Label3->setBuddy(HeightText);
    auto* properties = new QGridLayout(GroupBox1);
    properties->setContentsMargins(10, 6, 10, 10);
    properties->setHorizontalSpacing(10);
    properties->setVerticalSpacing(6);
    properties->addWidget(Label1, 0, 0);
    properties->addWidget(W_dText, 0, 1);
    properties->addWidget(Label3, 1, 0);
    properties->addWidget(HeightText, 1, 1);
    properties->setColumnStretch(1, 1);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setFixedSize(FigureWidth, FigureHeight);
    Image1->setScaledContents(true);
    Image1->setFrameShape(QFrame::StyledPanel);
    Image1->setPixmap(FemalePicture);

    OKBtn = MakeDialogButton(this, "OKBtn", "OK");
    OKBtn->setDefault(true);
    Button2 = MakeDialogButton(this, "Button2", "Cancel");
    // Shown: the physiology values go into every saved case, and the database query fills the
    // wearer from a measured body model.
    Button1 = MakeDialogButton(this, "Button1", "Physiological Properties..");
    Database = MakeDialogButton(this, "Database", "Database...");

    auto* left = new QVBoxLayout;
    left->setSpacing(8);
    left->addWidget(RadioGroup1);
    left->addWidget(RadioGroup2);
    left->addWidget(RadioGroup3);
    left->addWidget(GroupBox1);
    left->addStretch(1);
    auto* top = new QHBoxLayout;
    top->setSpacing(12);
    top->addLayout(left, 1);
    top->addWidget(Image1, 0, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addWidget(Database);
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(Button2);
    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(12, 12, 12, 12);
    main->setSpacing(12);
    main->addLayout(top);
    main->addLayout(buttons);

    // Only the weight filters keys. The height takes any text, and OK refuses one that is no
    // number: a filter would quietly turn "1e999" into "1999".
    SetOnKeyPress(W_dText, [this](char& key) { W_dTextKeyPress(key); });
    RadioGroup1->OnClick = Guard([this] { RadioGroup1Click(); });
    connect(OKBtn, &QPushButton::clicked, this, Guard([this] { OkBtnClick(); }));
    connect(Button2, &QPushButton::clicked, this, Guard([this] { Button2Click(); }));
    connect(Button1, &QPushButton::clicked, this, Guard([this] { Button1Click(); }));
    connect(Database, &QPushButton::clicked, this, Guard([this] { DatabaseClick(); }));

    // A body model chosen in the database is shown as if the user had chosen it.
    SetBodyRecordReceiver([form = QPointer<TDefineBodyFrm>(this)](const TBodyRecordValues& v) {
        if (form)
            form->PutBodyModel(v.Wearer);
    });

    SexChanged = false;
    RadioGroup1Tag = RadioGroup1->ItemIndex();

    SetClientSize(sizeHint().width(), sizeHint().height());
    SetPosition(TPosition::MainFormCenter);
}

void TDefineBodyFrm::W_dTextKeyPress(char& key) { DecimalKeyPress(W_dText, key); }

void TDefineBodyFrm::ApplySex(int index)
{
    if (index != 0 && index != 1)
        return;
    IsMale = index == 0;
    IsFemale = index == 1;
    Image1->setPixmap(IsMale ? MalePicture : FemalePicture);
    RadioGroup1Tag = index;
}

void TDefineBodyFrm::RadioGroup1Click()
{
    // Only the dialog follows the click; the case's sex, and with it the garments, changes on OK.
    SexChanged = RadioGroup1->ItemIndex() != RadioGroup1Tag;
    ApplySex(RadioGroup1->ItemIndex());
}

TDefineBodyFrm::TShownChoices TDefineBodyFrm::ShownChoices() const
{
    return {RadioGroup1->ItemIndex(), RadioGroup2->ItemIndex(), RadioGroup3->ItemIndex(), W_dText->text(),
            HeightText->text(), SexChanged};
}

void TDefineBodyFrm::RestoreChoices(const TShownChoices& shown)
{
    W_dText->setText(shown.Weight);
    HeightText->setText(shown.Height);
    RadioGroup1Tag = shown.Sex;
    RadioGroup1->SetItemIndex(shown.Sex);
    ApplySex(shown.Sex);
    SexChanged = shown.SexChanged;
    RadioGroup2->SetItemIndex(shown.Age);
    RadioGroup3->SetItemIndex(shown.Race);
}

void TDefineBodyFrm::FormShow()
{
    AtOpening = ShownChoices();
    Confirmed = false;
}

void TDefineBodyFrm::FormClose()
{
    // Cancel, Escape and the close box leave the case as it was and the dialog as it opened.
    if (!Confirmed && AtOpening)
        RestoreChoices(*AtOpening);
    AtOpening.reset();
}

bool TDefineBodyFrm::ReadWearer(WearerMeasures& wearer)
{
    // Both edits are read so that each faulty one gets its message.
    bool weightOk = false;
    bool heightOk = false;
    wearer.WeightKg = ReadPositive(W_dText, "Weight", weightOk);
    wearer.HeightCm = ReadPositive(HeightText, "Height", heightOk);
    wearer.IsMale = IsMale;
    wearer.IsFemale = IsFemale;
    wearer.Age = RadioGroup2->ItemIndex();
    wearer.Race = RadioGroup3->ItemIndex();
    return weightOk && heightOk;
}

bool TDefineBodyFrm::GetValue(BodyParameters& body)
{
    WearerMeasures wearer;
    if (!ReadWearer(wearer))
        return false;
    ApplyWearer(wearer, body);
    return true;
}

void TDefineBodyFrm::OkBtnClick()
{
    WearerMeasures wearer;
    const bool bodyRead = ReadWearer(wearer);
    // The body's OK confirms the physiology too: with its defaults when it was never confirmed.
    if (!PhysiologyFrm->Defined)
        PhysiologyFrm->PutDefaultValues();
    const bool physiologyRead = PhysiologyFrm->CommitPhysiology();
    CaseModel& c = TheCase();
    if (!bodyRead || !physiologyRead) {
        c.BodyDefined = false;
        return;
    }
    // Garments chosen for the other sex no longer fit the wearer: the clothing has to be
    // defined again before the case can be saved.
    if (wearer.IsMale != WearerIsMale(c) && c.GarmentList.GarmentCount > 0 && c.ClothingDefined) {
        c.ClothingDefined = false;
        ReportStepConfirmed(TCaseStep::Clothing);
    }
    ApplyWearer(wearer, c.Body);
    Defined = true;
    Confirmed = true;
    if (Modal())
        SetModalResult(mrOk);
    c.BodyDefined = true;
    ReportStepConfirmed(TCaseStep::Body);
}

void TDefineBodyFrm::Button2Click() { Close(); }

void TDefineBodyFrm::Button1Click() { PhysiologyFrm->ShowModal(); }

void TDefineBodyFrm::DatabaseClick() { BodyQueryForm->ShowModal(); }

void TDefineBodyFrm::PutBodyValue(const BodyParameters& body)
{
    W_dText->setText(QString::fromStdString(FloatToStr(body.W_d * 0.001)));
    HeightText->setText(QString::fromStdString(FloatToStr(body.Height)));
    // The tag first: showing the loaded sex is no change of sex by the user.
    const int sex = body.IsFemale ? 1 : 0;
    RadioGroup1Tag = sex;
    RadioGroup1->SetItemIndex(sex);
    // The flags follow what the group shows, even when a file had both or neither set.
    ApplySex(sex);
    RadioGroup2->SetItemIndex(body.Age);
    RadioGroup3->SetItemIndex(body.Race);
    PhysiologyFrm->PutPhysiologyValue(body);
    TheCase().BodyDefined = true;
    ReportStepConfirmed(TCaseStep::BodyShown);
}

void TDefineBodyFrm::PutBodyModel(const TBodyModelChoice& model)
{
    if (!model.Race.isEmpty()) {
        // The database writes the race as this dialog's items do, or "Caucasian" for the first;
        // any other text is "Other", the last item.
        const QStringList races = RadioGroup3->Items();
        int index = races.indexOf(model.Race);
        if (model.Race == "Caucasian")
            index = 0;
        RadioGroup3->SetItemIndex(index >= 0 ? index : int(races.size()) - 1);
    }
    if (model.Age)
        RadioGroup2->SetItemIndex(*model.Age < 18 ? 0 : (*model.Age <= 60 ? 1 : 2));
    if (model.Sex == 0 || model.Sex == 1)
        RadioGroup1->SetItemIndex(model.Sex);
    if (!model.Weight.isEmpty())
        W_dText->setText(model.Weight);
    if (model.Height)
        HeightText->setText(QString::fromStdString(FloatToStr(*model.Height)));
}
