#include "materials/recordpform.h"

#include "dialogbase/commonfuc.h"
#include "toolkit/forms.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

namespace {

QLineEdit* ReadOnlyEdit(QWidget* parent, const QString& text, int width)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setReadOnly(true);
    edit->setFixedWidth(width);
    edit->setCursorPosition(0);
    return edit;
}

} // namespace

std::vector<QLineEdit*> AddParameterRows(QWidget* parent, QGridLayout* grid, int firstRow,
                                         const std::vector<TParameterRow>& rows)
{
    std::vector<QLineEdit*> values;
    int row = firstRow;
    for (const TParameterRow& r : rows) {
        grid->addWidget(new QLabel(r.Label, parent), row, 0);
        grid->addWidget(ReadOnlyEdit(parent, r.Key, 220), row, 1);
        auto* value = new QLineEdit(parent);
        value->setObjectName(r.EditName);
        value->setFixedWidth(120);
        grid->addWidget(value, row, 2);
        if (r.Unit)
            grid->addWidget(ReadOnlyEdit(parent, r.Unit, 140), row, 3);
        values.push_back(value);
        ++row;
    }
    return values;
}

QGroupBox* BasicDataGroup(QWidget* parent, const QString& caption, const std::vector<const char*>& labels,
                          const std::vector<QLineEdit**>& edits)
{
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName("GroupBox1");
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        auto* edit = new QLineEdit(group);
        edit->setObjectName(QString("Edit%1").arg(i + 1));
        edit->setMinimumWidth(200);
        auto* label = new QLabel(labels[i], group);
        label->setBuddy(edit);
        grid->addWidget(label, int(i), 0);
        grid->addWidget(edit, int(i), 1);
        if (i < edits.size())
            *edits[i] = edit;
    }
    grid->setColumnStretch(1, 1);
    return group;
}

void ShowTexts(const std::vector<QLineEdit*>& edits, const QStringList& texts)
{
    for (std::size_t i = 0; i < edits.size(); ++i)
        edits[i]->setText(texts.value(int(i)));
}

void ShowParameterValues(const std::vector<TParameterRow>& rows, const std::vector<QLineEdit*>& edits,
                         const std::map<QString, QString>& values)
{
    for (std::size_t i = 0; i < rows.size() && i < edits.size(); ++i) {
        const auto found = values.find(rows[i].Key);
        edits[i]->setText(found == values.end() ? QString() : found->second);
    }
}

QPushButton* RecordButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setMinimumWidth(88);
    return button;
}

void CloseAfterSelect(TForm& form)
{
    if (form.Modal())
        form.SetModalResult(mrOk);
    else
        form.Close();
}

void LayOutRecordWindow(TForm& form, std::initializer_list<QObject*> parts,
                        std::initializer_list<QPushButton*> buttons)
{
    QHBoxLayout* row = MakeButtonRow({}, buttons);
    auto* main = new QVBoxLayout(&form);
    main->setContentsMargins(10, 10, 10, 10);
    for (QObject* part : parts) {
        if (auto* layout = qobject_cast<QLayout*>(part))
            main->addLayout(layout);
        else if (auto* widget = qobject_cast<QWidget*>(part))
            main->addWidget(widget);
    }
    main->addLayout(row);
    form.SetClientSize(form.sizeHint().width(), form.sizeHint().height());
    form.SetPosition(TPosition::MainFormCenter);
}

QGroupBox* ParameterGroup(QWidget* parent, const QString& caption, const std::vector<TParameterRow>& rows,
                          QGridLayout*& grid, std::vector<QLineEdit*>& edits)
{
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName("GroupBox2");
    grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);
    edits = AddParameterRows(group, grid, 0, rows);
    return group;
}
