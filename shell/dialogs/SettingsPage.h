// A page of the settings sheet: labelled fields bound to the page's own members. The
// page's data exchange writes the members into the fields, or reads the fields back in
// their order, checking each against its bounds; the first field that fails shows the
// data-exchange message, takes the focus and ends the read (the fields before it have
// been read, those after it have not).
#pragma once

#include "shell/dialogs/DialogDataExchange.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

class QCheckBox;
class QFormLayout;
class QLineEdit;

class CSettingsPage : public QWidget
{
public:
    CSettingsPage(const char* caption, int nIDD);

    const char* Caption() const { return m_pCaption; }
    int GetIDD() const { return m_nIDD; }

    // bSaveAndValidate: fields into members (false at the first bad field), else members
    // into fields.
    bool UpdateData(bool bSaveAndValidate);
    // Fills the fields from the members (and sets what depends on them).
    virtual void OnInitDialog() { UpdateData(false); }

    // Modified pages enable the sheet's Apply button.
    void SetModified(bool bModified = true);
    bool IsModified() const { return m_bModified; }
    std::function<void()> onModified;

    // The edit box or check box with the control id; null when the page has none.
    QLineEdit* Edit(int nId) const;
    QCheckBox* Check(int nId) const;

protected:
    void BeginGroup(const char* title);
    void AddDouble(int nId, const char* label, double& member,
                   std::optional<DialogData::CDoubleRange> range = std::nullopt);
    void AddInt(int nId, const char* label, int& member);
    void AddCheck(int nId, const char* label, bool& member);
    void AddNote(const char* text);

private:
    struct CField
    {
        int nId;
        QWidget* pControl;
        std::variant<double*, int*, bool*> member;
        std::optional<DialogData::CDoubleRange> range;
    };
    bool ReadField(const CField& field);
    void WriteField(const CField& field);
    QWidget* Control(int nId) const;

    const char* m_pCaption;
    int m_nIDD;
    bool m_bModified = false;
    QFormLayout* m_pForm = nullptr;
    std::vector<CField> m_Fields;
};
