#include "testsupport.h"

#include "calvex.h"
#include "pallador.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QErrorMessage>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QMetaMethod>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTextEdit>

FixtureInstall::FixtureInstall()
{
    m_hadHome = qEnvironmentVariableIsSet("QI_HOME");
    m_oldHome = qgetenv("QI_HOME");
    QDir top(m_dir.path());
    for (const char *folder : {"bin/cfg_pallador", "apps", "apps_data", "doc"})
        top.mkpath(QString::fromLatin1(folder));
    // The main window's sensor list reads apps/cfg_pallador: the same files.
    QFile::link(top.filePath(QStringLiteral("bin/cfg_pallador")), top.filePath(QStringLiteral("apps/cfg_pallador")));
    qputenv("QI_HOME", root().toUtf8());
    const QString settings = top.filePath(QStringLiteral("settings"));
    top.mkpath(settings);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings);
    // The window finds its state stores in the user's settings folder.
    m_hadConfigHome = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    m_oldConfigHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings));
}

FixtureInstall::~FixtureInstall()
{
    if (m_hadConfigHome)
        qputenv("XDG_CONFIG_HOME", m_oldConfigHome);
    else
        qunsetenv("XDG_CONFIG_HOME");
    if (m_hadHome)
        qputenv("QI_HOME", m_oldHome);
    else
        qunsetenv("QI_HOME");
}

QString FixtureInstall::root() const
{
    return m_dir.path() + QLatin1Char('/');
}

QString FixtureInstall::configFolder() const
{
    return root() + QStringLiteral("bin/cfg_pallador");
}

WindowSession::WindowSession(const QString &sample)
{
    open(sample.isEmpty() ? QString() : install.addSample(sample + QStringLiteral(".cfg")));
}

WindowSession::WindowSession(const QString &fileName, const QByteArray &content)
{
    open(install.writeConfig(fileName, content));
}

WindowSession::~WindowSession() = default;

void WindowSession::open(const QString &file)
{
    path = file;
    window.reset(new Pallador(file));
}

QString FixtureInstall::samplesRoot()
{
    const QString fromEnv = QString::fromUtf8(qgetenv("PALLADOR_SAMPLES"));
    return fromEnv.isEmpty() ? QStringLiteral(PALLADOR_SOURCE_DIR "/samples/") : fromEnv;
}

QString FixtureInstall::addSample(const QString &fileName)
{
    const QString target = configFolder() + QLatin1Char('/') + fileName;
    QFile::remove(target);
    QFile::copy(samplesRoot() + QStringLiteral("bin/cfg_pallador/") + fileName, target);
    return target;
}

QString FixtureInstall::writeConfig(const QString &fileName, const QByteArray &content)
{
    const QString target = configFolder() + QLatin1Char('/') + fileName;
    QFile f(target);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(content);
    return target;
}

DialogResponder::DialogResponder()
{
    m_timer.setInterval(20);
    connect(&m_timer, &QTimer::timeout, this, &DialogResponder::poll);
    m_timer.start();
}

void DialogResponder::then(Handler handler)
{
    m_handlers.append(std::move(handler));
}

DialogResponder::Handler DialogResponder::accept()
{
    return [](QWidget *dialog) {
        if (auto box = qobject_cast<QMessageBox *>(dialog)) {
            QAbstractButton *button = box->defaultButton() ? static_cast<QAbstractButton *>(box->defaultButton())
                                                           : box->buttons().value(0);
            if (button) {
                button->click();
                return;
            }
        }
        if (auto d = qobject_cast<QDialog *>(dialog))
            d->accept();
    };
}

DialogResponder::Handler DialogResponder::reject()
{
    return [](QWidget *dialog) {
        if (auto d = qobject_cast<QDialog *>(dialog))
            d->reject();
    };
}

DialogResponder::Handler DialogResponder::clickButton(const QString &text)
{
    return [text](QWidget *dialog) {
        for (QAbstractButton *b : dialog->findChildren<QAbstractButton *>()) {
            if (b->text().remove(QLatin1Char('&')) == text) {
                b->click();
                return;
            }
        }
        if (auto d = qobject_cast<QDialog *>(dialog))
            d->reject();
    };
}

