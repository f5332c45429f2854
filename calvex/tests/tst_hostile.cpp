// Hostile inputs: finite extremes (1e308, 1e-308), NaN, negative numbers,
// INT_MAX and INT_MIN in the clocks, the requests, the sizes, the user
// blanking, the family options and the bound variables of the form families,
// given in a call or in a configuration file. Every family refuses or clamps
// them with its warning, and every result it reports is finite and not
// negative. The sanitizer build runs this program too, where any undefined
// behaviour (a signed overflow, a double that no integer holds) fails it.
#include "calvex.h"
#include "familyrunner.h"

#include <QTemporaryDir>
#include <QtTest>

#include <climits>
#include <cmath>
#include <limits>

using namespace calvex;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Hostile {
    const char *name;
    double clock; // input, target and VCO requests, MHz
    double rate;  // frame rate and integration time
    int request;  // every divider and multiplier request
    int size;     // sizes and user blanking
};

const Hostile kCases[] = {
    {"huge", 1.0e308, 1.0e308, INT_MAX, INT_MAX},   {"tiny", 1.0e-308, 1.0e-308, 1, 1},
    {"not a number", kNaN, kNaN, INT_MIN, INT_MIN}, {"huge requests at sane clocks", 24.0, 30.0, INT_MAX, INT_MAX},
    {"negative", -1.0e308, -1.0e308, -2, -1},       {"minus one", -1.0, -1.0, -1, -1},
};

// Every double the family reports, with its name.
QList<QPair<const char *, double>> reportedDoubles(const CFamilyCore *f, int context)
{
    const CPllParams &p = f->pll;
    const TimingResult &t = f->timing(context);
    return {{"outputClock", p.outputClock},
            {"vcoClock", p.vcoClock},
            {"vcoClock2", p.vcoClock2},
            {"pixelClock", p.pixelClock},
            {"serialClock", p.serialClock},
            {"systemClock", p.systemClock},
            {"opPixClock", p.opPixClock},
            {"auxClock", p.auxClock},
            {"dividedInputClock", p.dividedInputClock},
            {"link load", f->linkLoad()},
            {"fps", t.fps},
            {"minFps", t.minFps},
            {"frameTimeMs", t.frameTimeMs},
            {"rowTimeUs", t.rowTimeUs},
            {"intgTimeMs", t.intgTimeMs},
            {"maxIntgTimeMs", t.maxIntgTimeMs}};
}

// The variables a form family's binder reads from the widgets.
QList<GUIVAR_T *> formVariables(CFamilyCore *f)
{
    if (auto *v = dynamic_cast<Vek_125 *>(f))
        return {&v->InputFreq, &v->SystemFreq, &v->PLL1Div1,  &v->PLL1Mult, &v->VCO1Freq, &v->PLL1Div2, &v->PLL1Div3,
                &v->PixelDiv,  &v->PixelFreq,  &v->PLL2Div1,  &v->PLL2Mult, &v->VCO2Freq, &v->PLL2Div2, &v->SerialFreq,
                &v->Bits,      &v->WordFreq,   &v->MIPILane2, &v->MIPICont, &v->IntgTime, &v->Rows,     &v->Cols};
    if (auto *m = dynamic_cast<Murn_102 *>(f))
        return {&m->checkRowSkipping, &m->spinRows, &m->spinCols, &m->dSpinPLL_Input};
    if (auto *m = dynamic_cast<Murn_104 *>(f))
        return {&m->checkSkipping, &m->spinRows, &m->spinCols, &m->dSpinPLL_Input, &m->dSpinPLL_Target,
                &m->PLL_VCO,       &m->PLL_N,    &m->PLL_M,    &m->checkBypass,    &m->checkUseMinFreq};
    return {};
}

// Every request, size, count and time of the records and of the family's
// own option fields gets the hostile values, and so does every bound
// variable, past its range as a caller may store it; with bypass, the PLL is
// off and every variable is fixed.
void setHostile(CFamilyCore *f, const Hostile &h, bool bypass)
{
    CPllParams &p = f->pll;
    p.inputClock = p.targetClock = p.targetClock2 = h.clock;
    p.vcoRequest = p.pllVco2 = p.pllTargetOp = h.clock;
    p.pllN = p.pllM = p.pllN2 = p.pllM2 = h.request;
    p.pllP = p.pllP1 = p.pllP4 = p.pllP5 = p.pllWcd = p.pllOpDivider = h.request;
    p.interfaceIndex = p.lanes = p.opBits = p.phyCd = p.outPort = p.revision = p.mpDiv = h.request;
    p.pllBypass = bypass;
    for (int c = 0; c < f->traits().contexts(); ++c) {
        CContextParams &x = f->ctx[c];
        x.maxFps = x.minFps = x.goProMode = x.dfs1 = x.dfs2 = h.rate;
        x.intgTime = x.intgTime2 = x.intgTime3 = x.intgTime4 = h.rate;
        x.fovPercent = x.t2ExpRows = x.t3ExpRows = h.rate;
        for (qint32 *v : {&x.cols, &x.rows, &x.fovCols, &x.fovRows, &x.userHBlank, &x.userVBlank, &x.fovX, &x.fovY,
                          &x.socCols, &x.socRows, &x.t1ExpRows, &x.borderPixels, &x.scaler, &x.scaleM, &x.ccRows,
                          &x.cfpnRows, &x.colSubsampling, &x.rowSubsampling})
            *v = h.size;
        for (qint32 *v :
             {&x.binning,     &x.binXOnly,      &x.bin2Skip2,     &x.skipping,     &x.skippingY,      &x.lowPower,
              &x.hdrMode,     &x.ccRow,         &x.combi,         &x.interleave,   &x.lineInterleave, &x.lineComboMode,
              &x.sMode,       &x.imageType,     &x.outFormat,     &x.binSF,        &x.fifo,           &x.cropping,
              &x.aspectRatio, &x.otherLineTime, &x.readMode,      &x.maxExposures, &x.numExposures,   &x.outputBits,
              &x.lfmMode,     &x.centering,     &x.packMode,      &x.cif,          &x.hd720p,         &x.auxMode,
              &x.adcMode,     &x.readoutMode,   &x.interfaceIndex})
            *v = h.request;
        for (qint32 &v : x.fpOptions)
            v = h.request;
        x.useFov = x.variableFps = x.mirror = x.flip = bypass;
        x.blankType = c == 0 ? 3 : 2;
    }
    if (auto *r = dynamic_cast<HdrRowFields *>(f)) {
        for (qint32 *v : {&r->numExposures, &r->fixedLineLength, &r->t2ExpRows, &r->t3ExpRows, &r->t4ExpRows,
                          &r->embedDataRows, &r->statsDataRows, &r->topDigitalRows, &r->botAnalogRows})
            *v = h.size;
    }
    if (auto *r = dynamic_cast<ExposureRatios *>(f))
        r->t1T2Ratio = r->t2T3Ratio = r->t3T4Ratio = h.request;
    if (auto *r = dynamic_cast<LengthPresets *>(f))
        r->lineLengthPreset = r->frameLengthPreset = h.size;
    if (auto *r = dynamic_cast<ScalerOptions *>(f))
        r->scaler = r->borderPixels = h.size;
    if (auto *r = dynamic_cast<Brel_105 *>(f))
        r->minLines = h.size;
    for (GUIVAR_T *v : formVariables(f)) {
        v->value = h.clock;
        v->intValue = h.request;
        v->checked = bypass;
    }
}

