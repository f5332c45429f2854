// The register table, the result panes and the timing diagram as a user sees
// them after loading a sample: rows with the library's register values in
// both formats, the rows each sensor's rules show, cells kept when their
// value did not change, and the diagram's sizes, texts and pictures.
#include "calvex.h"
#include "pallador.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QDockWidget>
#include <QLabel>
#include <QTableWidget>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

struct Session : WindowSession {
    using WindowSession::WindowSession;
};

// The row of a register name in the window's rows, or -1.
int rowOf(const Pallador &w, const char *name)
{
    for (int i = 0; i < w.regCount; ++i) {
        if (w.regs[i].name == QLatin1String(name))
            return i;
    }
    return -1;
}

bool shown(const Pallador &w, const char *name)
{
    const int row = rowOf(w, name);
    return row >= 0 && !w.ui.tableRegister->isRowHidden(row);
}

// Opens the timing diagram from the View menu, as a user does.
void openDiagram(Pallador &w)
{
    if (!w.ui.dockTiming->isVisibleTo(&w))
        w.ui.actionTiming->trigger();
    QVERIFY(w.ui.dockTiming->isVisibleTo(&w));
}

} // namespace

class TestRegisterView : public QObject {
    Q_OBJECT

private slots:
    void valueFormats_data();
    void valueFormats();
    void tableHoldsTheLibraryValues_data();
    void tableHoldsTheLibraryValues();
    void unchangedValuesKeepTheirCells();
    void visibilityRules_data();
    void visibilityRules();
    void outputOptionsHideSections();
    void addressAndMaskHeaders();
    void pllPaneEndsWithTheRevision();
    void diagramWorkedExample();
    void diagramPictureFollowsMirrorAndFlip_data();
    void diagramPictureFollowsMirrorAndFlip();
    void diagramTitlesAndSensorsWithout();
    void diagramSurvivesZeroFactors();
    void diagramKeepsItsPartsApart();
};

void TestRegisterView::valueFormats_data()
{
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("dec");
    QTest::newRow("padded") << 26u << "0x001A" << "26";
    QTest::newRow("zero") << 0u << "0x0000" << "0";
    QTest::newRow("five digits kept") << 0x1ABCDu << "0x1ABCD" << "109517";
    QTest::newRow("top bit unsigned") << 0x80000000u << "0x80000000" << "2147483648";
}

void TestRegisterView::valueFormats()
{
    QFETCH(quint32, value);
    QFETCH(QString, hex);
    QFETCH(QString, dec);
    QCOMPARE(Pallador::hexText(value), hex);
    QCOMPARE(Pallador::decText(value), dec);
}

void TestRegisterView::tableHoldsTheLibraryValues_data()
{
    QTest::addColumn<QString>("sample");
    // Two contexts, a one-context image processor, a family whose values
    // stand from the last calculation, a bridge, a form-based family, the
    // radar with its 154 rows and a family that tells its own row count.
    for (const char *s : {"Sarn102", "Tolm104m", "Sarn108kj", "Yorm106m", "Vek125", "Holv101", "Drav102", "Vek113m"})
        QTest::newRow(s) << QString::fromLatin1(s);
}

// After the load's calculation every row shows the value the library computed,
// in the stored rows and in both value columns; the name and the address come
// from the sensor's table.
void TestRegisterView::tableHoldsTheLibraryValues()
{
    QFETCH(QString, sample);
    Session s(sample);
    Pallador &w = s.w();
    const CFamilyCore *f = w.calvex->family();
    QVERIFY(f);
    const quint32 *values = w.varResults ? w.varResults->registerValues : f->results.registerValues;
    QVERIFY(values);
    QVERIFY(w.regCount > 0 && w.regCount <= Pallador::RegRowCapacity);
    const QTableWidget *t = w.ui.tableRegister;
    QCOMPARE(t->rowCount(), w.regCount);
    const int refreshed = qMin(w.regCount, f->registerCount());
    for (int i = 0; i < refreshed; ++i) {
        const REGS_DESC_T &r = w.regs[i];
        QCOMPARE(r.value, values[i]);
        QCOMPARE(t->item(i, 0)->text(), r.name);
        QCOMPARE(t->item(i, 3)->text(), Pallador::hexText(values[i]));
        QCOMPARE(t->item(i, 4)->text(), Pallador::decText(values[i]));
        QVERIFY(!(t->item(i, 3)->flags() & Qt::ItemIsEditable));
    }
    QCOMPARE(s.responder.seen(), QStringList());
}

