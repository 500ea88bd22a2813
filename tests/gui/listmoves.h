#pragma once
// The ways a user makes a line of a record list current, for dialogs that show the record of
// the chosen line: a line reached by key or by mouse must show exactly what a click on it
// shows, or the dialog writes what it shows into another record than the one it names.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <string>
#include <vector>

#include "tests/support/appfixture.h"
#include "toolkit/stringgrid.h"

// From line `From` to line `To` of a list of three lines whose names begin with different
// letters.
struct ListMove {
    const char* Way;
    int From;
    int Key;  // a key, or one of the gestures below
    int To;
};
constexpr int TypedLetter = -1;  // the first letter of line `To`
constexpr int MouseClick = -2;   // pressed and released on line `To`
constexpr int MouseDrag = -3;    // pressed on `From`, dragged to `To` and released there

inline const ListMove ListMoves[] = {
    {"Down", 0, Qt::Key_Down, 1},       {"Up", 2, Qt::Key_Up, 1},
    {"End", 0, Qt::Key_End, 2},         {"Home", 2, Qt::Key_Home, 0},
    {"Page Down", 0, Qt::Key_PageDown, 2}, {"Page Up", 2, Qt::Key_PageUp, 0},
    {"a typed letter", 0, TypedLetter, 1}, {"a click", 2, MouseClick, 1},
    {"a drag", 0, MouseDrag, 2},
};

// Moves from the current line as `move` says, with real key and mouse events.
inline void MoveInList(QListWidget* list, const ListMove& move)
{
    QWidget* area = list->viewport();
    const auto centre = [&](int row) { return list->visualItemRect(list->item(row)).center(); };
    switch (move.Key) {
    case TypedLetter:
        QTest::keyClicks(list, list->item(move.To)->text().left(1));
        break;
    case MouseClick:
        QTest::mouseClick(area, Qt::LeftButton, {}, centre(move.To));
        break;
    case MouseDrag:
        QTest::mousePress(area, Qt::LeftButton, {}, centre(move.From));
        QTest::mouseMove(area, centre(move.To));
        QTest::mouseRelease(area, Qt::LeftButton, {}, centre(move.To));
        break;
    default:
        QTest::keyClick(list, static_cast<Qt::Key>(move.Key));
    }
}

// What a dialog shows in its edits, tables, boxes and labels, control by control.
inline std::vector<std::string> ShownValues(const QWidget* dialog)
{
    std::vector<std::string> shown;
    const auto add = [&](const QObject* control, const QString& text) {
        shown.push_back(control->objectName().toStdString() + ": " + text.toStdString());
    };
    for (const auto* edit : dialog->findChildren<QLineEdit*>())
        add(edit, edit->text());
    for (const auto* label : dialog->findChildren<QLabel*>())
        add(label, label->text());
    for (const auto* box : dialog->findChildren<QCheckBox*>())
        add(box, box->isChecked() ? "checked" : "clear");
    for (const auto* box : dialog->findChildren<QComboBox*>())
        add(box, QString::number(box->currentIndex()) + " " + box->currentText());
    for (const auto* grid : dialog->findChildren<TStringGrid*>())
        for (int row = 0; row < grid->RowCount(); ++row)
            for (int col = 0; col < grid->ColCount(); ++col)
                add(grid, grid->Cell(col, row));
    return shown;
}

// The line `move` reaches, after a click on the line it starts from, shows in the dialog what a
// click on it shows.
inline void ExpectShownAsClicked(QWidget* dialog, QListWidget* list, const ListMove& move)
{
    ClickItem(list, move.To);
    const std::vector<std::string> clicked = ShownValues(dialog);
    ClickItem(list, move.From);
    ASSERT_NE(ShownValues(dialog), clicked) << "the lines' records must differ";
    MoveInList(list, move);
    EXPECT_EQ(list->currentRow(), move.To);
    EXPECT_EQ(ShownValues(dialog), clicked);
}
