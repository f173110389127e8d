// The settings sheet on a real speaker document: what the pages show, what OK and Apply
// hand to the document, its views and the application's settings, and the refusals.
#include "../framework/QtTestApp.h"

#include "document/MorvaneSettings.h"
#include "shell/dialogs/FilterSettings.h"
#include "shell/dialogs/FrequencyLimits.h"
#include "shell/dialogs/OptimizationParameters.h"
#include "shell/dialogs/Settings.h"
#include "shell/dialogs/SpeakerViewBorder.h"
#include "tests/document/DocumentFixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace
{
class SettingsSheetTest : public DocumentTest
{
protected:
    void SetUp() override
    {
        TestApp();
        DocumentTest::SetUp();
        sheet = std::make_unique<CSettings>(132, doc.get());
        CSettingsSheetValues values;
        doc->FillSettingsSheet(values);
        sheet->SetValues(values);
    }
    void TearDown() override
    {
        sheet.reset();
        DocumentTest::TearDown();
    }
    // Types the text into the field of the active page.
    void Type(int nId, const char* text)
    {
        QLineEdit* edit = sheet->GetPage(sheet->GetActiveIndex())->Edit(nId);
        ASSERT_NE(edit, nullptr) << nId;
        edit->setText(text);
        edit->textEdited(text); // as the user's typing does
    }
    // A new sheet on the page, with the document's values.
    void OpenOn(int iPage)
    {
        sheet = std::make_unique<CSettings>(132, doc.get(), nullptr, iPage);
        CSettingsSheetValues values;
        doc->FillSettingsSheet(values);
        sheet->SetValues(values);
        messages.texts.clear();
    }
    // Apply, after the typing, refuses with the one message on the page, the field stays
    // selected for the correction and the view keeps its window, told of nothing.
    void ExpectRefused(int iPage, int nId, const std::string& text, RecordingView& view,
                       const CDoubleRect& window, const std::string& message,
                       const std::string& name)
    {
        EXPECT_FALSE(sheet->OnApply()) << name;
        ASSERT_EQ(messages.texts.size(), 1u) << name;
        EXPECT_EQ(messages.texts[0], message) << name;
        EXPECT_EQ(sheet->GetActiveIndex(), iPage) << name;
        EXPECT_EQ(sheet->GetPage(iPage)->Edit(nId)->selectedText().toStdString(), text) << name;
        EXPECT_EQ(view.window.top, window.top) << name;
        EXPECT_EQ(view.window.bottom, window.bottom) << name;
        EXPECT_EQ(view.window.left, window.left) << name;
        EXPECT_EQ(view.window.right, window.right) << name;
        EXPECT_TRUE(view.hints.empty()) << name;
    }
    std::unique_ptr<CSettings> sheet;
};

TEST_F(SettingsSheetTest, PagesComeInTheirOrderWithTheDocumentsValues)
{
    const char* captions[] = {
        "Frequency Limits",      "Desired Response",   "Filters",
        "Speaker Border",        "Filter Border",      "Optimization Parameters",
        "Phase Response Border", "Filter Phase Border"};
    for (int i = 0; i < CSettings::kPageCount; ++i)
        EXPECT_STREQ(sheet->GetPage(i)->Caption(), captions[i]);
    EXPECT_EQ(sheet->windowTitle(), "Settings");
    EXPECT_EQ(sheet->m_pFrequencyLimits->GetDocument(), doc.get());
    EXPECT_EQ(sheet->m_pFrequencyLimits->Edit(1020)->text().toStdString(),
              std::to_string(doc->m_nSamplingFrequency));
    // The speaker response view's range, shown in Hz.
    response.window = {20.0, 1.0, -40.0, std::log10(24000.0)};
    CSettingsSheetValues values;
    doc->FillSettingsSheet(values);
    sheet->SetValues(values);
    EXPECT_EQ(sheet->m_pSpeakerViewBorder->Edit(1002)->text(), "10");
    EXPECT_EQ(sheet->m_pSpeakerViewBorder->Edit(1004)->text(), "24000");
    EXPECT_EQ(sheet->m_pSpeakerViewBorder->Edit(1007)->text(), "20");
    EXPECT_FALSE(sheet->ApplyButton()->isEnabled());
}

TEST_F(SettingsSheetTest, ApplyCapsTheHigherLimitAndTruncatesIntoTheDocument)
{
    Type(1020, "48000.7");
    Type(1018, "10.9");
    Type(1019, "30000");
    EXPECT_TRUE(sheet->ApplyButton()->isEnabled());
    ASSERT_TRUE(sheet->OnApply());
    EXPECT_EQ(doc->m_nSamplingFrequency, 48000);
    EXPECT_EQ(doc->m_nLowerFrequencyLimit, 10);
    EXPECT_EQ(doc->m_nHigherFrequencyLimit, 24000);
    EXPECT_EQ(sheet->m_pFrequencyLimits->Edit(1019)->text(), "24000");
    EXPECT_EQ(sheet->m_pFrequencyLimits->m_dHigherFrequencyLimit, 24000.0);
    // Into the application's settings and to every view.
    EXPECT_EQ(app.m_Settings.m_nHigherFrequencyLimit, 24000);
    EXPECT_EQ(app.m_Settings.m_nSamplingFrequency, 48000);
    EXPECT_EQ(response.hints.back(), kHintSettingsApplied);
    EXPECT_EQ(phaseFilter.hints.back(), kHintSettingsApplied);
    EXPECT_FALSE(sheet->ApplyButton()->isEnabled());
    EXPECT_FALSE(sheet->GetPage(0)->IsModified());
    EXPECT_EQ(sheet->result(), 0) << "Apply leaves the sheet open";
}

TEST_F(SettingsSheetTest, BorderFrequenciesReachTheViewsAsLogarithms)
{
    ASSERT_TRUE(sheet->SetActivePage(3));
    Type(1002, "10");
    Type(1004, "24000");
    Type(1003, "-30");
    Type(1007, "15");
    sheet->m_pSpeakerViewBorder->Check(1060)->setChecked(true);
    ASSERT_TRUE(sheet->OnApply());
    EXPECT_DOUBLE_EQ(response.window.left, 1.0);
    EXPECT_NEAR(response.window.right, 4.380211, 1e-6);
    EXPECT_EQ(response.window.bottom, -30.0);
    EXPECT_EQ(response.window.top, 15.0);
    EXPECT_TRUE(doc->m_SpeakerAutomaticScaling.IsOn());
    // Shown again as entered.
    CSettingsSheetValues values;
    doc->FillSettingsSheet(values);
    EXPECT_NEAR(values.views[0].dLowerFrequency, 10.0, 1e-9);
    EXPECT_NEAR(values.views[0].dUpperFrequency, 24000.0, 1e-6);
}

TEST_F(SettingsSheetTest, BadFieldsAreRefusedWithTheirMessagesAndChangeNothing)
{
    const int nSampling = doc->m_nSamplingFrequency;
    struct
    {
        int iPage;
        int nId;
        const char* text;
        const char* message;
    } const cases[] = {
        {0, 1020, "0", "Please enter a number between 1 and 200000."},
        {0, 1019, "30001", "Please enter a number between 1 and 30000."},
        {0, 1018, "abc", "Please enter a number."},
        {1, 1021, "1", "Please enter a number between -100 and 0."},
        {1, 1022, "-0.5", "Please enter a number between 0 and 100."},
        {2, 1024, "2.5", "Please enter an integer."},
        {3, 1002, "0.5", "Please enter a number between 1 and 200000."},
        {5, 1028, "0", "Please enter a number between 1e-11 and 10000000000."},
    };
    for (const auto& c : cases)
    {
        sheet = std::make_unique<CSettings>(132, doc.get(), nullptr, c.iPage);
        CSettingsSheetValues values;
        doc->FillSettingsSheet(values);
        sheet->SetValues(values);
        response.hints.clear();
        messages.texts.clear();
        Type(c.nId, c.text);
        EXPECT_FALSE(sheet->OnApply()) << c.text;
        EXPECT_FALSE(sheet->OnOK()) << c.text;
        EXPECT_EQ(sheet->result(), 0);
        // Another page cannot be chosen either.
        EXPECT_FALSE(sheet->SetActivePage(c.iPage == 7 ? 6 : 7));
        EXPECT_EQ(sheet->GetActiveIndex(), c.iPage);
        ASSERT_EQ(messages.texts.size(), 3u) << c.text;
        EXPECT_EQ(messages.texts[0], c.message);
        EXPECT_TRUE(response.hints.empty());
        EXPECT_EQ(doc->m_nSamplingFrequency, nSampling);
    }
}

TEST_F(SettingsSheetTest, ContradictingSettingsAreRefusedOnTheirPageAndChangeNothing)
{
    const int nLower = doc->m_nLowerFrequencyLimit;
    const CDoubleRect window = response.window;
    // A lower frequency limit above the higher one.
    Type(1018, "25000");
    Type(1019, "20000");
    EXPECT_FALSE(sheet->OnApply());
    EXPECT_FALSE(sheet->OnOK());
    EXPECT_EQ(sheet->result(), 0);
    ASSERT_EQ(messages.texts.size(), 2u);
    EXPECT_NE(messages.texts[0].find("LF is above the higher frequency limit HF"),
              std::string::npos);
    EXPECT_EQ(doc->m_nLowerFrequencyLimit, nLower);
    EXPECT_TRUE(response.hints.empty());
    EXPECT_TRUE(sheet->ApplyButton()->isEnabled());
    Type(1018, "20");

    // The speaker border's minimum decibels above its maximum: refused on that page even
    // when Apply is pressed on another one.
    ASSERT_TRUE(sheet->SetActivePage(3));
    Type(1003, "95");
    Type(1007, "60");
    ASSERT_TRUE(sheet->SetActivePage(1));
    messages.texts.clear();
    EXPECT_FALSE(sheet->OnApply());
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0],
              "Speaker Border: the Minimum Decibels must be below the Maximum Decibels.");
    EXPECT_EQ(sheet->GetActiveIndex(), 3);
    EXPECT_EQ(response.window.top, window.top);
    EXPECT_EQ(response.window.bottom, window.bottom);
    EXPECT_TRUE(response.hints.empty());

    // Corrected, the same values go through.
    Type(1007, "100");
    EXPECT_TRUE(sheet->OnApply());
    EXPECT_EQ(response.window.top, 100.0);
    EXPECT_EQ(response.window.bottom, 95.0);
}

