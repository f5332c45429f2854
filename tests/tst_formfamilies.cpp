// The form-based families of catalogue 62 to 66 (Vek_125, Murn_102,
// Murn_104) driven through the window: the context set-up with its rows and
// its binder (replaced whole when the set-up runs again), the context record
// every calculation writes first, the read-mode decode, the variable whose
// box was released, the results that go back through the binder and the
// result block, and the warning colours.
#include "calvex.h"
#include "cguivars.h"
#include "pallador.h"
#include "registerdataio.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPointer>
#include <QSpinBox>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

const QString kRedCombo = QStringLiteral("QComboBox { background-color: red; }");
const QString kWhiteCombo = QStringLiteral("QComboBox { background-color: white; }");
const QString kRedBorderCheck = QStringLiteral("QCheckBox {border-width:1px; border-style: solid; border-color: red;}");
const QString kClearBorderCheck =
    QStringLiteral("QCheckBox {border-width:1px; border-style: solid; border-color: transparent;}");
const QString kRedBorderLabel = QStringLiteral("QLabel {border-width:1px; border-style: solid; border-color: red;}");
const QString kClearBorderLabel =
    QStringLiteral("QLabel {border-width:1px; border-style: solid; border-color: transparent;}");

const QStringList kReadModes = {"Full Size", "Skip 2x2", "Skip 4x4", "Bin 2x2", "Skip 2, Bin 2, Step 4x4"};

struct Session : WindowSession {
    using WindowSession::WindowSession;
    CFormFamily &family() { return *dynamic_cast<CFormFamily *>(window->calvex->family()); }
    Vek_125 &vek() { return *window->calvex->vek_125; }
    CContextParams &record() { return window->varCtxParams[0]; }
    // What the Set Default command runs: the context set-up, then the
    // configuration loaded again.
    void setDefault()
    {
        window->initContext(0);
        window->loadConfigFile(path);
    }
    // The context set-up run again over the forms the sensor set-up loaded,
    // and a calculation.
    void bindAgain()
    {
        window->initContext(0);
        window->recalc(true);
    }
    template <class Widget> Widget *form(const char *name)
    {
        auto *widget = window->findChild<Widget *>(QLatin1String(name));
        if (!widget)
            qWarning("no form widget %s", name);
        return widget;
    }
};

quint32 reg(const Pallador &w, const char *name)
{
    for (int i = 0; i < w.regCount; ++i) {
        if (w.regs[i].name == QLatin1String(name))
            return w.regs[i].value;
    }
    qWarning("no register %s", name);
    return 0xDEADBEEF;
}

QStringList items(const QComboBox *combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

// A frame rate typed into the context's rate box.
void typeFrameRate(Pallador &w, const QString &text)
{
    w.ui.comboMaxFRate_A->setEditText(text);
}

} // namespace

class TestFormFamilies : public QObject {
    Q_OBJECT

private slots:
    void setUp_data();
    void setUp();
    void formsShown_data();
    void formsShown();
    void setUpAgainReplacesBinder_data();
    void useCasesWithoutForms_data();
    void useCasesWithoutForms();
    void setUpAgainReplacesBinder();
    void preambleWritesRecord();
    void readModeDecode_data();
    void readModeDecode();
    void releasedVariablePassesOnce();
    void exclusiveClocks();
    void clocksThroughTheBinder();
    void fixedDividerReachesRegisters();
    void resultsBranch();
    void vek125Warnings();
    void boundSkippingWarning_data();
    void boundSkippingWarning();
    void murn104UseCaseIndex();
    void murn104PllOverride();
};

// ---------------------------------------------------------------------------
// Use cases before any option form is loaded: the size and rate of every
// use case reach the family through the binder, whose variables take them
// directly while their boxes are not there.

void TestFormFamilies::useCasesWithoutForms_data()
{
    QTest::addColumn<QString>("sample");
    for (const char *sample : {"Vek125", "Vek126n", "Vek127r", "Sarn101k", "Sarn104k"})
        QTest::newRow(sample) << QString::fromLatin1(sample);
}

