// The option panels' tables: the forms of every catalogued sensor and the
// form cases, each a list of the widgets its panel looks up with their
// members, starting values, connections, tool tips and read-back.
#include "panels.h"

#include "calvex.h"

#include <QCheckBox>
#include <QComboBox>

namespace panels {

namespace {

// ---------------------------------------------------------------------------
// Forms per sensor.

const std::vector<SensorForms> kSensorForms = {
    {1, 11, "Murn101_Adv", "Murn101_Adv", "Murn101_PLL"},
    {12, 12, "Brel101_Adv", "Brel101_Adv", "Brel101_PLL"},
    {13, 13, "Murn105_Adv", nullptr, "Murn105_PLL"},
    {14, 20, "Sarn106c_Adv", "Sarn106c_Adv", "Vek102_PLL"},
    {21, 21, "Vek101_Adv", "Vek101_Adv", "Vek101_PLL"},
    {22, 24, "Vek108_Adv", "Vek108_Adv", "Vek108_PLL"},
    {25, 25, "Brel103_Adv", nullptr, "Brel103_PLL"},
    {26, 26, "Vek124_Adv", nullptr, "Murn109_PLL"},
    {27, 27, "Murn109_Adv", nullptr, "Murn109_PLL"},
    {28, 29, "Brel104_Adv", "Brel104_Adv", "Brel104_PLL"},
    {30, 30, "Brel105_Adv", "Brel105_Adv", "Brel105_PLL"},
    {31, 31, "Murn111_Adv", "Murn111_Adv", "Murn111_PLL"},
    {32, 33, "Brel106_Adv", nullptr, nullptr},
    {34, 36, "Brel107_Adv", nullptr, "Brel107_PLL"},
    {37, 40, "Vek141_Adv", nullptr, "Vek141_PLL"},
    {41, 41, "Vek145l_Adv", nullptr, "Vek145l_PLL"},
    {42, 45, "Vek149_Adv", nullptr, "Vek149_PLL"},
    {46, 50, "Vek152_Adv", nullptr, "Vek152_PLL", false, true},
    {51, 51, "Vek153_Adv", nullptr, "Vek153_PLL", false, true},
    {52, 52, "Vek153_Adv", nullptr, "Vek154_PLL", false, true},
    {53, 53, "Vek155_Adv", nullptr, "Vek155_PLL"},
    {54, 56, "Yorm102_Adv", nullptr, "Yorm102_PLL"},
    {57, 57, "Yorm105_Adv", nullptr, "Yorm105_PLL"},
    {58, 58, "Yorm105_Adv", nullptr, "Yorm106_PLL"},
    {59, 59, "Murn107_Adv", "Murn107_Adv", "Murn107_PLL"},
    {60, 61, "Murn103_Adv", "Murn103_Adv", "Murn103_PLL"},
    {62, 64, "Vek125_Adv", nullptr, "Vek125_PLL", true},
    {65, 65, "Murn102_Adv", nullptr, nullptr, true},
    {66, 66, "Murn104_Adv", nullptr, "Murn104_PLL", true},
    {67, 68, "Vek143_Adv", nullptr, "Vek143_PLL"},
    {69, 69, "Murn110_Adv", "Murn110_Adv", "Murn110_PLL"},
    {70, 70, "Murn108_Adv", "Murn108_Adv", "Murn108_PLL"},
    {71, 71, "Murn106_Adv", nullptr, "Murn106_PLL"},
    {72, 74, "Vek116_Adv", "Vek116_Adv", "Vek116_PLL"},
    {75, 75, "Vek118_Adv", nullptr, "Vek118_PLL"},
    {76, 79, "Vek116_Adv", "Vek116_Adv", "Vek116_PLL"},
    {80, 80, "Vek157b_Adv", nullptr, "Vek157b_PLL"},
    {81, 81, "Vek157f_Adv", nullptr, "Vek157f_PLL"},
    {82, 82, "Vek137_Adv", nullptr, "Vek143_PLL"},
    {83, 83, "Vek107_Adv", nullptr, "Vek117_PLL"},
    {84, 84, "Vek107_Adv", nullptr, "Vek107_PLL"},
    {85, 85, "Vek107_Adv", nullptr, "Vek110_PLL"},
    {86, 87, "Vek111_Adv", "Vek111_Adv", "Vek111_PLL"},
    {88, 89, "Vek123_Adv", nullptr, "Vek123_PLL"},
    {90, 91, "Vek135_Adv", nullptr, "Vek152_PLL"},
    {92, 93, "Vek117_Adv", nullptr, "Vek110_PLL"},
    {94, 94, "Vek114_Adv", nullptr, "Vek118_PLL"},
    {95, 98, "Vek132_Adv", nullptr, "Vek132_PLL", false, true},
    {99, 101, "Vek138_Adv", nullptr, "Vek138_PLL"},
    {102, 102, "Vek118_Adv", nullptr, "Vek118_PLL"},
    {103, 104, "Vek111_Adv", nullptr, "Vek111_PLL"},
    {105, 109, "Zelt_Adv", nullptr, "Zelt_PLL"},
    {110, 110, "Vek128_Adv", nullptr, "Vek128_PLL"},
    {111, 111, "Drav102_Adv", nullptr, "Drav102_PLL"},
    {112, 113, "Vek152_Adv", nullptr, "Vek152_PLL"},
    {114, 114, nullptr, nullptr, "Holv101_PLL"},
    {115, 115, "Vek118_Adv", nullptr, "Vek118_PLL"},
};

// ---------------------------------------------------------------------------
// Starting values and read-back shared by several forms.

double windowRows(const Pallador &w, const CFamilyCore &, int c)
{
    return w.rows[c];
}
double windowCols(const Pallador &w, const CFamilyCore &, int c)
{
    return w.cols[c];
}
double outputRows(const Pallador &, const CFamilyCore &f, int c)
{
    return f.mode[c].outputRows;
}
double outputCols(const Pallador &, const CFamilyCore &f, int c)
{
    return f.mode[c].outputCols;
}
// The library keeps binning and skipping as factors, 1 when the mode is off.
double binningOn(const Pallador &, const CFamilyCore &f, int c)
{
    return f.mode[c].binning > 1;
}
double skippingOn(const Pallador &, const CFamilyCore &f, int c)
{
    return f.mode[c].skipFactor > 1;
}
double lowPowerOn(const Pallador &, const CFamilyCore &f, int c)
{
    return f.mode[c].lowPower != 0;
}
double windowOutFormat(const Pallador &w, const CFamilyCore &, int c)
{
    return w.outFormat[c];
}
double pllP4LessOne(const Pallador &, const CFamilyCore &f, int)
{
    return f.pll.pllP4 - 1;
}
double pllP5LessOne(const Pallador &, const CFamilyCore &f, int)
{
    return f.pll.pllP5 - 1;
}
double zero(const Pallador &, const CFamilyCore &, int)
{
    return 0;
}

void storeRows(Pallador &w, int c, double v)
{
    w.rows[c] = int(v);
}
void storeCols(Pallador &w, int c, double v)
{
    w.cols[c] = int(v);
}
void storeSkipping(Pallador &w, int c, double v)
{
    w.skipping[c] = int(v);
}
void storeBinning(Pallador &w, int c, double v)
{
    w.binning[c] = int(v);
}
void storeLowPower(Pallador &w, int c, double v)
{
    w.lowPower[c] = int(v);
}

const char *const kOutputRowsTip = "Output Rows: Enter desired # of rows to output in final image";
const char *const kOutputColsTip = "Output Columns: Enter desired # of colums to output in final image";
const char *const kImageTypeTip = "Select the output image type";
const char *const kOutFormatTip = "Select the output image format";
const char *const kBypassTip = "Check to bypass the PLL setting";
const char *const kP4Tip = "Check to enter the P4 divider manually";
const char *const kP5Tip = "Check to enter the P5 divider manually";
const char *const kP4SpinTip = "PLL P4: Enter specific 'P4' divider value";
const char *const kP5SpinTip = "PLL P5: Enter specific 'P5' divider value";

// The picture labels of the block-diagram PLL forms; the result display
// fills them.
Widget label(const char *name, Member member)
{
    return Widget{name, member};
}

std::vector<Widget> diagramLabels(bool outputClock)
{
    std::vector<Widget> labels = {
        label("labelPLL_InClk", ref<&Pallador::labelPLL_InClk>()),
        label("labelPLL_M", ref<&Pallador::labelPLL_M>()),
        label("labelPLL_N", ref<&Pallador::labelPLL_N>()),
        label("labelPLL_P", ref<&Pallador::labelPLL_P>()),
        label("labelPLL_PixClk", ref<&Pallador::labelPLL_PixClk>()),
        label("labelPLL_MipiClk", ref<&Pallador::labelPLL_MipiClk>()),
    };
    if (outputClock)
        labels.push_back(label("labelPLL_OutClk", ref<&Pallador::labelPLL_OutClk>()));
    return labels;
}

// ---------------------------------------------------------------------------
// Rules a table cannot hold.

// Vek124_Adv: the format is fixed to "Bayer"; the image types are the
// family's; the binning boxes are open by the skip factor.
void prepareVek124(Pallador &w, const CFamilyCore &f, int c)
{
    if (QComboBox *types = w.comboOutFormat[1]) {
        types->clear();
        types->addItems(f.pll.imageTypes);
        types->setCurrentIndex(0);
    }
    const int skip = f.mode[c].skipFactor;
    if (w.checkBinning[c])
        w.checkBinning[c]->setEnabled(skip == 2 || skip == 4);
    if (w.checkBinSF[c])
        w.checkBinSF[c]->setEnabled(skip == 4);
}

// Murn109_Adv shows the output size without the eight border pixels.
double outputRowsLessBorder(const Pallador &, const CFamilyCore &f, int c)
{
    return f.mode[c].outputRows - 8;
}
double outputColsLessBorder(const Pallador &, const CFamilyCore &f, int c)
{
    return f.mode[c].outputCols - 8;
}

// ---------------------------------------------------------------------------
// Form cases.

std::vector<FormCase> makeFormCases()
{
    std::vector<FormCase> cases;

    // Context A of the sensors 1 to 11.
    {
        FormCase c{Panel::A, "Murn101_Adv"};
        c.widgets = {
            {"checkSkipping", ref<&Pallador::checkSkipping>(), skippingOn, "checkSkipping_clicked()", nullptr,
             storeSkipping},
            {"checkLowPower", ref<&Pallador::checkLowPower>(), lowPowerOn, "checkLowPower_clicked()", nullptr,
             storeLowPower},
            {"spinRows", ref<&Pallador::spinRows>(), windowRows, "spinRows_valueChanged(int)", nullptr, storeRows},
            {"spinCols", ref<&Pallador::spinCols>(), windowCols, "spinCols_valueChanged(int)", nullptr, storeCols},
        };
        cases.push_back(c);
    }
    // Context B of the same sensors: one context only, so the panel is shown
    // and does nothing.
    {
        FormCase c{Panel::B, "Murn101_Adv"};
        c.showOnly = true;
        cases.push_back(c);
    }

    {
        FormCase c{Panel::A, "Murn105_Adv"};
        c.widgets = {
            {"checkSkipping", ref<&Pallador::checkSkipping>(),
             [](const Pallador &, const CFamilyCore &f, int cc) -> double { return f.mode[cc].skipFactor == 2; },
             "checkSkipping_clicked()", nullptr, storeSkipping},
            // "4x4 Skip" is the binning setting of this sensor.
            {"checkBinning", ref<&Pallador::checkBinning>(),
             [](const Pallador &, const CFamilyCore &f, int cc) -> double { return f.mode[cc].skipFactor == 4; },
             "checkBinning_clicked()", nullptr, storeBinning},
            {"spinRows", ref<&Pallador::spinRows>(), windowRows, "spinRows_valueChanged(int)", nullptr, storeRows},
            {"spinCols", ref<&Pallador::spinCols>(), windowCols, "spinCols_valueChanged(int)", nullptr, storeCols},
        };
        cases.push_back(c);
    }

    {
        FormCase c{Panel::A, "Vek124_Adv"};
        c.widgets = {
            {"spinCols", ref<&Pallador::spinCols>(), outputCols, "spinCols_valueChanged(int)", kOutputColsTip,
             storeCols},
            {"spinRows", ref<&Pallador::spinRows>(), outputRows, "spinRows_valueChanged(int)", kOutputRowsTip,
             storeRows},
            {"checkBinning", ref<&Pallador::checkBinning>(), binningOn, "checkBinning_clicked()",
             "Check to activate binning setting.", storeBinning},
            {"checkBinSF", ref<&Pallador::checkBinSF>(),
             [](const Pallador &, const CFamilyCore &f, int cc) -> double { return f.mode[cc].binSF != 0; },
             "checkBinSF_clicked()", "Check to activate SF binning setting",
             [](Pallador &w, int cc, double v) { w.binSF[cc] = int(v); }},
            // Skip factor 1, 2, 4 as index 0, 1, 2.
            {"comboReadMode", ref<&Pallador::comboReadMode>(),
             [](const Pallador &, const CFamilyCore &f, int cc) -> double { return f.mode[cc].skipFactor / 2; },
             "comboReadMode_currentIndexChanged(int)", "Enter the sensor skip/bin factor (1,2,4)",
             [](Pallador &w, int cc, double v) { w.skipping[cc] = v < 0 ? 0 : 1 << int(v); }},
            {"comboOutFormat", ref<&Pallador::comboOutFormat>(),
             [](const Pallador &, const CFamilyCore &, int) -> double { return 3; }, nullptr, nullptr, nullptr,
             Disabled},
            // The image type is held in the format member of context B; its
            // items are the family's (prepareVek124).
            {"comboImageType", ref<&Pallador::comboOutFormat, 1>(), nullptr, "comboImageType_currentIndexChanged(int)",
             kImageTypeTip},
        };
        c.prepare = prepareVek124;
        cases.push_back(c);
    }

    {
        FormCase c{Panel::A, "Murn109_Adv"};
        c.widgets = {
            {"spinFovC", ref<&Pallador::spinFovC>(),
             [](const Pallador &, const CFamilyCore &f, int cc) -> double { return f.mode[cc].fovCols; },
             "spinFovC_valueChanged(int)", "Sensor FOV Columns: Enter desired # of colums in sensor field-of-view",
             [](Pallador &w, int cc, double v) { w.fovCols[cc] = int(v); }},
            {"spinFovR", ref<&Pallador::spinFovR>(),
             [](const Pallador &, const CFamilyCore &f, int cc) -> double { return f.mode[cc].fovRows; },
             "spinFovR_valueChanged(int)", "Sensor FOV Rows: Enter desired # of rows in sensor field-of-view",
             [](Pallador &w, int cc, double v) { w.fovRows[cc] = int(v); }},
            {"spinCols", ref<&Pallador::spinCols>(), outputColsLessBorder, "spinCols_valueChanged(int)", kOutputColsTip,
             storeCols},
            {"spinRows", ref<&Pallador::spinRows>(), outputRowsLessBorder, "spinRows_valueChanged(int)", kOutputRowsTip,
             storeRows},
            {"spinReadMode", ref<&Pallador::spinReadMode>(),
             [](const Pallador &, const CFamilyCore &f, int cc) -> double { return f.ctx[cc].readMode; },
             "spinReadMode_valueChanged(int)", "Enter the sensor read out mode (0 ~ 5)", storeSkipping},
            {"comboOutFormat", ref<&Pallador::comboOutFormat>(), windowOutFormat,
             "comboOutFormat_currentIndexChanged(int)", kOutFormatTip},
            {"comboImageType", ref<&Pallador::comboOutFormat, 1>(),
             [](const Pallador &w, const CFamilyCore &, int cc) -> double { return w.imageType[cc]; },
             "comboImageType_currentIndexChanged(int)", kImageTypeTip},
        };
        cases.push_back(c);
    }

    {
        FormCase c{Panel::A, "Murn111_Adv"};
        c.widgets = {
            {"checkBinning", ref<&Pallador::checkBinning>(), binningOn, "checkBinning_clicked()",
             "Check to activate bin setting", storeBinning},
            {"checkBin2Skip2", ref<&Pallador::checkBin2Skip2>(),
             [](const Pallador &, const CFamilyCore &f, int cc) -> double { return f.mode[cc].bin2Skip2 != 0; },
             "checkBin2Skip2_clicked()", "Check to activate bin2skip2 setting",
             [](Pallador &w, int cc, double v) { w.bin2Skip2[cc] = int(v); }},
            {"checkBinXonly", ref<&Pallador::checkBinXonly>(),
             [](const Pallador &, const CFamilyCore &f, int cc) -> double { return f.mode[cc].binXOnly != 0; },
             "checkBinXonly_clicked()", "Check to activate column binning setting",
             [](Pallador &w, int cc, double v) { w.binXOnly[cc] = int(v); }},
            {"checkSkipping", ref<&Pallador::checkSkipping>(), skippingOn, "checkSkipping_clicked()",
             "Check to activate skip setting", storeSkipping},
            // Low power acts through its slot only; the read-back leaves it.
            {"checkLowPower", ref<&Pallador::checkLowPower>(), lowPowerOn, "checkLowPower_clicked()",
             "Check to activate low-power setting"},
            {"checkCropping", ref<&Pallador::checkCropping>(),
             [](const Pallador &, const CFamilyCore &f, int cc) -> double { return f.mode[cc].cropping != 0; },
             "checkCropping_clicked()", "Check to activate crop setting",
             [](Pallador &w, int cc, double v) { w.cropping[cc] = int(v); }},
            {"checkAspectRatio", ref<&Pallador::checkAspectRatio>(),
             [](const Pallador &, const CFamilyCore &f, int cc) -> double { return f.mode[cc].aspectRatio != 0; },
             "checkAspectRatio_clicked()", "Check to activate 16:9 HD aspect ratio",
             [](Pallador &w, int cc, double v) { w.aspectRatio[cc] = int(v); }},
            {"spinRows", ref<&Pallador::spinRows>(), outputRows, "spinRows_valueChanged(int)",
             "Output Rows: Enter desired # of rows to output in final image for this mode", storeRows},
            {"spinCols", ref<&Pallador::spinCols>(), outputCols, "spinCols_valueChanged(int)",
             "Output Columns: Enter desired # of colums to output in final image for this mode", storeCols},
            {"comboOutFormat", ref<&Pallador::comboOutFormat>(), windowOutFormat,
             "comboOutFormat_currentIndexChanged(int)", kOutFormatTip},
        };
        cases.push_back(c);
    }

    // Advanced PLL panels.
    {
        FormCase c{Panel::Pll, "Murn101_PLL"};
        c.widgets = diagramLabels(true);
        cases.push_back(c);
    }
    {
        FormCase c{Panel::Pll, "Murn105_PLL"};
        c.widgets = {
            {"checkPLL_Bypass", ref<&Pallador::checkPLL_Bypass>(), nullptr, "checkPLL_Bypass_clicked()"},
            {"checkPLL_PreScale", ref<&Pallador::checkPLL_PreScale>(),
             [](const Pallador &, const CFamilyCore &f, int) -> double { return f.pll.pllPreScale; },
             "checkPLL_PreScale_clicked()"},
            {"checkPLL_WCD", ref<&Pallador::checkPLL_WCD>(), nullptr, "checkPLL_WCD_clicked()"},
            {"spinPLL_WCD", ref<&Pallador::spinPLL_WCD>(), zero, "spinPLL_WCD_valueChanged(int)"},
        };
        cases.push_back(c);
    }
    {
        FormCase c{Panel::Pll, "Murn109_PLL"};
        c.widgets = diagramLabels(false);
        c.widgets.insert(
            c.widgets.end(),
            {
                // The form has no output clock.
                {"labelPLL_OutClk", ref<&Pallador::labelPLL_OutClk>(), nullptr, nullptr, nullptr, nullptr, Absent},
                {"checkPLL_Bypass", ref<&Pallador::checkPLL_Bypass>(), nullptr, "checkPLL_Bypass_clicked()",
                 kBypassTip},
                {"checkPLL_P4", ref<&Pallador::checkPLL_P4>(), nullptr, "checkPLL_P4_clicked()", kP4Tip},
                {"checkPLL_P5", ref<&Pallador::checkPLL_P5>(), nullptr, "checkPLL_P5_clicked()", kP5Tip},
                {"spinPLL_P4", ref<&Pallador::spinPLL_P4>(), pllP4LessOne, "spinPLL_P4_valueChanged(int)", kP4SpinTip},
                {"spinPLL_P5", ref<&Pallador::spinPLL_P5>(), pllP5LessOne, "spinPLL_P5_valueChanged(int)", kP5SpinTip},
            });
        cases.push_back(c);
    }
    {
        FormCase c{Panel::Pll, "Murn111_PLL"};
        c.widgets = diagramLabels(false);
        c.widgets.insert(
            c.widgets.end(),
            {
                {"checkPLL_Bypass", ref<&Pallador::checkPLL_Bypass>(), nullptr, "checkPLL_Bypass_clicked()",
                 kBypassTip},
                {"checkPLL_P4", ref<&Pallador::checkPLL_P4>(), nullptr, "checkPLL_P4_clicked()", kP4Tip},
                {"checkPLL_P5", ref<&Pallador::checkPLL_P5>(), nullptr, "checkPLL_P5_clicked()", kP5Tip},
                {"checkPLL_I2C", ref<&Pallador::checkPLL_I2C>(), nullptr, "checkPLL_I2C_clicked()",
                 "Check to enter the I2C clock manually", nullptr, Hidden},
                {"checkPLL_WCD", ref<&Pallador::checkPLL_WCD>(), nullptr, "checkPLL_WCD_clicked()",
                 "Check to enter the word clock divider manually"},
                {"spinPLL_P4", ref<&Pallador::spinPLL_P4>(), pllP4LessOne, "spinPLL_P4_valueChanged(int)", kP4SpinTip},
                {"spinPLL_P5", ref<&Pallador::spinPLL_P5>(), pllP5LessOne, "spinPLL_P5_valueChanged(int)", kP5SpinTip},
                {"spinPLL_I2C", ref<&Pallador::spinPLL_I2C>(),
                 [](const Pallador &, const CFamilyCore &, int) -> double { return 300; },
                 "spinPLL_I2C_valueChanged(int)", "I2C Master Clock: Enter specific I2C clock value in KHz", nullptr,
                 Hidden},
                {"spinPLL_WCD", ref<&Pallador::spinPLL_WCD>(), zero, "spinPLL_WCD_valueChanged(int)",
                 "Enter specific word clock divider value (0: 8 bit, 1: 10 bits, 2: 12 bits"},
                {"comboPLL_REV", ref<&Pallador::comboPLL_REV>(), nullptr, "comboPLL_REV_currentIndexChanged(int)",
                 "Select the correct hardware revision number", nullptr, Hidden},
            });
        cases.push_back(c);
    }

    return cases;
}

} // namespace

const std::vector<SensorForms> &sensorFormTable()
{
    return kSensorForms;
}

const SensorForms *sensorForms(int sensorIndex)
{
    for (const SensorForms &row : kSensorForms) {
        if (sensorIndex >= row.first && sensorIndex <= row.last)
            return &row;
    }
    return nullptr;
}

QString formName(int sensorIndex, Panel panel)
{
    const SensorForms *row = sensorForms(sensorIndex);
    if (!row)
        return QString();
    const char *name = panel == Panel::A ? row->formA : panel == Panel::B ? row->formB : row->formPll;
    return QLatin1String(name);
}

QString formResource(const QString &form)
{
    return QStringLiteral(":/Forms/Form_Files/") + form + QStringLiteral(".ui");
}

const std::vector<FormCase> &formCases()
{
    static const std::vector<FormCase> cases = makeFormCases();
    return cases;
}

const FormCase *formCase(int sensorIndex, Panel panel)
{
    const SensorForms *row = sensorForms(sensorIndex);
    if (!row || row->builtBySetUp)
        return nullptr;
    const QString form = formName(sensorIndex, panel);
    if (form.isEmpty())
        return nullptr;
    for (const FormCase &c : formCases()) {
        const bool servesSensor = c.firstSensor == 0 || (sensorIndex >= c.firstSensor && sensorIndex <= c.lastSensor);
        if (c.panel == panel && form == QLatin1String(c.form) && servesSensor)
            return &c;
    }
    return nullptr;
}

} // namespace panels