// A value limit beyond the range the profile keeps (+-1000 dB or degrees, +-100000
// degrees for the speaker phase view) gave the view an axis it could not show: each border
// page refuses it with the range message, its field stays selected for the correction, and
// the document's views keep their limits.
TEST_F(SettingsSheetTest, ValueLimitsBeyondWhatTheProfileKeepsAreRefused)
{
    const struct
    {
        int iPage;
        RecordingView* pView;
        const char* message;
    } pages[] = {
        {3, &response, "Please enter a number between -1000 and 1000."},
        {4, &filter, "Please enter a number between -1000 and 1000."},
        {6, &phase, "Please enter a number between -100000 and 100000."},
        {7, &phaseFilter, "Please enter a number between -1000 and 1000."},
    };
    for (const auto& page : pages)
        for (const int nId : {1007, 1003})
            for (const char* text : {"1e308", "-1e308"})
            {
                const std::string name =
                    std::to_string(page.iPage) + "/" + std::to_string(nId) + ": " + text;
                OpenOn(page.iPage);
                const CDoubleRect window = page.pView->window;
                page.pView->hints.clear();
                Type(nId, text);
                ExpectRefused(page.iPage, nId, text, *page.pView, window, page.message, name);
            }
    // The bounds themselves are kept.
    OpenOn(6);
    Type(1007, "100000");
    Type(1003, "-100000");
    ASSERT_TRUE(sheet->OnApply());
    EXPECT_EQ(phase.window.top, 100000.0);
    EXPECT_EQ(phase.window.bottom, -100000.0);
}

