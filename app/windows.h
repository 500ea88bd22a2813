#pragma once
// The application's windows, created at start-up in a fixed order with the main window first.
#include <cstddef>
#include <functional>
#include <vector>

class QWidget;

// Creates the main window, hands it to mainReady (start-up shows it there, so it appears before
// the dialogs are built), then creates the other windows in order.
void CreateApplicationWindows(const std::function<void(QWidget* main)>& mainReady = {});
void DestroyApplicationWindows();
// How many windows the application has, and the windows in creation order (null before
// creation).
std::size_t ApplicationWindowCount();
std::vector<QWidget*> ApplicationWindows();
