// The application window on the offscreen platform with a measured response open, for
// the tests of the master point editor, the file commands and closing: typing into the
// editors' grids, answering modal dialogs while a test step runs, and the folder the
// files go to.
#pragma once

#include "../framework/QtTestApp.h"

#include "document/MorvaneDoc.h"
#include "framework/core/Services.h"
#include "graph/CFormat.h"
#include "shell/masterpoints/DesiredResponseMasterPts.h"
#include "shell/masterpoints/EditMasterPoints.h"
#include "shell/ui/MainFrm.h"
#include "shell/ui/MiniFrame.h"
#include "shell/ui/MorvaneApp.h"
#include "tests/shell/GridTyping.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include <unistd.h>

class MasterPointAppTest : public ::testing::Test
{
protected:
    enum ECommand : int
    {
        kOpenParameters = 32827,
        kOpenMasterPoints = 32830,
        kSaveAsMasterPoints = 32832,
        kSaveMasterPoints = 32833,
        kSaveParameters = 32834,
        kSaveAsParameters = 32835,
        kCopyMasterPoints = 32849,
        kGenerateCurves = 32852,
        kDrawFilters = 32836,
        kCalculate = 32854,
    };

    void SetUp() override
    {
        TestApp();
        m_StartFolder = std::filesystem::current_path();
        m_Folder =
            std::filesystem::temp_directory_path() / ("morvane_mpt_" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_Folder);
        std::filesystem::create_directories(m_Folder);
        m_pApp = std::make_unique<CMorvaneApp>(Path("profile.ini"));
        ASSERT_TRUE(m_pApp->InitInstance({}, false));
        Services::SetFileDialogs(&m_Dialogs);
        Services::SetMessageBox(&m_Messages);
        // A speaker with a peak of 8 dB at 1 kHz, 300 points from 20 Hz to 20 kHz.
        std::ofstream raw(Path("speaker.raw"));
        raw << "speaker\nHz dB deg\n";
        for (int i = 0; i < 300; ++i)
        {
            const double f = 20.0 * std::pow(1000.0, i / 299.0);
            const double octaves = std::log2(f / 1000.0);
            raw << f << " " << 8.0 * std::exp(-octaves * octaves) << " 0\n";
        }
        raw.close();
        ASSERT_NE(m_pApp->OpenDocumentFile(Path("speaker.raw")), nullptr);
        m_pDoc = m_pApp->m_pMorvaneDoc;
    }
    void TearDown() override
    {
        m_pAlive.reset();
        m_pApp->ExitInstance();
        m_pApp.reset();
        Services::SetFileDialogs(nullptr);
        Services::SetMessageBox(nullptr);
        std::filesystem::current_path(m_StartFolder);
        std::filesystem::remove_all(m_Folder);
    }

    std::string Path(const std::string& name) const { return (m_Folder / name).string(); }
    CMainFrame& Frame() const { return *m_pApp->m_pMainFrame; }

    // The editor, opened by its command.
    CEditMasterPoints& OpenEditor()
    {
        EXPECT_TRUE(m_pApp->ExecuteCommand(CMorvaneApp::ID_EDIT_MASTER_POINTS));
        CEditMasterPoints* sheet = m_pApp->GetMasterPointEditor();
        EXPECT_NE(sheet, nullptr);
        return *sheet;
    }

    static void Type(CEditGridWidget& grid, int r, int c, const QString& text)
    {
        TypeIntoCell(grid, r, c, text);
    }
    // Types the points row by row into the desired grid.
    static void TypePoints(CEditGridWidget& grid,
                           const std::vector<std::pair<QString, QString>>& points)
    {
        int r = 0;
        for (const auto& [f, a] : points)
        {
            ++r;
            Type(grid, r, 1, f);
            Type(grid, r, 2, a);
        }
    }
    // The cells of the rows, numbers written alike however they were typed ("20" and
    // "20.000000" are the same value).
    static std::vector<std::string> Texts(const CGridCells& grid, std::vector<int> rows = {})
    {
        if (rows.empty())
            for (int r = 0; r < grid.GetRows(); ++r)
                rows.push_back(r);
        std::vector<std::string> texts;
        for (int r : rows)
            for (int c = 0; c < grid.GetCols(); ++c)
            {
                const std::string text = grid.GetTextMatrix(r, c);
                bool ok = false;
                const double value = ScanDouble(text, &ok);
                texts.push_back(ok ? FormatC("%.6f", value) : text);
            }
        return texts;
    }

    // Runs action on the modal dialog of type T once one is shown, while this test step
    // lasts (until Unscript or the end of the test).
    template <class T> void OnModal(std::function<void(T&)> action)
    {
        if (!m_pAlive)
            m_pAlive = std::make_shared<int>(0);
        std::weak_ptr<int> alive = m_pAlive;
        auto poll = std::make_shared<std::function<void()>>();
        std::weak_ptr<std::function<void()>> self = poll;
        *poll = [action, alive, self]
        {
            if (alive.expired())
                return;
            if (auto* dialog = dynamic_cast<T*>(QApplication::activeModalWidget()))
            {
                action(*dialog);
                return;
            }
            if (auto next = self.lock())
                QTimer::singleShot(5, [next] { (*next)(); });
        };
        QTimer::singleShot(0, [poll] { (*poll)(); });
    }
    void Unscript() { m_pAlive.reset(); }

    std::filesystem::path m_StartFolder;
    std::filesystem::path m_Folder;
    std::unique_ptr<CMorvaneApp> m_pApp;
    CMorvaneDoc* m_pDoc = nullptr;
    CScriptedFileDialogs m_Dialogs;
    CRecordingMessageBox m_Messages;

private:
    std::shared_ptr<int> m_pAlive;
};
