// The graph window of the QZX2202 loudness design: the loudness view of a QZX2202 document.
#pragma once

#include "loudness/QZX2202LoudnessDoc.h"
#include "loudness/ui/LoudnessView.h"

class CQZX2202LoudnessView : public CLoudnessView
{
public:
    explicit CQZX2202LoudnessView(CQZX2202LoudnessDoc& doc, QWidget* pParent = nullptr)
        : CLoudnessView(doc, pParent)
    {
    }
};
