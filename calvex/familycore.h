// Base classes of the calculation library's family objects.
//
// CFamilyCore holds the records every family object carries (results first),
// the register store and the engine state, and runs the engine steps (PLL,
// timing, results, registers) from the family's traits. Families change the
// generic steps through a few hooks. CFamilyBase adds the virtual PLL /
// timing / results operations and the named operations common to the classic
// families; CFormFamily is the base of the form-based families whose
// variables are bound to widgets by name; the plain families derive from
// CPlainFamily.
#pragma once

#include "calvex_records.h"
#include "engine/pll.h"
#include "engine/registers.h"
#include "engine/texts.h"
#include "engine/timing.h"
#include "engine/traits.h"
#include "regtables.h"

#include <QString>
#include <QStringList>
#include <cstring>
#include <deque>
#include <initializer_list>
#include <vector>

// Option sets several families share. The families that offer one derive
// from it; the engine reads them for the registers and mirrors them into the
// PLL block, where the option panels read them.

// Which sensor test and dark rows/columns the output shows.
struct DarkRowOptions {
    bool darkCols = false;
    bool darkRows = false;
    bool atrRows = false; // analog test rows
    bool dtrRows = false; // digital test rows
};

// Multi-exposure row settings of the line-interleaved HDR sensors.
struct HdrRowFields {
    qint32 numExposures = 1;    // count of exposures
    qint32 fixedLineLength = 0; // pixel clocks, 0 = none
    qint32 t2ExpRows = 0;
    qint32 t3ExpRows = 0;
    qint32 t4ExpRows = 0;
    qint32 embedDataRows = 0;
    qint32 statsDataRows = 0;
    qint32 topDigitalRows = 0;
    qint32 botAnalogRows = 0;
    bool lfmMode = false;    // LED flicker mitigation
    // Linear (single exposure) operation; each timing step sets it from the
    // context's HDR and combination modes.
    bool linearMode = false;
};

namespace calvex {

// The output link of a PLL step as a family's options shape it.
struct LinkOptions {
    bool serial = false;         // in: the interface is a serial one
    int lanes = 1;               // lanes of a serial link
    int bits = 10;               // bits per pixel on the link
    double laneRateMax = 1000.0; // Mbps per lane
    double load = 1.0;           // bits sent per pixel bit (packet headers make it > 1)
    bool oddOpSysDiv = true;     // the op_sys divider may be odd
    bool fastest = false;        // run the link at the fastest rate the lanes allow
    // The sensor holds a line and sends it over the whole line time (serial
    // links without a second PLL): the link runs at the fastest rate the
    // lanes take, and the timing lengthens the line until the link carries
    // the line's output.
    bool lineBuffer = false;
};

// A family's own rule for a row of its register table, found by the row's
// name when the family is built: a role of the family (1 and up), which the
// family's familyRegister computes, or kFixedRow.
constexpr int kFixedRow = -1;
struct RowRule {
    const char *name;
    int role;
};

// The largest actual value each PLL field of the family's table holds (a
// request beyond it could not be written as it is reported).
struct FieldCapacity {
    int n = 1 << 30, m = 1 << 30;
    int d[2] = {1 << 30, 1 << 30};
    int opSys = 1 << 30, opPix = 1 << 30;
    int n2 = 1 << 30, m2 = 1 << 30;
};

} // namespace calvex

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
    // Binds every row of the table, once, to what computes its value: a rule
    // of the family, a role of the engine's name dictionary, or the family's
    // list of rows that keep their table value. The facade calls it right
    // after building the family.
    void bindRegisters();
    // The rows of the table that nothing computes and no list names as fixed
    // ("row: name"); empty for every catalogued family.
    QStringList unboundRows() const;

    // The operations called on this object, oldest first, each with its
    // arguments ("PllUpdate()", "TimingUpdate(0, false, true)"). Only calls
    // from outside the library are recorded, not one operation's calls of
    // another; the oldest entries go beyond a few thousand.
    QStringList callJournal() const;
    void clearCallJournal();
    // Whether a journal entry is the step that works out the PLL a
    // calculation starts with: PllUpdate(), the interface's SetSerialPLL(i),
    // SetParallelPLL() and SetModePLL(i), the named PLL steps of the families
    // that have them, the form-based Calculate() and keep-sync's first pass.
    static bool isPllStep(const QString &entry);
    // The calculations a journal records. Each starts with its PLL step,
    // except where a family keeps its PLL results through a change of one
    // context: that calculation starts with its timing step, first in the
    // journal or right after the registers of the calculation before.
    static int calculationsIn(const QStringList &journal);
    // The descriptor table whose rows registerValues follows (may be null).
    const RegTable *regTable() const { return m_table; }
    int registerCount() const { return int(m_regStore.size()); }
    const calvex::FamilyTraits &traits() const { return *m_traits; }
    // The PLL limits in force (the traits, narrowed by the configuration file).
    const calvex::PllLimits &pllLimits() const { return m_limits; }
    // The last timing computed for a context (0 or 1).
    const calvex::TimingResult &timing(int context) const { return m_cs[safeContext(context)].t; }
    // The timing geometry of a context (0 or 1) as its last timing step left
    // it; the results hold that of whichever context was calculated last.
    CTimingGeometry timingGeometry(int context) const;
    // Lanes and bits per pixel of the link the last PLL step used.
    int linkLanes() const { return m_link.lanes; }
    int linkBits() const { return m_link.bits; }
    bool linkSerial() const { return m_link.serial; }
    // Mbps per lane the stream needs on a serial link (0 on a parallel one).
    double linkLoad() const { return m_link.laneLoad; }