void TestFormFamilies::useCasesWithoutForms()
{
    QFETCH(QString, sample);
    Session s(sample);
    Pallador &w = s.w();
    for (int i = 0; i < w.dataIO->getUseCaseNumber(); ++i) {
        w.ui.comboUseCase_A->setCurrentIndex(i);
        const CUseCase &u = w.dataIO->useCases[i];
        const QString size = QStringLiteral("Output size: %1 x %2").arg(u.cols).arg(u.rows);
        QVERIFY2(w.ui.textResult_A->toPlainText().contains(size),
                 qPrintable(QStringLiteral("use case %1: %2").arg(i).arg(w.ui.textResult_A->toPlainText())));
        QVERIFY2(w.ui.comboMaxFRate_A->styleSheet() != kRedCombo, qPrintable(QStringLiteral("use case %1").arg(i)));
    }
    QCOMPARE(s.responder.seen(), QStringList());
}

// ---------------------------------------------------------------------------
// Set-up.

void TestFormFamilies::setUp_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("dockBindings"); // bound items with a dock widget
    QTest::addColumn<int>("formBindings");         // widgets the forms add

    const QStringList vekDock = {"dSpinPLL_Input", "dSpinPLL_Target"};
    QTest::newRow("62 Vek125") << "Vek125" << 27 << vekDock << 34;
    QTest::newRow("63 Vek126n") << "Vek126n" << 27 << vekDock << 34;
    QTest::newRow("64 Vek127r") << "Vek127r" << 27 << vekDock << 34;
    QTest::newRow("65 Sarn101k") << "Sarn101k" << 34 << QStringList{"dSpinPLL_Input"} << 3;
    QTest::newRow("66 Sarn104k") << "Sarn104k" << 24
                                 << QStringList{"dSpinPLL_Input", "dSpinPLL_Target", "PLL_VCO", "PLL_N", "PLL_M"} << 5;
}

// The set-up installs the family's rows, fills the use-case list and binds
// the variables to the PLL dock (and to the forms once they are there); the
// first calculation is the one that ends the load.
void TestFormFamilies::setUp()
{
    QFETCH(QString, sample);
    QFETCH(int, rows);
    QFETCH(QStringList, dockBindings);
    QFETCH(int, formBindings);

    Session s(sample);
    Pallador &w = s.w();
    QCOMPARE(s.responder.seen(), QStringList());
    QCOMPARE(w.regCount, rows);
    QCOMPARE(w.contextCount, 1);
    QCOMPARE(items(w.ui.comboUseCase_A), w.dataIO->getUseCaseName());
    QVERIFY(w.guiVars && w.varCtxParams == s.family().ctx && w.varResults == &s.family().results);
    for (const QString &name : dockBindings) {
        const GUIVAR_ITEM_T *item = w.guiVars->find(name.toLatin1().constData());
        QVERIFY2(item && (item->spin || item->dspin), qPrintable(name));
        QVERIFY(item->spin ? w.ui.dockPLL->isAncestorOf(item->spin) : w.ui.dockPLL->isAncestorOf(item->dspin));
    }
    QCOMPARE(calculations(w), 1);
    QCOMPARE(w.ui.checkUseSTD->isChecked(), w.stdTemplateAvail != 0);

    // Every name of the family's binding list that its forms hold is bound
    // to the forms' widgets (a check box and its spin box count twice).
    const auto inForms = [&w](const QWidget *widget) {
        return widget && ((w.advForm[0] && w.advForm[0]->isAncestorOf(widget)) ||
                          (w.pllForm && w.pllForm->isAncestorOf(widget)));
    };
    int bound = 0;
    for (const char *name : {"InputFreq", "SystemFreq", "PLL1Div1",   "PLL1Mult",         "VCO1Freq",
                             "PLL1Div2",  "PLL1Div3",   "PixelFreq",  "PLL2Div1",         "PLL2Mult",
                             "VCO2Freq",  "PLL2Div2",   "SerialFreq", "Bits",             "WordFreq",
                             "MIPILane2", "MIPICont",   "IntgTime",   "Rows",             "Cols",
                             "spinRows",  "spinCols",   "checkSkipping", "checkRowSkipping", "checkBypass",
                             "checkUseMinFreq"}) {
        if (const GUIVAR_ITEM_T *item = w.guiVars->find(name)) {
            const int here = int(inForms(item->check)) + int(inForms(item->spin)) + int(inForms(item->dspin));
            QVERIFY2(here > 0, name);
            bound += here;
        }
    }
    QCOMPARE(bound, formBindings);
    QCOMPARE(s.responder.seen(), QStringList());
    if (w.sensorIndex <= 64) {
        // The system clock starts fixed; the pixel divider has no widget.
        QVERIFY(s.form<QCheckBox>("checkSystemFreq")->isChecked());
        QVERIFY(s.form<QDoubleSpinBox>("spinSystemFreq")->isEnabled());
        const GUIVAR_ITEM_T *pixelDiv = w.guiVars->find("PixelDiv");
        QVERIFY(pixelDiv && !pixelDiv->spin && !pixelDiv->dspin && !pixelDiv->check);
        // The input clock is one variable under two names.
        QCOMPARE(w.guiVars->find("InputFreq")->var, w.guiVars->find("dSpinPLL_Input")->var);
    }
}

