// Saving the filter coefficient file: Save writes the file the record names, Save As asks
// and keeps the path, and nothing is written without grid filters.
#include "tests/document/DocumentFixture.h"
#include "tests/support/MatrixRow.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace
{
namespace fs = std::filesystem;

class OutputFilesTest : public DocumentTest
{
protected:
    void SetUp() override
    {
        DocumentTest::SetUp();
        m_StartFolder = fs::current_path();
        fs::create_directories(folder.Path("cwd"));
        fs::current_path(folder.Path("cwd"));
        doc->m_RestartNumerators.Add(Row({1.0, -1.9, 0.905}));
        doc->m_RestartDenominators.Add(Row({1.0, -1.8, 0.81}));
        doc->m_FiltersInGridMode.TurnOn();
    }
    void TearDown() override
    {
        fs::current_path(m_StartFolder);
        DocumentTest::TearDown();
    }
    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    fs::path m_StartFolder;
};

TEST_F(OutputFilesTest, SaveWritesTheFileTheRecordNamesWhateverFolderIsCurrent)
{
    // The exit question names this file: Save must not put the coefficients under its
    // name in the current folder and leave the named file as it was.
    fs::create_directories(folder.Path("elsewhere"));
    const std::string path = folder.Path("elsewhere/spk1.flt");
    doc->m_CoefficientFile.SetName(path);
    EXPECT_TRUE(doc->OnUpdateFileSaveFilterCoefficients().bEnabled);
    doc->OnFileSaveFilterCoefficients();
    EXPECT_TRUE(dialogs.requests.empty());
    EXPECT_NE(Read(path).find("0.905"), std::string::npos);
    EXPECT_FALSE(fs::exists(folder.Path("cwd/spk1.flt")));
    EXPECT_EQ(doc->m_CoefficientFile.GetName(), path);
}

TEST_F(OutputFilesTest, SaveAsAsksAndKeepsThePath)
{
    const std::string path = folder.Path("chosen.flt");
    dialogs.answers = {path};
    doc->OnFileSaveAsFilterCoefficients();
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_TRUE(dialogs.requests[0].save);
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(doc->m_CoefficientFile.GetName(), path);
    // Cancel keeps the record.
    dialogs.answers = {""};
    doc->OnFileSaveAsFilterCoefficients();
    EXPECT_EQ(doc->m_CoefficientFile.GetName(), path);
}

TEST_F(OutputFilesTest, NothingIsWrittenWithoutFiltersInTheGrids)
{
    doc->m_CoefficientFile.SetName("spk1.flt");
    doc->m_FiltersInGridMode.TurnOff();
    EXPECT_FALSE(doc->OnUpdateFileSaveFilterCoefficients().bEnabled);
    EXPECT_FALSE(doc->SaveFilterCoefficients(false));
    doc->m_FiltersInGridMode.TurnOn();
    doc->m_RestartNumerators.RemoveAll();
    doc->m_RestartDenominators.RemoveAll();
    EXPECT_FALSE(doc->SaveFilterCoefficients(false));
    EXPECT_FALSE(fs::exists(folder.Path("cwd/spk1.flt")));
}

TEST_F(OutputFilesTest, AFileThatCannotBePutInPlaceIsReported)
{
    dialogs.answers = {folder.Path("missing/folder/x.flt")};
    EXPECT_FALSE(doc->SaveFilterCoefficients(true));
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(doc->m_CoefficientFile.GetName(), "");
}
} // namespace
