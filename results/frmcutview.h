#pragma once
// The cross-section window ("Cross Section"): a schematic cut through the body and the clothing
// of the 3D player at its current frame: the core disc, the skin ring and one ring per fabric
// layer up to the chosen one, each layer split into sub-rings, one per node across its
// thickness, in the player's colours. The picture is kept, so the window can repaint it after
// the player has gone.
#include <QImage>

#include "results/playerlink.h"
#include "results/windowlink.h"
#include "toolkit/forms.h"

class TFrmCutView : public TForm {
    Q_OBJECT
public:
    explicit TFrmCutView(QWidget* owner = nullptr);

    // Side of the square picture, and where its centre lies.
    static constexpr int PictureSize = 430;
    static constexpr int Centre = 215;

    // Shows the window for a player and draws its current frame; from now on only that player
    // draws here.
    void ShowFor(CrossSectionSource* player);
    // The player whose cross-section this is; null when none was shown or it has been closed.
    CrossSectionSource* Player() const { return Owner.Get(); }
    // Draws the player's current frame into the kept picture and repaints. Keeps the picture
    // when there is no player, nothing is playing, or the player shows the sweating rate.
    void DrawCrossSection();
    const QImage& Picture() const { return Image; }

    // The font of the layer labels and where they begin; the longest, "Layer 14", must end
    // inside the picture.
    static QFont LabelFont(const QFont& windowFont);
    static constexpr int LayerLabelLeft = Centre + 160;

protected:
    void paintEvent(QPaintEvent* event) override;
    void FormClose() override;

private:
    // Guarded: the player may be closed while this window stays.
    WindowLink<CrossSectionSource> Owner;
    QImage Image;
};

extern TFrmCutView* FrmCutView;