void TestFormFamilies::formsShown_data()
{
    QTest::addColumn<QString>("sample");
    for (const char *sample : {"Vek125", "Sarn101k", "Sarn104k"})
        QTest::newRow(sample) << QString::fromLatin1(sample);
}

// The Murn102 form shows as soon as its sensor is loaded; the other forms
// wait for their boxes. A bound spin box shows the library's range and
// value, not the form's. Closing the Vek125 PLL panel while the pixel clock
// is the fixed one makes the system clock fixed again and calculates.
void TestFormFamilies::formsShown()
{
    QFETCH(QString, sample);
    Session s(sample);
    Pallador &w = s.w();
    QVERIFY(w.advForm[0]);
    QVERIFY(w.ui.widgetADV_A->isAncestorOf(w.advForm[0]));
    const bool murn102 = w.sensorIndex == 65;
    QCOMPARE(!w.advForm[0]->isHidden(), murn102);
    QCOMPARE(w.pllForm != nullptr, !murn102);
    if (murn102)
        return;

    QVERIFY(w.pllForm->isHidden());
    w.ui.checkAdvParam_A->click();
    QVERIFY(!w.advForm[0]->isHidden());
    w.ui.checkPLL_ADV->click();
    QVERIFY(!w.pllForm->isHidden());
    if (w.sensorIndex != 62)
        return;

    const GUIVAR_ITEM_T *div = w.guiVars->find("PLL1Div1");
    QVERIFY(div && div->spin && div->var);
    QCOMPARE(div->spin->minimum(), int(div->var->min));
    QCOMPARE(div->spin->maximum(), int(div->var->max));
    QCOMPARE(div->spin->value(), div->var->intValue);
    QVERIFY(div->spin->maximum() != 63 || div->spin->value() != 63);

    auto *pixel = s.form<QCheckBox>("checkPixelFreq");
    auto *system = s.form<QCheckBox>("checkSystemFreq");
    pixel->click();
    QVERIFY(pixel->isChecked() && !system->isChecked());
    resetJournal(w);
    w.ui.checkPLL_ADV->click();
    QVERIFY(w.pllForm->isHidden());
    QVERIFY(system->isChecked() && !pixel->isChecked());
    QVERIFY(s.form<QDoubleSpinBox>("spinSystemFreq")->isEnabled());
    // The fixed clock and its released partner each calculate once.
    QCOMPARE(calculations(w), 2);
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestFormFamilies::setUpAgainReplacesBinder_data()
{
    QTest::addColumn<QString>("sample");
    for (const char *sample : {"Vek125", "Vek126n", "Vek127r", "Sarn101k", "Sarn104k"})
        QTest::newRow(sample) << sample;
}

// Set Default runs the set-up again (twice over, through the reload), and so
// does a second load of the same file: each makes a new binder and deletes
// the one it replaces, so a widget change is reported, and calculated, once;
// the use-case list offers each use case once.
void TestFormFamilies::setUpAgainReplacesBinder()
{
    QFETCH(QString, sample);
    Session s(sample);
    Pallador &w = s.w();
    const QStringList useCases = w.dataIO->getUseCaseName();
    const int rows = w.regCount;

    QPointer<CGuiVars> first = w.guiVars;
    w.initContext(0);
    QVERIFY(first.isNull());
    QCOMPARE(items(w.ui.comboUseCase_A), useCases);

    for (int i = 0; i < 2; ++i)
        s.setDefault();
    w.loadConfigFile(s.path);
    QCOMPARE(items(w.ui.comboUseCase_A), useCases);
    QCOMPARE(w.regCount, rows);

    // The input clock is bound on every family; the dock's own slot
    // calculates, the binder's report of it does not.
    QPointer<CGuiVars> current = w.guiVars;
    s.bindAgain();
    QVERIFY(current.isNull());
    resetJournal(w);
    w.ui.dSpinPLL_Input->setValue(w.ui.dSpinPLL_Input->value() + 1.0);
    QCOMPARE(calculations(w), 1);
    if (QSpinBox *rowsBox = s.form<QSpinBox>("spinRows")) {
        resetJournal(w);
        rowsBox->setValue(rowsBox->value() - 2);
        QCOMPARE(calculations(w), 1);
    }
    QCOMPARE(s.responder.seen(), QStringList());
}

// ---------------------------------------------------------------------------
// The calculation.

// Every calculation writes the context's settings into the record and starts
// it with a clear warning word, whichever family it is.
void TestFormFamilies::preambleWritesRecord()
{
    for (const char *sample : {"Vek126n", "Sarn101k", "Sarn104k"}) {
        Session s{QLatin1String(sample)};
        Pallador &w = s.w();
        w.mirror[0] = true;
        w.flip[0] = true;
        w.maxFps[0] = 12.5;
        w.blankType[0] = 3;
        w.variableFps[0] = true;
        w.userHBlank[0] = 321;
        w.userVBlank[0] = 123;
        w.skippingY[0] = 2;
        w.goProMode[0] = 1.5;
        w.cif[0] = 1;
        w.hd720p[0] = 1;
        w.minFps[0] = 2.5;
        s.record().warnings = 0xFFFFFFFF;
        w.recalc(false);

        const CContextParams &r = s.record();
        QVERIFY(r.mirror && r.flip && r.variableFps);
        QCOMPARE(r.maxFps, 12.5);
        QCOMPARE(r.userHBlank, 321);
        QCOMPARE(r.userVBlank, 123);
        QCOMPARE(r.skippingY, 2);
        QCOMPARE(r.goProMode, 1.5);
        QCOMPARE(r.cif, 1);
        QCOMPARE(r.hd720p, 1);
        QCOMPARE(r.minFps, 2.5);
        // Bits the library does not set again are gone.
        QCOMPARE(r.warnings & 0x80000000u, 0u);
        QCOMPARE(w.warnings[0], r.warnings);
    }
}

void TestFormFamilies::readModeDecode_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("binning");  // -1: as it was
    QTest::addColumn<int>("skipping"); // -1: as the read-mode slot left it

    for (const char *sample : {"Vek125", "Vek126n", "Vek127r"}) {
        const QByteArray s(sample);
        QTest::newRow(s + " full size") << sample << "Full Size" << 0 << 0;
        QTest::newRow(s + " skip 2x2") << sample << "Skip 2x2" << 0 << 1;
        QTest::newRow(s + " skip 4x4") << sample << "Skip 4x4" << 0 << 2;
        QTest::newRow(s + " bin 2x2") << sample << "Bin 2x2" << 1 << 0;
        QTest::newRow(s + " skip 2, bin 2") << sample << "Skip 2, Bin 2, Step 4x4" << 1 << 1;
    }
    QTest::newRow("an entry outside the five") << "Vek126n"
                                               << "Bin 4x4" << -1 << -1;
    QTest::newRow("same text, other case") << "Vek126n"
                                           << "bin 2x2" << -1 << -1;
}

