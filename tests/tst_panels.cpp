// The option panels driven through the window's boxes: the first opening of
// an advanced panel builds the sensor's form into its placeholder with the
// family's values and calculates nothing; closing hides it and reloads the
// use case; opening it again reads the values left in it back into the
// context and calculates once, with the same form. The advanced PLL panel is
// a new form at every opening and the one it replaces is gone. Loading
// another sensor discards the open panels and every reference into them. A
// panel that opens is scrolled into view in its dock. The words the form
// cases are written in do what they say on a real form.
#include "calvex.h"
#include "pallador.h"
#include "panels/panels.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(panels::Value)

namespace {

struct Session : WindowSession {
    using WindowSession::WindowSession;
    CFamilyCore &family() { return *window->calvex->family(); }
};

template <class T> T *child(QWidget *form, const char *name)
{
    return form ? form->findChild<T *>(QLatin1String(name)) : nullptr;
}

QStringList items(const QComboBox *combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

// Changes a widget as the engineer left it, without running its slot, so
// that only the read-back can carry the value into the settings.
void leave(QSpinBox *spin, int value)
{
    const QSignalBlocker blocker(spin);
    spin->setValue(value);
}
void leave(QCheckBox *box, bool on)
{
    const QSignalBlocker blocker(box);
    box->setChecked(on);
}
void leave(QComboBox *combo, int index)
{
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(index);
}

// The scroll area of the dock a placeholder sits in.
QScrollArea *dockArea(QWidget *placeholder)
{
    for (QWidget *up = placeholder->parentWidget(); up; up = up->parentWidget()) {
        if (auto *area = qobject_cast<QScrollArea *>(up))
            return area;
    }
    return nullptr;
}

// The part of a widget its dock's scroll area shows.
QRect inView(QWidget *widget, QScrollArea *area)
{
    const QRect rect(widget->mapTo(area->viewport(), QPoint(0, 0)), widget->size());
    return rect.intersected(area->viewport()->rect());
}

bool shownIn(const QWidget *form, const QWidget *placeholder)
{
    return form && form->parentWidget() == placeholder && form->isVisibleTo(placeholder);
}

} // namespace

class TestPanels : public QObject {
    Q_OBJECT

private slots:
    void advancedPanel_data();
    void advancedPanel();
    void startingStatesBySkipFactor_data();
    void startingStatesBySkipFactor();
    void pllPanel_data();
    void pllPanel();
    void panelBWithoutOwnContext();
    void anotherSensorWithPanelsOpen();
    void pllOnlySensor();
    void panelOpensInView_data();
    void panelOpensInView();
    void valueWords_data();
    void valueWords();
    void lineWordsFirstOpening();
    void lineWordsReadBack();
    void derivedCase();
    void sensorLargerThanForm();
    void wideFormShownWhole();
};

void TestPanels::advancedPanel_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("form");
    QTest::newRow("1 Tolm104m") << "Tolm104m"
                                << "Murn101_Adv";
    QTest::newRow("10 Tolm108m") << "Tolm108m"
                                 << "Murn101_Adv";
    QTest::newRow("13 Sarn105k") << "Sarn105k"
                                 << "Murn105_Adv";
    QTest::newRow("26 Vek124") << "Vek124"
                               << "Vek124_Adv";
    QTest::newRow("27 Pirn106") << "Pirn106"
                                << "Murn109_Adv";
    QTest::newRow("31 Sarn116k") << "Sarn116k"
                                 << "Murn111_Adv";
}

