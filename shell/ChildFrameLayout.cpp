#include "shell/ChildFrameLayout.h"

namespace
{
// f x H truncated toward zero.
int Share(int nHeight, double f)
{
    return static_cast<int>(nHeight * f);
}

struct CBands
{
    int left, middle, right, top, upper6, upper5, lower6, lower5, bottom;
};

CBands MakeBands(const CRect& c, int k)
{
    const int h = c.bottom;
    const int t6 = Share(h, 0.6), t4 = Share(h, 0.4), t5 = Share(h, 0.5);
    return {c.left,
            c.right / 2,
            c.right,
            c.top,
            c.top + t6,
            c.top + t5,
            c.top + t6 + t4 - k,
            c.top + t5 + t5 - k,
            c.bottom};
}
} // namespace

bool ComputeFrameRect(ESpeakerFrame frame, int nLayout, const CRect& client, int k, CRect& rect)
{
    const CBands b = MakeBands(client, k);
    const bool bUpper = frame == ESpeakerFrame::Response || frame == ESpeakerFrame::Phase;
    switch (nLayout)
    {
    case kLayoutAtCreation:
        if (frame == ESpeakerFrame::PhaseFilter)
        {
            rect = client;
            return true;
        }
        [[fallthrough]];
    case kLayoutOriginal:
        rect = bUpper ? CRect{b.left, b.top, b.right, b.upper6}
                      : CRect{b.left, b.upper6, b.right, b.lower6};
        return true;
    case kLayoutFourWindows:
    {
        const bool bLeft = frame == ESpeakerFrame::Response || frame == ESpeakerFrame::Filter;
        const int left = bLeft ? b.left : b.middle;
        const int right = bLeft ? b.middle : b.right;
        rect =
            bUpper ? CRect{left, b.top, right, b.upper6} : CRect{left, b.upper6, right, b.lower6};
        return true;
    }
    case kLayoutFilterAndPhaseFilter:
        if (bUpper)
            return false;
        rect = frame == ESpeakerFrame::Filter ? CRect{b.left, b.top, b.right, b.upper5}
                                              : CRect{b.left, b.upper5, b.right, b.lower5};
        return true;
    case kLayoutResponseAndPhase:
        if (!bUpper)
            return false;
        // The lower half reaches the bottom without the correction.
        rect = frame == ESpeakerFrame::Response ? CRect{b.left, b.top, b.right, b.upper5}
                                                : CRect{b.left, b.upper5, b.right, b.bottom};
        return true;
    default:
        return false;
    }
}
