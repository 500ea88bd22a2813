#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQueryModel>
#include <QTableView>
#include <QTemporaryDir>

#include "casemodel/numformat.h"
#include "materials/bodypform.h"
#include "materials/bodyqueryform.h"
#include "materials/fabricform.h"
#include "materials/fabricpfrom.h"
#include "materials/fabricqueryform.h"
#include "materials/fiber.h"
#include "materials/fiberpform.h"
#include "materials/fiberqueryform.h"
#include "tests/support/appfixture.h"
#include "tests/support/glpixels.h"
#include "tests/support/messagerecorder.h"
#include "toolkit/application.h"
#include "toolkit/radiogroup.h"
#include "wearer/definebodyfrm.h"
#include "wearer/physiologyfrm.h"

namespace {

const QString ScriptFolder = QStringLiteral(VANTORA_TEST_DATA "/../../assets/db");
const QString Connection = "materialdb_test";
const QString CannotOpen = "The material database db/MYMAT.db cannot be opened!";

// Rows whose values make text and numeric order differ, a company with an apostrophe, a child
// and a model for the copying tests, beside the seed.
const char* const TestRows = R"(
insert into FabricBasicData values ('T1', 'Fleece', 'Knit', '', 'O''Brien Mills');
insert into FabricBasicData values ('T2', 'Poplin', 'Woven', '', 'Acme');
insert into FabricBasicData values ('T3', 'Felt', 'Nonwoven', '', 'Acme');
insert into FabricOtherData values ('T1', 'Thichness', '2'), ('T1', 'Porosity', '0.9'),
    ('T1', 'Emissivity', '0.95'), ('T1', 'Max distributed capillary radius', '0.004'),
    ('T1', 'Capillary angle', '33'), ('T1', 'Tortuous liquid', '1.4'), ('T1', 'Tortuous gas', '1.25');
insert into FiberBasicData values ('F9', 'Kapok', 'Natural cellulose', '', 'Acme');
insert into FiberOtherData values ('F9', 'Diameter', '0.0021'), ('F9', 'Volume density', '0.38'),
    ('F9', 'Liquid contact angle', '83'), ('F9', 'Diffusion coefficient', '3.1E-9'),
    ('F9', 'Thermal conductivity', '0.00012'), ('F9', 'Emissivity', '0.86');
insert into FabricOtherData values ('T2', 'Thichness', '0.25'), ('T2', 'Porosity', '0.6');
insert into FabricOtherData values ('T3', 'Thichness', '12'), ('T3', 'Porosity', '');
insert into HumanModelGeneralData (ModelID, ModelNation, ModelGender, ModelAge, Weight, DuboisArea,
    CpBlood, TSkNeu) values ('B1', 'Asian', '1', '30', '70', '18481.43', '0.9', '33.5');
insert into HumanModelGeneralData (ModelID, ModelNation, ModelGender, ModelAge, Weight)
    values ('C1', 'Other', '2', '9', '30');
insert into HumanModelGeneralData (ModelID, ModelNation, ModelGender, ModelAge, Weight, DuboisArea)
    values ('X1', 'Asian', '2', 'abc', '55', '16000');
)";

// An in-memory database built from the shipped scripts, with the test rows when asked.
QSqlDatabase BuildDatabase(const QString& name, bool withTestRows)
{
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
    db.setDatabaseName(":memory:");
    EXPECT_TRUE(db.open());
    QString error;
    EXPECT_TRUE(BuildMaterialDatabase(db, ScriptFolder, error)) << error.toStdString();
    if (withTestRows) {
        EXPECT_TRUE(RunSqlScript(db, TestRows, error)) << error.toStdString();
    }
    return db;
}

void DropDatabase(const QString& name)
{
    QSqlDatabase::database(name, false).close();
    QSqlDatabase::removeDatabase(name);
}

QSet<QString> FoundIds(TQueryFormBase* form)
{
    QSet<QString> ids;
    for (int row = 0; row < form->ResultCount(); ++row)
        ids << form->Query1->record(row).value(0).toString();
    return ids;
}

