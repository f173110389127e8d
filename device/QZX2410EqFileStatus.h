// The state of the QZX2410/QZX6060 family's device data: the file name and the five modes
// of the ".eq" data, held by the family manager apart from the speaker document's.
#pragma once

#include "document/EqFileStatus.h"

class CQZX2410EqFileStatus : public CEqFileStatus
{
};
