#include "filters/FilterDesignCheck.h"

#include "filters/DigFilterBase.h"
#include "filters/FilterGridInfo.h"
#include "graph/CFormat.h"
#include "graph/Convert.h"
#include "graph/MatrixUtilities.h"
#include "matrix/mwexcept.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <numbers>
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

const char kNoStableSection[] = "its parameters give no stable filter section.";

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
    try
    {
        if (!filter.Calculate() || !IsStableSection(filter))
            return kNoStableSection;
    }
    catch (const mwException&)
    {
        return kNoStableSection;
    }
    if (!HasFiniteResponse(*filter.GetA(), *filter.GetB()))
        return "its parameters give a response that is not a finite number at every frequency.";
    return {};
}

std::string FilterDesignFault(CDigFilterBase& filter)
{
    const std::string problem = FilterDesignProblem(filter);
    return problem.empty() ? problem : filter.GetLabel() + ": " + problem;
}

double WrittenValue(double value)
{
    return ScanDouble(DoubleToString(value));
}

std::string WrittenValueProblem(const std::string& heading, double value)
{
    const double written = WrittenValue(value);
    if (written == value || !std::isfinite(value) || Contains(heading, "Gain"))
        return {};
    if (std::fabs(written - value) <= kWrittenValueTolerance * std::fabs(value))
        return {};
    return FormatC("the %s %.10g would be written with six decimals as %s, and read back as "
                   "another filter.",
                   heading.c_str(), value, DoubleToString(value).c_str());
}

std::string IncomingFilterProblem(CDigFilterBase& filter)
{
    if (std::string problem = FilterDesignProblem(filter); !problem.empty())
        return problem;
    const std::vector<double> values = filter.GetParameterValues();
    const std::vector<std::string> headings = ParameterHeadings(filter);
    std::vector<double> written;
    for (std::size_t i = 0; i < values.size(); ++i)
    {
        if (i < headings.size())
            if (std::string problem = WrittenValueProblem(headings[i], values[i]); !problem.empty())
                return problem;
        written.push_back(WrittenValue(values[i]));
    }
    if (written == values)
        return {};
    // The filter that its line would read back as must be one too.
    filter.SetParameterValues(written);
    const bool bWrittenDesigned = FilterDesignProblem(filter).empty();
    filter.SetParameterValues(values);
    FilterDesignProblem(filter);
    return bWrittenDesigned ? std::string()
                            : "its parameters written with six decimals give no stable filter "
                              "section.";
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

bool HasFiniteResponse(const mwMatrix& a, const mwMatrix& b)
{
    const std::vector<double> av = Values(a);
    const std::vector<double> bv = Values(b);
    // Each polynomial at z = exp(j w), by Horner's rule in 1/z.
    const auto at = [](const std::vector<double>& c, std::complex<double> zInverse)
    {
        std::complex<double> sum = 0.0;
        for (auto it = c.rbegin(); it != c.rend(); ++it)
            sum = sum * zInverse + *it;
        return sum;
    };
    for (int k = 0; k < kResponseCheckPoints; ++k)
    {
        const double w = std::numbers::pi * k / (kResponseCheckPoints - 1);
        const std::complex<double> zInverse = std::polar(1.0, -w);
        const std::complex<double> h = at(bv, zInverse) / at(av, zInverse);
        if (!std::isfinite(h.real()) || !std::isfinite(h.imag()))
            return false;
    }
    return true;
}

const char* ExampleParameterValue(const std::string& heading)
{
    if (Contains(heading, "Gain"))
        return "-3.0";
    if (Contains(heading, "Bandwidth"))
        return "1.0";
    if (Contains(heading, "Ripple"))
        return "0.5";
    if (heading == "Q")
        return "0.7";
    return "1000.0";
}

std::string UndesignableFiltersMessage(const std::string& what,
                                       const std::vector<std::string>& faults)
{
    std::string text = what.empty() ? "These" : what + ".  These";
    text += " filters cannot be designed from their parameters:\n";
    for (const std::string& fault : faults)
        text += "\n" + fault;
    return text + "\n\nCorrect them in the filter editor.";
}