// The read-mode entry the user chooses sets binning and skipping of the
// context, in the window and in the record the PLL step reads; the output
// size and the read-mode register follow.
void TestFormFamilies::readModeDecode()
{
    QFETCH(QString, sample);
    QFETCH(QString, text);
    QFETCH(int, binning);
    QFETCH(int, skipping);

    Session s(sample);
    Pallador &w = s.w();
    s.bindAgain();
    QComboBox *readMode = w.comboReadMode[0];
    if (!kReadModes.contains(text))
        readMode->addItem(text);
    const int entry = readMode->findText(text);
    readMode->setCurrentIndex(entry == 0 ? 1 : 0);
    w.binning[0] = 7;
    resetJournal(w);
    readMode->setCurrentIndex(entry);

    QCOMPARE(journal(w).mid(0, 3), (QStringList{"PllUpdate()", "ResultsUpdate(0)", "RegisterUpdate(0)"}));
    QCOMPARE(w.binning[0], binning < 0 ? 7 : binning);
    if (skipping >= 0)
        QCOMPARE(w.skipping[0], skipping);
    QCOMPARE(s.record().binning, w.binning[0]);
    QCOMPARE(s.record().skipping, w.skipping[0]);
}

// Unchecking a fixed clock hands its variable to the family once: the
// calculation the unchecking starts passes it, the next one passes none.
void TestFormFamilies::releasedVariablePassesOnce()
{
    Session s(QStringLiteral("Vek125"));
    Pallador &w = s.w();
    s.bindAgain();
    QCheckBox *pixel = s.form<QCheckBox>("checkPixelFreq");
    pixel->click(); // fixed; the system clock is released by it
    QVERIFY(pixel->isChecked());
    QVERIFY(!s.form<QCheckBox>("checkSystemFreq")->isChecked());

    resetJournal(w);
    pixel->click();
    QCOMPARE(calculations(w), 1);
    QCOMPARE(s.vek().releasedVar, &s.vek().PixelFreq);
    QVERIFY(w.releasedVar == nullptr);
    QVERIFY(!s.vek().PixelFreq.checked);
    QVERIFY(!s.form<QDoubleSpinBox>("spinPixelFreq")->isEnabled());

    w.recalc(true);
    QVERIFY(s.vek().releasedVar == nullptr);
}

