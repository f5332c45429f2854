// Context and PLL input slots: one table over the slots (the value lands in
// the right member and context, the current context follows, and the
// calculation covers the slot's own context, or after a PLL input every
// context, or does not run), then the PLL slots whose rules depend on the
// sensor, and numbers no widget gives, which count as the end of the
// widget's range. Widgets of option forms are made here and connected in
// string form, as the option panels connect them.
#include "calvex.h"
#include "pallador.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QtTest>

#include <climits>
#include <functional>

namespace {

enum { Unchanged = -1 };

struct SlotCase {
    QString sensor; // sample loaded first
    std::function<bool(Pallador &)> act;
    std::function<QVariant(const Pallador &)> read; // null: nothing to read
    QVariant expected;
    int context = Unchanged; // the context the slot makes current
    int calcs = 1;           // calculations the slot started
    bool pllChanged = false; // their flag: the PLL changed, every context is due
};

// Panel widgets, made below the PLL placeholder, stored in the window's
// reference and connected as the option panels connect them. Null when the
// connection failed (no slot of that name and signature).
template <class W> W *panel(Pallador &w, W *&ref, const char *signal, const char *slot)
{
    auto *widget = new W(w.ui.widgetADV_PLL);
    ref = widget;
    return QObject::connect(widget, signal, &w, slot) ? widget : nullptr;
}

QCheckBox *panelBox(Pallador &w, QCheckBox *&ref, const char *slot, bool checked = false)
{
    auto *box = new QCheckBox(w.ui.widgetADV_PLL);
    box->setChecked(checked);
    ref = box;
    return QObject::connect(box, SIGNAL(clicked()), &w, slot) ? box : nullptr;
}

QSpinBox *panelSpin(Pallador &w, QSpinBox *&ref, const char *slot)
{
    auto *spin = new QSpinBox(w.ui.widgetADV_PLL);
    spin->setRange(0, 1000);
    ref = spin;
    return QObject::connect(spin, SIGNAL(valueChanged(int)), &w, slot) ? spin : nullptr;
}

QDoubleSpinBox *panelDSpin(Pallador &w, QDoubleSpinBox *&ref, const char *slot)
{
    auto *spin = new QDoubleSpinBox(w.ui.widgetADV_PLL);
    spin->setRange(0.0, 1000.0);
    ref = spin;
    return QObject::connect(spin, SIGNAL(valueChanged(double)), &w, slot) ? spin : nullptr;
}

QComboBox *panelCombo(Pallador &w, QComboBox *&ref, const char *slot, const QStringList &items)
{
    auto *combo = new QComboBox(w.ui.widgetADV_PLL);
    combo->addItems(items);
    ref = combo;
    return QObject::connect(combo, SIGNAL(currentIndexChanged(int)), &w, slot) ? combo : nullptr;
}

const QStringList kFourItems = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("8x")};

// Clicks a panel box; false when it could not be connected.
bool click(QCheckBox *box)
{
    if (!box)
        return false;
    box->click();
    return true;
}

template <class Spin, class Value> bool setValue(Spin *spin, Value value)
{
    if (!spin)
        return false;
    spin->setValue(value);
    return true;
}

bool choose(QComboBox *combo, int index)
{
    if (!combo)
        return false;
    combo->setCurrentIndex(index);
    return true;
}

QVariant values(const QVariantList &list)
{
    return QVariant(list);
}

// Ticks a dock override box without its slot and enables its value box, as
// the ticked box leaves it.
void overriding(QCheckBox *box, QWidget *value)
{
    box->setChecked(true);
    value->setEnabled(true);
}

template <class W> W *disabled(W *widget)
{
    if (widget)
        widget->setEnabled(false);
    return widget;
}

// A spin box showing a value, set as the library's results are (no slot runs).
QSpinBox *shows(QSpinBox *spin, int value)
{
    if (spin) {
        const QSignalBlocker quiet(spin);
        spin->setValue(value);
    }
    return spin;
}

} // namespace

Q_DECLARE_METATYPE(SlotCase)

namespace {

// A number no widget gives, and the end of the widget's range it stands for;
// the advanced PLL panel is open.
struct ExtremeCase {
    QString sensor;
    const char *slot;
    int extreme;
    int rangeEnd;
    std::function<void(Pallador &)> prepare;
};

// The P4 and P5 requests reach the library while their boxes are ticked.
void dividerBoxesTicked(Pallador &w)
{
    panelBox(w, w.checkPLL_P4, SLOT(checkPLL_P4_clicked()), true);
    panelBox(w, w.checkPLL_P5, SLOT(checkPLL_P5_clicked()), true);
}

} // namespace

Q_DECLARE_METATYPE(ExtremeCase)

#define READ(expr) [](const Pallador &w) { return QVariant(expr); }

class TestInputSlots : public QObject {
    Q_OBJECT

private slots:
    void slotTable_data();
    void slotTable();
    void typedFrameRate();
    void bridgeFrameRateType();
    void bypass();
    void minimumFrequency();
    void fastClock();
    void twoClocksPerPixel();
    void customerRevision();
    void focalPlaneRevision();
    void keepSync();
    void interfaceOfVek124();
    void extremes_data();
    void extremes();
};

