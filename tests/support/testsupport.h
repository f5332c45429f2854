// Helpers for the headless window tests: a temporary installation (QI_HOME),
// settings kept in a temporary folder, and a responder that answers modal
// dialogs as a user would.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

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
