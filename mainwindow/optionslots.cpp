// Option input slots: the inputs of the context option panels, the advanced
// PLL panel and the controls made for the bridge families. Each slot picks
// its context (by the panel under the pointer or a fixed one), stores the
// input and recalculates. The slots that also keep other panel widgets
// consistent live in optionslots_hdr.cpp and optionslots_fov.cpp.
#include "optionslots.h"

#include "calvex.h"
#include "windowvalues.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QtGlobal>

namespace options {

int panelUnderPointer(const Pallador &w, bool withB, bool withC)
{
    // A widget of a panel acts on the context of its own panel, whatever the
    // pointer is over (a key pressed in panel A's box with the pointer
    // resting on panel B changes context A).
    if (const QWidget *changed = w.changedWidget()) {
        if (w.ui.widgetADV_A->isAncestorOf(changed))
            return A;
        if (w.ui.widgetADV_B->isAncestorOf(changed))
            return withB ? B : None;
        if (w.ui.widgetADV_C->isAncestorOf(changed))
            return withC ? C : None;
    }
    // The toolkit keeps a container's under-mouse state while the pointer is
    // over it or any widget inside it.
    if (w.ui.widgetADV_A->underMouse())
        return A;
    if (withB && w.ui.widgetADV_B->underMouse())
        return B;
    if (withC && w.ui.widgetADV_C->underMouse())
        return C;
    return None;
}

int current(const Pallador &w)
{
    return qBound(0, w.currentContext, 2);
}

int chooseContext(Pallador &w, Rule rule)
{
    const int c = panelUnderPointer(w, rule != Rule::PanelA, rule == Rule::ABC);
    if (c != None)
        w.currentContext = c;
    return current(w);
}

int chooseBox(Pallador &w, QCheckBox *const (&boxes)[2], bool panelAOnly)
{
    const int c = panelUnderPointer(w, !panelAOnly);
    // A panel without the box (no context-B panel has some of them) stores
    // nothing, as when the pointer is over neither panel.
    if (c == None || !boxes[c])
        return None;
    w.currentContext = c;
    return c;
}

bool ticked(const QAbstractButton *button)
{
    return button && button->isChecked();
}

void enable(QWidget *widget, bool on)
{
    if (widget)
        widget->setEnabled(on);
}

void tick(QAbstractButton *button, bool on)
{
    if (button)
        button->setChecked(on);
}

void setShown(QWidget *widget, bool on)
{
    if (widget)
        widget->setVisible(on);
}

int comboIndex(const QComboBox *combo)
{
    return combo ? combo->currentIndex() : -1;
}

void selectIndex(QComboBox *combo, int index)
{
    if (combo)
        combo->setCurrentIndex(index);
}

CFamilyCore *family(const Pallador &w)
{
    return w.calvex ? w.calvex->family() : nullptr;
}

const CContextParams *familyContext(const Pallador &w, int context)
{
    // The family object keeps records for contexts A and B only.
    CFamilyCore *f = family(w);
    return f && context >= A && context <= B ? &f->ctx[context] : nullptr;
}

} // namespace options

namespace {

using options::Rule;

// Box rule into a per-context member: the box of the panel under the pointer
// (A, then B) goes into that context's entry as 0/1.
template <typename T> void storeBox(Pallador &w, QCheckBox *const (&boxes)[2], T (&member)[3], bool panelAOnly = false)
{
    const int c = options::chooseBox(w, boxes, panelAOnly);
    if (c == options::None)
        return;
    // A box that stands for a read-out factor stores the factor (1 unticked).
    const QVariant factor = boxes[c]->property(Pallador::kTickFactorProperty);
    if (factor.isValid())
        member[c] = T(boxes[c]->isChecked() ? factor.toInt() : 1);
    else
        member[c] = T(boxes[c]->isChecked());
}

// A value into the entry of the context the rule picks.
template <typename T, typename V> void storeValue(Pallador &w, Rule rule, T (&member)[3], V value)
{
    member[options::chooseContext(w, rule)] = T(value);
}

// A value into a fixed context, which becomes current.
template <typename T, typename V> void storeFixed(Pallador &w, int context, T (&member)[3], V value)
{
    w.currentContext = context;
    member[context] = T(value);
}

// A single option box (no context); a form without the box stores nothing.
void storeSingle(bool &member, const QCheckBox *box)
{
    if (box)
        member = box->isChecked();
}

} // namespace

