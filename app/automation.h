// The automation server: other programs create Pallador windows and drive
// them through their automation properties over the D-Bus session bus.
//
//   service  com.corvanta.Pallador
//   /Factory            com.corvanta.Pallador.Factory: CreateObject("Pallador")
//                       gives the path of a new window, ReleaseObject(path)
//                       closes it; FeatureList, ClassID, InterfaceID, EventsID
//   /Pallador/<n>       com.corvanta.Pallador.IPallador: the window's 13
//                       automation properties (org.freedesktop.DBus.Properties)
//
// A window belongs to the bus connection that created it: other clients may
// read it, but only its owner writes or releases it (others get
// org.freedesktop.DBus.Error.AccessDenied). A client's windows close when it
// releases them or leaves the bus; the server ends 5000 ms after the last
// window has gone (or after it started, when no client comes). With no
// display the server runs on the offscreen platform.
#pragma once

#include <QString>

class QMetaObject;

namespace automation {

extern const char *const kService;

// The fixed identities of the automation class, as "{XXXXXXXX-...}".
struct Identity {
    const char *classId;
    const char *interfaceId;
    const char *eventsId;
    const char *typeLibId;
    const char *appId;
};
extern const Identity kIdentity;

// Runs the server until it ends; returns the process exit code.
int serve();

// The interface definition of the automation class generated from the
// window's meta-object, for the library version given as "x.y" (or "x.y.z").
QString interfaceDefinition(const QMetaObject &window, const QString &version);

// Where the D-Bus activation file of the service lives for this user, and
// its text for the program at programPath.
QString activationFilePath();
QString activationFileText(const QString &programPath);

} // namespace automation