protected:
    explicit CFamilyCore(int typeCode);

    // An argument of a recorded call: an integer, or a flag shown as
    // "true"/"false".
    struct CallArg {
        CallArg(int v) : value(v) {}
        CallArg(bool v) : value(v ? 1 : 0), flag(true) {}
        int value;
        bool flag = false;
    };
    // Records an operation for the call journal while it runs; an operation
    // it calls in turn is not recorded.
    class Call {
    public:
        Call(CFamilyCore *family, const char *operation, std::initializer_list<CallArg> args = {});
        ~Call();
        Call(const Call &) = delete;
        Call &operator=(const Call &) = delete;

    private:
        CFamilyCore *m_family;
    };

    // Points registerValues at the store and fills it with the table defaults.
    void resetRegisters();
    // The context index an operation may use: contexts other than 0 and 1
    // fall back to 0, so no caller can address a record that does not exist.
    static int safeContext(int context) { return (context == 1) ? 1 : 0; }
    static bool validContext(int context) { return context == 0 || context == 1; }

    // ---- Engine steps -----------------------------------------------------
    enum class PllMode { ByInterface, Parallel, Serial };
    // Defaults, lists and frame rates from the traits and the configuration
    // file's [MinMax_Defaults], then one calculation of both contexts.
    void engineInitDefaults(const QString &configPath);
    void enginePll(PllMode mode, int interfaceIndex);
    void engineTiming(int context, bool keepFrame, bool extendForIntegration, bool fromUseCase);
    // The limits and the inputs of a context's timing (before the rows the
    // contexts share are applied).
    calvex::TimingLimits timingLimits(int context) const;
    calvex::TimingInput timingInput(int context, bool keepFrame, bool extendForIntegration, bool fromUseCase) const;
    // The line length of a table whose one line-length register serves both contexts.
    int sharedLineLength() const;
    // Whether the contexts program a timing register together (the line
    // length, or a read-out increment context B takes from context A), so
    // that one context's inputs change the other's timing.
    bool sharesTimingRows() const;
    // A context's timing from its inputs and the flags of its last timing step.
    calvex::TimingResult contextTiming(int context) const;
    // Stores a context's timing and what follows from it: its read-out mode,
    // a written-back integration time, the timing geometry, the family's checks.
    void timeContext(int context);
    // Before a timing step of one context of a family whose contexts share a
    // timing register: the other context's timing again, and its texts and
    // warning word where what it shows changed.
    void retimeOtherContext(int context);
    void engineResults(int context);
    void engineRegisters();
    void engineInterfaceUpdate(int interfaceIndex);
    void engineSetInterface(int lanes, int bits);
    // PLL, timing, results of both contexts and registers, as the set-up needs.
    virtual void engineCalculateAll();
    // The interface index the PLL step reads (context A for the sensor
    // layout, the PLL block for the others), as the family takes it.
    int currentInterfaceIndex() const;

    // ---- Hooks ------------------------------------------------------------
    // Family defaults after the generic ones.
    virtual void familyDefaults() {}
    // Lists of an interface after the generic ones.
    virtual void familyInterfaceLists(int interfaceIndex);
    // The interface the PLL step uses, given the one the application wrote
    // (a family may derive it from other inputs).
    virtual int familyInterfaceIndex(int interfaceIndex) const { return interfaceIndex; }
    // The PLL request before the search (prescalers, family presets).
    virtual void familyPllRequest(calvex::PllRequest &request);
    // After the generic PLL step (second clocks, presets of the family).
    virtual void familyPll() {}
    // Read-out factors and their name for a context.
    virtual void readoutFactors(int context, int *xFactor, int *yFactor, QString *name) const;
    // The read-out factors of a context's settings and their name, as most
    // families read them.
    static void readoutFactorsOf(const CContextParams &p, int *xFactor, int *yFactor, QString *name);
    // The timing limits of the family (an attached sensor may replace the array).
    virtual void familyTimingLimits(calvex::TimingLimits &limits) const { Q_UNUSED(limits) }
    // Family inputs of the timing model (presets, exposures, fixed lengths).
    virtual void familyTimingInput(int context, calvex::TimingInput &in) const;
    // At a timing step of a context: the family keeps, for that context, an
    // input the application writes into one family field for whichever
    // context it calculates (a use-case preset), so that the context keeps
    // it when the other context is calculated.
    virtual void familyContextInputs(int context) { Q_UNUSED(context) }
    // After the generic timing step (read-backs, family warnings).
    virtual void familyTiming(int context) { Q_UNUSED(context) }
    // The link as the family's options shape it, after the engine has set it
    // from the interface, SetInterface and the output bits request.
    virtual void familyLink(calvex::LinkOptions &link) const { Q_UNUSED(link) }
    // The family's own rule for a row (0: none), asked once per row when the
    // family is built; rowRule() looks it up in a RowRule table.
    virtual int familyRowRole(const RegRow &row) const;
    // The value of a row bound to a role of the family; false: the engine's
    // rule for the row applies, or its table value.
    virtual bool familyRegister(int role, const RegRow &r, quint32 *value) const;
    // After binding: the family may narrow the field capacities of rows only
    // it computes.
    virtual void familyBound() {}
    template <std::size_t N> static int rowRule(const calvex::RowRule (&rules)[N], const RegRow &row)
    {
        for (const calvex::RowRule &rule : rules) {
            if (std::strcmp(rule.name, row.name) == 0)
                return rule.role;
        }
        return 0;
    }
    // The table value of the first row bound to a role of the family (0 when none is).
    quint32 defaultOfRole(int role) const;
    // Whether pllWcd holds a request of the application (the application
    // writes -1 for none, before every PLL step).
    virtual bool wcdRequested() const;
    // Family lines of the texts.
    virtual void familyTexts(int context, calvex::PllTextInfo &pllText, calvex::ContextTextInfo &contextText) const;

    // ---- State ------------------------------------------------------------
    struct ContextState {
        calvex::TimingResult t;
        quint32 warnings = 0; // context bits of the last timing step
        bool valid = false;
        // The arguments of the context's last timing step.
        bool keepFrame = false;
        bool extendForIntegration = true;
        bool fromUseCase = false;
    };
    struct LinkState {
        bool serial = false;
        calvex::LinkKind kind = calvex::LinkKind::Parallel;
        QString name;
        int lanes = 1;
        int bits = 10;
        double laneRate = 0.0;
        double laneLoad = 0.0; // Mbps per lane the stream needs
        double laneRateMax = 1000.0;
        int opSysDiv = 1;
        bool lineBuffer = false; // see LinkOptions::lineBuffer
    };
    // The bits this family owns in a context word.
    quint32 ownedBits() const;
    // The PLL bits of the last PLL step.
    quint32 pllWarnings() const { return m_pllWarnings; }
    void addPllWarnings(quint32 bits) { m_pllWarnings |= bits; }
    void addContextWarnings(int context, quint32 bits) { m_cs[safeContext(context)].warnings |= bits; }
    // Writes both context words from the stored PLL and context bits.
    void publishWarnings(int context);
    // The dark-row options of the family, or null when it has none.
    const DarkRowOptions *darkRowOptions() const { return dynamic_cast<const DarkRowOptions *>(this); }
    // The multi-exposure row settings of the family, or null when it has none.
    const HdrRowFields *hdrRowFields() const { return dynamic_cast<const HdrRowFields *>(this); }
    // Copies the family's output options into the PLL block for the panels.
    void mirrorPanelOptions();
    // The parallel port on its own output clock: the VCO divided to the clock
    // nearest the target that still carries the pixel stream.
    void parallelOutputClock(double target);

    // A row's rules, bound once.
    struct RowBinding {
        calvex::RoleMatch generic; // the engine's rule by name, or none
        int familyRole = 0;        // the family's own rule, 0: none
        bool fixed = false;        // listed as keeping its table value
    };
    // Roles of context A whose row context B shares: a two-context family
    // whose table holds one such register programs one value for both.
    struct SharedRows {
        bool lineLength = false;
        bool readMode = false;
        bool xOddInc = false;
        bool yOddInc = false;
    };

    int m_typeCode;
    const calvex::FamilyTraits *m_traits;
    calvex::PllLimits m_limits;
    const RegTable *m_table;
    std::vector<quint32> m_regStore;
    std::vector<RowBinding> m_rows;
    // Table values fitted to their rows (a bit-field row carries its field only).
    std::vector<quint32> m_rowDefaults;
    bool m_bound = false;
    SharedRows m_shared;
    std::deque<QString> m_journal;
    int m_callDepth = 0;
    // Table values of the second-PLL rows of a family that does not run a
    // second PLL (-1: no such row); reported as its N2 and M2.
    int m_idleN2 = -1;
    int m_idleM2 = -1;
    void reportIdleSecondPll();
    calvex::FieldCapacity m_fieldCap;
    QString m_configPath;
    // The silicon revision the configuration file names ("revision" of
    // [General_Info]; 1 without a file or without the entry).
    int m_configRevision = 1;

    calvex::PllSolution m_solution;
    calvex::PllSolution m_solution2;
    LinkState m_link;
    quint32 m_pllWarnings = 0;
    ContextState m_cs[2];
    int m_lastContext = 0;
    // The share of the pixel stream the link carries (a scaler shrinks it).
    double m_linkScale = 1.0;
    // Keep the bit depth field as the family's capability instead of the link bits.
    bool m_bitDepthIsCapability = false;
    // Link set by SetInterface (0: not set).
    int m_setLanes = 0;
    int m_setBits = 0;
    // The step of the table's line-length register (its mask's lowest bit).
    int m_lineLengthStep = 1;
    // Per context, the columns and rows the table's address and size
    // registers can hold; the field of view never goes beyond them.
    int m_addressCols[2] = {1 << 30, 1 << 30};
    int m_addressRows[2] = {1 << 30, 1 << 30};
    int m_lineLengthMax[2] = {1 << 30, 1 << 30};
    int m_frameLengthMax[2] = {1 << 30, 1 << 30};
    int m_hBlankMax[2] = {1 << 30, 1 << 30};
    int m_vBlankMax[2] = {1 << 30, 1 << 30};
    // Whether the last PLL step chose P5 itself (no request).
    bool m_p5Chosen = false;
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
    explicit CFamilyBase(int typeCode);
    // Revision defaults of the families that have them.
    virtual void familyRevision(int revision) { Q_UNUSED(revision) }
};

// Form-based families: the window reaches the per-context records through
// varCtxParams and the result block through varResults.
class CFormFamily : public CFamilyCore {
public:
    CContextParams *varCtxParams = ctx;
    CCalcResults *varResults = &results;
    // The variable whose box was just unchecked: the PLL step takes it as
    // free; it stays until the application hands over the next one (or null).
    GUIVAR_T *releasedVar = nullptr;
    QString blankTypeText;
    double intgTime = 0.0;

    ~CFormFamily() override;

    void InitDefaults(QString configPath);

protected:
    explicit CFormFamily(int typeCode);
    // The blanking type the combo text names (its leading digit or word).
    int blankTypeFromText() const;
    // Timing, warnings, texts and registers of context 0 at a pixel clock.
    void formTiming(double pixelClock);
};

// Plain families: no virtual operations, named operations only.
class CPlainFamily : public CFamilyCore {
public:
    ~CPlainFamily() override;

    void InitDefaults(QString configPath);
    void RegisterUpdate(int context);
    void SetResults(int context);

protected:
    explicit CPlainFamily(int typeCode);
};
