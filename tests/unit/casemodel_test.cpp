#include <gtest/gtest.h>

#include "casemodel/casemodel.h"
#include "casemodel/firingrate.h"
#include "casemodel/records.h"

namespace {

CaseModel FreshCase()
{
    CaseModel c;
    c.InitControlDefaults();
    c.InitDefaultFluids();
    return c;
}

TEST(CaseModel, FreshCaseHoldsTheDefaultFluidsInOrder)
{
    CaseModel c = FreshCase();
    ASSERT_EQ(c.Fluids.size(), 2u);
    const FluidType& gas = *c.Fluids[0];
    const FluidType& liquid = *c.Fluids[1];
    EXPECT_EQ(gas.Name, "Gas");
    EXPECT_DOUBLE_EQ(gas.Density, 0.0011614);
    EXPECT_DOUBLE_EQ(gas.DynaViscosity, 0.0);
    EXPECT_DOUBLE_EQ(gas.SpecHeat, 1.197);
    EXPECT_DOUBLE_EQ(gas.SurfaceTension, 0.0);
    EXPECT_DOUBLE_EQ(gas.DiffuseCoeff, 0.25);
    EXPECT_DOUBLE_EQ(gas.TherConductivity, 6.214e-05);
    EXPECT_EQ(liquid.Name, "Liquid");
    EXPECT_DOUBLE_EQ(liquid.Density, 1.0);
    EXPECT_DOUBLE_EQ(liquid.DynaViscosity, 0.0008);
    EXPECT_DOUBLE_EQ(liquid.SpecHeat, 1.0);
    EXPECT_DOUBLE_EQ(liquid.SurfaceTension, 0.07);
    EXPECT_DOUBLE_EQ(liquid.DiffuseCoeff, 0.0);
    EXPECT_DOUBLE_EQ(liquid.TherConductivity, 0.001434);
    EXPECT_TRUE(c.Fibers.empty());
    EXPECT_TRUE(c.Fabrics.empty());
    EXPECT_TRUE(c.Stages.empty());
}

TEST(CaseModel, ControlDefaultsFillAllFiftyStages)
{
    CaseModel c = FreshCase();
    EXPECT_DOUBLE_EQ(c.Control.TimeStep, 0.0002);
    EXPECT_DOUBLE_EQ(c.Control.SaveFrequency, 60);
    for (int i = 0; i < MaxStages; ++i) {
        EXPECT_DOUBLE_EQ(c.Control.ClothingCoverRatio[i], 0.9);
        EXPECT_DOUBLE_EQ(c.Control.MoistureTransferRatio[i], 0.9);
        EXPECT_DOUBLE_EQ(c.Control.HeatTransferRatio[i], 0.9);
    }
    EXPECT_DOUBLE_EQ(c.Control.ThicknessGrid, 5);
    EXPECT_DOUBLE_EQ(c.Control.RadiusGrid, 8);
    EXPECT_DOUBLE_EQ(c.Control.SweatAccumulation, 2);
}

TEST(CaseModel, FlagsStartAsTheWorkflowExpects)
{
    CaseModel c = FreshCase();
    EXPECT_TRUE(c.StagesDirty);
    EXPECT_TRUE(c.FabricFirstLoad && c.FiberFirstOpen && c.MembraneFirstOpen);
    EXPECT_TRUE(c.ControlStale && c.StagesUnnamed);
    EXPECT_FALSE(c.ActivityDefined || c.EnvironmentDefined || c.BodyDefined || c.ClothingDefined);
    EXPECT_FALSE(c.BoundaryEnabled || c.BoundaryShortcut || c.CaseSaved);
    // Records without defaults start at zero with empty names.
    EXPECT_EQ(c.Body.W_d, 0);
    EXPECT_EQ(c.PCM.Name, "");
    EXPECT_EQ(c.Room.Volume, 0);
    // The firing-rate coefficients start at the defaults the coefficient dialogs offer.
    for (int slot = 0; slot < FiringRateSlotCount; ++slot)
        EXPECT_EQ(c.FiringRate[slot], FiringRateSlots[slot].Default) << slot;
}

TEST(CaseModel, CaseDirAlwaysEndsWithOneSeparator)
{
    CaseModel c;
    c.SetCaseDir("/tmp/case");
    EXPECT_EQ(c.CaseDir(), "/tmp/case/");
    c.SetCaseDir("/tmp/case//");
    EXPECT_EQ(c.CaseDir(), "/tmp/case/");
    c.SetCaseDir("/");
    EXPECT_EQ(c.CaseDir(), "/");
}

TEST(Records, DefaultMembraneIsOpen)
{
    TList<MembraneType> list;
    AddDefaultMembrane(list);
    ASSERT_EQ(list.size(), 1u);
    const MembraneType& op = *list[0];
    EXPECT_EQ(op.Name, "OP");
    EXPECT_EQ(op.Thickness, 0);
    const double t[6] = {273.16, 275.66, 283.16, 289.16, 293.16, 318.16};
    ASSERT_EQ(op.WvpValues.Length(), 6);
    ASSERT_EQ(op.TrTemperatures.Length(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(op.WvpValues[i], 1e8);
        EXPECT_EQ(op.TrValues[i], 0);
        EXPECT_EQ(op.WvpTemperatures[i], t[i]);
        EXPECT_EQ(op.TrTemperatures[i], t[i]);
    }
}

TEST(DynArray, IndexOutsideTheLengthIsARangeError)
{
    TDoubleDynArray a;
    EXPECT_THROW(a[0], ERangeError);
    a.SetLength(3);
    a[2] = 4.5;
    EXPECT_THROW(a[3], ERangeError);
    EXPECT_THROW(a[-1], ERangeError);
    a.SetLength(5);
    EXPECT_EQ(a[2], 4.5);  // leading elements kept
    EXPECT_EQ(a[4], 0);
    a.SetLength(2);
    EXPECT_THROW(a[2], ERangeError);
    TBooleanDynArray b(2);
    b[1] = true;
    EXPECT_TRUE(b[1]);
    EXPECT_THROW(b[2], ERangeError);
}

} // namespace
