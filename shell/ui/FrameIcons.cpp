#include "shell/ui/FrameIcons.h"

#include <QString>

namespace
{
// The icon of that name in both sizes.
QIcon BundledIcon(const char* name)
{
    QIcon icon;
    for (int size : {16, 32})
        icon.addFile(QString(":/icons/%1-%2.png").arg(name).arg(size), QSize(size, size));
    return icon;
}
} // namespace

QIcon FrameIcon(ESpeakerFrame kind)
{
    // By ESpeakerFrame.
    static const char* const kNames[] = {"response", "filter", "phase", "phasefilter"};
    return BundledIcon(kNames[int(kind)]);
}

QIcon FrameIcon(EDesignWindow kind)
{
    // By EDesignWindow.
    static const char* const kNames[] = {"loudness2202", "loudness2410", "compression2202",
                                         "compression2410"};
    return BundledIcon(kNames[int(kind)]);
}
