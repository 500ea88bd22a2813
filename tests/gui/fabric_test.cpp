#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/furfea.h"
#include "dialogbase/namedlg.h"
#include "materials/fabricform.h"
#include "materials/fabriclayerfrm.h"
#include "materials/pcm.h"
#include "tests/gui/listmoves.h"
#include "tests/gui/namedinputs.h"
#include "tests/support/appfixture.h"
#include "tests/support/messagerecorder.h"
#include "tests/unit/casefile_cases.h"
#include "toolkit/stringgrid.h"

namespace {

// Moves the fibres, in this order, from the fibre list into the selection.
void SelectFibers(std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        const auto found = FabricForm->FiberListBox->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name;
        FabricForm->FiberListBox->setCurrentItem(found[0]);
        FabricForm->SelectFiberBtn->click();
    }
}

void TypeRatios(std::initializer_list<const char*> percents)
{
    int row = 0;
    for (const char* p : percents)
        FabricForm->RatioTable->SetCell(0, row++, p);
}

std::string Joined(const TDoubleDynArray& values)
{
    std::string text;
    for (int i = 0; i < values.Length(); ++i)
        text += (i ? " " : "") + FloatToStr(values[i]);
    return text;
}

std::string FabricSection()
{
    std::ostringstream out;
    WriteFabricSection(out, FurFea->Case);
    return out.str();
}

// The case's fibres and membranes (Goretex, OP), listed in the dialog.
class FabricDialogTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        SetGoldenFibers(FurFea->Case);
        SetGoldenMembranes(FurFea->Case);
        FabricForm->FillMaterialLists();
    }

    // Plain, Treated (every option) and Odd, listed in the dialog.
    void LoadGoldenFabrics()
    {
        SetGoldenFabrics(FurFea->Case);
        FabricForm->LoadFabricList(FurFea->Case.Fabrics);
    }

    // A box that no test step expects fails the test instead of waiting for an answer.
    MessageRecorder Unexpected;
};

TEST_F(FabricDialogTest, WettingInputsDeriveTheCapillaryAngleAndTheLiquidTortuosity)
{
    FabricForm->MMFCheck->setChecked(true);
    const struct {
        const char* Top;
        const char* Bottom;
        const char* Angle;
    } angles[] = {{"2", "1", "29"}, {"1", "0", "0"},
                  // No angle rather than one from asin outside its domain or from 0 / 0.
                  {"-1", "1", ""}, {"2", "-1", ""}, {"0", "0", ""}, {"", "1", ""}};
    for (const auto& a : angles) {
        FabricForm->TopWetRTxt->setText(a.Top);
        FabricForm->BottomWetRTxt->setText(a.Bottom);
        EXPECT_EQ(FabricForm->CapAngleText->text(), a.Angle) << a.Top << " / " << a.Bottom;
    }
    const std::pair<const char*, const char*> tortuosities[] = {
        {"4", "0.25"}, {"-3", "3"}, {"0.5", "0.5"}, {"", ""}};
    for (const auto& [r, tortuosity] : tortuosities) {
        FabricForm->TopWetTxt->setText(r);
        EXPECT_EQ(FabricForm->TortuosLqdText->text(), tortuosity) << r;
    }
    FabricForm->TopAngleTxt->setText("60");
    FabricForm->BottomAngleTxt->setText("91");
    EXPECT_EQ(FabricForm->ContactAngelTxt->text(), "75.5");
    FabricForm->BottomAngleTxt->clear();
    EXPECT_EQ(FabricForm->ContactAngelTxt->text(), "");
}

