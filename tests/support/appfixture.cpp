#include "tests/support/appfixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QListWidget>

#include "app/furfea.h"
#include "app/windows.h"
#include "toolkit/forms.h"
#include "tests/support/messagerecorder.h"
#include "tests/support/scripted.h"

void FreshApplicationWindows()
{
    if (FurFea)
        DestroyApplicationWindows();
    // Deferred deletions of the old windows must not reach the new ones.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    CreateApplicationWindows();
}

bool LoadCaseThroughTheMainWindow(const std::string& text, const QString& path)
{
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write(text.data(), static_cast<qint64>(text.size()));
    }
    ScriptedFileDialogs dialogs;
    dialogs.Answer(path);
    MessageRecorder messages;
    messages.Expect("Data file has been loaded successfully!", "Information");
    FurFea->Load1Click();
    return messages.AllConsumed();
}

int RunModal(TForm* form, const std::function<void()>& open, const std::function<void()>& script)
{
    ScopedModalHook hook([&](TForm& shown) {
        if (&shown == form)
            script();
        return int(mrNone);
    });
    open();
    return form->ModalResult();
}

std::vector<TForm*> ModalsOpenedBy(const std::function<void()>& command, const std::function<void(TForm&)>& script)
{
    std::vector<TForm*> opened;
    ScopedModalHook hook([&](TForm& form) {
        opened.push_back(&form);
        if (script)
            script(form);
        return int(mrCancel);
    });
    command();
    return opened;
}

void ClickItem(QListWidget* list, int row)
{
    list->setCurrentRow(row);
    emit list->itemClicked(list->item(row));
}
