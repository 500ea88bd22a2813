#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <tuple>

#include "tests/gui/stagecase.h"
#include "tests/support/appfixture.h"
#include "toolkit/radiogroup.h"
#include "toolkit/stringgrid.h"
#include "wearer/activityfrm.h"
#include "wearer/columnpanels.h"
#include "wearer/controlfrm.h"

namespace {

// Runs the dialogs that a handler opens modally, each with its own script.
void RunDialogs(const std::function<void()>& environment, const std::function<void()>& activity = {})
{
    ScopedModalHook hook([&](TForm& form) {
        if (&form == EnvironmentFrm && environment)
            environment();
        else if (&form == ActivityFrm && activity)
            activity();
        return int(mrCancel);
    });
    if (activity)
        FurFea->ModelBtnClick();
    if (environment)
        FurFea->EnvironmentBtnClick();
}

// A confirmed schedule of n everyday activities.
void Schedule(int n)
{
    FurFea->Case.Activity.StageCount = n;
    for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i)
        FurFea->Case.Activity.ActivityIndex[i] = static_cast<int>(i % 8);
    ActivityFrm->LoadActivitySchedule();
}

// Rows as a loaded case brings them.
void Load(std::vector<double> t, std::vector<double> rh, std::vector<double> wind)
{
    EnvironmentTable& rows = FurFea->Case.Environment;
    rows.StageCount = static_cast<int>(t.size());
    for (std::size_t i = 0; i < t.size(); ++i) {
        rows.Temperature[i] = t[i];
        rows.RH[i] = rh[i];
        rows.Wind[i] = wind[i];
    }
    EnvironmentFrm->LoadEnvironmentGrids();
    FurFea->Case.EnvironmentDefined = true;
}

void SetRow(int row, const QString& temperature, const QString& rh, const QString& wind)
{
    EnvironmentFrm->TemperatureTable->SetCell(0, row, temperature);
    EnvironmentFrm->RHTable->SetCell(0, row, rh);
    EnvironmentFrm->WindTable->SetCell(0, row, wind);
}

void PressKey(QWidget* grid)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(grid, &press);
}

void PickPlace(int row, int item)
{
    QComboBox* box = EnvironmentFrm->PlaceBoxes.at(static_cast<std::size_t>(row));
    box->setCurrentIndex(item);
    emit box->activated(item);
}

class EnvironmentTest : public AppTest {};

// Each cell spoilt alone in the last row: its column's message, the cursor on it, nothing
// stored, not even the rows read before it. The smallest schedule with a second entry gives every
// grid its row, and a sound OK stores it there.
TEST_F(EnvironmentTest, EachEmptyOrWrongCellIsNamedAndNothingIsStoredUntilEveryRowIsSound)
{
    struct Case {
        int Column;
        const char* Text;
        const char* Message;
    };
    const Case cases[] = {
        {0, "", "you need finish the temperature input!"}, {0, "2O", "you input wrong temperature!"},
        {1, " ", "you need finish the Relative Humidity input!"}, {1, "6O", "you input wrong Relative Humidity!"},
        {2, "", "you need finish the Wind Velocity input!"}, {2, "-", "you input wrong Wind Velocity!"},
    };
    const auto fill = [] {
        SetRow(0, "21.5", "55", "0.25");
        SetRow(1, "-7.5", "85", "4.5");
    };
    Schedule(2);
    FurFea->Case.Environment.Temperature[0] = 99;
    MessageRecorder messages;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Message);
        messages.Expect(c.Message, "Input Error");
        RunDialogs([&] {
            fill();
            TStringGrid* grid = std::array{EnvironmentFrm->TemperatureTable, EnvironmentFrm->RHTable,
                                           EnvironmentFrm->WindTable}[static_cast<std::size_t>(c.Column)];
            grid->SetCell(0, 1, c.Text);
            EnvironmentFrm->OkBtn->click();  // a new schedule is read without any key
            EXPECT_TRUE(EnvironmentFrm->isVisible());
            EXPECT_EQ(grid->Row(), 1);
        });
        EXPECT_FALSE(FurFea->Case.EnvironmentDefined);
        EXPECT_EQ(FurFea->Case.Environment.Temperature[0], 99);
    }
    RunDialogs([&] {
        for (TStringGrid* grid : {EnvironmentFrm->TemperatureTable, EnvironmentFrm->RHTable, EnvironmentFrm->WindTable})
            EXPECT_EQ(grid->RowCount(), 2);
        fill();
        PickPlace(0, 1);
        PickPlace(1, 0);
        EnvironmentFrm->OkBtn->click();
    });
    const EnvironmentTable& rows = FurFea->Case.Environment;
    EXPECT_TRUE(FurFea->Case.EnvironmentDefined);
    EXPECT_EQ(rows.Temperature[1], -7.5);
    EXPECT_EQ(rows.RH[1], 85);
    EXPECT_EQ(rows.Wind[1], 4.5);
}

