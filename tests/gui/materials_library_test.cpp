#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/furfea.h"
#include "dialogbase/namedlg.h"
#include "materials/fiber.h"
#include "materials/membrane.h"
#include "tests/gui/listmoves.h"
#include "tests/gui/namedinputs.h"
#include "tests/support/appfixture.h"
#include "tests/support/messagerecorder.h"
#include "tests/unit/casefile_cases.h"
#include "toolkit/chart.h"
#include "toolkit/stringgrid.h"

namespace {

// Answers the name dialog with the scripted names in order; an empty one cancels it.
class NameAnswers {
public:
    NameAnswers(std::initializer_list<QString> names)
        : Names(names), Hook([this](TForm& form) { return Answer(form); })
    {
    }
    bool AllUsed() const { return Names.empty(); }

private:
    int Answer(TForm& form)
    {
        if (&form != NameDlg || Names.empty()) {
            ADD_FAILURE() << "the name dialog was not expected";
            return mrCancel;
        }
        const QString name = Names.front();
        Names.pop_front();
        if (name.isEmpty())
            return mrCancel;
        NameDlg->Edit1->setText(name);
        return mrOk;
    }
    std::deque<QString> Names;
    ScopedModalHook Hook;
};

void SelectLibraryFiber(int index)
{
    Fiber->FiberComboBox->setCurrentIndex(index);
    emit Fiber->FiberComboBox->activated(index);
}

void SelectPreset(int index)
{
    Membrane->MemComboBox->setCurrentIndex(index);
    emit Membrane->MemComboBox->activated(index);
}

// A fabric of the case made of the fibre, with the membrane inside and "OP" outside.
std::shared_ptr<FabricType> AddFabric(const std::string& name, std::shared_ptr<FiberType> fiber,
                                      std::shared_ptr<MembraneType> inner)
{
    auto fabric = std::make_shared<FabricType>();
    fabric->Name = name;
    if (fiber) {
        fabric->Fibers = {fiber};
        fabric->MassRatios = TDoubleDynArray{1.0};
    }
    fabric->Membranes = {inner ? inner : MakeDefaultMembrane(), MakeDefaultMembrane()};
    FurFea->Case.Fabrics.push_back(fabric);
    return fabric;
}

// Adds what the dialog shows under the name, which the name dialog answers; each question in
// `answers` (the confirmation first, then an overwrite or a refusal) must come in order.
void AddNamed(QCheckBox* newName, QPushButton* add, std::initializer_list<QString> names,
              const std::vector<std::pair<QString, int>>& answers)
{
    newName->setChecked(true);
    NameAnswers scripted(names);
    MessageRecorder messages;
    for (const auto& [text, answer] : answers)
        messages.Expect(text, QString(), answer);
    add->click();
    EXPECT_TRUE(messages.AllConsumed() && scripted.AllUsed()) << answers.back().first.toStdString();
}

void AddFiberNamed(const QString& name, bool exists = false)
{
    std::vector<std::pair<QString, int>> answers{{"Are you sure to select the fiber?", IDYES}};
    if (exists)
        answers.push_back({name + " has existed. Do you want to overwrite it?", IDYES});
    AddNamed(Fiber->NewCheckBox, Fiber->btnAddtoList, {name}, answers);
}

void AddMembraneNamed(const QString& name, bool exists = false)
{
    std::vector<std::pair<QString, int>> answers{{"Are you sure to select the membrane?", IDYES}};
    if (exists)
        answers.push_back({name + " has existed,do you want to overwrite it?", IDYES});
    AddNamed(Membrane->NewCheckBox, Membrane->btnAddtoList, {name}, answers);
}

bool IsBlack(const TChartImage* chart, int x, int y) { return chart->Picture().pixel(x, y) == qRgb(0, 0, 0); }

using FiberDialogTest = AppTest;

TEST_F(FiberDialogTest, OverwritingAFibreAFabricUsesChangesTheFabricsOwnRecord)
{
    SelectLibraryFiber(4);
    AddFiberNamed("Blend");
    const auto blend = FiberNamed(FurFea->Case, "Blend");
    ASSERT_TRUE(blend);
    EXPECT_DOUBLE_EQ(blend->Diameter, 0.00204);  // the library's wool, with its whole curve
    ASSERT_EQ(blend->RegainRH.Length(), 16);
    const auto fabric = AddFabric("Shirting", blend, nullptr);

    Fiber->DefaultClick();
    AddNamed(Fiber->NewCheckBox, Fiber->btnAddtoList, {"Blend", "Blend"},
             {{"Are you sure to select the fiber?", IDYES},
              {"Blend has existed. Do you want to overwrite it?", IDNO},
              {"Blend has existed. Do you want to overwrite it?", IDYES}});

    ASSERT_EQ(FurFea->Case.Fibers.size(), 1u);
    EXPECT_EQ(fabric->Fibers[0], blend);
    EXPECT_DOUBLE_EQ(blend->Diameter, 0.00216);  // cotton's
    EXPECT_EQ(Fiber->FiberListBox->count(), 1);
}

// A fabric's mean diameter follows its fibres: an overwritten fibre brings it up to date in
// every fabric made of it, and only there.
TEST_F(FiberDialogTest, OverwritingAFibreDerivesTheMeanDiameterOfTheFabricsMadeOfItAgain)
{
    CaseModel& c = FurFea->Case;
    SetGoldenFibers(c);     // Cotton 0.0015, Wool 0.002, Polyester 0.0012
    SetGoldenMembranes(c);
    SetGoldenFabrics(c);    // Plain: Cotton, stored 0.0005; Treated: Cotton and Wool, stored 0.001
    auto wool = std::make_shared<FabricType>(*c.Fabrics[0]);
    wool->Name = "Felt";
    wool->Fibers = {FiberNamed(c, "Wool")};
    wool->MeanDiameter = 0.0003;
    c.Fabrics.push_back(wool);
    c.Fabrics[2]->MeanDiameter = 0.0007;  // Odd, made of no fibre

    Fiber->DefaultClick();
    Control<QLineEdit>(Fiber, "DiameterText")->setText("0.001");
    AddFiberNamed("Wool", true);

    ASSERT_DOUBLE_EQ(FiberNamed(c, "Wool")->Diameter, 0.001);
    EXPECT_DOUBLE_EQ(c.Fabrics[0]->MeanDiameter, 0.0005);         // Plain: its fibres did not change
    EXPECT_DOUBLE_EQ(c.Fabrics[1]->MeanDiameter, (0.0015 + 0.001) / 2);
    EXPECT_DOUBLE_EQ(c.Fabrics[2]->MeanDiameter, 0.0007);
    EXPECT_DOUBLE_EQ(wool->MeanDiameter, 0.001);
    EXPECT_NE(CaseFileText(c).find("MaxDisCapDia: $0.002$ MeanDiameter: $0.00125$"), std::string::npos);
}

TEST_F(FiberDialogTest, AFibreInUseIsNotDeletedAndDeletingAnUnusedOneLeavesACaseThatLoads)
{
    Fiber->DefaultClick();
    AddFiberNamed("Used");
    Fiber->DefaultClick();
    AddFiberNamed("Spare");
    AddFabric("Shirting", FiberNamed(FurFea->Case, "Used"), nullptr);

    MessageRecorder messages;
    messages.Expect("The fiber Used is used by the fabric Shirting and can not be deleted!", "Information");
    ClickItem(Fiber->FiberListBox, 0);
    Fiber->btnDelete->click();

    ClickItem(Fiber->FiberListBox, 1);
    Fiber->btnDelete->click();
    ASSERT_EQ(Fiber->FiberListBox->count(), 1);
    ASSERT_EQ(FurFea->Case.Fibers.size(), 1u);
    EXPECT_EQ(FurFea->Case.Fibers[0]->Name, "Used");

    CaseFileContents contents;
    EXPECT_TRUE(ParseCaseFile(CaseFileText(FurFea->Case), contents, true));
}

using Point = std::pair<const char*, const char*>;

// A new table of the points (x and y as typed) through its point number and its New Table button.
void NewPoints(QLineEdit* count, QPushButton* newTable, TStringGrid* table, const std::vector<Point>& points)
{
    count->setText(QString::number(points.size()));
    newTable->click();
    for (std::size_t r = 0; r < points.size(); ++r) {
        table->SetCell(1, static_cast<int>(r) + 1, points[r].first);
        table->SetCell(2, static_cast<int>(r) + 1, points[r].second);
    }
}

// Points as "x y" texts: as typed, as a table shows them, as two arrays hold them.
std::vector<std::string> Joined(const std::vector<Point>& points)
{
    std::vector<std::string> joined;
    for (const auto& [x, y] : points)
        joined.push_back(std::string(x) + " " + y);
    return joined;
}
std::vector<std::string> Joined(const TStringGrid* table)
{
    std::vector<std::string> joined;
    for (int r = table->FixedRows(); r < table->RowCount(); ++r)
        joined.push_back((table->Cell(1, r) + " " + table->Cell(2, r)).toStdString());
    return joined;
}
std::vector<std::string> Joined(const TDoubleDynArray& x, const TDoubleDynArray& y)
{
    std::vector<std::string> joined;
    for (int i = 0; i < std::max(x.Length(), y.Length()); ++i)
        joined.push_back((i < x.Length() ? FloatToStr(x[i]) : "-") + " " + (i < y.Length() ? FloatToStr(y[i]) : "-"));
    return joined;
}

const NamedInput<FiberType> FiberInputs[] = {
    {"DiameterText", "0.0017", &FiberType::Diameter, "Diameter"},
    {"VaporDiffText", "4.4E-9", &FiberType::VaporDiff, "Vapor Diffusivity"},
    {"DensityText", "1.27", &FiberType::Density, "Density"},
    {"EmissivityText", "0.87", &FiberType::Emissivity, "Emissivity"},
    {"LiqConAngleText", "64", &FiberType::LiqConAngle, "Liquid Contact Angle"},
    {"TherConText", "0.00031", &FiberType::TherConductivity, "Thermal Conductivity"},
};
// Humidities that do not rise: nothing may sort the points.
const std::vector<Point> RegainPoints = {{"0.9", "0.11"}, {"0.2", "0.03"}, {"0.55", "0.07"}};

void FillFiber()
{
    TypeInputs(Fiber, FiberInputs);
    NewPoints(Fiber->PointNumText, Fiber->btnNewTable, Fiber->FiberRegainTable, RegainPoints);
}

TEST_F(FiberDialogTest, EachInputFillsItsOwnFieldEachRefusalAddsNothingAndDeleteEmptiesTheDialog)
{
    const CaseModel& c = FurFea->Case;
    std::vector<Refusal> refusals = {
        {[] { Fiber->FiberRegainTable->SetCell(2, 2, ""); },
         {"The input of 2th number 0.2 is not correct. Please try it again!"}},
        {[] { Fiber->FiberRegainTable->SetCell(1, 3, "0.5.5"); },
         {"The input of 3th number 0.5.5 is not correct. Please try it again!"}}};
    // The point number must count the table's rows exactly.
    for (const char* count : {"2", "4", "3.4"})
        refusals.push_back({[count] { Fiber->PointNumText->setText(count); }, {InputError("Point Number")}});
    AddEmptiedInputs(refusals, Fiber, FiberInputs);
    ExpectRefusals(FillFiber, refusals, [] { Fiber->btnAddtoList->click(); }, [&] { EXPECT_TRUE(c.Fibers.empty()); });
    // Not confirmed, or no name given: nothing is added, and the same input is then refused.
    FillFiber();
    const QString sure = "Are you sure to select the fiber?";
    AddNamed(Fiber->NewCheckBox, Fiber->btnAddtoList, {}, {{sure, IDNO}});
    AddNamed(Fiber->NewCheckBox, Fiber->btnAddtoList, {"Cotton $2", ""},
             {{sure, IDYES}, {"The name can not hold \"$\" or a line break. Please try it again!", IDOK}});
    AddNamed(Fiber->NewCheckBox, Fiber->btnAddtoList, {}, {{sure, IDYES}, {"This fiber has been selected!", IDOK}});
    EXPECT_TRUE(c.Fibers.empty());
    {
        MessageRecorder messages;
        messages.Expect("No fiber is defined!", "Information");
        Fiber->OKBtn->click();
    }
    EXPECT_FALSE(c.FiberDefined);

    Fiber->btnClear->click();  // a change of the user's again
    FillFiber();
    AddFiberNamed("Kapok");
    ASSERT_EQ(c.Fibers.size(), 1u);
    ExpectStored(*c.Fibers[0], FiberInputs);
    EXPECT_EQ(Joined(c.Fibers[0]->RegainRH, c.Fibers[0]->Regain), Joined(RegainPoints));
    EXPECT_EQ(Fiber->DiameterText->text(), "");  // ready for the next fibre
    // Shown again from the list, then deleted: the dialog shows nothing of it any more.
    ClickItem(Fiber->FiberListBox, 0);
    ExpectShown(Fiber, FiberInputs);
    EXPECT_EQ(Fiber->PointNumText->text(), "3");
    EXPECT_EQ(Joined(Fiber->FiberRegainTable), Joined(RegainPoints));
    Fiber->btnDelete->click();
    EXPECT_TRUE(c.Fibers.empty());
    EXPECT_EQ(Fiber->DiameterText->text(), "");
    EXPECT_EQ(Fiber->PointNumText->text(), "");
    EXPECT_EQ(Fiber->FiberRegainTable->RowCount(), 2);

    // New Table takes a whole number of rows from one to a thousand; a refused count keeps the rows.
    const std::pair<const char*, int> tables[] = {{"1", 2}, {"0", 2}, {"1000", 1001}, {"1001", 1001}, {"2.5", 1001}};
    for (const auto& [count, rows] : tables) {
        Fiber->PointNumText->setText(count);
        MessageRecorder messages;
        if (QString::number(rows - 1) != count)
            messages.Expect("The Point Number is not correct. Please try it again!", "Input Error");
        Fiber->btnNewTable->click();
        EXPECT_EQ(Fiber->FiberRegainTable->RowCount(), rows) << count;
    }
    // Preview names the row and the column it cannot use.
    FillFiber();
    Fiber->FiberRegainTable->SetCell(2, 2, "");
    MessageRecorder messages;
    messages.Expect("The number in 2th row 2th col is not correct. Please try it again!", "Input Error");
    Fiber->btnPreview->click();
}

TEST_F(FiberDialogTest, TheRegainChartEndsAtTheLastPointAndAFibreWithoutPointsShowsItsAxesOnly)
{
    Fiber->DefaultClick();
    const TChartImage* chart = Fiber->FiberRegainChart;
    ASSERT_EQ(chart->PictureWidth(), 250);
    ASSERT_EQ(chart->PictureHeight(), 170);
    // Point 16 of cotton: x = 20 + 16 * ((250 - 20 - 3) div 16), y = 155 - 0.24 * 155.
    EXPECT_TRUE(IsBlack(chart, 244, 118));
    EXPECT_EQ(chart->Picture().pixel(244, 60), ScrollBarColor().rgb());

    auto empty = std::make_shared<FiberType>();
    empty->Name = "Bare";
    Fiber->LoadFiberList({empty});
    int curvePixels = 0;
    for (int x = 23; x < chart->PictureWidth(); ++x)
        for (int y = 0; y < chart->PictureHeight() - 17; ++y)
            curvePixels += IsBlack(chart, x, y);
    EXPECT_EQ(curvePixels, 0);
    EXPECT_TRUE(IsBlack(chart, 20, 10));  // the axis is there
}

using MembraneDialogTest = AppTest;

TEST_F(MembraneDialogTest, OverwritingAMembraneAFabricUsesChangesItsRecord)
{
    SelectPreset(1);
    AddMembraneNamed("Ventile");
    const auto ventile = MembraneNamed(FurFea->Case, "Ventile");
    ASSERT_TRUE(ventile);
    const auto fabric = AddFabric("Shell", nullptr, ventile);

    SelectPreset(7);
    AddMembraneNamed("Ventile", true);
    EXPECT_EQ(fabric->Membranes[0], ventile);
    EXPECT_DOUBLE_EQ(ventile->TrValues[3], 4180);
    EXPECT_EQ(Membrane->MemListBox->count(), 1);

}

// "OP" stands for every fabric side without a membrane: taking its name for another membrane
// would put that membrane on all of them. However the name comes, it is refused.
TEST_F(MembraneDialogTest, OPIsNotOverwritten)
{
    SetGoldenFibers(FurFea->Case);
    SetGoldenMembranes(FurFea->Case);
    SetGoldenFabrics(FurFea->Case);  // Plain has OP on both sides
    Membrane->LoadMembraneList(FurFea->Case.Membranes);
    const std::string before = CaseFileText(FurFea->Case);
    auto* newName = Control<QCheckBox>(Membrane, "NewCheckBox");
    auto* add = Control<QPushButton>(Membrane, "btnAddtoList");
    const QString refusal = "The membrane OP can not be overwritten!";
    const struct {
        const char* Way;
        bool NewName;
        int Preset;
        std::initializer_list<QString> Names;
        std::vector<std::pair<QString, int>> Answers;
    } ways[] = {
        {"the preset OP", false, 0, {}, {{"Are you sure to select the membrane?", IDYES}, {refusal, IDOK}}},
        {"typed", true, 7, {"OP"}, {{"Are you sure to select the membrane?", IDYES}, {refusal, IDOK}}},
        {"typed after not overwriting another", true, 1, {"Goretex", "OP"},
         {{"Are you sure to select the membrane?", IDYES},
          {"Goretex has existed,do you want to overwrite it?", IDNO},
          {refusal, IDOK}}},
    };
    for (const auto& w : ways) {
        SCOPED_TRACE(w.Way);
        SelectPreset(w.Preset);
        newName->setChecked(w.NewName);
        NameAnswers names(w.Names);
        MessageRecorder messages;
        for (const auto& [text, answer] : w.Answers)
            messages.Expect(text, "Information", answer);
        add->click();
        EXPECT_TRUE(messages.AllConsumed() && names.AllUsed());
        EXPECT_EQ(CaseFileText(FurFea->Case), before);
        EXPECT_EQ(Membrane->MemListBox->count(), 2);
    }
}

TEST_F(MembraneDialogTest, NeitherOPNorAMembraneInUseIsDeleted)
{
    SelectPreset(2);
    AddMembraneNamed("Diaplax");
    AddFabric("Shell", nullptr, MembraneNamed(FurFea->Case, "Diaplax"));
    Membrane->LoadMembraneList(FurFea->Case.Membranes);  // lists "OP" as a loaded case does
    ASSERT_EQ(Membrane->MemListBox->count(), 2);

    MessageRecorder messages;
    messages.Expect("The membrane OP can not be deleted!", "Information");
    messages.Expect("The membrane Diaplax is used by the fabric Shell and can not be deleted!", "Information");
    for (int row : {0, 1}) {
        ClickItem(Membrane->MemListBox, row);
        Membrane->btnDelete->click();
    }
    EXPECT_EQ(FurFea->Case.Membranes.size(), 2u);
}

// Temperatures that do not rise and that differ between the curves.
const std::vector<Point> WvpPoints = {{"300.5", "700"}, {"280.25", "1200"}, {"290", "950"}};
const std::vector<Point> TrPoints = {{"305", "0.6"}, {"285", "0.35"}};

void FillMembrane()
{
    Membrane->ThicknessText->setText("0.42");
    NewPoints(Membrane->WPointNumText, Membrane->btnWvpNew, Membrane->WvpTable, WvpPoints);
    NewPoints(Membrane->TPointNumText, Membrane->btnTrNew, Membrane->TrTable, TrPoints);
}

TEST_F(MembraneDialogTest, EachInputFillsItsOwnFieldEachRefusalAddsNothingAndDeleteEmptiesTheDialog)
{
    const CaseModel& c = FurFea->Case;
    const std::size_t membranes = c.Membranes.size();
    std::vector<Refusal> refusals = {
        {[] { Membrane->ThicknessText->clear(); }, {InputError("Thickness")}},
        {[] { Membrane->WvpTable->SetCell(2, 2, ""); }, {"The 2th number of WVP is not correct. Please try it again!"}},
        {[] { Membrane->TrTable->SetCell(1, 2, "2..8"); },
         {"The 2th number of TR is not correct. Please try it again!"}}};
    for (const char* count : {"2", "4"})
        refusals.push_back({[count] { Membrane->WPointNumText->setText(count); }, {InputError("WVP Point Number")}});
    for (const char* count : {"1", "3"})
        refusals.push_back({[count] { Membrane->TPointNumText->setText(count); }, {InputError("TR Point Number")}});
    ExpectRefusals(FillMembrane, refusals, [] { Membrane->btnAddtoList->click(); },
                   [&] { EXPECT_EQ(c.Membranes.size(), membranes); });
    FillMembrane();
    const QString sure = "Are you sure to select the membrane?";
    AddNamed(Membrane->NewCheckBox, Membrane->btnAddtoList, {}, {{sure, IDNO}});
    AddNamed(Membrane->NewCheckBox, Membrane->btnAddtoList, {""}, {{sure, IDYES}});
    Membrane->Modified = false;  // as on a fresh dialog
    AddNamed(Membrane->NewCheckBox, Membrane->btnAddtoList, {},
             {{sure, IDYES}, {"This membrane has been selected!", IDOK}});
    EXPECT_EQ(c.Membranes.size(), membranes);
    {
        MessageRecorder messages;
        messages.Expect("No membrane is defined!", "Information");
        Membrane->OKBtn->click();
    }
    EXPECT_FALSE(c.MembraneDefined);

    Membrane->btnClear->click();
    FillMembrane();
    AddMembraneNamed("Sympatex");
    const auto added = MembraneNamed(c, "Sympatex");
    ASSERT_TRUE(added);
    EXPECT_DOUBLE_EQ(added->Thickness, 0.42);
    EXPECT_EQ(Joined(added->WvpTemperatures, added->WvpValues), Joined(WvpPoints));
    EXPECT_EQ(Joined(added->TrTemperatures, added->TrValues), Joined(TrPoints));
    EXPECT_EQ(Membrane->ThicknessText->text(), "");
    ClickItem(Membrane->MemListBox, 0);
    EXPECT_EQ(Membrane->ThicknessText->text(), "0.42");
    EXPECT_EQ(Joined(Membrane->WvpTable), Joined(WvpPoints));
    EXPECT_EQ(Joined(Membrane->TrTable), Joined(TrPoints));
    Membrane->btnDelete->click();
    EXPECT_EQ(c.Membranes.size(), membranes);
    EXPECT_EQ(Membrane->ThicknessText->text(), "");
    EXPECT_EQ(Membrane->WPointNumText->text(), "");
    EXPECT_EQ(Membrane->TrTable->RowCount(), 2);

    // New tables: each curve's own refusal (the TR one says "Wvp" too), and a kept table.
    const std::tuple<QLineEdit*, const char*, int, QString> tables[] = {
        {Membrane->WPointNumText, "1", 2, {}},
        {Membrane->WPointNumText, "0", 2, "The Wvp Point Number is not correct. Please try it again."},
        {Membrane->TPointNumText, "1000", 1001, {}},
        {Membrane->TPointNumText, "1001", 1001, "The Wvp Point Number is not correct. Please try it again!"}};
    for (const auto& [count, text, rows, refusal] : tables) {
        const bool wvp = count == Membrane->WPointNumText;
        count->setText(text);
        MessageRecorder messages;
        if (!refusal.isEmpty())
            messages.Expect(refusal, "Input Error!");
        (wvp ? Membrane->btnWvpNew : Membrane->btnTrNew)->click();
        EXPECT_EQ((wvp ? Membrane->WvpTable : Membrane->TrTable)->RowCount(), rows) << text;
    }
    FillMembrane();
    Membrane->TrTable->SetCell(2, 2, "");
    MessageRecorder messages;
    messages.Expect("The number in 2th row is not correct. Please try it again!", "Input Error");
    Membrane->PreviewTRBtn->click();
}

TEST_F(MembraneDialogTest, AFlatThermalResistanceIsDrawnAlongTheTopOfTheChart)
{
    SelectPreset(7);
    const TChartImage* chart = Membrane->TRImage;
    ASSERT_EQ(chart->PictureWidth(), 200);
    ASSERT_EQ(chart->PictureHeight(), 150);
    // Points at x = 2 + i * ((200 - 2 - 3) div 6), all at 150 - 15 - (150 - 18).
    for (int x : {34, 100, 194})
        EXPECT_TRUE(IsBlack(chart, x, 3)) << x;
    EXPECT_FALSE(IsBlack(chart, 20, 3));  // the line starts at the first point
}

// Through the dialogs, not only through the reader and the writer: a loaded library shown,
// each record reached by key or mouse shown as a click shows it, each record clicked and added
// again under its own name, saves to the bytes it came from.
using MaterialLibrariesTest = AppTest;

TEST_F(MaterialLibrariesTest, ALoadedLibraryReachedAndAddedAgainThroughTheDialogsSavesTheSameBytes)
{
    CaseFixture library = FreshCase();
    SetGoldenFibers(library.Model);
    SetGoldenMembranes(library.Model);
    auto sympatex = std::make_shared<MembraneType>(*library.Model.Membranes[0]);
    sympatex->Name = "Sympatex";
    sympatex->Thickness = 0.0045;
    sympatex->WvpValues = Points({7200, 7700});
    sympatex->WvpTemperatures = Points({284.5, 296.5});
    library.Model.Membranes.push_back(sympatex);
    const std::string text = library.Text();
    QTemporaryDir folder;
    ASSERT_TRUE(LoadCaseThroughTheMainWindow(text, folder.filePath("library.sdf")));

    Fiber->Show();
    Membrane->Show();
    for (const ListMove& move : ListMoves) {
        SCOPED_TRACE(move.Way);
        ExpectShownAsClicked(Fiber, Fiber->FiberListBox, move);
        ExpectShownAsClicked(Membrane, Membrane->MemListBox, move);
    }
    for (int row = 0; row < Fiber->FiberListBox->count(); ++row) {
        ClickItem(Fiber->FiberListBox, row);
        AddFiberNamed(Fiber->FiberListBox->item(row)->text(), true);
    }
    for (int row = 0; row < Membrane->MemListBox->count(); ++row) {
        ClickItem(Membrane->MemListBox, row);
        const QString name = Membrane->MemListBox->item(row)->text();
        if (name == "OP") {
            AddNamed(Membrane->NewCheckBox, Membrane->btnAddtoList, {name},
                     {{"Are you sure to select the membrane?", IDYES},
                      {"The membrane OP can not be overwritten!", IDOK}});
            continue;
        }
        AddMembraneNamed(name, true);
    }
    EXPECT_EQ(Fiber->FiberListBox->count(), 3);
    EXPECT_EQ(CaseFileText(FurFea->Case), text);
}

} // namespace
