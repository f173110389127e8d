// The four design windows besides the speaker windows: loudness and compression design for
// the QZX2202 and for the QZX2410/QZX6060 family. Each is made by its Design command and
// closed by "Design EQ Filters" or its own close box.
#pragma once

#include <string>

enum class EDesignWindow
{
    QZX2202Loudness,
    QZX241XLoudness,
    QZX2202Compression,
    QZX241XCompression,
};
constexpr int kDesignWindowCount = 4;

// The frame's caption.
std::string DesignWindowTitle(EDesignWindow kind);
// The main window's menu set shown while the window is current.
constexpr int DesignMenuSet(EDesignWindow kind)
{
    return 1 + int(kind);
}