TEST_F(EnvironmentTest, LoadedRowsAreReadAgainOnlyAfterAKeyAndKeepUntouchedValuesExactly)
{
    Schedule(2);
    FurFea->Case.Activity.ScheduleChanged = true;
    // A file's relative humidity of 0.57 comes in as 56.99999999999999 percent.
    Load({-10.25, 1e-5}, {0.57 * 100, 50}, {12, 0.5});
    EXPECT_EQ(EnvironmentFrm->RHTable->Cell(0, 0), "57");
    EXPECT_FALSE(FurFea->Case.Activity.ScheduleChanged);

    MessageRecorder messages;
    messages.Expect("you need finish the temperature input!", "Input Error");
    FurFea->Case.StagesDirty = false;
    RunDialogs([] {
        EnvironmentFrm->TemperatureTable->SetCell(0, 0, "");
        EnvironmentFrm->OkBtn->click();  // no key: nothing is read
        EXPECT_FALSE(EnvironmentFrm->isVisible());
    });
    RunDialogs([] {
        PressKey(EnvironmentFrm->WindTable);
        EnvironmentFrm->OkBtn->click();
        EnvironmentFrm->TemperatureTable->SetCell(0, 0, "-10.25");
        EnvironmentFrm->OkBtn->click();
    });
    EXPECT_EQ(FurFea->Case.Environment.RH[0], 0.57 * 100);
    EXPECT_FALSE(FurFea->Case.StagesDirty) << "nothing changed: the stages stay as they are";
}

// Added to the loaded schedule, or in place of a deleted entry (as many entries as before).
TEST_F(EnvironmentTest, AStageAddedAfterALoadMustBeEntered)
{
    for (bool replace : {false, true}) {
        SCOPED_TRACE(replace);
        FreshApplicationWindows();
        Schedule(2);
        Load({20, 21}, {50, 55}, {1, 2});
        const int added = replace ? 1 : 2;
        RunDialogs({}, [&] {
            if (replace) {
                ActivityFrm->ListBox->setCurrentRow(0);
                ActivityFrm->DeleteBtn->click();
            }
            ActivityFrm->RadioGroup->SetItemIndex(7);
            ActivityFrm->ArrangeBtn->click();
            ActivityFrm->RatioTable->SetCell(0, added, "15");
            ActivityFrm->Button2->click();
        });
        ASSERT_TRUE(FurFea->Case.Activity.ScheduleChanged);

        // Looking at the environment does not make the added stage defined.
        RunDialogs([] { EnvironmentFrm->reject(); });
        EXPECT_FALSE(FurFea->Case.Activity.ScheduleChanged);
        EXPECT_FALSE(FurFea->Case.EnvironmentDefined);

        MessageRecorder messages;
        messages.Expect("you need finish the temperature input!", "Input Error");
        RunDialogs([added] {
            EnvironmentFrm->OkBtn->click();
            SetRow(added, "25", "40", "0");
            EnvironmentFrm->OkBtn->click();
        });
        EXPECT_EQ(FurFea->Case.Environment.Temperature[static_cast<std::size_t>(added)], 25);
    }
}

