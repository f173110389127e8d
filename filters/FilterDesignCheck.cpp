#include "filters/FilterDesignCheck.h"

#include "filters/DigFilterBase.h"
#include "filters/FilterGridInfo.h"
#include "graph/CFormat.h"
#include "graph/MatrixUtilities.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace
{
bool Contains(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}

// Why the named parameter's value makes no filter; empty when it is allowed.
std::string ParameterProblem(const std::string& name, double value, double dSampleRate)
{
    if (!std::isfinite(value))
        return "the " + name + " must be a number.";
    if (Contains(name, "Frequency") || Contains(name, "Bandedge"))
    {
        if (!(value > 0.0 && value < dSampleRate / 2.0))
            return FormatC("the %s must be above 0 Hz and below half the sample rate (%g Hz).",
                           name.c_str(), dSampleRate / 2.0);
        return {};
    }
    if (!Contains(name, "Gain") && !(value > 0.0))
        return "the " + name + " must be above 0.";
    return {};
}

bool AllFinite(const std::vector<double>& values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// The headings of the filter's real parameters, in the order of its line; empty for a
// filter of no kind.
std::vector<std::string> ParameterHeadings(CDigFilterBase& filter)
{
    const int kind = FindLabelKind(filter.GetPrefix());
    if (kind < 0)
        return {};
    static const std::array<FilterGridInfo, kFilterKindCount> grids = MakeFilterGridInfo();
    const std::vector<std::string>& headings = grids[std::size_t(kind)].m_Headings;
    return std::vector<std::string>(headings.begin() + 1, headings.end());
}

// A section with finite coefficients whose poles lie inside the unit circle.
bool IsStableSection(CDigFilterBase& filter)
{
    if (mxIsComplex(filter.GetA()->GetData()) || mxIsComplex(filter.GetB()->GetData()) ||
        !HasFiniteCoefficients(*filter.GetA(), *filter.GetB()))
        return false;
    const std::vector<double> b = Values(*filter.GetB());
    const std::vector<double> a = Values(*filter.GetA());
    if (a.empty() || b.empty() || a[0] == 0.0)
        return false;
    const double a1 = a.size() > 1 ? a[1] / a[0] : 0.0;
    const double a2 = a.size() > 2 ? a[2] / a[0] : 0.0;
    return std::fabs(a2) < 1.0 && std::fabs(a1) < 1.0 + a2;
}
} // namespace

std::string FilterDesignProblem(CDigFilterBase& filter)
{
    const int kind = FindLabelKind(filter.GetPrefix());
    const std::vector<double> parameters = filter.GetParameterValues();
    const double dSampleRate = filter.GetSampleRate();
    if (kind >= 0)
    {
        const std::vector<std::string> headings = ParameterHeadings(filter);
        for (std::size_t i = 0; i < parameters.size() && i < headings.size(); ++i)
        {
            const std::string problem = ParameterProblem(headings[i], parameters[i], dSampleRate);
            if (!problem.empty())
                return problem;
        }
        if ((kind == kKindLOPT || kind == kKindHIPT) && parameters.size() > 2 &&
            !(parameters[1] < parameters[2]))
            return "the Lower Bandedge must be below the Upper Bandedge.";
    }
    if (!filter.Calculate() || !IsStableSection(filter))
        return "its parameters give no stable filter section.";
    return {};
}

std::string NonFiniteParameterName(CDigFilterBase& filter)
{
    const std::vector<double> parameters = filter.GetParameterValues();
    const std::vector<std::string> headings = ParameterHeadings(filter);
    for (std::size_t i = 0; i < parameters.size(); ++i)
        if (!std::isfinite(parameters[i]))
            return i < headings.size() ? headings[i] : "parameter";
    return {};
}

bool HasFiniteCoefficients(const mwMatrix& a, const mwMatrix& b)
{
    for (const mwMatrix* pVector : {&a, &b})
    {
        std::vector<double> imag;
        if (!AllFinite(Values(*pVector, &imag)) || !AllFinite(imag))
            return false;
    }
    return true;
}

std::string NonFiniteCoefficientsMessage(const std::string& what,
                                         const std::vector<std::string>& labels)
{
    std::string names;
    for (std::size_t i = 0; i < labels.size(); ++i)
        names += (i == 0 ? "" : i + 1 < labels.size() ? ", " : " and ") + labels[i];
    const bool bOne = labels.size() == 1;
    return what + ": the coefficients of " + (bOne ? "the filter " : "the filters ") + names +
           " are not all finite numbers: " +
           (bOne ? "its parameters give no filter section"
                 : "their parameters give no filter sections") +
           ".  Correct them in the filter editor.";
}
