// Vek_125, Murn_102 and Murn_104: the form-based families, inputs bound by name to their forms (catalogue 62-66).
//
// The library's rules for them: presets, exposure rules, extra rows, anchored register values,
// second clocks, named operations and texts. Their window side is calc/vek125_murn102_murn104.cpp.
#include "families.h"

using namespace calvex;

namespace {

// Range and starting value of one variable of a form-based family.
template <class Family> struct VarDefault {
    GUIVAR_T Family::*var;
    double min;
    double max;
    double step;
    double value;
    bool checked;
};

template <class Family, std::size_t N> void applyVarDefaults(Family &family, const VarDefault<Family> (&table)[N])
{
    for (const VarDefault<Family> &d : table) {
        GUIVAR_T &v = family.*(d.var);
        v.min = d.min;
        v.max = d.max;
        v.step = d.step;
        v.checked = d.checked;
        v.setClamped(d.value);
    }
}

// A consistent starting clock tree: 24 MHz / 2 x 80 = 960 MHz VCO,
// / 1 / 5 = 192 MHz system clock, / 2 = 96 MHz pixel clock; the MIPI PLL
// runs at 960 MHz with 10 bits per word. Each range is what the variable's
// register field holds (the dividers are 5-bit fields), the size ranges
// those of the array.
const VarDefault<Vek_125> kVek125Vars[] = {
    {&Vek_125::InputFreq, 6.0, 64.0, 0.1, 24.0, false},     {&Vek_125::SystemFreq, 1.0, 400.0, 0.1, 192.0, false},
    {&Vek_125::PLL1Div1, 1.0, 63.0, 1.0, 2.0, false},       {&Vek_125::PLL1Mult, 1.0, 255.0, 1.0, 80.0, false},
    {&Vek_125::VCO1Freq, 320.0, 1280.0, 0.1, 960.0, false}, {&Vek_125::PLL1Div2, 1.0, 31.0, 1.0, 1.0, false},
    {&Vek_125::PLL1Div3, 1.0, 31.0, 1.0, 5.0, false},       {&Vek_125::PixelDiv, 2.0, 2.0, 1.0, 2.0, false},
    {&Vek_125::PixelFreq, 0.5, 200.0, 0.1, 96.0, false},    {&Vek_125::PLL2Div1, 1.0, 63.0, 1.0, 2.0, false},
    {&Vek_125::PLL2Mult, 1.0, 255.0, 1.0, 80.0, false},     {&Vek_125::VCO2Freq, 320.0, 1280.0, 0.1, 960.0, false},
    {&Vek_125::PLL2Div2, 1.0, 31.0, 1.0, 1.0, false},       {&Vek_125::SerialFreq, 1.0, 1280.0, 0.1, 960.0, false},
    {&Vek_125::Bits, 6.0, 10.0, 2.0, 10.0, false},          {&Vek_125::WordFreq, 0.1, 214.0, 0.1, 96.0, false},
    {&Vek_125::MIPILane2, 0.0, 1.0, 1.0, 1.0, true},        {&Vek_125::MIPICont, 0.0, 1.0, 1.0, 0.0, false},
    {&Vek_125::IntgTime, 0.0, 1000.0, 0.001, 10.0, false},  {&Vek_125::Rows, 2.0, 1944.0, 2.0, 1944.0, false},
    {&Vek_125::Cols, 2.0, 2592.0, 2.0, 2592.0, false},
};

const VarDefault<Murn_102> kMurn102Vars[] = {
    {&Murn_102::checkRowSkipping, 0.0, 1.0, 1.0, 0.0, false},
    {&Murn_102::spinRows, 2.0, 480.0, 2.0, 480.0, false},
    {&Murn_102::spinCols, 2.0, 640.0, 2.0, 640.0, false},
    {&Murn_102::dSpinPLL_Input, 6.0, 64.0, 0.1, 24.0, false},
};

// 24 MHz / 2 x 32 = 384 MHz VCO, / 8 = 48 MHz target.
const VarDefault<Murn_104> kMurn104Vars[] = {
    {&Murn_104::checkSkipping, 0.0, 1.0, 1.0, 0.0, false},
    {&Murn_104::spinRows, 2.0, 480.0, 2.0, 480.0, false},
    {&Murn_104::spinCols, 2.0, 640.0, 2.0, 640.0, false},
    {&Murn_104::dSpinPLL_Input, 6.0, 64.0, 0.1, 24.0, false},
    {&Murn_104::dSpinPLL_Target, 1.0, 96.0, 0.1, 48.0, false},
    {&Murn_104::PLL_VCO, 96.0, 768.0, 0.1, 384.0, false},
    {&Murn_104::PLL_N, 1.0, 64.0, 1.0, 2.0, false},
    {&Murn_104::PLL_M, 16.0, 255.0, 1.0, 32.0, false},
    {&Murn_104::checkBypass, 0.0, 1.0, 1.0, 0.0, false},
    {&Murn_104::checkUseMinFreq, 0.0, 1.0, 1.0, 0.0, false},
};

void setVar(GUIVAR_T &v, double x)
{
    v.setClamped(finiteOr(x, v.min));
}

} // namespace