void TestInputSlots::slotTable_data()
{
    QTest::addColumn<SlotCase>("slot");
    // A two-context sensor, where the contexts a calculation covers tell
    // a context input from a PLL input.
    const QString two = QStringLiteral("Vek108m");

    // Context inputs: their own context current and calculated alone.
    QTest::newRow("mirror A") << SlotCase{two,
                                          [](Pallador &w) {
                                              w.ui.checkHorzMirror_A->click();
                                              return true;
                                          },
                                          READ(w.mirror[0]), true, 0};
    QTest::newRow("mirror B") << SlotCase{two,
                                          [](Pallador &w) {
                                              w.ui.checkHorzMirror_B->click();
                                              return true;
                                          },
                                          READ(w.mirror[1]), true, 1};
    QTest::newRow("flip A") << SlotCase{two,
                                        [](Pallador &w) {
                                            w.ui.checkVertFlip_A->click();
                                            return true;
                                        },
                                        READ(w.flip[0]), true, 0};
    QTest::newRow("flip B") << SlotCase{two,
                                        [](Pallador &w) {
                                            w.ui.checkVertFlip_B->click();
                                            return true;
                                        },
                                        READ(w.flip[1]), true, 1};
    QTest::newRow("frame-rate type A variable")
        << SlotCase{two,
                    [](Pallador &w) {
                        const QSignalBlocker block(w.ui.dSpinMinFRate_A);
                        w.ui.dSpinMinFRate_A->setValue(7.5);
                        w.ui.comboTypeFRate_A->setCurrentIndex(1);
                        return true;
                    },
                    READ(values({w.variableFps[0], w.discreteFps[0], w.minFps[0], w.ui.dSpinMinFRate_A->isEnabled()})),
                    values({true, false, 7.5, true}), 0};
    QTest::newRow("frame-rate type A fixed")
        << SlotCase{two,
                    [](Pallador &w) {
                        {
                            const QSignalBlocker block(w.ui.comboTypeFRate_A);
                            w.ui.comboTypeFRate_A->setCurrentIndex(1);
                        }
                        w.ui.dSpinMinFRate_A->setEnabled(true);
                        w.variableFps[0] = w.discreteFps[0] = true;
                        w.ui.comboTypeFRate_A->setCurrentIndex(0);
                        return true;
                    },
                    READ(values({w.variableFps[0], w.discreteFps[0], w.ui.dSpinMinFRate_A->isEnabled()})),
                    values({false, false, false}), 0};
    QTest::newRow("frame-rate type A discrete")
        << SlotCase{two,
                    [](Pallador &w) {
                        {
                            const QSignalBlocker block(w.ui.dSpinMinFRate_A);
                            w.ui.dSpinMinFRate_A->setValue(6.5);
                        }
                        w.ui.comboTypeFRate_A->addItem(QStringLiteral("Discrete Variable Frame Rate"));
                        w.ui.comboTypeFRate_A->setCurrentIndex(2);
                        return true;
                    },
                    READ(values({w.variableFps[0], w.discreteFps[0], w.minFps[0]})), values({true, true, 6.5}), 0};
    QTest::newRow("frame-rate type B variable") << SlotCase{
        two,
        [](Pallador &w) {
            const QSignalBlocker block(w.ui.dSpinMinFRate_B);
            w.ui.dSpinMinFRate_B->setValue(9.5);
            w.ui.comboTypeFRate_B->setCurrentIndex(1);
            return true;
        },
        READ(values({w.variableFps[1], w.minFps[1], w.ui.dSpinMinFRate_B->isEnabled()})), values({true, 9.5, true}), 1};
    QTest::newRow("frame-rate type emptied list stores nothing") << SlotCase{two,
                                                                             [](Pallador &w) {
                                                                                 w.variableFps[1] = true;
                                                                                 w.ui.comboTypeFRate_B->clear();
                                                                                 return true;
                                                                             },
                                                                             READ(w.variableFps[1]), true, 1};
    // An editable list reports a new entry as an index and a text change.
    QTest::newRow("target rate A from the list")
        << SlotCase{two,
                    [](Pallador &w) {
                        {
                            const QSignalBlocker block(w.ui.comboMaxFRate_A);
                            w.ui.comboMaxFRate_A->clear();
                            w.ui.comboMaxFRate_A->addItems({"55", "45", "36.67"});
                        }
                        return choose(w.ui.comboMaxFRate_A, 2);
                    },
                    READ(w.maxFps[0]),
                    36.67,
                    0,
                    2};
    QTest::newRow("target rate B not a number")
        << SlotCase{two,
                    [](Pallador &w) {
                        w.ui.comboMaxFRate_B->setEditText(QStringLiteral("fast"));
                        return true;
                    },
                    READ(w.maxFps[1]), 0.0, 1};
    QTest::newRow("target rate A infinite") << SlotCase{two,
                                                        [](Pallador &w) {
                                                            w.ui.comboMaxFRate_A->setEditText(QStringLiteral("inf"));
                                                            return true;
                                                        },
                                                        READ(w.maxFps[0]), 0.0, 0};
    QTest::newRow("minimum rate A") << SlotCase{two, [](Pallador &w) { return setValue(w.ui.dSpinMinFRate_A, 7.25); },
                                                READ(w.minFps[0]), 7.25, 0};
    QTest::newRow("minimum rate B") << SlotCase{two, [](Pallador &w) { return setValue(w.ui.dSpinMinFRate_B, 3.5); },
                                                READ(w.minFps[1]), 3.5, 1};
    QTest::newRow("blanking A user vertical")
        << SlotCase{two,
                    [](Pallador &w) {
                        const QSignalBlocker block(w.ui.spinUserBlank_A);
                        w.ui.spinUserBlank_A->setValue(700);
                        w.ui.comboTypeBlank_A->setCurrentIndex(2);
                        return true;
                    },
                    READ(values({w.blankType[0], w.userVBlank[0], w.userHBlank[0], w.ui.spinUserBlank_A->isEnabled()})),
                    values({2, 700, 700, true}), 0};
    QTest::newRow("blanking B minimum vertical") << SlotCase{
        two,
        [](Pallador &w) {
            w.ui.spinUserBlank_B->setEnabled(true);
            w.ui.comboTypeBlank_B->setCurrentIndex(1);
            return true;
        },
        READ(values({w.blankType[1], w.userVBlank[1], w.ui.spinUserBlank_B->isEnabled()})), values({1, 500, false}), 1};
    QTest::newRow("user blanking A vertical")
        << SlotCase{two,
                    [](Pallador &w) {
                        w.blankType[0] = 2;
                        return setValue(w.ui.spinUserBlank_A, 800);
                    },
                    READ(values({w.userVBlank[0], w.userHBlank[0]})), values({800, 500}), 0};
    QTest::newRow("user blanking B horizontal")
        << SlotCase{two,
                    [](Pallador &w) {
                        w.blankType[1] = 3;
                        return setValue(w.ui.spinUserBlank_B, 900);
                    },
                    READ(values({w.userVBlank[1], w.userHBlank[1]})), values({500, 900}), 1};
    QTest::newRow("user blanking with minimum blanking stores nothing")
        << SlotCase{two, [](Pallador &w) { return setValue(w.ui.spinUserBlank_A, 800); },
                    READ(values({w.userVBlank[0], w.userHBlank[0]})), values({500, 500}), 0};
    // Output options: no calculation, the context stays.
    QTest::newRow("output PLL rows") << SlotCase{two,
                                                 [](Pallador &w) {
                                                     w.ui.checkOutputPLL->click();
                                                     return true;
                                                 },
                                                 READ(w.outputPll),
                                                 false,
                                                 Unchanged,
                                                 0};
    QTest::newRow("output timing rows") << SlotCase{two,
                                                    [](Pallador &w) {
                                                        w.ui.checkOutputTiming->click();
                                                        return true;
                                                    },
                                                    READ(w.outputTiming),
                                                    false,
                                                    Unchanged,
                                                    0};
    // The set-up ticks the box for a sensor with a standard template.
    QTest::newRow("INI template") << SlotCase{two,
                                              [](Pallador &w) {
                                                  w.ui.checkUseSTD->click();
                                                  return true;
                                              },
                                              READ(values({w.useStdTemplate, w.ui.checkUseSTD->isChecked()})),
                                              values({false, false}),
                                              Unchanged,
                                              0};

    // PLL dock: the current context calculated, then the other one, which
    // ends current.
    QTest::newRow("input clock") << SlotCase{
        two, [](Pallador &w) { return setValue(w.ui.dSpinPLL_Input, 25.0); }, READ(w.pllInput), 25.0, Unchanged, 1,
        true};
    QTest::newRow("target clock") << SlotCase{
        two, [](Pallador &w) { return setValue(w.ui.dSpinPLL_Target, 74.25); }, READ(w.pllTarget), 74.25, Unchanged, 1,
        true};
    // The override values are typed with their box ticked; unticked, the
    // box shows the library's choice after each calculation (its slot
    // stores that and calculates nothing more).
    QTest::newRow("VCO value") << SlotCase{two,
                                           [](Pallador &w) {
                                               overriding(w.ui.checkPLL_VCO, w.ui.dSpinPLL_VCO);
                                               return setValue(w.ui.dSpinPLL_VCO, 600.5);
                                           },
                                           READ(values({w.pllVco, w.ui.dSpinPLL_VCO->value()})),
                                           values({600.5, 600.5}),
                                           Unchanged,
                                           1,
                                           true};
    QTest::newRow("N value") << SlotCase{two,
                                         [](Pallador &w) {
                                             overriding(w.ui.checkPLL_N, w.ui.spinPLL_N);
                                             return setValue(w.ui.spinPLL_N, 5);
                                         },
                                         READ(values({w.pllN, w.ui.spinPLL_N->value()})),
                                         values({5, 5}),
                                         Unchanged,
                                         1,
                                         true};
    QTest::newRow("M value") << SlotCase{two,
                                         [](Pallador &w) {
                                             overriding(w.ui.checkPLL_M, w.ui.spinPLL_M);
                                             return setValue(w.ui.spinPLL_M, 40);
                                         },
                                         READ(values({w.pllM, w.ui.spinPLL_M->value()})),
                                         values({40, 40}),
                                         Unchanged,
                                         1,
                                         true};
    QTest::newRow("N value unticked: the library's choice")
        << SlotCase{two,
                    [](Pallador &w) { return setValue(w.ui.spinPLL_N, 5); },
                    READ(values({w.ui.spinPLL_N->value() != 5, w.pllN == w.ui.spinPLL_N->value()})),
                    values({true, true}),
                    Unchanged,
                    1,
                    true};
    QTest::newRow("VCO override") << SlotCase{two,
                                              [](Pallador &w) {
                                                  w.ui.checkPLL_VCO->click();
                                                  return true;
                                              },
                                              READ(w.ui.dSpinPLL_VCO->isEnabled()),
                                              true,
                                              Unchanged,
                                              1,
                                              true};
    QTest::newRow("N override ticked takes the box's value")
        << SlotCase{two,
                    [](Pallador &w) {
                        {
                            const QSignalBlocker block(w.ui.spinPLL_N);
                            w.ui.spinPLL_N->setValue(6);
                        }
                        w.ui.checkPLL_N->click();
                        return true;
                    },
                    READ(values({w.pllN, w.ui.spinPLL_N->isEnabled()})),
                    values({6, true}),
                    Unchanged,
                    1,
                    true};
    QTest::newRow("N override unticked keeps the value")
        << SlotCase{two,
                    [](Pallador &w) {
                        w.ui.checkPLL_N->setChecked(true);
                        w.ui.spinPLL_N->setEnabled(true);
                        w.pllN = 6;
                        w.ui.checkPLL_N->click();
                        return true;
                    },
                    READ(values({w.pllN, w.ui.spinPLL_N->isEnabled()})),
                    values({6, false}),
                    Unchanged,
                    1,
                    true};
    QTest::newRow("M override ticked takes the box's value")
        << SlotCase{two,
                    [](Pallador &w) {
                        {
                            const QSignalBlocker block(w.ui.spinPLL_M);
                            w.ui.spinPLL_M->setValue(40);
                        }
                        w.ui.checkPLL_M->click();
                        return true;
                    },
                    READ(values({w.pllM, w.ui.spinPLL_M->isEnabled()})),
                    values({40, true}),
                    Unchanged,
                    1,
                    true};
    QTest::newRow("interface") << SlotCase{two,
                                           [](Pallador &w) {
                                               {
                                                   const QSignalBlocker block(w.ui.comboPLL_Interface);
                                                   w.ui.comboPLL_Interface->clear();
                                                   w.ui.comboPLL_Interface->addItems({"Parallel", "MIPI", "HiSPi"});
                                               }
                                               w.ui.comboPLL_Interface->setCurrentIndex(2);
                                               return true;
                                           },
                                           READ(w.interfaceIndex),
                                           2,
                                           Unchanged,
                                           1,
                                           true};

    // Advanced PLL panel, plain stores.
    QTest::newRow("auto adjust") << SlotCase{
        two,
        [](Pallador &w) { return click(panelBox(w, w.checkUseDataRate, SLOT(checkPLL_AutoAdjust_clicked()))); },
        READ(w.pllAutoAdjust),
        true,
        Unchanged,
        1,
        true};
    QTest::newRow("companding") << SlotCase{
        two,
        [](Pallador &w) { return click(panelBox(w, w.checkCompand, SLOT(checkPLL_Companding_clicked()))); },
        READ(w.companding),
        true,
        Unchanged,
        1,
        true};
    QTest::newRow("dark columns") << SlotCase{
        two,
        [](Pallador &w) { return click(panelBox(w, w.checkPLL_DarkCols, SLOT(checkPLL_DarkCols_clicked()))); },
        READ(w.darkCols),
        true,
        Unchanged,
        1,
        true};
    QTest::newRow("dark rows") << SlotCase{
        two,
        [](Pallador &w) { return click(panelBox(w, w.checkPLL_DarkRows, SLOT(checkPLL_DarkRows_clicked()))); },
        READ(w.darkRows),
        true,
        Unchanged,
        1,
        true};
    QTest::newRow("embedded data off") << SlotCase{
        two,
        [](Pallador &w) { return click(panelBox(w, w.checkPLL_EmbedData, SLOT(checkPLL_EmbedData_clicked()), true)); },
        READ(w.embedData),
        false,
        Unchanged,
        1,
        true};
    QTest::newRow("embedded statistics off") << SlotCase{
        two,
        [](Pallador &w) { return click(panelBox(w, w.checkPLL_EmbedStat, SLOT(checkPLL_EmbedStat_clicked()), true)); },
        READ(w.embedStat),
        false,
        Unchanged,
        1,
        true};
    QTest::newRow("MIPI continuous clock") << SlotCase{
        two,
        [](Pallador &w) { return click(panelBox(w, w.checkPLL_MIPICont, SLOT(checkPLL_MIPICont_clicked()))); },
        READ(w.mipiCont),
        true,
        Unchanged,
        1,
        true};
    QTest::newRow("MIPI header") << SlotCase{
        two,
        [](Pallador &w) { return click(panelBox(w, w.checkPLL_MIPIHeader, SLOT(checkPLL_MIPIHeader_clicked()))); },
        READ(w.mipiHeader),
        true,
        Unchanged,
        1,
        true};
    QTest::newRow("prescaler") << SlotCase{
        two,
        [](Pallador &w) { return click(panelBox(w, w.checkPLL_PreScale, SLOT(checkPLL_PreScale_clicked()))); },
        READ(w.pllPreScale),
        true,
        Unchanged,
        1,
        true};
    QTest::newRow("2-pixel bits") << SlotCase{
        two,
        [](Pallador &w) {
            return choose(panelCombo(w, w.combo2pixBits, SLOT(comboPLL_2PixBits_currentIndexChanged(int)), kFourItems),
                          2);
        },
        READ(w.twoPixBits),
        2,
        Unchanged,
        1,
        true};
    QTest::newRow("bit depth") << SlotCase{
        two,
        [](Pallador &w) {
            return choose(panelCombo(w, w.comboPLL_Bits, SLOT(comboPLL_OpBits_currentIndexChanged(int)), kFourItems),
                          1);
        },
        READ(w.opBits),
        1,
        Unchanged,
        1,
        true};
    QTest::newRow("output port") << SlotCase{
        two,
        [](Pallador &w) {
            return choose(panelCombo(w, w.comboOutPort, SLOT(comboPLL_OutPort_currentIndexChanged(int)), kFourItems),
                          1);
        },
        READ(w.outPort),
        1,
        Unchanged,
        1,
        true};
    QTest::newRow("PHY clock divider") << SlotCase{
        two,
        [](Pallador &w) {
            return choose(panelCombo(w, w.comboPLL_PhyType, SLOT(comboPLL_PhyCD_currentIndexChanged(int)), kFourItems),
                          2);
        },
        READ(w.phyCd),
        2,
        Unchanged,
        1,
        true};
    QTest::newRow("P1 from its item") << SlotCase{
        two,
        [](Pallador &w) {
            return choose(panelCombo(w, w.comboPLL_P1, SLOT(comboPLL_P1_currentIndexChanged(int)), kFourItems), 2);
        },
        READ(w.pllP1),
        4,
        Unchanged,
        1,
        true};
    QTest::newRow("P1 item not a number") << SlotCase{
        two,
        [](Pallador &w) {
            return choose(panelCombo(w, w.comboPLL_P1, SLOT(comboPLL_P1_currentIndexChanged(int)), kFourItems), 3);
        },
        READ(w.pllP1),
        0,
        Unchanged,
        1,
        true};

    struct SpinStore {
        const char *name;
        QSpinBox *Pallador::*ref;
        const char *slot;
        int Pallador::*member;
    };
    static const SpinStore spinStores[] = {
        {"P4 value", &Pallador::spinPLL_P4, SLOT(spinPLL_P4_valueChanged(int)), &Pallador::pllP4},
        {"P5 value", &Pallador::spinPLL_P5, SLOT(spinPLL_P5_valueChanged(int)), &Pallador::pllP5},
        {"WCD value", &Pallador::spinPLL_WCD, SLOT(spinPLL_WCD_valueChanged(int)), &Pallador::pllWcd},
        {"I2C value", &Pallador::spinPLL_I2C, SLOT(spinPLL_I2C_valueChanged(int)), &Pallador::pllI2C},
        {"N2 value", &Pallador::spinPLL_N2, SLOT(spinPLL_N2_valueChanged(int)), &Pallador::pllN2},
        {"M2 value", &Pallador::spinPLL_M2, SLOT(spinPLL_M2_valueChanged(int)), &Pallador::pllM2},
        {"MP divider", &Pallador::spinPLL_MPDiv, SLOT(spinPLL_MPDiv_valueChanged(int)), &Pallador::mpDiv},
        {"VT divider", &Pallador::spinPLL_VtDiv, SLOT(spinPLL_VtDiv_valueChanged(int)), &Pallador::vtDiv},
        {"OTP revision", &Pallador::spinOTPRev, SLOT(spinPLL_OTPRev_valueChanged(int)), &Pallador::otpRev},
    };
    int value = 3;
    for (const SpinStore &s : spinStores) {
        const int v = value++;
        QTest::newRow(s.name) << SlotCase{two,
                                          [s, v](Pallador &w) { return setValue(panelSpin(w, w.*s.ref, s.slot), v); },
                                          [s](const Pallador &w) { return QVariant(w.*s.member); },
                                          v,
                                          Unchanged,
                                          1,
                                          true};
    }
    QTest::newRow("second target clock") << SlotCase{
        two,
        [](Pallador &w) {
            return setValue(panelDSpin(w, w.dSpinPLL_OutRate, SLOT(dSpinPLL_TgtOp_valueChanged(double))), 99.5);
        },
        READ(w.pllTargetOp),
        99.5,
        Unchanged,
        1,
        true};
    QTest::newRow("second VCO") << SlotCase{
        two,
        [](Pallador &w) {
            return setValue(panelDSpin(w, w.dSpinPLL_VCO2, SLOT(dspinPLL_VCO2_valueChanged(double))), 800.5);
        },
        READ(w.pllVco2),
        800.5,
        Unchanged,
        1,
        true};
    QTest::newRow("second VCO, integer box") << SlotCase{
        two,
        [](Pallador &w) { return setValue(panelSpin(w, w.spinPLL_VCO2, SLOT(spinPLL_VCO2_valueChanged(int))), 900); },
        READ(w.pllVco2),
        900.0,
        Unchanged,
        1,
        true};
    QTest::newRow("keep-sync line length") << SlotCase{
        two,       [](Pallador &w) { return setValue(panelSpin(w, w.pCKSpinBox, SLOT(onKeepSyncPck())), 1600); },
        nullptr,   QVariant(),
        Unchanged, 1,
        true};
    QTest::newRow("keep-sync frame length") << SlotCase{
        two,       [](Pallador &w) { return setValue(panelSpin(w, w.fLSpinBox, SLOT(onKeepSyncFl())), 900); },
        nullptr,   QVariant(),
        Unchanged, 1,
        true};
    QTest::newRow("keep-sync clock") << SlotCase{two,
                                                 [](Pallador &w) {
                        return setValue(panelDSpin(w, w.dbspbxKeepSyncClock, SLOT(onKeepSyncClock())), 27.0); },
                                                 nullptr,
                                                 QVariant(),
                                                 Unchanged,
                                                 1,
                                                 true};

    // Advanced PLL panel, override boxes.
    // A ticked override requests what its box shows.
    QTest::newRow("P1 override ticked: no calculation") << SlotCase{
        two,
        [](Pallador &w) {
            return disabled(panelCombo(w, w.comboPLL_P1, SLOT(comboPLL_P1_currentIndexChanged(int)), kFourItems)) &&
                   click(panelBox(w, w.checkPLL_P1, SLOT(checkPLL_P1_clicked())));
        },
        READ(values({w.comboPLL_P1->isEnabled(), w.pllP1})),
        values({true, 1}),
        Unchanged,
        0};
    QTest::newRow("P1 override unticked: the library chooses")
        << SlotCase{two,
                    [](Pallador &w) {
                        w.pllP1 = 4;
                        return panelCombo(w, w.comboPLL_P1, SLOT(comboPLL_P1_currentIndexChanged(int)), kFourItems) &&
                               click(panelBox(w, w.checkPLL_P1, SLOT(checkPLL_P1_clicked()), true));
                    },
                    READ(values({w.comboPLL_P1->isEnabled(), w.pllP1})),
                    values({false, -1}),
                    Unchanged,
                    1,
                    true};
    QTest::newRow("P4 override ticked shows the kept value")
        << SlotCase{two,
                    [](Pallador &w) {
                        QSpinBox *spin = panelSpin(w, w.spinPLL_P4, SLOT(spinPLL_P4_valueChanged(int)));
                        if (!spin)
                            return false;
                        {
                            const QSignalBlocker block(spin);
                            spin->setRange(1, 64);
                            spin->setValue(5);
                        }
                        w.pllP4 = 3;
                        return click(panelBox(w, w.checkPLL_P4, SLOT(checkPLL_P4_clicked())));
                    },
                    READ(values({w.spinPLL_P4->isEnabled(), w.spinPLL_P4->value(), w.pllP4})),
                    values({true, 3, 3}),
                    Unchanged,
                    1,
                    true};
    QTest::newRow("P4 override ticked, -1 clamped to the shown minimum")
        << SlotCase{two,
                    [](Pallador &w) {
                        QSpinBox *spin = panelSpin(w, w.spinPLL_P4, SLOT(spinPLL_P4_valueChanged(int)));
                        if (!spin)
                            return false;
                        {
                            const QSignalBlocker block(spin);
                            spin->setRange(1, 64);
                        }
                        return click(panelBox(w, w.checkPLL_P4, SLOT(checkPLL_P4_clicked())));
                    },
                    READ(values({w.spinPLL_P4->value(), w.pllP4})),
                    values({1, -1}),
                    Unchanged,
                    0};
    QTest::newRow("P4 override unticked")
        << SlotCase{two,
                    [](Pallador &w) {
                        w.pllP4 = 3;
                        return panelSpin(w, w.spinPLL_P4, SLOT(spinPLL_P4_valueChanged(int))) &&
                               click(panelBox(w, w.checkPLL_P4, SLOT(checkPLL_P4_clicked()), true));
                    },
                    READ(values({w.spinPLL_P4->isEnabled(), w.pllP4})),
                    values({false, -1}),
                    Unchanged,
                    1,
                    true};
    QTest::newRow("P5 override ticked: no calculation")
        << SlotCase{two,
                    [](Pallador &w) {
                        return shows(disabled(panelSpin(w, w.spinPLL_P5, SLOT(spinPLL_P5_valueChanged(int)))), 3) &&
                               click(panelBox(w, w.checkPLL_P5, SLOT(checkPLL_P5_clicked())));
                    },
                    READ(values({w.spinPLL_P5->isEnabled(), w.pllP5})),
                    values({true, 3}),
                    Unchanged,
                    0};
    QTest::newRow("P5 override unticked")
        << SlotCase{two,
                    [](Pallador &w) {
                        w.pllP5 = 2;
                        return panelSpin(w, w.spinPLL_P5, SLOT(spinPLL_P5_valueChanged(int))) &&
                               click(panelBox(w, w.checkPLL_P5, SLOT(checkPLL_P5_clicked()), true));
                    },
                    READ(values({w.spinPLL_P5->isEnabled(), w.pllP5})),
                    values({false, -1}),
                    Unchanged,
                    1,
                    true};
    QTest::newRow("N2 override ticked") << SlotCase{
        two,
        [](Pallador &w) {
            return shows(disabled(panelSpin(w, w.spinPLL_N2, SLOT(spinPLL_N2_valueChanged(int)))), 4) &&
                   click(panelBox(w, w.checkPLL_N2, SLOT(checkPLL_N2_clicked())));
        },
        READ(values({w.spinPLL_N2->isEnabled(), w.pllN2})),
        values({true, 4}),
        Unchanged,
        1,
        true};
    QTest::newRow("M2 override unticked")
        << SlotCase{two,
                    [](Pallador &w) {
                        return panelSpin(w, w.spinPLL_M2, SLOT(spinPLL_M2_valueChanged(int))) &&
                               click(panelBox(w, w.checkPLL_M2, SLOT(checkPLL_M2_clicked()), true));
                    },
                    READ(w.spinPLL_M2->isEnabled()),
                    false,
                    Unchanged,
                    1,
                    true};
    QTest::newRow("VCO2 override, form with the double box only")
        << SlotCase{two,
                    [](Pallador &w) {
                        return disabled(panelDSpin(w, w.dSpinPLL_VCO2, SLOT(dspinPLL_VCO2_valueChanged(double)))) &&
                               click(panelBox(w, w.checkPLL_VCO2, SLOT(checkPLL_VCO2_clicked())));
                    },
                    READ(w.dSpinPLL_VCO2->isEnabled()),
                    true,
                    Unchanged,
                    1,
                    true};
    QTest::newRow("WCD override: no calculation")
        << SlotCase{two,
                    [](Pallador &w) {
                        return shows(disabled(panelSpin(w, w.spinPLL_WCD, SLOT(spinPLL_WCD_valueChanged(int)))), 2) &&
                               click(panelBox(w, w.checkPLL_WCD, SLOT(checkPLL_WCD_clicked())));
                    },
                    READ(values({w.spinPLL_WCD->isEnabled(), w.pllWcd})),
                    values({true, 2}),
                    Unchanged,
                    0};
    QTest::newRow("I2C box: no calculation")
        << SlotCase{two,
                    [](Pallador &w) {
                        return panelSpin(w, w.spinPLL_I2C, SLOT(spinPLL_I2C_valueChanged(int))) &&
                               click(panelBox(w, w.checkPLL_I2C, SLOT(checkPLL_I2C_clicked()), true));
                    },
                    READ(w.spinPLL_I2C->isEnabled()),
                    false,
                    Unchanged,
                    0};
}

