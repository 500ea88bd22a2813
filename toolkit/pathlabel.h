#pragma once
// A label that shows a path: whole when it fits, otherwise shortened in the middle so that its
// start and its file name stay readable, with the whole path as the label's tooltip. The path
// is shortened again whenever the label's width changes, so it may sit in a layout.
#include <QString>

class QLabel;

// Shows prefix followed by path; only the path is shortened.
void ShowPath(QLabel* label, const QString& prefix, const QString& path);
