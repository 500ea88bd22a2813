#include "materials/garmentform.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>
#include <algorithm>
#include <functional>
#include <numeric>

#include "casemodel/casemodel.h"
#include "dialogbase/workflow.h"
#include "casemodel/numformat.h"
#include "materials/fabriclayerfrm.h"
#include "toolkit/application.h"
#include "toolkit/messages.h"
#include "toolkit/pictures.h"
#include "toolkit/radiogroup.h"

TGarmentForm* GarmentForm = nullptr;

namespace {

// A control that reports a click (press and release over it) to its handler, as the panels
// and pictures of the two lists do.
template <class Base>
class Clickable : public Base {
public:
    explicit Clickable(QWidget* parent) : Base(parent) {}
    std::function<void()> OnClick;

protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        event->accept();
        if (event->button() == Qt::LeftButton && Base::rect().contains(event->position().toPoint()) && OnClick)
            OnClick();
    }
};

// The places the garments stood at before an edit of the list, by their places after it: the
// list as it stands, to be edited like the list.
std::vector<int> Places(int count)
{
    std::vector<int> from(static_cast<std::size_t>(std::max(count, 0)));
    std::iota(from.begin(), from.end(), 0);
    return from;
}

// The clothing no longer holds as confirmed; the main window shows the garment step as to do.
void UndoClothing()
{
    CaseModel& c = TheCase();
    if (!c.ClothingDefined)
        return;
    c.ClothingDefined = false;
    ReportStepConfirmed(TCaseStep::Clothing);
}

QString StylePicturePath(int number) { return AssetPath(QString("Style/%1.bmp").arg(number)); }
QString WearerPicturePath(bool male) { return AssetPath(male ? "Style/male.bmp" : "Style/female.bmp"); }

// A picture decoded the first time it is needed.
const QPixmap& Decoded(QPixmap& picture, const QString& path)
{
    if (picture.isNull())
        picture = LoadPicture(path);
    return picture;
}

// Style List cells and Garment List rows, in pixels of their scroll boxes.
constexpr int StylePanelPitch = 85;
constexpr int GarmentPitch = 81;

const QColor SelectedColour(192, 192, 192);

void Paint(QFrame* panel, bool selected)
{
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, selected ? SelectedColour : QApplication::palette().color(QPalette::Button));
    panel->setPalette(pal);
    panel->setAutoFillBackground(true);
}

QScrollArea* MakeScrollBox(QGroupBox* group, const QString& name, int width, int height)
{
    auto* box = new QScrollArea(group);
    box->setObjectName(name);
    box->setGeometry(6, 18, width, height);
    box->setFrameShape(QFrame::NoFrame);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget;
    content->setObjectName(name + "Content");
    box->setWidget(content);
    return box;
}

// The scroll box's content grows with its rows.
void FitContent(QScrollArea* box, int width, int height)
{
    box->widget()->setFixedSize(width, std::max(height, 1));
}

} // namespace

