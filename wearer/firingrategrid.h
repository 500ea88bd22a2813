#pragma once
// The twenty thermoreceptor coefficients as the physiology and comfort-parameter dialogs show
// them: per site ("Fire Rate of Skin", "Fire Rate of Core") a "Warm" and a "Cold" box, each with
// its row captions, the temperature ranges over its columns and one edit per slot.
#include <QStringList>
#include <array>

#include "casemodel/firingrate.h"

class QGroupBox;
class QLineEdit;
class QWidget;

using TFiringRateEdits = std::array<QLineEdit*, FiringRateSlotCount>;

// The group of one site; the edits it makes go into their slots of `edits`.
QGroupBox* BuildFiringRateSite(QWidget* parent, bool core, const QStringList& warmRows,
                               const QStringList& coldRows, TFiringRateEdits& edits);