// A calculation that changes a few registers replaces only their cells.
void TestRegisterView::unchangedValuesKeepTheirCells()
{
    Session s(QStringLiteral("Tolm104m"));
    Pallador &w = s.w();
    QTableWidget *t = w.ui.tableRegister;
    QList<QTableWidgetItem *> before;
    for (int i = 0; i < w.regCount; ++i)
        before << t->item(i, 3);
    const QVector<quint32> valuesBefore = [&] {
        QVector<quint32> v;
        for (int i = 0; i < w.regCount; ++i)
            v << w.regs[i].value;
        return v;
    }();

    w.ui.dSpinPLL_Input->setValue(24.0);

    int changed = 0;
    for (int i = 0; i < w.regCount; ++i) {
        if (w.regs[i].value == valuesBefore[i]) {
            QCOMPARE(t->item(i, 3), before[i]);
        } else {
            ++changed;
            QCOMPARE(t->item(i, 3)->text(), Pallador::hexText(w.regs[i].value));
        }
    }
    QVERIFY(changed > 0);
    QVERIFY(changed < w.regCount);

    // A calculation that changes nothing replaces nothing.
    for (int i = 0; i < w.regCount; ++i)
        before[i] = t->item(i, 3);
    w.recalc(true);
    for (int i = 0; i < w.regCount; ++i)
        QCOMPARE(t->item(i, 3), before[i]);
}

void TestRegisterView::visibilityRules_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<QString>("row");
    QTest::addColumn<bool>("visible");
    // The interface rows follow each family's interface condition.
    QTest::newRow("Vek113m MIPI on 0") << "Vek113m" << 0 << "MIPI_TIMING_0" << true;
    QTest::newRow("Vek113m MIPI on 1") << "Vek113m" << 1 << "MIPI_TIMING_0" << false;
    QTest::newRow("Vek117m MIPI on 0") << "Vek117m" << 0 << "MIPI_TIMING_0" << false;
    QTest::newRow("Vek117m MIPI on 1") << "Vek117m" << 1 << "MIPI_TIMING_0" << true;
    QTest::newRow("Vek131m preamble off 1") << "Vek131m" << 0 << "FRAME_PREAMBLE" << false;
    QTest::newRow("Vek118m preamble always") << "Vek118m" << 0 << "FRAME_PREAMBLE" << true;
    // The extra exposures of the HDR sensors show with the use-register option only.
    QTest::newRow("Vek117m second exposure") << "Vek117m" << 1 << "COARSE_INTEGRATION_TIME2" << false;
    // Keep-sync rows show with keep-sync on only.
    QTest::newRow("Yorm106m keep-sync off") << "Yorm106m" << 0 << "TX_KS_LINE_LENGTH_PCK" << false;
}

void TestRegisterView::visibilityRules()
{
    QFETCH(QString, sample);
    QFETCH(int, interfaceIndex);
    QFETCH(QString, row);
    QFETCH(bool, visible);
    Session s(sample);
    Pallador &w = s.w();
    QVERIFY2(rowOf(w, qPrintable(row)) >= 0, qPrintable(row));
    w.interfaceIndex = interfaceIndex;
    w.recalc(true);
    QCOMPARE(shown(w, qPrintable(row)), visible);
}

// Output Timing off hides every timing row; on again, the family rules decide.
void TestRegisterView::outputOptionsHideSections()
{
    Session s(QStringLiteral("Sarn102"));
    Pallador &w = s.w();
    w.ui.checkOutputTiming->click();
    QVERIFY(!w.outputTiming);
    for (int i = 0; i < w.regCount; ++i)
        QCOMPARE(w.ui.tableRegister->isRowHidden(i), w.regs[i].section != 0);
    w.ui.checkOutputTiming->click();
    w.ui.checkOutputPLL->click();
    for (int i = 0; i < w.regCount; ++i)
        QCOMPARE(w.ui.tableRegister->isRowHidden(i), w.regs[i].section == 0);
}

// Vek113m shows its rows' address and mask where other sensors show the
// page and the address.
void TestRegisterView::addressAndMaskHeaders()
{
    Session s(QStringLiteral("Vek113m"));
    Pallador &w = s.w();
    const QTableWidget *t = w.ui.tableRegister;
    QCOMPARE(t->horizontalHeaderItem(1)->text(), QStringLiteral("Address"));
    QCOMPARE(t->horizontalHeaderItem(2)->text(), QStringLiteral("Mask"));
    QCOMPARE(t->item(0, 1)->text(), Pallador::hexText(w.regs[0].address));
    QCOMPARE(t->item(0, 2)->text(), Pallador::hexText(w.regs[0].mask));

    Session other(QStringLiteral("Sarn102"));
    const QTableWidget *u = other.w().ui.tableRegister;
    QCOMPARE(u->horizontalHeaderItem(1)->text(), QStringLiteral("ID"));
    QCOMPARE(u->item(0, 1)->text(), Pallador::decText(quint32(other.w().regs[0].id)));
    QCOMPARE(u->item(0, 2)->text(), Pallador::hexText(other.w().regs[0].address));
}

