#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include "tests/support/messagerecorder.h"
#include "toolkit/application.h"
#include "toolkit/filedialogs.h"
#include "toolkit/forms.h"
#include "toolkit/listbox.h"
#include "toolkit/radiogroup.h"
#include "toolkit/stringgrid.h"

namespace {

TEST(StringGrid, CellTextsSurviveShrinkingAndGrowing)
{
    TStringGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(4);
    grid.SetCell(1, 3, "12.5");
    grid.SetRowCount(2);
    grid.SetRowCount(4);
    EXPECT_EQ(grid.Cell(1, 3), "12.5");
    // Fixed cells cannot be edited, the others can when editing is on.
    grid.SetEditing(true);
    EXPECT_FALSE(grid.item(0, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(grid.item(1, 1)->flags() & Qt::ItemIsEditable);
}

TEST(RadioGroup, IndexMinusOneIsNoneAndCodeChangesRunTheHandler)
{
    TRadioGroup group;
    group.SetItems({"Male", "Female"});
    EXPECT_EQ(group.ItemIndex(), -1);
    int clicks = 0;
    group.OnClick = [&] { ++clicks; };
    group.SetItemIndex(1);
    group.SetItemIndex(1);
    EXPECT_EQ(clicks, 1);  // no change, no click
    group.SetItemIndex(-1);
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(group.Button(1)->isChecked());
    group.Button(0)->click();
    EXPECT_EQ(group.ItemIndex(), 0);
    EXPECT_EQ(clicks, 3);
}

// The program's own changes of the current line leave what the dialog shows to the program; a
// line the user reaches is reported once, however many events brought it there.
TEST(ListBox, OnlyTheUsersChoiceOfALineRunsTheHandlerAndEachChoiceOnce)
{
    TListBox list;
    list.addItems({"Alpha", "Beta", "Gamma", "Delta"});
    list.resize(160, 120);
    list.show();
    int clicks = 0;
    list.OnClick = [&] { ++clicks; };
    list.setCurrentRow(1);
    delete list.takeItem(1);
    list.addItem("Epsilon");
    ASSERT_EQ(list.currentRow(), 1);
    EXPECT_EQ(clicks, 0);

    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(clicks, 1);
    QTest::keyClick(&list, Qt::Key_Right);  // moves nothing in a single column
    EXPECT_EQ(clicks, 1);
    QWidget* area = list.viewport();
    const QPoint first = list.visualItemRect(list.item(0)).center();
    QTest::mouseClick(area, Qt::LeftButton, {}, first);  // the press changes the line
    EXPECT_EQ(clicks, 2);
    QTest::mouseClick(area, Qt::LeftButton, {}, first);  // a click on the chosen line
    EXPECT_EQ(clicks, 3);
    list.clear();
    EXPECT_EQ(clicks, 3);
}

TEST(KeyFilter, DiscardsReplacesAndAlwaysPassesNavigation)
{
    QLineEdit edit;
    SetOnKeyPress(&edit, [](char& key) {
        if (key == 'x') key = 0;
        else if (key == ',') key = '.';
    });
    auto type = [&](int qtKey, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
        QApplication::sendEvent(&edit, &press);
    };
    type(Qt::Key_1, "1");
    type(Qt::Key_X, "x");
    type(Qt::Key_Comma, ",");
    type(Qt::Key_5, "5");
    EXPECT_EQ(edit.text(), "1.5");
    type(Qt::Key_Home, "");
    type(Qt::Key_2, "2");
    EXPECT_EQ(edit.text(), "21.5");
}

// A form that counts its show handler.
class CountingForm : public TForm {
public:
    int Shown = 0;

protected:
    void FormShow() override { ++Shown; }
};

TEST(Forms, ModalRunsGoThroughTheHookAndAModelessWindowOpensAnewAsAModalOne)
{
    CountingForm form;
    form.Show();
    ASSERT_EQ(form.Shown, 1);
    bool modal = false;
    {
        ScopedModalHook hook([&](TForm& f) {
            modal = f.Modal() && f.isVisible();
            f.SetModalResult(mrOk);
            return int(mrNone);
        });
        EXPECT_EQ(form.ShowModal(), mrOk);
    }
    EXPECT_EQ(form.Shown, 2);
    EXPECT_TRUE(modal);
    EXPECT_FALSE(form.isVisible());
    ScopedModalHook hook([](TForm& f) { f.Close(); return int(mrNone); });
    EXPECT_EQ(form.ShowModal(), mrCancel);
}

// A box or a modal window that no test scripted fails the test at once, named, and is answered
// with its safe default instead of waiting for a user.
TEST(Forms, AnUnscriptedBoxOrModalWindowFailsTheTestAndWaitsForNobody)
{
    int answer = 0;
    EXPECT_NONFATAL_FAILURE(answer = AppMessageBox("Overwrite it?", "Confirm", MB_YESNO),
                            "unscripted message box: \"Overwrite it?\"");
    EXPECT_EQ(answer, IDNO);
    EXPECT_NONFATAL_FAILURE(answer = AppMessageBox("Go on?", "Notice", MB_OKCANCEL | MB_ICONEXCLAMATION),
                            "\"Go on?\"");
    EXPECT_EQ(answer, IDCANCEL);
    EXPECT_NONFATAL_FAILURE(answer = AppMessageBox("Done.", "Information"), "\"Done.\"");
    EXPECT_EQ(answer, IDOK);
    EXPECT_NONFATAL_FAILURE(ShowMessage("Saved."), "\"Saved.\"");

    CountingForm form;
    form.setObjectName("Counting");
    EXPECT_NONFATAL_FAILURE(answer = form.ShowModal(), "unscripted modal window: Counting");
    EXPECT_EQ(answer, mrCancel);
    EXPECT_FALSE(form.isVisible());
}

// Centred on the main window's size, then kept inside the screen's available area: a window
// larger than the area goes to its top-left corner, one that would stick out is moved in on
// that side only.
TEST(Forms, CentredOnTheMainWindowStaysInsideTheScreensAvailableArea)
{
    QWidget main;
    QWidget* previous = MainForm();
    SetMainForm(&main);
    const QRect area = main.screen()->availableGeometry();
    const int x = area.x(), y = area.y(), w = area.width(), h = area.height();
    // A main window of this size centres a window of the area's size exactly on the area.
    const QSize fill(2 * x + w, 2 * y + h);
    // What the frame adds: the whole window, title bar included, must fit.
    QSize frame;
    {
        TForm probe;
        probe.Show();
        frame = probe.frameGeometry().size() - probe.size();
    }
    const int fw = frame.width(), fh = frame.height();
    struct Row {
        const char* What;
        QSize Main;
        QSize Own;
        QPoint Expected;
    };
    const Row rows[] = {
        {"smaller, inside", fill, QSize(300, 200), QPoint(x + (w - 300) / 2, y + (h - 200) / 2)},
        {"as large as the area", fill, area.size(), area.topLeft()},
        {"larger both ways", QSize(400, 300), area.size() + QSize(60, 40), area.topLeft()},
        {"wider only", fill, QSize(w + 1, 200), QPoint(x, y + (h - 200) / 2)},
        {"above the top only", QSize(fill.width(), 2 * y + 100), QSize(300, 260), QPoint(x + (w - 300) / 2, y)},
        {"below the bottom only", QSize(fill.width(), 2 * (y + h) + 100), QSize(300, 260),
         QPoint(x + (w - 300) / 2, y + h - 260 - fh)},
        {"past the right only", QSize(2 * (x + w) + 100, fill.height()), QSize(260, 300),
         QPoint(x + w - 260 - fw, y + (h - 300) / 2)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.What);
        main.resize(row.Main);
        TForm form;
        form.SetClientSize(row.Own.width(), row.Own.height());
        form.SetPosition(TPosition::MainFormCenter);
        form.Show();
        EXPECT_EQ(form.frameGeometry().topLeft(), row.Expected);
        EXPECT_EQ(form.size(), row.Own);
        form.Close();
    }
    SetMainForm(previous);
}

TEST(Guard, AnEscapingErrorGoesToTheExceptionDisplay)
{
    MessageRecorder messages;
    messages.Expect("boom", "Exception");
    QPushButton button;
    QObject::connect(&button, &QPushButton::clicked, Guard([] { throw std::runtime_error("boom"); }));
    button.click();
}

TEST(FileDialogs, FiltersBecomeQtFilters)
{
    EXPECT_EQ(QtFilter("simulate data file(.sdf)|*.sdf"), "simulate data file(.sdf) (*.sdf)");
    EXPECT_EQ(QtFilter("A|*.a|B|*.b;*.c"), "A (*.a);;B (*.b *.c)");
}

} // namespace
