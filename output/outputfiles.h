// Helpers shared by the writers of the preset, configuration and
// bug-information files.
#pragma once

#include <QByteArray>
#include <QString>

class Pallador;
class QWidget;

namespace output {

// What a writer does with a symbolic link at the path it writes: a name the
// user chose is written through to the regular file the link ends at (the
// link stays); a fixed name is never followed, so a link planted there
// cannot redirect the write.
enum class Links { WriteThrough, Refuse };

// Writes text as the program writes its text files: every line feed as CR LF
// (a carriage return already in the text stays), in the locale's 8-bit
// codec, replacing the file whole or not at all. Only a regular file the
// user may write or a new name is written; a pipe, device, socket, folder or
// (by links) a symbolic link is refused. A replaced file keeps its
// permissions, owner and group; a hard link to it keeps the old content. On failure (also one that shows only when the
// data reach the disk, as on a full disk) returns false with the reason in
// error and leaves the file as it was.
bool writeTextFile(const QString &path, const QString &text, QString *error, Links links = Links::WriteThrough);

// Writes bytes as they are, with the same guarantees as writeTextFile.
bool writeFileWhole(const QString &path, const QByteArray &bytes, QString *error,
                    Links links = Links::WriteThrough);

// Stand-ins for the system calls whose failure a test cannot bring about for
// real: the check whether the user may write an existing file (root may write
// every file) and the fsync that brings the bytes to the disk. Each returns 0
// or -1 with errno set, as the system's; null puts the system's back.
using WriteAccessCall = int (*)(const char *path);
using SyncCall = int (*)(int fd);
void setWriteSystemCalls(WriteAccessCall mayWrite, SyncCall sync);

// Reads a file whole when it is a regular file. Anything else (a pipe would
// hold the reader until someone writes to it) is refused without waiting. On
// failure returns false with the reason in error.
bool readRegularFile(const QString &path, QByteArray *bytes, QString *error);

// The path of the loaded sensor's standard INI template below the
// installation directory, or an empty string without a loaded configuration.
QString standardTemplatePath(const Pallador &w);

// The loaded sensor's standard INI template as it exists in the
// installation (its name matched without regard to letter case), or the
// path it would have.
QString findStandardTemplate(const Pallador &w);

// Where the problems of a standard template are reported: by default the
// program's shared message dialog; tests put a collector in its place (null
// restores the dialog).
using TemplateReporter = void (*)(const QString &message);
void setTemplateReporter(TemplateReporter reporter);
void reportTemplateProblem(const QString &message);

// Asks for the file to save to with QFileDialog::getSaveFileName; empty when
// the user cancels. A name typed without a suffix gets suffix (given without
// its dot), so that the file shows under the filter of the dialog that opens
// such files; a file of the completed name is replaced only when the user
// confirms it.
QString askSaveFileName(QWidget *parent, const QString &caption, const QString &start, const QString &filter,
                        const QString &suffix);

// Whether two paths name the same file (also when it does not exist yet).
bool sameFile(const QString &a, const QString &b);

} // namespace output
