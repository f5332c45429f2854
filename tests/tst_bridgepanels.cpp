// The advanced panels of the bridge chips and of the Sarn107k (forms
// Yorm102_Adv, Yorm105_Adv, Murn106_Adv), driven through the window's box:
// - the field-of-view drawing of the first opening: the divisor by attached
//   sensor, the crop of the picture, the places of the four picture areas,
//   the output area's scaling, and the picture mirrored and flipped as
//   context A reads the sensor;
// - the size limits, items and offset ranges the panel sets by entry and
//   attached sensor;
// - the re-opening: the family's sizes become the settings, one calculation
//   runs, and the family's values go into the connected boxes, each change
//   running its slot (a calculation each).
#include "calvex.h"
#include "pallador.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QSpinBox>
#include <QtTest>

#include <array>
#include <functional>
#include <memory>

namespace {

// A bundled sample, or the same with another attached raw sensor (the set-up
// derives the attached sensor's kind from its name).
struct Sample {
    const char *name;
    const char *rawSensor = nullptr;
};

// Changes the family before the panel first opens.
using Given = std::function<void(CFamilyCore &)>;

struct Session : WindowSession {
    using WindowSession::WindowSession;
    CFamilyCore &family() { return *window->calvex->family(); }
};

QByteArray sampleText(const Sample &s)
{
    QFile file(FixtureInstall::samplesRoot() + QStringLiteral("bin/cfg_pallador/") + QLatin1String(s.name) +
               QStringLiteral(".cfg"));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QByteArray text = file.readAll();
    if (s.rawSensor) {
        const int start = text.indexOf("raw_sensor =");
        const int end = text.indexOf('\n', start);
        text.replace(start, end - start, QByteArray("raw_sensor = ") + s.rawSensor);
    }
    return text;
}

std::unique_ptr<Session> open(const Sample &s)
{
    if (!s.rawSensor)
        return std::make_unique<Session>(QLatin1String(s.name));
    return std::make_unique<Session>(QLatin1String(s.name) + QStringLiteral(".cfg"), sampleText(s));
}

QWidget *panelA(Pallador &w)
{
    return w.advForm[0];
}

template <class T> T *child(Pallador &w, const char *name)
{
    return panelA(w) ? panelA(w)->findChild<T *>(QLatin1String(name)) : nullptr;
}

// The drawing's quantities as the family holds them (sensor pixels).
struct Geometry {
    QSize array, fov, core, soc, output;
    QPoint position;
    int centering = 0;
};

void giveGeometry(CFamilyCore &f, const Geometry &g)
{
    CModeState &m = f.mode[0];
    f.pll.arrayCols = g.array.width();
    f.pll.arrayRows = g.array.height();
    m.fovCols = g.fov.width();
    m.fovRows = g.fov.height();
    m.coreCols = g.core.width();
    m.coreRows = g.core.height();
    m.cropCols = g.soc.width();
    m.cropRows = g.soc.height();
    m.outputCols = g.output.width();
    m.outputRows = g.output.height();
    f.ctx[0].fovX = g.position.x();
    f.ctx[0].fovY = g.position.y();
    f.ctx[0].centering = g.centering;
}

// The sizes of context A: the family's, the window's settings and the
// panel's boxes, in the order of kSizeBoxes.
using Sizes = std::array<int, 6>;
const char *const kSizeBoxes[] = {"spinFovC", "spinFovR", "spinSocC", "spinSocR", "spinCols", "spinRows"};

Sizes familySizes(const CFamilyCore &f)
{
    const CModeState &m = f.mode[0];
    return {m.fovCols, m.fovRows, m.cropCols, m.cropRows, m.outputCols, m.outputRows};
}

Sizes settingSizes(const Pallador &w)
{
    return {w.fovCols[0], w.fovRows[0], w.socCols[0], w.socRows[0], w.cols[0], w.rows[0]};
}

Sizes boxSizes(Pallador &w)
{
    Sizes sizes{};
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const QSpinBox *box = child<QSpinBox>(w, kSizeBoxes[i]);
        sizes[i] = box ? box->value() : -1;
    }
    return sizes;
}

} // namespace

namespace QTest {
template <> char *toString(const Sizes &s)
{
    return toString(QStringLiteral("fov %1x%2, crop %3x%4, output %5x%6")
                        .arg(s[0])
                        .arg(s[1])
                        .arg(s[2])
                        .arg(s[3])
                        .arg(s[4])
                        .arg(s[5]));
}
} // namespace QTest

namespace {

} // namespace

Q_DECLARE_METATYPE(Sample)
Q_DECLARE_METATYPE(Geometry)
Q_DECLARE_METATYPE(Given)

