// The calculation workflow's small dialogs and the confirmations, on their own and as the
// application shows them for the speaker document.
#include "../framework/QtTestApp.h"
#include "tests/shell/ModalDialogs.h"

#include "device/DeviceDataCheck.h"
#include "document/MorvaneDoc.h"
#include "framework/core/Services.h"
#include "shell/dialogs/ConfirmMarkDlg.h"
#include "shell/dialogs/ContinueCalcDlg.h"
#include "shell/dialogs/LogSampleDlg.h"
#include "shell/dialogs/LowerLimitExceededDlg.h"
#include "shell/dialogs/SaveFilesDlg.h"
#include "shell/dialogs/Settings.h"
#include "shell/dialogs/SettingsPage.h"
#include "shell/ui/DeviceDialogs.h"
#include "shell/ui/MorvaneApp.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace
{
namespace fs = std::filesystem;

class DialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApp();
        Services::SetMessageBox(&m_Messages);
    }
    void TearDown() override { Services::SetMessageBox(nullptr); }
    CRecordingMessageBox m_Messages;
};

TEST_F(DialogTest, ContinueCalculationShowsTheFilterNumberAndAnswers)
{
    ContinueCalcDlg dialog(7);
    EXPECT_EQ(dialog.windowTitle(), "Continue Calculation");
    EXPECT_EQ(dialog.FilterNumberEdit()->text(), "7");
    OnNextModal<ContinueCalcDlg>([](ContinueCalcDlg& d) { d.accept(); });
    EXPECT_EQ(dialog.exec(), 1);
    OnNextModal<ContinueCalcDlg>([](ContinueCalcDlg& d) { d.reject(); });
    EXPECT_EQ(dialog.exec(), 0);
}

TEST_F(DialogTest, LogSampleAcceptsOnlyCountsFrom150To100000000)
{
    CLogSampleDlg dialog;
    EXPECT_EQ(dialog.m_nPoints, 300);
    EXPECT_EQ(dialog.PointsEdit()->text(), "300");
    const std::string range = "Please enter an integer between 150 and 100000000.";
    struct
    {
        const char* text;
        const char* message; // null: accepted
    } const cases[] = {
        {"149", range.c_str()},
        {"100000001", range.c_str()},
        {"-5", range.c_str()},
        {"abc", "Please enter an integer."},
        {"200.5", "Please enter an integer."},
        {"", "Please enter an integer."},
        {"150", nullptr},
        {" 100000000 ", nullptr},
    };
    for (const auto& c : cases)
    {
        m_Messages.texts.clear();
        dialog.setResult(0);
        dialog.m_nPoints = 300;
        dialog.PointsEdit()->setText(c.text);
        EXPECT_EQ(dialog.OnOK(), c.message == nullptr) << c.text;
        if (c.message)
        {
            ASSERT_EQ(m_Messages.texts.size(), 1u) << c.text;
            EXPECT_EQ(m_Messages.texts[0], c.message);
            EXPECT_EQ(dialog.m_nPoints, 300) << c.text;
            EXPECT_EQ(dialog.result(), 0) << "the dialog stays open";
        }
        else
        {
            EXPECT_TRUE(m_Messages.texts.empty());
            EXPECT_EQ(dialog.result(), QDialog::Accepted);
        }
    }
    EXPECT_EQ(dialog.m_nPoints, 100000000);
}

TEST_F(DialogTest, ConfirmationsShowTheQuestionAndAnswer)
{
    CConfirmMarkDlg fixed(EConfirmMark::Fixed, "EQ-3");
    EXPECT_EQ(fixed.windowTitle(), "Confirm Mark As Fixed");
    EXPECT_EQ(fixed.TextEdit()->text(), "Mark As Fixed EQ-3?");
    EXPECT_EQ(fixed.m_strText, "Mark As Fixed EQ-3?");
    OnNextModal<CConfirmMarkDlg>([](CConfirmMarkDlg& d) { d.accept(); });
    EXPECT_EQ(fixed.DoModal(), 1);

    CConfirmMarkDlg active(EConfirmMark::Active, "");
    EXPECT_EQ(active.TextEdit()->text(), "Mark as Active ?");
    OnNextModal<CConfirmMarkDlg>([](CConfirmMarkDlg& d) { d.reject(); });
    EXPECT_EQ(active.DoModal(), 2);
}