// The wetting inputs come first: the properties they derive are typed over afterwards.
const NamedInput<FabricType> FabricInputs[] = {
    {"TopWetRTxt", "2.5", &FabricType::TopWetR, "Top Max Wetted Radius"},
    {"BottomWetRTxt", "1.75", &FabricType::BottomWetR, "Bottom Max Wetted Radius"},
    {"TopWetTxt", "3.25", &FabricType::TopWetTime, "Top Wetting Radius"},
    {"BottomWetTxt", "0.45", &FabricType::BottomWetTime, "Bottom Wetting Radius"},
    {"TopAngleTxt", "58", &FabricType::TopAngle, "Top Water Contact Angle"},
    {"BottomAngleTxt", "81", &FabricType::BottomAngle, "Bottom Water Contact Angle"},
    {"PorosityText", "0.83", &FabricType::Porosity, "Porosity"},
    {"EmissivityText", "0.91", &FabricType::Emissivity, "Emissivity"},
    {"TortuosGasText", "1.35", &FabricType::TortuosGas, "TortuosGas"},
    {"ThicknessText", "0.061", &FabricType::Thickness, "Thickness"},
    {"CapAngleText", "27", &FabricType::CapAngle, "CapillaryAngle"},
    {"TortuosLqdText", "1.15", &FabricType::TortuosLqd, "TortuosLqd"},
    {"MaxDisCapDiaText", "0.0031", &FabricType::MaxDisCapDia, "MaxDistributedCaplillaryDiameter"},
    {"ConductivityTxt", "0.00013", &FabricType::Conductivity, "ThermalConductivity"},
    {"VaporDiffuTxt", "0.19", &FabricType::VaporDiffusion, "VaporDiffusion"},
    {"ContactAngelTxt", "66", &FabricType::ContactAngle, "Contact Angle"},
    {"txtVolumePercentofPCM", "12.5", &FabricType::PcmRatio, "Volume Percentage of PCM", 100},
    {"txtHeatLoad", "0.0042", &FabricType::HeatingLoad, "Heating load!"},
    {"txtMinTemp", "12", &FabricType::SwitchOnTemperature, "Switch on Temperature!"},
    {"txtMaxTemp", "24", &FabricType::SwitchOffTemperature, "Switch off temperature!"},
};

// Three fibres not in the case's order, whose ratios make exactly 100 % as typed (the fractions
// 0.2 + 0.1 + 0.7 add up to a little more than 1), Goretex inside and Sympatex outside, every
// option, a defined PCM.
void FillFabric()
{
    FabricForm->ClearFabricFields();
    SelectFibers({"Polyester", "Cotton", "Wool"});
    TypeRatios({"20", "10", "70"});
    using Side = std::tuple<QCheckBox*, QComboBox*, const char*>;
    for (auto [check, combo, name] : {Side{FabricForm->InnerMemCheckBox, FabricForm->InMemComboBox, "Goretex"},
                                      Side{FabricForm->OuterMemCheckBox, FabricForm->OutMemComboBox, "Sympatex"}}) {
        check->setChecked(true);
        combo->setCurrentIndex(combo->findText(name));
        emit combo->activated(combo->currentIndex());
    }
    for (QCheckBox* option : {FabricForm->MMFCheck, FabricForm->PCMCheck, FabricForm->HeatingFabricCheck})
        option->setChecked(true);
    FurFea->Case.PCM.Radius = 0.0007;  // after the tick, which asks for a PCM again
    FurFea->Case.PCM.T_p = 31;
    TypeInputs(FabricForm, FabricInputs);
}

// Adds what the dialog shows, answering the questions in order and the name dialog with the name.
void AddFabric(const std::vector<std::pair<QString, int>>& answers, const QString& name = "Tweed")
{
    ScopedModalHook hook([&](TForm& form) {
        EXPECT_EQ(&form, NameDlg);
        NameDlg->Edit1->setText(name);
        return int(mrOk);
    });
    MessageRecorder messages;
    for (const auto& [text, answer] : answers)
        messages.Expect(text, "Information", answer);
    FabricForm->btnAddtoList->click();
}

