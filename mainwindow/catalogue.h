// The sensor catalogue: the 116 sensor model names the program knows.
#pragma once

#include <QString>

enum { SensorCatalogueSize = 116 };

extern const char *const sensorCatalogue[SensorCatalogueSize];

// The index of the first entry equal to name ignoring case, or -1.
int catalogueIndex(const QString &name);

// The name at index, or an empty string for an index outside the catalogue.
QString catalogueName(int index);
