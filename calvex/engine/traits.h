// Family traits: the numbers that tell one sensor family from another, kept
// as one table entry per type code so that the engine (PLL solver, timing
// model, warnings, register mapper, texts) is the same code for every family.
#pragma once

#include "calvex_records.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace calvex {

enum class Layout { Sensor, Isp, Bridge, Form, Plain };

// Which clock the timing counts in, relative to the PLL output clock.
enum class PixelRelation {
    Output,            // pixel clock = output clock
    OutputTimes3,      // pixel clock = 3 x output clock (the output clock is the sensor core clock)
    VcoOver8,          // pixel clock = VCO / 8
    SerialOverDivisor, // pixel clock = serial clock / pixel-clock divisor
};

// One output divider of the PLL chain: the CPllParams field that reports it,
// its allowed values and whether the application writes a request into it.
// A field the application never writes is always chosen freely, so a value
// the library left there last time is never mistaken for an override.
struct DividerSpec {
    qint32 CPllParams::*field = nullptr; // nullptr: the divider is fixed at 1
    int min = 1;
    int max = 1;
    bool evenAboveOne = false; // allowed values 1, 2, 4, 6, ... (vt_sys_div style)
    bool request = false;      // the application writes -1 or an override
};

// Second PLL (serial clock) of the families that have one.
struct Pll2Spec {
    bool present = false;
    int nMin = 1, nMax = 1, mMin = 1, mMax = 1;
    double vcoMin = 0.0, vcoMax = 0.0;
    // Lane bits per cycle of the second VCO: 1, or 2 when the lanes run
    // double data rate on it.
    double laneBitsPerClock = 1.0;
};

// The image processors' aux clock and their P4/P5 dividers (FlagAuxClock):
// each divider is the smallest that keeps its clock at or below its limit.
struct AuxClockSpec {
    double auxClockMax = 300.0; // MHz, the aux clock nearest it is taken
    double p4ClockMax = 96.0;   // MHz out of P4
    double p5ClockMax = 400.0;  // MHz out of P5
    int dividerMax = 16;        // P4 and P5 are nibbles holding P - 1
    // The word-clock divider as its panel box holds it: (bits - wcdBase) /
    // wcdStep within wcdMin..wcdMax (0, 1, 2 for words of 8, 10, 12 bits).
    int wcdBase = 8, wcdStep = 2, wcdMin = 0, wcdMax = 2;
};

// Feature flags of a family.
enum TraitFlag : quint32 {
    FlagMEven = 0x2,             // the multiplier takes even values only
    FlagWriteBackIntg = 0x4,     // the integration time used is written back into the record
    FlagTargetFromOp = 0x8,      // the PLL is driven by targetClock2 (targetClock is not written)
    FlagIndexBits = 0x10,        // SetInterface receives a bit-depth index, not bits
    FlagAuxClock = 0x20,         // ISP aux clock, P4/P5 dividers and word-clock divider
    FlagTwoContexts = 0x40,      // the family calculates contexts A and B
    FlagOpDividerRequest = 0x80, // pllOpDivider carries the output bits request
    FlagSerialAlways = 0x100,    // the family has no parallel interface
};

struct FamilyTraits {
    int typeCode = 0;
    const char *family = "";
    Layout layout = Layout::Sensor;
    quint32 flags = 0;

    // PLL 1: input clock -> / N -> PFD -> x M -> VCO -> / d1 / d2 -> output clock.
    double finDefault = 24.0, finMin = 6.0, finMax = 64.0;
    double pfdMin = 2.0, pfdMax = 24.0;
    int nMin = 1, nMax = 63;
    int mMin = 16, mMax = 255;
    double vcoMin = 384.0, vcoMax = 1200.0;
    DividerSpec div[2];
    double outMax = 160.0; // highest output clock the chain may deliver, MHz
    double targetDefault = 48.0;
    double target2Default = 0.0;
    PixelRelation pixel = PixelRelation::Output;
    Pll2Spec pll2;
    AuxClockSpec aux;

    // Link.
    const char *interfaces = "Parallel"; // the family's interface list, "|" separated
    int defaultInterface = 0;
    int defaultLanes = 1;
    int defaultBits = 10;
    double laneRateMax = 1000.0; // Mbps per lane
    int opSysMax = 16;           // largest op_sys divider of the link
    int bitsMax = 24;            // most bits per pixel the link (op_pix divider) carries

    // Array and timing.
    int arrayCols = 640, arrayRows = 480;
    int pixelsPerClock = 1; // pixels read per line-length clock
    int minHBlank = 200;    // pixel clocks
    int minVBlank = 30;     // lines
    int maxLineLength = 65534;
    int maxFrameLength = 65535;
    int integrationMargin = 2; // lines between the longest integration and the frame end
    double defaultFps = 30.0;
    double defaultFpsB = 15.0;
    const char *frameRates = "30|25|20|15|10|5";
    double maxFpsAbs = 240.0;

    // The receive-FIFO trigger mark the image processors start with.
    int fifoDefault = 20;

    // Warning bits this family sets beyond the common ones.
    quint32 extraBits = 0;

    // The register table of the type code.
    const char *table = nullptr;

    bool has(quint32 flag) const { return (flags & flag) != 0; }
    int contexts() const { return has(FlagTwoContexts) ? 2 : 1; }
};

// The traits of a type code; an unknown type code gets a neutral entry whose
// typeCode is 0.
const FamilyTraits &familyTraits(int typeCode);

// Every type code of the table, in table order.
QList<int> allTypeCodes();

// The family's interface list as items.
QStringList interfaceItems(const FamilyTraits &t);

enum class LinkKind { Parallel, Mipi, Hispi, Ccp };

// What an interface item means: its kind and the lane count its name gives
// ("MIPI-4" -> 4 lanes; a name without a count gives fallbackLanes).
struct InterfaceInfo {
    LinkKind kind = LinkKind::Parallel;
    int lanes = 1;
    QString name;
};
InterfaceInfo interfaceInfo(const FamilyTraits &t, int index, int fallbackLanes);

} // namespace calvex
