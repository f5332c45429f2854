// Helpers for the headless window tests: a temporary installation (QI_HOME),
// settings kept in a temporary folder, a responder that answers modal
// dialogs as a user would, and a view of the calculations the window ran.
#pragma once

#include <QApplication>
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <functional>
#include <memory>

#include <sys/resource.h>

class Pallador;

// While the object lives no file of this process grows past limit bytes: a
// write beyond it fails (EFBIG) after the file was opened, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limited = m_old;
        limited.rlim_cur = limit;
        m_set = ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }
    bool isSet() const { return m_set; }

private:
    rlimit m_old{};
    void (*m_handler)(int) = nullptr;
    bool m_set = false;
};

// A temporary installation directory with the sample layout. QI_HOME points
// at it (with a trailing "/") while the object lives; settings stores are
// redirected into it.
class FixtureInstall {
public:
    FixtureInstall();
    ~FixtureInstall();

    QString root() const;  // ends with "/"
    QString configFolder() const;  // bin/cfg_pallador
    // Copies a file of the bundled sample folder into the fixture's folder.
    QString addSample(const QString &fileName);
    // Writes a configuration file into the fixture's folder.
    QString writeConfig(const QString &fileName, const QByteArray &content);
    // The bundled sample installation (ends with "/").
    static QString samplesRoot();

private:
    QTemporaryDir m_dir;
    QByteArray m_oldHome;
    bool m_hadHome = false;
    QByteArray m_oldConfigHome;
    bool m_hadConfigHome = false;
};

// Answers modal dialogs from a queue of handlers; a dialog without a handler
// is accepted (message boxes with their default button) and recorded.
class DialogResponder : public QObject {
    Q_OBJECT

public:
    using Handler = std::function<void(QWidget *dialog)>;

    DialogResponder();

    // The next modal dialog is given to handler.
    void then(Handler handler);
    // Title and text of every dialog seen, as "title|text".
    QStringList seen() const { return m_seen; }
    void clear() { m_seen.clear(); }

    // Common answers.
    static Handler accept();
    static Handler reject();
    static Handler clickButton(const QString &text);

    // The text a dialog shows (message boxes, error messages).
    static QString dialogText(QWidget *dialog);

private slots:
    void poll();

private:
    QTimer m_timer;
    QList<Handler> m_handlers;
    QStringList m_seen;
    QPointer<QWidget> m_handled;
};

// One window on its own fixture installation, with a responder for the
// dialogs it shows. The window is destroyed before the installation it reads.
struct WindowSession {
    FixtureInstall install;
    DialogResponder responder;
    std::unique_ptr<Pallador> window;
    QString path; // the file the window was opened with

    WindowSession() = default;
    // A bundled sample by its name without ".cfg"; an empty name opens the
    // window without a file.
    explicit WindowSession(const QString &sample);
    // A configuration file written into the installation.
    WindowSession(const QString &fileName, const QByteArray &content);
    ~WindowSession();

    void open(const QString &file);
    Pallador &w() { return *window; }
};

// The object names of the window's widgets that a warning (or a panel's own
// range check) shows in red.
QStringList redWidgets(const QWidget &window);

// What the last calculation shows the user, one line each: every register
// row's name and value, the result panes of the PLL and the contexts, and
// the red widgets.
QStringList calculationOutcome(const Pallador &w);
// Calls one of the window's slots by its signature with an int, as another
// part of the program may; false when the window has no such slot.
bool callSlot(Pallador &w, const char *signature, int value);

// The calculations the window ran, read from the call journal of the loaded
// family object and counted by the library's rule
// (CFamilyCore::calculationsIn: each starts with its PLL step, or with its
// timing step where a family keeps its PLL results through a change of one
// context); a calculation of a context records that context in its results
// step ("ResultsUpdate(c)" or "SetResults(c)").
// Without a loaded family object there is no journal: the functions report
// nothing and resetJournal does nothing.

// The loaded family object's journal, oldest entry first.
QStringList journal(const Pallador &w);
// The calculations recorded since the journal was last reset.
int calculations(const Pallador &w);
// The contexts the recorded calculations produced results for, in order (a
// two-context sensor calculated with the PLL changed shows {c, other}).
QList<int> calculatedContexts(const Pallador &w);
// Whether every recorded calculation was one for a changed PLL: on a
// two-context sensor each went on to the other context, so the contexts come
// in pairs {c, other}. Always true on a single-context sensor, where the two
// kinds of calculation look alike.
bool allContextsEachTime(const Pallador &w);
// Forgets what was recorded so far: call before the action under test.
void resetJournal(Pallador &w);

// Takes "--shard k/n" (the k-th of n shards, 1-based) out of a test
// program's arguments; 1/1 without it. False, with a message, for a shard
// that is not 1 <= k <= n.
bool takeShard(QStringList &args, int *shard, int *shards);

// The main function of a test program that runs in shards: the test object
// T is made with the shard and the shard count of "--shard k/n".
template <class T> int runSharded(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    int shard = 1, shards = 1;
    if (!takeShard(args, &shard, &shards))
        return 2;
    T test(shard, shards);
    return QTest::qExec(&test, args);
}
