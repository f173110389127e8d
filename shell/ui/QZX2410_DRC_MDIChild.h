// The frame of the compression design shared by the QZX2410 and the QZX6060 ("QZX2410 &
// QZX6060  Dynamic Range Compress Design"), timer id 296.
#pragma once

#include "shell/ui/DesignMDIChild.h"

class CQZX2410_DRC_MDIChild final : public CDesignMDIChild<EDesignWindow::QZX241XCompression>
{
public:
    using CDesignMDIChild::CDesignMDIChild;
};