// Open, close and open again the context-A panel of each form.
void TestPanels::advancedPanel()
{
    QFETCH(QString, sample);
    QFETCH(QString, form);
    Session s(sample);
    Pallador &w = s.w();
    const CFamilyCore &f = s.family();
    const CModeState &m = f.mode[0];
    const int useCaseRows = w.rows[0];
    const int useCaseCols = w.cols[0];

    // First opening: built, shown, the use case locked, nothing calculated.
    resetJournal(w);
    w.ui.checkAdvParam_A->click();
    QWidget *panel = w.advForm[0];
    QVERIFY(shownIn(panel, w.ui.widgetADV_A));
    QCOMPARE(panel->objectName(), form);
    QCOMPARE(panel->pos(), QPoint(0, 0));
    QVERIFY(w.advFormLoaded[0]);
    QVERIFY(w.advParamOn[0]);
    QVERIFY(!w.ui.comboUseCase_A->isEnabled());
    QCOMPARE(w.currentContext, 0);
    QCOMPARE(calculations(w), 0);

    // The references and the values shown.
    QSpinBox *rows = child<QSpinBox>(panel, "spinRows");
    QSpinBox *cols = child<QSpinBox>(panel, "spinCols");
    QCOMPARE(w.spinRows[0], rows);
    QCOMPARE(w.spinCols[0], cols);
    QCOMPARE(w.spinRows[1], nullptr);
    QCheckBox *skipping = child<QCheckBox>(panel, "checkSkipping");
    QCheckBox *binning = child<QCheckBox>(panel, "checkBinning");
    QCheckBox *lowPower = child<QCheckBox>(panel, "checkLowPower");
    QCOMPARE(w.checkSkipping[0], skipping);
    QCOMPARE(w.checkBinning[0], binning);
    QCOMPARE(w.checkLowPower[0], lowPower);

    if (form == QLatin1String("Murn101_Adv")) {
        QCOMPARE(rows->value(), useCaseRows);
        QCOMPARE(cols->value(), useCaseCols);
        QCOMPARE(skipping->isChecked(), m.skipFactor > 1);
        QCOMPARE(lowPower->isChecked(), m.lowPower != 0);
        QVERIFY(rows->toolTip().isEmpty());
    } else if (form == QLatin1String("Murn105_Adv")) {
        QCOMPARE(rows->value(), useCaseRows);
        QCOMPARE(skipping->text(), QStringLiteral("2x2 Skip"));
        QCOMPARE(binning->text(), QStringLiteral("4x4 Skip"));
    } else if (form == QLatin1String("Vek124_Adv")) {
        QCOMPARE(rows->value(), m.outputRows);
        QCOMPARE(cols->value(), m.outputCols);
        QComboBox *format = child<QComboBox>(panel, "comboOutFormat");
        QComboBox *type = child<QComboBox>(panel, "comboImageType");
        QCOMPARE(w.comboOutFormat[0], format);
        QCOMPARE(w.comboOutFormat[1], type);
        QCOMPARE(format->currentText(), QStringLiteral("Bayer"));
        QVERIFY(!format->isEnabled());
        QCOMPARE(items(type), f.pll.imageTypes);
        QCOMPARE(type->currentIndex(), 0);
        QCOMPARE(w.checkBinSF[0], child<QCheckBox>(panel, "checkBinSF"));
        QCOMPARE(w.comboReadMode[0]->currentIndex(), m.skipFactor / 2);
        QCOMPARE(rows->toolTip(), QStringLiteral("Output Rows: Enter desired # of rows to output in final image"));
    } else if (form == QLatin1String("Murn109_Adv")) {
        // The output size as the result pane counts it, border included.
        QCOMPARE(rows->value(), m.outputRows);
        QCOMPARE(cols->value(), m.outputCols);
        QCOMPARE(w.spinFovC[0]->value(), m.fovCols);
        QCOMPARE(w.spinFovR[0]->value(), m.fovRows);
        QCOMPARE(w.spinReadMode->value(), f.ctx[0].readMode);
        QCOMPARE(w.comboOutFormat[0]->currentIndex(), w.outFormat[0]);
        QCOMPARE(w.comboOutFormat[1]->currentIndex(), w.imageType[0]);
        QCOMPARE(w.spinReadMode->toolTip(), QStringLiteral("Enter the sensor read out mode (0 ~ 5)"));
    } else if (form == QLatin1String("Murn111_Adv")) {
        QCOMPARE(rows->value(), m.outputRows);
        QCOMPARE(binning->isChecked(), m.binning > 1);
        QCOMPARE(w.checkBin2Skip2[0]->text(), QStringLiteral("Skipping"));
        QCOMPARE(w.checkCropping[0]->isChecked(), m.cropping != 0);
        QCOMPARE(w.comboOutFormat[0]->currentIndex(), w.outFormat[0]);
        QCOMPARE(w.checkAspectRatio[0]->toolTip(), QStringLiteral("Check to activate 16:9 HD aspect ratio"));
    }

    // Closing: hidden, the use case back and calculated once.
    w.ui.checkAdvParam_A->click();
    QVERIFY(!panel->isVisibleTo(w.ui.widgetADV_A));
    QVERIFY(w.ui.comboUseCase_A->isEnabled());
    QVERIFY(!w.advParamOn[0]);
    QCOMPARE(calculations(w), 1);
    QCOMPARE(w.rows[0], useCaseRows);

    // What the engineer left in the panel comes back on the next opening.
    const int newRows = rows->value() - 16;
    const int newCols = cols->value() - 32;
    leave(rows, newRows);
    leave(cols, newCols);
    if (skipping)
        leave(skipping, !skipping->isChecked());
    w.ui.comboMaxFRate_A->setEditText(QStringLiteral("12.5"));
    const int expectedSkipping = skipping ? int(skipping->isChecked()) : 0;
    resetJournal(w);
    w.ui.checkAdvParam_A->click();
    QCOMPARE(w.advForm[0], panel);
    QVERIFY(shownIn(panel, w.ui.widgetADV_A));
    QCOMPARE(calculations(w), 1);
    QCOMPARE(calculatedContexts(w).value(0), 0);
    QCOMPARE(w.rows[0], newRows);
    QCOMPARE(w.cols[0], newCols);
    QCOMPARE(w.maxFps[0], 12.5);
    QCOMPARE(s.family().ctx[0].rows, newRows);
    QCOMPARE(s.family().ctx[0].maxFps, 12.5);
    if (form == QLatin1String("Murn109_Adv")) {
        // The read-out mode box is the skipping setting.
        QCOMPARE(w.skipping[0], w.spinReadMode->value());
    } else if (form == QLatin1String("Vek124_Adv")) {
        // The same read-out factor (a skipping of 0 reads as 1).
        QCOMPARE(qMax(1, w.skipping[0]), 1 << w.comboReadMode[0]->currentIndex());
    } else {
        QCOMPARE(w.skipping[0], expectedSkipping);
    }
}

