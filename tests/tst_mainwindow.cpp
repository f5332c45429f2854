// The main window before any sensor is loaded: its state, services, the form
// controls later code relies on, the View toggles and the window state store.
#include "calvex.h"
#include "pallador.h"
#include "registerdataio.h"
#include "testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QtTest>

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initialState();
    void versionString();
    void installDirIsKeptVerbatim_data();
    void installDirIsKeptVerbatim();
    void formControls_data();
    void formControls();
    void frameRateLists();
    void contextCHasNoSlots();
    void viewToggles();
    void windowStatePerSensor();
    void loadFormOfMissingResource();
    void resultPanesAreReadOnly();
};

void TestMainWindow::initialState()
{
    FixtureInstall install;
    Pallador w(QString{});
    QCOMPARE(w.sensorIndex, -1);
    QCOMPARE(w.contextCount, 1);
    QCOMPARE(w.regCount, 0);
    QVERIFY(w.dataIO == nullptr);
    QVERIFY(w.calvex != nullptr);
    QVERIFY(w.calvex->brel_101 != nullptr);
    QCOMPARE(w.calvex->family()->typeCode(), 12);
    QVERIFY(w.regs[0].name.isEmpty() && w.regs[199].name.isEmpty());
    QCOMPARE(w.installDir, install.root());
    QVERIFY(w.configPath.isEmpty());
    QCOMPARE(w.pllN, -1);
    QCOMPARE(w.pllM, -1);
    QCOMPARE(w.pllVco, -1.0);
    QCOMPARE(w.userVBlank[2], 500);
    QCOMPARE(w.fovPercent[1], 90.91);
    QCOMPARE(w.custRev, 1170);
    QCOMPARE(w.varAddrReg, 0x098E);

    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (QWidget *hidden : std::initializer_list<QWidget *>{w.ui.tableRegister, w.ui.dockImageA, w.ui.dockImageB,
                                                           w.ui.dockImageC, w.ui.dockPLL, w.ui.dockTiming,
                                                           w.ui.groupOutput})
        QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));
    QVERIFY(w.ui.dockTiming->isFloating());
    QVERIFY(w.ui.checkOutputTiming->isChecked());
    QVERIFY(w.ui.checkOutputPLL->isChecked());
    QVERIFY(w.ui.combo_SensorType->isVisible());
    QVERIFY(w.ui.actionOpen_Config->isEnabled());
    for (QAction *a : {w.ui.actionSave_Config, w.ui.actionSet_Default, w.ui.actionSave, w.ui.actionSave_As,
                       w.ui.actionSave_State, w.ui.actionStatusbar})
        QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
    for (QAction *a : {w.ui.actionImage_A, w.ui.actionImage_B, w.ui.actionImage_C, w.ui.actionPLL,
                       w.ui.actionTiming})
        QVERIFY2(!a->isVisible(), qPrintable(a->objectName()));
    QCOMPARE(w.windowTitle(), QStringLiteral("Pallador"));
    QCOMPARE(w.ui.dSpinPLL_Input->toolTip(), QStringLiteral("Input Frequency: Enter frequency of input clock"));
    QCOMPARE(w.ui.spinUserBlank_C->toolTip(),
             QStringLiteral("Enter desired # of horizontal/verticle blanking pixels for each row/column"));
}

void TestMainWindow::versionString()
{
    FixtureInstall install;
    Pallador w(QString{});
    QCOMPARE(w.getVersionString(), QStringLiteral("Version: 6. 0. 34. 55910 (Build Date: Nov 23 2020)"));
}

void TestMainWindow::installDirIsKeptVerbatim_data()
{
    QTest::addColumn<QByteArray>("home");
    QTest::addColumn<QString>("joined");
    QTest::newRow("trailing slash") << QByteArray("/opt/qi/") << "/opt/qi/doc/x.txt";
    QTest::newRow("trailing backslash") << QByteArray("C:\\qi\\") << "C:\\qi\\doc/x.txt";
    QTest::newRow("no separator") << QByteArray("/opt/qi") << "/opt/qi/doc/x.txt";
    QTest::newRow("empty value is present") << QByteArray("") << "doc/x.txt";
}

void TestMainWindow::installDirIsKeptVerbatim()
{
    QFETCH(QByteArray, home);
    QFETCH(QString, joined);
    FixtureInstall install;
    qputenv("QI_HOME", home);
    Pallador w(QString{});
    QCOMPARE(w.installDir, QString::fromUtf8(home));
    QCOMPARE(w.installPath(QStringLiteral("doc/x.txt")), joined);
}