QString DialogResponder::dialogText(QWidget *dialog)
{
    if (auto box = qobject_cast<QMessageBox *>(dialog))
        return box->text();
    if (auto error = qobject_cast<QErrorMessage *>(dialog)) {
        if (auto edit = error->findChild<QTextEdit *>())
            return edit->toPlainText();
    }
    QStringList texts;
    for (QLabel *label : dialog->findChildren<QLabel *>()) {
        if (!label->text().isEmpty())
            texts << label->text();
    }
    return texts.join(QLatin1Char(' '));
}

QStringList redWidgets(const QWidget &window)
{
    // Backgrounds, texts and borders: every way a warning or a panel's own
    // range check marks a widget.
    static const QRegularExpression red(QStringLiteral("\\bred\\b"));
    QStringList names;
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        if (red.match(widget->styleSheet()).hasMatch())
            names << widget->objectName();
    }
    return names;
}

QStringList calculationOutcome(const Pallador &w)
{
    QStringList lines;
    for (int i = 0; i < qBound(0, w.regCount, int(Pallador::RegRowCapacity)); ++i)
        lines << QStringLiteral("%1 = %2").arg(w.regs[i].name).arg(w.regs[i].value);
    for (const QTextEdit *pane : {w.ui.textResult_PLL, w.ui.textResult_A, w.ui.textResult_B})
        lines << pane->toPlainText();
    lines << redWidgets(w);
    return lines;
}

bool callSlot(Pallador &w, const char *signature, int value)
{
    const QMetaObject *mo = w.metaObject();
    const QMetaMethod slot = mo->method(mo->indexOfSlot(signature));
    return slot.isValid() && slot.invoke(&w, Qt::DirectConnection, Q_ARG(int, value));
}

void DialogResponder::poll()
{
    QWidget *dialog = QApplication::activeModalWidget();
    if (!dialog || dialog == m_handled || !dialog->isVisible())
        return;
    m_handled = dialog;
    m_seen << dialog->windowTitle() + QLatin1Char('|') + dialogText(dialog);
    Handler handler = m_handlers.isEmpty() ? accept() : m_handlers.takeFirst();
    handler(dialog);
}

namespace {

CFamilyCore *loadedFamily(const Pallador &w)
{
    return w.calvex ? w.calvex->family() : nullptr;
}

} // namespace

QStringList journal(const Pallador &w)
{
    const CFamilyCore *family = loadedFamily(w);
    return family ? family->callJournal() : QStringList();
}

int calculations(const Pallador &w)
{
    return CFamilyCore::calculationsIn(journal(w));
}

QList<int> calculatedContexts(const Pallador &w)
{
    static const QRegularExpression results(QStringLiteral("^(?:ResultsUpdate|SetResults)\\((\\d+)\\)$"));
    QList<int> contexts;
    for (const QString &entry : journal(w)) {
        const QRegularExpressionMatch m = results.match(entry);
        if (m.hasMatch())
            contexts << m.captured(1).toInt();
    }
    return contexts;
}

bool allContextsEachTime(const Pallador &w)
{
    if (w.contextCount != 2)
        return true;
    const QList<int> contexts = calculatedContexts(w);
    if (contexts.size() % 2 != 0)
        return false;
    for (int i = 0; i < contexts.size(); i += 2) {
        if (contexts[i] == contexts[i + 1])
            return false;
    }
    return true;
}

void resetJournal(Pallador &w)
{
    if (CFamilyCore *family = loadedFamily(w))
        family->clearCallJournal();
}

bool takeShard(QStringList &args, int *shard, int *shards)
{
    *shard = 1;
    *shards = 1;
    const int at = args.indexOf(QStringLiteral("--shard"));
    if (at < 0)
        return true;
    const QStringList parts = args.value(at + 1).split(QLatin1Char('/'));
    *shard = parts.value(0).toInt();
    *shards = parts.value(1).toInt();
    if (*shards < 1 || *shard < 1 || *shard > *shards) {
        qCritical("--shard takes k/n with 1 <= k <= n");
        return false;
    }
    args.erase(args.begin() + at, args.begin() + qMin(at + 2, int(args.size())));
    return true;
}
