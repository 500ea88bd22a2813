#pragma once
#include <array>

#include "toolkit/forms.h"

class TGarmentForm : public TForm {
    Q_OBJECT
public:
    explicit TGarmentForm(QWidget* owner = nullptr);

    // Rebuilds the garment list from the case's garments (after a load wrote their styles and
    // fitting codes); the coverages follow the styles.
    void LoadGarmentList();

    // Fraction of the body surface that a style covers, by style index.
    static constexpr std::array<double, 24> CoverageTableFemale = {
        0.2, 0.25, 0.3, 0.4, 0.4, 0.5, 0.6, 0.7, 0.5, 0.6, 0.7, 0.8,
        0.6, 0.7, 0.8, 0.9, 0.65, 0.75, 0.85, 0.92, 0.7, 0.8, 0.9, 0.95};
    static constexpr std::array<double, 21> CoverageTableMale = {
        0.3, 0.35, 0.5, 0.6, 0.7, 0.4, 0.55, 0.65, 0.75, 0.45, 0.6,
        0.7, 0.8, 0.5, 0.65, 0.75, 0.85, 0.55, 0.7, 0.8, 0.9};
    // The wearer's table entry (male when the body dialog says so); 0 outside the table.
    static double StyleCoverage(int style);

    int CurrentStyle = -1;
    // The garment list changed since the fabric-layer dialog last built its groups.
    bool Changed = true;
};

extern TGarmentForm* GarmentForm;
