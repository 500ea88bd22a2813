#pragma once
// A string grid: Cells[col][row] texts, column and row counts, fixed rows and columns drawn as
// headers. Cell texts survive when the row or column count shrinks and grows again.
//
// An editable grid opens its cell editor as soon as a cell becomes current. The text typed there
// belongs to the cell only once it is committed, so the grid commits it before anything can read
// the cells: Enter commits the cell (and goes no further, so it never presses the window's default
// button), and any button of the grid's window commits it when pressed, whether by mouse, by Enter
// on the default button, by Space or by code. Rebuilding the rows closes an open editor first, so
// no editor outlives the cell it was opened for.
//
// Fixed rows and columns are labels: they never become current, so Tab, the arrow keys and the
// mouse pass over them and a key typed in the grid always lands in a data cell. Typing never
// jumps to the cell whose text begins with the key.
#include <QPointer>
#include <QTableWidget>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "toolkit/keyfilter.h"

class TStringGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit TStringGrid(QWidget* parent = nullptr);

    int ColCount() const { return Cols; }
    int RowCount() const { return Rows; }
    void SetColCount(int count);
    void SetRowCount(int count);
    int FixedCols() const { return FixedC; }
    int FixedRows() const { return FixedR; }
    void SetFixedCols(int count);
    void SetFixedRows(int count);

    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);

    void SetDefaultColWidth(int width);
    void SetDefaultRowHeight(int height);
    void SetColWidth(int col, int width) { setColumnWidth(col, width); }
    void SetEditing(bool editing);

    // Current cell (the toolkit's Col and Row).
    int Col() const { return currentColumn(); }
    int Row() const { return currentRow(); }
    void SetCurrentCell(int col, int row) { setCurrentCell(row, col); }

    // Runs after the user changed a cell's text.
    std::function<void(int col, int row)> OnCellEdited;

    // Stores the text of the open cell editor in its cell and closes the editor.
    void CommitEdit();

    void keyboardSearch(const QString&) override {}

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void focusInEvent(QFocusEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    class Delegate;
    void EditorOpened(QWidget* editor);
    void DiscardEdit();
    void Rebuild();
    void Refresh(int col, int row);
    bool IsFixed(int col, int row) const { return col < FixedC || row < FixedR; }
    // Makes the first data cell current when no data cell is.
    void LeaveFixedCells();
    int Cols = 5;
    int Rows = 5;
    int FixedC = 1;
    int FixedR = 1;
    bool Editing = false;
    bool Updating = false;
    std::map<std::pair<int, int>, QString> Texts;
    QPointer<QWidget> Editor;
    KeyPressHandler CellKeyPress;

public:
    // Point tables: a fixed header row, the row number in the fixed column 0, x in column 1 and
    // y in column 2.
    // Makes the grid a point table of one empty numbered row: rows of rowHeight, the number
    // column 25 wide, the x and y columns of the given widths under their captions.
    void SetUpPointTable(int rowHeight, int xWidth, int yWidth, const QString& xCaption, const QString& yCaption);
    // dataRows numbered rows below the header with empty x and y cells.
    void SetNumberedRows(int dataRows);
    // One numbered row per point, x and y as edit texts; a y missing for an x stays empty.
    void SetPointRows(const std::vector<double>& x, const std::vector<double>& y);
    // The numbers in columns 1 and 2 of every data row, trimmed, read strictly. columnByColumn
    // reads all of column 1 before column 2, else row by row. Returns 0, or the first data row
    // (from 1) whose cell is empty or not a number; column then tells which of the two it was.
    int ReadPointColumns(std::vector<double>& x, std::vector<double>& y, bool columnByColumn,
                         int* column = nullptr) const;
    // Hands every character typed into the grid or into its cell editors to the handler.
    void SetOnCellKeyPress(KeyPressHandler handler);
};
