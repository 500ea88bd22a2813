#pragma once
// The scrolling block of per-entry rows that the activity and environment dialogs show: a list
// of names, the row numbers beside it and grids (and boxes) of values, one line per entry.
// Everything in it scrolls together, so an entry's name, number and values stay on one line
// however many entries there are.
#include <QScrollArea>
#include <initializer_list>
#include <vector>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QString;
class TStringGrid;

class TScheduleRows : public QScrollArea {
    Q_OBJECT
public:
    // rowHeight: the pitch of the list and grid rows; firstRowTop: where row 0 starts inside
    // the block (the list's and grids' top plus their frame).
    TScheduleRows(QWidget* parent, int rowHeight);

    QWidget* Rows() const { return Content; }
    int RowHeight() const { return Pitch; }
    void SetFirstRowTop(int top) { FirstTop = top; }
    int RowTop(int row) const { return FirstTop + row * Pitch; }

    // The list of entry names (no scroll bars of its own: the block scrolls) at the given
    // left and width; rows are counted from its first line on.
    QListWidget* AddNameList(const char* name, int left, int width);
    // Appends a name to that list, one row high.
    QListWidgetItem* AddName(QListWidget* list, const QString& name);
    // A one-column editable grid of values, one row per entry, at the given left and width.
    TStringGrid* AddValueGrid(const char* name, int left, int width);

    // Appends the number label of the next row ("1", "2", ...) at the given left and width.
    QLabel* AddNumberLabel(std::vector<QLabel*>& labels, int left, int width);
    // Destroys the labels from position `keep` on.
    static void RemoveNumberLabels(std::vector<QLabel*>& labels, std::size_t keep);

    // Makes the block tall enough for `rows` rows (at least the visible height) and stretches
    // the given columns (list and grids) over its whole height.
    void Fit(int rows, std::initializer_list<QWidget*> columns);
    // Scrolls so that the row can be seen.
    void ShowRow(int row);

private:
    QWidget* Content;
    int Pitch;
    int FirstTop = 0;
};

// Reads the trimmed text of a value cell (not empty) into value; false when it is not a number.
// A cell still showing the stored value's own text gives back the stored value exactly: the
// text carries 15 digits only, and a value the user did not touch must not count as changed.
bool ReadCellValue(const QString& cell, double stored, double& value);
