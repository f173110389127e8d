// Failures of the numerical engine: inputs whose shapes or positions the formulas cannot
// use (the matrix run-time's "Index exceeds matrix dimensions." and the like). The entry
// forms hand them on as errors of the matrix layer.
#pragma once

#include <stdexcept>
#include <string>

namespace numerics
{
class CNumericsError : public std::runtime_error
{
public:
    explicit CNumericsError(const std::string& text) : std::runtime_error(text) {}
};

inline constexpr const char* kIndexExceeds = "Index exceeds matrix dimensions.";
inline constexpr const char* kDimensionsDisagree = "Matrix dimensions must agree.";
} // namespace numerics
