// The column-correction rows of Vek_141 (37) and Vek_155 (53): the count
// asked for (16 x 2^k, high speed 16) is the one the register programs, the
// context text reports and the HDR ratio follows.
#include "familyrunner.h"

#include <QtTest>

#include <cstring>

namespace {

// The value of the first row of a name.
qint64 rowValue(const CFamilyCore *f, const char *name)
{
    const RegTable *t = f->regTable();
    for (int i = 0; t && i < t->count; ++i) {
        if (std::strcmp(t->rows[i].name, name) == 0)
            return f->results.registerValues[i];
    }
    return -1;
}

} // namespace

class TestColumnCorrection : public QObject {
    Q_OBJECT

private slots:
    void rowsProgrammedAsReported_data();
    void rowsProgrammedAsReported();
};

void TestColumnCorrection::rowsProgrammedAsReported_data()
{
    QTest::addColumn<int>("typeCode");
    QTest::addColumn<int>("ccRows");
    QTest::addColumn<bool>("highSpeed");
    QTest::addColumn<int>("rows"); // corrected over
    for (int code : {37, 53}) {
        for (int k = 0; k < 4; ++k)
            QTest::addRow("%d: %d", code, 16 << k) << code << (16 << k) << false << (16 << k);
        QTest::addRow("%d: 128, high speed", code) << code << 128 << true << 16;
        QTest::addRow("%d: 8", code) << code << 8 << false << 16;
        QTest::addRow("%d: 0", code) << code << 0 << false << 16;
        QTest::addRow("%d: 96", code) << code << 96 << false << 64;
        QTest::addRow("%d: 1024", code) << code << 1024 << false << 128;
    }
}

void TestColumnCorrection::rowsProgrammedAsReported()
{
    QFETCH(int, typeCode);
    QFETCH(int, ccRows);
    QFETCH(bool, highSpeed);
    QFETCH(int, rows);
    CCalvex calvex(typeCode);
    auto *f = dynamic_cast<CFamilyBase *>(calvex.family());
    QVERIFY(f);
    testing::initDefaults(f, typeCode);
    f->ctx[0].ccRows = ccRows;
    f->ctx[0].hdrMode = 1;
    f->ctx[0].intgTime = 20.0;
    f->pll.highSpeed = highSpeed;
    testing::calculate(f, typeCode, 0);

    int k = 0;
    while ((16 << k) < rows)
        ++k;
    QCOMPARE(rowValue(f, "COLUMN_CORRECTION"), qint64(k));
    QVERIFY2(f->results.contextDisplayText[0].contains(QStringLiteral("Column correction: %1 rows").arg(rows)),
             qPrintable(f->results.contextDisplayText[0]));
    // The second exposure is the first over rows / 4.
    const calvex::TimingResult &t = f->timing(0);
    QCOMPARE(t.exposures, 2);
    QCOMPARE(t.expRows[1], qMax(1, t.expRows[0] >> (k + 2)));
}

QTEST_GUILESS_MAIN(TestColumnCorrection)
#include "tst_columncorrection.moc"
