// What the filter edit grid does with its cells, apart from showing them: the column map
// of its kind, the typed cell getters and setters, the generated names and output orders
// of new rows, the trailing "*" row that stands for a new filter, and deleting rows. The
// cells themselves (CGridCells) belong to the class that derives from this one: a table
// widget on screen, a plain table elsewhere.
//
// Cell texts: parameters "%lf", modes "Yes"/"No", output orders "%d". Numeric getters read
// a cell with "%lf" or "%ld" and give 0 when it holds no number. Every cell operation
// checks its row against the row count and that the kind has the column (a failed check
// names the column's field); it then reads 0 or false, or writes nothing and returns
// false.
//
// Output orders are unique across all grids of the program: they come from one counter
// that holds the highest order any grid has given out or seen.
#pragma once

#include "filters/FilterGridInfo.h"
#include "graph/GridCells.h"

#include <array>
#include <string>
#include <vector>

class CFilterGridRows : public CGridCells
{
public:
    // uID: the grid's control id (0 is a failed check "uID"); kind: 0 to 16.
    CFilterGridRows(unsigned uID, int kind);

    // Lays the grid out for its kind: the columns, the headings of row 0, and at most the
    // heading row and row 1 kept. Always true.
    bool SetupGrid();
    // Takes the control id and the kind, then lays the grid out.
    bool SetupGridForType(unsigned uID, int kind);
    int GetFilterType() const { return m_nFilterType; }
    int GetParamCount() const { return Info().m_nParamCount; }
    unsigned GetControlId() const { return m_nControlId; }
    const FilterGridInfo& Info() const { return m_GridInfo[std::size_t(m_nFilterType)]; }

    std::string GetName(int nRow) const;
    bool SetName(int nRow, const std::string& name);
    double GetGain(int nRow) const;
    bool SetGain(int nRow, double value);
    double GetBandwidth(int nRow) const;
    bool SetBandwidth(int nRow, double value);
    double GetCenterFrequency(int nRow) const;
    bool SetCenterFrequency(int nRow, double value);
    double GetCutFrequency(int nRow) const;
    bool SetCutFrequency(int nRow, double value);
    double GetPassbandRipple(int nRow) const;
    bool SetPassbandRipple(int nRow, double value);
    // nParamIndex 0 to 2: the generic kinds' parameter columns.
    double GetParam(int nRow, int nParamIndex) const;
    bool SetParam(int nRow, int nParamIndex, double value);
    // True when the cell, upper-cased, contains "YES" anywhere.
    bool GetActive(int nRow) const;
    bool SetActive(int nRow, bool bState);
    bool GetModifiable(int nRow) const;
    bool SetModifiable(int nRow, bool bState);
    long GetOutputOrder(int nRow) const;
    // Also raises the shared counter to n when n is larger.
    bool SetOutputOrder(int nRow, int n);
    // "No" into the Modifiable cell; false, writing nothing, for a kind without one.
    bool SetDefaultModifiable(int nRow);

    // The number of rows after the heading row whose output order is above 0.
    int CountOrderedRows() const;
    // The rows after the heading row whose output order is above 0, in grid order: the
    // rows that are filters.
    std::vector<int> OrderedRows() const;
    // Renumbers duplicate names, then leaves an empty filter row with a generated name
    // and the "*" row at the end. Always true.
    bool AddNewFilterRow();
    // Removes the first row named exactly name, after ConfirmDeletion when bAsk. False
    // for the heading's name, for "*" and when the user cancels; true when no row has
    // the name.
    bool DeleteFilter(const std::string& name, bool bAsk);
    // What a cell of the column holds: the parameters a number, the output order an
    // integer, the Active and Modifiable modes "Yes" or "No", the name text.
    enum class ECellValue
    {
        Text,
        Number,
        Integer,
        Mode,
    };
    ECellValue GetCellValueKind(int nCol) const;
    // The number after the first "-" of the row's name; 0 without one.
    int GetLabelNumber(int nRow) const;
    int GetMaxLabelNumber() const;
    // The row that follows a key press into (nRow, nCol): a row without an output order
    // gets the next one (unless the key went into the Output Order column), and the "*"
    // row becomes a named filter row with a new "*" row after it. True when an order was
    // given out.
    bool PrepareRowForEdit(int nRow, int nCol);

    // Sets the shared counter; false, changing nothing, for n below 0.
    static bool SetNextOutputOrder(int n);
    static int GetNextOutputOrder() { return s_nOutputOrderCounter; }
    // One above the counter, which it becomes; from kMaxFilterNumber on the counter stays
    // (NextFilterNumber).
    static int TakeNextOutputOrder()
    {
        s_nOutputOrderCounter = NextFilterNumber(s_nOutputOrderCounter);
        return s_nOutputOrderCounter;
    }

protected:
    // The user's answer to deleting the named filter; the plain grid always agrees.
    virtual bool ConfirmDeletion(const std::string& /*name*/) { return true; }
    // Raises the shared counter to the row's output order.
    void SeeOutputOrder(int nRow) const;
    bool IsNewFilterRow(int nRow) const;
    // Appends a row with the name, "Yes" and, where the kind has the column, "No".
    void AppendDefaultRow(const std::string& name);
    void WriteDefaults(int nRow);

    int m_nFilterType;
    std::array<FilterGridInfo, kFilterKindCount> m_GridInfo;
    unsigned m_nControlId;

private:
    // A column of the kind, with the field name its failed check reports.
    struct CColumn
    {
        int nColumn;
        const char* pField;
    };
    CColumn Column(int FilterGridInfo::*column, const char* field) const
    {
        return {Info().*column, field};
    }
    bool CheckCell(int nRow, CColumn column) const;
    double GetDouble(int nRow, CColumn column) const;
    bool SetDouble(int nRow, CColumn column, double value);
    bool GetYes(int nRow, CColumn column) const;
    bool SetYes(int nRow, CColumn column, bool bState);
    void RenumberDuplicateLabels();
    void RenewStarRow();
    FilterGridInfo& MutableInfo() { return m_GridInfo[std::size_t(m_nFilterType)]; }

    static int s_nOutputOrderCounter;
};
