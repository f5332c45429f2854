// Save Config: the current settings saved as a new sensor configuration
// file, derived from the loaded one: its general information and its limits
// and defaults are copied, its use cases replaced by one per context.
#include "pallador.h"

#include "output/outputfiles.h"
#include "registerdataio.h"

namespace {

QString real(double value)
{
    return QString::number(value, 'g', 6);
}

// One use case per context, each its context's default.
QString useCaseBlock(const Pallador &w)
{
    static const char *const defaults[] = {"context_a_default", "context_b_default", "context_c_default"};
    QString block = QStringLiteral("[UseCases]\n");
    for (int i = 0; i < qBound(0, w.contextCount, 3); ++i) {
        const QString n = QString::number(i);
        block += n + QStringLiteral("/name = Usecase_") + n + QLatin1Char('\n');
        block += n + QStringLiteral("/binning = %1\n").arg(w.binning[i]);
        block += n + QStringLiteral("/binxonly = %1\n").arg(w.binXOnly[i]);
        block += n + QStringLiteral("/skipping = %1\n").arg(w.skipping[i]);
        block += n + QStringLiteral("/cropping = %1\n").arg(w.cropping[i]);
        block += n + QStringLiteral("/centering = %1\n").arg(w.centering[i]);
        block += n + QStringLiteral("/lowpower = %1\n").arg(w.lowPower[i]);
        block += n + QStringLiteral("/highspeed = %1\n").arg(w.highSpeed[i] ? 1 : 0);
        block += n + QStringLiteral("/intg_time = %1\n").arg(real(w.intgTime[i]));
        block += n + QStringLiteral("/cols = %1\n").arg(w.cols[i]);
        block += n + QStringLiteral("/rows = %1\n").arg(w.rows[i]);
        block += n + QStringLiteral("/max_fps = %1\n").arg(real(w.maxFps[i]));
        block += n + QStringLiteral("/%1 = 1\n\n").arg(QLatin1String(defaults[i]));
    }
    return block;
}

// The lines of a text file without their line ends (CR LF or LF).
QStringList linesOf(const QByteArray &bytes)
{
    QStringList lines = QString::fromLocal8Bit(bytes).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

// The new file's text after its two comment lines: the base file's date and
// revision lines, its general information, the new use cases and its limits
// and defaults; every other line of the base file is left out.
QString derivedText(const QStringList &base, const QString &useCases)
{
    QString out;
    int k = 0;
    const int n = base.size();
    while (k < n) {
        QString line = base.at(k++);
        if (line.contains(QLatin1String("$Date:"))) {
            out += line + QLatin1Char('\n');
            continue;
        }
        if (line.contains(QLatin1String("$Revision:"))) {
            out += line + QStringLiteral("\n\n");
            continue;
        }
        if (line.contains(QLatin1String("[General_Info]"))) {
            out += QStringLiteral("; Sensor general information: name, revision ...\n;\n");
            bool reachedUseCases = false;
            for (;;) {
                out += line + QLatin1Char('\n');
                if (k >= n)
                    break;
                line = base.at(k++);
                if (line.contains(QLatin1String("[UseCases]"))) {
                    reachedUseCases = true;
                    break;
                }
            }
            if (!reachedUseCases)
                continue;
        }
        if (line.contains(QLatin1String("[UseCases]"))) {
            out += useCases + QLatin1Char('\n');
            continue;
        }
        if (line.contains(QLatin1String("[MinMax_Defaults]"))) {
            for (;;) {
                out += line + QLatin1Char('\n');
                if (k >= n)
                    break;
                line = base.at(k++);
                if (line.contains(QLatin1String("[Register List]")))
                    break;
            }
        }
    }
    return out;
}

} // namespace

void Pallador::on_actionSave_Config_triggered()
{
    const QString name =
        output::askSaveFileName(this, QStringLiteral("Save Current Configurations"),
                                (dataIO ? dataIO->getSensorName() : QString()) + QStringLiteral("Pallador"),
                                QStringLiteral("Config Files (*.cfg)"), QStringLiteral("cfg"));
    if (!name.isEmpty())
        writeConfigFile(name);
}

void Pallador::writeConfigFile(QString path)
{
    // The base file is read whole before the new file is touched: saving
    // over the loaded file itself keeps its content, and a base file that
    // cannot be read leaves the chosen file as it was.
    QByteArray baseBytes;
    QString error;
    if (!output::readRegularFile(configPath, &baseBytes, &error)) {
        tellUser(QMessageBox::Warning, QStringLiteral("Pallador"),
                 QStringLiteral("Cannot open file %1:\n%2.").arg(configPath, error));
        return;
    }
    const QStringList base = linesOf(baseBytes);

    const QString text = QStringLiteral("; Pallador Configuration file based on %1\n; Pallador Build Info - %2\n")
                             .arg(configPath, getVersionString()) +
                         derivedText(base, useCaseBlock(*this));
    if (!output::writeTextFile(path, text, &error)) {
        tellUser(QMessageBox::Warning, QStringLiteral("Pallador"),
                 QStringLiteral("Cannot open file %1:\n%2.").arg(path, error));
        return;
    }
    cfgPath = path;
    setWindowModified(false);
    setWindowFilePath(cfgPath.isEmpty() ? QStringLiteral("untitled.cfg") : cfgPath);
}
