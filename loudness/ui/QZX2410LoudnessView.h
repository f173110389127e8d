// The graph window of the QZX2410/QZX6060 loudness design: the loudness view of a document
// of that family.
#pragma once

#include "loudness/QZX2410LoudnessDoc.h"
#include "loudness/ui/LoudnessView.h"

class CQZX2410LoudnessView : public CLoudnessView
{
public:
    explicit CQZX2410LoudnessView(CQZX2410LoudnessDoc& doc, QWidget* pParent = nullptr)
        : CLoudnessView(doc, pParent)
    {
    }
};
