#pragma once
// What the fibre and fabric record windows hand on when the user selects a record: the values
// the database has, by the field they go into, as texts in the units of the target dialog's
// edits. An empty text means the database has no value there, so the target keeps its own.
//
// The fibre and the fabric dialog each register one receiver; a record window never reaches
// into their widgets. Until a receiver is registered a selection has nowhere to go.
#include <QString>
#include <functional>

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

using TFiberRecordReceiver = std::function<void(const TFiberRecordValues&)>;
using TFabricRecordReceiver = std::function<void(const TFabricRecordValues&)>;

inline TFiberRecordReceiver& FiberRecordReceiver()
{
    static TFiberRecordReceiver receiver;
    return receiver;
}

inline TFabricRecordReceiver& FabricRecordReceiver()
{
    static TFabricRecordReceiver receiver;
    return receiver;
}

// Registers the dialog's receiver (an empty function unregisters); returns the one replaced.
inline TFiberRecordReceiver SetFiberRecordReceiver(TFiberRecordReceiver receiver)
{
    std::swap(FiberRecordReceiver(), receiver);
    return receiver;
}

inline TFabricRecordReceiver SetFabricRecordReceiver(TFabricRecordReceiver receiver)
{
    std::swap(FabricRecordReceiver(), receiver);
    return receiver;
}
