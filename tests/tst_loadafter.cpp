// A sensor loaded into a window that held another sensor is the sensor a
// fresh window shows: for every sample configuration, and one sample of each
// family as the sensor loaded before it, the register values, the result
// panes, the INI preset, the PllParameters a calling program reads, the
// messages shown and the controls of the docks equal those of the same file
// opened in a fresh window.
//
// One window per sample runs the chain "predecessor, sample, next
// predecessor, sample, ..." and each load of the sample is compared with
// the sample's fresh-window outcome. The samples are split into shards
// ("--shard k/n" on the command line) so that CTest can run them side by side.
#include "calc/adapter.h"
#include "calvex.h"
#include "output/outputfiles.h"
#include "pallador.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QTextEdit>
#include <QtTest>

#include <memory>
#include <typeinfo>

namespace {

// What a user and a calling program see of the loaded sensor.
struct Outcome {
    QStringList registers;
    QStringList panes;
    QString preset;
    QString pllParameters;
    QStringList messages;
    QStringList controls;
};

QStringList templateProblems;

void collectTemplateProblem(const QString &message)
{
    templateProblems << message;
}

// Each shown control of the docks and the output group, with what it shows
// and whether it takes input; sorted, so the order the controls were made in
// does not count.
QStringList controlCensus(Pallador &w)
{
    QStringList census;
    const QList<QWidget *> areas = {w.ui.dockImageA, w.ui.dockImageB, w.ui.dockPLL, w.ui.groupOutput};
    for (QWidget *area : areas) {
        if (!area->isVisibleTo(&w))
            continue;
        census << QStringLiteral("area %1 \"%2\"").arg(area->objectName(), area->windowTitle());
        for (QWidget *widget : area->findChildren<QWidget *>()) {
            if (!widget->isVisibleTo(&w))
                continue;
            QString state;
            if (auto *combo = qobject_cast<QComboBox *>(widget)) {
                QStringList items;
                for (int i = 0; i < combo->count(); ++i)
                    items << combo->itemText(i);
                state = QStringLiteral("combo [%1] #%2 \"%3\"")
                            .arg(items.join(QLatin1Char('|')))
                            .arg(combo->currentIndex())
                            .arg(combo->currentText());
            } else if (auto *spin = qobject_cast<QAbstractSpinBox *>(widget)) {
                state = QStringLiteral("spin \"%1\"").arg(spin->text());
            } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
                state = QStringLiteral("button \"%1\" %2").arg(button->text()).arg(button->isChecked());
            } else if (auto *label = qobject_cast<QLabel *>(widget)) {
                state = QStringLiteral("label \"%1\"").arg(label->text());
            } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
                state = QStringLiteral("group \"%1\"").arg(group->title());
            } else {
                continue;
            }
            census << QStringLiteral("%1 %2 %3 enabled %4 %5")
                          .arg(area->objectName(), widget->objectName(), state)
                          .arg(widget->isEnabled())
                          .arg(widget->styleSheet());
        }
    }
    census.sort();
    return census;
}

QString variantText(const QVariantList &items)
{
    QStringList parts;
    for (const QVariant &item : items)
        parts << item.toString();
    return parts.join(QLatin1Char(' '));
}

// The first difference between two lists of lines, or an empty text.
QString firstDifference(const char *what, const QStringList &fresh, const QStringList &after)
{
    for (int i = 0; i < qMax(fresh.size(), after.size()); ++i) {
        const QString a = fresh.value(i, QStringLiteral("(nothing)"));
        const QString b = after.value(i, QStringLiteral("(nothing)"));
        if (a != b)
            return QStringLiteral("%1: \"%2\" instead of \"%3\"").arg(QLatin1String(what), b, a);
    }
    return QString();
}

QStringList differences(const Outcome &fresh, const Outcome &after)
{
    QStringList found;
    const auto lines = [](const QString &text) { return text.split(QLatin1Char('\n')); };
    for (const QString &d : {firstDifference("register", fresh.registers, after.registers),
                             firstDifference("pane", lines(fresh.panes.join(QLatin1Char('\n'))),
                                             lines(after.panes.join(QLatin1Char('\n')))),
                             firstDifference("preset", lines(fresh.preset), lines(after.preset)),
                             firstDifference("PllParameters", {fresh.pllParameters}, {after.pllParameters}),
                             firstDifference("message", fresh.messages, after.messages),
                             firstDifference("control", fresh.controls, after.controls)}) {
        if (!d.isEmpty())
            found << d;
    }
    return found;
}

} // namespace

