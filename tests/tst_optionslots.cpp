// Option input slots. One table over the slots that store and recalculate:
// each slot is fired with the pointer over panel A, panel B, panel C or none
// (the containers' under-mouse state stands for the pointer), and the test
// checks which context becomes current, which entry of which member takes
// the value, and which calculation follows. Then the interlocks of the HDR
// and clock options and the range checks and messages of the field-of-view
// and read-out options, as tables of cases, the values reaching the library,
// and numbers no widget gives, which count as the end of the widget's range.
// Panel widgets are made here and connected in string form, as the
// option panels connect them.
#include "calvex.h"
#include "pallador.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QMetaMethod>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include <climits>
#include <functional>
#include <memory>

namespace {

enum Pointer { None = -1, A = 0, B = 1, C = 2, PllPanel = 3 };

QWidget *container(Pallador &w, int pointer)
{
    switch (pointer) {
    case A:
        return w.ui.widgetADV_A;
    case B:
        return w.ui.widgetADV_B;
    case C:
        return w.ui.widgetADV_C;
    case PllPanel:
        return w.ui.widgetADV_PLL;
    default:
        return nullptr;
    }
}

// Rests the pointer on one container (or on none of them).
void pointAt(Pallador &w, int pointer)
{
    for (int p : {int(A), int(B), int(C), int(PllPanel)})
        container(w, p)->setAttribute(Qt::WA_UnderMouse, p == pointer);
}

QByteArray slotSignature(const char *slot)
{
    return QByteArray::number(QSLOT_CODE) + slot;
}

enum class Rule { Box, PanelABox, AB, ABC, PanelA, FixedA, FixedB, Current, Single };
enum class Input { Box, Spin, DSpin, Combo };

using BoxRef = std::function<QCheckBox **(Pallador &, int context)>;
using MemberRead = std::function<double(const Pallador &, int context)>;

struct SlotRow {
    const char *slot;
    Input input;
    Rule rule;
    BoxRef box;        // Input::Box: the window's reference to the context's box (null: none)
    MemberRead member; // the member the slot writes, entry of a context
    bool singleMember; // one member for the whole sensor
    double value;      // spin value or combo index
    double stored;     // what a value input leaves in the member
    bool pllChanged;   // the argument of the calculation
};

#define BOX2(ref) [](Pallador &w, int c) { return &w.ref[c]; }
#define BOXA2(ref) [](Pallador &w, int c) { return c == 0 ? &w.ref[0] : nullptr; }
#define BOXA(ref) [](Pallador &w, int c) { return c == 0 ? &w.ref : nullptr; }
#define CTX(m) [](const Pallador &w, int c) { return double(w.m[c]); }, false
#define ONE(m) [](const Pallador &w, int) { return double(w.m); }, true

// The slots whose only business is to pick a context, store and calculate.
const std::vector<SlotRow> &slotRows()
{
    static const std::vector<SlotRow> rows = {
        {"checkBinning_clicked()", Input::Box, Rule::Box, BOX2(checkBinning), CTX(binning), 0, 0, false},
        {"checkBin2Skip2_clicked()", Input::Box, Rule::Box, BOX2(checkBin2Skip2), CTX(bin2Skip2), 0, 0, false},
        {"checkSkipping_clicked()", Input::Box, Rule::Box, BOX2(checkSkipping), CTX(skipping), 0, 0, false},
        {"checkBinXonly_clicked()", Input::Box, Rule::Box, BOX2(checkBinXonly), CTX(binXOnly), 0, 0, false},
        {"checkBinSF_clicked()", Input::Box, Rule::Box, BOXA2(checkBinSF), CTX(binSF), 0, 0, false},
        {"checkCropping_clicked()", Input::Box, Rule::Box, BOX2(checkCropping), CTX(cropping), 0, 0, false},
        {"checkCentering_clicked()", Input::Box, Rule::Box, BOX2(checkCentering), CTX(centering), 0, 0, false},
        {"checkAspectRatio_clicked()", Input::Box, Rule::Box, BOX2(checkAspectRatio), CTX(aspectRatio), 0, 0, false},
        {"checkLowPower_clicked()", Input::Box, Rule::Box, BOX2(checkLowPower), CTX(lowPower), 0, 0, false},
        {"checkInterleave_clicked()", Input::Box, Rule::Box, BOX2(checkInterleave), CTX(interleave), 0, 0, false},
        {"checkLineInterCombo_clicked()", Input::Box, Rule::Box, BOXA2(checkLineComboMode), CTX(lineComboMode), 0, 0,
         false},
        {"checkUseLineTime_clicked()", Input::Box, Rule::Box, BOX2(checkOtherLineTime), CTX(otherLineTime), 0, 0,
         false},
        {"checkShortSeq_clicked()", Input::Box, Rule::PanelABox, BOXA2(checkShortSeq), ONE(shortSeq), 0, 0, false},
        {"checkTxLatch_clicked()", Input::Box, Rule::PanelABox, BOXA(checkTxLatch), CTX(txLatch), 0, 0, false},
        {"checkConfigEnable_clicked()", Input::Box, Rule::Single, BOXA(checkConfigBuf), ONE(configEnable), 0, 0, false},
        {"checkDbOverlap_clicked()", Input::Box, Rule::Single, BOXA(checkOverlayRW), ONE(dbOverlap), 0, 0, false},
        {"checkAtrRows_clicked()", Input::Box, Rule::Single, BOXA(checkAtr_Rows), ONE(atrRows), 0, 0, true},
        {"checkDtrRows_clicked()", Input::Box, Rule::Single, BOXA(checkDtr_Rows), ONE(dtrRows), 0, 0, true},
        {"spinRows_valueChanged(int)", Input::Spin, Rule::ABC, nullptr, CTX(rows), 7, 7, false},
        {"spinCols_valueChanged(int)", Input::Spin, Rule::ABC, nullptr, CTX(cols), 7, 7, false},
        {"spinRowSub_valueChanged(int)", Input::Spin, Rule::ABC, nullptr, CTX(skipping), 7, 7, false},
        {"spinColSub_valueChanged(int)", Input::Spin, Rule::ABC, nullptr, CTX(binXOnly), 7, 7, false},
        {"comboRowSkip_currentIndexChanged(int)", Input::Combo, Rule::AB, nullptr, CTX(skipping), 3, 8, false},
        {"comboColSkip_currentIndexChanged(int)", Input::Combo, Rule::AB, nullptr, CTX(binXOnly), 4, 16, false},
        {"comboReadModeB_currentIndexChanged(int)", Input::Combo, Rule::FixedB, nullptr, CTX(skipping), 2, 4, false},
        {"comboCCRow_currentIndexChanged(int)", Input::Combo, Rule::FixedA, nullptr, CTX(ccRow), 3, 3, false},
        {"comboCCRowB_currentIndexChanged(int)", Input::Combo, Rule::FixedB, nullptr, CTX(ccRow), 3, 3, false},
        {"comboAspectRatio_currentIndexChanged(int)", Input::Combo, Rule::AB, nullptr, CTX(aspectRatio), 3, 3, false},
        {"comboADC_Mode_valueChanged(int)", Input::Combo, Rule::ABC, nullptr, CTX(adcMode), 3, 3, false},
        {"comboEmbedDataRows_clicked(int)", Input::Combo, Rule::ABC, nullptr, CTX(embedDataRows), 3, 3, false},
        {"comboStatsDataRows_clicked(int)", Input::Combo, Rule::ABC, nullptr, CTX(statsDataRows), 3, 3, false},
        {"comboTopDigital_Rows_clicked(int)", Input::Combo, Rule::ABC, nullptr, CTX(topDigitalRows), 3, 3, false},
        {"comboBotAnalog_Rows_clicked(int)", Input::Combo, Rule::ABC, nullptr, CTX(botAnalogRows), 3, 3, false},
        {"comboAnalogTestCols_clicked(int)", Input::Combo, Rule::Single, nullptr, ONE(analogTestCols), 3, 3, false},
        {"comboRowNoiseCols_clicked(int)", Input::Combo, Rule::Single, nullptr, ONE(rowNoiseCols), 3, 3, false},
        {"comboOpMode_Changed(int)", Input::Combo, Rule::Current, nullptr, CTX(hdrMode), 2, 2, false},
        {"dSpinIntgTime_valueChanged(double)", Input::DSpin, Rule::ABC, nullptr, CTX(intgTime), 7.25, 7.25, false},
        {"dSpinIntgTime2_valueChanged(double)", Input::DSpin, Rule::AB, nullptr, CTX(intgTime2), 7.25, 7.25, false},
        {"dSpinIntgTime3_valueChanged(double)", Input::DSpin, Rule::AB, nullptr, CTX(intgTime3), 7.25, 7.25, false},
        {"dSpinIntgTime4_valueChanged(double)", Input::DSpin, Rule::AB, nullptr, CTX(intgTime4), 7.25, 7.25, false},
        {"dSpinDFR1_valueChanged(double)", Input::DSpin, Rule::ABC, nullptr, CTX(dfs1), 7.25, 7.25, false},
        {"dSpinDFR2_valueChanged(double)", Input::DSpin, Rule::ABC, nullptr, CTX(dfs2), 7.25, 7.25, false},
        {"dSpinFovPercent_valueChanged(double)", Input::DSpin, Rule::ABC, nullptr, CTX(fovPercent), 7.25, 7.25, false},
        {"spinGoPro_valueChanged(double)", Input::DSpin, Rule::ABC, nullptr, CTX(goProMode), 1, 1, false},
        {"spinT1ExpRows_clicked(int)", Input::Spin, Rule::ABC, nullptr, CTX(t1ExpRows), 7, 7, false},
        {"spinT2ExpRows_clicked(int)", Input::Spin, Rule::ABC, nullptr, CTX(t2ExpRows), 7, 7, false},
        {"spinT3ExpRows_clicked(int)", Input::Spin, Rule::ABC, nullptr, CTX(t3ExpRows), 7, 7, false},
        {"spinT4ExpRows_clicked(int)", Input::Spin, Rule::ABC, nullptr, CTX(t4ExpRows), 7, 7, false},
        {"spinT1_T2_clicked(int)", Input::Spin, Rule::AB, nullptr, CTX(t1T2Ratio), 7, 7, false},
        {"spinT2_T3_clicked(int)", Input::Spin, Rule::AB, nullptr, CTX(t2T3Ratio), 7, 7, false},
        {"spinT3_T4_clicked(int)", Input::Spin, Rule::AB, nullptr, CTX(t3T4Ratio), 7, 7, false},
        {"spinT4_T5_clicked(int)", Input::Spin, Rule::AB, nullptr, CTX(t4T5Ratio), 7, 7, false},
        {"spinMiddleIT_clicked(int)", Input::Spin, Rule::AB, nullptr, CTX(middleIntTime), 7, 7, false},
        {"spinFixedLLpck_clicked(int)", Input::Spin, Rule::ABC, nullptr, CTX(fixedLineLength), 2400, 2400, false},
        {"spinScaler_valueChanged(int)", Input::Spin, Rule::AB, nullptr, CTX(scaler), 7, 7, false},
        {"spinScaleM_valueChanged(int)", Input::Spin, Rule::AB, nullptr, CTX(scaleM), 7, 7, false},
        {"spinSMode_valueChanged(int)", Input::Spin, Rule::AB, nullptr, CTX(sMode), 7, 7, false},
        {"spinBorderPix_changed(int)", Input::Spin, Rule::Single, nullptr, ONE(borderPixels), 7, 7, false},
        {"spinConfigBufT1_valueChanged(int)", Input::Spin, Rule::Single, nullptr, ONE(configBufT1), 7, 7, false},
        {"spinConfigBufT2_valueChanged(int)", Input::Spin, Rule::Single, nullptr, ONE(configBufT2), 7, 7, false},
        {"spinConfigBufT3_valueChanged(int)", Input::Spin, Rule::Single, nullptr, ONE(configBufT3), 7, 7, false},
        {"spinAdvShiftT2_valueChanged(int)", Input::Spin, Rule::Single, nullptr, ONE(advShiftT2), 3, 3, false},
        {"spinAdvShiftT3_valueChanged(int)", Input::Spin, Rule::Single, nullptr, ONE(advShiftT3), 3, 3, false},
        {"spinAdvShiftT4_valueChanged(int)", Input::Spin, Rule::Single, nullptr, ONE(advShiftT4), 3, 3, false},
        {"spinFIFO_valueChanged(int)", Input::Spin, Rule::ABC, nullptr, CTX(fifo), 7, 7, false},
        {"spinMin_Lines_valueChanged(int)", Input::Spin, Rule::Single, nullptr, ONE(minLines), 1200, 1200, true},
        // Slots with rules of their own whose other duties do not apply to
        // the sensor of the table (Vek108m).
        {"spinFovC_valueChanged(int)", Input::Spin, Rule::ABC, nullptr, CTX(fovCols), 700, 700, false},
        {"spinFovR_valueChanged(int)", Input::Spin, Rule::ABC, nullptr, CTX(fovRows), 700, 700, false},
        {"spinSocC_valueChanged(int)", Input::Spin, Rule::ABC, nullptr, CTX(socCols), 700, 700, false},
        {"spinSocR_valueChanged(int)", Input::Spin, Rule::ABC, nullptr, CTX(socRows), 700, 700, false},
        {"spinFovX_valueChanged(int)", Input::Spin, Rule::ABC, nullptr, CTX(fovX), 7, 7, false},
        {"spinFovY_valueChanged(int)", Input::Spin, Rule::AB, nullptr, CTX(fovY), 7, 7, false},
        {"spinReadMode_valueChanged(int)", Input::Spin, Rule::PanelA, nullptr, CTX(skipping), 3, 3, false},
        {"spinReadMode2_valueChanged(int)", Input::Spin, Rule::PanelA, nullptr, CTX(skippingY), 3, 3, false},
        {"comboReadMode_currentIndexChanged(int)", Input::Combo, Rule::FixedA, nullptr, CTX(skipping), 2, 4, false},
        {"comboOutFormat_currentIndexChanged(int)", Input::Combo, Rule::ABC, nullptr, CTX(outFormat), 3, 3, false},
        {"comboImageType_currentIndexChanged(int)", Input::Combo, Rule::ABC, nullptr, CTX(imageType), 3, 3, false},
        {"comboNumExposures_clicked(int)", Input::Combo, Rule::ABC, nullptr, CTX(numExposures), 3, 3, false},
        {"comboNumMaxExposures_clicked(int)", Input::Combo, Rule::ABC, nullptr, CTX(maxExposures), 3, 3, false},
        {"checkHDR_clicked()", Input::Box, Rule::Box, BOX2(checkHDR), CTX(hdrMode), 0, 0, false},
        {"checkLineInterleave_clicked()", Input::Box, Rule::Box, BOX2(checkLineInterleave), CTX(lineInterleave), 0, 0,
         false},
        {"checkLEDFlickerMitigation_clicked()", Input::Box, Rule::Box, BOXA2(checkPadding), CTX(lfmMode), 0, 0, false},
        {"checkUseReg_clicked()", Input::Box, Rule::Single, BOXA(checkUse_Reg), ONE(useReg), 0, 0, true},
        {"checkUseFixLLpck_clicked()", Input::Box, Rule::Single, BOXA(checkFixLLpck), ONE(useFixLLpck), 0, 0, true},
    };
    return rows;
}

// The context a rule picks for a widget of a panel (its home: the panel it
// belongs to, whatever the pointer is over), from the current context; None
// when a box rule stores nothing.
int chosenContext(Rule rule, int pointer, int start, bool hasBox)
{
    switch (rule) {
    case Rule::Box:
        return (pointer == A || pointer == B) && hasBox ? pointer : None;
    case Rule::PanelABox:
        return pointer == A && hasBox ? A : None;
    case Rule::AB:
        return pointer == A || pointer == B ? pointer : start;
    case Rule::ABC:
        return pointer == A || pointer == B || pointer == C ? pointer : start;
    case Rule::PanelA:
        return pointer == A ? A : start;
    case Rule::FixedA:
        return A;
    case Rule::FixedB:
        return B;
    case Rule::Current:
        return start;
    case Rule::Single:
        return None;
    }
    return None;
}

struct PanelCase {
    QString sensor;
    std::function<void(Pallador &)> act;
    std::function<void(Pallador &)> check;
};

// A widget of a loaded option panel: made inside the panel's container,
// held in the window's reference and connected as the panels connect it.
template <class W> W *make(Pallador &w, W *&ref, int panel, const char *signal = nullptr, const char *slot = nullptr)
{
    auto *widget = new W(container(w, panel));
    widget->show();
    ref = widget;
    if (signal && !QObject::connect(widget, signal, &w, slotSignature(slot).constData()))
        qFatal("no slot %s", slot);
    return widget;
}

QCheckBox *box(Pallador &w, QCheckBox *&ref, int panel, const char *slot, bool checked = false)
{
    auto *b = make(w, ref, panel, slot ? SIGNAL(clicked()) : nullptr, slot);
    b->setChecked(checked);
    return b;
}

QComboBox *combo(Pallador &w, QComboBox *&ref, int panel, const char *slot, const QStringList &items, int index = 0)
{
    auto *c = new QComboBox(container(w, panel));
    c->show();
    c->addItems(items);
    c->setCurrentIndex(index);
    ref = c;
    if (slot)
        QObject::connect(c, SIGNAL(currentIndexChanged(int)), &w, slotSignature(slot).constData());
    return c;
}

QSpinBox *spin(Pallador &w, QSpinBox *&ref, int panel, const char *slot, int value, int max = 100000)
{
    auto *s = new QSpinBox(container(w, panel));
    s->show();
    s->setRange(0, max);
    s->setValue(value);
    ref = s;
    if (slot)
        QObject::connect(s, SIGNAL(valueChanged(int)), &w, slotSignature(slot).constData());
    return s;
}

const QStringList kCounts = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")};

} // namespace

