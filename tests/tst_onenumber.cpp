// One quantity, one number: for every bundled sample, the clocks and
// dividers of the library's PLL text are what a calling program reads from
// PllParameters, what the PLL dock's boxes show, and what the advanced PLL
// panel's diagram labels and divider boxes show (in the panel's own
// encodings: some labels and boxes show a divider less one). Each context's
// Target FPS box shows the rate its text says was requested, and the timing
// diagram draws the context its title names, also after a PLL change has
// calculated the other context last.
#include "calc/adapter.h"
#include "calvex.h"
#include "pallador.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTextEdit>
#include <QtTest>

#include <cmath>
#include <memory>
#include <optional>

namespace {

// The numbers of a result text by their line's name ("VCO: 864.000 MHz"
// gives "VCO" 864; "Aux clock: 288.000 MHz (divider 3)" also gives "Aux
// clock divider" 3; "Frame rate: 30.000 fps (requested 30.000)" also gives
// "Requested frame rate" 30).
class TextValues {
public:
    explicit TextValues(const QString &text)
    {
        static const QRegularExpression line(QStringLiteral("^([^:]+): (-?[0-9.]+)"));
        static const QRegularExpression divider(QStringLiteral("\\(divider (\\d+)\\)"));
        static const QRegularExpression requested(QStringLiteral("\\(requested (-?[0-9.]+)\\)"));
        for (const QString &l : text.split(QLatin1Char('\n'))) {
            const QRegularExpressionMatch m = line.match(l);
            if (!m.hasMatch())
                continue;
            m_values.insert(m.captured(1), m.captured(2).toDouble());
            if (const QRegularExpressionMatch d = divider.match(l); d.hasMatch())
                m_values.insert(m.captured(1) + QStringLiteral(" divider"), d.captured(1).toDouble());
            if (const QRegularExpressionMatch r = requested.match(l); r.hasMatch())
                m_values.insert(QStringLiteral("Requested frame rate"), r.captured(1).toDouble());
        }
    }

