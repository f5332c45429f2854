// Records shared by every family object of the calculation library and by the
// application that drives it: results, timing geometry, PLL block, per-context
// records, mode state, family defaults, bound variables and use cases.
//
// Each record is the union of the fields any family uses; a family simply
// leaves the fields it does not need at their initial values. Every field has
// a defined initial value so a record is never read uninitialised.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Timing geometry of the last calculation, copied whole by the application
// before it draws the timing diagram.
struct CTimingGeometry {
    qint32 xFactor = 1;      // horizontal read-out reduction factor, >= 1
    qint32 yFactor = 1;      // vertical read-out reduction factor, >= 1
    qint32 fovWidth = 0;     // field of view on the array, pixels
    qint32 fovHeight = 0;
    qint32 outputWidth = 0;  // output image size
    qint32 outputHeight = 0;
    qint32 hBlank = 0;       // horizontal blanking, pixel clocks
    qint32 vBlank = 0;       // vertical blanking, lines
    qint32 frameHeight = 0;  // frame length in lines (active + vBlank)
    qint32 frameWidth = 0;   // line length in pixel clocks (active + hBlank)
    qint32 reserved[4] = {0, 0, 0, 0};
};

// Result block at the start of every family object: the library writes it,
// the application only reads it.
struct CCalcResults {
    QStringList frameRateChoices;       // plain decimal numbers ("30", "29.97")
    CTimingGeometry timingGeometry;
    quint32 *registerValues = nullptr;  // one value per descriptor row
    QString pllDisplayText;
    QString pllPresetText;
    QString contextDisplayText[3];
    QString contextPresetText[3];
};

// PLL block: one per family object, shared by both contexts. Requests that
// the library may choose itself arrive as -1 (-1.0) and leave holding the
// value used.
struct CPllParams {
    // Requests written by the application.
    double inputClock = 0.0;    // MHz
    double targetClock = 0.0;   // MHz
    double targetClock2 = 0.0;  // MHz, second target (op / output clock)
    double vcoRequest = -1.0;   // MHz, -1.0 = library chooses
    double pllVco2 = -1.0;      // second-PLL VCO request
    double pllTargetOp = 0.0;   // radar: minimum frequency (GHz)

    // Achieved clocks written by the library (MHz).
    double outputClock = 0.0;
    double systemClock = 0.0;
    double pixelClock = 0.0;
    double serialClock = 0.0;
    double vcoClock = 0.0;
    double vcoClock2 = 0.0;
    double auxClock = 0.0;
    double opPixClock = 0.0;
    double dividedInputClock = 0.0;

    // Dividers and multipliers: -1 or the override in, the value used out.
    qint32 pllN = -1;
    qint32 pllM = -1;
    qint32 pllN2 = -1;
    qint32 pllM2 = -1;
    qint32 pllP = -1;
    qint32 pllP1 = -1;
    qint32 pllP4 = -1;
    qint32 pllP5 = -1;
    qint32 pllWcd = -1;
    qint32 pllOpDivider = -1;
    qint32 pllAuxDiv = 0;

    bool pllBypass = false;
    bool pllUseMinFreq = false;
    qint32 interfaceIndex = 0;

    // Interface and link options.
    bool pllPreScale = false;
    bool mipiCont = false;
    bool highSpeed = false;        // high-speed read-out (Vek_132: supercell read-out)
    qint32 lanes = 1;
    qint32 phyCd = 0;
    bool fastClock = false;        // SDR lanes (Vek_118, Vek_128); fast output clock / IME mode (HDR families)
    bool oddClkRatio = false;      // odd op clock ratio; Vek_118: 16-bit pixels as two 8-bit words
    qint32 revision = 1;
    // PLL driven by the output rate (Vek_113, Vek_110); bridges: adjusted for two clocks per pixel
    bool pllAutoAdjust = false;
    bool twoClkPerPix = false;
    qint32 twoPixBitDepth = 8;
    qint32 msbAligned = 1;         // 0: LSB-aligned data words (registers only)
    qint32 opBits = 10;
    qint32 outPort = 0;
    bool mipiHeader = false;       // MIPI packet header and footer on every line
    bool opPixDiv6 = false;
    bool combi = false;
    bool useReg = false;
    qint32 mpDiv = 0;
    bool twoPixBits = false;
    bool custRev = false;
    qint32 bitDepth = 10;

