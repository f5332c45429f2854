// Yorm_102, Yorm_105 and Yorm_106: the bridges, image processors that drive an attached raw sensor (catalogue 54-58).
//
// Catalogue 54 to 58: the bridge families Yorm_102 (54 Yorm101t, 55 Yorm102m,
// 56 Yorm102t), Yorm_105 (57 Yorm105m) and Yorm_106 (58 Yorm106m), image
// processors that drive an attached raw sensor, one context each. Their
// context set-up makes the controls the main form lacks (operation mode, the
// discrete frame rates, two clocks per pixel) once per window; their
// calculation asks the maximum-integration-time question and draws the
// field-of-view picture; Yorm_106 keeps its output in sync with an external
// timing.
#include "adapter.h"

#include "registerdataio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace adapter {

namespace {

// The bridges' one context.
constexpr int kContext = 0;

// The interface names every bridge offers.
const char *const kInterfaces[] = {"Parallel", "HISPI 12 bits", "HISPI 14 bits"};

// The operation modes, index-coded into the context's HDR mode.
const char *const kOperationModes[] = {"SDR", "HDR(ME)", "HDR(DLO)"};
constexpr int kSdr = 0;
constexpr int kHdrDlo = 2;

// The target clock of a use case with an aspect-ratio mode (MHz).
constexpr double kAspectTarget = 74.25;

// The keep-sync search: the raw sensor's pixel-rate window (Hz) by sensor
// kind, the line-length start beyond the core width and the line lengths the
// search stays within (pixel clocks; even, so each keeps the parity of L).
constexpr double kKeepSyncRateMin = 30.0e6;
struct RateLimit {
    int kind;
    double max;
};
const RateLimit kKeepSyncRateMax[] = {{2, 80.0e6}, {3, 78.0e6}, {4, 80.0e6}};
constexpr double kKeepSyncRateMaxOther = 74.25e6;
constexpr int kLineLengthExtra = 390;
constexpr int kLineLengthMin = 2;
constexpr int kLineLengthMax = 65534;
// A keep-sync pixel clock within this of the register's (Hz) needs no new PLL.
constexpr double kKeepSyncPixelClockTolerance = 100.0;
// The register row of the sensor pixel clock ("cam_sensor_cfg_pixclk", Hz).
constexpr int kPixelClockRow = 18;

const QString kQuestion =
    QStringLiteral("The frame-rate needs to use maximum integration time.\nDo you want to use it?");

MaxIntgTimeAsker &asker()
{
    static MaxIntgTimeAsker current;
    return current;
}

// The question box. A window made for an automation client waits on nobody:
// it takes the answer as given.
QMessageBox::StandardButton askWithBox(Pallador &w)
{
    if (w.automationClient)
        return QMessageBox::Yes;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Pallador"), kQuestion, QMessageBox::Yes | QMessageBox::No);
    return QMessageBox::StandardButton(box.exec());
}

QMessageBox::StandardButton askMaxIntgTime(Pallador &w)
{
    return asker() ? asker()(w) : askWithBox(w);
}

int contextSlot(const Pallador &w)
{
    return qBound(0, w.currentContext, 2);
}

const CUseCase *useCaseZero(const Pallador &w)
{
    const CRegisterDataIO *io = w.dataIO;
    return io && io->useCases && io->getUseCaseNumber() > 0 ? io->useCases : nullptr;
}

// ---------------------------------------------------------------------------
// Context set-up.

// Use case 0's blanking and size: the field of view and the processed area
// start at its output size; the output format is the family's.
void useCaseZeroSizes(Pallador &w, int outFormat)
{
    const int cc = contextSlot(w);
    if (const CUseCase *u = useCaseZero(w)) {
        w.blankType[cc] = u->blankType;
        w.fovCols[cc] = u->cols;
        w.fovRows[cc] = u->rows;
        w.socCols[cc] = u->cols;
        w.socRows[cc] = u->rows;
    }
    w.outFormat[cc] = outFormat;
}

// An item the set-up adds to a main-form combo, once per window.
void addItemOnce(QComboBox *combo, const QString &text)
{
    if (combo->findText(text) < 0)
        combo->addItem(text);
}

void bridgeInterfaceList(Pallador &w)
{
    interfaceList(w, {kInterfaces[0], kInterfaces[1], kInterfaces[2]}, 0);
}

// The labels of the controls made in code, found again by these names.
const char *const kOperationModeLabel = "labelOperMode";
const char *const kDfsLabels[] = {"labelDfs1", "labelDfs2"};

QLabel *madeLabel(Pallador &w, const char *name)
{
    return w.findChild<QLabel *>(QLatin1String(name));
}

QLabel *newLabel(const char *text, const char *name)
{
    auto *label = new QLabel(QLatin1String(text));
    label->setObjectName(QLatin1String(name));
    return label;
}

// The "Operation Mode:" label and combo below the context-A options, made
// once per window (a sensor load hides them and empties the list); then the
// family's mode is selected.
void operationModeControls(Pallador &w, int index)
{
    if (!w.comboOperMode) {
        QVBoxLayout *options = w.ui.verticalLayout_31;
        options->addWidget(newLabel("Operation Mode:", kOperationModeLabel));
        auto *combo = new QComboBox(&w);
        w.comboOperMode = combo;
        QObject::connect(combo, SIGNAL(currentIndexChanged(int)), &w, SLOT(comboOpMode_Changed(int)));
        options->addWidget(combo);
    }
    if (QLabel *label = madeLabel(w, kOperationModeLabel))
        label->show();
    w.comboOperMode->show();
    // Filling the empty list makes "SDR" current, which runs its slot.
    if (w.comboOperMode->count() == 0) {
        QStringList modes;
        for (const char *mode : kOperationModes)
            modes << QLatin1String(mode);
        modes.removeDuplicates();
        w.comboOperMode->addItems(modes);
    }
    w.comboOperMode->setCurrentIndex(index);
}

// The DFS1 and DFS2 boxes of Yorm_102, made once per window: they go into the
// frame-rate grid ahead of the minimum frame rate, which moves below them.
void discreteRateControls(Pallador &w)
{
    if (!w.dSpinDfs[0] || !w.dSpinDfs[1]) {
        auto *dfs1Label = newLabel("DFS1:", kDfsLabels[0]);
        auto *dfs2Label = newLabel("DFS2:", kDfsLabels[1]);
        w.dSpinDfs[0] = new QDoubleSpinBox(&w);
        w.dSpinDfs[1] = new QDoubleSpinBox(&w);
        QObject::connect(w.dSpinDfs[0], SIGNAL(valueChanged(double)), &w, SLOT(dSpinDFR1_valueChanged(double)));
        QObject::connect(w.dSpinDfs[1], SIGNAL(valueChanged(double)), &w, SLOT(dSpinDFR2_valueChanged(double)));
        QGridLayout *grid = w.ui.gridLayout_7;
        grid->removeWidget(w.ui.labelMinFPS_A);
        grid->removeWidget(w.ui.dSpinMinFRate_A);
        for (QWidget *widget : std::initializer_list<QWidget *>{dfs1Label, w.dSpinDfs[0], dfs2Label, w.dSpinDfs[1],
                                                                w.ui.labelMinFPS_A, w.ui.dSpinMinFRate_A})
            grid->addWidget(widget);
    }
    for (const char *name : kDfsLabels) {
        if (QLabel *label = madeLabel(w, name))
            label->show();
    }
    for (QDoubleSpinBox *box : w.dSpinDfs) {
        box->show();
        box->setEnabled(false);
    }
    w.dSpinDfs[0]->setValue(w.dfs1[0]);
    w.dSpinDfs[1]->setValue(w.dfs2[0]);
}

// The "Enable 2-clock/pixel" box below the PLL options, made once per window.
void twoClocksPerPixelBox(Pallador &w)
{
    if (!w.check2ClkPix) {
        auto *box = new QCheckBox(QStringLiteral("Enable 2-clock/pixel"));
        w.check2ClkPix = box;
        QObject::connect(box, SIGNAL(clicked()), &w, SLOT(checkPLL_2ClkPix_clicked()));
        w.ui.verticalLayout_10->addWidget(box);
    }
    w.check2ClkPix->show();
}

// ---------------------------------------------------------------------------
// Calculation.

// The context's inputs, in the order the bridges take them, and the clear
// mask; the maximum integration time starts off in every calculation.
void contextInputs(Pallador &w, CBridgeFamily &f)
{
    w.currentContext = kContext;
    CContextParams &r = f.ctx[kContext];
    writeContext(
        w, r, kContext,
        {Field::MaxFps, Field::Skipping, Field::Cols, Field::Rows, Field::Centering, Field::Mirror, Field::Flip});
    clearWarnings(r, kStandardMask);
    writeContext(w, r, kContext, {Field::LowPower, Field::BlankType, Field::VariableFps});
    r.discreteFps = w.discreteFps[kContext];
    r.aspectRatioFlag = w.aspectRatioFlag[kContext];
    writeContext(w, r, kContext, {Field::OutFormat, Field::HdrMode});
    r.useMaxIntgTime = false;
    writeContext(w, r, kContext, {Field::UserHBlank, Field::UserVBlank});
    r.advParamOn = w.advParamOn[kContext];
    writeContext(w, r, kContext, {Field::MinFps, Field::FovX, Field::FovY});
    r.dfs1 = w.dfs1[kContext];
    r.dfs2 = w.dfs2[kContext];
}

// The rate and blanking widgets of a use case without an aspect-ratio mode.
void plainRateWidgets(Pallador &w)
{
    w.ui.comboTypeBlank_A->setEnabled(true);
    w.ui.dSpinPLL_Target->setEnabled(!w.pllMinFreq);
    w.ui.comboTypeFRate_A->setEnabled(true);
    w.ui.comboMaxFRate_A->setEditable(true);
}

// The field of view and the processed area are the panel's while it is open.
void processedSizes(const Pallador &w, CContextParams &r)
{
    if (!w.advParamOn[kContext])
        return;
    writeContext(w, r, kContext, {Field::FovCols, Field::FovRows});
    r.socCols = w.socCols[kContext];
    r.socRows = w.socRows[kContext];
}

void bridgePllInputs(const Pallador &w, CBridgeFamily &f)
{
    commonPllInputs(w, f.pll);
    for (qint32 &request : f.dividerRequests)
        request = -1;
    f.pll.twoClkPerPix = w.twoClkPerPix;
    f.pll.interfaceIndex = w.interfaceIndex;
    f.pll.pllUseMinFreq = w.pllMinFreq;
}

// The options of the advanced PLL panel that Yorm_105 and Yorm_106 share.
void panelPllInputs(Pallador &w, CBridgeFamily &f)
{
    f.pll.outPort = w.outPort;
    f.pll.pllBypass = w.pllBypass;
    f.pll.pllUseMinFreq = w.pllMinFreq;
}

// The revision of the panel goes to the family and the reader when it changed.
void revisionRule(Pallador &w, CBridgeFamily &f)
{
    const int revision = saturated(w.revIndex, 1, 1);
    if (f.pll.revision == revision)
        return;
    f.pll.revision = revision;
    if (w.dataIO)
        w.dataIO->setRevNumber(f.pll.revision);
}

int msbAligned(const Pallador &w)
{
    return w.pllPreScale ? 0 : 1;
}

// A use case with an aspect-ratio mode runs at 74.25 MHz with a fixed rate
// and the first blanking type; the widgets follow, and their slots
// recalculate as user input would.
void aspectRatioRule(Pallador &w, CBridgeFamily &f)
{
    Ui_PalladorClass &ui = w.ui;
    if (!w.aspectRatioFlag[kContext]) {
        plainRateWidgets(w);
        return;
    }
    ui.comboTypeBlank_A->setCurrentIndex(0);
    ui.comboTypeBlank_A->setEnabled(false);
    w.pllTarget = kAspectTarget;
    ui.dSpinPLL_Target->setValue(kAspectTarget);
    ui.dSpinPLL_Target->setEnabled(false);
    ui.comboTypeFRate_A->setCurrentIndex(0);
    w.variableFps[kContext] = false;
    f.ctx[kContext].variableFps = false;
    ui.comboTypeFRate_A->setEnabled(false);
    ui.comboMaxFRate_A->setEditable(false);
    w.pllAutoAdjust = false;
    w.pllMinFreq = false;
}

// After the first results: an HDR context gets the maximum integration time
// when the rate needs it; the user is asked once, and a No is remembered
// until the context runs SDR or the need goes away.
void maxIntgTimeQuestion(Pallador &w, CBridgeFamily &f)
{
    CContextParams &r = f.ctx[kContext];
    if (f.needsMaxIntgTime[kContext] || r.hdrMode <= 0) {
        r.useMaxIntgTime = false;
        f.maxIntgAsked = false;
        w.shortSeq = false;
        return;
    }
    if (w.shortSeq || (f.maxIntgAsked && r.useMaxIntgTime))
        return;
    r.warnings &= ~quint32(0x1);
    r.useMaxIntgTime = true;
    f.TimingUpdate(kContext, false, false);
    f.ResultsUpdate(kContext);
    if (!f.needsMaxIntgTime[kContext] || f.maxIntgAsked)
        return;
    f.maxIntgAsked = true;
    const bool declined = askMaxIntgTime(w) == QMessageBox::No;
    w.shortSeq = declined;
    r.useMaxIntgTime = !declined;
    f.TimingUpdate(kContext, false, false);
    f.ResultsUpdate(kContext);
}

// The field-of-view picture of the open context-A panel, at 1/scale: the
// core of the sensor picture (mirrored and flipped as the sensor reads it) in
// the core, processed-area and output labels, the field-of-view frame, and the
// range of the field-of-view start boxes.
void fieldOfViewPicture(Pallador &w, const CBridgeFamily &f, int scale)
{
    if (!w.advParamOn[kContext])
        return;
    const CModeState &m = f.mode[kContext];
    const int s = scale;
    const int width = f.pll.arrayCols / s, height = f.pll.arrayRows / s;
    const int coreW = m.coreCols / s, coreH = m.coreRows / s;
    const int fovW = m.fovCols / s, fovH = m.fovRows / s;
    const int socW = m.cropCols / s, socH = m.cropRows / s;
    const int outW = m.outputCols / s, outH = m.outputRows / s;

    const QImage picture = (w.fovPixmap ? w.fovPixmap->toImage() : QImage()).mirrored(w.mirror[0], w.flip[0]);
    const QPixmap core = QPixmap::fromImage(picture.copy((width - coreW) / 2, (height - coreH) / 2, coreW, coreH));
    QWidget *panel = w.advForm[kContext];
    auto label = [panel](const char *name) {
        return panel ? panel->findChild<QLabel *>(QLatin1String(name)) : nullptr;
    };
    QLabel *corePic = label("labelCorePic");
    QLabel *socPic = label("labelSOCPic");
    QLabel *outPic = label("labelOutPic");
    const bool skipping = w.skipping[kContext] > 0;
    for (QLabel *l : {corePic, socPic, outPic}) {
        if (l)
            l->setPixmap(core);
    }
    if (w.scrollAreaFOV)
        w.scrollAreaFOV->setGeometry((width - fovW) / 2 + 10, (height - fovH) / 2 + 20, fovW, fovH);
    if (corePic)
        corePic->setGeometry(f.ctx[kContext].fovX, f.ctx[kContext].fovY, fovW, fovH);
    if (socPic)
        socPic->setGeometry((width - socW) / 2 + 170, (height - socH) / 2 + 20, socW, socH);
    if (outPic)
        outPic->setGeometry((width - outW) / 2 + 330, (height - outH) / 2 + 20, outW, outH);
    for (QLabel *l : {corePic, socPic, outPic}) {
        if (l)
            l->setScaledContents(skipping);
    }
    // A processed area larger than the output without skipping is scaled
    // down: the output shows the processed area.
    if ((socW > outW || socH > outH) && w.skipping[kContext] == 0 && outPic) {
        outPic->setPixmap(QPixmap::fromImage(picture.copy((width - socW) / 2, (height - socH) / 2, socW, socH)));
        outPic->setScaledContents(true);
    }
    // One position beyond the library's limits either way.
    if (QSpinBox *y = w.spinFovY[kContext])
        y->setMaximum(m.fovYMax + 1);
    if (QSpinBox *x = w.spinFovX[kContext])
        x->setMaximum(m.fovXMax + 1);
    if (QSpinBox *y = w.spinFovY[kContext])
        y->setMinimum(m.fovYMin - 1);
    if (QSpinBox *x = w.spinFovX[kContext])
        x->setMinimum(m.fovXMin - 1);
}

// The end every bridge calculation shares: registers, texts, the pane and
// the picture.
void bridgeEnd(Pallador &w, CBridgeFamily &f, int pictureScale)
{
    f.RegisterUpdate(kContext);
    standardTexts(w, f, kContext);
    contextAPaneRefresh(w);
    fieldOfViewPicture(w, f, pictureScale);
}

// ---------------------------------------------------------------------------
// Yorm_106: the keep-sync PLL step.

double keepSyncRateMax(int kind)
{
    for (const RateLimit &limit : kKeepSyncRateMax) {
        if (limit.kind == kind)
            return limit.max;
    }
    return kKeepSyncRateMaxOther;
}

// The keep-sync controls of the advanced PLL panel, while it is loaded.
void readKeepSyncControls(const Pallador &w, Yorm_106 &f)
{
    if (!w.keepSyncCheckBox)
        return;
    f.keepSyncOn = w.keepSyncCheckBox->isChecked();
    if (w.dbspbxKeepSyncClock)
        f.keepSyncClock = w.dbspbxKeepSyncClock->value();
    if (w.pCKSpinBox)
        f.keepSyncLinePck = w.pCKSpinBox->value();
    if (w.fLSpinBox)
        f.keepSyncFrameLength = w.fLSpinBox->value();
}

// The plain way: the external PLL, whose system clock the PLL then runs at.
void plainExternalPll(Yorm_106 &f)
{
    f.CalculatePLLExt(f.sensorKind);
    f.pll.targetClock = f.pll.systemClock;
    f.TimingUpdate(kContext, false, false);
    f.PllUpdate();
    f.TimingUpdate(kContext, false, false);
}

// The two library passes around the fine adjustment: the sensor's PLL for
// its pixel clock (MHz), then the bridge's PLL for the keep-sync clock.
void keepSyncPll(Yorm_106 &f, double pixelClock, double keepSyncClock)
{
    const int kind = f.sensorKind;
    f.keepSyncActive = 1;
    f.keepSyncTargetClock = pixelClock;
    f.CalculatePLLNet_ks(kind, false);
    CPllParams &p = f.pll;
    p.vcoClock = f.keepSyncVcoClock;
    p.outputClock = f.keepSyncOutputClock;
    p.systemClock = f.keepSyncOutputClock;
    p.dividedInputClock = p.inputClock / qMax(1, f.keepSyncDividers[1]);
    f.extDivider = f.keepSyncExtDivider;
    for (int i : {1, 0, 2, 3}) {
        f.pllDividersB[i] = f.keepSyncDividers[i];
        f.pllDividersA[i] = f.keepSyncDividers[i];
    }
    p.targetClock = f.keepSyncTargetClock;
    f.serialClock = p.systemClock * 2.0;
    p.pixelClock = keepSyncClock;
    f.fineAdjustPll0P2toExt_ks(kind);
    f.keepSyncActive = 1;
    f.keepSyncTargetClock = keepSyncClock * (p.twoClkPerPix ? 1.0 : 2.0);
    f.CalculatePLLNet_ks(kind, true);
    f.TimingUpdate(kContext, false, false);
}

// With keep-sync on and an external frame and line longer than the output,
// the frame rate follows from the external timing, and the sensor's line
// length is searched (in steps of 2) so that its pixel rate lies in the
// sensor's window; its frame length and vertical blanking follow. The PLL is
// worked out again unless the sensor's pixel clock, the PLL requests and the
// library's state are those of the last calculation, whose PLL results
// (before) then stand. Without keep-sync the plain external PLL runs.
void keepSyncStep(Pallador &w, Yorm_106 &f, const CPllParams &before)
{
    readKeepSyncControls(w, f);
    CContextParams &r = f.ctx[kContext];
    const CModeState &m = f.mode[kContext];
    const int coreW = m.coreCols, coreH = m.coreRows, outW = m.outputCols, outH = m.outputRows;
    const double clock = f.keepSyncClock;
    const int linePck = f.keepSyncLinePck, frameLength = f.keepSyncFrameLength;
    // The search needs sizes and a rate above 0 to end.
    const bool searchable =
        coreW > 0 && coreH > 0 && outW > 0 && outH > 0 && clock > 0.0 && std::isfinite(clock) && linePck > 0;
    if (!f.keepSyncOn || frameLength <= outH || linePck <= outW || !searchable) {
        plainExternalPll(f);
        return;
    }

    r.maxFps = 1.0e6 * clock / double(qint64(linePck) * frameLength);
    int lineLength = coreW + kLineLengthExtra;
    if (w.twoClkPerPix && lineLength <= linePck / 2)
        lineLength = linePck / 2 + 100;
    const double sensorLines = double(frameLength) / outH * coreH;
    const auto rate = [&](int l) { return sensorLines * l * r.maxFps; };
    const double rateMax = keepSyncRateMax(f.sensorKind);
    while (rate(lineLength) < kKeepSyncRateMin && lineLength + 2 <= kLineLengthMax)
        lineLength += 2;
    while (rate(lineLength) > rateMax && lineLength - 2 >= kLineLengthMin)
        lineLength -= 2;

    const int frameLines = outH != coreH ? int(qMin(sensorLines, 1.0e9)) + 1 : frameLength;
    f.useFixedLineLength[kContext] = true;
    f.frameLengthLines[kContext] = frameLines;
    f.lineLengthPck[kContext] = lineLength;
    r.userVBlank = frameLines - coreH;
    r.blankType = 2;
    const double pixelClock = r.maxFps * frameLines * lineLength;

    const quint32 *values = f.results.registerValues;
    const bool registerKnown = values && f.registerCount() > kPixelClockRow;
    const bool sameClock =
        registerKnown && std::fabs(pixelClock - double(values[kPixelClockRow])) <= kKeepSyncPixelClockTolerance;
    if (!f.keepSyncDirty && sameClock && !f.keepSyncRequestsChanged()) {
        f.pll.pllN = before.pllN;
        f.pll.pllM = before.pllM;
        f.pll.targetClock = before.targetClock;
        return;
    }
    keepSyncPll(f, pixelClock / 1.0e6, clock);
}

// Picture scales: 1/10, and 1/15 for the wide sensors behind Yorm_105 and
// Yorm_106.
int wideSensorScale(const CBridgeFamily &f)
{
    return f.sensorKind >= 2 ? 15 : 10;
}

} // namespace