class TestBridgePanels : public QObject {
    Q_OBJECT

private slots:
    void drawing_data();
    void drawing();
    void mirrorAndFlip_data();
    void mirrorAndFlip();
    void limits_data();
    void limits();
    void reopening_data();
    void reopening();
    void calculationRedraws();
};

void TestBridgePanels::drawing_data()
{
    QTest::addColumn<Sample>("sample");
    QTest::addColumn<int>("entry");
    QTest::addColumn<Geometry>("geometry");
    QTest::addColumn<QSize>("crop");
    QTest::addColumn<QRect>("sensorArea");
    QTest::addColumn<QRect>("corePicture");
    QTest::addColumn<QRect>("cropPicture");
    QTest::addColumn<QRect>("outputPicture");
    QTest::addColumn<bool>("outputScaled");

    const Geometry g{{2100, 1400}, {1400, 1050}, {1400, 1050}, {700, 350}, {350, 175}, {3, 4}, 0};
    // At 1/7 the drawing area is 300 x 200; halves drop their fraction.
    QTest::newRow("Yorm102m, Drav103 (kind 3): 1/7")
        << Sample{"Yorm102m", "Drav1031"} << 55 << g << QSize(200, 150) << QRect(60, 45, 200, 150)
        << QRect(3, 4, 200, 150) << QRect(270, 95, 100, 50) << QRect(455, 107, 50, 25) << true;
    // At 1/10 it is 210 x 140; a centred output keeps its picture's size.
    Geometry centred = g;
    centred.centering = 1;
    QTest::newRow("Yorm101t, Sarn106c (kind 0): 1/10, centred")
        << Sample{"Yorm101t"} << 54 << centred << QSize(140, 105) << QRect(45, 37, 140, 105) << QRect(3, 4, 140, 105)
        << QRect(240, 72, 70, 35) << QRect(417, 81, 35, 17) << false;
    QTest::newRow("Yorm102t, Vek101 (kind 2): 1/10")
        << Sample{"Yorm102t"} << 56 << g << QSize(140, 105) << QRect(45, 37, 140, 105) << QRect(3, 4, 140, 105)
        << QRect(240, 72, 70, 35) << QRect(417, 81, 35, 17) << true;
    const Geometry wide{{1920, 1080}, {1500, 1050}, {1920, 1080}, {960, 540}, {480, 270}, {0, 0}, 0};
    QTest::newRow("Yorm105m, Vek116 (kind 2): 1/15")
        << Sample{"Yorm105m"} << 57 << wide << QSize(100, 70) << QRect(10, 20, 128, 72) << QRect(0, 0, 128, 72)
        << QRect(202, 38, 64, 36) << QRect(378, 47, 32, 18) << true;
    QTest::newRow("Yorm106m, Vek117 (kind 3): 1/15")
        << Sample{"Yorm106m"} << 58 << wide << QSize(100, 70) << QRect(10, 20, 128, 72) << QRect(0, 0, 128, 72)
        << QRect(202, 38, 64, 36) << QRect(378, 47, 32, 18) << true;
    QTest::newRow("Yorm106m, Vek108 (kind 1): 1/10")
        << Sample{"Yorm106m", "Vek1081"} << 58 << wide << QSize(150, 105) << QRect(10, 20, 192, 108)
        << QRect(0, 0, 192, 108) << QRect(218, 47, 96, 54) << QRect(402, 60, 48, 27) << true;
    QTest::newRow("Sarn107k: 1/10") << Sample{"Sarn107k"} << 71 << g << QSize(140, 105) << QRect(45, 37, 140, 105)
                                    << QRect(3, 4, 140, 105) << QRect(240, 72, 70, 35) << QRect(417, 81, 35, 17)
                                    << true;
    // A sensor area wider than the drawing area: the negative half is
    // truncated toward zero (-7 / 2 is -3).
    const Geometry over{{700, 700}, {700, 700}, {770, 720}, {700, 700}, {700, 700}, {0, 0}, 0};
    QTest::newRow("Yorm101t: sensor area beyond the drawing area")
        << Sample{"Yorm101t"} << 54 << over << QSize(70, 70) << QRect(7, 19, 77, 72) << QRect(0, 0, 77, 72)
        << QRect(170, 20, 70, 70) << QRect(330, 20, 70, 70) << true;
}