    std::optional<double> value(const QString &name) const
    {
        const auto it = m_values.constFind(name);
        return it == m_values.constEnd() ? std::nullopt : std::optional<double>(*it);
    }
    // The first of the names the text has.
    std::optional<double> first(std::initializer_list<const char *> names) const
    {
        for (const char *name : names) {
            if (const auto v = value(QLatin1String(name)))
                return v;
        }
        return std::nullopt;
    }

private:
    QHash<QString, double> m_values;
};

// A number shown elsewhere agrees with the text's, which rounds to the
// decimals it prints (three for clocks, one for lane rates, none for
// dividers); labels show six significant digits.
bool agrees(double shown, double text)
{
    return std::fabs(shown - text) <= 0.0005 + 1e-5 * std::fabs(text);
}

bool agreesWithRate(double shown, double text)
{
    return std::fabs(shown - text) <= 0.05 + 1e-5 * std::fabs(text);
}

bool in(int index, int first, int last)
{
    return index >= first && index <= last;
}

// What the texts say, for one sample.
struct Expected {
    std::optional<double> input, output, pixel, serial, vco, n, m, p, p4, p5, wcd, auxClock, auxDiv, p2;
    std::optional<double> n2, m2, vco2;
    bool serialIsRate = false; // the serial clock is printed as a lane rate (one decimal)
};

// The PLL text read as the result members' quantities. Which line a
// member stands for is the family's: the serial clock is the bridges' and
// the form-based serial PLL's own line, else the second VCO, else the lane
// clock for the families that gather it (12, 14-20, 105-109, 114; on a
// parallel link the pixel clock), else the VCO (the diagrams take the
// serial clock off the VCO). The output divider P is the image
// processors' P, the bridges' serial divider, the radar's post divider,
// and for the sensors the video pixel divider P2, but the video system
// divider P1 for 14-20. The Brel_101 panel's P4 and P5 are its P1 and P2,
// the Brel_102 panel's P5 its P2.
Expected expectedFrom(const TextValues &t, int sensor)
{
    Expected e;
    e.input = t.value(QStringLiteral("Input clock"));
    e.output = t.first({"System clock", "Output clock", "ADC base clock", "Pixel clock (all PHYs)"});
    e.pixel = t.value(QStringLiteral("Pixel clock"));
    e.vco = t.value(QStringLiteral("VCO"));
    e.n = t.value(QStringLiteral("N (pre-divider)"));
    e.m = t.value(QStringLiteral("M (multiplier)"));
    e.n2 = t.value(QStringLiteral("N2 (pre-divider 2)"));
    e.m2 = t.value(QStringLiteral("M2 (multiplier 2)"));
    e.vco2 = t.value(QStringLiteral("VCO2"));
    const bool laneClock = sensor == 12 || in(sensor, 14, 20) || in(sensor, 105, 109) || sensor == 114;
    if (const auto serial = t.value(QStringLiteral("Serial clock"))) {
        e.serial = serial;
    } else if (e.vco2) {
        e.serial = e.vco2;
    } else if (laneClock) {
        e.serial = t.value(QStringLiteral("Lane rate"));
        e.serialIsRate = bool(e.serial);
        if (!e.serial)
            e.serial = e.pixel;
    } else {
        e.serial = e.vco;
    }
    const auto p1 = t.value(QStringLiteral("P1 (vt_sys_div)"));
    const auto p2 = t.value(QStringLiteral("P2 (vt_pix_div)"));
    if (const auto serialDivider = t.value(QStringLiteral("Serial divider"))) {
        e.p = serialDivider;
        e.p2 = t.value(QStringLiteral("P (output divider)"));
    } else if (const auto post = t.value(QStringLiteral("Post divider"))) {
        e.p = post;
    } else if (const auto p = t.value(QStringLiteral("P (output divider)"))) {
        e.p = p;
    } else {
        e.p = in(sensor, 14, 20) ? p1 : p2;
    }
    e.p4 = sensor == 12 ? p1 : t.value(QStringLiteral("P4"));
    e.p5 = sensor == 12 || in(sensor, 14, 20) ? p2 : t.value(QStringLiteral("P5"));
    e.wcd = t.value(QStringLiteral("WCD"));
    e.auxClock = t.value(QStringLiteral("Aux clock"));
    e.auxDiv = t.value(QStringLiteral("Aux clock divider"));
    return e;
}

// The panels that show a divider less one: the P label of 26, 27 and 69,
// the P4 and P5 boxes of 26, 27, 31 and 69.
bool pLabelLessOne(int sensor)
{
    return sensor == 26 || sensor == 27 || sensor == 69;
}

bool p4p5BoxesLessOne(int sensor)
{
    return sensor == 26 || sensor == 27 || sensor == 31 || sensor == 69;
}

// The sensors that draw no timing diagram.
bool drawsDiagram(int sensor)
{
    return !in(sensor, 105, 109) && sensor != 114;
}

class Problems {
public:
    void check(bool ok, const QString &what)
    {
        if (!ok)
            m_list << what;
    }
    void compare(const QString &where, std::optional<double> text, double shown, bool rate = false)
    {
        if (text && !(rate ? agreesWithRate(shown, *text) : agrees(shown, *text)))
            m_list << QStringLiteral("%1 %2, text %3").arg(where).arg(shown, 0, 'g', 10).arg(*text);
    }
    void compareLabel(const QString &where, const QLabel *label, std::optional<double> text)
    {
        if (!label || !text || !label->isVisibleTo(label->window()))
            return;
        bool ok = false;
        const double shown = label->text().toDouble(&ok);
        if (!ok || !agrees(shown, *text))
            m_list << QStringLiteral("%1 shows \"%2\", text %3").arg(where, label->text()).arg(*text);
    }
    // A spin box the user has not taken over (its override box unticked).
    void compareBox(const QString &where, const QSpinBox *box, const QCheckBox *override, std::optional<double> text)
    {
        if (box && box->isVisibleTo(box->window()) && !adapter::ticked(override))
            compare(where, text, box->value());
    }
    QStringList list() const { return m_list; }

private:
    QStringList m_list;
};

} // namespace

class TestOneNumber : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everySample_data();
    void everySample();
    void bridgeLabels_data();
    void bridgeLabels();

