// Every sample configuration of the bundled installation, loaded into the
// window and calculated both ways (a PLL-level change and a change of one
// context) in each of its contexts, with no option panel opened: nothing
// fails or asks, the window is never left busy or in context C, a
// calculation starts only a few nested ones, and the register table shows
// the values the library reports.
#include "calc/adapter.h"
#include "calvex.h"
#include "pallador.h"
#include "registerdataio.h"
#include "testsupport.h"

#include <QDir>
#include <QTableWidget>
#include <QtTest>

#include <memory>

namespace {

// The family calculations one recalc may run: the context calculated, the
// other context after a PLL-level change, and the few nested ones that
// widget write-backs inside a calculation start before they reach a fixed
// point.
constexpr int kMaxCalculations = 6;

} // namespace

class TestSweep : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everySample_data();
    void everySample();

private:
    // What a calculation must leave behind; an empty text when it did.
    QString problemsAfter(Pallador &w, const char *what);

    std::unique_ptr<FixtureInstall> m_install;
    int m_maxCalculations = 0;
};

void TestSweep::initTestCase()
{
    m_install.reset(new FixtureInstall);
    // The bridges' maximum-integration-time question is answered "No".
    adapter::setMaxIntgTimeAsker([](Pallador &) { return QMessageBox::No; });
}

void TestSweep::cleanupTestCase()
{
    adapter::setMaxIntgTimeAsker({});
    qInfo("most calculations in one recalc: %d", m_maxCalculations);
}

void TestSweep::everySample_data()
{
    QTest::addColumn<QString>("fileName");
    const QDir folder(FixtureInstall::samplesRoot() + QStringLiteral("bin/cfg_pallador"));
    const QStringList files = folder.entryList({QStringLiteral("*.cfg")}, QDir::Files, QDir::Name);
    QVERIFY(files.size() >= 115);
    for (const QString &fileName : files)
        QTest::newRow(qPrintable(fileName)) << fileName;
}

QString TestSweep::problemsAfter(Pallador &w, const char *what)
{
    QStringList problems;
    if (w.busy)
        problems << QStringLiteral("busy");
    if (w.currentContext != 0 && w.currentContext != 1)
        problems << QStringLiteral("context %1").arg(w.currentContext);
    const int calculated = calculations(w);
    m_maxCalculations = qMax(m_maxCalculations, calculated);
    if (calculated < 1 || calculated > kMaxCalculations)
        problems << QStringLiteral("%1 calculations").arg(calculated);

    // The registers: the window's rows and the table's value column hold
    // what the library reports for each row it calculates.
    const CFamilyCore *family = w.calvex ? w.calvex->family() : nullptr;
    if (!family) {
        problems << QStringLiteral("no family object");
    } else {
        const quint32 *values = w.varResults ? w.varResults->registerValues : family->results.registerValues;
        const QTableWidget *table = w.ui.tableRegister;
        const int rows = qMin(qMin(w.regCount, family->registerCount()), table->rowCount());
        if (rows < 1)
            problems << QStringLiteral("no register rows");
        for (int i = 0; i < rows; ++i) {
            const QTableWidgetItem *shown = table->item(i, 4);
            if (w.regs[i].value != values[i] || !shown || shown->text() != QString::number(values[i])) {
                problems << QStringLiteral("register %1 shows %2, the library %3")
                                .arg(w.regs[i].name, shown ? shown->text() : QStringLiteral("nothing"))
                                .arg(values[i]);
                break;
            }
        }
    }
    if (!problems.isEmpty())
        problems.prepend(QLatin1String(what));
    return problems.join(QStringLiteral(", "));
}

void TestSweep::everySample()
{
    QFETCH(QString, fileName);
    DialogResponder responder;
    std::unique_ptr<Pallador> window(new Pallador(m_install->addSample(fileName)));
    Pallador &w = *window;
    QVERIFY2(w.sensorIndex >= 1 && w.sensorIndex <= 115, qPrintable(QString::number(w.sensorIndex)));
    QVERIFY(w.contextCount == 1 || w.contextCount == 2);
    QCOMPARE(responder.seen(), QStringList());
    QVERIFY(!w.busy);

    QStringList problems;
    for (int context = 0; context < w.contextCount; ++context) {
        for (bool pllChanged : {true, false}) {
            w.currentContext = context;
            resetJournal(w);
            w.recalc(pllChanged);
            const QByteArray what = "context " + QByteArray::number(context) +
                                    (pllChanged ? " recalc(true):" : " recalc(false):");
            const QString problem = problemsAfter(w, what.constData());
            if (!problem.isEmpty())
                problems << problem;
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    QCOMPARE(responder.seen(), QStringList());
}

QTEST_MAIN(TestSweep)
#include "tst_sweep.moc"
