// The additive restart from device data: the raw response with the device data's sections
// applied becomes the modified response, and each section's magnitude (dB) and phase
// (degrees) go to the views. The sections become the document's restart filters.
#pragma once

#include "filters/MatrixPtrArray.h"

class CMorvaneDoc;

// Sections k = [1 a1 a2] in listA and [b0 b1 b2] in listB, as many as listA holds. Empties
// the per-filter restart curves and the drawn labels first; with no section nothing else
// changes; nothing at all while a calculation command runs. A matrix-layer error is shown;
// what was changed before it stays. Always true.
bool RestartFromDeviceCoefficients(CMorvaneDoc& doc, const CMatrixPtrArray& listA,
                                   const CMatrixPtrArray& listB);