TEST_F(DialogTest, SaveFilesTakesTicksAndNamesOnlyOnYes)
{
    struct
    {
        const char* how;
        int nResult;
        bool bTaken;
    } const cases[] = {{"Yes", 1, true}, {"No", 0, false}, {"Escape", 2, false}};
    for (const auto& c : cases)
    {
        CSaveFilesDlg dialog;
        EXPECT_EQ(dialog.windowTitle(), "Save Files On Exit?");
        dialog.m_Files[CSaveFilesDlg::kRawResponse] = {true, "/m/spk1.raw"};
        dialog.m_Files[CSaveFilesDlg::kFilterCoefficients] = {true, "/m/spk1.flt"};
        dialog.OnInitDialog();
        EXPECT_EQ(dialog.Check(CSaveFilesDlg::kModifiedResponse)->text(),
                  "Modifiled Response File");
        EXPECT_FALSE(dialog.Check(CSaveFilesDlg::kDeviceData)->isChecked());
        dialog.Check(CSaveFilesDlg::kRawResponse)->setChecked(false);
        dialog.Name(CSaveFilesDlg::kFilterCoefficients)->setText("/m/other.flt");
        OnNextModal<CSaveFilesDlg>(
            [&c](CSaveFilesDlg& d)
            {
                if (std::string(c.how) == "Yes")
                    d.OnYes();
                else if (std::string(c.how) == "No")
                    d.OnNo();
                else
                {
                    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                    QApplication::sendEvent(&d, &escape);
                }
            });
        EXPECT_EQ(dialog.DoModal(), c.nResult) << c.how;
        EXPECT_EQ(dialog.m_Files[CSaveFilesDlg::kRawResponse].bSave, !c.bTaken) << c.how;
        EXPECT_EQ(dialog.m_Files[CSaveFilesDlg::kFilterCoefficients].name,
                  c.bTaken ? "/m/other.flt" : "/m/spk1.flt")
            << c.how;
        EXPECT_TRUE(dialog.m_Files[CSaveFilesDlg::kFilterCoefficients].bSave);
    }
}

// The rows' texts, top to bottom, as the question shows them and as a message names a
// file of the question that has no name.
TEST_F(DialogTest, SaveFilesRowsCarryTheirTexts)
{
    const char* const kTexts[] = {
        "Raw Response File",        "Desired Response File",   "Master Point File",
        "Filter Parameters File",   "QZX2xxx Data File",       "Modifiled Response File",
        "Filter Coefficients File", "Other QZX2xxx Data File",
    };
    CSaveFilesDlg dialog;
    dialog.OnInitDialog();
    for (int i = 0; i < CSaveFilesDlg::kFileCount; ++i)
    {
        const auto file = CSaveFilesDlg::EFile(i);
        EXPECT_EQ(dialog.Check(file)->text().toStdString(), kTexts[i]) << i;
        EXPECT_STREQ(CSaveFilesChoice::Label(file), kTexts[i]) << i;
    }
}

