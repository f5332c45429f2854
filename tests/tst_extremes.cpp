// Numbers at the ends of their types through every door a caller or a widget
// has into the window, on every sample with its option panels open: each
// item of PllParameters and ImgParameters at INT_MIN, -1, 0, INT_MAX, NaN,
// the infinities and +-1e308, then every input and option slot with INT_MIN,
// -1, 0 and INT_MAX (double slots with NaN, the infinities, +-1e308, -1 and
// 0; text slots with those numbers as text), with the pointer over each
// panel in turn. Through all of it the window stays usable: never left busy,
// a context that exists, finite clocks. The program is also built against
// the sanitized libraries, where any signed overflow or a double that no
// integer holds fails it. The samples are split into shards ("--shard k/n")
// so that CTest can run them side by side.
#include "calc/adapter.h"
#include "calvex.h"
#include "pallador.h"
#include "testsupport.h"

#include <QDir>
#include <QMetaMethod>
#include <QtTest>

#include <climits>
#include <cmath>
#include <limits>
#include <memory>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// The int values and the double values of one pass over the slots; the
// double list is the longer one, its last values go to the double slots only.
const QList<int> kInts = {INT_MIN, -1, 0, INT_MAX};
const QList<double> kDoubles = {kNaN, kInf, -kInf, 1e308, -1e308, -1.0, 0.0};

// The items of the two list properties take every one of these.
const QVariantList kItems = {INT_MIN, -1, 0, INT_MAX, kNaN, kInf, -kInf, 1e308, -1e308};

// Commands take nothing from a caller: the file, help and view commands
// open dialogs or change the window's frame, and the panel boxes are
// opened once, ahead of the sweep.
bool isCommand(const QByteArray &name)
{
    return name.startsWith("on_action") || name == "on_combo_SensorType_currentIndexChanged" ||
           name == "on_checkRegList_clicked" || name == "on_checkPLL_ADV_clicked" ||
           name == "on_checkAdvParam_A_clicked" || name == "on_checkAdvParam_B_clicked";
}

// The slots under test, in declaration order.
QList<QMetaMethod> inputSlots()
{
    QList<QMetaMethod> methods;
    const QMetaObject &mo = Pallador::staticMetaObject;
    for (int i = mo.methodOffset(); i < mo.methodCount(); ++i) {
        const QMetaMethod m = mo.method(i);
        if (m.methodType() == QMetaMethod::Slot && !isCommand(m.name()))
            methods << m;
    }
    return methods;
}

enum Pointer { OverNone = -1, OverA = 0, OverB = 1 };

void pointAt(Pallador &w, int pointer)
{
    w.ui.widgetADV_A->setAttribute(Qt::WA_UnderMouse, pointer == OverA);
    w.ui.widgetADV_B->setAttribute(Qt::WA_UnderMouse, pointer == OverB);
}

// Opens a panel through its box, as a user would.
void openPanel(QCheckBox *box)
{
    if (!box->isHidden() && box->isEnabled() && !box->isChecked())
        box->click();
}

// Calls a slot with the pass's number of its parameter type. A slot that
// takes a context and a use case (LoadUseCase) gets the pointer's context.
bool call(Pallador &w, const QMetaMethod &m, int pass, int pointer)
{
    const QList<QByteArray> types = m.parameterTypes();
    const int i = kInts.value(pass);
    const double d = kDoubles.value(pass);
    if (types.isEmpty())
        return m.invoke(&w, Qt::DirectConnection);
    if (types == QList<QByteArray>{"int"})
        return m.invoke(&w, Qt::DirectConnection, Q_ARG(int, i));
    if (types == QList<QByteArray>{"double"})
        return m.invoke(&w, Qt::DirectConnection, Q_ARG(double, d));
    if (types == QList<QByteArray>{"QString"})
        return m.invoke(&w, Qt::DirectConnection, Q_ARG(QString, QString::number(d)));
    if (types == QList<QByteArray>{"int", "int"})
        return m.invoke(&w, Qt::DirectConnection, Q_ARG(int, pointer + 1), Q_ARG(int, i));
    // The binder's receivers, with a clock the binder binds.
    if (types == QList<QByteArray>{"QString", "float"})
        return m.invoke(&w, Qt::DirectConnection, Q_ARG(QString, QStringLiteral("SystemFreq")), Q_ARG(float, float(d)));
    if (types == QList<QByteArray>{"QString", "bool"})
        return m.invoke(&w, Qt::DirectConnection, Q_ARG(QString, QStringLiteral("SystemFreq")),
                        Q_ARG(bool, pass % 2 == 0));
    return false;
}

