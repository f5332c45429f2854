// Vek_125, Murn_102 and Murn_104: the form-based families, inputs bound by name to their forms (catalogue 62-66).
//
// Catalogue 62 to 66: the form-based families Vek_125 (62-64), Murn_102 (65)
// and Murn_104 (66), one context each. Most of their inputs are variables of
// the family object, bound by name to the widgets of their option forms and
// of the PLL dock. The window's own settings of the context reach the family
// through its context record, which the pipeline writes before every
// calculation; the results go back to the widgets through the binder and to
// the texts and the timing diagram from the family's result block, both in
// the pipeline's tail.
#include "adapter.h"

#include "cguivars.h"

#include <QComboBox>
#include <QDockWidget>

namespace adapter {

namespace {

// The read-out modes of the Vek_125 advanced form, with the binning and
// skipping each one sets.
struct ReadMode {
    const char *text;
    int binning;
    int skipping;
};

const ReadMode kReadModes[] = {
    {"Full Size", 0, 0}, {"Skip 2x2", 0, 1}, {"Skip 4x4", 0, 2}, {"Bin 2x2", 1, 0}, {"Skip 2, Bin 2, Step 4x4", 1, 1},
};

bool calculable(int context)
{
    return context == 0 || context == 1;
}

// The family's descriptor rows become the window's register rows, with their
// default values until the first register refresh.
void installRows(Pallador &w, const CFamilyCore &family)
{
    const RegTable *table = family.regTable();
    w.regCount = table ? RegTables::install(*table, w.regs, Pallador::RegRowCapacity) : 0;
}

// The binder of a new set-up replaces the old one, which goes first: a binder
// left alive would keep reporting its widgets' changes.
CGuiVars *replaceBinder(Pallador &w, CGuiVars *binder)
{
    delete w.guiVars;
    w.guiVars = binder;
    return binder;
}

// The blanking the context's combo names, as the family reads it.
QString blankingText(const Pallador &w)
{
    return w.ui.comboTypeBlank_A->currentText();
}

} // namespace

// ---------------------------------------------------------------------------
// Vek_125 (62-64): an image PLL and a MIPI PLL whose every clock and divider
// the user may fix in the PLL form.

void initVek125(Pallador &w)
{
    Vek_125 *f = w.calvex->vek_125;
    if (!f)
        return;
    f->InitDefaults(w.configPath);
    templateFlag(w, f->defaults);
    installRows(w, *f);
    // The system clock starts as the fixed clock.
    f->SystemFreq.checked = true;
    CGuiVars *binder = replaceBinder(
        w, new CGuiVars("InputFreq", &f->InputFreq, "dSpinPLL_Input", &f->InputFreq, "SystemFreq", &f->SystemFreq,
                        "dSpinPLL_Target", &f->SystemFreq, "PLL1Div1", &f->PLL1Div1, "PLL1Mult", &f->PLL1Mult,
                        "VCO1Freq", &f->VCO1Freq, "PLL1Div2", &f->PLL1Div2, "PLL1Div3", &f->PLL1Div3, "PixelDiv",
                        &f->PixelDiv, "PixelFreq", &f->PixelFreq, "PLL2Div1", &f->PLL2Div1, "PLL2Mult", &f->PLL2Mult,
                        "VCO2Freq", &f->VCO2Freq, "PLL2Div2", &f->PLL2Div2, "SerialFreq", &f->SerialFreq, "Bits",
                        &f->Bits, "WordFreq", &f->WordFreq, "MIPILane2", &f->MIPILane2, "MIPICont", &f->MIPICont,
                        "IntgTime", &f->IntgTime, "Rows", &f->Rows, "Cols", &f->Cols, nullptr));
    binder->initFields(w.ui.dockPLL, w.pllForm);
    // The context-A dock holds nothing of the family's but the advanced form:
    // without the form there is nothing to bind there.
    if (w.advForm[0])
        binder->initFields(w.ui.dockImageA, w.advForm[0]);
}

void recalcVek125(Pallador &w)
{
    Vek_125 *f = w.calvex->vek_125;
    const int cc = w.currentContext;
    if (!f || !calculable(cc))
        return;
    // The read-out mode sets binning and skipping; an entry the list does not
    // know leaves both as they are.
    if (const QComboBox *readMode = w.comboReadMode[0]) {
        const QString text = readMode->currentText();
        for (const ReadMode &mode : kReadModes) {
            if (text == QLatin1String(mode.text)) {
                w.binning[cc] = mode.binning;
                w.skipping[cc] = mode.skipping;
                break;
            }
        }
    }
    writeContext(w, f->ctx[cc], cc, {Field::Binning, Field::Skipping});
    f->blankTypeText = blankingText(w);
    f->InputFreq.setClamped(w.pllInput);
    f->SystemFreq.setClamped(w.pllTarget);
    // The variable whose box the user just unchecked goes to the family once.
    f->releasedVar = w.releasedVar;
    w.releasedVar = nullptr;
    f->PllUpdate();
    f->ResultsUpdate(cc);
    f->RegisterUpdate(cc);
}

// ---------------------------------------------------------------------------
// Murn_102 (65): row skipping, output size and input clock.

void initMurn102(Pallador &w)
{
    Murn_102 *f = w.calvex->murn_102;
    if (!f)
        return;
    templateFlag(w, f->defaults);
    f->InitDefaults(w.configPath);
    installRows(w, *f);
    CGuiVars *binder =
        replaceBinder(w, new CGuiVars("checkRowSkipping", &f->checkRowSkipping, "spinRows", &f->spinRows, "spinCols",
                                      &f->spinCols, "dSpinPLL_Input", &f->dSpinPLL_Input, nullptr));
    binder->initFields(w.advForm[0], w.ui.dockPLL);
}

void recalcMurn102(Pallador &w)
{
    Murn_102 *f = w.calvex->murn_102;
    if (!f || !calculable(w.currentContext))
        return;
    f->blankTypeText = blankingText(w);
    f->Calculate();
}

// ---------------------------------------------------------------------------
// Murn_104 (66): skipping, output size, and a PLL driven from the PLL dock's
// own widgets and the bypass and minimum-frequency boxes of its PLL form.

void initMurn104(Pallador &w)
{
    Murn_104 *f = w.calvex->murn_104;
    if (!f)
        return;
    w.stdTemplateAvail = 1;
    f->InitDefaults(w.configPath);
    installRows(w, *f);
    CGuiVars *binder = replaceBinder(w, new CGuiVars("checkSkipping", &f->checkSkipping, "spinRows", &f->spinRows,
                                                     "spinCols", &f->spinCols, "dSpinPLL_Input", &f->dSpinPLL_Input,
                                                     "dSpinPLL_Target", &f->dSpinPLL_Target, "PLL_VCO", &f->PLL_VCO,
                                                     "PLL_N", &f->PLL_N, "PLL_M", &f->PLL_M, "checkBypass",
                                                     &f->checkBypass, "checkUseMinFreq", &f->checkUseMinFreq, nullptr));
    binder->initFields(w.advForm[0], w.ui.dockPLL, w.pllForm);
}

void recalcMurn104(Pallador &w)
{
    Murn_104 *f = w.calvex->murn_104;
    if (!f || !calculable(w.currentContext))
        return;
    f->blankTypeText = blankingText(w);
    w.useCaseIndex[0] = w.ui.comboUseCase_A->currentIndex();
    f->useCaseIndex = w.useCaseIndex[0];
    f->Calculate();
}

} // namespace adapter
