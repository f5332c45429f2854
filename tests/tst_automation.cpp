// The automation properties as a calling program uses them, in process:
// item orders and conversions, what each write stores and calculates, the
// register list's address folding, and the unsound inputs a caller may send
// (short lists, contexts that do not exist, no configuration loaded, boxes
// of a PLL form never loaded). Also the messages of a window made for a
// client, which shows none, and refused files, which keep the loaded sensor.
#include "calvex.h"
#include "pallador.h"
#include "registerdataio.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QMetaProperty>
#include <QtTest>

#include <climits>
#include <cmath>
#include <limits>
#include <memory>

#include <sys/stat.h>

namespace {

struct Session : WindowSession {
    using WindowSession::WindowSession;
    Session() : WindowSession(QString()) {}
};

// A PllParameters list: the given items, every override at -1.
QVariantList pllItems(double input, double target, double vco = -1.0, int n = -1, int m = -1, double interface = 0)
{
    return {false, false, false, input, target, 0.0, vco, interface, n, m, 0, -1, -1, 0, -1, -1};
}

// An ImgParameters write list in its own order, the counters from 1 up.
QVariantList imgWriteItems()
{
    QVariantList items;
    for (int i = 0; i < 20; ++i)
        items << i + 1;
    items << 30.0 << 7.5 << 12.25;
    return items;
}

} // namespace

class TestAutomation : public QObject {
    Q_OBJECT

private slots:
    void interfaceOrder();
    void configFileLoads();
    void refusedConfigFileKeepsTheSensor_data();
    void refusedConfigFileKeepsTheSensor();
    void contextRange_data();
    void contextRange();
    void imgParametersRoundTrip();
    void listsOfAnotherLengthAreIgnored_data();
    void listsOfAnotherLengthAreIgnored();
    void pllParametersWrite();
    void pllOverridesTickTheirBoxes();
    void pllParametersRead();
    void extremePllItems_data();
    void extremePllItems();
    void extremeImgItems_data();
    void extremeImgItems();
    void numbersForIntegerItems();
    void testCaseApplies();
    void testCaseWithoutConfiguration_data();
    void testCaseWithoutConfiguration();
    void registersFoldFirmwareVariables();
    void registerListsFollowTheCalculation();
};

// The 13 automation properties come first, in their order, with the types a
// caller sees; the two informational ones follow.
void TestAutomation::interfaceOrder()
{
    const QMetaObject &mo = Pallador::staticMetaObject;
    const char *const expected[][2] = {
        {"ConfigFile", "QString"},      {"Context", "int"},          {"PllParameters", "QVariantList"},
        {"ImgParameters", "QVariantList"}, {"TestCase", "int"},     {"MaxFPS", "double"},
        {"Registers", "QVariantList"},  {"RegNames", "QVariantList"}, {"RegValues", "QVariantList"},
        {"TotalCaseNum", "int"},        {"RegArraySize", "int"},     {"CntxNumber", "int"},
        {"WarningValue", "int"},        {"PLL_ENUM", "PLL_PARAMS"},  {"IMG_ENUM", "IMG_PARAMS"},
    };
    QCOMPARE(mo.propertyCount() - mo.propertyOffset(), 15);
    for (int i = 0; i < 15; ++i) {
        const QMetaProperty p = mo.property(mo.propertyOffset() + i);
        QCOMPARE(p.name(), expected[i][0]);
        QCOMPARE(p.typeName(), expected[i][1]);
        QCOMPARE(p.isWritable(), i < 5);
    }
    QVERIFY(QMetaType::type("REGS_DATA_T") != QMetaType::UnknownType || qMetaTypeId<REGS_DATA_T>() != 0);
}

