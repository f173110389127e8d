#include "loudness/LoudnessManager.h"

#include "framework/core/Services.h"
#include "graph/Assert.h"
#include "graph/CFormat.h"
#include "numerics/engine/Freqz.h"

#include <cmath>
#include <exception>

namespace
{
constexpr const char* kPrefixes[kLoudnessKindCount] = {"LDEQ-", "LDTS-", "LDBS-", "LDBC-", "LDC-"};
constexpr int kHintNewResponse = 2;

bool IsKind(int nKind)
{
    return nKind >= 0 && nKind < kLoudnessKindCount;
}

// The palette entry of a curve colour index, as the framework's PALETTEINDEX.
COLORREF PaletteIndex(int nIndex)
{
    return 0x01000000u | (COLORREF(nIndex) & 0xFFFFu);
}
} // namespace

CLoudnessManager::CLoudnessManager(ILoudnessSectionDesigner* pDesigner) : m_pDesigner(pDesigner)
{
    m_AddToDataFileMode.TurnOff();
}

CLoudnessInfoArray* CLoudnessManager::List(int nKind)
{
    return IsKind(nKind) ? &m_Lists[std::size_t(nKind)] : nullptr;
}

const CLoudnessInfoArray* CLoudnessManager::List(int nKind) const
{
    return IsKind(nKind) ? &m_Lists[std::size_t(nKind)] : nullptr;
}

ILoudnessGrid* CLoudnessManager::Grid(int nKind) const
{
    return IsKind(nKind) ? m_Grids[std::size_t(nKind)] : nullptr;
}

std::string CLoudnessManager::Prefix(int nKind) const
{
    return IsKind(nKind) ? kPrefixes[nKind] : std::string();
}

void CLoudnessManager::SetGrid(int nKind, ILoudnessGrid* pGrid)
{
    if (IsKind(nKind))
        m_Grids[std::size_t(nKind)] = pGrid;
}

std::string CLoudnessManager::NextName(int nKind)
{
    return FormatC("%s%d", kPrefixes[nKind], ++m_Counts[std::size_t(nKind)]);
}

bool CLoudnessManager::AddRecord(int nKind, std::unique_ptr<CLoudnessInfo> record,
                                 std::string& name)
{
    name = NextName(nKind);
    record->m_strName = name;
    if (!Compute(nKind, *record))
        return false;
    CLoudnessInfo* pAdded = m_Lists[std::size_t(nKind)].Add(std::move(record));
    if (ILoudnessGrid* pGrid = Grid(nKind))
        pGrid->AddRow(*pAdded);
    return true;
}

bool CLoudnessManager::AddEQBasedFilter(double gainDb, double bandwidth, double centerFrequency,
                                        double plotGain, double plotVolume, double logSpaceGain,
                                        double logSpaceOffset, double gain, double offset,
                                        std::string& name)
{
    auto record = std::make_unique<CLoudnessInfo>();
    record->m_dFilterGain = gainDb;
    record->m_dBandwidth = bandwidth;
    record->m_dCenterFrequency = centerFrequency;
    record->m_dPlotGain = plotGain;
    record->m_dPlotVolume = plotVolume;
    record->m_dLogSpaceGain = logSpaceGain;
    record->m_dLogSpaceOffset = logSpaceOffset;
    record->m_dGain = gain;
    record->m_dOffset = offset;
    return AddRecord(kLoudnessEQBased, std::move(record), name);
}

namespace
{
std::unique_ptr<CLoudnessInfo> ShelfRecord(double gainDb, double cutFrequency, double plotGain,
                                           double plotVolume)
{
    auto record = std::make_unique<CLoudnessInfo>();
    record->m_dFilterGain = gainDb;
    record->m_dCutFrequency = cutFrequency;
    record->m_dPlotGain = plotGain;
    record->m_dPlotVolume = plotVolume;
    return record;
}

// A record of five typed coefficients, stored in the given members.
using CCoefficientMembers = double CLoudnessInfo::*const[5];
constexpr CCoefficientMembers kBaseTypeMembers = {
    &CLoudnessInfo::m_dBaseCoeff1, &CLoudnessInfo::m_dBaseCoeff2, &CLoudnessInfo::m_dBaseCoeff3,
    &CLoudnessInfo::m_dBaseCoeff4, &CLoudnessInfo::m_dBaseCoeff5};
constexpr CCoefficientMembers kLoudnessMembers = {&CLoudnessInfo::m_dB0, &CLoudnessInfo::m_dB1,
                                                  &CLoudnessInfo::m_dB2, &CLoudnessInfo::m_dA1,
                                                  &CLoudnessInfo::m_dA2};

std::unique_ptr<CLoudnessInfo> CoefficientRecord(const CCoefficientMembers& members,
                                                 const double (&values)[5], double plotGain,
                                                 double plotVolume)
{
    auto record = std::make_unique<CLoudnessInfo>();
    for (int i = 0; i < 5; ++i)
        (*record).*members[i] = values[i];
    record->m_dPlotGain = plotGain;
    record->m_dPlotVolume = plotVolume;
    return record;
}
} // namespace

