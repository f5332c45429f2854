#include "catalogue.h"

#include <QtTest>

#include <iterator>

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void lookup_data();
    void lookup();
    void entries_data();
    void entries();
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

// The whole catalogue, written out: every position holds its own name, so a
// swapped, missing or extra entry shows.
void TestCatalogue::entries_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");

    struct Entry {
        int index;
        const char *name;
    };
    const Entry catalogue[] = {
        {0, "UNKOWN"}, {1, "Tolm104m"}, {2, "Tolm105m"}, {3, "Tolm101m"},
        {4, "Tolm101t"}, {5, "Tolm102m"}, {6, "Tolm103m"}, {7, "Tolm106m"},
        {8, "Tolm106t"}, {9, "Tolm107m"}, {10, "Tolm108m"}, {11, "Tolm108t"},
        {12, "Sarn102"}, {13, "Sarn105k"}, {14, "Sarn106h"}, {15, "Vek103"},
        {16, "Vek104"}, {17, "Vek105m"}, {18, "Vek105t"}, {19, "Vek106"},
        {20, "Sarn106c"}, {21, "Vek101"}, {22, "Vek108m"}, {23, "Vek108t"},
        {24, "Vek109t"}, {25, "Sarn109"}, {26, "Vek124"}, {27, "Pirn106"},
        {28, "Sarn111"}, {29, "Vek130t"}, {30, "Sarn112"}, {31, "Sarn116k"},
        {32, "Sarn115"}, {33, "Sarn114vw+"}, {34, "Sarn117"}, {35, "Sarn118"},
        {36, "Sarn119"}, {37, "Sarn120"}, {38, "Sarn121"}, {39, "Vek142"},
        {40, "Vek142b"}, {41, "Vek145l"}, {42, "Vek147"}, {43, "Vek148n"},
        {44, "Vek149"}, {45, "Vek150n"}, {46, "Vek151"}, {47, "Vek151tk"},
        {48, "Vek151b"}, {49, "Vek152n"}, {50, "Vek156"}, {51, "Vek153"},
        {52, "Vek154"}, {53, "Vek155"}, {54, "Yorm101t"}, {55, "Yorm102m"},
        {56, "Yorm102t"}, {57, "Yorm105m"}, {58, "Yorm106m"}, {59, "Sarn108kj"},
        {60, "Sarn103k"}, {61, "Tolm109"}, {62, "Vek125"}, {63, "Vek126n"},
        {64, "Vek127r"}, {65, "Sarn101k"}, {66, "Sarn104k"}, {67, "Vek143"},
        {68, "Vek144n"}, {69, "Sarn113k"}, {70, "Sarn110k"}, {71, "Sarn107k"},
        {72, "Vek116m"}, {73, "Vek116t"}, {74, "Vek115x"}, {75, "Vek118m"},
        {76, "Vek121m"}, {77, "Vek121t"}, {78, "Vek121d"}, {79, "Vek122t"},
        {80, "Vek157b"}, {81, "Vek157f"}, {82, "Vek137"}, {83, "Vek117m"},
        {84, "Vek107m"}, {85, "Vek113m"}, {86, "Vek111m"}, {87, "Vek111t"},
        {88, "Vek123m"}, {89, "Vek123d"}, {90, "Vek135d"}, {91, "Vek136d"},
        {92, "Vek110m"}, {93, "Vek112m"}, {94, "Vek114d"}, {95, "Vek132"},
        {96, "Vek133"}, {97, "Vek134t"}, {98, "Vek134s"}, {99, "Vek138m"},
        {100, "Vek139"}, {101, "Vek140m"}, {102, "Vek131m"}, {103, "Vek119t"},
        {104, "Vek119m"}, {105, "Zelt105"}, {106, "Zelt101"}, {107, "Zelt102"},
        {108, "Zelt103"}, {109, "Zelt104"}, {110, "Vek128m"}, {111, "Drav102"},
        {112, "Drav101t"}, {113, "Vek120t"}, {114, "Holv101"}, {115, "Vek146m"},
    };
    QCOMPARE(int(std::size(catalogue)), int(SensorCatalogueSize));
    for (const Entry &e : catalogue)
        QTest::addRow("%d %s", e.index, e.name) << e.index << QString::fromLatin1(e.name);
}

void TestCatalogue::entries()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QCOMPARE(catalogueName(index), name);
    QCOMPARE(catalogueIndex(name), index);
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
