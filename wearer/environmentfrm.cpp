#include "wearer/environmentfrm.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "dialogbase/workflow.h"
#include "casemodel/activities.h"
#include "casemodel/numformat.h"
#include "toolkit/application.h"
#include "toolkit/messages.h"
#include "toolkit/stringgrid.h"
#include "wearer/schedulerows.h"

TEnvironmentFrm* EnvironmentFrm = nullptr;

namespace {

// One pitch for the list rows, the place boxes and the grid rows, so a stage is one line.
constexpr int RowHeight = 21;

// Columns inside the scrolling block.
constexpr int NumberLeft = 1;
constexpr int NumberWidth = 16;
constexpr int ListLeft = 20;
constexpr int ListWidth = 284;
constexpr int PlaceLeft = 310;
constexpr int PlaceWidth = 84;
constexpr int TemperatureLeft = 400;
constexpr int TemperatureWidth = 120;
constexpr int RHLeft = 526;
constexpr int RHWidth = 140;
constexpr int WindLeft = 672;
constexpr int WindWidth = 130;

const char* const PlaceNames[] = {"Indoor", "Outdoor"};

void Heading(QWidget* parent, const char* text, int left, int width)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(left + 2, 3, width, 17);
}

struct GridColumn {
    TStringGrid* Grid;
    std::array<double, MaxStages>* Values;
    const char* Empty;
    const char* Wrong;
};

} // namespace

TEnvironmentFrm::TEnvironmentFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("EnvironmentFrm");
    SetCaption("Environment");
    SetClientSize(840, 315);
    SetPosition(TPosition::MainFormCenter);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::NoFrame);
    Panel1->setGeometry(8, 8, 824, 256);
    Heading(Panel1, "Activity Schedule", ListLeft, ListWidth);
    Heading(Panel1, "Place", PlaceLeft, PlaceWidth);
    Heading(Panel1, "Temperature(C)", TemperatureLeft, TemperatureWidth);
    Heading(Panel1, "Relative Humidity(%)", RHLeft, RHWidth);
    Heading(Panel1, "Wind Velocity(m/s)", WindLeft, WindWidth);

    RowsArea = new TScheduleRows(Panel1, RowHeight);
    RowsArea->setObjectName("RowsArea");
    RowsArea->setGeometry(0, 22, 824, 234);

    ListBox = RowsArea->AddNameList("ListBox", ListLeft, ListWidth);
    TemperatureTable = RowsArea->AddValueGrid("TemperatureTable", TemperatureLeft, TemperatureWidth);
    RHTable = RowsArea->AddValueGrid("RHTable", RHLeft, RHWidth);
    WindTable = RowsArea->AddValueGrid("WindTable", WindLeft, WindWidth);
    for (TStringGrid* grid : {TemperatureTable, RHTable, WindTable}) {
        grid->installEventFilter(this);
        // A change made without a key (pasted from the cell's menu) counts as one too.
        grid->OnCellEdited = [this](int, int) { Redefining = true; };
    }

    OkBtn = new QPushButton("Ok", this);
    OkBtn->setObjectName("OkBtn");
    OkBtn->setGeometry(742, 272, 90, 28);
    OkBtn->setDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, Guard([this] { OkBtnClick(); }));

    FitRows();
}

void TEnvironmentFrm::FitRows()
{
    RowsArea->Fit(Rows, {ListBox, TemperatureTable, RHTable, WindTable});
}

bool TEnvironmentFrm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        if (watched == TemperatureTable)
            TemperatureTableKeyDown();
        else if (watched == RHTable)
            RHTableKeyDown();
        else if (watched == WindTable)
            WindTableKeyDown();
    }
    return TForm::eventFilter(watched, event);
}

void TEnvironmentFrm::TemperatureTableKeyDown() { Redefining = true; }
void TEnvironmentFrm::RHTableKeyDown() { Redefining = true; }
void TEnvironmentFrm::WindTableKeyDown() { Redefining = true; }

