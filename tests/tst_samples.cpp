// The sample sensor configuration files of the bundled installation
// (samples/bin/cfg_pallador): each one reads cleanly and describes a
// catalogued sensor with a usable use-case list whose names tell its sizes
// and rates, every catalogued sensor has exactly one sample the start-up
// chooser offers as a plain entry, and each sample opens in the window with
// every context at its default use case's frame rate and no input in red.
#include "calc/adapter.h"
#include "calvex.h"
#include "catalogue.h"
#include "pallador.h"
#include "registerdataio.h"
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextEdit>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <memory>

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

// The radar's use cases carry its chirp configuration, not an image: their
// columns and rows are samples and chirps.
const char kRadarSensor[] = "Holv101";

// A frame rate a context opens at must be its use case's within this
// fraction, as the library's frame-rate warning allows.
constexpr double kRateTolerance = 1e-3;

bool sameRate(double achieved, double wanted)
{
    return std::fabs(achieved - wanted) <= kRateTolerance * wanted;
}

// The frame rate a context's result pane shows as achieved, or -1.
double shownFrameRate(const QTextEdit *pane)
{
    static const QRegularExpression rate(QStringLiteral("^Frame rate: ([0-9.]+) fps"),
                                         QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = rate.match(pane->toPlainText());
    return m.hasMatch() ? m.captured(1).toDouble() : -1.0;
}

} // namespace

class TestSamples : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void sampleFile_data();
    void sampleFile();
    void everySensorHasOneSample();
    void opensAtDefaultUseCase_data();
    void opensAtDefaultUseCase();

private:
    QString m_folder;
    QStringList m_files;
    std::unique_ptr<FixtureInstall> m_install;
};

void TestSamples::initTestCase()
{
    const QString root = qEnvironmentVariable("PALLADOR_SAMPLES");
    QVERIFY2(!root.isEmpty(), "PALLADOR_SAMPLES is not set; run the test through ctest");
    m_folder = QDir(root).filePath(QStringLiteral("bin/cfg_pallador"));
    QVERIFY2(QDir(m_folder).exists(), qPrintable(m_folder + QStringLiteral(" does not exist")));
    m_files = QDir(m_folder).entryList({QStringLiteral("*.cfg")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    QVERIFY(!m_files.isEmpty());
    m_install.reset(new FixtureInstall);
    // The bridges' maximum-integration-time question is answered "No".
    adapter::setMaxIntgTimeAsker([](Pallador &) { return QMessageBox::No; });
}

void TestSamples::cleanupTestCase()
{
    adapter::setMaxIntgTimeAsker({});
    m_install.reset();
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

    // A name tells the output size ("1920x1080"; mode factors such as "2x2"
    // are not sizes) and the frame rate ("30fps", "7.5 fps") of its use case.
    static const QRegularExpression sizeInName(QStringLiteral("(\\d+)x(\\d+)"));
    static const QRegularExpression rateInName(QStringLiteral("(\\d+(?:\\.\\d+)?) ?fps"));
    for (int i = 0; i < count; ++i) {
        const CUseCase &uc = io.useCases[i];
        const QString where = QStringLiteral("use case %1 \"%2\"").arg(i).arg(uc.name);
        QVERIFY2(uc.cols > 0 && uc.rows > 0, qPrintable(where + QStringLiteral(": no size")));
        QVERIFY2(uc.maxFps > 0.0, qPrintable(where + QStringLiteral(": no frame rate")));
        const QRegularExpressionMatch rate = rateInName.match(uc.name);
        QVERIFY2(rate.hasMatch() && rate.captured(1).toDouble() == uc.maxFps,
                 qPrintable(where + QStringLiteral(": the name does not give max_fps %1").arg(uc.maxFps)));
        for (auto it = sizeInName.globalMatch(uc.name); it.hasNext();) {
            const QRegularExpressionMatch size = it.next();
            if (size.captured(1).toInt() < 16)
                continue;
            QVERIFY2(size.captured(1).toInt() == uc.cols && size.captured(2).toInt() == uc.rows,
                     qPrintable(where + QStringLiteral(": the name's size is not %1x%2").arg(uc.cols).arg(uc.rows)));
        }
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

void TestSamples::opensAtDefaultUseCase_data()
{
    sampleFile_data();
}

// Opened as a user opens it, each context of a sample runs at its default use
// case's frame rate, as its result pane and the library's timing say, and no
// input is red; every use case fits the family's pixel array.
void TestSamples::opensAtDefaultUseCase()
{
    QFETCH(QString, fileName);
    DialogResponder responder;
    std::unique_ptr<Pallador> window(new Pallador(m_install->addSample(fileName)));
    Pallador &w = *window;
    QCOMPARE(responder.seen(), QStringList());
    const CRegisterDataIO *io = w.dataIO;
    const CFamilyCore *family = w.calvex ? w.calvex->family() : nullptr;
    QVERIFY(io && io->useCases && family);
    QVERIFY(w.contextCount == 1 || w.contextCount == 2);

    QStringList problems;
    if (io->getSensorName().compare(QLatin1String(kRadarSensor), Qt::CaseInsensitive) != 0) {
        const int cols = family->pll.arrayCols, rows = family->pll.arrayRows;
        for (int i = 0; i < io->getUseCaseNumber(); ++i) {
            const CUseCase &uc = io->useCases[i];
            if (uc.cols > cols || uc.rows > rows)
                problems << QStringLiteral("use case %1 \"%2\" is larger than the %3 x %4 array")
                                .arg(i)
                                .arg(uc.name)
                                .arg(cols)
                                .arg(rows);
        }
    }

    QTextEdit *const panes[] = {w.ui.textResult_A, w.ui.textResult_B};
    for (int c = 0; c < w.contextCount; ++c) {
        const int useCase = c == 0 ? io->getContextADefault() : io->getContextBDefault();
        QVERIFY(useCase >= 0 && useCase < io->getUseCaseNumber());
        const CUseCase &uc = io->useCases[useCase];
        const double shown = shownFrameRate(panes[c]);
        const double library = family->timing(c).fps;
        const QString what =
            QStringLiteral("context %1, use case %2 \"%3\" at %4 fps: the pane shows %5, the library %6")
                .arg(QLatin1Char(char('A' + c)))
                .arg(useCase)
                .arg(uc.name)
                .arg(uc.maxFps)
                .arg(shown)
                .arg(library);
        // Every sample's default use cases are reachable: none is excused.
        if (!sameRate(shown, uc.maxFps) || !sameRate(library, uc.maxFps))
            problems << what;
    }
    const QStringList red = redWidgets(w);
    if (!red.isEmpty())
        problems << QStringLiteral("red: ") + red.join(QStringLiteral(", "));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    QCOMPARE(responder.seen(), QStringList());
}

QTEST_MAIN(TestSamples)
#include "tst_samples.moc"