TEST_F(FabricDialogTest, EachInputFillsItsOwnFieldAndEachRefusalAddsNothing)
{
    CaseModel& c = FurFea->Case;
    auto sympatex = std::make_shared<MembraneType>(*MembraneNamed(c, "Goretex"));
    sympatex->Name = "Sympatex";
    c.Membranes.push_back(sympatex);
    FabricForm->FillMaterialLists();
    {
        MessageRecorder messages;
        messages.Expect("No fabric is defined!", "Information");
        FabricForm->OKBtn->click();
    }
    std::vector<Refusal> refusals = {
        {[] { FabricForm->SFiberListBox->clear(); }, {"You haven't selected fiber!"}},
        {[] { FabricForm->RatioTable->SetCell(0, 1, " "); },
         {"The mass ratio of Cotton is not correct. Please try it again!"}},
        {[] { FabricForm->RatioTable->SetCell(0, 2, "70.01"); },
         {"The total mass ratio exceed 100%. Please try it again!"}},
        {[] { FurFea->Case.PCM.Radius = 0; }, {"Please define the Phase Change Material!"}}};
    AddEmptiedInputs(refusals, FabricForm, FabricInputs);
    ExpectRefusals(FillFabric, refusals, [] { FabricForm->btnAddtoList->click(); },
                   [&] { EXPECT_TRUE(c.Fabrics.empty()); });
    FillFabric();
    const QString sure = "Are you sure to select the fabric?";
    AddFabric({{sure, IDNO}});
    EXPECT_TRUE(c.Fabrics.empty());

    AddFabric({{sure, IDYES}});
    ASSERT_EQ(c.Fabrics.size(), 1u);
    const auto tweed = c.Fabrics[0];
    ExpectStored(*tweed, FabricInputs);
    EXPECT_EQ(tweed->Fibers,
              (TList<FiberType>{FiberNamed(c, "Polyester"), FiberNamed(c, "Cotton"), FiberNamed(c, "Wool")}));
    EXPECT_EQ(Joined(tweed->MassRatios), "0.2 0.1 0.7");
    EXPECT_EQ(tweed->Membranes[0], MembraneNamed(c, "Goretex"));
    EXPECT_EQ(tweed->Membranes[1], sympatex);
    EXPECT_TRUE(tweed->MmfTreatment && tweed->HasPcm && tweed->IsHeatingFabric);
    EXPECT_EQ(tweed->Pcm.Radius, 0.0007);
    EXPECT_EQ(tweed->Pcm.T_p, 31);
    // Ready for the next fabric: no fibre, no option, every edit empty.
    EXPECT_EQ(FabricForm->SFiberListBox->count(), 0);
    for (QCheckBox* option : {FabricForm->MMFCheck, FabricForm->PCMCheck, FabricForm->HeatingFabricCheck})
        EXPECT_FALSE(option->isChecked()) << option->objectName().toStdString();
    for (const auto& in : FabricInputs)
        EXPECT_EQ(Control<QLineEdit>(FabricForm, in.Edit)->text(), "") << in.Edit;
    // Shown again, each value is back in its own edit, the stored ones over what the wetting
    // inputs derive.
    ClickItem(FabricForm->FabricListBox, 0);
    ExpectShown(FabricForm, FabricInputs);
    EXPECT_EQ(FabricForm->RatioTable->Cell(0, 2), "70");

    // Added again under its name: the same record takes the values, with ratios that make 100 as
    // typed but a little more in binary.
    FillFabric();
    TypeRatios({"0.2", "83.9", "15.9"});
    FabricForm->PorosityText->setText("0.64");
    AddFabric({{sure, IDYES}, {"Tweed has existed. Do you want to overwrite it?", IDYES}});
    ASSERT_EQ(c.Fabrics.size(), 1u);
    EXPECT_EQ(c.Fabrics[0], tweed);
    EXPECT_EQ(tweed->Porosity, 0.64);
    EXPECT_EQ(Joined(tweed->MassRatios), "0.002 0.839 0.159");
}

TEST_F(FabricDialogTest, AFailedUpdateLeavesTheStoredFabricAsItWas)
{
    LoadGoldenFabrics();
    const std::string before = FabricSection();
    ClickItem(FabricForm->FabricListBox, 1);
    FabricForm->TopWetRTxt->setText("0.5");
    TypeRatios({"50", "50"});
    FabricForm->PorosityText->clear();
    {
        MessageRecorder messages;
        messages.Expect(InputError("Porosity"), "Input Error");
        FabricForm->UpdateBtn->click();
    }
    EXPECT_EQ(FabricSection(), before);

    // Corrected, the same record takes the values and keeps its own PCM, which nobody edited,
    // and what only a file gives it.
    FabricForm->PorosityText->setText("0.7");
    FurFea->Case.PCM.Radius = 0.002;
    const auto treated = FurFea->Case.Fabrics[1];
    FabricForm->UpdateBtn->click();
    EXPECT_EQ(FurFea->Case.Fabrics[1], treated);
    EXPECT_DOUBLE_EQ(treated->Porosity, 0.7);
    EXPECT_DOUBLE_EQ(treated->Pcm.Radius, 0.001);
    EXPECT_DOUBLE_EQ(treated->BottomWeight, 6);
}