// The system and pixel clocks exclude each other, and so do the serial and
// word clocks: fixing one releases the other, and the window calculates once
// for the release and once for the fixing.
void TestFormFamilies::exclusiveClocks()
{
    struct Case {
        const char *fix;
        const char *partner;
    };
    for (const Case &c : {Case{"PixelFreq", "SystemFreq"}, Case{"SystemFreq", "PixelFreq"},
                          Case{"SerialFreq", "WordFreq"}, Case{"WordFreq", "SerialFreq"}}) {
        Session s(QStringLiteral("Vek126n"));
        Pallador &w = s.w();
        s.bindAgain();
        QCheckBox *fix = s.form<QCheckBox>(qPrintable(QStringLiteral("check") + QLatin1String(c.fix)));
        QCheckBox *partner = s.form<QCheckBox>(qPrintable(QStringLiteral("check") + QLatin1String(c.partner)));
        if (fix->isChecked())
            fix->click();
        if (!partner->isChecked())
            partner->click();
        resetJournal(w);
        fix->click();
        QVERIFY2(!partner->isChecked(), c.fix);
        QCOMPARE(calculations(w), 2);
        QVERIFY(w.releasedVar == nullptr);
        // The second calculation passed nothing; the family still holds both
        // states as the boxes show them.
        QVERIFY(s.vek().releasedVar == nullptr);
        QCOMPARE(w.guiVars->find(c.partner)->var->checked, false);
        QCOMPARE(w.guiVars->find(c.fix)->var->checked, true);
    }
}

// The input and system clocks reach the family from the window's clocks, and
// what the family makes of them goes back to every widget bound to them.
void TestFormFamilies::clocksThroughTheBinder()
{
    Session s(QStringLiteral("Vek127r"));
    Pallador &w = s.w();
    s.bindAgain();
    QDoubleSpinBox *formInput = s.form<QDoubleSpinBox>("spinInputFreq");

    resetJournal(w);
    formInput->setValue(27.0);
    QCOMPARE(calculations(w), 1);
    QCOMPARE(w.pllInput, 27.0);
    QCOMPARE(s.vek().InputFreq.value, 27.0);
    QCOMPARE(w.ui.dSpinPLL_Input->value(), 27.0);

    resetJournal(w);
    w.ui.dSpinPLL_Input->setValue(19.2);
    QCOMPARE(calculations(w), 1);
    QCOMPARE(s.vek().InputFreq.value, 19.2);
    QCOMPARE(formInput->value(), 19.2);

    // A clock outside the variable's range is held at its limit.
    const double maxInput = s.vek().InputFreq.max;
    w.pllInput = maxInput + 100.0;
    w.recalc(true);
    QCOMPARE(s.vek().InputFreq.value, maxInput);
    QCOMPARE(s.vek().InputFreq.intValue, int(maxInput));

    // The fixed system clock: the form's box stores it as the target.
    QDoubleSpinBox *system = s.form<QDoubleSpinBox>("spinSystemFreq");
    w.ui.dSpinPLL_Input->setValue(24.0);
    system->setValue(96.0);
    QCOMPARE(w.pllTarget, 96.0);
    QCOMPARE(s.vek().pll.targetClock, 96.0);
    QCOMPARE(w.ui.dSpinPLL_Target->value(), s.vek().SystemFreq.value);
}

