#include "casemodel/casemodel.h"

#include "casemodel/firingrate.h"

// The comfort evaluation needs coefficients even when neither coefficient dialog was confirmed.
CaseModel::CaseModel() : FiringRate(DefaultFiringRates()) {}

void CaseModel::SetCaseDir(const std::string& folder)
{
    std::string dir = folder;
    while (dir.size() > 1 && dir.back() == '/')
        dir.pop_back();
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    CaseDirectory = dir;
}

void CaseModel::InitFreshCase()
{
    ModelCode = ModelBody;
    InitControlDefaults();
    InitDefaultFluids();
    AddDefaultMembrane(Membranes);
}

void CaseModel::InitControlDefaults()
{
    Control.TimeStep = 0.0002;
    Control.SaveFrequency = 60;
    Control.ClothingCoverRatio.fill(DefaultStageRatio);
    Control.MoistureTransferRatio.fill(DefaultStageRatio);
    Control.HeatTransferRatio.fill(DefaultStageRatio);
    Control.ThicknessGrid = 5;
    Control.RadiusGrid = 8;
    Control.SweatAccumulation = 2;
}

void CaseModel::RearrangeStageRows(const std::vector<int>& from)
{
    for (auto* rows : {&Environment.Temperature, &Environment.RH, &Environment.Wind})
        RearrangeRows(*rows, from, NoEnvironmentValue);
    RearrangeRows(Environment.Place, from, PlaceNone);
    for (auto* rows : {&Control.HeatTransferRatio, &Control.MoistureTransferRatio})
        RearrangeRows(*rows, from, DefaultStageRatio);
}

void CaseModel::InitDefaultFluids()
{
    auto gas = std::make_shared<FluidType>();
    gas->Density = 0.0011614;
    gas->DynaViscosity = 0.0;
    gas->SpecHeat = 1.197;
    gas->SurfaceTension = 0.0;
    gas->DiffuseCoeff = 0.25;
    gas->TherConductivity = 6.214e-05;
    gas->Name = "Gas";
    Fluids.push_back(gas);

    auto liquid = std::make_shared<FluidType>();
    liquid->Density = 1.0;
    liquid->DynaViscosity = 0.0008;
    liquid->SpecHeat = 1.0;
    liquid->SurfaceTension = 0.07;
    liquid->DiffuseCoeff = 0.0;
    liquid->TherConductivity = 0.001434;
    liquid->Name = "Liquid";
    Fluids.push_back(liquid);
}

std::vector<GarmentLayerRow> RowsFollowingGarments(const std::vector<GarmentLayerRow>& rows,
                                                   const std::vector<int>& from)
{
    std::vector<GarmentLayerRow> moved(from.size());
    for (std::size_t n = 0; n < from.size(); ++n)
        moved[n] = RowFrom(rows, from, n, GarmentLayerRow{});
    return moved;
}
