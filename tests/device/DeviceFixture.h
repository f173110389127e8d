// A speaker document with scripted device services (device selection, data editor, label
// dialog), scripted file dialogs and a recording message box, in a temporary folder whose
// name has blanks; and sections with fixed coefficients and text.
#pragma once

#include "device/DeviceServices.h"
#include "device/KT47Launcher.h"
#include "document/HeadlessAppServices.h"
#include "document/MorvaneDoc.h"
#include "framework/core/Services.h"
#include "graph/MatrixUtilities.h"
#include "tests/device/TestData.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>

// A section whose coefficients and text line stay as given (its design does nothing).
class CFixedSection : public CDigGenericFilter
{
public:
    CFixedSection(std::string text, std::array<double, 3> b, std::array<double, 2> a, int order)
        : m_strText(std::move(text))
    {
        SetParameters(CDigGenericFilterParams{});
        double bv[] = {b[0], b[1], b[2]};
        double av[] = {1.0, a[0], a[1]};
        *GetB() = mwMatrix(1, 3, bv, nullptr, 1);
        *GetA() = mwMatrix(1, 3, av, nullptr, 1);
        SetOutputOrder(order);
        m_ActiveMode.TurnOn();
    }
    bool FormatLine(std::string& line) override
    {
        line = m_strText + "\n";
        return true;
    }

protected:
    void Design() override {}

private:
    std::string m_strText;
};

struct CScriptedDevice : IDeviceSelection
{
    EDeviceId GetDeviceId() const override { return id; }
    EDeviceId id = kDeviceQZX2201;
};

// Answers OK or Cancel; OK applies edit (if any) to the lines. Every call is kept.
struct CScriptedEditor : IDeviceDataEditor
{
    bool Edit(std::vector<std::string>& lines) override { return EditCaptioned(lines, {}); }
    bool EditCaptioned(std::vector<std::string>& lines, const std::string& caption) override
    {
        seen.push_back(lines);
        captions.push_back(caption);
        if (ok && edit)
            edit(lines);
        return ok;
    }
    bool ok = true;
    std::function<void(std::vector<std::string>&)> edit;
    std::vector<std::vector<std::string>> seen;
    std::vector<std::string> captions;
};

struct CScriptedLabelDialog : ILabelDialog
{
    bool AskLabel(std::string& label) override
    {
        shown.push_back(label);
        if (ok)
            label = answer;
        return ok;
    }
    bool ok = true;
    std::string answer;
    std::vector<std::string> shown;
};

class DeviceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "morvane dev XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root = pattern;
        Services::SetMessageBox(&messages);
        Services::SetFileDialogs(&dialogs);
        app.Settings().m_strKT47Directory = root;
        doc = std::make_unique<CMorvaneDoc>(app);
        doc->m_nSamplingFrequency = 48000;
        doc->m_FiltersInGridMode.TurnOn();
    }
    void TearDown() override
    {
        doc.reset();
        Services::SetMessageBox(nullptr);
        Services::SetFileDialogs(nullptr);
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }

    std::string Path(const std::string& name) const { return root + "/" + name; }

    // The first n sections of dsp_filters.txt ("comment|b0 b1 b2|a1 a2"), output orders
    // 1 ... n, in the low plateau list.
    void AddGoldenSections(int n)
    {
        std::istringstream in(ReadFile("dsp_filters.txt"));
        std::string line;
        for (int i = 0; i < n && std::getline(in, line); ++i)
        {
            std::istringstream fields(line);
            std::string comment, b, a;
            std::getline(fields, comment, '|');
            std::getline(fields, b, '|');
            std::getline(fields, a, '|');
            std::array<double, 3> bv{};
            std::array<double, 2> av{};
            std::istringstream(b) >> bv[0] >> bv[1] >> bv[2];
            std::istringstream(a) >> av[0] >> av[1];
            AddSection(comment, bv, av, i + 1);
        }
    }
    void AddSection(const std::string& text, std::array<double, 3> b, std::array<double, 2> a,
                    int order)
    {
        doc->m_FilterLists.m_LowPlateauFilters.Add(
            std::make_unique<CFixedSection>(text, b, a, order));
    }

    CDeviceServices MakeServices()
    {
        return {app.Settings(), device, editor, [] { return std::string("3/7/26"); }};
    }

    std::string root;
    CRecordingMessageBox messages;
    CScriptedFileDialogs dialogs;
    CHeadlessAppServices app;
    std::unique_ptr<CMorvaneDoc> doc;
    CScriptedDevice device;
    CScriptedEditor editor;
};
