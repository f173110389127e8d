#include "shell/ui/DeviceDialogs.h"

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

bool CQtDeviceDataEditor::Edit(std::vector<std::string>& lines)
{
    return EditCaptioned(lines, "Edit QZX2xxx Data");
}

bool CQtDeviceDataEditor::EditCaptioned(std::vector<std::string>& lines, const std::string& caption)
{
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(QString::fromStdString(caption));
    SetHelpTopic(&dialog, HelpTopics::kDevice);
    auto* text = new QPlainTextEdit(&dialog);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setPlainText(QString::fromStdString(DeviceLinesToText(lines)));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog.resize(640, 480);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    lines = TextToDeviceLines(text->toPlainText().toStdString());
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
