// "Save Files On Exit?": the speaker document's companion files with unsaved content,
// each with a tick and an editable full file name. "Yes" (and the Enter key) takes the
// ticks and names and ends with 1; "No" ends with 0 and the Escape key or the close box
// with 2, both leaving the members as they were filled.
#pragma once

#include <QDialog>

#include <array>
#include <string>

class QCheckBox;
class QLineEdit;

class CSaveFilesDlg : public QDialog
{
public:
    // The files from top to bottom.
    enum EFile
    {
        kRawResponse,
        kDesiredResponse,
        kMasterPoints,
        kFilterParameters,
        kDeviceData,
        kModifiedResponse,
        kFilterCoefficients,
        kFileCount
    };
    struct CFileChoice
    {
        bool bSave = false;
        std::string name;
    };

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

    std::array<CFileChoice, kFileCount> m_Files;

private:
    std::array<QCheckBox*, kFileCount> m_Checks{};
    std::array<QLineEdit*, kFileCount> m_Names{};
};