bool CLoudnessManager::AddTrebleBasedFilter(double gainDb, double cutFrequency, double plotGain,
                                            double plotVolume, std::string& name)
{
    return AddRecord(kLoudnessTrebleBased, ShelfRecord(gainDb, cutFrequency, plotGain, plotVolume),
                     name);
}

bool CLoudnessManager::AddBassBasedFilter(double gainDb, double cutFrequency, double plotGain,
                                          double plotVolume, std::string& name)
{
    return AddRecord(kLoudnessBassBased, ShelfRecord(gainDb, cutFrequency, plotGain, plotVolume),
                     name);
}

bool CLoudnessManager::AddBaseTypeCoefficients(double b0, double b1, double b2, double a1,
                                               double a2, double plotGain, double plotVolume,
                                               std::string& name)
{
    return AddRecord(
        kLoudnessBaseTypeCoeff,
        CoefficientRecord(kBaseTypeMembers, {b0, b1, b2, a1, a2}, plotGain, plotVolume), name);
}

bool CLoudnessManager::AddLoudnessCoefficients(double B0, double B1, double B2, double A1,
                                               double A2, double plotGain, double plotVolume,
                                               std::string& name)
{
    return AddRecord(
        kLoudnessCoeff,
        CoefficientRecord(kLoudnessMembers, {B0, B1, B2, A1, A2}, plotGain, plotVolume), name);
}

bool CLoudnessManager::DesignSection(int nKind, const CLoudnessInfo& r, double (&X)[3],
                                     double (&Y)[3]) const
{
    double b[3] = {r.m_dB0, r.m_dB1, r.m_dB2};
    double a[3] = {1.0, r.m_dA1, r.m_dA2};
    if (nKind == kLoudnessBaseTypeCoeff)
    {
        b[0] = r.m_dBaseCoeff1;
        b[1] = r.m_dBaseCoeff2;
        b[2] = r.m_dBaseCoeff3;
        a[1] = r.m_dBaseCoeff4;
        a[2] = r.m_dBaseCoeff5;
    }
    else if (nKind != kLoudnessCoeff)
    {
        if (!m_pDesigner || !m_pDocument ||
            !m_pDesigner->Design(nKind, r, m_pDocument->SamplingFrequency(), b, a))
            return false;
    }
    // The typed loudness coefficients are the loudness path itself.
    const bool bPath = nKind == kLoudnessCoeff;
    bool bFinite = true;
    for (int i = 0; i < 3; ++i)
    {
        X[i] = a[i];
        Y[i] = bPath ? b[i] : b[i] - a[i];
        bFinite = bFinite && std::isfinite(X[i]) && std::isfinite(Y[i]);
    }
    return bFinite;
}

bool CLoudnessManager::HasFiniteCoefficients(const CLoudnessInfo& r)
{
    for (const double value : {r.m_dB0, r.m_dB1, r.m_dB2, r.m_dA1, r.m_dA2})
        if (!std::isfinite(value))
            return false;
    return true;
}

bool CLoudnessManager::IsWritable(const CLoudnessInfo& r)
{
    if (HasFiniteCoefficients(r))
        return true;
    Services::MessageBox().Show("The loudness filter " + r.m_strName +
                                " has coefficients that are not finite numbers: nothing was "
                                "added to the data file.");
    return false;
}

bool CLoudnessManager::Section(int nKind, CLoudnessInfo& r, double (&X)[3], double (&Y)[3])
{
    // A section that is not finite is never stored: the record keeps what it held.
    if (!DesignSection(nKind, r, X, Y))
        return false;
    r.m_dB0 = Y[0];
    r.m_dB1 = Y[1];
    r.m_dB2 = Y[2];
    r.m_dA1 = X[1];
    r.m_dA2 = X[2];
    return true;
}

bool CLoudnessManager::Compute(int nKind, CLoudnessInfo& record)
{
    if (!m_pDocument)
        return false;
    try
    {
        double X[3];
        double Y[3];
        if (!Section(nKind, record, X, Y))
        {
            Services::MessageBox().Show("The loudness filter " + record.m_strName +
                                        " cannot be designed with these values.");
            return false;
        }
        const std::vector<double> response =
            ComputeResponse(m_pDocument->Frequencies(), m_pDocument->SamplingFrequency(), X, Y,
                            record.m_dPlotGain, record.m_dPlotVolume);
        const COLORREF color = PaletteIndex(m_nColorIndex++);
        if (m_pView)
            m_pView->AddLoudnessCurve(m_pDocument->LogFrequencies(), response, color,
                                      record.m_strName);
        m_pDocument->UpdateAllViews(kHintNewResponse);
        return true;
    }
    catch (const std::exception& e)
    {
        Services::MessageBox().Show(e.what());
        return false;
    }
}

