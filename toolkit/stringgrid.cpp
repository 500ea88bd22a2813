#include "toolkit/stringgrid.h"

#include <algorithm>

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>

// Tells the grid which editor is open, and takes Enter away from the editor before it can travel
// on to the window.
class TStringGrid::Delegate : public QStyledItemDelegate {
public:
    explicit Delegate(TStringGrid* grid) : QStyledItemDelegate(grid), Grid(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        Grid->EditorOpened(editor);
        return editor;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && watched == Grid->Editor) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                Grid->CommitEdit();
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(watched, event);
    }

private:
    TStringGrid* Grid;
};

#include "casemodel/numformat.h"

TStringGrid::TStringGrid(QWidget* parent) : QTableWidget(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    SetDefaultColWidth(64);
    SetDefaultRowHeight(24);
    setItemDelegate(new Delegate(this));
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
    const bool fixed = IsFixed(col, row);
    cell->setText(Cell(col, row));
    // A fixed cell is not enabled, which is what keeps the view's keys and clicks off it; its
    // text keeps the colour of a caption rather than the greyed one of a disabled cell.
    Qt::ItemFlags flags = Qt::NoItemFlags;
    if (!fixed) {
        flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (Editing)
            flags |= Qt::ItemIsEditable;
    }
    cell->setFlags(flags);
    cell->setBackground(fixed ? palette().button() : palette().base());
    cell->setForeground(fixed ? palette().buttonText() : palette().text());
    Updating = false;
}

bool TStringGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    // Rows that are being rebuilt move the current cell; that is no reason to open an editor.
    if (Updating)
        return false;
    return QTableWidget::edit(index, trigger, event);
}

void TStringGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableWidget::currentChanged(current, previous);
    // Code that sets the current cell, or rows rebuilt under it, may still name a fixed one.
    if (current.isValid() && IsFixed(current.column(), current.row()))
        LeaveFixedCells();
}

void TStringGrid::focusInEvent(QFocusEvent* event)
{
    LeaveFixedCells();
    QTableWidget::focusInEvent(event);
}

void TStringGrid::LeaveFixedCells()
{
    const QModelIndex current = currentIndex();
    if (current.isValid() && !IsFixed(current.column(), current.row()))
        return;
    if (FixedC < Cols && FixedR < Rows)
        setCurrentCell(current.isValid() ? std::max(current.row(), FixedR) : FixedR,
                       current.isValid() ? std::max(current.column(), FixedC) : FixedC);
    else if (current.isValid())
        setCurrentIndex(QModelIndex());
}

void TStringGrid::EditorOpened(QWidget* editor)
{
    Editor = editor;
    // Cell editors come and go; each one gets the grid's key handler.
    if (CellKeyPress)
        SetOnKeyPress(editor, CellKeyPress);
    // Buttons made since the last editor opened are taken in too; a connection is made once.
    for (QAbstractButton* button : window()->findChildren<QAbstractButton*>())
        connect(button, &QAbstractButton::pressed, this, &TStringGrid::CommitEdit, Qt::UniqueConnection);
}

void TStringGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    // However the editor ends (Enter, Escape, focus moving away), it is no longer open.
    if (editor == Editor)
        Editor = nullptr;
    QTableWidget::closeEditor(editor, hint);
}

void TStringGrid::CommitEdit()
{
    if (!Editor)
        return;
    commitData(Editor);
    closeEditor(Editor, QAbstractItemDelegate::SubmitModelCache);
}

void TStringGrid::DiscardEdit()
{
    if (Editor)
        closeEditor(Editor, QAbstractItemDelegate::RevertModelCache);
}

void TStringGrid::Rebuild()
{
    DiscardEdit();
    Updating = true;
    setColumnCount(Cols);
    setRowCount(Rows);
    Updating = false;
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            Refresh(c, r);
}

void TStringGrid::SetUpPointTable(int rowHeight, int xWidth, int yWidth, const QString& xCaption,
                                  const QString& yCaption)
{
    SetColCount(3);
    SetRowCount(2);
    SetFixedRows(1);
    SetFixedCols(1);
    SetDefaultRowHeight(rowHeight);
    SetColWidth(0, 25);
    SetColWidth(1, xWidth);
    SetColWidth(2, yWidth);
    SetCell(1, 0, xCaption);
    SetCell(2, 0, yCaption);
    SetNumberedRows(1);
}

void TStringGrid::SetNumberedRows(int dataRows)
{
    SetRowCount(FixedR + (dataRows < 0 ? 0 : dataRows));
    for (int r = FixedR; r < Rows; ++r) {
        SetCell(0, r, QString::number(r - FixedR + 1));
        for (int c = 1; c < Cols; ++c)
            SetCell(c, r, QString());
    }
}

void TStringGrid::SetPointRows(const std::vector<double>& x, const std::vector<double>& y)
{
    SetNumberedRows(static_cast<int>(x.size()));
    for (std::size_t i = 0; i < x.size(); ++i) {
        const int r = FixedR + static_cast<int>(i);
        SetCell(1, r, QString::fromStdString(FloatToStr(x[i])));
        if (i < y.size())
            SetCell(2, r, QString::fromStdString(FloatToStr(y[i])));
    }
}

int TStringGrid::ReadPointColumns(std::vector<double>& x, std::vector<double>& y, bool columnByColumn,
                                  int* column) const
{
    const int n = Rows - FixedR;
    x.assign(static_cast<std::size_t>(n > 0 ? n : 0), 0.0);
    y = x;
    // True when the cell holds a number; otherwise notes where reading stopped.
    auto read = [&](int col, int row) {
        std::vector<double>& into = col == 1 ? x : y;
        if (TryStrToFloat(Trim(Cell(col, row).toStdString()), into[static_cast<std::size_t>(row - FixedR)]))
            return true;
        if (column)
            *column = col;
        return false;
    };
    if (columnByColumn) {
        for (int col = 1; col <= 2; ++col)
            for (int r = FixedR; r < Rows; ++r)
                if (!read(col, r))
                    return r - FixedR + 1;
        return 0;
    }
    for (int r = FixedR; r < Rows; ++r)
        if (!read(1, r) || !read(2, r))
            return r - FixedR + 1;
    return 0;
}

void TStringGrid::SetOnCellKeyPress(KeyPressHandler handler)
{
    CellKeyPress = handler;
    SetOnKeyPress(this, std::move(handler));
}
