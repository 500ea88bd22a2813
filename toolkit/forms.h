#pragma once
// The form base: modal run returning a modal result, modeless show, close, caption, client size
// and the two placement rules. Modal runs go through one replaceable hook so tests can drive a
// dialog that a handler opens modally.
#include <QDialog>
#include <QRect>
#include <functional>
#include <utility>

enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5,
                    mrYes = 6, mrNo = 7 };

enum class TPosition {
    Designed,        // stays where it is put
    ScreenCenter,    // centred on the screen by the window's own settings
    MainFormCenter,  // left = (main width - own width) / 2, top likewise, without the main's position,
                     // then moved inside the screen's available area (its top-left corner when larger)
};

class TForm : public QDialog {
    Q_OBJECT
public:
    explicit TForm(QWidget* owner = nullptr);

    void SetCaption(const QString& caption) { setWindowTitle(caption); }
    QString Caption() const { return windowTitle(); }
    // Fixed client size (the window cannot be resized unless SetSizeable is called afterwards).
    void SetClientSize(int width, int height);
    void SetSizeable(bool sizeable);
    void SetPosition(TPosition position) { Position = position; }
    void SetStayOnTop(bool onTop);

    // Runs the form modally (or through the installed hook) and returns its modal result.
    int ShowModal();
    // Shows the form modeless.
    void Show();
    // Closes the form; a modal run ends with mrCancel unless a result was set.
    void Close();
    bool Modal() const { return InModalRun; }

    int ModalResult() const { return Result; }
    // Setting a result other than mrNone ends a modal run.
    void SetModalResult(int result);
    // Ends the form: a modal run returns the result, a form shown modeless closes.
    void EndWith(int result);

    void done(int result) override;
    // Escape: does what the close box does (FormClose, then the window closes).
    void reject() override;

protected:
    // Runs when the form is shown, after placement (the toolkit's OnShow).
    virtual void FormShow() {}
    // Runs when the form closes (the toolkit's OnClose).
    virtual void FormClose() {}
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ApplyPosition();
    TPosition Position = TPosition::Designed;
    int Result = mrNone;
    bool InModalRun = false;
    bool InExec = false;
    bool InCloseEvent = false;
};

// A control under its own name (its object name, which tests find it by), placed at a fixed
// rectangle of its parent unless the rectangle is null (a layout places it then).
template <class T>
T* Named(T* control, const char* name, const QRect& place)
{
    control->setObjectName(name);
    if (!place.isNull())
        control->setGeometry(place);
    return control;
}

// Makes the control (its constructor's other arguments before the parent) and names it.
template <class T, class... Args>
T* Make(QWidget* parent, const char* name, const QRect& place, Args&&... args)
{
    return Named(new T(std::forward<Args>(args)..., parent), name, place);
}

// The main window, for the main-window-size placement rule and as the owner of dialogs.
void SetMainForm(QWidget* form);
QWidget* MainForm();

// The hook receives the form after it has been shown and returns the modal result.
using ModalHook = std::function<int(TForm&)>;
ModalHook SetModalHook(ModalHook hook);

// Installs a modal hook for the life of the object.
class ScopedModalHook {
public:
    explicit ScopedModalHook(ModalHook hook) : Previous(SetModalHook(std::move(hook))) {}
    ~ScopedModalHook() { SetModalHook(std::move(Previous)); }
    ScopedModalHook(const ScopedModalHook&) = delete;
    ScopedModalHook& operator=(const ScopedModalHook&) = delete;

private:
    ModalHook Previous;
};
