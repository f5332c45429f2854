// Advanced panels of the bridge chips (an image processor in front of a raw
// sensor) and of the Sarn107k: the forms Yorm102_Adv, Yorm105_Adv and
// Murn106_Adv. The engineer sets the sensor's field of view and offsets, the
// crop window and the output size, and sees the three stages drawn. These
// panels take their sizes from the family rather than from their widgets:
// the family's sizes become context A's settings on every opening, and a
// re-opening calculates first and then shows the family's values in the
// connected boxes, whose slots store and calculate each change.
#include "fovdrawing.h"
#include "panels.h"

#include "calvex.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollArea>
#include <QSpinBox>

#include <utility>
#include <vector>

namespace panels {

namespace {

using P = Pallador;
using M = CModeState;
using C = CContextParams;

constexpr int kContext = 0;

// The size boxes' upper limits for attached sensors of these kinds; other
// kinds keep the form's.
struct SizeLimit {
    int sensor;
    int lowestKind;
    int highestKind;
    int rows;
    int cols;
};

const SizeLimit kSizeLimits[] = {
    {57, 2, 3, 1088, 1928}, // Yorm105m
    {58, 2, 2, 1088, 1928}, // Yorm106m
    {58, 3, 3, 1208, 1928},
};

// The output formats the Yorm106m cannot give, last first: "H.264", "Jpeg".
constexpr int kUnsupportedFormats[] = {6, 5};

// The family's sizes of context A as the context's settings.
void copySizes(Pallador &w, const CFamilyCore &f)
{
    const CModeState &m = f.mode[kContext];
    w.fovCols[kContext] = m.fovCols;
    w.fovRows[kContext] = m.fovRows;
    w.socCols[kContext] = m.cropCols;
    w.socRows[kContext] = m.cropRows;
    w.cols[kContext] = m.outputCols;
    w.rows[kContext] = m.outputRows;
}

// The offset boxes reach one step beyond the family's limits either way.
void offsetRanges(Pallador &w, const CFamilyCore &f)
{
    const CModeState &m = f.mode[kContext];
    QSpinBox *y = w.spinFovY[kContext];
    QSpinBox *x = w.spinFovX[kContext];
    if (y)
        y->setMaximum(m.fovYMax + 1);
    if (x)
        x->setMaximum(m.fovXMax + 1);
    if (y)
        y->setMinimum(m.fovYMin - 1);
    if (x)
        x->setMinimum(m.fovXMin - 1);
}

void yormLimits(Pallador &w, const CFamilyCore &f, int)
{
    offsetRanges(w, f);
}

void yorm105Limits(Pallador &w, const CFamilyCore &f, int)
{
    const int kind = f.pll.attachedSensorKind;
    for (const SizeLimit &l : kSizeLimits) {
        if (w.sensorIndex != l.sensor || kind < l.lowestKind || kind > l.highestKind)
            continue;
        for (QSpinBox *rows : {w.spinRows[kContext], w.spinSocR, w.spinFovR[kContext]}) {
            if (rows)
                rows->setMaximum(l.rows);
        }
        for (QSpinBox *cols : {w.spinCols[kContext], w.spinSocC, w.spinFovC[kContext]}) {
            if (cols)
                cols->setMaximum(l.cols);
        }
    }
    offsetRanges(w, f);
}

void yorm106Limits(Pallador &w, const CFamilyCore &f, int context)
{
    if (QComboBox *format = w.comboOutFormat[kContext]) {
        for (int item : kUnsupportedFormats)
            format->removeItem(item);
    }
    yorm105Limits(w, f, context);
}

// First opening, before the connections: the sizes become the settings and
// the drawing is made.
void sizesAndDrawing(Pallador &w, const CFamilyCore &f, int)
{
    copySizes(w, f);
    drawFieldOfView(w, fovDrawing(w, f));
}

// Re-opening, before the calculation: the family's sizes and read-out mode
// become the settings.
void yormReadBack(Pallador &w, const CFamilyCore &f, int)
{
    copySizes(w, f);
    w.skipping[kContext] = f.ctx[kContext].skipping;
}

void murn106ReadBack(Pallador &w, const CFamilyCore &f, int)
{
    copySizes(w, f);
    w.skipping[kContext] = f.ctx[kContext].readMode;
}

// Re-opening, after the calculation: the boxes show the family's values.
// They are connected, so each value that differs runs its slot.
void showFamilySizes(Pallador &w, const CFamilyCore &f)
{
    const CModeState &m = f.mode[kContext];
    const std::pair<QSpinBox *, const qint32 *> boxes[] = {
        {w.spinFovR[kContext], &m.fovRows},
        {w.spinFovC[kContext], &m.fovCols},
        {w.spinSocR, &m.cropRows},
        {w.spinSocC, &m.cropCols},
        {w.spinRows[kContext], &m.outputRows},
        {w.spinCols[kContext], &m.outputCols},
    };
    // Each slot recalculates, so every value is read as it stands then.
    for (const auto &[box, value] : boxes) {
        if (box)
            box->setValue(*value);
    }
}

void yormWriteBack(Pallador &w, const CFamilyCore &f, int)
{
    showFamilySizes(w, f);
    offsetRanges(w, f);
}

void murn106WriteBack(Pallador &w, const CFamilyCore &f, int)
{
    showFamilySizes(w, f);
    const CContextParams &c = f.ctx[kContext];
    if (QSpinBox *y = w.spinFovY[kContext])
        y->setValue(c.fovY);
    if (QSpinBox *x = w.spinFovX[kContext])
        x->setValue(c.fovX);
}

constexpr char kSocRowsTip[] = "SOC Crop Rows: Enter desired # of rows in SOC cpipe";
constexpr char kSocColsTip[] = "SOC Crop Columns: Enter desired # of colums in SOC cpipe";
constexpr char kFovYTip[] = "Enter sensor FOV calibration rows offset";
constexpr char kFovXTip[] = "Enter sensor FOV calibration cols offset";

// The lines every form of the group has, in lookup order: the size boxes
// and the two offset boxes (their values or ranges differ by form).
std::vector<Widget> sizeLines()
{
    return {
        on<&P::spinRows>("spinRows").start(mode(&M::outputRows)).slot("spinRows_valueChanged(int)").tip(tips::kRows),
        on<&P::spinCols>("spinCols").start(mode(&M::outputCols)).slot("spinCols_valueChanged(int)").tip(tips::kCols),
        on<&P::spinSocR>("spinSocR").start(mode(&M::cropRows)).slot("spinSocR_valueChanged(int)").tip(kSocRowsTip),
        on<&P::spinSocC>("spinSocC").start(mode(&M::cropCols)).slot("spinSocC_valueChanged(int)").tip(kSocColsTip),
        on<&P::spinFovR>("spinFovR").start(mode(&M::fovRows)).slot("spinFovR_valueChanged(int)").tip(tips::kFovRows),
        on<&P::spinFovC>("spinFovC").start(mode(&M::fovCols)).slot("spinFovC_valueChanged(int)").tip(tips::kFovCols),
        on<&P::spinFovY>("spinFovY").slot("spinFovY_valueChanged(int)").tip(kFovYTip),
        on<&P::spinFovX>("spinFovX").slot("spinFovX_valueChanged(int)").tip(kFovXTip),
    };
}

// The three picture areas and the frame of the sensor's, looked up for the
// drawing.
std::vector<Widget> pictureLines(const char *sensorArea)
{
    return {
        on<&P::labelT1T2>("labelCorePic"),
        on<&P::labelT2T3>("labelSOCPic"),
        on<&P::labelT3T4>("labelOutPic"),
        on<&P::scrollAreaFOV>(sensorArea),
    };
}

FormCase bridgeCase(const char *form, std::vector<Widget> readMode, const char *sensorArea, std::vector<Widget> format)
{
    FormCase c{Panel::A, form};
    c.widgets = sizeLines();
    c.widgets.insert(c.widgets.end(), readMode.begin(), readMode.end());
    const std::vector<Widget> pictures = pictureLines(sensorArea);
    c.widgets.insert(c.widgets.end(), pictures.begin(), pictures.end());
    c.widgets.insert(c.widgets.end(), format.begin(), format.end());
    c.prepare = sizesAndDrawing;
    c.readBackRule = yormReadBack;
    c.recalculated = yormWriteBack;
    return c;
}

Widget outFormat()
{
    return on<&P::comboOutFormat>("comboOutFormat")
        .start(ctx(&C::outFormat))
        .slot("comboOutFormat_currentIndexChanged(int)")
        .tip(tips::kOutFormat);
}

} // namespace

std::vector<FormCase> bridgeCases()
{
    std::vector<FormCase> cases;

    // The read-out mode is kept out of sight; only the Yorm101t offers a
    // choice of output format.
    FormCase yorm102 =
        bridgeCase("Yorm102_Adv", {on<&P::spinReadMode>("spinReadMode").start(ctx(&C::skipping)).hidden()},
                   "scrollAreaFOV", {outFormat().hidden({55, 56})});
    yorm102.limits = yormLimits;
    cases.push_back(yorm102);

    FormCase yorm105 = bridgeCase("Yorm105_Adv", {}, "scrollAreaFOV", {outFormat()});
    yorm105.limits = yorm105Limits;
    cases.push_back(FormCase(yorm105).forEntries(57, 57));
    FormCase yorm106 = yorm105.derive(Panel::A).forEntries(58, 58);
    yorm106.limits = yorm106Limits;
    cases.push_back(yorm106);

    // The offsets start at the context's, and the read-out mode is the
    // engineer's.
    FormCase murn106 = bridgeCase("Murn106_Adv",
                                  {on<&P::spinReadMode>("spinReadMode")
                                       .start(ctx(&C::readMode))
                                       .slot("spinReadMode_valueChanged(int)")
                                       .tip("Select the output read mode")},
                                  "scrollArea", {on<&P::comboOutFormat>("comboOutFormat").notInForm()});
    murn106.change("spinFovY", [](Widget &d) { d.start(ctx(&C::fovY)); }).change("spinFovX", [](Widget &d) {
        d.start(ctx(&C::fovX));
    });
    murn106.readBackRule = murn106ReadBack;
    murn106.recalculated = murn106WriteBack;
    cases.push_back(murn106);
    return cases;
}

} // namespace panels
