#include "wearer/schedulerows.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <algorithm>

#include "casemodel/numformat.h"
#include "toolkit/stringgrid.h"

TScheduleRows::TScheduleRows(QWidget* parent, int rowHeight) : QScrollArea(parent), Pitch(rowHeight)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    verticalScrollBar()->setSingleStep(rowHeight);
    Content = new QWidget;
    Content->setObjectName("ScheduleRows");
    setWidget(Content);
}

QLabel* TScheduleRows::AddNumberLabel(std::vector<QLabel*>& labels, int left, int width)
{
    const int n = static_cast<int>(labels.size()) + 1;
    auto* label = new QLabel(QString::number(n), Content);
    label->setObjectName(QString("NumberLabel%1").arg(n));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(left, RowTop(n - 1), width, Pitch);
    label->show();
    labels.push_back(label);
    return label;
}

void TScheduleRows::RemoveNumberLabels(std::vector<QLabel*>& labels, std::size_t keep)
{
    while (labels.size() > keep) {
        delete labels.back();
        labels.pop_back();
    }
}

void TScheduleRows::Fit(int rows, std::initializer_list<QWidget*> columns)
{
    const int height = std::max(viewport()->height(), RowTop(rows) + FirstTop);
    Content->resize(viewport()->width(), height);
    for (QWidget* column : columns)
        column->setFixedHeight(height);
}

void TScheduleRows::ShowRow(int row)
{
    if (row >= 0)
        ensureVisible(0, RowTop(row) + Pitch / 2, 0, Pitch);
}

QListWidget* TScheduleRows::AddNameList(const char* name, int left, int width)
{
    auto* list = new QListWidget(Content);
    list->setObjectName(name);
    list->setGeometry(left, 0, width, 0);
    list->setUniformItemSizes(true);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideNone);
    connect(list, &QListWidget::currentRowChanged, this, &TScheduleRows::ShowRow);
    FirstTop = list->frameWidth();
    return list;
}

QListWidgetItem* TScheduleRows::AddName(QListWidget* list, const QString& name)
{
    auto* item = new QListWidgetItem(name);
    item->setSizeHint(QSize(list->width() - 4, Pitch));
    list->addItem(item);
    return item;
}

TStringGrid* TScheduleRows::AddValueGrid(const char* name, int left, int width)
{
    auto* grid = new TStringGrid(Content);
    grid->setObjectName(name);
    grid->SetFixedCols(0);
    grid->SetFixedRows(0);
    grid->SetColCount(1);
    grid->SetRowCount(1);
    grid->SetDefaultRowHeight(Pitch);
    grid->SetEditing(true);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setGeometry(left, 0, width, 0);
    connect(grid, &QTableWidget::currentCellChanged, this, [this](int row) { ShowRow(row); });
    return grid;
}

bool ReadCellValue(const QString& cell, double stored, double& value)
{
    const std::string text = Trim(cell.toStdString());
    if (text == FloatToStr(stored)) {
        value = stored;
        return true;
    }
    return TryStrToFloat(text, value);
}
