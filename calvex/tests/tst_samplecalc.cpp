// The bundled sample configurations calculate cleanly at their own defaults:
// every use case of every sample, loaded into context A the way the window
// loads it and calculated at the file's default clocks, reaches its frame
// rate without a frame-rate, blanking or PLL warning, with the use-case
// preset the window applies for the use case's position. Where a family
// keeps the last preset for the use cases beyond its table (Vek_132), such
// a use case reaches its rate with each preset it may have kept.
#include "registerdataio.h"
#include "samplerunner.h"

#include <QDir>
#include <QtTest>

#include <cmath>
#include <iterator>

using namespace samples;

namespace {

// Frame rate, user blanking, target clock, VCO and input clock.
constexpr quint32 kCheckedBits = 0x1 | 0x2 | 0x4 | 0x100000 | 0x200000 | 0x400000;

} // namespace

class TestSampleCalc : public QObject {
    Q_OBJECT

private slots:
    void useCaseAtDefaults_data();
    void useCaseAtDefaults();
};

void TestSampleCalc::useCaseAtDefaults_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("useCase");
    QTest::addColumn<int>("presetFrom"); // the use case whose preset the family holds
    const QDir folder(sampleFolder());
    const QStringList files = folder.entryList({QStringLiteral("*.cfg")}, QDir::Files, QDir::Name);
    QVERIFY(!files.isEmpty());
    for (const QString &fileName : files) {
        CRegisterDataIO io(folder.filePath(fileName));
        io.readUseCases();
        io.readGeneralInfo();
        const int index = catalogueIndex(io.getSensorName());
        const bool keepsPreset = index > 0 && kSensors[index - 1].typeCode == 95;
        const int presets = int(std::size(calvex::presets::kVek132));
        for (int i = 0; i < io.getUseCaseNumber(); ++i) {
            if (keepsPreset && i >= presets) {
                for (int k = 0; k < presets; ++k)
                    QTest::addRow("%s/%d after %d", qPrintable(fileName), i, k) << fileName << i << k;
            } else {
                QTest::addRow("%s/%d", qPrintable(fileName), i) << fileName << i << i;
            }
        }
    }
}

void TestSampleCalc::useCaseAtDefaults()
{
    QFETCH(QString, fileName);
    QFETCH(int, useCase);
    QFETCH(int, presetFrom);
    const QString path = QDir(sampleFolder()).filePath(fileName);
    CRegisterDataIO io(path);
    QVERIFY(io.readGeneralInfo());
    QVERIFY(io.readUseCases());
    const int index = catalogueIndex(io.getSensorName());
    QVERIFY2(index > 0, qPrintable(io.getSensorName()));

    CCalvex calvex(kSensors[index - 1].typeCode);
    CFamilyCore *family = calvex.family();
    QVERIFY(family);
    testing::initDefaults(family, index, path);
    attachSensor(family, io.getRawSensor());
    loadUseCase(family, io.useCases[useCase]);
    applyUseCasePreset(family, presetFrom);
    family->ctx[0].warnings = 0;
    calculateContext(family, index, 0);

    const double requested = family->ctx[0].maxFps;
    double achieved = family->timing(0).fps;
    bool variableRate = family->ctx[0].variableFps;
    QStringList problems;
    if (auto *radar = dynamic_cast<Holv_101 *>(family)) {
        // A radar frame idles after its chirps up to the requested period:
        // the chirps, their samples and their data have to fit in it.
        const Holv_101::Radar &r = radar->radar();
        achieved = r.frameTimeMs > 0.0 ? 1000.0 / r.frameTimeMs : 0.0;
        if (!r.samplingFits || !r.linkFits)
            problems << QStringLiteral("the ADC samples or the data rate do not fit");
    }
    const quint32 bits = family->ctx[0].warnings & kCheckedBits;
    if (bits)
        problems << QStringLiteral("warning bits 0x%1").arg(bits, 0, 16);
    const bool rateMet = variableRate ? achieved >= requested * (1.0 - 1e-3)
                                      : std::fabs(achieved - requested) <= requested * 1e-3;
    if (!rateMet)
        problems << QStringLiteral("%1 fps instead of %2").arg(achieved, 0, 'f', 3).arg(requested);

    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
}

QTEST_GUILESS_MAIN(TestSampleCalc)
#include "tst_samplecalc.moc"