void resetBridgeControls(Pallador &w)
{
    for (const char *name : {kOperationModeLabel, kDfsLabels[0], kDfsLabels[1]}) {
        if (QLabel *label = madeLabel(w, name))
            label->hide();
    }
    if (QComboBox *combo = w.comboOperMode) {
        const QSignalBlocker blocker(combo);
        combo->clear();
        combo->hide();
    }
    for (QDoubleSpinBox *box : w.dSpinDfs) {
        if (!box)
            continue;
        const QSignalBlocker blocker(box);
        box->setValue(0.0);
        box->setStyleSheet(QString());
        box->hide();
    }
    if (QCheckBox *box = w.check2ClkPix) {
        box->setChecked(false);
        box->hide();
    }
}

void setMaxIntgTimeAsker(MaxIntgTimeAsker replacement)
{
    asker() = std::move(replacement);
}

// ---------------------------------------------------------------------------
// Yorm_102 (54-56).

void initYorm102(Pallador &w)
{
    Yorm_102 *f = w.calvex->yorm_102;
    if (!f)
        return;
    const CFamilyDefaults &d = f->defaults;
    familyClockDefaults(w, d, false);
    accessMode(w, d);
    templateFlag(w, d);
    w.pllMinFreq = true;
    w.highSpeed[0] = false;
    useCaseZeroFrameRate(w, d, false);
    useCaseZeroSizes(w, 2);
    addItemOnce(w.ui.comboTypeFRate_A, QStringLiteral("Discrete Variable Frame Rate"));
    addItemOnce(w.ui.comboTypeBlank_A, QStringLiteral("Auto Adjust"));
    blankingComboRefresh(w);
    frameRateEditText(w, 0, w.maxFps[contextSlot(w)]);
    w.ui.dSpinPLL_Input->setValue(w.pllInput);
    w.ui.dSpinPLL_Target->setEnabled(!w.pllMinFreq);
    pllOverridePresets(w, 22, 1, 594.0);
    bridgeInterfaceList(w);
    w.ui.comboPLL_Interface->setEnabled(w.sensorIndex == 54 && (f->sensorKind == 0 || f->sensorKind == 1));
    automaticPllPanel(w, d);
    automaticOptionPanels(w, d, false);
    if (f->sensorKind != 2)
        operationModeControls(w, kHdrDlo);
    discreteRateControls(w);
    twoClocksPerPixelBox(w);
}