TEST_F(EnvironmentTest, ALoadedCaseShowsItsStagesAndSavesAsItWasLoaded)
{
    // Two stages, "Seated relaxed" indoors and "Teaching" outdoors, with boundary values that
    // only the file holds, loaded over a schedule of three that the dialogs show.
    CaseFixture two = RichCase();
    two.Model.Stages.resize(2);
    two.Model.Activity.StageCount = two.Model.Environment.StageCount = 2;
    const std::string text = two.Text();
    Schedule(3);
    Load({18, 18, 18}, {40, 40, 40}, {0, 0, 0});

    QTemporaryDir folder;
    ASSERT_TRUE(LoadCaseThroughTheMainWindow(text, folder.filePath("two.sdf")));
    RunDialogs(
        [] {
            PressKey(EnvironmentFrm->TemperatureTable);  // OK reads every row
            EnvironmentFrm->OkBtn->click();
        },
        [] { ActivityFrm->Button2->click(); });
    EXPECT_FALSE(FurFea->Case.StagesDirty);
    EXPECT_EQ(SavedLines().join("\r\n").toStdString(), text);
}

// ---- rows that follow their schedule entry ------------------------------------------------

// What the case keeps for one schedule entry besides the schedule itself: temperature, humidity,
// wind, place, heat ratio, moisture ratio.
using StageRow = std::tuple<double, double, double, double, double, double>;

std::vector<StageRow> CaseRows()
{
    const CaseModel& c = FurFea->Case;
    std::vector<StageRow> rows;
    for (std::size_t i = 0; i < static_cast<std::size_t>(c.Activity.StageCount); ++i)
        rows.push_back({c.Environment.Temperature[i], c.Environment.RH[i], c.Environment.Wind[i],
                        c.Environment.Place[i], c.Control.HeatTransferRatio[i], c.Control.MoistureTransferRatio[i]});
    return rows;
}

// What the environment dialog shows of its rows: "name|place|temperature|humidity|wind".
std::vector<std::string> ShownRows()
{
    std::vector<std::string> rows;
    for (int i = 0; i < EnvironmentFrm->ListBox->count(); ++i)
        rows.push_back(QStringList({EnvironmentFrm->ListBox->item(i)->text(),
                                    EnvironmentFrm->PlaceBoxes.at(static_cast<std::size_t>(i))->currentText(),
                                    EnvironmentFrm->TemperatureTable->Cell(0, i), EnvironmentFrm->RHTable->Cell(0, i),
                                    EnvironmentFrm->WindTable->Cell(0, i)})
                           .join("|")
                           .toStdString());
    return rows;
}

const StageRow First{21.5, 41, 0.4, PlaceOutdoor, 0.21, 0.31};
const StageRow Second{-3.25, 62, 1.6, PlaceIndoor, 0.22, 0.32};
const StageRow Third{35, 83, 7, PlaceOutdoor, 0.23, 0.33};
const std::string FirstShown = "Standing relaxed|Outdoor|21.5|41|0.4";
const std::string SecondShown = "Standing relaxed|Indoor|-3.25|62|1.6";
const std::string ThirdShown = "Moving activity (Domestic work)|Outdoor|35|83|7";
using Shown = std::vector<std::string>;

void SelectEntry(int entry) { ActivityFrm->ListBox->setCurrentRow(entry); }

