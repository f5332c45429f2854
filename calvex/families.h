// The 59 family classes of the calculation library, one per sensor family.
//
// Every class takes the type code the facade was created with and selects its
// register-descriptor table from it. Beyond the common records each class
// exposes, under the names the application uses, the fields and operations of
// its own family. Fields that several families share come from the small
// option structs below (the dark-row and multi-exposure ones, which the engine
// reads itself, from familycore.h); everything has a defined starting value,
// and no value that later divides a clock or a size starts at 0 or -1.
//
// Classes in catalogue order:
//   classic families (CFamilyBase): Tolm_104 ... Vek_120, Vek_146;
//   form-based families (CFormFamily): Vek_125, Murn_102, Murn_104;
//   plain families (CPlainFamily): Zelt, Holv_101.
//
// Their behaviour is defined in families/, one source per family group, each
// named after the families it holds like the group's window side in calc/.
#pragma once

#include "familycore.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

// ---------------------------------------------------------------------------
// Options shared by several families.

// Embedded data and statistics rows in the output.
struct EmbedOptions {
    bool embedData = false;
    bool embedStat = false;
};

// The context-A advanced option panel is in use.
struct AdvParamOption {
    bool advParamOn = false;
};

// Line length (pixel clocks) and frame length (lines) preset by use case;
// 0 means no preset.
struct LengthPresets {
    qint32 lineLengthPreset = 0;
    qint32 frameLengthPreset = 0;
};

// Group-lines-in count and border pixels of the second-PLL sensors.
struct ScalerOptions {
    qint32 scaler = 192;
    qint32 borderPixels = 0;
};

// Exposure ratios as exponents of 2 (0 = ratio 1).
struct ExposureRatios {
    qint32 t1T2Ratio = 0;
    qint32 t2T3Ratio = 0;
    qint32 t3T4Ratio = 0;
};

// ---------------------------------------------------------------------------
// Classic families.

class Tolm_104 : public CFamilyBase {
public:
    explicit Tolm_104(int typeCode);
};

class Murn_101 : public CFamilyBase {
public:
    qint32 useCaseMode = 0; // HDR mode of the loaded use case (sensors 9 to 11)

    explicit Murn_101(int typeCode);

protected:
    void familyTexts(int context, calvex::PllTextInfo &pllText, calvex::ContextTextInfo &contextText) const override;
};

class Brel_101 : public CFamilyBase, public EmbedOptions, public DarkRowOptions {
public:
    explicit Brel_101(int typeCode);

protected:
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    int familyRowRole(const RegRow &row) const override;
    bool familyRegister(int role, const RegRow &r, quint32 *value) const override;
    void familyInterfaceLists(int interfaceIndex) override;
};

class Murn_105 : public CFamilyBase {
public:
    explicit Murn_105(int typeCode);

protected:
    void familyPllRequest(calvex::PllRequest &request) override;
    int familyRowRole(const RegRow &row) const override;
    bool familyRegister(int role, const RegRow &r, quint32 *value) const override;
};

class Brel_102 : public CFamilyBase, public EmbedOptions, public DarkRowOptions {
public:
    qint32 lineLengthPreset = 0; // pixel clocks, 0 = none

    explicit Brel_102(int typeCode);

protected:
    void familyDefaults() override;
    void familyContextInputs(int context) override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    void familyTiming(int context) override;
    int familyRowRole(const RegRow &row) const override;
    bool familyRegister(int role, const RegRow &r, quint32 *value) const override;
    void familyInterfaceLists(int interfaceIndex) override;

private:
    // The line-length preset each context was last calculated with.
    qint32 m_lineLengthOf[2] = {0, 0};
};

class Vek_101 : public CFamilyBase {
public:
    explicit Vek_101(int typeCode);
};

// Takes the catalogue index of the loaded sensor on set-up and register update.
class Vek_108 : public CFamilyBase {
public:
    explicit Vek_108(int typeCode);

    void InitDefaults(QString configPath, int catalogueIndex);
    void RegisterUpdate(int context, int catalogueIndex);

protected:
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    int familyRowRole(const RegRow &row) const override;
    bool familyRegister(int role, const RegRow &r, quint32 *value) const override;
    void familyInterfaceLists(int interfaceIndex) override;
    void familyTexts(int context, calvex::PllTextInfo &pllText, calvex::ContextTextInfo &contextText) const override;
    int m_catalogueIndex; // the loaded sensor, one of the family's catalogue entries
};

class Brel_103 : public CFamilyBase {
public:
    explicit Brel_103(int typeCode);

protected:
    void familyDefaults() override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
};

class Vek_124 : public CFamilyBase {
public:
    double serialClock = 0.0;   // MHz
    qint32 pixClockDivisor = 1; // pixel clock = serialClock / pixClockDivisor

    explicit Vek_124(int typeCode);

protected:
    void familyLink(calvex::LinkOptions &link) const override;
    void familyDefaults() override;
    void familyPll() override;
    int familyRowRole(const RegRow &row) const override;
    bool familyRegister(int role, const RegRow &r, quint32 *value) const override;
};

