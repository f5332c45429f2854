// Runs the real program start-up with a scripted user: it answers the
// start-up chooser and message dialogs as told by PALLADOR_DRIVER_CHOOSER,
// reports what it sees on standard output, and closes the main window as
// soon as it is shown. Every message box shown, also one that waits for
// nobody, is reported as "box: <text>". Started as an automation server
// (-activex, -embedding) it leaves the windows made for clients open.
//
// PALLADOR_DRIVER_CHOOSER: "reject" (close the chooser's window), "cancel"
// (its Cancel button), "pick:<entry>" (choose a sensor-list entry),
// "variant:<n>" (choose the n-th variant).
#include "app/palladormain.h"
#include "pallador.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QErrorMessage>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QTextEdit>
#include <QTextStream>
#include <QTimer>

namespace {

void say(const QString &line)
{
    QTextStream(stdout) << line << '\n' << Qt::flush;
}

void answerChooser(QDialog *chooser)
{
    auto sensors = chooser->findChild<QComboBox *>(QStringLiteral("combo_SensorType"));
    auto variants = chooser->findChild<QComboBox *>(QStringLiteral("comboCpnSensor"));
    QStringList variantItems;
    for (int i = 0; variants && i < variants->count(); ++i)
        variantItems << variants->itemText(i);
    say(QStringLiteral("chooser: current=%1 enabled=%2 variants=%3")
            .arg(sensors->currentText())
            .arg(sensors->isEnabled() ? 1 : 0)
            .arg(variants && variants->isVisible() ? variantItems.join(QLatin1Char(',')) : QString()));

    const QStringList actions = QString::fromUtf8(qgetenv("PALLADOR_DRIVER_CHOOSER")).split(QLatin1Char(';'));
    for (const QString &action : actions) {
        if (action.startsWith(QLatin1String("pick:"))) {
            sensors->setCurrentIndex(sensors->findText(action.mid(5)));
        } else if (action.startsWith(QLatin1String("variant:"))) {
            variants->setCurrentIndex(action.mid(8).toInt());
        } else if (action == QLatin1String("cancel")) {
            chooser->findChild<QAbstractButton *>(QStringLiteral("cancelButton"))->click();
        } else {
            chooser->reject();
        }
        if (!chooser->isVisible())
            break;
    }
}

void poll()
{
    static QPointer<QWidget> handled;
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || modal == handled)
        return;
    handled = modal;
    if (modal->inherits("StartUp")) {
        answerChooser(static_cast<QDialog *>(modal));
    } else if (auto box = qobject_cast<QMessageBox *>(modal)) {
        say(QStringLiteral("dialog: ") + box->text());
        box->accept();
    } else if (auto error = qobject_cast<QErrorMessage *>(modal)) {
        say(QStringLiteral("dialog: ") + error->findChild<QTextEdit *>()->toPlainText());
        error->accept();
    } else if (auto dialog = qobject_cast<QDialog *>(modal)) {
        say(QStringLiteral("dialog: ") + dialog->windowTitle());
        dialog->reject();
    }
}

bool servesClients()
{
    const QRegularExpression serverSwitch(QStringLiteral("^[-/](activex|embedding)$"),
                                          QRegularExpression::CaseInsensitiveOption);
    return !QCoreApplication::arguments().mid(1).filter(serverSwitch).isEmpty();
}

class ShowWatcher : public QObject {
public:
    explicit ShowWatcher(bool closeWindows) : m_closeWindows(closeWindows) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        if (auto box = qobject_cast<QMessageBox *>(watched))
            say(QStringLiteral("box: ") + box->text());
        if (watched->inherits("Pallador")) {
            auto window = static_cast<Pallador *>(watched);
            say(QStringLiteral("shown: ") + window->windowTitle());
            if (m_closeWindows)
                QTimer::singleShot(0, window, &QWidget::close);
        }
        return false;
    }

private:
    bool m_closeWindows;
};

void install()
{
    auto timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, &poll);
    timer->start(20);
    qApp->installEventFilter(new ShowWatcher(!servesClients()));
}

} // namespace

int main(int argc, char *argv[])
{
    return palladorMain(argc, argv, &install);
}