// The first opening draws from the family's values before anything is
// calculated.
void TestBridgePanels::drawing()
{
    QFETCH(Sample, sample);
    QFETCH(int, entry);
    QFETCH(Geometry, geometry);
    QFETCH(QSize, crop);
    QFETCH(QRect, sensorArea);
    QFETCH(QRect, corePicture);
    QFETCH(QRect, cropPicture);
    QFETCH(QRect, outputPicture);
    QFETCH(bool, outputScaled);
    auto s = open(sample);
    Pallador &w = s->w();
    QCOMPARE(w.sensorIndex, entry);
    giveGeometry(s->family(), geometry);

    resetJournal(w);
    w.ui.checkAdvParam_A->click();
    QCOMPARE(calculations(w), 0);
    QVERIFY(panelA(w));
    QScrollArea *area = w.scrollAreaFOV;
    QVERIFY(area);
    QCOMPARE(area->geometry(), sensorArea);
    const struct {
        const char *name;
        QRect place;
    } pictures[] = {{"labelCorePic", corePicture}, {"labelSOCPic", cropPicture}, {"labelOutPic", outputPicture}};
    for (const auto &p : pictures) {
        const QLabel *label = child<QLabel>(w, p.name);
        QVERIFY2(label, p.name);
        QVERIFY2(label->pixmap(Qt::ReturnByValue).size() == crop, p.name);
        QCOMPARE(label->geometry(), p.place);
    }
    QVERIFY(area->isAncestorOf(w.labelT1T2));
    QCOMPARE(w.labelT3T4->hasScaledContents(), outputScaled);
}

void TestBridgePanels::mirrorAndFlip_data()
{
    QTest::addColumn<bool>("mirror");
    QTest::addColumn<bool>("flip");
    QTest::newRow("as read") << false << false;
    QTest::newRow("mirrored") << true << false;
    QTest::newRow("flipped") << false << true;
    QTest::newRow("mirrored and flipped") << true << true;
}

// With the field of view the whole drawing area, the areas show the whole
// sensor picture, turned as context A reads the sensor.
void TestBridgePanels::mirrorAndFlip()
{
    QFETCH(bool, mirror);
    QFETCH(bool, flip);
    Session s(QStringLiteral("Yorm102m"));
    Pallador &w = s.w();
    QVERIFY(w.fovPixmap);
    const QImage source = w.fovPixmap->toImage().convertToFormat(QImage::Format_ARGB32);
    QVERIFY(source.mirrored(true, false) != source && source.mirrored(false, true) != source);
    const QSize size = source.size() * 10;
    giveGeometry(s.family(), {size, size, size, size, size, {0, 0}, 0});
    w.mirror[0] = mirror;
    w.flip[0] = flip;

    w.ui.checkAdvParam_A->click();
    for (const QLabel *label : {w.labelT1T2, w.labelT2T3, w.labelT3T4}) {
        QVERIFY(label);
        const QImage shown = label->pixmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(shown.size(), source.size());
        for (int y = 0; y < source.height(); ++y) {
            for (int x = 0; x < source.width(); ++x) {
                const int sx = mirror ? source.width() - 1 - x : x;
                const int sy = flip ? source.height() - 1 - y : y;
                if (shown.pixel(x, y) != source.pixel(sx, sy))
                    QFAIL(qPrintable(QStringLiteral("%1: pixel %2,%3").arg(label->objectName()).arg(x).arg(y)));
            }
        }
    }
}