class Murn_109 : public CFamilyBase {
public:
    QStringList imageTypeLists[4]; // image-type names per output format 0 to 3

    explicit Murn_109(int typeCode);

protected:
    void familyLink(calvex::LinkOptions &link) const override;
    void familyDefaults() override;
    void familyTiming(int context) override;
};

class Brel_104 : public CFamilyBase {
public:
    explicit Brel_104(int typeCode);

protected:
    void readoutFactors(int context, int *xFactor, int *yFactor, QString *name) const override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
};

class Brel_105 : public CFamilyBase {
public:
    bool shortSeq = false; // short sequencer, one value for both contexts
    qint32 minLines = 8;   // minimum vertical blanking, lines

    explicit Brel_105(int typeCode);

protected:
    void readoutFactors(int context, int *xFactor, int *yFactor, QString *name) const override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    int familyRowRole(const RegRow &row) const override;
    bool familyRegister(int role, const RegRow &r, quint32 *value) const override;
};

class Murn_111 : public CFamilyBase {
public:
    // MIPI timing values: T_HS_ZERO, T_HS_EXIT_HS_TRAIL, T_CLK_POST_CLK_PRE,
    // T_CLK_TRAIL_CLK_ZERO, T_LPX, INIT_TIMING, TXSS_PARAMETERS,
    // TXC_PARAMETERS, TXC_TIMING.
    quint32 mipiTimings[9] = {};

    explicit Murn_111(int typeCode);

protected:
    int familyRowRole(const RegRow &row) const override;
    bool familyRegister(int role, const RegRow &r, quint32 *value) const override;
    void familyPll() override;
    void familyTiming(int context) override;
};

class Brel_106 : public CFamilyBase {
public:
    explicit Brel_106(int typeCode);

protected:
    void familyBound() override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    int familyRowRole(const RegRow &row) const override;
    bool familyRegister(int role, const RegRow &r, quint32 *value) const override;
};

class Brel_107 : public CFamilyBase {
public:
    explicit Brel_107(int typeCode);
};

// Vek_141 and Vek_155: the column-correction row count (16 x 2^k rows, 16
// in the high-speed read-out) sets the HDR ratio and the sensor's
// column-correction register, and the context text names it.
class CColumnCorrectionSensor : public CFamilyBase, public AdvParamOption, public DarkRowOptions {
protected:
    explicit CColumnCorrectionSensor(int typeCode);
    void familyTimingLimits(calvex::TimingLimits &limits) const override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    int familyRowRole(const RegRow &row) const override;
    bool familyRegister(int role, const RegRow &r, quint32 *value) const override;
    void familyTexts(int context, calvex::PllTextInfo &pllText, calvex::ContextTextInfo &contextText) const override;
};

class Vek_141 : public CColumnCorrectionSensor {
public:
    explicit Vek_141(int typeCode);
};

// The sensor with sixteen focal planes; the system uses context A only.
class Vek_145l : public CFamilyBase, public AdvParamOption {
public:
    bool activateAll = false; // every focal plane active
    bool embedData = false;

    explicit Vek_145l(int typeCode);

protected:
    void familyDefaults() override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    void familyTiming(int context) override;
    int familyRowRole(const RegRow &row) const override;
    bool familyRegister(int role, const RegRow &r, quint32 *value) const override;
    void familyTexts(int context, calvex::PllTextInfo &pllText, calvex::ContextTextInfo &contextText) const override;

private:
    int packedPlanes() const;
};

class Vek_147 : public CFamilyBase, public AdvParamOption, public DarkRowOptions {
public:
    explicit Vek_147(int typeCode);

protected:
    void familyTimingLimits(calvex::TimingLimits &limits) const override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
};

class Vek_149 : public CFamilyBase, public AdvParamOption, public DarkRowOptions {
public:
    qint32 useCaseIndex = 0; // the window applies its use-case PLL preset itself; kept for reference only

    explicit Vek_149(int typeCode);

protected:
    void familyTimingLimits(calvex::TimingLimits &limits) const override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
};

class Vek_152 : public CFamilyBase, public AdvParamOption, public DarkRowOptions, public LengthPresets {
public:
    explicit Vek_152(int typeCode);

protected:
    void familyTimingLimits(calvex::TimingLimits &limits) const override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
};

class Vek_153 : public CFamilyBase,
                public AdvParamOption,
                public DarkRowOptions,
                public LengthPresets,
                public ScalerOptions {
public:
    explicit Vek_153(int typeCode);

protected:
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
};

class Vek_154 : public CFamilyBase, public AdvParamOption, public DarkRowOptions, public ScalerOptions {
public:
    double clockPreset = 0.0; // MHz, third clock preset by use case
    qint32 colsPreset = 0;    // output size preset by use case, 0 = none
    qint32 rowsPreset = 0;

    explicit Vek_154(int typeCode);

protected:
    void familyLink(calvex::LinkOptions &link) const override;
    void familyPll() override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
};

class Vek_155 : public CColumnCorrectionSensor {
public:
    explicit Vek_155(int typeCode);
};

