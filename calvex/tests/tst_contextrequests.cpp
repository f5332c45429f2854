// Context requests the library must take as they come and answer with a
// sound calculation: a maximum frame rate that is not a positive number (the
// window sends 0 when a use case gives no rate, or when the rate box holds no
// number), Brel_105's size given as the field of view, and Murn_111's
// minimum frame rate left to the family.
#include "engine/timing.h"
#include "engine/warnings.h"
#include "familyrunner.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// A family of a type code, set up without a configuration file.
std::unique_ptr<CCalvex> setUp(int typeCode)
{
    std::unique_ptr<CCalvex> c(new CCalvex(typeCode));
    testing::initDefaults(c->family(), typeCode);
    return c;
}

std::vector<quint32> registers(const CFamilyCore &f)
{
    const quint32 *v = f.results.registerValues;
    return v ? std::vector<quint32>(v, v + f.registerCount()) : std::vector<quint32>();
}

} // namespace

class TestContextRequests : public QObject {
    Q_OBJECT

private slots:
    void unusableFrameRateWarns_data();
    void unusableFrameRateWarns();
    void brel105FieldOfViewSize_data();
    void brel105FieldOfViewSize();
    void murn111OwnMinimumRate_data();
    void murn111OwnMinimumRate();
};

void TestContextRequests::unusableFrameRateWarns_data()
{
    QTest::addColumn<int>("typeCode");
    QTest::addColumn<double>("fps");
    for (int code : testing::classicCodes()) {
        const char *family = calvex::familyTraits(code).family;
        QTest::addRow("%d %s, 0", code, family) << code << 0.0;
    }
    // The other ways a rate can be unusable, on the family whose set-up sends 0.
    QTest::newRow("30 Brel_105, negative") << 30 << -15.0;
    QTest::newRow("30 Brel_105, not a number") << 30 << kNaN;
    QTest::newRow("30 Brel_105, infinite") << 30 << kInf;
}

// A maximum frame rate that is not a positive number is a request without a
// rate: the context runs the fastest frame its blanking allows, exactly as
// for a request of the family's highest rate, with the frame-rate bit set.
// The next usable rate clears the bit again.
void TestContextRequests::unusableFrameRateWarns()
{
    QFETCH(int, typeCode);
    QFETCH(double, fps);
    const double fastest = calvex::familyTraits(typeCode).maxFpsAbs;

    std::unique_ptr<CCalvex> c = setUp(typeCode);
    CFamilyCore &f = *c->family();
    const int cc = f.traits().contexts() - 1;
    f.ctx[cc].maxFps = fastest;
    testing::calculate(&f, typeCode, cc);
    const calvex::TimingResult atFastest = f.timing(cc);
    const std::vector<quint32> fastestRegisters = registers(f);

    f.ctx[cc].maxFps = fps;
    testing::calculate(&f, typeCode, cc);
    const calvex::TimingResult &t = f.timing(cc);
    QCOMPARE(f.ctx[cc].warnings & calvex::WarnFrameRate, quint32(calvex::WarnFrameRate));
    QVERIFY(std::isfinite(t.fps) && t.fps > 0.0);
    QCOMPARE(t.lineLength, atFastest.lineLength);
    QCOMPARE(t.frameLength, atFastest.frameLength);
    QVERIFY(registers(f) == fastestRegisters);
    QVERIFY(!f.results.contextDisplayText[cc].isEmpty());

    // A rate the frame can reach (the longest frame's rate is one).
    f.ctx[cc].maxFps = std::floor(t.minFps * 1000.0 + 1.0) / 1000.0;
    testing::calculate(&f, typeCode, cc);
    QCOMPARE(f.ctx[cc].warnings & calvex::WarnFrameRate, 0u);
}

