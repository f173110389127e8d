#include "filters/FilterDesignCheck.h"

#include "filters/DigFilterBase.h"
#include "filters/FilterGridInfo.h"
#include "graph/CFormat.h"

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

// A section with finite coefficients whose poles lie inside the unit circle.
bool IsStableSection(CDigFilterBase& filter)
{
    const auto values = [](const mwMatrix* pMatrix)
    {
        std::vector<double> v(std::size_t(std::max(pMatrix->NumberOfElements(), 0)));
        if (!v.empty() && !mxIsComplex(pMatrix->GetData()))
            pMatrix->CopyRealTo(v.data());
        return v;
    };
    const std::vector<double> b = values(filter.GetB());
    const std::vector<double> a = values(filter.GetA());
    if (a.empty() || b.empty() || a[0] == 0.0)
        return false;
    for (const std::vector<double>* pCoefficients : {&a, &b})
        for (double c : *pCoefficients)
            if (!std::isfinite(c))
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
        static const std::array<FilterGridInfo, kFilterKindCount> grids = MakeFilterGridInfo();
        const std::vector<std::string>& headings = grids[std::size_t(kind)].m_Headings;
        for (std::size_t i = 0; i < parameters.size() && i + 1 < headings.size(); ++i)
        {
            const std::string problem =
                ParameterProblem(headings[i + 1], parameters[i], dSampleRate);
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
