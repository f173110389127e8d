// The document of the loudness design window of the QZX2410 and QZX6060 ("QZX2410 &
// QZX6060 Loudness Filter Design"): a loudness document of that family on its manager,
// with the ".LD241X"/".LD606X" loudness-file commands.
#pragma once

#include "loudness/LoudnessDoc.h"
#include "loudness/QZX2410_LoudnessManager.h"

#include <utility>

class CQZX2410LoudnessDoc : public CLoudnessDoc
{
public:
    CQZX2410LoudnessDoc(CQZX2410_LoudnessManager& manager, CLoudnessDocServices services)
        : CLoudnessDoc(ELoudnessFamily::QZX241X, manager, std::move(services))
    {
    }
};