    // Read by the option panels.
    QStringList interfaceModes;
    qint32 interfaceMode = 0;
    qint32 laneCount = 1;
    qint32 arrayRows = 0;   // sensor array (bridges: drawing area)
    qint32 arrayCols = 0;
    qint32 borderSize = 0;
    qint32 darkRows = 0;
    qint32 darkColumns = 0;
    qint32 atrRows = 0;
    qint32 dtrRows = 0;
    qint32 embedDataRows = 0;
    qint32 statsDataRows = 0;
    qint32 topDigitalRows = 0;
    qint32 botAnalogRows = 0;
    qint32 analogTestCols = 0;
    qint32 rowNoiseCols = 0;
    qint32 activeT2Rows = 0;
    qint32 activeT3Rows = 0;
    qint32 activeT4Rows = 0;
    qint32 attachedSensorKind = 0;
    qint32 configEnable = 0;
    qint32 dbOverlap = 0;
    qint32 configBufT1 = 0;
    qint32 configBufT2 = 0;
    qint32 configBufT3 = 0;
    qint32 advShiftT2 = 0;
    qint32 advShiftT3 = 0;
    qint32 advShiftT4 = 0;
    QStringList imageTypes;
};

// Per-context record (A = 0, B = 1). The application writes the inputs from
// its settings of the same name; the library writes the warning word and the
// read-back values.
struct CContextParams {
    double maxFps = 30.0;
    qint32 cols = 0;
    qint32 rows = 0;
    qint32 userHBlank = 0;
    qint32 userVBlank = 0;
    qint32 blankType = 0;   // 0 min horizontal, 1 min vertical, 2 user vertical, 3 user horizontal, 4 auto
    quint32 warnings = 0;
    qint32 binning = 0;
    qint32 binXOnly = 0;
    qint32 bin2Skip2 = 0;
    qint32 cif = 0;
    qint32 hd720p = 0;
    qint32 skipping = 0;
    qint32 skippingY = 0;
    double goProMode = 0.0;   // Vek_157b/f: 1 reads the array 3x3; the form families only pass it on
    bool mirror = false;
    bool flip = false;
    bool variableFps = false;
    double minFps = 0.0;

    qint32 lowPower = 0;
    qint32 interfaceIndex = 0;
    double intgTime = 0.0;    // ms
    double intgTime2 = 0.0;
    double intgTime3 = 0.0;
    double intgTime4 = 0.0;
    qint32 hdrMode = 0;
    bool advParamOn = false;
    qint32 ccRow = 0;
    qint32 colSubsampling = 0;
    qint32 rowSubsampling = 0;
    qint32 combi = 0;
    qint32 interleave = 0;
    qint32 lineInterleave = 0;
    qint32 lineComboMode = 0;
    qint32 fovX = 0;
    qint32 fovY = 0;
    bool highSpeed = false;
    bool useFov = false;
    qint32 centering = 0;
    qint32 sMode = 0;
    qint32 imageType = 0;     // output image type: sets the bits per pixel on the output
    qint32 outFormat = 0;
    qint32 fovCols = 0;
    qint32 fovRows = 0;
    qint32 binSF = 0;
    // Receive-FIFO trigger mark: only Murn_111 has registers for it; it sets no clock or timing.
    qint32 fifo = 0;
    qint32 cropping = 0;
    qint32 aspectRatio = 0;
    qint32 auxMode = 0;
    bool txLatch = false;
    qint32 scaler = 0;
    qint32 scaleM = 16;
    qint32 ccRows = 16;
    qint32 packMode = 0;
    qint32 fpOptions[16] = {};
    bool discreteFps = false;
    bool aspectRatioFlag = false; // bridges: the use case is a 4:3 picture
    bool useMaxIntgTime = false;
    double dfs1 = 0.0;
    double dfs2 = 0.0;
    qint32 socCols = 0;
    qint32 socRows = 0;
    qint32 otherLineTime = 0;
    qint32 adcMode = 0;
    qint32 readMode = 0;
    bool useReg = false;
    qint32 borderPixels = 0;
    qint32 t1ExpRows = 0;
    qint32 maxExposures = 1;
    bool useFixLLpck = false;
    qint32 numExposures = 1;
    double fovPercent = 100.0;
    double t2ExpRows = 0.0;
    double t3ExpRows = 0.0;
    qint32 outputBits = 10;   // Vek_132: bits per pixel on the link
    qint32 cfpnRows = 64;
    bool roiOff = false;
    bool shortSeq = false;
    bool trigger = false;
    bool slaveMode = false;
    qint32 lfmMode = 0;
    qint32 readoutMode = 0;
    bool binningLocked = false;
};