// ---------------------------------------------------------------------------
// Check boxes of the context panels.

void Pallador::checkBinning_clicked()
{
    storeBox(*this, checkBinning, binning);
    recalc(false);
}

void Pallador::checkBin2Skip2_clicked()
{
    storeBox(*this, checkBin2Skip2, bin2Skip2);
    recalc(false);
}

void Pallador::checkSkipping_clicked()
{
    storeBox(*this, checkSkipping, skipping);
    recalc(false);
}

void Pallador::checkBinXonly_clicked()
{
    storeBox(*this, checkBinXonly, binXOnly);
    recalc(false);
}

void Pallador::checkBinSF_clicked()
{
    storeBox(*this, checkBinSF, binSF);
    recalc(false);
}

void Pallador::checkCropping_clicked()
{
    storeBox(*this, checkCropping, cropping);
    recalc(false);
}

void Pallador::checkCentering_clicked()
{
    storeBox(*this, checkCentering, centering);
    recalc(false);
}

void Pallador::checkAspectRatio_clicked()
{
    storeBox(*this, checkAspectRatio, aspectRatio);
    recalc(false);
}

void Pallador::checkLowPower_clicked()
{
    storeBox(*this, checkLowPower, lowPower);
    recalc(false);
}

void Pallador::checkInterleave_clicked()
{
    storeBox(*this, checkInterleave, interleave);
    recalc(false);
}

void Pallador::checkLineInterCombo_clicked()
{
    storeBox(*this, checkLineComboMode, lineComboMode);
    recalc(false);
}

void Pallador::checkUseLineTime_clicked()
{
    storeBox(*this, checkOtherLineTime, otherLineTime);
    recalc(false);
}

void Pallador::checkShortSeq_clicked()
{
    if (options::chooseBox(*this, checkShortSeq, true) == options::A)
        shortSeq = checkShortSeq[options::A]->isChecked();
    recalc(false);
}

void Pallador::checkTxLatch_clicked()
{
    QCheckBox *const boxes[2] = {checkTxLatch, nullptr};
    storeBox(*this, boxes, txLatch, true);
    recalc(false);
}

void Pallador::checkConfigEnable_clicked()
{
    storeSingle(configEnable, checkConfigBuf);
    recalc(false);
}

void Pallador::checkDbOverlap_clicked()
{
    storeSingle(dbOverlap, checkOverlayRW);
    recalc(false);
}

void Pallador::checkAtrRows_clicked()
{
    storeSingle(atrRows, checkAtr_Rows);
    recalc(true);
}

void Pallador::checkDtrRows_clicked()
{
    storeSingle(dtrRows, checkDtr_Rows);
    recalc(true);
}

// Drav102's scaling and region inputs, which the calculation reads from the
// widgets themselves: only the context is chosen (B only when the pointer is
// over panel B and not over panel A).
void Pallador::advancedTimingChanged()
{
    currentContext = options::panelUnderPointer(*this) == options::B ? options::B : options::A;
    recalc(false);
}

// ---------------------------------------------------------------------------
// Sizes, sub-sampling and skip factors.

void Pallador::spinRows_valueChanged(int newValue)
{
    storeValue(*this, Rule::ABC, rows, newValue);
    recalc(false);
}

void Pallador::spinCols_valueChanged(int newValue)
{
    storeValue(*this, Rule::ABC, cols, newValue);
    recalc(false);
}