// The application with a raw response open, in a folder of its own.
class AppDialogTest : public DialogTest
{
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        m_Folder = fs::temp_directory_path() / ("morvane_dialogs_" + std::to_string(::getpid()));
        fs::remove_all(m_Folder);
        fs::create_directories(m_Folder);
        m_StartFolder = fs::current_path();
        m_pApp = std::make_unique<CMorvaneApp>((m_Folder / "profile.ini").string());
        ASSERT_TRUE(m_pApp->InitInstance({}, false));
        Services::SetMessageBox(&m_Messages);
    }
    void TearDown() override
    {
        m_pApp->ExitInstance();
        m_pApp.reset();
        fs::current_path(m_StartFolder);
        fs::remove_all(m_Folder);
        DialogTest::TearDown();
    }
    void OpenRaw()
    {
        const fs::path path = m_Folder / "speaker.raw";
        std::ofstream out(path);
        out << "speaker\nHz dB deg\n";
        for (int i = 0; i < 200; ++i)
            out << 20.0 * std::pow(1000.0, i / 199.0) << " " << (i % 7) * 0.5 << " 0\n";
        out.close();
        ASSERT_NE(m_pApp->OpenDocumentFile(path.string()), nullptr);
    }
    fs::path m_Folder;
    fs::path m_StartFolder;
    std::unique_ptr<CMorvaneApp> m_pApp;
};

TEST_F(AppDialogTest, LogSampleRawCurveAsksForThePointCount)
{
    CMorvaneApp& app = *m_pApp;
    EXPECT_FALSE(app.GetCommandState(32858).bEnabled) << "no raw response yet";
    OpenRaw();
    ASSERT_TRUE(app.GetCommandState(32858).bEnabled);
    // Cancel leaves the response as it is.
    OnNextModal<CLogSampleDlg>([](CLogSampleDlg& d) { d.reject(); });
    ASSERT_TRUE(app.ExecuteCommand(32858));
    EXPECT_EQ(app.m_pMorvaneDoc->m_nRawPoints, 200);
    // A count below 150 is refused and the dialog stays; then 160 goes through.
    OnNextModal<CLogSampleDlg>(
        [this](CLogSampleDlg& d)
        {
            EXPECT_EQ(d.PointsEdit()->text(), "300");
            d.PointsEdit()->setText("20");
            EXPECT_FALSE(d.OnOK());
            EXPECT_EQ(m_Messages.texts.back(),
                      "Please enter an integer between 150 and 100000000.");
            d.PointsEdit()->setText("160");
            EXPECT_TRUE(d.OnOK());
        });
    ASSERT_TRUE(app.ExecuteCommand(32858));
    EXPECT_EQ(app.m_pMorvaneDoc->m_nRawPoints, 160);
    // Offered once per opened response.
    EXPECT_FALSE(app.GetCommandState(32858).bEnabled);
}

TEST_F(AppDialogTest, ContinueCalculationAnswersForTheDocument)
{
    CMorvaneApp& app = *m_pApp;
    OnNextModal<ContinueCalcDlg>(
        [](ContinueCalcDlg& d)
        {
            EXPECT_EQ(d.FilterNumberEdit()->text(), "2");
            d.reject();
        });
    EXPECT_FALSE(app.AskContinueCalculation(2));
    OnNextModal<ContinueCalcDlg>([](ContinueCalcDlg& d) { d.accept(); });
    EXPECT_TRUE(app.AskContinueCalculation(3));
    // The pause command is on the menu and follows the document's state.
    EXPECT_TRUE(app.HasCommand(32856));
    EXPECT_EQ(app.GetCommandState(32856).bEnabled,
              app.m_pMorvaneDoc->OnUpdateCalculateModifiedResponseAndPause().bEnabled);
}

