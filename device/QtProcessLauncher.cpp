#include "device/QtProcessLauncher.h"

#include <QProcess>
#include <QString>
#include <QStringList>

bool CQtProcessLauncher::StartDetached(const std::string& program,
                                       const std::vector<std::string>& args,
                                       const std::string& workingDirectory)
{
    QStringList arguments;
    for (const std::string& arg : args)
        arguments << QString::fromStdString(arg);
    return QProcess::startDetached(QString::fromStdString(program), arguments,
                                   QString::fromStdString(workingDirectory));
}