void TestRegisterView::pllPaneEndsWithTheRevision()
{
    FixtureInstall install;
    const QString path = install.writeConfig(QStringLiteral("rev3.cfg"),
                                             "[General_Info]\nsensor_name = Tolm104m\nrevision = 3\n[UseCases]\n"
                                             "0/name = VGA\n0/cols = 640\n0/rows = 480\n0/max_fps = 30\n");
    Pallador w(path);
    const QString text = w.ui.textResult_PLL->toPlainText();
    QVERIFY(text.startsWith(w.pllDisplayText));
    QVERIFY(text.endsWith(QStringLiteral("\n\nHW Rev: 3")));
    QCOMPARE(w.ui.textResult_A->toPlainText(), w.ctxDisplayText[0]);
}

// A frame of 1650 x 990 with 370 clocks and 30 lines of blanking at scale 12:
// a black rectangle of 137 x 82 and the clock texts; a wider frame is capped
// at 300 pixels.
void TestRegisterView::diagramWorkedExample()
{
    Session s(QStringLiteral("Sarn109")); // scale 12, one context
    Pallador &w = s.w();
    openDiagram(w);
    CTimingGeometry &g = w.calvex->family()->results.timingGeometry;
    g = CTimingGeometry();
    g.xFactor = g.yFactor = 1;
    g.fovWidth = g.outputWidth = 1280;
    g.fovHeight = g.outputHeight = 960;
    g.hBlank = 370;
    g.vBlank = 30;
    g.frameWidth = 1650;
    g.frameHeight = 990;
    w.updateTimingDiagram();
    QCOMPARE(w.ui.labelHVBlank->size(), QSize(137, 82));
    QCOMPARE(w.ui.labelCorePix->size(), QSize(106, 80));
    QCOMPARE(w.ui.labelActiveX->text(), QStringLiteral("1280"));
    QCOMPARE(w.ui.labelHBlank->text(), QStringLiteral("+ 370"));
    QCOMPARE(w.ui.labelActiveY->text(), QStringLiteral("960"));
    QCOMPARE(w.ui.labelVBlank->text(), QStringLiteral("+ 30"));
    QCOMPARE(w.ui.labelFOVSize->text(), QStringLiteral("Image FOV size   : 1280x960"));
    QCOMPARE(w.ui.labelOUTSize->text(), QStringLiteral("Image Output size: 1280x960"));
    // The captions sit below the rectangle, the numbers beside them.
    QCOMPARE(w.ui.labelHorzClk->y(), w.ui.labelHVBlank->y() + 82 + 10);
    QCOMPARE(w.ui.labelVertClk->y(), w.ui.labelHorzClk->y() + 20);
    QCOMPARE(w.ui.labelHBlank->x(), w.ui.labelActiveX->x() + 40);
    QCOMPARE(w.timingGeometry.frameWidth, 1650);

    g.frameWidth = 4000;
    w.updateTimingDiagram();
    QCOMPARE(w.ui.labelHVBlank->width(), 300);
}

void TestRegisterView::diagramPictureFollowsMirrorAndFlip_data()
{
    QTest::addColumn<bool>("mirror");
    QTest::addColumn<bool>("flip");
    QTest::addColumn<QString>("picture");
    QTest::newRow("plain") << false << false << ":/Pallador/Resources/SensorCore.PNG";
    QTest::newRow("flipped") << false << true << ":/Pallador/Resources/SensorCoreVertFlip.PNG";
    QTest::newRow("mirrored") << true << false << ":/Pallador/Resources/SensorCoreHorizFlip.PNG";
    QTest::newRow("both") << true << true << ":/Pallador/Resources/SensorCoreHorizVertFlip.PNG";
}

