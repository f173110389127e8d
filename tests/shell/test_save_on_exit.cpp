// Closing the application window on the offscreen platform: the "Save Files On Exit?"
// question only when something is unsaved; No closes without saving; Yes saves the ticked
// files under the names shown; Escape or a file that cannot be saved keeps the program
// open with its unsaved marks; a ticked file with nothing to write is named in a message
// the user reads before the program closes; a close during a calculation ends the
// calculation first and asks only after it has returned.
#include "tests/shell/MasterPointAppFixture.h"

#include "shell/dialogs/SaveFilesDlg.h"
#include "shell/ui/QtServices.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>

namespace
{
class SaveOnExitTest : public MasterPointAppTest
{
protected:
    // Master points typed into the editor: the master point file is unsaved.
    void TypeMasterPoints()
    {
        CEditMasterPoints& sheet = OpenEditor();
        TypePoints(sheet.DesiredPage().Grid(), {{"20", "0"}, {"20000", "0"}});
    }
    // Generated curves: the desired response file is unsaved too.
    void GenerateCurves()
    {
        TypeMasterPoints();
        ASSERT_TRUE(m_pApp->ExecuteCommand(kGenerateCurves));
    }
    // Answers the question with the step and records what it showed.
    void Answer(std::function<void(CSaveFilesDlg&)> step)
    {
        OnModal<CSaveFilesDlg>(
            [this, step](CSaveFilesDlg& dialog)
            {
                ++m_nQuestions;
                m_bCalculatingWhenAsked = m_pDoc->IsCalculationCommandActive();
                m_Shown = dialog.m_Choice;
                step(dialog);
            });
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(Path(name)); }

    int m_nQuestions = 0;
    bool m_bCalculatingWhenAsked = false;
    CSaveFilesChoice m_Shown;
};

void PressEscape(QWidget& dialog)
{
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &escape);
}
} // namespace

TEST_F(SaveOnExitTest, NothingUnsavedClosesWithoutAQuestion)
{
    Answer([](CSaveFilesDlg& dialog) { dialog.OnNo(); });
    EXPECT_TRUE(Frame().close());
    EXPECT_EQ(m_nQuestions, 0);
    EXPECT_FALSE(Frame().isVisible());
}

TEST_F(SaveOnExitTest, NoClosesWithoutSaving)
{
    GenerateCurves();
    Answer([](CSaveFilesDlg& dialog) { dialog.OnNo(); });
    EXPECT_TRUE(Frame().close());
    EXPECT_EQ(m_nQuestions, 1);
    EXPECT_TRUE(m_Shown.files[CSaveFilesChoice::kMasterPoints].bSave);
    EXPECT_EQ(m_Shown.files[CSaveFilesChoice::kMasterPoints].name, Path("speaker.mpt"));
    EXPECT_TRUE(m_Shown.files[CSaveFilesChoice::kDesiredResponse].bSave);
    // No modified response exists yet: nothing of it is offered.
    EXPECT_FALSE(m_Shown.files[CSaveFilesChoice::kModifiedResponse].bSave);
    EXPECT_FALSE(Exists("speaker.mpt"));
    EXPECT_FALSE(Exists("speaker.crv"));
    EXPECT_TRUE(m_pDoc->m_MasterPointFile.m_ChangedMode.IsOn());
}

TEST_F(SaveOnExitTest, YesSavesOnlyTheTickedFilesUnderTheNamesShown)
{
    GenerateCurves();
    Answer(
        [this](CSaveFilesDlg& dialog)
        {
            dialog.Check(CSaveFilesDlg::kDesiredResponse)->setChecked(false);
            dialog.Name(CSaveFilesDlg::kMasterPoints)
                ->setText(QString::fromStdString(Path("final.mpt")));
            dialog.OnYes();
        });
    EXPECT_TRUE(Frame().close());
    EXPECT_EQ(m_nQuestions, 1);
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_FALSE(Exists("speaker.crv"));
    EXPECT_FALSE(Exists("speaker.mpt"));
    ASSERT_TRUE(Exists("final.mpt"));
    EXPECT_EQ(m_pDoc->m_MasterPointFile.GetName(), Path("final.mpt"));
    EXPECT_FALSE(m_pDoc->m_MasterPointFile.m_ChangedMode.IsOn());
    EXPECT_TRUE(m_pDoc->m_DesiredCurveFile.m_ChangedMode.IsOn());
}

