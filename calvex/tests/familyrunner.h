// Shared by the calculation tests: creating a family of a type code and
// running its set-up and standard calculation the way the application does.
#pragma once

#include "calvex.h"
#include "engine/traits.h"

#include <QList>
#include <QString>

namespace testing {

// The family's set-up, from a configuration file when a path is given. Vek_108
// also takes the catalogue index of the sensor (any of its type codes will do
// without a file).
inline void initDefaults(CFamilyCore *family, int catalogueIndex, const QString &path = QString())
{
    if (auto *f = dynamic_cast<Vek_108 *>(family))
        f->InitDefaults(path, catalogueIndex);
    else if (auto *f = dynamic_cast<CFamilyBase *>(family))
        f->InitDefaults(path);
    else if (auto *f = dynamic_cast<CPlainFamily *>(family))
        f->InitDefaults(path);
    else if (auto *f = dynamic_cast<Vek_125 *>(family))
        f->InitDefaults(path);
    else if (auto *f = dynamic_cast<Murn_102 *>(family))
        f->InitDefaults(path);
    else if (auto *f = dynamic_cast<Murn_104 *>(family))
        f->InitDefaults(path);
}

// The classic families: the ones with PllUpdate.
inline QList<int> classicCodes()
{
    QList<int> codes;
    for (int code : calvex::allTypeCodes()) {
        const calvex::Layout l = calvex::familyTraits(code).layout;
        if (l == calvex::Layout::Sensor || l == calvex::Layout::Isp || l == calvex::Layout::Bridge)
            codes << code;
    }
    return codes;
}

// One calculation of a context: PLL, timing, results, registers.
inline void calculate(CFamilyCore *family, int typeCode, int context)
{
    if (auto *f = dynamic_cast<Vek_108 *>(family)) {
        f->PllUpdate();
        f->TimingUpdate(context, false, true);
        f->ResultsUpdate(context);
        f->RegisterUpdate(context, typeCode);
    } else if (auto *f = dynamic_cast<CFamilyBase *>(family)) {
        f->PllUpdate();
        f->TimingUpdate(context, false, true);
        f->ResultsUpdate(context);
        f->RegisterUpdate(context);
    } else if (auto *f = dynamic_cast<Zelt *>(family)) {
        f->CalculatePLL(typeCode);
        f->CalculateTiming(0, false, true);
        f->SetResults(0);
        f->RegisterUpdate(0);
    } else if (auto *f = dynamic_cast<Holv_101 *>(family)) {
        f->CalculateConfig(0);
        f->SetResults(0);
        f->RegisterUpdate(0);
    } else if (auto *f = dynamic_cast<Vek_125 *>(family)) {
        f->PllUpdate();
        f->ResultsUpdate(0);
        f->RegisterUpdate(0);
    } else if (auto *f = dynamic_cast<Murn_102 *>(family)) {
        f->Calculate();
    } else if (auto *f = dynamic_cast<Murn_104 *>(family)) {
        f->Calculate();
    }
}

// The override convention: every free request goes in as -1.
inline void resetRequests(CPllParams &p)
{
    p.pllN = p.pllM = p.pllN2 = p.pllM2 = -1;
    p.pllP = p.pllP1 = p.pllP4 = p.pllP5 = p.pllOpDivider = -1;
    p.vcoRequest = -1.0;
    p.pllVco2 = -1.0;
}

} // namespace testing
