#include "engine/texts.h"

#include <cmath>

namespace calvex {

namespace {

// Appends a fixed-point number: the value rounded to the decimals, digit by
// digit (far cheaper than a locale-aware conversion, and texts are built on
// every calculation).
void appendFixed(QString &s, double v, int decimals)
{
    if (!std::isfinite(v)) {
        s += QLatin1String("n/a");
        return;
    }
    static const double kScale[] = {1.0, 10.0, 100.0, 1000.0, 1.0e4, 1.0e5, 1.0e6};
    const int d = qBound(0, decimals, 6);
    if (std::fabs(v) >= 1.0e12) {
        s += QString::number(v, 'f', d);
        return;
    }
    // In extended precision, so that a value just below a half rounds down.
    const long long scaled = std::llround(static_cast<long double>(v) * kScale[d]);
    unsigned long long u = scaled < 0 ? 0ull - static_cast<unsigned long long>(scaled) : scaled;
    char buf[40];
    int n = sizeof buf;
    for (int k = 0; k < d; ++k) {
        buf[--n] = char('0' + u % 10);
        u /= 10;
    }
    if (d > 0)
        buf[--n] = '.';
    do {
        buf[--n] = char('0' + u % 10);
        u /= 10;
    } while (u > 0);
    if (scaled < 0)
        buf[--n] = '-';
    s += QLatin1String(buf + n, int(sizeof buf) - n);
}

// A text built line by line, "\n" between lines and none after the last.
class Lines {
public:
    Lines() { m_text.reserve(512); }
    Lines &line()
    {
        if (!m_text.isEmpty())
            m_text += QLatin1Char('\n');
        return *this;
    }
    Lines &operator<<(const char *s)
    {
        m_text += QLatin1String(s);
        return *this;
    }
    Lines &operator<<(const QString &s)
    {
        m_text += s;
        return *this;
    }
    Lines &operator<<(int v)
    {
        m_text += QString::number(v);
        return *this;
    }
    Lines &fixed(double v, int decimals = 3)
    {
        appendFixed(m_text, v, decimals);
        return *this;
    }
    void add(const QStringList &lines)
    {
        for (const QString &l : lines)
            line() << l;
    }
    QString text() const { return m_text; }
    // The writers put a preset text straight before its display text, so a
    // preset text closes its last line itself.
    QString presetText() const { return m_text.isEmpty() ? m_text : m_text + QLatin1Char('\n'); }

private:
    QString m_text;
};

} // namespace

QString num(double v, int decimals)
{
    QString s;
    appendFixed(s, v, decimals);
    return s;
}

QString buildPllText(const PllTextInfo &i)
{
    Lines l;
    l.line() << "Input clock: ";
    l.fixed(i.inputClock) << " MHz";
    if (i.bypass) {
        l.line() << "PLL: bypassed";
    } else {
        if (!i.locked)
            l.line() << "PLL: no valid setting for the input clock";
        l.line() << "N (pre-divider): " << i.n;
        l.line() << "M (multiplier): " << i.m;
        l.line() << "VCO: ";
        l.fixed(i.vco) << " MHz";
        for (const auto &d : i.dividers)
            l.line() << d.first << ": " << d.second;
    }
    l.line() << i.outputName << ": ";
    l.fixed(i.outputClock) << " MHz";
    l.line() << "Pixel clock: ";
    l.fixed(i.pixelClock) << " MHz";
    if (i.hasPll2) {
        l.line() << "N2 (pre-divider 2): " << i.n2;
        l.line() << "M2 (multiplier 2): " << i.m2;
        l.line() << "VCO2: ";
        l.fixed(i.vco2) << " MHz";
    }
    if (!i.interfaceName.isEmpty())
        l.line() << "Interface: " << i.interfaceName;
    if (i.serial) {
        l.line() << "Lanes: " << i.lanes;
        l.line() << "Bits per pixel: " << i.bits;
        l.line() << "Lane rate: ";
        l.fixed(i.laneRate, 1) << " Mbps";
        if (i.laneLoad > 0.0) {
            l.line() << "Lane load: ";
            l.fixed(i.laneLoad, 1) << " Mbps";
        }
    } else {
        l.line() << "Bits per pixel: " << i.bits;
    }
    l.add(i.extra);
    return l.text();
}

QString buildContextText(const TimingResult &t, const ContextTextInfo &i)
{
    Lines l;
    if (!i.contextName.isEmpty())
        l.line() << i.contextName;
    l.line() << "Output size: " << t.outCols << " x " << t.outRows;
    l.line() << "Field of view: " << t.fovCols << " x " << t.fovRows << " at (" << t.xStart << ", " << t.yStart << ")";
    l.line() << "Read mode: " << (i.readMode.isEmpty() ? QStringLiteral("Normal") : i.readMode) << " (x " << t.xFactor
             << ", y " << t.yFactor << ")";
    if (t.sizeClamped)
        l.line() << "Size limited to the pixel array";
    if (t.colStartMoved || t.rowStartMoved)
        l.line() << "Field of view moved to fit the pixel array";
    l.line() << "Line length: " << t.lineLength << " pck";
    l.line() << "Frame length: " << t.frameLength << " lines";
    l.line() << "Horizontal blanking: " << t.hBlank << " pck";
    l.line() << "Vertical blanking: " << t.vBlank << " lines";
    l.line() << "Frame rate: ";
    l.fixed(t.fps) << " fps (requested ";
    l.fixed(i.requestedFps) << ")";
    l.line() << "Frame time: ";
    l.fixed(t.frameTimeMs) << " ms";
    l.line() << "Row time: ";
    l.fixed(t.rowTimeUs) << " us";
    l.line() << "Integration time: ";
    l.fixed(t.intgTimeMs) << " ms (" << t.intgRows << " rows)";
    l.line() << "Maximum integration: ";
    l.fixed(t.maxIntgTimeMs) << " ms (" << t.maxIntgRows << " rows)";
    if (t.integrationLimited)
        l.line() << "Integration limited by the frame";
    if (t.exposures > 1) {
        l.line() << "Exposures: " << t.exposures << " (rows ";
        for (int k = 0; k < t.exposures; ++k) {
            if (k > 0)
                l << ", ";
            l << t.expRows[k];
        }
        l << ")";
    }
    l.add(i.extra);
    return l.text();
}

QString buildContextPresetText(const TimingResult &t, const ContextTextInfo &i)
{
    Lines l;
    l.line() << "Mode = " << t.outCols << " x " << t.outRows;
    l.line() << "Frame rate = ";
    l.fixed(t.fps);
    l.line() << "Integration = ";
    l.fixed(t.intgTimeMs) << " ms";
    if (!i.readMode.isEmpty())
        l.line() << "Read mode = " << i.readMode;
    return l.presetText();
}

QString buildPresetText(const QStringList &lines)
{
    Lines l;
    l.add(lines);
    return l.presetText();
}

} // namespace calvex
