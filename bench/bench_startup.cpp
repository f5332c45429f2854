// Start-up up to the first shown window, the program beside a bare main
// window of its shape (a QMainWindow with a menu bar and the same five
// docks), measured two ways in one run:
//   process/   each start a fresh process: this program started again as a
//              child ("--child bare" or "--child <file.cfg>") that creates its
//              application and window and reports once the window has been
//              painted the first time. The time is the parent's wall clock
//              from starting the child to that report: loading the program,
//              the application object, the window, the sensor's set-up and
//              the first paint. "peakMiB" is the child's peak resident memory
//              at that moment. The program starts by its own start-up path
//              (palladorMain).
//   window/    in this process, with the application already running: the
//              window constructed (with its sensor loaded), shown and painted
//              once. This is the part the program itself controls.
// Each is measured for the bare window, for Vek108m and for the sample whose
// window is slowest to show (found by showing every sample twice first, or
// named by PALLADOR_BENCH_SLOWEST).
//
// Run headless, pinned to one core for stable numbers:
//   taskset -c 0 ./bench_startup --benchmark_repetitions=5
//                  --benchmark_report_aggregates_only=true
// Instruction counts, steadier than times on a busy machine (one window):
//   PALLADOR_BENCH_SLOWEST=Vek125.cfg valgrind --tool=callgrind
//       --toggle-collect='*firstShown*' ./bench_startup
//       --benchmark_filter=window/Vek108m --benchmark_min_time=0.01
#include "app/palladormain.h"
#include "pallador.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDockWidget>
#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// The pipe a child reports on (its write end is this descriptor).
const char *const kReportFdVariable = "PALLADOR_BENCH_REPORT_FD";

std::string selfPath;

// The sample installation: PALLADOR_SAMPLES when set, else the one in the
// source tree (ends with "/").
QString samplesRoot()
{
    const QString fromEnv = qEnvironmentVariable("PALLADOR_SAMPLES");
    return fromEnv.isEmpty() ? QStringLiteral(PALLADOR_SOURCE_DIR "/samples/") : fromEnv;
}

// Watches the application: answers a dialog on the way (the variant
// chooser, a message at load) at once, as a user taking its default would,
// and runs onPainted after a main window's first paint has been drawn.
class FirstPaint : public QObject {
public:
    std::function<void()> onPainted;

    void rearm() { m_seen = false; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(watched);
            if (widget->isWindow() && widget->isModal())
                QTimer::singleShot(0, widget, [widget] { answer(widget); });
        }
        if (event->type() == QEvent::Paint && !m_seen && qobject_cast<QMainWindow *>(watched)) {
            m_seen = true;
            QTimer::singleShot(0, this, [this] { onPainted(); });
        }
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

    bool m_seen = false;
};

// A plain main window of the program's shape: a menu bar with four menus and
// five docks, each holding a label.
std::unique_ptr<QMainWindow> bareWindow()
{
    auto window = std::make_unique<QMainWindow>();
    for (const char *title : {"File", "View", "Tools", "Help"}) {
        QMenu *menu = window->menuBar()->addMenu(QString::fromLatin1(title));
        menu->addAction(QStringLiteral("Item"));
    }
    window->setCentralWidget(new QLabel(QStringLiteral("Registers")));
    for (const char *title : {"PLL", "Context A", "Context B", "Context C", "Timing"}) {
        auto *dock = new QDockWidget(QString::fromLatin1(title), window.get());
        dock->setWidget(new QLabel(QString::fromLatin1(title)));
        window->addDockWidget(Qt::LeftDockWidgetArea, dock);
    }
    return window;
}

// ---- Child side ---------------------------------------------------------

// Reports the peak resident memory and ends the process at once (the
// tear-down is not part of the start-up).
void reportAndExit()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const int fd = qEnvironmentVariableIntValue(kReportFdVariable);
    char line[64];
    const int n = std::snprintf(line, sizeof line, "%ld\n", usage.ru_maxrss);
    if (n > 0 && write(fd, line, size_t(n)) < 0)
        _exit(2);
    _exit(0);
}

void watchChild()
{
    auto *watcher = new FirstPaint;
    watcher->onPainted = reportAndExit;
    qApp->installEventFilter(watcher);
}

int runBareChild(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("windows"));
    watchChild();
    const std::unique_ptr<QMainWindow> window = bareWindow();
    window->show();
    return app.exec();
}

// The program's own start-up on a configuration file.
int runProgramChild(const char *program, const char *file)
{
    static char *childArgv[] = {const_cast<char *>(program), const_cast<char *>(file), nullptr};
    return palladorMain(2, childArgv, watchChild);
}

// ---- Fresh processes ----------------------------------------------------

struct StartResult {
    bool ok = false;
    double seconds = 0.0;
    double peakMiB = 0.0;
};

