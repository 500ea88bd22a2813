#include "wearer/sportsfrm.h"

#include <QLabel>
#include <QPushButton>

#include "casemodel/activities.h"
#include "toolkit/application.h"
#include "toolkit/radiogroup.h"
#include "wearer/ratespinedit.h"

TSportsFrm* SportsFrm = nullptr;

namespace {

TActivityChoiceReceiver& ActivityChoiceReceiver()
{
    static TActivityChoiceReceiver receiver;
    return receiver;
}

// Hands one choice on; true when it was taken or there is no one to take it.
bool HandOn(const QString& name, QLineEdit* rateEdit, int activityIndex)
{
    const TActivityChoiceReceiver& receiver = ActivityChoiceReceiver();
    return !receiver || receiver(name, rateEdit, activityIndex);
}

// A group of the activities first .. first+count-1 of the table.
TRadioGroup* MakeGroup(QWidget* parent, const char* name, const char* title, int first, int count)
{
    auto* group = new TRadioGroup(parent);
    group->setObjectName(name);
    group->setTitle(title);
    QStringList texts;
    for (int i = first; i < first + count; ++i)
        texts << QString::fromStdString(ActivityName(i));
    group->SetItems(texts);
    return group;
}

// The rate of the group's selected item into the edit; the other group loses its selection,
// so Ok appends the one item the user chose last.
void TakeRate(TRadioGroup* clicked, TRadioGroup* other, int first, TRateSpinEdit* edit)
{
    const int k = clicked->ItemIndex();
    if (k < 0 || k >= clicked->Items().size())
        return;
    edit->setValue(ActivityRate(first + k));
    if (other->ItemIndex() >= 0)
        other->SetItemIndex(-1);
}

} // namespace

TActivityChoiceReceiver SetActivityChoiceReceiver(TActivityChoiceReceiver receiver)
{
    std::swap(ActivityChoiceReceiver(), receiver);
    return receiver;
}

TSportsFrm::TSportsFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("SportsFrm");
    SetCaption("More");
    SetClientSize(560, 462);
    SetPosition(TPosition::MainFormCenter);

    SportsRadioGroup = MakeGroup(this, "SportsRadioGroup", "Sports", FirstSport, FirstWork - FirstSport);
    SportsRadioGroup->setGeometry(10, 10, 290, 394);
    SportsRadioGroup->OnClick = Guard([this] { SportsRadioGroupClick(); });
    WorksRadioGroup = MakeGroup(this, "WorksRadioGroup", "Works", FirstWork, AllActivityCount - FirstWork);
    WorksRadioGroup->setGeometry(310, 10, 240, 394);
    WorksRadioGroup->OnClick = Guard([this] { WorksRadioGroupClick(); });

    Label1 = new QLabel("Metobolic Rate:", this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(14, 420, 100, 26);
    CSpinEdit1 = new TRateSpinEdit(this);
    CSpinEdit1->setObjectName("CSpinEdit1");
    CSpinEdit1->setGeometry(116, 420, 80, 26);
    Label2 = new QLabel("(W/m^2)", this);
    Label2->setObjectName("Label2");
    Label2->setGeometry(202, 420, 64, 26);

    Button1 = new QPushButton("Ok", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(460, 419, 90, 28);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, Guard([this] { Button1Click(); }));
}

void TSportsFrm::SportsRadioGroupClick()
{
    TakeRate(SportsRadioGroup, WorksRadioGroup, FirstSport, CSpinEdit1);
}

void TSportsFrm::WorksRadioGroupClick()
{
    TakeRate(WorksRadioGroup, SportsRadioGroup, FirstWork, CSpinEdit1);
}

void TSportsFrm::Button1Click()
{
    // A refused append (rate not a number, schedule full) keeps the window open with the
    // choice as it was.
    const int sport = SportsRadioGroup->ItemIndex();
    if (sport >= 0 && !HandOn(QString::fromStdString(ActivityName(FirstSport + sport)), CSpinEdit1->Edit(),
                              FirstSport + sport))
        return;
    const int work = WorksRadioGroup->ItemIndex();
    if (work >= 0 && !HandOn(QString::fromStdString(ActivityName(FirstWork + work)), CSpinEdit1->Edit(),
                             FirstWork + work))
        return;
    EndWith(mrOk);
}
