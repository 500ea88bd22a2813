#include "wearer/comfortpfrm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/commonfuc.h"
#include "app/workflow.h"
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
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Default);
    buttons->addStretch(1);
    buttons->addWidget(btnExit);
    buttons->addWidget(BitBtn1);

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
    auto* site = new QGroupBox(core ? "Fire Rate of Core" : "Fire Rate of Skin", this);
    auto* siteLayout = new QVBoxLayout(site);
    siteLayout->setContentsMargins(8, 6, 8, 8);
    siteLayout->setSpacing(6);
    for (bool warm : {true, false}) {
        auto* box = new QGroupBox(warm ? "Warm" : "Cold", site);
        auto* grid = new QGridLayout(box);
        grid->setContentsMargins(8, 4, 8, 6);
        grid->setHorizontalSpacing(8);
        grid->setVerticalSpacing(4);
        QStringList rows = {"K_static", "Constant"};
        if (!core)
            rows = warm ? QStringList{"K_static:", "K_dynamc:", "Constant"}
                        : QStringList{"K_static", "K_dynamc", "Constant"};
        for (int r = 0; r < rows.size(); ++r)
            grid->addWidget(new QLabel(rows[r], box), r + 1, 0);
        for (int slot = 0; slot < FiringRateSlotCount; ++slot) {
            const FiringRateSlot& s = FiringRateSlots[slot];
            if (s.Core != core || s.Warm != warm)
                continue;
            if (s.Row == 0)
                grid->addWidget(new QLabel(s.Range, box), 0, s.Column + 1, Qt::AlignHCenter);
            auto* edit = new QLineEdit(box);
            edit->setObjectName(s.EditName);
            edit->setFixedWidth(76);
            if (s.Column == 0)
                SetOnKeyPress(edit, [this, edit](char& key) { Warm_Skin_KsText1KeyPress(edit, key); });
            SlotEdits[static_cast<std::size_t>(slot)] = edit;
            grid->addWidget(edit, s.Row + 1, s.Column + 1);
        }
        grid->setColumnStretch(0, 1);
        siteLayout->addWidget(box);
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
    if (Modal())
        SetModalResult(mrOk);
    else
        Close();
}

void TComfortPFrm::BitBtn1Click()
{
    if (Modal())
        SetModalResult(mrNo);
    else
        Close();
}