TGarmentForm::TGarmentForm(QWidget* owner) : TForm(owner)
{
    setObjectName("GarmentForm");
    SetCaption("Garments Desgin");
    SetPosition(TPosition::MainFormCenter);

    auto label = [this](const QString& name, const QString& text, int x, int y, int w, int h) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        l->setGeometry(x, y, w, h);
        return l;
    };
    Image1 = label("Image1", QString(), 12, 28, 190, 340);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setFrameShape(QFrame::StyledPanel);
    CoverLabel = label("CoverLabel", QString(), 12, 376, 190, 22);

    Label1 = label("Label1", "Style List", 214, 6, 100, 18);
    StyleGroupBox = new QGroupBox(this);
    StyleGroupBox->setObjectName("StyleGroupBox");
    StyleGroupBox->setGeometry(210, 24, 112, 410);
    ScrollBox1 = MakeScrollBox(StyleGroupBox, "ScrollBox1", 100, 386);

    Label2 = label("Label2", "Choose garment  according to the wearing order", 330, 110, 108, 54);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    SelectBtn = new QPushButton("Select >>", this);
    SelectBtn->setObjectName("SelectBtn");
    SelectBtn->setGeometry(336, 172, 96, 28);
    auto pictureButton = [this](const QString& name, QStyle::StandardPixmap icon, int y, const QString& hint) {
        auto* b = new QToolButton(this);
        b->setObjectName(name);
        b->setIcon(style()->standardIcon(icon));
        b->setIconSize(QSize(22, 22));
        b->setToolTip(hint);
        b->setGeometry(366, y, 36, 32);
        return b;
    };
    UpBtn = pictureButton("UpBtn", QStyle::SP_ArrowUp, 228, "Move up");
    DeleteBtn = pictureButton("DeleteBtn", QStyle::SP_TrashIcon, 266, "Delete");
    DownBtn = pictureButton("DownBtn", QStyle::SP_ArrowDown, 304, "Move down");

    Label3 = label("Label3", "Garment List", 449, 6, 120, 18);
    SelectGarmentGroupBox = new QGroupBox(this);
    SelectGarmentGroupBox->setObjectName("SelectGarmentGroupBox");
    SelectGarmentGroupBox->setGeometry(445, 24, 208, 410);
    ScrollBox2 = MakeScrollBox(SelectGarmentGroupBox, "ScrollBox2", 196, 386);

    BitBtn1 = new QPushButton("Next  ", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(468, 446, 88, 28);
    BitBtn2 = new QPushButton("Exit", this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setGeometry(565, 446, 88, 28);

    connect(SelectBtn, &QPushButton::clicked, this, Guard([this] { SelectBtnClick(); }));
    connect(UpBtn, &QToolButton::clicked, this, Guard([this] { UpBtnClick(); }));
    connect(DownBtn, &QToolButton::clicked, this, Guard([this] { DownBtnClick(); }));
    connect(DeleteBtn, &QToolButton::clicked, this, Guard([this] { DeleteBtnClick(); }));
    connect(BitBtn1, &QPushButton::clicked, this, Guard([this] { BitBtn1Click(); }));
    connect(BitBtn2, &QPushButton::clicked, this, Guard([this] { BitBtn2Click(); }));

    SetClientSize(665, 485);
    SetSizeable(true);
    // The Style List is filled when the dialog is first shown or a case is loaded, so that the
    // pictures are decoded only then.
    ListMale = WearerIsMale(TheCase());
    FitContent(ScrollBox2, 152, 0);
}

void TGarmentForm::CheckPictures()
{
    for (int number = 1; number <= StylePictureCount; ++number)
        CheckPicture(StylePicturePath(number));
    CheckPicture(WearerPicturePath(false));
    CheckPicture(WearerPicturePath(true));
}

QPixmap TGarmentForm::StylePicture(int style) const
{
    const int number = StylePictureNumber(ListMale, style);
    return number > 0 ? Decoded(StyleBitmaps[static_cast<std::size_t>(number - 1)], StylePicturePath(number))
                      : QPixmap();
}

bool TGarmentForm::ValidGarment(int n) const { return n >= 0 && n < GarmentCount(); }

void TGarmentForm::ShowLarge(const QPixmap& picture)
{
    Image1->setPixmap(picture.scaled(Image1->size() - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TGarmentForm::ShowCoverage(double coverage)
{
    CoverLabel->setText("Coverage(%): " + QString::fromStdString(FloatToStr(coverage * 100)));
}

void TGarmentForm::FormShow()
{
    MatchWearer();
    // The list mirrors the case's garments; a case changed behind the dialog's back (a load
    // that did not go through it) is shown as it is now.
    if (GarmentCount() != std::clamp(TheCase().GarmentList.GarmentCount, 0, MaxGarments))
        LoadGarmentList();
    ShowLarge(Decoded(ListMale ? MaleBitmap : FemaleBitmap, WearerPicturePath(ListMale)));
    BuildStyleList();
    CoverLabel->clear();
}

void TGarmentForm::FormClose()
{
    if (CurrentStyle > -1 && CurrentStyle < static_cast<int>(StylePanels.size()))
        Paint(StylePanels[static_cast<std::size_t>(CurrentStyle)], false);
    CurrentStyle = -1;
}

void TGarmentForm::MatchWearer()
{
    const bool male = WearerIsMale(TheCase());
    if (male == ListMale)
        return;
    ListMale = male;
    if (TheCase().GarmentList.GarmentCount > 0 || GarmentCount() > 0)
        ClearGarmentList();
    BuildStyleList();
}

void TGarmentForm::BuildStyleList()
{
    for (QFrame* panel : StylePanels)
        delete panel;
    StylePanels.clear();
    StyleImages.clear();
    CurrentStyle = -1;
    QWidget* content = ScrollBox1->widget();
    const int count = StyleCount(ListMale);
    for (int k = 0; k < count; ++k) {
        auto* panel = new Clickable<QFrame>(content);
        panel->setObjectName(QString("StylePanel%1").arg(k));
        panel->setGeometry(1, StylePanelPitch * k + 1, 69, 86);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Raised);
        Paint(panel, false);
        auto* image = new Clickable<QLabel>(panel);
        image->setObjectName(QString("StyleImage%1").arg(k));
        image->setGeometry(4, 4, 61, 78);
        image->setScaledContents(true);
        image->setPixmap(StylePicture(k));
        panel->OnClick = Guard([this, k] { PanelClick(k); });
        image->OnClick = Guard([this, k] { ImageClick(k); });
        panel->show();
        StylePanels.push_back(panel);
        StyleImages.push_back(image);
    }
    FitContent(ScrollBox1, 71, StylePanelPitch * count + 2);
}

void TGarmentForm::PanelClick(int style)
{
    if (style < 0 || style >= static_cast<int>(StylePanels.size()))
        return;
    if (CurrentStyle > -1 && CurrentStyle < static_cast<int>(StylePanels.size()))
        Paint(StylePanels[static_cast<std::size_t>(CurrentStyle)], false);
    Paint(StylePanels[static_cast<std::size_t>(style)], true);
    CurrentStyle = style;
    ShowCoverage(StyleCoverage(ListMale, style));
    ShowLarge(StylePicture(style));
}

void TGarmentForm::ImageClick(int style) { PanelClick(style); }

void TGarmentForm::ListChanged(const std::vector<int>& from)
{
    // Each garment takes its fabric layers along, in the case and in the layer dialog's copy.
    LayerRows& layers = TheCase().Layers;
    layers.Rows = RowsFollowingGarments(layers.Rows, from);
    layers.GarmentCount = static_cast<int>(layers.Rows.size());
    if (FabricLayerFrm)
        FabricLayerFrm->FollowGarments(from);
    Changed = true;
    UndoClothing();
}

void TGarmentForm::AddGarmentEntry(int style, int fitting)
{
    const int n = GarmentCount();
    QWidget* content = ScrollBox2->widget();
    GarmentEntry e;
    e.Number = new QLabel(QString::number(n + 1), content);
    e.Number->setObjectName(QString("GarmentNumber%1").arg(n));
    e.Number->move(0, GarmentPitch * n + 30);
    e.Number->adjustSize();
    auto* panel = new Clickable<QFrame>(content);
    panel->setObjectName(QString("GarmentPanel%1").arg(n));
    panel->setGeometry(10, GarmentPitch * n, 64, 81);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    Paint(panel, false);
    auto* image = new Clickable<QLabel>(panel);
    image->setObjectName(QString("GarmentImage%1").arg(n));
    image->setGeometry(4, 4, 56, 73);
    image->setScaledContents(true);
    e.Panel = panel;
    e.Image = image;
    e.Fitting = new TRadioGroup(content);
    e.Fitting->setObjectName(QString("Fitting%1").arg(n));
    e.Fitting->setTitle("Fitting");
    e.Fitting->SetItems({"Loose fit", "Just fit", "Tight fit"});
    // The three choices have to fit the group's 73 pixels.
    QFont small = e.Fitting->font();
    small.setPixelSize(10);
    e.Fitting->setFont(small);
    e.Fitting->layout()->setContentsMargins(2, 2, 0, 2);
    e.Fitting->layout()->setSpacing(0);
    e.Fitting->setGeometry(panel->x() + panel->width() + 5, GarmentPitch * n, 73, 81);
    // Looked up by control, not by position: the garment's place changes with Up and Down.
    TRadioGroup* group = e.Fitting;
    group->OnClick = Guard([this, group] {
        for (int i = 0; i < GarmentCount(); ++i) {
            if (GarmentEntries[static_cast<std::size_t>(i)].Fitting != group)
                continue;
            GarmentSet& garments = TheCase().GarmentList;
            const int fit = group->ItemIndex() + 1;
            int& stored = garments.Fitting[static_cast<std::size_t>(i)];
            // A new fit changes the microclimates of the stages: confirm the clothing again.
            if (stored != fit)
                UndoClothing();
            stored = fit;
        }
    });
    panel->OnClick = Guard([this, panel] {
        for (int i = 0; i < GarmentCount(); ++i)
            if (GarmentEntries[static_cast<std::size_t>(i)].Panel == panel)
                Panel1Click(i);
    });
    image->OnClick = Guard([this, image] {
        for (int i = 0; i < GarmentCount(); ++i)
            if (GarmentEntries[static_cast<std::size_t>(i)].Image == image)
                Image1Click(i);
    });
    for (QWidget* w : {static_cast<QWidget*>(e.Number), static_cast<QWidget*>(panel), static_cast<QWidget*>(e.Fitting)})
        w->show();
    GarmentEntries.push_back(e);
    FitContent(ScrollBox2, 152, GarmentPitch * GarmentCount());

    GarmentSet& garments = TheCase().GarmentList;
    garments.StyleIndex[static_cast<std::size_t>(n)] = style;
    garments.Coverage[static_cast<std::size_t>(n)] = StyleCoverage(ListMale, style);
    garments.Fitting[static_cast<std::size_t>(n)] = fitting;
    garments.GarmentCount = GarmentCount();
    ShowGarment(n);
}

void TGarmentForm::ShowGarment(int n)
{
    const GarmentSet& garments = TheCase().GarmentList;
    const auto i = static_cast<std::size_t>(n);
    GarmentEntry& e = GarmentEntries[i];
    e.Image->setPixmap(StylePicture(garments.StyleIndex[i]));
    e.Number->setProperty("Tag", garments.StyleIndex[i]);
    e.Panel->setProperty("Tag", n);
    // The fit stored with the garment; showing it is no new choice.
    const int fit = garments.Fitting[i];
    e.Fitting->SetItemIndex(fit >= FittingFirst && fit <= FittingLast ? fit - 1 : -1);
}

void TGarmentForm::RemoveLastEntry()
{
    GarmentEntry e = GarmentEntries.back();
    GarmentEntries.pop_back();
    delete e.Number;
    delete e.Fitting;
    delete e.Panel;
    FitContent(ScrollBox2, 152, GarmentPitch * GarmentCount());
}

void TGarmentForm::ClearGarmentList()
{
    while (!GarmentEntries.empty())
        RemoveLastEntry();
    TheCase().GarmentList.GarmentCount = 0;
    SelectedGarment = -1;
    CurrentStyle = -1;
    ListChanged({});
}

void TGarmentForm::LoadGarmentList()
{
    while (!GarmentEntries.empty())
        RemoveLastEntry();
    SelectedGarment = -1;
    ListMale = WearerIsMale(TheCase());
    BuildStyleList();
    // The loaded garments are kept aside: adding an entry writes the case's arrays.
    const GarmentSet loaded = TheCase().GarmentList;
    TheCase().GarmentList.GarmentCount = 0;
    const int n = std::clamp(loaded.GarmentCount, 0, MaxGarments);
    for (int i = 0; i < n; ++i) {
        const auto g = static_cast<std::size_t>(i);
        AddGarmentEntry(loaded.StyleIndex[g], loaded.Fitting[g]);
    }
    // The case's layer rows came with the garments; the layer dialog's rows were made for
    // other garments.
    if (FabricLayerFrm)
        FabricLayerFrm->FollowGarments(std::vector<int>(static_cast<std::size_t>(n), -1));
    Changed = true;
}

void TGarmentForm::SelectBtnClick()
{
    if (CurrentStyle < 0)
        return;
    if (GarmentCount() >= MaxGarments) {
        AppMessageBox("At most 50 garments can be worn!", "Information", MB_OK);
        return;
    }
    std::vector<int> from = Places(GarmentCount());
    from.push_back(-1);
    AddGarmentEntry(CurrentStyle, 0);
    ListChanged(from);
}

void TGarmentForm::SelectGarment(int n)
{
    if (ValidGarment(SelectedGarment))
        Paint(GarmentEntries[static_cast<std::size_t>(SelectedGarment)].Panel, false);
    SelectedGarment = ValidGarment(n) ? n : -1;
    if (SelectedGarment >= 0)
        Paint(GarmentEntries[static_cast<std::size_t>(SelectedGarment)].Panel, true);
}

void TGarmentForm::Panel1Click(int garment)
{
    if (!ValidGarment(garment))
        return;
    SelectGarment(garment);
    ShowCoverage(TheCase().GarmentList.Coverage[static_cast<std::size_t>(garment)]);
}

void TGarmentForm::Image1Click(int garment)
{
    if (!ValidGarment(garment))
        return;
    Panel1Click(garment);
    ShowLarge(StylePicture(TheCase().GarmentList.StyleIndex[static_cast<std::size_t>(garment)]));
}

void TGarmentForm::SwapGarments(int a, int b)
{
    GarmentSet& garments = TheCase().GarmentList;
    const auto i = static_cast<std::size_t>(a);
    const auto j = static_cast<std::size_t>(b);
    std::swap(garments.StyleIndex[i], garments.StyleIndex[j]);
    std::swap(garments.Coverage[i], garments.Coverage[j]);
    std::swap(garments.Fitting[i], garments.Fitting[j]);
    ShowGarment(a);
    ShowGarment(b);
    std::vector<int> from = Places(GarmentCount());
    std::swap(from[i], from[j]);
    ListChanged(from);
}

void TGarmentForm::UpBtnClick()
{
    const int s = SelectedGarment;
    if (!ValidGarment(s) || s < 1)
        return;
    SwapGarments(s, s - 1);
    SelectGarment(s - 1);
    GarmentEntries[static_cast<std::size_t>(s - 1)].Fitting->setFocus();
}

void TGarmentForm::DownBtnClick()
{
    const int s = SelectedGarment;
    if (!ValidGarment(s) || s >= GarmentCount() - 1)
        return;
    SwapGarments(s, s + 1);
    SelectGarment(s + 1);
    GarmentEntries[static_cast<std::size_t>(s + 1)].Fitting->setFocus();
}

void TGarmentForm::DeleteBtnClick()
{
    const int s = SelectedGarment;
    if (!ValidGarment(s))
        return;
    GarmentSet& garments = TheCase().GarmentList;
    const int count = GarmentCount();
    std::vector<int> from = Places(count);
    from.erase(from.begin() + s);
    for (int i = s; i < count - 1; ++i) {
        const auto to = static_cast<std::size_t>(i);
        garments.StyleIndex[to] = garments.StyleIndex[to + 1];
        garments.Coverage[to] = garments.Coverage[to + 1];
        garments.Fitting[to] = garments.Fitting[to + 1];
    }
    Paint(GarmentEntries[static_cast<std::size_t>(s)].Panel, false);
    SelectedGarment = -1;
    RemoveLastEntry();
    garments.GarmentCount = GarmentCount();
    for (int i = s; i < GarmentCount(); ++i)
        ShowGarment(i);
    // The garment that moved into the place stays selected; after the last one, the one before.
    SelectGarment(s < GarmentCount() ? s : s - 1);
    ListChanged(from);
}

void TGarmentForm::BitBtn1Click()
{
    const GarmentSet& garments = TheCase().GarmentList;
    for (int i = 0; i < GarmentCount(); ++i) {
        if (garments.Fitting[static_cast<std::size_t>(i)] == 0) {
            AppMessageBox("Please specify the style of the clothing", "Input Error", MB_OK);
            GarmentEntries[static_cast<std::size_t>(i)].Fitting->setFocus();
            return;
        }
    }
    if (GarmentCount() == 0) {
        AppMessageBox("you don't select any garment!", "Information", MB_OK);
        return;
    }
    Close();
    // Shown again even when it is open already, so it builds its rows for this list.
    if (FabricLayerFrm->isVisible())
        FabricLayerFrm->hide();
    FabricLayerFrm->Show();
}

void TGarmentForm::BitBtn2Click() { Close(); }
