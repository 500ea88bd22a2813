// Values typed into the schedule dialogs as a user types them: real mouse clicks and key presses
// sent to whatever has the focus.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "tests/gui/stagecase.h"
#include "tests/support/appfixture.h"
#include "toolkit/radiogroup.h"
#include "materials/fiber.h"
#include "toolkit/stringgrid.h"
#include "wearer/activityfrm.h"
#include "wearer/ratespinedit.h"

namespace {

// Runs the form modally; the script drives it while it is the active window, as a shown dialog is.
void RunModal(TForm* form, const std::function<void()>& script)
{
    ScopedModalHook hook([&](TForm& shown) {
        if (&shown == form) {
            // Window-system events still queued from earlier windows would take the focus
            // away in the middle of the script.
            QCoreApplication::processEvents();
            QApplication::setActiveWindow(&shown);
            script();
        }
        return int(mrCancel);
    });
    form->ShowModal();
}

// The grid's cell editor that has the focus, if any.
QLineEdit* FocusedEditor(TStringGrid* grid)
{
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    return editor && grid->isAncestorOf(editor) ? editor : nullptr;
}

void Click(QWidget* widget, QPoint at = QPoint())
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
    QCoreApplication::processEvents();
}

// Clicks the cell and waits for its editor, as a user waits to see the cursor in it.
void EditCell(TStringGrid* grid, int row)
{
    Click(grid->viewport(), grid->visualItemRect(grid->item(row, 0)).center());
    EXPECT_TRUE(QTest::qWaitFor([grid] { return FocusedEditor(grid) != nullptr; }, 2000));
}

// Each key goes to the widget that has the focus when it is pressed.
void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    QCoreApplication::processEvents();
}

void Type(const QString& text)
{
    for (QChar c : text) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClicks(target, QString(c));
        QCoreApplication::processEvents();
    }
}

struct GridDialog {
    TForm* Form;
    TStringGrid* Grid;
    QPushButton* Ok;
    QString WrongValue;
    std::function<double()> Stored;  // what OK stored for the edited row
};

// Edit, Enter, OK; show again, edit, Enter, Enter; show again, type a wrong value, OK.
void TypeIntoTheGrid(const GridDialog& dialog, int row)
{
    MessageRecorder messages;
    RunModal(dialog.Form, [&] {
        EditCell(dialog.Grid, row);
        Type("30");
        Press(Qt::Key_Return);
        Click(dialog.Ok);
    });
    EXPECT_EQ(dialog.Stored(), 30);

    RunModal(dialog.Form, [&] {
        // A user types into an editor that has the focus, and clicks the cell when none has.
        if (FocusedEditor(dialog.Grid))
            ADD_FAILURE() << "an editor outlived the rows it was opened for";
        else
            EditCell(dialog.Grid, row);
        Type("45");
        // Enter commits the cell and closes its editor at once, before any other event runs.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(dialog.Grid->Cell(0, row), "45");
        EXPECT_EQ(FocusedEditor(dialog.Grid), nullptr);
        QCoreApplication::processEvents();
        EXPECT_TRUE(dialog.Form->isVisible()) << "Enter in a cell pressed the default button";
        // With no editor open, Enter is the default button.
        Press(Qt::Key_Return);
        EXPECT_FALSE(dialog.Form->isVisible());
    });
    EXPECT_EQ(dialog.Stored(), 45);

    // A value still in its editor when OK is pressed is read and checked like any other.
    messages.Expect(dialog.WrongValue, "Input Error");
    RunModal(dialog.Form, [&] {
        EditCell(dialog.Grid, row);
        Type("abc");
        Click(dialog.Ok);
        EXPECT_TRUE(dialog.Form->isVisible());
        dialog.Form->reject();
    });
    EXPECT_EQ(dialog.Stored(), 45);
}

class GridEntryTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        DefineStagedCase(3);
        ActivityFrm->LoadActivitySchedule();
    }
};

TEST_F(GridEntryTest, TypedDurationsAndTemperaturesAreCommittedCheckedAndStored)
{
    TypeIntoTheGrid({ActivityFrm, ActivityFrm->RatioTable, ActivityFrm->Button2, "you input wrong duaration time!",
                     [] { return FurFea->Case.Activity.Duration[1]; }},
                    1);
    TypeIntoTheGrid({EnvironmentFrm, EnvironmentFrm->TemperatureTable, EnvironmentFrm->OkBtn,
                     "you input wrong temperature!", [] { return FurFea->Case.Environment.Temperature[1]; }},
                    1);
}

