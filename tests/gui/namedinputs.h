#pragma once
// Tables of a record dialog's numeric edits for tests that check where each value goes: every
// edit gets a value of its own, unlike its default and every other edit's, so that two fields
// read or shown under each other's names cannot pass.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QStringList>
#include <functional>
#include <vector>

#include "casemodel/numformat.h"
#include "tests/support/appfixture.h"
#include "tests/support/messagerecorder.h"

template <class Record>
struct NamedInput {
    const char* Edit;  // the control's name
    const char* Value;
    double Record::*Field;
    const char* Name;    // in the refusal's message
    double Shown = 1;    // the typed value is the stored one times this
};

// Types the inputs from the `from`-th on (so that what an earlier one derives is typed over).
template <class Record, std::size_t N>
void TypeInputs(QWidget* form, const NamedInput<Record> (&inputs)[N], std::size_t from = 0)
{
    for (std::size_t i = from; i < N; ++i)
        Control<QLineEdit>(form, inputs[i].Edit)->setText(inputs[i].Value);
}

template <class Record, std::size_t N>
void ExpectStored(const Record& record, const NamedInput<Record> (&inputs)[N])
{
    for (const NamedInput<Record>& in : inputs)
        EXPECT_EQ(FloatToStr(record.*in.Field * in.Shown), in.Value) << in.Edit;
}

template <class Record, std::size_t N>
void ExpectShown(QWidget* form, const NamedInput<Record> (&inputs)[N])
{
    for (const NamedInput<Record>& in : inputs)
        EXPECT_EQ(Control<QLineEdit>(form, in.Edit)->text(), in.Value) << in.Edit;
}

// What spoils a sound input, and the messages that then come, in order.
struct Refusal {
    std::function<void()> Spoil;
    QStringList Messages;
};

// One refusal per input: its edit emptied (those after it typed again), and the messages of its name.
template <class Record, std::size_t N>
void AddEmptiedInputs(std::vector<Refusal>& refusals, QWidget* form, const NamedInput<Record> (&inputs)[N],
                      const std::function<QStringList(const QString&)>& messages =
                          [](const QString& name) { return QStringList{InputError(name)}; })
{
    for (std::size_t i = 0; i < N; ++i)
        refusals.push_back({[form, &inputs, i] {
                                Control<QLineEdit>(form, inputs[i].Edit)->clear();
                                TypeInputs(form, inputs, i + 1);
                            },
                            messages(inputs[i].Name)});
}

// Each refusal the only fault of the input `fill` makes: `press` shows its messages, and then
// `unchanged` checks that nothing was stored.
inline void ExpectRefusals(const std::function<void()>& fill, const std::vector<Refusal>& refusals,
                           const std::function<void()>& press, const std::function<void()>& unchanged)
{
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.Messages.join(" / ").toStdString());
        fill();
        r.Spoil();
        MessageRecorder messages;
        for (const QString& m : r.Messages)
            messages.Expect(m);
        press();
        EXPECT_TRUE(messages.AllConsumed());
        unchanged();
    }
}
