#include "loudness/LoudnessGridRows.h"

#include "framework/core/CommandTarget.h"
#include "graph/Assert.h"
#include "graph/Convert.h"
#include "loudness/LoudnessManager.h"
#include "loudness/LoudnessStrings.h"

namespace
{
// Types 0 (EQ based), 1 and 2 (treble and bass based), 3 and 4 (the coefficient kinds).
LoudnessGridInfo MakeInfo(int nMethodType)
{
    LoudnessGridInfo info;
    if (nMethodType == kLoudnessEQBased)
    {
        info.m_nGainColumn = 8;
        info.m_nBandwidthColumn = 9;
        info.m_nCenterFrequencyColumn = 10;
        info.m_nColumnCount = 11;
    }
    else if (nMethodType == kLoudnessTrebleBased || nMethodType == kLoudnessBassBased)
    {
        info.m_nGainColumn = 8;
        info.m_nCutFrequencyColumn = 9;
        info.m_nColumnCount = 10;
    }
    return info;
}

const std::array<LoudnessGridInfo, kLoudnessKindCount> kGridInfo = {
    MakeInfo(0), MakeInfo(1), MakeInfo(2), MakeInfo(3), MakeInfo(4)};

std::string Placeholder()
{
    return LoudnessString(IDS_LOUDNESS_NEW_ROW);
}
} // namespace

CLoudnessGridRows::CLoudnessGridRows() = default;

const LoudnessGridInfo& CLoudnessGridRows::Info(int nMethodType)
{
    const bool bKnown = nMethodType >= 0 && nMethodType < kLoudnessKindCount;
    return kGridInfo[std::size_t(bKnown ? nMethodType : 0)];
}

std::vector<int> CLoudnessGridRows::ColumnWidths(int nWidth, int nCount)
{
    if (nCount <= 0)
        return {};
    const int w = nWidth / nCount;
    std::vector<int> widths(std::size_t(nCount), w);
    widths.back() = nWidth - w * (nCount - 1);
    return widths;
}

void CLoudnessGridRows::SetMethodType(int nMethodType)
{
    EndCellEdit();
    m_nMethodType = nMethodType >= 0 && nMethodType < kLoudnessKindCount ? nMethodType : 0;
    const LoudnessGridInfo& info = Info(m_nMethodType);
    while (GetRows() > 1)
        RemoveItem(GetRows() - 1);
    if (GetRows() == 0)
        AddItem(std::string(), 0);
    LayoutColumns(info.m_nColumnCount);
    const struct
    {
        int column;
        unsigned id;
    } headings[] = {
        {info.m_nNameColumn, IDS_LOUDNESS_FILTER_HEADING},
        {info.m_nCoeff_1_Column, IDS_LOUDNESS_COEFF_1},
        {info.m_nCoeff_2_Column, IDS_LOUDNESS_COEFF_1 + 1},
        {info.m_nCoeff_3_Column, IDS_LOUDNESS_COEFF_1 + 2},
        {info.m_nCoeff_4_Column, IDS_LOUDNESS_COEFF_1 + 3},
        {info.m_nCoeff_5_Column, IDS_LOUDNESS_COEFF_1 + 4},
        {info.m_nPlotGainColumn, IDS_LOUDNESS_PLOT_GAIN},
        {info.m_nPlotVolumeColumn, IDS_LOUDNESS_PLOT_VOLUME},
        {info.m_nGainColumn, IDS_LOUDNESS_GAIN},
        {info.m_nBandwidthColumn, IDS_LOUDNESS_BANDWIDTH},
        {info.m_nCenterFrequencyColumn, IDS_LOUDNESS_CENTER_FREQUENCY},
        {info.m_nCutFrequencyColumn, IDS_LOUDNESS_CUT_FREQUENCY},
    };
    for (const auto& heading : headings)
        if (heading.column >= 0)
            SetTextMatrix(0, heading.column, LoudnessString(heading.id));
}

int CLoudnessGridRows::GetRowForNewFilter()
{
    const int nLast = GetRows() - 1;
    if (nLast >= 1 && GetTextMatrix(nLast, 0) == Placeholder())
        return nLast;
    AddPlaceholderRow();
    return GetRows() - 1;
}

void CLoudnessGridRows::AddPlaceholderRow()
{
    AddItem(Placeholder(), GetRows());
}

void CLoudnessGridRows::FillRow(int nRow, const CLoudnessInfo& r)
{
    SetFilterName(nRow, r.m_strName);
    SetCoeff1(nRow, r.m_dB0);
    SetCoeff2(nRow, r.m_dB1);
    SetCoeff3(nRow, r.m_dB2);
    SetCoeff4(nRow, r.m_dA1);
    SetCoeff5(nRow, r.m_dA2);
    SetPlotGain(nRow, r.m_dPlotGain);
    SetPlotVolume(nRow, r.m_dPlotVolume);
    if (m_nMethodType == kLoudnessEQBased)
    {
        SetGain(nRow, r.m_dFilterGain);
        SetBandwidth(nRow, r.m_dBandwidth);
        SetCenterFrequency(nRow, r.m_dCenterFrequency);
    }
    else if (m_nMethodType == kLoudnessTrebleBased || m_nMethodType == kLoudnessBassBased)
    {
        SetGain(nRow, r.m_dFilterGain);
        SetCutFrequency(nRow, r.m_dCutFrequency);
    }
}

void CLoudnessGridRows::AddRow(const CLoudnessInfo& record)
{
    EndCellEdit();
    FillRow(GetRowForNewFilter(), record);
}

