#include "shell/ui/QtServices.h"

#include "shell/FileDialogFilter.h"
#include "shell/ShellStrings.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

int CQtMessageBox::Show(const std::string& text)
{
    QMessageBox::information(QApplication::activeWindow(),
                             QString::fromStdString(ShellString(IDS_APP_NAME)),
                             QString::fromStdString(text));
    return IDOK;
}

bool CQtFileDialogs::AskPath(const CFileDialogRequest& request, std::string& path)
{
    QFileDialog dialog(QApplication::activeWindow(), QString(),
                       QString::fromStdString(request.initialDirectory),
                       QString::fromStdString(ToQtFileFilter(request.filter)));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    std::string suffix = request.defaultExtension;
    if (!suffix.empty() && suffix.front() == '.')
        suffix.erase(0, 1);
    if (suffix != "*")
        dialog.setDefaultSuffix(QString::fromStdString(suffix));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    if (!path.empty())
        dialog.selectFile(QString::fromStdString(path));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    path = dialog.selectedFiles().constFirst().toStdString();
    return true;
}

bool CQtMessagePump::PumpMessage()
{
    m_bQuitRequested = false;
    return false;
}

bool CQtMessagePump::OnIdle(long count)
{
    if (count == 0)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    return false;
}

void CQtMessagePump::PostQuit(int exitCode)
{
    QTimer::singleShot(0,
                       [onQuit = m_OnQuit, exitCode]
                       {
                           if (onQuit)
                               onQuit();
                           else
                               QCoreApplication::exit(exitCode);
                       });
}
