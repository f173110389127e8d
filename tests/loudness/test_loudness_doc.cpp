// The loudness document: its frequency axis, its commands (forwarded, its own, and those
// of its family only), its views and its place in its manager.
#include "LoudnessFakes.h"
#include "loudness/LoudnessDoc.h"
#include "loudness/QZX2202LoudnessManager.h"
#include "loudness/QZX2410_LoudnessManager.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
class LoudnessDocTest : public ::testing::Test
{
protected:
    CLoudnessDocServices Services()
    {
        CLoudnessDocServices services;
        services.lowerFrequencyLimit = [this] { return m_nLower; };
        services.samplingFrequency = [this] { return m_nRate; };
        services.runSpeakerCommand = [this](int id) { m_Run.push_back(id); };
        services.speakerCommandState = [this](int id)
        {
            m_Asked.push_back(id);
            return CCommandState{true, false};
        };
        services.createFilters = [this] { ++m_nCreated; };
        return services;
    }

    int m_nLower = 10;
    int m_nRate = 48000;
    std::vector<int> m_Run;
    std::vector<int> m_Asked;
    int m_nCreated = 0;
    CFlatSectionDesigner m_Designer;
    CQZX2202LoudnessManager m_2202{&m_Designer};
    CQZX2410_LoudnessManager m_2410{&m_Designer, [] { return false; }};
};

class CCountingView : public ILoudnessDocView
{
public:
    explicit CCountingView(CLoudnessDoc* pDoc = nullptr) : m_pDoc(pDoc) {}
    void OnUpdate(int nHint) override
    {
        hints.push_back(nHint);
        if (m_pDoc)
            m_pDoc->RemoveView(this);
    }
    std::vector<int> hints;
    CLoudnessDoc* m_pDoc;
};
} // namespace

TEST_F(LoudnessDocTest, FrequencyAxisFromTheSpeakerDocument)
{
    CLoudnessDoc doc(ELoudnessFamily::QZX2202, m_2202, Services());
    ASSERT_EQ(doc.Frequencies().size(), 300u);
    EXPECT_EQ(doc.Frequencies().front(), 10.0);
    EXPECT_EQ(doc.Frequencies().back(), 24000.0);
    EXPECT_EQ(doc.LogFrequencies().front(), 1.0);
    EXPECT_DOUBLE_EQ(doc.LogFrequencies().back(), std::log10(24000.0));
    EXPECT_TRUE(doc.m_AutoScaleMode.IsOn());
    EXPECT_EQ(doc.m_dMaxDb, 100.0);
    EXPECT_EQ(doc.m_dMinDb, -100.0);
    // The sample rate is the speaker document's at each call; the axis stays as built.
    m_nRate = 96000;
    EXPECT_EQ(doc.SamplingFrequency(), 96000);
    EXPECT_EQ(doc.Frequencies().back(), 24000.0);

    m_nLower = 48000;
    CLoudnessDoc noBand(ELoudnessFamily::QZX2202, m_2202, Services());
    EXPECT_FALSE(noBand.HasFrequencyAxis());
}

TEST_F(LoudnessDocTest, ConnectsItselfToItsFamilysManagerWhileItLives)
{
    {
        CLoudnessDoc doc(ELoudnessFamily::QZX241X, m_2410, Services());
        EXPECT_EQ(m_2410.GetDocument(), &doc);
        EXPECT_EQ(m_2202.GetDocument(), nullptr);
    }
    EXPECT_EQ(m_2410.GetDocument(), nullptr);
}

TEST_F(LoudnessDocTest, ForwardsTheDeviceDataCommands)
{
    CLoudnessDoc doc(ELoudnessFamily::QZX2202, m_2202, Services());
    for (int id : {32863, 32864, 32865, 32867, 32869})
    {
        ASSERT_TRUE(doc.GetCommandState(id).has_value()) << id;
        doc.OnCommand(id);
    }
    EXPECT_EQ(m_Run, (std::vector<int>{32863, 32864, 32865, 32867, 32869}));
    EXPECT_EQ(m_Asked, m_Run);
    EXPECT_FALSE(doc.GetCommandState(32905).has_value());

    // Both windows carry the two loudness file items; each is the speaker document's one
    // command, which saves the file of the device selected.
    CLoudnessDoc family(ELoudnessFamily::QZX241X, m_2410, Services());
    for (CLoudnessDoc* window : {&doc, &family})
    {
        m_Run.clear();
        m_Asked.clear();
        for (int id : {32931, 32950})
        {
            ASSERT_TRUE(window->GetCommandState(id).has_value()) << id;
            window->OnCommand(id);
        }
        EXPECT_EQ(m_Run, (std::vector<int>{32931, 32931}));
        EXPECT_EQ(m_Asked, m_Run);
    }
}

TEST_F(LoudnessDocTest, TurnOffLoudnessAdditionOfItsOwnFamily)
{
    CLoudnessDoc doc(ELoudnessFamily::QZX2202, m_2202, Services());
    EXPECT_FALSE(doc.GetCommandState(32908)->bEnabled);
    m_2202.AddToDataFileMode().TurnOn();
    m_2410.AddToDataFileMode().TurnOn();
    EXPECT_TRUE(doc.GetCommandState(32908)->bEnabled);
    doc.OnCommand(32908);
    EXPECT_TRUE(m_2202.AddToDataFileMode().IsOff());
    EXPECT_TRUE(m_2410.AddToDataFileMode().IsOn());
    EXPECT_FALSE(doc.GetCommandState(32908)->bEnabled);

    EXPECT_TRUE(doc.GetCommandState(32896)->bEnabled);
    doc.OnCommand(32896);
    EXPECT_EQ(m_nCreated, 1);
}

TEST_F(LoudnessDocTest, ViewsAreToldAndMayWithdrawWhileTold)
{
    CLoudnessDoc doc(ELoudnessFamily::QZX2202, m_2202, Services());
    CCountingView leaving(&doc);
    CCountingView staying;
    doc.AddView(&leaving);
    doc.AddView(&staying);
    doc.AddView(&staying);
    doc.UpdateAllViews(2);
    doc.UpdateAllViews(1);
    EXPECT_EQ(leaving.hints, std::vector<int>{2});
    EXPECT_EQ(staying.hints, (std::vector<int>{2, 1}));
}
