// The mini frame "Edit Master Points" of the master point sheet (the main frame's
// m_pMasterPtPropFrame). Shown again, it comes back on its first page.
#pragma once

#include "shell/ui/MiniFrame.h"

class CEditMasterPointsFrame : public CMiniFrame
{
public:
    CEditMasterPointsFrame(QWidget* parent, QTabWidget* sheet)
        : CMiniFrame(parent, "Edit Master Points", sheet)
    {
    }
};
