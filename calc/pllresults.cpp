// PLL results: after a calculation the library's achieved clocks and chosen
// dividers are gathered into the window's result members (one set for every
// family), shown in the PLL dock's override boxes while they are unticked,
// and written into the advanced PLL panel's labels and divider boxes. Which
// family gathers and shows what is a table by catalogue entry.
#include "adapter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSpinBox>

namespace {

// How a family's PLL results reach the result members. Every family gathers
// each result its PLL text shows, so that a calling program reads the same
// numbers as the user.
enum class Gather {
    Standard,        // input, output, VCO (also as serial clock), pixel clock, N, M, P
    StandardTarget,  // the standard gather; the achieved target becomes the request
    SecondPll,       // the standard gather with the second VCO as serial clock; the panel's second PLL
    SecondPllTarget, // as SecondPll, and the achieved target becomes the request
    IspAux,          // the standard gather and the aux clock, P4, P5, aux and word-clock dividers
    Vek124,          // as IspAux, with the family's serial clock
    Brel101,         // the serial clock; P4 and P5 as the video dividers
    Brel102,         // the serial clock; P1 and P5 as the video dividers
    Yorm102,         // the bridge's serial divider and pixel clock
    Yorm105,         // the bridge's system, serial and pixel clocks
    Zelt,            // the standard gather without P, the serial clock; the achieved target becomes the request
    Holv,            // as Zelt, with P (the synthesiser's post divider)
    FormBased,       // the standard gather without P; the binder keeps the dock's boxes
    FormBasedSerial, // as FormBased, with the serial PLL's clock
};

// How the advanced PLL panel shows them (or, for two families, is read back).
enum class Show {
    Nothing,
    LabelsOutClock,   // the standard labels and the output clock
    Brel101,          // P4 and P5 boxes unchanged, the bypass box by interface
    Brel102,          // the P1 combo, the P5 box, the bypass box
    IspAux,           // labels with P - 1 and "N/A" serial clock on parallel; P4, P5 less one
    LabelsDividers,   // the standard labels; P4, P5 less one and WCD
    LabelsPLessOne,   // the standard labels with P - 1; P4, P5 less one and WCD
    WcdOnly,          // the WCD box
    InterMode,        // the interface mode combo
    InterModeOutRate, // the interface mode combo and the output rate or the target
    HighSpeedBits,    // the bits combo by high speed, and the high-speed box
    BitsByHighSpeed,  // the bits combo by high speed
    Bridge,           // bridge labels
    ZeltReadBack,     // the panel read back into the window
    HolvReadBack,     // the radar panel read back into the window
};

struct ResultRow {
    int first, last; // catalogue entries
    Gather gather;
    Show show;
};

// Every catalogued sensor, by catalogue entry.
const ResultRow kResults[] = {
    {1, 11, Gather::Standard, Show::LabelsOutClock},
    {12, 12, Gather::Brel101, Show::Brel101},
    {13, 13, Gather::IspAux, Show::WcdOnly},
    {14, 20, Gather::Brel102, Show::Brel102},
    {21, 25, Gather::Standard, Show::Nothing},
    {26, 26, Gather::Vek124, Show::IspAux},
    {27, 27, Gather::IspAux, Show::IspAux},
    {28, 30, Gather::Standard, Show::InterMode},
    {31, 31, Gather::IspAux, Show::LabelsDividers},
    {32, 36, Gather::Standard, Show::Nothing},
    {37, 40, Gather::Standard, Show::HighSpeedBits},
    {41, 45, Gather::Standard, Show::Nothing},
    {46, 51, Gather::SecondPll, Show::BitsByHighSpeed},
    {52, 52, Gather::SecondPllTarget, Show::BitsByHighSpeed},
    {53, 53, Gather::Standard, Show::Nothing},
    {54, 56, Gather::Yorm102, Show::Bridge},
    {57, 58, Gather::Yorm105, Show::Bridge},
    {59, 61, Gather::Standard, Show::Nothing},
    {62, 64, Gather::FormBasedSerial, Show::Nothing},
    {65, 66, Gather::FormBased, Show::Nothing},
    {67, 68, Gather::Standard, Show::BitsByHighSpeed},
    {69, 69, Gather::IspAux, Show::LabelsPLessOne},
    {70, 70, Gather::IspAux, Show::WcdOnly},
    {71, 71, Gather::IspAux, Show::Nothing},
    {72, 79, Gather::Standard, Show::InterMode},
    {80, 82, Gather::Standard, Show::Nothing},
    {83, 84, Gather::Standard, Show::InterMode},
    {85, 85, Gather::Standard, Show::InterModeOutRate},
    {86, 87, Gather::Standard, Show::InterMode},
    {88, 89, Gather::StandardTarget, Show::InterMode},
    {90, 91, Gather::SecondPllTarget, Show::BitsByHighSpeed},
    {92, 93, Gather::Standard, Show::InterModeOutRate},
    {94, 94, Gather::Standard, Show::InterMode},
    {95, 98, Gather::SecondPllTarget, Show::BitsByHighSpeed},
    {99, 101, Gather::StandardTarget, Show::Nothing},
    {102, 104, Gather::Standard, Show::InterMode},
    {105, 109, Gather::Zelt, Show::ZeltReadBack},
    {110, 110, Gather::Standard, Show::InterMode},
    {111, 111, Gather::Standard, Show::Nothing},
    {112, 113, Gather::SecondPll, Show::Nothing},
    {114, 114, Gather::Holv, Show::HolvReadBack},
    {115, 115, Gather::Standard, Show::Nothing},
};

const ResultRow *resultRow(int sensorIndex)
{
    for (const ResultRow &r : kResults) {
        if (sensorIndex >= r.first && sensorIndex <= r.last)
            return &r;
    }
    return nullptr;
}

// A clock as the panel writes it: general format, six significant digits.
QString clockText(double v)
{
    return QString::number(v);
}

// A clock as an integer box holds it: truncated toward zero, within the int range.
int truncatedClock(double v)
{
    if (!(v == v))
        return 0;
    return int(qBound(-2147483647.0, v, 2147483647.0));
}

void setLabel(QLabel *label, const QString &text)
{
    if (label)
        label->setText(text);
}

void setSpin(QSpinBox *box, int value)
{
    if (box)
        box->setValue(value);
}

void standardGather(Pallador &w, const CPllParams &p)
{
    w.resInputClock = p.inputClock;
    w.resOutClock = p.outputClock;
    w.resVcoClock = p.vcoClock;
    w.resSerialClock = p.vcoClock;
    w.resPixClock = p.pixelClock;
    w.resN = p.pllN;
    w.resM = p.pllM;
    w.resP = p.pllP;
}

// The image processors' aux clock and the dividers that come with it.
void auxGather(Pallador &w, const CPllParams &p)
{
    w.resAuxClock = p.auxClock;
    w.resP4 = p.pllP4;
    w.resP5 = p.pllP5;
    w.resAuxDiv = p.pllAuxDiv;
    w.resWcd = p.pllWcd;
}

// The second PLL into the advanced panel's boxes that show it (those the
// user is not editing).
void panelSecondPll(Pallador &w, const CPllParams &p)
{
    if (!w.ui.checkPLL_ADV->isChecked())
        return;
    if (w.spinPLL_M2 && !w.spinPLL_M2->isEnabled())
        w.spinPLL_M2->setValue(p.pllM2);
    if (w.spinPLL_N2 && !w.spinPLL_N2->isEnabled())
        w.spinPLL_N2->setValue(p.pllN2);
    if (w.sensorIndex == 51) {
        if (w.spinPLL_VCO2 && !w.spinPLL_VCO2->isEnabled())
            w.spinPLL_VCO2->setValue(truncatedClock(w.resSerialClock));
    } else if (w.dSpinPLL_VCO2 && !w.dSpinPLL_VCO2->isEnabled()) {
        w.dSpinPLL_VCO2->setValue(w.resSerialClock);
    }
}

void achievedTargetAsRequest(Pallador &w, const CPllParams &p)
{
    w.ui.dSpinPLL_Target->setValue(p.outputClock);
}

void standardLabels(Pallador &w)
{
    setLabel(w.labelPLL_InClk, clockText(w.resInputClock));
    setLabel(w.labelPLL_M, QString::number(w.resM));
    setLabel(w.labelPLL_N, QString::number(w.resN));
    setLabel(w.labelPLL_P, QString::number(w.resP));
    setLabel(w.labelPLL_PixClk, clockText(w.resPixClock));
    setLabel(w.labelPLL_MipiClk, clockText(w.resSerialClock));
}

// The divider boxes show the chosen divider less one (the registers' encoding).
void dividerBoxesLessOne(Pallador &w, bool withWcd)
{
    if (!adapter::ticked(w.checkPLL_P4))
        setSpin(w.spinPLL_P4, w.resP4 - 1);
    if (!adapter::ticked(w.checkPLL_P5))
        setSpin(w.spinPLL_P5, w.resP5 - 1);
    if (withWcd && !adapter::ticked(w.checkPLL_WCD))
        setSpin(w.spinPLL_WCD, w.resWcd);
}

void bypassBoxByInterface(Pallador &w)
{
    if (w.checkPLL_Bypass)
        w.checkPLL_Bypass->setEnabled(w.interfaceIndex == 0);
}

void bridgeLabels(Pallador &w)
{
    if (w.checkUseDataRate)
        w.checkUseDataRate->setEnabled(w.twoClkPerPix);
    if (w.checkPLL_MinFreq)
        w.checkPLL_MinFreq->setChecked(w.pllMinFreq);
    setLabel(w.labelPLL_InClk, clockText(w.resInputClock));
    setLabel(w.labelPLL_PixClk, clockText(w.resPixClock));
    setLabel(w.labelPLL_MipiClk, clockText(w.resSerialClock));
    if (w.pllBypass) {
        for (QLabel *label : {w.labelPLL_M, w.labelPLL_N, w.labelPLL_P, w.labelPLL_P2})
            setLabel(label, QString());
        setLabel(w.labelPLL_MipiClk, clockText(w.resPixClock));
        return;
    }
    setLabel(w.labelPLL_M, QString::number(w.resM));
    setLabel(w.labelPLL_N, QString::number(w.resN));
    setLabel(w.labelPLL_P, QString::number(w.resP));
    setLabel(w.labelPLL_P2, QString::number(w.resP2));
}

// A combo's position into a setting; a combo the panel lacks leaves it.
void readIndex(const QComboBox *combo, int &setting, int offset = 0)
{
    if (combo)
        setting = combo->currentIndex() + offset;
}

} // namespace

