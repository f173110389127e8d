// Library start-up and the index base.
//
// Every source unit that uses matrix values holds one static mwLibraryInit. The first
// construction in the process (or the first matrix record, whichever comes first, so that
// the order of static initialization cannot matter) prepares the run-time's allocator and
// registers the layer's error and print trampolines with the run-time; later ones do
// nothing.
#pragma once

class mwLibraryInit
{
public:
    mwLibraryInit() { Start(); }

    static void Start();
    static bool IsStarted();
};

// The number of the first element for mwMatrix::RealElement and mwMatrix::Element.
inline constexpr int mwIndexBase = 1;
