// Every text a window shows fits its control at the control's font: labels, buttons, check
// boxes, radio items and tree items, in every window of the application and on every tab, with
// the longest texts the windows come to show (marked tree nodes, a result folder with a long
// path). A path that does not fit may be shortened in the middle, its whole text in the tooltip.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "app/furfea.h"
#include "app/windows.h"
#include "results/form1.h"
#include "results/form3.h"
#include "results/form4.h"
#include "results/frmcutview.h"
#include "results/frmmain.h"
#include "results/io/resultsetgen.h"
#include "tests/support/appfixture.h"
#include "tests/support/messagerecorder.h"
#include "toolkit/folderbrowser.h"

namespace {

int Widest(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split('\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// A text that does not fit, as the failure names it.
std::string Cut(QWidget* window, QWidget* control, const QString& text, const QString& why)
{
    return (window->objectName() + "." + control->objectName() + " \"" + text + "\": " + why).toStdString();
}

std::string Cut(QWidget* window, QWidget* control, const QString& text, int need, int room)
{
    return Cut(window, control, text, QString::number(need) + " > " + QString::number(room));
}

// A character the control's font has no glyph for shows as a box.
void CheckGlyphs(QWidget* window, QWidget* control, const QString& text, std::set<std::string>& cuts)
{
    const QFontMetrics metrics(control->font());
    for (const char32_t c : text.toUcs4())
        if (c >= ' ' && !metrics.inFontUcs4(c))
            cuts.insert(Cut(window, control, text, "no glyph for U+" + QString::number(c, 16).toUpper()));
}

void CheckLabel(QWidget* window, QLabel* label, std::set<std::string>& cuts)
{
    const QString text = label->text();
    if (text.isEmpty() || Qt::mightBeRichText(text))
        return;
    CheckGlyphs(window, label, text, cuts);
    const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                      -label->margin());
    const QFontMetrics metrics(label->font());
    if (label->wordWrap()) {
        const int need = metrics.boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap, text).height();
        if (need > room.height())
            cuts.insert(Cut(window, label, text, need, room.height()));
        return;
    }
    // A path shortened to fit keeps the whole path in its tooltip.
    const int dots = text.indexOf(QChar(0x2026));
    if (dots >= 0 && !label->toolTip().endsWith(text.mid(dots + 1)))
        cuts.insert(Cut(window, label, text, "tooltip \"" + label->toolTip() + "\""));
    const int need = Widest(metrics, text) + std::max(label->indent(), 0);
    if (need > room.width())
        cuts.insert(Cut(window, label, text, need, room.width()));
}

void CheckButton(QWidget* window, QAbstractButton* button, std::set<std::string>& cuts)
{
    const QString text = button->text();
    if (text.isEmpty())
        return;
    CheckGlyphs(window, button, text, cuts);
    // On a button a single ampersand marks the shortcut and is not drawn.
    const int need =
        Widest(QFontMetrics(button->font()), QString(text).replace("&&", "\x01").remove('&').replace('\x01', '&'));
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = text;
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    int room = 0;
    if (auto* tool = qobject_cast<QToolButton*>(button)) {
        if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
            return;
        const int frame = 2 * button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        room = tool->width() - frame;
        if (tool->toolButtonStyle() == Qt::ToolButtonTextBesideIcon && !tool->icon().isNull())
            room -= tool->iconSize().width() + 4;
    } else {
        const QStyle::SubElement contents = qobject_cast<QCheckBox*>(button)      ? QStyle::SE_CheckBoxContents
                                            : qobject_cast<QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                                                  : QStyle::SE_PushButtonContents;
        room = button->style()->subElementRect(contents, &option, button).width();
        if (!button->icon().isNull())
            room -= button->iconSize().width() + 4;
    }
    if (need > room)
        cuts.insert(Cut(window, button, text, need, room));
}

void CheckTree(QWidget* window, QTreeWidget* tree, std::set<std::string>& cuts)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        QTreeWidgetItem* item = *it;
        // Rows scrolled out of sight are not checked; a view that scrolls sideways gives its
        // rows their whole width.
        const QRect row = tree->visualItemRect(item);
        if (row.isEmpty() || row.bottom() < 0 || row.top() > tree->viewport()->height())
            continue;
        // The item's cell as the view draws it.
        QStyleOptionViewItem option;
        option.initFrom(tree->viewport());
        option.font = tree->font();
        option.text = item->text(0);
        option.icon = item->icon(0);
        option.decorationSize = tree->iconSize();
        option.features = QStyleOptionViewItem::HasDisplay;
        if (!option.icon.isNull())
            option.features |= QStyleOptionViewItem::HasDecoration;
        option.rect = row;
        const QRect text = tree->style()->subElementRect(QStyle::SE_ItemViewItemText, &option, tree);
        const int margin = tree->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tree) + 1;
        const int need = QFontMetrics(tree->font()).horizontalAdvance(option.text);
        if (need > text.width() - 2 * margin)
            cuts.insert(Cut(window, tree, option.text, need, text.width() - 2 * margin));
    }
}

