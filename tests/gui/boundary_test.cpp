#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "wearer/columnpanels.h"
#include "casemodel/stagebuilder.h"
#include "tests/gui/stagecase.h"
#include "tests/support/appfixture.h"
#include "dialogbase/commonfuc.h"
#include "toolkit/stringgrid.h"
#include "wearer/boudarycd.h"
#include "wearer/controlfrm.h"

namespace {

class BoundaryTest : public AppTest {};

TBoudaryCD& Dialog() { return *BoudaryCD; }

void ClickStage(int row) { ClickItem(Dialog().StageListBox, row); }

TMicroPanel& Column(std::size_t i) { return *Dialog().MicroPanels.at(i); }

void FillColumn(std::size_t i, int inner, int outer, double first)
{
    Column(i).InnerContactBox->setCurrentIndex(inner);  // 0 "true", 1 "false"
    Column(i).OuterContactBox->setCurrentIndex(outer);
    double value = first;
    for (QLineEdit* edit : Column(i).CoefficientEdits())
        edit->setText(QString::number(value++));
}

// Every field of the dialog with a value of its own.
void FillStage()
{
    TBoudaryCD& d = Dialog();
    d.H_cUEdit->setText("1");
    d.H_cCEdit->setText("2");
    d.H_rUEdit->setText("3");
    d.H_rCEdit->setText("4");
    d.Mettxt->setText("5");
    d.VelocityEdit->setText("6");
    if (!d.CoolDownCheckBox->isChecked())
        d.CoolDownCheckBox->click();
    d.CoolDownTimeText->setText("7");
    d.AirTempText2->setText("8");
    d.TherRadiationText2->setText("9");
    d.RHText2->setText("57");
    d.VFLText2->setText("11");
    FillColumn(0, 0, 1, 12);
    FillColumn(1, 1, 0, 22);
    FillColumn(2, 1, 1, 32);
}

void OpenBoundary(const std::function<void()>& script)
{
    Drive(BoudaryCD, [] { FurFea->DefineBoundaryCondition1Click(); }, script);
}

TEST_F(BoundaryTest, UpdateStoresEveryValueUnderItsOwnKeyAndWritesTheEnvironmentBack)
{
    DefineStagedCase(3);
    FurFea->Case.ControlStale = false;
    OpenBoundary([] {
        FillStage();
        Dialog().UpdateBtn->click();
        EXPECT_TRUE(FurFea->Case.ControlStale);
        Dialog().OKBtn->click();
    });
    EXPECT_TRUE(TreeNodeMarked(tnBoundary));

    const CaseModel& c = FurFea->Case;
    EXPECT_EQ(c.Activity.MetabolicRate[2], 5);
    EXPECT_EQ(c.Environment.Wind[2], 2.5) << "the wind is not written back";

    Drive(EnvironmentFrm, [] { FurFea->EnvironmentBtnClick(); }, [] {
        EXPECT_EQ(EnvironmentFrm->RHTable->Cell(0, 2), "57");
    });

    const QStringList expected = {
        "InnerT_a: $33$ OuterT_a: $8$ActivityIndex: $2$Wind: $6$Door: $1$",
        "InnerG_rad: $0$ OuterG_rad: $9$ InnerRH: $0.06$ OuterRH: $0.57$",
        "InnerVFL: $2E-20$ OuterVFL: $11$MR: $5$StageTime: $1800$",
        "h_cC: $2$ h_cU: $1$ h_rC: $4$ h_rU: $3$",
        "Cool Down: $1$ Cool Down time: $7$",
        "Microclimate count: $3$",
        "InnerContact: $true$ OuterContact: $false$ hc0: $12$ hc1: $13$ hm0: $14$ hm1: $15$ hph: $16$",
        "InnerContact: $false$ OuterContact: $true$ hc0: $22$ hc1: $23$ hm0: $24$ hm1: $25$ hph: $26$",
        "InnerContact: $false$ OuterContact: $false$ hc0: $32$ hc1: $33$ hm0: $34$ hm1: $35$ hph: $36$",
    };
    EXPECT_EQ(LinesAfter(SavedLines(), "Stage Name: $Stage3$", 9), expected.join("\n").toStdString());
}

// The three Default buttons give back the coefficients the stage builder gave the stage.
TEST_F(BoundaryTest, TheDefaultButtonsPutBackWhatTheStageBuilderGave)
{
    DefineStagedCase(1);
    FurFea->Case.ModelCode = ModelBody;
    OpenBoundary([] {
        const StageType built = *FurFea->Case.Stages[0];
        std::vector<FabricMicroclimate> builtClimates;
        for (const auto& m : built.Microclimates)
            builtClimates.push_back(*m);
        FillStage();
        Dialog().HDeFault->click();
        Dialog().EDefault->click();
        Dialog().Default->click();
        Dialog().UpdateBtn->click();

        const StageType& s = *FurFea->Case.Stages[0];
        for (double StageType::*field : {&StageType::h_cC, &StageType::h_cU, &StageType::h_rC, &StageType::h_rU,
                                         &StageType::OuterVFL, &StageType::OuterG_rad})
            EXPECT_EQ(s.*field, built.*field);
        ASSERT_EQ(s.Microclimates.size(), builtClimates.size());
        for (std::size_t m = 0; m < builtClimates.size(); ++m) {
            for (double FabricMicroclimate::*field : {&FabricMicroclimate::hc0, &FabricMicroclimate::hc1,
                                                      &FabricMicroclimate::hm0, &FabricMicroclimate::hm1,
                                                      &FabricMicroclimate::hph})
                EXPECT_EQ((*s.Microclimates[m]).*field, builtClimates[m].*field) << m;
            // The contacts go back to "false" whatever the fit gave them.
            EXPECT_EQ(s.Microclimates[m]->InnerContact + s.Microclimates[m]->OuterContact, "falsefalse") << m;
        }
    });
}

// What a stage holds that the dialog edits, as one text.
std::string StageText(const StageType& s)
{
    QStringList values;
    for (double v : {s.h_cU, s.h_cC, s.h_rU, s.h_rC, s.MR, s.Wind, s.CoolDownTime, s.OuterT_a, s.OuterG_rad,
                     s.OuterRH, s.OuterVFL, double(s.CoolDown)})
        values << EditText(v);
    for (const auto& m : s.Microclimates)
        values << QString::fromStdString(m->InnerContact + "/" + m->OuterContact) << EditText(m->hc0)
               << EditText(m->hc1) << EditText(m->hm0) << EditText(m->hm1) << EditText(m->hph);
    return values.join(" ").toStdString();
}

// Each field emptied alone in the filled dialog: Update names it and changes nothing anywhere.
TEST_F(BoundaryTest, EachRefusalNamesItsFieldAndUpdateChangesNothingAnywhere)
{
    const std::pair<const char*, std::function<QWidget*()>> fields[] = {
        {"H_cU", [] { return Dialog().H_cUEdit; }},          {"H_cC", [] { return Dialog().H_cCEdit; }},
        {"H_rU", [] { return Dialog().H_rUEdit; }},          {"H_rC", [] { return Dialog().H_rCEdit; }},
        {"Metebolic rate", [] { return Dialog().Mettxt; }},  {"Wind Velocity", [] { return Dialog().VelocityEdit; }},
        {"Cool Down Time", [] { return Dialog().CoolDownTimeText; }},
        {"Outer Air Temperature", [] { return Dialog().AirTempText2; }},
        {"Outer Radiation Temperature", [] { return Dialog().TherRadiationText2; }},
        {"Outer Relative Humidity", [] { return Dialog().RHText2; }},
        {"Outer VFL", [] { return Dialog().VFLText2; }},
        {"Inner contact", [] { return Column(1).InnerContactBox.data(); }},
        {"Outer contact", [] { return Column(2).OuterContactBox.data(); }},
        {"hc0", [] { return Column(0).CoefficientEdits()[0]; }}, {"hc1", [] { return Column(1).CoefficientEdits()[1]; }},
        {"hm0", [] { return Column(2).CoefficientEdits()[2]; }}, {"hm1", [] { return Column(0).CoefficientEdits()[3]; }},
        {"hph", [] { return Column(1).CoefficientEdits()[4]; }},
    };
    DefineStagedCase(3);
    for (const auto& [name, field] : fields) {
        SCOPED_TRACE(name);
        FurFea->Case.ControlStale = false;
        MessageRecorder messages;
        messages.Expect(InputError(name), "Input Error");
        OpenBoundary([&field = field] {
            const CaseModel before = FurFea->Case;
            const std::string stage = StageText(*before.Stages[2]);
            FillStage();
            if (auto* box = qobject_cast<QComboBox*>(field())) {
                box->setCurrentText("");
                Dialog().UpdateBtn->click();
                EXPECT_EQ(Dialog().focusWidget(), box);
            } else {
                qobject_cast<QLineEdit*>(field())->clear();
                Dialog().UpdateBtn->click();
            }
            EXPECT_EQ(StageText(*FurFea->Case.Stages[2]), stage);
            EXPECT_EQ(FurFea->Case.Activity.MetabolicRate, before.Activity.MetabolicRate);
            EXPECT_EQ(FurFea->Case.Environment.Temperature, before.Environment.Temperature);
            EXPECT_FALSE(FurFea->Case.ControlStale);
            EXPECT_EQ(Dialog().Mettxt->text() == "5", field() != Dialog().Mettxt) << "the edits keep what was typed";
            Dialog().CancelBtn->click();
        });
    }
}

TEST_F(BoundaryTest, ContactBoxesShowALoadedTextAsItIsAndTakeNoTyping)
{
    DefineStagedCase(1);
    BuildStageList(FurFea->Case);
    FurFea->Case.Stages[0]->Microclimates[0]->InnerContact = "True ";
    OpenBoundary([] {
        QComboBox* box = Column(0).InnerContactBox;
        EXPECT_EQ(box->currentText(), "True ");
        for (int key : {int(Qt::Key_X), int(Qt::Key_Backspace), int(Qt::Key_Delete)}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_X ? "x" : "");
            QApplication::sendEvent(box->lineEdit() ? static_cast<QWidget*>(box->lineEdit()) : box, &press);
        }
        EXPECT_EQ(box->currentText(), "True ");
    });
}

