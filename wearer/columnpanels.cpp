#include "wearer/columnpanels.h"

#include <QFrame>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

namespace {

// Column controls are 80 x 20 and stack at 21-pixel steps below the title; columns stand 82
// pixels apart, 3 pixels from the top of their scroll box.
constexpr int ColumnWidth = 80;
constexpr int RowHeight = 20;
constexpr int RowPitch = 21;
constexpr int ColumnPitch = 82;
constexpr int ColumnTop = 3;

QLabel* MakeTitle(QWidget* parent, int left, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName("Label");
    label->setGeometry(left, 3, ColumnWidth, RowHeight);
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, int top)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(0, top, ColumnWidth, RowHeight);
    return edit;
}

QComboBox* MakeContactBox(QWidget* parent, const char* name, int top)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);  // a stage may hold a text that is not in the list, or none
    box->addItems({"true", "false"});
    box->setCurrentText("true");
    box->setGeometry(0, top, ColumnWidth, RowHeight);
    return box;
}

template <class... Controls>
void DeleteExisting(Controls&... controls)
{
    (delete controls.data(), ...);  // in argument order; a QPointer is null once Qt deleted it
}

} // namespace

TMicroPanel::TMicroPanel(QWidget* parent, int number)
    : Label(MakeTitle(parent, 3, "Layer" + QString::number(number))),
      InnerContactBox(MakeContactBox(parent, "InnerContactBox", 21)),
      OuterContactBox(MakeContactBox(parent, "OuterContactBox", 42)),
      Hc0Edit(MakeEdit(parent, "Hc0Edit", 63)),
      Hc1Edit(MakeEdit(parent, "Hc1Edit", 84)),
      Hm0Edit(MakeEdit(parent, "Hm0Edit", 105)),
      Hm1Edit(MakeEdit(parent, "Hm1Edit", 126)),
      HphEdit(MakeEdit(parent, "HphEdit", 147))
{
}

TMicroPanel::~TMicroPanel()
{
    DeleteExisting(Label, InnerContactBox, OuterContactBox, Hc0Edit, Hc1Edit, Hm0Edit, Hm1Edit, HphEdit);
}

std::array<QLineEdit*, 5> TMicroPanel::CoefficientEdits() const
{
    return {Hc0Edit, Hc1Edit, Hm0Edit, Hm1Edit, HphEdit};
}

TControlLayerPanel::TControlLayerPanel(QWidget* parent, int number)
    : Label(MakeTitle(parent, 6, "Stage" + QString::number(number))),
      CoverEdit(MakeEdit(parent, "CoverEdit", 21)),
      RatioHeatEdit(MakeEdit(parent, "RatioHeatEdit", 42)),
      RatioMassEdit(MakeEdit(parent, "RatioMassEdit", 63))
{
}

TControlLayerPanel::~TControlLayerPanel()
{
    DeleteExisting(Label, CoverEdit, RatioHeatEdit, RatioMassEdit);
}

TColumnArea::TColumnArea(QWidget* parent, std::initializer_list<const char*> captions, int panelHeight,
                         int visible)
    : Captions(new QWidget(parent)), ScrollBox(new QScrollArea(parent)), Columns(new QWidget),
      PanelHeight(panelHeight), Visible(visible)
{
    ScrollBox->setFrameShape(QFrame::NoFrame);
    ScrollBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ScrollBox->setWidget(Columns);
    // The columns stand on the dialog's own background.
    ScrollBox->viewport()->setAutoFillBackground(false);
    Columns->setAutoFillBackground(false);
    Fit(0);
    const int scrollBar = ScrollBox->horizontalScrollBar()->sizeHint().height();
    ScrollBox->setFixedSize(ColumnPitch * Visible + 6, ColumnTop + PanelHeight + scrollBar + 2);

    int width = 0;
    int top = ColumnTop + RowPitch;
    for (const char* text : captions) {
        auto* label = new QLabel(text, Captions);
        width = std::max(width, label->sizeHint().width() + 12);
        label->move(0, top);
        top += RowPitch;
    }
    for (auto* label : Captions->findChildren<QLabel*>())
        label->resize(width, RowHeight);
    Captions->setFixedSize(width, ScrollBox->height());
}

QFrame* TColumnArea::AddPanel(int i)
{
    auto* panel = new QFrame(Columns);
    panel->setFrameShape(QFrame::NoFrame);
    panel->setGeometry(ColumnPitch * i + 3, ColumnTop, ColumnPitch, PanelHeight);
    panel->show();
    return panel;
}

void TColumnArea::Clear()
{
    for (QFrame* panel : Columns->findChildren<QFrame*>(Qt::FindDirectChildrenOnly))
        delete panel;
    Fit(0);
}

void TColumnArea::Fit(int count)
{
    Columns->resize(ColumnPitch * std::max(count, Visible) + 3, ColumnTop + PanelHeight);
}