// A divider the user fixes in the PLL form is the one the family uses, and
// the register that holds it follows.
void TestFormFamilies::fixedDividerReachesRegisters()
{
    Session s(QStringLiteral("Vek125"));
    Pallador &w = s.w();
    s.bindAgain();
    QCheckBox *fixMult = s.form<QCheckBox>("checkPLL1Mult");
    QSpinBox *mult = s.form<QSpinBox>("spinPLL1Mult");
    QVERIFY(!mult->isEnabled());
    fixMult->click();
    QVERIFY(mult->isEnabled());
    for (int m : {40, 64}) {
        mult->setValue(m);
        QCOMPARE(s.vek().PLL1Mult.intValue, m);
        QCOMPARE(s.vek().pll.pllM, m);
        QCOMPARE(reg(w, "PLL_MULTIPLIER") & 0xFF, quint32(m));
        QCOMPARE(mult->value(), m);
    }
    // Released again, the family chooses and the box shows its choice.
    fixMult->click();
    QCOMPARE(mult->value(), s.vek().PLL1Mult.intValue);
    QCOMPARE(reg(w, "PLL_MULTIPLIER") & 0xFF, quint32(s.vek().PLL1Mult.intValue));
}

// The results branch: texts and timing geometry from the family's result
// block; only the one pane of the one context is refreshed.
void TestFormFamilies::resultsBranch()
{
    for (const char *sample : {"Vek126n", "Sarn101k", "Sarn104k"}) {
        Session s{QLatin1String(sample)};
        Pallador &w = s.w();
        s.bindAgain();
        w.ui.textResult_B->setPlainText(QStringLiteral("untouched"));
        w.ui.comboUseCase_A->setCurrentIndex(1);

        const CCalcResults &r = s.family().results;
        QCOMPARE(w.pllDisplayText, r.pllDisplayText);
        QCOMPARE(w.pllPresetText, r.pllPresetText);
        QCOMPARE(w.ctxDisplayText[0], r.contextDisplayText[0]);
        QCOMPARE(w.ctxPresetText[0], r.contextPresetText[0]);
        QVERIFY(!w.ctxDisplayText[0].isEmpty());
        QVERIFY(w.ui.textResult_A->toPlainText().contains(r.contextDisplayText[0].section(QLatin1Char('\n'), 0, 0)));
        QCOMPARE(w.ui.textResult_B->toPlainText(), QStringLiteral("untouched"));
        QCOMPARE(w.timingGeometry.outputWidth, r.timingGeometry.outputWidth);
        QCOMPARE(w.timingGeometry.outputHeight, r.timingGeometry.outputHeight);
        QCOMPARE(w.timingGeometry.frameWidth, r.timingGeometry.frameWidth);
        QCOMPARE(w.timingGeometry.frameHeight, r.timingGeometry.frameHeight);
        QCOMPARE(w.timingGeometry.outputWidth, w.dataIO->useCases[1].cols);
        // The registers are the family's values.
        for (int i = 0; i < w.regCount; ++i)
            QCOMPARE(w.regs[i].value, r.registerValues[i]);
    }
}

// Vek_125: the target bit outlines the PLL picture, the frame-rate bit
// colours the rate box, and the word is what the automation reads.
void TestFormFamilies::vek125Warnings()
{
    Session s(QStringLiteral("Vek126n"));
    Pallador &w = s.w();
    s.bindAgain();
    QCOMPARE(w.labelPllImage->styleSheet(), kClearBorderLabel);
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kWhiteCombo);

    // A frame rate beyond the sensor.
    typeFrameRate(w, QStringLiteral("1000"));
    QCOMPARE(w.maxFps[0], 1000.0);
    QVERIFY(s.record().warnings & 0x1);
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kRedCombo);
    QCOMPARE(quint32(w.property("WarningValue").toInt()), s.record().warnings);

    // Every divider of the image PLL fixed: a system clock other than theirs
    // is missed.
    for (const char *name : {"PLL1Div1", "PLL1Mult", "PLL1Div2", "PLL1Div3"})
        s.form<QCheckBox>(qPrintable(QStringLiteral("check") + QLatin1String(name)))->click();
    QDoubleSpinBox *system = s.form<QDoubleSpinBox>("spinSystemFreq");
    const double reachable = system->value();
    system->setValue(reachable + 7.3);
    QVERIFY(s.record().warnings & 0x100000);
    QCOMPARE(w.labelPllImage->styleSheet(), kRedBorderLabel);
    QCOMPARE(quint32(w.property("WarningValue").toInt()), s.record().warnings);

    typeFrameRate(w, QStringLiteral("5"));
    system->setValue(reachable);
    QCOMPARE(s.record().warnings & 0x100001u, 0u);
    QCOMPARE(w.labelPllImage->styleSheet(), kClearBorderLabel);
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kWhiteCombo);
}