int RowCount(const QString& table)
{
    QSqlQuery q(QSqlDatabase::database(Connection, false));
    q.exec("select count(*) from " + table);
    return q.next() ? q.value(0).toInt() : -1;
}

// Runs a query with no conditions, double-clicks the result row of an ID, and runs `onRecord`
// in the record window that opens; the query window's modal result.
template <class QueryForm>
int SelectRecord(QueryForm* query, const QString& id, const std::function<void(TForm&)>& onRecord)
{
    ScopedModalHook hook([&](TForm& form) {
        if (&form != query) {
            onRecord(form);
            return int(mrNone);
        }
        query->Button1Click();
        for (int row = 0; row < query->ResultCount(); ++row)
            if (query->Query1->record(row).value(0).toString() == id) {
                query->DBGrid1->setCurrentIndex(query->Query1->index(row, 0));
                query->DBGrid1DblClick();
                return int(mrNone);
            }
        ADD_FAILURE() << "no result row " << id.toStdString();
        return int(mrNone);
    });
    return query->ShowModal();
}

class MaterialDbTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        BuildDatabase(Connection, true);
        UseMaterialDatabase(Connection);
    }
    void TearDown() override
    {
        for (TQueryFormBase* form : std::initializer_list<TQueryFormBase*>{FabricQueryForm, FiberQueryForm, BodyQueryForm})
            form->ClearResults();
        UseMaterialDatabase(QString());
        DropDatabase(Connection);
    }

    QSet<QString> FabricQuery(const QString& type, const QString& company, const TTextRange& thickness,
                              const TTextRange& porosity)
    {
        TFabricQueryForm* f = FabricQueryForm;
        f->Button2Click();
        f->ComboBox1->setEditText(type);
        f->Edit1->setText(company);
        f->Edit2->setText(thickness.From);
        f->Edit3->setText(thickness.To);
        f->Edit8->setText(porosity.From);
        f->Edit9->setText(porosity.To);
        f->Button1Click();
        return FoundIds(f);
    }
};

using Ids = QSet<QString>;

TEST_F(MaterialDbTest, FabricQueryMeetsEachConditionComparesNumericBoundsAsNumbersAndTakesNoSql)
{
    EXPECT_EQ(FabricQuery("", "cme", {}, {}), (Ids{"T2", "T3"}));
    EXPECT_EQ(FabricQuery("", "O'Brien", {}, {}), (Ids{"T1"}));
    // As texts "2" lies above "10" and "12" between "0.5" and "13".
    EXPECT_EQ(FabricQuery("", "", {"0.5", "10"}, {}), (Ids{"T1"}));
    EXPECT_EQ(FabricQuery("", "", {"", "0.5"}, {}), (Ids{"T2"}));
    // A fabric without a stored porosity never meets a porosity range.
    EXPECT_EQ(FabricQuery("", "", {}, {"0", ""}), (Ids{"T1", "T2"}));

    // Typed text never becomes SQL.
    EXPECT_EQ(FabricQuery("", "x' or '1'='1", {}, {}), Ids{});
    // Not a number: compared as a text, which every stored thickness lies above.
    EXPECT_EQ(FabricQuery("", "", {"'; drop table FabricBasicData; --", ""}, {}), (Ids{"T1", "T2", "T3"}));
    EXPECT_EQ(FabricQuery("'; drop table FabricBasicData; --", "", {}, {}), Ids{});
    EXPECT_EQ(RowCount("FabricBasicData"), 3);
    EXPECT_EQ(RowCount("FabricOtherData"), 11);
}

TEST_F(MaterialDbTest, BodyQueryClearDropsTheSexCondition)
{
    TBodyQueryForm* f = BodyQueryForm;
    f->Button2Click();
    f->ComboBox1->setEditText("Asian");
    f->RadioButton2->click();
    f->Button1Click();
    EXPECT_EQ(FoundIds(f), (Ids{"HM06", "X1"}));

    f->Button2Click();
    f->ComboBox1->setEditText("Asian");
    f->Button1Click();
    EXPECT_EQ(FoundIds(f), (Ids{"HM05", "HM06", "B1", "X1"}));
}

