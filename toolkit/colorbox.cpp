#include "toolkit/colorbox.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

#include "toolkit/application.h"

namespace {

class DesktopColorDialogs : public ColorDialogService {
public:
    QColor ChooseColor(QWidget* parent, const QColor& initial) override
    {
        return QColorDialog::getColor(initial, parent, QString(), QColorDialog::DontUseNativeDialog);
    }
};

DesktopColorDialogs desktopDialogs;
ColorDialogService* current = &desktopDialogs;

struct NamedColor {
    const char* Name;
    QRgb Rgb;
};
// The sixteen standard colours of the desktop toolkit, in its order.
const NamedColor kStandard[] = {
    {"Black", 0x000000},  {"Maroon", 0x800000}, {"Green", 0x008000},   {"Olive", 0x808000},
    {"Navy", 0x000080},   {"Purple", 0x800080}, {"Teal", 0x008080},    {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0xFF0000},    {"Lime", 0x00FF00},    {"Yellow", 0xFFFF00},
    {"Blue", 0x0000FF},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0x00FFFF},   {"White", 0xFFFFFF},
};
constexpr int CustomIndex = 0;  // "Custom..." heads the list

} // namespace

ColorDialogService& ColorDialogs() { return *current; }

ColorDialogService* SetColorDialogService(ColorDialogService* service)
{
    ColorDialogService* previous = current;
    current = service ? service : &desktopDialogs;
    return previous;
}

TColorBox::TColorBox(QWidget* parent) : QComboBox(parent)
{
    setIconSize(QSize(24, 12));
    addItem("Custom...");
    ShowColor(CustomIndex, Qt::black);
    for (const NamedColor& c : kStandard) {
        addItem(c.Name);
        ShowColor(count() - 1, QColor(c.Rgb));
    }
    SetSelected(Qt::black);
    connect(this, &QComboBox::activated, this, Guard([this](int index) { Activated(index); }));
}

void TColorBox::ShowColor(int index, const QColor& color)
{
    QPixmap swatch(iconSize());
    swatch.fill(color);
    QPainter(&swatch).drawRect(0, 0, swatch.width() - 1, swatch.height() - 1);
    setItemIcon(index, swatch);
    setItemData(index, color, Qt::UserRole);
}

void TColorBox::SetSelected(const QColor& color)
{
    Current = color.toRgb();
    const QSignalBlocker block(this);
    for (int i = 0; i < count(); ++i) {
        if (i != CustomIndex && itemData(i, Qt::UserRole).value<QColor>().rgb() == Current.rgb()) {
            setCurrentIndex(i);
            return;
        }
    }
    ShowColor(CustomIndex, Current);
    setCurrentIndex(CustomIndex);
}

void TColorBox::Activated(int index)
{
    QColor chosen;
    if (index == CustomIndex) {
        chosen = ColorDialogs().ChooseColor(this, Current);
        if (!chosen.isValid()) {
            SetSelected(Current);  // cancelled: the box shows what it held
            return;
        }
    } else {
        chosen = itemData(index, Qt::UserRole).value<QColor>();
    }
    const bool changed = chosen.rgb() != Current.rgb();
    SetSelected(chosen);
    if (changed && OnChange)
        OnChange();
}
