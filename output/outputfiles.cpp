#include "output/outputfiles.h"

#include "installdir.h"
#include "pallador.h"
#include "registerdataio.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QTextCodec>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The program's version as its resources spell it, and the build date of
// this release.
const char *const kVersion = "6, 0, 34, 55910";
const char *const kBuildDate = "Nov 23 2020";

const char *const kNotRegular = "It is not a regular file";

int systemMayWrite(const char *path)
{
    return ::faccessat(AT_FDCWD, path, W_OK, AT_EACCESS);
}

output::WriteAccessCall mayWrite = systemMayWrite;
output::SyncCall syncFile = ::fsync;

// The file a write replaces: the name itself, or the regular file a
// symbolic link there ends at.
struct Target {
    QString path;
    bool exists = false;
    mode_t permissions = 0;
    uid_t owner = 0;
    gid_t group = 0;
};

// Where a write to path goes; false with the reason when nothing may be
// written there.
bool targetOf(const QString &path, output::Links links, Target *target, QString *reason)
{
    target->path = path;
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) {
        if (errno == ENOENT)
            return true;
        *reason = qt_error_string(errno);
        return false;
    }
    if (S_ISLNK(st.st_mode)) {
        if (links == output::Links::Refuse) {
            *reason = QStringLiteral("It is a symbolic link");
            return false;
        }
        target->path = QFileInfo(path).canonicalFilePath();
        if (target->path.isEmpty()) {
            *reason = QStringLiteral("It is a symbolic link to a file that does not exist");
            return false;
        }
        if (::stat(QFile::encodeName(target->path).constData(), &st) != 0) {
            *reason = qt_error_string(errno);
            return false;
        }
    }
    if (!S_ISREG(st.st_mode)) {
        *reason = QLatin1String(kNotRegular);
        return false;
    }
    // The rename that replaces the file needs only the folder's permission:
    // a file the user may not write is refused here.
    if (mayWrite(QFile::encodeName(target->path).constData()) != 0) {
        *reason = QStringLiteral("Existing file %1 is not writable").arg(path);
        return false;
    }
    target->exists = true;
    target->permissions = st.st_mode & 0777;
    target->owner = st.st_uid;
    target->group = st.st_gid;
    return true;
}

// Replaces the target whole: the bytes go to a new file beside it, reach the
// disk, and the new file then takes the target's name in one rename. Every
// step is checked, so a full disk or a size limit leaves the target as it
// was. The rename replaces whatever holds the name by then (also a link
// planted after the target was looked at) and never writes through it; a
// hard link to the old file keeps the old content.
bool replaceWhole(const Target &target, const QByteArray &bytes, QString *reason)
{
    const QByteArray finalName = QFile::encodeName(target.path);
    // The new file's name is short, so that it is legal wherever the
    // target's is (a name may have up to 255 bytes).
    const QByteArray folder = finalName.left(finalName.lastIndexOf('/') + 1);
    QByteArray tempName;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 16; ++attempt) {
        tempName = folder + ".pallador-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        // Created with the usual permissions of a new file (the umask applies).
        fd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        *reason = qt_error_string(errno);
        return false;
    }
    // A file that is replaced keeps its owner, group and permissions (the
    // owner changes before the permissions, which a change of owner may
    // clear). Only root may give the file to another user: anyone else keeps
    // at least the group where it may, and the file is written all the same,
    // as the writer's.
    if (target.exists && ::fchown(fd, target.owner, target.group) != 0 &&
        ::fchown(fd, uid_t(-1), target.group) != 0) {
        // Neither is allowed: the new file stays the writer's own.
    }
    bool ok = !target.exists || ::fchmod(fd, target.permissions) == 0;
    const char *data = bytes.constData();
    size_t left = size_t(bytes.size());
    while (ok && left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            ok = false;
            break;
        }
        data += n;
        left -= size_t(n);
    }
    ok = ok && syncFile(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && errno != EINTR && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(tempName.constData(), finalName.constData()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(tempName.constData());
        *reason = qt_error_string(error);
    }
    return ok;
}

} // namespace

namespace output {

bool writeTextFile(const QString &path, const QString &text, QString *error, Links links)
{
    QString crlf = text;
    crlf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    QTextCodec *codec = QTextCodec::codecForLocale();
    const QByteArray bytes = codec ? codec->fromUnicode(crlf) : crlf.toLocal8Bit();

    return writeFileWhole(path, bytes, error, links);
}

bool writeFileWhole(const QString &path, const QByteArray &bytes, QString *error, Links links)
{
    Target target;
    QString reason;
    if (targetOf(path, links, &target, &reason) && replaceWhole(target, bytes, &reason))
        return true;
    if (error)
        *error = reason;
    return false;
}

void setWriteSystemCalls(WriteAccessCall access, SyncCall sync)
{
    mayWrite = access ? access : systemMayWrite;
    syncFile = sync ? sync : ::fsync;
}

bool readRegularFile(const QString &path, QByteArray *bytes, QString *error)
{
    // The name is looked at first, so that no device is opened; the open
    // descriptor is checked again for a file swapped in meanwhile. The open
    // does not wait for a writer, as it would on a pipe.
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (::stat(name.constData(), &st) != 0) {
        *error = qt_error_string(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        *error = QLatin1String(kNotRegular);
        return false;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *error = qt_error_string(errno);
        return false;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        *error = QLatin1String(kNotRegular);
        return false;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *error = file.errorString();
        return false;
    }
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
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

// What the program tells its user, the version line its written files carry
// and where in the installation they go: the services the set-up and every
// writer share.
QString Pallador::getVersionString()
{
    return QStringLiteral("Version: ") + QString::fromLatin1(kVersion).replace(QLatin1Char(','), QLatin1Char('.')) +
           QStringLiteral(" (Build Date: %1)").arg(QLatin1String(kBuildDate));
}

QString Pallador::installPath(const QString &relative) const
{
    return joinInstallPath(installDir, relative);
}

void Pallador::tellUser(QMessageBox::Icon icon, const QString &title, const QString &text)
{
    if (!automationClient) {
        QMessageBox box(icon, title, text, QMessageBox::NoButton, this);
        box.exec();
        return;
    }
    // A client's window shows no box: nobody may be there to see or close
    // it. The caller gets the text as its answer.
    automationMessages << text;
}
