// The create-loudness-filter sheets offscreen: their pages and boxes, OK right after
// opening, typing into the boxes, refusals, the Decimal/Hex choice and Calculate Plot Gain,
// and a sheet filled from a filter.
#include "../framework/QtTestApp.h"
#include "LoudnessManagersFixture.h"
#include "framework/core/Services.h"
#include "loudness/DigitalSectionDesigner.h"
#include "loudness/LoudnessDoc.h"
#include "loudness/QZX2202LoudnessManager.h"
#include "loudness/QZX2410_LoudnessManager.h"
#include "loudness/ui/CreateLoudnessFilter.h"
#include "loudness/ui/CreateQZX2410LoudnessFilter.h"
#include "loudness/ui/LoudnessPageWidget.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace
{
using Page = CCreateLoudnessPage;

class CreateLoudnessSheetTest : public LoudnessManagersTest<CFlatSectionDesigner>
{
protected:
    void SetUp() override
    {
        TestApp();
        LoudnessManagersTest::SetUp();
    }
    // Types into a box as the user does (the box's text replaced).
    static void Type(CLoudnessPageWidget& page, int nId, const char* text)
    {
        QLineEdit* box = page.Box(nId);
        ASSERT_NE(box, nullptr) << nId;
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    static QString Text(CLoudnessPageWidget& page, int nId) { return page.Box(nId)->text(); }
};
} // namespace

TEST_F(CreateLoudnessSheetTest, FivePagesWithTheirBoxes)
{
    CCreateQZX2410LoudnessFilter sheet(m_2410, true);
    EXPECT_EQ(sheet.windowTitle(), "Create Loudness Filter");
    ASSERT_EQ(sheet.Tabs()->count(), 5);
    const char* tabs[] = {"EQ Base Type", "Treble Base Type", "Bass Base Type",
                          "Base Type Coefficients", "Loudness Coefficients"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(sheet.Tabs()->tabText(i), tabs[i]);
    CLoudnessPageWidget& eq = *sheet.PageWidget(0);
    EXPECT_EQ(Text(eq, Page::IDC_LOG_SPACE_GAIN), "-0.5");
    EXPECT_EQ(Text(eq, Page::IDC_PLOT_VOLUME), "1");
    EXPECT_NE(eq.CalculateButton(), nullptr);
    EXPECT_EQ(eq.DecimalButton(), nullptr);
    CLoudnessPageWidget& coefficients = *sheet.PageWidget(4);
    ASSERT_NE(coefficients.DecimalButton(), nullptr);
    EXPECT_TRUE(coefficients.DecimalButton()->isChecked());
    EXPECT_EQ(Text(coefficients, Page::IDC_COEFF_1), "");
    EXPECT_FALSE(sheet.ApplyButton()->isEnabled());

    CCreateLoudnessFilter qzx2202(m_2202);
    EXPECT_EQ(qzx2202.PageWidget(0)->CalculateButton(), nullptr);
    EXPECT_EQ(qzx2202.PageWidget(0)->Box(Page::IDC_LOG_SPACE_GAIN), nullptr);
}

TEST_F(CreateLoudnessSheetTest, OKRightAfterOpeningAddsNothing)
{
    CCreateLoudnessFilter sheet(m_2202);
    sheet.show();
    for (int i = 0; i < 5; ++i)
        sheet.Tabs()->setCurrentIndex(i);
    sheet.accept();
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    for (int kind = 0; kind < kLoudnessKindCount; ++kind)
        EXPECT_EQ(m_2202.List(kind)->GetSize(), 0);
    EXPECT_TRUE(m_Box.texts.empty());
}

TEST_F(CreateLoudnessSheetTest, TypedPagesAddOneFilterEachInTabOrder)
{
    CCreateLoudnessFilter sheet(m_2202);
    sheet.show();
    CLoudnessPageWidget& eq = *sheet.PageWidget(0);
    Type(eq, Page::IDC_EQ_GAIN, "6");
    Type(eq, Page::IDC_BANDWIDTH, "200");
    Type(eq, Page::IDC_CENTER_FREQUENCY, "1000");
    EXPECT_TRUE(sheet.ApplyButton()->isEnabled());
    CLoudnessPageWidget& bass = *sheet.PageWidget(2);
    Type(bass, Page::IDC_BASS_GAIN, "3");
    Type(bass, Page::IDC_CUT_FREQUENCY, "100");
    QTest::mouseClick(sheet.ApplyButton(), Qt::LeftButton);
    EXPECT_EQ(m_View.curves.size(), 2u);
    EXPECT_EQ(m_View.curves.at(0).label, "LDEQ-1");
    EXPECT_EQ(m_View.curves.at(1).label, "LDBS-1");
    EXPECT_FALSE(sheet.ApplyButton()->isEnabled());
    // Applying again without a change adds nothing.
    sheet.accept();
    EXPECT_EQ(m_View.curves.size(), 2u);
}

TEST_F(CreateLoudnessSheetTest, ARefusalKeepsTheSheetOpenOnItsPage)
{
    CCreateLoudnessFilter sheet(m_2202);
    sheet.show();
    CLoudnessPageWidget& treble = *sheet.PageWidget(1);
    Type(treble, Page::IDC_TREBLE_GAIN, "4");
    Type(treble, Page::IDC_CUT_FREQUENCY, "24000");
    sheet.Tabs()->setCurrentIndex(0);
    sheet.accept();
    EXPECT_EQ(sheet.result(), 0);
    EXPECT_EQ(sheet.Tabs()->currentIndex(), 1);
    ASSERT_EQ(m_Box.texts.size(), 1u);
    EXPECT_NE(m_Box.texts[0].find("cut frequency"), std::string::npos);
    EXPECT_TRUE(m_View.curves.empty());
    Type(treble, Page::IDC_CUT_FREQUENCY, "5000");
    sheet.accept();
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(m_View.curves.size(), 1u);
}

namespace
{
// The sheets with the program's own section designer.
class DesignedLoudnessSheetTest : public LoudnessManagersTest<CDigitalSectionDesigner>
{
protected:
    void SetUp() override
    {
        TestApp();
        LoudnessManagersTest::SetUp();
    }
};

void TypeInto(CLoudnessPageWidget& page, int nId, const char* text)
{
    QLineEdit* box = page.Box(nId);
    ASSERT_NE(box, nullptr) << nId;
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}
} // namespace

TEST_F(DesignedLoudnessSheetTest, OKRefusesABandwidthWhoseSectionIsNotFiniteOnBothFamiliesSheets)
{
    CCreateLoudnessFilter qzx2202(m_2202);
    CCreateQZX2410LoudnessFilter qzx241x(m_2410, false);
    for (CCreateLoudnessSheet* sheet : {static_cast<CCreateLoudnessSheet*>(&qzx2202),
                                        static_cast<CCreateLoudnessSheet*>(&qzx241x)})
    {
        m_Box.texts.clear();
        m_View.curves.clear();
        sheet->show();
        CLoudnessPageWidget& eq = *sheet->PageWidget(kLoudnessEQBased);
        TypeInto(eq, Page::IDC_EQ_GAIN, "6");
        TypeInto(eq, Page::IDC_BANDWIDTH, "1e308");
        TypeInto(eq, Page::IDC_CENTER_FREQUENCY, "1000");
        sheet->Tabs()->setCurrentIndex(3);
        sheet->accept();
        EXPECT_EQ(sheet->result(), 0);
        EXPECT_TRUE(sheet->isVisible());
        EXPECT_EQ(sheet->Tabs()->currentIndex(), kLoudnessEQBased);
        ASSERT_EQ(m_Box.texts.size(), 1u);
        EXPECT_NE(m_Box.texts[0].find("finite"), std::string::npos);
        EXPECT_TRUE(m_View.curves.empty());
        EXPECT_TRUE(sheet->ApplyButton()->isEnabled());
        TypeInto(eq, Page::IDC_BANDWIDTH, "200");
        sheet->accept();
        EXPECT_EQ(sheet->result(), QDialog::Accepted);
        ASSERT_EQ(m_View.curves.size(), 1u);
        EXPECT_EQ(m_View.curves[0].label, "LDEQ-1");
    }
}

TEST_F(CreateLoudnessSheetTest, TheChosenBaseConvertsOnceAndOnlyReadableTexts)
{
    CCreateLoudnessFilter sheet(m_2202);
    sheet.show();
    sheet.Tabs()->setCurrentIndex(3);
    CLoudnessPageWidget& page = *sheet.PageWidget(3);
    const char* typed[] = {"1", "0.5", "0.25", "-0.5", "0.125"};
    for (int k = 0; k < 5; ++k)
        Type(page, Page::IDC_COEFF_1 + k, typed[k]);
    page.HexButton()->click();
    EXPECT_EQ(Text(page, Page::IDC_COEFF_1), "100000");
    EXPECT_EQ(Text(page, Page::IDC_COEFF_1 + 3), "F80000");
    page.HexButton()->click();
    EXPECT_EQ(Text(page, Page::IDC_COEFF_1), "100000");
    EXPECT_TRUE(page.HexButton()->isChecked());
    page.DecimalButton()->click();
    EXPECT_EQ(Text(page, Page::IDC_COEFF_1 + 3), "-0.500000000000000");

    Type(page, Page::IDC_COEFF_1 + 2, "a quarter");
    page.HexButton()->click();
    EXPECT_EQ(m_Box.texts.size(), 1u);
    EXPECT_TRUE(page.DecimalButton()->isChecked());
    EXPECT_EQ(Text(page, Page::IDC_COEFF_1), " 1.000000000000000");
    EXPECT_EQ(Text(page, Page::IDC_COEFF_1 + 2), "a quarter");
}

TEST_F(CreateLoudnessSheetTest, CalculatePlotGainShowsItsResultOrItsRefusal)
{
    m_bQZX6060 = true;
    CCreateQZX2410LoudnessFilter sheet(m_2410, true);
    sheet.show();
    CLoudnessPageWidget& page = *sheet.PageWidget(1);
    sheet.Tabs()->setCurrentIndex(1);
    Type(page, Page::IDC_LOG_SPACE_GAIN, "0");
    Type(page, Page::IDC_GAIN, "10");
    Type(page, Page::IDC_PLOT_VOLUME, "0");
    QTest::mouseClick(page.CalculateButton(), Qt::LeftButton);
    EXPECT_EQ(m_Box.texts.size(), 1u);
    EXPECT_EQ(Text(page, Page::IDC_PLOT_GAIN), "1");
    Type(page, Page::IDC_PLOT_VOLUME, "1");
    QTest::mouseClick(page.CalculateButton(), Qt::LeftButton);
    EXPECT_EQ(Text(page, Page::IDC_PLOT_GAIN), "10");
    EXPECT_EQ(m_Box.texts.size(), 1u);
}

TEST_F(CreateLoudnessSheetTest, FilledFromAFilterOnItsKindsPage)
{
    std::string name;
    ASSERT_TRUE(m_2202.AddTrebleBasedFilter(4, 5000, 2, 3, name));
    CCreateLoudnessFilter sheet(m_2202);
    ASSERT_TRUE(sheet.SetLoudnessInfo(kLoudnessTrebleBased,
                                      m_2202.List(kLoudnessTrebleBased)->GetAt(0), nullptr));
    EXPECT_EQ(sheet.Tabs()->currentIndex(), 1);
    CLoudnessPageWidget& page = *sheet.PageWidget(1);
    EXPECT_EQ(Text(page, Page::IDC_TREBLE_GAIN), "4");
    EXPECT_EQ(Text(page, Page::IDC_CUT_FREQUENCY), "5000");
    EXPECT_EQ(Text(page, Page::IDC_PLOT_VOLUME), "3");
    EXPECT_FALSE(sheet.ApplyButton()->isEnabled());
}

namespace
{
// The page of a kind in a sheet is the named page class, of that kind and family.
template <class TPage>
void ExpectNamedPage(const CCreateLoudnessSheet& sheet, int kind, ELoudnessFamily family)
{
    const auto* page = dynamic_cast<const TPage*>(sheet.PageWidget(kind));
    ASSERT_NE(page, nullptr) << kind;
    EXPECT_EQ(page->Page().GetKind(), kind);
    EXPECT_EQ(page->Page().GetFamily(), family);
}
} // namespace

TEST_F(CreateLoudnessSheetTest, EachNamedPageIsThePageOfItsKindAndFamily)
{
    constexpr ELoudnessFamily k2202 = ELoudnessFamily::QZX2202;
    CCreateLoudnessFilter qzx2202(m_2202);
    ExpectNamedPage<CEQ_BaseType>(qzx2202, kLoudnessEQBased, k2202);
    ExpectNamedPage<CTrebleBaseType>(qzx2202, kLoudnessTrebleBased, k2202);
    ExpectNamedPage<CBassBaseType>(qzx2202, kLoudnessBassBased, k2202);
    ExpectNamedPage<CBaseTypeCoefficients>(qzx2202, kLoudnessBaseTypeCoeff, k2202);
    ExpectNamedPage<CLoudnessCoefficients>(qzx2202, kLoudnessCoeff, k2202);

    constexpr ELoudnessFamily k241X = ELoudnessFamily::QZX241X;
    CCreateQZX2410LoudnessFilter qzx2410(m_2410, false);
    ExpectNamedPage<CQZX2410EQ_BaseType>(qzx2410, kLoudnessEQBased, k241X);
    ExpectNamedPage<CQZX2410TrebleBaseType>(qzx2410, kLoudnessTrebleBased, k241X);
    ExpectNamedPage<CQZX2410BassBaseType>(qzx2410, kLoudnessBassBased, k241X);
    ExpectNamedPage<CQZX2410BaseTypeCoeff>(qzx2410, kLoudnessBaseTypeCoeff, k241X);
    ExpectNamedPage<CQZX2410LoudnessCoeff>(qzx2410, kLoudnessCoeff, k241X);
    // The QZX2410/QZX6060 page starts from the Log-space Gain of the device selected.
    EXPECT_EQ(Text(*qzx2410.PageWidget(kLoudnessEQBased), Page::IDC_LOG_SPACE_GAIN), "0.5");
    EXPECT_EQ(dynamic_cast<CEQ_BaseType*>(qzx2410.PageWidget(kLoudnessEQBased)), nullptr);
}
