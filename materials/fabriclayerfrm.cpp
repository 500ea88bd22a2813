#include "materials/fabriclayerfrm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <algorithm>
#include <numeric>

#include "casemodel/casemodel.h"
#include "dialogbase/workflow.h"
#include "materials/fabricform.h"
#include "materials/garmentform.h"
#include "toolkit/application.h"
#include "toolkit/messages.h"

TFabricLayerFrm* FabricLayerFrm = nullptr;

namespace {

constexpr int GroupPitch = 256;
constexpr int GroupWidth = 255;
constexpr int InteractiveHeight = 170;
constexpr int LoadedHeight = 250;
constexpr int FormHeight = 350;
constexpr int ScrollLeft = 16;
// Layers per inner group: the interactive view has one group (layers 0 to 2), the loaded view
// a "Top" (0 to 2) and a "Bottom" (3 to 5).
constexpr int LayersPerGroup = 3;

struct InnerGroupKind {
    const char* Caption;
    const char* Name;
    int Top;
    const char* Buttons[LayersPerGroup];
};
constexpr InnerGroupKind FabricLayerGroup = {"Fabric layer", "FabricLayer", 10, {"Shell", "InterLayer", "Lining"}};
constexpr InnerGroupKind TopGroup = {"Top", "Top", 10, {"Shell", "InterLayer", "Lining"}};
constexpr InnerGroupKind BottomGroup = {"Bottom", "Bottom", 130, {"Shell", "Insulation", "Lining"}};

} // namespace

TFabricLayerFrm::TFabricLayerFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("FabricLayerFrm");
    SetCaption("Garment Design");
    // No border icons: the dialog ends through its buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    SetPosition(TPosition::MainFormCenter);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName("ScrollBox1");
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setGeometry(ScrollLeft, 8, 280, 273);
    auto* content = new QWidget;
    content->setObjectName("ScrollBox1Content");
    ScrollBox1->setWidget(content);

    OKBtn = new QPushButton("OK", this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setDefault(true);
    OKBtn->setGeometry(106, 300, 75, 25);
    btnExit = new QPushButton("Cancel", this);
    btnExit->setObjectName("btnExit");
    btnExit->setGeometry(191, 300, 75, 25);
    connect(OKBtn, &QPushButton::clicked, this, Guard([this] { OKBtnClick(); }));
    connect(btnExit, &QPushButton::clicked, this, Guard([this] { btnExitClick(); }));

    SetClientSize(305, FormHeight);
}

void TFabricLayerFrm::FormShow()
{
    BuildLayerRows();
    const int n = TheCase().GarmentList.GarmentCount;
    // A window for at least one group, so the buttons stay on it when the list is empty.
    int width = n < 3 ? GroupWidth * std::max(n, 1) + 60 : 570;
    if (QWidget* main = MainForm(); main && main->width() < width)
        width = main->width();
    SetClientSize(width, FormHeight);
    ScrollBox1->resize(width - 2 * ScrollLeft, ScrollBox1->height());
    OKBtn->move(static_cast<int>(width * 0.35), OKBtn->y());
    btnExit->move(OKBtn->x() + OKBtn->width() + 10, btnExit->y());
    if (QWidget* main = MainForm())
        move((main->width() - width) / 2, (main->height() - height()) / 2);
}

void TFabricLayerFrm::ClearGroups()
{
    for (LayerGroup& g : LayerGroups)
        delete g.Outer;
    LayerGroups.clear();
}