Vek_125::Vek_125(int typeCode) : CFormFamily(typeCode) {}

void Vek_125::InitDefaults(QString configPath)
{
    Call call(this, "InitDefaults");
    // A variable released before keeps its default state.
    releasedVar = nullptr;
    applyVarDefaults(*this, kVek125Vars);
    intgTime = IntgTime.value;
    CFormFamily::InitDefaults(configPath);
}

void Vek_125::engineCalculateAll()
{
    PllUpdate();
    ResultsUpdate(0);
    RegisterUpdate(0);
}

// Image PLL: Input / Div1 x Mult = VCO1, / Div2 / Div3 = system clock,
// / 2 = pixel clock. MIPI PLL: Input / Div1 x Mult = VCO2, / Div2 = serial
// clock, / Bits = word clock. Checked variables are fixed; the others are
// chosen, and every variable is written back as used.
void Vek_125::PllUpdate()
{
    Call call(this, "PllUpdate");
    m_pllWarnings = 0;
    if (releasedVar)
        releasedVar->checked = false;
    PllLimits l;
    l.finMin = InputFreq.min;
    l.finMax = InputFreq.max;
    l.pfdMin = 2.0;
    l.pfdMax = 32.0;
    l.nMin = boundedInt(PLL1Div1.min);
    l.nMax = boundedInt(PLL1Div1.max);
    l.mMin = boundedInt(PLL1Mult.min);
    l.mMax = boundedInt(PLL1Mult.max);
    l.vcoMin = VCO1Freq.min;
    l.vcoMax = VCO1Freq.max;
    l.d[0] = {boundedInt(PLL1Div2.min), boundedInt(PLL1Div2.max), false};
    l.d[1] = {boundedInt(PLL1Div3.min), boundedInt(PLL1Div3.max), false};
    l.outMax = SystemFreq.max;
    PllRequest r;
    r.fin = InputFreq.value;
    r.target = PixelFreq.checked && !SystemFreq.checked ? PixelFreq.value * PixelDiv.value : SystemFreq.value;
    r.fallbackTarget = traits().targetDefault;
    r.n = PLL1Div1.checked ? PLL1Div1.intValue : -1;
    r.m = PLL1Mult.checked ? PLL1Mult.intValue : -1;
    r.vco = VCO1Freq.checked ? VCO1Freq.value : -1.0;
    r.d[0] = PLL1Div2.checked ? PLL1Div2.intValue : -1;
    r.d[1] = PLL1Div3.checked ? PLL1Div3.intValue : -1;
    m_solution = solvePll(l, r);
    m_pllWarnings |= m_solution.warnings & (WarnTargetClock | WarnInputClock | WarnVco);
    setVar(PLL1Div1, m_solution.n);
    setVar(PLL1Mult, m_solution.m);
    setVar(VCO1Freq, m_solution.vco);
    setVar(PLL1Div2, m_solution.d[0]);
    setVar(PLL1Div3, m_solution.d[1]);
    setVar(SystemFreq, m_solution.out);
    setVar(PixelFreq, m_solution.out / qMax(1.0, PixelDiv.value));
    pll.inputClock = InputFreq.value;
    pll.targetClock = r.target;
    pll.pllN = m_solution.n;
    pll.pllM = m_solution.m;
    pll.vcoClock = m_solution.vco;
    pll.outputClock = m_solution.out;
    pll.systemClock = m_solution.out;
    pll.pixelClock = PixelFreq.value;

    // The serial side carries the pixel stream over one or two lanes.
    const int bits = qBound(6, Bits.intValue, 16);
    const int lanes = MIPILane2.value != 0.0 ? 2 : 1;
    PllLimits l2 = l;
    l2.nMin = boundedInt(PLL2Div1.min);
    l2.nMax = boundedInt(PLL2Div1.max);
    l2.mMin = boundedInt(PLL2Mult.min);
    l2.mMax = boundedInt(PLL2Mult.max);
    l2.vcoMin = VCO2Freq.min;
    l2.vcoMax = VCO2Freq.max;
    l2.d[0] = {boundedInt(PLL2Div2.min), boundedInt(PLL2Div2.max), false};
    l2.d[1] = DividerRange();
    l2.outMax = SerialFreq.max;
    PllRequest r2;
    r2.fin = InputFreq.value;
    const double required = PixelFreq.value * bits / lanes;
    if (SerialFreq.checked)
        r2.target = SerialFreq.value;
    else if (WordFreq.checked)
        r2.target = WordFreq.value * bits;
    else
        r2.target = required, r2.atLeast = true;
    r2.fallbackTarget = required;
    r2.n = PLL2Div1.checked ? PLL2Div1.intValue : -1;
    r2.m = PLL2Mult.checked ? PLL2Mult.intValue : -1;
    r2.vco = VCO2Freq.checked ? VCO2Freq.value : -1.0;
    r2.d[0] = PLL2Div2.checked ? PLL2Div2.intValue : -1;
    m_solution2 = solvePll(l2, r2);
    if (m_solution2.out < required - 1e-6 || (m_solution2.warnings & (WarnVco | WarnInputClock)))
        m_pllWarnings |= WarnTargetClock;
    setVar(PLL2Div1, m_solution2.n);
    setVar(PLL2Mult, m_solution2.m);
    setVar(VCO2Freq, m_solution2.vco);
    setVar(PLL2Div2, m_solution2.d[0]);
    setVar(SerialFreq, m_solution2.out);
    setVar(WordFreq, m_solution2.out / bits);
    pll.pllN2 = m_solution2.n;
    pll.pllM2 = m_solution2.m;
    pll.vcoClock2 = m_solution2.vco;
    pll.serialClock = m_solution2.out;
    pll.opPixClock = WordFreq.value;
    m_link.serial = true;
    m_link.kind = LinkKind::Mipi;
    m_link.name = QStringLiteral("MIPI");
    m_link.lanes = lanes;
    m_link.bits = bits;
    m_link.laneRate = m_solution2.out;
    m_link.opSysDiv = m_solution2.d[0];
    pll.mipiCont = MIPICont.value != 0.0;
}

