// The image processors with firmware variables that keep their PLL results
// through a change of one context (Murn_107, Murn_103, Murn_110, Murn_108,
// Murn_106): a context's timing step leaves the PLL block and the PLL rows
// as they are; Murn_106's output size by use case and mode, and the lowest
// frame rate of its auto exposure.
#include "familyrunner.h"

#include <QtTest>

#include <cmath>
#include <cstring>
#include <vector>

using namespace calvex;

namespace {

// Value of the first row of a name; -1 when absent.
qint64 rowValue(const CFamilyCore *f, const char *name)
{
    const RegTable *t = f->regTable();
    for (int i = 0; t && i < t->count; ++i) {
        if (std::strcmp(t->rows[i].name, name) == 0)
            return f->results.registerValues[i];
    }
    return -1;
}

struct Setup {
    int typeCode;
    CCalvex calvex;
    CFamilyBase *f;
    explicit Setup(int code) : typeCode(code), calvex(code), f(dynamic_cast<CFamilyBase *>(calvex.family()))
    {
        testing::initDefaults(f, code);
    }
};

} // namespace

class TestIspFamilies : public QObject {
    Q_OBJECT

private slots:
    void contextStepKeepsThePll_data();
    void contextStepKeepsThePll();
    void murn106OutputSize_data();
    void murn106OutputSize();
    void murn106LowestAutoExposureRate_data();
    void murn106LowestAutoExposureRate();
};

void TestIspFamilies::contextStepKeepsThePll_data()
{
    QTest::addColumn<int>("typeCode");
    for (int code : {59, 60, 69, 70, 71})
        QTest::addRow("%d", code) << code;
}

// The application recalculates one context without a PLL step: the timing,
// results and register steps read the PLL results, change none of them, and
// every row the PLL block programs keeps its value while the context's
// timing moves.
void TestIspFamilies::contextStepKeepsThePll()
{
    QFETCH(int, typeCode);
    Setup s(typeCode);
    CFamilyBase *f = s.f;
    QVERIFY(f);
    f->pll.inputClock = 26.0;
    f->PllUpdate();
    f->TimingUpdate(0, false, true);
    f->ResultsUpdate(0);
    f->RegisterUpdate(0);
    const CPllParams before = f->pll;
    const QString pllText = f->results.pllDisplayText;
    const std::vector<quint32> values(f->results.registerValues, f->results.registerValues + f->registerCount());
    const int lineLength = f->timing(0).lineLength;

    f->ctx[0].blankType = 3;
    f->ctx[0].userHBlank = 900;
    f->ctx[0].maxFps = 5.0;
    f->TimingUpdate(0, false, true);
    f->ResultsUpdate(0);
    f->RegisterUpdate(0);

    QVERIFY(f->timing(0).lineLength != lineLength);
    QCOMPARE(f->pll.outputClock, before.outputClock);
    QCOMPARE(f->pll.vcoClock, before.vcoClock);
    QCOMPARE(f->pll.pixelClock, before.pixelClock);
    QCOMPARE(f->pll.pllN, before.pllN);
    QCOMPARE(f->pll.pllM, before.pllM);
    QCOMPARE(f->pll.pllP, before.pllP);
    QCOMPARE(f->pll.pllWcd, before.pllWcd);
    QCOMPARE(f->results.pllDisplayText, pllText);
    // The PLL rows and the pixel clock the firmware is told.
    const RegTable *t = f->regTable();
    int pllRows = 0, changed = 0;
    for (int i = 0; i < t->count; ++i) {
        const RegRow &row = t->rows[i];
        const QByteArray name = QByteArray(row.name).toLower();
        if (name.contains("pll") || name.contains("pixclk")) {
            ++pllRows;
            QVERIFY2(f->results.registerValues[i] == values[size_t(i)], row.name);
        } else {
            changed += f->results.registerValues[i] != values[size_t(i)];
        }
    }
    QVERIFY(pllRows > 0);
    QVERIFY(changed > 0);
}

