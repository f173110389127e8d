// The filter edit grid's rows over a plain table of texts: the grid without a screen,
// for headless runs and tests.
#pragma once

#include "filters/FilterGridRows.h"

#include <string>
#include <vector>

class CFilterGridTable : public CFilterGridRows
{
public:
    CFilterGridTable(unsigned uID, int kind) : CFilterGridRows(uID, kind)
    {
        m_Cells.assign(2, std::vector<std::string>(std::size_t(Info().m_nColumnCount)));
    }

    int GetRows() const override { return int(m_Cells.size()); }
    int GetCols() const override { return Info().m_nColumnCount; }
    std::string GetTextMatrix(int nRow, int nCol) const override
    {
        const auto& row = m_Cells.at(std::size_t(nRow));
        return std::size_t(nCol) < row.size() ? row[std::size_t(nCol)] : std::string();
    }
    void SetTextMatrix(int nRow, int nCol, const std::string& text) override
    {
        auto& row = m_Cells.at(std::size_t(nRow));
        if (std::size_t(nCol) >= row.size())
            row.resize(std::size_t(nCol) + 1);
        row[std::size_t(nCol)] = text;
    }
    void AddItem(const std::string& text, int nIndex) override
    {
        m_Cells.insert(m_Cells.begin() + nIndex, std::vector<std::string>{text});
    }
    void RemoveItem(int nIndex) override { m_Cells.erase(m_Cells.begin() + nIndex); }
    void Clear() override
    {
        for (auto& row : m_Cells)
            for (auto& cell : row)
                cell.clear();
    }

private:
    std::vector<std::vector<std::string>> m_Cells;
};
