// The recalculation pipeline: the one full calculation every input change
// ends in. The frame writes the form-based families' context record and
// bound variables, runs the entry's row of the family table (familytable.cpp),
// and finishes with the tail that brings the PLL results, texts, registers,
// colours and timing diagram up to date. The steps every family case is made
// of are in calcsteps.cpp.
#include "adapter.h"

#include "cguivars.h"

#include <QCheckBox>
#include <QTextEdit>

namespace {

// The form-based families read the current context's settings from their
// own record, whose warning word starts clear.
void formBasedPreamble(Pallador &w)
{
    const int cc = w.currentContext;
    if (cc != 0 && cc != 1)
        return;
    CContextParams &r = w.varCtxParams[cc];
    using adapter::Field;
    adapter::writeContext(w, r, cc,
                          {Field::Mirror, Field::Flip, Field::MaxFps, Field::BlankType, Field::VariableFps,
                           Field::UserHBlank, Field::UserVBlank, Field::Binning, Field::Skipping, Field::SkippingY,
                           Field::GoProMode, Field::Cif, Field::Hd720p, Field::Cols, Field::Rows, Field::MinFps});
    r.warnings = 0;
}

// The end of every calculation: results into their widgets (with the busy
// flag held, so the slots those changes run calculate nothing), texts, the
// register table, colours and the timing diagram.
void tail(Pallador &w)
{
    w.busy = true;
    if (w.guiVars) {
        w.guiVars->updateFields();
    } else {
        w.gatherPllResults();
        if (w.ui.checkPLL_ADV->isChecked())
            w.showPllResults();
    }
    w.busy = false;

    if (const CCalcResults *r = w.varResults) {
        w.pllDisplayText = r->pllDisplayText;
        w.pllPresetText = r->pllPresetText;
        QTextEdit *const panes[] = {w.ui.textResult_A, w.ui.textResult_B, w.ui.textResult_C};
        for (int i = 0; i < qBound(0, w.contextCount, 3); ++i) {
            w.ctxPresetText[i] = r->contextPresetText[i];
            w.ctxDisplayText[i] = r->contextDisplayText[i];
            w.showResultText(panes[i]);
        }
        w.timingGeometry = r->timingGeometry;
    }
    w.showResultText(w.ui.textResult_PLL);
    w.updateRegisterTable();
    w.showWarnings();
    w.updateTimingDiagram();
}

} // namespace

void Pallador::recalc(bool pllChanged)
{
    if (busy)
        return;
    if (varCtxParams)
        formBasedPreamble(*this);
    if (guiVars)
        guiVars->updateVars();

    // The entry's row calculates the loaded family's object; without one (no
    // sensor, or one outside the catalogue) only the tail runs.
    if (calvex && calvex->family()) {
        if (const adapter::FamilyRow *row = adapter::familyRow(sensorIndex))
            row->recalc(*this, pllChanged);
    }
    tail(*this);
}
