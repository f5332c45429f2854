// Every sample sensor in one window, one after the other, as an engineer
// going through them would: the advanced panels A, B and PLL that the
// sensor table names for the sensor and the window offers are opened one by
// one, closed in turn and opened again (the re-opening reads panels A and B
// back), and every context is recalculated in each of those states. No state
// shows a dialog or leaves the window busy, the result panes are filled, an
// open panel shows its sensor's form where that form is built and a closed
// one shows none, and every window reference a form case fills is null or a
// live widget. Loading the next sensor with the panels open deletes the old
// forms and leaves no window reference into them (the controls the bridge
// set-up makes in the docks are no part of a form: they stay, by design).
// The samples are split into shards ("--shard k/n"), each shard one window,
// so that CTest can run them side by side.
#include "calc/adapter.h"
#include "pallador.h"
#include "panels/panels.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QPointer>
#include <QTextEdit>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <set>
#include <unordered_set>
#include <utility>
#include <vector>

namespace {

using panels::Panel;

// One element of a window member that a form case fills.
struct Reference {
    const panels::Member *member;
    int context;
    const char *name; // a widget name it takes, for messages
};

// Every element of every window member the form cases fill, once.
std::vector<Reference> formReferences()
{
    std::vector<Reference> references;
    std::set<std::pair<const void *, int>> seen;
    for (const panels::FormCase &c : panels::formCases()) {
        for (const panels::Widget &d : c.widgets) {
            if (!d.member.get)
                continue;
            for (int context : {0, 1}) {
                if (seen.insert({d.member.id, d.member.element(context)}).second)
                    references.push_back({&d.member, context, d.name});
            }
        }
    }
    return references;
}

// A panel box of the main form and the placeholder its form opens in.
struct PanelBox {
    Panel panel;
    QCheckBox *box;
    QWidget *placeholder;
};

QString panelName(Panel panel)
{
    return panel == Panel::A ? QStringLiteral("A") : panel == Panel::B ? QStringLiteral("B") : QStringLiteral("PLL");
}

// The widgets a form is made of: the class and object name of the form and
// of every widget named in it (not Qt's own inner parts), sorted.
QStringList formWidgets(const QWidget *form)
{
    const auto line = [](const QWidget *widget) {
        return QLatin1String(widget->metaObject()->className()) + QLatin1Char(' ') + widget->objectName();
    };
    QStringList lines = {line(form)};
    for (const QWidget *widget : form->findChildren<QWidget *>()) {
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_")))
            lines << line(widget);
    }
    lines.sort();
    return lines;
}

// The forms shown in a placeholder.
QList<const QWidget *> shownForms(const Pallador &w, const QWidget *placeholder)
{
    QList<const QWidget *> shown;
    for (const QWidget *form : placeholder->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (form->isVisibleTo(&w))
            shown << form;
    }
    return shown;
}

bool inside(const QWidget *widget, const QWidget *form)
{
    return form && (widget == form || form->isAncestorOf(widget));
}

} // namespace

class TestPanelSweep : public QObject {
    Q_OBJECT

public:
    TestPanelSweep(int shard, int shards) : m_shard(shard), m_shards(shards) {}

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everySample_data();
    void everySample();

private:
    // The panels of the loaded sensor that the table names and whose box
    // the window offers the engineer.
    std::vector<PanelBox> panelsOf(Pallador &w) const;
    // Recalculates every context and returns what is wrong afterwards, an
    // empty list when nothing is.
    QStringList recalculate(Pallador &w, const std::vector<PanelBox> &boxes);
    // The widgets of a form as its resource builds it.
    QStringList widgetsOf(Pallador &w, const QString &form);
    // Where the window still refers into the forms of the sensor before.
    QStringList forgotten(Pallador &w) const;
    void remember(Pallador &w);

    int m_shard;
    int m_shards;
    std::unique_ptr<FixtureInstall> m_install;
    std::unique_ptr<DialogResponder> m_responder;
    std::unique_ptr<Pallador> m_window;
    std::vector<Reference> m_references;
    QHash<QString, QStringList> m_formWidgets;

    // The forms of the sensor loaded before, and the references into them.
    QPointer<QWidget> m_oldForms[3];
    std::vector<std::pair<const Reference *, QPointer<QWidget>>> m_oldReferences;
    int m_referencesChecked = 0;
    int m_panelsOpened = 0;
};

