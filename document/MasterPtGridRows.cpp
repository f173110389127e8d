#include "document/MasterPtGridRows.h"

#include "graph/Assert.h"
#include "graph/CFormat.h"
#include "graph/Convert.h"
#include "graph/PointBounds.h"
#include "graph/ResourceString.h"

#include <cmath>

namespace
{
constexpr unsigned IDS_NEW_ENTRY_MARKER = 180;
constexpr unsigned IDS_POINT_HEADING = 186;
constexpr unsigned IDS_FREQUENCY_HEADING = 187;
constexpr unsigned IDS_AMPLITUDE_HEADING = 188;
constexpr int kColumns = 3;
constexpr int kFrequencyColumn = 1;
constexpr int kAmplitudeColumn = 2;

bool IsBlank(const std::string& text)
{
    return text.find_first_not_of(" \t") == std::string::npos;
}
} // namespace

CMasterPtGridRows::CMasterPtGridRows(unsigned uID, bool bReadOnly)
    : m_nControlId(uID), m_bReadOnly(bReadOnly)
{
    MORVANE_CHECK(uID);
}

bool CMasterPtGridRows::Initialize()
{
    DiscardCellEdit();
    while (GetRows() > 1)
        RemoveItem(GetRows() - 1);
    if (GetRows() == 0)
        AddItem("", 0);
    LayoutColumns(kColumns);
    Clear();
    SetTextMatrix(0, 0, CResourceString(IDS_POINT_HEADING));
    SetTextMatrix(0, kFrequencyColumn, CResourceString(IDS_FREQUENCY_HEADING));
    SetTextMatrix(0, kAmplitudeColumn, CResourceString(IDS_AMPLITUDE_HEADING));
    if (m_bReadOnly)
    {
        AddItem("", 1);
        return true;
    }
    SetPointNumber(1, 1);
    SetNewEntryMarker(2);
    return true;
}

bool CMasterPtGridRows::SetMarker(int nRow, const std::string& text)
{
    if (!MORVANE_CHECK(nRow >= 0))
        return false;
    while (GetRows() <= nRow)
        AddItem(text, GetRows());
    SetTextMatrix(nRow, 0, text);
    return true;
}

bool CMasterPtGridRows::SetPointNumber(int nRow, int nNumber)
{
    return SetMarker(nRow, IntToString(nNumber));
}

bool CMasterPtGridRows::SetNewEntryMarker(int nRow)
{
    return !m_bReadOnly && SetMarker(nRow, CResourceString(IDS_NEW_ENTRY_MARKER));
}

bool CMasterPtGridRows::CheckRow(int nRow) const
{
    return MORVANE_CHECK(nRow >= 0) && MORVANE_CHECK(nRow < GetRows());
}

bool CMasterPtGridRows::SetFrequency(int nRow, double value)
{
    if (!CheckRow(nRow))
        return false;
    SetTextMatrix(nRow, kFrequencyColumn, FormatC("%lf", value));
    return true;
}

bool CMasterPtGridRows::SetAmplitude(int nRow, double value)
{
    if (!CheckRow(nRow))
        return false;
    SetTextMatrix(nRow, kAmplitudeColumn, FormatC("%lf", value));
    return true;
}

double CMasterPtGridRows::GetValue(int nRow, int nCol, bool* pNumber) const
{
    bool ok = false;
    const double value = CheckRow(nRow) ? ScanDouble(GetTextMatrix(nRow, nCol), &ok) : 0.0;
    if (pNumber)
        *pNumber = ok && std::isfinite(value);
    return ok ? value : 0.0;
}

double CMasterPtGridRows::GetFrequency(int nRow) const
{
    return GetValue(nRow, kFrequencyColumn);
}

double CMasterPtGridRows::GetAmplitude(int nRow) const
{
    return GetValue(nRow, kAmplitudeColumn);
}

int CMasterPtGridRows::GetDataRows() const
{
    const int n = GetRows() - (m_bReadOnly ? 1 : 2);
    return n > 0 ? n : 0;
}

bool CMasterPtGridRows::IsNewEntryRow(int nRow) const
{
    return nRow > 0 && nRow < GetRows() &&
           GetTextMatrix(nRow, 0) == std::string(CResourceString(IDS_NEW_ENTRY_MARKER));
}

bool CMasterPtGridRows::IsCompleteRow(int nRow) const
{
    return HoldsBothValues(nRow) && PointBounds::IsPoint({GetValue(nRow, kFrequencyColumn),
                                                          GetValue(nRow, kAmplitudeColumn)});
}

bool CMasterPtGridRows::HoldsBothValues(int nRow) const
{
    if (nRow < 1 || nRow > GetDataRows())
        return false;
    bool bFrequency = false;
    bool bAmplitude = false;
    GetValue(nRow, kFrequencyColumn, &bFrequency);
    GetValue(nRow, kAmplitudeColumn, &bAmplitude);
    return bFrequency && bAmplitude;
}

bool CMasterPtGridRows::AreValuesEmpty(int nRow) const
{
    return IsBlank(GetTextMatrix(nRow, kFrequencyColumn)) &&
           IsBlank(GetTextMatrix(nRow, kAmplitudeColumn));
}

std::vector<CDoublePoint> CMasterPtGridRows::GetPoints() const
{
    std::vector<CDoublePoint> points;
    for (int r = 1; r <= GetDataRows(); ++r)
        if (IsCompleteRow(r))
            points.push_back({GetFrequency(r), GetAmplitude(r)});
    return points;
}

void CMasterPtGridRows::Renumber()
{
    for (int r = 1; r <= GetDataRows(); ++r)
        SetTextMatrix(r, 0, IntToString(r));
}

bool CMasterPtGridRows::DeletePoint(int nRow)
{
    EndCellEdit();
    if (!CheckRow(nRow) || nRow < 1)
        return false;
    if (nRow == 1)
    {
        SetTextMatrix(1, kFrequencyColumn, " ");
        SetTextMatrix(1, kAmplitudeColumn, " ");
    }
    else
        RemoveItem(nRow);
    Renumber();
    return true;
}

bool CMasterPtGridRows::PrepareRowForEdit(int nRow)
{
    if (m_bReadOnly || nRow < 1 || nRow != GetRows() - 1)
        return false;
    SetPointNumber(nRow, nRow);
    AddItem(CResourceString(IDS_NEW_ENTRY_MARKER), nRow + 1);
    return true;
}

bool CMasterPtGridRows::DeleteRowAsked(int nRow)
{
    if (m_bReadOnly || nRow < 1 || nRow >= GetRows() || IsNewEntryRow(nRow))
        return false;
    if (!ConfirmDeletion(GetTextMatrix(nRow, 0)))
        return false;
    DeletePoint(nRow);
    NotifyPointDeleted(nRow);
    return true;
}
