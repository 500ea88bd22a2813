#pragma once
// Every GUI test starts from the application as it starts: a fresh case and fresh windows, so no
// test sees what another one left behind.
#include <gtest/gtest.h>

#include <QString>
#include <functional>
#include <string>
#include <vector>

class QWidget;

// Destroys the application's windows, if any, and creates all of them anew.
void FreshApplicationWindows();

// Loads a case text through the main window's Load, as a user would: written to path, chosen in
// the (scripted) file dialog; the success message is expected. False when it did not load.
bool LoadCaseThroughTheMainWindow(const std::string& text, const QString& path);

class QListWidget;
class TForm;
// Runs `open`, which shows `form` modally (itself or through a handler), and `script` while the
// form is shown; the run returns mrNone unless the script ends it. The form's modal result.
int RunModal(TForm* form, const std::function<void()>& open, const std::function<void()>& script);

// Runs `command` and returns the forms it showed modally, in order; each is cancelled at once,
// after `script` ran in it when one is given.
std::vector<TForm*> ModalsOpenedBy(const std::function<void()>& command,
                                   const std::function<void(TForm&)>& script = {});

// Clicks a row of a list as the mouse does: it becomes current, then the click is reported.
void ClickItem(QListWidget* list, int row);

// What a refused edit says, naming its field.
inline QString InputError(const QString& field)
{
    return "The input of " + field + " is not correct. Please try it again!";
}

// Finds a child control by its name (fails the test when there is none).
template <class T>
T* Control(QWidget* window, const QString& name);

class AppTest : public ::testing::Test {
protected:
    void SetUp() override { FreshApplicationWindows(); }
};

#include <QWidget>

template <class T>
T* Control(QWidget* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << "no control named " << name.toStdString();
    return found;
}
