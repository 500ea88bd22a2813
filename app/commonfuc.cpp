#include "app/commonfuc.h"

#include <QHBoxLayout>

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

#include "casemodel/numformat.h"
#include "toolkit/keyfilter.h"
#include "toolkit/messages.h"

namespace {

constexpr char Backspace = 8;
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

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

void DecimalKeyPress(QLineEdit* edit, char& key)
{
    if (key == Backspace || IsDigit(key))
        return;
    if (key == '.' && !edit->text().contains('.'))
        return;
    key = 0;
}

void SignedDecimalKeyPress(QLineEdit* edit, char& key)
{
    if (key == Backspace || IsDigit(key))
        return;
    if (key == '.' && !edit->text().contains('.'))
        return;
    if (key == '-' && !edit->text().contains('-'))
        return;
    key = 0;
}

void UnsignedNumberKeyPress(QLineEdit*, char& key)
{
    if (key == Backspace || IsDigit(key) || key == '.')
        return;
    key = 0;
}

void DigitKeyPress(QLineEdit*, char& key)
{
    if (key == Backspace || IsDigit(key))
        return;
    key = 0;
}

void SetKeyFilter(QLineEdit* edit, void (*filter)(QLineEdit*, char&))
{
    SetOnKeyPress(edit, [edit, filter](char& key) { filter(edit, key); });
}

double GetEditValueQuiet(QLineEdit* edit, bool& ok)
{
    double value = 0;
    ok = TryStrToFloat(Trim(edit->text().toStdString()), value);
    return ok ? value : 0;
}

QString EditText(double value) { return QString::fromStdString(FloatToStr(value)); }

void ShowEditValueError(const QString& name)
{
    AppMessageBox("The input of " + name + " is not correct. Please try it again!", "Input Error", MB_OK);
}

double GetTextValue(const QString& text, const QString& name, bool& ok)
{
    double value = 0;
    ok = TryStrToFloat(Trim(text.toStdString()), value);
    if (!ok) {
        ShowEditValueError(name);
        return 0;
    }
    return value;
}

double GetEditValue(QLineEdit* edit, const QString& name, bool& ok)
{
    return GetTextValue(edit->text(), name, ok);
}

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

QPushButton* MakeDialogButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setMinimumWidth(std::max(88, button->sizeHint().width() + 16));
    return button;
}

QHBoxLayout* MakeEditButtons(QWidget* form, QPushButton*& defaults, QPushButton*& clear, QPushButton*& ok,
                             QPushButton*& cancel)
{
    defaults = MakeDialogButton(form, "Default", "Default");
    clear = MakeDialogButton(form, "btnClear", "Clear");
    ok = MakeDialogButton(form, "OKBtn", "OK");
    ok->setDefault(true);
    cancel = MakeDialogButton(form, "btnExit", "Cancel");
    return MakeButtonRow({defaults, clear}, {ok, cancel});
}

QHBoxLayout* MakeButtonRow(std::initializer_list<QPushButton*> left, std::initializer_list<QPushButton*> right)
{
    auto* row = new QHBoxLayout;
    for (QPushButton* b : left)
        row->addWidget(b);
    row->addStretch(1);
    for (QPushButton* b : right)
        row->addWidget(b);
    return row;
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

void ShowNamedInputError(QLineEdit* edit, const char* name)
{
    edit->setFocus();
    AppMessageBox(QString(name) + " is not correct! Please input it again.", "Input Error", MB_OK);
}