void TestPanels::startingStatesBySkipFactor_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("skipFactor");
    QTest::addColumn<bool>("skipTicked");
    QTest::addColumn<bool>("binTicked");  // Murn105_Adv: "4x4 Skip"
    QTest::addColumn<int>("skipIndex");   // Vek124_Adv: "1", "2", "4"
    QTest::addColumn<bool>("binEnabled"); // Vek124_Adv: the two binning boxes
    QTest::addColumn<bool>("sfEnabled");
    QTest::newRow("Murn101 1") << "Tolm104m" << 1 << false << false << -1 << true << true;
    QTest::newRow("Murn101 2") << "Tolm104m" << 2 << true << false << -1 << true << true;
    QTest::newRow("Murn105 1") << "Sarn105k" << 1 << false << false << -1 << true << true;
    QTest::newRow("Murn105 2") << "Sarn105k" << 2 << true << false << -1 << true << true;
    QTest::newRow("Murn105 4") << "Sarn105k" << 4 << false << true << -1 << true << true;
    QTest::newRow("Vek124 1") << "Vek124" << 1 << false << false << 0 << false << false;
    QTest::newRow("Vek124 2") << "Vek124" << 2 << false << false << 1 << true << false;
    QTest::newRow("Vek124 4") << "Vek124" << 4 << false << false << 2 << true << true;
}

// The family's skip factor decides which boxes start ticked or enabled.
void TestPanels::startingStatesBySkipFactor()
{
    QFETCH(QString, sample);
    QFETCH(int, skipFactor);
    QFETCH(bool, skipTicked);
    QFETCH(bool, binTicked);
    QFETCH(int, skipIndex);
    QFETCH(bool, binEnabled);
    QFETCH(bool, sfEnabled);
    Session s(sample);
    Pallador &w = s.w();
    s.family().mode[0].skipFactor = skipFactor;
    s.family().mode[0].binning = 1;
    w.ui.checkAdvParam_A->click();
    if (skipIndex < 0) {
        QCOMPARE(w.checkSkipping[0]->isChecked(), skipTicked);
        if (w.checkBinning[0])
            QCOMPARE(w.checkBinning[0]->isChecked(), binTicked);
        return;
    }
    QCOMPARE(w.comboReadMode[0]->currentIndex(), skipIndex);
    QCOMPARE(w.checkBinning[0]->isEnabled(), binEnabled);
    QCOMPARE(w.checkBinSF[0]->isEnabled(), sfEnabled);
}

void TestPanels::pllPanel_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("form");
    QTest::newRow("1 Tolm104m") << "Tolm104m"
                                << "Murn101_PLL";
    QTest::newRow("13 Sarn105k") << "Sarn105k"
                                 << "Murn105_PLL";
    QTest::newRow("26 Vek124") << "Vek124"
                               << "Murn109_PLL";
    QTest::newRow("27 Pirn106") << "Pirn106"
                                << "Murn109_PLL";
    QTest::newRow("31 Sarn116k") << "Sarn116k"
                                 << "Murn111_PLL";
}