void TestIspFamilies::murn106OutputSize_data()
{
    QTest::addColumn<int>("cif");
    QTest::addColumn<int>("hd720p");
    QTest::addColumn<int>("outWidth"); // Murn_106::outputWidth, outputHeight
    QTest::addColumn<int>("outHeight");
    QTest::addColumn<int>("cols"); // the image it describes and programs
    QTest::addColumn<int>("rows");

    // The use case's field of view is 1280 x 960.
    QTest::newRow("field of view") << 0 << 0 << 1280 << 960 << 1280 << 960;
    QTest::newRow("CIF mode") << 1 << 0 << 1280 << 960 << 352 << 288;
    QTest::newRow("720p mode") << 0 << 1 << 1280 << 960 << 1280 << 720;
    // A fixed size of the scaler goes before the modes.
    QTest::newRow("fixed size") << 0 << 0 << 528 << 360 << 528 << 360;
    QTest::newRow("fixed size in CIF mode") << 1 << 0 << 528 << 432 << 528 << 432;
    QTest::newRow("fixed size in 720p mode") << 0 << 1 << 528 << 360 << 528 << 360;
}

void TestIspFamilies::murn106OutputSize()
{
    QFETCH(int, cif);
    QFETCH(int, hd720p);
    QFETCH(int, outWidth);
    QFETCH(int, outHeight);
    QFETCH(int, cols);
    QFETCH(int, rows);

    Setup s(71);
    auto *f = dynamic_cast<Murn_106 *>(s.f);
    QVERIFY(f);
    CContextParams &p = f->ctx[0];
    p.cols = 640;
    p.rows = 480;
    p.fovCols = f->fovWidth = 1280;
    p.fovRows = f->fovHeight = 960;
    p.cif = cif;
    p.hd720p = hd720p;
    f->outputWidth = outWidth;
    f->outputHeight = outHeight;
    testing::calculate(f, 71, 0);

    QCOMPARE(f->timing(0).outCols, cols);
    QCOMPARE(f->timing(0).outRows, rows);
    QCOMPARE(f->results.timingGeometry.outputWidth, cols);
    QVERIFY(f->results.contextDisplayText[0].contains(QStringLiteral("Output size: %1 x %2").arg(cols).arg(rows)));
    QCOMPARE(rowValue(f, "cam_output_width"), qint64(cols));
    QCOMPARE(rowValue(f, "cam_output_height"), qint64(rows));
}

void TestIspFamilies::murn106LowestAutoExposureRate_data()
{
    QTest::addColumn<bool>("variable");
    QTest::addColumn<double>("requested"); // Murn_106::requestedMinFps
    QTest::addColumn<double>("own");       // the record's minFps
    QTest::addColumn<double>("expected");  // 0: the frame rate achieved

    QTest::newRow("the user's minimum") << true << 10.0 << 15.0 << 10.0;
    QTest::newRow("none asked: the family's own") << true << 0.0 << 15.0 << 15.0;
    QTest::newRow("not a number: the family's own") << true << std::nan("") << 15.0 << 15.0;
    QTest::newRow("above the frame rate") << true << 45.0 << 15.0 << 0.0;
    QTest::newRow("fixed frame rate") << false << 10.0 << 15.0 << 0.0;
}

// With a variable frame rate the auto exposure may slow down to the user's
// minimum, or to the family's own without one, never above the rate the
// frame runs at; with a fixed rate it keeps the frame rate.
void TestIspFamilies::murn106LowestAutoExposureRate()
{
    QFETCH(bool, variable);
    QFETCH(double, requested);
    QFETCH(double, own);
    QFETCH(double, expected);

    Setup s(71);
    auto *f = dynamic_cast<Murn_106 *>(s.f);
    QVERIFY(f);
    f->ctx[0].maxFps = 30.0;
    f->ctx[0].variableFps = variable;
    f->ctx[0].minFps = own;
    f->requestedMinFps = requested;
    testing::calculate(f, 71, 0);

    const double fps = f->timing(0).fps;
    QVERIFY(fps > 29.0 && fps <= 30.0);
    const double rate = expected > 0.0 ? expected : fps;
    QCOMPARE(rowValue(f, "cam_aet_min_frame_rate"), qint64(std::lround(rate * 256.0)));
    QVERIFY(rowValue(f, "cam_aet_min_frame_rate") <= rowValue(f, "cam_aet_max_frame_rate"));
}

QTEST_MAIN(TestIspFamilies)
#include "tst_ispfamilies.moc"
