// The bridge families: the external PLL aims at most at the attached sensor's
// clock; the maximum integration time of an HDR mode; Yorm_106's keep-sync
// passes, which run the attached sensor on a PLL of its own at the searched
// pixel clock with fixed lengths, the bridge's PLL at the keep-sync output
// clock, and program both.
#include "familyrunner.h"

#include <QtTest>

#include <cmath>
#include <cstring>

using namespace calvex;

namespace {

qint64 rowValue(const CFamilyCore *f, const char *name)
{
    const RegTable *t = f->regTable();
    for (int i = 0; t && i < t->count; ++i) {
        if (std::strcmp(t->rows[i].name, name) == 0)
            return f->results.registerValues[i];
    }
    return -1;
}

template <class Family> struct Bridge {
    CCalvex calvex;
    Family *f;
    explicit Bridge(int code, int kind) : calvex(code), f(dynamic_cast<Family *>(calvex.family()))
    {
        testing::initDefaults(f, code);
        f->sensorKind = kind;
        testing::resetRequests(f->pll);
        f->pll.inputClock = 27.0;
        f->pll.targetClock = 74.25;
    }
};

} // namespace

class TestBridges : public QObject {
    Q_OBJECT

private slots:
    void externalPllTakesTheSensorsClock_data();
    void externalPllTakesTheSensorsClock();
    void maxIntegrationTime_data();
    void maxIntegrationTime();
    void keepSyncPasses();
    void keepSyncRequests();
};

void TestBridges::externalPllTakesTheSensorsClock_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("target");
    QTest::addColumn<bool>("twoClocks");
    QTest::addColumn<double>("system");
    QTest::addColumn<bool>("missed");
    QTest::newRow("within the sensor's rate") << 0 << 54.0 << false << 54.0 << false;
    QTest::newRow("above kind 0's 74.25 MHz") << 0 << 100.0 << false << 74.25 << true;
    QTest::newRow("kind 2 takes 80 MHz") << 2 << 80.0 << false << 80.0 << false;
    QTest::newRow("two clocks per pixel: twice the rate") << 0 << 148.5 << true << 148.5 << false;
}

// The external PLL runs the system clock at the target, at most at the
// sensor's rate (twice it with two clocks per pixel); a target above is
// missed. The pixel clock the sensor's register holds is the one reported,
// also after a PLL step at the full target.
void TestBridges::externalPllTakesTheSensorsClock()
{
    QFETCH(int, kind);
    QFETCH(double, target);
    QFETCH(bool, twoClocks);
    QFETCH(double, system);
    QFETCH(bool, missed);
    Bridge<Yorm_105> b(57, kind);
    b.f->pll.targetClock = target;
    b.f->pll.twoClkPerPix = twoClocks;
    b.f->CalculatePLLExt(kind);
    b.f->TimingUpdate(0, false, false);
    b.f->ResultsUpdate(0);
    QVERIFY(std::fabs(b.f->pll.systemClock - system) < 0.01);
    QCOMPARE(b.f->pixelClockResult, b.f->pll.systemClock / (twoClocks ? 2.0 : 1.0));
    QCOMPARE(bool(b.f->ctx[0].warnings & WarnTargetClock), missed);

    b.f->PllUpdate();
    b.f->TimingUpdate(0, false, false);
    b.f->RegisterUpdate(0);
    const double limit = kind == 2 ? 80.0 : 74.25;
    QVERIFY(b.f->pll.pixelClock <= limit + 1e-9);
    QCOMPARE(b.f->pll.pixelClock, qMin(b.f->pll.outputClock / (twoClocks ? 2.0 : 1.0), limit));
    QCOMPARE(rowValue(b.f, "cam_sensor_cfg_pixclk"), std::llround(b.f->pll.pixelClock * 1e6));
    QCOMPARE(b.f->timing(0).fps,
             b.f->pll.pixelClock * 1e6 / (double(b.f->timing(0).lineLength) * b.f->timing(0).frameLength));
}

void TestBridges::maxIntegrationTime_data()
{
    QTest::addColumn<int>("hdrMode");
    QTest::addColumn<double>("fps");
    QTest::addColumn<bool>("useMax");
    QTest::addColumn<bool>("needs");
    QTest::addColumn<double>("exposureMs"); // the long exposure, to a row
    const double flickerFree = 1000.0 / 120.0;
    QTest::newRow("HDR 100 fps: half the frame") << 1 << 100.0 << false << false << 5.0;
    QTest::newRow("HDR 100 fps, maximum: flicker-free") << 1 << 100.0 << true << true << flickerFree;
    QTest::newRow("HDR 30 fps: flicker-free in half the frame") << 2 << 30.0 << false << false << flickerFree;
    QTest::newRow("HDR 30 fps, maximum: no need") << 2 << 30.0 << true << false << flickerFree;
    QTest::newRow("SDR 100 fps") << 0 << 100.0 << true << false << -1.0;
}

// An HDR mode needs a flicker-free long exposure (1/120 s). Without the
// maximum integration time it gets at most half the frame; with it the need
// is reported when the exposure is longer than half the frame.
void TestBridges::maxIntegrationTime()
{
    QFETCH(int, hdrMode);
    QFETCH(double, fps);
    QFETCH(bool, useMax);
    QFETCH(bool, needs);
    QFETCH(double, exposureMs);
    Bridge<Yorm_105> b(57, 0);
    CContextParams &p = b.f->ctx[0];
    p.cols = 640;
    p.rows = 480;
    p.maxFps = fps;
    p.hdrMode = hdrMode;
    p.useMaxIntgTime = useMax;
    testing::calculate(b.f, 57, 0);
    const TimingResult &t = b.f->timing(0);
    // (Whole lines put the frame within a few tenths of a percent of the rate.)
    QVERIFY(std::fabs(t.fps - fps) < fps * 5e-3);
    QCOMPARE(b.f->needsMaxIntgTime[0], needs);
    if (exposureMs > 0.0)
        QVERIFY2(std::fabs(t.intgTimeMs - exposureMs) <= t.rowTimeUs * 0.5e-3 + 1e-9,
                 qPrintable(QString::number(t.intgTimeMs)));
    if (hdrMode > 0)
        QCOMPARE(t.exposures, 2);
}