Q_DECLARE_METATYPE(PanelCase)

namespace {

// A number no widget gives, and the end of the widget's range it stands for;
// the pointer rests on panel A.
struct ExtremeCase {
    QString sensor;
    const char *slot;
    int extreme;
    int rangeEnd;
    std::function<void(Pallador &)> prepare;
};

// Several exposures count only with HDR on.
void hdrOn(Pallador &w)
{
    w.hdrMode[0] = 1;
    w.combi = 0;
}

} // namespace

Q_DECLARE_METATYPE(ExtremeCase)

class TestOptionSlots : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void slotTable_data();
    void slotTable();
    void advancedTiming();
    void toleratesMissingWidgets();
    void interlocks_data();
    void interlocks();
    void boundChecks_data();
    void boundChecks();
    void fieldOfView_data();
    void fieldOfView();
    void reachesLibrary_data();
    void reachesLibrary();
    void extremes_data();
    void extremes();

private:
    std::unique_ptr<FixtureInstall> m_install;
    std::unique_ptr<Pallador> m_table; // Vek108m, two contexts, for the slot table
    std::unique_ptr<Pallador> open(const QString &sensor);
};

void TestOptionSlots::initTestCase()
{
    m_install.reset(new FixtureInstall);
    m_table = open(QStringLiteral("Vek108m"));
    QCOMPARE(m_table->contextCount, 2);
    // Out of the combination mode, which clears the HDR settings.
    m_table->combi = 0;
}