TEST_F(AppDialogTest, ViewSettingsRunsTheSheetForTheDocument)
{
    CMorvaneApp& app = *m_pApp;
    CMorvaneDoc& doc = *app.m_pMorvaneDoc;
    ASSERT_TRUE(app.GetCommandState(32799).bEnabled);
    const int nHigher = doc.m_nHigherFrequencyLimit;
    // Cancel changes nothing, whatever was typed.
    OnNextModal<CSettings>(
        [](CSettings& sheet)
        {
            sheet.GetPage(0)->Edit(1019)->setText("1000");
            sheet.reject();
        });
    ASSERT_TRUE(app.ExecuteCommand(32799));
    EXPECT_EQ(doc.m_nHigherFrequencyLimit, nHigher);
    EXPECT_EQ(app.m_Settings.m_nHigherFrequencyLimit, nHigher);
    // OK: the sheet showed the document's values and hands the edit back.
    OnNextModal<CSettings>(
        [&doc](CSettings& sheet)
        {
            EXPECT_EQ(sheet.windowTitle(), "Settings");
            EXPECT_EQ(sheet.GetPage(0)->Edit(1019)->text().toStdString(),
                      std::to_string(doc.m_nHigherFrequencyLimit));
            sheet.GetPage(0)->Edit(1020)->setText("48000");
            sheet.GetPage(0)->Edit(1019)->setText("30000");
            EXPECT_TRUE(sheet.OnOK());
        });
    ASSERT_TRUE(app.ExecuteCommand(32799));
    EXPECT_EQ(doc.m_nSamplingFrequency, 48000);
    EXPECT_EQ(doc.m_nHigherFrequencyLimit, 24000);
    EXPECT_EQ(app.m_Settings.m_nHigherFrequencyLimit, 24000);
}
} // namespace

