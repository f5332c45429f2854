// Advanced panels of the forms Brel101_Adv (Sarn102, both contexts),
// Sarn106c_Adv (the Brel_102 sensors 14 to 20, both contexts) and
// Brel103_Adv (Sarn109).
#include "commonwidgets.h"
#include "panels.h"

#include "calvex.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSpinBox>

namespace panels {

namespace {

using P = Pallador;
using M = CModeState;
using C = CContextParams;

// The Brel_102 sensors read out in one of two ways: 14, 16, 17 and 18 skip
// rows; 15, 19 and 20 choose an exposure ratio and a window start, and of
// these only 19 and 20 sub-sample by that start and take HDR from the panel.
const Entries kRowSkipping{14, 16, 17, 18};
const Entries kWindowStart{15, 19, 20};
const Entries kSubSampling{19, 20};

constexpr char kColsForModeSpelt[] =
    "Output Columns: Enter desired # of columns to output in final image for this mode";

std::vector<Widget> sizeAndTime()
{
    return {
        rowsForMode(),
        colsForMode(),
        integrationTime(),
        on<&P::checkHDR>("checkHDR")
            .start(flag(ctx(&C::hdrMode)))
            .slot("checkHDR_clicked()")
            .tip(tips::kHdr)
            .back(store(&P::hdrMode)),
        on<&P::checkBinning>("checkBinning")
            .start(factor(mode(&M::binning)))
            .slot("checkBinning_clicked()")
            .tip(tips::kBinDot)
            .back(store(&P::binning)),
    };
}

FormCase brel101()
{
    FormCase c{Panel::A, "Brel101_Adv"};
    c.widgets = sizeAndTime();
    return c;
}

// The Brel101 lines and the window start, exposure ratio and row skipping;
// which of them a sensor shows, and reads back, goes by its entry. The row
// skip combo is the read-mode combo of the context and acts through its slot
// only.
FormCase sarn106c()
{
    FormCase c{Panel::A, "Sarn106c_Adv"};
    c.widgets = sizeAndTime();
    c.change("spinCols", [](Widget &d) { d.tip(kColsForModeSpelt); }).change("checkHDR", [](Widget &d) {
        d.disabled(kRowSkipping).back(store(&P::hdrMode), kSubSampling);
    });
    c.widgets.insert(c.widgets.begin() + 2, {
                                                on<&P::spinRowSub>("spinRowSub")
                                                    .start(ctx(&C::rowSubsampling))
                                                    .hidden(kRowSkipping)
                                                    .slot("spinRowSub_valueChanged(int)")
                                                    .tip("Rows Start: Enter desired starting rows in final image")
                                                    .back(store(&P::skipping), kSubSampling),
                                                on<&P::spinColSub>("spinColSub")
                                                    .start(ctx(&C::colSubsampling))
                                                    .hidden(kRowSkipping)
                                                    .slot("spinColSub_valueChanged(int)")
                                                    .tip("Cols Start: Enter desired starting cols in final image")
                                                    .back(store(&P::binXOnly), kSubSampling),
                                            });
    c.widgets.insert(c.widgets.end(), {
                                          on<&P::comboCCRow>("comboCCRow")
                                              .start(ctx(&C::ccRow))
                                              .hidden(kRowSkipping)
                                              .slot("comboCCRow_currentIndexChanged(int)")
                                              .tip("Exposure Ratio: Enter desired Exposure Ration for this context")
                                              .back(store(&P::ccRow), kSubSampling),
                                          on<&P::comboReadMode>("comboRowSkip")
                                              .hidden(kWindowStart)
                                              .slot("comboReadMode_currentIndexChanged(int)")
                                              .tip("Select the row skip factor"),
                                          lookOnly<QLabel>("labelExpRatio").hidden(kRowSkipping),
                                          lookOnly<QLabel>("labelColStart").hidden(kRowSkipping),
                                          lookOnly<QLabel>("labelRowStart").hidden(kRowSkipping),
                                          lookOnly<QLabel>("labelSkipFactor").hidden(kWindowStart),
                                      });
    return c;
}

// The output size is shown as the window's setting and the result pane
// count it, the border on each side included, so that the box, its slot and
// the read-back all take one quantity.
FormCase brel103()
{
    FormCase c{Panel::A, "Brel103_Adv"};
    c.widgets = {
        on<&P::checkSkipping>("checkSkipping")
            .start(factor(mode(&M::colSkip)))
            .slot("checkSkipping_clicked()")
            .back(store(&P::skipping))
            .tickIsFactor(),
        on<&P::checkBinning>("checkBinning")
            .start(flag(mode(&M::summing)))
            .slot("checkBinning_clicked()")
            .back(store(&P::binning)),
        on<&P::spinRows>("spinRows")
            .start(mode(&M::outputRows))
            .slot("spinRows_valueChanged(int)")
            .back(store(&P::rows)),
        on<&P::spinCols>("spinCols")
            .start(mode(&M::outputCols))
            .slot("spinCols_valueChanged(int)")
            .back(store(&P::cols)),
    };
    return c;
}

} // namespace

std::vector<FormCase> brel101Sarn106cBrel103Cases()
{
    std::vector<FormCase> cases;
    const FormCase brel101A = brel101();
    cases.push_back(brel101A);
    cases.push_back(brel101A.derive(Panel::B));

    // Panel B: HDR is context A's, shown and never changed here, but read back
    // into context B for every sensor; the exposure ratio and the row skip
    // go to context B's slots; the columns' tool tip is the common one.
    const FormCase sarn106cA = sarn106c();
    cases.push_back(sarn106cA);
    cases.push_back(sarn106cA.derive(Panel::B)
                        .change("spinCols", [](Widget &d) { d.tip(tips::kColsForMode); })
                        .change("checkHDR",
                                [](Widget &d) {
                                    d.start(ofContext(0, flag(ctx(&C::hdrMode)))).disabled().back(store(&P::hdrMode));
                                })
                        .change("comboCCRow", [](Widget &d) { d.slot("comboCCRowB_currentIndexChanged(int)"); })
                        .change("comboRowSkip", [](Widget &d) { d.slot("comboReadModeB_currentIndexChanged(int)"); }));

    cases.push_back(brel103());
    return cases;
}

} // namespace panels