void TestBridgePanels::limits_data()
{
    QTest::addColumn<Sample>("sample");
    QTest::addColumn<int>("entry");
    QTest::addColumn<Given>("given");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("expected");

    const auto row = [](const char *name, Sample sample, int entry, const char *widget, const char *property,
                        const QVariant &expected, Given given = {}) {
        QTest::newRow(name) << sample << entry << given << QString::fromLatin1(widget) << QString::fromLatin1(property)
                            << expected;
    };
    row("57, kind 2: rows", {"Yorm105m"}, 57, "spinRows", "maximum", 1088);
    row("57, kind 2: crop columns", {"Yorm105m"}, 57, "spinSocC", "maximum", 1928);
    row("57, kind 3: FOV rows", {"Yorm105m", "Vek117m1"}, 57, "spinFovR", "maximum", 1088);
    row("57, kind 0: the form's rows", {"Yorm105m", "Sarn106c1"}, 57, "spinRows", "maximum", 976);
    row("58, kind 3: rows", {"Yorm106m"}, 58, "spinRows", "maximum", 1208);
    row("58, kind 3: crop rows", {"Yorm106m"}, 58, "spinSocR", "maximum", 1208);
    row("58, kind 3: columns", {"Yorm106m"}, 58, "spinCols", "maximum", 1928);
    row("58, kind 2: FOV rows", {"Yorm106m", "Vek116t2"}, 58, "spinFovR", "maximum", 1088);
    row("58, kind 1: the form's columns", {"Yorm106m", "Vek1081"}, 58, "spinFovC", "maximum", 1284);
    row("57: seven formats", {"Yorm105m"}, 57, "comboOutFormat", "items",
        QStringList{"Bayer", "YcbCr-8", "YcbCr-10", "RGB-888", "RGB-565", "Jpeg", "H.264"});
    row("58: no Jpeg, no H.264", {"Yorm106m"}, 58, "comboOutFormat", "items",
        QStringList{"Bayer", "YcbCr-8", "YcbCr-10", "RGB-888", "RGB-565"});
    row("54: three formats, shown", {"Yorm101t"}, 54, "comboOutFormat", "items",
        QStringList{"YcbCr-8+8", "YcbCr-10+10", "YcbCr-16"});
    row("54: format shown", {"Yorm101t"}, 54, "comboOutFormat", "visible", true);
    row("55: no format", {"Yorm102m"}, 55, "comboOutFormat", "visible", false);
    row("56: no format", {"Yorm102t"}, 56, "comboOutFormat", "visible", false);
    row("55: no read-out mode", {"Yorm102m"}, 55, "spinReadMode", "visible", false);
    row("71: read-out mode", {"Sarn107k"}, 71, "spinReadMode", "visible", true);
    // The offsets reach one beyond the family's limits either way.
    const Given offsets = [](CFamilyCore &f) {
        f.mode[0].fovYMin = 0;
        f.mode[0].fovYMax = 40;
        f.mode[0].fovXMin = 2;
        f.mode[0].fovXMax = 64;
    };
    row("55: Y offset from", {"Yorm102m"}, 55, "spinFovY", "minimum", -1, offsets);
    row("55: Y offset to", {"Yorm102m"}, 55, "spinFovY", "maximum", 41, offsets);
    row("57: X offset from", {"Yorm105m"}, 57, "spinFovX", "minimum", 1, offsets);
    row("57: X offset to", {"Yorm105m"}, 57, "spinFovX", "maximum", 65, offsets);
    // The Sarn107k's offsets start at the context's (0 after a load), not at
    // the field of view's size.
    row("71: X offset", {"Sarn107k"}, 71, "spinFovX", "value", 0);
    row("71: Y offset", {"Sarn107k"}, 71, "spinFovY", "value", 0);
    row("71: Y offset to", {"Sarn107k"}, 71, "spinFovY", "maximum", 960);
}

// What the first opening leaves in one widget: a range, a value, whether it
// is shown, or the items offered.
void TestBridgePanels::limits()
{
    QFETCH(Sample, sample);
    QFETCH(int, entry);
    QFETCH(Given, given);
    QFETCH(QString, widget);
    QFETCH(QString, property);
    QFETCH(QVariant, expected);
    auto s = open(sample);
    Pallador &w = s->w();
    QCOMPARE(w.sensorIndex, entry);
    if (given)
        given(s->family());
    w.ui.checkAdvParam_A->click();
    QWidget *found = child<QWidget>(w, qPrintable(widget));
    QVERIFY(found);

    if (property == QLatin1String("items")) {
        auto *combo = qobject_cast<QComboBox *>(found);
        QVERIFY(combo);
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        QCOMPARE(items, expected.toStringList());
    } else if (property == QLatin1String("visible")) {
        QCOMPARE(found->isVisibleTo(panelA(w)), expected.toBool());
    } else {
        QCOMPARE(found->property(qPrintable(property)), expected);
    }
}

void TestBridgePanels::reopening_data()
{
    QTest::addColumn<Sample>("sample");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QVariantMap>("changes");
    QTest::addColumn<bool>("signalsBlocked");
    QTest::addColumn<int>("calculationCount");
    const auto row = [](const char *name, Sample sample, int entry, const QVariantMap &changes, bool blocked,
                        int count) { QTest::newRow(name) << sample << entry << changes << blocked << count; };
    // The bridges' family keeps the sizes their slots gave it: the boxes show
    // them already, and only the re-opening's own calculation runs.
    row("54: crop rows", {"Yorm101t"}, 54, {{"spinSocR", 700}}, false, 1);
    row("55: crop rows", {"Yorm102m"}, 55, {{"spinSocR", 700}}, false, 1);
    row("57: crop rows", {"Yorm105m"}, 57, {{"spinSocR", 700}}, false, 1);
    row("58: FOV rows", {"Yorm106m"}, 58, {{"spinFovR", 800}}, false, 1);
    // Values that never reached the settings: the calculation's own refresh
    // of the boxes gives them the family's values back.
    row("55: crop rows left", {"Yorm102m"}, 55, {{"spinSocR", 700}}, true, 1);
    row("57: output size left", {"Yorm105m"}, 57, {{"spinRows", 600}, {"spinCols", 800}}, true, 1);
    // The Sarn107k's crop is not the library's, and the close's use case
    // gives the family its field of view back.
    row("71: crop rows", {"Sarn107k"}, 71, {{"spinSocR", 700}}, false, 2);
    row("71: crop", {"Sarn107k"}, 71, {{"spinSocR", 700}, {"spinSocC", 900}}, false, 3);
    row("71: FOV columns", {"Sarn107k"}, 71, {{"spinFovC", 1000}}, false, 2);
    row("71: offsets", {"Sarn107k"}, 71, {{"spinFovX", 8}, {"spinFovY", 6}}, false, 1);
}

