#include "casemodel/commonfuc.h"

#include <cmath>

namespace {

double Bell(double x, double c, double a, double b)
{
    return 1.0 / (1.0 + std::pow(std::fabs(x - c) / a, 2 * b));
}

} // namespace

bool IsFraction(double x)
{
    return x >= 0 && x <= 1;  // both comparisons are false for not-a-number
}

bool HasRepeatedChar(const char* text, char c)
{
    if (!text)
        return false;
    int count = 0;
    for (; *text; ++text)
        if (*text == c && ++count > 1)
            return true;
    return false;
}

double MaxOf(double a, double b) { return b > a ? b : a; }
double MinOf(double a, double b) { return b < a ? b : a; }
double AbsOf(double x) { return std::fabs(x); }

double BellLow(float x) { return Bell(x, 0, 25, 4); }
double BellMedium(float x) { return Bell(x, 60, 25, 4); }
double BellHigh(float x) { return Bell(x, 100, 30, 4); }
