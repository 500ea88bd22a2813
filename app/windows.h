#pragma once
// The application's windows, created at start-up in a fixed order with the main window first.
#include <cstddef>
#include <vector>

class QWidget;

void CreateApplicationWindows();
void DestroyApplicationWindows();
// How many windows the application has, and the windows in creation order (null before
// creation).
std::size_t ApplicationWindowCount();
std::vector<QWidget*> ApplicationWindows();