// Bridge chips that drive an attached raw sensor (Yorm_102, Yorm_105,
// Yorm_106): the fields they share under the same names.
//
// The picture geometry the window draws is the mode state of the context:
// coreCols/coreRows (the attached sensor's core), cropCols/cropRows (the
// processed area), outputCols/outputRows, fovCols/fovRows and the limits of
// the field-of-view start, with the drawing area in CPllParams::arrayCols and
// arrayRows.
class CBridgeFamily : public CFamilyBase {
public:
    qint32 sensorKind = 0;     // kind of the attached sensor, 0 to 3
    qint32 sensorRevision = 0; // last digit of the raw sensor's name, 0 when none
    qint32 dividerRequests[4] = {-1, -1, -1, -1};
    // Per context: in an HDR mode, the long exposure in use is longer than
    // half the frame at the requested rate, which only the maximum
    // integration time (CContextParams::useMaxIntgTime) allows.
    bool needsMaxIntgTime[2] = {false, false};
    bool maxIntgAsked = false;
    qint32 serialDivider = 0; // serial clock = vcoClock / (serialDivider + 1)
    double serialClock = 0.0; // MHz
    double pixelClockResult = 0.0;
    qint32 highSpeedEnable = 0; // > 0: high-speed output can be enabled
    QStringList aspectFrameRateChoices;

    // The external PLL: the PLL solved for the clock the attached sensor
    // takes (the target, at most the sensor's pixel-rate limit, twice that
    // with two clocks per pixel), and the sensor's clocks from it.
    void CalculatePLLExt(int kind);

protected:
    void familyPllRequest(calvex::PllRequest &request) override;
    explicit CBridgeFamily(int typeCode);
    void familyDefaults() override;
    // Every PLL step gives the attached sensor its clocks.
    void familyPll() override;
    void familyTimingLimits(calvex::TimingLimits &limits) const override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    void familyTiming(int context) override;
    int familyRowRole(const RegRow &row) const override;
    bool familyRegister(int role, const RegRow &r, quint32 *value) const override;
    void familyTexts(int context, calvex::PllTextInfo &pllText, calvex::ContextTextInfo &contextText) const override;
    // The lanes and bits per pixel of the link the serial clock carries.
    virtual void attachedLink(int *lanes, int *bits) const;
    // The PLL step of CalculatePLLExt.
    void externalPll(int kind);
    // The attached sensor's clocks from the bridge's system clock.
    void attachedSensorClocks(int kind, int lanes, int bits);
    // The attached sensor at a pixel clock (MHz; at most its limit), and the
    // serial clock that carries it.
    void sensorClocks(double pixelClock, int lanes, int bits);

private:
    bool m_capToSensor = false; // the PLL step aims at most at the sensor's clock
};

class Yorm_102 : public CBridgeFamily {
public:
    explicit Yorm_102(int typeCode);

    // The external PLL of sensor 54, whose link takes its lanes and bits
    // from CPllParams::lanes and opBits.
    void CalculatePLLExt_(int kind);

protected:
    void attachedLink(int *lanes, int *bits) const override;
};

class Yorm_105 : public CBridgeFamily {
public:
    explicit Yorm_105(int typeCode);
};

// The bridge with the keep-sync PLL step: its output follows an external
// timing (a clock, a line length in clocks and a frame length in lines). The
// attached sensor then runs on a pixel clock of its own PLL, which the bridge
// writes into cam_sensor_control_external_pll, with a fixed line and frame
// length; the bridge's PLL runs at the keep-sync output clock.
class Yorm_106 : public CBridgeFamily {
public:
    // Keep-sync inputs.
    bool keepSyncOn = false;
    double keepSyncClock = 36.0;      // MHz
    qint32 keepSyncLinePck = 1500;    // pixel clocks per external line
    qint32 keepSyncFrameLength = 800; // lines per external frame
    // Set by every PLL step but the keep-sync one and by the first keep-sync
    // pass, cleared by the second: the PLL block does not hold a finished
    // keep-sync calculation.
    bool keepSyncDirty = false;
    qint32 keepSyncActive = 0;
    double keepSyncTargetClock = 0.0; // MHz: the first pass's pixel clock, the second's output clock

    // Keep-sync PLL results of the first pass (the attached sensor's PLL).
    double keepSyncVcoClock = 0.0;
    double keepSyncOutputClock = 0.0;          // the sensor's pixel clock
    qint32 keepSyncDividers[4] = {1, 1, 1, 1}; // P1, N (divides the input clock), M, P2
    qint32 keepSyncExtDivider = 1;             // the sensor clock over the keep-sync clock, rounded

    // Divider sets written from the keep-sync results.
    qint32 extDivider = 1;
    qint32 pllDividersA[4] = {1, 1, 1, 1};
    qint32 pllDividersB[4] = {1, 1, 1, 1};

    // Fixed timing the keep-sync search chose, per context; in force while
    // the last PLL step was the keep-sync one.
    bool useFixedLineLength[2] = {false, false};
    qint32 lineLengthPck[2] = {0, 0};
    qint32 frameLengthLines[2] = {0, 0};