TEST_F(FabricDialogTest, TheMembraneOfASideIsKeptByName)
{
    auto spare = std::make_shared<MembraneType>(*MembraneNamed(FurFea->Case, "Goretex"));
    spare->Name = "Spare";
    auto& membranes = FurFea->Case.Membranes;
    membranes.insert(membranes.begin(), spare);
    FabricForm->FillMaterialLists();
    SelectFibers({"Cotton"});
    TypeRatios({"100"});
    FabricForm->DefaultClick();
    FabricForm->InnerMemCheckBox->setChecked(true);
    FabricForm->InMemComboBox->setCurrentIndex(1);
    emit FabricForm->InMemComboBox->activated(1);

    // An earlier membrane goes: the choice still names Goretex.
    membranes.erase(membranes.begin());
    FabricForm->FillMaterialLists();
    EXPECT_EQ(FabricForm->InMemComboBox->currentText(), "Goretex");
    FabricType fabric;
    ASSERT_TRUE(FabricForm->GetFabricValue(fabric));
    EXPECT_EQ(fabric.Membranes[0], MembraneNamed(FurFea->Case, "Goretex"));
    EXPECT_EQ(fabric.Membranes[1]->Name, "OP");

    // The chosen one goes: no other membrane stands in for it.
    membranes.erase(membranes.begin());
    FabricForm->FillMaterialLists();
    MessageRecorder messages;
    messages.Expect(InputError("Inner Membrane"), "Input Error");
    EXPECT_FALSE(FabricForm->GetFabricValue(fabric));
}

// Ratios stay with their fibres: a fibre taken out takes its ratio along, and neither its ratio
// nor one of a fabric shown earlier comes back with the next fibre.
TEST_F(FabricDialogTest, ARatioGoneWithItsFibreOrFabricDoesNotComeBackWithTheNextFibre)
{
    LoadGoldenFabrics();
    CaseModel& c = FurFea->Case;
    auto blend = std::make_shared<FabricType>(*c.Fabrics[0]);
    blend->Name = "Blend";
    blend->Fibers = {FiberNamed(c, "Wool"), FiberNamed(c, "Polyester"), FiberNamed(c, "Cotton")};
    blend->MassRatios = Points({0.35, 0.25, 0.4});
    c.Fabrics.push_back(blend);
    FabricForm->LoadFabricList(c.Fabrics);
    const auto ratios = [] {
        QStringList cells;
        for (int r = 0; r < FabricForm->RatioTable->RowCount(); ++r)
            cells << FabricForm->RatioTable->Cell(0, r);
        return cells;
    };
    ClickItem(FabricForm->FabricListBox, 3);
    MessageRecorder messages;
    messages.Expect("This fiber has been selected!", "Information");
    SelectFibers({"Polyester"});
    FabricForm->SFiberListBox->setCurrentRow(1);
    FabricForm->DeleteFiberBtn->click();
    EXPECT_EQ(ratios(), (QStringList{"35", "40"}));
    SelectFibers({"Polyester"});
    EXPECT_EQ(ratios(), (QStringList{"35", "40", ""}));

    ClickItem(FabricForm->FabricListBox, 0);  // Plain: Cotton alone
    SelectFibers({"Wool"});
    EXPECT_EQ(ratios(), (QStringList{"100", ""}));
    messages.Expect("The mass ratio of Wool is not correct. Please try it again!", "Input Error");
    FabricForm->btnAddtoList->click();
    EXPECT_EQ(c.Fabrics.size(), 4u);
    FabricForm->FiberListBox->setCurrentRow(-1);
    messages.Expect("Please select a fiber from the fiber list!", "Information");
    FabricForm->SelectFiberBtn->click();
}