// A wearer in clothing with three entries defined through the dialogs: two of one activity and
// a third, each with its own place, weather and heat and moisture ratios.
void ThreeEntriesWithTheirOwnWeather()
{
    DefineStagedCase(3);
    RunDialogs(
        [] {
            SetRow(0, "21.5", "41", "0.4");
            SetRow(1, "-3.25", "62", "1.6");
            SetRow(2, "35", "83", "7");
            PickPlace(0, 1);
            PickPlace(1, 0);
            PickPlace(2, 1);
            PressKey(EnvironmentFrm->WindTable);
            EnvironmentFrm->OkBtn->click();
        },
        [] {
            // The case's own entries make way for the three.
            SelectEntry(0);
            for (int i = 0; i < 3; ++i)
                ActivityFrm->DeleteBtn->click();
            for (int item : {3, 3, 6}) {
                ActivityFrm->RadioGroup->SetItemIndex(item);
                ActivityFrm->ArrangeBtn->click();
            }
            for (int i = 0; i < 3; ++i)
                ActivityFrm->RatioTable->SetCell(0, i, QString::number(10 * (i + 1)));
            ActivityFrm->Button2->click();
        });
    Drive(ControlFrm, [] { FurFea->ControlVariable1Click(); }, [] {
        for (std::size_t i = 0; i < 3; ++i) {
            ControlFrm->LayerPanels.at(i)->RatioHeatEdit->setText(QString("0.2%1").arg(i + 1));
            ControlFrm->LayerPanels.at(i)->RatioMassEdit->setText(QString("0.3%1").arg(i + 1));
        }
        ControlFrm->OKBtn->click();
    });
    ASSERT_EQ(CaseRows(), std::vector<StageRow>({First, Second, Third}));
}

// The saved stage lines that carry the place and the wind, and the control values of the stages.
std::string SavedStageRows()
{
    QStringList kept;
    for (const QString& line : SavedLines())
        for (const char* from : {"OuterT_a:", "MoistureTransferRatio:"})
            if (line.contains(from))
                kept << line.mid(line.indexOf(from));
    return kept.join("\n").toStdString();
}

TEST_F(EnvironmentTest, DeletingAnEntryTakesItsPlaceWeatherAndRatiosAway)
{
    ThreeEntriesWithTheirOwnWeather();
    RunDialogs({}, [] {
        SelectEntry(1);
        ActivityFrm->DeleteBtn->click();
        ActivityFrm->Button2->click();
    });
    EXPECT_EQ(CaseRows(), std::vector<StageRow>({First, Third}));

    RunDialogs([] {
        EXPECT_EQ(ShownRows(), Shown({FirstShown, ThirdShown}));
        EnvironmentFrm->OkBtn->click();  // a shorter schedule is read again
    });
    EXPECT_TRUE(FurFea->Case.EnvironmentDefined);
    Drive(ControlFrm, [] { FurFea->ControlVariable1Click(); }, [] {
        ASSERT_EQ(ControlFrm->LayerPanels.size(), 2u);
        EXPECT_EQ(ControlFrm->LayerPanels[1]->RatioHeatEdit->text(), "0.23");
        EXPECT_EQ(ControlFrm->LayerPanels[1]->RatioMassEdit->text(), "0.33");
    });
    EXPECT_EQ(SavedStageRows(), "OuterT_a: $21.5$ActivityIndex: $3$Wind: $0.4$Door: $2$\n"
                                "OuterT_a: $35$ActivityIndex: $6$Wind: $7$Door: $2$\n"
                                "MoistureTransferRatio: $0.31$ HeatTransferRatio: $0.21$\n"
                                "MoistureTransferRatio: $0.33$ HeatTransferRatio: $0.23$");
}

