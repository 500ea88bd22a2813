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
#include "tests/support/appfixture.h"
#include "tests/support/messagerecorder.h"

namespace {

// Opens the fluid dialog from the main window's menu and presses OK in it.
int OpenFluidAndPressOk()
{
    ScopedModalHook hook([](TForm& form) {
        if (&form == Fluid)
            Fluid->OKBtn->click();
        return int(mrNone);
    });
    FurFea->DefineFluidClick();
    return Fluid->ModalResult();
}

using FluidTest = AppTest;

TEST_F(FluidTest, TheRecordsFieldOrderDecidesTheFirstMessageAndAFailedOkKeepsTheFluids)
{
    const auto before = FurFea->Case.Fluids;
    const auto gasBefore = *before[0];
    Fluid->DefaultClick();
    // Specific heat is shown above dynamic viscosity but read after it.
    Fluid->SpecHeatText->clear();
    Fluid->DynaVisText->setText(".");
    MessageRecorder messages;
    messages.Expect(InputError("DynaViscosity of Gas"), "Input Error");
    messages.Expect("You should define both gas and liquid!", "Information");
    EXPECT_EQ(OpenFluidAndPressOk(), mrNone);
    Fluid->DefaultClick();
    Fluid->DiffuseCoeText->setText("0.0");
    messages.Expect("The DiffuseCoeff of gas can not be 0!", "Information");
    OpenFluidAndPressOk();
    EXPECT_EQ(FurFea->Case.Fluids[0]->DiffuseCoeff, gasBefore.DiffuseCoeff);
    EXPECT_FALSE(FurFea->Case.FluidDefined);

    // The liquid may have no diffusion; OK then replaces both fluids.
    Fluid->DefaultClick();
    Fluid->DensityText->setText("0.0012");
    EXPECT_EQ(OpenFluidAndPressOk(), mrOk);
    ASSERT_EQ(FurFea->Case.Fluids.size(), 2u);
    EXPECT_DOUBLE_EQ(FurFea->Case.Fluids[0]->Density, 0.0012);
    EXPECT_DOUBLE_EQ(FurFea->Case.Fluids[1]->DiffuseCoeff, 0);
}

using PCMTest = AppTest;

TEST_F(PCMTest, AFailedOkStoresNothingAndASuccessfulOneReturnsToTheFabricDialog)
{
    FurFea->Case.PCM.T_p = 6;
    PCM->DefaultClick();
    PCM->txtT_p->clear();
    MessageRecorder messages;
    messages.Expect("Melting Point is not correct! Please input it again.", "Input Error");
    messages.Expect("No PCM is defined!", "Information");
    PCM->OKBtn->click();
    EXPECT_EQ(FurFea->Case.PCM.T_p, 6);
    EXPECT_FALSE(FurFea->Case.PCMDefined);

    // A melting point below zero can be given.
    PCM->txtT_p->setText("-5");
    ScopedModalHook hook([](TForm& form) {
        if (&form == PCM)
            PCM->OKBtn->click();
        return int(mrNone);
    });
    EXPECT_EQ(PCM->ShowModal(), mrOk);
    EXPECT_DOUBLE_EQ(FurFea->Case.PCM.T_p, -5);
    EXPECT_TRUE(FurFea->Case.PCMDefined);
    EXPECT_TRUE(FabricForm->isVisible());
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