    explicit Yorm_106(int typeCode);

    // applyToPll false: the attached sensor's PLL for the pixel clock
    // keepSyncTargetClock, into the keep-sync fields. true: the bridge's PLL
    // for the output clock keepSyncTargetClock, into the PLL block, with the
    // attached sensor on the first pass's clock.
    void CalculatePLLNet_ks(int kind, bool applyToPll);
    // Whether the first pass's pixel clock is a whole multiple of the
    // keep-sync clock.
    bool fineAdjustPll0P2toExt_ks(int kind);
    // Whether the PLL requests now in the PLL block (input clock, N, M and
    // VCO requests, bypass, two clocks per pixel) or the attached sensor
    // differ from those the last keep-sync PLL step served.
    bool keepSyncRequestsChanged() const;

protected:
    void familyPllRequest(calvex::PllRequest &request) override;
    void familyPll() override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    int familyRowRole(const RegRow &row) const override;
    bool familyRegister(int role, const RegRow &r, quint32 *value) const override;
    void familyTexts(int context, calvex::PllTextInfo &pllText, calvex::ContextTextInfo &contextText) const override;

private:
    struct KeepSyncRequests {
        bool valid = false;
        double inputClock = 0.0;
        qint32 n = -1;
        qint32 m = -1;
        double vco = -1.0;
        bool bypass = false;
        bool twoClkPerPix = false;
        qint32 kind = 0;
    };
    KeepSyncRequests m_ksRequests;
    calvex::PllSolution m_ksSensor; // the first pass's solution
    bool m_ksSecondPass = false;    // the PLL step running is the second pass
    bool m_keepSyncTiming = false;  // the keep-sync sensor PLL and lengths are in force
};

class Murn_107 : public CFamilyBase {
public:
    explicit Murn_107(int typeCode);

protected:
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    int familyRowRole(const RegRow &row) const override;
    bool familyRegister(int role, const RegRow &r, quint32 *value) const override;
};

class Murn_103 : public CFamilyBase {
public:
    explicit Murn_103(int typeCode);

protected:
    void familyDefaults() override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    void familyTiming(int context) override;
};

class Vek_143 : public CFamilyBase, public AdvParamOption, public DarkRowOptions {
public:
    explicit Vek_143(int typeCode);

protected:
    void familyLink(calvex::LinkOptions &link) const override;
    void familyTimingLimits(calvex::TimingLimits &limits) const override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
};

class Murn_110 : public CFamilyBase {
public:
    // Used flicker-detection period lines at 60 Hz: preview, capture, video.
    qint32 fdUsedPeriodLines60Hz[3] = {0, 0, 0};

    explicit Murn_110(int typeCode);

protected:
    void familyTiming(int context) override;
    int familyRowRole(const RegRow &row) const override;
    bool familyRegister(int role, const RegRow &r, quint32 *value) const override;
};

class Murn_108 : public CFamilyBase {
public:
    // 0: pllWcd holds the application's WCD override for the next PLL step.
    // The PLL step sets it to 1 once it has used the override or chosen the
    // divider itself, so a later step without an override is free again.
    qint32 wcdFlag = 1;

    explicit Murn_108(int typeCode);

protected:
    void familyDefaults() override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    void familyPll() override;
    bool wcdRequested() const override;
};

class Murn_106 : public CFamilyBase, public AdvParamOption {
public:
    // The user's lowest rate of a variable frame rate (0: none asked for);
    // the context's minFps is the family's own, used without one.
    double requestedMinFps = 0.0;
    qint32 useCaseIndex = 0;
    // The field of view and the output size of the use case; an output size
    // other than the field of view is a fixed size of the scaler.
    qint32 fovWidth = 0;
    qint32 fovHeight = 0;
    qint32 outputWidth = 0;
    qint32 outputHeight = 0;

    explicit Murn_106(int typeCode);

protected:
    void familyDefaults() override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    int familyRowRole(const RegRow &row) const override;
    bool familyRegister(int role, const RegRow &r, quint32 *value) const override;
};

class Vek_116 : public CFamilyBase {
public:
    explicit Vek_116(int typeCode);

protected:
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    void familyInterfaceLists(int interfaceIndex) override;
};

class Vek_118 : public CFamilyBase, public ExposureRatios, public DarkRowOptions {
public:
    explicit Vek_118(int typeCode);

protected:
    int familyRowRole(const RegRow &row) const override;
    bool familyRegister(int role, const RegRow &r, quint32 *value) const override;
    void familyTexts(int context, calvex::PllTextInfo &pllText, calvex::ContextTextInfo &contextText) const override;
    void familyLink(calvex::LinkOptions &link) const override;
    void familyDefaults() override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    void familyRevision(int revision) override;

private:
    bool sixteenAsTwoBytes(bool serial) const;
};

class Vek_121 : public CFamilyBase, public DarkRowOptions {
public:
    explicit Vek_121(int typeCode);

protected:
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    void familyInterfaceLists(int interfaceIndex) override;
};

