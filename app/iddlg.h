#pragma once
#include "dialogbase/namedlg.h"

// Asks for an ID; the edit is empty at every show.
class TIDDlg : public TPromptDlg {
    Q_OBJECT
public:
    explicit TIDDlg(QWidget* owner = nullptr);
};

extern TIDDlg* IDDlg;
