// "Save Files On Exit?": the speaker document's companion files with unsaved content,
// each with a tick and an editable full file name; before another raw response is
// opened the same question is titled "Save Files Before Opening?". "Yes" (and the Enter key) takes the
// ticks and names and ends with 1; "No" ends with 0 and the Escape key or the close box
// with 2, both leaving the members as they were filled. The row of the other chip
// family's device data is shown only when the choice asks for it.
#pragma once

#include "document/SaveFilesChoice.h"

#include <QDialog>

#include <array>
#include <string>

class QCheckBox;
class QLineEdit;

class CSaveFilesDlg : public QDialog
{
public:
    // The files from top to bottom.
    using EFile = CSaveFilesChoice::EFile;
    static constexpr EFile kRawResponse = CSaveFilesChoice::kRawResponse;
    static constexpr EFile kDesiredResponse = CSaveFilesChoice::kDesiredResponse;
    static constexpr EFile kMasterPoints = CSaveFilesChoice::kMasterPoints;
    static constexpr EFile kFilterParameters = CSaveFilesChoice::kFilterParameters;
    static constexpr EFile kDeviceData = CSaveFilesChoice::kDeviceData;
    static constexpr EFile kModifiedResponse = CSaveFilesChoice::kModifiedResponse;
    static constexpr EFile kFilterCoefficients = CSaveFilesChoice::kFilterCoefficients;
    static constexpr EFile kOtherDeviceData = CSaveFilesChoice::kOtherDeviceData;
    static constexpr int kFileCount = CSaveFilesChoice::kFileCount;

    explicit CSaveFilesDlg(QWidget* pParent = nullptr);

    // Writes the members into the controls (call after filling them, before showing).
    void OnInitDialog();
    // The modal result: 1 "Yes", 0 "No", 2 Escape or the close box.
    int DoModal();
    void OnYes();
    void OnNo();
    void reject() override;

    QCheckBox* Check(EFile file) const { return m_Checks[file]; }
    QLineEdit* Name(EFile file) const { return m_Names[file]; }

    CSaveFilesChoice m_Choice;
    std::array<CSaveFilesChoice::CFile, kFileCount>& m_Files = m_Choice.files;

private:
    std::array<QCheckBox*, kFileCount> m_Checks{};
    std::array<QLineEdit*, kFileCount> m_Names{};
};