// The scaling sensors Vek_157b and Vek_157f: the scaler outputs 16 / scaleM
// of the read-out (scale_m 16 to 255), the iHDR mode takes two exposures
// whose ratio arrives as its value (ccRow), and a GoPro mode value of 1 reads
// the array 3x3.
class CVek157Family : public CFamilyBase, public AdvParamOption {
protected:
    // minRatio: the smallest exposure ratio the family takes; a smaller one counts as it.
    CVek157Family(int typeCode, int minRatio);

    void familyTimingLimits(calvex::TimingLimits &limits) const override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    void familyPllRequest(calvex::PllRequest &request) override;
    void familyTiming(int context) override;
    int familyRowRole(const RegRow &row) const override;
    bool familyRegister(int role, const RegRow &r, quint32 *value) const override;
    void familyTexts(int context, calvex::PllTextInfo &pllText, calvex::ContextTextInfo &contextText) const override;

private:
    int m_minRatio;
};

class Vek_157b : public CVek157Family {
public:
    explicit Vek_157b(int typeCode);
};

class Vek_157f : public CVek157Family {
public:
    explicit Vek_157f(int typeCode);
};

class Vek_137 : public CFamilyBase, public AdvParamOption, public DarkRowOptions {
public:
    qint32 borderPixels = 0; // output border pixels per side
    bool digitalCC = false;  // digital column correction

    explicit Vek_137(int typeCode);

protected:
    void readoutFactors(int context, int *xFactor, int *yFactor, QString *name) const override;
    void familyLink(calvex::LinkOptions &link) const override;
    void familyDefaults() override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    int familyRowRole(const RegRow &row) const override;
    bool familyRegister(int role, const RegRow &r, quint32 *value) const override;
    void familyInterfaceLists(int interfaceIndex) override;
    void familyTexts(int context, calvex::PllTextInfo &pllText, calvex::ContextTextInfo &contextText) const override;
};

class Vek_117 : public CFamilyBase, public HdrRowFields, public ExposureRatios, public DarkRowOptions {
public:
    explicit Vek_117(int typeCode);

protected:
    void familyPll() override;
    void familyTexts(int context, calvex::PllTextInfo &pllText, calvex::ContextTextInfo &contextText) const override;
    void familyLink(calvex::LinkOptions &link) const override;
    void familyDefaults() override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    void familyTiming(int context) override;
    void familyInterfaceLists(int interfaceIndex) override;
    void familyRevision(int revision) override;
};

class Vek_107 : public CFamilyBase, public HdrRowFields, public ExposureRatios, public DarkRowOptions {
public:
    explicit Vek_107(int typeCode);

protected:
    void familyPll() override;
    void familyTexts(int context, calvex::PllTextInfo &pllText, calvex::ContextTextInfo &contextText) const override;
    void familyLink(calvex::LinkOptions &link) const override;
    void familyDefaults() override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    void familyTiming(int context) override;
    void familyInterfaceLists(int interfaceIndex) override;
};

class Vek_113 : public CFamilyBase, public HdrRowFields, public ExposureRatios, public DarkRowOptions {
public:
    bool configEnable = false; // configure buffers in use
    bool dbOverlap = false;
    qint32 configBufT1 = 56; // lines per delay buffer
    qint32 configBufT2 = 8;
    qint32 configBufT3 = 3;
    qint32 advShiftT2 = 1; // shutter advance, 0 to 3 lines
    qint32 advShiftT3 = 1;
    qint32 advShiftT4 = 1;

    explicit Vek_113(int typeCode);

protected:
    void familyPllRequest(calvex::PllRequest &request) override;
    void familyPll() override;
    void familyTexts(int context, calvex::PllTextInfo &pllText, calvex::ContextTextInfo &contextText) const override;
    void familyLink(calvex::LinkOptions &link) const override;
    void familyDefaults() override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    void familyTiming(int context) override;
    void familyInterfaceLists(int interfaceIndex) override;
    int familyRowRole(const RegRow &row) const override;
    bool familyRegister(int role, const RegRow &r, quint32 *value) const override;
};

class Vek_111 : public CFamilyBase, public DarkRowOptions {
public:
    bool companding = false;

    explicit Vek_111(int typeCode);

protected:
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    void familyInterfaceLists(int interfaceIndex) override;
};

class Vek_123 : public CFamilyBase, public ExposureRatios {
public:
    // OTP version (1 to 3) and customer version value of the sensor; they
    // decide what the preset sections load, not the calculation.
    qint32 otpRev = 1;
    qint32 custRev = 1170;

    // Field of view of context A after the timing step.
    qint32 fovRows = 0;
    qint32 fovCols = 0;
    double fovPercentResult = 0.0;
    double aspectRatioResult = 0.0;

    // Raw-image format of the preset file.
    double rawMasterClock = 0.0; // MHz
    qint32 rawHdrFlag = 0;
    qint32 rawExposureCount = 1;
    qint32 rawWidth = 0;
    qint32 rawHeight = 0;
    qint32 rawBayer = 0;

