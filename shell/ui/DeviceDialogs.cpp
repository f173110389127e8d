#include "shell/ui/DeviceDialogs.h"

#include "device/DeviceDataText.h"
#include "framework/core/Services.h"
#include "framework/ui/HelpTopic.h"
#include "shell/DeviceDataLines.h"
#include "shell/help/HelpTopics.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QInputDialog>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace
{
const char kDataCaption[] = "Edit QZX2xxx Data";
} // namespace

bool CQtDeviceDataEditor::Edit(std::vector<std::string>& lines)
{
    return EditCaptioned(lines, kDataCaption);
}

bool CQtDeviceDataEditor::EditCaptioned(std::vector<std::string>& lines, const std::string& caption)
{
    return Run(lines, caption, {});
}

bool CQtDeviceDataEditor::EditChecked(std::vector<std::string>& lines,
                                      const CFaultFinder& findFault)
{
    return Run(lines, kDataCaption, findFault);
}

bool CQtDeviceDataEditor::Run(std::vector<std::string>& lines, const std::string& caption,
                              const CFaultFinder& findFault)
{
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(QString::fromStdString(caption));
    SetHelpTopic(&dialog, HelpTopics::kDevice);
    auto* text = new QPlainTextEdit(&dialog);
    text->setObjectName("DeviceDataText");
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setPlainText(QString::fromStdString(DeviceLinesToText(lines)));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog,
                     [&]
                     {
                         const std::string fault =
                             findFault
                                 ? findFault(SplitDeviceDataText(text->toPlainText().toStdString()))
                                 : std::string();
                         if (fault.empty())
                             dialog.accept();
                         else
                             Services::MessageBox().Show("The edited device data cannot be "
                                                         "taken: " +
                                                         fault + ".  Correct it, or Cancel.");
                     });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog.resize(640, 480);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    lines = SplitDeviceDataText(text->toPlainText().toStdString());
    return true;
}

bool CQtLabelDialog::AskLabel(std::string& label)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle("DSP Get User Label");
    dialog.setLabelText("Enter User Label");
    dialog.setTextValue(QString::fromStdString(label));
    SetHelpTopic(&dialog, HelpTopics::kDevice);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    label = dialog.textValue().toStdString();
    return true;
}