void Vek_125::ResultsUpdate(int context)
{
    Call call(this, "ResultsUpdate", {context});
    if (!validContext(context))
        return;
    CContextParams &p = ctx[context];
    p.cols = Cols.intValue;
    p.rows = Rows.intValue;
    p.blankType = blankTypeFromText();
    p.intgTime = intgTime > 0.0 ? intgTime : IntgTime.value;
    engineTiming(context, false, true, false);
    setVar(IntgTime, m_cs[context].t.intgTimeMs);
    intgTime = IntgTime.value;
    setVar(Cols, m_cs[context].t.outCols);
    setVar(Rows, m_cs[context].t.outRows);
    engineResults(context);
    QStringList fixed;
    const std::pair<const char *, const GUIVAR_T *> vars[] = {
        {"InputFreq", &InputFreq},   {"SystemFreq", &SystemFreq}, {"PLL1Div1", &PLL1Div1}, {"PLL1Mult", &PLL1Mult},
        {"VCO1Freq", &VCO1Freq},     {"PLL1Div2", &PLL1Div2},     {"PLL1Div3", &PLL1Div3}, {"PixelFreq", &PixelFreq},
        {"PLL2Div1", &PLL2Div1},     {"PLL2Mult", &PLL2Mult},     {"VCO2Freq", &VCO2Freq}, {"PLL2Div2", &PLL2Div2},
        {"SerialFreq", &SerialFreq}, {"WordFreq", &WordFreq},
    };
    for (const auto &v : vars)
        fixed << QStringLiteral("%1 = %2 (%3)")
                     .arg(QLatin1String(v.first), num(v.second->value),
                          v.second->checked ? QStringLiteral("fixed") : QStringLiteral("free"));
    results.pllPresetText = buildPresetText(fixed);
}