void TestInputSlots::slotTable()
{
    QFETCH(SlotCase, slot);
    FixtureInstall install;
    Pallador w(QString{});
    w.loadConfigFile(install.addSample(slot.sensor + QStringLiteral(".cfg")));
    QCOMPARE(w.sensorIndex > 0, true);
    const bool twoContexts = w.contextCount == 2;
    // Start from a context other than the one the slot selects.
    const int start = twoContexts && slot.context == 0 ? 1 : 0;
    w.currentContext = start;
    resetJournal(w);

    QVERIFY2(slot.act(w), "the slot could not be connected");

    if (slot.read)
        QCOMPARE(slot.read(w), slot.expected);
    // Each calculation calculates the selected context; with the PLL changed
    // a two-context sensor calculates the other context too, which is
    // current afterwards.
    int current = slot.context == Unchanged ? start : slot.context;
    QList<int> contexts;
    for (int i = 0; i < slot.calcs; ++i) {
        contexts << current;
        if (slot.pllChanged && twoContexts) {
            current = 1 - current;
            contexts << current;
        }
    }
    QCOMPARE(calculatedContexts(w), contexts);
    QCOMPARE(calculations(w), int(contexts.size()));
    QCOMPARE(w.currentContext, current);
}

// Typing into the target frame rate stores every intermediate number, each
// followed by a calculation of that context.
void TestInputSlots::typedFrameRate()
{
    FixtureInstall install;
    Pallador w(QString{});
    w.show();
    w.loadConfigFile(install.addSample(QStringLiteral("Vek108m.cfg")));
    w.ui.comboMaxFRate_B->clearEditText();
    QVector<double> stored;
    QVector<int> contexts;
    QObject::connect(w.ui.comboMaxFRate_B, &QComboBox::editTextChanged, [&] {
        // Runs after the window's slot, which was connected first.
        stored << w.maxFps[1];
        contexts << w.currentContext;
    });
    w.currentContext = 0;
    resetJournal(w);
    QTest::keyClicks(w.ui.comboMaxFRate_B->lineEdit(), QStringLiteral("60"));
    QCOMPARE(stored, (QVector<double>{6.0, 60.0}));
    QCOMPARE(contexts, (QVector<int>{1, 1}));
    // Context B alone, once per keystroke.
    QCOMPARE(calculatedContexts(w), (QList<int>{1, 1}));
    QCOMPARE(calculations(w), 2);
}

