#include "filters/DigGenericFilter.h"

#include "filters/SectionDesigners.h"
#include "graph/Assert.h"
#include "graph/Convert.h"

namespace
{
int ParamCountOfKind(int kind)
{
    return kind == kKindLOPT || kind == kKindHIPT ? 3 : 2;
}
} // namespace

std::vector<mwMatrix*> CDigGenericFilterParams::LineFields()
{
    if (!IsGenericKind(m_nKind))
        return {};
    std::vector<mwMatrix*> fields;
    for (int i = 0; i < ParamCountOfKind(m_nKind); ++i)
        fields.push_back(&m_Params[std::size_t(i)]);
    return fields;
}

CDigGenericFilter::CDigGenericFilter() : CDigFilterOf(190, __FILE__) {}

bool CDigGenericFilter::SetParameters(const CDigGenericFilterParams& params)
{
    CDigFilterOf::SetParameters(params);
    if (IsGenericKind(params.m_nKind))
        SetPrefix(FilterKindPrefix(EFilterKind(params.m_nKind)));
    else if (!params.m_strPrefix.empty())
        SetPrefix(params.m_strPrefix);
    return true;
}

bool CDigGenericFilter::Parse(const std::string& line, int nSampleRate)
{
    m_strLabel = GetDelimitedField(line, 0, ',');
    const int kind = FindGenericLabelKind(m_strLabel);
    if (kind < 0)
        return false;
    m_Params.m_nKind = kind;
    m_Params.m_nParamCount = ParamCountOfKind(kind);
    SetPrefix(FilterKindPrefix(EFilterKind(kind)));
    return CDigFilterOf::Parse(line, nSampleRate);
}

double CDigGenericFilter::GetParam(int i) const
{
    if (!MORVANE_CHECK(i >= 0 && i < 3))
        return 0.0;
    return ScalarValue(m_Params.m_Params[std::size_t(i)]);
}

void CDigGenericFilter::Design()
{
    const auto& p = m_Params.m_Params;
    const mwMatrix& fs = m_Params.m_SampleRate;
    switch (m_Params.m_nKind)
    {
    case kKindLOPT:
        m_B.Assign(soHB(&m_A, p[0], p[1], p[2], fs));
        break;
    case kKindHIPT:
        m_B.Assign(soLT(&m_A, p[0], p[1], p[2], fs));
        break;
    case kKindVQHP:
        m_B.Assign(soVQ(&m_A, p[0], fs, p[1], mwMatrix("high")));
        break;
    case kKindVQLP:
        m_B.Assign(soVQ(&m_A, p[0], fs, p[1], mwMatrix("low")));
        break;
    case kKindALPS:
        m_B.Assign(allpassfilters(&m_A, p[0], p[1], fs));
        break;
    default:
        break;
    }
}
