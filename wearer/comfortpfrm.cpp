#include "wearer/comfortpfrm.h"

#include "wearer/firingrategrid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogbase/commonfuc.h"
#include "dialogbase/workflow.h"
#include "casemodel/numformat.h"
#include "toolkit/application.h"
#include "toolkit/keyfilter.h"
#include "toolkit/messages.h"

TComfortPFrm* ComfortPFrm = nullptr;

namespace {

// The one place this dialog reaches the case.
FiringRateCoefficients& CaseRates() { return TheCase().FiringRate; }

} // namespace

TComfortPFrm::TComfortPFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("ComfortPFrm");
    SetCaption("Comfort Parameters");

    auto* groups = new QHBoxLayout;
    groups->setSpacing(10);
    groups->addWidget(BuildSiteGroup(false));
    groups->addWidget(BuildSiteGroup(true), 0, Qt::AlignTop);

    btnExit = MakeDialogButton(this, "btnExit", "Exit");
    btnExit->setDefault(true);
    Default = MakeDialogButton(this, "Default", "Default");
    BitBtn1 = MakeDialogButton(this, "BitBtn1", "Help");
    auto* buttons = MakeButtonRow({Default}, {btnExit, BitBtn1});

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(10, 10, 10, 10);
    main->setSpacing(10);
    main->addLayout(groups, 1);
    main->addLayout(buttons);

    connect(btnExit, &QPushButton::clicked, this, Guard([this] { btnExitClick(); }));
    connect(Default, &QPushButton::clicked, this, Guard([this] { DefaultClick(); }));
    connect(BitBtn1, &QPushButton::clicked, this, Guard([this] { BitBtn1Click(); }));

    SetClientSize(sizeHint().width(), sizeHint().height());
    SetPosition(TPosition::MainFormCenter);
}

QWidget* TComfortPFrm::BuildSiteGroup(bool core)
{
    const QStringList coreRows = {"K_static", "Constant"};
    QGroupBox* site = BuildFiringRateSite(this, core, core ? coreRows : QStringList{"K_static:", "K_dynamc:", "Constant"},
                                          core ? coreRows : QStringList{"K_static", "K_dynamc", "Constant"}, SlotEdits);
    // The first column of every box takes a minus sign.
    for (int slot = 0; slot < FiringRateSlotCount; ++slot) {
        QLineEdit* edit = SlotEdits[static_cast<std::size_t>(slot)];
        if (FiringRateSlots[slot].Core == core && FiringRateSlots[slot].Column == 0)
            SetOnKeyPress(edit, [this, edit](char& key) { Warm_Skin_KsText1KeyPress(edit, key); });
    }
    return site;
}

void TComfortPFrm::Warm_Skin_KsText1KeyPress(QLineEdit* sender, char& key) { SignedDecimalKeyPress(sender, key); }

void TComfortPFrm::DefaultClick()
{
    for (int slot = 0; slot < FiringRateSlotCount; ++slot)
        SlotEdits[static_cast<std::size_t>(slot)]->setText(
            QString::fromStdString(FloatToStr(FiringRateSlots[slot].Default)));
}

bool TComfortPFrm::GetValue()
{
    FiringRateCoefficients rates;
    for (int slot = 0; slot < FiringRateSlotCount; ++slot) {
        bool ok = false;
        rates[slot] = GetEditValueQuiet(SlotEdits[static_cast<std::size_t>(slot)], ok);
        if (!ok) {
            AppMessageBox("Input Error!", "Input Error", MB_OK);
            return false;
        }
    }
    CaseRates() = rates;
    return true;
}

void TComfortPFrm::btnExitClick()
{
    if (!GetValue())
        return;
    EndWith(mrOk);
}

void TComfortPFrm::BitBtn1Click()
{
    EndWith(mrNo);
}