// Writing ConfigFile runs the whole set-up: the sensor is loaded, calculated
// and its registers are there to read.
void TestAutomation::configFileLoads()
{
    Session s;
    const QString path = s.install.addSample(QStringLiteral("Sarn102.cfg"));
    QVERIFY(s.w().setProperty("ConfigFile", path));
    QCOMPARE(s.w().property("ConfigFile").toString(), path);
    QCOMPARE(s.w().property("CntxNumber").toInt(), 2);
    QVERIFY(s.w().property("RegArraySize").toInt() > 0);
    QCOMPARE(s.w().property("TotalCaseNum").toInt(), s.w().dataIO->getUseCaseNumber());
    QVERIFY(s.responder.seen().isEmpty());
}

void TestAutomation::refusedConfigFileKeepsTheSensor_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text"); // %1: the path
    QTest::newRow("not catalogued") << "Nobody9"
                                    << "%1 sensor is not supported!";
    QTest::newRow("no use cases") << "Sarn102"
                                  << "The file %1 has no use cases in its [UseCases] section.";
    QTest::newRow("missing") << "missing"
                             << "The file %1 does not exist.";
    QTest::newRow("FIFO") << "fifo"
                          << "The file %1 cannot be read: Not a regular file.";
}

// A file the set-up refuses leaves the loaded sensor loaded and calculating.
// A window made for a client shows no message box, which nobody may be there
// to close: the text is kept for the caller. A user's window tells the user.
void TestAutomation::refusedConfigFileKeepsTheSensor()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    for (const bool client : {true, false}) {
        Session s(QStringLiteral("Sarn102"));
        Pallador &w = s.w();
        w.show();
        w.automationClient = client;
        QString path = s.install.configFolder() + QStringLiteral("/Refused.cfg");
        if (kind == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind != QLatin1String("missing"))
            path = s.install.writeConfig(
                QStringLiteral("Refused.cfg"),
                "[General_Info]\nsensor_name = " + kind.toLatin1() + "\n[UseCases]\n" +
                    (kind == QLatin1String("Sarn102") ? QByteArray() : QByteArray("0/name = A\n")));
        const QString loaded = w.configPath;
        CRegisterDataIO *const reader = w.dataIO;
        CCalvex *const calvex = w.calvex;
        const QString title = w.windowTitle();
        const int useCases = w.ui.comboUseCase_A->count();
        const QVariantList registers = w.property("RegValues").toList();

        w.setProperty("ConfigFile", path);

        if (client) {
            QCOMPARE(w.automationMessages, QStringList{text.arg(path)});
            QVERIFY(s.responder.seen().isEmpty());
            QStringList boxes;
            for (QWidget *widget : QApplication::allWidgets()) {
                if (auto box = qobject_cast<QMessageBox *>(widget))
                    boxes << box->text();
            }
            QCOMPARE(boxes, QStringList());
        } else {
            QCOMPARE(s.responder.seen().size(), 1);
            QVERIFY(s.responder.seen().first().endsWith(text.arg(path)));
            QVERIFY(w.automationMessages.isEmpty());
        }
        QCOMPARE(w.property("ConfigFile").toString(), loaded);
        QCOMPARE(w.dataIO, reader);
        QCOMPARE(w.calvex, calvex);
        QCOMPARE(w.windowTitle(), title);
        QCOMPARE(w.ui.comboUseCase_A->count(), useCases);
        QCOMPARE(w.property("RegValues").toList(), registers);
        QVERIFY(!w.ui.combo_SensorType->isVisible());

        resetJournal(w);
        w.setProperty("PllParameters", pllItems(27.0, 96.0));
        QVERIFY(calculations(w) > 0);
        QVERIFY(w.property("RegValues").toList() != registers);
    }
}

void TestAutomation::contextRange_data()
{
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("expected");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("1 on a one-context sensor ignored") << 1 << 0;
    QTest::newRow("2 ignored") << 2 << 0;
    QTest::newRow("3 ignored") << 3 << 0;
    QTest::newRow("-1 ignored") << -1 << 0;
}

