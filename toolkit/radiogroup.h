#pragma once
// A framed group of radio buttons with an item index (-1 for none). OnClick runs on every
// change of the index, whether the user or the program made it.
#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>
#include <functional>
#include <vector>

class QRadioButton;

class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TRadioGroup(QWidget* parent = nullptr);

    void SetItems(const QStringList& items);
    QStringList Items() const { return ItemTexts; }
    void SetColumns(int columns);
    int ItemIndex() const { return Index; }
    void SetItemIndex(int index);
    QRadioButton* Button(int index) const;

    std::function<void()> OnClick;

private:
    void Layout();
    QStringList ItemTexts;
    std::vector<QRadioButton*> Buttons;
    QButtonGroup Group;
    int Columns = 1;
    int Index = -1;
};
