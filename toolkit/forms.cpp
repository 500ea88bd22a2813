#include "toolkit/forms.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace {
QWidget* mainForm = nullptr;
ModalHook modalHook;

// Where a window of this size goes so that it lies inside the area: moved in as little as
// needed, and on a side where it is larger than the area, to the area's start (left, top), so
// that its title bar and its top-left controls can be reached.
QPoint InsideArea(const QPoint& at, const QSize& size, const QRect& area)
{
    auto axis = [](int pos, int length, int start, int room) { return std::max(start, std::min(pos, start + room - length)); };
    return {axis(at.x(), size.width(), area.x(), area.width()), axis(at.y(), size.height(), area.y(), area.height())};
}
} // namespace

void SetMainForm(QWidget* form) { mainForm = form; }
QWidget* MainForm() { return mainForm; }

ModalHook SetModalHook(ModalHook hook)
{
    ModalHook previous = std::move(modalHook);
    modalHook = std::move(hook);
    return previous;
}

TForm::TForm(QWidget* owner) : QDialog(owner)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

void TForm::SetClientSize(int width, int height)
{
    setFixedSize(width, height);
}

void TForm::SetSizeable(bool sizeable)
{
    if (sizeable) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        setFixedSize(size());
    }
}

void TForm::SetStayOnTop(bool onTop)
{
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
}

void TForm::ApplyPosition()
{
    switch (Position) {
    case TPosition::Designed:
        break;
    case TPosition::ScreenCenter:
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->geometry();
            move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
        }
        break;
    case TPosition::MainFormCenter:
        // Centred on the main window's size alone, which can put a window larger than the main
        // window above or left of the screen: it is kept inside the screen's available area.
        if (mainForm) {
            QPoint at((mainForm->width() - width()) / 2, (mainForm->height() - height()) / 2);
            if (QScreen* screen = mainForm->screen())
                at = InsideArea(at, frameGeometry().size(), screen->availableGeometry());
            move(at);
        }
        break;
    }
}

void TForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        ApplyPosition();
        FormShow();
    }
}

void TForm::closeEvent(QCloseEvent* event)
{
    FormClose();
    // The dialog's own close handling ends a run through reject(); here that must only end it.
    InCloseEvent = true;
    QDialog::closeEvent(event);
    InCloseEvent = false;
}

void TForm::reject()
{
    // Escape arrives here: it takes the close box's path, so the window's close steps run.
    if (InCloseEvent)
        QDialog::reject();
    else
        close();
}

int TForm::ShowModal()
{
    // A window already shown modeless is hidden first: it then comes back modal, placed and
    // prepared by its show handler like any other opening, instead of staying modeless.
    if (isVisible())
        hide();
    Result = mrNone;
    InModalRun = true;
    if (modalHook) {
        ModalHook hook = modalHook;  // the hook may replace itself while it runs
        show();
        const int hooked = hook(*this);
        if (Result == mrNone)
            Result = hooked;
        if (isVisible())
            hide();
    } else {
        InExec = true;
        setModal(true);
        exec();
        InExec = false;
        if (Result == mrNone)
            Result = mrCancel;
    }
    InModalRun = false;
    return Result;
}

void TForm::Show()
{
    setModal(false);
    show();
    raise();
    activateWindow();
}

void TForm::Close()
{
    close();
}

void TForm::SetModalResult(int result)
{
    Result = result;
    if (result != mrNone && InModalRun) {
        if (InExec)
            QDialog::done(result);
        else
            hide();
    }
}

void TForm::EndWith(int result)
{
    if (Modal())
        SetModalResult(result);
    else
        Close();
}

void TForm::done(int result)
{
    // reject() (Escape, the title bar's close) arrives here with 0, after the close steps ran.
    if (Result == mrNone)
        Result = result == QDialog::Accepted ? mrOk : (result == QDialog::Rejected ? mrCancel : result);
    if (InModalRun && !InExec) {
        hide();
        return;
    }
    QDialog::done(result);
}
