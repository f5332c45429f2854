// The start-up chooser's listing rules and choices.
#include "startup.h"
#include "testsupport.h"

#include <QComboBox>
#include <QDir>
#include <QtTest>

class TestChooser : public QObject {
    Q_OBJECT

private:
    static QComboBox *sensors(StartUp &s) { return s.findChild<QComboBox *>(QStringLiteral("combo_SensorType")); }
    static QComboBox *variants(StartUp &s) { return s.findChild<QComboBox *>(QStringLiteral("comboCpnSensor")); }
    static QStringList items(QComboBox *c)
    {
        QStringList list;
        for (int i = 0; i < c->count(); ++i)
            list << c->itemText(i);
        return list;
    }

private slots:
    void listing_data();
    void listing();
    void missingFolderGivesOnlyTheCaption();
    void plainEntryChosen();
    void variantChosen();
    void lockedSelection();
};

void TestChooser::listing_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("extensions and case order")
        << QStringList{"Vek108m.ini", "Vek108m.cfg", "Tolm104m.cfg", "aLower.cfg"}
        << QStringList{"Tolm104m.cfg", "Vek108m.cfg", "Vek108m.ini", "aLower.cfg"};
    QTest::newRow("variants fold into their base name")
        << QStringList{"Yorm102m+AB.ini", "Yorm102m+CD.cfg", "Vek101.cfg"} << QStringList{"Vek101.cfg", "Yorm102m"};
    QTest::newRow("excluded prefixes are case-sensitive")
        << QStringList{"Yorm101m-a.cfg", "Pirn102mw-x.cfg", "Yorm101mx.cfg", "yorm101m-b.cfg", "Yorm103t-c+v.cfg"}
        << QStringList{"Yorm101mx.cfg", "yorm101m-b.cfg"};
    QTest::newRow("other files are not listed")
        << QStringList{"Notes.txt", "Vek108m.CFG", "sub/Inner.cfg", "Vek101.Ini"}
        << QStringList{"Vek101.Ini", "Vek108m.CFG"};
}

void TestChooser::listing()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, expected);
    FixtureInstall install;
    QDir(install.configFolder()).mkpath(QStringLiteral("sub"));
    QDir(install.configFolder()).mkpath(QStringLiteral("Folder.cfg"));
    for (const QString &f : files)
        install.writeConfig(f, "[General_Info]\n");

    StartUp chooser;
    QCOMPARE(items(sensors(chooser)), QStringList{"Sensor/SOC Configuration files"} + expected);
    QCOMPARE(sensors(chooser)->currentIndex(), 0);
    QVERIFY(chooser.configPath.isEmpty());
    QVERIFY(!variants(chooser)->isVisibleTo(&chooser));
}

void TestChooser::missingFolderGivesOnlyTheCaption()
{
    FixtureInstall install;
    QDir(install.configFolder()).removeRecursively();
    StartUp chooser;
    QCOMPARE(sensors(chooser)->count(), 1);
}

void TestChooser::plainEntryChosen()
{
    FixtureInstall install;
    install.writeConfig(QStringLiteral("Tolm104m.cfg"), "");
    install.writeConfig(QStringLiteral("Vek108m.cfg"), "");
    StartUp chooser;
    sensors(chooser)->setCurrentIndex(2);
    QCOMPARE(chooser.configPath, install.configFolder() + QStringLiteral("/Vek108m.cfg"));
    QCOMPARE(chooser.result(), 2);
    // Back to the caption: nothing chosen.
    sensors(chooser)->setCurrentIndex(0);
    QVERIFY(chooser.configPath.isEmpty());
}

void TestChooser::variantChosen()
{
    FixtureInstall install;
    install.writeConfig(QStringLiteral("Yorm102m+AB.ini"), "");
    install.writeConfig(QStringLiteral("Yorm102m+CD.cfg"), "");
    StartUp chooser;
    chooser.show();
    sensors(chooser)->setCurrentIndex(1);
    QVERIFY(chooser.isVisible());
    QVERIFY(variants(chooser)->isVisible());
    QCOMPARE(items(variants(chooser)), (QStringList{"Select Sensor", "AB.ini", "CD.cfg"}));
    QVERIFY(chooser.configPath.isEmpty());
    variants(chooser)->setCurrentIndex(2);
    QCOMPARE(chooser.configPath, install.configFolder() + QStringLiteral("/Yorm102m+CD.cfg"));
    QCOMPARE(chooser.result(), 2);
    QVERIFY(!chooser.isVisible());

    // Choosing "Select Sensor" again empties the choice.
    chooser.show();
    variants(chooser)->setCurrentIndex(0);
    QVERIFY(chooser.configPath.isEmpty());
    QVERIFY(chooser.isVisible());
}

void TestChooser::lockedSelection()
{
    FixtureInstall install;
    install.writeConfig(QStringLiteral("Yorm102m+AB.ini"), "");
    install.writeConfig(QStringLiteral("Vek101.cfg"), "");
    StartUp absent;
    absent.selectSensor(QStringLiteral("Nothing"));
    QCOMPARE(sensors(absent)->currentIndex(), 0);
    QVERIFY(!sensors(absent)->isEnabled());

    StartUp base;
    base.selectSensor(QStringLiteral("Yorm102m"));
    QCOMPARE(sensors(base)->currentText(), QStringLiteral("Yorm102m"));
    QVERIFY(!sensors(base)->isEnabled());
    QCOMPARE(variants(base)->count(), 2);
}

QTEST_MAIN(TestChooser)
#include "tst_chooser.moc"
