// The context set-up steps the family groups are made of: the family's
// clocks and flags into the PLL dock, the frame-rate and blanking lists, the
// interface list, use case 0's or the context's default settings, and the
// option panels opened automatically. Widget changes run their slots as user
// input would. The set-up itself (Pallador::initContext, contextinit.cpp)
// runs the entry's row of the family table.
#include "adapter.h"

#include "cguivars.h"
#include "registerdataio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSpinBox>

namespace adapter {

namespace {

// The use case a context starts from: use case 0, or the context's default
// (a number outside the list falls back to use case 0).
const CUseCase *useCase(const Pallador &w, bool contextDefault)
{
    const CRegisterDataIO *io = w.dataIO;
    if (!io || !io->useCases || io->getUseCaseNumber() < 1)
        return nullptr;
    int n = 0;
    if (contextDefault) {
        n = w.currentContext == 1   ? io->getContextBDefault()
            : w.currentContext == 2 ? io->getContextCDefault()
                                    : io->getContextADefault();
    }
    return io->useCases + (n >= 0 && n < io->getUseCaseNumber() ? n : 0);
}

int contextSlot(const Pallador &w)
{
    return qBound(0, w.currentContext, 2);
}

void frameRateFrom(Pallador &w, const CUseCase *u, const CFamilyDefaults &d, bool contextB)
{
    // A rate of exactly 0 means none; anything else (a NaN too) is taken.
    const double m = u ? u->maxFps : 0.0;
    w.maxFps[contextSlot(w)] = m != 0.0 ? m : (contextB ? d.defaultMaxFpsB : d.defaultMaxFps);
}

} // namespace

QComboBox *frameRateCombo(Pallador &w, int context)
{
    QComboBox *const combos[] = {w.ui.comboMaxFRate_A, w.ui.comboMaxFRate_B, w.ui.comboMaxFRate_C};
    return combos[qBound(0, context, 2)];
}

QComboBox *blankingCombo(Pallador &w, int context)
{
    QComboBox *const combos[] = {w.ui.comboTypeBlank_A, w.ui.comboTypeBlank_B, w.ui.comboTypeBlank_C};
    return combos[qBound(0, context, 2)];
}

void familyClockDefaults(Pallador &w, const CFamilyDefaults &d, bool secondTarget)
{
    w.pllInput = d.defaultInputClock;
    w.pllTarget = d.defaultTargetClock;
    if (secondTarget)
        w.pllTargetOp = d.defaultTargetClock2;
}

void templateFlag(Pallador &w, const CFamilyDefaults &d)
{
    w.stdTemplateAvail = d.defaultStdTemplate;
}

void accessMode(Pallador &w, const CFamilyDefaults &d)
{
    w.varAccessMode = d.defaultVarAccessMode;
}

void useCaseZeroFrameRate(Pallador &w, const CFamilyDefaults &d, bool contextB)
{
    frameRateFrom(w, useCase(w, false), d, contextB);
}

void defaultUseCaseFrameRate(Pallador &w, const CFamilyDefaults &d, bool contextB)
{
    frameRateFrom(w, useCase(w, true), d, contextB);
}

void blankingComboRefresh(Pallador &w)
{
    blankingCombo(w, w.currentContext)->setCurrentIndex(w.blankType[contextSlot(w)]);
}

void useCaseZeroBlanking(Pallador &w)
{
    if (const CUseCase *u = useCase(w, false))
        w.blankType[contextSlot(w)] = u->blankType;
    blankingComboRefresh(w);
}

void defaultUseCaseBlankType(Pallador &w)
{
    if (const CUseCase *u = useCase(w, true))
        w.blankType[contextSlot(w)] = u->blankType;
}

void defaultUseCaseBlanking(Pallador &w)
{
    defaultUseCaseBlankType(w);
    blankingComboRefresh(w);
}

void useCaseZeroMirrorFlip(Pallador &w)
{
    const CUseCase *u = useCase(w, false);
    const int c = contextSlot(w);
    w.mirror[c] = u && u->mirror == 1;
    w.flip[c] = u && u->flip == 1;
    w.ui.checkHorzMirror_A->setChecked(w.mirror[c]);
    w.ui.checkVertFlip_A->setChecked(w.flip[c]);
}

void frameRateList(Pallador &w, const CFamilyCore &family, int context)
{
    QComboBox *const types[] = {w.ui.comboTypeFRate_A, w.ui.comboTypeFRate_B, w.ui.comboTypeFRate_C};
    types[qBound(0, context, 2)]->setEnabled(false);
    QComboBox *rates = frameRateCombo(w, context);
    rates->clear();
    rates->addItems(family.results.frameRateChoices);
}

void frameRateEditText(Pallador &w, int context, double fps)
{
    frameRateCombo(w, context)->setEditText(QStringLiteral("%1").arg(fps, 0, 'g', 6));
}

void contextFrameRates(Pallador &w, const CFamilyCore &family, int context)
{
    if (context != 0 && context != 1)
        return;
    useCaseZeroFrameRate(w, family.defaults, context == 1);
    useCaseZeroBlanking(w);
    frameRateList(w, family, context);
    frameRateEditText(w, context, w.maxFps[qBound(0, w.currentContext, 2)]);
}

void minFrameRateHidden(Pallador &w, int context)
{
    if (context == 1) {
        w.ui.dSpinMinFRate_B->hide();
        w.ui.labelMinFPS_B->hide();
    } else {
        w.ui.dSpinMinFRate_A->hide();
        w.ui.labelMinFPS_A->hide();
    }
}

void singleFrameRateType(Pallador &w)
{
    w.ui.comboTypeFRate_A->clear();
    w.ui.comboTypeFRate_A->addItem(QStringLiteral("Frame Rate"));
    minFrameRateHidden(w, 0);
}

void pllSpinRefresh(Pallador &w)
{
    w.ui.dSpinPLL_Input->setValue(w.pllInput);
    w.ui.dSpinPLL_Target->setValue(w.pllTarget);
}

void pllOverridePresets(Pallador &w, int m, int n, double vco)
{
    w.ui.spinPLL_M->setValue(m);
    w.ui.spinPLL_N->setValue(n);
    w.ui.dSpinPLL_VCO->setValue(vco);
}

void interfaceList(Pallador &w, std::initializer_list<const char *> names, int position, bool removeDuplicates)
{
    QStringList list;
    for (const char *name : names)
        list << QLatin1String(name);
    interfaceList(w, list, position, removeDuplicates);
}

void interfaceList(Pallador &w, const QStringList &names, int position, bool removeDuplicates)
{
    w.ui.comboPLL_Interface->clear();
    w.interfaceList << names;
    if (removeDuplicates)
        w.interfaceList.removeDuplicates();
    w.ui.comboPLL_Interface->addItems(w.interfaceList);
    w.ui.comboPLL_Interface->setCurrentIndex(position);
}

void interfaceWidgetsHidden(Pallador &w)
{
    w.ui.labelOutputMode->hide();
    w.ui.comboPLL_Interface->hide();
}

void automaticPllPanel(Pallador &w, const CFamilyDefaults &d, void (*followUp)(Pallador &w))
{
    if (d.defaultAdvPll != 1)
        return;
    w.ui.checkPLL_ADV->setChecked(true);
    w.on_checkPLL_ADV_clicked();
    if (followUp)
        followUp(w);
}

void automaticOptionPanels(Pallador &w, const CFamilyDefaults &d, bool contextB)
{
    if (d.defaultAdvParam != 1)
        return;
    w.ui.checkAdvParam_A->setChecked(true);
    w.on_checkAdvParam_A_clicked();
    if (contextB) {
        w.ui.checkAdvParam_B->setChecked(true);
        w.on_checkAdvParam_B_clicked();
    }
}

} // namespace adapter