void TestOptionSlots::cleanupTestCase()
{
    m_table.reset();
    m_install.reset();
}

std::unique_ptr<Pallador> TestOptionSlots::open(const QString &sensor)
{
    std::unique_ptr<Pallador> w(new Pallador(QString{}));
    w->loadConfigFile(m_install->addSample(sensor + QStringLiteral(".cfg")));
    return w;
}

void TestOptionSlots::slotTable_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("pointer");
    const auto &rows = slotRows();
    for (int i = 0; i < int(rows.size()); ++i) {
        for (int pointer : {int(None), int(A), int(B), int(C)}) {
            static const char *const names[] = {"none", "A", "B", "C"};
            QTest::addRow("%s pointer %s", rows[size_t(i)].slot, names[pointer + 1]) << i << pointer;
        }
    }
}

void TestOptionSlots::slotTable()
{
    QFETCH(int, row);
    QFETCH(int, pointer);
    const SlotRow &r = slotRows()[size_t(row)];
    Pallador &w = *m_table;
    pointAt(w, pointer);
    // Start from a context that no rule would pick with this pointer.
    const int start = pointer == B ? A : B;
    w.currentContext = start;

    QList<QWidget *> made;
    QList<QCheckBox **> refs;
    bool hasBox = false;
    int home = A; // the panel the changed widget belongs to
    double stored = r.stored;
    const QByteArray slot = slotSignature(r.slot);
    std::function<void()> fire;

    if (r.input == Input::Box) {
        QCheckBox *boxes[2] = {};
        for (int c : {int(A), int(B)}) {
            QCheckBox **ref = r.box(w, c);
            if (!ref)
                continue;
            boxes[c] = new QCheckBox(container(w, c));
            // Clicking turns the box to the opposite of the stored value.
            boxes[c]->setChecked(r.member(w, c) != 0);
            QVERIFY(QObject::connect(boxes[c], SIGNAL(clicked()), &w, slot.constData()));
            *ref = boxes[c];
            refs << ref;
            made << boxes[c];
        }
        // The box of the panel under the pointer; from the keyboard, panel A's.
        home = (pointer == A || pointer == B) && boxes[pointer] ? pointer : int(A);
        QCheckBox *clicked = boxes[home];
        hasBox = true;
        QVERIFY(clicked);
        stored = clicked->isChecked() ? 0 : 1;
        fire = [clicked] { clicked->click(); };
    } else {
        home = pointer >= 0 ? pointer : int(A);
        QWidget *parent = container(w, home);
        QWidget *input = nullptr;
        if (r.input == Input::Spin) {
            auto *s = new QSpinBox(parent);
            s->setRange(0, 100000);
            input = s;
            fire = [s, &r] { s->setValue(int(r.value)); };
            QVERIFY(QObject::connect(s, SIGNAL(valueChanged(int)), &w, slot.constData()));
        } else if (r.input == Input::DSpin) {
            auto *s = new QDoubleSpinBox(parent);
            s->setRange(0.0, 1000.0);
            input = s;
            fire = [s, &r] { s->setValue(r.value); };
            QVERIFY(QObject::connect(s, SIGNAL(valueChanged(double)), &w, slot.constData()));
        } else {
            auto *c = new QComboBox(parent);
            c->addItems({"1", "2", "4", "8", "16"});
            input = c;
            fire = [c, &r] { c->setCurrentIndex(int(r.value)); };
            QVERIFY(QObject::connect(c, SIGNAL(currentIndexChanged(int)), &w, slot.constData()));
        }
        made << input;
    }

    double before[3];
    for (int c = 0; c < 3; ++c)
        before[c] = r.member(w, c);
    resetJournal(w);
    fire();

    const int target = chosenContext(r.rule, home, start, hasBox || r.input != Input::Box);
    const bool stores = r.rule == Rule::Single || target != None;
    const int current = target == None ? start : target;
    for (int c = 0; c < 3; ++c) {
        const bool written = stores && (r.singleMember || c == target);
        QCOMPARE(r.member(w, c), written ? stored : before[c]);
    }
    // A calculation of the current context; after a PLL-level input the
    // other context follows and stays current. Context C is never
    // calculated.
    QList<int> contexts;
    if (current != C)
        contexts << current;
    if (r.pllChanged)
        contexts << 1 - current;
    QCOMPARE(calculatedContexts(w), contexts);
    QCOMPARE(w.currentContext, r.pllChanged ? 1 - current : current);

    for (QCheckBox **ref : refs)
        *ref = nullptr;
    qDeleteAll(made);
    pointAt(w, None);
}

// The common slot of Drav102's scaling and region inputs stores nothing: it
// picks B only with the pointer over panel B and not over panel A.
void TestOptionSlots::advancedTiming()
{
    Pallador &w = *m_table;
    const struct {
        bool overA, overB;
        int start, expected;
    } cases[] = {
        {false, false, B, A},
        {true, false, B, A},
        {false, true, A, B},
        {true, true, B, A},
    };
    for (const auto &c : cases) {
        pointAt(w, None);
        w.ui.widgetADV_A->setAttribute(Qt::WA_UnderMouse, c.overA);
        w.ui.widgetADV_B->setAttribute(Qt::WA_UnderMouse, c.overB);
        w.currentContext = c.start;
        resetJournal(w);
        QVERIFY(QMetaObject::invokeMethod(&w, "advancedTimingChanged"));
        QCOMPARE(w.currentContext, c.expected);
        QCOMPARE(calculatedContexts(w), QList<int>{c.expected});
    }
    pointAt(w, None);
}

