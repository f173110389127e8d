// Screenshots of the two compression windows with a setting other than the default, for
// a person to look at (compression_qzx2202.png and compression_qzx241x.png in this build
// folder), with the checks that the curves made it onto the screen.
#include "tests/shell/CompressionWindowFixture.h"

#include "drc/ui/DRC_View.h"
#include "drc/ui/QZX2410_DRC_View.h"

#include <QRadioButton>

namespace
{
// Pixels of exactly that colour in the view's image.
int PixelsOf(const QImage& image, QRgb color)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) | 0xFF000000) == (color | 0xFF000000);
    return n;
}
} // namespace

TEST_F(CompressionWindowTest, TheQZX2202WindowWithAnExpansionAboveAndACompressionBelow)
{
    Open(CMorvaneApp::ID_DEVICE_QZX2202, CMorvaneApp::ID_DESIGN_QZX2202_COMPRESSION);
    auto* view = ViewOf<CDRC_View>(EDesignWindow::QZX2202Compression);
    ASSERT_NE(view, nullptr);
    CDRC_GUI* dialog = view->GetControlDialog();
    ASSERT_NE(dialog, nullptr);
    Child<QSlider>(dialog, "ThresholdSlider")->setValue(80); // -30 dB
    auto* above = Child<QComboBox>(dialog, "AboveExpansion");
    above->setCurrentIndex(6);
    above->hidePopup();
    auto* below = Child<QComboBox>(dialog, "BelowCompression");
    below->setCurrentIndex(8);
    below->hidePopup();
    Child<QComboBox>(dialog, "AttackTime")->setCurrentIndex(4);
    Child<QAbstractButton>(dialog, "Apply")->click();
    EXPECT_TRUE(m_Messages.texts.empty());
    QCoreApplication::processEvents();

    view->Redraw(true);
    const QImage& image = view->RetainedImage();
    EXPECT_GT(PixelsOf(image, qRgb(255, 0, 0)), 200);
    EXPECT_GT(PixelsOf(image, qRgb(0, 0, 255)), 200);
    EXPECT_GT(PixelsOf(image, qRgb(0, 255, 0)), 200);
    SaveScreenshot(m_pApp->m_pMainFrame, dialog, "compression_qzx2202.png");
}

TEST_F(CompressionWindowTest, TheQZX241XWindowWithMovedThresholdsAndASpecifiedOffset)
{
    Open(CMorvaneApp::ID_DEVICE_QZX6060, CMorvaneApp::ID_DESIGN_QZX6060_COMPRESSION);
    auto* view = ViewOf<CQZX2410_DRC_View>(EDesignWindow::QZX241XCompression);
    ASSERT_NE(view, nullptr);
    CQZX2410_DRC_GUI* dialog = view->GetControlDialog();
    ASSERT_NE(dialog, nullptr);
    Child<QSlider>(dialog, "Threshold1Slider")->setValue(1300);
    Child<QSlider>(dialog, "Threshold2Slider")->setValue(400);
    Child<QLineEdit>(dialog, "Ratio1")->setText("3");
    Child<QLineEdit>(dialog, "Ratio2")->setText("10");
    Child<QRadioButton>(dialog, "Region0Compression")->click();
    Child<QLineEdit>(dialog, "Ratio0")->setText("1.5");
    Child<QRadioButton>(dialog, "SpecifyOffset1")->click();
    Child<QLineEdit>(dialog, "Offset1")->setText("-6");
    Child<QLineEdit>(dialog, "Offset2")->setText("3");
    ASSERT_TRUE(dialog->OnApply());
    EXPECT_TRUE(m_Messages.texts.empty());
    QCoreApplication::processEvents();

    view->Redraw(true);
    const QImage& image = view->RetainedImage();
    EXPECT_GT(PixelsOf(image, qRgb(0, 0, 255)), 300);
    EXPECT_GT(PixelsOf(image, qRgb(0, 255, 0)), 200);
    SaveScreenshot(m_pApp->m_pMainFrame, dialog, "compression_qzx241x.png");
}
