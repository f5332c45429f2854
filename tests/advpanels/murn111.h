// Rows of the context-A panel of Murn111_Adv (entry 31), the two-context
// sensor of the image-processor forms. Included by tst_advpanels.cpp after
// the row types.
#pragma once

namespace advpanels {

inline Rows murn111Rows()
{
    using M = CModeState;
    using panels::factor;
    using panels::flag;
    using panels::mode;
    using panels::setting;
    Rows rows;

    // The read-out boxes and the size start from the mode state; low power
    // acts through its slot only; the format combo shows the window's format.
    rows.openings.push_back(Opening{31, "Sarn116k"}.expect({
        value("checkBinning", factor(mode(&M::binning))),
        value("checkBin2Skip2", flag(mode(&M::bin2Skip2))),
        value("checkBinXonly", flag(mode(&M::binXOnly))),
        value("checkSkipping", factor(mode(&M::skipFactor))),
        value("checkLowPower", flag(mode(&M::lowPower))),
        value("checkCropping", flag(mode(&M::cropping))),
        value("checkAspectRatio", flag(mode(&M::aspectRatio))),
        value("spinRows", mode(&M::outputRows)),
        value("spinCols", mode(&M::outputCols)),
        value("comboOutFormat", setting(&P::outFormat)),
        tip("checkSkipping", "Check to activate skip setting"),
        tip("checkLowPower", "Check to activate low-power setting"),
        tip("comboOutFormat", "Select the output image format"),
        holds(panels::ref<&P::checkLowPower>(), "checkLowPower"),
    }));
    rows.states.push_back(States{31, "Sarn116k"});
    return rows;
}

} // namespace advpanels
