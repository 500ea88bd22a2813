#include "toolkit/radiogroup.h"

#include <QGridLayout>
#include <QRadioButton>

TRadioGroup::TRadioGroup(QWidget* parent) : QGroupBox(parent)
{
    setLayout(new QGridLayout);
    layout()->setContentsMargins(8, 4, 8, 4);
    layout()->setSpacing(2);
    connect(&Group, &QButtonGroup::idClicked, this, [this](int id) { SetItemIndex(id); });
}

void TRadioGroup::SetItems(const QStringList& items)
{
    ItemTexts = items;
    for (QRadioButton* b : Buttons)
        delete b;
    Buttons.clear();
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        b->setObjectName(QString("%1_%2").arg(objectName()).arg(i));
        Group.addButton(b, i);
        Buttons.push_back(b);
    }
    Index = -1;
    Layout();
}

void TRadioGroup::SetColumns(int columns)
{
    Columns = columns < 1 ? 1 : columns;
    Layout();
}

void TRadioGroup::Layout()
{
    auto* grid = static_cast<QGridLayout*>(layout());
    const int n = static_cast<int>(Buttons.size());
    const int rows = (n + Columns - 1) / Columns;
    for (int i = 0; i < n; ++i)
        grid->addWidget(Buttons[static_cast<std::size_t>(i)], rows ? i % rows : 0, rows ? i / rows : 0);
}

QRadioButton* TRadioGroup::Button(int index) const
{
    if (index < 0 || index >= static_cast<int>(Buttons.size()))
        return nullptr;
    return Buttons[static_cast<std::size_t>(index)];
}

void TRadioGroup::SetItemIndex(int index)
{
    if (index < -1 || index >= static_cast<int>(Buttons.size()))
        index = -1;
    const bool changed = index != Index;
    Index = index;
    if (index < 0) {
        Group.setExclusive(false);
        for (QRadioButton* b : Buttons)
            b->setChecked(false);
        Group.setExclusive(true);
    } else {
        Buttons[static_cast<std::size_t>(index)]->setChecked(true);
    }
    if (changed && OnClick)
        OnClick();
}