TEST_F(MaterialDbTest, TypeListsOfferEachStoredValueOnceSortedAndKeepTheTypedText)
{
    BodyQueryForm->ComboBox1->setEditText("As");
    BodyQueryForm->ComboBox1DropDown();
    QStringList items;
    for (int i = 0; i < BodyQueryForm->ComboBox1->count(); ++i)
        items << BodyQueryForm->ComboBox1->itemText(i);
    EXPECT_EQ(items, (QStringList{"African-American", "Asian", "Caucasian people", "Hispanic",
                                  "Mexican-American", "Other"}));
    EXPECT_EQ(BodyQueryForm->ComboBox1->currentText(), "As");

    FabricQueryForm->ComboBox1DropDown();
    FabricQueryForm->ComboBox1DropDown();  // a second drop-down does not add the types again
    EXPECT_EQ(FabricQueryForm->ComboBox1->count(), 3);
}

TEST_F(MaterialDbTest, BodyRecordSelectFillsBothDialogsAndClosesTheQuery)
{
    PhysiologyFrm->ClearPhysiologyEdits();
    DefineBodyFrm->RadioGroup1->SetItemIndex(1);
    DefineBodyFrm->SexChanged = false;
    EXPECT_EQ(SelectRecord(BodyQueryForm, "B1", [](TForm& form) { static_cast<TBodyPForm&>(form).Button1->click(); }),
              mrOk);

    double height = 0;
    ASSERT_TRUE(TryStrToFloat(DefineBodyFrm->HeightText->text().toStdString(), height));
    EXPECT_NEAR(height, 175.0, 0.001);
    EXPECT_EQ(DefineBodyFrm->RadioGroup1->ItemIndex(), 0);
    EXPECT_TRUE(DefineBodyFrm->SexChanged);
    // The model's values over the defaults; the blood's specific heat is the model's.
    EXPECT_EQ(PhysiologyFrm->Cp_bldEdit->text(), "0.9");
    EXPECT_EQ(PhysiologyFrm->T_crneuEdit->text(), "37.1");
}

TEST_F(MaterialDbTest, BodyRecordWithAnAgeThatIsNoNumberCopiesNothing)
{
    PhysiologyFrm->ClearPhysiologyEdits();
    DefineBodyFrm->W_dText->setText("80");
    MessageRecorder messages;
    messages.Expect("The input of ModelAge is not correct. Please try it again!", "Input Error");
    EXPECT_NE(SelectRecord(BodyQueryForm, "X1", [](TForm& form) { static_cast<TBodyPForm&>(form).Button1Click(); }),
              mrOk);
    EXPECT_EQ(DefineBodyFrm->W_dText->text(), "80");
    EXPECT_EQ(PhysiologyFrm->Cswr_maxEdit->text(), "");
    EXPECT_FALSE(PhysiologyFrm->Defined);
}

TEST_F(MaterialDbTest, BodyModelAgeClassesRaceTextsAndMissingHeight)
{
    const std::pair<double, int> ages[] = {{17.9, 0}, {18, 1}, {60, 1}, {60.5, 2}};
    for (const auto& [age, index] : ages) {
        TBodyModelChoice choice;
        choice.Age = age;
        DefineBodyFrm->PutBodyModel(choice);
        EXPECT_EQ(DefineBodyFrm->RadioGroup2->ItemIndex(), index) << age;
    }
    for (const auto& [race, index] : {std::pair<const char*, int>{"Caucasian", 0}, {"asian", 5}}) {
        DefineBodyFrm->PutBodyModel({race, {}, -1, {}, {}});
        EXPECT_EQ(DefineBodyFrm->RadioGroup3->ItemIndex(), index) << race;
    }

    // Weight 0: no height can be derived and the dialog keeps its own.
    DefineBodyFrm->HeightText->setText("181");
    TBodyPForm record;
    QSqlRecord row = QSqlDatabase::database(Connection, false).record("HumanModelGeneralData");
    row.setValue("ModelID", "Z");
    row.setValue("Weight", "0");
    row.setValue("DuboisArea", "18000");
    record.PutRecord(row);
    record.Button1Click();
    EXPECT_EQ(DefineBodyFrm->HeightText->text(), "181");
}

