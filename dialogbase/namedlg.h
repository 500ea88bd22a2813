#pragma once
// The name dialog that the fabric, fibre and membrane dialogs open to ask for the name of a new
// record, and the prompt layout it shares with the ID dialog.
#include "toolkit/forms.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// A framed prompt with one edit above OK and Cancel; the edit is emptied at every show, so each
// use starts afresh.
class TPromptDlg : public TForm {
    Q_OBJECT
public:
    TPromptDlg(QWidget* owner, const QString& prompt, int clientWidth, int clientHeight);

    QFrame* Bevel1;
    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* OKBtn;      // default button, modal result OK
    QPushButton* CancelBtn;  // Escape, modal result Cancel

    void OKBtnClick();
    void CancelBtnClick() {}  // the modal result alone ends the run

protected:
    void FormShow() override;
};

class TNameDlg : public TPromptDlg {
    Q_OBJECT
public:
    explicit TNameDlg(QWidget* owner = nullptr);
    // The name typed, trimmed; read it when ShowModal returned mrOk.
    QString Name() const;
};

extern TNameDlg* NameDlg;

// Asks with the name dialog for the name of a new record until one is given: an empty name asks
// again, and so does a name holding "$" or a line break (which the case file cannot carry),
// after saying so. False when the user cancels.
bool AskRecordName(QString& name);
