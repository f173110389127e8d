// A grid of master points as the master point file sees it: row 0 holds the headings,
// rows 1 on the points (column 0 the point number, 1 the frequency in Hz, 2 the amplitude
// in dB), and an editable grid ends in a new-entry row marked "*". The editor's grids
// implement it with their control; CMemoryMasterPointGrid holds the cells as texts.
#pragma once

#include <array>
#include <string>
#include <vector>

class IMasterPointGrid
{
public:
    virtual ~IMasterPointGrid() = default;
    // Empties the grid and lays it out again: headings, and for an editable grid point 1
    // and the new-entry row.
    virtual bool Initialize() = 0;
    // Appends rows until the row exists, then writes the number ("%d") into column 0.
    virtual bool SetPointNumber(int nRow, int nNumber) = 0;
    // False for a read-only grid; otherwise as SetPointNumber with the marker "*".
    virtual bool SetNewEntryMarker(int nRow) = 0;
    // Columns 1 and 2 ("%lf"); the row must exist.
    virtual bool SetFrequency(int nRow, double value) = 0;
    virtual bool SetAmplitude(int nRow, double value) = 0;
    // The cell read with "%lf"; 0.0 when it holds no number or the row does not exist.
    virtual double GetFrequency(int nRow) const = 0;
    virtual double GetAmplitude(int nRow) const = 0;
    // Rows including the heading row.
    virtual int GetRows() const = 0;
    // Tells the page that holds the grid that its points changed.
    virtual bool NotifyParent() = 0;
};

class CMemoryMasterPointGrid : public IMasterPointGrid
{
public:
    explicit CMemoryMasterPointGrid(bool bReadOnly = false);

    bool Initialize() override;
    bool SetPointNumber(int nRow, int nNumber) override;
    bool SetNewEntryMarker(int nRow) override;
    bool SetFrequency(int nRow, double value) override;
    bool SetAmplitude(int nRow, double value) override;
    double GetFrequency(int nRow) const override;
    double GetAmplitude(int nRow) const override;
    int GetRows() const override { return int(m_Rows.size()); }
    bool NotifyParent() override;

    const std::string& Cell(int nRow, int nColumn) const;
    int GetNotifyCount() const { return m_nNotifications; }

private:
    using CRow = std::array<std::string, 3>;
    bool SetCell(int nRow, int nColumn, const std::string& text);
    bool SetMarker(int nRow, const std::string& text);
    double GetCellValue(int nRow, int nColumn) const;

    bool m_bReadOnly;
    std::vector<CRow> m_Rows;
    int m_nNotifications = 0;
};
