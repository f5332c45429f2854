// Rules of the panel-driven HDR families. The silicon revision: Vek_128
// starts on the revision its configuration file names, takes the revision
// it is handed in its PLL block (brought into its range) and runs revision
// 2's VCO a tenth higher; Vek_118's revision defaults give
// the 16-bit-as-two-8-bit capability to Vek118m alone, and the option acts
// on the HiSPi link only. Drav_102's register rows in use leave out the
// region rows while the frame buffer reads no region.
#include "calvex.h"
#include "familyrunner.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Setup {
    int typeCode;
    CCalvex calvex;
    CFamilyBase *f;
    explicit Setup(int code) : typeCode(code), calvex(code), f(dynamic_cast<CFamilyBase *>(calvex.family()))
    {
        testing::initDefaults(f, code);
    }
};

quint32 row(const CFamilyCore *f, const char *name)
{
    const RegTable *table = f->regTable();
    for (int i = 0; table && i < f->registerCount(); ++i) {
        if (qstrcmp(table->rows[i].name, name) == 0)
            return f->results.registerValues[i];
    }
    return 0xFFFFFFFFu;
}

} // namespace

class TestHdrFamilies : public QObject {
    Q_OBJECT

private slots:
    void vek128RevisionOfTheFile_data();
    void vek128RevisionOfTheFile();
    void vek128Revision_data();
    void vek128Revision();
    void vek128VcoByRevision();
    void vek118SixteenBits_data();
    void vek118SixteenBits();
    void dravRowsInUse_data();
    void dravRowsInUse();
};

void TestHdrFamilies::vek128RevisionOfTheFile_data()
{
    QTest::addColumn<QByteArray>("revisionLine");
    QTest::addColumn<int>("revision");
    QTest::newRow("none") << QByteArray() << 1;
    QTest::newRow("2") << QByteArray("revision = 2\n") << 2;
    QTest::newRow("9 is brought down") << QByteArray("revision = 9\n") << 2;
    QTest::newRow("0 is brought up") << QByteArray("revision = 0\n") << 1;
}

// The family starts on the revision its configuration file names, within
// the revisions it has, and calculates with it.
void TestHdrFamilies::vek128RevisionOfTheFile()
{
    QFETCH(QByteArray, revisionLine);
    QFETCH(int, revision);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Vek128m.cfg"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[General_Info]\nsensor_name = Vek128m\n" + revisionLine +
               "[UseCases]\n0/name = Full\n0/cols = 1280\n0/rows = 960\n0/max_fps = 30\n");
    file.close();
    CCalvex calvex(110);
    auto *f = dynamic_cast<CFamilyBase *>(calvex.family());
    QVERIFY(f);
    testing::initDefaults(f, 110, path);
    QCOMPARE(f->pll.revision, revision);
    f->SetSerialPLL(1);
    QCOMPARE(f->pll.revision, revision);

    // Without a file the family falls back to revision 1.
    testing::initDefaults(f, 110);
    QCOMPARE(f->pll.revision, 1);
}

void TestHdrFamilies::vek128Revision_data()
{
    QTest::addColumn<int>("handed");
    QTest::addColumn<int>("held");       // after the PLL step
    QTest::addColumn<double>("ceiling"); // VCO ceiling over revision 1's
    QTest::newRow("1") << 1 << 1 << 1.0;
    QTest::newRow("2") << 2 << 2 << 1.1;
    QTest::newRow("0 is brought up") << 0 << 1 << 1.0;
    QTest::newRow("-3 is brought up") << -3 << 1 << 1.0;
    QTest::newRow("7 is brought down") << 7 << 2 << 1.1;
}

// The revision handed over is the one the PLL step uses and reports back,
// always one the family has; going back to revision 1 restores its limits.
void TestHdrFamilies::vek128Revision()
{
    QFETCH(int, handed);
    QFETCH(int, held);
    QFETCH(double, ceiling);
    Setup s(110);
    QCOMPARE(s.f->pll.revision, 1);
    const double base = s.f->pllLimits().vcoMax;

    s.f->pll.revision = handed;
    s.f->SetSerialPLL(1);
    QCOMPARE(s.f->pll.revision, held);
    QVERIFY(qFuzzyCompare(s.f->pllLimits().vcoMax, base * ceiling));

    s.f->pll.revision = 1;
    s.f->SetSerialPLL(1);
    QCOMPARE(s.f->pllLimits().vcoMax, base);
}