// Context takes the contexts of the loaded sensor only; WarningValue then reads the word of
// the context stored, without a calculation.
void TestAutomation::contextRange()
{
    QFETCH(int, written);
    QFETCH(int, expected);
    Session s(QStringLiteral("Tolm104m"));
    s.w().warnings[0] = 0x10;
    s.w().warnings[1] = 0x20;
    s.w().warnings[2] = 0x40;
    resetJournal(s.w());
    s.w().setProperty("Context", written);
    QCOMPARE(s.w().property("Context").toInt(), expected);
    QCOMPARE(s.w().property("WarningValue").toInt(), int(s.w().warnings[expected]));
    QCOMPARE(calculations(s.w()), 0);
}

// ImgParameters is written in its 23-item order and read in its 20-item
// order: each member lands where the orders put it, the two flags as bools,
// and one calculation of the context follows.
void TestAutomation::imgParametersRoundTrip()
{
    Session s(QStringLiteral("Sarn102"));
    Pallador &w = s.w();
    w.setProperty("Context", 1);
    resetJournal(w);
    QVariantList items = imgWriteItems();
    items[13] = 0; // variableFps off
    items[14] = 3; // blankType: 0 to 4 as a configuration file takes it
    items[15] = 2; // highSpeed: any value but 0 is on
    w.setProperty("ImgParameters", items);
    QCOMPARE(calculations(w), 1);
    QCOMPARE(calculatedContexts(w), QList<int>{1});
    QCOMPARE(w.aspectRatio[1], 9);
    QCOMPARE(w.cif[1], 11);
    QCOMPARE(w.hd720p[1], 12);
    QCOMPARE(w.variableFps[1], false);
    QCOMPARE(w.highSpeed[1], true);

    const QVariantList read = w.property("ImgParameters").toList();
    QCOMPARE(read.size(), 20);
    // Read order: rows cols binning binXOnly bin2Skip2 binSF skipping cropping
    // centering lowPower variableFps blankType highSpeed outFormat fifo
    // userVBlank userHBlank maxFps minFps intgTime.
    const QVariantList expected = {w.rows[1],   w.cols[1],   3,      4,        5,         6,  7,   8,   10,  13,
                                   false,       3,           true,   17,       18,        19, 20,  w.maxFps[1],
                                   7.5,         12.25};
    for (int i = 0; i < 20; ++i)
        QVERIFY2(read.at(i) == expected.at(i), qPrintable(QStringLiteral("item %1").arg(i)));
    QCOMPARE(read.at(10).userType(), int(QMetaType::Bool));
    QCOMPARE(read.at(17).userType(), int(QMetaType::Double));
}

void TestAutomation::listsOfAnotherLengthAreIgnored_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<int>("items");
    QTest::newRow("ImgParameters 22") << QByteArray("ImgParameters") << 22;
    QTest::newRow("ImgParameters empty") << QByteArray("ImgParameters") << 0;
    QTest::newRow("ImgParameters 24") << QByteArray("ImgParameters") << 24;
    QTest::newRow("PllParameters 15") << QByteArray("PllParameters") << 15;
    QTest::newRow("PllParameters 17") << QByteArray("PllParameters") << 17;
}

// A list shorter or longer than the write takes is ignored whole: nothing
// stored, nothing calculated, no box ticked.
void TestAutomation::listsOfAnotherLengthAreIgnored()
{
    QFETCH(QByteArray, property);
    QFETCH(int, items);
    Session s(QStringLiteral("Tolm104m"));
    Pallador &w = s.w();
    const int rows = w.rows[0];
    const double input = w.pllInput;
    resetJournal(w);
    QVariantList list = property == "PllParameters" ? pllItems(99.0, 50.0, 400.0, 2, 30) : imgWriteItems();
    while (list.size() < items)
        list << 1;
    list = list.mid(0, items);
    w.setProperty(property.constData(), list);
    QCOMPARE(calculations(w), 0);
    QCOMPARE(w.rows[0], rows);
    QCOMPARE(w.pllInput, input);
    QVERIFY(!w.ui.checkPLL_ADV->isChecked());
    QVERIFY(!w.ui.checkPLL_N->isChecked());
}

