#include "materials/pcm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dialogbase/commonfuc.h"
#include "dialogbase/workflow.h"
#include "casemodel/numformat.h"
#include "materials/fiber.h"
#include "toolkit/application.h"
#include "toolkit/messages.h"

TPCM* PCM = nullptr;

namespace {

struct PCMRow {
    const char* Label;
    const char* EditName;
    QLineEdit* TPCM::*Edit;
    double PCMType::*Field;
    bool Signed;       // the melting point may lie below zero
    const char* Name;  // in the check message
    double Default;
};

// In reading order.
const PCMRow PCMRows[] = {
    {"Radius(cm):", "txtRadius_m", &TPCM::txtRadius_m, &PCMType::Radius, false, "Radius", 0.0005},
    {"Density(g.cm-3):", "txtRou_m", &TPCM::txtRou_m, &PCMType::Density, false, "Density", 0.779},
    {"Latent heat of fusion(cal.g-1):", "txtRamda_m", &TPCM::txtRamda_m, &PCMType::Ramda_m, false,
     "Latent Heat of Fusion", 58.1},
    {"Melting point(deg):", "txtT_p", &TPCM::txtT_p, &PCMType::T_p, true, "Melting Point", 28},
    {"Thermal conductivity of liquid PCM(cal.s-1.cm-1.deg-1):", "txtK_ml", &TPCM::txtK_ml, &PCMType::K_ml, false,
     "Thermal Conductivity of Liquid PCM", 0.0007134},
    {"Thermal conductivity of solid PCM(cal.s-1.cm-1.deg-1):", "txtK_ms", &TPCM::txtK_ms, &PCMType::K_ms, false,
     "Thermal Conductivity of Solid PCM", 0.0007134},
    {"Heat transfer coefficient between the micro-speres and the flows surrounding \n"
     "them in porous textiles(cal.s-1.cm-2.deg-1):",
     "txth_T", &TPCM::txth_T, &PCMType::h_T, false,
     "Heat transfer coefficient between the micro-spheres and the flows surrounding them in porous textiles",
     0.015},
};

} // namespace

TPCM::TPCM(QWidget* owner) : TForm(owner)
{
    setObjectName("PCM");
    SetCaption("Define PCM");

    GroupBox1 = new QGroupBox("PCM Properties", this);
    GroupBox1->setObjectName("GroupBox1");
    auto* grid = new QGridLayout(GroupBox1);
    grid->setContentsMargins(10, 8, 10, 10);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    int row = 0;
    for (const PCMRow& r : PCMRows) {
        auto* edit = new QLineEdit(GroupBox1);
        edit->setObjectName(r.EditName);
        edit->setFixedWidth(120);
        SetKeyFilter(edit, r.Signed ? SignedDecimalKeyPress : DecimalKeyPress);
        this->*r.Edit = edit;
        grid->addWidget(new QLabel(r.Label, GroupBox1), row, 0);
        grid->addWidget(edit, row, 1, Qt::AlignBottom);
        ++row;
    }

    GroupBox2 = new QGroupBox("PCMs in DB", this);
    GroupBox2->setObjectName("GroupBox2");
    DBGrid1 = new QTableWidget(0, 8, GroupBox2);
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setHorizontalHeaderLabels({"Name", "Radius", "Density", "K_ml", "K_ms", "Ramda_m", "T_p", "h_T"});
    DBGrid1->verticalHeader()->hide();
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setFixedHeight(110);
    auto* dbLayout = new QVBoxLayout(GroupBox2);
    dbLayout->setContentsMargins(10, 8, 10, 10);
    dbLayout->addWidget(DBGrid1);

    btnQuery = MakeDialogButton(this, "btnQuery", "Query...");
    btnSaveintoDB = MakeDialogButton(this, "btnSaveintoDB", "Save into DB");
    btnSaveintoDB->setToolTip("Save data into database");
    Default = MakeDialogButton(this, "Default", "Default");
    btnClear = MakeDialogButton(this, "btnClear", "Clear");
    OKBtn = MakeDialogButton(this, "OKBtn", "OK");
    OKBtn->setDefault(true);
    btnExit = MakeDialogButton(this, "btnExit", "Cancel");
    auto* buttons = MakeButtonRow({btnQuery, btnSaveintoDB}, {Default, btnClear, OKBtn, btnExit});

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(10, 10, 10, 10);
    main->setSpacing(10);
    main->addWidget(GroupBox1);
    main->addWidget(GroupBox2);
    main->addLayout(buttons);

    connect(OKBtn, &QPushButton::clicked, this, Guard([this] { OKBtnClick(); }));
    connect(btnExit, &QPushButton::clicked, this, Guard([this] { btnExitClick(); }));
    connect(Default, &QPushButton::clicked, this, Guard([this] { DefaultClick(); }));
    connect(btnClear, &QPushButton::clicked, this, Guard([this] { btnClearClick(); }));
    connect(btnQuery, &QPushButton::clicked, this, Guard([this] { btnQueryClick(); }));
    connect(btnSaveintoDB, &QPushButton::clicked, this, Guard([this] { btnSaveintoDBClick(); }));

    SetClientSize(sizeHint().width(), sizeHint().height());
    SetPosition(TPosition::ScreenCenter);
}

void TPCM::PutPCMValue(const PCMType& pcm)
{
    for (const PCMRow& r : PCMRows)
        (this->*r.Edit)->setText(QString::fromStdString(FloatToStr(pcm.*r.Field)));
}

bool TPCM::GetPCMValue(PCMType& pcm)
{
    return ReadNamedRows(*this, pcm, PCMRows);
}

void TPCM::OKBtnClick()
{
    // Read into a copy, so that a failing field leaves the case's PCM as it was.
    CaseModel& c = TheCase();
    PCMType read = c.PCM;
    if (!GetPCMValue(read)) {
        AppMessageBox("No PCM is defined!", "Information", MB_OK);
        return;
    }
    c.PCM = read;
    c.PCMDefined = true;
    ReturnToFabricForm(*this, mrOk);
}

void TPCM::btnExitClick() { ReturnToFabricForm(*this, mrCancel); }

void TPCM::reject() { btnExitClick(); }

void TPCM::DefaultClick()
{
    for (const PCMRow& r : PCMRows)
        (this->*r.Edit)->setText(QString::fromStdString(FloatToStr(r.Default)));
}

void TPCM::btnClearClick() { ClearPCMFields(); }

void TPCM::ClearPCMFields()
{
    for (const PCMRow& r : PCMRows)
        (this->*r.Edit)->clear();
}
