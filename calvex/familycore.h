// Base classes of the calculation library's family objects.
//
// CFamilyCore holds the records every family object carries (results first)
// and the register store; CFamilyBase adds the virtual PLL / timing / results
// operations and the named operations common to the classic families;
// CFormFamily is the base of the form-based families whose variables are
// bound to widgets by name; the plain families derive from CFamilyCore only.
#pragma once

#include "calvex_records.h"
#include "regtables.h"

#include <QString>
#include <QStringList>
#include <vector>

class CFamilyCore {
public:
    CCalcResults results;  // first member: the result block
    CPllParams pll;        // shared by both contexts
    CContextParams ctx[2]; // A, B
    CModeState mode[2];
    CFamilyDefaults defaults;

    // Lists the window and the option panels offer for the family.
    QStringList laneChoices;
    QStringList bitDepthChoices;
    QStringList bitDepthChoicesAlt;
    QStringList laneChoicesOdd;
    QStringList bitDepthChoicesOdd;
    QStringList exposureChoices;
    QStringList dataRowChoices;
    QStringList statsRowChoices;
    QStringList analogTestRowChoices;
    QStringList digitalTestRowChoices;
    QStringList cfpnRowChoices;

    virtual ~CFamilyCore();

    CFamilyCore(const CFamilyCore &) = delete;
    CFamilyCore &operator=(const CFamilyCore &) = delete;

    int typeCode() const { return m_typeCode; }
    // The descriptor table whose rows registerValues follows (may be null).
    const RegTable *regTable() const { return m_table; }
    int registerCount() const { return int(m_regStore.size()); }

protected:
    CFamilyCore(int typeCode, const char *tableId);

    // Points registerValues at the store and fills it with the table defaults.
    void resetRegisters();
    // The context index an operation may use: contexts other than 0 and 1
    // fall back to 0, so no caller can address a record that does not exist.
    static int safeContext(int context) { return (context == 1) ? 1 : 0; }

    int m_typeCode;
    const RegTable *m_table;
    std::vector<quint32> m_regStore;
    QString m_configPath;
};

// Families with virtual operations ("classic" families).
class CFamilyBase : public CFamilyCore {
public:
    ~CFamilyBase() override;

    virtual void PllUpdate();
    virtual void TimingUpdate(int context, bool keepFrame, bool extendForIntegration);
    virtual void ResultsUpdate(int context);

    void InitDefaults(QString configPath);
    void RegisterUpdate(int context);
    void InterfaceUpdate(int interfaceIndex);
    void SetInterface(int lanes, int bits);
    void SetSerialPLL(int interfaceIndex);
    void SetParallelPLL();
    void SetModePLL(int interfaceIndex);
    void UseCaseTiming(int context, bool keepFrame, bool extendForIntegration);
    void SetRevDefaults(int revision);

protected:
    CFamilyBase(int typeCode, const char *tableId);
};

// Form-based families: the window reaches the per-context records through
// varCtxParams and the result block through varResults.
class CFormFamily : public CFamilyCore {
public:
    CContextParams *varCtxParams = ctx;
    CCalcResults *varResults = &results;
    GUIVAR_T *releasedVar = nullptr;  // the variable whose box was just unchecked
    QString blankTypeText;
    double intgTime = 0.0;

    ~CFormFamily() override;

    void InitDefaults(QString configPath);

protected:
    CFormFamily(int typeCode, const char *tableId);
};

// Plain families: no virtual operations, named operations only.
class CPlainFamily : public CFamilyCore {
public:
    ~CPlainFamily() override;

    void InitDefaults(QString configPath);
    void RegisterUpdate(int context);
    void SetResults(int context);

protected:
    CPlainFamily(int typeCode, const char *tableId);
};
