// Closing the application window on the offscreen platform: the "Save Files On Exit?"
// question only when something is unsaved; No closes without saving; Yes saves the ticked
// files under the names shown; Escape or a file that cannot be saved keeps the program
// open with its unsaved marks; a close during a calculation ends the calculation first
// and asks only after it has returned.
#include "tests/shell/MasterPointAppFixture.h"

#include "shell/dialogs/SaveFilesDlg.h"

#include <QCheckBox>
#include <QLineEdit>

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