TEST_F(DialogTest, LowerLimitWarningShowsItsTextWithOK)
{
    CLowerLimitExceededDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Lower Limit of Optimization Parameter Exceeded");
    const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0]->text(), "Optimization Parameters can not be less than zero.");
    OnNextModal<CLowerLimitExceededDlg>(
        [](CLowerLimitExceededDlg& d)
        { d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

TEST_F(DialogTest, SaveFilesShowsTheOtherDeviceDataOnlyWhenAsked)
{
    for (bool bShown : {false, true})
    {
        CSaveFilesDlg dialog;
        dialog.m_Choice.bOtherDeviceDataShown = bShown;
        dialog.m_Files[CSaveFilesDlg::kOtherDeviceData] = {bShown, "/m/spk.eq"};
        dialog.OnInitDialog();
        dialog.show();
        EXPECT_EQ(dialog.Check(CSaveFilesDlg::kOtherDeviceData)->isVisible(), bShown);
        EXPECT_EQ(dialog.Name(CSaveFilesDlg::kOtherDeviceData)->isVisible(), bShown);
        EXPECT_TRUE(dialog.Check(CSaveFilesDlg::kDeviceData)->isVisible());
    }
}

// "hello" typed over the data, or nothing left, and OK: no device data that the program's
// reader would open, so the editor says why in the reader's words and stays open with the
// text as typed. A line typed after the last line break is taken with the others.
TEST_F(DialogTest, DeviceDataEditorTakesOnlyTextTheReaderOpens)
{
    const IDeviceDataEditor::CFaultFinder findFault = [](const std::vector<std::string>& lines)
    { return FindDeviceDataFault(lines, EqDataRules(48000)); };
    CQtDeviceDataEditor editor;
    std::vector<std::string> lines = {"!# Filter Parameters\r\n", "4 -6.0 Volume\r\n"};
    std::vector<std::string> kept;
    std::size_t nShownOpen = 0;
    OnNextModal<QDialog>(
        [&](QDialog& dialog)
        {
            auto* text = dialog.findChild<QPlainTextEdit*>("DeviceDataText");
            auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            ASSERT_TRUE(text && ok);
            for (const char* typed : {"hello", ""})
            {
                text->setPlainText(typed);
                ok->click();
                nShownOpen += dialog.isVisible();
                kept.push_back(text->toPlainText().toStdString());
            }
            text->setPlainText("hello");
            dialog.grab().save(QString(MORVANE_TEST_OUTPUT_DIR) + "/device_data_editor_hello.png");
            text->setPlainText("! note\n4 -10.0 Volume");
            ok->click();
        });
    EXPECT_TRUE(editor.EditChecked(lines, findFault));
    EXPECT_EQ(nShownOpen, 2u);
    EXPECT_EQ(kept, (std::vector<std::string>{"hello", ""}));
    const std::string why = "The edited device data cannot be taken: it holds no QZX2201/QZX2202 "
                            "device data (none of its lines is one that the chip is programmed "
                            "from).  Correct it, or Cancel.";
    EXPECT_EQ(m_Messages.texts, (std::vector<std::string>{why, why}));
    EXPECT_EQ(lines, (std::vector<std::string>{"! note\r\n", "4 -10.0 Volume\r\n"}));
}

// The device data editor's OK on a text with a word the chip holds no word for: the fault
// is shown and the dialog stays open with the text as typed, for correcting it; corrected,
// OK takes it. Cancel leaves the lines as they were.
TEST_F(DialogTest, DeviceDataEditorKeepsATextWithAFaultOpenForCorrecting)
{
    const std::vector<std::string> before = {"!# Filter Parameters\r\n",
                                             "0A 0FFFCA E04708 0FFF41 E04708 0FFF0B\r\n"};
    const IDeviceDataEditor::CFaultFinder findFault = [](const std::vector<std::string>& lines)
    { return FindDeviceDataFault(lines, EqDataRules(48000)); };
    CQtDeviceDataEditor editor;
    std::vector<std::string> lines = before;
    bool stayedOpen = false;
    std::string kept;
    OnNextModal<QDialog>(
        [&](QDialog& dialog)
        {
            auto* text = dialog.findChild<QPlainTextEdit*>("DeviceDataText");
            auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            ASSERT_TRUE(text && ok);
            text->setPlainText(
                "!# Filter Parameters\n0A nan E046D6 0FFF5A E046D6 0FFF3E\n4 -6.0 Volume\n");
            ok->click();
            stayedOpen = dialog.isVisible();
            kept = text->toPlainText().toStdString();
            dialog.grab().save(QString(MORVANE_TEST_OUTPUT_DIR) + "/device_data_editor_fault.png");
            text->setPlainText("!# Filter Parameters\n0A 0FFFCA E046D6 0FFF5A E046D6 0FFF3E\n");
            ok->click();
        });
    EXPECT_TRUE(editor.EditChecked(lines, findFault));
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(kept, "!# Filter Parameters\n0A nan E046D6 0FFF5A E046D6 0FFF3E\n4 -6.0 Volume\n");
    EXPECT_EQ(m_Messages.texts,
              std::vector<std::string>{
                  "The edited device data cannot be taken: line 2 (\"0A nan E046D6 0FFF5A E046D6 "
                  "0FFF3E\") holds \"nan\" where a coefficient word of the QZX2201/QZX2202 "
                  "belongs: one to six hexadecimal digits, such as 0FFF5A.  Correct it, or "
                  "Cancel."});
    EXPECT_EQ(lines, (std::vector<std::string>{"!# Filter Parameters\r\n",
                                               "0A 0FFFCA E046D6 0FFF5A E046D6 0FFF3E\r\n"}));

    // A fault, then Cancel: nothing taken.
    lines = before;
    OnNextModal<QDialog>(
        [](QDialog& dialog)
        {
            auto* text = dialog.findChild<QPlainTextEdit*>("DeviceDataText");
            text->setPlainText("!# EQ-1, nan, 2.000000, 100.000000, No, Yes, 1\n4 -6.0 Volume\n");
            dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
        });
    EXPECT_FALSE(editor.EditChecked(lines, findFault));
    EXPECT_EQ(lines, before);
    ASSERT_EQ(m_Messages.texts.size(), 2u);
    EXPECT_EQ(m_Messages.texts[1],
              "The edited device data cannot be taken: line 1 (\"!# EQ-1, nan, 2.000000, "
              "100.000000, No, Yes, 1\") gives a filter that cannot be taken as the line gives "
              "it: its Gain in DB \"nan\" is not a finite number; give it one number in digits "
              "alone, such as -3.0.  Correct it, or Cancel.");
}
