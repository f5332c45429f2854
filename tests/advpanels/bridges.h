// Rows of the forms Yorm102_Adv (entries 54 to 56), Yorm105_Adv (57, 58) and
// Murn106_Adv (71): one context, sizes taken from the family, the
// field-of-view drawing, and a re-opening that writes the family's values
// into the connected boxes. Included by tst_advpanels.cpp after the row
// types.
#pragma once

namespace advpanels {

namespace bridges {

using M = CModeState;
using C = CContextParams;

struct Sensor {
    int entry;
    const char *sample;
};
const std::vector<Sensor> kSensors = {{54, "Yorm101t"}, {55, "Yorm102m"}, {56, "Yorm102t"},
                                      {57, "Yorm105m"}, {58, "Yorm106m"}, {71, "Sarn107k"}};

// The size and offset boxes every form has, and the picture areas.
inline std::vector<Check> sizes(const char *sensorArea)
{
    return {
        value("spinRows", panels::mode(&M::outputRows)),
        value("spinCols", panels::mode(&M::outputCols)),
        value("spinSocR", panels::mode(&M::cropRows)),
        value("spinSocC", panels::mode(&M::cropCols)),
        value("spinFovR", panels::mode(&M::fovRows)),
        value("spinFovC", panels::mode(&M::fovCols)),
        tip("spinRows", "Output Rows: Enter desired # of rows to output in final image"),
        tip("spinCols", "Output Columns: Enter desired # of colums to output in final image"),
        tip("spinSocR", "SOC Crop Rows: Enter desired # of rows in SOC cpipe"),
        tip("spinSocC", "SOC Crop Columns: Enter desired # of colums in SOC cpipe"),
        tip("spinFovR", "Sensor FOV Rows: Enter desired # of rows in sensor field-of-view"),
        tip("spinFovC", "Sensor FOV Columns: Enter desired # of colums in sensor field-of-view"),
        tip("spinFovY", "Enter sensor FOV calibration rows offset"),
        tip("spinFovX", "Enter sensor FOV calibration cols offset"),
        holds(panels::ref<&P::spinRows>(), "spinRows"),
        holds(panels::ref<&P::spinSocR>(), "spinSocR"),
        holds(panels::ref<&P::spinSocC>(), "spinSocC"),
        holds(panels::ref<&P::spinFovY>(), "spinFovY"),
        holds(panels::ref<&P::labelT1T2>(), "labelCorePic"),
        holds(panels::ref<&P::labelT2T3>(), "labelSOCPic"),
        holds(panels::ref<&P::labelT3T4>(), "labelOutPic"),
        holds(panels::ref<&P::scrollAreaFOV>(), sensorArea),
    };
}

// What differs by form: the read-out mode (hidden on the Yorm102 form), the
// output format (none on the Murn106 form) and the offsets' values.
inline std::vector<Check> byForm(int entry)
{
    const Check format = value("comboOutFormat", panels::ctx(&C::outFormat));
    const Check formatTip = tip("comboOutFormat", "Select the output image format");
    if (entry <= 56)
        return {value("spinReadMode", panels::ctx(&C::skipping)), noTip("spinReadMode"), format, formatTip};
    if (entry <= 58)
        return {format, formatTip};
    return {value("spinReadMode", panels::ctx(&C::readMode)), tip("spinReadMode", "Select the output read mode"),
            value("spinFovX", panels::ctx(&C::fovX)), value("spinFovY", panels::ctx(&C::fovY)),
            holds(panels::ref<&P::spinReadMode>(), "spinReadMode")};
}

// Sizes and modes the use cases do not give, so that every box shows the
// family's.
inline void distinctSizes(Pallador &, CFamilyCore &f)
{
    M &m = f.mode[0];
    m.fovCols = 1200;
    m.fovRows = 900;
    m.cropCols = 1000;
    m.cropRows = 750;
    m.outputCols = 800;
    m.outputRows = 600;
    f.ctx[0].skipping = 1;
    f.ctx[0].readMode = 1;
    f.ctx[0].outFormat = 2;
    f.ctx[0].fovX = 12;
    f.ctx[0].fovY = 8;
}

// Offset limits of the family: the boxes reach one step beyond either way.
inline void offsetLimits(Pallador &, CFamilyCore &f)
{
    f.mode[0].fovYMin = 0;
    f.mode[0].fovYMax = 40;
    f.mode[0].fovXMin = 2;
    f.mode[0].fovXMax = 64;
}

inline std::vector<Check> maxima(int rows, int cols)
{
    return {property("spinRows", "maximum", rows), property("spinSocR", "maximum", rows),
            property("spinFovR", "maximum", rows), property("spinCols", "maximum", cols),
            property("spinSocC", "maximum", cols), property("spinFovC", "maximum", cols)};
}

const QStringList kYorm105Formats = {"Bayer", "YcbCr-8", "YcbCr-10", "RGB-888", "RGB-565", "Jpeg", "H.264"};

// The drawing's sizes (sensor pixels): at 1/7 the drawing area is 300 x 200
// and at 1/10 210 x 140; the field of view is 1400 x 1050.
const FovSizes kFov1400{{2100, 1400}, {1400, 1050}, {1400, 1050}, {700, 350}, {350, 175}, {3, 4}, 0};
const FovSizes kWide{{1920, 1080}, {1500, 1050}, {1920, 1080}, {960, 540}, {480, 270}, {0, 0}, 0};

} // namespace bridges

inline Rows bridgeRows()
{
    using namespace bridges;
    Rows rows;
    for (const Sensor &s : kSensors) {
        const char *sensorArea = s.entry == 71 ? "scrollArea" : "scrollAreaFOV";
        rows.openings.push_back(Opening{s.entry, s.sample}.expect(sizes(sensorArea)).expect(byForm(s.entry)));
        rows.openings.push_back(Opening{s.entry, s.sample}
                                    .note("distinct family values")
                                    .given(distinctSizes)
                                    .expect(sizes(sensorArea))
                                    .expect(byForm(s.entry)));
    }

    // Size limits by the attached sensor's kind; other kinds keep the form's.
    rows.openings.push_back(Opening{57, "Yorm105m"}.note("kind 2").expect(maxima(1088, 1928)));
    rows.openings.push_back(Opening{57, "Yorm105m"}.attachedTo("Vek117m1").note("kind 3").expect(maxima(1088, 1928)));
    rows.openings.push_back(Opening{57, "Yorm105m"}.attachedTo("Sarn106c1").note("kind 0").expect(maxima(976, 1284)));
    rows.openings.push_back(Opening{58, "Yorm106m"}.note("kind 3").expect(maxima(1208, 1928)));
    rows.openings.push_back(Opening{58, "Yorm106m"}.attachedTo("Vek116t2").note("kind 2").expect(maxima(1088, 1928)));
    rows.openings.push_back(Opening{58, "Yorm106m"}.attachedTo("Vek1081").note("kind 1").expect(maxima(976, 1284)));
    // The output formats offered.
    rows.openings.push_back(Opening{57, "Yorm105m"}.note("formats").expect({items("comboOutFormat", kYorm105Formats)}));
    rows.openings.push_back(
        Opening{58, "Yorm106m"}.note("formats").expect({items("comboOutFormat", kYorm105Formats.mid(0, 5))}));
    rows.openings.push_back(Opening{54, "Yorm101t"}.note("formats").expect(
        {items("comboOutFormat", {"YcbCr-8+8", "YcbCr-10+10", "YcbCr-16"})}));
    // The offsets reach one beyond the family's limits; the Sarn107k's start
    // at the context's offsets, in the form's range.
    rows.openings.push_back(Opening{55, "Yorm102m"}
                                .note("offset limits")
                                .given(offsetLimits)
                                .expect({property("spinFovY", "minimum", -1), property("spinFovY", "maximum", 41),
                                         property("spinFovX", "minimum", 1), property("spinFovX", "maximum", 65)}));
    rows.openings.push_back(Opening{57, "Yorm105m"}
                                .note("offset limits")
                                .given(offsetLimits)
                                .expect({property("spinFovY", "minimum", -1), property("spinFovX", "maximum", 65)}));
    rows.openings.push_back(Opening{71, "Sarn107k"}.note("offsets").expect(
        {value("spinFovX", panels::setting(&P::fovX)), value("spinFovY", panels::setting(&P::fovY)),
         property("spinFovX", "value", 0), property("spinFovY", "maximum", 960)}));

    rows.states.push_back(States{54, "Yorm101t"}.hidden({"spinReadMode"}));
    rows.states.push_back(States{55, "Yorm102m"}.hidden({"spinReadMode", "comboOutFormat"}));
    rows.states.push_back(States{56, "Yorm102t"}.hidden({"spinReadMode", "comboOutFormat"}));
    rows.states.push_back(States{57, "Yorm105m"});
    rows.states.push_back(States{58, "Yorm106m"});
    rows.states.push_back(States{71, "Sarn107k"});

    // The divisor by attached sensor: 7 for the Yorm102 form with kind 3,
    // 15 for the Yorm105 form with kind 2 or 3, otherwise 10. Halves drop
    // their fraction; a centred output keeps its picture's size.
    rows.drawings.push_back(
        Drawing{55, "Yorm102m"}
            .attachedTo("Drav1031")
            .note("kind 3, 1/7")
            .from(kFov1400)
            .draws({200, 150}, {60, 45, 200, 150}, {3, 4, 200, 150}, {270, 95, 100, 50}, {455, 107, 50, 25}));
    FovSizes centred = kFov1400;
    centred.centering = 1;
    rows.drawings.push_back(
        Drawing{54, "Yorm101t"}
            .note("kind 0, 1/10, centred")
            .from(centred)
            .draws({140, 105}, {45, 37, 140, 105}, {3, 4, 140, 105}, {240, 72, 70, 35}, {417, 81, 35, 17}, false));
    rows.drawings.push_back(
        Drawing{56, "Yorm102t"}
            .note("kind 2, 1/10")
            .from(kFov1400)
            .draws({140, 105}, {45, 37, 140, 105}, {3, 4, 140, 105}, {240, 72, 70, 35}, {417, 81, 35, 17}));
    rows.drawings.push_back(
        Drawing{57, "Yorm105m"}
            .note("kind 2, 1/15")
            .from(kWide)
            .draws({100, 70}, {10, 20, 128, 72}, {0, 0, 128, 72}, {202, 38, 64, 36}, {378, 47, 32, 18}));
    rows.drawings.push_back(
        Drawing{58, "Yorm106m"}
            .note("kind 3, 1/15")
            .from(kWide)
            .draws({100, 70}, {10, 20, 128, 72}, {0, 0, 128, 72}, {202, 38, 64, 36}, {378, 47, 32, 18}));
    rows.drawings.push_back(
        Drawing{58, "Yorm106m"}
            .attachedTo("Vek1081")
            .note("kind 1, 1/10")
            .from(kWide)
            .draws({150, 105}, {10, 20, 192, 108}, {0, 0, 192, 108}, {218, 47, 96, 54}, {402, 60, 48, 27}));
    rows.drawings.push_back(Drawing{71, "Sarn107k"}.note("1/10").from(kFov1400).draws(
        {140, 105}, {45, 37, 140, 105}, {3, 4, 140, 105}, {240, 72, 70, 35}, {417, 81, 35, 17}));
    // A sensor area wider than the drawing area: -7 / 2 is -3.
    rows.drawings.push_back(
        Drawing{54, "Yorm101t"}
            .note("sensor area beyond the drawing area")
            .from({{700, 700}, {700, 700}, {770, 720}, {700, 700}, {700, 700}, {0, 0}, 0})
            .draws({70, 70}, {7, 19, 77, 72}, {0, 0, 77, 72}, {170, 20, 70, 70}, {330, 20, 70, 70}));

    rows.turned.push_back(Turned{55, "Yorm102m"}.note("as read"));
    rows.turned.push_back(Turned{55, "Yorm102m"}.note("mirrored").turn(true, false));
    rows.turned.push_back(Turned{57, "Yorm105m"}.note("flipped, 1/15").turn(false, true).at(15));
    rows.turned.push_back(Turned{71, "Sarn107k"}.note("mirrored and flipped").turn(true, true));

    // The bridges' family keeps the sizes their slots gave it, and their
    // calculation refreshes the boxes itself: only the re-opening's own
    // calculation runs, also for values that never reached the settings.
    rows.cascades.push_back(Cascade{54, "Yorm101t"}.note("crop rows").change({{"spinSocR", 700}}));
    rows.cascades.push_back(Cascade{55, "Yorm102m"}.note("crop rows").change({{"spinSocR", 700}}));
    rows.cascades.push_back(Cascade{57, "Yorm105m"}.note("crop rows").change({{"spinSocR", 700}}));
    rows.cascades.push_back(Cascade{58, "Yorm106m"}.note("FOV rows").change({{"spinFovR", 800}}));
    rows.cascades.push_back(Cascade{55, "Yorm102m"}.note("crop rows left").change({{"spinSocR", 700}}, true));
    rows.cascades.push_back(
        Cascade{57, "Yorm105m"}.note("output size left").change({{"spinRows", 600}, {"spinCols", 800}}, true));
    // The Sarn107k's crop is not the library's, and the close's use case
    // gives the family its field of view back: each box that takes the
    // family's value back runs its slot.
    rows.cascades.push_back(Cascade{71, "Sarn107k"}.note("crop rows").change({{"spinSocR", 700}}).calculations(2));
    rows.cascades.push_back(
        Cascade{71, "Sarn107k"}.note("crop").change({{"spinSocR", 700}, {"spinSocC", 900}}).calculations(3));
    rows.cascades.push_back(Cascade{71, "Sarn107k"}.note("FOV columns").change({{"spinFovC", 1000}}).calculations(2));
    // The offsets stay the context's, and the calculation moved the sensor
    // picture to them.
    rows.cascades.push_back(Cascade{71, "Sarn107k"}
                                .note("offsets")
                                .change({{"spinFovX", 8}, {"spinFovY", 6}})
                                .after({property("spinFovX", "value", 8), property("spinFovY", "value", 6),
                                        property("labelCorePic", "pos", QPoint(8, 6))}));
    return rows;
}

} // namespace advpanels