// Yorm_102 bridges: the DFS boxes serve the discrete variable rate, and a
// variable rate runs in the first operation mode, unless the attached sensor
// is of kind 2; missing controls are skipped.
void TestInputSlots::bridgeFrameRateType()
{
    FixtureInstall install;
    for (int kind : {0, 2}) {
        Pallador w(QString{});
        w.loadConfigFile(install.addSample(QStringLiteral("Yorm102m.cfg")));
        w.calvex->yorm_102->sensorKind = kind;
        QDoubleSpinBox *dfs[2] = {new QDoubleSpinBox(&w), new QDoubleSpinBox(&w)};
        w.dSpinDfs[0] = dfs[0];
        w.dSpinDfs[1] = dfs[1];
        auto *operMode = new QComboBox(&w);
        operMode->addItems({"SDR", "HDR(ME)", "HDR(DLO)"});
        operMode->setCurrentIndex(2);
        w.comboOperMode = operMode;
        QComboBox *type = w.ui.comboTypeFRate_A;
        type->addItem(QStringLiteral("Discrete Variable Frame Rate"));

        type->setCurrentIndex(2);
        QVERIFY(w.discreteFps[0]);
        QVERIFY(dfs[0]->isEnabled() && dfs[1]->isEnabled());
        QCOMPARE(operMode->currentIndex(), kind == 2 ? 2 : 0);
        QCOMPARE(operMode->isEnabled(), kind == 2);

        type->setCurrentIndex(0);
        QVERIFY(!dfs[0]->isEnabled() && !dfs[1]->isEnabled());
        QVERIFY(operMode->isEnabled());

        operMode->setCurrentIndex(1);
        type->setCurrentIndex(1);
        QVERIFY(!w.discreteFps[0] && !dfs[0]->isEnabled());
        QCOMPARE(operMode->currentIndex(), kind == 2 ? 1 : 0);

        // Without the controls the slot still stores and calculates.
        w.dSpinDfs[0] = w.dSpinDfs[1] = nullptr;
        w.comboOperMode = nullptr;
        resetJournal(w);
        type->setCurrentIndex(2);
        QVERIFY(w.discreteFps[0]);
        QCOMPARE(calculations(w), 1);
    }
}