// Every option slot runs on a sensor whose forms lack all the widgets it
// reads or changes (no panel loaded), whatever the pointer rests on.
void TestOptionSlots::toleratesMissingWidgets()
{
    DialogResponder answers;
    for (const QString &sensor : {QStringLiteral("Vek117m"), QStringLiteral("Yorm105m"), QStringLiteral("Vek145l"),
                                  QStringLiteral("Pirn106"), QStringLiteral("Vek135d")}) {
        auto w = open(sensor);
        for (int pointer : {int(None), int(A), int(B), int(PllPanel)}) {
            pointAt(*w, pointer);
            for (const SlotRow &r : slotRows()) {
                const QByteArray sig = QMetaObject::normalizedSignature(r.slot);
                const QByteArray name = sig.left(sig.indexOf('('));
                if (r.input == Input::Box)
                    QVERIFY(QMetaObject::invokeMethod(w.get(), name.constData()));
                else if (r.input == Input::DSpin)
                    QVERIFY(QMetaObject::invokeMethod(w.get(), name.constData(), Q_ARG(double, 3.0)));
                else
                    QVERIFY(QMetaObject::invokeMethod(w.get(), name.constData(), Q_ARG(int, 3)));
            }
            for (const char *slot : {"checkCombi_clicked", "checkOddClkRatio_clicked", "checkIMEMode_clicked",
                                     "checkDigitalCC_clicked", "checkUseFOV_clicked2", "checkUseFOV_clicked",
                                     "checkHighSpeed_clicked", "checkTrigger_clicked", "checkActiveAll_clicked"})
                QVERIFY(QMetaObject::invokeMethod(w.get(), slot));
            for (const char *slot : {"comboSuperExp_clicked", "spinFP_valueChanged"})
                QVERIFY(QMetaObject::invokeMethod(w.get(), slot, Q_ARG(int, 1)));
        }
        QVERIFY(w->sensorIndex > 0);
    }
}

// ---------------------------------------------------------------------------
// HDR, exposure and clock interlocks.

