#include "toolkit/listbox.h"

#include <QMouseEvent>

TListBox::TListBox(QWidget* parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemClicked, this, [this] {
        if (!PressReported)
            Click();
    });
}

TListBox::Choice TListBox::Chosen() const
{
    const QListWidgetItem* item = currentItem();
    return {currentRow(), item && item->isSelected()};
}

bool TListBox::Reporting(const std::function<void()>& handleEvent)
{
    const Choice before = Chosen();
    handleEvent();
    if (Chosen() == before)
        return false;
    Click();
    return true;
}

void TListBox::Click()
{
    if (OnClick)
        OnClick();
}

void TListBox::keyPressEvent(QKeyEvent* event)
{
    Reporting([&] { QListWidget::keyPressEvent(event); });
}

void TListBox::mousePressEvent(QMouseEvent* event)
{
    PressReported = Reporting([&] { QListWidget::mousePressEvent(event); });
}

void TListBox::mouseMoveEvent(QMouseEvent* event)
{
    // Dragging with a button held moves the current line along.
    Reporting([&] { QListWidget::mouseMoveEvent(event); });
}

void TListBox::mouseReleaseEvent(QMouseEvent* event)
{
    // The release reports the click, if it was one.
    Reporting([&] { QListWidget::mouseReleaseEvent(event); });
    PressReported = false;
}