void TEnvironmentFrm::FormShow()
{
    ListBox->clear();
    TScheduleRows::RemoveNumberLabels(NumberLabels, 0);
    for (QComboBox* box : PlaceBoxes)
        delete box;
    PlaceBoxes.clear();
    for (TStringGrid* grid : {TemperatureTable, RHTable, WindTable})
        grid->SetRowCount(1);

    // One row per entry of the case's schedule.
    CaseModel& c = TheCase();
    Rows = std::clamp(c.Activity.StageCount, 0, MaxStages);
    QWidget* rows = RowsArea->Rows();
    for (int i = 0; i < Rows; ++i) {
        const int activity = c.Activity.ActivityIndex[static_cast<std::size_t>(i)];
        RowsArea->AddName(ListBox, QString::fromStdString(ActivityName(activity)));
        if (i >= 1)
            for (TStringGrid* grid : {TemperatureTable, RHTable, WindTable})
                grid->SetRowCount(i + 1);

        auto* box = new QComboBox(rows);
        box->setObjectName(QString("PlaceBox%1").arg(i + 1));
        box->addItems({PlaceNames[0], PlaceNames[1]});
        box->setPlaceholderText(" ");
        const double place = PlaceChoice[static_cast<std::size_t>(i)];
        box->setCurrentIndex(place == PlaceIndoor ? 0 : place == PlaceOutdoor ? 1 : -1);
        box->setProperty("tag", i);
        box->setGeometry(PlaceLeft, RowsArea->RowTop(i), PlaceWidth, RowHeight - 1);
        connect(box, qOverload<int>(&QComboBox::activated), this, Guard([this, box] { ComboBoxSelect(box); }));
        box->show();
        PlaceBoxes.push_back(box);
        RowsArea->AddNumberLabel(NumberLabels, NumberLeft, NumberWidth);
    }
    FitRows();

    // The boundary dialog writes the stages' temperatures and humidities back into the case;
    // only cells whose value changed that way are refilled, so typing not yet confirmed stays.
    const EnvironmentTable& stored = c.Environment;
    for (int i = 0; i < std::min(Rows, std::clamp(stored.StageCount, 0, MaxStages)); ++i) {
        const std::size_t s = static_cast<std::size_t>(i);
        if (stored.Temperature[s] != ShownTemperature[s])
            TemperatureTable->SetCell(0, i, QString::fromStdString(FloatToStr(stored.Temperature[s])));
        if (stored.RH[s] != ShownRH[s])
            RHTable->SetCell(0, i, QString::fromStdString(FloatToStr(stored.RH[s])));
    }
    RememberShownValues();

    // The schedule has been taken over. When it has another number of entries than the rows
    // the stored values were read for, those values no longer cover every stage: the
    // environment counts as undefined until OK has read all rows.
    c.Activity.ScheduleChanged = false;
    if (Rows != CheckedRows)
        c.EnvironmentDefined = false;
}

void TEnvironmentFrm::ComboBoxSelect(QComboBox* sender)
{
    const int i = sender->property("tag").toInt();
    if (i < 0 || i >= MaxStages)
        return;
    const QString text = sender->currentText();
    PlaceChoice[static_cast<std::size_t>(i)] =
        text == PlaceNames[0] ? PlaceIndoor : text == PlaceNames[1] ? PlaceOutdoor : PlaceNone;
}

bool TEnvironmentFrm::ValidateEnvironment()
{
    EnvironmentTable& stored = TheCase().Environment;
    std::array<double, MaxStages> temperature = stored.Temperature;
    std::array<double, MaxStages> rh = stored.RH;
    std::array<double, MaxStages> wind = stored.Wind;
    const GridColumn columns[] = {
        {TemperatureTable, &temperature, "you need finish the temperature input!", "you input wrong temperature!"},
        {RHTable, &rh, "you need finish the Relative Humidity input!", "you input wrong Relative Humidity!"},
        {WindTable, &wind, "you need finish the Wind Velocity input!", "you input wrong Wind Velocity!"},
    };
    for (int i = 0; i < Rows; ++i) {
        for (const GridColumn& column : columns) {
            const std::string text = Trim(column.Grid->Cell(0, i).toStdString());
            const char* error = nullptr;
            if (text.empty())
                error = column.Empty;
            else if (!ReadCellValue(column.Grid->Cell(0, i), (*column.Values)[static_cast<std::size_t>(i)],
                                    (*column.Values)[static_cast<std::size_t>(i)]))
                error = column.Wrong;
            if (error) {
                AppMessageBox(error, "Input Error", MB_OK);
                column.Grid->setFocus();
                column.Grid->SetCurrentCell(0, i);
                return false;
            }
        }
    }
    stored.Temperature = temperature;
    stored.RH = rh;
    stored.Wind = wind;
    stored.StageCount = Rows;
    RememberShownValues();
    return true;
}