// Opening the panel again after values changed in it and a close: the
// family's sizes become the settings, the frame rate is the rate combo's,
// one calculation runs, and then the boxes take the family's values, each
// box that changes running its slot (one calculation each).
void TestBridgePanels::reopening()
{
    QFETCH(Sample, sample);
    QFETCH(int, entry);
    QFETCH(QVariantMap, changes);
    QFETCH(bool, signalsBlocked);
    QFETCH(int, calculationCount);
    auto s = open(sample);
    Pallador &w = s->w();
    QCOMPARE(w.sensorIndex, entry);
    QCheckBox *box = w.ui.checkAdvParam_A;
    box->click();
    QVERIFY(panelA(w));
    w.ui.widgetADV_A->setAttribute(Qt::WA_UnderMouse, true);
    for (auto change = changes.cbegin(); change != changes.cend(); ++change) {
        QSpinBox *spin = child<QSpinBox>(w, qPrintable(change.key()));
        QVERIFY(spin);
        const QSignalBlocker blocker(signalsBlocked ? spin : nullptr);
        spin->setValue(change.value().toInt());
        QCOMPARE(spin->value(), change.value().toInt());
    }
    box->click();
    QVERIFY(panelA(w)->isHidden());
    QComboBox *rate = w.ui.comboMaxFRate_A;
    {
        const QSignalBlocker blocker(rate);
        if (rate->isEditable())
            rate->setEditText(QStringLiteral("12.5"));
        else
            rate->setCurrentIndex(rate->count() - 1);
    }
    const double rateShown = Pallador::numberFromText(rate->currentText());
    QVERIFY(rateShown != w.maxFps[0]);

    const Sizes familyBefore = familySizes(s->family());
    const Sizes boxesBefore = boxSizes(w);

    resetJournal(w);
    box->click();
    QVERIFY(!panelA(w)->isHidden());
    QCOMPARE(calculations(w), calculationCount);
    QCOMPARE(w.maxFps[0], rateShown);
    // The boxes show the family's values; the settings are the family's from
    // before the re-opening, or what the slot of a box that changed stored.
    const Sizes boxes = boxSizes(w);
    QCOMPARE(boxes, familySizes(s->family()));
    Sizes settings = familyBefore;
    for (std::size_t i = 0; i < settings.size(); ++i) {
        if (boxes[i] != boxesBefore[i])
            settings[i] = boxes[i];
    }
    QCOMPARE(settingSizes(w), settings);
    // The offsets stay the context's.
    QCOMPARE(w.spinFovX[0]->value(), w.fovX[0]);
    QCOMPARE(w.spinFovY[0]->value(), w.fovY[0]);
}

// The Sarn107k's calculation draws the open panel's picture again: the
// sensor picture moves to the offsets the calculation gave the family.
void TestBridgePanels::calculationRedraws()
{
    Session s(QStringLiteral("Sarn107k"));
    Pallador &w = s.w();
    w.ui.checkAdvParam_A->click();
    QVERIFY(w.labelT1T2);
    QCOMPARE(w.labelT1T2->pos(), QPoint(0, 0));

    w.ui.widgetADV_A->setAttribute(Qt::WA_UnderMouse, true);
    resetJournal(w);
    w.spinFovX[0]->setValue(8);
    QCOMPARE(calculations(w), 1);
    w.spinFovY[0]->setValue(6);
    QCOMPARE(calculations(w), 2);
    const CContextParams &c = s.family().ctx[0];
    QCOMPARE(QPoint(c.fovX, c.fovY), QPoint(8, 6));
    QCOMPARE(w.labelT1T2->pos(), QPoint(8, 6));
}

QTEST_MAIN(TestBridgePanels)
#include "tst_bridgepanels.moc"
