#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include "app/furfea.h"
#include "tests/support/appfixture.h"
#include "tests/support/messagerecorder.h"
#include "toolkit/radiogroup.h"
#include "toolkit/stringgrid.h"
#include "wearer/activityfrm.h"
#include "wearer/ratespinedit.h"
#include "wearer/sportsfrm.h"

namespace {

// Runs the activity dialog modally: `script` drives it, `more` each opening of "More".
void RunDialog(const std::function<void()>& script, const std::function<void()>& more = {})
{
    ScopedModalHook hook([&](TForm& form) {
        if (&form == ActivityFrm)
            script();
        else if (&form == SportsFrm && more)
            more();
        return int(mrCancel);
    });
    ActivityFrm->ShowModal();
}

void Arrange(int item, const QString& rate = QString())
{
    ActivityFrm->RadioGroup->SetItemIndex(item);
    if (!rate.isNull())
        ActivityFrm->CSpinEdit1->Edit()->setText(rate);
    ActivityFrm->ArrangeBtn->click();
}

void Select(int entry) { ActivityFrm->ListBox->setCurrentRow(entry); }

void SetDurations(const QStringList& cells)
{
    for (int i = 0; i < cells.size(); ++i)
        ActivityFrm->RatioTable->SetCell(0, i, cells[i]);
}

// Each working entry as "name/rate/index/duration", and the number labels in order.
QStringList Entries()
{
    QStringList entries;
    for (int i = 0; i < ActivityFrm->ListBox->count(); ++i)
        entries << QString("%1/%2/%3/%4")
                       .arg(ActivityFrm->ListBox->item(i)->text())
                       .arg(ActivityFrm->EntryRate(i))
                       .arg(ActivityFrm->EntryIndex(i))
                       .arg(ActivityFrm->RatioTable->Cell(0, i));
    EXPECT_EQ(ActivityFrm->RatioTable->RowCount(), std::max(1, static_cast<int>(entries.size())));
    return entries;
}

QStringList Numbers()
{
    QStringList texts;
    for (QLabel* l : ActivityFrm->NumberLabels)
        texts << l->text();
    return texts;
}

// A schedule as OK would have stored it.
void Store(const std::vector<int>& indices, const std::vector<double>& rates, const std::vector<double>& durations)
{
    ActivitySchedule& a = FurFea->Case.Activity;
    a = ActivitySchedule{};
    a.StageCount = static_cast<int>(indices.size());
    for (std::size_t i = 0; i < indices.size(); ++i) {
        a.ActivityIndex[i] = indices[i];
        a.MetabolicRate[i] = rates[i];
        a.Duration[i] = durations[i];
    }
}

using ActivityTest = AppTest;

TEST_F(ActivityTest, BuildsAScheduleOfActivitiesSportsAndWorksAndStoresItOnOk)
{
    MessageRecorder messages;
    int visit = 0;
    RunDialog(
        [] {
            Arrange(2);
            Arrange(5, "99.5");  // the user's own rate wins over the table's
            ActivityFrm->Button1->click();
            ActivityFrm->Button1->click();
            EXPECT_EQ(Entries(), QStringList({"Seated relaxed/58/2/", "Standing activity (Shopping, Light Industry)/99.5/5/",
                                              "Sports-Skiing on the level 9km/h/405/11/", "Agriculture ploughing/240/37/"}));

            SetDurations({"10", " 20.5 ", "30", "1E1"});
            FurFea->Case.StagesDirty = false;
            ActivityFrm->Button2->click();
        },
        [&] {
            if (visit++ == 0) {
                SportsFrm->WorksRadioGroup->SetItemIndex(2);
                SportsFrm->SportsRadioGroup->SetItemIndex(3);  // drops the work: one entry
            } else {
                SportsFrm->WorksRadioGroup->SetItemIndex(13);
                SportsFrm->CSpinEdit1->Edit()->setText("240");
            }
            SportsFrm->Button1->click();
        });

    EXPECT_EQ(ActivityFrm->ModalResult(), mrOk);
    EXPECT_EQ(FurFea->Case.Activity.MetabolicRate[1], 99.5);
    EXPECT_EQ(FurFea->Case.Activity.Duration[1], 20.5);
    EXPECT_EQ(FurFea->Case.Activity.Duration[3], 10);
    EXPECT_TRUE(FurFea->Case.Activity.ScheduleChanged && FurFea->Case.StagesDirty);
}

TEST_F(ActivityTest, UpDownAndDeleteMoveWholeEntriesAndLeaveTheNumbersInPlace)
{
    Store({0, 9, 30}, {41, 200, 93}, {5, 6, 7});
    RunDialog([] {
        Select(1);
        ActivityFrm->UpBtn->click();
        ActivityFrm->UpBtn->click();  // already on top
        Select(1);
        ActivityFrm->DownBtn->click();
        ActivityFrm->DownBtn->click();  // already at the bottom
        EXPECT_EQ(Entries(), QStringList({"Walking on the level 5km/h/200/9/6", "Teaching/93/30/7", "Sleeping/41/0/5"}));
        EXPECT_EQ(Numbers(), QStringList({"1", "2", "3"}));

        Select(-1);
        ActivityFrm->DeleteBtn->click();  // nothing selected
        EXPECT_EQ(ActivityFrm->ListBox->count(), 3);

        // The grid never has fewer than one row; the next entry takes that row.
        Select(0);
        for (int i = 0; i < 3; ++i)
            ActivityFrm->DeleteBtn->click();
        EXPECT_EQ(Entries(), QStringList());
        Arrange(1);
        EXPECT_EQ(Entries().size(), 1);
        EXPECT_EQ(Numbers(), QStringList({"1"}));
    });
}

TEST_F(ActivityTest, OkNamesTheFirstProblemAndStoresNothing)
{
    Store({3}, {70}, {15});
    MessageRecorder messages;
    messages.Expect("you don't arange any activity!", "Information")
        .Expect("you need finish the duaration input!", "Input Error")
        .Expect("you input wrong duaration time!", "Input Error");
    RunDialog([] {
        Select(0);
        ActivityFrm->DeleteBtn->click();
        FurFea->Case.ActivityDefined = true;
        ActivityFrm->Button2->click();
        EXPECT_FALSE(FurFea->Case.ActivityDefined);

        Arrange(6);
        Arrange(7);
        Arrange(0);
        SetDurations({"1", "", "3"});
        ActivityFrm->Button2->click();
        EXPECT_EQ(ActivityFrm->RatioTable->Row(), 1);
        SetDurations({"1", "2", "0x10"});
        ActivityFrm->Button2->click();
        EXPECT_EQ(ActivityFrm->RatioTable->Row(), 2);
        ActivityFrm->Button3->click();
    });
    // The closed dialog shows what is stored: not even the rows before the bad one.
    EXPECT_EQ(Entries(), QStringList({"Standing relaxed/70/3/15"}));
}

TEST_F(ActivityTest, ExitDropsWhatWasNotConfirmedAndOkRebuildsTheStagesOnlyForAChange)
{
    Store({1, 2}, {46, 58}, {30, 40});
    FurFea->Case.StagesDirty = false;
    RunDialog([] {
        Arrange(4);
        Select(0);
        ActivityFrm->DeleteBtn->click();
        SetDurations({"1", "2"});
        ActivityFrm->Button3->click();
    });
    EXPECT_EQ(FurFea->Case.Activity.Duration[0], 30);
    EXPECT_FALSE(FurFea->Case.Activity.ScheduleChanged || FurFea->Case.StagesDirty);
    // The environment dialog copies the names of this list while the dialog is closed.
    EXPECT_EQ(Entries(), QStringList({"Reclining/46/1/30", "Seated relaxed/58/2/40"}));

    // OK after it: nothing changed.
    RunDialog([] { ActivityFrm->Button2->click(); });
    EXPECT_FALSE(FurFea->Case.StagesDirty);
    EXPECT_FALSE(FurFea->Case.Activity.ScheduleChanged);

    // After the environment took the schedule over, a new duration alone is stored too.
    RunDialog([] {
        SetDurations({"30", "45"});
        ActivityFrm->Button2->click();
    });
    EXPECT_EQ(FurFea->Case.Activity.Duration[1], 45);
    EXPECT_TRUE(FurFea->Case.StagesDirty);
    EXPECT_FALSE(FurFea->Case.Activity.ScheduleChanged) << "the environment rows still fit";

    RunDialog([] {
        Select(1);
        ActivityFrm->UpBtn->click();
        ActivityFrm->Button2->click();
    });
    EXPECT_EQ(FurFea->Case.Activity.Duration[0], 45);
    EXPECT_TRUE(FurFea->Case.Activity.ScheduleChanged);
}

TEST_F(ActivityTest, AppendingRefusesABadSportsRateAndAFiftyFirstEntry)
{
    MessageRecorder messages;
    const QString badRate = "The input of Metobolic Rate is not correct. Please try it again!";
    const QString full = "The schedule holds at most 50 activities!";
    messages.Expect(badRate, "Input Error").Expect(full, "Information").Expect(full, "Information");
    bool sportsStayedOpen = false;
    RunDialog(
        [] {
            ActivityFrm->Button1->click();
            for (int i = 0; i < 50; ++i)
                Arrange(i % 8, "60");
            Arrange(0);
            ActivityFrm->Button1->click();
            EXPECT_EQ(Numbers().back(), "50");
            QStringList cells;
            for (int i = 0; i < 50; ++i)
                cells << QString::number(i + 1);
            SetDurations(cells);
            ActivityFrm->Button2->click();
        },
        [&] {
            SportsFrm->SportsRadioGroup->SetItemIndex(2);
            if (ActivityFrm->ListBox->count() == 0)
                SportsFrm->CSpinEdit1->Edit()->setText("5.5.");
            SportsFrm->Button1->click();
            sportsStayedOpen = SportsFrm->isVisible();
        });
    EXPECT_TRUE(sportsStayedOpen);
    EXPECT_EQ(FurFea->Case.Activity.Duration[49], 50);
}

TEST_F(ActivityTest, LoadingShowsExactlyTheLoadedEntries)
{
    Store({0, 1, 2}, {41, 46, 58}, {1, 2, 3});
    ActivityFrm->LoadActivitySchedule();

    Store({17, 27, 99}, {407, 99, 120}, {12.5, 0.0001, 3});
    FurFea->Case.Activity.StageCount = 2;
    FurFea->Case.Activity.ScheduleChanged = true;
    ActivityFrm->LoadActivitySchedule();
    EXPECT_EQ(Entries(), QStringList({"Fencing/407/17/12.5", "Bakery work/99/27/0.0001"}));
    EXPECT_TRUE(FurFea->Case.Activity.ScheduleChanged) << "left for the environment load to clear";

    // An index no table knows keeps its place and its value.
    FurFea->Case.Activity.StageCount = 3;
    ActivityFrm->LoadActivitySchedule();
    EXPECT_EQ(Entries().back(), "Activity 99/120/99/3");
}

} // namespace