void TestFormFamilies::boundSkippingWarning_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("box");
    QTest::newRow("65 row skipping") << "Sarn101k"
                                     << "checkRowSkipping";
    QTest::newRow("66 skipping") << "Sarn104k"
                                 << "checkSkipping";
}

// Murn_102 and Murn_104: skipping with an output taller than half the array
// outlines the bound skipping box; the word is kept for the automation.
void TestFormFamilies::boundSkippingWarning()
{
    QFETCH(QString, sample);
    QFETCH(QString, box);

    Session s(sample);
    Pallador &w = s.w();
    s.bindAgain();
    auto *skip = s.form<QCheckBox>(qPrintable(box));
    QSpinBox *rows = s.form<QSpinBox>("spinRows");
    rows->setValue(rows->maximum());
    QCOMPARE(skip->styleSheet(), kClearBorderCheck);

    skip->click();
    QVERIFY(w.guiVars->find(qPrintable(box))->var->checked);
    QVERIFY(s.record().warnings & 0x20);
    QCOMPARE(skip->styleSheet(), kRedBorderCheck);
    QCOMPARE(w.warnings[0], s.record().warnings);
    QCOMPARE(quint32(w.property("WarningValue").toInt()), s.record().warnings);

    rows->setValue(rows->minimum());
    QCOMPARE(s.record().warnings & 0x20, 0u);
    QCOMPARE(skip->styleSheet(), kClearBorderCheck);
    QCOMPARE(quint32(w.property("WarningValue").toInt()), s.record().warnings);

    // The blanking the user picks reaches the family by its text.
    w.ui.comboTypeBlank_A->setCurrentIndex(1);
    w.recalc(false);
    QCOMPARE(s.family().blankTypeText, w.ui.comboTypeBlank_A->currentText());
}

// Murn_104 takes the selected use case's index, -1 with an empty list.
void TestFormFamilies::murn104UseCaseIndex()
{
    Session s(QStringLiteral("Sarn104k"));
    Pallador &w = s.w();
    s.bindAgain();
    Murn_104 &f = *w.calvex->murn_104;
    resetJournal(w);
    w.ui.comboUseCase_A->setCurrentIndex(2);
    QCOMPARE(journal(w), QStringList{"Calculate()"});
    QCOMPARE(f.useCaseIndex, 2);
    QCOMPARE(w.useCaseIndex[0], 2);
    QCOMPARE(f.spinRows.intValue, w.dataIO->useCases[2].rows);

    w.ui.comboUseCase_A->clear();
    w.recalc(false);
    QCOMPARE(f.useCaseIndex, -1);
    QCOMPARE(w.useCaseIndex[0], -1);
}

// Murn_104's PLL: the dock's override boxes are bound variables; a fixed
// N reaches the family and its divider register.
void TestFormFamilies::murn104PllOverride()
{
    Session s(QStringLiteral("Sarn104k"));
    Pallador &w = s.w();
    s.bindAgain();
    Murn_104 &f = *w.calvex->murn_104;
    const quint32 before = reg(w, "pll_dividers");
    w.ui.checkPLL_N->click();
    w.ui.spinPLL_N->setValue(f.PLL_N.intValue == 2 ? 3 : 2);
    const int n = w.ui.spinPLL_N->value();
    QVERIFY(f.PLL_N.checked);
    QCOMPARE(f.pll.pllN, n);
    QCOMPARE(f.PLL_N.intValue, n);
    QVERIFY(reg(w, "pll_dividers") != before);

    // Bypass: the PLL is left out, the output is the input clock.
    s.form<QCheckBox>("checkBypass")->click();
    QVERIFY(f.pll.pllBypass);
    QCOMPARE(f.pll.outputClock, w.ui.dSpinPLL_Input->value());
    QCOMPARE(s.responder.seen(), QStringList());
}

QTEST_MAIN(TestFormFamilies)
#include "tst_formfamilies.moc"
