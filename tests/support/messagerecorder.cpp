#include "tests/support/messagerecorder.h"

#include <gtest/gtest.h>

#include "toolkit/forms.h"

MessageRecorder::MessageRecorder() : Previous(SetMessageService(this)) {}

MessageRecorder::~MessageRecorder()
{
    SetMessageService(Previous);
    for (const Expectation& e : Expected)
        ADD_FAILURE() << "expected message never shown: \"" << e.Text.toStdString() << "\"";
}

MessageRecorder& MessageRecorder::Expect(const QString& text, const QString& caption, int answer)
{
    Expected.push_back({text, caption, answer});
    return *this;
}

int MessageRecorder::Answer(const QString& text, const QString& caption, int flags)
{
    Shown.push_back({text, caption, flags});
    if (Expected.empty()) {
        if (!AllowAll) {
            ADD_FAILURE() << "unexpected message: \"" << text.toStdString() << "\" (caption \""
                          << caption.toStdString() << "\")";
        }
        return AnyAnswer;
    }
    Expectation e = Expected.front();
    Expected.pop_front();
    EXPECT_EQ(e.Text.toStdString(), text.toStdString());
    if (!e.Caption.isEmpty()) {
        EXPECT_EQ(e.Caption.toStdString(), caption.toStdString()) << "caption of \"" << text.toStdString() << "\"";
    }
    return e.Answer;
}

int MessageRecorder::MessageBox(const QString& text, const QString& caption, int flags)
{
    return Answer(text, caption, flags);
}

void MessageRecorder::ShowMessage(const QString& text) { Answer(text, QString(), MB_OK); }

void MessageRecorder::ShowException(const QString& text) { Answer(text, "Exception", MB_OK); }

namespace {

class UnscriptedMessages : public MessageService {
public:
    int MessageBox(const QString& text, const QString& caption, int flags) override
    {
        Fail(text, caption);
        const int buttons = flags & 0xF;
        if (buttons == MB_YESNO)
            return IDNO;
        return buttons == MB_OK ? IDOK : IDCANCEL;
    }
    void ShowMessage(const QString& text) override { Fail(text, QString()); }
    void ShowException(const QString& text) override { Fail(text, "Exception"); }

private:
    static void Fail(const QString& text, const QString& caption)
    {
        ADD_FAILURE() << "unscripted message box: \"" << text.toStdString() << "\" (caption \""
                      << caption.toStdString() << "\")";
    }
};

} // namespace

void InstallUnscriptedGuards()
{
    static UnscriptedMessages messages;
    SetMessageService(&messages);
    SetModalHook([](TForm& form) {
        ADD_FAILURE() << "unscripted modal window: " << form.objectName().toStdString() << " \""
                      << form.windowTitle().toStdString() << "\"";
        return int(mrCancel);
    });
}