void TEnvironmentFrm::OkBtnClick()
{
    CaseModel& c = TheCase();
    EnvironmentTable& stored = c.Environment;
    if (Redefining || Rows != CheckedRows) {
        const EnvironmentTable before = stored;
        if (!ValidateEnvironment()) {
            c.EnvironmentDefined = false;
            return;
        }
        CheckedRows = Rows;
        bool changed = stored.StageCount != before.StageCount;
        for (std::size_t s = 0; s < static_cast<std::size_t>(Rows); ++s)
            changed = changed || stored.Temperature[s] != before.Temperature[s] || stored.RH[s] != before.RH[s] ||
                      stored.Wind[s] != before.Wind[s];
        c.EnvironmentDefined = true;
        // Unchanged values keep the stages as they are, with what the boundary dialog or a
        // loaded file gave them.
        if (changed)
            MarkStagesForRebuild();
        ReportStepConfirmed(TCaseStep::Environment);
    }
    stored.Place = PlaceChoice;
    EndWith(mrOk);
}

void TEnvironmentFrm::LoadEnvironmentGrids()
{
    CaseModel& c = TheCase();
    const EnvironmentTable& stored = c.Environment;
    const int n = std::clamp(stored.StageCount, 0, MaxStages);
    for (TStringGrid* grid : {TemperatureTable, RHTable, WindTable})
        grid->SetRowCount(std::max(1, n));
    for (int i = 0; i < n; ++i) {
        const std::size_t s = static_cast<std::size_t>(i);
        TemperatureTable->SetCell(0, i, QString::fromStdString(FloatToStr(stored.Temperature[s])));
        RHTable->SetCell(0, i, QString::fromStdString(FloatToStr(stored.RH[s])));
        WindTable->SetCell(0, i, QString::fromStdString(FloatToStr(stored.Wind[s])));
    }
    Rows = n;
    CheckedRows = n;
    PlaceChoice = stored.Place;
    RememberShownValues();
    c.Activity.ScheduleChanged = false;
}

void TEnvironmentFrm::RearrangeRows(const std::vector<int>& from)
{
    // The grids keep the text of rows past their row count, so every row is moved, shown or not.
    for (TStringGrid* grid : {TemperatureTable, RHTable, WindTable}) {
        std::array<QString, MaxStages> cells;
        for (int i = 0; i < MaxStages; ++i)
            cells[static_cast<std::size_t>(i)] = grid->Cell(0, i);
        ::RearrangeRows(cells, from, QString());
        for (int i = 0; i < MaxStages; ++i)
            grid->SetCell(0, i, cells[static_cast<std::size_t>(i)]);
    }
    ::RearrangeRows(PlaceChoice, from, PlaceNone);
    // The case's rows moved the same way, so a value the boundary dialog wrote back is still
    // told apart from the one the cell shows.
    ::RearrangeRows(ShownTemperature, from, NoEnvironmentValue);
    ::RearrangeRows(ShownRH, from, NoEnvironmentValue);
    const bool allRead =
        std::all_of(from.begin(), from.end(), [this](int k) { return k >= 0 && k < CheckedRows; });
    if (!allRead)
        CheckedRows = -1;
}

void TEnvironmentFrm::RememberShownValues()
{
    ShownTemperature = TheCase().Environment.Temperature;
    ShownRH = TheCase().Environment.RH;
}