void CheckShownControls(QWidget* window, std::set<std::string>& cuts)
{
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        if (auto* label = qobject_cast<QLabel*>(w))
            CheckLabel(window, label, cuts);
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            CheckButton(window, button, cuts);
        else if (auto* tree = qobject_cast<QTreeWidget*>(w))
            CheckTree(window, tree, cuts);
    }
}

// Shows the window and checks it on every tab of every tab control. The window is laid out as
// shown but never reaches the screen: the OpenGL views need no context here.
void CheckWindow(QWidget* window, std::set<std::string>& cuts)
{
    window->setAttribute(Qt::WA_DontShowOnScreen);
    if (auto* form = qobject_cast<TForm*>(window))
        form->Show();
    else
        window->show();
    QApplication::processEvents();
    CheckShownControls(window, cuts);
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        const int current = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            if (!tabs->isTabVisible(i) || i == current)
                continue;
            tabs->setCurrentIndex(i);
            QApplication::processEvents();
            CheckShownControls(window, cuts);
        }
        tabs->setCurrentIndex(current);
    }
    window->hide();
    window->setAttribute(Qt::WA_DontShowOnScreen, false);
}

using TextFitTest = AppTest;

TEST_F(TextFitTest, EveryShownTextOfEveryWindowFitsItsControl)
{
    MessageRecorder messages;
    messages.AllowAny();

    // Every step confirmed: the tree nodes carry their marks.
    for (int node = 1; node <= 6; ++node)
        FurFea->MarkTreeNode(node);
    FurFea->MarkTreeNode(3, "Human Body ");

    // A result folder deep in a long path, opened in the plot window and its section shown.
    QTemporaryDir temp;
    const QString folder = temp.filePath("results of the winter walking trial/second wearer in the wool coat");
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_EQ(WriteResultSet(QFile::encodeName(folder).toStdString(), ShapeOf(ResultSetSize::Minimal)), "");
    Form4->FolderBrowser->SetDirectory(folder);
    Form4->ShowFor(Form1);
    Form4->Button1->click();
    PlotState section;
    section.SectionQuantity = "Evaporation&Condensation Rate(kg/m^3/s^1)";
    section.SectionFile = QString(folder + "/Fabrics.dat").toStdString();
    {
        ScopedModalHook hook([](TForm&) { return int(mrNone); });
        Form3->Execute(section);
    }

    // The player's clock at the longest time it shows.
    FrmMain->LblTime->setText(TFrmMain::TimeText(99999 + 59.0 / 60));

    std::set<std::string> cuts;
    const std::vector<QWidget*> windows = ApplicationWindows();
    ASSERT_EQ(windows.size(), ApplicationWindowCount());
    for (QWidget* window : windows)
        CheckWindow(window, cuts);
    for (const std::string& cut : cuts)
        ADD_FAILURE() << cut;

    // The cross-section paints its ring labels into its picture, so the walk does not see them:
    // the longest must end inside the picture.
    const QFontMetrics label(TFrmCutView::LabelFont(FrmCutView->font()));
    EXPECT_LE(TFrmCutView::LayerLabelLeft + label.horizontalAdvance("Layer 14"), TFrmCutView::PictureSize);
}

} // namespace
