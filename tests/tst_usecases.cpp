// Use-case loading: the fields a use case copies into a context, the frame
// rate and blanking widgets that follow it, the busy-flag rule (one
// calculation per load, none while busy is held), the requests that load
// nothing, and the steps of the families with extras.
#include "calvex.h"
#include "cguivars.h"
#include "pallador.h"
#include "registerdataio.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QtTest>

#include <memory>

namespace {

// A configuration file for sensor with the given [UseCases] lines.
QString writeUseCases(FixtureInstall &install, const QString &sensor, const QByteArray &useCases)
{
    return install.writeConfig(sensor + QStringLiteral(".cfg"), "[General_Info]\nsensor_name = " + sensor.toUtf8() +
                                                                    "\npart_number = PN-1\n[UseCases]\n" + useCases);
}

// Use case 0 is plain; use case 1 gives every copied field its own value.
const QByteArray kEveryField = "0/name = Plain\n0/cols = 640\n0/rows = 480\n0/max_fps = 30\n"
                               "1/name = Every field\n1/cols = 1001\n1/rows = 1002\n1/fov_cols = 1003\n"
                               "1/fov_rows = 1004\n1/mirror = 1\n1/flip = 1\n1/binning = 2\n1/binxonly = 3\n"
                               "1/binsf = 4\n1/bin2skip2 = 5\n1/skipping = 6\n1/skipping_y = 7\n1/cropping = 8\n"
                               "1/centering = 9\n1/cif = 10\n1/hd720p = 11\n1/aspect_ratio = 12\n1/lowpower = 13\n"
                               "1/extra_mode = 14\n1/blank_type = 3\n1/highspeed = 15\n1/hdr_mode = 16\n"
                               "1/exposures = 16\n1/max_fps = 29.97\n1/intg_time = 33.5\n1/GoPro_Mode = 2.5\n";

// LoadUseCase is a private slot: called through the meta-object, as a
// connection would.
bool loadUseCase(Pallador &w, int context, int number)
{
    return QMetaObject::invokeMethod(&w, "LoadUseCase", Qt::DirectConnection, Q_ARG(int, context), Q_ARG(int, number));
}

QStringList items(const QComboBox *combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

} // namespace

class TestUseCases : public QObject {
    Q_OBJECT

private slots:
    void copiedFields_data();
    void copiedFields();
    void frameRate_data();
    void frameRate();
    void busyFlag();
    void requestsThatLoadNothing();
    void useCaseCombos();
    void bridgeFamilies_data();
    void bridgeFamilies();
    void vek125ReadMode_data();
    void vek125ReadMode();
    void familyExtras();
};

void TestUseCases::copiedFields_data()
{
    QTest::addColumn<int>("context");
    QTest::newRow("A") << 0;
    QTest::newRow("B") << 1;
    QTest::newRow("C") << 2;
}

void TestUseCases::copiedFields()
{
    QFETCH(int, context);
    FixtureInstall install;
    Pallador w(QString{});
    w.loadConfigFile(writeUseCases(install, QStringLiteral("Vek108m"), kEveryField));
    QCOMPARE(w.contextCount, 2);
    // Out of the combined mode, whose calculation clears the HDR mode copied.
    w.combi = 0;
    const int c = context;
    w.mirror[c] = false;
    w.flip[c] = true;
    w.currentContext = (c + 1) % 3;
    QComboBox *const frameRates[] = {w.ui.comboMaxFRate_A, w.ui.comboMaxFRate_B, w.ui.comboMaxFRate_C};
    QComboBox *const blankTypes[] = {w.ui.comboTypeBlank_A, w.ui.comboTypeBlank_B, w.ui.comboTypeBlank_C};
    // Another context's blanking list at a type the use case does not name
    // (the set-up loaded a use case into B too).
    QComboBox *const other = blankTypes[(c + 1) % 3];
    {
        const QSignalBlocker block(other);
        other->setCurrentIndex(1);
    }
    resetJournal(w);

    QVERIFY(loadUseCase(w, c, 1));

    QCOMPARE(w.currentContext, c);
    QCOMPARE(w.cols[c], 1001);
    QCOMPARE(w.rows[c], 1002);
    QCOMPARE(w.fovCols[c], 1003);
    QCOMPARE(w.fovRows[c], 1004);
    QCOMPARE(w.binning[c], 2);
    QCOMPARE(w.binXOnly[c], 3);
    QCOMPARE(w.binSF[c], 4);
    QCOMPARE(w.bin2Skip2[c], 5);
    QCOMPARE(w.skipping[c], 6);
    QCOMPARE(w.skippingY[c], 7);
    QCOMPARE(w.cropping[c], 8);
    QCOMPARE(w.centering[c], 9);
    QCOMPARE(w.cif[c], 10);
    QCOMPARE(w.hd720p[c], 11);
    QCOMPARE(w.aspectRatio[c], 12);
    QVERIFY(w.aspectRatioFlag[c]);
    QCOMPARE(w.lowPower[c], 13);
    QCOMPARE(w.blankType[c], 3);
    QVERIFY(w.highSpeed[c]);
    QCOMPARE(w.hdrMode[c], 16);
    QCOMPARE(w.maxFps[c], 29.97);
    QCOMPARE(w.intgTime[c], 33.5);
    QCOMPARE(w.goProMode[c], 2.5);
    // The context keeps its own mirror and flip.
    QVERIFY(!w.mirror[c]);
    QVERIFY(w.flip[c]);

    QCOMPARE(frameRates[c]->currentText(), QStringLiteral("29.97"));
    QCOMPARE(blankTypes[c]->currentIndex(), 3);
    // Only the loaded context's widgets follow.
    QCOMPARE(other->currentIndex(), 1);

    // The loaded context alone is calculated; the sensor has no context C
    // to calculate.
    QCOMPARE(calculatedContexts(w), c < w.contextCount ? QList<int>{c} : QList<int>{});
    QVERIFY(!w.busy);
}

void TestUseCases::frameRate_data()
{
    QTest::addColumn<QByteArray>("maxFps"); // the use case's line, empty for none
    QTest::addColumn<QString>("shown");     // the list's text before the load
    QTest::addColumn<double>("stored");
    QTest::addColumn<QString>("text"); // the list's text after the load

    QTest::newRow("no rate: the shown number") << QByteArray() << "12.5" << 12.5 << "12.5";
    QTest::newRow("rate 0: the shown number") << QByteArray("1/max_fps = 0\n") << "45" << 45.0 << "45";
    QTest::newRow("no rate, shown text not a number") << QByteArray() << "fast" << 0.0 << "fast";
    QTest::newRow("29.97") << QByteArray("1/max_fps = 29.97\n") << "45" << 29.97 << "29.97";
    QTest::newRow("30.0 shows 30") << QByteArray("1/max_fps = 30.0\n") << "45" << 30.0 << "30";
    QTest::newRow("six significant digits") << QByteArray("1/max_fps = 14.6454\n") << "45" << 14.6454 << "14.6454";
}

void TestUseCases::frameRate()
{
    QFETCH(QByteArray, maxFps);
    QFETCH(QString, shown);
    QFETCH(double, stored);
    QFETCH(QString, text);

    FixtureInstall install;
    Pallador w(QString{});
    w.loadConfigFile(writeUseCases(install, QStringLiteral("Tolm104m"),
                                   "0/name = First\n0/max_fps = 30\n1/name = Second\n" + maxFps));
    w.ui.comboMaxFRate_A->setEditText(shown);
    w.maxFps[0] = -1.0;
    resetJournal(w);

    QVERIFY(loadUseCase(w, 0, 1));

    QCOMPARE(w.maxFps[0], stored);
    QCOMPARE(w.ui.comboMaxFRate_A->currentText(), text);
    QCOMPARE(calculations(w), 1);
}

// The busy flag is held while the widgets follow the use case and restored
// before the load's own calculation: the widgets' slots store, but only the
// load calculates, and nothing at all when busy was already set.
void TestUseCases::busyFlag()
{
    FixtureInstall install;
    Pallador w(QString{});
    w.loadConfigFile(writeUseCases(install, QStringLiteral("Vek108m"),
                                   "0/name = First\n0/max_fps = 30\n"
                                   "1/name = User vertical\n1/blank_type = 2\n1/max_fps = 15\n1/rows = 200\n"));
    // The set-up loaded use case 1 into B: B starts from use case 0.
    QVERIFY(loadUseCase(w, 1, 0));
    w.ui.spinUserBlank_B->setValue(700);
    w.userVBlank[1] = 0;
    resetJournal(w);

    QVERIFY(loadUseCase(w, 1, 1));
    QCOMPARE(calculatedContexts(w), QList<int>{1});
    QCOMPARE(calculations(w), 1);
    QVERIFY(!w.busy);
    // The blanking slot ran with the load: user blanking from the dock's box.
    QVERIFY(w.ui.spinUserBlank_B->isEnabled());
    QCOMPARE(w.userVBlank[1], 700);
    QCOMPARE(w.maxFps[1], 15.0);

    // A load while busy is held (the form-based set-up) stores and leaves the
    // flag set, without a calculation.
    w.busy = true;
    resetJournal(w);
    QVERIFY(loadUseCase(w, 0, 1));
    QCOMPARE(calculations(w), 0);
    QVERIFY(w.busy);
    QCOMPARE(w.rows[0], 200);
    QCOMPARE(w.currentContext, 0);
}

// Nothing is loaded, stored or calculated for a number the list cannot hold
// (an emptied combo reports -1), a context outside A to C, or without a file.
void TestUseCases::requestsThatLoadNothing()
{
    FixtureInstall install;
    Pallador w(QString{});
    w.loadConfigFile(writeUseCases(install, QStringLiteral("Vek108m"), kEveryField));
    w.currentContext = 1;
    const int rows0 = w.rows[0];
    const int rows1 = w.rows[1];
    resetJournal(w);

    const QList<QPair<int, int>> requests = {{0, -1}, {1, 2}, {0, 1000}, {3, 1}, {-1, 1}};
    for (const auto &request : requests) {
        QVERIFY(loadUseCase(w, request.first, request.second));
        QCOMPARE(w.currentContext, 1);
        QCOMPARE(w.rows[0], rows0);
        QCOMPARE(w.rows[1], rows1);
        QCOMPARE(calculations(w), 0);
    }

    Pallador empty(QString{});
    QVERIFY(loadUseCase(empty, 0, 0));
    QCOMPARE(empty.currentContext, 0);
}

// The use-case lists load their selection into their own context.
void TestUseCases::useCaseCombos()
{
    FixtureInstall install;
    Pallador w(QString{});
    w.loadConfigFile(writeUseCases(install, QStringLiteral("Vek108m"), kEveryField));
    QCOMPARE(w.ui.comboUseCase_B->count(), 2);
    // Without default flags the set-up selects use case 0 for A, 1 for B.
    QCOMPARE(w.ui.comboUseCase_A->currentIndex(), 0);
    QCOMPARE(w.ui.comboUseCase_B->currentIndex(), 1);
    QCOMPARE(w.cols[1], 1001);

    resetJournal(w);
    w.ui.comboUseCase_A->setCurrentIndex(1);
    QCOMPARE(w.currentContext, 0);
    QCOMPARE(w.cols[0], 1001);
    QCOMPARE(calculatedContexts(w), QList<int>{0});

    resetJournal(w);
    w.ui.comboUseCase_B->setCurrentIndex(0);
    QCOMPARE(w.currentContext, 1);
    QCOMPARE(w.cols[1], 640);
    QCOMPARE(w.cols[0], 1001);
    QCOMPARE(calculatedContexts(w), QList<int>{1});

    // An emptied list loads nothing.
    resetJournal(w);
    w.ui.comboUseCase_A->clear();
    QCOMPARE(w.cols[0], 1001);
    QCOMPARE(calculations(w), 0);
}

void TestUseCases::bridgeFamilies_data()
{
    QTest::addColumn<QString>("sensor");
    QTest::addColumn<QByteArray>("useCase");
    QTest::addColumn<bool>("aspect");
    QTest::addColumn<bool>("minFreq");
    QTest::addColumn<double>("maxFps"); // -1: the first entry of the aspect-ratio list
    QTest::addColumn<QString>("text");  // empty: the first entry of the aspect-ratio list

    QTest::newRow("Yorm102m without aspect ratio")
        << "Yorm102m" << QByteArray("1/max_fps = 29.97\n1/hdr_mode = 2\n") << false << true << 29.0 << "29";
    QTest::newRow("Yorm105m 29.97 gives 29")
        << "Yorm105m" << QByteArray("1/max_fps = 29.97\n1/hdr_mode = 1\n") << false << false << 29.0 << "29";
    QTest::newRow("Yorm106m") << "Yorm106m" << QByteArray("1/max_fps = 60\n1/hdr_mode = 2\n") << false << false << 60.0
                              << "60";
    QTest::newRow("Yorm102m with aspect ratio")
        << "Yorm102m" << QByteArray("1/max_fps = 29.97\n1/aspect_ratio = 1\n1/hdr_mode = 1\n") << true << false << -1.0
        << QString();
}

void TestUseCases::bridgeFamilies()
{
    QFETCH(QString, sensor);
    QFETCH(QByteArray, useCase);
    QFETCH(bool, aspect);
    QFETCH(bool, minFreq);
    QFETCH(double, maxFps);
    QFETCH(QString, text);

    FixtureInstall install;
    DialogResponder responder;
    Pallador w(QString{});
    w.show();
    w.loadConfigFile(writeUseCases(install, sensor, "0/name = First\n0/max_fps = 30\n1/name = Second\n" + useCase));
    auto *bridge = dynamic_cast<CBridgeFamily *>(w.calvex->family());
    QVERIFY(bridge);
    const QStringList expected = aspect ? bridge->aspectFrameRateChoices : bridge->results.frameRateChoices;
    QVERIFY(!expected.isEmpty());
    // The operation-mode combo the context set-up makes for these families.
    w.comboOperMode = new QComboBox(&w);
    w.comboOperMode->addItems({QStringLiteral("SDR"), QStringLiteral("HDR(ME)"), QStringLiteral("HDR(DLO)")});
    w.pllMinFreq = !minFreq;
    responder.clear();
    resetJournal(w);

    QVERIFY(loadUseCase(w, 0, 1));

    QCOMPARE(w.pllMinFreq, minFreq);
    QCOMPARE(items(w.ui.comboMaxFRate_A), expected);
    QCOMPARE(w.comboOperMode->currentIndex(), w.hdrMode[0]);
    QVERIFY(w.hdrMode[0] > 0);
    if (aspect) {
        QCOMPARE(w.maxFps[0], expected.first().toDouble());
        QCOMPARE(w.ui.comboMaxFRate_A->currentText(), expected.first());
        QCOMPARE(responder.seen(), QStringList{QStringLiteral("Pallador|Kiltboard Cannot support this mode")});
    } else {
        QCOMPARE(w.maxFps[0], maxFps);
        QCOMPARE(w.ui.comboMaxFRate_A->currentText(), text);
        QCOMPARE(responder.seen(), QStringList());
    }
    QCOMPARE(calculations(w), 1);
}

void TestUseCases::vek125ReadMode_data()
{
    QTest::addColumn<int>("binning");
    QTest::addColumn<int>("skipping");
    QTest::addColumn<int>("bin2Skip2");
    QTest::addColumn<QString>("text"); // the entry made current; empty: none

    QTest::newRow("binning 0, skipping 2") << 0 << 2 << 0 << "Skip 4x4";
    QTest::newRow("binning 0, skipping 1") << 0 << 1 << 0 << "Skip 2x2";
    QTest::newRow("binning 0, skipping 3") << 0 << 3 << 0 << "Full Size";
    QTest::newRow("binning 1, skipping 0") << 1 << 0 << 0 << "Bin 2x2";
    QTest::newRow("binning 1, skipping 1") << 1 << 1 << 0 << "Skip 2, Bin 2, Step 4x4";
    QTest::newRow("binning 1, skipping 2") << 1 << 2 << 0 << "Full Size";
    QTest::newRow("binning 2, skipping 1") << 2 << 1 << 0 << "Full Size";
    QTest::newRow("bin 2 skip 2 first") << 2 << 2 << 1 << "Skip 2, Bin 2, Step 4x4";
}

// Sensors 62 to 64: the read-mode list of the loaded form follows the use
// case's binning and skipping, and the bound size and time variables take
// its values.
void TestUseCases::vek125ReadMode()
{
    QFETCH(int, binning);
    QFETCH(int, skipping);
    QFETCH(int, bin2Skip2);
    QFETCH(QString, text);

    FixtureInstall install;
    DialogResponder responder;
    Pallador w(QString{});
    w.loadConfigFile(writeUseCases(install, QStringLiteral("Vek126n"),
                                   QStringLiteral("0/name = Only\n0/rows = 600\n0/cols = 800\n0/intg_time = 12.5\n"
                                                  "0/binning = %1\n0/skipping = %2\n0/bin2skip2 = %3\n")
                                       .arg(binning)
                                       .arg(skipping)
                                       .arg(bin2Skip2)
                                       .toUtf8()));
    QCOMPARE(w.sensorIndex, 63);

    QWidget form;
    auto *readMode = new QComboBox(&form);
    readMode->addItems({QStringLiteral("Full Size"), QStringLiteral("Bin 2x2"), QStringLiteral("Skip 2x2"),
                        QStringLiteral("Skip 4x4"), QStringLiteral("Skip 2, Bin 2, Step 4x4")});
    w.comboReadMode[0] = readMode;
    GUIVAR_T rowsVar{0.0, 5000.0, 0.0, 0.0, false, 0};
    GUIVAR_T colsVar = rowsVar;
    GUIVAR_T timeVar = rowsVar;
    auto *rowsBox = new QSpinBox(&form);
    rowsBox->setObjectName(QStringLiteral("spinRows"));
    auto *colsBox = new QSpinBox(&form);
    colsBox->setObjectName(QStringLiteral("spinCols"));
    auto *timeBox = new QDoubleSpinBox(&form);
    timeBox->setObjectName(QStringLiteral("dSpinIntgTime"));
    std::unique_ptr<CGuiVars> binder(new CGuiVars("Rows", &rowsVar, "Cols", &colsVar, "IntgTime", &timeVar, nullptr));
    QCOMPARE(binder->initFields(&form), 3);
    w.guiVars = binder.get();

    QVERIFY(loadUseCase(w, 0, 0));

    QCOMPARE(readMode->currentText(), text);
    QCOMPARE(rowsBox->value(), 600);
    QCOMPARE(colsBox->value(), 800);
    QCOMPARE(timeBox->value(), 12.5);

    // A list that lacks the entry is left without a current entry (the match
    // is exact, letter case included).
    readMode->clear();
    readMode->addItems({text.toLower(), QStringLiteral("Other")});
    QVERIFY(loadUseCase(w, 0, 0));
    QCOMPARE(readMode->currentIndex(), -1);

    QCOMPARE(responder.seen(), QStringList());
    w.guiVars = nullptr;
    w.comboReadMode[0] = nullptr;
}

// The remaining families with steps of their own.
void TestUseCases::familyExtras()
{
    FixtureInstall install;
    DialogResponder responder;
    const QByteArray useCases = "0/name = First\n0/max_fps = 30\n"
                                "1/name = Second\n1/max_fps = 20\n1/rows = 480\n1/cols = 640\n1/skipping = 2\n"
                                "1/hdr_mode = 3\n1/exposures = 3\n1/lowpower = 0\n";

    {
        // Murn_101 (sensors 9 to 11) keeps the use case's HDR mode.
        Pallador w(QString{});
        w.loadConfigFile(writeUseCases(install, QStringLiteral("Tolm108t"), useCases));
        QVERIFY(loadUseCase(w, 0, 1));
        QCOMPARE(w.calvex->murn_101->useCaseMode, 3);
    }
    {
        // Vek_138: exposures counted from the second, no HDR mode.
        Pallador w(QString{});
        w.loadConfigFile(writeUseCases(install, QStringLiteral("Vek138m"), useCases));
        QVERIFY(loadUseCase(w, 0, 1));
        QCOMPARE(w.numExposures[0], 2);
        QCOMPARE(w.hdrMode[0], 0);
    }
    {
        // Zelt: fixed presets.
        Pallador w(QString{});
        w.loadConfigFile(writeUseCases(install, QStringLiteral("Zelt102"), useCases));
        w.txLatch[0] = true;
        w.otherLineTime[0] = 5;
        w.shortSeq = false;
        QVERIFY(loadUseCase(w, 0, 1));
        QCOMPARE(w.otherLineTime[0], 0);
        QCOMPARE(w.lowPower[0], 1);
        QCOMPARE(w.skipping[0], 0);
        QCOMPARE(w.scaler[0], 1000);
        QCOMPARE(w.scaleM[0], 0);
        QVERIFY(!w.txLatch[0]);
        QVERIFY(w.shortSeq);
        QCOMPARE(w.rows[0], 480);
    }
    {
        // Holv_101: thirteen use-case values make the radar configuration.
        Pallador w(QString{});
        w.loadConfigFile(writeUseCases(install, QStringLiteral("Holv101"),
                                       "0/name = Radar\n0/cropping = 14\n0/centering = 4\n0/cif = 7\n"
                                       "0/hd720p = 60\n0/extra_value = 77.5\n0/aspect_ratio = 30\n0/intg_time = 6.5\n"
                                       "0/lowpower = 256\n0/extra_mode = 30\n0/blank_type = 60\n0/highspeed = 64\n"
                                       "0/hdr_mode = 1\n0/exposures = 0\n"));
        QVERIFY(loadUseCase(w, 0, 0));
        const HolvConfigBlock &b = w.calvex->holv_101->configBlock;
        QCOMPARE(b.bitsPerSample, 14);
        // The load's own calculation keeps the decimation, which shares its
        // storage with the PLL block's interface index.
        QCOMPARE(b.decimation, 4);
        QCOMPARE(b.chirpResetTime, 7);
        QCOMPARE(b.chirpRampTime, 60);
        QCOMPARE(b.freqMin, 77.5);
        QCOMPARE(b.slope, 30);
        QCOMPARE(b.adcStartTime, 6.5);
        QCOMPARE(b.adcSamples, 256);
        QCOMPARE(b.adcClock, 30);
        QCOMPARE(b.mipiWordClock, 60);
        QCOMPARE(b.chirpsPerFrame, 64);
        QVERIFY(b.elevation);
        QVERIFY(!b.tdmMimo);
    }
    {
        // Sensors 65 and 66: the skipping box and the size boxes are bound.
        const struct {
            const char *sensor;
            const char *skippingName;
        } cases[] = {{"Sarn101k", "checkRowSkipping"}, {"Sarn104k", "checkSkipping"}};
        for (const auto &bound : cases) {
            Pallador w(QString{});
            w.loadConfigFile(writeUseCases(install, QLatin1String(bound.sensor), useCases));
            QWidget form;
            auto *skipBox = new QCheckBox(&form);
            skipBox->setObjectName(QLatin1String(bound.skippingName));
            auto *rowsBox = new QSpinBox(&form);
            rowsBox->setObjectName(QStringLiteral("spinRows"));
            auto *colsBox = new QSpinBox(&form);
            colsBox->setObjectName(QStringLiteral("spinCols"));
            GUIVAR_T skipVar{0.0, 1.0, 0.0, 0.0, false, 0};
            GUIVAR_T sizeVar{0.0, 5000.0, 0.0, 0.0, false, 0};
            GUIVAR_T colsVar = sizeVar;
            std::unique_ptr<CGuiVars> binder(
                new CGuiVars(bound.skippingName, &skipVar, "spinRows", &sizeVar, "spinCols", &colsVar, nullptr));
            QCOMPARE(binder->initFields(&form), 3);
            w.guiVars = binder.get();

            QVERIFY(loadUseCase(w, 0, 1));
            QVERIFY2(skipBox->isChecked(), bound.sensor);
            QCOMPARE(rowsBox->value(), 480);
            QCOMPARE(colsBox->value(), 640);
            w.guiVars = nullptr;
        }
    }
    QCOMPARE(responder.seen(), QStringList());
}

QTEST_MAIN(TestUseCases)
#include "tst_usecases.moc"
