// main() of the gui and gl test programs: one application object for every test.
#include <gtest/gtest.h>

#include <QByteArray>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <unistd.h>

#include "tests/support/messagerecorder.h"
#include "toolkit/application.h"

namespace {

// Where the program runs, for the log of a run that dies: the display it was given and the
// platform plugin it asked for. Written at start, so the abort handler only copies it out.
char Where[256] = "";

void SayWhere()
{
    std::snprintf(Where, sizeof Where, "DISPLAY=%s QT_QPA_PLATFORM=%s", qgetenv("DISPLAY").constData(),
                  qgetenv("QT_QPA_PLATFORM").constData());
}

// Qt's own text comes first; a fatal or critical one also names the display, since the usual
// cause of a test that dies before it starts is an X server that is gone or refuses us.
void LogQtMessage(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    const bool severe = type == QtFatalMsg || type == QtCriticalMsg;
    std::fprintf(stderr, "%s%s%s%s\n", text.toLocal8Bit().constData(), severe ? " [" : "", severe ? Where : "",
                 severe ? "]" : "");
    std::fflush(stderr);
}

void OnAbort(int)
{
    static const char head[] = "test program aborted; ";
    [[maybe_unused]] ssize_t n = write(STDERR_FILENO, head, sizeof head - 1);
    n = write(STDERR_FILENO, Where, std::strlen(Where));
    n = write(STDERR_FILENO, "\n", 1);
    std::signal(SIGABRT, SIG_DFL);
    std::raise(SIGABRT);
}

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests (ctest does it while building) needs no display.
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    SayWhere();
    std::signal(SIGABRT, OnAbort);
    qInstallMessageHandler(LogQtMessage);
    TApplication app(argc, argv);
    app.setApplicationName("Vantora");
    InstallUnscriptedGuards();
    return RUN_ALL_TESTS();
}