// Context A's mirror and flip choose the output picture at the next
// calculation; the derived pictures are the drawn one mirrored and flipped.
// The boxes are ticked while the diagram is closed: it shows their picture
// when it is opened.
void TestRegisterView::diagramPictureFollowsMirrorAndFlip()
{
    QFETCH(bool, mirror);
    QFETCH(bool, flip);
    QFETCH(QString, picture);
    Session s(QStringLiteral("Sarn102"));
    Pallador &w = s.w();
    if (mirror)
        w.ui.checkHorzMirror_A->click();
    if (flip)
        w.ui.checkVertFlip_A->click();
    openDiagram(w);
    const QImage shownImage = w.ui.labelOutPix->pixmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(shownImage, QImage(picture).convertToFormat(QImage::Format_ARGB32));
    const QImage core = QImage(QStringLiteral(":/Pallador/Resources/SensorCore.PNG"))
                            .convertToFormat(QImage::Format_ARGB32)
                            .mirrored(mirror, flip);
    QCOMPARE(shownImage, core);
}

void TestRegisterView::diagramTitlesAndSensorsWithout()
{
    {
        Session s(QStringLiteral("Sarn112"));
        QCOMPARE(s.w().ui.dockTiming->windowTitle(), QStringLiteral("Timing Diagram (Context A)"));
    }
    {
        Session s(QStringLiteral("Yorm102m"));
        QCOMPARE(s.w().ui.dockTiming->windowTitle(), QStringLiteral("Timing Diagram"));
    }
    // Zelt and the radar draw no diagram: the dock keeps what it shows.
    for (const char *sample : {"Zelt101", "Holv101"}) {
        Session s(QString::fromLatin1(sample));
        Pallador &w = s.w();
        const QSize size = w.ui.labelHVBlank->size();
        const QString text = w.ui.labelActiveX->text();
        w.calvex->family()->results.timingGeometry.frameWidth = 12345;
        w.updateTimingDiagram();
        QCOMPARE(w.ui.labelHVBlank->size(), size);
        QCOMPARE(w.ui.labelActiveX->text(), text);
    }
}

// Factors of 0 leave the read-out rectangle as it is instead of failing.
void TestRegisterView::diagramSurvivesZeroFactors()
{
    Session s(QStringLiteral("Tolm104m"));
    Pallador &w = s.w();
    openDiagram(w);
    const QSize core = w.ui.labelCorePix->size();
    CTimingGeometry &g = w.calvex->family()->results.timingGeometry;
    g.xFactor = 0;
    g.yFactor = 0;
    w.updateTimingDiagram();
    QCOMPARE(w.ui.labelCorePix->size(), core);
    QCOMPARE(w.ui.labelFOVSize->text(), QStringLiteral("Image FOV size   : %1x%2").arg(g.fovWidth).arg(g.fovHeight));
}

// A frame wider than the drawing's cap (Sarn102's full frame at scale 8):
// the active part shrinks with the frame and stays inside it, the size texts
// and pictures move clear of the drawing and of each other, and the drawing
// area holds every label.
void TestRegisterView::diagramKeepsItsPartsApart()
{
    Session s(QStringLiteral("Sarn102"));
    Pallador &w = s.w();
    openDiagram(w);
    const CTimingGeometry &g = w.timingGeometry;
    QVERIFY(g.frameWidth / 8 > 300);
    const QRect frame = w.ui.labelHVBlank->geometry();
    const QRect core = w.ui.labelCorePix->geometry();
    QCOMPARE(frame.width(), 300);
    QVERIFY(frame.contains(core));
    QVERIFY(core.width() < frame.width());
    QCOMPARE(core.width(), int(qint64(g.fovWidth) / 8 * 300 / (g.frameWidth / 8)));

    const QList<QLabel *> column = {w.ui.labelFOVSize, w.ui.labelFovPix, w.ui.labelOUTSize, w.ui.labelOutPix};
    QRect above;
    for (QLabel *label : column) {
        QVERIFY2(!label->geometry().intersects(frame) && !label->geometry().intersects(core),
                 qPrintable(label->objectName()));
        QVERIFY2(!label->geometry().intersects(above), qPrintable(label->objectName()));
        above = label->geometry();
    }
    QRect used;
    for (QWidget *child : w.ui.frame->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        used |= child->geometry();
    QVERIFY(QRect(QPoint(0, 0), w.ui.frame->minimumSize()).contains(used));

    // A small frame puts the column back where the form has it (both
    // contexts small: they share the line length).
    for (int c : {1, 0}) {
        w.cols[c] = 640;
        w.rows[c] = 480;
        w.currentContext = c;
        w.recalc(false);
    }
    QVERIFY(w.timingGeometry.frameWidth / 8 < 200);
    QCOMPARE(w.ui.labelFOVSize->pos(), w.ui.labelFOVSize->property("formPos").toPoint());
    QCOMPARE(w.ui.labelOutPix->pos(), w.ui.labelOutPix->property("formPos").toPoint());
}

QTEST_MAIN(TestRegisterView)
#include "tst_registerview.moc"
