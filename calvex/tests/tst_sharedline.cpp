// Two-context sensors whose contexts program one line-length register: the
// shared line is one function of both contexts' inputs, so the order in which
// the contexts are calculated cannot change it, and a calculation that
// changes it retimes the other context. Each context then shows the timing
// its registers program: its stored timing, its texts and its frame-rate
// warning agree with the line-length row, its own frame-length row and the
// pixel clock, for every pair of use cases of the bundled samples in both
// orders.
#include "registerdataio.h"
#include "samplerunner.h"

#include <QDir>
#include <QRegularExpression>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <memory>

using namespace samples;

namespace {

const char *const kSharedLineSamples[] = {"Sarn102", "Sarn106h", "Vek103",   "Vek104", "Vek105m",
                                          "Vek105t", "Vek106",   "Sarn106c", "Vek101"};

// The bits the application clears before a calculation of these families.
constexpr quint32 kClearMask = 0xFF8FFFF0;
constexpr quint32 kFrameRateBit = 0x1;

qint64 rowValue(const CFamilyCore *f, const char *name)
{
    const RegTable *t = f->regTable();
    for (int i = 0; t && i < t->count && i < f->registerCount(); ++i) {
        if (std::strcmp(t->rows[i].name, name) == 0)
            return f->results.registerValues[i];
    }
    return -1;
}

// A number a text line shows after its label ("Line length: 1620 pck").
double shown(const QString &text, const QString &label)
{
    const QRegularExpression re(QStringLiteral("^%1\\s*[:=]\\s*([-0-9.]+)").arg(QRegularExpression::escape(label)),
                                QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = re.match(text);
    return m.hasMatch() ? m.captured(1).toDouble() : std::nan("");
}

// Everything a context shows, with the registers that program it.
struct Shown {
    qint64 lineLengthRow = -1;
    qint64 frameLengthRow[2] = {-1, -1};
    QString display[2];
    QString preset[2];
    quint32 words[2] = {0, 0};
    bool operator==(const Shown &o) const
    {
        return lineLengthRow == o.lineLengthRow && frameLengthRow[0] == o.frameLengthRow[0] &&
               frameLengthRow[1] == o.frameLengthRow[1] && display[0] == o.display[0] && display[1] == o.display[1] &&
               preset[0] == o.preset[0] && preset[1] == o.preset[1] && words[0] == o.words[0] && words[1] == o.words[1];
    }
};

// Two family objects of one sample, each set up from the file: one for
// calculating context A first, one for context B first. Each goes through
// every pair of use cases in turn, as a user picking them would.
class SharedLineRun {
public:
    SharedLineRun(const QString &sample) : m_path(QDir(sampleFolder()).filePath(sample + QStringLiteral(".cfg")))
    {
        m_io.reset(new CRegisterDataIO(m_path));
        m_io->readGeneralInfo();
        m_io->readUseCases();
        m_index = catalogueIndex(m_io->getSensorName());
        for (int first : {0, 1}) {
            m_calvex[first].reset(new CCalvex(m_index > 0 ? kSensors[m_index - 1].typeCode : 0));
            if (CFamilyCore *f = m_calvex[first]->family())
                testing::initDefaults(f, m_index, m_path);
        }
    }

    int useCases() const { return m_io->getUseCaseNumber(); }
    int index() const { return m_index; }
    const CFamilyCore *family() const { return m_calvex[0]->family(); }

    // Context first at its use case, then the other context at its own, each
    // calculated as the application does; what both contexts then show.
    Shown run(int first, int useCaseFirst, int useCaseSecond, QStringList *problems)
    {
        CFamilyCore *f = m_calvex[first]->family();
        calculate(f, first, useCaseFirst);
        calculate(f, 1 - first, useCaseSecond);
        check(f, 1 - first, problems);

        Shown s;
        s.lineLengthRow = rowValue(f, "LINE_LENGTH_PCK");
        s.frameLengthRow[0] = rowValue(f, "FRAME_LENGTH_LINES");
        s.frameLengthRow[1] = rowValue(f, "FRAME_LENGTH_LINES_CB");
        for (int c : {0, 1}) {
            s.display[c] = f->results.contextDisplayText[c];
            s.preset[c] = f->results.contextPresetText[c];
            s.words[c] = f->ctx[c].warnings & ~kClearMask;
        }
        return s;
    }

private:
    // The use case into the context and one calculation of it, with the line
    // length the application gives sensors 15 to 18 by the use case.
    void calculate(CFamilyCore *f, int context, int useCase)
    {
        loadUseCase(f, m_io->useCases[useCase], context);
        if (auto *brel = dynamic_cast<Brel_102 *>(f); brel && m_index >= 15 && m_index <= 18) {
            if (const qint32 *preset = calvex::presets::row(calvex::presets::kBrel102, useCase))
                brel->lineLengthPreset = *preset;
        }
        f->ctx[context].warnings &= kClearMask;
        testing::calculate(f, m_index, context);
    }

    // Each context's timing, texts and frame-rate warning against its registers.
    void check(const CFamilyCore *f, int last, QStringList *problems) const
    {
        const qint64 line = rowValue(f, "LINE_LENGTH_PCK");
        const qint64 frames[2] = {rowValue(f, "FRAME_LENGTH_LINES"), rowValue(f, "FRAME_LENGTH_LINES_CB")};
        const double pclk = f->pll.pixelClock * 1.0e6;
        auto problem = [problems](int c, const QString &text) {
            problems->append(QStringLiteral("%1: %2").arg(QLatin1Char(c == 0 ? 'A' : 'B')).arg(text));
        };
        for (int c : {0, 1}) {
            const calvex::TimingResult &t = f->timing(c);
            const double fps = pclk / (double(line) * frames[c]);
            const QString &text = f->results.contextDisplayText[c];
            if (t.lineLength != line || t.frameLength != frames[c])
                problem(c, QStringLiteral("timing %1 x %2, registers %3 x %4")
                               .arg(t.lineLength)
                               .arg(t.frameLength)
                               .arg(line)
                               .arg(frames[c]));
            if (shown(text, QStringLiteral("Line length")) != line ||
                shown(text, QStringLiteral("Frame length")) != frames[c])
                problem(c, QStringLiteral("text shows another line or frame than %1 x %2").arg(line).arg(frames[c]));
            const double textFps = shown(text, QStringLiteral("Frame rate"));
            const double presetFps = shown(f->results.contextPresetText[c], QStringLiteral("Frame rate"));
            if (!(std::fabs(textFps - fps) <= 5e-4 + 1e-9) || !(std::fabs(presetFps - fps) <= 5e-4 + 1e-9))
                problem(c, QStringLiteral("shows %1 fps (preset text %2), the registers run %3")
                               .arg(textFps)
                               .arg(presetFps)
                               .arg(fps, 0, 'f', 4));
            // Whatever the warning's tolerance, a clear hit is no miss and a
            // miss by a percent is one.
            const double requested = f->ctx[c].maxFps;
            const double miss = std::fabs(fps - requested) / requested;
            const bool flagged = f->ctx[c].warnings & kFrameRateBit;
            if ((miss < 1e-5 && flagged) || (miss > 1e-2 && !flagged))
                problem(c, QStringLiteral("runs %1 fps for %2 requested, frame-rate warning %3")
                               .arg(fps, 0, 'f', 3)
                               .arg(requested)
                               .arg(flagged ? "set" : "clear"));
        }
        const CTimingGeometry &g = f->results.timingGeometry;
        if (g.frameWidth != line || g.frameHeight != frames[last] || g.outputWidth != f->timing(last).outCols)
            problem(last, QStringLiteral("timing geometry %1 x %2 is not the context calculated last")
                              .arg(g.frameWidth)
                              .arg(g.frameHeight));
    }

    QString m_path;
    std::unique_ptr<CRegisterDataIO> m_io;
    int m_index = 0;
    std::unique_ptr<CCalvex> m_calvex[2];
};

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
    for (const char *sample : kSharedLineSamples)
        QTest::newRow(sample) << QString::fromLatin1(sample);
}

// For every use case of A and of B, calculated A first and B first: each
// context shows what the registers program, and both orders program and
// show the same.
void TestSharedLine::everyPairBothOrders()
{
    QFETCH(QString, sample);
    SharedLineRun run(sample);
    QVERIFY(run.index() > 0);
    QVERIFY(run.family());
    QVERIFY(run.useCases() > 1);
    // One line-length register, a frame length for each context.
    QVERIFY(rowValue(run.family(), "LINE_LENGTH_PCK") >= 0);
    QCOMPARE(rowValue(run.family(), "LINE_LENGTH_PCK_CB"), qint64(-1));
    QVERIFY(rowValue(run.family(), "FRAME_LENGTH_LINES_CB") >= 0);
    QStringList problems;
    int pairs = 0;
    for (int a = 0; a < run.useCases(); ++a) {
        for (int b = 0; b < run.useCases(); ++b) {
            const QString where = QStringLiteral("A at %1, B at %2").arg(a).arg(b);
            QStringList aFirst, bFirst;
            const Shown one = run.run(0, a, b, &aFirst);
            const Shown other = run.run(1, b, a, &bFirst);
            for (const QString &p : aFirst)
                problems << QStringLiteral("%1, A first: %2").arg(where, p);
            for (const QString &p : bFirst)
                problems << QStringLiteral("%1, B first: %2").arg(where, p);
            if (!(one == other))
                problems << QStringLiteral("%1: the order changes the registers or what is shown (line %2 / %3)")
                                .arg(where)
                                .arg(one.lineLengthRow)
                                .arg(other.lineLengthRow);
            ++pairs;
        }
    }
    QCOMPARE(pairs, run.useCases() * run.useCases());
    QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 problems:\n").arg(problems.size()) +
                                            problems.mid(0, 20).join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestSharedLine)
#include "tst_sharedline.moc"