// A VCO request between the two ceilings is out of range on revision 1 and
// met on revision 2.
void TestHdrFamilies::vek128VcoByRevision()
{
    Setup s(110);
    const double request = s.f->pllLimits().vcoMax * 1.05;
    for (int revision : {1, 2}) {
        s.f->pll.revision = revision;
        s.f->pll.vcoRequest = request;
        s.f->pll.pllN = s.f->pll.pllM = -1;
        s.f->SetSerialPLL(1);
        s.f->UseCaseTiming(0, false, true);
        s.f->ResultsUpdate(0);
        const bool vcoWarned = (s.f->ctx[0].warnings & 0x200000u) != 0;
        QCOMPARE(vcoWarned, revision == 1);
        QVERIFY(s.f->pll.vcoClock <= s.f->pllLimits().vcoMax + 1e-9 || revision == 1);
    }
}

void TestHdrFamilies::vek118SixteenBits_data()
{
    QTest::addColumn<int>("typeCode");
    QTest::addColumn<int>("revision");
    QTest::addColumn<int>("interfaceIndex"); // 0 parallel, 1 HiSPi, 2 MIPI
    QTest::addColumn<int>("bitDepth");       // the capability after the revision defaults
    QTest::addColumn<bool>("sixteen");       // 16 bits as two words on the link

    QTest::newRow("Vek118m rev 1 HiSPi") << 75 << 1 << 1 << 12 << false;
    QTest::newRow("Vek118m rev 2 HiSPi") << 75 << 2 << 1 << 16 << true;
    QTest::newRow("Vek118m rev 3 HiSPi") << 75 << 3 << 1 << 16 << true;
    QTest::newRow("Vek118m rev 2 MIPI") << 75 << 2 << 2 << 16 << false;
    QTest::newRow("Vek118m rev 2 parallel") << 75 << 2 << 0 << 16 << false;
    QTest::newRow("Vek131m rev 2 HiSPi") << 102 << 2 << 1 << 12 << false;
}

// The option asked for (oddClkRatio) acts only where the revision gives the
// capability and on the HiSPi link: the link bits and the register follow.
void TestHdrFamilies::vek118SixteenBits()
{
    QFETCH(int, typeCode);
    QFETCH(int, revision);
    QFETCH(int, interfaceIndex);
    QFETCH(int, bitDepth);
    QFETCH(bool, sixteen);
    Setup s(typeCode);
    s.f->ctx[0].interfaceIndex = interfaceIndex;
    s.f->pll.oddClkRatio = true;
    s.f->SetInterface(interfaceIndex == 0 ? 1 : 4, 1);
    s.f->SetRevDefaults(revision);
    QCOMPARE(s.f->pll.bitDepth, bitDepth);
    if (interfaceIndex == 0)
        s.f->SetParallelPLL();
    else
        s.f->SetSerialPLL(interfaceIndex);
    s.f->UseCaseTiming(0, false, true);
    s.f->ResultsUpdate(0);
    s.f->RegisterUpdate(0);
    QCOMPARE(s.f->linkBits() == 16, sixteen);
    QCOMPARE(row(s.f, "MIPI_16_2_8"), sixteen ? 1u : 0u);
}

void TestHdrFamilies::dravRowsInUse_data()
{
    QTest::addColumn<int>("fbMode");
    QTest::addColumn<bool>("regions"); // the region rows in use
    QTest::newRow("off") << 0 << false;
    QTest::newRow("regions of interest") << 1 << true;
    QTest::newRow("slow MIPI") << 2 << false;
}

// The rows in use are a leading run of the installed rows: all of them
// while the frame buffer reads regions, otherwise all but the trailing
// region rows; the frame-buffer control stays in use either way.
void TestHdrFamilies::dravRowsInUse()
{
    QFETCH(int, fbMode);
    QFETCH(bool, regions);
    Setup s(111);
    auto *d = static_cast<Drav_102 *>(s.f);
    d->fbMode = fbMode;
    const int installed = d->NumberOfRegisters(true);
    const int inUse = d->NumberOfRegisters(false);
    QCOMPARE(installed, d->registerCount());
    QCOMPARE(inUse == installed, regions);
    QVERIFY(inUse > 0 && inUse <= installed);
    const RegTable *table = d->regTable();
    for (int i = 0; i < installed; ++i) {
        const bool regionRow = qstrncmp(table->rows[i].name, "FB_ROI_", 7) == 0;
        QCOMPARE(i < inUse, regions || !regionRow);
    }
    QVERIFY(row(d, "FB_CTRL") != 0xFFFFFFFFu);
}

QTEST_MAIN(TestHdrFamilies)
#include "tst_hdrfamilies.moc"
