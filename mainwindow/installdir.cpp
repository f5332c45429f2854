#include "installdir.h"

#include <QErrorMessage>

#include <cstdio>
#include <cstdlib>

QString requireInstallDir()
{
    if (!qEnvironmentVariableIsSet("QI_HOME")) {
        // Also for whoever started the program from a terminal or a script.
        std::fputs("Pallador: Can't find Quorsen Image Directory (QI_HOME is not set)\n", stderr);
        QErrorMessage message;
        message.setWindowTitle(QStringLiteral("Pallador"));
        message.setModal(true);
        message.showMessage(QStringLiteral("Can't find Quorsen Image Directory"));
        message.exec();
        std::exit(1);
    }
    return QString::fromUtf8(qgetenv("QI_HOME"));
}

QString joinInstallPath(const QString &folder, const QString &relative)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder + relative;
    return folder + QLatin1Char('/') + relative;
}