void Pallador::gatherPllResults()
{
    const ResultRow *row = resultRow(sensorIndex);
    const CFamilyCore *family = calvex ? calvex->family() : nullptr;
    if (row && family) {
        const CPllParams &p = family->pll;
        switch (row->gather) {
        case Gather::Standard:
            standardGather(*this, p);
            break;
        case Gather::StandardTarget:
            standardGather(*this, p);
            achievedTargetAsRequest(*this, p);
            break;
        case Gather::SecondPll:
        case Gather::SecondPllTarget:
            standardGather(*this, p);
            resSerialClock = p.vcoClock2;
            if (row->gather == Gather::SecondPllTarget)
                achievedTargetAsRequest(*this, p);
            panelSecondPll(*this, p);
            break;
        case Gather::IspAux:
            standardGather(*this, p);
            auxGather(*this, p);
            break;
        case Gather::Vek124:
            if (const Vek_124 *v = calvex->vek_124) {
                standardGather(*this, p);
                auxGather(*this, p);
                resSerialClock = v->serialClock;
                resPixClock = v->serialClock / double(v->pixClockDivisor);
            }
            break;
        case Gather::Brel101:
        case Gather::Brel102:
            standardGather(*this, p);
            resSerialClock = p.serialClock;
            resP = row->gather == Gather::Brel101 ? p.pllP5 : p.pllP1;
            if (row->gather == Gather::Brel101)
                resP4 = p.pllP4;
            resP5 = p.pllP5;
            break;
        case Gather::Yorm102:
        case Gather::Yorm105:
            if (const auto *b = dynamic_cast<const CBridgeFamily *>(family)) {
                resInputClock = p.inputClock;
                resVcoClock = p.vcoClock;
                resN = p.pllN;
                resM = p.pllM;
                resP = b->serialDivider;
                resP2 = p.pllP;
                if (row->gather == Gather::Yorm102) {
                    resOutClock = p.pixelClock;
                    resPixClock = p.pixelClock;
                    resSerialClock = p.vcoClock / (b->serialDivider + 1);
                } else {
                    resOutClock = p.systemClock;
                    resSerialClock = b->serialClock;
                    resPixClock = b->pixelClockResult;
                }
                if (pllMinFreq)
                    achievedTargetAsRequest(*this, p);
            }
            break;
        case Gather::Zelt:
        case Gather::Holv:
            achievedTargetAsRequest(*this, p);
            resInputClock = p.inputClock;
            resOutClock = p.outputClock;
            resVcoClock = p.vcoClock;
            resSerialClock = p.serialClock;
            resPixClock = p.pixelClock;
            resN = p.pllN;
            resM = p.pllM;
            if (row->gather == Gather::Holv)
                resP = p.pllP;
            break;
        case Gather::FormBased:
        case Gather::FormBasedSerial:
            // Their dividers are on their own forms.
            resInputClock = p.inputClock;
            resOutClock = p.outputClock;
            resVcoClock = p.vcoClock;
            resSerialClock = row->gather == Gather::FormBasedSerial ? p.serialClock : p.vcoClock;
            resPixClock = p.pixelClock;
            resN = p.pllN;
            resM = p.pllM;
            break;
        }
    }

    // The dock's override boxes show the library's choice while unticked
    // (the binder keeps them for the form-based families).
    if (guiVars)
        return;
    if (!ui.checkPLL_VCO->isChecked())
        ui.dSpinPLL_VCO->setValue(resVcoClock);
    if (!ui.checkPLL_N->isChecked())
        ui.spinPLL_N->setValue(resN);
    if (!ui.checkPLL_M->isChecked())
        ui.spinPLL_M->setValue(resM);
}