// Bypass disables the target and every ticked override; an unticked override
// keeps its box disabled either way; per sensor a few panel boxes follow.
void TestInputSlots::bypass()
{
    FixtureInstall install;
    const struct {
        const char *sample;
        bool p4;  // P4 box follows when ticked
        bool p5;  // P5 box follows when ticked
        bool wcd; // WCD box follows its own tick
        bool mpDiv;
    } cases[] = {
        {"Sarn102.cfg", true, true, false, false},    {"Sarn105k.cfg", false, false, true, false},
        {"Vek104.cfg", false, true, false, false},    {"Yorm101t.cfg", false, false, false, true},
        {"Tolm104m.cfg", false, false, false, false},
    };
    for (const auto &c : cases) {
        Pallador w(QString{});
        w.loadConfigFile(install.addSample(QLatin1String(c.sample)));
        const QByteArray name(c.sample);
        w.ui.checkPLL_N->click(); // ticked: its box follows bypass
        QVERIFY(w.ui.spinPLL_N->isEnabled() && !w.ui.spinPLL_M->isEnabled());
        QCheckBox *bypassBox = panelBox(w, w.checkPLL_Bypass, SLOT(checkPLL_Bypass_clicked()));
        QVERIFY(bypassBox);
        panelBox(w, w.checkPLL_P4, SLOT(checkPLL_P4_clicked()), true);
        panelBox(w, w.checkPLL_P5, SLOT(checkPLL_P5_clicked()), true);
        panelBox(w, w.checkPLL_WCD, SLOT(checkPLL_WCD_clicked()), false);
        QSpinBox *p4 = panelSpin(w, w.spinPLL_P4, SLOT(spinPLL_P4_valueChanged(int)));
        QSpinBox *p5 = panelSpin(w, w.spinPLL_P5, SLOT(spinPLL_P5_valueChanged(int)));
        QSpinBox *wcd = panelSpin(w, w.spinPLL_WCD, SLOT(spinPLL_WCD_valueChanged(int)));
        QSpinBox *mpDiv = panelSpin(w, w.spinPLL_MPDiv, SLOT(spinPLL_MPDiv_valueChanged(int)));
        w.currentContext = 0;
        resetJournal(w);

        bypassBox->click();
        QVERIFY2(w.pllBypass, name);
        QVERIFY2(!w.ui.dSpinPLL_Target->isEnabled(), name);
        QVERIFY2(!w.ui.spinPLL_N->isEnabled() && !w.ui.spinPLL_M->isEnabled() && !w.ui.dSpinPLL_VCO->isEnabled(), name);
        QCOMPARE(p4->isEnabled(), !c.p4);
        QCOMPARE(p5->isEnabled(), !c.p5);
        QCOMPARE(wcd->isEnabled(), !c.wcd);
        QCOMPARE(mpDiv->isEnabled(), !c.mpDiv);

        bypassBox->click();
        QVERIFY2(!w.pllBypass, name);
        // In minimum-frequency mode the family chooses the target itself.
        QVERIFY2(w.ui.dSpinPLL_Target->isEnabled() != w.pllMinFreq, name);
        QVERIFY2(w.ui.spinPLL_N->isEnabled(), name);
        QVERIFY2(!w.ui.spinPLL_M->isEnabled() && !w.ui.dSpinPLL_VCO->isEnabled(), name);
        QVERIFY2(p4->isEnabled() && p5->isEnabled() && mpDiv->isEnabled(), name);
        // Each click calculates every context of the sensor (a single-context
        // family may pass its context more than once in one calculation).
        if (w.contextCount == 2) {
            QCOMPARE(calculatedContexts(w), (QList<int>{0, 1, 1, 0}));
            QCOMPARE(calculations(w), 4);
        } else {
            QCOMPARE(calculations(w), 2);
            for (int context : calculatedContexts(w))
                QCOMPARE(context, 0);
        }
    }
    {
        // A form without the sensor's boxes.
        Pallador w(QString{});
        w.loadConfigFile(install.addSample(QStringLiteral("Yorm101t.cfg")));
        QCheckBox *bypassBox = panelBox(w, w.checkPLL_Bypass, SLOT(checkPLL_Bypass_clicked()));
        bypassBox->click();
        QVERIFY(w.pllBypass);
    }
}

