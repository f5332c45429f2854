// The installation directory named by QI_HOME, and paths below it.
#pragma once

#include <QString>

// QI_HOME exactly as set (an empty value counts as set). When it is not set,
// shows "Can't find Quorsen Image Directory" and ends the process with exit
// code 1.
QString requireInstallDir();

// folder joined with a relative path; "/" is inserted only when folder is not
// empty and does not already end with a separator.
QString joinInstallPath(const QString &folder, const QString &relative);