    explicit Vek_123(int typeCode);

    void PLL_Caluate();
    // Preset-file sections; every element carries its own line end.
    QStringList GetSequencer(QString configPath) const;
    QStringList GetDefaultSetting(QString configPath) const;

protected:
    void familyDefaults() override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    void familyTiming(int context) override;
    int familyRowRole(const RegRow &row) const override;
    bool familyRegister(int role, const RegRow &r, quint32 *value) const override;
    void familyInterfaceLists(int interfaceIndex) override;
    void familyTexts(int context, calvex::PllTextInfo &pllText, calvex::ContextTextInfo &contextText) const override;
};

class Vek_135 : public CFamilyBase, public AdvParamOption, public DarkRowOptions {
public:
    qint32 useCaseIndex = 0; // no preset is keyed on it: size, rate and exposures arrive in their own fields

    explicit Vek_135(int typeCode);

    void CalculateScaledPLL();
    QStringList GetSequencer(QString configPath) const;

protected:
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
};

class Vek_110 : public CFamilyBase, public HdrRowFields, public ExposureRatios, public DarkRowOptions {
public:
    qint32 superExp = 0; // super-exposure code: 0, 5 or 6

    explicit Vek_110(int typeCode);

protected:
    void familyPllRequest(calvex::PllRequest &request) override;
    void familyPll() override;
    void familyTexts(int context, calvex::PllTextInfo &pllText, calvex::ContextTextInfo &contextText) const override;
    void familyLink(calvex::LinkOptions &link) const override;
    void familyDefaults() override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    void familyTiming(int context) override;
    void familyInterfaceLists(int interfaceIndex) override;
};

class Vek_114 : public CFamilyBase, public ExposureRatios {
public:
    explicit Vek_114(int typeCode);

    void CalculatePLL(int interfaceIndex);

protected:
    void familyDefaults() override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    void familyTiming(int context) override;
    void familyInterfaceLists(int interfaceIndex) override;
};

class Vek_132 : public CFamilyBase, public AdvParamOption, public ScalerOptions {
public:
    bool shortSeq = false;    // quiet sample
    qint32 useCasePreset = 0; // line length preset by use case, 0 = none

    explicit Vek_132(int typeCode);

protected:
    void familyTiming(int context) override;
    void familyPll() override;
    void familyLink(calvex::LinkOptions &link) const override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
};

// The four-exposure HDR sensor; its ratios are plain factors (2^exponent).
class Vek_138 : public CFamilyBase, public AdvParamOption {
public:
    qint32 useCaseIndex = 0; // no preset is keyed on it: size, rate and exposures arrive in their own fields
    qint32 numExposures = 1;
    qint32 t1ExpRows = 0;
    qint32 t2ExpRows = 0;
    qint32 t3ExpRows = 0;
    qint32 t4ExpRows = 0;
    qint32 t1T2Ratio = 1;
    qint32 t2T3Ratio = 1;
    qint32 t3T4Ratio = 1;
    qint32 middleIntTime = 0;
    bool otherLineTime = false;
    bool txLatch = false;
    qint32 analogTestCols = 0; // pixels
    qint32 rowNoiseCols = 0;   // pixels
    qint32 outputBits = 12;

    explicit Vek_138(int typeCode);

    void CalculatePLLMode(int mode);

protected:
    void familyLink(calvex::LinkOptions &link) const override;
    void familyDefaults() override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    void familyTiming(int context) override;
    int familyRowRole(const RegRow &row) const override;
    bool familyRegister(int role, const RegRow &r, quint32 *value) const override;
};

class Vek_119 : public CFamilyBase, public DarkRowOptions {
public:
    explicit Vek_119(int typeCode);

protected:
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    void familyInterfaceLists(int interfaceIndex) override;
    void familyRevision(int revision) override;
};

class Vek_128 : public CFamilyBase, public ExposureRatios, public DarkRowOptions {
public:
    explicit Vek_128(int typeCode);

    // Descriptor rows in use.
    int NumberOfRegisters() const;
    // Position in bitDepthChoices the PLL panel starts with.
    static int getDefaultBitDepthIndex();
    // Default target clock in MHz (a clock, despite the name).
    double getDefaultPixelClockIndex() const;

protected:
    void familyTexts(int context, calvex::PllTextInfo &pllText, calvex::ContextTextInfo &contextText) const override;
    void familyLink(calvex::LinkOptions &link) const override;
    void familyDefaults() override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    void familyPllRequest(calvex::PllRequest &request) override;

private:
    double m_baseVcoMax = 0.0; // revision 1 VCO ceiling (after the configuration file)
};

// One region of interest of Drav_102: six 16-bit values (x start, x size,
// y start, y size, x scale, y scale) held by the family object and reached
// through pointers, so the record always reads the family's live values.
class DravRoi {
public:
    enum { FieldCount = 6 };

    explicit DravRoi(quint16 *values);

    // Value of field 0..5; 0 for any other field.
    uint roiValue(int field) const;
    // Stores the low 16 bits of value; any other field is ignored.
    void setRoiValue(int field, int value);

private:
    quint16 *m_fields[FieldCount];
};

