#include "dialogbase/namedlg.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "toolkit/application.h"
#include "toolkit/messages.h"

TNameDlg* NameDlg = nullptr;

TPromptDlg::TPromptDlg(QWidget* owner, const QString& prompt, int clientWidth, int clientHeight)
    : TForm(owner)
{
    SetClientSize(clientWidth, clientHeight);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, clientWidth - 16, 82);

    Label1 = new QLabel(prompt, this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(20, 20, clientWidth - 40, 18);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit1->setGeometry(20, 44, clientWidth - 40, 24);

    // Two 75-pixel buttons 8 pixels apart, centred below the frame.
    const int buttonsLeft = (clientWidth - 158) / 2;
    const int buttonsTop = clientHeight - 36;
    OKBtn = new QPushButton("OK", this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setGeometry(buttonsLeft, buttonsTop, 75, 25);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton("Cancel", this);
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setGeometry(buttonsLeft + 83, buttonsTop, 75, 25);
    CancelBtn->setAutoDefault(false);

    connect(OKBtn, &QPushButton::clicked, this, Guard([this] { OKBtnClick(); }));
    connect(CancelBtn, &QPushButton::clicked, this, Guard([this] {
        CancelBtnClick();
        SetModalResult(mrCancel);
    }));
}

void TPromptDlg::OKBtnClick()
{
    SetModalResult(mrOk);
}

void TPromptDlg::FormShow()
{
    Edit1->clear();
    Edit1->setFocus();
}

TNameDlg::TNameDlg(QWidget* owner) : TPromptDlg(owner, "Please input a name ", 228, 138)
{
    setObjectName("NameDlg");
    SetCaption("Dialog");
    // Centred on the main window's size whenever it is shown.
    SetPosition(TPosition::MainFormCenter);
}

QString TNameDlg::Name() const
{
    return Edit1->text().trimmed();
}

bool AskRecordName(QString& name)
{
    for (;;) {
        if (NameDlg->ShowModal() != mrOk)
            return false;
        const QString typed = NameDlg->Name();
        if (typed.isEmpty())
            continue;
        if (typed.contains('$') || typed.contains('\r') || typed.contains('\n')) {
            AppMessageBox("The name can not hold \"$\" or a line break. Please try it again!", "Input Error",
                          MB_OK);
            continue;
        }
        name = typed;
        return true;
    }
}