TEST_F(FabricDialogTest, AMembraneBoxShowsANameOnlyWhileItsSideIsTicked)
{
    LoadGoldenFabrics();
    QComboBox* inner = FabricForm->InMemComboBox;
    QComboBox* outer = FabricForm->OutMemComboBox;
    ClickItem(FabricForm->FabricListBox, 1);  // Treated: Goretex inside, nothing outside
    EXPECT_EQ(outer->currentText(), "");
    FabricForm->InnerMemCheckBox->click();
    // The lists come back refilled whenever the fibre or membrane dialog closes.
    FabricForm->FillMaterialLists();
    EXPECT_EQ(inner->currentText(), "");
    FabricForm->InnerMemCheckBox->click();
    EXPECT_EQ(inner->currentText(), "Goretex");

    ClickItem(FabricForm->FabricListBox, 2);  // Odd: nothing inside, Goretex outside
    EXPECT_EQ(inner->currentText(), "");
    EXPECT_EQ(outer->currentText(), "Goretex");
    FabricForm->OuterMemCheckBox->click();
    EXPECT_EQ(outer->currentText(), "");
}

TEST_F(FabricDialogTest, OkHandsTheSelectedFabricToTheTargetLayerAndEveryWayOutReturnsToTheLayers)
{
    LoadGoldenFabrics();
    CaseModel& c = FurFea->Case;
    // The layer dialog's rows, with garment 1, layer 2 chosen by its layer button.
    std::vector<GarmentLayerRow>& rows = FabricLayerFrm->Rows;
    rows.resize(2);
    FabricLayerFrm->CurrentRow = 1;
    FabricLayerFrm->CurrentLayer = 2;
    int layerDialogShown = 0;
    ScopedModalHook hook([&](TForm& form) {
        EXPECT_EQ(&form, FabricLayerFrm);
        ++layerDialogShown;
        return int(mrOk);
    });
    FabricForm->Show();
    {
        MessageRecorder messages;
        messages.Expect("Please select a fabric from the list!", "Information");
        FabricForm->OKBtn->click();
    }
    EXPECT_EQ(layerDialogShown, 0);

    ClickItem(FabricForm->FabricListBox, 1);
    FabricForm->OKBtn->click();
    EXPECT_EQ(rows[1].Layers[2], c.Fabrics[1]);
    EXPECT_EQ(layerDialogShown, 1);

    // A garment row that is gone takes nothing.
    FabricLayerFrm->CurrentRow = 2;
    FabricLayerFrm->CurrentLayer = 0;
    FabricForm->Show();
    FabricForm->OKBtn->click();
    EXPECT_EQ(layerDialogShown, 2);
    for (const auto& row : rows)
        EXPECT_EQ(std::count(row.HasFabric.begin(), row.HasFabric.end(), true), row.HasFabric[2] ? 1 : 0);

    FabricForm->Show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(FabricForm, &escape);
    EXPECT_EQ(layerDialogShown, 3);
    EXPECT_FALSE(FabricForm->isVisible());
}

// After a delete no fabric is chosen: neither a line of the list nor the label names one, and
// OK puts nothing into the layer.
TEST_F(FabricDialogTest, AfterADeleteNoFabricIsSelectedAndOkAsksForOne)
{
    LoadGoldenFabrics();
    std::vector<GarmentLayerRow>& rows = FabricLayerFrm->Rows;
    rows.resize(1);
    FabricLayerFrm->CurrentRow = 0;
    FabricLayerFrm->CurrentLayer = 3;
    auto* list = Control<QListWidget>(FabricForm, "FabricListBox");
    auto* label = Control<QLabel>(FabricForm, "SelectFabricLabel");
    int layerDialogShown = 0;
    ScopedModalHook hook([&](TForm&) {
        ++layerDialogShown;
        return int(mrOk);
    });
    FabricForm->Show();
    // The first line and one in the middle, each with a line below it.
    for (int row : {0, 1}) {
        SCOPED_TRACE(row);
        ClickItem(list, row);
        ASSERT_FALSE(label->text().isEmpty());
        Control<QPushButton>(FabricForm, "btnDelete")->click();
        EXPECT_TRUE(list->selectedItems().isEmpty());
        EXPECT_EQ(label->text(), "");
        MessageRecorder messages;
        messages.Expect("Please select a fabric from the list!", "Information");
        Control<QPushButton>(FabricForm, "OKBtn")->click();
        EXPECT_TRUE(messages.AllConsumed());
    }
    EXPECT_EQ(list->count(), 1);
    EXPECT_EQ(layerDialogShown, 0);
    EXPECT_FALSE(rows[0].HasFabric[3]);
    EXPECT_EQ(rows[0].Layers[3], nullptr);
}