std::vector<double> CLoudnessManager::ComputeResponse(std::span<const double> frequencies,
                                                      int sampleRate, const double (&X)[3],
                                                      const double (&Y)[3], double plotGain,
                                                      double plotVolume) const
{
    double N[3];
    for (int i = 0; i < 3; ++i)
        N[i] = UsesQZX6060Law() ? plotVolume * (plotGain * Y[i] + X[i])
                                : plotGain * Y[i] + plotVolume * X[i];
    const numerics::CFrequencyGrid grid(frequencies, double(sampleRate));
    std::vector<numerics::Complex> h(grid.Size());
    numerics::FreqzList(N, X, grid, h.data());
    std::vector<double> dB(h.size());
    for (std::size_t i = 0; i < h.size(); ++i)
        dB[i] = 20.0 * std::log10(std::abs(h[i]));
    return dB;
}

bool CLoudnessManager::Recalculate(int nKind, CLoudnessInfo* pRecord)
{
    if (!IsKind(nKind) || !pRecord || !Compute(nKind, *pRecord))
        return false;
    // The coefficients may have changed (another sample rate): the row shows what the
    // device data would receive.
    if (ILoudnessGrid* pGrid = Grid(nKind))
        pGrid->UpdateRow(*pRecord);
    return true;
}

bool CLoudnessManager::RecalculateAll()
{
    m_nColorIndex = 0;
    bool ok = true;
    for (int kind = 0; kind < kLoudnessKindCount; ++kind)
        for (int i = 0; i < m_Lists[std::size_t(kind)].GetSize(); ++i)
            ok = Recalculate(kind, m_Lists[std::size_t(kind)].GetAt(i)) && ok;
    return ok;
}

CLoudnessInfo* CLoudnessManager::FindLoudnessInfo(CLoudnessInfoArray* pList,
                                                  const std::string& name) const
{
    CLoudnessInfo* pRecord = pList ? pList->Find(name) : nullptr;
    if (!pRecord)
        MORVANE_CHECK_FAILED();
    return pRecord;
}

CLoudnessInfo* CLoudnessManager::FindRecord(int nKind, const std::string& name) const
{
    return IsKind(nKind) ? FindLoudnessInfo(const_cast<CLoudnessInfoArray*>(List(nKind)), name)
                         : nullptr;
}

bool CLoudnessManager::RemoveFromList(CLoudnessInfoArray* pList, const std::string& name)
{
    if (pList)
        pList->Remove(name);
    return true;
}

bool CLoudnessManager::DeleteLoudnessFilter(int nKind, const std::string& name)
{
    RemoveFromList(List(nKind), name);
    if (m_pView)
        m_pView->DeleteLoudnessCurve(name);
    return true;
}

bool CLoudnessManager::RemoveLoudnessFilterByName(const std::string& name)
{
    const int nKind = GetKindFromName(name);
    RemoveFromList(List(nKind), name);
    if (ILoudnessGrid* pGrid = Grid(nKind))
        pGrid->DeleteRowByName(name);
    return true;
}

int CLoudnessManager::GetKindFromName(const std::string& name) const
{
    const std::string prefix = name.substr(0, name.find('-')) + "-";
    for (int kind = 0; kind < kLoudnessKindCount; ++kind)
        if (prefix == kPrefixes[kind])
            return kind;
    return kLoudnessEQBased;
}

bool CLoudnessManager::EditLoudnessFilterByName(const std::string& name)
{
    return EditLoudnessFilter(GetKindFromName(name), name);
}

bool CLoudnessManager::AddToDataFileByName(const std::string& name)
{
    return AddToDataFile(GetKindFromName(name), name);
}

void CLoudnessManager::ClearList(CLoudnessInfoArray* pList, ILoudnessGrid* pGrid)
{
    if (m_pView)
        for (int i = 0; i < pList->GetSize(); ++i)
            m_pView->DeleteLoudnessCurve(pList->GetAt(i)->m_strName);
    pList->RemoveAll();
    if (pGrid)
        pGrid->DeleteAllRows();
}

bool CLoudnessManager::ClearLoudnessFilters(int nKind)
{
    if (IsKind(nKind))
        ClearList(List(nKind), Grid(nKind));
    return true;
}

bool CLoudnessManager::ClearAllLoudnessFilters()
{
    for (int kind = 0; kind < kLoudnessKindCount; ++kind)
        ClearList(List(kind), Grid(kind));
    return true;
}
