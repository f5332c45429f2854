// The window's full recalculation, recalc(true) (a PLL-level change) and
// recalc(false) (a change of the current context), for every sample sensor
// configuration of the bundled installation (samples/bin/cfg_pallador).
// Every catalogued sensor must have one there: a sensor without a sample is
// named and the program ends with exit code 1 before measuring anything.
//
// Each sensor is loaded once into a real main window, shown on the offscreen
// platform as the program shows it, and both kinds are timed on it. Only the
// recalc call is timed; between iterations the window's pending events
// (layout, repaints) are processed untimed, as the program's event loop would
// after an input, and their average cost is reported as "events". "calcs" is
// the number of family calculations one call runs.
//
// Modal dialogs are answered at once (message boxes with their default
// button). A sensor whose loading opened one is still measured and says so in
// its label; a dialog during a timed call fails that benchmark.
//
// Run headless, pinned to one core for stable numbers:
//   taskset -c 0 ./bench_recalc --benchmark_repetitions=5
//                  --benchmark_report_aggregates_only=true
#include "calvex.h"
#include "catalogue.h"
#include "pallador.h"
#include "registerdataio.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QVector>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// Answers every modal dialog as soon as it is shown and keeps its title and
// text.
class DialogAnswerer : public QObject {
public:
    QStringList take()
    {
        QStringList seen;
        seen.swap(m_seen);
        return seen;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show || !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        if (!widget->isWindow() || !widget->isModal())
            return false;
        auto *box = qobject_cast<QMessageBox *>(widget);
        m_seen << widget->windowTitle() + QLatin1Char('|') + (box ? box->text() : QString());
        // The dialog's own event loop runs this once the dialog is up.
        QTimer::singleShot(0, widget, [widget] { answer(widget); });
        return false;
    }

private:
    static void answer(QWidget *dialog)
    {
        if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
            QAbstractButton *button = box->defaultButton() ? static_cast<QAbstractButton *>(box->defaultButton())
                                                           : box->buttons().value(0);
            if (button) {
                button->click();
                return;
            }
        }
        if (auto *d = qobject_cast<QDialog *>(dialog))
            d->accept();
        else
            dialog->close();
    }

    QStringList m_seen;
};

DialogAnswerer *answerer = nullptr;

void flushEvents()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The window of the sensor measured last. The benchmarks of one sensor run
// one after the other, so each sensor is set up once.
struct LoadedSensor {
    QString path;
    std::unique_ptr<Pallador> window;
    QStringList loadDialogs;

    Pallador &load(const QString &file)
    {
        if (path != file || !window) {
            release();
            answerer->take();
            window.reset(new Pallador(file));
            window->show();
            flushEvents();
            loadDialogs = answerer->take();
            path = file;
        }
        return *window;
    }

    void release()
    {
        window.reset();
        path.clear();
        flushEvents();
    }
};

LoadedSensor loaded;

// Family calculations one call of recalc runs, counted in the family's call
// journal by the library's rule; -1 without a family object.
int calculationsPerCall(Pallador &w, bool pllChanged)
{
    CFamilyCore *family = w.calvex ? w.calvex->family() : nullptr;
    if (!family)
        return -1;
    family->clearCallJournal();
    w.recalc(pllChanged);
    return CFamilyCore::calculationsIn(family->callJournal());
}

void recalc(benchmark::State &state, const QString &file, bool pllChanged)
{
    Pallador &w = loaded.load(file);
    if (w.sensorIndex <= 0) {
        state.SkipWithError("the file sets up no catalogued sensor");
        return;
    }
    if (w.busy) {
        state.SkipWithError("the window stays busy after loading: recalc would do nothing");
        return;
    }

    // One untimed call first: it also counts the calculations.
    const int calcs = calculationsPerCall(w, pllChanged);
    flushEvents();
    answerer->take();

    double events = 0.0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        w.recalc(pllChanged);
        const Clock::time_point stop = Clock::now();
        state.SetIterationTime(seconds(stop - start));
        QCoreApplication::processEvents();
        events += seconds(Clock::now() - stop);
    }

    const QStringList dialogs = answerer->take();
    if (!dialogs.isEmpty()) {
        state.SkipWithError(("a dialog opened during recalc: " + dialogs.first()).toUtf8().constData());
        return;
    }
    state.counters["events"] = benchmark::Counter(events, benchmark::Counter::kAvgIterations);
    state.counters["calcs"] = calcs;
    QString label = QStringLiteral("%1 #%2, %3 context(s)")
                        .arg(w.dataIO ? w.dataIO->getSensorName() : QString())
                        .arg(w.sensorIndex)
                        .arg(w.contextCount);
    if (!loaded.loadDialogs.isEmpty())
        label += QStringLiteral(", dialog at load: ") + loaded.loadDialogs.join(QStringLiteral("; "));
    state.SetLabel(label.toStdString());
}

// The sample installation: PALLADOR_SAMPLES when set, else the one in the
// source tree (ends with "/").
QString samplesRoot()
{
    const QString fromEnv = qEnvironmentVariable("PALLADOR_SAMPLES");
    return fromEnv.isEmpty() ? QStringLiteral(PALLADOR_SOURCE_DIR "/samples/") : fromEnv;
}

// Registers both kinds for every sample file; returns the number of files,
// or 0 when a catalogued sensor has none.
int registerAll()
{
    const QDir folder(samplesRoot() + QStringLiteral("bin/cfg_pallador"));
    const QStringList files =
        folder.entryList({QStringLiteral("*.cfg")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    QVector<bool> covered(SensorCatalogueSize, false);
    for (const QString &fileName : files) {
        CRegisterDataIO io(folder.filePath(fileName));
        if (io.readGeneralInfo()) {
            const int index = catalogueIndex(io.getSensorName());
            if (index >= 0)
                covered[index] = true;
        }
    }
    QStringList missing;
    for (int index = 1; index < SensorCatalogueSize; ++index) {
        if (!covered[index])
            missing << catalogueName(index);
    }
    if (!missing.isEmpty()) {
        qWarning("bench_recalc: no sample for %s", qPrintable(missing.join(QStringLiteral(", "))));
        return 0;
    }

    for (const QString &fileName : files) {
        const QString path = folder.filePath(fileName);
        for (bool pllChanged : {true, false}) {
            const QByteArray name = (pllChanged ? "recalc_true/" : "recalc_false/") + fileName.toUtf8();
            benchmark::RegisterBenchmark(name.constData(),
                                         [path, pllChanged](benchmark::State &state) {
                                             recalc(state, path, pllChanged);
                                         })
                ->UseManualTime()
                ->Unit(benchmark::kMicrosecond);
        }
    }
    return int(files.size());
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("QI_HOME"))
        qputenv("QI_HOME", samplesRoot().toUtf8());

    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication::setApplicationName(QStringLiteral("Pallador"));
    QApplication::setOrganizationName(QStringLiteral("Corvanta"));
    QApplication::setOrganizationDomain(QStringLiteral("corvanta.com"));
    QApplication::setStyle(QStringLiteral("windows"));

    // Saved window states of the user's own runs stay out of the measurements.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));

    DialogAnswerer dialogs;
    answerer = &dialogs;
    app.installEventFilter(&dialogs);

    if (registerAll() == 0) {
        qWarning("bench_recalc: not every catalogued sensor has a configuration file under %s",
                 qPrintable(samplesRoot()));
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    loaded.release();
    app.removeEventFilter(&dialogs);
    benchmark::Shutdown();
    return 0;
}
