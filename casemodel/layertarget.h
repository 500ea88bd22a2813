#pragma once
// The garment layer a fabric is being chosen for, and what choosing or deleting a fabric does to
// the case's layer rows. The fabric-layer dialog names the layer when one of its layer buttons
// opens the fabric dialog; the fabric dialog's OK puts its fabric there.
#include <memory>

#include "casemodel/dialogstate.h"

struct LayerTarget {
    int Row = 0;    // garment, in the garment list's order
    int Layer = 0;  // 0 to 5
};

// The one target of the application: garment 0, layer 0 until a layer button names another.
inline LayerTarget& FabricLayerTarget()
{
    static LayerTarget target;
    return target;
}

// Puts the fabric into the target's layer and marks the layer as having one. A target that names
// no row (the garments were rebuilt with fewer since) or no layer changes nothing: false.
inline bool PutFabricInLayer(LayerRows& layers, const LayerTarget& target, const std::shared_ptr<FabricType>& fabric)
{
    if (target.Row < 0 || target.Row >= static_cast<int>(layers.Rows.size()) || target.Layer < 0 ||
        target.Layer >= LayersPerGarment)
        return false;
    GarmentLayerRow& row = layers.Rows[static_cast<std::size_t>(target.Row)];
    row.Layers[static_cast<std::size_t>(target.Layer)] = fabric;
    row.HasFabric[static_cast<std::size_t>(target.Layer)] = true;
    return true;
}

// Takes the fabric out of every layer that holds it, leaving those layers without fabric; true
// when any did.
inline bool TakeFabricOutOfLayers(LayerRows& layers, const FabricType& fabric)
{
    bool found = false;
    for (GarmentLayerRow& row : layers.Rows)
        for (std::size_t j = 0; j < LayersPerGarment; ++j)
            if (row.Layers[j].get() == &fabric) {
                row.Layers[j].reset();
                row.HasFabric[j] = false;
                found = true;
            }
    return found;
}