TEST_F(BoundaryTest, StagesWithFewerMicroclimatesThanColumnsAreShownAndUpdated)
{
    // A loaded case: stage 2 has two microclimates where stage 1 has three.
    DefineStagedCase(2);
    BuildStageList(FurFea->Case);
    FurFea->Case.Stages[1]->Microclimates.pop_back();
    OpenBoundary([] {
        ASSERT_EQ(Dialog().MicroPanels.size(), 3u);
        EXPECT_FALSE(Column(2).Hc0Edit->isEnabled());
        FillStage();
        Dialog().UpdateBtn->click();
        ClickStage(0);
        EXPECT_TRUE(Column(2).Hc0Edit->isEnabled());
        EXPECT_EQ(Column(2).Hc0Edit->text(), "13.7");
    });
    const StageType& second = *FurFea->Case.Stages[1];
    ASSERT_EQ(second.Microclimates.size(), 2u);
    EXPECT_EQ(second.Microclimates[1]->hph, 26);
}

TEST_F(BoundaryTest, OkNeedsStagesAndTheEnvironmentDefaultNeedsTheBodyModel)
{
    MessageRecorder messages;
    messages.Expect("No stage is defined!", "Information");
    OpenBoundary([] {
        Dialog().OKBtn->click();
        EXPECT_TRUE(Dialog().isVisible());
        for (std::uint8_t code : {ModelNone, ModelPCM, ModelBody}) {
            FurFea->Case.ModelCode = code;
            Dialog().AirTempText2->setText("30");
            Dialog().EDefault->click();
            EXPECT_EQ(Dialog().AirTempText2->text() == "30", code != ModelBody) << int(code);
        }
    });
    EXPECT_FALSE(TreeNodeMarked(tnBoundary));
}

