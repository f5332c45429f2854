// The named-variable binder: binding by name, copying both ways with the
// variable's limits, check boxes governing their spin boxes, failed look-ups
// and the two signals, and the window's receivers of those signals.
#include "cguivars.h"
#include "pallador.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

namespace {

GUIVAR_T variable(double min, double max, double value, bool checked = false)
{
    GUIVAR_T v;
    v.min = min;
    v.max = max;
    v.value = value;
    v.checked = checked;
    return v;
}

template <class W> W *child(QWidget *parent, const char *name)
{
    auto *widget = new W(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

class TestGuiVars : public QObject {
    Q_OBJECT

private slots:
    void bindsByNameAndClass();
    void checkBoxGovernsSpinBoxes();
    void readBackClamps();
    void writesVariablesIntoWidgets();
    void failedLookUps();
    void reportsChanges();
    void windowReceivers();
};

// Each item is looked up as <name>, spin<name>, dSpin<name> and check<name>
// at any depth; the widget's class decides how it is bound.
void TestGuiVars::bindsByNameAndClass()
{
    DialogResponder responder;
    QWidget form;
    QWidget *inner = new QWidget(&form);
    auto *bare = child<QSpinBox>(inner, "Rows");
    auto *spinNamedDouble = child<QDoubleSpinBox>(&form, "spinClock");
    auto *dspin = child<QDoubleSpinBox>(&form, "dSpinTime");
    auto *box = child<QCheckBox>(&form, "checkTime");
    child<QLabel>(&form, "spinLabel");
    bare->setRange(-100, 100);

    GUIVAR_T rows = variable(-0.5, 10.9, 2.9);
    GUIVAR_T clock = variable(6.0, 64.0, 24.5);
    GUIVAR_T time = variable(0.0, 1000.0, 10.25, true);
    GUIVAR_T label = variable(0.0, 1.0, 0.0);
    CGuiVars vars("Rows", &rows, "Clock", &clock, "Time", &time, "Label", &label, "", &label, "Ignored", &label,
                  nullptr);

    QCOMPARE(vars.initFields(&form), 4);
    QCOMPARE(responder.seen(), QStringList());

    const GUIVAR_ITEM_T *r = vars.iVar("Rows");
    QVERIFY(r && r->spin == bare && !r->dspin && !r->check);
    QCOMPARE(bare->minimum(), 0);
    QCOMPARE(bare->maximum(), 10);
    QCOMPARE(bare->value(), 2);

    const GUIVAR_ITEM_T *c = vars.iVar("Clock");
    QVERIFY(c && c->dspin == spinNamedDouble && !c->spin);
    QCOMPARE(spinNamedDouble->value(), 24.5);

    const GUIVAR_ITEM_T *t = vars.iVar("Time");
    QVERIFY(t && t->dspin == dspin && t->check == box);
    QCOMPARE(dspin->value(), 10.25);
    QVERIFY(box->isChecked());

    const GUIVAR_ITEM_T *l = vars.iVar("Label");
    QVERIFY(l && !l->spin && !l->dspin && !l->check);
    // An empty name ends the list.
    vars.iVar("Ignored");
    QCOMPARE(responder.seen(), QStringList{"|GuiVars::iVar(Ignored) failed"});

    // Two parents: the count is the sum, a null parent is skipped.
    QWidget second;
    child<QSpinBox>(&second, "spinRows");
    responder.clear();
    QCOMPARE(vars.initFields(&form, nullptr, &second), 5);
    QCOMPARE(vars.iVar("Rows")->spin->parent(), &second);
    QCOMPARE(responder.seen(), QStringList());
}

void TestGuiVars::checkBoxGovernsSpinBoxes()
{
    QWidget form;
    // Spin box found before the box (prefix order "", "spin", "dSpin", "check").
    auto *before = child<QSpinBox>(&form, "spinDiv");
    auto *boxBefore = child<QCheckBox>(&form, "checkDiv");
    // Box found under the bare name, before its spin box.
    auto *boxAfter = child<QCheckBox>(&form, "Mult");
    auto *after = child<QSpinBox>(&form, "spinMult");
    GUIVAR_T div = variable(1, 63, 4);
    GUIVAR_T mult = variable(1, 255, 80);
    CGuiVars vars("Div", &div, "Mult", &mult, nullptr);
    QCOMPARE(vars.initFields(&form), 4);

    QVERIFY(!boxBefore->isChecked());
    QVERIFY(!before->isEnabled());
    QVERIFY(!boxAfter->isChecked());
    QVERIFY(after->isEnabled());

    boxAfter->setChecked(true);
    boxAfter->setChecked(false);
    QVERIFY(!after->isEnabled());
    boxBefore->setChecked(true);
    QVERIFY(before->isEnabled());
}

void TestGuiVars::readBackClamps()
{
    QWidget form;
    auto *spin = child<QSpinBox>(&form, "spinRows");
    auto *dspin = child<QDoubleSpinBox>(&form, "dSpinGain");
    auto *both = child<QSpinBox>(&form, "spinBoth");
    auto *bothD = child<QDoubleSpinBox>(&form, "dSpinBoth");
    auto *box = child<QCheckBox>(&form, "checkGain");
    GUIVAR_T rows = variable(0, 20, 5);
    GUIVAR_T gain = variable(0, 20, 5);
    GUIVAR_T bothVar = variable(0, 100, 1);
    GUIVAR_T untouched = variable(0, 1, 0.75);
    CGuiVars vars("Rows", &rows, "Gain", &gain, "Both", &bothVar, "Free", &untouched, nullptr);
    vars.initFields(&form);

    // The widgets keep the ranges they were bound with; the limits are the variable's.
    rows.max = 10;
    spin->setValue(12);
    gain.min = 5;
    gain.max = 3;
    dspin->setValue(4.5);
    box->setChecked(true);
    both->setValue(7);
    bothD->setValue(8.5);
    vars.updateVars();

    QCOMPARE(rows.value, 10.0);
    QCOMPARE(rows.intValue, 10);
    QCOMPARE(gain.value, 5.0);
    QCOMPARE(gain.intValue, 5);
    QVERIFY(gain.checked);
    QCOMPARE(bothVar.value, 7.0); // the integer box wins over the double one
    QCOMPARE(untouched.value, 0.75);

    GUIVAR_T direct = variable(-2, 2, 0);
    direct.setClamped(-7.9);
    QCOMPARE(direct.value, -2.0);
    direct.setClamped(1.9);
    QCOMPARE(direct.intValue, 1);
}

void TestGuiVars::writesVariablesIntoWidgets()
{
    QWidget form;
    auto *spin = child<QSpinBox>(&form, "spinRows");
    auto *dspin = child<QDoubleSpinBox>(&form, "dSpinRows");
    auto *box = child<QCheckBox>(&form, "checkRows");
    GUIVAR_T rows = variable(0, 1000, 10);
    CGuiVars vars("Rows", &rows, nullptr);
    vars.initFields(&form);

    rows.value = 480.7;
    rows.checked = true;
    vars.updateFields();
    QCOMPARE(spin->value(), 480);
    QCOMPARE(dspin->value(), 480.7);
    QVERIFY(box->isChecked());

    vars.setValue("Rows", 96.9);
    QCOMPARE(spin->value(), 96);
    QCOMPARE(dspin->value(), 96.9);

    // A form deleted under the binder leaves its items without widgets.
    delete spin;
    delete dspin;
    vars.updateFields();
    vars.updateVars();
    QVERIFY(!vars.iVar("Rows")->spin && !vars.iVar("Rows")->dspin);
}

void TestGuiVars::failedLookUps()
{
    DialogResponder responder;
    QWidget form;
    QWidget empty;
    child<QCheckBox>(&form, "checkMode");
    GUIVAR_T mode = variable(0, 1, 0);
    GUIVAR_T plain = variable(0, 1, 0);
    CGuiVars vars("Mode", &mode, "Plain", &plain, nullptr);
    QCOMPARE(vars.initFields(&form), 1);

    QVERIFY(vars.iVar("mode") == nullptr);
    vars.setChecked("Plain", true);
    vars.setValue("Missing", 2.5);
    vars.setValue("Missing", 96);
    // A variable whose form has no widget for it takes the value and the state
    // directly, so that they still reach the next calculation.
    vars.setValue("Plain", 1.0);
    QCOMPARE(plain.value, 1.0);
    QVERIFY(plain.checked);
    QCOMPARE(vars.initFields(&empty), 0);
    QCOMPARE(vars.initFields(nullptr), 0);

    QCOMPARE(responder.seen(),
             (QStringList{"|GuiVars::iVar(mode) failed", "|GuiVars::setValue(Missing, 2.5) failed", "|GuiVars::setValue(Missing, 96) failed",
                          "|CGuiVars::initFields() failed to find any QT fields"}));
}

void TestGuiVars::reportsChanges()
{
    QWidget form;
    auto *spin = child<QSpinBox>(&form, "spinBits");
    auto *both = child<QSpinBox>(&form, "spinFreq");
    auto *bothD = child<QDoubleSpinBox>(&form, "dSpinFreq");
    auto *box = child<QCheckBox>(&form, "checkFreq");
    GUIVAR_T bits = variable(6, 12, 10);
    GUIVAR_T freq = variable(0, 500, 96, true);
    CGuiVars vars("Bits", &bits, "Freq", &freq, nullptr);
    QSignalSpy values(&vars, SIGNAL(valueChanged(QString, float)));
    QSignalSpy checks(&vars, SIGNAL(check(QString, bool)));
    vars.initFields(&form);
    // Ranges, values and states set while binding are not reported.
    QCOMPARE(values.count(), 0);
    QCOMPARE(checks.count(), 1);
    QCOMPARE(checks.takeFirst(), (QList<QVariant>{"Freq", true}));

    spin->setValue(8);
    QCOMPARE(values.count(), 1);
    QCOMPARE(values.takeFirst(), (QList<QVariant>{"Bits", 8.0f}));

    bothD->setValue(96.5);
    both->setValue(97);
    QCOMPARE(values.count(), 2);
    for (const QList<QVariant> &signal : qAsConst(values))
        QCOMPARE(signal, (QList<QVariant>{"Freq", 96.5f}));

    vars.setChecked("Freq", true);
    QCOMPARE(checks.count(), 0);
    vars.setChecked("Freq", false);
    QCOMPARE(checks.count(), 1);
    QCOMPARE(checks.takeFirst(), (QList<QVariant>{"Freq", false}));
    QVERIFY(!both->isEnabled() && !bothD->isEnabled());
    box->setChecked(true);
    QCOMPARE(checks.takeFirst(), (QList<QVariant>{"Freq", true}));
}

// The window's receivers store what the window keeps itself: the clocks of
// sensors 62 to 64, and the variable whose box was released.
void TestGuiVars::windowReceivers()
{
    FixtureInstall install;
    DialogResponder responder;
    QWidget form;
    auto *pixelBox = child<QCheckBox>(&form, "checkPixelFreq");
    auto *systemBox = child<QCheckBox>(&form, "checkSystemFreq");
    auto *input = child<QDoubleSpinBox>(&form, "spinInputFreq");
    auto *dockInput = child<QDoubleSpinBox>(&form, "dSpinPLL_Input");
    GUIVAR_T system = variable(1, 400, 192);
    GUIVAR_T pixel = variable(0.5, 200, 96, true);
    GUIVAR_T clock = variable(6, 64, 24);
    GUIVAR_T dockClock = variable(6, 64, 24);

    // A window set up for the sensor, whose binder is replaced by one over this form.
    const auto window = [&](const char *sensor) {
        const QString path =
            install.writeConfig(QStringLiteral("sensor.cfg"),
                                "[General_Info]\nsensor_name = " + QByteArray(sensor) + "\n[UseCases]\n0/name = A\n");
        auto *w = new Pallador(path);
        delete w->guiVars;
        w->guiVars = new CGuiVars("SystemFreq", &system, "PixelFreq", &pixel, "InputFreq", &clock, "dSpinPLL_Input",
                                  &dockClock, nullptr);
        w->guiVars->initFields(&form);
        connect(w->guiVars, SIGNAL(valueChanged(QString, float)), w, SLOT(valueChangedGuiVars(QString, float)));
        connect(w->guiVars, SIGNAL(check(QString, bool)), w, SLOT(checkGuiVars(QString, bool)));
        return w;
    };

    {
        QScopedPointer<Pallador> w(window("Vek126n"));
        QScopedPointer<CGuiVars> binder(w->guiVars);
        w->pllInput = 0.0;
        // Fixing the system clock releases the pixel clock; the calculation
        // that the release starts hands the variable to the family.
        systemBox->setChecked(true);
        QVERIFY(!pixelBox->isChecked());
        QVERIFY(w->releasedVar == nullptr);

        input->setValue(27.25);
        QCOMPARE(w->pllInput, 27.25);
        dockInput->setValue(30.0);
        QCOMPARE(w->pllInput, 27.25);
        w->guiVars = nullptr;
    }
    {
        // Other form-based families keep their clocks in their own widgets.
        QScopedPointer<Pallador> w(window("Sarn101k"));
        QScopedPointer<CGuiVars> binder(w->guiVars);
        w->pllInput = 0.0;
        w->releasedVar = nullptr;
        input->setValue(12.5);
        QCOMPARE(w->pllInput, 0.0);
        systemBox->setChecked(false);
        QVERIFY(w->releasedVar == nullptr);
        w->guiVars = nullptr;
    }
    QCOMPARE(responder.seen(), QStringList());
}

QTEST_MAIN(TestGuiVars)
#include "tst_guivars.moc"
