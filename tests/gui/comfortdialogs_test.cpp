#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "app/furfea.h"
#include "results/io/comforteval.h"
#include "results/thermalcomfortfrm.h"
#include "tests/support/appfixture.h"
#include "tests/support/messagerecorder.h"
#include "tests/unit/tempfolder.h"
#include "wearer/initialfrm.h"
#include "wearer/roomfrm.h"
#include "wearer/selfheatingfrm.h"

namespace {

using CaseRecordsTest = AppTest;

// A row of the room, self-heating or initial-condition dialog: its edit, a value of its own
// typed there (none a default, no two alike) and what the record then holds, what Default puts
// there as stored, and the name its message gives.
template <class Record>
struct RecordRow {
    const char* Edit;
    const char* Typed;
    double Stored;
    double Default;
    const char* Name;
    double Record::*Field;
};

// Default then OK stores the defaults; every row filled with its own value is stored in its
// own field; then each row emptied alone is named, with `failure` after it when there is one,
// keeps the dialog open and stores nothing, not even the rows read before it.
template <class Record, std::size_t N>
void CheckRecordDialog(TForm* form, const std::function<void()>& open, Record CaseModel::*record,
                       bool CaseModel::*defined, const RecordRow<Record> (&rows)[N],
                       const std::function<QString(const QString&)>& message, const char* failure)
{
    CaseModel& c = FurFea->Case;
    auto* ok = Control<QPushButton>(form, "OKBtn");
    auto fill = [&] {
        for (const auto& r : rows)
            Control<QLineEdit>(form, r.Edit)->setText(r.Typed);
    };
    MessageRecorder messages;
    for (bool defaults : {true, false}) {
        EXPECT_EQ(RunModal(form, open, [&] {
                      defaults ? Control<QPushButton>(form, "Default")->click() : fill();
                      ok->click();
                  }),
                  mrOk);
        for (const auto& r : rows)
            EXPECT_DOUBLE_EQ(c.*record.*r.Field, defaults ? r.Default : r.Stored) << r.Edit;
        EXPECT_TRUE(c.*defined);
    }

    for (const auto& bad : rows) {
        SCOPED_TRACE(bad.Edit);
        c.*record = Record{};
        c.*defined = false;
        messages.Expect(message(bad.Name), "Input Error");
        if (failure)
            messages.Expect(failure, "Information");
        EXPECT_EQ(RunModal(form, open, [&] {
                      fill();
                      Control<QLineEdit>(form, bad.Edit)->setText(" ");
                      ok->click();
                      if (failure) {  // these dialogs put the cursor into the edit named
                          EXPECT_EQ(form->focusWidget(), Control<QLineEdit>(form, bad.Edit));
                      }
                  }),
                  mrNone);
        for (const auto& r : rows)
            EXPECT_EQ(c.*record.*r.Field, 0) << r.Edit;
        EXPECT_FALSE(c.*defined);
    }
}

QString NamedInputError(const QString& name) { return name + " is not correct! Please input it again."; }

TEST_F(CaseRecordsTest, RoomRowsAreStoredInTheirOwnFieldsAndEachRefusalIsNamed)
{
    const RecordRow<RoomParameters> rows[] = {
        {"txtVolume", "51000000", 5.1e7, 4.8e7, "Volume", &RoomParameters::Volume},
        {"txtSurfaceArea", "470001", 470001, 480000, "Surface Area", &RoomParameters::SurfaceArea},
        {"txtCoolingLoad", "3100.5", 3100.5, 3000, "Cooling Load", &RoomParameters::CoolingLoad},
        {"txtMinTemp", "-2.5", -2.5, 24, "Min Control Temperature", &RoomParameters::MinControlTemperature},
        {"txtMaxTemp", "31.25", 31.25, 27, "Max Control Temperature", &RoomParameters::MaxControlTemperature},
        {"txtDensity", "0.0012", 0.0012, 0.001185, "Air Density", &RoomParameters::AirDensity},
        {"txtSpecHeat", "0.25", 0.25, 0.240195, "Air Specific Heat", &RoomParameters::AirSpecificHeat},
    };
    CheckRecordDialog(RoomFrm, [] { RoomFrm->ShowModal(); }, &CaseModel::Room, &CaseModel::RoomDefined, rows,
                      NamedInputError, "No room is defined!");
}

TEST_F(CaseRecordsTest, SelfHeatingRowsAreStoredInTheirOwnFieldsAndEachRefusalIsNamed)
{
    FurFea->Case.ModelCode = ModelPCM;  // the PCM control edits take input
    using H = SelfHeatingParameters;
    const RecordRow<H> rows[] = {
        {"txtHeatLoad", "0.0007", 0.0007, 0.0005, "Heating Load", &H::HeatingLoad},
        {"txtMinTemp", "-1.5", -1.5, 24, "Min Control Temperature", &H::MinControlTemperature},
        {"txtMaxTemp", "28.5", 28.5, 26, "Max Control Temperature", &H::MaxControlTemperature},
        {"txtHeatLoadPCM", "0.2", 0.2, 0.1, "Control Heating Load when with PCM", &H::HeatingLoadWithPCM},
        {"txtControlTempPCM", "33", 33, 30, "Control Temperature when with PCM", &H::ControlTemperatureWithPCM},
        {"txtTimeCoef", "90", 90, 100, "Control Time Coefficient", &H::ControlTimeCoefficient},
    };
    const auto open = [] { SelfHeatingFrm->ShowModal(); };
    CheckRecordDialog(SelfHeatingFrm, open, &CaseModel::SelfHeating, &CaseModel::SelfHeatingDefined, rows,
                      NamedInputError, "No Self-heating information is defined!");

    // Without a PCM model the PCM values are locked at zero.
    MessageRecorder messages;
    FurFea->Case.ModelCode = ModelBody;
    FurFea->Case.SelfHeating.HeatingLoadWithPCM = 5;
    RunModal(SelfHeatingFrm, open, [] {
        SelfHeatingFrm->Default->click();
        SelfHeatingFrm->OKBtn->click();
    });
    const H& h = FurFea->Case.SelfHeating;
    EXPECT_EQ(QList<double>({h.HeatingLoadWithPCM, h.ControlTemperatureWithPCM, h.ControlTimeCoefficient}),
              QList<double>({0, 0, 0}));
}

TEST_F(CaseRecordsTest, InitialRowsAreStoredInKelvinAndAsFractionsAndEachRefusalIsNamed)
{
    using I = InitialConditions;
    const RecordRow<I> rows[] = {
        {"EnTemperatureText", "21", 294.16, 298.16, "Inner Environment Temperature", &I::InnerTemperature},
        {"EnTemperatureText2", "-4", 269.16, 298.16, "Outer Environment Temperature", &I::OuterTemperature},
        {"EnRHText", "40", 0.4, 0.65, "Inner Environment Relative Humidity", &I::InnerRH},
        {"EnRHText2", "85", 0.85, 0.65, "Outer Environment Relative Humidity", &I::OuterRH},
    };
    const auto open = [] { FurFea->InitialConditionClick(); };
    CheckRecordDialog(InitialFrm, open, &CaseModel::Initial, &CaseModel::InitialDefined, rows, InputError, nullptr);

    // A humidity is taken from 0 to 100 %, both ends included; past them it is named.
    const std::pair<const char*, double> limits[] = {{"0", 0}, {"100", 1}, {"-0.001", -1}, {"100.001", -1}};
    for (const auto& [text, stored] : limits) {
        SCOPED_TRACE(text);
        FurFea->Case.Initial.OuterRH = 0.5;
        MessageRecorder messages;
        if (stored < 0)
            messages.Expect(InputError(rows[3].Name), "Input Error");
        RunModal(InitialFrm, open, [text = text] {
            InitialFrm->DefaultClick();
            InitialFrm->EnRHText2->setText(text);
            InitialFrm->OKBtn->click();
        });
        EXPECT_DOUBLE_EQ(FurFea->Case.Initial.OuterRH, stored < 0 ? 0.5 : stored);
    }
}

TEST_F(CaseRecordsTest, EvaluateWritesTheComfortFileThenShowsTheComfortWindow)
{
    TempFolder folder;
    FurFea->Case.SetCaseDir(folder.Path().string());
    int shown = 0;
    ScopedModalHook hook([&](TForm& form) {
        if (&form == ThermalComfortFrm) {
            ++shown;
            // Its one button closes it.
            form.show();
            ThermalComfortFrm->Button1->click();
            EXPECT_FALSE(form.isVisible());
        }
        return int(mrOk);
    });
    {
        MessageRecorder messages;
        messages.Expect("the file BodyDataForComfort.dat does not exist!", "Information");
        FurFea->Evaluate1Click();
    }
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "comfort.dat"));

    std::string input = "header\n";
    for (int i = 0; i < ComfortRecordEntries; ++i)
        input += "1\t35\t37\t0.5\t\n";
    folder.Write("BodyDataForComfort.dat", input);
    MessageRecorder messages;  // no message on success
    FurFea->Evaluate1Click();
    EXPECT_EQ(shown, 2);
    EXPECT_TRUE(std::filesystem::is_regular_file(folder.Path() / "comfort.dat"));
}

} // namespace