void CLoudnessGridRows::UpdateRow(const CLoudnessInfo& record)
{
    EndCellEdit();
    const int nRow = FindRow(record.m_strName);
    if (nRow >= 1)
        FillRow(nRow, record);
}

int CLoudnessGridRows::FindRow(const std::string& name) const
{
    for (int nRow = 1; nRow < GetRows(); ++nRow)
        if (GetTextMatrix(nRow, 0) == name)
            return nRow;
    return -1;
}

bool CLoudnessGridRows::IsFilterRow(int nRow) const
{
    return nRow >= 1 && nRow < GetRows() && GetTextMatrix(nRow, 0) != Placeholder();
}

void CLoudnessGridRows::RemoveFilterRow(int nRow)
{
    RemoveItem(nRow);
    // A placeholder only where no row is left: deleting rows from the top never leaves an
    // empty row between filters.
    if (GetRows() == 1)
        AddPlaceholderRow();
}

bool CLoudnessGridRows::DeleteRowByName(const std::string& name)
{
    EndCellEdit();
    const int nRow = FindRow(name);
    if (nRow < 1)
        return false;
    m_nSelectedRow = nRow;
    RemoveFilterRow(nRow);
    return true;
}

void CLoudnessGridRows::DeleteAllRows()
{
    EndCellEdit();
    if (GetRows() <= 1)
        return;
    while (GetRows() > 1)
        RemoveItem(GetRows() - 1);
    AddPlaceholderRow();
}

bool CLoudnessGridRows::CheckRow(int nRow) const
{
    return MORVANE_CHECK(nRow >= 1 && nRow < GetRows());
}

std::string CLoudnessGridRows::GetFilterName(int nRow) const
{
    return CheckRow(nRow) ? GetTextMatrix(nRow, Info(m_nMethodType).m_nNameColumn) : std::string();
}

void CLoudnessGridRows::SetFilterName(int nRow, const std::string& name)
{
    if (CheckRow(nRow))
        SetTextMatrix(nRow, Info(m_nMethodType).m_nNameColumn, name);
}

void CLoudnessGridRows::SetValue(int nRow, int nColumn, double value)
{
    if (CheckRow(nRow) && MORVANE_CHECK(nColumn > 0))
        SetTextMatrix(nRow, nColumn, DoubleToString(value));
}

void CLoudnessGridRows::SetCoeff1(int nRow, double value)
{
    SetValue(nRow, Info(m_nMethodType).m_nCoeff_1_Column, value);
}

void CLoudnessGridRows::SetCoeff2(int nRow, double value)
{
    SetValue(nRow, Info(m_nMethodType).m_nCoeff_2_Column, value);
}

void CLoudnessGridRows::SetCoeff3(int nRow, double value)
{
    SetValue(nRow, Info(m_nMethodType).m_nCoeff_3_Column, value);
}

void CLoudnessGridRows::SetCoeff4(int nRow, double value)
{
    SetValue(nRow, Info(m_nMethodType).m_nCoeff_4_Column, value);
}

void CLoudnessGridRows::SetCoeff5(int nRow, double value)
{
    SetValue(nRow, Info(m_nMethodType).m_nCoeff_5_Column, value);
}

void CLoudnessGridRows::SetPlotGain(int nRow, double value)
{
    SetValue(nRow, Info(m_nMethodType).m_nPlotGainColumn, value);
}

void CLoudnessGridRows::SetPlotVolume(int nRow, double value)
{
    SetValue(nRow, Info(m_nMethodType).m_nPlotVolumeColumn, value);
}

void CLoudnessGridRows::SetGain(int nRow, double value)
{
    SetValue(nRow, Info(m_nMethodType).m_nGainColumn, value);
}

void CLoudnessGridRows::SetBandwidth(int nRow, double value)
{
    SetValue(nRow, Info(m_nMethodType).m_nBandwidthColumn, value);
}

void CLoudnessGridRows::SetCenterFrequency(int nRow, double value)
{
    SetValue(nRow, Info(m_nMethodType).m_nCenterFrequencyColumn, value);
}

void CLoudnessGridRows::SetCutFrequency(int nRow, double value)
{
    SetValue(nRow, Info(m_nMethodType).m_nCutFrequencyColumn, value);
}

bool CLoudnessGridRows::SelectRowForPopup(int nMouseRow)
{
    EndCellEdit();
    m_nSelectedRow = nMouseRow;
    return IsFilterRow(nMouseRow);
}

CCommandState CLoudnessGridRows::GetPopupCommandState(int id) const
{
    const bool bKnown =
        id == ID_LOUDNESS_EDIT || id == ID_LOUDNESS_ADD_TO_DATA_FILE || id == ID_LOUDNESS_DELETE;
    return CCommandState{bKnown && m_pManager && IsFilterRow(m_nSelectedRow), false};
}

bool CLoudnessGridRows::OnPopupCommand(int id)
{
    if (!GetPopupCommandState(id).bEnabled)
        return false;
    const int nRow = m_nSelectedRow;
    const std::string name = GetFilterName(nRow);
    switch (id)
    {
    case ID_LOUDNESS_EDIT:
        return m_pManager->EditLoudnessFilter(m_nMethodType, name);
    case ID_LOUDNESS_ADD_TO_DATA_FILE:
        return m_pManager->AddToDataFile(m_nMethodType, name);
    default:
        break;
    }
    // The manager removes the record and its curve; the row is the grid's to remove.
    m_pManager->DeleteLoudnessFilter(m_nMethodType, name);
    const int nStill = FindRow(name);
    if (nStill >= 1)
        RemoveFilterRow(nStill);
    return true;
}