void Pallador::showPllResults()
{
    const ResultRow *row = resultRow(sensorIndex);
    if (!row || sensorIndex > 114)
        return;
    switch (row->show) {
    case Show::Nothing:
        break;
    case Show::LabelsOutClock:
        standardLabels(*this);
        setLabel(labelPLL_OutClk, clockText(resOutClock));
        break;
    case Show::Brel101:
        if (!adapter::ticked(checkPLL_P4))
            setSpin(spinPLL_P4, resP4);
        if (!adapter::ticked(checkPLL_P5))
            setSpin(spinPLL_P5, resP5);
        bypassBoxByInterface(*this);
        break;
    case Show::Brel102:
        if (!adapter::ticked(checkPLL_P1) && comboPLL_P1)
            comboPLL_P1->setCurrentIndex(resP / 2);
        if (!adapter::ticked(checkPLL_P5))
            setSpin(spinPLL_P5, resP5);
        bypassBoxByInterface(*this);
        break;
    case Show::IspAux:
        setLabel(labelPLL_InClk, clockText(resInputClock));
        if (pllBypass) {
            for (QLabel *label : {labelPLL_M, labelPLL_N, labelPLL_P})
                setLabel(label, QString());
        } else {
            setLabel(labelPLL_M, QString::number(resM));
            setLabel(labelPLL_N, QString::number(resN));
            setLabel(labelPLL_P, QString::number(resP - 1));
        }
        setLabel(labelPLL_PixClk, clockText(resPixClock));
        setLabel(labelPLL_MipiClk, interfaceIndex == 0 ? QStringLiteral("N/A") : clockText(resSerialClock));
        dividerBoxesLessOne(*this, false);
        break;
    case Show::LabelsDividers:
        standardLabels(*this);
        dividerBoxesLessOne(*this, true);
        break;
    case Show::LabelsPLessOne:
        standardLabels(*this);
        setLabel(labelPLL_P, QString::number(resP - 1));
        dividerBoxesLessOne(*this, true);
        break;
    case Show::WcdOnly:
        if (!adapter::ticked(checkPLL_WCD))
            setSpin(spinPLL_WCD, resWcd);
        break;
    case Show::InterMode:
    case Show::InterModeOutRate:
        if (comboPLL_InterMode)
            comboPLL_InterMode->setCurrentIndex(interfaceIndex);
        if (row->show == Show::InterModeOutRate && calvex && calvex->family()) {
            const CPllParams &p = calvex->family()->pll;
            if (!p.pllAutoAdjust) {
                if (dSpinPLL_OutRate)
                    dSpinPLL_OutRate->setValue(double(p.pllOpDivider) * p.opPixClock);
            } else {
                ui.dSpinPLL_Target->setValue(p.outputClock);
            }
        }
        break;
    case Show::HighSpeedBits:
    case Show::BitsByHighSpeed:
        if (comboPLL_Bits)
            comboPLL_Bits->setEnabled(!highSpeed[0]);
        if (row->show == Show::HighSpeedBits && checkHighSpeed[0])
            checkHighSpeed[0]->setChecked(highSpeed[0]);
        break;
    case Show::Bridge:
        bridgeLabels(*this);
        break;
    case Show::ZeltReadBack:
        readIndex(comboPLL_Lanes, lanes, 1);
        readIndex(comboPLL_Bits, opBits, 10);
        combi = adapter::ticked(checkCombi) ? 1 : 0;
        break;
    case Show::HolvReadBack:
        readIndex(comboPLL_Bits, opBits);
        readIndex(comboPLL_InterMode, interfaceIndex);
        if (spinPLL_P4)
            pllP4 = spinPLL_P4->value();
        if (spinPLL_P5)
            pllP5 = spinPLL_P5->value();
        if (dSpinPLL_OutRate)
            pllTargetOp = dSpinPLL_OutRate->value();
        if (spinPLL_MPDiv)
            mpDiv = spinPLL_MPDiv->value();
        if (dSpinPLL_VCO2)
            pllVco2 = dSpinPLL_VCO2->value();
        if (spinPLL_N2)
            pllN2 = spinPLL_N2->value();
        readIndex(comboPLL_PhyType, phyCd);
        readIndex(comboOutPort, outPort);
        if (spinPLL_WCD)
            pllWcd = spinPLL_WCD->value();
        readIndex(combo2pixBits, twoPixBits);
        readIndex(comboCust_Rev, custRev);
        break;
    }
}
