// What the loudness view's graphical modes do with a click, apart from any window: at most
// one of "Delete Filters Graphically" (stays on, so several filters can go in a row),
// "Select Filters to Edit Graphically" and "Select Filter to Add to QZX2XXX Data File
// Graphically" (both one-shot) is on; with none a click works the coordinate readout.
// Also the dB range the view fits to its curves.
#pragma once

#include "framework/core/CommandTarget.h"
#include "graph/Mode.h"
#include "graph/ModeArray.h"

class CLoudnessViewModes
{
public:
    enum ECommand : int
    {
        ID_DELETE_FILTERS_GRAPHICALLY = 32905,
        ID_SELECT_FILTERS_TO_EDIT = 32906,
        ID_SELECT_FILTER_TO_ADD = 32907,
    };
    // What a click on a curve does.
    enum class EPick
    {
        Readout, // no mode on: the coordinate readout
        Delete,
        Edit,
        AddToDataFile,
    };

    // deleteMode: the curve editor's delete mode, which the view's delete command toggles.
    explicit CLoudnessViewModes(CMode& deleteMode);
    CLoudnessViewModes(const CLoudnessViewModes&) = delete;
    CLoudnessViewModes& operator=(const CLoudnessViewModes&) = delete;

    static bool IsModeCommand(int id);
    // Disabled without curves; else enabled, checked while the mode is on.
    CCommandState GetState(int id, bool bHasCurves) const;
    // Turns the command's mode on (the others off) when it was off, off when it was on;
    // true when it turned a mode on (the readout then goes back to idle).
    bool Toggle(int id);
    void TurnAllOff() { m_GraphicalModes.TurnOffAll(); }
    // The mode that is on.
    EPick Active() const;
    // A click hit a curve: what to do with it. Selecting to edit or to add goes off.
    EPick OnHit();

    CMode m_SelectToEditMode;
    CMode m_SelectToAddMode;

private:
    CMode* ModeOf(int id) const;

    CMode& m_DeleteCurveMode;
    CModeArray m_GraphicalModes;
};

// The dB range of the curves' extent: 2 dB beyond it, rounded out to multiples of 5,
// within [dMinDb, dMaxDb]. An extent that is infinite or not a number (a response of
// magnitude 0) counts as reaching the bound, and top always stays above bottom.
struct CLoudnessRange
{
    double top;
    double bottom;
};
CLoudnessRange FitLoudnessRange(double dExtentTop, double dExtentBottom, double dMaxDb,
                                double dMinDb);
