// The field-of-view drawing of the bridge panels (and of the Sarn107k's):
// the sensor picture, mirrored and flipped as context A reads it and cropped
// to the field of view, shown in the sensor, crop and output areas of the
// panel, each area placed and sized by the family's sizes at a fraction of the
// sensor's.
#pragma once

#include <QPoint>
#include <QSize>

class CFamilyCore;
class Pallador;

namespace panels {

// What the drawing is made from, in sensor pixels.
struct FovDrawing {
    int divisor = 10;
    QSize array;                  // the drawing area
    QSize fov;                    // the picture is cropped to it
    QSize core;                   // the sensor area
    QSize soc;                    // the crop area
    QSize output;                 // the output area
    QPoint position;              // of the picture inside the sensor area
    bool outputKeepsSize = false; // the output area does not scale its picture
};

// The divisor of the loaded sensor: some attached sensors draw larger.
int fovDivisor(int sensorIndex, int attachedSensorKind);
// The drawing's quantities of context A from the family.
FovDrawing fovDrawing(const Pallador &w, const CFamilyCore &family);
// Draws into the panel's picture areas (the ones its lookups found).
void drawFieldOfView(Pallador &w, const FovDrawing &d);

} // namespace panels
