// Rows of the forms Yorm102_Adv (entries 54 to 56), Yorm105_Adv (57, 58) and
// Murn106_Adv (71). Included by tst_advpanels.cpp after the row types. The
// drawing, the size limits and the re-opening of these panels, which a row
// here cannot say, are tested in tst_bridgepanels.cpp.
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

// Sizes the use cases do not give, so that every box shows the family's.
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
    f.ctx[0].fovX = 12;
    f.ctx[0].fovY = 8;
}

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
    rows.states.push_back(States{54, "Yorm101t"}.hidden({"spinReadMode"}));
    rows.states.push_back(States{55, "Yorm102m"}.hidden({"spinReadMode", "comboOutFormat"}));
    rows.states.push_back(States{56, "Yorm102t"}.hidden({"spinReadMode", "comboOutFormat"}));
    rows.states.push_back(States{57, "Yorm105m"});
    rows.states.push_back(States{58, "Yorm106m"});
    rows.states.push_back(States{71, "Sarn107k"});
    return rows;
}

} // namespace advpanels
