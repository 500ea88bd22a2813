#include "wearer/activityfrm.h"

#include <QFrame>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <algorithm>

#include "dialogbase/commonfuc.h"
#include "dialogbase/workflow.h"
#include "casemodel/activities.h"
#include "casemodel/numformat.h"
#include "toolkit/application.h"
#include "toolkit/messages.h"
#include "toolkit/radiogroup.h"
#include "toolkit/stringgrid.h"
#include "wearer/ratespinedit.h"
#include "wearer/schedulerows.h"
#include "wearer/sportsfrm.h"

TActivityFrm* ActivityFrm = nullptr;

namespace {


// The list rows, the grid rows and the number labels share one pitch so they line up.
constexpr int RowHeight = 17;
constexpr int RateRole = Qt::UserRole;
constexpr int IndexRole = Qt::UserRole + 1;
// The entry's place in the schedule as last confirmed; -1 for an entry added since. Entries are
// told apart by it, not by their activity: two "Walking" entries each keep their own rows.
constexpr int OriginRole = Qt::UserRole + 2;
constexpr int AddedEntry = -1;

// Geometry of the schedule rows inside Panel1's scrolling area.
constexpr int NumberLeft = 3;
constexpr int NumberWidth = 16;
constexpr int ListLeft = 21;
constexpr int ListWidth = 282;
constexpr int GridWidth = 90;

QPixmap CrossGlyph()
{
    QPixmap glyph(14, 14);
    glyph.fill(Qt::transparent);
    QPainter p(&glyph);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(190, 30, 30), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3, 3), QPointF(11, 11));
    p.drawLine(QPointF(11, 3), QPointF(3, 11));
    return glyph;
}

QToolButton* MakeSpeedButton(QWidget* parent, const char* name, int top)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setGeometry(424, top, 32, 28);
    return b;
}

} // namespace

