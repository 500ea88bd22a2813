#pragma once
// The garment styles the wearer can be dressed in: one picture per style in the "Style" folder,
// women's styles first, then men's, each with the fraction of the body surface it covers. The
// picture generator and the garment dialog both take them from here, so a picture and its
// coverage cannot drift apart.
#include <array>

#include "casemodel/casefile.h"

// Fraction of the body surface that a style covers, by style index.
constexpr std::array<double, FemaleStyleCount> CoverageTableFemale = {
    0.2, 0.25, 0.3, 0.4, 0.4, 0.5, 0.6, 0.7, 0.5, 0.6, 0.7, 0.8,
    0.6, 0.7, 0.8, 0.9, 0.65, 0.75, 0.85, 0.92, 0.7, 0.8, 0.9, 0.95};
constexpr std::array<double, MaleStyleCount> CoverageTableMale = {
    0.3, 0.35, 0.5, 0.6, 0.7, 0.4, 0.55, 0.65, 0.75, 0.45, 0.6,
    0.7, 0.8, 0.5, 0.65, 0.75, 0.85, 0.55, 0.7, 0.8, 0.9};

// Pictures "1.bmp" to "24.bmp" are the women's styles, "25.bmp" to "45.bmp" the men's.
constexpr int StylePictureCount = FemaleStyleCount + MaleStyleCount;
constexpr int FirstMalePicture = FemaleStyleCount + 1;

// The picture number (1 to 45) of a style index of the wearer's range; 0 outside the range.
int StylePictureNumber(bool maleWearer, int style);

// The table entry of a style index for the wearer; 0 outside the table.
double StyleCoverage(bool maleWearer, int style);

// The wearer's sex as the case holds it: the body record, which the body dialog keeps up to date
// with its sex choice. Garment styles, the style check of the data file and its body line all
// follow it. A case that never had a sex chosen is a woman's, as the body dialog starts.
bool WearerIsMale(const CaseModel& model);
