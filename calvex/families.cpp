// Construction of the family objects and their family-specific operations.
//
// Each constructor names the register-descriptor table of its type code. The
// operations keep the object in a defined state and return the values the
// object holds; the clock, timing and register arithmetic is done by the
// calculation engine.
#include "families.h"

#include <cstddef>

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

template <class Family, std::size_t N>
void applyVarDefaults(Family &family, const VarDefault<Family> (&table)[N]) {
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
// runs at 960 MHz with 10 bits per word.
const VarDefault<Vek_125> kVek125Vars[] = {
    {&Vek_125::InputFreq, 6.0, 64.0, 0.1, 24.0, false},
    {&Vek_125::SystemFreq, 1.0, 400.0, 0.1, 192.0, false},
    {&Vek_125::PLL1Div1, 1.0, 63.0, 1.0, 2.0, false},
    {&Vek_125::PLL1Mult, 1.0, 255.0, 1.0, 80.0, false},
    {&Vek_125::VCO1Freq, 320.0, 1280.0, 0.1, 960.0, false},
    {&Vek_125::PLL1Div2, 1.0, 63.0, 1.0, 1.0, false},
    {&Vek_125::PLL1Div3, 1.0, 63.0, 1.0, 5.0, false},
    {&Vek_125::PixelDiv, 2.0, 2.0, 1.0, 2.0, false},
    {&Vek_125::PixelFreq, 0.5, 200.0, 0.1, 96.0, false},
    {&Vek_125::PLL2Div1, 1.0, 63.0, 1.0, 2.0, false},
    {&Vek_125::PLL2Mult, 1.0, 255.0, 1.0, 80.0, false},
    {&Vek_125::VCO2Freq, 320.0, 1280.0, 0.1, 960.0, false},
    {&Vek_125::PLL2Div2, 1.0, 63.0, 1.0, 1.0, false},
    {&Vek_125::SerialFreq, 1.0, 1280.0, 0.1, 960.0, false},
    {&Vek_125::Bits, 6.0, 10.0, 2.0, 10.0, false},
    {&Vek_125::WordFreq, 0.1, 214.0, 0.1, 96.0, false},
    {&Vek_125::MIPILane2, 0.0, 1.0, 1.0, 1.0, true},
    {&Vek_125::MIPICont, 0.0, 1.0, 1.0, 0.0, false},
    {&Vek_125::IntgTime, 0.0, 1000.0, 0.001, 10.0, false},
    {&Vek_125::Rows, 2.0, 2448.0, 2.0, 2448.0, false},
    {&Vek_125::Cols, 2.0, 3264.0, 2.0, 3264.0, false},
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

bool isSkipIndex(int index) {
    return index >= 0 && index <= 2;
}

} // namespace

// ---------------------------------------------------------------------------
// Classic families.

Tolm_104::Tolm_104(int typeCode) : CFamilyBase(typeCode, "D1") {}
Murn_101::Murn_101(int typeCode) : CFamilyBase(typeCode, "D3") {}
Brel_101::Brel_101(int typeCode) : CFamilyBase(typeCode, "D12") {}
Murn_105::Murn_105(int typeCode) : CFamilyBase(typeCode, "D13") {}
// Sensors 15, 19 and 20 come with type code 20 and have the longer table.
Brel_102::Brel_102(int typeCode) : CFamilyBase(typeCode, typeCode == 20 ? "D15" : "D14") {}
Vek_101::Vek_101(int typeCode) : CFamilyBase(typeCode, "D21") {}
Vek_108::Vek_108(int typeCode) : CFamilyBase(typeCode, "D22"), m_catalogueIndex(typeCode) {}
Brel_103::Brel_103(int typeCode) : CFamilyBase(typeCode, "D25") {}
Vek_124::Vek_124(int typeCode) : CFamilyBase(typeCode, "D26") {}
Murn_109::Murn_109(int typeCode) : CFamilyBase(typeCode, "D27") {}
Brel_104::Brel_104(int typeCode) : CFamilyBase(typeCode, "D28") {}
Brel_105::Brel_105(int typeCode) : CFamilyBase(typeCode, "D30") {}
Murn_111::Murn_111(int typeCode) : CFamilyBase(typeCode, "D31") {}
Brel_106::Brel_106(int typeCode) : CFamilyBase(typeCode, "D32") {}
Brel_107::Brel_107(int typeCode) : CFamilyBase(typeCode, "D34") {}
Vek_141::Vek_141(int typeCode) : CFamilyBase(typeCode, "D37") {}
Vek_145l::Vek_145l(int typeCode) : CFamilyBase(typeCode, "D41") {}
Vek_147::Vek_147(int typeCode) : CFamilyBase(typeCode, "D42") {}
Vek_149::Vek_149(int typeCode) : CFamilyBase(typeCode, "D44") {}
Vek_152::Vek_152(int typeCode) : CFamilyBase(typeCode, "D46") {}
Vek_153::Vek_153(int typeCode) : CFamilyBase(typeCode, "D51") {}
Vek_154::Vek_154(int typeCode) : CFamilyBase(typeCode, "D52") {}
Vek_155::Vek_155(int typeCode) : CFamilyBase(typeCode, "D53") {}
CBridgeFamily::CBridgeFamily(int typeCode, const char *tableId) : CFamilyBase(typeCode, tableId) {}
// Sensor 54 has one row more than 55 and 56.
Yorm_102::Yorm_102(int typeCode) : CBridgeFamily(typeCode, typeCode == 54 ? "D54a" : "D54b") {}
Yorm_105::Yorm_105(int typeCode) : CBridgeFamily(typeCode, "D57") {}
Yorm_106::Yorm_106(int typeCode) : CBridgeFamily(typeCode, "D58") {}
Murn_107::Murn_107(int typeCode) : CFamilyBase(typeCode, "D59") {}
Murn_103::Murn_103(int typeCode) : CFamilyBase(typeCode, "D60") {}
Vek_143::Vek_143(int typeCode) : CFamilyBase(typeCode, "D67") {}
Murn_110::Murn_110(int typeCode) : CFamilyBase(typeCode, "D69") {}
Murn_108::Murn_108(int typeCode) : CFamilyBase(typeCode, "D70") {}
Murn_106::Murn_106(int typeCode) : CFamilyBase(typeCode, "D71") {}
Vek_116::Vek_116(int typeCode) : CFamilyBase(typeCode, "D72") {}
Vek_118::Vek_118(int typeCode) : CFamilyBase(typeCode, "D75") {}
Vek_121::Vek_121(int typeCode) : CFamilyBase(typeCode, "D76") {}
Vek_157b::Vek_157b(int typeCode) : CFamilyBase(typeCode, "D80") {}
Vek_157f::Vek_157f(int typeCode) : CFamilyBase(typeCode, "D81") {}
Vek_137::Vek_137(int typeCode) : CFamilyBase(typeCode, "D82") {}
Vek_117::Vek_117(int typeCode) : CFamilyBase(typeCode, "D83") {}
Vek_107::Vek_107(int typeCode) : CFamilyBase(typeCode, "D84") {}
Vek_113::Vek_113(int typeCode) : CFamilyBase(typeCode, "D85") {}
Vek_111::Vek_111(int typeCode) : CFamilyBase(typeCode, "D86") {}
Vek_123::Vek_123(int typeCode) : CFamilyBase(typeCode, "D88") {}
Vek_135::Vek_135(int typeCode) : CFamilyBase(typeCode, "D90") {}
Vek_110::Vek_110(int typeCode) : CFamilyBase(typeCode, "D92") {}
Vek_114::Vek_114(int typeCode) : CFamilyBase(typeCode, "D94") {}
Vek_132::Vek_132(int typeCode) : CFamilyBase(typeCode, "D95") {}
Vek_138::Vek_138(int typeCode) : CFamilyBase(typeCode, "D99") {}
Vek_119::Vek_119(int typeCode) : CFamilyBase(typeCode, "D103") {}
Vek_128::Vek_128(int typeCode) : CFamilyBase(typeCode, "D110") {}
Drav_102::Drav_102(int typeCode)
    : CFamilyBase(typeCode, "D111"), roi{DravRoi(m_roiStore[0]), DravRoi(m_roiStore[1])} {}
Drav_101::Drav_101(int typeCode) : CFamilyBase(typeCode, "D112") {}
Vek_120::Vek_120(int typeCode) : CFamilyBase(typeCode, "D113") {}
Vek_146::Vek_146(int typeCode) : CFamilyBase(typeCode, "D115") {}

void Vek_108::InitDefaults(QString configPath, int catalogueIndex) {
    m_catalogueIndex = catalogueIndex;
    CFamilyBase::InitDefaults(configPath);
}

void Vek_108::RegisterUpdate(int context, int catalogueIndex) {
    m_catalogueIndex = catalogueIndex;
    CFamilyBase::RegisterUpdate(context);
}

void CBridgeFamily::CalculatePLLExt(int) {}
void Yorm_102::CalculatePLLExt_(int) {}
void Yorm_106::CalculatePLLNet_ks(int, bool) {}

bool Yorm_106::fineAdjustPll0P2toExt_ks(int) {
    return false;
}

void Vek_123::PLL_Caluate() {}

QStringList Vek_123::GetSequencer(QString) const {
    return {};
}

QStringList Vek_123::GetDefaultSetting(QString) const {
    return {};
}

void Vek_135::CalculateScaledPLL() {}

QStringList Vek_135::GetSequencer(QString) const {
    return {};
}

void Vek_114::CalculatePLL(int) {}
void Vek_138::CalculatePLLMode(int) {}

int Vek_128::NumberOfRegisters() const {
    return registerCount();
}

int Vek_128::getDefaultBitDepthIndex() {
    return 0;
}

double Vek_128::getDefaultPixelClockIndex() const {
    return defaults.defaultTargetClock;
}

DravRoi::DravRoi(quint16 *values) {
    for (int i = 0; i < FieldCount; ++i)
        m_fields[i] = values + i;
}

uint DravRoi::roiValue(int field) const {
    return (field >= 0 && field < FieldCount) ? *m_fields[field] : 0u;
}

void DravRoi::setRoiValue(int field, int value) {
    if (field >= 0 && field < FieldCount)
        *m_fields[field] = quint16(value & 0xFFFF);
}

void Drav_102::setXSkipIndex(int index) {
    if (isSkipIndex(index))
        m_xSkipIndex = index;
}

void Drav_102::setYSkipIndex(int index) {
    if (isSkipIndex(index))
        m_ySkipIndex = index;
}

int Drav_102::NumberOfRegisters(bool) const {
    return registerCount();
}

int Drav_102::getDefaultBitDepthIndex() {
    return 0;
}

double Drav_102::getDefaultPixelClockIndex() const {
    return defaults.defaultTargetClock;
}

// ---------------------------------------------------------------------------
// Form-based families.

Vek_125::Vek_125(int typeCode) : CFormFamily(typeCode, "Vek_125") {}

void Vek_125::InitDefaults(QString configPath) {
    CFormFamily::InitDefaults(configPath);
    applyVarDefaults(*this, kVek125Vars);
    intgTime = IntgTime.value;
}

void Vek_125::PllUpdate() {}
void Vek_125::ResultsUpdate(int) {}
void Vek_125::RegisterUpdate(int) {}

Murn_102::Murn_102(int typeCode) : CFormFamily(typeCode, "Murn_102") {}

void Murn_102::InitDefaults(QString configPath) {
    CFormFamily::InitDefaults(configPath);
    applyVarDefaults(*this, kMurn102Vars);
}

void Murn_102::Calculate() {}

Murn_104::Murn_104(int typeCode) : CFormFamily(typeCode, "Murn_104") {}

void Murn_104::InitDefaults(QString configPath) {
    CFormFamily::InitDefaults(configPath);
    applyVarDefaults(*this, kMurn104Vars);
}

void Murn_104::Calculate() {}

// ---------------------------------------------------------------------------
// Plain families.

Zelt::Zelt(int typeCode) : CPlainFamily(typeCode, "D105") {}

void Zelt::CalculatePLL(int) {}
void Zelt::CalculateTiming(int, bool, bool) {}

Holv_101::Holv_101(int typeCode)
    : CPlainFamily(typeCode, "D114"), configBlock{pll.opBits,  pll.interfaceIndex, pll.pllP4,
                                                  pll.pllP5,   pll.pllTargetOp,    pll.mpDiv,
                                                  pll.pllVco2, pll.pllN2,          pll.phyCd,
                                                  pll.outPort, pll.pllWcd,         pll.twoPixBits,
                                                  pll.custRev} {
    // The radar configuration the window starts with.
    configBlock.bitsPerSample = 12;
    configBlock.decimation = 0;
    configBlock.chirpResetTime = 10;
    configBlock.chirpRampTime = 15;
    configBlock.freqMin = 79.0;
    configBlock.slope = 25;
    configBlock.adcStartTime = 2.0;
    configBlock.adcSamples = 512;
    configBlock.adcClock = 60;
    configBlock.mipiWordClock = 60;
    configBlock.chirpsPerFrame = 128;
    configBlock.elevation = false;
    configBlock.tdmMimo = true;
}

void Holv_101::CalculateConfig(int) {}

QStringList Holv_101::AddStateVars() const {
    return {};
}

QStringList Holv_101::GetAppendant(QString) const {
    return {};
}