TEST_F(FabricDialogTest, APressBelowTheLastFabricSelectsNothingAndEmptiesTheDialog)
{
    LoadGoldenFabrics();
    FabricForm->Show();
    ClickItem(FabricForm->FabricListBox, 1);
    ASSERT_FALSE(FabricForm->PorosityText->text().isEmpty());
    QWidget* area = FabricForm->FabricListBox->viewport();
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(5, area->height() - 5));
    EXPECT_EQ(FabricForm->FabricListBox->currentRow(), -1);
    EXPECT_TRUE(FabricForm->PorosityText->text().isEmpty());
    MessageRecorder messages;
    messages.Expect("Please select a fabric from the list!", "Information");
    FabricForm->UpdateBtn->click();
}

// A fabric's PCM changes only when the user gave it one: by confirming the PCM dialog while the
// fabric is shown, or by ticking its PCM box anew (which asks for a PCM first).
TEST_F(FabricDialogTest, UpdateKeepsAFabricsOwnPcmUnlessOneWasGivenWhileItWasShown)
{
    CaseFixture rich = RichCase();
    CaseModel& m = rich.Model;
    m.Fabrics[1]->Pcm.T_p = 29.5;  // Treated
    auto cooled = std::make_shared<FabricType>(*m.Fabrics[1]);
    cooled->Name = "Cooled";
    cooled->Pcm.T_p = 31.5;
    cooled->Pcm.Radius = 0.0015;
    m.Fabrics.push_back(cooled);
    QTemporaryDir folder;
    ASSERT_TRUE(LoadCaseThroughTheMainWindow(rich.Text(), folder.filePath("pcm.sdf")));
    const auto& fabrics = FurFea->Case.Fabrics;
    auto* list = Control<QListWidget>(FabricForm, "FabricListBox");
    auto* update = Control<QPushButton>(FabricForm, "UpdateBtn");
    auto* properties = Control<QPushButton>(FabricForm, "btnPCM");
    auto* pcmBox = Control<QCheckBox>(FabricForm, "PCMCheck");
    const auto meltingPoint = [&](int row) { return fabrics[static_cast<std::size_t>(row)]->Pcm.T_p; };
    // The PCM dialog shows `shown` as the melting point; the user types `typed` and presses OK.
    const auto confirmPcm = [&](const QString& shown, const QString& typed) {
        ScopedModalHook hook([&](TForm& form) {
            EXPECT_EQ(&form, PCM);
            auto* edit = Control<QLineEdit>(PCM, "txtT_p");
            EXPECT_EQ(edit->text(), shown);
            edit->setText(typed);
            Control<QPushButton>(PCM, "OKBtn")->click();
            return int(mrNone);
        });
        properties->click();
    };

    // Right after the load each updates with the PCM it holds.
    for (int row : {1, 3}) {
        ClickItem(list, row);
        update->click();
    }
    EXPECT_EQ(meltingPoint(1), 29.5);
    EXPECT_EQ(meltingPoint(3), 31.5);
    EXPECT_EQ(fabrics[3]->Pcm.Radius, 0.0015);

    // Confirmed while Treated is shown: Treated takes it, Cooled keeps its own.
    ClickItem(list, 1);
    confirmPcm("29.5", "20");
    update->click();
    EXPECT_EQ(meltingPoint(1), 20);
    ClickItem(list, 3);
    update->click();
    EXPECT_EQ(meltingPoint(3), 31.5);

    // Ticked anew, the box asks for a PCM before Cooled is updated.
    pcmBox->click();
    pcmBox->click();
    Control<QLineEdit>(FabricForm, "txtVolumePercentofPCM")->setText("15");
    {
        MessageRecorder messages;
        messages.Expect("Please define the Phase Change Material!", "Information");
        update->click();
    }
    EXPECT_EQ(meltingPoint(3), 31.5);
    confirmPcm("31.5", "26.5");
    update->click();
    EXPECT_EQ(meltingPoint(3), 26.5);
    EXPECT_EQ(meltingPoint(1), 20);
}

