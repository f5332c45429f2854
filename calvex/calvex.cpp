#include "calvex.h"

namespace {

// Creates a family object, stores it in its named pointer and returns it.
template <class Family, Family *CCalvex::*member> CFamilyCore *create(CCalvex &calvex, int typeCode) {
    Family *family = new Family(typeCode);
    calvex.*member = family;
    return family;
}

// Every family class with the type codes that create it (0 ends a list).
struct FamilyEntry {
    CFamilyCore *(*create)(CCalvex &, int);
    int typeCodes[5];
};

const FamilyEntry kFamilies[] = {
    {create<Tolm_104, &CCalvex::tolm_104>, {1}},
    {create<Murn_101, &CCalvex::murn_101>, {3, 10}},
    {create<Brel_101, &CCalvex::brel_101>, {12}},
    {create<Murn_105, &CCalvex::murn_105>, {13}},
    {create<Brel_102, &CCalvex::brel_102>, {14, 16, 17, 18, 20}},
    {create<Vek_101, &CCalvex::vek_101>, {21}},
    {create<Vek_108, &CCalvex::vek_108>, {22}},
    {create<Brel_103, &CCalvex::brel_103>, {25}},
    {create<Vek_124, &CCalvex::vek_124>, {26}},
    {create<Murn_109, &CCalvex::murn_109>, {27}},
    {create<Brel_104, &CCalvex::brel_104>, {28}},
    {create<Brel_105, &CCalvex::brel_105>, {30}},
    {create<Murn_111, &CCalvex::murn_111>, {31}},
    {create<Brel_106, &CCalvex::brel_106>, {32}},
    {create<Brel_107, &CCalvex::brel_107>, {34}},
    {create<Vek_141, &CCalvex::vek_141>, {37}},
    {create<Vek_145l, &CCalvex::vek_145l>, {41}},
    {create<Vek_147, &CCalvex::vek_147>, {42}},
    {create<Vek_149, &CCalvex::vek_149>, {44}},
    {create<Vek_152, &CCalvex::vek_152>, {49}},
    {create<Vek_153, &CCalvex::vek_153>, {51}},
    {create<Vek_154, &CCalvex::vek_154>, {52}},
    {create<Vek_155, &CCalvex::vek_155>, {53}},
    {create<Yorm_102, &CCalvex::yorm_102>, {54, 55, 56}},
    {create<Yorm_105, &CCalvex::yorm_105>, {57}},
    {create<Yorm_106, &CCalvex::yorm_106>, {58}},
    {create<Murn_107, &CCalvex::murn_107>, {59}},
    {create<Murn_103, &CCalvex::murn_103>, {60, 61}},
    {create<Vek_125, &CCalvex::vek_125>, {62}},
    {create<Murn_102, &CCalvex::murn_102>, {65}},
    {create<Murn_104, &CCalvex::murn_104>, {66}},
    {create<Vek_143, &CCalvex::vek_143>, {67}},
    {create<Murn_110, &CCalvex::murn_110>, {69}},
    {create<Murn_108, &CCalvex::murn_108>, {70}},
    {create<Murn_106, &CCalvex::murn_106>, {71}},
    {create<Vek_116, &CCalvex::vek_116>, {72}},
    {create<Vek_118, &CCalvex::vek_118>, {75, 102}},
    {create<Vek_121, &CCalvex::vek_121>, {77}},
    {create<Vek_157b, &CCalvex::vek_157b>, {80}},
    {create<Vek_157f, &CCalvex::vek_157f>, {81}},
    {create<Vek_137, &CCalvex::vek_137>, {82}},
    {create<Vek_117, &CCalvex::vek_117>, {83}},
    {create<Vek_107, &CCalvex::vek_107>, {84}},
    {create<Vek_113, &CCalvex::vek_113>, {85}},
    {create<Vek_111, &CCalvex::vek_111>, {87}},
    {create<Vek_123, &CCalvex::vek_123>, {89}},
    {create<Vek_135, &CCalvex::vek_135>, {90}},
    {create<Vek_110, &CCalvex::vek_110>, {92, 93}},
    {create<Vek_114, &CCalvex::vek_114>, {94}},
    {create<Vek_132, &CCalvex::vek_132>, {95}},
    {create<Vek_138, &CCalvex::vek_138>, {99}},
    {create<Vek_119, &CCalvex::vek_119>, {103}},
    {create<Zelt, &CCalvex::zelt>, {105, 106, 107, 108, 109}},
    {create<Vek_128, &CCalvex::vek_128>, {110}},
    {create<Drav_102, &CCalvex::drav_102>, {111}},
    {create<Drav_101, &CCalvex::drav_101>, {112}},
    {create<Vek_120, &CCalvex::vek_120>, {113}},
    {create<Holv_101, &CCalvex::holv_101>, {114}},
    {create<Vek_146, &CCalvex::vek_146>, {115}},
};

} // namespace

CCalvex::CCalvex(int typeCode) {
    if (typeCode <= 0)
        return;
    for (const FamilyEntry &entry : kFamilies) {
        for (int code : entry.typeCodes) {
            if (code == typeCode) {
                m_family = entry.create(*this, typeCode);
                m_family->bindRegisters();
                return;
            }
        }
    }
}

CCalvex::~CCalvex() {
    delete m_family;
}