void Vek_125::RegisterUpdate(int context)
{
    Call call(this, "RegisterUpdate", {context});
    if (!validContext(context))
        return;
    engineRegisters();
}

void Vek_125::familyTexts(int, PllTextInfo &p, ContextTextInfo &) const
{
    p.dividers = {{QStringLiteral("PLL1 Div2"), m_solution.d[0]}, {QStringLiteral("PLL1 Div3"), m_solution.d[1]}};
    p.outputName = QStringLiteral("System clock");
    p.hasPll2 = true;
    p.extra << QStringLiteral("Serial clock: %1 MHz").arg(num(SerialFreq.value))
            << QStringLiteral("Word clock: %1 MHz").arg(num(WordFreq.value));
}

Murn_102::Murn_102(int typeCode) : CFormFamily(typeCode)
{
    // Read by the set-up before InitDefaults.
    defaults.defaultStdTemplate = 1;
}

void Murn_102::InitDefaults(QString configPath)
{
    Call call(this, "InitDefaults");
    applyVarDefaults(*this, kMurn102Vars);
    CFormFamily::InitDefaults(configPath);
    defaults.defaultStdTemplate = 1;
}

void Murn_102::engineCalculateAll()
{
    Calculate();
}

void Murn_102::readoutFactors(int, int *xFactor, int *yFactor, QString *name) const
{
    const bool skip = checkRowSkipping.checked || checkRowSkipping.value != 0.0;
    *xFactor = 1;
    *yFactor = skip ? 2 : 1;
    *name = skip ? QStringLiteral("Row skip 2") : QStringLiteral("Normal");
}

// Row skipping halves the rows read, so it needs an output of at most half the array.
void Murn_102::familyTiming(int context)
{
    const bool skip = checkRowSkipping.checked || checkRowSkipping.value != 0.0;
    if (skip && ctx[context].rows > traits().arrayRows / 2)
        addContextWarnings(context, 0x20);
}

// The sensor runs from the input clock without a PLL.
void Murn_102::Calculate()
{
    Call call(this, "Calculate");
    CContextParams &p = ctx[0];
    p.cols = spinCols.intValue;
    p.rows = spinRows.intValue;
    p.blankType = blankTypeFromText();
    m_pllWarnings = 0;
    const double fin = dSpinPLL_Input.value;
    if (!(fin >= dSpinPLL_Input.min && fin <= dSpinPLL_Input.max))
        m_pllWarnings |= WarnInputClock;
    // As in the PLL families, an input clock no sensor can take (not a
    // number, below 0.001 MHz or above 100 000 MHz) is reported and not
    // used: the sensor then has no clock at all.
    const double clock = usableClock(fin) ? fin : 0.0;
    pll.inputClock = fin;
    pll.outputClock = pll.systemClock = pll.vcoClock = clock;
    pll.pllN = pll.pllM = 1;
    m_solution = PllSolution();
    m_solution.locked = clock > 0.0;
    m_solution.vco = m_solution.out = clock;
    formTiming(clock);
    setVar(spinCols, m_cs[0].t.outCols);
    setVar(spinRows, m_cs[0].t.outRows);
}