// Without the minimum-frequency search a bridge runs at its family's default
// target clock; other sensors keep their clock.
void TestInputSlots::minimumFrequency()
{
    FixtureInstall install;
    for (const char *sample : {"Yorm106m.cfg", "Yorm102t.cfg", "Vek108m.cfg"}) {
        Pallador w(QString{});
        w.loadConfigFile(install.addSample(QLatin1String(sample)));
        const bool bridge = w.sensorIndex >= 54 && w.sensorIndex <= 58;
        w.ui.dSpinPLL_Target->setValue(50.0);
        QCheckBox *box = panelBox(w, w.checkPLL_MinFreq, SLOT(checkPLL_MinFreq_clicked()));

        box->click();
        QVERIFY(w.pllMinFreq);
        QCOMPARE(w.pllTarget, 50.0);

        w.currentContext = 0;
        resetJournal(w);
        box->click();
        QVERIFY(!w.pllMinFreq);
        const double expected = bridge ? w.calvex->family()->defaults.defaultTargetClock : 50.0;
        QVERIFY(!bridge || expected != 50.0);
        QCOMPARE(w.pllTarget, expected);
        QCOMPARE(w.ui.dSpinPLL_Target->value(), expected);
        // A bridge's target box calculates, then the slot; either calculation
        // covers every context.
        const QList<int> once = w.contextCount == 2 ? QList<int>{0, 1} : QList<int>{0};
        QCOMPARE(calculatedContexts(w), bridge ? once + once : once);
    }
}

