#include "shell/dialogs/LogSampleDlg.h"

#include "document/DocumentServices.h"
#include "graph/MorvaneUtilities.h"
#include "shell/dialogs/DialogDataExchange.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace
{
constexpr long kMinimumPoints = 150;
constexpr long kMaximumPoints = 100000000;
static_assert(IsLogSamplePointCount(kMinimumPoints) && IsLogSamplePointCount(kMaximumPoints));
} // namespace

CLogSampleDlg::CLogSampleDlg(QWidget* pParent)
    : QDialog(pParent ? pParent : QApplication::activeWindow()), m_nPoints(kDefaultLogSamplePoints),
      m_pPoints(new QLineEdit(this))
{
    setWindowTitle("Enter Log Sample Number of Points");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { OnOK(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Enter Number Of Points In Resultant Curve.", this));
    layout->addWidget(m_pPoints);
    layout->addWidget(new QLabel("Use a number greater than or equal to 150.", this));
    layout->addWidget(buttons);
    OnInitDialog();
}

void CLogSampleDlg::OnInitDialog()
{
    m_pPoints->setText(QString::fromStdString(DialogData::FormatLong(m_nPoints)));
}

bool CLogSampleDlg::OnOK()
{
    const std::optional<long> points = DialogData::ParseLong(m_pPoints->text().toStdString());
    const char* problem = nullptr;
    std::string rangeMessage;
    if (!points)
        problem = DialogData::kEnterInteger;
    else if (*points < kMinimumPoints || *points > kMaximumPoints)
        problem = (rangeMessage = DialogData::IntegerRangeMessage(kMinimumPoints, kMaximumPoints))
                      .c_str();
    if (problem)
    {
        ShowMessage(problem);
        m_pPoints->setFocus();
        m_pPoints->selectAll();
        return false;
    }
    m_nPoints = *points;
    accept();
    return true;
}
