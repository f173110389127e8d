// Both loudness managers on a recording document and view, with messages recorded; the
// QZX6060 law while m_bQZX6060 is set. TDesigner designs the EQ and shelf sections.
#pragma once

#include "LoudnessFakes.h"
#include "framework/core/Services.h"
#include "loudness/QZX2202LoudnessManager.h"
#include "loudness/QZX2410_LoudnessManager.h"

#include <gtest/gtest.h>

template <class TDesigner> class LoudnessManagersTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Services::SetMessageBox(&m_Box);
        for (CLoudnessManager* m :
             {static_cast<CLoudnessManager*>(&m_2202), static_cast<CLoudnessManager*>(&m_2410)})
        {
            m->SetDocument(&m_Doc);
            m->SetView(&m_View);
        }
    }
    void TearDown() override { Services::SetMessageBox(nullptr); }

    CRecordingMessageBox m_Box;
    CFakeLoudnessDocument m_Doc;
    CRecordingLoudnessView m_View;
    TDesigner m_Designer;
    bool m_bQZX6060 = false;
    CQZX2202LoudnessManager m_2202{&m_Designer};
    CQZX2410_LoudnessManager m_2410{&m_Designer, [this] { return m_bQZX6060; }};
};
