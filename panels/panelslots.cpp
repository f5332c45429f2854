// The boxes that open the option panels. The advanced PLL panel shows the
// PLL results when it opens; an advanced option panel makes its context the
// current one and recalculates it with the panel's settings in use or not.
#include "pallador.h"

#include <QCheckBox>

void Pallador::on_checkPLL_ADV_clicked()
{
    if (ui.checkPLL_ADV->isChecked())
        showPllResults();
}

void Pallador::on_checkAdvParam_A_clicked()
{
    currentContext = 0;
    advParamOn[0] = ui.checkAdvParam_A->isChecked();
    recalc(false);
}

void Pallador::on_checkAdvParam_B_clicked()
{
    currentContext = 1;
    advParamOn[1] = ui.checkAdvParam_B->isChecked();
    recalc(false);
}
