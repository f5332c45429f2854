// An advanced panel opened only to look changes nothing: for every sample
// file and each of its advanced panels A and B, opening the panel, closing
// it, opening and closing it again without touching anything leaves the
// registers, the three result panes and the INI preset exactly as they were
// before the first opening, after each of the four steps and after the next
// calculation of every context. The samples are split into shards
// ("--shard k/n") so that CTest can run them side by side.
//
// The PLL panels are not swept here: their forms' slots still fill the lane
// and bit-depth lists with the form's defaults when the panel opens, and the
// calculation reads those lists while the panel is open.
#include "catalogue.h"
#include "pallador.h"
#include "panels/panels.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextEdit>
#include <QtTest>

using panels::Panel;

Q_DECLARE_METATYPE(Panel)

namespace {

QString panelName(Panel panel)
{
    return panel == Panel::A ? QStringLiteral("A") : QStringLiteral("B");
}

// The catalogue entry a sample file configures, from its sensor name.
int entryOf(const QString &file)
{
    QFile cfg(file);
    if (!cfg.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    static const QRegularExpression name(QStringLiteral("^sensor_name\\s*=\\s*(\\S+)"),
                                         QRegularExpression::MultilineOption);
    return catalogueIndex(name.match(QString::fromUtf8(cfg.readAll())).captured(1));
}

// The advanced panels the window offers for a catalogue entry: those with a
// form in the sensor table; panel B only on the two-context sensors (the
// one-context entries 1 to 11 name a B form that is never offered), and none
// for entry 65, whose form the sensor set-up shows with both boxes hidden.
QList<Panel> panelsOf(int entry)
{
    QList<Panel> offered;
    if (entry == 65)
        return offered;
    for (Panel panel : {Panel::A, Panel::B}) {
        if (panels::formName(entry, panel).isEmpty() || (panel == Panel::B && entry <= 11))
            continue;
        offered << panel;
    }
    return offered;
}

QCheckBox *boxOf(Pallador &w, Panel panel)
{
    return panel == Panel::A ? w.ui.checkAdvParam_A : w.ui.checkAdvParam_B;
}

// What the window programs and shows: every register row, every line of the
// three result panes and of the INI preset it writes.
QStringList programmed(Pallador &w, const QString &presetPath)
{
    QStringList seen;
    for (int i = 0; i < qBound(0, w.regCount, int(Pallador::RegRowCapacity)); ++i)
        seen << QStringLiteral("register %1 = %2").arg(w.regs[i].name).arg(w.regs[i].value);
    for (const QTextEdit *pane : {w.ui.textResult_PLL, w.ui.textResult_A, w.ui.textResult_B}) {
        for (const QString &line : pane->toPlainText().split(QLatin1Char('\n')))
            seen << pane->objectName() + QStringLiteral(": ") + line;
    }
    QFile::remove(presetPath);
    w.writeIniFile(presetPath);
    QFile preset(presetPath);
    if (!preset.open(QIODevice::ReadOnly | QIODevice::Text))
        return seen << QStringLiteral("no preset written");
    for (const QString &line : QString::fromUtf8(preset.readAll()).split(QLatin1Char('\n')))
        seen << QStringLiteral("preset: ") + line;
    return seen;
}

// The lines of after that differ from before, at most a few of each.
QString difference(const QStringList &before, const QStringList &after)
{
    QStringList gone, come;
    for (const QString &line : before) {
        if (!after.contains(line))
            gone << line;
    }
    for (const QString &line : after) {
        if (!before.contains(line))
            come << line;
    }
    if (gone.isEmpty() && come.isEmpty() && before != after)
        return QStringLiteral("the same lines in another order");
    return QStringLiteral("was [%1], is [%2]")
        .arg(gone.mid(0, 6).join(QStringLiteral(" | ")), come.mid(0, 6).join(QStringLiteral(" | ")));
}

} // namespace

class TestUntouchedPanels : public QObject {
    Q_OBJECT

public:
    TestUntouchedPanels(int shard, int shards) : m_shard(shard), m_shards(shards) {}

private slots:
    void openCloseTwice_data();
    void openCloseTwice();

private:
    int m_shard;
    int m_shards;
};

void TestUntouchedPanels::openCloseTwice_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<Panel>("panel");
    const QString folder = FixtureInstall::samplesRoot() + QStringLiteral("bin/cfg_pallador/");
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.cfg")}, QDir::Files, QDir::Name);
    QVERIFY(files.size() >= 115);
    int rows = 0;
    for (int i = 0; i < files.size(); ++i) {
        const int entry = entryOf(folder + files[i]);
        QVERIFY2(entry >= 1, qPrintable(files[i]));
        for (Panel panel : panelsOf(entry)) {
            if (rows++ % m_shards != m_shard - 1)
                continue;
            const QString sample = files[i].chopped(4);
            QTest::addRow("%s %s", qPrintable(sample), qPrintable(panelName(panel))) << sample << panel;
        }
    }
    // Every sample has a panel A but Sarn101k, whose form its set-up shows,
    // and Holv101; 32 have a panel B.
    QVERIFY(rows >= 149);
}

void TestUntouchedPanels::openCloseTwice()
{
    QFETCH(QString, sample);
    QFETCH(Panel, panel);
    WindowSession s(sample);
    Pallador &w = s.w();
    QCheckBox *box = boxOf(w, panel);
    QVERIFY(box->isVisibleTo(&w) && box->isEnabled() && !box->isChecked());
    const QString presetPath = s.install.root() + QStringLiteral("untouched.ini");
    const QStringList before = programmed(w, presetPath);

    const char *const steps[] = {"opened", "closed", "opened again", "closed again"};
    for (const char *step : steps) {
        box->click();
        QCOMPARE(box->isChecked(), step[0] == 'o');
        const QStringList after = programmed(w, presetPath);
        QVERIFY2(after == before, qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(step), difference(before, after))));
        // The next calculation, which a change elsewhere in the window
        // runs, reads the open panel as it stands: it too programs what was
        // programmed before.
        const int current = w.currentContext;
        for (int context = w.contextCount - 1; context >= 0; --context) {
            w.currentContext = context;
            w.recalc(true);
        }
        w.currentContext = current;
        const QStringList recalculated = programmed(w, presetPath);
        QVERIFY2(recalculated == before, qPrintable(QStringLiteral("%1, calculated again: %2")
                                                        .arg(QLatin1String(step), difference(before, recalculated))));
    }
    QCOMPARE(s.responder.seen(), QStringList());
}

int main(int argc, char **argv)
{
    return runSharded<TestUntouchedPanels>(argc, argv);
}

#include "tst_untouchedpanels.moc"
