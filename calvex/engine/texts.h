// Result texts: the PLL text, the context display text and the preset texts.
// Lines are separated by "\n". A display text ends without a line feed (the
// panes show it as it is, and the writers put a section heading after it); a
// preset text that holds anything ends with one, because the writers put the
// display text straight after it.
#pragma once

#include "engine/timing.h"

#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

namespace calvex {

struct PllTextInfo {
    bool bypass = false;
    bool locked = true;
    double inputClock = 0.0;
    int n = 1, m = 1;
    double vco = 0.0;
    QVector<QPair<QString, int>> dividers; // name, value
    double outputClock = 0.0;
    QString outputName = QStringLiteral("Output clock");
    double pixelClock = 0.0;
    bool hasPll2 = false;
    int n2 = 1, m2 = 1;
    double vco2 = 0.0;
    QString interfaceName;
    bool serial = false;
    int lanes = 1;
    int bits = 10;
    double laneRate = 0.0;
    double laneLoad = 0.0; // Mbps per lane the stream needs
    QStringList extra; // family lines, "Name: value"
};

QString buildPllText(const PllTextInfo &info);

struct ContextTextInfo {
    QString contextName; // "Context A"
    QString readMode;    // "Normal", "Skip 2x2", ...
    double requestedFps = 0.0;
    bool hdr = false;
    QStringList extra;
};

QString buildContextText(const TimingResult &t, const ContextTextInfo &info);
QString buildContextPresetText(const TimingResult &t, const ContextTextInfo &info);
// A preset text of the given lines (empty for none).
QString buildPresetText(const QStringList &lines);

// "12.345" style numbers with a fixed number of decimals.
QString num(double v, int decimals = 3);

} // namespace calvex