// Runs the environment dialog from its step button: after a key in a grid, OK reads every row;
// `text` goes into the second row of `grid` when it is not empty.
void ConfirmEnvironment(TStringGrid* grid, const QString& text)
{
    Drive(EnvironmentFrm, [] { FurFea->EnvironmentBtnClick(); }, [grid, &text] {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(grid, &press);
        if (!text.isEmpty())
            grid->SetCell(0, 1, text);
        EnvironmentFrm->OkBtn->click();
    });
}

// A temperature, a humidity or a wind changed alone in one stage rebuilds the stages.
TEST_F(BoundaryTest, ARebuildOfTheStagesUndoesTheBoundaryAndControlSteps)
{
    for (int column = 0; column < 3; ++column) {
        SCOPED_TRACE(column);
        FreshApplicationWindows();
        DefineStagedCase(2);
        TStringGrid* grid = std::array{EnvironmentFrm->TemperatureTable, EnvironmentFrm->RHTable,
                                       EnvironmentFrm->WindTable}[static_cast<std::size_t>(column)];
        OpenBoundary([] {
            Dialog().H_cUEdit->setText("0.0005");
            Dialog().UpdateBtn->click();
            Dialog().OKBtn->click();
        });
        Drive(ControlFrm, [] { FurFea->ControlVariable1Click(); }, [] { ControlFrm->OKBtn->click(); });
        ASSERT_TRUE(TreeNodeMarked(tnBoundary) && TreeNodeMarked(tnControl));
        ASSERT_FALSE(FurFea->ImgBc0->isHidden());

        ConfirmEnvironment(grid, "");
        EXPECT_TRUE(TreeNodeMarked(tnBoundary) && TreeNodeMarked(tnControl)) << "nothing changed";
        EXPECT_TRUE(FurFea->Case.BoundaryDefined && FurFea->Case.ControlDefined);

        ConfirmEnvironment(grid, "27");
        EXPECT_FALSE(TreeNodeMarked(tnBoundary) || TreeNodeMarked(tnControl));
        EXPECT_TRUE(FurFea->ImgBc0->isHidden());
        EXPECT_FALSE(FurFea->Case.BoundaryDefined || FurFea->Case.ControlDefined);
        // The builder's values, not the one typed before.
        const QStringList lines = SavedLines();
        EXPECT_EQ(lines.filter("h_cC: ").join("\n").toStdString(),
                  std::string("h_cC: $0.000239$ h_cU: $0.000239$ h_rC: $0.0001434$ h_rU: $0.0001434$\n") +
                      "h_cC: $0.000239$ h_cU: $0.000239$ h_rC: $0.0001434$ h_rU: $0.0001434$");
    }
}

