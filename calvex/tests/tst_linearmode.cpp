// The line-interleaved HDR families run linear (one exposure) exactly while
// the calculated context has neither HDR nor combination mode: the flag an
// application set for an earlier linear calculation does not hold the
// family linear once HDR is switched back on.
#include "familyrunner.h"

#include <QtTest>

#include <memory>

class TestLinearMode : public QObject {
    Q_OBJECT

private slots:
    void followsTheInputs_data();
    void followsTheInputs();
};

void TestLinearMode::followsTheInputs_data()
{
    QTest::addColumn<int>("typeCode");
    QTest::addColumn<bool>("useCaseTiming");
    QTest::addColumn<int>("hdrMode");
    QTest::addColumn<int>("combi");
    QTest::addColumn<bool>("flagBefore"); // what an earlier calculation left in linearMode
    QTest::addColumn<bool>("linear");
    for (int code : {83, 84, 85, 92, 93}) {
        const char *family = calvex::familyTraits(code).family;
        for (bool useCase : {false, true}) {
            const char *step = useCase ? "UseCaseTiming" : "TimingUpdate";
            QTest::addRow("%d %s %s, HDR on after a linear calculation", code, family, step)
                << code << useCase << 1 << 0 << true << false;
            QTest::addRow("%d %s %s, HDR and combination off", code, family, step)
                << code << useCase << 0 << 0 << false << true;
            QTest::addRow("%d %s %s, combination mode", code, family, step)
                << code << useCase << 0 << 1 << true << false;
            QTest::addRow("%d %s %s, HDR and combination mode", code, family, step)
                << code << useCase << 1 << 1 << false << false;
        }
    }
}

void TestLinearMode::followsTheInputs()
{
    QFETCH(int, typeCode);
    QFETCH(bool, useCaseTiming);
    QFETCH(int, hdrMode);
    QFETCH(int, combi);
    QFETCH(bool, flagBefore);
    QFETCH(bool, linear);

    std::unique_ptr<CCalvex> c(new CCalvex(typeCode));
    auto *f = dynamic_cast<CFamilyBase *>(c->family());
    auto *h = dynamic_cast<HdrRowFields *>(c->family());
    QVERIFY(f && h);
    testing::initDefaults(f, typeCode);
    // The family starts as HDR with two exposures.
    QVERIFY(!h->linearMode);
    QCOMPARE(f->timing(0).exposures, 2);

    h->numExposures = 3;
    h->linearMode = flagBefore;
    f->ctx[0].hdrMode = hdrMode;
    f->ctx[0].combi = combi;
    f->ctx[0].maxFps = 5.0;
    f->PllUpdate();
    if (useCaseTiming)
        f->UseCaseTiming(0, false, true);
    else
        f->TimingUpdate(0, false, true);

    QCOMPARE(h->linearMode, linear);
    QCOMPARE(f->timing(0).exposures, linear ? 1 : 3);
    QCOMPARE(f->ctx[0].maxExposures, linear ? 1 : 3);
}

QTEST_GUILESS_MAIN(TestLinearMode)
#include "tst_linearmode.moc"
