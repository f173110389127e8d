#include "filters/FilterGridInfo.h"

#include "graph/CFormat.h"

namespace
{
// One row of the column map: columns, active, modifiable, order, gain, bandwidth, centre,
// cut, ripple, generic parameter columns, parameter count, headings of columns 1 on.
struct CGridLayout
{
    int columns, active, modifiable, order, gain, bandwidth, centre, cut, ripple;
    std::array<int, 3> params;
    int paramCount;
    std::vector<std::string> headings;
};

const std::vector<std::string> kEQHeadings{"Gain in DB", "Bandwidth",  "Center Frequency",
                                           "Active",     "Modifiable", "Output Order"};
const std::vector<std::string> kShelfHeadings{"Gain in DB", "Cut Frequency", "Active",
                                              "Output Order"};
const std::vector<std::string> kPassHeadings{"Cut Frequency", "Active", "Output Order"};
const std::vector<std::string> kNotchHeadings{"Bandwidth", "Cut Frequency", "Active",
                                              "Output Order"};
const std::vector<std::string> kChebyHeadings{"Cut Frequency", "Passband Ripple", "Active",
                                              "Output Order"};
const std::vector<std::string> kPlateauHeadings{"Gain in DB", "Lower Bandedge", "Upper Bandedge",
                                                "Active", "Output Order"};
const std::vector<std::string> kVariQHeadings{"Cut Frequency", "Q", "Active", "Output Order"};
const std::vector<std::string> kAllpassHeadings{"Bandwidth", "Center Frequency", "Active",
                                                "Output Order"};

constexpr std::array<int, 3> kNone{-1, -1, -1};

CGridLayout Layout(int kind)
{
    switch (kind)
    {
    case kKindEQ:
        return {7, 4, 5, 6, 1, 2, 3, -1, -1, kNone, 3, kEQHeadings};
    case kKindTS:
    case kKindBS:
        return {5, 3, -1, 4, 1, -1, -1, 2, -1, kNone, 2, kShelfHeadings};
    case kKindNT:
        return {5, 3, -1, 4, -1, 1, -1, 2, -1, kNone, 2, kNotchHeadings};
    case kKindC1HP:
    case kKindC1LP:
        return {5, 3, -1, 4, -1, -1, -1, 1, 2, kNone, 2, kChebyHeadings};
    case kKindLOPT:
    case kKindHIPT:
        return {6, 4, -1, 5, 1, -1, -1, -1, -1, {1, 2, 3}, 3, kPlateauHeadings};
    case kKindVQHP:
    case kKindVQLP:
        return {5, 3, -1, 4, -1, -1, -1, 1, -1, {1, 2, -1}, 2, kVariQHeadings};
    case kKindALPS:
        return {5, 3, -1, 4, -1, 1, 2, -1, -1, {1, 2, -1}, 2, kAllpassHeadings};
    default: // the first-order and second-order Butterworth and Linkwitz-Riley passes
        return {4, 2, -1, 3, -1, -1, -1, 1, -1, kNone, 1, kPassHeadings};
    }
}
} // namespace

const std::string& FilterGridInfo::MakeNextName()
{
    m_nLastNumber = NextFilterNumber(m_nLastNumber);
    m_strName = m_strPrefix + FormatC("%d", m_nLastNumber);
    return m_strName;
}

bool FilterGridInfo::SetNameNumber(int n)
{
    if (n < 1)
        return false;
    m_strName = m_strPrefix + FormatC("%d", n);
    return true;
}

std::vector<int> FilterGridInfo::ParameterColumns() const
{
    std::vector<int> columns;
    for (int c = 1; c <= m_nParamCount; ++c)
        columns.push_back(c);
    return columns;
}

std::array<FilterGridInfo, kFilterKindCount> MakeFilterGridInfo()
{
    std::array<FilterGridInfo, kFilterKindCount> table;
    for (int kind = 0; kind < kFilterKindCount; ++kind)
    {
        const CGridLayout layout = Layout(kind);
        FilterGridInfo& info = table[std::size_t(kind)];
        info.m_nColumnCount = layout.columns;
        info.m_strPrefix = FilterKindPrefix(EFilterKind(kind));
        info.m_nActiveColumn = layout.active;
        info.m_nModifiableColumn = layout.modifiable;
        info.m_nOutputOrderColumn = layout.order;
        info.m_nGainColumn = layout.gain;
        info.m_nBandwidthColumn = layout.bandwidth;
        info.m_nCenterFrequencyColumn = layout.centre;
        info.m_nCutFrequencyColumn = layout.cut;
        info.m_nPassbandRippleColumn = layout.ripple;
        info.m_nParamColumn = layout.params;
        info.m_nParamCount = layout.paramCount;
        info.m_Headings.push_back(kGridNameHeading);
        info.m_Headings.insert(info.m_Headings.end(), layout.headings.begin(),
                               layout.headings.end());
    }
    return table;
}