// Open, use and reopen the advanced PLL panel: every opening is a new form
// with the family's current values, and closing calculates nothing.
void TestPanels::pllPanel()
{
    QFETCH(QString, sample);
    QFETCH(QString, form);
    Session s(sample);
    Pallador &w = s.w();
    const CPllParams &pll = s.family().pll;
    const bool dividers = form == QLatin1String("Murn109_PLL") || form == QLatin1String("Murn111_PLL");

    // The WCD box of the Murn105 and Murn111 forms starts at 0 and then
    // shows the library's divider: a different one stores itself as the
    // request, a PLL-level change (which calculates both contexts of
    // Sarn116k).
    const bool wcdShown =
        (form == QLatin1String("Murn105_PLL") || form == QLatin1String("Murn111_PLL")) && w.resWcd != 0;
    resetJournal(w);
    w.ui.checkPLL_ADV->click();
    QPointer<QWidget> first = w.pllForm;
    QVERIFY(shownIn(first, w.ui.widgetADV_PLL));
    QCOMPARE(first->objectName(), form);
    QVERIFY(w.pllFormLoaded);
    QCOMPARE(calculations(w), wcdShown ? w.contextCount : 0);
    QVERIFY(allContextsEachTime(w));
    QVERIFY(w.ui.comboUseCase_A->isEnabled());

    if (form == QLatin1String("Murn101_PLL")) {
        QCOMPARE(child<QLabel>(first, "label_43")->pixmap(Qt::ReturnByValue).size(), QSize(533, 162));
        QCOMPARE(w.labelPLL_OutClk, child<QLabel>(first, "labelPLL_OutClk"));
        QCOMPARE(w.labelPLL_M->text(), QString::number(w.resM));
        QCOMPARE(w.labelPLL_N->text(), QString::number(w.resN));
        QVERIFY(!w.labelPLL_PixClk->text().isEmpty());
        QVERIFY(!w.labelPLL_OutClk->text().isEmpty());
        QCOMPARE(w.checkPLL_Bypass, nullptr);
        return;
    }
    if (form == QLatin1String("Murn105_PLL")) {
        QCOMPARE(w.checkPLL_PreScale->isChecked(), pll.pllPreScale);
        QCOMPARE(w.spinPLL_WCD->value(), w.resWcd);
        QVERIFY(!w.spinPLL_WCD->isEnabled());
        QVERIFY(w.checkPLL_Bypass->toolTip().isEmpty());
        // The prescaler reaches the family at once.
        const bool before = w.checkPLL_PreScale->isChecked();
        resetJournal(w);
        w.checkPLL_PreScale->click();
        QCOMPARE(calculations(w), 1);
        QCOMPARE(s.family().pll.pllPreScale, !before);
    }
    if (dividers) {
        QCOMPARE(w.labelPLL_OutClk, nullptr);
        QCOMPARE(w.labelPLL_M, child<QLabel>(first, "labelPLL_M"));
        QCOMPARE(w.labelPLL_M->text(), QString::number(w.resM));
        QCOMPARE(w.spinPLL_P4->value(), qBound(w.spinPLL_P4->minimum(), pll.pllP4 - 1, 15));
        QCOMPARE(w.spinPLL_P5->value(), qBound(0, pll.pllP5 - 1, 15));
        QVERIFY(!w.checkPLL_P4->isChecked() && !w.spinPLL_P4->isEnabled());
        QCOMPARE(w.checkPLL_Bypass->toolTip(), QStringLiteral("Check to bypass the PLL setting"));
        QCOMPARE(w.spinPLL_P5->toolTip(), QStringLiteral("PLL P5: Enter specific 'P5' divider value"));
        if (form == QLatin1String("Murn111_PLL")) {
            QVERIFY(w.checkPLL_I2C->isHidden());
            QVERIFY(w.spinPLL_I2C->isHidden());
            QCOMPARE(w.spinPLL_I2C->value(), 300);
            QVERIFY(w.comboPLL_REV->isHidden());
            QCOMPARE(w.labelPLL_MipiClk->text().isEmpty(), false);
            QCOMPARE(w.spinPLL_WCD->value(), w.resWcd);
        }

        // The engineer fixes P5: the library takes it, one higher.
        w.checkPLL_P5->click();
        QVERIFY(w.spinPLL_P5->isEnabled());
        const int p5 = w.spinPLL_P5->value() == 3 ? 4 : 3;
        resetJournal(w);
        w.spinPLL_P5->setValue(p5);
        QVERIFY(calculations(w) >= 1);
        QCOMPARE(s.family().pll.pllP5, p5 + 1);
        QCOMPARE(w.spinPLL_P5->value(), p5);
    }

    // Closing hides the form and calculates nothing.
    resetJournal(w);
    w.ui.checkPLL_ADV->click();
    QVERIFY(!first->isVisibleTo(w.ui.widgetADV_PLL));
    QVERIFY(!w.pllFormLoaded);
    QCOMPARE(calculations(w), 0);

    // Opening again: a new form, the replaced one deleted, fresh values.
    w.ui.checkPLL_ADV->click();
    QVERIFY(first.isNull());
    QVERIFY(shownIn(w.pllForm, w.ui.widgetADV_PLL));
    QCOMPARE(w.ui.widgetADV_PLL->findChildren<QWidget *>(form).size(), 1);
    if (dividers) {
        QVERIFY(!w.checkPLL_P5->isChecked());
        QVERIFY(!w.spinPLL_P5->isEnabled());
        QCOMPARE(w.checkPLL_P5, child<QCheckBox>(w.pllForm, "checkPLL_P5"));
    }
}