void TestOptionSlots::interlocks_data()
{
    QTest::addColumn<PanelCase>("c");

    QTest::newRow("combination outside the gate: one calculation, context kept")
        << PanelCase{"Vek109t",
                     [](Pallador &w) {
                         w.currentContext = B;
                         w.combi = 1;
                         box(w, w.checkCombi, PllPanel, "checkCombi_clicked()", true)->click();
                     },
                     [](Pallador &w) {
                         QCOMPARE(w.combi, 0);
                         QCOMPARE(calculations(w), 1);
                         QCOMPARE(w.currentContext, int(w.contextCount == 2 ? B : A));
                     }};
    QTest::newRow("combination on Vek108m with panel A open")
        << PanelCase{"Vek108m",
                     [](Pallador &w) {
                         w.ui.checkAdvParam_A->setChecked(true);
                         w.combi = 0;
                         w.hdrMode[A] = w.interleave[A] = 1;
                         box(w, w.checkHDR[A], A, "checkHDR_clicked()", true);
                         box(w, w.checkInterleave[A], A, "checkInterleave_clicked()", true);
                         box(w, w.checkCombi, PllPanel, "checkCombi_clicked()")->click();
                     },
                     [](Pallador &w) {
                         QCOMPARE(w.combi, 1);
                         QVERIFY(!w.checkHDR[A]->isChecked() && !w.checkHDR[A]->isEnabled());
                         QVERIFY(!w.checkInterleave[A]->isChecked() && !w.checkInterleave[A]->isEnabled());
                         QCOMPARE(w.currentContext, int(B));
                         QCOMPARE(calculatedContexts(w), (QList<int>{A, B, B}));
                     }};
    QTest::newRow("HDR of Sarn106c from panel A: A, then B")
        << PanelCase{"Sarn106c",
                     [](Pallador &w) {
                         pointAt(w, A);
                         w.hdrMode[A] = 0;
                         box(w, w.checkHDR[A], A, "checkHDR_clicked()")->click();
                     },
                     [](Pallador &w) {
                         QCOMPARE(w.hdrMode[A], 1);
                         QCOMPARE(calculatedContexts(w), (QList<int>{A, B}));
                         QCOMPARE(w.currentContext, int(B));
                     }};
    QTest::newRow("HDR of Sarn102 from panel B takes the second blanking type")
        << PanelCase{"Sarn102",
                     [](Pallador &w) {
                         pointAt(w, B);
                         w.ui.comboTypeBlank_A->setCurrentIndex(0);
                         w.ui.comboTypeBlank_B->setCurrentIndex(0);
                         box(w, w.checkHDR[B], B, "checkHDR_clicked()")->click();
                     },
                     [](Pallador &w) {
                         QCOMPARE(w.hdrMode[B], 1);
                         QCOMPARE(w.ui.comboTypeBlank_B->currentIndex(), 1);
                         QCOMPARE(w.ui.comboTypeBlank_A->currentIndex(), 0);
                     }};
    QTest::newRow("HDR of Vek108m off from panel B clears interleave")
        << PanelCase{"Vek108m",
                     [](Pallador &w) {
                         pointAt(w, B);
                         w.hdrMode[B] = w.interleave[B] = w.lineInterleave[B] = 1;
                         box(w, w.checkInterleave[B], B, "checkInterleave_clicked()", true);
                         box(w, w.checkHDR[B], B, "checkHDR_clicked()", true)->click();
                     },
                     [](Pallador &w) {
                         QCOMPARE(w.hdrMode[B], 0);
                         QCOMPARE(w.interleave[B], 0);
                         QCOMPARE(w.lineInterleave[B], 0);
                         QVERIFY(!w.checkInterleave[B]->isChecked() && !w.checkInterleave[B]->isEnabled());
                         QCOMPARE(w.currentContext, int(B));
                     }};
    for (bool on : {false, true}) {
        QTest::addRow("HDR of Vek123m %s", on ? "on" : "off")
            << PanelCase{"Vek123m",
                         [on](Pallador &w) {
                             pointAt(w, A);
                             w.hdrMode[A] = on ? 0 : 1;
                             spin(w, w.spinCols[A], A, nullptr, 100, 5000);
                             combo(w, w.comboNumExp, A, "comboNumExposures_clicked(int)", kCounts, 2);
                             box(w, w.checkHDR[A], A, "checkHDR_clicked()", !on)->click();
                         },
                         [on](Pallador &w) {
                             QCOMPARE(w.spinCols[A]->maximum(), on ? 1920 : 1932);
                             QCOMPARE(w.comboNumExp->currentIndex(), on ? 1 : 3);
                             QCOMPARE(w.comboNumExp->isEnabled(), on);
                             // The changed count ran its own slot.
                             QCOMPARE(w.numExposures[A], on ? 1 : 3);
                         }};
    }
    QTest::newRow("the exposure-ratio list of Vek157b follows HDR, also from an open list")
        << PanelCase{"Vek157b",
                     [](Pallador &w) {
                         pointAt(w, A);
                         combo(w, w.comboCCRow[A], A, nullptr, kCounts);
                         QCheckBox *hdr = box(w, w.checkHDR[A], A, "checkHDR_clicked()");
                         hdr->click();
                         QVERIFY(w.comboCCRow[A]->isEnabled());
                         hdr->click();
                     },
                     [](Pallador &w) { QVERIFY(!w.comboCCRow[A]->isEnabled()); }};
    QTest::newRow("HDR off on Vek107m locks line interleave and combination")
        << PanelCase{"Vek107m",
                     [](Pallador &w) {
                         pointAt(w, A);
                         w.hdrMode[A] = w.lineInterleave[A] = w.lineComboMode[A] = 1;
                         combo(w, w.comboNumExp, A, nullptr, kCounts, 2);
                         box(w, w.checkLineInterleave[A], A, nullptr, true);
                         box(w, w.checkLineComboMode[A], A, nullptr, true);
                         box(w, w.checkPadding[A], A, nullptr);
                         box(w, w.checkHDR[A], A, "checkHDR_clicked()", true)->click();
                     },
                     [](Pallador &w) {
                         QCOMPARE(w.lineInterleave[A], 0);
                         QCOMPARE(w.lineComboMode[A], 0);
                         for (QCheckBox *b : {w.checkLineInterleave[A], w.checkLineComboMode[A]})
                             QVERIFY(!b->isChecked() && !b->isEnabled());
                         QVERIFY(!w.checkPadding[A]->isEnabled());
                     }};
    QTest::newRow("maximum of three exposures on Vek107m") << PanelCase{
        "Vek107m",
        [](Pallador &w) {
            pointAt(w, A);
            combo(w, w.comboNumExp, A, "comboNumExposures_clicked(int)", kCounts, 0);
            combo(w, w.comboMax_nExposure, A, "comboNumMaxExposures_clicked(int)", kCounts, 0)->setCurrentIndex(2);
        },
        [](Pallador &w) {
            QCOMPARE(w.maxExposures[A], 2);
            QStringList items;
            for (int i = 0; i < w.comboNumExp->count(); ++i)
                items << w.comboNumExp->itemText(i);
            QCOMPARE(items, (QStringList{"1", "2", "3"}));
            QCOMPARE(w.comboNumExp->currentIndex(), 2);
            QCOMPARE(w.numExposures[A], 2);
        }};
    QTest::newRow("maximum beyond the list leaves the count alone")
        << PanelCase{"Vek107m",
                     [](Pallador &w) {
                         pointAt(w, A);
                         combo(w, w.comboNumExp, A, "comboNumExposures_clicked(int)", kCounts, 1);
                         QVERIFY(QMetaObject::invokeMethod(&w, "comboNumMaxExposures_clicked", Q_ARG(int, 5)));
                     },
                     [](Pallador &w) {
                         QCOMPARE(w.maxExposures[A], 5);
                         QCOMPARE(w.comboNumExp->count(), 4);
                         QCOMPARE(w.comboNumExp->currentIndex(), 1);
                     }};
    QTest::newRow("line interleave off on Vek107m clears the combination")
        << PanelCase{"Vek107m",
                     [](Pallador &w) {
                         pointAt(w, A);
                         w.lineInterleave[A] = w.lineComboMode[A] = 1;
                         combo(w, w.comboNumExp, A, nullptr, kCounts, 3);
                         box(w, w.checkLineComboMode[A], A, nullptr, true);
                         box(w, w.checkLineInterleave[A], A, "checkLineInterleave_clicked()", true)->click();
                     },
                     [](Pallador &w) {
                         QCOMPARE(w.lineInterleave[A], 0);
                         QCOMPARE(w.lineComboMode[A], 0);
                         QVERIFY(!w.checkLineComboMode[A]->isChecked() && !w.checkLineComboMode[A]->isEnabled());
                     }};
    QTest::newRow("LED flicker mitigation on Vek107m shows on the binning box")
        << PanelCase{"Vek107m",
                     [](Pallador &w) {
                         pointAt(w, A);
                         w.binning[A] = 0;
                         box(w, w.checkBinning[A], A, "checkBinning_clicked()");
                         box(w, w.checkPadding[A], A, "checkLEDFlickerMitigation_clicked()")->click();
                     },
                     [](Pallador &w) {
                         QCOMPARE(w.lfmMode[A], 1);
                         QVERIFY(w.checkBinning[A]->isChecked());
                         QCOMPARE(w.binning[A], 0);
                     }};
    for (bool on : {false, true}) {
        QTest::addRow("exposure registers of Vek107m %s", on ? "on" : "off") << PanelCase{
            "Vek107m",
            [on](Pallador &w) {
                w.useReg = !on;
                for (QSpinBox **s : {&w.spinT2, &w.spinT3, &w.spinT4, &w.spinT1_T2, &w.spinT2_T3, &w.spinT3_T4})
                    spin(w, *s, A, nullptr, 1);
                box(w, w.checkUse_Reg, A, "checkUseReg_clicked()", !on)->click();
            },
            [on](Pallador &w) {
                QCOMPARE(w.useReg, on);
                for (QSpinBox *s : {w.spinT2, w.spinT3, w.spinT4})
                    QCOMPARE(s->isEnabled(), on);
                for (QSpinBox *s : {w.spinT1_T2, w.spinT2_T3, w.spinT3_T4})
                    QCOMPARE(s->isEnabled(), !on);
                QCOMPARE(calculations(w), 1);
            }};
    }
    QTest::newRow("fixed line length of Vek107m")
        << PanelCase{"Vek107m",
                     [](Pallador &w) {
                         w.useFixLLpck = false;
                         spin(w, w.dspinFixLLpck, A, nullptr, 2144, 10000)->setEnabled(false);
                         box(w, w.checkFixLLpck, A, "checkUseFixLLpck_clicked()")->click();
                     },
                     [](Pallador &w) {
                         QVERIFY(w.useFixLLpck);
                         QVERIFY(w.dspinFixLLpck->isEnabled());
                     }};
    QTest::newRow("odd clock ratio of Vek117m refills bits and lanes")
        << PanelCase{"Vek117m",
                     [](Pallador &w) {
                         w.oddClkRatio = false;
                         combo(w, w.comboPLL_Bits, PllPanel, nullptr, {"x"});
                         combo(w, w.comboPLL_Lanes, PllPanel, nullptr, {"x"});
                         box(w, w.check16b8bits, PllPanel, "checkOddClkRatio_clicked()")->click();
                     },
                     [](Pallador &w) {
                         QVERIFY(w.oddClkRatio);
                         const CFamilyCore *f = w.calvex->family();
                         QStringList bits, lanes;
                         for (int i = 0; i < w.comboPLL_Bits->count(); ++i)
                             bits << w.comboPLL_Bits->itemText(i);
                         for (int i = 0; i < w.comboPLL_Lanes->count(); ++i)
                             lanes << w.comboPLL_Lanes->itemText(i);
                         QVERIFY(!f->bitDepthChoicesOdd.isEmpty());
                         QCOMPARE(bits, f->bitDepthChoicesOdd);
                         QCOMPARE(lanes, f->laneChoicesOdd);
                     }};
    QTest::newRow("odd clock ratio of Vek113m is its fast clock")
        << PanelCase{"Vek113m",
                     [](Pallador &w) {
                         w.fastClock = w.oddClkRatio = false;
                         box(w, w.check16b8bits, PllPanel, "checkOddClkRatio_clicked()")->click();
                     },
                     [](Pallador &w) {
                         QVERIFY(w.fastClock);
                         QVERIFY(!w.oddClkRatio);
                         QCOMPARE(calculations(w), 1);
                     }};
    QTest::newRow("digital column correction elsewhere does nothing")
        << PanelCase{"Vek117m",
                     [](Pallador &w) {
                         w.digitalCC = false;
                         box(w, w.checkDigitalCC, A, "checkDigitalCC_clicked()")->click();
                     },
                     [](Pallador &w) {
                         QVERIFY(!w.digitalCC);
                         QCOMPARE(calculations(w), 0);
                     }};
    for (bool on : {true, false}) {
        QTest::addRow("digital column correction of Vek137 %s", on ? "on" : "off")
            << PanelCase{"Vek137",
                         [on](Pallador &w) {
                             w.digitalCC = !on;
                             combo(w, w.comboCCRow[A], A, nullptr, kCounts)->setEnabled(!on);
                             box(w, w.checkDigitalCC, A, "checkDigitalCC_clicked()", !on)->click();
                         },
                         [on](Pallador &w) {
                             QCOMPARE(w.digitalCC, on);
                             QCOMPARE(w.comboCCRow[A]->isEnabled(), on);
                             QCOMPARE(calculations(w), 1);
                         }};
    }
}

void TestOptionSlots::interlocks()
{
    QFETCH(PanelCase, c);
    auto w = open(c.sensor);
    QVERIFY(w->calvex && w->calvex->family());
    resetJournal(*w);
    pointAt(*w, None);
    c.act(*w);
    c.check(*w);
}

// ---------------------------------------------------------------------------
// Range checks and their messages.

void TestOptionSlots::boundChecks_data()
{
    QTest::addColumn<QString>("sensor");
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QVariantList>("values"); // typed one after the other
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("style"); // of the last value
    QTest::addColumn<int>("stored");    // the member after the last value

    const QString bound = QStringLiteral("Pallador|Data out of bound! Please adjust sensor FOV.");
    // The limits are taken from the family object; the values are put at
    // them by the test.
    QTest::newRow("FOV x one above the maximum") << "Yorm105m"
                                                 << "spinFovX_valueChanged(int)" << QVariantList{"xmax+1"}
                                                 << QStringList{bound} << "background-color:red;" << -1;
    QTest::newRow("FOV x back inside") << "Yorm105m"
                                       << "spinFovX_valueChanged(int)" << QVariantList{"xmax+1", "xmin"}
                                       << QStringList{bound} << "background-color:white;" << -1;
    QTest::newRow("FOV y below the minimum") << "Yorm102m"
                                             << "spinFovY_valueChanged(int)" << QVariantList{"ymin-1"}
                                             << QStringList{bound} << "background-color:red;" << -1;
    QTest::newRow("FOV y on Vek108m is not checked")
        << "Vek108m"
        << "spinFovY_valueChanged(int)" << QVariantList{123456} << QStringList{} << QString() << 123456;

    // Sarn107k with FOV 1280 x 960, crop 640 x 480, output 640 x 480.
    QTest::newRow("read mode 1 fits") << "Sarn107k"
                                      << "spinReadMode_valueChanged(int)" << QVariantList{1} << QStringList{}
                                      << QString() << 1;
    QTest::newRow("read mode 2 crops too much") << "Sarn107k"
                                                << "spinReadMode_valueChanged(int)" << QVariantList{2}
                                                << QStringList{"Pallador|Crop window is too big!"} << QString() << 0;
    QTest::newRow("read mode below 0 divides nothing by zero")
        << "Sarn107k"
        << "spinReadMode_valueChanged(int)" << QVariantList{-1} << QStringList{} << QString() << -1;
    QTest::newRow("output larger than the crop") << "Sarn107k"
                                                 << "spinReadMode_valueChanged(int)" << QVariantList{"output 800", 1}
                                                 << QStringList{"Pallador|Output window is too big!"} << QString() << 0;
}

