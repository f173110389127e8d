// The loudness designs of both chip families as the application holds them for the whole
// run: the QZX2202 manager and the QZX2410/QZX6060 manager with the section designer they
// share, their links to the device data (the speaker document's ".eq" lines for the
// QZX2202, the family manager's data for the QZX2410/QZX6060) and the two services the
// device-data commands ask of them: merging the QZX2202 register lines 21/22 into generated
// data and saving the ".LD241X"/".LD606X" loudness file.
//
// Whether a family's design has been opened in this run (the first opening starts with the
// create sheet) is kept here too. What opens the create sheet for an existing filter is
// given by the application (SetFilterEditor).
#pragma once

#include "device/DeviceServices.h"
#include "loudness/DigitalSectionDesigner.h"
#include "loudness/LoudnessDoc.h"
#include "loudness/QZX2202LoudnessManager.h"
#include "loudness/QZX2410_LoudnessManager.h"

#include <functional>

class CMorvaneApp;

class CLoudnessDesigns : public ILoudnessLineMerger, public ILoudnessFileSaver
{
public:
    explicit CLoudnessDesigns(CMorvaneApp& app);
    CLoudnessDesigns(const CLoudnessDesigns&) = delete;
    CLoudnessDesigns& operator=(const CLoudnessDesigns&) = delete;

    CLoudnessManager& Manager(ELoudnessFamily family);
    CQZX2202LoudnessManager& QZX2202() { return m_QZX2202; }
    CQZX2410_LoudnessManager& QZX241X() { return m_QZX241X; }

    // The sheet that edits an existing filter of a family (kind, record, scaling values).
    using CFilterEditor =
        std::function<void(ELoudnessFamily, int, const CLoudnessInfo&, const CLoudnessGainOffset*)>;
    void SetFilterEditor(CFilterEditor editor) { m_FilterEditor = std::move(editor); }

    // ILoudnessLineMerger: the QZX2202 lines 21 and 22.
    bool MergeIntoDataFile(std::vector<std::string>& lines) override;
    // ILoudnessFileSaver: the QZX2410/QZX6060 loudness text.
    bool SaveAsLD241X() override { return m_QZX241X.SaveAsLD241X(); }
    bool SaveAsLD606X() override { return m_QZX241X.SaveAsLD606X(); }

    // True until the family's design was first opened in this run.
    bool m_bFirstQZX2202Loudness = true;
    bool m_bFirstQZX2410Loudness = true;
    bool& FirstOpen(ELoudnessFamily family)
    {
        return family == ELoudnessFamily::QZX2202 ? m_bFirstQZX2202Loudness
                                                  : m_bFirstQZX2410Loudness;
    }

private:
    // The speaker document's ".eq" lines (none while there is no document).
    class CSpeakerDeviceData : public ILoudnessDeviceData
    {
    public:
        explicit CSpeakerDeviceData(CMorvaneApp& app) : m_App(app) {}
        bool HasDeviceData() const override;
        // Lines about to take loudness lines: they are no longer the saved file's.
        std::vector<std::string>& DeviceDataLines() override;

    private:
        CMorvaneApp& m_App;
        std::vector<std::string> m_NoLines;
    };
    // The QZX2410/QZX6060 family manager's data.
    class CFamilyDeviceData : public ILoudnessDeviceData
    {
    public:
        explicit CFamilyDeviceData(CMorvaneApp& app) : m_App(app) {}
        bool HasDeviceData() const override;
        std::vector<std::string>& DeviceDataLines() override;
        int CurrentChannel() const override;

    private:
        CMorvaneApp& m_App;
    };
    class CEditor : public ILoudnessEditor
    {
    public:
        CEditor(CLoudnessDesigns& owner, ELoudnessFamily family) : m_Owner(owner), m_Family(family)
        {
        }
        void EditFilter(int nKind, const CLoudnessInfo& record,
                        const CLoudnessGainOffset* pGainOffset) override;

    private:
        CLoudnessDesigns& m_Owner;
        ELoudnessFamily m_Family;
    };

    CDigitalSectionDesigner m_Designer;
    CSpeakerDeviceData m_SpeakerData;
    CFamilyDeviceData m_FamilyData;
    CEditor m_QZX2202Editor;
    CEditor m_QZX241XEditor;
    CQZX2202LoudnessManager m_QZX2202;
    CQZX2410_LoudnessManager m_QZX241X;
    CFilterEditor m_FilterEditor;
};
