// Shared by the tests that run the bundled sample configurations: the
// catalogue of sensors with their facade type codes, the set-up of a family
// from a sample file, and the use-case load and calculation as the window
// performs them.
#pragma once

#include "calvex.h"
#include "familyrunner.h"
#include "usecasepresets.h"

#include <QString>

#include <cmath>
#include <iterator>

namespace samples {

// The facade type code of every catalogued sensor, in catalogue order.
struct Sensor {
    const char *name;
    int typeCode;
};
inline const Sensor kSensors[] = {
    {"Tolm104m", 1},  {"Tolm105m", 1},  {"Tolm101m", 3},    {"Tolm101t", 3},   {"Tolm102m", 3},   {"Tolm103m", 3},
    {"Tolm106m", 3},  {"Tolm106t", 3},  {"Tolm107m", 3},    {"Tolm108m", 10},  {"Tolm108t", 10},  {"Sarn102", 12},
    {"Sarn105k", 13}, {"Sarn106h", 14}, {"Vek103", 20},     {"Vek104", 16},    {"Vek105m", 17},   {"Vek105t", 18},
    {"Vek106", 20},   {"Sarn106c", 20}, {"Vek101", 21},     {"Vek108m", 22},   {"Vek108t", 22},   {"Vek109t", 22},
    {"Sarn109", 25},  {"Vek124", 26},   {"Pirn106", 27},    {"Sarn111", 28},   {"Vek130t", 28},   {"Sarn112", 30},
    {"Sarn116k", 31}, {"Sarn115", 32},  {"Sarn114vw+", 32}, {"Sarn117", 34},   {"Sarn118", 34},   {"Sarn119", 34},
    {"Sarn120", 37},  {"Sarn121", 37},  {"Vek142", 37},     {"Vek142b", 37},   {"Vek145l", 41},   {"Vek147", 42},
    {"Vek148n", 42},  {"Vek149", 44},   {"Vek150n", 44},    {"Vek151", 49},    {"Vek151tk", 49},  {"Vek151b", 49},
    {"Vek152n", 49},  {"Vek156", 49},   {"Vek153", 51},     {"Vek154", 52},    {"Vek155", 53},    {"Yorm101t", 54},
    {"Yorm102m", 55}, {"Yorm102t", 56}, {"Yorm105m", 57},   {"Yorm106m", 58},  {"Sarn108kj", 59}, {"Sarn103k", 60},
    {"Tolm109", 61},  {"Vek125", 62},   {"Vek126n", 62},    {"Vek127r", 62},   {"Sarn101k", 65},  {"Sarn104k", 66},
    {"Vek143", 67},   {"Vek144n", 67},  {"Sarn113k", 69},   {"Sarn110k", 70},  {"Sarn107k", 71},  {"Vek116m", 72},
    {"Vek116t", 72},  {"Vek115x", 72},  {"Vek118m", 75},    {"Vek121m", 77},   {"Vek121t", 77},   {"Vek121d", 77},
    {"Vek122t", 77},  {"Vek157b", 80},  {"Vek157f", 81},    {"Vek137", 82},    {"Vek117m", 83},   {"Vek107m", 84},
    {"Vek113m", 85},  {"Vek111m", 87},  {"Vek111t", 87},    {"Vek123m", 89},   {"Vek123d", 89},   {"Vek135d", 90},
    {"Vek136d", 90},  {"Vek110m", 92},  {"Vek112m", 93},    {"Vek114d", 94},   {"Vek132", 95},    {"Vek133", 95},
    {"Vek134t", 95},  {"Vek134s", 95},  {"Vek138m", 99},    {"Vek139", 99},    {"Vek140m", 99},   {"Vek131m", 102},
    {"Vek119t", 103}, {"Vek119m", 103}, {"Zelt105", 105},   {"Zelt101", 106},  {"Zelt102", 107},  {"Zelt103", 108},
    {"Zelt104", 109}, {"Vek128m", 110}, {"Drav102", 111},   {"Drav101t", 112}, {"Vek120t", 113},  {"Holv101", 114},
    {"Vek146m", 115},
};

// The attached-sensor kind a bridge takes from the raw sensor name; the first
// name the raw sensor contains wins.
struct Attached {
    const char *name;
    int kind;
};
inline const Attached kYorm102Attached[] = {{"Sarn106c", 0}, {"Vek108", 1}, {"Vek101", 2}, {"Drav103", 3}};
inline const Attached kYorm105Attached[] = {
    {"Sarn106c", 0}, {"Vek102", 0}, {"Vek108", 1}, {"Vek116", 2}, {"Vek117", 3}};

inline QString sampleFolder()
{
    return QStringLiteral(PALLADOR_SOURCE_DIR "/samples/bin/cfg_pallador");
}

// Catalogue index (1-based) of a sensor name, or 0.
inline int catalogueIndex(const QString &name)
{
    for (int i = 0; i < int(std::size(kSensors)); ++i) {
        if (name.compare(QLatin1String(kSensors[i].name), Qt::CaseInsensitive) == 0)
            return i + 1;
    }
    return 0;
}

template <std::size_t N> void setAttachedKind(CBridgeFamily *bridge, const QString &raw, const Attached (&list)[N])
{
    for (const Attached &a : list) {
        if (raw.contains(QLatin1String(a.name))) {
            bridge->sensorKind = a.kind;
            return;
        }
    }
}

// A bridge takes the kind of its attached sensor from the raw sensor name.
inline void attachSensor(CFamilyCore *family, const QString &rawSensor)
{
    auto *bridge = dynamic_cast<CBridgeFamily *>(family);
    if (!bridge)
        return;
    if (family->typeCode() <= 56)
        setAttachedKind(bridge, rawSensor, kYorm102Attached);
    else
        setAttachedKind(bridge, rawSensor, kYorm105Attached);
}

// The file's default clocks into the PLL block with every other request
// free, as the window writes them before a calculation. The form families and
// the radar keep their clocks in their own variables.
inline void setDefaultRequests(CFamilyCore *family)
{
    if (dynamic_cast<Holv_101 *>(family) || dynamic_cast<CFormFamily *>(family))
        return;
    const CFamilyDefaults &d = family->defaults;
    CPllParams &pll = family->pll;
    pll.inputClock = d.defaultInputClock;
    pll.targetClock = d.defaultTargetClock;
    pll.targetClock2 = d.defaultTargetClock2;
    testing::resetRequests(pll);
    if (dynamic_cast<Vek_135 *>(family)) {
        // Its VCO request and output divider are fixed unless overridden.
        pll.vcoRequest = 801.0;
        pll.pllOpDivider = 10;
    }
}

// The use case into a context and the default clocks into the PLL block, as
// the window's use-case load and calculation write them.
inline void loadUseCase(CFamilyCore *family, const CUseCase &u, int context = 0)
{
    CContextParams &p = family->ctx[context == 1 ? 1 : 0];
    p.maxFps = u.maxFps;
    p.cols = u.cols;
    p.rows = u.rows;
    p.fovCols = u.fovCols;
    p.fovRows = u.fovRows;
    p.binning = u.binning;
    p.binXOnly = u.binXOnly;
    p.bin2Skip2 = u.bin2Skip2;
    p.binSF = u.binSF;
    p.skipping = u.skipping;
    p.skippingY = u.skippingY;
    p.lowPower = u.lowPower;
    p.cropping = u.cropping;
    p.centering = u.centering;
    p.cif = u.cif;
    p.hd720p = u.hd720p;
    p.hdrMode = u.hdrMode;
    p.aspectRatio = u.aspectRatio;
    p.aspectRatioFlag = u.aspectRatio != 0;
    p.highSpeed = u.highSpeed != 0;
    p.intgTime = u.intgTime;
    p.blankType = u.blankType;
    p.goProMode = u.goProMode;

    const CFamilyDefaults &d = family->defaults;
    if (auto *f = dynamic_cast<Holv_101 *>(family)) {
        // The radar configuration rides on thirteen use-case keys.
        HolvConfigBlock &b = f->configBlock;
        b.bitsPerSample = u.cropping;
        b.decimation = u.centering;
        b.chirpResetTime = u.cif;
        b.chirpRampTime = u.hd720p;
        b.freqMin = u.extraValue;
        b.slope = u.aspectRatio;
        b.adcStartTime = u.intgTime;
        b.adcSamples = u.lowPower;
        b.adcClock = u.extraMode;
        b.mipiWordClock = u.blankType;
        b.chirpsPerFrame = u.highSpeed;
        b.elevation = u.hdrMode != 0;
        b.tdmMimo = u.exposures != 0;
        return;
    }
    if (auto *f = dynamic_cast<Vek_125 *>(family)) {
        f->Rows.setClamped(u.rows);
        f->Cols.setClamped(u.cols);
        f->IntgTime.setClamped(u.intgTime);
        f->intgTime = f->IntgTime.value;
        f->InputFreq.setClamped(d.defaultInputClock);
        f->SystemFreq.setClamped(d.defaultTargetClock);
        return;
    }
    if (auto *f = dynamic_cast<Murn_102 *>(family)) {
        f->spinRows.setClamped(u.rows);
        f->spinCols.setClamped(u.cols);
        f->checkRowSkipping.checked = u.skipping != 0;
        f->dSpinPLL_Input.setClamped(d.defaultInputClock);
        return;
    }
    if (auto *f = dynamic_cast<Murn_104 *>(family)) {
        f->spinRows.setClamped(u.rows);
        f->spinCols.setClamped(u.cols);
        f->checkSkipping.checked = u.skipping != 0;
        f->dSpinPLL_Input.setClamped(d.defaultInputClock);
        f->dSpinPLL_Target.setClamped(d.defaultTargetClock);
        return;
    }

    setDefaultRequests(family);
    if (auto *f = dynamic_cast<Murn_101 *>(family)) {
        f->useCaseMode = u.hdrMode;
    } else if (auto *f = dynamic_cast<Vek_138 *>(family)) {
        p.hdrMode = 0;
        f->numExposures = qMax(1, u.exposures);
    } else if (dynamic_cast<Zelt *>(family)) {
        // cols carries the reference lines; the read-out settings start over.
        p.lowPower = 1;
        p.skipping = 0;
        p.scaler = 1000;
        p.scaleM = 0;
        p.txLatch = false;
        p.shortSeq = true;
    } else if (dynamic_cast<Vek_132 *>(family)) {
        // Its supercell read-out is a PLL-block setting, from context A.
        family->pll.highSpeed = p.highSpeed;
    } else if (dynamic_cast<CBridgeFamily *>(family) && !p.aspectRatioFlag) {
        // The bridges run whole frames per second.
        p.maxFps = std::trunc(p.maxFps);
    }
}

// The use-case preset of a use-case position, written into the family the
// way the window's calculation writes it (its panels closed, a D-PHY link).
inline void applyUseCasePreset(CFamilyCore *family, int position)
{
    using namespace calvex::presets;
    CContextParams &p = family->ctx[0];
    CPllParams &pll = family->pll;
    auto lengths = [&p](LengthPresets &f, const LengthRow *r) {
        if (!r)
            return;
        p.scaleM = r->scaleM;
        f.lineLengthPreset = r->lineLength;
        f.frameLengthPreset = r->frameLength;
    };
    if (auto *f = dynamic_cast<Vek_152 *>(family)) {
        lengths(*f, row(kVek152, position));
    } else if (auto *f = dynamic_cast<Vek_153 *>(family)) {
        lengths(*f, row(kVek153, position));
    } else if (auto *f = dynamic_cast<Vek_154 *>(family)) {
        if (const Vek154Row *r = row(kVek154, position)) {
            const double k = vek154PhyFactor(pll.phyCd);
            pll.targetClock = r->targetClock;
            pll.vcoRequest = r->vcoRequest;
            f->clockPreset = r->clockPreset * k;
            pll.pllVco2 = r->pllVco2 * k;
            pll.targetClock2 = r->targetClock2 * k;
            f->colsPreset = r->cols;
            f->rowsPreset = r->rows;
        }
    } else if (auto *f = dynamic_cast<Vek_132 *>(family)) {
        if (const qint32 *r = row(kVek132, position))
            f->useCasePreset = *r;
    } else if (dynamic_cast<Vek_143 *>(family)) {
        if (const Vek143Row *r = row(kVek143, position)) {
            pll.targetClock = r->targetClock;
            p.interfaceIndex = r->interfaceIndex;
            pll.lanes = r->interfaceIndex + 1;
            p.ccRows = 16 << r->ccRow;
            p.scaleM = r->scaleM;
        }
    }
}

// One calculation of a context the way the window runs it; a bridge then
// limits its pixel clock by the attached sensor's clock and recalculates the
// timing and results of the context.
inline void calculateContext(CFamilyCore *family, int index, int context)
{
    testing::calculate(family, index, context);
    if (auto *bridge = dynamic_cast<CBridgeFamily *>(family)) {
        bridge->CalculatePLLExt(bridge->sensorKind);
        bridge->TimingUpdate(context, false, false);
        bridge->ResultsUpdate(context);
    }
}

} // namespace samples
