#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "tests/support/messagerecorder.h"
#include "toolkit/application.h"
#include "toolkit/filedialogs.h"
#include "toolkit/forms.h"
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