// Select puts each stored value into its own edit of the fibre or fabric dialog; an edit without
// a stored value keeps what it shows.
TEST_F(MaterialDbTest, FibreAndFabricSelectFillEachEditWithItsOwnStoredValue)
{
    const auto select = [](auto* query, const char* id) {
        EXPECT_EQ(SelectRecord(query, id, [](TForm& form) { form.findChild<QPushButton*>("Button2")->click(); }), mrOk);
    };
    using Shown = std::vector<std::pair<QLineEdit*, const char*>>;
    const auto expectShown = [](const Shown& edits) {
        for (const auto& [edit, text] : edits)
            EXPECT_EQ(edit->text(), text) << edit->objectName().toStdString();
    };
    select(FiberQueryForm, "F9");
    expectShown({{Fiber->DiameterText, "0.0021"}, {Fiber->DensityText, "0.38"}, {Fiber->LiqConAngleText, "83"},
                 {Fiber->VaporDiffText, "3.1E-9"}, {Fiber->TherConText, "0.00012"}, {Fiber->EmissivityText, "0.86"}});
    select(FiberQueryForm, "FB01");
    expectShown({{Fiber->DiameterText, "0.001149"}, {Fiber->LiqConAngleText, "83"}});

    select(FabricQueryForm, "T1");
    expectShown({{FabricForm->ThicknessText, "2"}, {FabricForm->MaxDisCapDiaText, "0.004"},
                 {FabricForm->CapAngleText, "33"}, {FabricForm->PorosityText, "0.9"},
                 {FabricForm->TortuosLqdText, "1.4"}, {FabricForm->TortuosGasText, "1.25"},
                 {FabricForm->EmissivityText, "0.95"}});
    select(FabricQueryForm, "T2");
    expectShown({{FabricForm->ThicknessText, "0.25"}, {FabricForm->TortuosGasText, "1.25"}});
}

// Opens the program's own connection from a folder (no test connection in use).
class MaterialDbFileTest : public AppTest {
protected:
    void TearDown() override
    {
        FabricQueryForm->ClearResults();
        FiberQueryForm->ClearResults();
        CloseMaterialDatabase();
        SetAssetRoot(QString());
    }
};

// A missing file is not created; junk, an empty file and a copy that lost a table (the last two
// open as SQLite databases, and every query would then fail on its own) are not opened.
TEST_F(MaterialDbFileTest, AFileThatIsNoCompleteDatabaseCannotBeOpened)
{
    QTemporaryDir folder;
    QDir(folder.path()).mkdir("db");
    const QString file = folder.path() + "/" + MaterialDbFile;
    const QString built = AssetPath(MaterialDbFile);
    SetAssetRoot(folder.path());
    const std::function<void()> damages[] = {
        [] {},
        [&] { WriteText(file, std::string(4096, 'x')); },
        [&] { WriteText(file, ""); },
        [&] {
            ASSERT_TRUE(QFile::copy(built, file));
            QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
            {
                QSqlDatabase copy = QSqlDatabase::addDatabase("QSQLITE", "materialdb_copy");
                copy.setDatabaseName(file);
                ASSERT_TRUE(copy.open());
                EXPECT_TRUE(QSqlQuery(copy).exec("drop table FiberOtherData"));
            }
            QSqlDatabase::removeDatabase("materialdb_copy");
        },
    };
    for (const auto& damage : damages) {
        SCOPED_TRACE(&damage - damages);
        CloseMaterialDatabase();
        QFile::remove(file);
        damage();
        MessageRecorder messages;
        messages.Expect(CannotOpen, "Error").Expect(CannotOpen, "Error");
        FiberQueryForm->Button1Click();
        FabricQueryForm->ComboBox1DropDown();
        if (&damage == damages) {
            EXPECT_FALSE(QFile::exists(file));
        }
    }
}

