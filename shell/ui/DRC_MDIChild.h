// The frame of the QZX2202 compression design ("Design Dynamic Range Compression for
// QZX2202"), timer id 266.
#pragma once

#include "shell/ui/DesignMDIChild.h"

class CDRC_MDIChild final : public CDesignMDIChild<EDesignWindow::QZX2202Compression>
{
public:
    using CDesignMDIChild::CDesignMDIChild;
};