class Drav_102 : public CFamilyBase {
    // Values of the two regions; declared first so that the records below can
    // point into it.
    quint16 m_roiStore[2][DravRoi::FieldCount] = {{0, 280, 0, 280, 16, 16}, {0, 560, 0, 560, 16, 16}};

public:
    bool binXOnly = false; // column binning
    bool binning = false;  // row binning
    double intgTime = 0.0; // ms, held once for the sensor
    qint32 scaleM = 16;    // scaling dividend; scale = scaleM / 16
    qint32 fbMode = 0;     // frame buffer: 0 off, 1 regions of interest, 2 slow MIPI
    DravRoi roi[2];

    explicit Drav_102(int typeCode);

    // Skip indices 0, 1, 2 (1:1, 1:2, 1:4); any other index is rejected.
    void setXSkipIndex(int index);
    void setYSkipIndex(int index);
    int getXSkipIndex() const { return m_xSkipIndex; }
    int getYSkipIndex() const { return m_ySkipIndex; }
    void setXscale(bool on) { m_xScale = on; }
    void setYscale(bool on) { m_yScale = on; }
    bool isXscale() const { return m_xScale; }
    bool isYscale() const { return m_yScale; }

    // installed true: rows to install; false: rows in use (never more).
    int NumberOfRegisters(bool installed) const;
    static int getDefaultBitDepthIndex();
    double getDefaultPixelClockIndex() const;

protected:
    void familyDefaults() override;
    void familyPllRequest(calvex::PllRequest &request) override;
    void familyRevision(int revision) override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    void familyTiming(int context) override;
    int familyRowRole(const RegRow &row) const override;
    bool familyRegister(int role, const RegRow &r, quint32 *value) const override;
    void familyInterfaceLists(int interfaceIndex) override;

private:
    int m_appliedRevision = 0; // revision whose defaults are loaded, 0 = none yet
    double m_baseVcoMax = 0.0; // revision 1 limits and default target (after the configuration file)
    double m_baseTarget = 0.0;
    int m_xSkipIndex = 0;
    int m_ySkipIndex = 0;
    bool m_xScale = false;
    bool m_yScale = false;
};

// The second-PLL sensors whose line and frame length come from use-case
// presets: a preset frame is the shortest frame of its use case.
class Drav_101 : public CFamilyBase, public AdvParamOption, public LengthPresets {
public:
    explicit Drav_101(int typeCode);

protected:
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    void familyTexts(int context, calvex::PllTextInfo &pllText, calvex::ContextTextInfo &contextText) const override;
};

// Vek_120 starts at revision 0, the revision whose presets the window
// applies; its lanes (CPllParams::lanes, 2 or 4) choose its interface.
class Vek_120 : public CFamilyBase, public AdvParamOption, public LengthPresets {
public:
    qint32 useCaseIndex = -1; // the use case the preset was taken for, -1 before the first

    explicit Vek_120(int typeCode);

protected:
    void familyDefaults() override;
    int familyInterfaceIndex(int interfaceIndex) const override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    void familyTexts(int context, calvex::PllTextInfo &pllText, calvex::ContextTextInfo &contextText) const override;
};

class Vek_146 : public CFamilyBase, public ExposureRatios, public DarkRowOptions {
public:
    explicit Vek_146(int typeCode);

protected:
    void familyDefaults() override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    void familyInterfaceLists(int interfaceIndex) override;
};

// ---------------------------------------------------------------------------
// Form-based families: their inputs and results are variables bound to
// widgets by name; the member names are the binding names.

class Vek_125 : public CFormFamily {
public:
    GUIVAR_T InputFreq;  // also bound as "dSpinPLL_Input"
    GUIVAR_T SystemFreq; // also bound as "dSpinPLL_Target"
    GUIVAR_T PLL1Div1;
    GUIVAR_T PLL1Mult;
    GUIVAR_T VCO1Freq;
    GUIVAR_T PLL1Div2;
    GUIVAR_T PLL1Div3;
    GUIVAR_T PixelDiv;
    GUIVAR_T PixelFreq;
    GUIVAR_T PLL2Div1;
    GUIVAR_T PLL2Mult;
    GUIVAR_T VCO2Freq;
    GUIVAR_T PLL2Div2;
    GUIVAR_T SerialFreq;
    GUIVAR_T Bits;
    GUIVAR_T WordFreq;
    GUIVAR_T MIPILane2;
    GUIVAR_T MIPICont;
    GUIVAR_T IntgTime;
    GUIVAR_T Rows;
    GUIVAR_T Cols;

    explicit Vek_125(int typeCode);

    void InitDefaults(QString configPath);
    virtual void PllUpdate();
    virtual void ResultsUpdate(int context);
    void RegisterUpdate(int context);

protected:
    void engineCalculateAll() override;
    void familyTexts(int context, calvex::PllTextInfo &pllText, calvex::ContextTextInfo &contextText) const override;
};

