// Per-context set-up: a context of the loaded sensor starts from the family's
// defaults (clocks, frame rates, blanking, interface list, panels) and ends
// by selecting its default use case, which loads it and calculates. The body
// of each family group is in the group's source; the steps they are made of
// are here. Widget changes run their slots as user input would.
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

void Pallador::initContext(int context)
{
    currentContext = context;
    switch (sensorIndex) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
    case 10:
    case 11:
        adapter::initTolm104(*this);
        break;
    case 12:
        adapter::initBrel101(*this, context);
        break;
    case 13:
        adapter::initMurn105(*this);
        break;
    case 14:
    case 15:
    case 16:
    case 17:
    case 18:
    case 19:
    case 20:
        adapter::initBrel102(*this, context);
        break;
    case 21:
        adapter::initVek101(*this, context);
        break;
    case 22:
    case 23:
    case 24:
        adapter::initVek108(*this, context);
        break;
    case 25:
        adapter::initBrel103(*this);
        break;
    case 26:
        adapter::initVek124(*this);
        break;
    case 27:
        adapter::initMurn109(*this);
        break;
    case 28:
    case 29:
        adapter::initBrel104(*this, context);
        break;
    case 30:
        adapter::initBrel105(*this, context);
        break;
    case 31:
        adapter::initMurn111(*this, context);
        break;
    case 32:
    case 33:
        adapter::initBrel106(*this);
        break;
    case 34:
    case 35:
    case 36:
        adapter::initBrel107(*this);
        break;
    case 37:
    case 38:
    case 39:
    case 40:
        adapter::initVek141(*this);
        break;
    case 41:
        adapter::initVek145l(*this);
        break;
    case 42:
    case 43:
        adapter::initVek147(*this);
        break;
    case 44:
    case 45:
        adapter::initVek149(*this);
        break;
    case 46:
    case 47:
    case 48:
    case 49:
    case 50:
        adapter::initVek152(*this);
        break;
    case 51:
        adapter::initVek153(*this);
        break;
    case 52:
        adapter::initVek154(*this);
        break;
    case 53:
        adapter::initVek155(*this);
        break;
    case 54:
    case 55:
    case 56:
        adapter::initYorm102(*this);
        break;
    case 57:
    case 58:
        adapter::initYorm105(*this);
        break;
    case 59:
        adapter::initMurn107(*this, context);
        break;
    case 60:
    case 61:
        adapter::initMurn103(*this, context);
        break;
    case 62:
    case 63:
    case 64:
        adapter::initVek125(*this);
        break;
    case 65:
        adapter::initMurn102(*this);
        break;
    case 66:
        adapter::initMurn104(*this);
        break;
    case 67:
    case 68:
        adapter::initVek143(*this);
        break;
    case 69:
        adapter::initMurn110(*this, context);
        break;
    case 70:
        adapter::initMurn108(*this, context);
        break;
    case 71:
        adapter::initMurn106(*this);
        break;
    case 72:
    case 73:
    case 74:
        adapter::initVek116(*this, context);
        break;
    case 75:
    case 102:
        adapter::initVek118(*this);
        break;
    case 76:
    case 77:
    case 78:
    case 79:
        adapter::initVek121(*this, context);
        break;
    case 80:
        adapter::initVek157b(*this);
        break;
    case 81:
        adapter::initVek157f(*this);
        break;
    case 82:
        adapter::initVek137(*this);
        break;
    case 83:
        adapter::initVek117(*this);
        break;
    case 84:
        adapter::initVek107(*this);
        break;
    case 85:
        adapter::initVek113(*this);
        break;
    case 86:
    case 87:
        adapter::initVek111(*this);
        break;
    case 88:
    case 89:
        adapter::initVek123(*this);
        break;
    case 90:
    case 91:
        adapter::initVek135(*this);
        break;
    case 92:
    case 93:
        adapter::initVek110(*this);
        break;
    case 94:
        adapter::initVek114(*this);
        break;
    case 95:
    case 96:
    case 97:
    case 98:
        adapter::initVek132(*this);
        break;
    case 99:
    case 100:
    case 101:
        adapter::initVek138(*this);
        break;
    case 103:
    case 104:
        adapter::initVek119(*this);
        break;
    case 105:
    case 106:
    case 107:
    case 108:
    case 109:
        adapter::initZelt(*this);
        break;
    case 110:
        adapter::initVek128(*this);
        break;
    case 111:
        adapter::initDrav102(*this);
        break;
    case 112:
    case 113:
        adapter::initDrav101Vek120(*this);
        break;
    case 114:
        adapter::initHolv101(*this);
        break;
    case 115:
        adapter::initVek146(*this);
        break;
    default:
        // Outside the catalogue: nothing to set up.
        break;
    }

    // A binder is connected once, however often its context is set up.
    if (guiVars) {
        connect(guiVars, SIGNAL(valueChanged(QString, float)), this, SLOT(valueChangedGuiVars(QString, float)),
                Qt::UniqueConnection);
        connect(guiVars, SIGNAL(check(QString, bool)), this, SLOT(checkGuiVars(QString, bool)), Qt::UniqueConnection);
    }

    ui.checkUseSTD->setEnabled(stdTemplateAvail != 0);
    ui.checkUseSTD->setChecked(stdTemplateAvail != 0);
    useStdTemplate = stdTemplateAvail != 0;

    // The default use case of the context; selecting a different entry loads
    // it and calculates.
    if (!dataIO || context < 0 || context > 2)
        return;
    QComboBox *const lists[] = {ui.comboUseCase_A, ui.comboUseCase_B, ui.comboUseCase_C};
    const int defaults[] = {dataIO->getContextADefault(), dataIO->getContextBDefault(), dataIO->getContextCDefault()};
    // The form-based families fill the list here; a list that already offers
    // the file's use cases (a context set up again) is left as it is.
    if (guiVars) {
        const QStringList names = dataIO->getUseCaseName();
        QStringList offered;
        for (int i = 0; i < lists[context]->count(); ++i)
            offered << lists[context]->itemText(i);
        if (offered != names) {
            lists[context]->clear();
            lists[context]->addItems(names);
        }
    }
    lists[context]->setCurrentIndex(defaults[context]);
}