// A window too narrow for its view to draw (1e-310 to 2e-310 dB has no finite scale, and
// its upper limit was drawn at the int range's end) lies within the value bounds: each
// border page refuses it, and one whose frequencies share their logarithm, with a message
// that names the least range; the view keeps its window. The least range itself is taken.
TEST_F(SettingsSheetTest, RangesTooNarrowForTheViewToDrawAreRefused)
{
    const struct
    {
        int iPage;
        RecordingView* pView;
        const char* caption;
        const char* word;
        const char* least; // of the value limits
    } pages[] = {
        {3, &response, "Speaker Border", "Decibels", "1e-09"},
        {4, &filter, "Filter Border", "Decibels", "1e-09"},
        {6, &phase, "Phase Response Border", "Degrees", "1e-07"},
        {7, &phaseFilter, "Filter Phase Border", "Degrees", "1e-09"},
    };
    const struct
    {
        int nMaxId, nMinId;
        const char* upper;
        const char* lower;
        bool bValues; // else frequencies
    } ranges[] = {
        {1007, 1003, "2e-310", "1e-310", true},
        {1007, 1003, "20", "19.9999999999", true},
        {1004, 1002, "200000", "199999.999999999", false},
    };
    for (const auto& page : pages)
        for (const auto& range : ranges)
        {
            const std::string name =
                std::string(page.caption) + ": " + range.lower + " to " + range.upper;
            OpenOn(page.iPage);
            const CDoubleRect window = page.pView->window;
            page.pView->hints.clear();
            Type(range.nMaxId, range.upper);
            Type(range.nMinId, range.lower);
            const std::string what = range.bValues ? page.word : "Frequency";
            // The frequencies' least span in the Hz typed, at the Maximum Frequency typed.
            const std::string least = range.bValues ? page.least : "0.0000047 Hz";
            ExpectRefused(page.iPage, range.nMinId, range.lower, *page.pView, window,
                          std::string(page.caption) + ": the Minimum " + what +
                              " must be at least " + least + " below the Maximum " + what +
                              "; the view cannot draw a narrower range.",
                          name);
        }
    // The least range of the speaker phase view reaches it.
    OpenOn(6);
    Type(1007, "0.0000001");
    Type(1003, "0");
    ASSERT_TRUE(sheet->OnApply());
    EXPECT_EQ(phase.window.top, 1e-7);
    EXPECT_EQ(phase.window.bottom, 0.0);
    // A Minimum Frequency the Hz named below the maximum is taken.
    OpenOn(3);
    Type(1004, "200000");
    Type(1002, "199999.9999953");
    EXPECT_TRUE(sheet->OnApply());
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(SettingsSheetTest, OKHandsTheEditedValuesBack)
{
    Type(1019, "18000");
    ASSERT_TRUE(sheet->SetActivePage(2));
    sheet->m_pFilterSettings->Check(1023)->click();
    Type(1024, "12");
    ASSERT_TRUE(sheet->SetActivePage(5));
    Type(1080, "0.25");
    ASSERT_TRUE(sheet->OnOK());
    EXPECT_EQ(sheet->result(), QDialog::Accepted);
    CSettingsSheetValues values;
    sheet->GetValues(values);
    EXPECT_EQ(values.dHigherFrequencyLimit, 18000.0);
    EXPECT_TRUE(values.bLimitNumberOfFilters);
    EXPECT_EQ(values.nMaximumNumberOfFilters, 12);
    EXPECT_EQ(values.dJointOptParam, 0.25);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(SettingsSheetTest, AFilterLimitBelowOneFilterIsRefusedOnItsPage)
{
    const int nCount = GetFilterLimitCount(doc->m_LimitNumberOfFilters);
    ASSERT_TRUE(sheet->SetActivePage(2));
    sheet->m_pFilterSettings->Check(1023)->click();
    for (const char* text : {"-2", "0"})
    {
        Type(1024, text);
        ASSERT_TRUE(sheet->SetActivePage(0)); // Apply and OK on another page
        messages.texts.clear();
        EXPECT_FALSE(sheet->OnApply()) << text;
        EXPECT_FALSE(sheet->OnOK()) << text;
        EXPECT_EQ(sheet->result(), 0);
        ASSERT_EQ(messages.texts.size(), 2u) << text;
        EXPECT_EQ(messages.texts[0], "Filters: the Maximum Number of Filters must be 1 or more "
                                     "while the number of filters is limited.");
        EXPECT_EQ(sheet->GetActiveIndex(), 2);
        EXPECT_TRUE(doc->m_LimitNumberOfFilters.IsOff()) << text;
        EXPECT_EQ(GetFilterLimitCount(doc->m_LimitNumberOfFilters), nCount) << text;
        EXPECT_TRUE(response.hints.empty());
    }
    Type(1024, "1");
    EXPECT_TRUE(sheet->OnApply());
    EXPECT_TRUE(doc->m_LimitNumberOfFilters.IsOn());
    EXPECT_EQ(GetFilterLimitCount(doc->m_LimitNumberOfFilters), 1);
}

TEST_F(SettingsSheetTest, TheFilterCountIsEditableOnlyWhileLimited)
{
    CFilterSettings& page = *sheet->m_pFilterSettings;
    page.m_bLimitNumberOfFilters = false;
    page.OnInitDialog();
    EXPECT_FALSE(page.Edit(1024)->isEnabled());
    page.Check(1023)->click();
    EXPECT_TRUE(page.Edit(1024)->isEnabled());
    EXPECT_TRUE(page.IsModified());
    page.Check(1023)->click();
    EXPECT_FALSE(page.Edit(1024)->isEnabled());
}

TEST_F(SettingsSheetTest, ANegativeOptimizationParameterBecomesOneHundredth)
{
    COptimizationParameters& page = *sheet->m_pOptimizationParameters;
    int nWarnings = 0;
    page.showLowerLimitExceeded = [&] { ++nWarnings; };
    ASSERT_TRUE(sheet->SetActivePage(5));
    Type(1080, "-1");
    page.OnKillFocusParameter();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "Please enter a number between 1e-11 and 10000000000.");
    EXPECT_EQ(nWarnings, 1);
    EXPECT_EQ(page.m_dJointFilterParameter, 0.01);
    EXPECT_EQ(page.Edit(1080)->text(), "0.01");
    // Zero passes the below-zero check but not the bounds.
    messages.texts.clear();
    Type(1028, "0");
    page.OnKillFocusParameter();
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(nWarnings, 1);
    EXPECT_EQ(page.Edit(1028)->text(), "0");
}

TEST_F(SettingsSheetTest, PagesWithoutADocumentRefuseIt)
{
    CFrequencyLimits page;
    EXPECT_FALSE(page.SetDocument(nullptr));
    EXPECT_EQ(page.GetDocument(), nullptr);
    // A sheet without a document still checks its pages.
    CSettings bare("Settings", nullptr);
    bare.SetValues({});
    EXPECT_FALSE(bare.OnApply());
}
} // namespace