// The two keep-sync passes: the sensor's PLL at the searched pixel clock and
// the bridge's at the output clock; the timing runs the fixed lengths on the
// sensor's clock; the registers program the sensor's PLL and its clock. A
// plain PLL step ends the keep-sync timing.
void TestBridges::keepSyncPasses()
{
    Bridge<Yorm_106> b(58, 3);
    Yorm_106 &f = *b.f;
    f.ctx[0].cols = 1920;
    f.ctx[0].rows = 1080;
    testing::calculate(&f, 58, 0);
    QVERIFY(f.keepSyncDirty);

    f.keepSyncOn = true;
    f.keepSyncClock = 36.0;
    f.keepSyncLinePck = 2000;
    f.keepSyncFrameLength = 1100;
    f.useFixedLineLength[0] = true;
    f.lineLengthPck[0] = 2318;
    f.frameLengthLines[0] = 1231;
    f.ctx[0].maxFps = 36.0e6 / (2000.0 * 1100.0);
    const double pixel = f.ctx[0].maxFps * 2318 * 1231 / 1.0e6;
    f.keepSyncTargetClock = pixel;
    f.CalculatePLLNet_ks(3, false);
    QVERIFY(f.keepSyncDirty);
    QVERIFY(std::fabs(f.keepSyncOutputClock - pixel) < pixel * 1e-3);
    const int *d = f.keepSyncDividers;
    QCOMPARE(f.keepSyncOutputClock, 27.0 / d[1] * d[2] / d[0] / d[3]);
    QCOMPARE(f.keepSyncVcoClock, 27.0 / d[1] * d[2]);
    QVERIFY(!f.fineAdjustPll0P2toExt_ks(3) || std::fabs(std::remainder(f.keepSyncOutputClock, 36.0)) < 1e-6);

    testing::resetRequests(f.pll);
    f.keepSyncTargetClock = 72.0;
    f.CalculatePLLNet_ks(3, true);
    QVERIFY(!f.keepSyncDirty);
    QCOMPARE(f.pll.outputClock, 72.0);
    QCOMPARE(f.pll.pixelClock, f.keepSyncOutputClock);
    f.TimingUpdate(0, false, false);
    f.ResultsUpdate(0);
    f.RegisterUpdate(0);
    const TimingResult &t = f.timing(0);
    QCOMPARE(t.lineLength, 2318);
    QCOMPARE(t.frameLength, 1231);
    QCOMPARE(t.fps, f.pll.pixelClock * 1e6 / (2318.0 * 1231.0));
    QCOMPARE(f.results.registerValues[18], quint32(std::llround(f.keepSyncOutputClock * 1e6)));
    QCOMPARE(rowValue(&f, "cam_sensor_control_external_pll"),
             qint64(d[2]) | qint64(d[1]) << 8 | qint64(d[0]) << 16 | qint64(d[3]) << 24);
    QCOMPARE(rowValue(&f, "TX_KS_LINE_LENGTH_PCK"), 2000);
    QVERIFY(f.results.pllDisplayText.contains(QLatin1String("Keep-sync clock: 36.000 MHz")));

    qint64 tableValue = -1;
    for (int i = 0; i < f.regTable()->count; ++i) {
        if (std::strcmp(f.regTable()->rows[i].name, "cam_sensor_control_external_pll") == 0)
            tableValue = f.regTable()->rows[i].value;
    }
    f.PllUpdate();
    f.TimingUpdate(0, false, false);
    f.RegisterUpdate(0);
    QVERIFY(f.keepSyncDirty);
    QVERIFY(f.timing(0).lineLength != 2318 || f.timing(0).frameLength != 1231);
    QCOMPARE(rowValue(&f, "cam_sensor_control_external_pll"), tableValue);
}

// What the keep-sync PLL step served is remembered: any PLL request or the
// attached sensor changing since reports a change.
void TestBridges::keepSyncRequests()
{
    Bridge<Yorm_106> b(58, 0);
    Yorm_106 &f = *b.f;
    QVERIFY(f.keepSyncRequestsChanged());
    f.keepSyncTargetClock = 72.0;
    f.CalculatePLLNet_ks(0, true);
    testing::resetRequests(f.pll);
    QVERIFY(!f.keepSyncRequestsChanged());

    const auto changed = [&f](auto change) {
        const CPllParams kept = f.pll;
        const int kind = f.sensorKind;
        change();
        const bool result = f.keepSyncRequestsChanged();
        f.pll = kept;
        f.sensorKind = kind;
        return result;
    };
    QVERIFY(changed([&f] { f.pll.inputClock = 24.0; }));
    QVERIFY(changed([&f] { f.pll.pllN = 2; }));
    QVERIFY(changed([&f] { f.pll.pllM = 40; }));
    QVERIFY(changed([&f] { f.pll.vcoRequest = 600.0; }));
    QVERIFY(changed([&f] { f.pll.pllBypass = true; }));
    QVERIFY(changed([&f] { f.pll.twoClkPerPix = true; }));
    QVERIFY(changed([&f] { f.sensorKind = 1; }));
    QVERIFY(!changed([&f] { f.pll.targetClock = 50.0; }));
}

QTEST_GUILESS_MAIN(TestBridges)
#include "tst_bridges.moc"
