#include "document/MasterPointGrid.h"

#include "graph/Assert.h"
#include "graph/Convert.h"
#include "graph/ResourceString.h"

namespace
{
constexpr unsigned IDS_POINT_HEADING = 186;
constexpr unsigned IDS_FREQUENCY_HEADING = 187;
constexpr unsigned IDS_AMPLITUDE_HEADING = 188;
} // namespace

CMemoryMasterPointGrid::CMemoryMasterPointGrid(bool bReadOnly) : m_bReadOnly(bReadOnly)
{
    Initialize();
}

bool CMemoryMasterPointGrid::Initialize()
{
    m_Rows.assign(1,
                  CRow{CResourceString(IDS_POINT_HEADING), CResourceString(IDS_FREQUENCY_HEADING),
                       CResourceString(IDS_AMPLITUDE_HEADING)});
    if (m_bReadOnly)
    {
        m_Rows.emplace_back();
        return true;
    }
    SetPointNumber(1, 1);
    SetNewEntryMarker(2);
    return true;
}

bool CMemoryMasterPointGrid::SetMarker(int nRow, const std::string& text)
{
    if (!MORVANE_CHECK(nRow >= 0))
        return false;
    while (GetRows() <= nRow)
        m_Rows.push_back(CRow{text, "", ""});
    m_Rows[std::size_t(nRow)][0] = text;
    return true;
}

bool CMemoryMasterPointGrid::SetPointNumber(int nRow, int nNumber)
{
    return SetMarker(nRow, IntToString(nNumber));
}

bool CMemoryMasterPointGrid::SetNewEntryMarker(int nRow)
{
    return !m_bReadOnly && SetMarker(nRow, "*");
}

bool CMemoryMasterPointGrid::SetCell(int nRow, int nColumn, const std::string& text)
{
    if (!MORVANE_CHECK(nRow >= 0 && nRow < GetRows()))
        return false;
    m_Rows[std::size_t(nRow)][std::size_t(nColumn)] = text;
    return true;
}

bool CMemoryMasterPointGrid::SetFrequency(int nRow, double value)
{
    return SetCell(nRow, 1, DoubleToString(value));
}

bool CMemoryMasterPointGrid::SetAmplitude(int nRow, double value)
{
    return SetCell(nRow, 2, DoubleToString(value));
}

double CMemoryMasterPointGrid::GetCellValue(int nRow, int nColumn) const
{
    if (!MORVANE_CHECK(nRow >= 0 && nRow < GetRows()))
        return 0.0;
    return StringToDouble(m_Rows[std::size_t(nRow)][std::size_t(nColumn)]);
}

double CMemoryMasterPointGrid::GetFrequency(int nRow) const
{
    return GetCellValue(nRow, 1);
}

double CMemoryMasterPointGrid::GetAmplitude(int nRow) const
{
    return GetCellValue(nRow, 2);
}

bool CMemoryMasterPointGrid::NotifyParent()
{
    ++m_nNotifications;
    return true;
}

const std::string& CMemoryMasterPointGrid::Cell(int nRow, int nColumn) const
{
    static const std::string kNone;
    if (nRow < 0 || nRow >= GetRows() || nColumn < 0 || nColumn > 2)
        return kNone;
    return m_Rows[std::size_t(nRow)][std::size_t(nColumn)];
}