void TFabricLayerFrm::BuildGroups(bool loaded)
{
    QWidget* content = ScrollBox1->widget();
    const int outerHeight = loaded ? LoadedHeight : InteractiveHeight;
    const GarmentSet& garments = TheCase().GarmentList;
    for (int g = 0; g < GarmentCount; ++g) {
        LayerGroup group;
        group.Outer = new QGroupBox(QString::number(g + 1), content);
        group.Outer->setObjectName(QString("Garment%1").arg(g));
        group.Outer->setGeometry(GroupPitch * g + 1, 1, GroupWidth, outerHeight);
        group.Picture = new QLabel(group.Outer);
        group.Picture->setObjectName(QString("GarmentPicture%1").arg(g));
        group.Picture->setGeometry(10, 14, 94, outerHeight - 20);
        group.Picture->setScaledContents(true);
        group.Picture->setPixmap(GarmentForm->StylePicture(garments.StyleIndex[static_cast<std::size_t>(g)]));

        const InnerGroupKind* const loadedKinds[] = {&TopGroup, &BottomGroup};
        const InnerGroupKind* const interactiveKinds[] = {&FabricLayerGroup};
        const std::size_t kindCount = loaded ? 2 : 1;
        for (std::size_t k = 0; k < kindCount; ++k) {
            const InnerGroupKind& kind = loaded ? *loadedKinds[k] : *interactiveKinds[k];
            auto* inner = new QGroupBox(kind.Caption, group.Outer);
            inner->setObjectName(QString("%1%2").arg(kind.Name).arg(g));
            inner->setGeometry(120, kind.Top, 121, 110);
            inner->setProperty("Tag", g);
            group.Inner.push_back(inner);
            std::vector<QCheckBox*> boxes;
            for (int i = 0; i < LayersPerGroup; ++i) {
                const int layer = static_cast<int>(k) * LayersPerGroup + i;
                auto* box = new QCheckBox(inner);
                box->setObjectName(QString("LayerBox%1_%2").arg(g).arg(layer));
                box->setGeometry(8, 20 + 30 * i, 17, 17);
                box->setProperty("Tag", layer + 1);
                group.Boxes.push_back(box);
                boxes.push_back(box);
            }
            const int tops[LayersPerGroup] = {16, 45, 76};
            for (int i = 0; i < LayersPerGroup; ++i) {
                const int layer = static_cast<int>(k) * LayersPerGroup + i;
                auto* button = new QPushButton(kind.Buttons[i], inner);
                button->setObjectName(QString("LayerButton%1_%2").arg(g).arg(layer));
                button->setGeometry(29, tops[i], 75, 25);
                button->setProperty("Tag", i + 1);
                button->setEnabled(false);
                // The box only enables its button; whether the layer has a fabric is the row's.
                QCheckBox* box = boxes[static_cast<std::size_t>(i)];
                connect(box, &QCheckBox::toggled, button, &QPushButton::setEnabled);
                connect(button, &QPushButton::clicked, this, Guard([this, button] { LayerButtonClick(button); }));
                group.Buttons.push_back(button);
            }
        }
        group.Outer->show();
        LayerGroups.push_back(group);
    }
    content->setFixedSize(std::max(GroupPitch * GarmentCount + 1, 1), outerHeight + 2);
}

void TFabricLayerFrm::ShowRows(bool loaded)
{
    ClearGroups();
    GarmentCount = std::clamp(TheCase().GarmentList.GarmentCount, 0, MaxGarments);
    Rows.resize(static_cast<std::size_t>(GarmentCount));
    BuildGroups(loaded);
    GarmentForm->Changed = false;
    for (std::size_t g = 0; g < Rows.size(); ++g)
        for (std::size_t j = 0; j < LayerGroups[g].Boxes.size(); ++j)
            LayerGroups[g].Boxes[j]->setChecked(Rows[g].HasFabric[j]);
}

void TFabricLayerFrm::BuildLayerRows()
{
    if (!GarmentForm->Changed)
        return;
    // Only the loaded view has boxes for the lower layers.
    const bool lower = std::any_of(Rows.begin(), Rows.end(), [](const GarmentLayerRow& row) {
        return std::any_of(row.HasFabric.begin() + LayersPerGroup, row.HasFabric.end(), [](bool b) { return b; });
    });
    ShowRows(lower);
}

void TFabricLayerFrm::FollowGarments(const std::vector<int>& from)
{
    Rows = RowsFollowingGarments(Rows, from);
    std::vector<int> places(from.size());
    for (std::size_t i = 0; i < from.size(); ++i)
        places[i] = RowFrom(ConfirmedPlaces, from, i, -1);
    ConfirmedPlaces = std::move(places);
    const auto to = CurrentRow >= 0 ? std::find(from.begin(), from.end(), CurrentRow) : from.end();
    CurrentRow = to != from.end() ? static_cast<int>(to - from.begin()) : -1;
}

void TFabricLayerFrm::BuildLayerGrid()
{
    Rows = TheCase().Layers.Rows;
    ShowRows(true);
    // A loaded case's stages were made for its garments.
    ConfirmClothing();
    ReportStepConfirmed(TCaseStep::Clothing);
}

