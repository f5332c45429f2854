// The traits table: one entry per type code. Input clocks and VCO ranges are
// placed so that the override presets the window shows for a family are
// legal settings of it; array sizes follow the family's register table
// defaults as far as its address registers can hold them, and every divider
// and multiplier range fits the field of its register; default target clocks
// reach the default frame rate on the full array with the minimum blanking.
#include "engine/traits.h"

#include <QRegularExpression>
#include <vector>

namespace calvex {
namespace {

using P = CPllParams;

DividerSpec div(qint32 CPllParams::*field, int min, int max, bool request, bool evenAboveOne = false)
{
    DividerSpec d;
    d.field = field;
    d.min = min;
    d.max = max;
    d.request = request;
    d.evenAboveOne = evenAboveOne;
    return d;
}

// A sensor with the usual two video-timing dividers: vt_sys (P1, 1 or even
// up to 16) and vt_pix (P, 2 to 16).
FamilyTraits sensor(int code, const char *family, const char *table, double fin, double vcoMin, double vcoMax,
                    double target, int cols, int rows, const char *interfaces)
{
    FamilyTraits t;
    t.typeCode = code;
    t.family = family;
    t.table = table;
    t.layout = Layout::Sensor;
    t.finDefault = fin;
    t.finMin = 6.0;
    t.finMax = 64.0;
    t.pfdMin = 2.0;
    t.pfdMax = 24.0;
    t.nMin = 1;
    t.nMax = 63;
    t.mMin = 16;
    t.mMax = 255;
    t.vcoMin = vcoMin;
    t.vcoMax = vcoMax;
    t.div[0] = div(&P::pllP1, 1, 16, false, true);
    t.div[1] = div(&P::pllP, 2, 16, false);
    t.targetDefault = target;
    t.target2Default = target;
    t.outMax = 200.0;
    t.arrayCols = cols;
    t.arrayRows = rows;
    t.minHBlank = qMax(160, cols / 8);
    t.minVBlank = 32;
    t.interfaces = interfaces;
    t.defaultBits = 10;
    return t;
}

// An image processor with an integrated sensor: one output divider P.
FamilyTraits isp(int code, const char *family, const char *table, double fin, double target, int cols, int rows,
                 const char *interfaces)
{
    FamilyTraits t;
    t.typeCode = code;
    t.family = family;
    t.table = table;
    t.layout = Layout::Isp;
    t.finDefault = fin;
    t.finMin = 6.0;
    t.finMax = 54.0;
    t.pfdMin = 2.0;
    t.pfdMax = 27.0;
    t.nMin = 1;
    t.nMax = 64;
    t.mMin = 16;
    t.mMax = 255;
    t.vcoMin = 300.0;
    t.vcoMax = 800.0;
    t.div[0] = div(&P::pllP, 1, 16, false);
    t.div[1] = DividerSpec();
    t.targetDefault = target;
    t.outMax = 96.0;
    t.arrayCols = cols;
    t.arrayRows = rows;
    t.minHBlank = qMax(150, cols / 8);
    t.minVBlank = 25;
    t.interfaces = interfaces;
    t.defaultBits = 10;
    t.defaultFpsB = 15.0;
    return t;
}

FamilyTraits bridge(int code, const char *family, const char *table)
{
    FamilyTraits t = isp(code, family, table, 27.0, 74.25, 1280, 960, "Parallel|HISPI 12 bits|HISPI 14 bits");
    t.layout = Layout::Bridge;
    t.flags = FlagMEven;
    t.mMin = 16;
    t.mMax = 254;
    t.vcoMin = 400.0;
    t.vcoMax = 800.0;
    t.laneRateMax = 700.0;
    // Two clocks per pixel need a system clock of twice the pixel clock.
    t.outMax = 160.0;
    t.minHBlank = 370;
    t.minVBlank = 60;
    t.frameRates = "30|25|20|15|10|7.5|5";
    return t;
}

void twoContexts(FamilyTraits &t, double fpsB = 15.0)
{
    t.flags |= FlagTwoContexts;
    t.defaultFpsB = fpsB;
}

void secondPll(FamilyTraits &t, double vcoMin, double vcoMax)
{
    t.pll2.present = true;
    t.pll2.nMin = 1;
    t.pll2.nMax = 63;
    t.pll2.mMin = 16;
    t.pll2.mMax = 255; // PLL_MULTIPLIER2 is the high byte of its register
    t.pll2.vcoMin = vcoMin;
    t.pll2.vcoMax = vcoMax;
    t.extraBits |= 0x800000 | 0x1000000;
}

// The serial clock comes from a second PLL.
void secondPllSerial(FamilyTraits &t)
{
    secondPll(t, 400.0, 1500.0);
}

// The serial clock from a second PLL whose VCO clocks the lanes at double
// data rate (each lane carries two bits per cycle, so the VCO runs at half
// the lane rates), and pllOpDivider the op pixel divider (3 to 6), not a bit
// depth.
void secondPllDoubleDataRate(FamilyTraits &t)
{
    secondPll(t, 200.0, 750.0);
    t.pll2.laneBitsPerClock = 2.0;
    t.flags &= ~quint32(FlagOpDividerRequest);
}

// A second PLL, and output bits that come with the context: pllOpDivider is
// the op pixel divider (3 to 6), not a bit depth.
void secondPllPixelDivider(FamilyTraits &t)
{
    secondPll(t, 400.0, 1500.0);
    t.flags &= ~quint32(FlagOpDividerRequest);
    t.bitsMax = 12;
}

// A second PLL, and the first one driven by the second target (targetClock
// is not written for it).
void secondPllDrivenBySecondTarget(FamilyTraits &t)
{
    secondPll(t, 400.0, 1500.0);
    t.flags |= FlagTargetFromOp;
}

// Driven by the second target, with the output-rate and second-VCO warnings.
void drivenBySecondTarget(FamilyTraits &t)
{
    t.flags |= FlagTargetFromOp;
    t.extraBits |= 0x80000 | 0x800000 | 0x1000000;
}

// Narrower PLL registers: N 5 bits, M 7 bits and the clock dividers 4 bits
// each; a longer minimum horizontal blanking.
void narrowPllRegisters(FamilyTraits &t)
{
    t.nMax = 31;
    t.mMax = 127;
    t.div[0].max = 15;
    t.div[1].max = 15;
    t.opSysMax = 15;
    t.bitsMax = 14;
    t.maxFrameLength = 65535;
    t.minHBlank = 500;
}

std::vector<FamilyTraits> buildTable()
{
    std::vector<FamilyTraits> v;
    FamilyTraits t;

    // Image processors with integrated VGA sensors; the PLL output is the
    // core clock, a third of the pixel clock.
    for (int code : {1, 3, 10}) {
        t = isp(code, code == 1 ? "Tolm_104" : "Murn_101", code == 1 ? "D1" : "D3", 27.0, 12.0, 648, 488,
                "Parallel|MIPI");
        t.pixel = PixelRelation::OutputTimes3;
        // P - 1 is a nibble of the P divider register, so P stays within
        // 1..16; the VCO range reaches down far enough for the slow core
        // clocks at P = 16.
        t.vcoMin = 160.0;
        t.outMax = 40.0;
        t.minHBlank = 210;
        v.push_back(t);
    }

    t = sensor(12, "Brel_101", "D12", 16.0, 384.0, 768.0, 96.0, 2592, 1944, "Parallel|Serial");
    t.div[0] = div(&P::pllP4, 1, 16, true, true);
    t.div[1] = div(&P::pllP5, 2, 16, true);
    twoContexts(t, 30.0);
    t.defaultFps = 15.0;
    t.frameRates = "15|14|12|10|7.5|5";
    t.defaultInterface = 1;
    t.defaultLanes = 4;
    t.defaultBits = 12;
    v.push_back(t);

    t = isp(13, "Murn_105", "D13", 22.0, 44.0, 648, 488, "Parallel|MIPI");
    t.pixel = PixelRelation::VcoOver8;
    t.flags |= FlagAuxClock;
    t.minHBlank = 78;
    v.push_back(t);

    for (int code : {14, 16, 17, 18, 20}) {
        t = sensor(code, "Brel_102", code == 20 ? "D15" : "D14", 16.0, 384.0, 768.0, 96.0, 2592, 1944,
                   "Parallel|Serial");
        t.div[0] = div(&P::pllP1, 1, 16, true, true);
        t.div[1] = div(&P::pllP5, 4, 16, true);
        // The sensors that place their image on the array (type code 20)
        // have an 8-pixel border around the 2592 x 1944 image.
        if (code == 20) {
            t.arrayCols = 2608;
            t.arrayRows = 1960;
        }
        twoContexts(t, 30.0);
        t.defaultFps = 15.0;
        t.frameRates = "15|14|12|10|7.5|5";
        t.extraBits = 0x1000 | 0x2000;
        t.defaultInterface = code == 20 ? 1 : 0;
        t.defaultLanes = 4;
        t.defaultBits = 12;
        v.push_back(t);
    }

    t = sensor(21, "Vek_101", "D21", 16.0, 384.0, 768.0, 96.0, 2592, 1944, "Parallel|MIPI");
    t.div[0] = div(&P::pllP1, 1, 16, true, true);
    t.div[1] = div(&P::pllP, 2, 16, true);
    twoContexts(t, 30.0);
    t.defaultFps = 15.0;
    t.frameRates = "15|14|12|10|7.5|5";
    v.push_back(t);

    t = sensor(22, "Vek_108", "D22", 16.0, 384.0, 768.0, 96.0, 2592, 1944, "Parallel|MIPI");
    twoContexts(t, 30.0);
    t.defaultFps = 15.0;
    t.frameRates = "15|14|12|10|7.5|5";
    t.defaultInterface = 1;
    t.defaultLanes = 2;
    t.defaultBits = 12;
    v.push_back(t);

    t = sensor(25, "Brel_103", "D25", 16.0, 384.0, 800.0, 96.0, 2592, 1944, "CCP|MIPI");
    t.div[1] = div(&P::pllP, 2, 15, true);
    t.flags |= FlagOpDividerRequest | FlagSerialAlways;
    t.defaultFps = 15.0;
    t.frameRates = "15|10|7.5|5";
    t.defaultInterface = 1;
    t.defaultLanes = 2;
    v.push_back(t);

    t = isp(26, "Vek_124", "D26", 24.0, 76.8, 1928, 1088, "Parallel|MIPI-1|MIPI-2");
    t.pixel = PixelRelation::SerialOverDivisor;
    t.flags |= FlagAuxClock;
    t.vcoMax = 900.0;
    t.outMax = 160.0;
    t.defaultInterface = 1;
    v.push_back(t);

    t = isp(27, "Murn_109", "D27", 24.0, 96.0, 1928, 1088, "Parallel|MIPI-1|CCP|MIPI-2");
    t.pixel = PixelRelation::VcoOver8;
    t.flags |= FlagAuxClock;
    t.vcoMax = 900.0;
    t.outMax = 160.0;
    v.push_back(t);

    t = sensor(28, "Brel_104", "D28", 16.0, 384.0, 768.0, 96.0, 2592, 1944, "Parallel|HiSPi");
    twoContexts(t, 30.0);
    t.defaultFps = 15.0;
    t.frameRates = "15|14|12|10|7.5|5";
    t.defaultInterface = 1;
    t.defaultLanes = 4;
    t.defaultBits = 12;
    t.laneRateMax = 700.0;
    v.push_back(t);

    t = sensor(30, "Brel_105", "D30", 16.0, 384.0, 768.0, 96.0, 2592, 1944, "Parallel|MIPI|HiSPi");
    twoContexts(t, 30.0);
    t.defaultFps = 15.0;
    t.frameRates = "240|15|12|10|7.5|5";
    t.defaultInterface = 2;
    t.defaultLanes = 4;
    t.defaultBits = 12;
    t.laneRateMax = 800.0;
    v.push_back(t);

    t = isp(31, "Murn_111", "D31", 24.0, 96.0, 2608, 1960, "Parallel|MIPI");
    t.flags |= FlagAuxClock;
    t.vcoMax = 900.0;
    t.outMax = 160.0;
    twoContexts(t, 7.5);
    t.defaultFps = 15.0;
    t.frameRates = "15|12|10|7.5|5";
    v.push_back(t);

    t = sensor(32, "Brel_106", "D32", 12.0, 200.0, 600.0, 48.0, 2592, 1944, "Parallel");
    t.mMin = 16;
    t.mMax = 127;
    t.defaultFps = 7.5;
    t.frameRates = "7.5|5|3.75";
    t.minHBlank = 160;
    v.push_back(t);

    t = sensor(34, "Brel_107", "D34", 25.0, 400.0, 1000.0, 144.0, 3264, 2448, "Parallel|MIPI-1|MIPI-2");
    t.div[1] = div(&P::pllP, 2, 15, true);
    t.flags |= FlagOpDividerRequest;
    t.defaultFps = 15.0;
    t.frameRates = "15|10|7.5|5";
    t.defaultInterface = 2;
    v.push_back(t);

    // MIPI/HiSPi sensors whose output divider P and op divider are requests;
    // tune, where given, adds what the row's family has beyond them.
    struct SensorRow {
        int code;
        const char *family;
        const char *table;
        double fin, vcoMin, vcoMax, target;
        int cols, rows, ppc;
        const char *interfaces;
        int defaultInterface;
        double fps;
        const char *rates;
        void (*tune)(FamilyTraits &);
    };
    const SensorRow rows[] = {
        {37, "Vek_141", "D37", 25.0, 600.0, 1000.0, 96.0, 2592, 1944, 1, "MIPI-2|MIPI-3|MIPI-4|HISPI-4", 2, 15.0,
         "15|10|7.5|5", nullptr},
        {41, "Vek_145l", "D41", 25.0, 600.0, 1000.0, 48.0, 1000, 750, 1, "MIPI-2|MIPI-4", 1, 30.0, "30|25|15|10",
         nullptr},
        {42, "Vek_147", "D42", 24.0, 700.0, 1200.0, 96.0, 2592, 1944, 1, "MIPI-2|MIPI-3|MIPI-4|HISPI-4", 2, 15.0,
         "15|10|7.5|5", nullptr},
        {44, "Vek_149", "D44", 24.0, 700.0, 1200.0, 96.0, 2592, 1944, 1, "MIPI-2|MIPI-3|MIPI-4|HISPI-4", 2, 15.0,
         "15|10|7.5|5", nullptr},
        {49, "Vek_152", "D46", 25.0, 700.0, 1200.0, 96.0, 4224, 3136, 2, "MIPI-2|MIPI-3|MIPI-4|HISPI", 2, 10.0,
         "10|7.5|5", secondPllSerial},
        {51, "Vek_153", "D51", 25.0, 700.0, 1200.0, 96.0, 4224, 3136, 2, "MIPI-2|MIPI-3|MIPI-4", 2, 10.0, "10|7.5|5",
         secondPllSerial},
        {52, "Vek_154", "D52", 24.0, 700.0, 1200.0, 96.0, 4224, 3136, 2, "MIPI-2|MIPI-3|MIPI-4", 2, 10.0, "10|7.5|5",
         secondPllDoubleDataRate},
        {53, "Vek_155", "D53", 25.0, 600.0, 1000.0, 96.0, 2592, 1944, 1, "MIPI-2|MIPI-4|HISPI-4|HISPI-8", 2, 15.0,
         "15|10|7.5|5", nullptr},
        {67, "Vek_143", "D67", 25.0, 600.0, 1000.0, 80.0, 3280, 2048, 2, "MIPI-1|MIPI-2|MIPI-3|MIPI-4", 3, 15.0,
         "15|10|7.5|5", nullptr},
        {80, "Vek_157b", "D80", 25.0, 600.0, 1000.0, 170.0, 4096, 2048, 1,
         "MIPI-2|MIPI-3|MIPI-4|MIPI-8|HISPI-4|HISPI-8|HISPI-12|HISPI-16", 7, 5.0, "5|4|3|2", narrowPllRegisters},
        {81, "Vek_157f", "D81", 25.0, 600.0, 1000.0, 170.0, 4096, 2048, 1, "HISPI-4|HISPI-8|HISPI-12|HISPI-16", 3, 5.0,
         "5|4|3|2", narrowPllRegisters},
        {82, "Vek_137", "D82", 25.0, 600.0, 1000.0, 89.0, 3280, 2048, 2, "MIPI-1|MIPI-2", 1, 15.0, "15|10|7.5|5",
         nullptr},
        {90, "Vek_135", "D90", 27.0, 600.0, 1200.0, 89.0, 4224, 3136, 2, "MIPI-2|MIPI-4|HISPI-ST|HIPSI-PK", 1, 10.0,
         "10|7.5|5", secondPllDrivenBySecondTarget},
        {95, "Vek_132", "D95", 24.0, 700.0, 1200.0, 96.0, 4224, 3136, 2, "MIPI-2|MIPI-3|MIPI-4", 2, 10.0, "10|7.5|5",
         secondPllPixelDivider},
        {99, "Vek_138", "D99", 27.0, 600.0, 1200.0, 104.0, 4224, 3136, 2, "MIPI-4|HISPI-4", 0, 10.0, "10|7.5|5",
         drivenBySecondTarget},
        {112, "Drav_101", "D112", 25.0, 400.0, 800.0, 48.0, 4224, 3136, 2, "MIPI-1", 0, 5.0, "5|4|3|2",
         secondPllSerial},
        {113, "Vek_120", "D113", 25.0, 400.0, 800.0, 85.0, 4224, 3136, 2, "MIPI-2|MIPI-4", 1, 10.0, "10|7.5|5",
         secondPllSerial},
    };
    for (const SensorRow &r : rows) {
        t = sensor(r.code, r.family, r.table, r.fin, r.vcoMin, r.vcoMax, r.target, r.cols, r.rows, r.interfaces);
        t.div[1] = div(&P::pllP, 2, 16, true);
        t.flags |= FlagOpDividerRequest | FlagSerialAlways;
        t.pixelsPerClock = r.ppc;
        t.minHBlank = qMax(160, r.cols / r.ppc / 8);
        t.defaultInterface = r.defaultInterface;
        t.defaultFps = r.fps;
        t.frameRates = r.rates;
        t.laneRateMax = 1500.0;
        if (r.tune)
            r.tune(t);
        v.push_back(t);
    }

    for (int code : {54, 55, 56})
        v.push_back(bridge(code, "Yorm_102", code == 54 ? "D54a" : "D54b"));
    v.push_back(bridge(57, "Yorm_105", "D57"));
    v.push_back(bridge(58, "Yorm_106", "D58"));

    t = isp(59, "Murn_107", "D59", 24.0, 48.0, 1616, 1216, "Parallel|MIPI");
    t.vcoMin = 128.0;
    t.vcoMax = 640.0;
    twoContexts(t, 7.5);
    t.defaultFps = 15.0;
    t.frameRates = "15|12|10|7.5|5";
    v.push_back(t);

    for (int code : {60, 61}) {
        t = isp(code, "Murn_103", "D60", 24.0, 54.0, 1294, 1038, "Parallel");
        twoContexts(t, 15.0);
        t.extraBits = 0x8;
        v.push_back(t);
    }

    // Form-based families: their own clock trees, described by the variables.
    t = FamilyTraits();
    t.typeCode = 62;
    t.family = "Vek_125";
    t.table = "Vek_125";
    t.layout = Layout::Form;
    t.finDefault = 24.0;
    t.targetDefault = 192.0;
    // The window its 12-bit column and 11-bit row address registers hold by default.
    t.arrayCols = 2592;
    t.arrayRows = 1944;
    t.minHBlank = 400;
    t.minVBlank = 40;
    t.defaultFps = 10.0;
    t.frameRates = "10|7.5|5";
    t.extraBits = 0;
    v.push_back(t);
    t.typeCode = 65;
    t.family = "Murn_102";
    t.table = "Murn_102";
    t.arrayCols = 640;
    t.arrayRows = 480;
    t.minHBlank = 200;
    t.minVBlank = 25;
    t.targetDefault = 24.0;
    t.defaultFps = 30.0;
    t.frameRates = "30|25|15|10|5";
    t.extraBits = 0x20;
    v.push_back(t);
    t.typeCode = 66;
    t.family = "Murn_104";
    t.table = "Murn_104";
    t.targetDefault = 48.0;
    v.push_back(t);

    t = isp(69, "Murn_110", "D69", 24.0, 64.0, 2062, 1550, "Parallel|MIPI");
    t.flags |= FlagAuxClock;
    twoContexts(t, 7.5);
    t.defaultFps = 15.0;
    t.frameRates = "15|12|10|7.5|5";
    v.push_back(t);

    t = isp(70, "Murn_108", "D70", 24.0, 48.0, 1614, 1214, "Parallel|MIPI");
    t.flags |= FlagAuxClock;
    // Its word-clock divider is the word's bit count, 8 to 10.
    t.aux.wcdBase = 0;
    t.aux.wcdStep = 1;
    t.aux.wcdMin = 8;
    t.aux.wcdMax = 10;
    twoContexts(t, 7.5);
    t.defaultFps = 15.0;
    t.frameRates = "15|12|10|7.5|5";
    v.push_back(t);

    t = isp(71, "Murn_106", "D71", 24.0, 54.0, 1288, 968, "MIPI|Parallel/Slow PixClk|Parallel");
    t.flags |= FlagAuxClock;
    t.defaultInterface = 1;
    v.push_back(t);

    // Parallel/serial sensors configured through SetInterface.
    struct LinkRow {
        int code;
        const char *family;
        const char *table;
        double fin, vcoMin, vcoMax, target;
        int cols, rows;
        const char *interfaces;
        int iface, lanes, bits;
        bool two;
        double fps;
        quint32 flags;     // beyond the common ones
        quint32 extraBits; // warnings beyond the common ones
        int ppc;           // pixels per line-length clock
        int minHBlank;     // 0: the sensor default
    };
    const LinkRow links[] = {
        {72, "Vek_116", "D72", 27.0, 384.0, 900.0, 96.0, 2592, 1944, "Parallel|HiSPi", 1, 4, 12, true, 15.0, 0, 0, 1,
         0},
        {75, "Vek_118", "D75", 27.0, 384.0, 1000.0, 74.25, 1288, 968, "Parallel|HiSPi|MIPI", 1, 4, 12, false, 45.0,
         FlagIndexBits | FlagWriteBackIntg, 0, 1, 0},
        {102, "Vek_118", "D75", 27.0, 384.0, 1000.0, 74.25, 1288, 968, "Parallel|HiSPi|MIPI", 1, 4, 12, false, 45.0,
         FlagIndexBits | FlagWriteBackIntg, 0, 1, 0},
        {77, "Vek_121", "D76", 27.0, 384.0, 900.0, 96.0, 2592, 1944, "Parallel|HiSPi", 1, 4, 12, true, 15.0, 0, 0, 1,
         0},
        {83, "Vek_117", "D83", 27.0, 384.0, 900.0, 96.0, 2592, 1944, "Parallel|HiSPi|MIPI", 1, 2, 14, false, 15.0, 0, 0,
         1, 0},
        {84, "Vek_107", "D84", 27.0, 384.0, 900.0, 74.25, 1288, 968, "Parallel|HiSPi|MIPI", 1, 4, 12, false, 45.0, 0, 0,
         1, 0},
        {85, "Vek_113", "D85", 27.0, 384.0, 900.0, 74.25, 1288, 968, "HiSPi|MIPI", 0, 2, 12, false, 45.0,
         FlagSerialAlways, 0, 1, 0},
        {87, "Vek_111", "D86", 27.0, 384.0, 900.0, 96.0, 2592, 1944, "Parallel|MIPI|HiSPi", 1, 4, 12, true, 15.0, 0, 0,
         1, 0},
        {89, "Vek_123", "D88", 27.0, 384.0, 900.0, 96.0, 2592, 1944, "Parallel|HiSPi|MIPI", 1, 4, 12, false, 15.0, 0,
         0x80000, 1, 0},
        {92, "Vek_110", "D92", 27.0, 384.0, 900.0, 74.25, 1288, 968, "Parallel|HiSPi", 1, 4, 12, false, 45.0, 0,
         0x80000 | 0x800000 | 0x1000000, 1, 0},
        {93, "Vek_110", "D92", 27.0, 384.0, 900.0, 74.25, 1288, 968, "Parallel|HiSPi", 1, 4, 12, false, 45.0, 0,
         0x80000 | 0x800000 | 0x1000000, 1, 0},
        {94, "Vek_114", "D94", 27.0, 384.0, 900.0, 96.0, 2592, 1944, "Parallel|HiSPi|MIPI", 0, 4, 12, false, 15.0,
         FlagWriteBackIntg, 0, 1, 0},
        {103, "Vek_119", "D103", 27.0, 384.0, 900.0, 96.0, 2592, 1944, "Parallel|MIPI", 0, 1, 10, false, 15.0, 0, 0, 1,
         0},
        {110, "Vek_128", "D110", 27.0, 384.0, 1000.0, 74.25, 1288, 968, "Parallel|HiSPi|MIPI", 1, 4, 12, false, 45.0,
         FlagIndexBits | FlagWriteBackIntg, 0, 1, 0},
        {111, "Drav_102", "D111", 27.0, 384.0, 1000.0, 74.25, 2688, 1520, "MIPI", 0, 2, 10, false, 30.0,
         FlagIndexBits | FlagWriteBackIntg | FlagSerialAlways, 0x100 | 0x200, 2, 168},
        {115, "Vek_146", "D115", 27.0, 384.0, 1000.0, 74.25, 1288, 968, "MIPI|HiSPi", 0, 4, 12, false, 45.0,
         FlagIndexBits | FlagWriteBackIntg | FlagSerialAlways, 0, 1, 0},
    };
    for (const LinkRow &r : links) {
        t = sensor(r.code, r.family, r.table, r.fin, r.vcoMin, r.vcoMax, r.target, r.cols, r.rows, r.interfaces);
        t.defaultInterface = r.iface;
        t.defaultLanes = r.lanes;
        t.defaultBits = r.bits;
        t.defaultFps = r.fps;
        t.laneRateMax = 1000.0;
        t.frameRates = r.fps > 30.0 ? "45|30|25|15|10" : "15|12|10|7.5|5";
        if (r.two)
            twoContexts(t, 30.0);
        t.flags |= r.flags;
        t.extraBits |= r.extraBits;
        t.pixelsPerClock = r.ppc;
        if (r.minHBlank > 0)
            t.minHBlank = r.minHBlank;
        v.push_back(t);
    }

    // Plain families.
    t = FamilyTraits();
    t.layout = Layout::Plain;
    t.family = "Zelt";
    t.table = "D105";
    t.finDefault = 27.0;
    t.finMin = 10.0;
    t.finMax = 50.0;
    t.pfdMin = 5.0;
    t.pfdMax = 25.0;
    t.nMin = 1;
    t.nMax = 8;
    t.mMin = 8;
    t.mMax = 127;
    t.vcoMin = 500.0;
    t.vcoMax = 1300.0;
    t.interfaces = "HISPI";
    t.defaultLanes = 4;
    t.defaultBits = 10;
    t.laneRateMax = 1300.0;
    t.arrayCols = 2048;
    t.arrayRows = 2060;
    t.minHBlank = 0;
    t.minVBlank = 0;
    // A small region of interest reads out far faster than the full array:
    // the frame-length register, not a fixed rate, is the limit.
    t.maxFpsAbs = 2000.0;
    t.defaultFps = 100.0;
    t.frameRates = "100|60|30|15";
    t.extraBits = 0;
    for (int code = 105; code <= 109; ++code) {
        t.typeCode = code;
        v.push_back(t);
    }

    t = FamilyTraits();
    t.typeCode = 114;
    t.layout = Layout::Plain;
    t.family = "Holv_101";
    t.table = "D114";
    t.finDefault = 40.0;
    t.finMin = 40.0;
    t.finMax = 40.0;
    t.interfaces = "MIPI";
    t.frameRates = "";
    v.push_back(t);
    return v;
}

const std::vector<FamilyTraits> &table()
{
    static const std::vector<FamilyTraits> t = buildTable();
    return t;
}

} // namespace

const FamilyTraits &familyTraits(int typeCode)
{
    static const FamilyTraits neutral;
    for (const FamilyTraits &t : table()) {
        if (t.typeCode == typeCode)
            return t;
    }
    return neutral;
}

QList<int> allTypeCodes()
{
    QList<int> codes;
    for (const FamilyTraits &t : table())
        codes << t.typeCode;
    return codes;
}

QStringList interfaceItems(const FamilyTraits &t)
{
    return QString::fromLatin1(t.interfaces).split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

InterfaceInfo interfaceInfo(const FamilyTraits &t, int index, int fallbackLanes)
{
    const QStringList items = interfaceItems(t);
    InterfaceInfo info;
    info.lanes = qMax(1, fallbackLanes);
    if (items.isEmpty())
        return info;
    const int i = qBound(0, index, int(items.size()) - 1);
    info.name = items.at(i);
    const QString upper = info.name.toUpper();
    if (upper.startsWith(QLatin1String("MIPI")) || upper == QLatin1String("SERIAL"))
        info.kind = LinkKind::Mipi;
    else if (upper.startsWith(QLatin1String("HISPI")) || upper.startsWith(QLatin1String("HIPSI")))
        info.kind = LinkKind::Hispi;
    else if (upper.startsWith(QLatin1String("CCP")))
        info.kind = LinkKind::Ccp;
    else
        info.kind = LinkKind::Parallel;
    static const QRegularExpression lanesRx(QStringLiteral("-(\\d+)$"));
    const QRegularExpressionMatch m = lanesRx.match(info.name);
    if (m.hasMatch())
        info.lanes = qBound(1, m.captured(1).toInt(), 16);
    if (info.kind == LinkKind::Parallel)
        info.lanes = 1;
    return info;
}

} // namespace calvex