TActivityFrm::TActivityFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("ActivityFrm");
    SetCaption("What to do?");
    SetClientSize(960, 440);
    SetPosition(TPosition::MainFormCenter);

    RadioGroup = new TRadioGroup(this);
    RadioGroup->setObjectName("RadioGroup");
    RadioGroup->setTitle("Activities");
    RadioGroup->setGeometry(10, 10, 330, 232);
    QStringList names;
    for (int i = 0; i < EverydayActivityCount; ++i)
        names << ActivityName(i);
    RadioGroup->SetItems(names);
    RadioGroup->OnClick = Guard([this] { RadioGroupClick(); });

    Button1 = new QPushButton("More activities..", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(10, 254, 160, 28);
    connect(Button1, &QPushButton::clicked, this, Guard([this] { Button1Click(); }));

    Label1 = new QLabel("Choose the activity  according to the happening order", this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(355, 14, 170, 48);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    ArrangeBtn = new QPushButton("Arrange>>", this);
    ArrangeBtn->setObjectName("ArrangeBtn");
    ArrangeBtn->setGeometry(380, 72, 120, 28);
    connect(ArrangeBtn, &QPushButton::clicked, this, Guard([this] { ArrangeBtnClick(); }));

    UpBtn = MakeSpeedButton(this, "UpBtn", 116);
    UpBtn->setArrowType(Qt::UpArrow);
    UpBtn->setToolTip("Up");
    DeleteBtn = MakeSpeedButton(this, "DeleteBtn", 150);
    DeleteBtn->setIcon(QIcon(CrossGlyph()));
    DeleteBtn->setToolTip("Delete");
    DownBtn = MakeSpeedButton(this, "DownBtn", 184);
    DownBtn->setArrowType(Qt::DownArrow);
    DownBtn->setToolTip("Down");
    connect(UpBtn, &QToolButton::clicked, this, Guard([this] { UpBtnClick(); }));
    connect(DeleteBtn, &QToolButton::clicked, this, Guard([this] { DeleteBtnClick(); }));
    connect(DownBtn, &QToolButton::clicked, this, Guard([this] { DownBtnClick(); }));

    Label2 = new QLabel("Metobolic Rate:", this);
    Label2->setObjectName("Label2");
    Label2->setGeometry(370, 236, 150, 18);
    CSpinEdit1 = new TRateSpinEdit(this);
    CSpinEdit1->setObjectName("CSpinEdit1");
    CSpinEdit1->setGeometry(370, 256, 80, 26);
    Label3 = new QLabel("(W/m^2)", this);
    Label3->setObjectName("Label3");
    Label3->setGeometry(456, 256, 64, 26);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setGeometry(535, 10, 415, 380);
    auto* heading = new QLabel("Activity Schedule", Panel1);
    heading->setGeometry(ListLeft + 2, 5, ListWidth, 16);
    auto* durationHeading = new QLabel("Duration(Min.)", Panel1);
    durationHeading->setGeometry(ListLeft + ListWidth + 2, 5, GridWidth, 16);

    // The list, the grid and the number labels scroll together, so entry i stays on one line.
    RowsArea = new TScheduleRows(Panel1, RowHeight);
    RowsArea->setObjectName("RowsArea");
    RowsArea->setGeometry(1, 24, 413, 355);

    ListBox = RowsArea->AddNameList("ListBox", ListLeft, ListWidth);
    connect(ListBox, &QListWidget::currentRowChanged, this, Guard([this] {
        if (!SelectingByCode)
            ListBoxClick();
    }));
    connect(ListBox, &QListWidget::itemClicked, this, Guard([this] { ListBoxClick(); }));
    RatioTable = RowsArea->AddValueGrid("RatioTable", ListLeft + ListWidth, GridWidth);

    Button2 = new QPushButton("OK", this);
    Button2->setObjectName("Button2");
    Button2->setGeometry(760, 402, 90, 28);
    Button2->setDefault(true);
    connect(Button2, &QPushButton::clicked, this, Guard([this] { Button2Click(); }));
    Button3 = new QPushButton("Exit", this);
    Button3->setObjectName("Button3");
    Button3->setGeometry(860, 402, 90, 28);
    connect(Button3, &QPushButton::clicked, this, Guard([this] { Button3Click(); }));

    FitRows();

    // The "More" picker appends its choice here; a refusal keeps the picker open.
    SetActivityChoiceReceiver([form = QPointer<TActivityFrm>(this)](const QString& name, QLineEdit* rateEdit,
                                                                   int activityIndex) {
        return form && form->AppendActivity(name, rateEdit, activityIndex);
    });
}

// ---- names and rates --------------------------------------------------------------------

QString TActivityFrm::ActivityName(int activityIndex)
{
    return QString::fromStdString(::ActivityName(activityIndex));
}

double TActivityFrm::EntryRate(int entry) const
{
    const QListWidgetItem* item = ListBox->item(entry);
    return item ? item->data(RateRole).toDouble() : 0;
}

int TActivityFrm::EntryIndex(int entry) const
{
    const QListWidgetItem* item = ListBox->item(entry);
    return item ? item->data(IndexRole).toInt() : 0;
}

// ---- the working list -------------------------------------------------------------------

void TActivityFrm::FitRows()
{
    RowsArea->Fit(ListBox->count(), {ListBox, RatioTable});
}

void TActivityFrm::AddEntry(const QString& name, double rate, int activityIndex, int origin)
{
    QListWidgetItem* item = RowsArea->AddName(ListBox, name);
    item->setData(RateRole, rate);
    item->setData(IndexRole, activityIndex);
    item->setData(OriginRole, origin);
    const int n = ListBox->count();
    // The grid starts with one row, so it always has as many rows as the list has entries.
    if (n >= 2)
        RatioTable->SetRowCount(n);

    RowsArea->AddNumberLabel(NumberLabels, NumberLeft, NumberWidth);
    FitRows();
}

void TActivityFrm::SelectEntry(int entry)
{
    SelectingByCode = true;
    ListBox->setCurrentRow(entry);
    SelectingByCode = false;
}

bool TActivityFrm::AppendActivity(const QString& name, QLineEdit* rateEdit, int activityIndex)
{
    if (ListBox->count() >= MaxStages) {
        AppMessageBox("The schedule holds at most 50 activities!", "Information", MB_OK);
        return false;
    }
    bool ok = false;
    const double rate = GetRateValue(rateEdit, ok);
    if (!ok)
        return false;
    AddEntry(name, rate, activityIndex, AddedEntry);
    return true;
}

void TActivityFrm::SwapEntries(int a, int b)
{
    const int low = std::min(a, b);
    SelectingByCode = true;
    QListWidgetItem* item = ListBox->takeItem(low + 1);
    ListBox->insertItem(low, item);
    SelectingByCode = false;
    const QString cell = RatioTable->Cell(0, a);
    RatioTable->SetCell(0, a, RatioTable->Cell(0, b));
    RatioTable->SetCell(0, b, cell);
}

void TActivityFrm::ShowFromStored()
{
    {
        const QSignalBlocker block(ListBox);
        ListBox->clear();
    }
    TScheduleRows::RemoveNumberLabels(NumberLabels, 0);
    RatioTable->SetRowCount(1);
    const ActivitySchedule& stored = TheCase().Activity;
    const int n = std::clamp(stored.StageCount, 0, MaxStages);
    for (int i = 0; i < n; ++i) {
        const std::size_t s = static_cast<std::size_t>(i);
        AddEntry(ActivityName(stored.ActivityIndex[s]), stored.MetabolicRate[s], stored.ActivityIndex[s], i);
        RatioTable->SetCell(0, i, QString::fromStdString(FloatToStr(stored.Duration[s])));
    }
    FitRows();
}

// ---- handlers ---------------------------------------------------------------------------

void TActivityFrm::RadioGroupClick()
{
    const int k = RadioGroup->ItemIndex();
    if (k < 0 || k >= EverydayActivityCount)
        return;
    CSpinEdit1->setValue(ActivityRate(k));
}

void TActivityFrm::ListBoxClick()
{
    const int k = ListBox->currentRow();
    if (k >= 0)
        CSpinEdit1->setValue(EntryRate(k));
}

void TActivityFrm::ArrangeBtnClick()
{
    const int k = RadioGroup->ItemIndex();
    if (k < 0)
        return;
    AppendActivity(RadioGroup->Items()[k], CSpinEdit1->Edit(), k);
}

void TActivityFrm::UpBtnClick()
{
    const int k = ListBox->currentRow();
    if (k <= 0)
        return;
    SwapEntries(k, k - 1);
    SelectEntry(k - 1);
}

void TActivityFrm::DownBtnClick()
{
    const int k = ListBox->currentRow();
    if (k < 0 || k >= ListBox->count() - 1)
        return;
    SwapEntries(k, k + 1);
    SelectEntry(k + 1);
}

void TActivityFrm::DeleteBtnClick()
{
    const int k = ListBox->currentRow();
    const int n = ListBox->count();
    if (k < 0 || k >= n)
        return;
    for (int r = k + 1; r < n; ++r)
        RatioTable->SetCell(0, r - 1, RatioTable->Cell(0, r));
    RatioTable->SetRowCount(std::max(1, n - 1));
    TScheduleRows::RemoveNumberLabels(NumberLabels, NumberLabels.empty() ? 0 : NumberLabels.size() - 1);
    {
        const QSignalBlocker block(ListBox);
        delete ListBox->takeItem(k);
    }
    // The selection stays at the same place, so entries can be deleted one after another.
    SelectEntry(std::min(k, ListBox->count() - 1));
    FitRows();
}

void TActivityFrm::Button1Click()
{
    SportsFrm->ShowModal();
}

void TActivityFrm::Button2Click()
{
    const int n = ListBox->count();
    CaseModel& c = TheCase();
    ActivitySchedule& stored = c.Activity;
    auto refuse = [&c](const QString& text, const QString& caption) {
        AppMessageBox(text, caption, MB_OK);
        c.ActivityDefined = false;
    };
    if (n == 0) {
        refuse("you don't arange any activity!", "Information");
        return;
    }
    if (n != RatioTable->RowCount()) {
        refuse("you don't specify the duration!", "Information");
        return;
    }

    // Everything is read before anything is stored: a bad duration leaves the schedule as it
    // was last confirmed.
    std::array<double, MaxStages> durations{};
    for (int i = 0; i < n; ++i) {
        const std::string text = Trim(RatioTable->Cell(0, i).toStdString());
        const char* error = nullptr;
        if (text.empty())
            error = "you need finish the duaration input!";
        else if (!ReadCellValue(RatioTable->Cell(0, i), stored.Duration[static_cast<std::size_t>(i)],
                                durations[static_cast<std::size_t>(i)]))
            error = "you input wrong duaration time!";
        if (error) {
            refuse(error, "Input Error");
            RatioTable->setFocus();
            RatioTable->SetCurrentCell(0, i);
            return;
        }
    }

    // Where each entry stood in the confirmed list: the per-stage rows kept elsewhere follow.
    std::vector<int> from(static_cast<std::size_t>(n));
    bool rowsMoved = n != stored.StageCount;
    for (int i = 0; i < n; ++i) {
        from[static_cast<std::size_t>(i)] = ListBox->item(i)->data(OriginRole).toInt();
        rowsMoved = rowsMoved || from[static_cast<std::size_t>(i)] != i;
    }

    bool entriesChanged = rowsMoved;
    bool durationsChanged = entriesChanged;
    for (int i = 0; i < n; ++i) {
        const std::size_t s = static_cast<std::size_t>(i);
        entriesChanged = entriesChanged || stored.MetabolicRate[s] != EntryRate(i) ||
                         stored.ActivityIndex[s] != EntryIndex(i);
        durationsChanged = durationsChanged || stored.Duration[s] != durations[s];
        stored.MetabolicRate[s] = EntryRate(i);
        stored.ActivityIndex[s] = EntryIndex(i);
        stored.Duration[s] = durations[s];
    }
    stored.StageCount = n;
    if (rowsMoved)
        RearrangeStageRows(from);
    // The environment has one row per entry: a changed list must be taken over by the
    // environment dialog before the case can be saved. New durations alone only need the
    // stages rebuilt.
    if (entriesChanged)
        stored.ScheduleChanged = true;
    if (entriesChanged || durationsChanged)
        MarkStagesForRebuild();
    c.ActivityDefined = true;
    ReportStepConfirmed(TCaseStep::Activity);
    EndWith(mrOk);
}

void TActivityFrm::Button3Click()
{
    Close();
}

// ---- showing and loading ----------------------------------------------------------------

void TActivityFrm::FormShow()
{
    // The case's schedule may have changed while the dialog was closed (the boundary dialog
    // writes its rates back, a case was loaded).
    ShowFromStored();
}

void TActivityFrm::hideEvent(QHideEvent* event)
{
    // Whatever was not confirmed is dropped: closed, the dialog shows the case's schedule.
    if (!event->spontaneous())
        ShowFromStored();
    TForm::hideEvent(event);
}

void TActivityFrm::LoadActivitySchedule()
{
    ShowFromStored();
}