// The clocks and requests are stored with their conversions, the interface
// index truncated; the advanced box is ticked and one calculation with the
// PLL changed runs, which reaches the library.
void TestAutomation::pllParametersWrite()
{
    Session s(QStringLiteral("Sarn102"));
    Pallador &w = s.w();
    resetJournal(w);
    QVariantList items = pllItems(27.0, 84.0, -1.0, -1, -1, 2.9);
    items[0] = 1; // bypass from a number
    w.setProperty("PllParameters", items);
    QCOMPARE(w.pllBypass, true);
    QCOMPARE(w.pllInput, 27.0);
    QCOMPARE(w.pllTarget, 84.0);
    QCOMPARE(w.interfaceIndex, 2);
    QVERIFY(w.ui.checkPLL_ADV->isChecked());
    for (QCheckBox *box : {w.ui.checkPLL_N, w.ui.checkPLL_M, w.ui.checkPLL_VCO})
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
    QCOMPARE(calculatedContexts(w), (QList<int>{0, 1}));
    QCOMPARE(w.calvex->family()->pll.inputClock, 27.0);
}

// Given overrides tick their boxes (the advanced form's only where it is
// loaded) and the calculation uses them; -1 leaves a ticked box ticked.
void TestAutomation::pllOverridesTickTheirBoxes()
{
    Session s(QStringLiteral("Sarn102"));
    Pallador &w = s.w();
    QVERIFY(!w.checkPLL_P4); // the advanced PLL form was never loaded
    QVariantList items = pllItems(24.0, 96.0, -1.0, 2, 64);
    items[11] = 3; // P4 of a form that is not there
    w.setProperty("PllParameters", items);
    QVERIFY(w.ui.checkPLL_N->isChecked());
    QVERIFY(w.ui.checkPLL_M->isChecked());
    QVERIFY(!w.ui.checkPLL_VCO->isChecked());
    QCOMPARE(w.calvex->family()->pll.pllN, 2);
    QCOMPARE(w.calvex->family()->pll.pllM, 64);
    QCOMPARE(w.resN, 2);
    QCOMPARE(w.resM, 64);

    // Every override at -1: the ticked boxes stay as they were.
    w.setProperty("PllParameters", pllItems(24.0, 96.0));
    QVERIFY(w.ui.checkPLL_N->isChecked());
    QVERIFY(w.ui.checkPLL_M->isChecked());
}

// The read gathers the results of the last calculation first.
void TestAutomation::pllParametersRead()
{
    Session s(QStringLiteral("Sarn102"));
    Pallador &w = s.w();
    const QVariantList read = w.property("PllParameters").toList();
    QCOMPARE(read.size(), 16);
    const CPllParams &pll = w.calvex->family()->pll;
    QCOMPARE(read.at(3).toDouble(), w.resInputClock);
    QCOMPARE(read.at(3).toDouble(), pll.inputClock);
    QCOMPARE(read.at(8).toInt(), w.resN);
    QCOMPARE(read.at(9).toInt(), w.resM);
    QCOMPARE(read.at(7).toInt(), w.interfaceIndex);
    QCOMPARE(read.at(0).userType(), int(QMetaType::Bool));
    QCOMPARE(read.at(15).userType(), int(QMetaType::Double));
}

void TestAutomation::extremePllItems_data()
{
    QTest::addColumn<QString>("sensor");
    QTest::addColumn<int>("item");
    QTest::addColumn<QVariant>("extreme");
    QTest::addColumn<QVariant>("rangeEnd");
    // The radar's "Decimation:" list: OFF, 2x, 3x, 4x.
    QTest::newRow("Holv101 interface 2147483647") << "Holv101" << 7 << QVariant(2147483647.0) << QVariant(3.0);
    QTest::newRow("Holv101 interface 1e308") << "Holv101" << 7 << QVariant(1e308) << QVariant(3.0);
    // A P4 request the library cannot meet, however large.
    QTest::newRow("Vek124 P4 INT_MAX") << "Vek124" << 11 << QVariant(INT_MAX) << QVariant(1000);
}

