#include "output/outputfiles.h"

#include "pallador.h"
#include "registerdataio.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <QTextCodec>

namespace output {

bool writeTextFile(const QString &path, const QString &text, QString *error)
{
    QString crlf = text;
    crlf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    QTextCodec *codec = QTextCodec::codecForLocale();
    const QByteArray bytes = codec ? codec->fromUnicode(crlf) : crlf.toLocal8Bit();

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

QString standardTemplatePath(const Pallador &w)
{
    if (!w.dataIO)
        return QString();
    const CRegisterDataIO &io = *w.dataIO;
    const QString name = io.getRawSensor().isEmpty()
                             ? QStringLiteral("%1-REV%2.ini").arg(io.getPartNumber()).arg(io.getRevNumber())
                             : QStringLiteral("%1-REV%2_%3.ini")
                                   .arg(io.getSensorName())
                                   .arg(io.getRevNumber())
                                   .arg(io.getRawSensor());
    return w.installPath(QStringLiteral("apps_data/") + name);
}

QString askSaveFileName(QWidget *parent, const QString &caption, const QString &start, const QString &filter,
                        const QString &suffix)
{
    QString name = QFileDialog::getSaveFileName(parent, caption, start, filter);
    const QFileInfo typed(name);
    if (name.isEmpty() || typed.isDir() || typed.fileName().contains(QLatin1Char('.')))
        return name;
    // The dialog asked about replacing the name as typed; the completed name
    // is asked about here.
    name += QLatin1Char('.') + suffix;
    const QFileInfo completed(name);
    if (completed.exists() &&
        QMessageBox::warning(parent, caption,
                             QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(completed.fileName()),
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return QString();
    return name;
}

bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo fa(a), fb(b);
    const QString ca = fa.exists() ? fa.canonicalFilePath() : fa.absoluteFilePath();
    const QString cb = fb.exists() ? fb.canonicalFilePath() : fb.absoluteFilePath();
    return !ca.isEmpty() && ca == cb;
}

} // namespace output
