#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/furfea.h"
#include "materials/fabricform.h"
#include "materials/fluid.h"
#include "materials/pcm.h"
#include "tests/gui/namedinputs.h"
#include "tests/support/appfixture.h"
#include "tests/support/messagerecorder.h"

namespace {

// Opens the fluid dialog from the main window's menu and presses OK in it.
int OpenFluidAndPressOk()
{
    return RunModal(Fluid, [] { FurFea->DefineFluidClick(); }, [] { Fluid->OKBtn->click(); });
}

const NamedInput<FluidType> GasInputs[] = {
    {"DensityText", "0.0013", &FluidType::Density, "Density of Gas"},
    {"SpecHeatText", "1.21", &FluidType::SpecHeat, "Specific Heat of Gas"},
    {"DiffuseCoeText", "0.27", &FluidType::DiffuseCoeff, "Diffuse Coefficent of Gas"},
    {"DynaVisText", "0.00018", &FluidType::DynaViscosity, "DynaViscosity of Gas"},
    {"SurTensionText", "0.5", &FluidType::SurfaceTension, "Surface Tension of Gas"},
    {"TherConducText", "6.3E-5", &FluidType::TherConductivity, "Thermal Conductivity of Gas"},
};
const NamedInput<FluidType> LiquidInputs[] = {
    {"DensityLText", "0.998", &FluidType::Density, "Density of Liquid"},
    {"SpecHeatLText", "1.01", &FluidType::SpecHeat, "Specific Heat of Liquid"},
    {"DiffuseCoeLText", "2E-5", &FluidType::DiffuseCoeff, "Diffuse Coefficent of Liquid"},
    {"DynaVisLText", "0.0009", &FluidType::DynaViscosity, "DynaViscosity of Liquid"},
    {"SurTensionLText", "0.072", &FluidType::SurfaceTension, "Surface Tension of Liquid"},
    {"TherConducLText", "0.0015", &FluidType::TherConductivity, "Thermal Conductivity of Liquid"},
};

using FluidTest = AppTest;

TEST_F(FluidTest, EachEditFillsItsOwnFieldAndEachRefusalNamesItsEditAndStoresNothing)
{
    const CaseModel& c = FurFea->Case;
    const auto before = c.Fluids;
    const auto fill = [] {
        TypeInputs(Fluid, GasInputs);
        TypeInputs(Fluid, LiquidInputs);
    };
    const auto both = [](const QString& name) {
        return QStringList{InputError(name), "You should define both gas and liquid!"};
    };
    std::vector<Refusal> refusals = {
        // The gas must diffuse, the liquid need not.
        {[] { Fluid->DiffuseCoeText->setText("0.0"); }, {"The DiffuseCoeff of gas can not be 0!"}},
        {[] { Fluid->DensityLText->setText("."); }, both("Density of Liquid")},
        // With two faults, viscosity is read before specific heat.
        {[] { Fluid->SpecHeatText->clear(), Fluid->DynaVisText->clear(); }, both("DynaViscosity of Gas")}};
    AddEmptiedInputs(refusals, Fluid, GasInputs, both);
    AddEmptiedInputs(refusals, Fluid, LiquidInputs, both);
    ExpectRefusals(fill, refusals, [] { EXPECT_EQ(OpenFluidAndPressOk(), mrNone); }, [&] {
        EXPECT_EQ(c.Fluids, before);
        EXPECT_FALSE(c.FluidDefined);
    });

    fill();
    EXPECT_EQ(OpenFluidAndPressOk(), mrOk);
    EXPECT_TRUE(c.FluidDefined);
    ASSERT_EQ(c.Fluids.size(), 2u);
    ExpectStored(*c.Fluids[0], GasInputs);
    ExpectStored(*c.Fluids[1], LiquidInputs);
    // A loaded case shows each value in its own edit again.
    Fluid->btnClear->click();
    Fluid->LoadFluidList(c.Fluids);
    ExpectShown(Fluid, GasInputs);
    ExpectShown(Fluid, LiquidInputs);
}

const NamedInput<PCMType> PCMInputs[] = {
    {"txtRadius_m", "0.0006", &PCMType::Radius, "Radius"},
    {"txtRou_m", "0.81", &PCMType::Density, "Density"},
    {"txtRamda_m", "57.3", &PCMType::Ramda_m, "Latent Heat of Fusion"},
    {"txtT_p", "-5", &PCMType::T_p, "Melting Point"},  // the one edit that takes a minus
    {"txtK_ml", "0.00072", &PCMType::K_ml, "Thermal Conductivity of Liquid PCM"},
    {"txtK_ms", "0.00074", &PCMType::K_ms, "Thermal Conductivity of Solid PCM"},
    {"txth_T", "0.016", &PCMType::h_T,
     "Heat transfer coefficient between the micro-spheres and the flows surrounding them in porous textiles"},
};

using PCMTest = AppTest;

TEST_F(PCMTest, EachEditFillsItsOwnFieldAndAFailedOkStoresNothing)
{
    CaseModel& c = FurFea->Case;
    PCMType kept;
    for (const auto& in : PCMInputs)
        kept.*in.Field = 6;
    const auto refused = [](const QString& name) {
        return QStringList{name + " is not correct! Please input it again.", "No PCM is defined!"};
    };
    std::vector<Refusal> refusals = {
        {[] { PCM->txtK_ms->setText("1..5"); }, refused("Thermal Conductivity of Solid PCM")}};
    AddEmptiedInputs(refusals, PCM, PCMInputs, refused);
    // A field read before the failing one is not stored either.
    ExpectRefusals([&] { TypeInputs(PCM, PCMInputs), c.PCM = kept; }, refusals, [] { PCM->OKBtn->click(); }, [&] {
        for (const auto& in : PCMInputs)
            EXPECT_EQ(c.PCM.*in.Field, 6) << in.Edit;
        EXPECT_FALSE(c.PCMDefined);
    });

    TypeInputs(PCM, PCMInputs);
    EXPECT_EQ(RunModal(PCM, [] { PCM->ShowModal(); }, [] { PCM->OKBtn->click(); }), mrOk);
    ExpectStored(c.PCM, PCMInputs);
    EXPECT_TRUE(c.PCMDefined);
    EXPECT_TRUE(FabricForm->isVisible());
    PCM->btnClear->click();
    PCM->PutPCMValue(c.PCM);
    ExpectShown(PCM, PCMInputs);
}

// Escape or the title bar's close in a dialog opened from the main window or from the fabric
// dialog brings the fabric dialog back with lists made from the case as it is now.
using MaterialDialogsTest = AppTest;

TEST_F(MaterialDialogsTest, EscapeAndCloseBringTheFabricDialogBackWithFreshLists)
{
    MessageRecorder messages;
    FabricForm->PCMCheck->setChecked(true);
    const std::function<void()> openers[] = {[] { FurFea->Fiber1Click(); },
                                             [] { FurFea->Membrane1Click(); },
                                             [] { PCM->ShowModal(); },
                                             [] { FabricForm->btnAddF->click(); },
                                             [] { FabricForm->DefineMemButton2->click(); },
                                             [] { FabricForm->btnPCM->click(); }};
    for (bool escape : {true, false}) {
        for (std::size_t i = 0; i < std::size(openers); ++i) {
            const bool fromFabricDialog = i >= 3;
            if (fromFabricDialog)
                FabricForm->Show();
            else
                FabricForm->hide();
            auto fiber = std::make_shared<FiberType>();
            fiber->Name = "Fiber " + std::to_string(FurFea->Case.Fibers.size() + 1);
            FurFea->Case.Fibers.push_back(fiber);
            ScopedModalHook hook([&](TForm& form) {
                // The fibre and membrane dialogs take the fabric dialog's place; the PCM dialog opens over it.
                if (fromFabricDialog) {
                    EXPECT_EQ(FabricForm->isVisible(), &form == PCM) << i;
                }
                if (escape) {
                    QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                    QApplication::sendEvent(&form, &key);
                } else {
                    form.close();
                }
                return int(mrNone);
            });
            openers[i]();
            EXPECT_TRUE(FabricForm->isVisible()) << i;
            ASSERT_EQ(FabricForm->FiberListBox->count(), static_cast<int>(FurFea->Case.Fibers.size())) << i;
            EXPECT_EQ(FabricForm->FiberListBox->item(FabricForm->FiberListBox->count() - 1)->text(),
                      QString::fromStdString(fiber->Name));
        }
    }
    EXPECT_FALSE(FurFea->Case.FiberDefined);
    EXPECT_FALSE(FurFea->Case.PCMDefined);
}

} // namespace