// Panel B of the one-context sensors 1 to 11 is their form, shown and
// nothing more; a sensor without a panel-B form shows nothing.
void TestPanels::panelBWithoutOwnContext()
{
    {
        Session s(QStringLiteral("Tolm104m"));
        Pallador &w = s.w();
        resetJournal(w);
        w.ui.checkAdvParam_B->click();
        QWidget *panel = w.advForm[1];
        QVERIFY(shownIn(panel, w.ui.widgetADV_B));
        QCOMPARE(panel->objectName(), QStringLiteral("Murn101_Adv"));
        QCOMPARE(w.spinRows[1], nullptr);
        QCOMPARE(w.checkSkipping[1], nullptr);
        QCOMPARE(calculations(w), 0);
        w.ui.checkAdvParam_B->click();
        QVERIFY(!panel->isVisibleTo(w.ui.widgetADV_B));
        resetJournal(w);
        w.ui.checkAdvParam_B->click();
        QCOMPARE(w.advForm[1], panel);
        QVERIFY(shownIn(panel, w.ui.widgetADV_B));
        QCOMPARE(calculations(w), 0);
    }
    {
        Session s(QStringLiteral("Sarn105k"));
        Pallador &w = s.w();
        w.ui.checkAdvParam_B->click();
        QCOMPARE(w.advForm[1], nullptr);
        QVERIFY(w.ui.widgetADV_B->findChildren<QWidget *>().isEmpty());
        w.ui.checkAdvParam_B->click();
        QVERIFY(w.ui.comboUseCase_B->isEnabled());
    }
}

// Another sensor loaded while panels are open: the old forms and every
// reference into them go, and the new sensor's panels open with its forms.
void TestPanels::anotherSensorWithPanelsOpen()
{
    Session s(QStringLiteral("Tolm104m"));
    Pallador &w = s.w();
    w.ui.checkAdvParam_A->click();
    w.ui.checkPLL_ADV->click();
    QPointer<QWidget> oldA = w.advForm[0];
    QPointer<QWidget> oldPll = w.pllForm;
    QVERIFY(oldA && oldPll && w.spinRows[0] && w.labelPLL_M);

    w.loadConfigFile(s.install.addSample(QStringLiteral("Sarn116k.cfg")));
    QCOMPARE(w.sensorIndex, 31);
    QVERIFY(oldA.isNull());
    QVERIFY(oldPll.isNull());
    QVERIFY(!w.ui.checkAdvParam_A->isChecked() && !w.ui.checkPLL_ADV->isChecked());
    QVERIFY(!w.advFormLoaded[0] && !w.pllFormLoaded);
    QCOMPARE(w.spinRows[0], nullptr);
    QCOMPARE(w.checkSkipping[0], nullptr);
    QCOMPARE(w.labelPLL_M, nullptr);
    QVERIFY(w.ui.comboUseCase_A->isEnabled());

    resetJournal(w);
    w.ui.checkAdvParam_A->click();
    QCOMPARE(w.advForm[0]->objectName(), QStringLiteral("Murn111_Adv"));
    QCOMPARE(w.spinRows[0], child<QSpinBox>(w.advForm[0], "spinRows"));
    QCOMPARE(w.spinRows[0]->value(), s.family().mode[0].outputRows);
    QCOMPARE(calculations(w), 0);
    w.ui.checkPLL_ADV->click();
    QCOMPARE(w.pllForm->objectName(), QStringLiteral("Murn111_PLL"));
    QCOMPARE(w.ui.widgetADV_A->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly).size(), 1);
}

