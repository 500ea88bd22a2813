#include "casemodel/garmentstyles.h"

int StylePictureNumber(bool maleWearer, int style)
{
    if (style < 0 || style >= StyleCount(maleWearer))
        return 0;
    return maleWearer ? FirstMalePicture + style : 1 + style;
}

double StyleCoverage(bool maleWearer, int style)
{
    if (style < 0 || style >= StyleCount(maleWearer))
        return 0;
    const auto i = static_cast<std::size_t>(style);
    return maleWearer ? CoverageTableMale[i] : CoverageTableFemale[i];
}

bool WearerIsMale(const CaseModel& model) { return model.Body.IsMale; }