void Pallador::spinRowSub_valueChanged(int newValue)
{
    storeValue(*this, Rule::ABC, skipping, newValue);
    recalc(false);
}

void Pallador::spinColSub_valueChanged(int newValue)
{
    storeValue(*this, Rule::ABC, binXOnly, newValue);
    recalc(false);
}

void Pallador::comboRowSkip_currentIndexChanged(int newIndex)
{
    storeValue(*this, Rule::AB, skipping, twoToThe(newIndex));
    recalc(false);
}

void Pallador::comboColSkip_currentIndexChanged(int newIndex)
{
    storeValue(*this, Rule::AB, binXOnly, twoToThe(newIndex));
    recalc(false);
}

void Pallador::comboReadModeB_currentIndexChanged(int newIndex)
{
    storeFixed(*this, options::B, skipping, twoToThe(newIndex));
    recalc(false);
}

void Pallador::comboCCRow_currentIndexChanged(int newIndex)
{
    storeFixed(*this, options::A, ccRow, newIndex);
    recalc(false);
}

void Pallador::comboCCRowB_currentIndexChanged(int newIndex)
{
    storeFixed(*this, options::B, ccRow, newIndex);
    recalc(false);
}

void Pallador::comboAspectRatio_currentIndexChanged(int newIndex)
{
    storeValue(*this, Rule::AB, aspectRatio, newIndex);
    recalc(false);
}

void Pallador::comboADC_Mode_valueChanged(int newValue)
{
    storeValue(*this, Rule::ABC, adcMode, newValue);
    recalc(false);
}

// ---------------------------------------------------------------------------
// Embedded, statistics and test rows and columns.

void Pallador::comboEmbedDataRows_clicked(int newValue)
{
    storeValue(*this, Rule::ABC, embedDataRows, newValue);
    recalc(false);
}

void Pallador::comboStatsDataRows_clicked(int newValue)
{
    storeValue(*this, Rule::ABC, statsDataRows, newValue);
    recalc(false);
}

void Pallador::comboTopDigital_Rows_clicked(int newValue)
{
    storeValue(*this, Rule::ABC, topDigitalRows, newValue);
    recalc(false);
}

void Pallador::comboBotAnalog_Rows_clicked(int newValue)
{
    storeValue(*this, Rule::ABC, botAnalogRows, newValue);
    recalc(false);
}

void Pallador::comboAnalogTestCols_clicked(int newValue)
{
    analogTestCols = newValue;
    recalc(false);
}

void Pallador::comboRowNoiseCols_clicked(int newValue)
{
    rowNoiseCols = newValue;
    recalc(false);
}

// ---------------------------------------------------------------------------
// Operation mode, integration times and frame rates.

void Pallador::comboOpMode_Changed(int newIndex)
{
    hdrMode[options::current(*this)] = newIndex;
    recalc(false);
}

void Pallador::dSpinIntgTime_valueChanged(double newValue)
{
    storeValue(*this, Rule::ABC, intgTime, newValue);
    recalc(false);
}

void Pallador::dSpinIntgTime2_valueChanged(double newValue)
{
    storeValue(*this, Rule::AB, intgTime2, newValue);
    recalc(false);
}

void Pallador::dSpinIntgTime3_valueChanged(double newValue)
{
    storeValue(*this, Rule::AB, intgTime3, newValue);
    recalc(false);
}

void Pallador::dSpinIntgTime4_valueChanged(double newValue)
{
    storeValue(*this, Rule::AB, intgTime4, newValue);
    recalc(false);
}

void Pallador::dSpinDFR1_valueChanged(double newValue)
{
    storeValue(*this, Rule::ABC, dfs1, newValue);
    recalc(false);
}

void Pallador::dSpinDFR2_valueChanged(double newValue)
{
    storeValue(*this, Rule::ABC, dfs2, newValue);
    recalc(false);
}

