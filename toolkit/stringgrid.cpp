#include "toolkit/stringgrid.h"

#include <QHeaderView>

TStringGrid::TStringGrid(QWidget* parent) : QTableWidget(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    SetDefaultColWidth(64);
    SetDefaultRowHeight(24);
    SetEditing(false);
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (Updating)
            return;
        Texts[{item->column(), item->row()}] = item->text();
        if (OnCellEdited)
            OnCellEdited(item->column(), item->row());
    });
    Rebuild();
}

void TStringGrid::SetColCount(int count)
{
    Cols = count < 0 ? 0 : count;
    Rebuild();
}

void TStringGrid::SetRowCount(int count)
{
    Rows = count < 0 ? 0 : count;
    Rebuild();
}

void TStringGrid::SetFixedCols(int count)
{
    FixedC = count;
    Rebuild();
}

void TStringGrid::SetFixedRows(int count)
{
    FixedR = count;
    Rebuild();
}

void TStringGrid::SetEditing(bool editing)
{
    Editing = editing;
    setEditTriggers(editing ? QAbstractItemView::AllEditTriggers : QAbstractItemView::NoEditTriggers);
    Rebuild();
}

void TStringGrid::SetDefaultColWidth(int width)
{
    horizontalHeader()->setDefaultSectionSize(width);
}

void TStringGrid::SetDefaultRowHeight(int height)
{
    verticalHeader()->setMinimumSectionSize(8);
    verticalHeader()->setDefaultSectionSize(height);
}

QString TStringGrid::Cell(int col, int row) const
{
    auto it = Texts.find({col, row});
    return it == Texts.end() ? QString() : it->second;
}

void TStringGrid::SetCell(int col, int row, const QString& text)
{
    Texts[{col, row}] = text;
    Refresh(col, row);
}

void TStringGrid::Refresh(int col, int row)
{
    if (col < 0 || row < 0 || col >= Cols || row >= Rows)
        return;
    Updating = true;
    QTableWidgetItem* cell = item(row, col);
    if (!cell) {
        cell = new QTableWidgetItem;
        setItem(row, col, cell);
    }
    const bool fixed = col < FixedC || row < FixedR;
    cell->setText(Cell(col, row));
    Qt::ItemFlags flags = Qt::ItemIsEnabled;
    if (!fixed) {
        flags |= Qt::ItemIsSelectable;
        if (Editing)
            flags |= Qt::ItemIsEditable;
    }
    cell->setFlags(flags);
    cell->setBackground(fixed ? palette().button() : palette().base());
    Updating = false;
}

void TStringGrid::Rebuild()
{
    Updating = true;
    setColumnCount(Cols);
    setRowCount(Rows);
    Updating = false;
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            Refresh(c, r);
}
