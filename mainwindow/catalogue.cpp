#include "catalogue.h"

// The catalogue order is fixed: a sensor's position is its identity in the
// whole program (set-up cases, calculation cases, facade type codes).
// Index 0 stands for "no sensor" and is spelled as the configuration files
// spell it.
const char *const sensorCatalogue[SensorCatalogueSize] = {
    "UNKOWN", "Tolm104m", "Tolm105m", "Tolm101m",  // 0-3
    "Tolm101t", "Tolm102m", "Tolm103m", "Tolm106m",  // 4-7
    "Tolm106t", "Tolm107m", "Tolm108m", "Tolm108t",  // 8-11
    "Sarn102", "Sarn105k", "Sarn106h", "Vek103",  // 12-15
    "Vek104", "Vek105m", "Vek105t", "Vek106",  // 16-19
    "Sarn106c", "Vek101", "Vek108m", "Vek108t",  // 20-23
    "Vek109t", "Sarn109", "Vek124", "Pirn106",  // 24-27
    "Sarn111", "Vek130t", "Sarn112", "Sarn116k",  // 28-31
    "Sarn115", "Sarn114vw+", "Sarn117", "Sarn118",  // 32-35
    "Sarn119", "Sarn120", "Sarn121", "Vek142",  // 36-39
    "Vek142b", "Vek145l", "Vek147", "Vek148n",  // 40-43
    "Vek149", "Vek150n", "Vek151", "Vek151tk",  // 44-47
    "Vek151b", "Vek152n", "Vek156", "Vek153",  // 48-51
    "Vek154", "Vek155", "Yorm101t", "Yorm102m",  // 52-55
    "Yorm102t", "Yorm105m", "Yorm106m", "Sarn108kj",  // 56-59
    "Sarn103k", "Tolm109", "Vek125", "Vek126n",  // 60-63
    "Vek127r", "Sarn101k", "Sarn104k", "Vek143",  // 64-67
    "Vek144n", "Sarn113k", "Sarn110k", "Sarn107k",  // 68-71
    "Vek116m", "Vek116t", "Vek115x", "Vek118m",  // 72-75
    "Vek121m", "Vek121t", "Vek121d", "Vek122t",  // 76-79
    "Vek157b", "Vek157f", "Vek137", "Vek117m",  // 80-83
    "Vek107m", "Vek113m", "Vek111m", "Vek111t",  // 84-87
    "Vek123m", "Vek123d", "Vek135d", "Vek136d",  // 88-91
    "Vek110m", "Vek112m", "Vek114d", "Vek132",  // 92-95
    "Vek133", "Vek134t", "Vek134s", "Vek138m",  // 96-99
    "Vek139", "Vek140m", "Vek131m", "Vek119t",  // 100-103
    "Vek119m", "Zelt105", "Zelt101", "Zelt102",  // 104-107
    "Zelt103", "Zelt104", "Vek128m", "Drav102",  // 108-111
    "Drav101t", "Vek120t", "Holv101", "Vek146m",  // 112-115
};

int catalogueIndex(const QString &name)
{
    for (int i = 0; i < SensorCatalogueSize; ++i) {
        if (name.compare(QLatin1String(sensorCatalogue[i]), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString catalogueName(int index)
{
    if (index < 0 || index >= SensorCatalogueSize)
        return QString();
    return QString::fromLatin1(sensorCatalogue[index]);
}
