#pragma once
// What the fibre, fabric and body record windows hand on when the user selects a record: the
// values the database has, by the field they go into, as texts in the units of the target
// dialog's edits. An empty text means the database has no value there, so the target keeps its
// own.
//
// The fibre, fabric, body and physiology dialogs each register one receiver; a record window
// never reaches into their widgets. Until a receiver is registered a selection has nowhere to go.
#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "casemodel/records.h"

struct TFiberRecordValues {
    QString Diameter;             // cm                          -> DiameterText
    QString Density;              // g cm-3                      -> DensityText
    QString LiquidContactAngle;   // degrees                     -> LiqConAngleText
    QString VaporDiffusion;       // cm2 s-1                     -> VaporDiffText
    QString ThermalConductivity;  // cal s-1 cm-1 K-1            -> TherConText
    QString Emissivity;           //                             -> EmissivityText
};

struct TFabricRecordValues {
    QString Thickness;           // cm                           -> ThicknessText
    QString MaxCapillaryRadius;  // cm                           -> MaxDisCapDiaText
    QString CapillaryAngle;      // degrees                      -> CapAngleText
    QString Porosity;            //                              -> PorosityText
    QString TortuousLiquid;      //                              -> TortuosLqdText
    QString TortuousGas;         //                              -> TortuosGasText
    QString Emissivity;          //                              -> EmissivityText
};

// A body model as far as the database has it: an empty text, no value or sex -1 leaves the
// body dialog's own.
struct TBodyModelChoice {
    QString Race;                // a race text of the database
    std::optional<double> Age;   // years
    int Sex = -1;                // 0 male, 1 female
    QString Weight;              // kg, as the database writes it
    std::optional<double> Height;  // cm
};

struct TBodyRecordValues {
    TBodyModelChoice Wearer;  // -> the body dialog
    // The model's constants by the field of the body block they stand for -> the physiology
    // dialog, which shows its defaults where a text is empty.
    std::vector<std::pair<double BodyParameters::*, QString>> Physiology;
};

using TFiberRecordReceiver = std::function<void(const TFiberRecordValues&)>;
using TFabricRecordReceiver = std::function<void(const TFabricRecordValues&)>;
using TBodyRecordReceiver = std::function<void(const TBodyRecordValues&)>;

// One receiver per kind of record and target dialog; a body record goes to two dialogs.
template <class Values, int Target = 0>
std::function<void(const Values&)>& RecordReceiverSlot()
{
    static std::function<void(const Values&)> receiver;
    return receiver;
}

inline TFiberRecordReceiver& FiberRecordReceiver() { return RecordReceiverSlot<TFiberRecordValues>(); }
inline TFabricRecordReceiver& FabricRecordReceiver() { return RecordReceiverSlot<TFabricRecordValues>(); }
inline TBodyRecordReceiver& BodyRecordReceiver() { return RecordReceiverSlot<TBodyRecordValues, 0>(); }
inline TBodyRecordReceiver& PhysiologyRecordReceiver() { return RecordReceiverSlot<TBodyRecordValues, 1>(); }

// Registers the dialog's receiver (an empty function unregisters); returns the one replaced.
inline TFiberRecordReceiver SetFiberRecordReceiver(TFiberRecordReceiver receiver)
{
    return std::exchange(FiberRecordReceiver(), std::move(receiver));
}

inline TFabricRecordReceiver SetFabricRecordReceiver(TFabricRecordReceiver receiver)
{
    return std::exchange(FabricRecordReceiver(), std::move(receiver));
}

inline TBodyRecordReceiver SetBodyRecordReceiver(TBodyRecordReceiver receiver)
{
    return std::exchange(BodyRecordReceiver(), std::move(receiver));
}

inline TBodyRecordReceiver SetPhysiologyRecordReceiver(TBodyRecordReceiver receiver)
{
    return std::exchange(PhysiologyRecordReceiver(), std::move(receiver));
}
