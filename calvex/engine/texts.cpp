#include "engine/texts.h"

#include <cmath>

namespace calvex {

QString num(double v, int decimals)
{
    if (!std::isfinite(v))
        return QStringLiteral("n/a");
    return QString::number(v, 'f', decimals);
}

QString buildPllText(const PllTextInfo &i)
{
    QStringList lines;
    lines << QStringLiteral("Input clock: %1 MHz").arg(num(i.inputClock));
    if (i.bypass) {
        lines << QStringLiteral("PLL: bypassed");
    } else {
        if (!i.locked)
            lines << QStringLiteral("PLL: no valid setting for the input clock");
        lines << QStringLiteral("N (pre-divider): %1").arg(i.n) << QStringLiteral("M (multiplier): %1").arg(i.m)
              << QStringLiteral("VCO: %1 MHz").arg(num(i.vco));
        for (const auto &d : i.dividers)
            lines << QStringLiteral("%1: %2").arg(d.first).arg(d.second);
    }
    lines << QStringLiteral("%1: %2 MHz").arg(i.outputName, num(i.outputClock));
    lines << QStringLiteral("Pixel clock: %1 MHz").arg(num(i.pixelClock));
    if (i.hasPll2) {
        lines << QStringLiteral("N2 (pre-divider 2): %1").arg(i.n2) << QStringLiteral("M2 (multiplier 2): %1").arg(i.m2)
              << QStringLiteral("VCO2: %1 MHz").arg(num(i.vco2));
    }
    if (!i.interfaceName.isEmpty())
        lines << QStringLiteral("Interface: %1").arg(i.interfaceName);
    if (i.serial) {
        lines << QStringLiteral("Lanes: %1").arg(i.lanes) << QStringLiteral("Bits per pixel: %1").arg(i.bits)
              << QStringLiteral("Lane rate: %1 Mbps").arg(num(i.laneRate, 1));
        if (i.laneLoad > 0.0)
            lines << QStringLiteral("Lane load: %1 Mbps").arg(num(i.laneLoad, 1));
    } else {
        lines << QStringLiteral("Bits per pixel: %1").arg(i.bits);
    }
    lines << i.extra;
    return lines.join(QLatin1Char('\n'));
}

QString buildContextText(const TimingResult &t, const ContextTextInfo &i)
{
    QStringList lines;
    if (!i.contextName.isEmpty())
        lines << i.contextName;
    lines << QStringLiteral("Output size: %1 x %2").arg(t.outCols).arg(t.outRows)
          << QStringLiteral("Field of view: %1 x %2 at (%3, %4)")
                 .arg(t.fovCols)
                 .arg(t.fovRows)
                 .arg(t.xStart)
                 .arg(t.yStart)
          << QStringLiteral("Read mode: %1 (x %2, y %3)")
                 .arg(i.readMode.isEmpty() ? QStringLiteral("Normal") : i.readMode)
                 .arg(t.xFactor)
                 .arg(t.yFactor);
    if (t.sizeClamped)
        lines << QStringLiteral("Size limited to the pixel array");
    lines << QStringLiteral("Line length: %1 pck").arg(t.lineLength)
          << QStringLiteral("Frame length: %1 lines").arg(t.frameLength)
          << QStringLiteral("Horizontal blanking: %1 pck").arg(t.hBlank)
          << QStringLiteral("Vertical blanking: %1 lines").arg(t.vBlank)
          << QStringLiteral("Frame rate: %1 fps (requested %2)").arg(num(t.fps, 3), num(i.requestedFps, 3))
          << QStringLiteral("Frame time: %1 ms").arg(num(t.frameTimeMs, 3))
          << QStringLiteral("Row time: %1 us").arg(num(t.rowTimeUs, 3))
          << QStringLiteral("Integration time: %1 ms (%2 rows)").arg(num(t.intgTimeMs, 3)).arg(t.intgRows)
          << QStringLiteral("Maximum integration: %1 ms (%2 rows)").arg(num(t.maxIntgTimeMs, 3)).arg(t.maxIntgRows);
    if (t.integrationLimited)
        lines << QStringLiteral("Integration limited by the frame");
    if (t.exposures > 1) {
        QStringList rows;
        for (int k = 0; k < t.exposures; ++k)
            rows << QString::number(t.expRows[k]);
        lines << QStringLiteral("Exposures: %1 (rows %2)").arg(t.exposures).arg(rows.join(QStringLiteral(", ")));
    }
    lines << i.extra;
    return lines.join(QLatin1Char('\n'));
}

QString buildContextPresetText(const TimingResult &t, const ContextTextInfo &i)
{
    QStringList lines;
    lines << QStringLiteral("Mode = %1 x %2").arg(t.outCols).arg(t.outRows)
          << QStringLiteral("Frame rate = %1").arg(num(t.fps, 3))
          << QStringLiteral("Integration = %1 ms").arg(num(t.intgTimeMs, 3));
    if (!i.readMode.isEmpty())
        lines << QStringLiteral("Read mode = %1").arg(i.readMode);
    return lines.join(QLatin1Char('\n'));
}

} // namespace calvex