private:
    void checkPll(Pallador &w, Problems &problems);
    void checkFrameRates(Pallador &w, Problems &problems);
    void checkTimingDiagram(Pallador &w, Problems &problems);

    std::unique_ptr<FixtureInstall> m_install;
};

void TestOneNumber::initTestCase()
{
    m_install.reset(new FixtureInstall);
    // The bridges' maximum-integration-time question is answered "No".
    adapter::setMaxIntgTimeAsker([](Pallador &) { return QMessageBox::No; });
}

void TestOneNumber::cleanupTestCase()
{
    adapter::setMaxIntgTimeAsker({});
}

void TestOneNumber::everySample_data()
{
    QTest::addColumn<QString>("fileName");
    const QDir folder(FixtureInstall::samplesRoot() + QStringLiteral("bin/cfg_pallador"));
    const QStringList files = folder.entryList({QStringLiteral("*.cfg")}, QDir::Files, QDir::Name);
    QVERIFY(files.size() >= 115);
    for (const QString &fileName : files)
        QTest::newRow(qPrintable(fileName)) << fileName;
}

void TestOneNumber::checkPll(Pallador &w, Problems &problems)
{
    const int sensor = w.sensorIndex;
    const Expected e = expectedFrom(TextValues(w.ui.textResult_PLL->toPlainText()), sensor);
    problems.check(bool(e.input) && bool(e.n) && bool(e.m) && bool(e.vco),
                   QStringLiteral("PLL text without N, M, VCO"));

    // What a calling program reads.
    const QVariantList items = w.property("PllParameters").toList();
    if (items.size() != 16) {
        problems.check(false, QStringLiteral("PllParameters has %1 items").arg(items.size()));
        return;
    }
    const auto item = [&](int i) { return items.at(i).toDouble(); };
    problems.compare(QStringLiteral("PllParameters input clock (3)"), e.input, item(3));
    problems.compare(QStringLiteral("PllParameters output clock (4)"), e.output, item(4));
    problems.compare(QStringLiteral("PllParameters pixel clock (5)"), e.pixel, item(5));
    problems.compare(QStringLiteral("PllParameters serial clock (6)"), e.serial, item(6), e.serialIsRate);
    problems.compare(QStringLiteral("PllParameters pre-divider (8)"), e.n, item(8));
    problems.compare(QStringLiteral("PllParameters multiplier (9)"), e.m, item(9));
    if (!in(sensor, 62, 66) && !in(sensor, 105, 109))
        problems.compare(QStringLiteral("PllParameters P (10)"), e.p, item(10));
    problems.compare(QStringLiteral("PllParameters P4 (11)"), e.p4, item(11));
    problems.compare(QStringLiteral("PllParameters P5 (12)"), e.p5, item(12));
    problems.compare(QStringLiteral("PllParameters aux divider (13)"), e.auxDiv, item(13));
    problems.compare(QStringLiteral("PllParameters WCD (14)"), e.wcd, item(14));
    problems.compare(QStringLiteral("PllParameters aux clock (15)"), e.auxClock, item(15));

    // The PLL dock (the form-based families replace it with their own form).
    const Ui_PalladorClass &ui = w.ui;
    if (ui.dSpinPLL_Input->isVisibleTo(&w))
        problems.compare(QStringLiteral("input box"), e.input, ui.dSpinPLL_Input->value());
    if (ui.dSpinPLL_VCO->isVisibleTo(&w) && !ui.checkPLL_VCO->isChecked() && e.vco)
        problems.check(std::fabs(ui.dSpinPLL_VCO->value() - *e.vco) <= 0.0051,
                       QStringLiteral("VCO box %1, text %2").arg(ui.dSpinPLL_VCO->value()).arg(*e.vco));
    problems.compareBox(QStringLiteral("pre-divider box"), ui.spinPLL_N, ui.checkPLL_N, e.n);
    problems.compareBox(QStringLiteral("multiplier box"), ui.spinPLL_M, ui.checkPLL_M, e.m);

    // The advanced PLL panel, where its form has these widgets.
    if (!ui.checkPLL_ADV->isChecked())
        return;
    problems.compareLabel(QStringLiteral("diagram input clock"), w.labelPLL_InClk, e.input);
    problems.compareLabel(QStringLiteral("diagram M"), w.labelPLL_M, e.m);
    problems.compareLabel(QStringLiteral("diagram N"), w.labelPLL_N, e.n);
    std::optional<double> shownP = e.p;
    if (shownP && pLabelLessOne(sensor))
        *shownP -= 1;
    problems.compareLabel(QStringLiteral("diagram P"), w.labelPLL_P, shownP);
    problems.compareLabel(QStringLiteral("diagram P2"), w.labelPLL_P2, e.p2);
    problems.compareLabel(QStringLiteral("diagram pixel clock"), w.labelPLL_PixClk, e.pixel);
    problems.compareLabel(QStringLiteral("diagram output clock"), w.labelPLL_OutClk, e.output);
    if (!(w.labelPLL_MipiClk && w.labelPLL_MipiClk->text() == QLatin1String("N/A") && w.interfaceIndex == 0 &&
          (sensor == 26 || sensor == 27)))
        problems.compareLabel(QStringLiteral("diagram serial clock"), w.labelPLL_MipiClk, e.serial);

    const double lessOne = p4p5BoxesLessOne(sensor) ? 1.0 : 0.0;
    problems.compareBox(QStringLiteral("P4 box"), w.spinPLL_P4, w.checkPLL_P4,
                        e.p4 ? std::optional<double>(*e.p4 - lessOne) : std::nullopt);
    problems.compareBox(QStringLiteral("P5 box"), w.spinPLL_P5, w.checkPLL_P5,
                        e.p5 ? std::optional<double>(*e.p5 - lessOne) : std::nullopt);
    problems.compareBox(QStringLiteral("WCD box"), w.spinPLL_WCD, w.checkPLL_WCD, e.wcd);
    problems.compareBox(QStringLiteral("N2 box"), w.spinPLL_N2, w.checkPLL_N2, e.n2);
    problems.compareBox(QStringLiteral("M2 box"), w.spinPLL_M2, w.checkPLL_M2, e.m2);
    if (w.comboPLL_P1 && w.comboPLL_P1->isVisibleTo(&w) && !adapter::ticked(w.checkPLL_P1) && e.p)
        problems.check(w.comboPLL_P1->currentIndex() == int(*e.p) / 2,
                       QStringLiteral("P1 list at %1, text P1 %2").arg(w.comboPLL_P1->currentIndex()).arg(*e.p));
}

