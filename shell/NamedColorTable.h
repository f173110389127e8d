// The program's 14 named curve colours, in the order the views and pages index them
// ("Red", "Green", "Blue", ... "Gold").
#pragma once

#include "graph/NamedColor.h"

#include <memory>
#include <vector>

using CNamedColorList = std::vector<std::unique_ptr<CNamedColor>>;

constexpr int kNamedColorCount = 14;

CNamedColorList BuildNamedColorTable();