void TestInputSlots::fastClock()
{
    FixtureInstall install;
    const struct {
        const char *sample;
        double targetOp; // with the box on; -1: unchanged
        double target;   // the target box either way; -1: unchanged
    } cases[] = {{"Vek107m.cfg", 99.428, 87.0}, {"Vek112m.cfg", 89.14, -1.0}, {"Vek108m.cfg", -1.0, -1.0}};
    for (const auto &c : cases) {
        Pallador w(QString{});
        w.loadConfigFile(install.addSample(QLatin1String(c.sample)));
        w.ui.dSpinPLL_Target->setValue(50.0);
        w.pllTargetOp = 1.0;
        QCheckBox *box = panelBox(w, w.checkSDRMode, SLOT(checkFastClock_clicked()));
        const double target = c.target < 0 ? 50.0 : c.target;

        w.currentContext = 0;
        resetJournal(w);
        box->click();
        QVERIFY(w.fastClock);
        QCOMPARE(w.pllTargetOp, c.targetOp < 0 ? 1.0 : c.targetOp);
        QCOMPARE(w.pllTarget, target);
        // The slot calculates the current context only.
        if (c.target < 0)
            QCOMPARE(calculatedContexts(w), QList<int>{0});

        w.pllTargetOp = 1.0;
        w.ui.dSpinPLL_Target->setValue(50.0);
        resetJournal(w);
        box->click();
        QVERIFY(!w.fastClock);
        QCOMPARE(w.pllTargetOp, 1.0);
        QCOMPARE(w.pllTarget, target);
        // The target box's own calculation, then the slot's.
        QCOMPARE(calculations(w), c.target < 0 ? 1 : 2);
    }
}

// The bridges' "Enable 2-clock/pixel" box; the panel's data-rate box and
// (Yorm102m) its 2-pixel bit list follow it while the panel is open.
void TestInputSlots::twoClocksPerPixel()
{
    FixtureInstall install;
    for (const char *sample : {"Yorm102m.cfg", "Yorm101t.cfg"}) {
        Pallador w(QString{});
        w.loadConfigFile(install.addSample(QLatin1String(sample)));
        const bool editable = w.sensorIndex == 55;
        QCheckBox *box = panelBox(w, w.check2ClkPix, SLOT(checkPLL_2ClkPix_clicked()));
        auto *dataRate = new QCheckBox(w.ui.widgetADV_PLL);
        w.checkUseDataRate = dataRate;
        auto *bits = new QComboBox(w.ui.widgetADV_PLL);
        w.combo2pixBits = bits;

        box->click();
        QVERIFY(w.twoClkPerPix);
        QVERIFY(dataRate->isEnabled());
        QVERIFY(!bits->isEditable());
        dataRate->setEnabled(false);
        box->click();
        QVERIFY(!w.twoClkPerPix);
        QVERIFY(!dataRate->isEnabled());

        w.ui.checkPLL_ADV->setChecked(true);
        box->click();
        QVERIFY(dataRate->isEnabled());
        QCOMPARE(bits->isEditable(), editable);
        resetJournal(w);
        box->click();
        QVERIFY(!dataRate->isEnabled());
        QVERIFY(!bits->isEditable());
        QCOMPARE(calculations(w), 1);

        // A form without those widgets.
        w.checkUseDataRate = nullptr;
        w.combo2pixBits = nullptr;
        box->click();
        QVERIFY(w.twoClkPerPix);
    }
}

void TestInputSlots::customerRevision()
{
    FixtureInstall install;
    for (const char *sample : {"Vek123m.cfg", "Vek123d.cfg", "Vek114d.cfg"}) {
        Pallador w(QString{});
        w.loadConfigFile(install.addSample(QLatin1String(sample)));
        const bool coded = w.sensorIndex == 88 || w.sensorIndex == 89;
        QComboBox *list =
            panelCombo(w, w.comboCust_Rev, SLOT(comboCust_REV_currentIndexChanged(int)), {"A", "B", "C", "D"});
        const int expected[] = {1170, 145, 0, 3};
        for (int index : {1, 2, 3, 0}) {
            resetJournal(w);
            list->setCurrentIndex(index);
            QCOMPARE(w.custRev, coded ? expected[index] : index);
            QCOMPARE(calculations(w), 1);
        }
    }
}

