#include "filters/FilterGridRows.h"

#include "graph/Assert.h"
#include "graph/CFormat.h"

#include <algorithm>
#include <cctype>
#include <climits>

int CFilterGridRows::s_nOutputOrderCounter = 0;

#define GRID_COLUMN(field)                                                                         \
    Column(&FilterGridInfo::field, "m_GridInfo[m_nFilterType]." #field " > 0")

CFilterGridRows::CFilterGridRows(unsigned uID, int kind)
    : m_nFilterType(IsFilterKind(kind) ? kind : 0), m_GridInfo(MakeFilterGridInfo()),
      m_nControlId(uID)
{
    MORVANE_CHECK(uID);
    MORVANE_CHECK(IsFilterKind(kind));
}

bool CFilterGridRows::SetupGrid()
{
    const FilterGridInfo& info = Info();
    LayoutColumns(info.m_nColumnCount);
    while (GetRows() < 2)
        AddItem("", GetRows());
    for (int c = 0; c < info.m_nColumnCount && c < GetCols(); ++c)
        SetTextMatrix(0, c, info.m_Headings[std::size_t(c)]);
    while (GetRows() >= 3)
        RemoveItem(GetRows() - 1);
    return true;
}

bool CFilterGridRows::SetupGridForType(unsigned uID, int kind)
{
    if (!MORVANE_CHECK(IsFilterKind(kind)))
        return false;
    m_nControlId = uID;
    m_nFilterType = kind;
    return SetupGrid();
}

bool CFilterGridRows::CheckCell(int nRow, CColumn column) const
{
    if (!MORVANE_CHECK(nRow >= 0) || !MORVANE_CHECK(nRow < GetRows()))
        return false;
    if (column.nColumn <= 0)
    {
        ReportAssertion(column.pField, __FILE__, __LINE__);
        return false;
    }
    return true;
}

double CFilterGridRows::GetDouble(int nRow, CColumn column) const
{
    if (!CheckCell(nRow, column))
        return 0.0;
    bool ok = false;
    const double value = ScanDouble(GetTextMatrix(nRow, column.nColumn), &ok);
    return ok ? value : 0.0;
}

bool CFilterGridRows::SetDouble(int nRow, CColumn column, double value)
{
    if (!CheckCell(nRow, column))
        return false;
    SetTextMatrix(nRow, column.nColumn, FormatC("%lf", value));
    return true;
}

bool CFilterGridRows::GetYes(int nRow, CColumn column) const
{
    if (!CheckCell(nRow, column))
        return false;
    std::string text = GetTextMatrix(nRow, column.nColumn);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    return text.find("YES") != std::string::npos;
}

bool CFilterGridRows::SetYes(int nRow, CColumn column, bool bState)
{
    if (!CheckCell(nRow, column))
        return false;
    SetTextMatrix(nRow, column.nColumn, bState ? kGridYes : kGridNo);
    return true;
}

std::string CFilterGridRows::GetName(int nRow) const
{
    if (!MORVANE_CHECK(nRow >= 0) || !MORVANE_CHECK(nRow < GetRows()))
        return {};
    return GetTextMatrix(nRow, 0);
}

bool CFilterGridRows::SetName(int nRow, const std::string& name)
{
    if (!MORVANE_CHECK(nRow >= 0) || !MORVANE_CHECK(nRow < GetRows()))
        return false;
    SetTextMatrix(nRow, 0, name);
    return true;
}

double CFilterGridRows::GetGain(int nRow) const
{
    return GetDouble(nRow, GRID_COLUMN(m_nGainColumn));
}
bool CFilterGridRows::SetGain(int nRow, double value)
{
    return SetDouble(nRow, GRID_COLUMN(m_nGainColumn), value);
}
double CFilterGridRows::GetBandwidth(int nRow) const
{
    return GetDouble(nRow, GRID_COLUMN(m_nBandwidthColumn));
}
bool CFilterGridRows::SetBandwidth(int nRow, double value)
{
    return SetDouble(nRow, GRID_COLUMN(m_nBandwidthColumn), value);
}
double CFilterGridRows::GetCenterFrequency(int nRow) const
{
    return GetDouble(nRow, GRID_COLUMN(m_nCenterFrequencyColumn));
}
bool CFilterGridRows::SetCenterFrequency(int nRow, double value)
{
    return SetDouble(nRow, GRID_COLUMN(m_nCenterFrequencyColumn), value);
}
double CFilterGridRows::GetCutFrequency(int nRow) const
{
    return GetDouble(nRow, GRID_COLUMN(m_nCutFrequencyColumn));
}
bool CFilterGridRows::SetCutFrequency(int nRow, double value)
{
    return SetDouble(nRow, GRID_COLUMN(m_nCutFrequencyColumn), value);
}
double CFilterGridRows::GetPassbandRipple(int nRow) const
{
    return GetDouble(nRow, GRID_COLUMN(m_nPassbandRippleColumn));
}
bool CFilterGridRows::SetPassbandRipple(int nRow, double value)
{
    return SetDouble(nRow, GRID_COLUMN(m_nPassbandRippleColumn), value);
}

namespace
{
constexpr const char* kParamColumnCheck =
    "m_GridInfo[m_nFilterType].m_nParamColumn[nParamIndex] > 0";
}

double CFilterGridRows::GetParam(int nRow, int nParamIndex) const
{
    if (!MORVANE_CHECK(nParamIndex >= 0 && nParamIndex < 3))
        return 0.0;
    return GetDouble(nRow, {Info().m_nParamColumn[std::size_t(nParamIndex)], kParamColumnCheck});
}

bool CFilterGridRows::SetParam(int nRow, int nParamIndex, double value)
{
    if (!MORVANE_CHECK(nParamIndex >= 0 && nParamIndex < 3))
        return false;
    return SetDouble(nRow, {Info().m_nParamColumn[std::size_t(nParamIndex)], kParamColumnCheck},
                     value);
}

bool CFilterGridRows::GetActive(int nRow) const
{
    return GetYes(nRow, GRID_COLUMN(m_nActiveColumn));
}
bool CFilterGridRows::SetActive(int nRow, bool bState)
{
    return SetYes(nRow, GRID_COLUMN(m_nActiveColumn), bState);
}
bool CFilterGridRows::GetModifiable(int nRow) const
{
    return GetYes(nRow, GRID_COLUMN(m_nModifiableColumn));
}
bool CFilterGridRows::SetModifiable(int nRow, bool bState)
{
    return SetYes(nRow, GRID_COLUMN(m_nModifiableColumn), bState);
}

long CFilterGridRows::GetOutputOrder(int nRow) const
{
    const CColumn column = GRID_COLUMN(m_nOutputOrderColumn);
    if (!CheckCell(nRow, column))
        return 0;
    bool ok = false;
    const long n = ScanLong(GetTextMatrix(nRow, column.nColumn), 10, &ok);
    return ok ? std::clamp(n, long(INT_MIN), long(INT_MAX)) : 0;
}

bool CFilterGridRows::SetOutputOrder(int nRow, int n)
{
    const CColumn column = GRID_COLUMN(m_nOutputOrderColumn);
    if (!CheckCell(nRow, column))
        return false;
    SetTextMatrix(nRow, column.nColumn, FormatC("%d", n));
    s_nOutputOrderCounter = std::max(s_nOutputOrderCounter, n);
    return true;
}

bool CFilterGridRows::SetDefaultModifiable(int nRow)
{
    if (Info().m_nModifiableColumn <= 0)
        return false;
    return SetModifiable(nRow, false);
}

int CFilterGridRows::CountOrderedRows() const
{
    return int(OrderedRows().size());
}

std::vector<int> CFilterGridRows::OrderedRows() const
{
    std::vector<int> rows;
    for (int r = 1; r < GetRows(); ++r)
        if (!IsNewFilterRow(r) && GetOutputOrder(r) > 0)
            rows.push_back(r);
    return rows;
}

CFilterGridRows::ECellValue CFilterGridRows::GetCellValueKind(int nCol) const
{
    if (nCol >= 1 && nCol <= Info().m_nParamCount)
        return ECellValue::Number;
    if (nCol == Info().m_nOutputOrderColumn)
        return ECellValue::Integer;
    if (nCol > 0 && (nCol == Info().m_nActiveColumn || nCol == Info().m_nModifiableColumn))
        return ECellValue::Mode;
    return ECellValue::Text;
}

bool CFilterGridRows::IsNewFilterRow(int nRow) const
{
    return GetTextMatrix(nRow, 0) == kGridNewFilterRow;
}

void CFilterGridRows::WriteDefaults(int nRow)
{
    SetActive(nRow, true);
    SetDefaultModifiable(nRow);
}

void CFilterGridRows::AppendDefaultRow(const std::string& name)
{
    const int nRow = GetRows();
    AddItem(name, nRow);
    WriteDefaults(nRow);
}

int CFilterGridRows::GetLabelNumber(int nRow) const
{
    return ReadLabelNumber(GetName(nRow));
}

int CFilterGridRows::GetMaxLabelNumber() const
{
    int largest = 0;
    for (int r = 1; r < GetRows(); ++r)
        largest = std::max(largest, GetLabelNumber(r));
    return largest;
}

void CFilterGridRows::RenumberDuplicateLabels()
{
    int largest = GetMaxLabelNumber();
    for (int i = 1; i < GetRows(); ++i)
    {
        const int n = GetLabelNumber(i);
        if (n <= 0)
            continue;
        for (int j = i + 1; j < GetRows(); ++j)
            if (GetLabelNumber(j) == n && largest < kMaxFilterNumber)
                SetName(j, Info().m_strPrefix + FormatC("%d", ++largest));
    }
}

bool CFilterGridRows::AddNewFilterRow()
{
    RenumberDuplicateLabels();
    // After renumbering: a new name never repeats one in the grid.
    const int largest = GetMaxLabelNumber();
    if (largest > 0)
        MutableInfo().m_nLastNumber = largest;
    if (GetRows() >= 2 && GetOutputOrder(GetRows() - 1) != 0)
        AppendDefaultRow(MutableInfo().MakeNextName());
    else if (GetRows() >= 2 && GetOutputOrder(1) == 0)
    {
        MutableInfo().m_nLastNumber = 1;
        SetName(1, Info().m_strPrefix + "1");
        WriteDefaults(1);
    }
    AppendDefaultRow(kGridNewFilterRow);
    return true;
}

bool CFilterGridRows::DeleteFilter(const std::string& name, bool bAsk)
{
    if (name == kGridNameHeading || name == kGridNewFilterRow)
        return false;
    int nRow = -1;
    for (int r = 1; r < GetRows() && nRow < 0; ++r)
        if (GetTextMatrix(r, 0) == name)
            nRow = r;
    if (nRow < 0)
        return true;
    if (bAsk && !ConfirmDeletion(name))
        return false;
    EndCellEdit();
    const bool bLastFilterRow = nRow == GetRows() - 2;
    RemoveItem(nRow);
    if (bLastFilterRow)
        RenewStarRow();
    return true;
}

void CFilterGridRows::RenewStarRow()
{
    const int nLast = GetRows() - 1;
    if (nLast < 1 || !IsNewFilterRow(nLast))
        return;
    SetName(nLast, MutableInfo().MakeNextName());
    AppendDefaultRow(kGridNewFilterRow);
}

bool CFilterGridRows::PrepareRowForEdit(int nRow, int nCol)
{
    if (nRow < 1 || nRow >= GetRows())
        return false;
    bool bOrdered = false;
    if (nCol != Info().m_nOutputOrderColumn && GetOutputOrder(nRow) == 0)
    {
        SetOutputOrder(nRow, TakeNextOutputOrder());
        bOrdered = true;
    }
    if (nRow == GetRows() - 1 && IsNewFilterRow(nRow))
    {
        SetName(nRow, MutableInfo().MakeNextName());
        AddItem(kGridNewFilterRow, nRow + 1);
        WriteDefaults(nRow + 1);
    }
    return bOrdered;
}

void CFilterGridRows::SeeOutputOrder(int nRow) const
{
    if (nRow >= 1 && nRow < GetRows())
        s_nOutputOrderCounter = std::max(s_nOutputOrderCounter, int(GetOutputOrder(nRow)));
}

bool CFilterGridRows::SetNextOutputOrder(int n)
{
    if (n < 0)
        return false;
    s_nOutputOrderCounter = n;
    return true;
}
