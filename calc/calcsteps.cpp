// The calculation steps the family groups are made of: the window's settings
// into the family's context and PLL records, the standard library calls, the
// result texts into the panes, and the pass over the other context. The
// pipeline (Pallador::recalc, pipeline.cpp) runs the entry's row of the
// family table and then its tail.
#include "adapter.h"

#include <QCheckBox>
#include <QTextEdit>

namespace adapter {

void writeContext(const Pallador &w, CContextParams &r, int cc, std::initializer_list<Field> fields)
{
    const int c = qBound(0, cc, 2);
    for (Field f : fields) {
        switch (f) {
        case Field::MaxFps:
            r.maxFps = w.maxFps[c];
            break;
        case Field::Cols:
            r.cols = w.cols[c];
            break;
        case Field::Rows:
            r.rows = w.rows[c];
            break;
        case Field::UserHBlank:
            r.userHBlank = w.userHBlank[c];
            break;
        case Field::UserVBlank:
            r.userVBlank = w.userVBlank[c];
            break;
        case Field::BlankType:
            r.blankType = w.blankType[c];
            break;
        case Field::Binning:
            r.binning = w.binning[c];
            break;
        case Field::BinXOnly:
            r.binXOnly = w.binXOnly[c];
            break;
        case Field::Bin2Skip2:
            r.bin2Skip2 = w.bin2Skip2[c];
            break;
        case Field::Cif:
            r.cif = w.cif[c];
            break;
        case Field::Hd720p:
            r.hd720p = w.hd720p[c];
            break;
        case Field::Skipping:
            r.skipping = w.skipping[c];
            break;
        case Field::SkippingY:
            r.skippingY = w.skippingY[c];
            break;
        case Field::GoProMode:
            r.goProMode = w.goProMode[c];
            break;
        case Field::Mirror:
            r.mirror = w.mirror[c];
            break;
        case Field::Flip:
            r.flip = w.flip[c];
            break;
        case Field::VariableFps:
            r.variableFps = w.variableFps[c];
            break;
        case Field::MinFps:
            r.minFps = w.minFps[c];
            break;
        case Field::LowPower:
            r.lowPower = w.lowPower[c];
            break;
        case Field::IntgTime:
            r.intgTime = w.intgTime[c];
            break;
        case Field::HdrMode:
            r.hdrMode = w.hdrMode[c];
            break;
        case Field::InterfaceIndex:
            r.interfaceIndex = w.interfaceIndex;
            break;
        case Field::OtherLineTime:
            r.otherLineTime = w.otherLineTime[c];
            break;
        case Field::AdcMode:
            r.adcMode = w.adcMode[c];
            break;
        case Field::BinSF:
            r.binSF = w.binSF[c];
            break;
        case Field::OutFormat:
            r.outFormat = w.outFormat[c];
            break;
        case Field::Fifo:
            r.fifo = w.fifo[c];
            break;
        case Field::Cropping:
            r.cropping = w.cropping[c];
            break;
        case Field::Centering:
            r.centering = w.centering[c];
            break;
        case Field::FovCols:
            r.fovCols = w.fovCols[c];
            break;
        case Field::FovRows:
            r.fovRows = w.fovRows[c];
            break;
        case Field::FovX:
            r.fovX = w.fovX[c];
            break;
        case Field::FovY:
            r.fovY = w.fovY[c];
            break;
        }
    }
}

void clearWarnings(CContextParams &record, quint32 mask)
{
    record.warnings &= mask;
}

bool ticked(const QCheckBox *box)
{
    return box && box->isChecked();
}

void commonPllInputs(const Pallador &w, CPllParams &pll)
{
    pll.inputClock = w.pllInput;
    pll.targetClock = w.pllTarget;
    pll.pllN = -1;
    pll.pllM = -1;
    pll.vcoRequest = -1.0;
    if (w.ui.checkPLL_N->isChecked())
        pll.pllN = w.pllN;
    if (w.ui.checkPLL_M->isChecked())
        pll.pllM = w.pllM;
    if (w.ui.checkPLL_VCO->isChecked())
        pll.vcoRequest = w.pllVco;
}

void sensorPllOptions(const Pallador &w, CPllParams &pll)
{
    pll.targetClock2 = w.pllTargetOp;
    pll.pllBypass = w.pllBypass;
    pll.pllUseMinFreq = w.pllMinFreq;
}

void standardCalls(CFamilyBase &family, int cc)
{
    family.PllUpdate();
    family.TimingUpdate(cc, false, true);
    family.ResultsUpdate(cc);
    family.RegisterUpdate(cc);
}

void standardTexts(Pallador &w, const CFamilyCore &family, int cc)
{
    const int c = qBound(0, cc, 2);
    w.ctxPresetText[c] = family.results.contextPresetText[c];
    w.ctxDisplayText[c] = family.results.contextDisplayText[c];
    w.pllDisplayText = family.results.pllDisplayText;
}

void bothContextTexts(Pallador &w, const CFamilyCore &family, int cc)
{
    standardTexts(w, family, cc);
    const int other = cc == 0 ? 1 : 0;
    w.ctxPresetText[other] = family.results.contextPresetText[other];
    w.ctxDisplayText[other] = family.results.contextDisplayText[other];
}

void contextAPaneRefresh(Pallador &w)
{
    w.showResultText(w.ui.textResult_A);
}

void otherContextPass(Pallador &w, bool pllChanged)
{
    if (!pllChanged)
        return;
    w.showWarnings();
    if (w.currentContext == 0)
        w.currentContext = 1;
    else if (w.currentContext == 1)
        w.currentContext = 0;
    else
        return;
    w.recalc(false);
}

void twoPaneRefresh(Pallador &w)
{
    w.showResultText(w.ui.textResult_A);
    w.showResultText(w.ui.textResult_B);
}

void paneRefresh(Pallador &w, bool pllChanged)
{
    if (w.contextCount == 2) {
        otherContextPass(w, pllChanged);
        twoPaneRefresh(w);
    } else {
        contextAPaneRefresh(w);
    }
}

} // namespace adapter
