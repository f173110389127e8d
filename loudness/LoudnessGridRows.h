// The row logic of a loudness grid: the loudness filters of one kind as rows, the name in
// column 0, the five loudness coefficients, Plot Gain, Plot Volume and the kind's design
// values (gain, bandwidth and centre frequency, or gain and cut frequency), the headings
// in row 0. Numbers are written "%lf". A row named "*" is a placeholder that the next
// filter fills; one is kept only while no filter row is left.
//
// The grid holds no filter data of its own: its manager adds, rewrites and removes rows.
// Its right-button popup (Edit, Add to the data file, Delete) is offered on filter rows
// only and sends the command to the manager of the grid's own chip family.
#pragma once

#include "graph/GridCells.h"
#include "loudness/LoudnessInterfaces.h"

#include <array>
#include <string>
#include <vector>

class CLoudnessManager;
struct CCommandState;

// The columns of one method type (kind); -1 for a column the type does not have.
struct LoudnessGridInfo
{
    int m_nNameColumn = 0;
    int m_nCoeff_1_Column = 1;
    int m_nCoeff_2_Column = 2;
    int m_nCoeff_3_Column = 3;
    int m_nCoeff_4_Column = 4;
    int m_nCoeff_5_Column = 5;
    int m_nPlotGainColumn = 6;
    int m_nPlotVolumeColumn = 7;
    int m_nGainColumn = -1;
    int m_nBandwidthColumn = -1;
    int m_nCenterFrequencyColumn = -1;
    int m_nCutFrequencyColumn = -1;
    int m_nColumnCount = 8;
};

class CLoudnessGridRows : public CGridCells, public ILoudnessGrid
{
public:
    // The popup's commands.
    enum EPopupCommand : int
    {
        ID_LOUDNESS_EDIT = 32901,
        ID_LOUDNESS_ADD_TO_DATA_FILE = 32902,
        ID_LOUDNESS_DELETE = 32903,
    };

    CLoudnessGridRows();

    // The columns of a method type (0 to 4; another gives those of type 0).
    static const LoudnessGridInfo& Info(int nMethodType);
    // Column widths that fill nWidth exactly: equal ones, the rest to the last column.
    static std::vector<int> ColumnWidths(int nWidth, int nCount);

    // Shapes the grid for a kind: only the heading row, the type's columns and headings.
    void SetMethodType(int nMethodType);
    int GetMethodType() const { return m_nMethodType; }
    // The manager whose filters the grid shows (its own family's); not owned.
    void SetManager(CLoudnessManager* pManager) { m_pManager = pManager; }
    CLoudnessManager* GetManager() const { return m_pManager; }

    // ILoudnessGrid: the row builder of the grid's own method type.
    void AddRow(const CLoudnessInfo& record) override;
    void UpdateRow(const CLoudnessInfo& record) override;
    // Removes the first row with exactly that name.
    bool DeleteRowByName(const std::string& name) override;
    // Leaves the heading and one "*" row (a grid that has only its heading stays so).
    void DeleteAllRows() override;

    void AddEQBaseTypeRow(const CLoudnessInfo* pInfo) { AddRow(*pInfo); }
    void AddTrebleBaseTypeRow(const CLoudnessInfo* pInfo) { AddRow(*pInfo); }
    void AddBassBaseTypeRow(const CLoudnessInfo* pInfo) { AddRow(*pInfo); }
    void AddBaseTypeCoeffRow(const CLoudnessInfo* pInfo) { AddRow(*pInfo); }
    void AddLoudnessCoeffRow(const CLoudnessInfo* pInfo) { AddRow(*pInfo); }

    // The last row when it is a placeholder, else a new placeholder row at the end.
    int GetRowForNewFilter();
    void AddPlaceholderRow();
    // The first row with exactly that name; -1 for none.
    int FindRow(const std::string& name) const;
    // A row that holds a filter: below the heading, within the grid, not a placeholder.
    bool IsFilterRow(int nRow) const;

    // Cell accessors of the filter rows (1 to the last); a row outside them, or a column
    // the method type does not have, is a failed check and changes nothing.
    std::string GetFilterName(int nRow) const;
    void SetFilterName(int nRow, const std::string& name);
    void SetCoeff1(int nRow, double value);
    void SetCoeff2(int nRow, double value);
    void SetCoeff3(int nRow, double value);
    void SetCoeff4(int nRow, double value);
    void SetCoeff5(int nRow, double value);
    void SetPlotGain(int nRow, double value);
    void SetPlotVolume(int nRow, double value);
    void SetGain(int nRow, double value);
    void SetBandwidth(int nRow, double value);
    void SetCenterFrequency(int nRow, double value);
    void SetCutFrequency(int nRow, double value);

    // A right-button press on a row (-1 below the last one): remembered for the popup's
    // commands; true when the popup is to be offered (a filter row).
    bool SelectRowForPopup(int nMouseRow);
    int GetSelectedRow() const { return m_nSelectedRow; }
    // The popup's commands on the filter of the selected row; false when there is none
    // or no manager.
    CCommandState GetPopupCommandState(int id) const;
    bool OnPopupCommand(int id);

private:
    bool CheckRow(int nRow) const;
    void SetValue(int nRow, int nColumn, double value);
    void FillRow(int nRow, const CLoudnessInfo& record);
    // Removes a filter row; a placeholder takes its place when it was the last one.
    void RemoveFilterRow(int nRow);

    int m_nMethodType = 0;
    int m_nSelectedRow = 0;
    CLoudnessManager* m_pManager = nullptr;
};
