#include "app/palladormain.h"

#include "app/automation.h"
#include "output/outputfiles.h"

#include "pallador.h"
#include "startup.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace {

const char *const kAutomationSwitches[] = {"activex", "embedding", "regserver", "unregserver", "dumpidl"};

// The automation switch an argument names ("-x" or "/x", any case), or an
// empty string.
QString automationSwitch(const QString &argument)
{
    if (argument.size() < 2 || (argument[0] != QLatin1Char('-') && argument[0] != QLatin1Char('/')))
        return QString();
    const QString rest = argument.mid(1);
    for (const char *name : kAutomationSwitches) {
        if (rest.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(name);
    }
    return QString();
}

// An automation switch of the command line and, for "dumpidl", the file
// and version that follow it.
struct AutomationRequest {
    QString name; // empty: the program runs for a user
    QString file;
    QString version;
};

bool isVersionSwitch(const QString &argument)
{
    return argument.compare(QLatin1String("-version"), Qt::CaseInsensitive) == 0 ||
           argument.compare(QLatin1String("/version"), Qt::CaseInsensitive) == 0;
}

// Takes the automation switches (and the arguments "dumpidl" consumes) out of
// the argument list; the first switch found decides.
AutomationRequest takeAutomationSwitches(QStringList &arguments)
{
    AutomationRequest request;
    for (int i = 1; i < arguments.size();) {
        const QString name = automationSwitch(arguments.at(i));
        if (name.isEmpty()) {
            ++i;
            continue;
        }
        arguments.removeAt(i);
        QString file, version;
        if (name == QLatin1String("dumpidl")) {
            // An interface file name, then optionally "-version <x.y.z>".
            if (i < arguments.size() && automationSwitch(arguments.at(i)).isEmpty() && !isVersionSwitch(arguments.at(i)))
                file = arguments.takeAt(i);
            if (i < arguments.size() && isVersionSwitch(arguments.at(i))) {
                arguments.removeAt(i);
                if (i < arguments.size())
                    version = arguments.takeAt(i);
            }
        }
        if (request.name.isEmpty())
            request = {name, file, version};
    }
    return request;
}

// The library version of the interface definition: "x.y" of "x.y[.z]"
// (1.0 when none is given), or an empty string for a malformed version.
QString libraryVersion(const QString &given)
{
    if (given.isEmpty())
        return QStringLiteral("1.0");
    const QStringList parts = given.split(QLatin1Char('.'));
    if (parts.size() < 2 || parts.size() > 3)
        return QString();
    for (const QString &part : parts) {
        bool ok = false;
        if (part.toUInt(&ok) > 65535 || !ok)
            return QString();
    }
    return parts.at(0) + QLatin1Char('.') + parts.at(1);
}

// Writes the text to path whole or not at all (a write that fails on the
// way, as on a full disk, leaves the old file).
bool writeWhole(const QString &path, const QString &text, QString &error)
{
    return output::writeFileWhole(path, text.toUtf8(), &error);
}

// The switches that end the program at once: registration and the interface
// definition. Returns the exit code.
int runAdministrativeSwitch(const AutomationRequest &request, const QString &programPath)
{
    QTextStream err(stderr);
    QString error;
    if (request.name == QLatin1String("dumpidl")) {
        if (request.file.isEmpty()) {
            err << "Wrong commandline syntax: <app> -dumpidl <idl file> [-version <x.y.z>]\n";
            return 1;
        }
        const QString version = libraryVersion(request.version);
        if (version.isEmpty()) {
            err << "Pallador: \"" << request.version << "\" is not a version of the form x.y.z\n";
            return 1;
        }
        if (!writeWhole(request.file, automation::interfaceDefinition(Pallador::staticMetaObject, version), error)) {
            err << "Pallador: cannot write " << request.file << ": " << error << "\n";
            return 1;
        }
        return 0;
    }
    const QString path = automation::activationFilePath();
    if (request.name == QLatin1String("regserver")) {
        if (!QDir().mkpath(QFileInfo(path).absolutePath()) ||
            !writeWhole(path, automation::activationFileText(programPath), error)) {
            err << "Pallador: cannot write " << path << ": " << error << "\n";
            return 1;
        }
        return 0;
    }
    if (QFile::exists(path) && !QFile::remove(path)) {
        err << "Pallador: cannot remove " << path << "\n";
        return 1;
    }
    return 0;
}

// The base name of a chooser entry path "<...>cfg_pallador/<base>+<variant>",
// or a null string when no "cfg_pallador" folder comes before the first "+".
QString variantBaseName(const QString &argument)
{
    const QString head = argument.left(argument.indexOf(QLatin1Char('+')));
    for (const QString &marker : {QStringLiteral("cfg_pallador/"), QStringLiteral("cfg_pallador\\")}) {
        const int at = head.indexOf(marker);
        if (at >= 0)
            return head.mid(at + marker.size());
    }
    return QString();
}

// Qt notes on standard error that a slot connected by name without
// arguments (on_<combo box>_currentIndexChanged()) fits both overloads of
// the combo box's signal and takes the first, currentIndexChanged(int): the
// one meant. That notice is dropped; every other message goes on as before.
QtMessageHandler previousMessageHandler = nullptr;

void dropSlotsByNameNotice(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg &&
        message.startsWith(QLatin1String("QMetaObject::connectSlotsByName: Connecting slot ")))
        return;
    previousMessageHandler(type, context, message);
}

} // namespace

