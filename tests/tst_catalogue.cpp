#include "catalogue.h"

#include <QtTest>

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void lookup_data();
    void lookup();
    void everyNameFindsItsOwnIndex();
    void nameAtIndex();
};

void TestCatalogue::lookup_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");

    QTest::newRow("exact") << "Vek108m" << 22;
    QTest::newRow("lower case") << "vek108m" << 22;
    QTest::newRow("upper case") << "VEK108M" << 22;
    QTest::newRow("no sensor") << "UNKOWN" << 0;
    QTest::newRow("no sensor, mixed case") << "uNkOwN" << 0;
    QTest::newRow("correct spelling is not in the table") << "UNKNOWN" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("leading blank") << " Vek108m" << -1;
    QTest::newRow("trailing blank") << "Vek108m " << -1;
    QTest::newRow("plus belongs to the name") << "Sarn114vw+" << 33;
    QTest::newRow("without its plus") << "Sarn114vw" << -1;
    QTest::newRow("file name") << "Vek108m.cfg" << -1;
    QTest::newRow("prefix only") << "Vek108" << -1;
    QTest::newRow("first entry") << "Tolm104m" << 1;
    QTest::newRow("shares a family, far away") << "Vek131m" << 102;
    QTest::newRow("last entry") << "Vek146m" << 115;
}

void TestCatalogue::lookup()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QCOMPARE(catalogueIndex(name), index);
}

void TestCatalogue::everyNameFindsItsOwnIndex()
{
    for (int i = 0; i < SensorCatalogueSize; ++i)
        QCOMPARE(catalogueIndex(QString::fromLatin1(sensorCatalogue[i])), i);
}

void TestCatalogue::nameAtIndex()
{
    QCOMPARE(catalogueName(22), QStringLiteral("Vek108m"));
    QCOMPARE(catalogueName(0), QStringLiteral("UNKOWN"));
    QCOMPARE(catalogueName(-1), QString());
    QCOMPARE(catalogueName(SensorCatalogueSize), QString());
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
