#pragma once
// The application's windows, created at start-up in a fixed order with the main window first.
#include <vector>

class QWidget;

void CreateApplicationWindows();
void DestroyApplicationWindows();
// The 43 windows in creation order.
std::vector<QWidget*> ApplicationWindows();