// The controls that the set-up, the slots and the binder look up, with the
// ranges and defaults they rely on.
void TestMainWindow::formControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("input clock") << "dSpinPLL_Input" << "QDoubleSpinBox" << 2.0 << 64.0 << 3 << 2.0 << true;
    QTest::newRow("target clock") << "dSpinPLL_Target" << "QDoubleSpinBox" << 0.0 << 999.0 << 3 << 96.0 << true;
    QTest::newRow("vco") << "dSpinPLL_VCO" << "QDoubleSpinBox" << 1.0 << 1280.0 << 2 << 1.0 << false;
    QTest::newRow("pre-divider") << "spinPLL_N" << "QSpinBox" << 0.0 << 64.0 << 0 << 0.0 << false;
    QTest::newRow("multiplier") << "spinPLL_M" << "QSpinBox" << 4.0 << 384.0 << 0 << 32.0 << false;
    for (const char *x : {"A", "B", "C"}) {
        QTest::addRow("min fps %s", x) << QStringLiteral("dSpinMinFRate_%1").arg(x) << "QDoubleSpinBox" << 0.0
                                       << 99.99 << 2 << 5.0 << false;
        QTest::addRow("user blank %s", x) << QStringLiteral("spinUserBlank_%1").arg(x) << "QSpinBox" << 0.0
                                          << 65535.0 << 0 << 500.0 << false;
        QTest::addRow("frame rate type %s", x)
            << QStringLiteral("comboTypeFRate_%1").arg(x) << "QComboBox" << 0.0 << 2.0 << 0 << 0.0 << true;
        QTest::addRow("blanking %s", x) << QStringLiteral("comboTypeBlank_%1").arg(x) << "QComboBox" << 0.0 << 4.0
                                        << 0 << 0.0 << true;
        QTest::addRow("use cases %s", x) << QStringLiteral("comboUseCase_%1").arg(x) << "QComboBox" << 0.0 << 0.0
                                         << 0 << -1.0 << true;
        QTest::addRow("advanced %s", x) << QStringLiteral("checkAdvParam_%1").arg(x) << "QCheckBox" << 0.0 << 0.0
                                        << 0 << 0.0 << true;
    }
    QTest::newRow("interface") << "comboPLL_Interface" << "QComboBox" << 0.0 << 2.0 << 0 << 0.0 << true;
    QTest::newRow("vco override") << "checkPLL_VCO" << "QCheckBox" << 0.0 << 0.0 << 0 << 0.0 << true;
    QTest::newRow("advanced pll") << "checkPLL_ADV" << "QCheckBox" << 0.0 << 0.0 << 0 << 0.0 << true;
    QTest::newRow("show registers") << "checkRegList" << "QCheckBox" << 0.0 << 0.0 << 0 << 0.0 << true;
    QTest::newRow("sensor list") << "combo_SensorType" << "QComboBox" << 0.0 << 1.0 << 0 << 0.0 << true;
}

void TestMainWindow::formControls()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(int, decimals);
    QFETCH(double, value);
    QFETCH(bool, enabled);

    FixtureInstall install;
    Pallador w(QString{});
    QWidget *widget = w.findChild<QWidget *>(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), kind);
    QCOMPARE(widget->isEnabled(), enabled);
    if (auto d = qobject_cast<QDoubleSpinBox *>(widget)) {
        QCOMPARE(d->minimum(), minimum);
        QCOMPARE(d->maximum(), maximum);
        QCOMPARE(d->decimals(), decimals);
        QCOMPARE(d->value(), value);
    } else if (auto s = qobject_cast<QSpinBox *>(widget)) {
        QCOMPARE(double(s->minimum()), minimum);
        QCOMPARE(double(s->maximum()), maximum);
        QCOMPARE(double(s->value()), value);
    } else if (auto c = qobject_cast<QComboBox *>(widget)) {
        QCOMPARE(double(c->count()), maximum);  // the number of items
        QCOMPARE(double(c->currentIndex()), value);
    } else if (auto b = qobject_cast<QCheckBox *>(widget)) {
        QCOMPARE(b->isChecked(), value != 0.0);
    }
}

void TestMainWindow::frameRateLists()
{
    FixtureInstall install;
    Pallador w(QString{});
    const QStringList common = {"55",    "45",    "36.67", "27.5",  "24.5",  "22",    "18.xx", "15.8",  "14.645",
                                "14.125", "13.81", "12.91", "12.25", "11.55", "10.45", "9.5",   "8.45",  "7.32",
                                "6.45",   "5.36",  "5.11"};
    for (QComboBox *combo : {w.ui.comboMaxFRate_A, w.ui.comboMaxFRate_B, w.ui.comboMaxFRate_C}) {
        QVERIFY(combo->isEditable());
        QCOMPARE(combo->count(), common.size());
        QCOMPARE(combo->currentText(), QStringLiteral("55"));
        for (int i = 0; i < combo->count(); ++i) {
            const QString expected = i == 6 ? (combo == w.ui.comboMaxFRate_A ? "18.75" : "18.57") : common.at(i);
            QCOMPARE(combo->itemText(i), expected);
        }
    }
    QCOMPARE(w.ui.label_46->text(), QStringLiteral("Target FPS:"));
    QCOMPARE(w.ui.label_63->text(), QStringLiteral("Target FPS:"));
    QCOMPARE(w.ui.label_67->text(), QStringLiteral("Max. FPS:"));
}

