#include "app/startup.h"

#include <QApplication>

int palladorMain(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pallador"));
    QApplication::setOrganizationName(QStringLiteral("Corvanta"));
    return 0;
}
