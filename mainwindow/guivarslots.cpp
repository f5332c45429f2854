// Receivers of the named-variable binder's signals: they store what the
// window keeps itself and recalculate.
#include "pallador.h"

#include "cguivars.h"

namespace {

bool isVek125Family(int sensorIndex)
{
    return sensorIndex >= 62 && sensorIndex <= 64;
}

// Clocks that exclude each other: fixing one releases its partner.
const char *exclusivePartner(const QString &field)
{
    static const char *const pairs[][2] = {
        {"SystemFreq", "PixelFreq"},
        {"SerialFreq", "WordFreq"},
    };
    for (const auto &pair : pairs) {
        if (field == QLatin1String(pair[0]))
            return pair[1];
        if (field == QLatin1String(pair[1]))
            return pair[0];
    }
    return nullptr;
}

} // namespace

void Pallador::checkGuiVars(QString field, bool checked)
{
    if (isVek125Family(sensorIndex) && guiVars) {
        if (checked) {
            if (const char *partner = exclusivePartner(field))
                guiVars->setChecked(partner, false);
        } else if (GUIVAR_ITEM_T *item = guiVars->iVar(field.toLatin1().constData())) {
            releasedVar = item->var;
        }
    }
    recalc(true);
}

void Pallador::valueChangedGuiVars(QString field, float val)
{
    // The PLL dock's own widgets have slots of their own that store the value
    // and recalculate.
    static const char *const dockWidgets[] = {"dSpinPLL_Target", "dSpinPLL_Input", "checkPLL_M", "checkPLL_N",
                                              "checkPLL_VCO",    "spinPLL_M",      "spinPLL_N",  "dSpinPLL_VCO"};
    for (const char *name : dockWidgets) {
        if (field == QLatin1String(name))
            return;
    }
    if (isVek125Family(sensorIndex)) {
        if (field == QLatin1String("SystemFreq"))
            pllTarget = double(val);
        else if (field == QLatin1String("InputFreq"))
            pllInput = double(val);
    }
    recalc(true);
}