// A PllParameters item far beyond what its box offers calculates as the end
// of the box's range: the caller reads the same registers and results.
void TestAutomation::extremePllItems()
{
    QFETCH(QString, sensor);
    QFETCH(int, item);
    QFETCH(QVariant, extreme);
    QFETCH(QVariant, rangeEnd);
    Session s(sensor);
    Pallador &w = s.w();
    // The advanced PLL panel open: its override boxes are there to tick.
    w.ui.checkPLL_ADV->click();
    QVariantList items = pllItems(w.pllInput, w.pllTarget, -1.0, -1, -1, w.interfaceIndex);
    items[item] = rangeEnd;
    w.setProperty("PllParameters", items);
    const QStringList atRangeEnd = calculationOutcome(w);
    items[item] = extreme;
    w.setProperty("PllParameters", items);
    QCOMPARE(calculationOutcome(w), atRangeEnd);
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestAutomation::extremeImgItems_data()
{
    QTest::addColumn<int>("integer");
    QTest::addColumn<double>("number");
    QTest::newRow("maximum") << INT_MAX << 1e308;
    QTest::newRow("minimum") << INT_MIN << -1e308;
    QTest::newRow("not a number") << -1 << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("infinite") << 0 << std::numeric_limits<double>::infinity();
}

// Every ImgParameters item at an end of its type: the context is calculated,
// the caller is warned, and the clocks read back are finite.
void TestAutomation::extremeImgItems()
{
    QFETCH(int, integer);
    QFETCH(double, number);
    for (const char *sensor : {"Sarn102", "Vek107m", "Yorm105m"}) {
        Session s{QString::fromLatin1(sensor)};
        Pallador &w = s.w();
        QVariantList items;
        for (int i = 0; i < 20; ++i)
            items << integer;
        items << number << number << number;
        resetJournal(w);
        w.setProperty("ImgParameters", items);
        QVERIFY2(calculations(w) >= 1, sensor);
        QVERIFY2(!w.busy, sensor);
        QVERIFY2(w.property("WarningValue").toInt() != 0, sensor);
        const QVariantList pll = w.property("PllParameters").toList();
        for (int i : {3, 4, 5, 6, 15})
            QVERIFY2(std::isfinite(pll.at(i).toDouble()), sensor);
        QCOMPARE(s.responder.seen(), QStringList());
    }
}

// An integer item given as a number is rounded to the nearest int; beyond
// the int range it is kept to it, and NaN gives 0.
void TestAutomation::numbersForIntegerItems()
{
    Session s(QStringLiteral("Sarn102"));
    Pallador &w = s.w();
    QVariantList items = imgWriteItems();
    items[0] = 2.5;
    items[1] = 1e308;
    items[2] = -1e308;
    items[3] = std::numeric_limits<double>::quiet_NaN();
    w.setProperty("ImgParameters", items);
    const QVariantList read = w.property("ImgParameters").toList();
    QCOMPARE(read.mid(0, 4), (QVariantList{3, INT_MAX, INT_MIN, 0}));
}

// TestCase applies a use case to the current context and calculates it; a
// use case without a frame rate gives 10 fps.
void TestAutomation::testCaseApplies()
{
    Session s;
    const QString path = s.install.writeConfig(
        QStringLiteral("Tolm104m.cfg"),
        "[General_Info]\nsensor_name = Tolm104m\n[UseCases]\n"
        "0/name = VGA\n0/cols = 640\n0/rows = 480\n0/max_fps = 30\n"
        "1/name = QVGA\n1/cols = 320\n1/rows = 240\n1/binning = 1\n1/highspeed = 5\n");
    s.w().setProperty("ConfigFile", path);
    Pallador &w = s.w();
    QCOMPARE(w.property("TotalCaseNum").toInt(), 2);
    QCOMPARE(w.property("MaxFPS").toDouble(), 30.0);
    resetJournal(w);
    w.setProperty("TestCase", 1);
    QCOMPARE(w.property("TestCase").toInt(), 1);
    QCOMPARE(w.cols[0], 320);
    QCOMPARE(w.rows[0], 240);
    QCOMPARE(w.binning[0], 1);
    QCOMPARE(w.highSpeed[0], true);
    QCOMPARE(w.maxFps[0], 10.0);
    QCOMPARE(w.property("MaxFPS").toDouble(), 0.0);
    QCOMPARE(calculations(w), 1);
    // The combo is not touched.
    QCOMPARE(w.ui.comboUseCase_A->currentIndex(), 0);
}

void TestAutomation::testCaseWithoutConfiguration_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("index");
    QTest::newRow("no configuration") << QString() << 0;
    QTest::newRow("past the use cases") << QStringLiteral("Tolm104m") << 999;
    QTest::newRow("negative") << QStringLiteral("Tolm104m") << -1;
}

