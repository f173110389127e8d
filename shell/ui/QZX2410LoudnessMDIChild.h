// The frame of the loudness design shared by the QZX2410 and the QZX6060 ("QZX2410 & QZX6060
// Loudness Filter Design"), timer id 291.
#pragma once

#include "shell/ui/DesignMDIChild.h"

class CQZX2410LoudnessMDIChild final : public CDesignMDIChild<EDesignWindow::QZX241XLoudness>
{
public:
    using CDesignMDIChild::CDesignMDIChild;
};