// ---- what the user changed and did not store with Update -------------------------------------

// Replaces an edit's text by typing it, as the user does.
void Type(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
    ASSERT_EQ(edit->text(), text);
}

void ClickRowWithMouse(int row)
{
    QListWidget* list = Dialog().StageListBox;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

void PressOnList(Qt::Key key)
{
    Dialog().StageListBox->setFocus();
    QTest::keyClick(Dialog().StageListBox, key);
}

// The third of three stages is shown when the dialog opens; it is the one the user changes.
const StageType& Third() { return *FurFea->Case.Stages.at(2); }

TEST_F(BoundaryTest, OkStoresWhatTheUserChangedInTheStageShown)
{
    struct Case {
        const char* Change;
        std::function<void()> Do;
        std::function<void()> Check;
    };
    const Case cases[] = {
        {"typing", [] { Type(Dialog().Mettxt, "111"); },
         [] {
             EXPECT_EQ(Third().MR, 111);
             EXPECT_EQ(FurFea->Case.Activity.MetabolicRate[2], 111);
             EXPECT_EQ(SavedLines().filter("MR: $111$StageTime: $1800$").size(), 1);
         }},
        {"typing, then a click on the stage being edited",
         [] {
             Type(Dialog().AirTempText2, "-4.5");
             ClickStage(2);
             EXPECT_EQ(Dialog().AirTempText2->text(), "-4.5");
         },
         [] { EXPECT_EQ(Third().OuterT_a, -4.5); }},
        {"pasting",
         [] {
             QGuiApplication::clipboard()->setText("0.000611");
             Dialog().H_rCEdit->selectAll();
             Dialog().H_rCEdit->paste();
         },
         [] { EXPECT_EQ(Third().h_rC, 0.000611); }},
        {"picking",
         [] {
             QComboBox* box = Column(1).OuterContactBox;
             ASSERT_EQ(box->currentText(), "true");
             box->setFocus();
             QTest::keyClick(box, Qt::Key_Down);
             ASSERT_EQ(box->currentText(), "false");
         },
         [] {
             EXPECT_EQ(Third().Microclimates[1]->OuterContact, "false");
             EXPECT_EQ(Third().Microclimates[0]->OuterContact, "true");
         }},
        {"the cool-down box", [] { Dialog().CoolDownCheckBox->click(); },
         [] {
             EXPECT_FALSE(Third().CoolDown);
             EXPECT_EQ(Third().CoolDownTime, 9) << "kept while the box is clear";
         }},
        {"a Default button", [] { Dialog().EDefault->click(); },
         [] {
             EXPECT_EQ(Third().OuterT_a, 25);
             EXPECT_EQ(FurFea->Case.Environment.Temperature[2], 25);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Change);
        FreshApplicationWindows();
        DefineStagedCase(3);
        BuildStageList(FurFea->Case);
        FurFea->Case.Stages[2]->CoolDown = true;
        FurFea->Case.Stages[2]->CoolDownTime = 9;
        FurFea->Case.ModelCode = ModelBody;
        FurFea->Case.ControlStale = false;
        OpenBoundary([&c] {
            c.Do();
            Dialog().OKBtn->click();
            EXPECT_FALSE(Dialog().isVisible());
        });
        EXPECT_TRUE(FurFea->Case.ControlStale);
        EXPECT_TRUE(TreeNodeMarked(tnBoundary));
        c.Check();
    }
}

TEST_F(BoundaryTest, MovingToAnotherStageStoresWhatWasTypedForTheStageLeft)
{
    struct Case {
        const char* Move;
        std::function<void()> Do;
        int Target;
        const char* Rate;
    };
    const Case cases[] = {
        {"Up key", [] { PressOnList(Qt::Key_Up); }, 1, "112"},
        {"Home key", [] { PressOnList(Qt::Key_Home); }, 0, "113"},
        {"mouse", [] { ClickRowWithMouse(0); }, 0, "114"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Move);
        FreshApplicationWindows();
        DefineStagedCase(3);
        OpenBoundary([&c] {
            Type(Dialog().Mettxt, c.Rate);
            Type(Dialog().VelocityEdit, "3.25");
            c.Do();
            ASSERT_EQ(Dialog().StageListBox->currentRow(), c.Target);
            // The stage moved to is shown as stored and is not an edit of its own; Update stores
            // into it, not into the stage left.
            EXPECT_EQ(Dialog().Mettxt->text(), EditText(58.2 + c.Target));
            Dialog().UpdateBtn->click();
            EXPECT_EQ(Third().MR, QString(c.Rate).toDouble());
            EXPECT_EQ(Third().Wind, 3.25);
            EXPECT_EQ(FurFea->Case.Activity.MetabolicRate[2], QString(c.Rate).toDouble());
            EXPECT_EQ(FurFea->Case.Stages[c.Target]->MR, 58.2 + c.Target);
            ClickStage(2);
            EXPECT_EQ(Dialog().Mettxt->text(), c.Rate);
            EXPECT_EQ(FurFea->Case.Stages[c.Target]->MR, 58.2 + c.Target);
        });
    }
}

// One refused field each; the value typed beside it is neither stored nor lost.
TEST_F(BoundaryTest, ARefusalOnOkOrOnMovingKeepsTheStageBeingEditedWithWhatWasTyped)
{
    struct Case {
        const char* Leave;
        std::function<void()> Do;
        std::function<QLineEdit*()> Bad;
        const char* BadText;
        const char* Name;
        const char* Mended;
        const char* Rate;
    };
    const Case cases[] = {
        {"OK", [] { Dialog().OKBtn->click(); }, [] { return Dialog().Mettxt; }, "11x", "Metebolic rate", "121",
         "121"},
        {"Up key", [] { PressOnList(Qt::Key_Up); }, [] { return Column(2).HphEdit.data(); }, ".", "hph", "0.5",
         "122"},
        {"mouse", [] { ClickRowWithMouse(0); }, [] { return Dialog().H_cCEdit; }, "", "H_cC", "0.001", "123"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Leave);
        FreshApplicationWindows();
        DefineStagedCase(3);
        MessageRecorder messages;
        messages.Expect(InputError(c.Name), "Input Error");
        FurFea->Case.ControlStale = false;
        OpenBoundary([&c, &messages] {
            const StageType before = *FurFea->Case.Stages[2];
            if (c.Bad() != Dialog().Mettxt)
                Type(Dialog().Mettxt, c.Rate);
            Type(c.Bad(), c.BadText);
            c.Do();
            QCoreApplication::processEvents();
            EXPECT_TRUE(messages.AllConsumed());

            QListWidget* list = Dialog().StageListBox;
            EXPECT_TRUE(Dialog().isVisible());
            EXPECT_EQ(list->currentRow(), 2);
            EXPECT_EQ(list->selectedItems(), QList<QListWidgetItem*>{list->item(2)});
            EXPECT_EQ(c.Bad()->text(), c.BadText);
            EXPECT_EQ(Dialog().Mettxt->text(), c.Bad() == Dialog().Mettxt ? c.BadText : c.Rate);
            EXPECT_EQ(Dialog().RHText2->text(), "52") << "the stage moved to is not shown";
            EXPECT_EQ(Third().MR, before.MR);
            EXPECT_FALSE(FurFea->Case.ControlStale);

            // Mended, it goes in on OK.
            Type(c.Bad(), c.Mended);
            Dialog().OKBtn->click();
            EXPECT_FALSE(Dialog().isVisible());
        });
        EXPECT_EQ(Third().MR, QString(c.Rate).toDouble());
    }
}

TEST_F(BoundaryTest, CancelEscapeAndTheCloseBoxDropWhatWasNotStoredAndKeepWhatUpdateStored)
{
    struct Case {
        const char* Close;
        std::function<void()> Do;
        const char* Updated;
        const char* Dropped;
    };
    const Case cases[] = {
        {"Cancel", [] { Dialog().CancelBtn->click(); }, "0.000521", "116"},
        {"Escape", [] { QTest::keyClick(Dialog().Mettxt, Qt::Key_Escape); }, "0.000522", "117"},
        {"close box", [] { Dialog().close(); }, "0.000523", "118"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Close);
        FreshApplicationWindows();
        DefineStagedCase(3);
        OpenBoundary([&c] {
            FillStage();
            Type(Dialog().H_cUEdit, c.Updated);
            Dialog().UpdateBtn->click();
            Type(Dialog().Mettxt, c.Dropped);
            Type(Dialog().H_rUEdit, "0.000631");
            c.Do();
            EXPECT_FALSE(Dialog().isVisible());
        });
        EXPECT_EQ(Third().h_cU, QString(c.Updated).toDouble());
        EXPECT_EQ(Third().MR, 5) << "as Update stored it";
        EXPECT_EQ(Third().h_rU, 3);
        // Nothing typed comes back to be stored by the next OK.
        OpenBoundary([] {
            EXPECT_EQ(Dialog().Mettxt->text(), "5");
            Dialog().OKBtn->click();
        });
        EXPECT_EQ(Third().MR, 5);
        EXPECT_EQ(Third().h_rU, 3);
    }
}

TEST_F(BoundaryTest, OkAfterOnlyShowingStagesOrAfterUpdateStoresNothingNew)
{
    DefineStagedCase(3);
    FurFea->Case.ModelCode = ModelPCM;
    OpenBoundary([] { Dialog().OKBtn->click(); });
    const std::string untouched = SavedLines().join("\n").toStdString();

    OpenBoundary([] {
        ClickStage(0);
        PressOnList(Qt::Key_Down);
        Dialog().EDefault->click();  // without the body model it changes nothing
        Dialog().OKBtn->click();
        EXPECT_FALSE(Dialog().isVisible());
    });
    EXPECT_EQ(SavedLines().join("\n").toStdString(), untouched);

    // The blanks an Update leaves are no edits: OK closes without a word.
    OpenBoundary([] {
        Type(Dialog().TherRadiationText2, "0.75");
        Dialog().UpdateBtn->click();
        ASSERT_EQ(Dialog().TherRadiationText2->text(), "");
        Dialog().OKBtn->click();
        EXPECT_FALSE(Dialog().isVisible());
    });
    EXPECT_EQ(Third().OuterG_rad, 0.75);
}

} // namespace