// The sensor with a PLL panel only (Holv101): its A box shows nothing, and
// its use case is locked while the PLL panel is open and follows the
// family's when it closes.
void TestPanels::pllOnlySensor()
{
    Session s(QStringLiteral("Holv101"));
    Pallador &w = s.w();
    w.ui.checkAdvParam_A->setChecked(true);
    w.on_checkAdvParam_A_clicked();
    QCOMPARE(w.advForm[0], nullptr);
    QVERIFY(w.ui.comboUseCase_A->isEnabled());
    w.ui.checkPLL_ADV->click();
    QVERIFY(!w.ui.comboUseCase_A->isEnabled());
    w.ui.checkPLL_ADV->click();
    QVERIFY(w.ui.comboUseCase_A->isEnabled());
    QCOMPARE(w.ui.comboUseCase_A->currentIndex(), w.calvex->holv_101->useCaseIndex);
}

void TestPanels::panelOpensInView_data()
{
    QTest::addColumn<int>("panel");
    QTest::newRow("A") << int(panels::Panel::A);
    QTest::newRow("PLL") << int(panels::Panel::Pll);
}

// The panel opens below the box that opens it, out of the dock's view: the
// dock scrolls so that the panel shows.
void TestPanels::panelOpensInView()
{
    QFETCH(int, panel);
    Session s(QStringLiteral("Sarn116k"));
    Pallador &w = s.w();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const bool a = panel == int(panels::Panel::A);
    QCheckBox *box = a ? w.ui.checkAdvParam_A : w.ui.checkPLL_ADV;
    QWidget *placeholder = a ? w.ui.widgetADV_A : w.ui.widgetADV_PLL;
    QScrollArea *area = dockArea(placeholder);
    QVERIFY(area);
    QVERIFY2(inView(placeholder, area).isEmpty(), "the panel's place is in view before it opens");

    box->click();
    QWidget *form = placeholder->findChild<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(form && form->isVisible());
    const QRect shown = inView(form, area);
    const QSize room = area->viewport()->size();
    QCOMPARE(shown.topLeft(), form->mapTo(area->viewport(), QPoint(0, 0)));
    QCOMPARE(shown.size(), form->size().boundedTo(room));
}

void TestPanels::valueWords_data()
{
    QTest::addColumn<panels::Value>("value");
    QTest::addColumn<double>("expected");
    using namespace panels;
    const auto row = [](const char *name, const Value &v, double expected) { QTest::newRow(name) << v << expected; };
    row("flag 0", flag(0), 0);
    row("flag -2", flag(-2), 1);
    row("factor 1", factor(1), 0);
    row("factor 2", factor(2), 1);
    row("zero 0", zero(0), 1);
    row("one of 4 in 2, 4", oneOf(4, {2, 4}), 1);
    row("one of 3 in 2, 4", oneOf(3, {2, 4}), 0);
    // Colour-correction rows 16, 32, 64, 128 as the index of their item.
    row("log2 16/16", log2Of(Value(16) / 16), 0);
    row("log2 64/16", log2Of(Value(64) / 16), 2);
    row("log2 96/16", log2Of(Value(96) / 16), 2);
    row("log2 of 0 rows", clamp(log2Of(Value(0) / 16), 0, 3), 0);
    row("log2 of 1024 rows", clamp(log2Of(Value(1024) / 16), 0, 3), 3);
    row("x / 0", Value(5) / 0, 0);
    row("rows less twice the border", Value(1088) - 2 * Value(4), 1080);
    // The loaded sensor is Sarn116k, entry 31; its context B record.
    row("entry 31", byEntry({30, 31}, 1, 2), 1);
    row("other entry", byEntry(Entries::range(32, 40), 1, 2), 2);
    row("setting of context A", setting(&Pallador::cols), 1296);
    row("setting of context B", ofContext(1, setting(&Pallador::cols)), 2592);
    row("family of context B", ofContext(1, mode(&CModeState::outputRows)), 1944);
    row("single setting", setting(&Pallador::revIndex), 0);
}

void TestPanels::valueWords()
{
    QFETCH(panels::Value, value);
    QFETCH(double, expected);
    Session s(QStringLiteral("Sarn116k"));
    QCOMPARE(value(s.w(), s.family(), 0), expected);
}