TEST_F(SaveOnExitTest, EscapeKeepsTheProgramOpenAndSavesNothing)
{
    TypeMasterPoints();
    Answer([](CSaveFilesDlg& dialog) { PressEscape(dialog); });
    EXPECT_FALSE(Frame().close());
    EXPECT_EQ(m_nQuestions, 1);
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_FALSE(Exists("speaker.mpt"));
    EXPECT_TRUE(m_pDoc->m_MasterPointFile.m_ChangedMode.IsOn());
    EXPECT_EQ(m_pApp->m_pMorvaneDoc, m_pDoc);
}

TEST_F(SaveOnExitTest, AFileThatCannotBeSavedKeepsTheProgramOpen)
{
    GenerateCurves();
    Answer(
        [this](CSaveFilesDlg& dialog)
        {
            dialog.Name(CSaveFilesDlg::kDesiredResponse)
                ->setText(QString::fromStdString(Path("missing/speaker.crv")));
            dialog.OnYes();
        });
    EXPECT_FALSE(Frame().close());
    EXPECT_TRUE(Frame().isVisible());
    ASSERT_EQ(m_Messages.texts.size(), 1u);
    // The failed file keeps its name and mark; the file after it was not saved.
    EXPECT_TRUE(m_pDoc->m_DesiredCurveFile.m_ChangedMode.IsOn());
    EXPECT_EQ(m_pDoc->m_DesiredCurveFile.GetName(), Path("speaker.crv"));
    EXPECT_TRUE(m_pDoc->m_MasterPointFile.m_ChangedMode.IsOn());
    EXPECT_FALSE(Exists("speaker.mpt"));

    // Asked again, the user saves under the names shown.
    Unscript();
    Answer([](CSaveFilesDlg& dialog) { dialog.OnYes(); });
    EXPECT_TRUE(Frame().close());
    EXPECT_TRUE(Exists("speaker.crv"));
    EXPECT_TRUE(Exists("speaker.mpt"));
}

TEST_F(SaveOnExitTest, AFileWithNothingToWriteIsNamedBeforeTheProgramCloses)
{
    std::filesystem::copy_file(Path("speaker.raw"), Path("other.raw"));
    for (const char* name : {"speaker.flt", "other.flt"})
        std::ofstream(Path(name)) << "older";
    // The message box as the user meets it: modal, over the window.
    CQtMessageBox box;
    Services::SetMessageBox(&box);
    struct CRestore
    {
        IMessageBox& recording;
        ~CRestore() { Services::SetMessageBox(&recording); }
    } restore{m_Messages};
    struct CShown
    {
        std::string text;
        bool bWindowVisible = false;
        std::string rawFile;
        bool bOthersWritten = false;
    };
    std::vector<CShown> shown;
    // Left in the build folder for a person to read (nothing_written_<tag>.png).
    const auto readMessage = [this, &shown](const char* tag, const char* crv, const char* mpt)
    {
        OnModal<QMessageBox>(
            [this, tag, crv, mpt, &shown](QMessageBox& message)
            {
                shown.push_back({message.text().toStdString(), Frame().isVisible(),
                                 m_pDoc->m_RawFile.GetName(), Exists(crv) && Exists(mpt)});
                EXPECT_TRUE(message.grab().save(QString(MORVANE_TEST_OUTPUT_DIR) +
                                                "/nothing_written_" + tag + ".png"));
                message.accept();
            });
    };
    // No filter is in the grids and nothing was calculated; the user ticks the coefficient
    // file (and then the modified response) all the same.
    const auto tick = [](std::vector<CSaveFilesDlg::EFile> files)
    {
        return [files](CSaveFilesDlg& dialog)
        {
            for (const CSaveFilesDlg::EFile file : files)
                dialog.Check(file)->setChecked(true);
            dialog.OnYes();
        };
    };
    const auto noFilter = [this](const char* flt)
    {
        return "Nothing was written to \"" + Path(flt) +
               "\": no filter is active in the grids, and there is no calculated or restart "
               "filter.";
    };

    // Before another response is opened: told while the design is still the old one.
    GenerateCurves();
    Answer(tick({CSaveFilesDlg::kFilterCoefficients}));
    readMessage("before_opening", "speaker.crv", "speaker.mpt");
    EXPECT_EQ(m_pApp->OpenDocumentFile(Path("other.raw")), m_pDoc);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text,
              noFilter("speaker.flt") + "\n\nAn older file of that name is left as it was.");
    EXPECT_EQ(shown[0].rawFile, Path("speaker.raw"));
    EXPECT_TRUE(shown[0].bOthersWritten);
    EXPECT_EQ(m_pDoc->m_RawFile.GetName(), Path("other.raw"));

    // At exit: told while the window is still there, and the close goes on after it.
    Unscript();
    CEditMasterPoints& sheet = OpenEditor();
    TypePoints(sheet.DesiredPage().Grid(), {{"20", "1"}, {"20000", "1"}});
    ASSERT_TRUE(m_pApp->ExecuteCommand(kGenerateCurves));
    Answer(tick({CSaveFilesDlg::kFilterCoefficients, CSaveFilesDlg::kModifiedResponse}));
    readMessage("at_exit", "other.crv", "other.mpt");
    EXPECT_TRUE(Frame().close());
    EXPECT_EQ(m_nQuestions, 2);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].text, noFilter("other.flt") + "\n\nNothing was written to \"" +
                                 Path("otherMod.raw") +
                                 "\": the response view shows no modified response curve."
                                 "\n\nThe older file \"" +
                                 Path("other.flt") + "\" is left as it was.");
    EXPECT_TRUE(shown[1].bWindowVisible);
    EXPECT_TRUE(shown[1].bOthersWritten);
    EXPECT_FALSE(Frame().isVisible());
    for (const char* name : {"speaker.flt", "other.flt"})
    {
        std::ifstream in(Path(name));
        std::string text;
        std::getline(in, text);
        EXPECT_EQ(text, "older") << name;
    }
}