// Starts a child for `what` ("bare" or a configuration file) and waits for
// its report.
StartResult startChild(const std::string &what)
{
    StartResult result;
    int fds[2];
    if (pipe(fds) != 0)
        return result;
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        return result;
    }
    if (pid == 0) {
        close(fds[0]);
        setenv(kReportFdVariable, std::to_string(fds[1]).c_str(), 1);
        // A child that never shows its window ends instead of holding the run.
        alarm(60);
        // Qt's notes about the headless platform stay out of the report.
        const int devNull = open("/dev/null", O_WRONLY);
        if (devNull >= 0) {
            dup2(devNull, STDOUT_FILENO);
            dup2(devNull, STDERR_FILENO);
        }
        execl(selfPath.c_str(), selfPath.c_str(), "--child", what.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string line;
    char buffer[64];
    ssize_t n;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0)
        line.append(buffer, size_t(n));
    const Clock::time_point stop = Clock::now();
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (line.empty() || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return result;
    result.ok = true;
    result.seconds = seconds(stop - start);
    result.peakMiB = std::strtod(line.c_str(), nullptr) / 1024.0;
    return result;
}

void processStart(benchmark::State &state, const std::string &what)
{
    double peak = 0.0;
    for (auto _ : state) {
        const StartResult r = startChild(what);
        if (!r.ok) {
            state.SkipWithError(("the child for " + what + " did not show its window").c_str());
            return;
        }
        state.SetIterationTime(r.seconds);
        peak += r.peakMiB;
    }
    state.counters["peakMiB"] = benchmark::Counter(peak, benchmark::Counter::kAvgIterations);
}

// ---- In this process ----------------------------------------------------

FirstPaint *watcher = nullptr;

// Builds a window ("bare" or the program on a file) and shows it; returns
// it once it has been painted the first time, with the time that took. (A
// function of its own, apart from the tear-down, so that a profiler can
// collect it alone.)
Q_NEVER_INLINE std::unique_ptr<QMainWindow> firstShown(const QString &what, double &elapsed)
{
    bool painted = false;
    watcher->onPainted = [&painted] { painted = true; };
    watcher->rearm();
    const Clock::time_point start = Clock::now();
    std::unique_ptr<QMainWindow> window;
    if (what == QLatin1String("bare"))
        window = bareWindow();
    else
        window.reset(new Pallador(what));
    window->show();
    while (!painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    elapsed = seconds(Clock::now() - start);
    return window;
}

// The time `what` takes to its first paint; the window is gone afterwards.
double showWindow(const QString &what)
{
    double elapsed = 0.0;
    firstShown(what, elapsed).reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    return elapsed;
}

void windowShow(benchmark::State &state, const QString &what)
{
    for (auto _ : state)
        state.SetIterationTime(showWindow(what));
}

// The sample whose window is slowest to show, by the best of two showings.
QString slowestSample(const QStringList &files)
{
    QString slowest;
    double worst = -1.0;
    for (const QString &file : files) {
        const double best = qMin(showWindow(file), showWindow(file));
        if (best > worst) {
            worst = best;
            slowest = file;
        }
    }
    return slowest;
}

void registerBoth(const std::string &name, const QString &what)
{
    const std::string target = what.toStdString();
    benchmark::RegisterBenchmark(("process/" + name).c_str(),
                                 [target](benchmark::State &state) { processStart(state, target); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("window/" + name).c_str(), [what](benchmark::State &state) { windowShow(state, what); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

// Qt's note on every window that a slot connected by name fits two
// overloads of a combo box's signal (see palladorMain) stays out of the
// report.
QtMessageHandler previousMessageHandler = nullptr;

void dropSlotsByNameNotice(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("QMetaObject::connectSlotsByName: Connecting slot ")))
        return;
    previousMessageHandler(type, context, message);
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("QI_HOME"))
        qputenv("QI_HOME", samplesRoot().toUtf8());

    if (argc == 3 && std::string(argv[1]) == "--child") {
        if (std::string(argv[2]) == "bare")
            return runBareChild(1, argv);
        return runProgramChild(argv[0], argv[2]);
    }

    // Saved window states of the user's own runs stay out of the
    // measurements, in this process and in the children.
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    selfPath = n > 0 ? std::string(self, size_t(n)) : std::string(argv[0]);

    benchmark::Initialize(&argc, argv);
    previousMessageHandler = qInstallMessageHandler(dropSlotsByNameNotice);
    QApplication app(argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication::setApplicationName(QStringLiteral("Pallador"));
    QApplication::setOrganizationName(QStringLiteral("Corvanta"));
    QApplication::setOrganizationDomain(QStringLiteral("corvanta.com"));
    QApplication::setStyle(QStringLiteral("windows"));
    FirstPaint firstPaint;
    watcher = &firstPaint;
    app.installEventFilter(&firstPaint);

    const QDir folder(samplesRoot() + QStringLiteral("bin/cfg_pallador"));
    QStringList files;
    for (const QString &name : folder.entryList({QStringLiteral("*.cfg")}, QDir::Files, QDir::Name))
        files << folder.filePath(name);
    // PALLADOR_BENCH_SLOWEST names the sample to take as the slowest and
    // skips the search (for profiling runs).
    const QString named = qEnvironmentVariable("PALLADOR_BENCH_SLOWEST");
    const QString slowest = named.isEmpty() ? slowestSample(files) : folder.filePath(named);

    registerBoth("bare", QStringLiteral("bare"));
    registerBoth("Vek108m.cfg", folder.filePath(QStringLiteral("Vek108m.cfg")));
    registerBoth("slowest/" + QFileInfo(slowest).fileName().toStdString(), slowest);
    benchmark::RunSpecifiedBenchmarks();
    app.removeEventFilter(&firstPaint);
    benchmark::Shutdown();
    return 0;
}
