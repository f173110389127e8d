// mwOutputTarget: one target of a variable output list — a matrix value or an indexed part
// that receives one output, or an indexed part that receives count outputs at once.
#pragma once

class mwMatrix;
class mwSubMatrix;

struct mwOutputTarget
{
    constexpr mwOutputTarget() = default; // the no-target entry
    mwOutputTarget(mwMatrix& matrix) : target(&matrix) {}
    mwOutputTarget(mwSubMatrix& part, int outputs = 1) : count(outputs), target(&part), isPart(1) {}

    int count = 1;          // outputs received; 1 assigns one, any other number multi-assigns
    void* target = nullptr; // the mwMatrix or mwSubMatrix; null for the no-target entry
    int isPart = 0;         // not 0 for an mwSubMatrix target
};

// Ends a list of targets; the default of every target parameter a caller leaves out.
inline constexpr mwOutputTarget mwNoOutputTarget{};

// A list made from this tag asks for exactly one output.
struct mwOutputTag
{
    char unused = 0;
};
inline constexpr mwOutputTag mwDefaultOutputTag{};