TEST_F(SaveOnExitTest, ClosingDuringACalculationAsksAfterItHasEnded)
{
    GenerateCurves();
    Answer([](CSaveFilesDlg& dialog) { dialog.OnNo(); });
    // The close comes from the calculation's first cancellation point.
    QTimer::singleShot(0, &Frame(), [this] { Frame().close(); });
    ASSERT_TRUE(m_pApp->ExecuteCommand(kCalculate));
    EXPECT_FALSE(m_pDoc->IsCalculationCommandActive());
    EXPECT_EQ(m_nQuestions, 0);
    EXPECT_TRUE(Frame().isVisible());
    // The close is made again from the event loop.
    for (int i = 0; i < 20 && Frame().isVisible(); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(m_nQuestions, 1);
    EXPECT_FALSE(m_bCalculatingWhenAsked);
    EXPECT_FALSE(Frame().isVisible());
}

TEST_F(SaveOnExitTest, OpeningAnotherResponseAsksTheSameQuestionFirst)
{
    std::filesystem::copy_file(Path("speaker.raw"), Path("other.raw"));
    TypeMasterPoints();
    // From the recent-file list: Escape keeps the design.
    std::string title;
    Answer(
        [&title](CSaveFilesDlg& dialog)
        {
            title = dialog.windowTitle().toStdString();
            PressEscape(dialog);
        });
    EXPECT_EQ(m_pApp->OpenDocumentFile(Path("other.raw")), m_pDoc);
    EXPECT_EQ(m_nQuestions, 1);
    EXPECT_EQ(title, "Save Files Before Opening?");
    EXPECT_TRUE(m_Shown.bBeforeOpening);
    EXPECT_TRUE(m_Shown.files[CSaveFilesChoice::kMasterPoints].bSave);
    EXPECT_EQ(m_pDoc->m_RawFile.GetName(), Path("speaker.raw"));
    EXPECT_EQ(m_pDoc->m_MasterPointFile.GetName(), Path("speaker.mpt"));
    EXPECT_TRUE(m_pDoc->m_MasterPointFile.m_ChangedMode.IsOn());

    // From the File menu: Yes saves under the names shown, then the file dialog asks.
    Unscript();
    Answer([](CSaveFilesDlg& dialog) { dialog.OnYes(); });
    m_Dialogs.answers = {Path("other.raw")};
    ASSERT_TRUE(m_pApp->ExecuteCommand(CMorvaneApp::ID_FILE_OPEN));
    EXPECT_EQ(m_nQuestions, 2);
    EXPECT_TRUE(Exists("speaker.mpt"));
    EXPECT_EQ(m_pDoc->m_RawFile.GetName(), Path("other.raw"));
    EXPECT_TRUE(m_pDoc->m_MasterPointFile.m_ChangedMode.IsOff());
}
