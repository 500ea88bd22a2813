#pragma once
// The activity schedule ("What to do?"): an ordered list of activities, one per simulation
// stage, each with a metabolic rate and a duration. What the list and the duration grid show is
// the dialog's working copy; the case's schedule changes only when OK has checked all of it.
#include <QString>
#include <vector>

#include "toolkit/forms.h"

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;
class TRadioGroup;
class TRateSpinEdit;
class TScheduleRows;
class TStringGrid;

class TActivityFrm : public TForm {
    Q_OBJECT
public:
    explicit TActivityFrm(QWidget* owner = nullptr);

    // Components.
    TRadioGroup* RadioGroup;
    QPushButton* Button1;       // More activities..
    QLabel* Label1;             // the hint
    QPushButton* ArrangeBtn;
    QToolButton* UpBtn;
    QToolButton* DeleteBtn;
    QToolButton* DownBtn;
    QLabel* Label2;             // Metobolic Rate:
    TRateSpinEdit* CSpinEdit1;
    QLabel* Label3;             // (W/m^2)
    QFrame* Panel1;
    QListWidget* ListBox;
    TStringGrid* RatioTable;
    QPushButton* Button2;       // OK
    QPushButton* Button3;       // Exit
    // Row numbers beside the list, one per entry.
    std::vector<QLabel*> NumberLabels;

    // Handlers.
    void RadioGroupClick();
    void ListBoxClick();
    void ArrangeBtnClick();
    void UpBtnClick();
    void DownBtnClick();
    void DeleteBtnClick();
    void Button1Click();
    void Button2Click();
    void Button3Click();

    // Shows the case's schedule (after a load wrote it).
    void LoadActivitySchedule();

    // Appends an entry to the working list with the rate the edit holds. Refuses (with a
    // message, appending nothing) when the schedule is full or the rate is not a number.
    bool AppendActivity(const QString& name, QLineEdit* rateEdit, int activityIndex);
    // The name an activity index stands for: the activity, sport or work of that index.
    static QString ActivityName(int activityIndex);
    // The working entry's rate and index (what OK would store).
    double EntryRate(int entry) const;
    int EntryIndex(int entry) const;

protected:
    void FormShow() override;
    void hideEvent(QHideEvent* event) override;

private:
    void AddEntry(const QString& name, double rate, int activityIndex, int origin);
    void ShowFromStored();
    void SelectEntry(int entry);
    void SwapEntries(int a, int b);
    void FitRows();
    TScheduleRows* RowsArea;
    bool SelectingByCode = false;
};

extern TActivityFrm* ActivityFrm;
