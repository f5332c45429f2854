// The nine two-context sensors whose contexts program one line-length
// register, driven through their use-case lists: whichever context the user
// changes, and in whichever order, both result panes show the line length,
// frame length and frame rate the register table programs, and both
// contexts' frame-rate boxes are coloured from their own warning words.
#include "calvex.h"
#include "pallador.h"
#include "testsupport.h"

#include <QComboBox>
#include <QRegularExpression>
#include <QTextEdit>
#include <QtTest>

#include <cmath>

namespace {

const QString kRedCombo = QStringLiteral("QComboBox { background-color: red; }");
const QString kWhiteCombo = QStringLiteral("QComboBox { background-color: white; }");
constexpr quint32 kFrameRateBit = 0x1;

// The value the register table shows for the first row of a name.
qint64 reg(const Pallador &w, const char *name)
{
    for (int i = 0; i < w.regCount; ++i) {
        if (w.regs[i].name == QLatin1String(name))
            return w.regs[i].value;
    }
    return -1;
}

// A number a pane shows after its label ("Line length: 1620 pck").
double shown(const QString &text, const QString &label)
{
    const QRegularExpression re(QStringLiteral("^%1:\\s*([-0-9.]+)").arg(QRegularExpression::escape(label)),
                                QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = re.match(text);
    return m.hasMatch() ? m.captured(1).toDouble() : std::nan("");
}

QComboBox *useCaseCombo(Pallador &w, int context)
{
    return context == 0 ? w.ui.comboUseCase_A : w.ui.comboUseCase_B;
}

// The user picks a use case of a context; one already selected is left for
// another first, so that the pick calculates the context.
void pick(Pallador &w, int context, int useCase)
{
    QComboBox *combo = useCaseCombo(w, context);
    if (combo->currentIndex() == useCase)
        combo->setCurrentIndex((useCase + 1) % combo->count());
    combo->setCurrentIndex(useCase);
}

// What both contexts show, for comparing the two orders.
QString panes(const Pallador &w)
{
    return QStringLiteral("line %1\n%2\n%3")
        .arg(reg(w, "LINE_LENGTH_PCK"))
        .arg(w.ui.textResult_A->toPlainText(), w.ui.textResult_B->toPlainText());
}

// Each pane against the register table and the PLL pane's pixel clock; each
// frame-rate box against its context's warning word.
QStringList mismatches(Pallador &w)
{
    QStringList problems;
    const CFamilyCore &f = *w.calvex->family();
    const qint64 line = reg(w, "LINE_LENGTH_PCK");
    const qint64 frames[2] = {reg(w, "FRAME_LENGTH_LINES"), reg(w, "FRAME_LENGTH_LINES_CB")};
    const double pclk = shown(w.ui.textResult_PLL->toPlainText(), QStringLiteral("Pixel clock")) * 1.0e6;
    QTextEdit *const texts[] = {w.ui.textResult_A, w.ui.textResult_B};
    QComboBox *const rates[] = {w.ui.comboMaxFRate_A, w.ui.comboMaxFRate_B};
    for (int c : {0, 1}) {
        const QString name = QLatin1String(c == 0 ? "A" : "B");
        const QString text = texts[c]->toPlainText();
        const double fps = pclk / (double(line) * frames[c]);
        if (shown(text, QStringLiteral("Line length")) != line ||
            shown(text, QStringLiteral("Frame length")) != frames[c])
            problems << QStringLiteral("%1 pane shows another line or frame than the registers' %2 x %3")
                            .arg(name)
                            .arg(line)
                            .arg(frames[c]);
        const double paneFps = shown(text, QStringLiteral("Frame rate"));
        if (!(std::fabs(paneFps - fps) <= 5e-4 + fps * 1e-5))
            problems << QStringLiteral("%1 pane shows %2 fps, the registers run %3").arg(name).arg(paneFps).arg(fps);
        const quint32 word = f.ctx[c].warnings;
        if (w.warnings[c] != word)
            problems << QStringLiteral("%1 word kept 0x%2, the library's 0x%3")
                            .arg(name)
                            .arg(w.warnings[c], 0, 16)
                            .arg(word, 0, 16);
        if (rates[c]->styleSheet() != ((word & kFrameRateBit) ? kRedCombo : kWhiteCombo))
            problems << QStringLiteral("%1 frame-rate box not coloured from its word 0x%2").arg(name).arg(word, 0, 16);
        // Whatever the warning's tolerance, a clear hit is no miss and a
        // miss by a percent is one.
        const double requested = f.ctx[c].maxFps;
        const double miss = std::fabs(fps - requested) / requested;
        if ((miss < 1e-5 && (word & kFrameRateBit)) || (miss > 1e-2 && !(word & kFrameRateBit)))
            problems << QStringLiteral("%1 runs %2 fps for %3 requested, warning word 0x%4")
                            .arg(name)
                            .arg(fps)
                            .arg(requested)
                            .arg(word, 0, 16);
    }
    // The diagram draws one of the contexts on the shared line.
    const CTimingGeometry &g = w.timingGeometry;
    bool drawn = false;
    for (int c : {0, 1})
        drawn |= g.frameHeight == frames[c] && g.outputWidth == f.timing(c).outCols;
    if (g.frameWidth != line || !drawn)
        problems << QStringLiteral("the diagram draws %1 x %2, no context on the registers' line")
                        .arg(g.frameWidth)
                        .arg(g.frameHeight);
    return problems;
}

} // namespace

class TestSharedLine : public QObject {
    Q_OBJECT

private slots:
    void everyPairBothOrders_data();
    void everyPairBothOrders();
};

void TestSharedLine::everyPairBothOrders_data()
{
    QTest::addColumn<QString>("sample");
    for (const char *sample :
         {"Sarn102", "Sarn106h", "Vek103", "Vek104", "Vek105m", "Vek105t", "Vek106", "Sarn106c", "Vek101"})
        QTest::newRow(sample) << QString::fromLatin1(sample);
}

// The window as opened, then every pair of use cases of A and B picked A
// first and B first: what the panes, the register table and the colours
// say agrees, and both orders show the same.
void TestSharedLine::everyPairBothOrders()
{
    QFETCH(QString, sample);
    WindowSession s(sample);
    Pallador &w = s.w();
    QCOMPARE(w.contextCount, 2);
    QVERIFY(reg(w, "LINE_LENGTH_PCK") > 0);
    QCOMPARE(reg(w, "LINE_LENGTH_PCK_CB"), qint64(-1));
    QStringList problems;
    for (const QString &p : mismatches(w))
        problems << QStringLiteral("as opened: %1").arg(p);

    const int useCases = w.ui.comboUseCase_A->count();
    QVERIFY(useCases > 1);
    for (int a = 0; a < useCases; ++a) {
        for (int b = 0; b < useCases; ++b) {
            QString shownFor[2];
            for (int first : {0, 1}) {
                const int useCase[2] = {a, b};
                pick(w, first, useCase[first]);
                pick(w, 1 - first, useCase[1 - first]);
                for (const QString &p : mismatches(w))
                    problems << QStringLiteral("A at %1, B at %2, %3 first: %4")
                                    .arg(a)
                                    .arg(b)
                                    .arg(QLatin1String(first == 0 ? "A" : "B"), p);
                shownFor[first] = panes(w);
            }
            if (shownFor[0] != shownFor[1])
                problems << QStringLiteral("A at %1, B at %2: the order changes what is shown").arg(a).arg(b);
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 problems:\n").arg(problems.size()) +
                                            problems.mid(0, 20).join(QLatin1Char('\n'))));
    QCOMPARE(s.responder.seen(), QStringList());
}

QTEST_MAIN(TestSharedLine)
#include "tst_sharedline.moc"
