#include "platform/desktop/qt_desktop_shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace nuvra::platform {

bool QtDesktopShell::startProgram(const std::string& program, const std::vector<std::string>& args)
{
    const QString path = QString::fromStdString(program);
    const QFileInfo file(path);
    if (!file.isFile() || !file.isExecutable())
        return false;
    QStringList arguments;
    for (const std::string& arg : args)
        arguments << QString::fromStdString(arg);
    return QProcess::startDetached(path, arguments, file.absolutePath());
}

bool QtDesktopShell::openAddress(const std::string& address)
{
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

} // namespace nuvra::platform
