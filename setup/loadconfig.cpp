// Sensor set-up: loading a sensor configuration file.
#include "pallador.h"

void Pallador::loadConfigFile(QString path)
{
    configPath = path;
}
