#pragma once

// Creates the application's windows and, when runLoop is set, runs the message loop until the
// main window closes; then releases the windows (the case last). Returns the exit status: 1 when
// the windows could not be created (a run-time picture is missing), after telling the user why.
int RunApplication(bool runLoop);