void TestPanelSweep::initTestCase()
{
    m_install.reset(new FixtureInstall);
    m_responder.reset(new DialogResponder);
    // The bridges' maximum-integration-time question is answered "No".
    adapter::setMaxIntgTimeAsker([](Pallador &) { return QMessageBox::No; });
    m_references = formReferences();
    QVERIFY(m_references.size() > 100);
}

void TestPanelSweep::cleanupTestCase()
{
    m_window.reset();
    adapter::setMaxIntgTimeAsker({});
    m_responder.reset();
    m_install.reset();
    qInfo("%d panels opened, %d references into discarded forms checked", m_panelsOpened, m_referencesChecked);
    QVERIFY(m_panelsOpened > 0 && m_referencesChecked > 0);
}

void TestPanelSweep::everySample_data()
{
    QTest::addColumn<QString>("sample");
    const QDir folder(FixtureInstall::samplesRoot() + QStringLiteral("bin/cfg_pallador"));
    const QStringList files = folder.entryList({QStringLiteral("*.cfg")}, QDir::Files, QDir::Name);
    QVERIFY(files.size() >= 115);
    QStringList mine;
    for (int i = 0; i < files.size(); ++i) {
        if (i % m_shards == m_shard - 1)
            mine << files[i];
    }
    QVERIFY(mine.size() >= 2);
    for (const QString &sample : qAsConst(mine))
        QTest::newRow(qPrintable(sample)) << sample;
    // The first sample once more, so that the last one's forms go too.
    QTest::newRow(qPrintable(QStringLiteral("again ") + mine.first())) << mine.first();
}

std::vector<PanelBox> TestPanelSweep::panelsOf(Pallador &w) const
{
    std::vector<PanelBox> boxes;
    const PanelBox all[] = {{Panel::A, w.ui.checkAdvParam_A, w.ui.widgetADV_A},
                            {Panel::B, w.ui.checkAdvParam_B, w.ui.widgetADV_B},
                            {Panel::Pll, w.ui.checkPLL_ADV, w.ui.widgetADV_PLL}};
    for (const PanelBox &b : all) {
        if (!panels::formName(w.sensorIndex, b.panel).isEmpty() && b.box->isVisibleTo(&w) && b.box->isEnabled())
            boxes.push_back(b);
    }
    return boxes;
}

QStringList TestPanelSweep::widgetsOf(Pallador &w, const QString &form)
{
    auto known = m_formWidgets.find(form);
    if (known == m_formWidgets.end()) {
        const std::unique_ptr<QWidget> built(w.loadForm(nullptr, panels::formResource(form)));
        known = m_formWidgets.insert(form, built ? formWidgets(built.get()) : QStringList());
    }
    return *known;
}

QStringList TestPanelSweep::recalculate(Pallador &w, const std::vector<PanelBox> &boxes)
{
    QStringList problems;
    for (int context = 0; context < w.contextCount; ++context) {
        w.currentContext = context;
        w.recalc(true);
        if (w.busy)
            problems << QStringLiteral("busy after calculating context %1").arg(context);
    }
    problems << m_responder->seen();
    m_responder->clear();

    QList<QTextEdit *> panes = {w.ui.textResult_PLL, w.ui.textResult_A};
    if (w.contextCount == 2)
        panes << w.ui.textResult_B;
    for (const QTextEdit *pane : qAsConst(panes)) {
        if (pane->toPlainText().trimmed().isEmpty())
            problems << pane->objectName() + QStringLiteral(" is empty");
    }

    // An open panel shows the sensor's form where the form is built (by its
    // form case or by the sensor's set-up) and nothing otherwise; a closed
    // one shows nothing. The form shown is the one the window keeps for the
    // panel, and holds every widget of the form's resource.
    const panels::SensorForms *table = panels::sensorForms(w.sensorIndex);
    for (const PanelBox &b : boxes) {
        const QList<const QWidget *> shown = shownForms(w, b.placeholder);
        const QString form = panels::formName(w.sensorIndex, b.panel);
        const bool built = QFile::exists(panels::formResource(form)) &&
                           (table->builtBySetUp || panels::formCase(w.sensorIndex, b.panel));
        const QWidget *kept = b.panel == Panel::A ? w.advForm[0] : b.panel == Panel::B ? w.advForm[1] : w.pllForm;
        bool fine = shown.isEmpty();
        if (b.box->isChecked() && built) {
            const QStringList made = shown.size() == 1 ? formWidgets(shown.first()) : QStringList();
            const QStringList wanted = widgetsOf(w, form);
            fine = shown.size() == 1 && shown.first() == kept && !wanted.isEmpty() &&
                   std::includes(made.begin(), made.end(), wanted.begin(), wanted.end());
        }
        if (!fine)
            problems << QStringLiteral("panel %1 %2 shows %3 forms, not %4")
                            .arg(panelName(b.panel),
                                 b.box->isChecked() ? QStringLiteral("open") : QStringLiteral("closed"))
                            .arg(shown.size())
                            .arg(b.box->isChecked() && built ? form : QStringLiteral("none"));
    }

    // Every reference a form case fills is null or a widget of the window.
    const QList<QWidget *> widgets = w.findChildren<QWidget *>();
    const std::unordered_set<const QWidget *> live(widgets.begin(), widgets.end());
    for (const Reference &r : m_references) {
        const QWidget *widget = r.member->get(w, r.context);
        if (widget && !live.count(widget))
            problems << QStringLiteral("the member for %1 (context %2) refers to a deleted widget")
                            .arg(QLatin1String(r.name))
                            .arg(r.context);
    }
    return problems;
}