void TFabricLayerFrm::LayerButtonClick(QPushButton* button)
{
    for (std::size_t g = 0; g < LayerGroups.size(); ++g) {
        const LayerGroup& group = LayerGroups[g];
        const auto at = std::find(group.Buttons.begin(), group.Buttons.end(), button);
        if (at == group.Buttons.end())
            continue;
        const auto layer = static_cast<std::size_t>(at - group.Buttons.begin());
        CurrentRow = static_cast<int>(g);
        CurrentLayer = static_cast<int>(layer);
        if (!group.Boxes[layer]->isChecked())
            return;
        // The fabric dialog opens on the layer's fabric, or empty when the layer has none.
        const auto fabric = CurrentLayerFabric();
        FabricForm->ShowFabric(fabric ? QString::fromStdString(fabric->Name) : QString());
        FabricForm->Show();
        Close();
        return;
    }
}

void TFabricLayerFrm::TakeFabricOut(const FabricType& fabric)
{
    for (const LayerPlace& p : LayersHolding(fabric)) {
        const auto g = static_cast<std::size_t>(p.Garment);
        const auto j = static_cast<std::size_t>(p.Layer);
        // The interactive view has boxes for the first three layers only.
        if (g < LayerGroups.size() && j < LayerGroups[g].Boxes.size())
            LayerGroups[g].Boxes[j]->setChecked(false);
    }
    TakeFabricOutOfLayers(Rows, fabric);
}

std::shared_ptr<FabricType> TFabricLayerFrm::CurrentLayerFabric() const
{
    if (CurrentRow < 0 || CurrentRow >= static_cast<int>(Rows.size()) || CurrentLayer < 0 ||
        CurrentLayer >= LayersPerGarment)
        return nullptr;
    const GarmentLayerRow& row = Rows[static_cast<std::size_t>(CurrentRow)];
    const auto j = static_cast<std::size_t>(CurrentLayer);
    return row.HasFabric[j] ? row.Layers[j] : nullptr;
}

void TFabricLayerFrm::SetLayerFabric(std::shared_ptr<FabricType> fabric)
{
    if (CurrentRow < 0 || CurrentRow >= static_cast<int>(Rows.size()) || CurrentLayer < 0 ||
        CurrentLayer >= LayersPerGarment)
        return;
    GarmentLayerRow& row = Rows[static_cast<std::size_t>(CurrentRow)];
    const auto j = static_cast<std::size_t>(CurrentLayer);
    row.HasFabric[j] = fabric != nullptr;
    row.Layers[j] = std::move(fabric);
}

void TFabricLayerFrm::ConfirmClothing()
{
    ConfirmedClothing = ClothingLayoutOf(TheCase());
    ConfirmedPlaces.resize(ConfirmedClothing.Layers.size());
    std::iota(ConfirmedPlaces.begin(), ConfirmedPlaces.end(), 0);
}

void TFabricLayerFrm::OKBtnClick()
{
    CaseModel& c = TheCase();
    // The garment list changed while this dialog was open: its groups are stale.
    BuildLayerRows();
    auto refuse = [&](const QString& text, const QString& caption) {
        AppMessageBox(text, caption, MB_OK);
        c.ClothingDefined = false;
        ReportStepConfirmed(TCaseStep::Clothing);
    };
    if (GarmentCount == 0)
        return refuse("you don't select any garment!", "Information");
    for (int g = 0; g < GarmentCount; ++g) {
        const auto i = static_cast<std::size_t>(g);
        if (c.GarmentList.Fitting[i] < FittingFirst || c.GarmentList.Fitting[i] > FittingLast)
            return refuse("Please specify the style of the clothing", "Input Error");
        const auto& has = Rows[i].HasFabric;
        if (std::none_of(has.begin(), has.end(), [](bool b) { return b; }))
            return refuse("You do not finish the fabric definition!", "Information");
    }
    c.Layers.Rows = Rows;
    c.Layers.GarmentCount = GarmentCount;
    // The stages follow the clothing and keep what it does not decide.
    ClothingConfirmed(ConfirmedClothing, ConfirmedPlaces);
    ConfirmClothing();
    c.ClothingDefined = true;
    ReportStepConfirmed(TCaseStep::Clothing);
    if (Modal())
        SetModalResult(mrOk);
    Close();
}

void TFabricLayerFrm::btnExitClick() { Close(); }
