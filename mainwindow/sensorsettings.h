// The window's settings for the loaded sensor: every input setting (per
// context where the input belongs to a context), the PLL requests and
// gathered results, the result texts, the output options and the variable
// access. Each sensor load starts by assigning a default-constructed
// SensorSettings to the window (Pallador::resetSensorState), so the
// initialisers below are the one place that says what a fresh window and a
// freshly loaded sensor start from.
#pragma once

#include "calvex_records.h"

#include <QString>
#include <QStringList>

struct SensorSettings {
    // Copy of the family object's timing record, for the timing diagram.
    CTimingGeometry timingGeometry;

    // Use case last applied through the TestCase property; the revision index
    // of the PLL panel; context A's use case as the last calculation read it
    // for its per-use-case presets.
    int testCaseIndex = 0;
    int revIndex = 0;
    int presetUseCase = 0;

    // Per-context settings (0 A, 1 B, 2 C) and single option flags.
    double maxFps[3] = {};
    double minFps[3] = {5.0, 5.0, 5.0};
    double intgTime[3] = {1.0, 1.0, 1.0};
    double intgTime2[3] = {};
    double intgTime3[3] = {};
    double intgTime4[3] = {};
    double dfs1[3] = {7.0, 7.0, 7.0};
    double dfs2[3] = {6.0, 6.0, 6.0};
    bool mirror[3] = {};
    bool flip[3] = {};
    bool variableFps[3] = {};
    bool discreteFps[3] = {};
    bool highSpeed[3] = {};
    bool useFov[3] = {};
    bool advParamOn[3] = {};
    bool aspectRatioFlag[3] = {};
    bool txLatch[3] = {};
    bool shortSeq = false;
    bool activateAll = false;
    bool digitalCC = false;
    bool oddClkRatio = false;
    bool configEnable = false;
    bool dbOverlap = false;
    bool trigger = false;
    bool slaveMode = false;
    int useCaseIndex[3] = {};
    int currentContext = 0;
    double goProMode[3] = {};
    double fovPercent[3] = {90.91, 90.91, 90.91};
    int binning[3] = {};
    int binXOnly[3] = {};
    int binSF[3] = {};
    int skipping[3] = {};
    int skippingY[3] = {};
    int bin2Skip2[3] = {};
    int socCols[3] = {};
    int socRows[3] = {};
    int cols[3] = {};
    int rows[3] = {};
    int fovCols[3] = {};
    int fovRows[3] = {};
    int fovX[3] = {};
    int fovY[3] = {};
    int otherLineTime[3] = {};
    int lowPower[3] = {};
    int hdrMode[3] = {};
    int interleave[3] = {};
    int lineInterleave[3] = {};
    int lineComboMode[3] = {};
    int lfmMode[3] = {};
    int spareCtxOption[3] = {};
    int cif[3] = {};
    int hd720p[3] = {};
    int cropping[3] = {};
    int centering[3] = {};
    int aspectRatio[3] = {};
    int fifo[3] = {20, 20, 20};
    int outFormat[3] = {};
    int imageType[3] = {};
    int numExposures[3] = {2, 2, 2};
    int maxExposures[3] = {2, 2, 2};
    int t1ExpRows[3] = {};
    int t2ExpRows[3] = {4, 4, 4};
    int t3ExpRows[3] = {2, 2, 2};
    int t4ExpRows[3] = {1, 1, 1};
    int t1T2Ratio[3] = {2, 2, 2};
    int t2T3Ratio[3] = {2, 2, 2};
    int t3T4Ratio[3] = {2, 2, 2};
    int t4T5Ratio[3] = {};
    int middleIntTime[3] = {};
    int fixedLineLength[3] = {2144, 2144, 2144};
    int embedDataRows[3] = {};
    int statsDataRows[3] = {};
    int topDigitalRows[3] = {1, 1, 1};
    int botAnalogRows[3] = {1, 1, 1};
    int scaler[3] = {};
    int sMode[3] = {};
    int scaleM[3] = {16, 16, 16};
    int ccRow[3] = {2, 2, 2};
    int blankType[3] = {};
    int userVBlank[3] = {500, 500, 500};
    int userHBlank[3] = {500, 500, 500};
    quint32 warnings[3] = {};
    QString ctxPresetText[3];
    QString ctxDisplayText[3];

    // Single option values.
    int minLines = 1194;
    int combi = 1;
    int fovWindow[4] = {};
    int borderPixels = 0;
    int fpOptions[16] = {};
    int adcMode[3] = {};
    int lastReadMode = 1;
    int configBufLimit = 68;
    int configBufT1 = 56;
    int configBufT2 = 8;
    int configBufT3 = 3;
    int advShiftT2 = 1;
    int advShiftT3 = 1;
    int advShiftT4 = 1;
    int analogTestCols = 2;
    int rowNoiseCols = 2;
    int superExp = 0;

    // PLL settings.
    bool pllBypass = false;
    bool pllMinFreq = false;
    bool useStdTemplate = false;
    bool pllPreScale = false;
    bool twoClkPerPix = false;
    bool pllAutoAdjust = false;
    bool fastClock = false;
    double pllInput = 0.0;
    double pllTarget = 0.0;
    double pllTargetOp = 0.0;
    double pllVco = -1.0;
    double pllVco2 = -1.0;
    int interfaceIndex = 0;
    int pllN = -1;
    int pllM = -1;
    int pllN2 = -1;
    int pllM2 = -1;
    int presetPllM = 0;
    int pllP1 = -1;
    int pllP4 = -1;
    int pllP5 = -1;
    int pllWcd = -1;
    int pllI2C = 0;
    int opBits = -1;
    int lanes = -1;
    int vtDiv = -1;
    int mpDiv = 0;
    int twoPixBits = 0;
    int outPort = 0;
    int phyCd = 0;
    int custRev = 1170;
    int otpRev = 1;
    QString pllPresetText;
    QString pllDisplayText;
    QStringList interfaceList;

    // PLL results gathered after each calculation.
    double resInputClock = 0.0;
    double resPixClock = 0.0;
    double resOutClock = 0.0;
    double resVcoClock = 0.0;
    double resSerialClock = 0.0;
    double resAuxClock = 0.0;
    int resN = 0;
    int resM = 0;
    int resP = 0;
    int resP2 = 0;
    int resP4 = 0;
    int resP5 = 0;
    int resAuxDiv = 0;
    int resWcd = 0;

    // Output options and firmware-variable access.
    bool embedData = true;
    bool embedStat = true;
    bool darkRows = false;
    bool darkCols = false;
    bool atrRows = false;
    bool dtrRows = false;
    bool mipiCont = false;
    bool companding = false;
    bool mipiHeader = false;
    bool useReg = false;
    bool useFixLLpck = false;
    bool outputTiming = true;
    bool outputPll = true;
    int varAccessMode = 1;
    int stdTemplateAvail = 0;
    int varAddrReg = 0x098E;
    int varDataReg = 0x0990;
};
