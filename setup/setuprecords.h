// Set-up records of the classic sensor families: one record per case body of
// the sensor set-up (sensors that share a family, a table and a procedure), in
// catalogue order of the body's first sensor. The set-up procedure itself is
// in loadconfig.cpp; a record only says what differs.
#pragma once

#include <Qt>

class CCalvex;
class Pallador;
class QString;

// Points of the classic procedure at which a body's own steps run.
enum class SetupStep {
    ContextsSet,    // the context count is set; the facade is not made yet
    ImageDockShown, // the context-A dock has just been shown
    ActionsShown,   // the View actions have been made visible
    RowsInstalled,  // the descriptor rows are installed
    ContextAReady,  // context A is initialised; its first results follow
};

// The library calls whose form differs by family, made on the family's own
// class (the facade's pointer of that family).
struct FamilyCalls {
    // InitDefaults(path), or InitDefaults(path, sensorIndex) where the family takes it.
    void (*initDefaults)(CCalvex &calvex, const QString &path, int sensorIndex);
    // ResultsUpdate(context), or SetResults(context) for the plain families.
    void (*results)(CCalvex &calvex, int context);
    // RegisterUpdate(context), or RegisterUpdate(context, sensorIndex).
    void (*registers)(CCalvex &calvex, int context, int sensorIndex);
};

// A bridge family gives its attached sensor this code when the raw sensor name
// of the configuration file contains the name (letter case counts).
struct AttachedSensorCode {
    const char *name; // null ends a list
    int code;
};

struct SetupRecord {
    enum { OwnIndex = 0, MaxSensors = 10 };

    int sensors[MaxSensors] = {}; // catalogue indices; 0 ends the list
    int contexts = 1;
    int typeCode = OwnIndex; // the facade's type code, or the loaded sensor's index
    const FamilyCalls *family = nullptr;
    const char *table = nullptr; // descriptor table id
    Qt::DockWidgetArea imageArea = Qt::LeftDockWidgetArea;
    const char *titleA = nullptr; // image dock titles, null to leave a title alone
    const char *titleB = nullptr;
    bool contextBResults = false;                        // results and registers of context B before its texts
    bool pllText = true;                                 // the PLL text is copied
    bool timingAction = true;                            // the timing-diagram action is offered
    bool fovPicture = false;                             // the field-of-view picture is loaded
    const AttachedSensorCode *attachedSensors = nullptr; // bridge families
    // Sensors of the body from altFrom on create the facade with altTypeCode
    // (when not 0) and install altTable (when set).
    int altFrom = 0;
    int altTypeCode = 0;
    const char *altTable = nullptr;
    // The row counts the family reports: with true the rows to install, with
    // false the rows in use. Null: the whole table.
    int (*libraryRows)(CCalvex &calvex, bool installed) = nullptr;
    // The body's own steps.
    void (*extra)(Pallador &window, SetupStep step) = nullptr;

    // The facade's type code and the table id for a sensor of the body.
    int typeCodeFor(int sensorIndex) const;
    const char *tableFor(int sensorIndex) const;
};

// The record whose body holds the catalogue index, or null (the form-based
// families, "UNKOWN" and indices outside the catalogue have none).
const SetupRecord *findSetupRecord(int sensorIndex);
