#include "shell/dialogs/SettingsPage.h"

#include "graph/MorvaneUtilities.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <climits>

CSettingsPage::CSettingsPage(const char* caption, int nIDD) : m_pCaption(caption), m_nIDD(nIDD)
{
    auto* layout = new QVBoxLayout(this);
    m_pForm = new QFormLayout;
    layout->addLayout(m_pForm);
    layout->addStretch();
}

void CSettingsPage::BeginGroup(const char* title)
{
    auto* group = new QGroupBox(title, this);
    m_pForm = new QFormLayout(group);
    static_cast<QVBoxLayout*>(layout())->insertWidget(layout()->count() - 1, group);
}

void CSettingsPage::AddDouble(int nId, const char* label, double& member,
                              std::optional<DialogData::CDoubleRange> range)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::number(nId));
    connect(edit, &QLineEdit::textEdited, this, [this] { SetModified(); });
    m_pForm->addRow(label, edit);
    m_Fields.push_back({nId, edit, &member, range});
}

void CSettingsPage::AddInt(int nId, const char* label, int& member)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::number(nId));
    connect(edit, &QLineEdit::textEdited, this, [this] { SetModified(); });
    m_pForm->addRow(label, edit);
    m_Fields.push_back({nId, edit, &member, std::nullopt});
}

void CSettingsPage::AddCheck(int nId, const char* label, bool& member)
{
    auto* check = new QCheckBox(label, this);
    check->setObjectName(QString::number(nId));
    connect(check, &QCheckBox::clicked, this, [this] { SetModified(); });
    m_pForm->addRow(check);
    m_Fields.push_back({nId, check, &member, std::nullopt});
}

void CSettingsPage::AddNote(const char* text)
{
    m_pForm->addRow(new QLabel(text, this));
}

void CSettingsPage::SetModified(bool bModified)
{
    m_bModified = bModified;
    if (bModified && onModified)
        onModified();
}

QWidget* CSettingsPage::Control(int nId) const
{
    for (const CField& field : m_Fields)
        if (field.nId == nId)
            return field.pControl;
    return nullptr;
}

QLineEdit* CSettingsPage::Edit(int nId) const
{
    return qobject_cast<QLineEdit*>(Control(nId));
}

QCheckBox* CSettingsPage::Check(int nId) const
{
    return qobject_cast<QCheckBox*>(Control(nId));
}

bool CSettingsPage::UpdateData(bool bSaveAndValidate)
{
    for (const CField& field : m_Fields)
    {
        if (!bSaveAndValidate)
            WriteField(field);
        else if (!ReadField(field))
            return false;
    }
    return true;
}

void CSettingsPage::WriteField(const CField& field)
{
    if (bool* const* pFlag = std::get_if<bool*>(&field.member))
        static_cast<QCheckBox*>(field.pControl)->setChecked(**pFlag);
    else if (int* const* pInt = std::get_if<int*>(&field.member))
        static_cast<QLineEdit*>(field.pControl)
            ->setText(QString::fromStdString(DialogData::FormatLong(**pInt)));
    else
        static_cast<QLineEdit*>(field.pControl)
            ->setText(
                QString::fromStdString(DialogData::FormatDouble(*std::get<double*>(field.member))));
}

bool CSettingsPage::ReadField(const CField& field)
{
    if (bool* const* pFlag = std::get_if<bool*>(&field.member))
    {
        **pFlag = static_cast<QCheckBox*>(field.pControl)->isChecked();
        return true;
    }
    auto* edit = static_cast<QLineEdit*>(field.pControl);
    const std::string text = edit->text().toStdString();
    std::string problem;
    if (int* const* pInt = std::get_if<int*>(&field.member))
    {
        const std::optional<long> value = DialogData::ParseLong(text);
        if (value && *value >= INT_MIN && *value <= INT_MAX)
            **pInt = int(*value);
        else
            problem = DialogData::kEnterInteger;
    }
    else
        // The member takes a number before its bounds are checked.
        problem = DialogData::DoubleRefusal(text, field.range, std::get<double*>(field.member));
    if (problem.empty())
        return true;
    ShowMessage(problem);
    edit->setFocus();
    edit->selectAll();
    return false;
}
