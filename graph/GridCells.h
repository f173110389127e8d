// The cells of an edit grid as the grid's row logic sees them: texts addressed by row and
// column, row 0 the headings, with an in-cell editor that may be open over one cell. The
// row logic of each kind of grid (filters, master points) derives from this class; what
// holds the cells derives from that: a table widget on screen, CPlainGrid elsewhere.
#pragma once

#include <string>
#include <utility>
#include <vector>

class CGridCells
{
public:
    virtual ~CGridCells() = default;

    virtual int GetRows() const = 0;
    virtual int GetCols() const = 0;
    // An empty text for a cell that does not exist.
    virtual std::string GetTextMatrix(int nRow, int nCol) const = 0;
    // Nothing happens for a cell that does not exist.
    virtual void SetTextMatrix(int nRow, int nCol, const std::string& text) = 0;
    // Inserts a row at nIndex with text in column 0.
    virtual void AddItem(const std::string& text, int nIndex) = 0;
    virtual void RemoveItem(int nIndex) = 0;
    // Empties every cell; rows and columns stay.
    virtual void Clear() = 0;
    // Gives the grid nCount columns laid out over its width.
    virtual void LayoutColumns(int nCount) = 0;

    // Commits an in-cell edit that is open into the cell it was opened on; an edit whose
    // cell no longer exists is dropped, and one whose text the grid refuses stays open for
    // correcting while the cell keeps its value. The operations that read or restructure
    // the grid call it first.
    void EndCellEdit() { CommitCellEdit(); }
    // Closes an open in-cell edit without writing it.
    virtual void DiscardCellEdit() {}

protected:
    // False when no edit was written.
    virtual bool CommitCellEdit() { return false; }
};

// The cells as a plain table of texts: a grid without a screen, for headless runs and
// tests. TRows is the grid's row logic; its constructor arguments are passed through.
template <class TRows> class CPlainGrid : public TRows
{
public:
    template <class... TArgs>
    explicit CPlainGrid(TArgs&&... args) : TRows(std::forward<TArgs>(args)...)
    {
    }

    int GetRows() const override { return int(m_Cells.size()); }
    int GetCols() const override { return m_nCols; }
    std::string GetTextMatrix(int nRow, int nCol) const override
    {
        if (!Exists(nRow, nCol))
            return {};
        const auto& row = m_Cells[std::size_t(nRow)];
        return std::size_t(nCol) < row.size() ? row[std::size_t(nCol)] : std::string();
    }
    void SetTextMatrix(int nRow, int nCol, const std::string& text) override
    {
        if (!Exists(nRow, nCol))
            return;
        auto& row = m_Cells[std::size_t(nRow)];
        if (std::size_t(nCol) >= row.size())
            row.resize(std::size_t(nCol) + 1);
        row[std::size_t(nCol)] = text;
    }
    void AddItem(const std::string& text, int nIndex) override
    {
        if (nIndex < 0 || nIndex > GetRows())
            return;
        m_Cells.insert(m_Cells.begin() + nIndex, std::vector<std::string>{text});
    }
    void RemoveItem(int nIndex) override
    {
        if (nIndex >= 0 && nIndex < GetRows())
            m_Cells.erase(m_Cells.begin() + nIndex);
    }
    void Clear() override
    {
        for (auto& row : m_Cells)
            for (auto& cell : row)
                cell.clear();
    }
    void LayoutColumns(int nCount) override { m_nCols = nCount; }

protected:
    // nRows empty rows of nCols columns.
    void ResetCells(int nRows, int nCols)
    {
        m_nCols = nCols;
        m_Cells.assign(std::size_t(nRows), std::vector<std::string>(std::size_t(nCols)));
    }

private:
    bool Exists(int nRow, int nCol) const
    {
        return nRow >= 0 && nRow < GetRows() && nCol >= 0 && nCol < m_nCols;
    }

    std::vector<std::vector<std::string>> m_Cells;
    int m_nCols = 0;
};
