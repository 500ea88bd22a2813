#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

#include "tests/gui/stagecase.h"
#include "tests/support/appfixture.h"
#include "toolkit/radiogroup.h"
#include "toolkit/stringgrid.h"
#include "wearer/activityfrm.h"

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

TEST_F(EnvironmentTest, OkReadsAllRowsInOrderAndStoresOnlyWhenAllAreRight)
{
    Schedule(3);
    FurFea->Case.Environment.Temperature[2] = 99;
    MessageRecorder messages;
    messages.Expect("you need finish the Relative Humidity input!", "Input Error")
        .Expect("you input wrong Wind Velocity!", "Input Error")
        .Expect("you input wrong temperature!", "Input Error");
    RunDialogs([] {
        SetRow(0, "20", "50", "0.5");
        SetRow(1, "-5", "80", "3");
        SetRow(2, "30", "", "1");
        PickPlace(2, 1);
        EnvironmentFrm->OkBtn->click();  // a new schedule is read without any key
        EXPECT_EQ(EnvironmentFrm->RHTable->Row(), 2);
        SetRow(2, "30", "60", "-");
        EnvironmentFrm->OkBtn->click();
        EnvironmentFrm->TemperatureTable->SetCell(0, 0, "2O");
        EnvironmentFrm->OkBtn->click();
        EXPECT_FALSE(FurFea->Case.EnvironmentDefined);
        EXPECT_EQ(FurFea->Case.Environment.Temperature[2], 99) << "a failed OK stores nothing";

        SetRow(2, "30", "60", "2");
        EnvironmentFrm->TemperatureTable->SetCell(0, 0, " 20.5");
        EnvironmentFrm->OkBtn->click();
    });
    EXPECT_EQ(FurFea->Case.Environment.Temperature[0], 20.5);
    EXPECT_EQ(FurFea->Case.Environment.Place[2], 2.0);
    EXPECT_TRUE(FurFea->Case.StagesDirty);
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

TEST_F(EnvironmentTest, AStageAddedAfterALoadMustBeEntered)
{
    Schedule(2);
    Load({20, 21}, {50, 55}, {1, 2});
    RunDialogs({}, [] {
        ActivityFrm->RadioGroup->SetItemIndex(7);
        ActivityFrm->ArrangeBtn->click();
        ActivityFrm->RatioTable->SetCell(0, 2, "15");
        ActivityFrm->Button2->click();
    });
    ASSERT_TRUE(FurFea->Case.Activity.ScheduleChanged);

    // Looking at the environment does not make the third stage defined.
    RunDialogs([] { EnvironmentFrm->reject(); });
    EXPECT_FALSE(FurFea->Case.Activity.ScheduleChanged);
    EXPECT_FALSE(FurFea->Case.EnvironmentDefined);

    MessageRecorder messages;
    messages.Expect("you need finish the temperature input!", "Input Error");
    RunDialogs([] {
        EnvironmentFrm->OkBtn->click();
        SetRow(2, "25", "40", "0");
        EnvironmentFrm->OkBtn->click();
    });
    EXPECT_EQ(FurFea->Case.Environment.Temperature[2], 25);
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

} // namespace
