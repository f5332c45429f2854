#include "fovdrawing.h"

#include "calvex.h"
#include "pallador.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QRect>
#include <QScrollArea>

namespace panels {

namespace {

// Attached sensors of these kinds are drawn at 1/divisor of their size; all
// others at 1/10.
struct KindDivisor {
    int firstSensor;
    int lastSensor;
    int lowestKind;
    int highestKind;
    int divisor;
};

const KindDivisor kDivisors[] = {
    {54, 56, 3, 3, 7},  // Yorm101t, Yorm102m, Yorm102t
    {57, 58, 2, 3, 15}, // Yorm105m, Yorm106m
};

constexpr int kDefaultDivisor = 10;

// Sizes and places far beyond any screen (a value out of range that reached
// the family) are drawn at this bound, so that no geometry overflows and no
// picture of that size is made.
constexpr int kFarthest = 4096;

int bounded(int v)
{
    return qBound(-kFarthest, v, kFarthest);
}

// Where the three areas sit in the panel, besides their centring.
constexpr QPoint kSensorOrigin(10, 20);
constexpr QPoint kCropOrigin(170, 20);
constexpr QPoint kOutputOrigin(330, 20);

QSize divided(const QSize &size, int d)
{
    return {bounded(size.width() / d), bounded(size.height() / d)};
}

// An area of the given size centred on the drawing area, moved by origin.
QRect centred(const QSize &area, const QSize &size, const QPoint &origin)
{
    return {(area.width() - size.width()) / 2 + origin.x(), (area.height() - size.height()) / 2 + origin.y(),
            size.width(), size.height()};
}

} // namespace

int fovDivisor(int sensorIndex, int attachedSensorKind)
{
    for (const KindDivisor &k : kDivisors) {
        if (sensorIndex >= k.firstSensor && sensorIndex <= k.lastSensor && attachedSensorKind >= k.lowestKind &&
            attachedSensorKind <= k.highestKind)
            return k.divisor;
    }
    return kDefaultDivisor;
}

FovDrawing fovDrawing(const Pallador &w, const CFamilyCore &family)
{
    const CModeState &m = family.mode[0];
    const CContextParams &c = family.ctx[0];
    FovDrawing d;
    d.divisor = fovDivisor(w.sensorIndex, family.pll.attachedSensorKind);
    d.array = {family.pll.arrayCols, family.pll.arrayRows};
    d.fov = {m.fovCols, m.fovRows};
    d.core = {m.coreCols, m.coreRows};
    d.soc = {m.cropCols, m.cropRows};
    d.output = {m.outputCols, m.outputRows};
    d.position = {c.fovX, c.fovY};
    d.outputKeepsSize = c.centering != 0;
    return d;
}

void drawFieldOfView(Pallador &w, const FovDrawing &d)
{
    const int divisor = d.divisor > 0 ? d.divisor : kDefaultDivisor;
    const QSize area = divided(d.array, divisor);
    const QSize fov = divided(d.fov, divisor);
    const QSize core = divided(d.core, divisor);

    const QImage source = w.fovPixmap ? w.fovPixmap->toImage() : QImage();
    const QPixmap picture =
        QPixmap::fromImage(source.mirrored(w.mirror[0], w.flip[0]).copy(centred(area, fov, QPoint(0, 0))));
    for (QLabel *label : {w.labelT1T2, w.labelT2T3, w.labelT3T4}) {
        if (label)
            label->setPixmap(picture);
    }
    if (w.scrollAreaFOV)
        w.scrollAreaFOV->setGeometry(centred(area, core, kSensorOrigin));
    if (w.labelT1T2)
        w.labelT1T2->setGeometry(QRect(QPoint(bounded(d.position.x()), bounded(d.position.y())), core));
    if (w.labelT2T3)
        w.labelT2T3->setGeometry(centred(area, divided(d.soc, divisor), kCropOrigin));
    if (w.labelT3T4) {
        w.labelT3T4->setGeometry(centred(area, divided(d.output, divisor), kOutputOrigin));
        w.labelT3T4->setScaledContents(!d.outputKeepsSize);
    }
}

} // namespace panels