int palladorMain(int argc, char *argv[], void (*afterAppCreated)())
{
    previousMessageHandler = qInstallMessageHandler(dropSlotsByNameNotice);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const AutomationRequest automationRequest = takeAutomationSwitches(arguments);
    const bool server = automationRequest.name == QLatin1String("activex") ||
                        automationRequest.name == QLatin1String("embedding");
    if (!automationRequest.name.isEmpty() && !server) {
        QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
        if (program.isEmpty())
            program = QFileInfo(arguments.value(0)).absoluteFilePath();
        return runAdministrativeSwitch(automationRequest, program);
    }
    // A server started without an installation would fail every client: it
    // says so where its starter can read it and ends at once.
    if (server && !qEnvironmentVariableIsSet("QI_HOME")) {
        QTextStream(stderr) << "Pallador: Can't find Quorsen Image Directory (QI_HOME is not set)\n";
        return 1;
    }

    // A server serves other programs and shows no window of its own: with no
    // display to show one on (a session on a machine without a desktop, or a
    // bus that kept the display of a closed login) its windows live off
    // screen instead of aborting the start. Qt tries the platforms of the
    // list in order and takes the first that opens its display.
    if (server && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        QByteArray platforms;
        if (!qEnvironmentVariableIsEmpty("DISPLAY"))
            platforms += "xcb;";
        if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            platforms += "wayland;";
        qputenv("QT_QPA_PLATFORM", platforms + "offscreen");
    }

    QCoreApplication::addLibraryPath(QStringLiteral("."));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pallador"));
    QApplication::setOrganizationName(QStringLiteral("Corvanta"));
    QApplication::setOrganizationDomain(QStringLiteral("corvanta.com"));
    if (afterAppCreated)
        afterAppCreated();

    if (server)
        return automation::serve();

    QApplication::setStyle(QStringLiteral("windows"));
    const QString first = arguments.size() > 1 ? arguments.at(1) : QString();
    const QString baseName = first.contains(QLatin1Char('+')) ? variantBaseName(first) : QString();

    Pallador *window = nullptr;
    if (first.isEmpty()) {
        window = new Pallador(QString());
        window->startUp = new StartUp(nullptr);
        window->startUp->exec();
        if (window->startUp->configPath.isEmpty()) {
            QApplication::quit();
            return 1;
        }
        window->loadConfigFile(window->startUp->configPath);
    } else if (baseName.isNull()) {
        window = new Pallador(first);
    } else {
        window = new Pallador(QString());
        window->startUp = new StartUp(nullptr);
        window->startUp->selectSensor(baseName);
        window->startUp->exec();
        window->loadConfigFile(window->startUp->configPath);
    }
    window->show();
    return app.exec();
}
