#pragma once
// The application's windows, created in a fixed order with the main window first.
#include <cstddef>
#include <functional>
#include <vector>

class QWidget;
class TFrmMain;

// When the windows after the main one are built.
enum class TWindowBuild {
    AtOnce,    // before CreateApplicationWindows returns
    WhenIdle,  // one per pass of the event loop, shortly after the main window appears, so the
               // user's input is answered while they are built
};

// Checks the run-time pictures that windows decode later, creates the main window, hands it to
// mainReady (start-up shows it there, so it appears before the dialogs are built), then builds
// the other windows in order, at once or while the event loop is idle. Throws, with no window
// left, when a picture is missing.
void CreateApplicationWindows(const std::function<void(QWidget* main)>& mainReady = {},
                              TWindowBuild build = TWindowBuild::AtOnce);
// Builds at once every window not built yet. The main window's handlers call it before they
// reach another window. False when a window could not be built: the error has been shown and the
// event loop told to end with status 1.
bool CompleteApplicationWindows();
void DestroyApplicationWindows();
// How many windows the application has, and the windows in creation order, every one of them
// built (null before creation).
std::size_t ApplicationWindowCount();
std::vector<QWidget*> ApplicationWindows();

// A further 3D player: "Animation" and the visualise command make a new one at each use. It
// becomes the player the registry holds (the newest one) and deletes itself when it closes.
TFrmMain* CreateFurtherPlayer();
