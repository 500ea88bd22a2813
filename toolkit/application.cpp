#include "toolkit/application.h"

#include <clocale>

#include "toolkit/messages.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    UseCNumericLocale();
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ReportEscapedError(std::current_exception());
        return true;
    }
}

void UseCNumericLocale()
{
    std::setlocale(LC_NUMERIC, "C");
}

void ReportEscapedError(std::exception_ptr error)
{
    QString text;
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        text = QString::fromUtf8(e.what());
    } catch (...) {
        text.clear();  // an escaping object that is not an error shows an empty message
    }
    ShowException(text);
}

namespace {
QString assetRoot;
} // namespace

void SetAssetRoot(const QString& folder)
{
    assetRoot = folder;
    if (!assetRoot.isEmpty() && !assetRoot.endsWith('/'))
        assetRoot += '/';
}

QString AppDir()
{
    QString dir = QCoreApplication::applicationDirPath();
    if (!dir.endsWith('/'))
        dir += '/';
    return dir;
}

QString AssetPath(const QString& relative)
{
    return (assetRoot.isEmpty() ? AppDir() : assetRoot) + relative;
}