void TestOptionSlots::boundChecks()
{
    QFETCH(QString, sensor);
    QFETCH(QString, slot);
    QFETCH(QVariantList, values);
    QFETCH(QStringList, messages);
    QFETCH(QString, style);
    QFETCH(int, stored);

    auto holder = open(sensor);
    Pallador &w = *holder;
    w.show();
    pointAt(w, A);
    const QByteArray sig = slot.toLatin1();
    const bool readMode = slot.startsWith(QLatin1String("spinReadMode"));
    const bool xAxis = slot.startsWith(QLatin1String("spinFovX"));
    QSpinBox *input = spin(w,
                           readMode ? w.spinReadMode
                           : xAxis  ? w.spinFovX[A]
                                    : w.spinFovY[A],
                           A, sig.constData(), 0, 1 << 30);
    input->setMinimum(-(1 << 30));
    if (readMode) {
        w.fovCols[A] = 1280;
        w.fovRows[A] = 960;
        w.socCols[A] = w.cols[A] = 640;
        w.socRows[A] = w.rows[A] = 480;
    }
    DialogResponder answers;
    const CModeState &mode = w.calvex->family()->mode[A];
    int last = 0;
    for (const QVariant &v : values) {
        const QString text = v.toString();
        if (text == QLatin1String("output 800")) {
            w.cols[A] = 800;
            continue;
        }
        last = text == QLatin1String("xmax+1")   ? mode.fovXMax + 1
               : text == QLatin1String("xmin")   ? mode.fovXMin
               : text == QLatin1String("ymin-1") ? mode.fovYMin - 1
                                                 : v.toInt();
        input->setValue(last);
    }
    QCOMPARE(answers.seen(), messages);
    QCOMPARE(input->styleSheet(), style);
    QCOMPARE(input->value(), last);
    const int member = readMode ? w.skipping[A] : xAxis ? w.fovX[A] : w.fovY[A];
    // The FOV start is stored also when out of range.
    QCOMPARE(member, stored == -1 ? last : stored);
}

// ---------------------------------------------------------------------------
// Field of view, read-out, formats, high speed, trigger and focal planes.