class TestLoadAfter : public QObject {
    Q_OBJECT

public:
    TestLoadAfter(int shard, int shards) : m_shard(shard), m_shards(shards) {}

private slots:
    void initTestCase();
    void cleanupTestCase();
    void afterEveryFamily_data();
    void afterEveryFamily();

private:
    QString samplePath(const QString &file) const;
    // Loads a sample into the window and returns what it then shows.
    Outcome load(Pallador &w, const QString &file);

    int m_shard;
    int m_shards;
    std::unique_ptr<FixtureInstall> m_install;
    std::unique_ptr<DialogResponder> m_responder;
    QStringList m_samples;
    // One sample of each family of the library, by the family's class.
    QMap<QByteArray, QString> m_predecessors;
};

void TestLoadAfter::initTestCase()
{
    m_install.reset(new FixtureInstall);
    m_responder.reset(new DialogResponder);
    // The bridges' maximum-integration-time question is answered "No".
    adapter::setMaxIntgTimeAsker([](Pallador &) { return QMessageBox::No; });
    output::setTemplateReporter(collectTemplateProblem);

    const QDir folder(FixtureInstall::samplesRoot() + QStringLiteral("bin/cfg_pallador"));
    m_samples = folder.entryList({QStringLiteral("*.cfg")}, QDir::Files, QDir::Name);
    QVERIFY(m_samples.size() >= 115);
    for (const QString &sample : m_samples)
        m_install->addSample(sample);
}

void TestLoadAfter::cleanupTestCase()
{
    adapter::setMaxIntgTimeAsker({});
    output::setTemplateReporter(nullptr);
}

QString TestLoadAfter::samplePath(const QString &file) const
{
    return m_install->configFolder() + QLatin1Char('/') + file;
}

Outcome TestLoadAfter::load(Pallador &w, const QString &file)
{
    m_responder->clear();
    templateProblems.clear();
    w.loadConfigFile(samplePath(file));

    Outcome o;
    for (int i = 0; i < w.regCount; ++i)
        o.registers << QStringLiteral("%1 = %2").arg(w.regs[i].name).arg(w.regs[i].value);
    for (QTextEdit *pane : {w.ui.textResult_A, w.ui.textResult_B, w.ui.textResult_PLL})
        o.panes << pane->toPlainText();
    o.pllParameters = variantText(w.getPllParameters());
    o.controls = controlCensus(w);

    const QString preset = m_install->root() + QStringLiteral("preset.ini");
    QFile::remove(preset);
    w.writeIniFile(preset);
    QFile written(preset);
    if (written.open(QIODevice::ReadOnly))
        o.preset = QString::fromLocal8Bit(written.readAll());
    o.messages = m_responder->seen() + templateProblems;
    return o;
}

void TestLoadAfter::afterEveryFamily_data()
{
    // The predecessors: the first sample of each family.
    Pallador w{QString()};
    for (const QString &sample : m_samples) {
        w.loadConfigFile(samplePath(sample));
        const CFamilyCore *family = w.calvex ? w.calvex->family() : nullptr;
        QVERIFY2(family, qPrintable(sample));
        const QByteArray name = typeid(*family).name();
        if (!m_predecessors.contains(name))
            m_predecessors.insert(name, sample);
    }
    qInfo("%d samples, %d families", int(m_samples.size()), int(m_predecessors.size()));

    QTest::addColumn<QString>("sample");
    for (int i = 0; i < m_samples.size(); ++i) {
        if (i % m_shards == m_shard - 1)
            QTest::newRow(qPrintable(m_samples[i])) << m_samples[i];
    }
}

void TestLoadAfter::afterEveryFamily()
{
    QFETCH(QString, sample);
    Outcome fresh;
    {
        Pallador w{QString()};
        fresh = load(w, sample);
    }

    QStringList problems;
    Pallador w{QString()};
    for (const QString &before : m_predecessors) {
        w.loadConfigFile(samplePath(before));
        const QStringList found = differences(fresh, load(w, sample));
        if (!found.isEmpty())
            problems << QStringLiteral("after %1: %2").arg(before, found.join(QStringLiteral("; ")));
    }
    for (const QString &problem : problems)
        qWarning("%s", qPrintable(problem));
    QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 of %2 loads differ from a fresh window's (listed above)")
                                                .arg(problems.size())
                                                .arg(m_predecessors.size())));
}

// "--shard k/n" runs the k-th of n shards (1-based); without it, all samples.
int main(int argc, char **argv)
{
    return runSharded<TestLoadAfter>(argc, argv);
}

#include "tst_loadafter.moc"