// Mode state per context, owned by the library and read by the option panels
// for their starting values. Factors are 1 when a mode is off.
struct CModeState {
    qint32 outputCols = 0;
    qint32 outputRows = 0;
    qint32 fovCols = 0;
    qint32 fovRows = 0;
    qint32 binning = 1;
    qint32 rowSkip = 1;
    qint32 colSkip = 1;
    qint32 binSF = 0;
    qint32 summing = 0;
    qint32 lowPower = 0;
    qint32 skipFactor = 1;
    qint32 binXOnly = 0;
    qint32 bin2Skip2 = 0;
    qint32 cropping = 0;
    qint32 aspectRatio = 0;
    qint32 cropCols = 0;
    qint32 cropRows = 0;
    qint32 coreCols = 0;
    qint32 coreRows = 0;
    qint32 fovXMin = 0;
    qint32 fovXMax = 0;
    qint32 fovYMin = 0;
    qint32 fovYMax = 0;
};

// Defaults the library supplies for the loaded configuration; read by the
// per-context initialisation.
struct CFamilyDefaults {
    double defaultInputClock = 0.0;
    double defaultTargetClock = 0.0;
    double defaultTargetClock2 = 0.0;
    double defaultMaxFps = 30.0;
    double defaultMaxFpsB = 30.0;
    qint32 defaultVarAccessMode = 1;  // 1 direct, 0 indirect
    qint32 defaultAdvPll = 0;
    qint32 defaultAdvParam = 0;
    qint32 defaultStdTemplate = 0;
    qint32 defaultUseFov = 0;
    qint32 defaultFifo = 0;
    qint32 defaultVarAddrReg = 0;
    qint32 defaultVarDataReg = 0;
};

// One variable bound to widgets by the application's binder. "checked" means
// the user fixed the value.
struct GUIVAR_T {
    double min = 0.0;
    double max = 0.0;
    double step = 0.0;  // kept by the library, ignored by the binder
    double value = 0.0;
    bool checked = false;
    qint32 intValue = 0;

    // Stores x limited to [min, max]; min wins when the range is inverted.
    void setClamped(double x);
};

// One use case of a sensor configuration file.
struct CUseCase {
    QString name;
    qint32 rows = 0;
    qint32 cols = 0;
    qint32 fovRows = 0;
    qint32 fovCols = 0;
    qint32 mirror = 0;
    qint32 flip = 0;
    qint32 binning = 0;
    qint32 binXOnly = 0;
    qint32 binSF = 0;
    qint32 bin2Skip2 = 0;
    qint32 skipping = 0;
    qint32 skippingY = 0;
    qint32 cropping = 0;
    qint32 centering = 0;
    qint32 cif = 0;
    qint32 hd720p = 0;
    qint32 aspectRatio = 0;
    qint32 lowPower = 0;
    qint32 extraMode = 0;
    qint32 blankType = 0;
    qint32 highSpeed = 0;
    qint32 hdrMode = 0;
    qint32 exposures = 0;
    double maxFps = 0.0;  // 0 = none given
    double extraValue = 0.0;
    double intgTime = 0.0;
    double goProMode = 0.0;
};
