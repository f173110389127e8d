// What a master point grid does with its cells, apart from showing them. Three columns:
// 0 the point number, 1 the frequency in Hz, 2 the amplitude in dB; row 0 holds the
// headings "Point", "Frequency" and "Amplitude". An editable grid ends in a new-entry row
// whose column 0 holds "*" and whose value cells are empty; a read-only grid (the
// tolerance grids, filled from the desired grid) has no new-entry row, adds no rows while
// typing and refuses deletion, but its cells can be edited. Data rows are 1 to
// GetDataRows(); the point number of data row i is i.
//
// Values are written "%lf" and read with "%lf": a cell without a number reads 0.0.
#pragma once

#include "graph/DoublePoint.h"
#include "graph/GridCells.h"

#include <string>
#include <vector>

class CMasterPtGridRows : public CGridCells
{
public:
    // uID: the grid's control id (0 is a failed check "uID").
    CMasterPtGridRows(unsigned uID, bool bReadOnly);

    unsigned GetControlId() const { return m_nControlId; }
    bool IsReadOnly() const { return m_bReadOnly; }

    // Empties the grid and lays it out again: the headings, then point 1 and the
    // new-entry row (editable), or one empty row (read-only). An open edit is dropped.
    bool Initialize();
    // Appends rows (holding the number) until the row exists, then writes the number into
    // column 0.
    bool SetPointNumber(int nRow, int nNumber);
    // False for a read-only grid; otherwise as SetPointNumber with the marker "*".
    bool SetNewEntryMarker(int nRow);
    // Columns 1 and 2; the row must exist (failed check "nRow < GetRows()").
    bool SetFrequency(int nRow, double value);
    bool SetAmplitude(int nRow, double value);
    double GetFrequency(int nRow) const;
    double GetAmplitude(int nRow) const;

    // The number of data rows (0 for a grid not laid out yet).
    int GetDataRows() const;
    bool IsNewEntryRow(int nRow) const;
    // A data row whose cells hold a point inside PointBounds: a frequency from 0.001 Hz
    // to 10 MHz and an amplitude from -1000 dB to 1000 dB.
    bool IsCompleteRow(int nRow) const;
    // Both value cells hold a number, whether or not the two make a point inside
    // PointBounds.
    bool HoldsBothValues(int nRow) const;
    // Both value cells hold nothing but blanks.
    bool AreValuesEmpty(int nRow) const;
    // The complete rows as (frequency in Hz, amplitude in dB), in grid order.
    std::vector<CDoublePoint> GetPoints() const;

    // Deletes the point of a data row: row 1 keeps its number with blank values, another
    // row is removed; the data rows are numbered again. An open edit is committed first.
    bool DeletePoint(int nRow);
    // The row that follows a key press into nRow: the last row of an editable grid takes
    // its number and a new-entry row is appended. True when the row was added.
    bool PrepareRowForEdit(int nRow);
    // A right click on nRow: nothing for a read-only grid, the heading row and the
    // new-entry row; otherwise the point after ConfirmDeletion ("Delete Point <n>?")
    // and then NotifyPointDeleted. True when the point was deleted.
    bool DeleteRowAsked(int nRow);

    // Tells the page that holds the grid that its points changed.
    virtual bool NotifyParent() { return true; }
    // Tells the page that the point of nRow was deleted by the user.
    virtual void NotifyPointDeleted(int /*nRow*/) {}

protected:
    // The user's answer to "Delete Point <point>?"; the plain grid always agrees.
    virtual bool ConfirmDeletion(const std::string& /*point*/) { return true; }

private:
    bool SetMarker(int nRow, const std::string& text);
    bool CheckRow(int nRow) const;
    double GetValue(int nRow, int nCol, bool* pNumber = nullptr) const;
    void Renumber();

    unsigned m_nControlId;
    bool m_bReadOnly;
};