// Vek145l: the revision decides how many power states a focal plane has; the
// sixteen boxes are rewritten under busy (their own calculations held back)
// and the slot calculates once with recalc(false).
void TestInputSlots::focalPlaneRevision()
{
    FixtureInstall install;
    Pallador w(QString{});
    w.loadConfigFile(install.addSample(QStringLiteral("Vek145l.cfg")));
    QCOMPARE(w.sensorIndex, 41);
    QWidget *form = new QWidget(w.ui.widgetADV_A);
    w.advForm[0] = form;
    auto *label = new QLabel(new QWidget(form));
    label->setObjectName(QStringLiteral("label_FP_Options"));
    for (int i = 0; i < 16; ++i) {
        w.spinFP[i] = new QSpinBox(form);
        w.spinFP[i]->setRange(0, 2);
        w.spinFP[i]->setValue(i % 3);
        // Stands for the boxes' own slots, which calculate.
        QVERIFY(QObject::connect(w.spinFP[i], SIGNAL(valueChanged(int)), &w, SLOT(onKeepSyncPck())));
    }
    QComboBox *revision =
        panelCombo(w, w.comboPLL_REV, SLOT(comboPLL_REV_currentIndexChanged(int)), {"Rev 1", "Rev 2", "Rev 3"});
    // The window is at the list's revision index 1, whose options run to 2.
    {
        const QSignalBlocker block(revision);
        revision->setCurrentIndex(1);
    }
    w.revIndex = 1;
    resetJournal(w);

    revision->setCurrentIndex(0);
    QCOMPARE(w.revIndex, 0);
    QCOMPARE(label->text(), QStringLiteral("0: Active\n1: Power Down"));
    for (int i = 0; i < 16; ++i) {
        const int expected = i % 3 == 2 ? 1 : 0;
        QCOMPARE(w.fpOptions[i], expected);
        QCOMPARE(w.spinFP[i]->value(), expected);
        QCOMPARE(w.spinFP[i]->maximum(), 1);
    }
    QCOMPARE(calculations(w), 1);
    QVERIFY(!w.busy);

    resetJournal(w);
    revision->setCurrentIndex(1);
    QCOMPARE(label->text(), QStringLiteral("0: Active\n1: Reduced Power\n2: Power Down"));
    for (int i = 0; i < 16; ++i) {
        const int expected = i % 3 == 2 ? 2 : 0;
        QCOMPARE(w.fpOptions[i], expected);
        QCOMPARE(w.spinFP[i]->value(), expected);
        QCOMPARE(w.spinFP[i]->maximum(), 2);
    }
    QCOMPARE(calculations(w), 1);

    // A box already at 2 stays there on another non-zero revision; a missing
    // box or label is skipped.
    w.spinFP[5] = nullptr;
    w.fpOptions[5] = 7;
    w.advForm[0] = nullptr;
    revision->setCurrentIndex(2);
    QCOMPARE(w.fpOptions[2], 2);
    QCOMPARE(w.fpOptions[5], 7);
    QCOMPARE(label->text(), QStringLiteral("0: Active\n1: Reduced Power\n2: Power Down"));

    // Other sensors only keep the revision.
    Pallador other(QString{});
    other.loadConfigFile(install.addSample(QStringLiteral("Vek118m.cfg")));
    auto *box = new QSpinBox(&other);
    other.spinFP[0] = box;
    box->setValue(2);
    QVERIFY(QMetaObject::invokeMethod(&other, "comboPLL_REV_currentIndexChanged", Q_ARG(int, 0)));
    QCOMPARE(other.revIndex, 0);
    QCOMPARE(box->value(), 2);
}

// The keep-sync group of the Yorm_106 PLL form follows its box; a form
// without the box makes the slot do nothing.
void TestInputSlots::keepSync()
{
    FixtureInstall install;
    Pallador w(QString{});
    w.loadConfigFile(install.addSample(QStringLiteral("Yorm106m.cfg")));
    resetJournal(w);
    QVERIFY(QMetaObject::invokeMethod(&w, "onKeepSyncOnOff"));
    QCOMPARE(calculations(w), 0);

    QCheckBox *box = panelBox(w, w.keepSyncCheckBox, SLOT(onKeepSyncOnOff()));
    QWidget *parent = w.ui.widgetADV_PLL;
    w.keepSyncClockLabel = new QLabel(parent);
    w.pCKLabel = new QLabel(parent);
    w.dbspbxKeepSyncClock = new QDoubleSpinBox(parent);
    w.pCKSpinBox = new QSpinBox(parent);
    w.fLSpinBox = new QSpinBox(parent);
    // fLLabel: missing from this form.
    const QList<QWidget *> group = {w.keepSyncClockLabel, w.pCKLabel, w.dbspbxKeepSyncClock, w.pCKSpinBox, w.fLSpinBox};
    for (QWidget *widget : group)
        widget->setEnabled(false);

    resetJournal(w);
    box->click();
    for (QWidget *widget : group)
        QVERIFY(widget->isEnabled());
    box->click();
    for (QWidget *widget : group)
        QVERIFY(!widget->isEnabled());
    QCOMPARE(calculations(w), 2);
}

// Vek124 takes its target clock again when the interface changes.
void TestInputSlots::interfaceOfVek124()
{
    FixtureInstall install;
    Pallador w(QString{});
    w.loadConfigFile(install.addSample(QStringLiteral("Vek124.cfg")));
    {
        const QSignalBlocker block(w.ui.dSpinPLL_Target);
        w.ui.dSpinPLL_Target->setValue(50.0);
    }
    w.pllTarget = 1.0;
    resetJournal(w);
    w.ui.comboPLL_Interface->setCurrentIndex(w.ui.comboPLL_Interface->currentIndex() == 1 ? 0 : 1);
    QCOMPARE(w.pllTarget, 50.0);
    QCOMPARE(calculations(w), 2);
}

// A PLL slot called with a number no widget gives (a caller's, a direct
// call's) calculates as with the end of the widget's range it lies beyond:
// the user sees the same registers, results and colours.
void TestInputSlots::extremes_data()
{
    QTest::addColumn<ExtremeCase>("c");
    // "Bits per sample:" 12, 14; "Decimation:" OFF, 2x, 3x, 4x.
    QTest::newRow("bits per sample of Holv101")
        << ExtremeCase{"Holv101", "comboPLL_OpBits_currentIndexChanged(int)", INT_MAX, 1, nullptr};
    QTest::newRow("decimation of Holv101")
        << ExtremeCase{"Holv101", "comboPLL_InterMode_currentIndexChanged(int)", INT_MAX, 3, nullptr};
    // Output bits 6, 8, 10, 12.
    QTest::newRow("output bits of Vek132")
        << ExtremeCase{"Vek132", "comboPLL_2PixBits_currentIndexChanged(int)", INT_MAX, 3, nullptr};
    // A divider request the library cannot meet is one, however large.
    QTest::newRow("P4 request of Vek124")
        << ExtremeCase{"Vek124", "spinPLL_P4_valueChanged(int)", INT_MAX, 1000, dividerBoxesTicked};
    QTest::newRow("P5 request of Sarn113k")
        << ExtremeCase{"Sarn113k", "spinPLL_P5_valueChanged(int)", INT_MAX, 1000, dividerBoxesTicked};
    // The second revision is the last.
    const char *const revision = "comboPLL_REV_currentIndexChanged(int)";
    QTest::newRow("revision of Drav102") << ExtremeCase{"Drav102", revision, INT_MAX, 1, nullptr};
}

void TestInputSlots::extremes()
{
    QFETCH(ExtremeCase, c);
    WindowSession s(c.sensor);
    Pallador &w = s.w();
    if (c.prepare)
        c.prepare(w);
    w.ui.checkPLL_ADV->setChecked(true);
    QVERIFY2(callSlot(w, c.slot, c.rangeEnd), c.slot);
    const QStringList atRangeEnd = calculationOutcome(w);
    QVERIFY(callSlot(w, c.slot, c.extreme));
    QCOMPARE(calculationOutcome(w), atRangeEnd);
    QCOMPARE(s.responder.seen(), QStringList());
}

QTEST_MAIN(TestInputSlots)
#include "tst_inputslots.moc"