void Pallador::dSpinFovPercent_valueChanged(double newValue)
{
    storeValue(*this, Rule::ABC, fovPercent, newValue);
    recalc(false);
}

void Pallador::spinGoPro_valueChanged(double newValue)
{
    storeValue(*this, Rule::ABC, goProMode, newValue);
    recalc(false);
}

// ---------------------------------------------------------------------------
// Exposure rows, ratios and line length.

void Pallador::spinT1ExpRows_clicked(int newValue)
{
    storeValue(*this, Rule::ABC, t1ExpRows, newValue);
    recalc(false);
}

void Pallador::spinT2ExpRows_clicked(int newValue)
{
    storeValue(*this, Rule::ABC, t2ExpRows, newValue);
    recalc(false);
}

void Pallador::spinT3ExpRows_clicked(int newValue)
{
    storeValue(*this, Rule::ABC, t3ExpRows, newValue);
    recalc(false);
}

void Pallador::spinT4ExpRows_clicked(int newValue)
{
    storeValue(*this, Rule::ABC, t4ExpRows, newValue);
    recalc(false);
}

void Pallador::spinT1_T2_clicked(int newValue)
{
    storeValue(*this, Rule::AB, t1T2Ratio, newValue);
    recalc(false);
}

void Pallador::spinT2_T3_clicked(int newValue)
{
    storeValue(*this, Rule::AB, t2T3Ratio, newValue);
    recalc(false);
}

void Pallador::spinT3_T4_clicked(int newValue)
{
    storeValue(*this, Rule::AB, t3T4Ratio, newValue);
    recalc(false);
}

void Pallador::spinT4_T5_clicked(int newValue)
{
    storeValue(*this, Rule::AB, t4T5Ratio, newValue);
    recalc(false);
}

void Pallador::spinMiddleIT_clicked(int newValue)
{
    storeValue(*this, Rule::AB, middleIntTime, newValue);
    recalc(false);
}

void Pallador::spinFixedLLpck_clicked(int fixllpckVal)
{
    storeValue(*this, Rule::ABC, fixedLineLength, fixllpckVal);
    recalc(false);
}

// ---------------------------------------------------------------------------
// Scaler, modes, buffers and shutter advance.

void Pallador::spinScaler_valueChanged(int newValue)
{
    storeValue(*this, Rule::AB, scaler, newValue);
    recalc(false);
}

void Pallador::spinScaleM_valueChanged(int newValue)
{
    storeValue(*this, Rule::AB, scaleM, newValue);
    recalc(false);
}

void Pallador::spinSMode_valueChanged(int newValue)
{
    storeValue(*this, Rule::AB, sMode, newValue);
    recalc(false);
}

void Pallador::spinBorderPix_changed(int borderpxls)
{
    borderPixels = borderpxls;
    recalc(false);
}

void Pallador::spinConfigBufT1_valueChanged(int newValue)
{
    configBufT1 = newValue;
    recalc(false);
}

void Pallador::spinConfigBufT2_valueChanged(int newValue)
{
    configBufT2 = newValue;
    recalc(false);
}

void Pallador::spinConfigBufT3_valueChanged(int newValue)
{
    configBufT3 = newValue;
    recalc(false);
}

void Pallador::spinAdvShiftT2_valueChanged(int newValue)
{
    advShiftT2 = newValue;
    recalc(false);
}

void Pallador::spinAdvShiftT3_valueChanged(int newValue)
{
    advShiftT3 = newValue;
    recalc(false);
}

void Pallador::spinAdvShiftT4_valueChanged(int newValue)
{
    advShiftT4 = newValue;
    recalc(false);
}

void Pallador::spinFIFO_valueChanged(int newValue)
{
    storeValue(*this, Rule::ABC, fifo, newValue);
    recalc(false);
}

void Pallador::spinMin_Lines_valueChanged(int newValue)
{
    minLines = newValue;
    recalc(true);
}