void recalcYorm102(Pallador &w)
{
    Yorm_102 *f = w.calvex->yorm_102;
    if (!f)
        return;
    contextInputs(w, *f);
    // The discrete rate runs SDR, except behind a sensor of kind 2.
    if (w.discreteFps[kContext] && f->sensorKind != 2) {
        f->ctx[kContext].hdrMode = kSdr;
        if (w.comboOperMode)
            w.comboOperMode->setCurrentIndex(kSdr);
    }
    aspectRatioRule(w, *f);
    processedSizes(w, f->ctx[kContext]);
    bridgePllInputs(w, *f);
    // Sensor 54 runs two lanes; its interface chooses the bit depth.
    if (w.sensorIndex == 54) {
        w.lanes = 2;
        f->pll.lanes = 2;
        const int i = w.ui.comboPLL_Interface->currentIndex();
        if (i == 1 || i == 2) {
            w.opBits = i == 1 ? 12 : 14;
            f->pll.opBits = w.opBits;
        }
    }
    if (w.ui.checkPLL_ADV->isChecked()) {
        f->pll.pllBypass = w.pllBypass;
        f->pll.pllUseMinFreq = w.pllMinFreq;
        w.ui.dSpinPLL_Target->setEnabled(!w.pllMinFreq && !w.aspectRatioFlag[kContext]);
        f->pll.pllAutoAdjust = w.pllAutoAdjust;
        f->pll.twoPixBitDepth = w.twoPixBits != 0 ? 10 : 8;
        f->pll.msbAligned = msbAligned(w);
    }
    f->PllUpdate();
    if (w.sensorIndex == 54)
        f->CalculatePLLExt_(f->sensorKind);
    else
        f->CalculatePLLExt(f->sensorKind);
    f->TimingUpdate(kContext, false, false);
    f->ResultsUpdate(kContext);
    maxIntgTimeQuestion(w, *f);
    bridgeEnd(w, *f, f->sensorKind == 3 ? 7 : 10);
}

