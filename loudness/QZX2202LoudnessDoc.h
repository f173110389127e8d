// The document of the QZX2202 loudness design window ("Design QZX2202 Loudness Filters"):
// a loudness document of the QZX2202 family on the QZX2202 manager.
#pragma once

#include "loudness/LoudnessDoc.h"
#include "loudness/QZX2202LoudnessManager.h"

#include <utility>

class CQZX2202LoudnessDoc : public CLoudnessDoc
{
public:
    CQZX2202LoudnessDoc(CQZX2202LoudnessManager& manager, CLoudnessDocServices services)
        : CLoudnessDoc(ELoudnessFamily::QZX2202, manager, std::move(services))
    {
    }
};