// Loads a case whose fabrics (Plain, Treated with every option, Odd) the dialog shows and updates
// as they stand; the case's text.
std::string LoadFabricsAsTheDialogKeepsThem(const QTemporaryDir& folder)
{
    CaseFixture rich = RichCase();
    CaseModel& m = rich.Model;
    // The dialog derives the mean diameter from the fibres; the file holds what it derives.
    m.Fabrics[0]->MeanDiameter = 0.0015;
    m.Fabrics[1]->MeanDiameter = (0.0015 + 0.002) / 2;
    m.Fabrics[2]->Fibers = {FiberNamed(m, "Polyester")};
    m.Fabrics[2]->MassRatios = Points({1});
    m.Fabrics[2]->MeanDiameter = 0.0012;
    const std::string text = rich.Text();
    EXPECT_TRUE(LoadCaseThroughTheMainWindow(text, folder.filePath("fabrics.sdf")));
    return text;
}

// Through the dialog: a loaded case whose fabrics use every option, each fabric shown and
// updated as it stands, saves to the bytes it was loaded from.
TEST_F(FabricDialogTest, EveryFabricShownAndUpdatedSavesTheLoadedBytes)
{
    QTemporaryDir folder;
    const std::string text = LoadFabricsAsTheDialogKeepsThem(folder);
    ASSERT_FALSE(HasFailure());

    ScopedModalHook pcmOk([](TForm& form) {
        EXPECT_EQ(&form, PCM);
        PCM->OKBtn->click();
        return int(mrNone);
    });
    for (int row = 0; row < 3; ++row) {
        ClickItem(FabricForm->FabricListBox, row);
        if (FurFea->Case.Fabrics[static_cast<std::size_t>(row)]->HasPcm)
            FabricForm->btnPCM->click();
        if (row == 1) {
            // Stored over derived: SST 0.1 and SSB 0.2 would give 89, R = 3 would give 1/3.
            EXPECT_EQ(FabricForm->CapAngleText->text(), "25");
            EXPECT_EQ(FabricForm->TortuosLqdText->text(), "1.2");
        }
        FabricForm->UpdateBtn->click();
    }
    EXPECT_EQ(CaseFileText(FurFea->Case), text);
}

// A fabric reached by key or mouse is shown as a click shows it: Update then writes into each
// fabric what it holds, and OK hands on the fabric that "Selected Fabric" names.
TEST_F(FabricDialogTest, AFabricReachedByKeyOrMouseIsTheOneShownUpdatedAndHandedOn)
{
    QTemporaryDir folder;
    const std::string text = LoadFabricsAsTheDialogKeepsThem(folder);
    ASSERT_FALSE(HasFailure());
    const auto& fabrics = FurFea->Case.Fabrics;
    std::vector<GarmentLayerRow>& rows = FabricLayerFrm->Rows;
    rows.resize(1);
    FabricLayerFrm->CurrentRow = 0;
    FabricLayerFrm->CurrentLayer = 1;
    ScopedModalHook layerDialog([](TForm&) { return int(mrOk); });
    for (const ListMove& move : ListMoves) {
        SCOPED_TRACE(move.Way);
        FabricForm->Show();
        ExpectShownAsClicked(FabricForm, FabricForm->FabricListBox, move);
        FabricForm->UpdateBtn->click();
        EXPECT_EQ(FabricForm->SelectFabricLabel->text().toStdString(), fabrics[static_cast<std::size_t>(move.To)]->Name);
        FabricForm->OKBtn->click();
        EXPECT_EQ(rows[0].Layers[1], fabrics[static_cast<std::size_t>(move.To)]);
        EXPECT_EQ(CaseFileText(FurFea->Case), text);
    }
}

} // namespace
