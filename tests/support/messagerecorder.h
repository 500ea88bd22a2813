#pragma once
// Stands in for the message service during a test: answers the boxes it was told to expect,
// in order, and fails the test on any box it did not expect.
#include <QString>
#include <deque>
#include <vector>

#include "toolkit/messages.h"

struct ShownMessage {
    QString Text;
    QString Caption;
    int Flags = 0;
};

class MessageRecorder : public MessageService {
public:
    MessageRecorder();
    ~MessageRecorder() override;

    // The next box must show this text (and this caption, unless it is empty); answer it so.
    MessageRecorder& Expect(const QString& text, const QString& caption = QString(), int answer = IDOK);
    // Accept any boxes from now on, answering each with `answer`.
    void AllowAny(int answer = IDOK) { AnyAnswer = answer; AllowAll = true; }
    bool AllConsumed() const { return Expected.empty(); }

    std::vector<ShownMessage> Shown;

    int MessageBox(const QString& text, const QString& caption, int flags) override;
    void ShowMessage(const QString& text) override;
    void ShowException(const QString& text) override;

private:
    struct Expectation {
        QString Text;
        QString Caption;
        int Answer;
    };
    int Answer(const QString& text, const QString& caption, int flags);
    std::deque<Expectation> Expected;
    MessageService* Previous;
    bool AllowAll = false;
    int AnyAnswer = IDOK;
};

// For the whole test program: a message box that no recorder is there to answer, or a modal
// run that no modal hook drives, fails the running test at once, naming the box's text or the
// window, and is answered with its safe default (No, Cancel, or OK where that is the only
// button; a modal window gets mrCancel), so that nothing waits for a user who is not there.
void InstallUnscriptedGuards();