// ---------------------------------------------------------------------------
// Yorm_105 (57) and Yorm_106 (58).

void initYorm105(Pallador &w)
{
    auto *f = dynamic_cast<CBridgeFamily *>(w.calvex->family());
    if (!f)
        return;
    const CFamilyDefaults &d = f->defaults;
    familyClockDefaults(w, d, false);
    accessMode(w, d);
    templateFlag(w, d);
    w.pllMinFreq = false;
    w.highSpeed[0] = false;
    w.revIndex = f->pll.revision - 1;
    useCaseZeroFrameRate(w, d, false);
    useCaseZeroSizes(w, w.sensorIndex == 57 ? 5 : 1);
    addItemOnce(w.ui.comboTypeBlank_A, QStringLiteral("Auto Adjust"));
    blankingComboRefresh(w);
    frameRateEditText(w, 0, w.maxFps[contextSlot(w)]);
    pllSpinRefresh(w);
    w.ui.dSpinPLL_Target->setEnabled(!w.pllMinFreq);
    pllOverridePresets(w, 22, 1, 594.0);
    bridgeInterfaceList(w);
    w.ui.labelOutputMode->setText(QStringLiteral("Sensor Data:"));
    automaticPllPanel(w, d);
    automaticOptionPanels(w, d, false);
    twoClocksPerPixelBox(w);
    operationModeControls(w, kSdr);
}