void TestOptionSlots::fieldOfView_data()
{
    QTest::addColumn<PanelCase>("c");

    for (const auto &step : {std::make_pair(2, 4), std::make_pair(4, 2)}) {
        QTest::addRow("read mode of Vek135d from %d over 3", step.first)
            << PanelCase{"Vek135d",
                         [step](Pallador &w) {
                             pointAt(w, A);
                             spin(w, w.spinReadMode, A, "spinReadMode_valueChanged(int)", 0, 8)->setValue(step.first);
                             w.spinReadMode->setValue(3);
                         },
                         [step](Pallador &w) {
                             QCOMPARE(w.spinReadMode->value(), step.second);
                             QCOMPARE(w.skipping[A], step.second);
                             QCOMPARE(w.lastReadMode, step.second);
                         }};
    }
    QTest::newRow("second read mode of Vek135d shares the last mode")
        << PanelCase{"Vek135d",
                     [](Pallador &w) {
                         pointAt(w, A);
                         spin(w, w.spinReadMode, A, "spinReadMode_valueChanged(int)", 0, 8)->setValue(2);
                         spin(w, w.spinReadMode_Y, A, "spinReadMode2_valueChanged(int)", 5, 8)->setValue(3);
                     },
                     [](Pallador &w) {
                         QCOMPARE(w.spinReadMode_Y->value(), 4);
                         QCOMPARE(w.skippingY[A], 4);
                         QCOMPARE(w.spinReadMode->value(), 2);
                     }};
    QTest::newRow("read-mode combo of Vek124 at 1 locks binning")
        << PanelCase{"Vek124",
                     [](Pallador &w) {
                         box(w, w.checkBinning[A], A, nullptr, true);
                         box(w, w.checkBinSF[A], A, nullptr, true);
                         combo(w, w.comboReadMode[A], A, "comboReadMode_currentIndexChanged(int)", {"1", "2", "4"}, 2)
                             ->setCurrentIndex(0);
                     },
                     [](Pallador &w) {
                         QCOMPARE(w.skipping[A], 1);
                         for (QCheckBox *b : {w.checkBinning[A], w.checkBinSF[A]})
                             QVERIFY(!b->isChecked() && !b->isEnabled());
                     }};
    QTest::newRow("read-mode combo of Vek124 at 2 and 4")
        << PanelCase{"Vek124",
                     [](Pallador &w) {
                         box(w, w.checkBinning[A], A, nullptr, true)->setEnabled(false);
                         box(w, w.checkBinSF[A], A, nullptr, true);
                         QComboBox *c = combo(w, w.comboReadMode[A], A, "comboReadMode_currentIndexChanged(int)",
                                              {"1", "2", "4"}, 0);
                         c->setCurrentIndex(1);
                         QVERIFY(w.checkBinning[A]->isEnabled() && w.checkBinning[A]->isChecked());
                         QVERIFY(!w.checkBinSF[A]->isEnabled() && !w.checkBinSF[A]->isChecked());
                         c->setCurrentIndex(2);
                     },
                     [](Pallador &w) {
                         QCOMPARE(w.skipping[A], 4);
                         QVERIFY(w.checkBinning[A]->isEnabled() && w.checkBinSF[A]->isEnabled());
                     }};
    QTest::newRow("read-mode combo of Vek125 sets the combination") << PanelCase{
        "Vek125",
        [](Pallador &w) {
            w.currentContext = B;
            combo(w, w.comboReadMode[A], A, "comboReadMode_currentIndexChanged(int)", kCounts, 0)->setCurrentIndex(3);
        },
        [](Pallador &w) {
            QCOMPARE(w.skipping[A], 8);
            QCOMPARE(w.combi, 3);
            QCOMPARE(w.currentContext, int(A));
        }};
    QTest::newRow("emptied skip list stores 0")
        << PanelCase{"Vek111m",
                     [](Pallador &w) {
                         pointAt(w, A);
                         w.skipping[A] = 4;
                         combo(w, w.comboRowSkip[A], A, "comboRowSkip_currentIndexChanged(int)", kCounts, 2)->clear();
                     },
                     [](Pallador &w) { QCOMPARE(w.skipping[A], 0); }};
    QTest::newRow("array FOV with skip factors")
        << PanelCase{"Vek111m",
                     [](Pallador &w) {
                         pointAt(w, A);
                         combo(w, w.comboColSkip[A], A, nullptr, {"1", "2", "4", "8", "16"}, 2)->hide();
                         combo(w, w.comboRowSkip[A], A, nullptr, {"1", "2", "4", "8", "16"}, 1)->hide();
                         spin(w, w.spinCols[A], A, nullptr, 640);
                         spin(w, w.spinRows[A], A, nullptr, 480);
                         box(w, w.checkSkipping[A], A, nullptr);
                         box(w, w.checkBinXonly[A], A, nullptr);
                         box(w, w.checkUseFOV[A], A, "checkUseFOV_clicked2()")->click();
                     },
                     [](Pallador &w) {
                         QVERIFY(w.useFov[A]);
                         QCOMPARE(w.binXOnly[A], 4);
                         QCOMPARE(w.skipping[A], 2);
                         QCOMPARE(w.cols[A], 640);
                         QCOMPARE(w.rows[A], 480);
                         QVERIFY(!w.comboColSkip[A]->isHidden() && !w.comboRowSkip[A]->isHidden());
                         QVERIFY(!w.spinCols[A]->isEnabled() && !w.checkSkipping[A]->isEnabled());
                     }};
    QTest::newRow("array FOV of Vek123m off, window too large to sub-sample")
        << PanelCase{"Vek123m",
                     [](Pallador &w) {
                         pointAt(w, A);
                         spin(w, w.spinCols[A], A, nullptr, 1280);
                         spin(w, w.spinRows[A], A, nullptr, 720);
                         spin(w, w.spinColSub[A], A, nullptr, 2);
                         box(w, w.checkSkipping[A], A, nullptr, true);
                         box(w, w.checkBinXonly[A], A, nullptr);
                         w.comboAspectRatio = new QComboBox(w.ui.widgetADV_A);
                         box(w, w.checkUseFOV[A], A, "checkUseFOV_clicked()", true)->click();
                     },
                     [](Pallador &w) {
                         QVERIFY(!w.useFov[A]);
                         QCOMPARE(w.cols[A], 1280);
                         QCOMPARE(w.rows[A], 720);
                         QCOMPARE(w.skipping[A], 1);
                         QCOMPARE(w.binXOnly[A], 0);
                         QVERIFY(!w.checkSkipping[A]->isEnabled() && !w.checkBinXonly[A]->isEnabled());
                         QVERIFY(w.spinColSub[A]->isHidden());
                         QVERIFY(!w.comboAspectRatio->isEnabled());
                     }};
    QTest::newRow("array FOV of Sarn112 on takes the FOV boxes")
        << PanelCase{"Sarn112",
                     [](Pallador &w) {
                         pointAt(w, B);
                         w.cols[B] = 320;
                         spin(w, w.spinCols[B], B, nullptr, 640);
                         spin(w, w.spinColSub[B], B, nullptr, 3);
                         spin(w, w.spinRowSub[B], B, nullptr, 5);
                         spin(w, w.spinFovC[B], B, nullptr, 1000)->setEnabled(false);
                         spin(w, w.spinFovR[B], B, nullptr, 900);
                         box(w, w.checkUseFOV[B], B, "checkUseFOV_clicked()")->click();
                     },
                     [](Pallador &w) {
                         QVERIFY(w.useFov[B]);
                         QCOMPARE(w.binXOnly[B], 3);
                         QCOMPARE(w.skipping[B], 5);
                         QCOMPARE(w.fovCols[B], 1000);
                         QCOMPARE(w.fovRows[B], 900);
                         QCOMPARE(w.cols[B], 320);
                         QVERIFY(w.spinFovC[B]->isEnabled());
                     }};
    QTest::newRow("FOV columns of a bridge set the crop and output too")
        << PanelCase{"Yorm105m",
                     [](Pallador &w) {
                         pointAt(w, A);
                         spin(w, w.spinFovC[A], A, "spinFovC_valueChanged(int)", 0)->setValue(1000);
                         spin(w, w.spinSocR, A, "spinSocR_valueChanged(int)", 0)->setValue(500);
                     },
                     [](Pallador &w) {
                         QCOMPARE(w.socCols[A], 1000);
                         QCOMPARE(w.cols[A], 1000);
                         QCOMPARE(w.fovCols[A], 1000);
                         QCOMPARE(w.rows[A], 500);
                         QCOMPARE(w.socRows[A], 500);
                     }};
    QTest::newRow("FOV columns of Vek124 are the output")
        << PanelCase{"Vek124",
                     [](Pallador &w) {
                         pointAt(w, A);
                         w.socCols[A] = 5;
                         spin(w, w.spinFovC[A], A, "spinFovC_valueChanged(int)", 0)->setValue(1000);
                     },
                     [](Pallador &w) {
                         QCOMPARE(w.cols[A], 1000);
                         QCOMPARE(w.fovCols[A], 1000);
                         QCOMPARE(w.socCols[A], 5);
                     }};
    QTest::newRow("output format of Pirn106 refills the image types")
        << PanelCase{"Pirn106",
                     [](Pallador &w) {
                         pointAt(w, A);
                         combo(w, w.comboOutFormat[B], A, "comboImageType_currentIndexChanged(int)", {"x", "y"}, 1);
                         combo(w, w.comboOutFormat[A], A, "comboOutFormat_currentIndexChanged(int)",
                               {"JPEG", "FullColorPipe_JP", "FullColorPipe", "Bayer"}, 0)
                             ->setCurrentIndex(3);
                     },
                     [](Pallador &w) {
                         QCOMPARE(w.outFormat[A], 3);
                         QStringList items;
                         for (int i = 0; i < w.comboOutFormat[B]->count(); ++i)
                             items << w.comboOutFormat[B]->itemText(i);
                         QVERIFY(w.calvex->murn_109);
                         QCOMPARE(items, w.calvex->murn_109->imageTypeLists[3]);
                         QCOMPARE(w.comboOutFormat[B]->currentIndex(), 0);
                         QCOMPARE(w.imageType[A], 0);
                     }};
    QTest::newRow("output format of Sarn116k follows the focus")
        << PanelCase{"Sarn116k",
                     [](Pallador &w) {
                         w.show();
                         QApplication::setActiveWindow(&w);
                         // The pointer rests on panel B, the focus is in panel A.
                         pointAt(w, B);
                         w.ui.checkAdvParam_A->setChecked(true);
                         w.ui.checkAdvParam_B->setChecked(true);
                         combo(w, w.comboOutFormat[B], B, nullptr, kCounts);
                         QComboBox *a =
                             combo(w, w.comboOutFormat[A], A, "comboOutFormat_currentIndexChanged(int)", kCounts);
                         a->setFocus();
                         QVERIFY(a->hasFocus());
                         a->setCurrentIndex(2);
                     },
                     [](Pallador &w) {
                         QCOMPARE(w.outFormat[A], 2);
                         QCOMPARE(w.currentContext, int(A));
                     }};
    QTest::newRow("high speed from a PLL panel goes to context A")
        << PanelCase{"Vek149",
                     [](Pallador &w) {
                         pointAt(w, PllPanel);
                         w.currentContext = B;
                         w.highSpeed[A] = false;
                         box(w, w.checkHighSpeed[A], PllPanel, "checkHighSpeed_clicked()")->click();
                     },
                     [](Pallador &w) {
                         QVERIFY(w.highSpeed[A]);
                         QCOMPARE(w.currentContext, int(A));
                     }};
    QTest::newRow("high speed from the keyboard stores into its panel's context")
        << PanelCase{"Sarn106c",
                     [](Pallador &w) {
                         w.currentContext = B;
                         w.highSpeed[A] = w.highSpeed[B] = false;
                         box(w, w.checkHighSpeed[A], A, "checkHighSpeed_clicked()")->click();
                     },
                     [](Pallador &w) {
                         QVERIFY(w.highSpeed[A] && !w.highSpeed[B]);
                         QCOMPARE(w.currentContext, int(A));
                     }};
    QTest::newRow("JPEG box of Sarn113k is the output format")
        << PanelCase{"Sarn113k",
                     [](Pallador &w) {
                         pointAt(w, A);
                         box(w, w.checkHighSpeed[A], A, "checkHighSpeed_clicked()")->click();
                     },
                     [](Pallador &w) {
                         QVERIFY(w.highSpeed[A]);
                         QCOMPARE(w.outFormat[A], 1);
                     }};
    QTest::newRow("trigger off: master mode, both buttons locked")
        << PanelCase{"Zelt101",
                     [](Pallador &w) {
                         w.trigger = w.slaveMode = true;
                         make(w, w.radioMaster, A);
                         make(w, w.radioSlave, A)->setChecked(true);
                         box(w, w.checkTrigger, A, "checkTrigger_clicked()", true)->click();
                     },
                     [](Pallador &w) {
                         QVERIFY(!w.trigger && !w.slaveMode);
                         QVERIFY(w.radioMaster->isChecked());
                         QVERIFY(!w.radioMaster->isEnabled() && !w.radioSlave->isEnabled());
                     }};
    QTest::newRow("trigger on in slave mode")
        << PanelCase{"Zelt101",
                     [](Pallador &w) {
                         make(w, w.radioMaster, A)->setEnabled(false);
                         make(w, w.radioSlave, A)->setChecked(true);
                         box(w, w.checkTrigger, A, "checkTrigger_clicked()")->click();
                     },
                     [](Pallador &w) {
                         QVERIFY(w.trigger && w.slaveMode);
                         QVERIFY(w.radioMaster->isEnabled() && w.radioSlave->isEnabled());
                     }};
    for (bool on : {true, false}) {
        QTest::addRow("activate all focal planes %s", on ? "on" : "off")
            << PanelCase{"Vek145l",
                         [on](Pallador &w) {
                             pointAt(w, A);
                             w.activateAll = !on;
                             for (int i = 0; i < 16; ++i) {
                                 w.fpOptions[i] = i % 3;
                                 spin(w, w.spinFP[i], A, "spinFP_valueChanged(int)", i % 3, 2);
                             }
                             spin(w, w.spinScaleM, A, "spinScaleM_valueChanged(int)", 0, 16);
                             w.ui.checkAdvParam_A->setChecked(true);
                             box(w, w.checkActivateAll, A, "checkActiveAll_clicked()", !on)->click();
                         },
                         [on](Pallador &w) {
                             QCOMPARE(w.activateAll, on);
                             for (int i = 0; i < 16; ++i) {
                                 QCOMPARE(w.fpOptions[i], 0);
                                 QCOMPARE(w.spinFP[i]->value(), 0);
                                 QCOMPARE(w.spinFP[i]->isEnabled(), !on);
                             }
                             // The panel shows the planes the calculation found active.
                             QCOMPARE(w.spinScaleM->value(), w.calvex->vek_145l->ctx[A].scaleM);
                             QCOMPARE(w.scaleM[A], w.spinScaleM->value());
                         }};
    }
    QTest::newRow("focal plane with the focus takes the value")
        << PanelCase{"Vek145l",
                     [](Pallador &w) {
                         w.show();
                         QApplication::setActiveWindow(&w);
                         pointAt(w, A);
                         for (int i = 0; i < 16; ++i)
                             spin(w, w.spinFP[i], A, "spinFP_valueChanged(int)", 0, 2);
                         w.spinFP[5]->setFocus();
                         w.spinFP[5]->setValue(2);
                         // No box has the focus: nothing is stored.
                         w.spinFP[5]->clearFocus();
                         w.spinFP[6]->setValue(1);
                     },
                     [](Pallador &w) {
                         QCOMPARE(w.fpOptions[5], 2);
                         QCOMPARE(w.fpOptions[6], 0);
                     }};
}