void checkFinite(const CFamilyCore *f, int contexts, const QByteArray &what)
{
    for (int c = 0; c < contexts; ++c) {
        // Clocks, rates and times: finite, and none below zero.
        for (const auto &v : reportedDoubles(f, c))
            QVERIFY2(std::isfinite(v.second) && v.second >= 0.0, what + " " + v.first);
        // The integration time a family writes back is a result too.
        if (f->traits().has(FlagWriteBackIntg))
            QVERIFY2(std::isfinite(f->ctx[c].intgTime), what + " written-back integration time");
        const TimingResult &t = f->timing(c);
        QVERIFY2(t.lineLength > 0 && t.frameLength > 0, what);
        const QString text = f->results.contextDisplayText[c];
        QVERIFY2(!text.contains(QLatin1String("nan")) && !text.contains(QLatin1String("inf")), what);
    }
    QVERIFY2(!f->results.pllDisplayText.contains(QLatin1String("nan")) &&
                 !f->results.pllDisplayText.contains(QLatin1String("inf")),
             what);
    const CTimingGeometry &g = f->results.timingGeometry;
    QVERIFY2(g.xFactor >= 1 && g.yFactor >= 1 && g.frameWidth > 0 && g.frameHeight > 0, what);
}

} // namespace

class TestHostile : public QObject {
    Q_OBJECT

private slots:
    void hostileCalls_data();
    void hostileCalls();
    void hostileConfigurationFile_data();
    void hostileConfigurationFile();
};

void TestHostile::hostileCalls_data()
{
    QTest::addColumn<int>("typeCode");
    for (int code : allTypeCodes())
        QTest::addRow("%d %s", code, familyTraits(code).family) << code;
}

void TestHostile::hostileCalls()
{
    QFETCH(int, typeCode);
    for (const Hostile &h : kCases) {
        for (bool bypass : {false, true}) {
            CCalvex calvex(typeCode);
            CFamilyCore *f = calvex.family();
            testing::initDefaults(f, typeCode);
            setHostile(f, h, bypass);
            const int contexts = f->traits().contexts();
            for (int c = 0; c < contexts; ++c) {
                f->ctx[c].warnings = 0;
                testing::calculate(f, typeCode, c);
            }
            const QByteArray what = QByteArray(h.name) + (bypass ? ", bypass" : "");
            checkFinite(f, contexts, what);
            // Something was wrong with every case, and the word says so.
            if (f->traits().layout != Layout::Plain)
                QVERIFY2(f->ctx[0].warnings != 0, what);
        }
    }
}

void TestHostile::hostileConfigurationFile_data()
{
    QTest::addColumn<int>("typeCode");
    for (int code : allTypeCodes())
        QTest::addRow("%d %s", code, familyTraits(code).family) << code;
}

// A configuration file whose defaults are extreme: the family starts from
// finite results, and its first calculation at those defaults warns.
void TestHostile::hostileConfigurationFile()
{
    QFETCH(int, typeCode);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("hostile.cfg"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[General_Info]\nsensor_name = Hostile\n[UseCases]\n0/name = Any\n0/cols = 640\n0/rows = 480\n"
               "[MinMax_Defaults]\ndefault_input_clock = 1e308\ndefault_target_clock = 1e308\n"
               "default_target_clock2 = 1e-308\ndefault_max_fps = 1e308\ndefault_max_fps_b = -1e308\n"
               "input_clock_min = 1e-308\ninput_clock_max = 1e308\nvco_min = 1e-308\nvco_max = 1e308\n");
    file.close();
    CCalvex calvex(typeCode);
    CFamilyCore *f = calvex.family();
    testing::initDefaults(f, typeCode, path);
    const int contexts = f->traits().contexts();
    checkFinite(f, contexts, "after the set-up");
    for (int c = 0; c < contexts; ++c)
        testing::calculate(f, typeCode, c);
    checkFinite(f, contexts, "after a calculation");
}

QTEST_GUILESS_MAIN(TestHostile)
#include "tst_hostile.moc"
