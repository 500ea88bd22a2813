#include "casemodel/records.h"

std::shared_ptr<MembraneType> MakeDefaultMembrane()
{
    static const double temperatures[6] = {273.16, 275.66, 283.16, 289.16, 293.16, 318.16};
    auto m = std::make_shared<MembraneType>();
    m->Name = "OP";
    m->Thickness = 0;
    for (TDoubleDynArray* a : {&m->WvpValues, &m->WvpTemperatures, &m->TrValues, &m->TrTemperatures})
        a->SetLength(6);
    for (int i = 0; i < 6; ++i) {
        m->WvpValues[i] = 1e8;
        m->TrValues[i] = 0;
        m->WvpTemperatures[i] = temperatures[i];
        m->TrTemperatures[i] = temperatures[i];
    }
    return m;
}

void AddDefaultMembrane(TList<MembraneType>& membranes)
{
    membranes.push_back(MakeDefaultMembrane());
}

std::vector<LayerPlace> LayersHolding(const std::vector<GarmentLayerRow>& rows, const FabricType& fabric)
{
    std::vector<LayerPlace> places;
    for (std::size_t g = 0; g < rows.size(); ++g)
        for (std::size_t j = 0; j < LayersPerGarment; ++j)
            if (rows[g].Layers[j].get() == &fabric)
                places.push_back({static_cast<int>(g), static_cast<int>(j)});
    return places;
}

bool TakeFabricOutOfLayers(std::vector<GarmentLayerRow>& rows, const FabricType& fabric)
{
    bool found = false;
    for (GarmentLayerRow& row : rows)
        for (std::size_t j = 0; j < LayersPerGarment; ++j)
            if (row.Layers[j].get() == &fabric) {
                row.Layers[j].reset();
                row.HasFabric[j] = false;
                found = true;
            }
    return found;
}

double MeanFiberDiameter(const FabricType& fabric)
{
    double sum = 0;
    int count = 0;
    for (const auto& fiber : fabric.Fibers)
        if (fiber) {
            sum += fiber->Diameter;
            ++count;
        }
    return count == 0 ? 0 : sum / count;
}
