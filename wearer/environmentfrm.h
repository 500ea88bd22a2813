#pragma once
// The environment of each stage: place, air temperature, relative humidity and wind, one row
// per entry of the case's activity schedule. The grid cells and the place boxes are the
// dialog's working copy; the case's environment rows change only when OK has read every row
// (or when a case is loaded).
#include <array>
#include <vector>

#include "casemodel/records.h"
#include "toolkit/forms.h"

class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class TScheduleRows;
class TStringGrid;

class TEnvironmentFrm : public TForm {
    Q_OBJECT
public:
    explicit TEnvironmentFrm(QWidget* owner = nullptr);

    // Components.
    QFrame* Panel1;
    QListWidget* ListBox;
    TStringGrid* TemperatureTable;
    TStringGrid* RHTable;
    TStringGrid* WindTable;
    QPushButton* OkBtn;
    // The place box and the row number of each row, rebuilt at every showing.
    std::vector<QComboBox*> PlaceBoxes;
    std::vector<QLabel*> NumberLabels;
    // A key went down in one of the value grids (or a cell was changed): OK reads the rows.
    bool Redefining = false;

    // Handlers.
    void OkBtnClick();
    void TemperatureTableKeyDown();
    void RHTableKeyDown();
    void WindTableKeyDown();
    void ComboBoxSelect(QComboBox* sender);

    // Reads the grid rows; on success stores them (and the row count) and returns true. At the
    // first empty or wrong cell it names it, puts the focus there, stores nothing and returns
    // false.
    bool ValidateEnvironment();

    // Fills the grids from the case's rows (after a load wrote them); clears the schedule's
    // change mark.
    void LoadEnvironmentGrids();

    // The confirmed schedule was edited (see RearrangeRows for `from`): the cells, the place
    // choices and what the cells were last filled from follow their entries; an added entry's
    // row is empty. Rows of entries that OK never read (added ones among them) must be read
    // by the next OK.
    void RearrangeRows(const std::vector<int>& from);

    // Rows shown (the schedule's entries when last shown).
    int RowCount() const { return Rows; }

protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FitRows();
    TScheduleRows* RowsArea;
    int Rows = 0;
    // Rows that the stored arrays were last read for (by OK or by a load); while the schedule
    // has another number of entries, OK must read every row again.
    int CheckedRows = 0;
    // The places picked since the last OK, stored by the next one.
    std::array<double, MaxStages> PlaceChoice{};
    // The case's temperatures and humidities as the cells were last filled from or read into;
    // values changed since then by another window are shown at the next showing.
    std::array<double, MaxStages> ShownTemperature{};
    std::array<double, MaxStages> ShownRH{};
    void RememberShownValues();
};

extern TEnvironmentFrm* EnvironmentFrm;
