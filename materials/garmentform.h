#pragma once
// The garment dialog: the wearer is dressed from style pictures, in wearing order, each garment
// with its fit. The styles, coverages and fits are the case's garment set; the dialog edits it
// directly (there is no Cancel) and clears the confirmed clothing whenever the list changes, so
// the fabric layers must be confirmed again for the new list. Each garment's fabric layers move
// and go with it.
#include <QPixmap>
#include <array>
#include <vector>

#include "casemodel/garmentstyles.h"
#include "toolkit/forms.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QToolButton;
class TRadioGroup;

class TGarmentForm : public TForm {
    Q_OBJECT
public:
    explicit TGarmentForm(QWidget* owner = nullptr);

    // Rebuilds the garment list from the case's garments (after a load wrote their styles and
    // fitting codes); the coverages follow the styles. A load is no change of the clothing.
    void LoadGarmentList();
    // Rebuilds the Style List for the wearer's sex.
    void BuildStyleList();
    // Removes every garment.
    void ClearGarmentList();
    // Empties the garment list when it was made for the other sex than the wearer's now.
    void MatchWearer();

    // The picture of a style index of the wearer's range (an empty picture outside it).
    QPixmap StylePicture(int style) const;
    // Throws, naming the file, when a style or wearer picture is missing or its header unreadable;
    // the dialog decodes them only when it first shows them, so start-up checks them with this.
    static void CheckPictures();

    void SelectBtnClick();
    void UpBtnClick();
    void DownBtnClick();
    void DeleteBtnClick();
    void BitBtn1Click();  // "Next  "
    void BitBtn2Click();  // "Exit"
    void PanelClick(int style);
    void ImageClick(int style);
    void Panel1Click(int garment);
    void Image1Click(int garment);

    static constexpr const std::array<double, FemaleStyleCount>& CoverageTableFemale = ::CoverageTableFemale;
    static constexpr const std::array<double, MaleStyleCount>& CoverageTableMale = ::CoverageTableMale;

    // The style pictures 1.. and the wearer pictures, each decoded when first shown (null before).
    mutable std::array<QPixmap, StylePictureCount> StyleBitmaps;
    mutable QPixmap FemaleBitmap;
    mutable QPixmap MaleBitmap;

    int CurrentStyle = -1;      // style picked in the Style List
    int SelectedGarment = -1;   // garment picked in the Garment List
    // The garment list changed since the fabric-layer dialog last built its groups.
    bool Changed = true;

    // One garment of the Garment List.
    struct GarmentEntry {
        QFrame* Panel;
        QLabel* Image;
        TRadioGroup* Fitting;
        QLabel* Number;
    };
    std::vector<QFrame*> StylePanels;
    std::vector<QLabel*> StyleImages;
    std::vector<GarmentEntry> GarmentEntries;

    QLabel* Image1;
    QLabel* Label1;  // "Style List"
    QGroupBox* StyleGroupBox;
    QScrollArea* ScrollBox1;
    QLabel* Label2;  // "Choose garment  according to the wearing order"
    QPushButton* SelectBtn;
    QToolButton* UpBtn;
    QToolButton* DeleteBtn;
    QToolButton* DownBtn;
    QLabel* Label3;  // "Garment List"
    QGroupBox* SelectGarmentGroupBox;
    QScrollArea* ScrollBox2;
    QLabel* CoverLabel;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

protected:
    void FormShow() override;
    void FormClose() override;

private:
    // The sex the Style List and the Garment List were made for.
    bool ListMale = false;

    void AddGarmentEntry(int style, int fitting);
    void RemoveLastEntry();
    // The entry shows garment n of the case (picture, number tag, fit).
    void ShowGarment(int n);
    void SwapGarments(int a, int b);
    void SelectGarment(int n);
    void ShowCoverage(double coverage);
    void ShowLarge(const QPixmap& picture);
    // The garment list changed: from[n] is the place garment n stood at before (-1: new). The
    // layer rows follow their garments, the layer dialog rebuilds its groups and the clothing is
    // no longer confirmed.
    void ListChanged(const std::vector<int>& from);
    bool ValidGarment(int n) const;
    int GarmentCount() const { return static_cast<int>(GarmentEntries.size()); }
};

extern TGarmentForm* GarmentForm;