void TestOptionSlots::fieldOfView()
{
    QFETCH(PanelCase, c);
    DialogResponder answers;
    auto w = open(c.sensor);
    QVERIFY(w->calvex && w->calvex->family());
    pointAt(*w, None);
    c.act(*w);
    c.check(*w);
    QCOMPARE(answers.seen(), QStringList());
}

// ---------------------------------------------------------------------------
// The value a slot stores reaches the library with the calculation.

void TestOptionSlots::reachesLibrary_data()
{
    QTest::addColumn<QString>("sensor");
    QTest::addColumn<QString>("slot");
    QTest::addColumn<int>("pointer");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("field");

    QTest::newRow("rows, context B") << "Vek108m"
                                     << "spinRows_valueChanged(int)" << int(B) << 400.0 << "rows";
    QTest::newRow("integration time, context A")
        << "Vek108m"
        << "dSpinIntgTime_valueChanged(double)" << int(A) << 12.5 << "intgTime";
    QTest::newRow("skip factor, context A") << "Vek111m"
                                            << "comboRowSkip_currentIndexChanged(int)" << int(A) << 2.0 << "skipping";
    QTest::newRow("operation mode of a bridge") << "Yorm105m"
                                                << "comboOpMode_Changed(int)" << int(None) << 1.0 << "hdrMode";
}

void TestOptionSlots::reachesLibrary()
{
    QFETCH(QString, sensor);
    QFETCH(QString, slot);
    QFETCH(int, pointer);
    QFETCH(double, value);
    QFETCH(QString, field);

    auto holder = open(sensor);
    Pallador &w = *holder;
    pointAt(w, pointer);
    const QByteArray sig = slotSignature(slot.toLatin1().constData());
    QWidget *parent = pointer >= 0 ? container(w, pointer) : w.ui.widgetADV_A;
    resetJournal(w);
    if (slot.contains(QLatin1String("(double)"))) {
        auto *s = new QDoubleSpinBox(parent);
        s->setRange(0, 1000);
        QVERIFY(QObject::connect(s, SIGNAL(valueChanged(double)), &w, sig.constData()));
        s->setValue(value);
    } else if (slot.startsWith(QLatin1String("combo"))) {
        auto *c = new QComboBox(parent);
        c->addItems({"1", "2", "4", "8"});
        QVERIFY(QObject::connect(c, SIGNAL(currentIndexChanged(int)), &w, sig.constData()));
        c->setCurrentIndex(int(value));
    } else {
        auto *s = new QSpinBox(parent);
        s->setRange(0, 10000);
        QVERIFY(QObject::connect(s, SIGNAL(valueChanged(int)), &w, sig.constData()));
        s->setValue(int(value));
    }
    const int c = w.currentContext;
    QVERIFY(calculations(w) >= 1);
    QVERIFY(calculatedContexts(w).contains(c));
    const CContextParams &r = w.calvex->family()->ctx[c];
    const double expected = slot.startsWith(QLatin1String("comboRowSkip")) ? double(1 << int(value)) : value;
    const double inLibrary = field == QLatin1String("rows")       ? r.rows
                             : field == QLatin1String("intgTime") ? r.intgTime
                             : field == QLatin1String("skipping") ? r.skipping
                                                                  : r.hdrMode;
    QCOMPARE(inLibrary, expected);
}

// ---------------------------------------------------------------------------
// A slot called with a number no widget gives (a caller's, a direct call's)
// calculates as with the end of the widget's range it lies beyond: the user
// sees the same registers, results, colours and messages.

void TestOptionSlots::extremes_data()
{
    QTest::addColumn<ExtremeCase>("c");
    const char *const exposures = "comboNumExposures_clicked(int)";
    QTest::newRow("exposure count of Vek107m") << ExtremeCase{"Vek107m", exposures, INT_MAX, 3, hdrOn};
    QTest::newRow("exposure count of Vek123m") << ExtremeCase{"Vek123m", exposures, INT_MAX, 2, hdrOn};
    QTest::newRow("exposure count of Vek114d") << ExtremeCase{"Vek114d", exposures, INT_MAX, 2, hdrOn};
    QTest::newRow("exposure count of Vek138m") << ExtremeCase{"Vek138m", exposures, INT_MAX, 3, hdrOn};
    QTest::newRow("embedded data rows of Vek107m")
        << ExtremeCase{"Vek107m", "comboEmbedDataRows_clicked(int)", INT_MAX, 2, nullptr};
    QTest::newRow("statistics rows of Vek107m")
        << ExtremeCase{"Vek107m", "comboStatsDataRows_clicked(int)", INT_MAX, 2, nullptr};
    QTest::newRow("analog test columns of Vek138m")
        << ExtremeCase{"Vek138m", "comboAnalogTestCols_clicked(int)", INT_MAX, 2, nullptr};
    QTest::newRow("row noise columns of Vek138m")
        << ExtremeCase{"Vek138m", "comboRowNoiseCols_clicked(int)", INT_MAX, 2, nullptr};
    // Thirteen focal planes take sixteen places at the last modulo.
    QTest::newRow("packing modulo of Vek145l") << ExtremeCase{"Vek145l", "comboCCRow_currentIndexChanged(int)", INT_MAX,
                                                              4, [](Pallador &w) { w.scaleM[0] = 13; }};
    // A crop window that fits only the first read modes.
    QTest::newRow("read mode of Sarn107k")
        << ExtremeCase{"Sarn107k", "spinReadMode_valueChanged(int)", INT_MAX, 100000, [](Pallador &w) {
                           w.socCols[0] = w.cols[0] = 640;
                           w.socRows[0] = w.rows[0] = 360;
                       }};
}

void TestOptionSlots::extremes()
{
    QFETCH(ExtremeCase, c);
    DialogResponder answers;
    auto holder = open(c.sensor);
    Pallador &w = *holder;
    if (c.prepare)
        c.prepare(w);
    pointAt(w, A);
    answers.clear();
    QVERIFY2(callSlot(w, c.slot, c.rangeEnd), c.slot);
    const QStringList atRangeEnd = calculationOutcome(w) + answers.seen();
    answers.clear();
    QVERIFY(callSlot(w, c.slot, c.extreme));
    QCOMPARE(calculationOutcome(w) + answers.seen(), atRangeEnd);
}

QTEST_MAIN(TestOptionSlots)
#include "tst_optionslots.moc"