void TestContextRequests::brel105FieldOfViewSize_data()
{
    QTest::addColumn<int>("fovCols");
    QTest::addColumn<int>("fovRows");
    QTest::addColumn<int>("binXOnly");
    QTest::addColumn<int>("skipping");
    QTest::addColumn<int>("outCols");
    QTest::addColumn<int>("outRows");

    QTest::newRow("full array") << 2592 << 1944 << 0 << 0 << 2592 << 1944;
    QTest::newRow("bin-X skip-Y 720p") << 2560 << 1440 << 1 << 2 << 1280 << 720;
    QTest::newRow("skip 4x VGA") << 2560 << 1920 << 0 << 4 << 640 << 480;
}

// With the field of view in use, Brel_105 reads the size it is given as the
// field of view on the array and reports the output size the read-out makes
// of it; the same read-out asked for by its output size gives the same frame.
void TestContextRequests::brel105FieldOfViewSize()
{
    QFETCH(int, fovCols);
    QFETCH(int, fovRows);
    QFETCH(int, binXOnly);
    QFETCH(int, skipping);
    QFETCH(int, outCols);
    QFETCH(int, outRows);

    std::unique_ptr<CCalvex> c = setUp(30);
    Brel_105 &f = *c->brel_105;
    for (int context : {0, 1}) {
        CContextParams &p = f.ctx[context];
        p.binXOnly = binXOnly;
        p.skipping = skipping;
        p.maxFps = 5.0;
        p.useFov = true;
        p.cols = fovCols;
        p.rows = fovRows;
        f.SetModePLL(2);
        f.TimingUpdate(context, false, true);
        f.ResultsUpdate(context);
        f.RegisterUpdate(context);
        const calvex::TimingResult byFov = f.timing(context);
        QCOMPARE(byFov.fovCols, fovCols);
        QCOMPARE(byFov.fovRows, fovRows);
        QCOMPARE(f.mode[context].outputCols, outCols);
        QCOMPARE(f.mode[context].outputRows, outRows);
        QCOMPARE(f.results.timingGeometry.outputWidth, outCols);
        const std::vector<quint32> byFovRegisters = registers(f);

        p.useFov = false;
        p.cols = outCols;
        p.rows = outRows;
        f.TimingUpdate(context, false, true);
        f.ResultsUpdate(context);
        f.RegisterUpdate(context);
        QCOMPARE(f.mode[context].fovCols, fovCols);
        QCOMPARE(f.mode[context].fovRows, fovRows);
        QCOMPARE(f.timing(context).lineLength, byFov.lineLength);
        QCOMPARE(f.timing(context).frameLength, byFov.frameLength);
        QVERIFY(registers(f) == byFovRegisters);
    }
}

void TestContextRequests::murn111OwnMinimumRate_data()
{
    QTest::addColumn<double>("request");
    QTest::addColumn<bool>("familyOwn"); // the family puts its own minimum in
    QTest::newRow("none (0)") << 0.0 << true;
    QTest::newRow("negative") << -2.0 << true;
    QTest::newRow("not a number") << kNaN << true;
    QTest::newRow("given") << 3.5 << false;
}

// Murn_111 answers a variable rate without a usable minimum with the slowest
// rate its longest frame allows, reported in the record; sent back as the
// next request it changes nothing (the window shows it and returns it).
void TestContextRequests::murn111OwnMinimumRate()
{
    QFETCH(double, request);
    QFETCH(bool, familyOwn);

    std::unique_ptr<CCalvex> c = setUp(31);
    Murn_111 &f = *c->murn_111;
    for (int context : {0, 1}) {
        CContextParams &p = f.ctx[context];
        p.variableFps = true;
        p.minFps = request;
        testing::calculate(&f, 31, context);
        const double floor = f.timing(context).minFps;
        QVERIFY(floor > 0.0 && floor < p.maxFps);
        QCOMPARE(p.minFps, familyOwn ? floor : request);
        const std::vector<quint32> first = registers(f);

        testing::calculate(&f, 31, context);
        QCOMPARE(p.minFps, familyOwn ? floor : request);
        QVERIFY(registers(f) == first);
    }
}

QTEST_MAIN(TestContextRequests)
#include "tst_contextrequests.moc"
