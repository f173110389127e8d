// The mini frame "Edit Filters" of the filter parameter sheet (the main frame's
// m_pPropFrame). Shown again, it comes back on its first page.
#pragma once

#include "shell/ui/MiniFrame.h"

class CUserCreatedFiltersFrame : public CMiniFrame
{
public:
    CUserCreatedFiltersFrame(QWidget* parent, QTabWidget* sheet)
        : CMiniFrame(parent, "Edit Filters", sheet)
    {
    }
};
