#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <memory>

#include "app/commonfuc.h"
#include "tests/support/messagerecorder.h"

namespace {

// Types the text into the edit key by key, as the keyboard would deliver it; '\b' is Backspace.
void Type(QLineEdit* edit, const QString& keys)
{
    for (QChar c : keys) {
        int key = c.toUpper().unicode();
        QString text(c);
        if (c == '\b') {
            key = Qt::Key_Backspace;
            text.clear();
        }
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(edit, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(edit, &release);
    }
}

void PressKey(QLineEdit* edit, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(edit, &press);
}

QString Typed(void (*filter)(QLineEdit*, char&), const QString& keys)
{
    QLineEdit edit;
    SetKeyFilter(&edit, filter);
    Type(&edit, keys);
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
    // Digits only.
    EXPECT_EQ(Typed(DigitKeyPress, "12.5-a\b3"), "123");
    // Control characters other than Backspace are discarded.
    EXPECT_EQ(Typed(DigitKeyPress, QString("1") + QChar(1) + QChar(22) + "2"), "12");
}

TEST(KeyFilters, NavigationKeysPassSoAMinusCanBeTypedInFront)
{
    QLineEdit edit;
    SetKeyFilter(&edit, SignedDecimalKeyPress);
    Type(&edit, "12");
    PressKey(&edit, Qt::Key_Home);
    Type(&edit, "-");
    PressKey(&edit, Qt::Key_End);
    Type(&edit, ".5");
    EXPECT_EQ(edit.text(), "-12.5");
}

TEST(GetEditValue, ConvertsTrimmedTextAndNamesTheFieldOnFailure)
{
    MessageRecorder messages;
    QLineEdit edit;
    bool ok = false;

    edit.setText(" 2.5 ");
    EXPECT_EQ(GetEditValue(&edit, "Density", ok), 2.5);
    EXPECT_TRUE(ok);
    edit.setText("1E-5");  // put there by the program: 'E' cannot be typed
    EXPECT_EQ(GetEditValue(&edit, "Density", ok), 0.00001);
    EXPECT_TRUE(ok);
    edit.setText("-12");
    EXPECT_EQ(GetEditValue(&edit, "Density", ok), -12);
    EXPECT_TRUE(ok);

    const QStringList bad = {"", "   ", ".", "-", "5-", "inf", "nan", "0x10", "1e999", "1.2.3", "2,5", "12abc"};
    for (int i = 0; i < bad.size(); ++i)
        messages.Expect("The input of Density is not correct. Please try it again!", "Input Error");
    for (const QString& text : bad) {
        edit.setText(text);
        ok = true;
        EXPECT_EQ(GetEditValue(&edit, "Density", ok), 0) << text.toStdString();
        EXPECT_FALSE(ok) << text.toStdString();
    }
    ASSERT_EQ(messages.Shown.size(), static_cast<size_t>(bad.size()));
    EXPECT_EQ(messages.Shown.back().Flags, MB_OK);
    EXPECT_TRUE(messages.AllConsumed());
}

TEST(GetEditValue, QuietVariantShowsNothing)
{
    MessageRecorder messages;  // any box would fail the test
    QLineEdit edit;
    bool ok = false;
    edit.setText("\t0.65 ");
    EXPECT_EQ(GetEditValueQuiet(&edit, ok), 0.65);
    EXPECT_TRUE(ok);
    for (const char* text : {"", "abc", "1e999", "nan"}) {
        edit.setText(text);
        ok = true;
        EXPECT_EQ(GetEditValueQuiet(&edit, ok), 0) << text;
        EXPECT_FALSE(ok) << text;
    }
    EXPECT_TRUE(messages.Shown.empty());
}

TEST(ControlColumns, MicroPanelBuildsItsEightControlsOnTheGivenPanel)
{
    QWidget first;
    QWidget second;
    TMicroPanel column(&first, 1);
    TMicroPanel other(&second, 2);  // names repeat only across panels

    ASSERT_TRUE(column.Label);
    EXPECT_EQ(column.Label->text(), "Layer1");
    EXPECT_EQ(other.Label->text(), "Layer2");
    EXPECT_EQ(column.Label->geometry(), QRect(3, 3, 80, 20));
    EXPECT_EQ(column.Label->objectName(), "Label");
    for (QComboBox* box : {column.InnerContactBox.data(), column.OuterContactBox.data()}) {
        ASSERT_TRUE(box);
        EXPECT_EQ(box->parentWidget(), &first);
        ASSERT_EQ(box->count(), 2);
        EXPECT_EQ(box->itemText(0), "true");
        EXPECT_EQ(box->itemText(1), "false");
        EXPECT_EQ(box->currentText(), "true");
    }
    EXPECT_EQ(column.InnerContactBox->geometry(), QRect(0, 21, 80, 20));
    EXPECT_EQ(column.OuterContactBox->geometry(), QRect(0, 42, 80, 20));
    const auto edits = column.CoefficientEdits();
    const char* names[] = {"Hc0Edit", "Hc1Edit", "Hm0Edit", "Hm1Edit", "HphEdit"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(edits[i]->geometry(), QRect(0, 63 + 21 * i, 80, 20)) << i;
        EXPECT_EQ(edits[i]->text(), "");
        EXPECT_EQ(edits[i]->objectName(), names[i]);
        EXPECT_EQ(edits[i]->parentWidget(), &first);
    }
    EXPECT_EQ(first.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 8);
    EXPECT_EQ(second.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 8);
}

TEST(ControlColumns, ControlLayerPanelBuildsTitleAndThreeEdits)
{
    QWidget panel;
    TControlLayerPanel column(&panel, 3);
    EXPECT_EQ(column.Label->text(), "Stage3");
    EXPECT_EQ(column.Label->geometry(), QRect(6, 3, 80, 20));
    EXPECT_EQ(panel.findChild<QLabel*>("Label"), column.Label);
    EXPECT_EQ(panel.findChild<QLineEdit*>("CoverEdit"), column.CoverEdit);
    EXPECT_EQ(panel.findChild<QLineEdit*>("RatioHeatEdit"), column.RatioHeatEdit);
    EXPECT_EQ(panel.findChild<QLineEdit*>("RatioMassEdit"), column.RatioMassEdit);
    EXPECT_EQ(column.CoverEdit->geometry(), QRect(0, 21, 80, 20));
    EXPECT_EQ(column.RatioHeatEdit->geometry(), QRect(0, 42, 80, 20));
    EXPECT_EQ(column.RatioMassEdit->geometry(), QRect(0, 63, 80, 20));
    EXPECT_EQ(column.CoverEdit->text(), "");
}

TEST(ControlColumns, ColumnsDeleteTheirControlsAndSurviveTheirPanel)
{
    QWidget panel;
    {
        TMicroPanel column(&panel, 1);
        TControlLayerPanel stage(&panel, 1);
        EXPECT_EQ(panel.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 12);
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
