#include "shell/dialogs/SaveFilesDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace
{
constexpr const char* kExitTitle = "Save Files On Exit?";
constexpr const char* kBeforeOpeningTitle = "Save Files Before Opening?";
} // namespace

CSaveFilesDlg::CSaveFilesDlg(QWidget* pParent)
    : QDialog(pParent ? pParent : QApplication::activeWindow())
{
    setWindowTitle(kExitTitle);
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < kFileCount; ++i)
    {
        m_Checks[std::size_t(i)] = new QCheckBox(CSaveFilesChoice::Label(EFile(i)), this);
        m_Names[std::size_t(i)] = new QLineEdit(this);
        m_Names[std::size_t(i)]->setMinimumWidth(360);
        grid->addWidget(m_Checks[std::size_t(i)], i, 0);
        grid->addWidget(m_Names[std::size_t(i)], i, 1);
    }
    auto* yes = new QPushButton("Yes", this);
    auto* no = new QPushButton("No", this);
    yes->setDefault(true);
    connect(yes, &QPushButton::clicked, this, [this] { OnYes(); });
    connect(no, &QPushButton::clicked, this, [this] { OnNo(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(no);
    grid->addLayout(buttons, kFileCount, 0, 1, 2);
}

void CSaveFilesDlg::OnInitDialog()
{
    for (std::size_t i = 0; i < m_Files.size(); ++i)
    {
        m_Checks[i]->setChecked(m_Files[i].bSave);
        m_Names[i]->setText(QString::fromStdString(m_Files[i].name));
    }
    setWindowTitle(m_Choice.bBeforeOpening ? kBeforeOpeningTitle : kExitTitle);
    m_Checks[kOtherDeviceData]->setVisible(m_Choice.bOtherDeviceDataShown);
    m_Names[kOtherDeviceData]->setVisible(m_Choice.bOtherDeviceDataShown);
}

int CSaveFilesDlg::DoModal()
{
    return exec();
}

void CSaveFilesDlg::OnYes()
{
    for (std::size_t i = 0; i < m_Files.size(); ++i)
    {
        m_Files[i].bSave = m_Checks[i]->isChecked();
        m_Files[i].name = m_Names[i]->text().toStdString();
    }
    done(1);
}

void CSaveFilesDlg::OnNo()
{
    done(0);
}

void CSaveFilesDlg::reject()
{
    done(2);
}