class Murn_102 : public CFormFamily {
public:
    GUIVAR_T checkRowSkipping;
    GUIVAR_T spinRows;
    GUIVAR_T spinCols;
    GUIVAR_T dSpinPLL_Input;

    explicit Murn_102(int typeCode);

    void InitDefaults(QString configPath);
    void Calculate();

protected:
    void engineCalculateAll() override;
    void readoutFactors(int context, int *xFactor, int *yFactor, QString *name) const override;
    void familyTiming(int context) override;
};

class Murn_104 : public CFormFamily {
public:
    GUIVAR_T checkSkipping;
    GUIVAR_T spinRows;
    GUIVAR_T spinCols;
    GUIVAR_T dSpinPLL_Input;
    GUIVAR_T dSpinPLL_Target;
    GUIVAR_T PLL_VCO;
    GUIVAR_T PLL_N;
    GUIVAR_T PLL_M;
    GUIVAR_T checkBypass;
    GUIVAR_T checkUseMinFreq;
    qint32 useCaseIndex = 0;

    explicit Murn_104(int typeCode);

    void InitDefaults(QString configPath);
    void Calculate();

protected:
    void engineCalculateAll() override;
    void readoutFactors(int context, int *xFactor, int *yFactor, QString *name) const override;
    void familyTiming(int context) override;
};

// ---------------------------------------------------------------------------
// Plain families.

class Zelt : public CPlainFamily {
public:
    // Integration-time range of the current settings, us, counted from the
    // integration offset (below 0 when the offset is the longer).
    qint32 maxIntgTime = 0;
    qint32 minIntgTime = 0;

    explicit Zelt(int typeCode);

    void CalculatePLL(int catalogueIndex);
    void CalculateTiming(int context, bool keepFrame, bool extendForIntegration);

protected:
    void familyBound() override;
    void engineCalculateAll() override;
    void familyTimingInput(int context, calvex::TimingInput &in) const override;
    void familyTiming(int context) override;
    int familyRowRole(const RegRow &row) const override;
    bool familyRegister(int role, const RegRow &r, quint32 *value) const override;
    void familyTexts(int context, calvex::PllTextInfo &pllText, calvex::ContextTextInfo &contextText) const override;

private:
    int m_variant; // catalogue index 105 to 109
    int m_phys = 1;
};

// The radar configuration of Holv_101: thirteen values that a use case or the
// PLL panel fills. They are the same storage as the PLL-block fields the
// calculation reads, so whichever wrote last is what counts.
struct HolvConfigBlock {
    qint32 &bitsPerSample;  // pll.opBits: 12 or 14
    qint32 &decimation;     // pll.interfaceIndex: code 0, 2, 4, 6
    qint32 &chirpResetTime; // pll.pllP4, us
    qint32 &chirpRampTime;  // pll.pllP5, us
    double &freqMin;        // pll.pllTargetOp, GHz
    qint32 &slope;          // pll.mpDiv, MHz/us
    double &adcStartTime;   // pll.pllVco2, us
    qint32 &adcSamples;     // pll.pllN2
    qint32 &adcClock;       // pll.phyCd, MHz: 60 or 30
    qint32 &mipiWordClock;  // pll.outPort, MHz: 60 or 30
    qint32 &chirpsPerFrame; // pll.pllWcd
    bool &elevation;        // pll.twoPixBits
    bool &tdmMimo;          // pll.custRev
};

class Holv_101 : public CPlainFamily {
public:
    qint32 useCaseIndex = 0;
    HolvConfigBlock configBlock;

    explicit Holv_101(int typeCode);

    void CalculateConfig(int context);
    // Preset-file lines; every element carries its own line end.
    QStringList AddStateVars() const;
    QStringList GetAppendant(QString configPath) const;

    // Results of the last configuration calculation.
    struct Radar {
        double chirpPeriodUs = 0.0;
        double burstTimeMs = 0.0; // the chirps of one frame
        qint64 frameDelay = 0;    // idle time after the burst, 80 MHz counts
        double frameTimeMs = 0.0; // burst and idle time
        double bandwidthMHz = 0.0;
        double adcSampleRate = 0.0; // MHz after decimation
        double samplingTimeUs = 0.0;
        bool samplingFits = true;
        double dataRateMbps = 0.0;
        double linkRateMbps = 0.0;
        bool linkFits = true;
        int channels = 4;     // receivers, all four always on
        int transmitters = 1; // 1, or 2 / 3 (with elevation) in TDM MIMO
        int refDiv = 1, fbDiv = 1, postDiv = 1, adcDiv = 1, mipiDiv = 1;
        double vco = 0.0;
    };
    const Radar &radar() const { return m_radar; }

protected:
    void familyDefaults() override;
    void engineCalculateAll() override;
    int familyRowRole(const RegRow &row) const override;
    bool familyRegister(int role, const RegRow &r, quint32 *value) const override;
    void familyTexts(int context, calvex::PllTextInfo &pllText, calvex::ContextTextInfo &contextText) const override;

private:
    void resetConfig();
    Radar m_radar;
};