// What must hold after any input; an empty text when it does.
QString problems(const Pallador &w)
{
    QStringList found;
    if (w.busy)
        found << QStringLiteral("left busy");
    if (w.currentContext < 0 || w.currentContext > 2)
        found << QStringLiteral("context %1").arg(w.currentContext);
    if (const CFamilyCore *family = w.calvex ? w.calvex->family() : nullptr) {
        const CPllParams &p = family->pll;
        for (double clock : {p.outputClock, p.pixelClock, p.vcoClock}) {
            if (!std::isfinite(clock))
                found << QStringLiteral("clock %1").arg(clock);
        }
    }
    return found.join(QStringLiteral(", "));
}

} // namespace

class TestExtremes : public QObject {
    Q_OBJECT

public:
    TestExtremes(int shard, int shards) : m_shard(shard), m_shards(shards) {}

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyDoor_data();
    void everyDoor();

private:
    int m_shard;
    int m_shards;
    std::unique_ptr<FixtureInstall> m_install;
};

void TestExtremes::initTestCase()
{
    m_install.reset(new FixtureInstall);
    // The bridges' maximum-integration-time question is answered "No".
    adapter::setMaxIntgTimeAsker([](Pallador &) { return QMessageBox::No; });
    QVERIFY(inputSlots().size() > 150);
}

void TestExtremes::cleanupTestCase()
{
    adapter::setMaxIntgTimeAsker({});
    m_install.reset();
}

void TestExtremes::everyDoor_data()
{
    QTest::addColumn<QString>("sample");
    const QDir folder(FixtureInstall::samplesRoot() + QStringLiteral("bin/cfg_pallador"));
    const QStringList files = folder.entryList({QStringLiteral("*.cfg")}, QDir::Files, QDir::Name);
    QVERIFY(files.size() >= 115);
    for (int i = 0; i < files.size(); ++i) {
        if (i % m_shards == m_shard - 1)
            QTest::newRow(qPrintable(files[i])) << files[i];
    }
}

void TestExtremes::everyDoor()
{
    QFETCH(QString, sample);
    DialogResponder responder;
    std::unique_ptr<Pallador> window(new Pallador(m_install->addSample(sample)));
    Pallador &w = *window;
    openPanel(w.ui.checkPLL_ADV);
    openPanel(w.ui.checkAdvParam_A);
    if (w.contextCount == 2)
        openPanel(w.ui.checkAdvParam_B);

    // The list properties, one item at an extreme at a time, the others as
    // the sample has them.
    const int c = w.currentContext;
    // Items 8 to 15: no override, as -1 or an unused 0.
    QVariantList pll = {w.pllBypass, w.pllMinFreq,  w.useStdTemplate, w.pllInput,
                        w.pllTarget, w.pllTargetOp, w.pllVco,         w.interfaceIndex};
    pll << -1 << -1 << 0 << -1 << -1 << 0 << -1 << -1;
    const QVariantList img = {w.rows[c],      w.cols[c],      w.binning[c],  w.binXOnly[c],    w.bin2Skip2[c],
                              w.binSF[c],     w.skipping[c],  w.cropping[c], w.aspectRatio[c], w.centering[c],
                              w.cif[c],       w.hd720p[c],    w.lowPower[c], w.variableFps[c], w.blankType[c],
                              w.highSpeed[c], w.outFormat[c], w.fifo[c],     w.userVBlank[c],  w.userHBlank[c],
                              w.maxFps[c],    w.minFps[c],    w.intgTime[c]};
    const QPair<const char *, QVariantList> properties[] = {{"PllParameters", pll}, {"ImgParameters", img}};
    for (const auto &property : properties) {
        for (int item = 0; item < property.second.size(); ++item) {
            for (const QVariant &v : kItems) {
                QVariantList items = property.second;
                items[item] = v;
                w.setProperty(property.first, items);
                const QString p = problems(w);
                QVERIFY2(p.isEmpty(), qPrintable(QStringLiteral("%1 item %2 = %3: %4")
                                                     .arg(QLatin1String(property.first))
                                                     .arg(item)
                                                     .arg(v.toString(), p)));
            }
        }
    }

    // Every slot, value by value, with the pointer over each panel.
    const QList<QMetaMethod> methods = inputSlots();
    const QList<int> pointers = w.contextCount == 2 ? QList<int>{OverA, OverB} : QList<int>{OverA, OverNone};
    for (int pass = 0; pass < kDoubles.size(); ++pass) {
        for (int pointer : pointers) {
            pointAt(w, pointer);
            for (const QMetaMethod &m : methods) {
                // Past the int values, only the double slots have values left.
                if (pass >= kInts.size() && m.parameterTypes() != QList<QByteArray>{"double"})
                    continue;
                QVERIFY2(call(w, m, pass, pointer), m.methodSignature().constData());
                const QString p = problems(w);
                QVERIFY2(p.isEmpty(), qPrintable(m.methodSignature() + ": " + p));
            }
        }
    }
}

// "--shard k/n" runs the k-th of n shards (1-based); without it, all samples.
int main(int argc, char **argv)
{
    return runSharded<TestExtremes>(argc, argv);
}

#include "tst_extremes.moc"