// The Target FPS box of each context shows the rate the library was asked for.
void TestOneNumber::checkFrameRates(Pallador &w, Problems &problems)
{
    const QTextEdit *panes[] = {w.ui.textResult_A, w.ui.textResult_B};
    const QComboBox *boxes[] = {w.ui.comboMaxFRate_A, w.ui.comboMaxFRate_B};
    for (int c = 0; c < w.contextCount && c < 2; ++c) {
        const auto requested = TextValues(panes[c]->toPlainText()).value(QStringLiteral("Requested frame rate"));
        bool ok = false;
        const double shown = boxes[c]->currentText().toDouble(&ok);
        if (requested && (!ok || !agrees(shown, *requested)))
            problems.check(false, QStringLiteral("context %1 Target FPS box \"%2\", text requested %3")
                                      .arg(QLatin1Char(char('A' + c)))
                                      .arg(boxes[c]->currentText())
                                      .arg(*requested));
    }
}

// The timing diagram draws the context its title names (A unless it names
// B), after a PLL change that calculated the other context last.
void TestOneNumber::checkTimingDiagram(Pallador &w, Problems &problems)
{
    if (!drawsDiagram(w.sensorIndex))
        return;
    w.currentContext = 0;
    w.recalc(true);
    // The diagram as the user sees it: opened from the View menu after the
    // change.
    if (!w.ui.dockTiming->isVisibleTo(&w))
        w.ui.actionTiming->trigger();
    const Ui_PalladorClass &ui = w.ui;
    const bool namesB = ui.dockTiming->windowTitle().contains(QLatin1String("Context B"));
    const TextValues t((namesB ? ui.textResult_B : ui.textResult_A)->toPlainText());
    const auto lineLength = t.value(QStringLiteral("Line length"));
    const auto frameLength = t.value(QStringLiteral("Frame length"));
    const auto hBlank = t.value(QStringLiteral("Horizontal blanking"));
    const auto vBlank = t.value(QStringLiteral("Vertical blanking"));
    if (!lineLength || !frameLength || !hBlank || !vBlank) {
        problems.check(false, QStringLiteral("context text without line and frame length"));
        return;
    }
    const QString drawn = QStringLiteral("%1 + %2, %3 + %4")
                              .arg(ui.labelActiveX->text(), ui.labelHBlank->text().mid(2), ui.labelActiveY->text(),
                                   ui.labelVBlank->text().mid(2));
    const QString text = QStringLiteral("%1 + %2, %3 + %4")
                             .arg(*lineLength - *hBlank)
                             .arg(*hBlank)
                             .arg(*frameLength - *vBlank)
                             .arg(*vBlank);
    problems.check(
        drawn == text,
        QStringLiteral("\"%1\" draws %2, its context's text says %3").arg(ui.dockTiming->windowTitle(), drawn, text));
}

