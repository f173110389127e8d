// The record of the device program data file (".eq"): a companion file record with the
// five modes that follow the device data lines through opening, generating, editing and
// saving.
#pragma once

#include "document/FileRecord.h"

class CEqFileStatus : public CFileRecord
{
public:
    CEqFileStatus() { Reset(); }

    // Turns the five modes off.
    bool Reset()
    {
        for (CMode* mode : {&m_OpenedFromFileMode, &m_HasFilterSectionMode, &m_GeneratedMode,
                            &m_AcceptedMode, &m_SavedMode})
            mode->TurnOff();
        return true;
    }

    CMode m_OpenedFromFileMode;   // the lines were read from a file
    CMode m_HasFilterSectionMode; // the lines hold a "!# Filter Parameters" line
    CMode m_GeneratedMode;        // the lines were generated from the filter grids
    CMode m_AcceptedMode;         // the user confirmed the lines in the editor
    CMode m_SavedMode;            // the lines are written to the file
};
