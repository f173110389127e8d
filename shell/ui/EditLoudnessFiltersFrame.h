// The mini frame "Edit Loudness Filters" of one chip family's loudness filter sheet (the
// main frame's m_pLoudnessPropFrame[0] for the QZX2202, [1] for the QZX2410/QZX6060).
// Shown again, it comes back on the page shown last.
#pragma once

#include "shell/ui/MiniFrame.h"

class CEditLoudnessFiltersFrame : public CMiniFrame
{
public:
    CEditLoudnessFiltersFrame(QWidget* parent, QTabWidget* sheet)
        : CMiniFrame(parent, "Edit Loudness Filters", sheet)
    {
    }
    void ShowAgain() override { show(); }
};
