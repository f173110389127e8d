// The QZX2202 compression settings the chip offers: each entry carries the chip's
// register code, the value (ratio r of r:1 or 1:r, or a time in milliseconds) and the
// label the user sees and the register file carries.
#pragma once

struct CDrcChoice
{
    char szCode[8];
    double dValue;
    char szLabel[24];
};

extern const CDrcChoice g_AboveCompressionRatios[16];
extern const CDrcChoice g_AboveExpansionRatios[9];
extern const CDrcChoice g_BelowCompressionRatios[9];
extern const CDrcChoice g_BelowExpansionRatios[17];
extern const CDrcChoice g_DrcTimes[12];

// The index of the entry of the table (count entries) with the choice's code and label;
// -1 when the table holds none.
int FindDrcChoice(const CDrcChoice* pTable, int nCount, const CDrcChoice& choice);