TEST_F(GridEntryTest, ASpeedButtonActsOnTheValueStillBeingTyped)
{
    // The speed buttons take no focus, so clicking one leaves the cell editor open.
    RunModal(ActivityFrm, [] {
        ActivityFrm->ListBox->setCurrentRow(0);
        EditCell(ActivityFrm->RatioTable, 2);
        Type("7");
        Click(ActivityFrm->DeleteBtn);  // the typed row moves up
        EXPECT_EQ(ActivityFrm->RatioTable->Cell(0, 1), "7");
        ActivityFrm->reject();
    });
}

TEST_F(GridEntryTest, TheRateBoxStoresWhatIsTypedAndRefusesWhatIsNotAPositiveNumber)
{
    MessageRecorder messages;
    const QString badRate = "The input of Metobolic Rate is not correct. Please try it again!";
    const QStringList refused = {"1e999", "1,5", "0"};
    for (int i = 0; i < refused.size(); ++i)
        messages.Expect(badRate, "Input Error");
    RunModal(ActivityFrm, [&] {
        TRateSpinEdit* box = ActivityFrm->CSpinEdit1;
        ActivityFrm->RadioGroup->SetItemIndex(3);
        // Types over the box's text, then appends with the button.
        auto arrange = [box](const QString& text) {
            Click(box->Edit());
            Press(Qt::Key_A, Qt::ControlModifier);
            Press(Qt::Key_Delete);
            Type(text);
            Click(ActivityFrm->ArrangeBtn);
        };
        const int before = ActivityFrm->ListBox->count();
        for (const QString& text : refused)
            arrange(text);
        arrange("1.5e2");
        ASSERT_EQ(ActivityFrm->ListBox->count(), before + 1);
        EXPECT_EQ(ActivityFrm->EntryRate(before), 150);

        // The arrows step by one from what the box shows.
        Click(box->Edit());
        Press(Qt::Key_Down);
        EXPECT_EQ(box->Edit()->text(), "149");
        ActivityFrm->reject();
    });
}

// A point table: a fixed header row and a fixed number column around the x and y columns.
// Tab, the arrow keys and clicks keep to the data cells, and typing never jumps to a row.
TEST_F(GridEntryTest, APointTableTakesValuesByTabAndArrowsOnlyInItsDataCells)
{
    MessageRecorder messages;
    TStringGrid* grid = Fiber->FiberRegainTable;
    RunModal(Fiber, [&] {
        Fiber->PointNumText->setText("3");
        Click(Fiber->btnNewTable);
        Click(grid->viewport(), grid->visualItemRect(grid->item(1, 1)).center());
        ASSERT_TRUE(QTest::qWaitFor([grid] { return FocusedEditor(grid) != nullptr; }, 2000));
        // Row by row with Tab, wrapping from the y column of one row to the x column of the next.
        for (const char* value : {"283.16", "0.055", "293.16", "0.054", "303.16", "0.05"}) {
            Type(value);
            Press(Qt::Key_Tab);
        }
        EXPECT_EQ(grid->Cell(1, 1), "283.16");
        EXPECT_EQ(grid->Cell(2, 1), "0.055");
        EXPECT_EQ(grid->Cell(1, 2), "293.16");
        EXPECT_EQ(grid->Cell(2, 2), "0.054");
        EXPECT_EQ(grid->Cell(1, 3), "303.16");
        EXPECT_EQ(grid->Cell(2, 3), "0.05");
        EXPECT_EQ(grid->Cell(0, 3), "3");

        // Up from the first data row and Left from the x column stay where they are; a
        // number typed there replaces that cell, not another row's.
        Click(grid->viewport(), grid->visualItemRect(grid->item(1, 1)).center());
        Press(Qt::Key_Escape);
        Press(Qt::Key_Up);
        Press(Qt::Key_Left);
        EXPECT_EQ(grid->Col(), 1);
        EXPECT_EQ(grid->Row(), 1);
        Type("1650");
        Press(Qt::Key_Return);
        EXPECT_EQ(grid->Cell(1, 1), "1650");
        EXPECT_EQ(grid->Cell(1, 3), "303.16");

        // A click on the header or on a row number leaves the current cell where it was.
        Click(grid->viewport(), grid->visualItemRect(grid->item(0, 2)).center());
        Click(grid->viewport(), grid->visualItemRect(grid->item(2, 0)).center());
        EXPECT_EQ(grid->Col(), 1);
        EXPECT_EQ(grid->Row(), 1);
        EXPECT_TRUE(Fiber->isVisible());
        Fiber->reject();
    });
}

} // namespace
