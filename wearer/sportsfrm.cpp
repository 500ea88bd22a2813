#include "wearer/sportsfrm.h"

#include <QLabel>
#include <QPushButton>

#include "toolkit/application.h"
#include "toolkit/radiogroup.h"
#include "wearer/activityfrm.h"
#include "wearer/ratespinedit.h"

TSportsFrm* SportsFrm = nullptr;

namespace {

struct RatedItem {
    const char* Name;
    double Rate;  // W/m2
};

const RatedItem Sports[] = {
    {"Walking on the level 2km/h", 110},
    {"Walking on the level 5km/h", 200},
    {"Sports-running at 15km/h", 550},
    {"Sports-Skiing on the level 9km/h", 405},
    {"Sports-Ice skating 18km/h", 360},
    {"Gymnastics", 319},
    {"Calisthenics", 261},
    {"Dancing, Swimming", 348},
    {"Tennis", 268},
    {"Fencing", 407},
    {"Squash", 418},
    {"Basketball", 442},
    {"Wrestling", 506},
    {"Volleyball", 232},
    {"Bicycling,Golf,Softball", 290},
    {"Handball, Hockey, Racquetball, Soccer", 464},
};

const RatedItem Works[] = {
    {"Clock and watch repairing", 65},
    {"Car driving", 80},
    {"Garage Work", 140},
    {"Bakery work", 99},
    {"Carpentry work", 112},
    {"Foundry work", 322},
    {"Teaching", 93},
    {"Handing 50 kg bags", 233},
    {"Digging trenches", 350},
    {"Cooking", 110},
    {"House Cleaning, Washing", 175},
    {"Building industry-brick laying", 125},
    {"Forestry cutting", 205},
    {"Agriculture ploughing", 235},
};

template <std::size_t N>
TRadioGroup* MakeGroup(QWidget* parent, const char* name, const char* title, const RatedItem (&items)[N])
{
    auto* group = new TRadioGroup(parent);
    group->setObjectName(name);
    group->setTitle(title);
    QStringList texts;
    for (const RatedItem& item : items)
        texts << item.Name;
    group->SetItems(texts);
    return group;
}

// The rate of the group's selected item into the edit; the other group loses its selection,
// so Ok appends the one item the user chose last.
template <std::size_t N>
void TakeRate(TRadioGroup* clicked, TRadioGroup* other, const RatedItem (&items)[N], TRateSpinEdit* edit)
{
    const int k = clicked->ItemIndex();
    if (k < 0 || k >= static_cast<int>(N))
        return;
    edit->setValue(items[k].Rate);
    if (other->ItemIndex() >= 0)
        other->SetItemIndex(-1);
}

} // namespace

TSportsFrm::TSportsFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("SportsFrm");
    SetCaption("More");
    SetClientSize(560, 462);
    SetPosition(TPosition::MainFormCenter);

    SportsRadioGroup = MakeGroup(this, "SportsRadioGroup", "Sports", Sports);
    SportsRadioGroup->setGeometry(10, 10, 290, 394);
    SportsRadioGroup->OnClick = Guard([this] { SportsRadioGroupClick(); });
    WorksRadioGroup = MakeGroup(this, "WorksRadioGroup", "Works", Works);
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
    TakeRate(SportsRadioGroup, WorksRadioGroup, Sports, CSpinEdit1);
}

void TSportsFrm::WorksRadioGroupClick()
{
    TakeRate(WorksRadioGroup, SportsRadioGroup, Works, CSpinEdit1);
}

void TSportsFrm::Button1Click()
{
    // A refused append (rate not a number, schedule full) keeps the window open with the
    // choice as it was.
    const int sport = SportsRadioGroup->ItemIndex();
    if (sport >= 0 && !ActivityFrm->AppendActivity(Sports[sport].Name, CSpinEdit1->Edit(), FirstSport + sport))
        return;
    const int work = WorksRadioGroup->ItemIndex();
    if (work >= 0 && !ActivityFrm->AppendActivity(Works[work].Name, CSpinEdit1->Edit(), FirstWork + work))
        return;
    SetModalResult(mrOk);
    if (!Modal())
        Close();
}