namespace {

using P = Pallador;

// A case of every kind of line, on the Murn111_Adv form (Sarn116k, entry 31).
panels::FormCase wordsCase()
{
    using namespace panels;
    FormCase c{Panel::A, "Murn111_Adv"};
    c.widgets = {
        on<&P::checkBinning>("checkBinning")
            .caption("Bin 2x2")
            .back(both(store(&P::binning), store(&P::lowPower)))
            .backIf(ticked(ref<&P::checkSkipping>())),
        on<&P::checkBinXonly>("checkBinXonly").back(store(&P::binXOnly)).backIf(unticked(ref<&P::checkSkipping>())),
        lookOnly<QCheckBox>("checkCropping").hidden({14, 31}),
        lookOnly<QCheckBox>("checkAspectRatio").disabled({1, 2}),
        on<&P::spinRows>("spinRows").start(setting(&P::rows) - 16, {31}).back(store(&P::rows), {5}),
        on<&P::spinCols>("spinCols")
            .start(777)
            .late()
            .slot("spinCols_valueChanged(int)")
            .tip("columns")
            .back(store(&P::skipping, threeAsFour)),
        on<&P::comboOutFormat>("comboOutFormat")
            .fill([](const Pallador &, const CFamilyCore &, int) {
                return QStringList{"16", "32", "64", "128"};
            })
            .start(64)
            .byText()
            .back(store(&P::ccRow)),
        on<&P::checkSkipping>("checkSkipping").enabledIf(zero(setting(&P::rows))),
        on<&P::checkLowPower>("checkLowPower").shownIf(0),
        on<&P::checkBin2Skip2>("checkBin2Skip2").slot("checkBin2Skip2_clicked()").connectAfterRule(),
        on<&P::checkHDR>("checkHDR").absent(),
        on<&P::checkHighSpeed>("checkHighSpeed").notInForm(),
    };
    // Clicks the box that is connected only after this rule: nothing runs.
    c.connected = [](Pallador &w, int context) { w.checkBin2Skip2[context]->click(); };
    return c;
}

} // namespace

// What each word of a line does on the first opening.
void TestPanels::lineWordsFirstOpening()
{
    Session s(QStringLiteral("Sarn116k"));
    Pallador &w = s.w();
    const panels::FormCase c = wordsCase();
    QWidget *form = w.loadForm(w.ui.widgetADV_A, panels::formResource(QLatin1String(c.form)));
    // Members another panel of the sensor had filled.
    w.checkHDR[0] = w.ui.checkAdvParam_A;
    w.checkHighSpeed[0] = w.ui.checkAdvParam_B;
    const int rows = w.rows[0];
    w.currentContext = 0;
    resetJournal(w);
    panels::setUpForm(w, c, 0, form, s.family(), false);

    QCOMPARE(w.checkBinning[0], child<QCheckBox>(form, "checkBinning"));
    QCOMPARE(w.checkBinning[0]->text(), QStringLiteral("Bin 2x2"));
    QVERIFY(child<QCheckBox>(form, "checkCropping")->isHidden());
    QVERIFY(child<QCheckBox>(form, "checkAspectRatio")->isEnabled());
    QCOMPARE(w.spinRows[0]->value(), rows - 16);
    // Set after the connections: its slot stored it and calculated.
    QCOMPARE(w.spinCols[0]->value(), 777);
    QCOMPARE(w.cols[0], 777);
    QCOMPARE(w.spinCols[0]->toolTip(), QStringLiteral("columns"));
    QCOMPARE(w.comboOutFormat[0]->currentText(), QStringLiteral("64"));
    QVERIFY(!w.checkSkipping[0]->isEnabled());
    QVERIFY(w.checkLowPower[0]->isHidden());
    QVERIFY(w.checkBin2Skip2[0]->isChecked());
    QCOMPARE(w.checkHDR[0], nullptr);
    QCOMPARE(w.checkHighSpeed[0], w.ui.checkAdvParam_B);
    QCOMPARE(calculations(w), 1);
    // Connected after the rule.
    w.checkBin2Skip2[0]->click();
    QCOMPARE(calculations(w), 2);
    QCOMPARE(w.bin2Skip2[0], 0);
}

// What the read-back of each line stores, by entry and condition.
void TestPanels::lineWordsReadBack()
{
    Session s(QStringLiteral("Sarn116k"));
    Pallador &w = s.w();
    const panels::FormCase c = wordsCase();
    QWidget *form = w.loadForm(w.ui.widgetADV_A, panels::formResource(QLatin1String(c.form)));
    panels::setUpForm(w, c, 0, form, s.family(), true);
    const int rows = w.rows[0];
    w.binXOnly[0] = 5;
    leave(w.spinRows[0], 500);
    leave(w.spinCols[0], 3);
    leave(w.comboOutFormat[0], 3);
    leave(w.checkSkipping[0], true);
    leave(w.checkBinning[0], true);
    leave(w.checkBinXonly[0], true);
    panels::readBack(w, c, 0);
    QCOMPARE(w.rows[0], rows);  // read back for another entry only
    QCOMPARE(w.skipping[0], 4); // a read-out mode of 3 is stored as 4
    QCOMPARE(w.ccRow[0], 128);  // the number the item shows
    QCOMPARE(w.binning[0], 1);  // while "Skipping" is ticked, into two settings
    QCOMPARE(w.lowPower[0], 1);
    QCOMPARE(w.binXOnly[0], 5); // only while it is not

    leave(w.checkSkipping[0], false);
    leave(w.checkBinning[0], false);
    panels::readBack(w, c, 0);
    QCOMPARE(w.binning[0], 1);
    QCOMPARE(w.binXOnly[0], 1);
}

