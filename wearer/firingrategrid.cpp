#include "wearer/firingrategrid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

QGroupBox* BuildFiringRateSite(QWidget* parent, bool core, const QStringList& warmRows,
                               const QStringList& coldRows, TFiringRateEdits& edits)
{
    auto* site = new QGroupBox(core ? "Fire Rate of Core" : "Fire Rate of Skin", parent);
    auto* siteLayout = new QVBoxLayout(site);
    siteLayout->setContentsMargins(8, 6, 8, 8);
    siteLayout->setSpacing(6);
    for (bool warm : {true, false}) {
        auto* box = new QGroupBox(warm ? "Warm" : "Cold", site);
        auto* grid = new QGridLayout(box);
        grid->setContentsMargins(8, 4, 8, 6);
        grid->setHorizontalSpacing(8);
        grid->setVerticalSpacing(4);
        const QStringList& rows = warm ? warmRows : coldRows;
        for (int r = 0; r < rows.size(); ++r)
            grid->addWidget(new QLabel(rows[r], box), r + 1, 0);
        for (int slot = 0; slot < FiringRateSlotCount; ++slot) {
            const FiringRateSlot& s = FiringRateSlots[slot];
            if (s.Core != core || s.Warm != warm)
                continue;
            // Column captions are the temperature ranges (degrees C) of each box.
            if (s.Row == 0)
                grid->addWidget(new QLabel(s.Range, box), 0, s.Column + 1, Qt::AlignHCenter);
            auto* edit = new QLineEdit(box);
            edit->setObjectName(s.EditName);
            edit->setFixedWidth(76);
            edits[static_cast<std::size_t>(slot)] = edit;
            grid->addWidget(edit, s.Row + 1, s.Column + 1);
        }
        grid->setColumnStretch(0, 1);
        siteLayout->addWidget(box);
    }
    return site;
}
