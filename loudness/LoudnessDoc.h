// The document of a loudness design window (one per chip family while its window is
// open). It holds no filters, its family's loudness manager does: it holds the frequency
// axis every loudness response is computed and plotted on, the view's automatic scaling,
// and the window's document commands: the speaker document's device-data commands
// forwarded unchanged, "Create Loudness Filters" and turning the adding of loudness
// filters to the device data off. Both families' windows also forward the two loudness
// file items, which save the file of the QZX2410 or QZX6060 while one is selected.
//
// A document belongs to one family from its creation: its own commands act on its own
// family's manager, whatever device is selected later. It connects itself to that manager
// while it lives.
#pragma once

#include "framework/core/CommandTarget.h"
#include "graph/Mode.h"
#include "loudness/LoudnessFrequencyAxis.h"
#include "loudness/LoudnessInterfaces.h"

#include <functional>
#include <vector>

class CLoudnessManager;

enum class ELoudnessFamily
{
    QZX2202, // the QZX2201 and QZX2202 devices
    QZX241X, // the QZX2410 and QZX6060 devices
};

// What a loudness document asks of the program around it.
struct CLoudnessDocServices
{
    // The speaker document's lower frequency limit and sampling frequency (Hz) now.
    std::function<int()> lowerFrequencyLimit;
    std::function<int()> samplingFrequency;
    // The speaker document's device-data commands: run one, and its state.
    std::function<void(int id)> runSpeakerCommand;
    std::function<CCommandState(int id)> speakerCommandState;
    // Opens the family's create-loudness-filter sheet on its first page (modal).
    std::function<void()> createFilters;
};

// What the document's views are told: hint 1 empties a view, hint 2 fits it to its curves.
class ILoudnessDocView
{
public:
    virtual ~ILoudnessDocView() = default;
    virtual void OnUpdate(int nHint) = 0;
};

class CLoudnessDoc : public ILoudnessDocument, public ICommandTarget
{
public:
    enum ECommand : int
    {
        ID_FILE_OPEN_DEVICE_DATA = 32863,
        ID_FILE_SAVE_DEVICE_DATA = 32864,
        ID_FILE_SAVE_AS_DEVICE_DATA = 32865,
        ID_EDIT_DEVICE_DATA = 32867,
        ID_EDIT_GENERATE_DEVICE_DATA = 32869,
        ID_CREATE_LOUDNESS_FILTERS = 32896,
        ID_TURN_OFF_LOUDNESS_ADDITION = 32908,
        ID_FILE_SAVE_AS_LD241X = 32931,
        ID_FILE_SAVE_AS_LD606X = 32950,
    };
    static constexpr int kHintRefresh = 1;
    static constexpr int kHintNewResponse = 2;

    // Builds the frequency axis from the speaker document's values at this moment.
    CLoudnessDoc(ELoudnessFamily family, CLoudnessManager& manager, CLoudnessDocServices services);
    ~CLoudnessDoc() override;
    CLoudnessDoc(const CLoudnessDoc&) = delete;
    CLoudnessDoc& operator=(const CLoudnessDoc&) = delete;

    // 300 points from the lower frequency limit to half the sampling frequency; false,
    // the axis empty, when the limits leave no band.
    bool BuildFrequencyAxis();
    bool HasFrequencyAxis() const { return !m_Axis.frequency.empty(); }

    ELoudnessFamily GetFamily() const { return m_Family; }
    CLoudnessManager& GetManager() const { return m_Manager; }

    // ILoudnessDocument
    std::span<const double> Frequencies() const override { return m_Axis.frequency; }
    std::span<const double> LogFrequencies() const override { return m_Axis.logFrequency; }
    int SamplingFrequency() const override;
    void UpdateAllViews(int nHint) override;
    // The views told of updates; not owned, each withdraws before it goes.
    void AddView(ILoudnessDocView* pView);
    void RemoveView(ILoudnessDocView* pView);

    // ICommandTarget
    std::optional<CCommandState> GetCommandState(int id) override;
    void OnCommand(int id) override;

    // 32896: the create-loudness-filter sheet of the document's family.
    void OnCreateLoudnessFilters();

    // The view fits its dB axis to its curves while on (always on), within these bounds.
    CMode m_AutoScaleMode;
    double m_dMaxDb = 100.0;
    double m_dMinDb = -100.0;

private:
    bool IsForwarded(int id) const;

    ELoudnessFamily m_Family;
    CLoudnessManager& m_Manager;
    CLoudnessDocServices m_Services;
    CLoudnessFrequencyAxis m_Axis;
    std::vector<ILoudnessDocView*> m_Views;
};