void TestOneNumber::everySample()
{
    QFETCH(QString, fileName);
    DialogResponder responder;
    std::unique_ptr<Pallador> window(new Pallador(m_install->addSample(fileName)));
    Pallador &w = *window;
    QVERIFY2(w.sensorIndex >= 1 && w.sensorIndex <= 115, qPrintable(QString::number(w.sensorIndex)));
    // The advanced PLL panel open, as a user opens it.
    if (!w.ui.checkPLL_ADV->isChecked())
        w.ui.checkPLL_ADV->click();

    Problems problems;
    checkPll(w, problems);
    checkFrameRates(w, problems);
    checkTimingDiagram(w, problems);
    // The PLL change recalculated both contexts: the numbers still agree.
    checkPll(w, problems);
    QVERIFY2(problems.list().isEmpty(), qPrintable(problems.list().join(QStringLiteral("; "))));
    QCOMPARE(responder.seen(), QStringList());
}

void TestOneNumber::bridgeLabels_data()
{
    QTest::addColumn<QString>("fileName");
    for (const char *sample : {"Yorm101t", "Yorm102m", "Yorm102t", "Yorm105m", "Yorm106m"})
        QTest::newRow(sample) << QString::fromLatin1(sample) + QStringLiteral(".cfg");
}

// The bridges' panel labels show the dividers as the text does (M and N
// included), on the labels their forms carry.
void TestOneNumber::bridgeLabels()
{
    QFETCH(QString, fileName);
    DialogResponder responder;
    std::unique_ptr<Pallador> window(new Pallador(m_install->addSample(fileName)));
    Pallador &w = *window;
    QLabel **const labels[] = {&w.labelPLL_InClk, &w.labelPLL_M,      &w.labelPLL_N,      &w.labelPLL_P,
                               &w.labelPLL_P2,    &w.labelPLL_PixClk, &w.labelPLL_MipiClk};
    for (QLabel **label : labels) {
        if (!*label)
            *label = new QLabel(&w);
    }
    w.ui.checkPLL_ADV->setChecked(true);
    w.gatherPllResults();
    w.showPllResults();

    const Expected e = expectedFrom(TextValues(w.ui.textResult_PLL->toPlainText()), w.sensorIndex);
    Problems problems;
    problems.compareLabel(QStringLiteral("input clock label"), w.labelPLL_InClk, e.input);
    problems.compareLabel(QStringLiteral("M label"), w.labelPLL_M, e.m);
    problems.compareLabel(QStringLiteral("N label"), w.labelPLL_N, e.n);
    problems.compareLabel(QStringLiteral("P label"), w.labelPLL_P, e.p);
    problems.compareLabel(QStringLiteral("P2 label"), w.labelPLL_P2, e.p2);
    problems.compareLabel(QStringLiteral("pixel clock label"), w.labelPLL_PixClk, e.pixel);
    problems.compareLabel(QStringLiteral("serial clock label"), w.labelPLL_MipiClk, e.serial);
    QVERIFY2(problems.list().isEmpty(), qPrintable(problems.list().join(QStringLiteral("; "))));
}

QTEST_MAIN(TestOneNumber)
#include "tst_onenumber.moc"