// Without a configuration, or outside its use cases, TestCase stores and
// calculates nothing and the readers give 0.
void TestAutomation::testCaseWithoutConfiguration()
{
    QFETCH(QString, sample);
    QFETCH(int, index);
    Session s(sample);
    Pallador &w = s.w();
    const int cols = w.cols[0];
    const int before = w.testCaseIndex;
    resetJournal(w);
    w.setProperty("TestCase", index);
    QCOMPARE(w.property("TestCase").toInt(), before);
    QCOMPARE(w.cols[0], cols);
    QCOMPARE(calculations(w), 0);
    if (sample.isEmpty()) {
        QCOMPARE(w.property("MaxFPS").toDouble(), 0.0);
        QCOMPARE(w.property("TotalCaseNum").toInt(), 0);
        QCOMPARE(w.property("Registers").toList().size(), 0);
    }
}

// A firmware variable's address is folded into 0x8000 + page << 10 + offset;
// the row itself keeps its address.
void TestAutomation::registersFoldFirmwareVariables()
{
    Session s(QStringLiteral("Tolm104m"));
    Pallador &w = s.w();
    QVERIFY(w.regCount >= 2);
    w.regs[0].id = 0;
    w.regs[0].address = 0x3012;
    w.regs[1].id = 3;
    w.regs[1].address = 0x1234;
    const QVariantList list = w.property("Registers").toList();
    QCOMPARE(list.size(), w.regCount);
    QCOMPARE(list.at(0).value<REGS_DATA_T>().address, 0x3012u);
    QCOMPARE(list.at(1).value<REGS_DATA_T>().address, 0x8000u + 0xC00u + 0x234u);
    QCOMPARE(list.at(1).value<REGS_DATA_T>().value, w.regs[1].value);
    QCOMPARE(w.regs[1].address, 0x1234u);
}

// The three register lists hold the rows the calculation left, and a changed
// input clock changes the PLL registers they report.
void TestAutomation::registerListsFollowTheCalculation()
{
    Session s(QStringLiteral("Sarn102"));
    Pallador &w = s.w();
    const QVariantList names = w.property("RegNames").toList();
    const QVariantList values = w.property("RegValues").toList();
    QCOMPARE(names.size(), w.regCount);
    QCOMPARE(values.size(), w.regCount);
    for (int i = 0; i < w.regCount; ++i) {
        QCOMPARE(names.at(i).toString(), w.regs[i].name);
        QCOMPARE(values.at(i).toUInt(), w.regs[i].value);
        QCOMPARE(values.at(i).userType(), int(QMetaType::UInt));
    }
    w.setProperty("PllParameters", pllItems(27.0, 96.0));
    QVERIFY(w.property("RegValues").toList() != values);
}

QTEST_MAIN(TestAutomation)
#include "tst_automation.moc"