void recalcYorm105(Pallador &w)
{
    Yorm_105 *f = w.calvex->yorm_105;
    if (!f)
        return;
    contextInputs(w, *f);
    plainRateWidgets(w);
    processedSizes(w, f->ctx[kContext]);
    bridgePllInputs(w, *f);
    if (w.ui.checkPLL_ADV->isChecked()) {
        panelPllInputs(w, *f);
        f->pll.pllAutoAdjust = w.pllAutoAdjust;
        f->pll.msbAligned = msbAligned(w);
        revisionRule(w, *f);
    }
    f->CalculatePLLExt(f->sensorKind);
    f->TimingUpdate(kContext, false, false);
    f->PllUpdate();
    f->TimingUpdate(kContext, false, false);
    f->ResultsUpdate(kContext);
    maxIntgTimeQuestion(w, *f);
    bridgeEnd(w, *f, wideSensorScale(*f));
}

void recalcYorm106(Pallador &w)
{
    Yorm_106 *f = w.calvex->yorm_106;
    if (!f)
        return;
    // The PLL results of the last calculation, which stand when the
    // keep-sync step finds nothing to work out again.
    const CPllParams before = f->pll;
    contextInputs(w, *f);
    plainRateWidgets(w);
    processedSizes(w, f->ctx[kContext]);
    bridgePllInputs(w, *f);
    if (w.ui.checkPLL_ADV->isChecked()) {
        panelPllInputs(w, *f);
        f->pll.msbAligned = msbAligned(w);
        revisionRule(w, *f);
    }
    keepSyncStep(w, *f, before);
    f->RegisterUpdate(kContext);
    f->ResultsUpdate(kContext);
    maxIntgTimeQuestion(w, *f);
    bridgeEnd(w, *f, wideSensorScale(*f));
}

} // namespace adapter
