#pragma once
// The fabric-layer dialog: per garment a group with its picture and, per layer, a check box that
// enables the layer's button and the button that picks the layer's fabric in the fabric dialog.
// It edits its own copy of the layer rows; OK checks them and makes them the case's.
#include <memory>
#include <vector>

#include "casemodel/records.h"
#include "casemodel/stagebuilder.h"
#include "toolkit/forms.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;

class TFabricLayerFrm : public TForm {
    Q_OBJECT
public:
    explicit TFabricLayerFrm(QWidget* owner = nullptr);

    // Rebuilds the groups for the garment list, when it changed, from the rows as they followed
    // their garments: the loaded view when a row has a fabric in layers 3 to 5, else the
    // interactive view, one "Fabric layer" group per garment with layers 0 to 2.
    void BuildLayerRows();
    // The loaded view of the case's layer rows: "Top" (layers 0 to 2) and "Bottom" (3 to 5).
    void BuildLayerGrid();

    // The layer whose button was pressed last gets this fabric. The fabric dialog's OK calls it
    // with the fabric it picked and then shows this dialog again.
    void SetLayerFabric(std::shared_ptr<FabricType> fabric);
    // The garment list changed: row n is now the row of the garment that stood at from[n] (-1: a
    // new garment, no layer filled), also the row whose layer the fabric dialog is choosing; the
    // garment's place in the confirmed clothing goes along.
    void FollowGarments(const std::vector<int>& from);
    // The layers of the rows being edited that hold the fabric.
    std::vector<LayerPlace> LayersHolding(const FabricType& fabric) const { return ::LayersHolding(Rows, fabric); }
    // A deleted fabric leaves the rows being edited too, and the boxes of its layers are cleared.
    void TakeFabricOut(const FabricType& fabric);
    // The fabric the layer whose button was pressed last holds now (none: nullptr).
    std::shared_ptr<FabricType> CurrentLayerFabric() const;

    void LayerButtonClick(QPushButton* button);
    void OKBtnClick();
    void btnExitClick();

    // The rows as this dialog edits them, one per garment in the garment list's order.
    std::vector<GarmentLayerRow> Rows;
    int GarmentCount = 0;
    int CurrentRow = 0;
    int CurrentLayer = 0;

    // One garment's group: its picture and its one ("Fabric layer") or two ("Top", "Bottom")
    // inner groups of three check boxes and three buttons.
    struct LayerGroup {
        QGroupBox* Outer;
        QLabel* Picture;
        std::vector<QGroupBox*> Inner;
        std::vector<QCheckBox*> Boxes;      // in layer order
        std::vector<QPushButton*> Buttons;  // in layer order
    };
    std::vector<LayerGroup> LayerGroups;

    QScrollArea* ScrollBox1;
    QPushButton* OKBtn;
    QPushButton* btnExit;

protected:
    void FormShow() override;

private:
    void BuildGroups(bool loaded);
    // Groups for the case's garments in the view asked for, ticked where the rows hold a fabric.
    void ShowRows(bool loaded);
    void ClearGroups();
    // The clothing now is the confirmed clothing.
    void ConfirmClothing();
    // The clothing last confirmed (by OK or a load), which the case's stages were made for, and
    // for each garment of the list now the place it had in that clothing (-1: added since),
    // through every edit of the garment list since.
    ClothingLayout ConfirmedClothing;
    std::vector<int> ConfirmedPlaces;
};

extern TFabricLayerFrm* FabricLayerFrm;
