// Widget lines that many option forms share word for word: the output size
// and integration-time boxes of the context panels, and the bypass and
// MIPI-continuous boxes of the PLL panels.
#pragma once

#include "panels.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QSpinBox>

#include <vector>

namespace panels {

// The output rows and columns of the current read-out mode, stored back as
// the window's size.
inline Widget rowsForMode()
{
    return on<&Pallador::spinRows>("spinRows")
        .start(mode(&CModeState::outputRows))
        .slot("spinRows_valueChanged(int)")
        .tip(tips::kRowsForMode)
        .back(store(&Pallador::rows));
}

inline Widget colsForMode()
{
    return on<&Pallador::spinCols>("spinCols")
        .start(mode(&CModeState::outputCols))
        .slot("spinCols_valueChanged(int)")
        .tip(tips::kColsForMode)
        .back(store(&Pallador::cols));
}

// The context's integration time, stored back as the window's.
inline Widget integrationTime()
{
    return on<&Pallador::dSpinIntgTime>("dSpinIntgTime")
        .start(ctx(&CContextParams::intgTime))
        .slot("dSpinIntgTime_valueChanged(double)")
        .tip(tips::kIntgTime)
        .back(store(&Pallador::intgTime));
}

inline Widget pllBypass()
{
    return on<&Pallador::checkPLL_Bypass>("checkPLL_Bypass").slot("checkPLL_Bypass_clicked()").tip(tips::kBypass);
}

inline Widget mipiContinuous()
{
    return on<&Pallador::checkPLL_MIPICont>("checkPLL_MIPICont")
        .start(pll(&CPllParams::mipiCont))
        .slot("checkPLL_MIPICont_clicked()")
        .tip(tips::kMipiCont);
}

// A form's lines followed by more.
inline std::vector<Widget> joined(std::vector<Widget> lines, const std::vector<Widget> &more)
{
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

} // namespace panels