TEST_F(EnvironmentTest, MovingAnEntryTakesItsRowsAlongAndTellsTwoEntriesOfOneActivityApart)
{
    ThreeEntriesWithTheirOwnWeather();
    // Typed but not confirmed: it stays with its entry too.
    RunDialogs([] {
        EnvironmentFrm->WindTable->SetCell(0, 2, "7.5");
        EnvironmentFrm->reject();
    });
    RunDialogs({}, [] {
        SelectEntry(1);
        ActivityFrm->UpBtn->click();
        SelectEntry(1);
        ActivityFrm->DownBtn->click();  // the first entry, now second, goes last
        ActivityFrm->Button2->click();
    });
    EXPECT_EQ(CaseRows(), std::vector<StageRow>({Second, Third, First}));
    const std::array<double, MaxStages>& durations = FurFea->Case.Activity.Duration;
    EXPECT_EQ(std::vector<double>(durations.begin(), durations.begin() + 3), std::vector<double>({20, 30, 10}));

    RunDialogs([] {
        EXPECT_EQ(ShownRows(), Shown({SecondShown, ThirdShown + ".5", FirstShown}));
        EnvironmentFrm->WindTable->SetCell(0, 1, "7");
        EnvironmentFrm->OkBtn->click();
    });
    EXPECT_EQ(CaseRows(), std::vector<StageRow>({Second, Third, First}));
    EXPECT_EQ(SavedStageRows(), "OuterT_a: $-3.25$ActivityIndex: $3$Wind: $1.6$Door: $1$\n"
                                "OuterT_a: $35$ActivityIndex: $6$Wind: $7$Door: $2$\n"
                                "OuterT_a: $21.5$ActivityIndex: $3$Wind: $0.4$Door: $2$\n"
                                "MoistureTransferRatio: $0.32$ HeatTransferRatio: $0.22$\n"
                                "MoistureTransferRatio: $0.33$ HeatTransferRatio: $0.23$\n"
                                "MoistureTransferRatio: $0.31$ HeatTransferRatio: $0.21$");
}

TEST_F(EnvironmentTest, AnEntryAddedInPlaceOfADeletedOneStartsWithAnEmptyRow)
{
    ThreeEntriesWithTheirOwnWeather();
    RunDialogs({}, [] {
        SelectEntry(0);
        ActivityFrm->DeleteBtn->click();
        ActivityFrm->RadioGroup->SetItemIndex(7);
        ActivityFrm->ArrangeBtn->click();
        ActivityFrm->RatioTable->SetCell(0, 2, "5");
        SelectEntry(2);
        ActivityFrm->UpBtn->click();  // added entries move like the others
        ActivityFrm->Button2->click();
    });
    const StageRow added{0, 0, 0, PlaceNone, 0.9, 0.9};
    EXPECT_EQ(CaseRows(), std::vector<StageRow>({Second, added, Third}));

    // The schedule has as many entries as before, but the added one has not been entered.
    MessageRecorder messages;
    messages.Expect("you need finish the temperature input!", "Input Error");
    RunDialogs([] {
        EXPECT_EQ(ShownRows(), Shown({SecondShown, "Harder activity||||", ThirdShown}));
        EnvironmentFrm->OkBtn->click();
        EXPECT_EQ(EnvironmentFrm->TemperatureTable->Row(), 1);
        EnvironmentFrm->reject();
    });
    EXPECT_FALSE(FurFea->Case.EnvironmentDefined);
}

TEST_F(EnvironmentTest, LeavingTheActivityDialogWithoutOkMovesNoRow)
{
    ThreeEntriesWithTheirOwnWeather();
    const std::function<void()> leave[] = {
        [] { ActivityFrm->Button3->click(); },
        [] {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(ActivityFrm->ListBox, &escape);
        },
        [] { ActivityFrm->close(); },
    };
    for (const auto& way : leave) {
        RunDialogs({}, [&] {
            SelectEntry(1);
            ActivityFrm->DeleteBtn->click();
            SelectEntry(0);
            ActivityFrm->DownBtn->click();
            ActivityFrm->RadioGroup->SetItemIndex(0);
            ActivityFrm->ArrangeBtn->click();
            way();
            EXPECT_FALSE(ActivityFrm->isVisible());
        });
        EXPECT_EQ(CaseRows(), std::vector<StageRow>({First, Second, Third}));
        EXPECT_FALSE(FurFea->Case.Activity.ScheduleChanged);
        RunDialogs([] { EXPECT_EQ(ShownRows(), Shown({FirstShown, SecondShown, ThirdShown})); });
    }
}

} // namespace