// Context C exists on the form only: changing its controls runs no slot.
void TestMainWindow::contextCHasNoSlots()
{
    FixtureInstall install;
    Pallador w(QString{});
    const QMetaObject *meta = w.metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QByteArray name = meta->method(i).name();
        QVERIFY2(!QRegularExpression(QStringLiteral("^on_(combo|dSpin|spin|check)\\w*_C_")).match(QString::fromLatin1(name)).hasMatch(),
                 name.constData());
    }
    // A change of a context-C setting leaves every setting of the window alone.
    const int blankBefore = w.blankType[2];
    w.ui.comboTypeBlank_C->setCurrentIndex(3);
    w.ui.spinUserBlank_C->setValue(900);
    QCOMPARE(w.blankType[2], blankBefore);
    QCOMPARE(w.userVBlank[2], 500);
}

void TestMainWindow::viewToggles()
{
    FixtureInstall install;
    Pallador w(QString{});
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    struct Toggle {
        QAction *action;
        QWidget *target;
    };
    for (const Toggle &t : {Toggle{w.ui.actionPLL, w.ui.dockPLL}, Toggle{w.ui.actionImage_A, w.ui.dockImageA},
                            Toggle{w.ui.actionImage_C, w.ui.dockImageC}, Toggle{w.ui.actionTiming, w.ui.dockTiming},
                            Toggle{w.ui.actionToolBar, w.ui.toolBar}}) {
        const bool startsOn = t.action->isChecked();
        t.action->trigger();
        QCOMPARE(t.action->isChecked(), !startsOn);
        QCOMPARE(t.target->isVisible(), !startsOn);
        t.action->trigger();
        QCOMPARE(t.target->isVisible(), startsOn);
    }
    QTest::mouseClick(w.ui.checkRegList, Qt::LeftButton);
    QVERIFY(!w.ui.checkRegList->isChecked() || w.ui.tableRegister->isVisible());
}

void TestMainWindow::windowStatePerSensor()
{
    FixtureInstall install;
    const QString vek = install.addSample(QStringLiteral("Vek108m.cfg"));
    const QString tolm = install.addSample(QStringLiteral("Tolm104m.cfg"));

    {
        Pallador w(QString{});
        w.dataIO = new CRegisterDataIO(vek);
        w.dataIO->readGeneralInfo();
        w.sensorIndex = w.findSensorIndex(w.dataIO->getSensorName());
        w.show();
        w.ui.dockPLL->show();
        w.ui.dockImageA->hide();
        w.resize(760, 560);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.ui.actionSave_State->setEnabled(true);
        w.ui.actionSave_State->trigger();
    }

    // Another model has its own store: restoring it changes nothing.
    Pallador w(QString{});
    w.resize(640, 480);
    w.show();
    w.ui.dockImageA->show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.dataIO = new CRegisterDataIO(tolm);
    w.dataIO->readGeneralInfo();
    w.sensorIndex = w.findSensorIndex(w.dataIO->getSensorName());
    w.restoreWindowState();
    QVERIFY(w.ui.dockImageA->isVisible());

    // The same model restores the saved arrangement; the View actions keep
    // their own check states.
    delete w.dataIO;
    w.dataIO = new CRegisterDataIO(vek);
    w.dataIO->readGeneralInfo();
    w.sensorIndex = w.findSensorIndex(w.dataIO->getSensorName());
    w.restoreWindowState();
    QTRY_VERIFY(!w.ui.dockImageA->isVisible());
    QVERIFY(w.ui.dockPLL->isVisible());
    QTRY_COMPARE(w.size(), QSize(760, 560));
    QVERIFY(w.ui.actionImage_A->isChecked());
}

void TestMainWindow::loadFormOfMissingResource()
{
    FixtureInstall install;
    Pallador w(QString{});
    QWidget parent;
    QVERIFY(w.loadForm(&parent, QStringLiteral(":/Forms/Form_Files/NoSuchForm.ui")) == nullptr);
    QWidget *form = w.loadForm(&parent, QStringLiteral(":/Forms/Form_Files/StartUpDialog.ui"));
    QVERIFY(form);
    QCOMPARE(form->parent(), &parent);
    QVERIFY(form->findChild<QComboBox *>(QStringLiteral("combo_SensorType")));
}

// The result panes take no typed text, and Tab in them moves the focus on
// rather than inserting white space; their text can still be selected.
void TestMainWindow::resultPanesAreReadOnly()
{
    WindowSession s(QStringLiteral("Sarn102"));
    Pallador &w = s.w();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (QTextEdit *pane : {w.ui.textResult_A, w.ui.textResult_B, w.ui.textResult_PLL}) {
        const QString text = pane->toPlainText();
        QVERIFY2(!text.isEmpty(), qPrintable(pane->objectName()));
        pane->setFocus();
        QTRY_VERIFY(pane->hasFocus());
        QTest::keyClicks(pane, QStringLiteral("typed"));
        QTest::keyClick(pane, Qt::Key_Delete);
        QTest::keyClick(pane, Qt::Key_Tab);
        QCOMPARE(pane->toPlainText(), text);
        QVERIFY2(!pane->hasFocus(), qPrintable(pane->objectName()));
        QVERIFY(pane->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    }
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