Murn_104::Murn_104(int typeCode) : CFormFamily(typeCode) {}

void Murn_104::InitDefaults(QString configPath)
{
    Call call(this, "InitDefaults");
    applyVarDefaults(*this, kMurn104Vars);
    CFormFamily::InitDefaults(configPath);
}

void Murn_104::engineCalculateAll()
{
    Calculate();
}

void Murn_104::readoutFactors(int, int *xFactor, int *yFactor, QString *name) const
{
    const bool skip = checkSkipping.checked || checkSkipping.value != 0.0;
    *xFactor = skip ? 2 : 1;
    *yFactor = skip ? 2 : 1;
    *name = skip ? QStringLiteral("Skip 2x2") : QStringLiteral("Normal");
}

void Murn_104::familyTiming(int context)
{
    const bool skip = checkSkipping.checked || checkSkipping.value != 0.0;
    if (skip && (ctx[context].rows > traits().arrayRows / 2 || ctx[context].cols > traits().arrayCols / 2))
        addContextWarnings(context, 0x20);
}

// Input / N x M = VCO, / P = target clock (the pixel clock); the overrides
// are the checked variables.
void Murn_104::Calculate()
{
    Call call(this, "Calculate");
    CContextParams &p = ctx[0];
    p.cols = spinCols.intValue;
    p.rows = spinRows.intValue;
    p.blankType = blankTypeFromText();
    pll.pllBypass = checkBypass.checked || checkBypass.value != 0.0;
    pll.pllUseMinFreq = checkUseMinFreq.checked || checkUseMinFreq.value != 0.0;
    m_limits.finMin = dSpinPLL_Input.min;
    m_limits.finMax = dSpinPLL_Input.max;
    m_limits.nMin = boundedInt(PLL_N.min);
    m_limits.nMax = boundedInt(PLL_N.max);
    m_limits.mMin = boundedInt(PLL_M.min);
    m_limits.mMax = boundedInt(PLL_M.max);
    m_limits.vcoMin = PLL_VCO.min;
    m_limits.vcoMax = PLL_VCO.max;
    m_limits.pfdMin = 2.0;
    m_limits.pfdMax = 27.0;
    m_limits.d[0] = {1, 16, false};
    m_limits.d[1] = DividerRange();
    m_limits.outMax = dSpinPLL_Target.max;
    m_pllWarnings = 0;
    PllRequest r;
    r.fin = dSpinPLL_Input.value;
    r.target = dSpinPLL_Target.value;
    r.fallbackTarget = traits().targetDefault;
    r.n = PLL_N.checked ? PLL_N.intValue : -1;
    r.m = PLL_M.checked ? PLL_M.intValue : -1;
    r.vco = PLL_VCO.checked ? PLL_VCO.value : -1.0;
    r.minFreq = pll.pllUseMinFreq;
    pll.inputClock = r.fin;
    pll.targetClock = r.target;
    if (pll.pllBypass) {
        // The bypassed sensor runs from the input clock, when it can take it.
        m_solution = PllSolution();
        m_solution.locked = usableClock(r.fin);
        m_solution.vco = m_solution.out = m_solution.locked ? r.fin : 0.0;
        if (!(r.fin >= m_limits.finMin && r.fin <= m_limits.finMax))
            m_pllWarnings |= WarnInputClock;
    } else {
        m_solution = solvePll(m_limits, r);
        m_pllWarnings |= m_solution.warnings & (WarnInputClock | WarnTargetClock | WarnVco);
        setVar(PLL_N, m_solution.n);
        setVar(PLL_M, m_solution.m);
        setVar(PLL_VCO, m_solution.vco);
    }
    pll.pllN = m_solution.n;
    pll.pllM = m_solution.m;
    pll.pllP = m_solution.d[0];
    pll.vcoClock = m_solution.vco;
    pll.outputClock = pll.systemClock = m_solution.out;
    formTiming(m_solution.out);
    setVar(spinCols, m_cs[0].t.outCols);
    setVar(spinRows, m_cs[0].t.outRows);
}