// A context-B case made from the A case: rows dropped and changed, no tool
// tips; it fills the B members and reads back into context B.
void TestPanels::derivedCase()
{
    Session s(QStringLiteral("Sarn116k"));
    Pallador &w = s.w();
    const panels::FormCase a = wordsCase();
    panels::FormCase b =
        a.derive(panels::Panel::B)
            .without({"checkCropping", "checkBin2Skip2"})
            .change("spinRows",
                    [](panels::Widget &d) { d.start(panels::setting(&P::rows)).back(panels::store(&P::rows)); })
            .noToolTips();
    b.connected = nullptr;
    QCOMPARE(b.panel, panels::Panel::B);
    QCOMPARE(int(b.widgets.size()), int(a.widgets.size()) - 2);
    QCOMPARE(int(a.widgets.size()), 12);

    QWidget *form = w.loadForm(w.ui.widgetADV_B, panels::formResource(QLatin1String(b.form)));
    w.currentContext = 1;
    panels::setUpForm(w, b, 1, form, s.family(), false);
    QCOMPARE(w.spinRows[1], child<QSpinBox>(form, "spinRows"));
    QCOMPARE(w.spinRows[0], nullptr);
    QCOMPARE(w.spinRows[1]->value(), w.rows[1]);
    QVERIFY(!child<QCheckBox>(form, "checkCropping")->isHidden());
    QVERIFY(w.spinCols[1]->toolTip().isEmpty());
    QCOMPARE(w.cols[1], 777);
    leave(w.spinRows[1], 600);
    panels::readBack(w, b, 1);
    QCOMPARE(w.rows[1], 600);
}

// Brel101_Adv's size boxes are drawn for a smaller array than Sarn102's
// 2592 x 1944: the boxes still show the sensor's size, and opening the panel
// again leaves the output size as it was instead of clipping it.
void TestPanels::sensorLargerThanForm()
{
    Session s(QStringLiteral("Sarn102"));
    Pallador &w = s.w();
    w.ui.widgetADV_A->setAttribute(Qt::WA_UnderMouse, true);
    const int cols = s.family().mode[0].outputCols;
    const int rows = s.family().mode[0].outputRows;
    QVERIFY(cols > 848 && rows > 638);

    w.ui.checkAdvParam_A->click();
    QCOMPARE(w.advForm[0]->objectName(), QStringLiteral("Brel101_Adv"));
    QCOMPARE(w.spinCols[0]->value(), cols);
    QCOMPARE(w.spinRows[0]->value(), rows);
    QCOMPARE(w.spinCols[0]->minimum(), 30);

    w.ui.checkAdvParam_A->click();
    w.ui.checkAdvParam_A->click();
    QCOMPARE(w.cols[0], cols);
    QCOMPARE(w.rows[0], rows);
    QCOMPARE(s.family().mode[0].outputCols, cols);
    QVERIFY(w.ui.textResult_A->toPlainText().contains(QStringLiteral("Output size: %1 x %2").arg(cols).arg(rows)));
}

// Vek145l_Adv is wider than panel A's place: opening it widens the dock so
// that the whole form is seen at the window's starting size, and closing it
// gives the room back.
void TestPanels::wideFormShownWhole()
{
    Session s(QStringLiteral("Vek145l"));
    Pallador &w = s.w();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QWidget *placeholder = w.ui.widgetADV_A;
    const QSize designed = placeholder->minimumSize();
    QScrollArea *area = dockArea(placeholder);
    QVERIFY(area);

    w.ui.checkAdvParam_A->click();
    QWidget *form = w.advForm[0];
    QVERIFY(form && form->isVisible());
    QVERIFY(form->width() > designed.width());
    QCOMPARE(placeholder->minimumSize(), designed.expandedTo(form->size()));
    QTRY_COMPARE(inView(form, area).width(), form->width());

    w.ui.checkAdvParam_A->click();
    QCOMPARE(placeholder->minimumSize(), designed);
    w.ui.checkAdvParam_A->click();
    QCOMPARE(placeholder->minimumSize(), designed.expandedTo(form->size()));
    w.loadConfigFile(s.install.addSample(QStringLiteral("Sarn116k.cfg")));
    QCOMPARE(placeholder->minimumSize(), designed);
}

QTEST_MAIN(TestPanels)
#include "tst_panels.moc"
