// The column map of the filter edit grid, one record per filter kind: how many columns
// the kind's grid has, which column holds which parameter or mode, the headings of row 0,
// and the numbering of the names the grid makes for new rows. A column of -1 means the
// kind has no such column; column 0 always holds the filter's name.
#pragma once

#include "filters/FilterKinds.h"

#include <array>
#include <string>
#include <vector>

struct FilterGridInfo
{
    int m_nColumnCount = 0;
    std::string m_strName;   // the name made last by MakeNextName or SetNameNumber
    std::string m_strPrefix; // the kind's label prefix
    int m_nActiveColumn = -1;
    int m_nModifiableColumn = -1;
    int m_nOutputOrderColumn = -1;
    int m_nGainColumn = -1;
    int m_nBandwidthColumn = -1;
    int m_nCenterFrequencyColumn = -1;
    int m_nCutFrequencyColumn = -1;
    int m_nPassbandRippleColumn = -1;
    std::array<int, 3> m_nParamColumn{-1, -1, -1}; // generic kinds, by parameter index
    int m_nParamCount = 0;
    int m_nLastNumber = 0;               // last number used for a new name
    std::vector<std::string> m_Headings; // row 0, column 0 first

    // m_nLastNumber + 1 (kept at kMaxFilterNumber from there on), and m_strName :=
    // prefix followed by it; returns the name.
    const std::string& MakeNextName();
    // m_strName := prefix followed by n; false, changing nothing, for n below 1.
    bool SetNameNumber(int n);
    // The parameter columns in the order of the kind's filter line: columns 1 to the
    // parameter count.
    std::vector<int> ParameterColumns() const;
};

// The seventeen records, indexed by kind.
std::array<FilterGridInfo, kFilterKindCount> MakeFilterGridInfo();

// Texts of the grid.
inline constexpr const char* kGridNameHeading = "Filter";
inline constexpr const char* kGridNewFilterRow = "*";
inline constexpr const char* kGridYes = "Yes";
inline constexpr const char* kGridNo = "No";
