#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "dialogbase/commonfuc.h"
#include "wearer/columnpanels.h"
#include "tests/support/messagerecorder.h"

namespace {

// Types the text into an edit with the filter, key by key as the keyboard would deliver it;
// '\b' is Backspace.
QString Typed(void (*filter)(QLineEdit*, char&), const QString& keys)
{
    QLineEdit edit;
    SetKeyFilter(&edit, filter);
    for (QChar c : keys) {
        const int key = c == '\b' ? int(Qt::Key_Backspace) : int(c.toUpper().unicode());
        const QString text = c == '\b' ? QString() : QString(c);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(&edit, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(&edit, &release);
    }
    return edit.text();
}

TEST(KeyFilters, KeepOnlyTheirCharactersKeyByKey)
{
    // Decimal: digits and one point; the minus, letters and an exponent are discarded.
    EXPECT_EQ(Typed(DecimalKeyPress, "1.2.3"), "1.23");
    EXPECT_EQ(Typed(DecimalKeyPress, "-4e5a, "), "45");
    EXPECT_EQ(Typed(DecimalKeyPress, "12\b\b7"), "7");
    EXPECT_EQ(Typed(DecimalKeyPress, "1.\b.5"), "1.5");  // the point may come back once deleted
    // Signed decimal: one minus anywhere, one point.
    EXPECT_EQ(Typed(SignedDecimalKeyPress, "-1-2"), "-12");
    EXPECT_EQ(Typed(SignedDecimalKeyPress, "5-"), "5-");
    EXPECT_EQ(Typed(SignedDecimalKeyPress, "-.5.-+e"), "-.5");
    // Unsigned number: several points pass (the caller checks them later).
    EXPECT_EQ(Typed(UnsignedNumberKeyPress, "1.2.3-x"), "1.2.3");
    EXPECT_EQ(Typed(DigitKeyPress, "12.5-a\b3"), "123");
    // Control characters other than Backspace are discarded.
    EXPECT_EQ(Typed(DigitKeyPress, QString("1") + QChar(1) + QChar(22) + "2"), "12");
}

TEST(GetEditValue, ConvertsTrimmedTextAndOnFailureNamesTheFieldUnlessQuiet)
{
    MessageRecorder messages;  // a box the test does not expect fails it
    QLineEdit edit;
    bool ok = false;
    // 'E' cannot be typed, but the program puts such texts there.
    const std::pair<const char*, double> good[] = {{" 2.5 ", 2.5}, {"\t0.65 ", 0.65}, {"1E-5", 0.00001}, {"-12", -12}};
    for (const auto& [text, value] : good) {
        edit.setText(text);
        EXPECT_EQ(GetEditValue(&edit, "Density", ok), value) << text;
        EXPECT_TRUE(ok) << text;
        EXPECT_EQ(GetEditValueQuiet(&edit, ok), value) << text;
        EXPECT_TRUE(ok) << text;
    }

    // What the number reader refuses is its own affair; here only that a refusal reaches the caller.
    const QStringList bad = {"   ", "1e999", "12abc"};
    for (const QString& text : bad) {
        edit.setText(text);
        ok = true;
        EXPECT_EQ(GetEditValueQuiet(&edit, ok), 0) << text.toStdString();
        EXPECT_FALSE(ok) << text.toStdString();
        messages.Expect("The input of Density is not correct. Please try it again!", "Input Error");
        ok = true;
        EXPECT_EQ(GetEditValue(&edit, "Density", ok), 0) << text.toStdString();
        EXPECT_FALSE(ok) << text.toStdString();
    }
}

TEST(ControlColumns, ColumnsDeleteTheirControlsAndSurviveTheirPanel)
{
    QWidget panel;
    {
        TMicroPanel column(&panel, 1);
        TControlLayerPanel stage(&panel, 1);
    }
    EXPECT_TRUE(panel.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).isEmpty());

    // The dialog may destroy the panel first (with the controls on it); the column then has
    // nothing left to delete.
    auto doomed = std::make_unique<QWidget>();
    auto column = std::make_unique<TMicroPanel>(doomed.get(), 1);
    auto stage = std::make_unique<TControlLayerPanel>(doomed.get(), 1);
    doomed.reset();
    EXPECT_FALSE(column->Label);
    EXPECT_FALSE(stage->CoverEdit);
    column.reset();
    stage.reset();
}

} // namespace