TEST_F(MaterialDbFileTest, TheBuiltDatabaseOpensReadOnlyWithTheSeed)
{
    CloseMaterialDatabase();
    FiberQueryForm->Button1Click();
    EXPECT_EQ(FiberQueryForm->ResultCount(), 8);
    QSqlDatabase db;
    ASSERT_TRUE(OpenMaterialDatabase(db));
    QSqlQuery write(db);
    EXPECT_FALSE(write.exec("delete from FiberBasicData"));
}

// Every value a select copies into a dialog must be a number in the unit the dialog reads.
TEST(MaterialDbSeed, EveryCopiedValueIsANumberInAPlausibleRangeAndUnit)
{
    const QString name = "materialdb_seed";
    {
        QSqlDatabase db = BuildDatabase(name, false);
        const auto within = [](const QVariant& text, double low, double high, const std::string& what) {
            double value = 0;
            EXPECT_TRUE(TryStrToFloat(text.toString().toStdString(), value) && value >= low && value <= high)
                << what << " = '" << text.toString().toStdString() << "'";
            return value;
        };
        using Ranges = std::map<QString, std::pair<double, double>>;
        const Ranges fiberRanges = {{"Diameter", {5e-4, 5e-3}},          {"Volume density", {0.8, 1.6}},
                                    {"Emissivity", {0, 1}},              {"Liquid contact angle", {0, 180}},
                                    {"Regain value", {0, 0.5}},          {"Diffusion coefficient", {1e-12, 1e-3}},
                                    {"Thermal conductivity", {1e-5, 1e-2}}};
        const Ranges fabricRanges = {{"Thichness", {0.005, 5}},     {"Porosity", {0, 1}},
                                     {"Emissivity", {0, 1}},        {"Capillary angle", {0, 90}},
                                     {"Tortuous liquid", {1, 10}},  {"Tortuous gas", {1, 10}},
                                     {"Max distributed capillary radius", {1e-6, 1}}};
        const std::pair<const TMaterialTables*, const Ranges*> tables[] = {{&FiberTables, &fiberRanges},
                                                                           {&FabricTables, &fabricRanges}};
        for (const auto& [t, ranges] : tables) {
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(QString("select %1, DataName, DataValue from %2").arg(t->Id, t->Other)));
            while (q.next()) {
                const std::string what = (q.value(0).toString() + " " + q.value(1).toString()).toStdString();
                const auto range = ranges->find(q.value(1).toString());
                ASSERT_NE(range, ranges->end()) << "unknown key " << what;
                within(q.value(2), range->second.first, range->second.second, what);
            }
        }

        // Weight in kg, the Dubois area in cm^2 (checked through the height it implies), ages in
        // years, neutral skin and core temperatures (where given) in degrees Celsius.
        QSqlQuery bodies(db);
        ASSERT_TRUE(bodies.exec("select ModelID, Weight, DuboisArea, ModelAge, TSkNeu, TCrNeu from HumanModelGeneralData"));
        while (bodies.next()) {
            const std::string id = bodies.value(0).toString().toStdString();
            const double weight = within(bodies.value(1), 40, 150, id + " weight");
            const double area = within(bodies.value(2), 1e4, 3e4, id + " area");
            within(std::pow(area / (71.84 * std::pow(weight, 0.425)), 1 / 0.725), 140, 200, id + " height");
            within(bodies.value(3), 18, 100, id + " age");
            for (int column : {4, 5})
                if (!bodies.value(column).toString().isEmpty())
                    within(bodies.value(column), 30, 40, id + " neutral temperature");
        }
    }
    DropDatabase(name);
}

} // namespace