void TestPanelSweep::remember(Pallador &w)
{
    QWidget *const forms[] = {w.advForm[0], w.advForm[1], w.pllForm};
    m_oldReferences.clear();
    for (int i = 0; i < 3; ++i)
        m_oldForms[i] = forms[i];
    for (const Reference &r : m_references) {
        QWidget *widget = r.member->get(w, r.context);
        if (widget && (inside(widget, forms[0]) || inside(widget, forms[1]) || inside(widget, forms[2])))
            m_oldReferences.emplace_back(&r, widget);
    }
}

QStringList TestPanelSweep::forgotten(Pallador &w) const
{
    QStringList problems;
    for (const QPointer<QWidget> &form : m_oldForms) {
        if (form)
            problems << QStringLiteral("form %1 is still there").arg(form->objectName());
    }
    const QList<QWidget *> widgets = w.findChildren<QWidget *>();
    const std::unordered_set<const QWidget *> live(widgets.begin(), widgets.end());
    for (const auto &old : m_oldReferences) {
        const Reference &r = *old.first;
        const QWidget *now = r.member->get(w, r.context);
        if (old.second || (now && !live.count(now)))
            problems << QStringLiteral("the member for %1 (context %2) still refers into the old form")
                            .arg(QLatin1String(r.name))
                            .arg(r.context);
    }
    return problems;
}

void TestPanelSweep::everySample()
{
    QFETCH(QString, sample);
    const QString path = m_install->addSample(sample);
    m_responder->clear();
    if (!m_window) {
        m_window.reset(new Pallador(path));
    } else {
        remember(*m_window);
        m_window->loadConfigFile(path);
        const QStringList left = forgotten(*m_window);
        m_referencesChecked += int(m_oldReferences.size());
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QStringLiteral("; "))));
    }
    Pallador &w = *m_window;
    QVERIFY2(w.sensorIndex >= 1 && w.sensorIndex <= 115, qPrintable(QString::number(w.sensorIndex)));
    QCOMPARE(m_responder->seen(), QStringList());

    // Each panel opened after the other, closed in the opposite order and
    // opened again; the panels stay open for the next sensor's load.
    const std::vector<PanelBox> boxes = panelsOf(w);
    std::vector<std::pair<QString, QCheckBox *>> steps;
    for (const PanelBox &b : boxes)
        steps.emplace_back(QStringLiteral("opening ") + panelName(b.panel), b.box);
    for (auto b = boxes.rbegin(); b != boxes.rend(); ++b)
        steps.emplace_back(QStringLiteral("closing ") + panelName(b->panel), b->box);
    for (const PanelBox &b : boxes)
        steps.emplace_back(QStringLiteral("opening again ") + panelName(b.panel), b.box);

    QStringList problems;
    const auto check = [&](const QString &state) {
        for (const QString &p : recalculate(w, boxes))
            problems << state + QStringLiteral(": ") + p;
    };
    check(QStringLiteral("loaded"));
    for (const auto &step : steps) {
        step.second->click();
        check(step.first);
    }
    m_panelsOpened += int(boxes.size());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
}

// "--shard k/n" runs the k-th of n shards (1-based); without it, all samples.
int main(int argc, char **argv)
{
    return runSharded<TestPanelSweep>(argc, argv);
}

#include "tst_panelsweep.moc"
