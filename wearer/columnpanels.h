#pragma once
// The run-time columns of the boundary-condition and control dialogs: one column of controls per
// microclimate or stage, on panels in a scroll box with the row captions beside it.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <array>
#include <initializer_list>

class QFrame;
class QScrollArea;
class QWidget;

// One microclimate column of the boundary-condition dialog, built on a panel of the dialog's
// own: the title "Layer" + number, the inner and outer contact choices ("true"/"false") and the
// edits of hc0, hc1, hm0, hm1 and hph. The controls belong to the panel as well, so the column
// deletes only those that still exist when it goes.
class TMicroPanel {
public:
    TMicroPanel(QWidget* parent, int number);
    ~TMicroPanel();
    TMicroPanel(const TMicroPanel&) = delete;
    TMicroPanel& operator=(const TMicroPanel&) = delete;

    QPointer<QLabel> Label;
    QPointer<QComboBox> InnerContactBox;
    QPointer<QComboBox> OuterContactBox;
    QPointer<QLineEdit> Hc0Edit;
    QPointer<QLineEdit> Hc1Edit;
    QPointer<QLineEdit> Hm0Edit;
    QPointer<QLineEdit> Hm1Edit;
    QPointer<QLineEdit> HphEdit;

    // hc0, hc1, hm0, hm1, hph, top to bottom.
    std::array<QLineEdit*, 5> CoefficientEdits() const;
};

// One stage column of the control dialog: the title "Stage" + number and the edits of the
// clothing cover ratio and the heat and moisture transfer ratios.
class TControlLayerPanel {
public:
    TControlLayerPanel(QWidget* parent, int number);
    ~TControlLayerPanel();
    TControlLayerPanel(const TControlLayerPanel&) = delete;
    TControlLayerPanel& operator=(const TControlLayerPanel&) = delete;

    QPointer<QLabel> Label;
    QPointer<QLineEdit> CoverEdit;
    QPointer<QLineEdit> RatioHeatEdit;
    QPointer<QLineEdit> RatioMassEdit;
};

// The scroll box that holds a dialog's run-time columns, each on a borderless panel of its own
// 82 pixels from the last, and at its left the row captions, lined up with the column rows.
class TColumnArea {
public:
    // captions: one per row of a column below its title; panelHeight: the height of a column;
    // visible: how many columns show before the box scrolls.
    TColumnArea(QWidget* parent, std::initializer_list<const char*> captions, int panelHeight, int visible);

    QWidget* Captions;
    QScrollArea* ScrollBox;
    QWidget* Columns;  // the inside of the scroll box

    // A new panel for column i (0-based), shown.
    QFrame* AddPanel(int i);
    // Deletes every panel.
    void Clear();
    // Makes the inside as wide as `count` columns need.
    void Fit(int count);

private:
    int PanelHeight;
    int Visible;
};
