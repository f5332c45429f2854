// The sample sensor configuration files of the bundled installation
// (samples/bin/cfg_pallador): each one reads cleanly and describes a
// catalogued sensor with a usable use-case list, and every catalogued sensor
// has exactly one sample the start-up chooser offers as a plain entry.
#include "catalogue.h"
#include "registerdataio.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

#include <algorithm>
#include <iterator>

namespace {

// Sensors whose set-up fills the use-case lists of both context A and B.
const int kTwoContextSensors[] = {12, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 28, 29, 30,
                                  31, 59, 60, 61, 69, 70, 72, 73, 74, 76, 77, 78, 79, 86, 87};

// Upper bound of a plausible read-out rate (columns x rows x frames per
// second) for the sensors of the catalogue.
const double kMaxPixelRate = 600e6;

bool isTwoContextSensor(int index)
{
    return std::find(std::begin(kTwoContextSensors), std::end(kTwoContextSensors), index)
           != std::end(kTwoContextSensors);
}

// "+" separates a base name from a part-number variant in the chooser.
bool isVariantFile(const QString &fileName)
{
    return fileName.contains(QLatin1Char('+'));
}

} // namespace

class TestSamples : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sampleFile_data();
    void sampleFile();
    void everySensorHasOneSample();

private:
    QString m_folder;
    QStringList m_files;
};

void TestSamples::initTestCase()
{
    const QString root = qEnvironmentVariable("PALLADOR_SAMPLES");
    QVERIFY2(!root.isEmpty(), "PALLADOR_SAMPLES is not set; run the test through ctest");
    m_folder = QDir(root).filePath(QStringLiteral("bin/cfg_pallador"));
    QVERIFY2(QDir(m_folder).exists(), qPrintable(m_folder + QStringLiteral(" does not exist")));
    m_files = QDir(m_folder).entryList({QStringLiteral("*.cfg")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    QVERIFY(!m_files.isEmpty());
}

void TestSamples::sampleFile_data()
{
    QTest::addColumn<QString>("fileName");
    for (const QString &fileName : qAsConst(m_files))
        QTest::newRow(qPrintable(fileName)) << fileName;
}

void TestSamples::sampleFile()
{
    QFETCH(QString, fileName);
    CRegisterDataIO io(QDir(m_folder).filePath(fileName));
    QVERIFY2(io.readGeneralInfo(), qPrintable(io.errorString()));
    QVERIFY2(io.readUseCases(), qPrintable(io.errorString()));
    QVERIFY2(io.problems().isEmpty(), qPrintable(io.problems().join(QStringLiteral("; "))));

    const int index = catalogueIndex(io.getSensorName());
    QVERIFY2(index > 0, qPrintable(QStringLiteral("sensor \"%1\" is not catalogued").arg(io.getSensorName())));

    // The file is named after its sensor; a "+" in a sensor name is left out
    // of the file name, where it would start a variant. A variant file is the
    // base name, "+" and a non-empty variant.
    QString expectedStem = catalogueName(index);
    expectedStem.remove(QLatin1Char('+'));
    if (isVariantFile(fileName)) {
        QCOMPARE(fileName.section(QLatin1Char('+'), 0, 0), expectedStem);
        QVERIFY(!QFileInfo(fileName.section(QLatin1Char('+'), 1)).completeBaseName().isEmpty());
    } else {
        QCOMPARE(QFileInfo(fileName).completeBaseName(), expectedStem);
    }

    // The last character of a raw sensor name is the attached sensor's revision.
    const QString raw = io.getRawSensor();
    if (!raw.isEmpty()) {
        const QChar last = raw.at(raw.size() - 1);
        QVERIFY2(last >= QLatin1Char('1') && last <= QLatin1Char('9'),
                 qPrintable(QStringLiteral("raw sensor \"%1\" ends without a revision digit").arg(raw)));
    }

    const int count = io.getUseCaseNumber();
    QVERIFY2(count >= 2 && count <= 6, qPrintable(QStringLiteral("%1 use cases").arg(count)));
    QVERIFY(io.getContextADefault() >= 0 && io.getContextADefault() < count);
    QVERIFY(io.getContextBDefault() >= 0 && io.getContextBDefault() < count);
    if (isTwoContextSensor(index))
        QVERIFY2(io.getContextBDefault() != io.getContextADefault(), "contexts A and B start with the same use case");

    for (int i = 0; i < count; ++i) {
        const CUseCase &uc = io.useCases[i];
        const QString where = QStringLiteral("use case %1 \"%2\"").arg(i).arg(uc.name);
        QVERIFY2(uc.cols > 0 && uc.rows > 0, qPrintable(where + QStringLiteral(": no size")));
        QVERIFY2(uc.maxFps > 0.0, qPrintable(where + QStringLiteral(": no frame rate")));
        QVERIFY2(double(uc.cols) * uc.rows * uc.maxFps <= kMaxPixelRate,
                 qPrintable(where + QStringLiteral(": frame rate too high for its size")));
        QVERIFY2(uc.intgTime >= 0.0 && uc.intgTime <= 1000.0 / uc.maxFps,
                 qPrintable(where + QStringLiteral(": integration time longer than a frame")));
    }

    // The reader keeps these as text; a value that is not a positive number
    // would silently fall back to the library's default.
    const QMap<QString, QString> limits = io.minMaxDefaults();
    for (auto it = limits.cbegin(); it != limits.cend(); ++it)
        QVERIFY2(io.minMaxValue(it.key(), -1.0) > 0.0, qPrintable(it.key() + QStringLiteral(" = ") + it.value()));
}

void TestSamples::everySensorHasOneSample()
{
    QVector<QStringList> filesOf(SensorCatalogueSize);
    for (const QString &fileName : qAsConst(m_files)) {
        if (isVariantFile(fileName))
            continue;
        CRegisterDataIO io(QDir(m_folder).filePath(fileName));
        io.readGeneralInfo();
        const int index = catalogueIndex(io.getSensorName());
        if (index > 0)
            filesOf[index] << fileName;
    }
    for (int index = 1; index < SensorCatalogueSize; ++index) {
        QVERIFY2(filesOf[index].size() == 1,
                 qPrintable(QStringLiteral("%1: %2 samples (%3)")
                                .arg(catalogueName(index))
                                .arg(filesOf[index].size())
                                .arg(filesOf[index].join(QStringLiteral(", ")))));
    }
}

QTEST_GUILESS_MAIN(TestSamples)
#include "tst_samples.moc"
