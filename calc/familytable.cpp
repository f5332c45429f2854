// The family dispatch: one row per run of catalogue entries, naming the
// context set-up and the calculation of the family that serves them. The
// context set-up (Pallador::initContext) and the calculation
// (Pallador::recalc) both read it, so a new sensor is one row here.
#include "adapter.h"

namespace adapter {

namespace {

// The families whose set-up serves every context alike, or whose
// calculation does not depend on whether the PLL changed, take the table's
// common signatures through these.
template <void (*F)(Pallador &w)> void withoutContext(Pallador &w, int)
{
    F(w);
}

template <void (*F)(Pallador &w)> void withoutPllFlag(Pallador &w, bool)
{
    F(w);
}

// Brel103 and Brel107 share one op-divider calculation over their own
// family objects.
void recalcBrel103(Pallador &w)
{
    recalcOpDividerFamily(w, w.calvex->brel_103);
}

void recalcBrel107(Pallador &w)
{
    recalcOpDividerFamily(w, w.calvex->brel_107);
}

const FamilyRow kFamilies[] = {
    {1, 11, withoutContext<initTolm104>, withoutPllFlag<recalcTolm104>},
    {12, 12, initBrel101, recalcBrel101},
    {13, 13, withoutContext<initMurn105>, withoutPllFlag<recalcMurn105>},
    {14, 20, initBrel102, recalcBrel102},
    {21, 21, initVek101, recalcVek101},
    {22, 24, initVek108, recalcVek108},
    {25, 25, withoutContext<initBrel103>, withoutPllFlag<recalcBrel103>},
    {26, 26, withoutContext<initVek124>, withoutPllFlag<recalcVek124>},
    {27, 27, withoutContext<initMurn109>, withoutPllFlag<recalcMurn109>},
    {28, 29, initBrel104, recalcBrel104},
    {30, 30, initBrel105, recalcBrel105},
    {31, 31, initMurn111, recalcMurn111},
    {32, 33, withoutContext<initBrel106>, withoutPllFlag<recalcBrel106>},
    {34, 36, withoutContext<initBrel107>, withoutPllFlag<recalcBrel107>},
    {37, 40, withoutContext<initVek141>, withoutPllFlag<recalcVek141>},
    {41, 41, withoutContext<initVek145l>, withoutPllFlag<recalcVek145l>},
    {42, 43, withoutContext<initVek147>, withoutPllFlag<recalcVek147>},
    {44, 45, withoutContext<initVek149>, withoutPllFlag<recalcVek149>},
    {46, 50, withoutContext<initVek152>, withoutPllFlag<recalcVek152>},
    {51, 51, withoutContext<initVek153>, withoutPllFlag<recalcVek153>},
    {52, 52, withoutContext<initVek154>, withoutPllFlag<recalcVek154>},
    {53, 53, withoutContext<initVek155>, withoutPllFlag<recalcVek155>},
    {54, 56, withoutContext<initYorm102>, withoutPllFlag<recalcYorm102>},
    {57, 57, withoutContext<initYorm105>, withoutPllFlag<recalcYorm105>},
    {58, 58, withoutContext<initYorm105>, withoutPllFlag<recalcYorm106>},
    {59, 59, initMurn107, recalcMurn107},
    {60, 61, initMurn103, recalcMurn103},
    {62, 64, withoutContext<initVek125>, withoutPllFlag<recalcVek125>},
    {65, 65, withoutContext<initMurn102>, withoutPllFlag<recalcMurn102>},
    {66, 66, withoutContext<initMurn104>, withoutPllFlag<recalcMurn104>},
    {67, 68, withoutContext<initVek143>, withoutPllFlag<recalcVek143>},
    {69, 69, initMurn110, recalcMurn110},
    {70, 70, initMurn108, recalcMurn108},
    {71, 71, withoutContext<initMurn106>, recalcMurn106},
    {72, 74, initVek116, recalcVek116},
    {75, 75, withoutContext<initVek118>, withoutPllFlag<recalcVek118>},
    {76, 79, initVek121, recalcVek121},
    {80, 80, withoutContext<initVek157b>, withoutPllFlag<recalcVek157b>},
    {81, 81, withoutContext<initVek157f>, withoutPllFlag<recalcVek157f>},
    {82, 82, withoutContext<initVek137>, withoutPllFlag<recalcVek137>},
    {83, 83, withoutContext<initVek117>, withoutPllFlag<recalcVek117>},
    {84, 84, withoutContext<initVek107>, withoutPllFlag<recalcVek107>},
    {85, 85, withoutContext<initVek113>, withoutPllFlag<recalcVek113>},
    {86, 87, withoutContext<initVek111>, recalcVek111},
    {88, 89, withoutContext<initVek123>, withoutPllFlag<recalcVek123>},
    {90, 91, withoutContext<initVek135>, withoutPllFlag<recalcVek135>},
    {92, 93, withoutContext<initVek110>, withoutPllFlag<recalcVek110>},
    {94, 94, withoutContext<initVek114>, withoutPllFlag<recalcVek114>},
    {95, 98, withoutContext<initVek132>, withoutPllFlag<recalcVek132>},
    {99, 101, withoutContext<initVek138>, withoutPllFlag<recalcVek138>},
    {102, 102, withoutContext<initVek118>, withoutPllFlag<recalcVek118>},
    {103, 104, withoutContext<initVek119>, withoutPllFlag<recalcVek119>},
    {105, 109, withoutContext<initZelt>, withoutPllFlag<recalcZelt>},
    {110, 110, withoutContext<initVek128>, withoutPllFlag<recalcVek128>},
    {111, 111, withoutContext<initDrav102>, withoutPllFlag<recalcDrav102>},
    {112, 112, withoutContext<initDrav101Vek120>, withoutPllFlag<recalcDrav101>},
    {113, 113, withoutContext<initDrav101Vek120>, withoutPllFlag<recalcVek120>},
    {114, 114, withoutContext<initHolv101>, withoutPllFlag<recalcHolv101>},
    {115, 115, withoutContext<initVek146>, withoutPllFlag<recalcVek146>},
};

} // namespace

const FamilyRow *familyRow(int sensorIndex)
{
    for (const FamilyRow &row : kFamilies) {
        if (sensorIndex >= row.first && sensorIndex <= row.last)
            return &row;
    }
    return nullptr;
}

} // namespace adapter
