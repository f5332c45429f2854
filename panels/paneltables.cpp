// The option panels' tables: the forms of every catalogued sensor, and the
// one table of form cases gathered from the groups of forms.
#include "panels.h"

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

// The groups of form cases, each in its own source file (cases_*.cpp): one
// declaration and one line in formCases() per group.
std::vector<FormCase> murnAdvancedCases();
std::vector<FormCase> murnPllCases();
std::vector<FormCase> brel101Sarn106cBrel103Cases();
std::vector<FormCase> brel104To107Cases();
std::vector<FormCase> vek101Vek108Vek141Cases();
std::vector<FormCase> vek145l149Cases();
std::vector<FormCase> murnVek116Cases();
std::vector<FormCase> vek118Vek157Vek137Cases();
// Yorm102_Adv, Yorm105_Adv, Murn106_Adv
std::vector<FormCase> bridgeCases();
// Vek123_Adv, Vek135_Adv, Vek132_Adv
std::vector<FormCase> vek123Vek135Vek132Cases();
// Vek111_Adv and the Vek121 group's Vek116_Adv
std::vector<FormCase> vek111Vek121Cases();
// Vek107_Adv
std::vector<FormCase> vek107Cases();
// Vek117_Adv, Vek114_Adv
std::vector<FormCase> vek117Vek114Cases();
// Drav102_Adv, Zelt_Adv
std::vector<FormCase> drav102ZeltCases();
// Brel101_PLL, Vek102_PLL, Vek101_PLL, Vek108_PLL, Brel104_PLL, Brel105_PLL
std::vector<FormCase> interfacePllCases();
// Vek152_Adv, Vek153_Adv, Vek155_Adv, Vek143_Adv
std::vector<FormCase> vek152Vek155Vek143Cases();
// Vek128_Adv, Vek138_Adv
std::vector<FormCase> vek128Vek138Cases();
// Brel103_PLL, Brel107_PLL, Vek141_PLL, Vek145l_PLL, Vek149_PLL
std::vector<FormCase> opDividerPllCases();
// Yorm102_PLL, Yorm105_PLL, Yorm106_PLL
std::vector<FormCase> yormPllCases();
// Vek152_PLL, Vek153_PLL, Vek154_PLL
std::vector<FormCase> secondPllCases();
// Vek116_PLL, Vek118_PLL, Vek128_PLL, Drav102_PLL
std::vector<FormCase> vek116Drav102PllCases();
// Zelt_PLL, Holv101_PLL
std::vector<FormCase> zeltHolv101PllCases();
// Vek117_PLL, Vek107_PLL, Vek110_PLL, Vek111_PLL, Vek123_PLL
std::vector<FormCase> vek107To123PllCases();
// Vek155_PLL, Vek143_PLL, Vek157b_PLL, Vek157f_PLL, Vek132_PLL, Vek138_PLL
std::vector<FormCase> vek155To138PllCases();

const std::vector<FormCase> &formCases()
{
    static const std::vector<FormCase> cases = [] {
        std::vector<FormCase> all;
        for (std::vector<FormCase> (*group)() : {
                 murnAdvancedCases,
                 murnPllCases,
                 brel101Sarn106cBrel103Cases,
                 brel104To107Cases,
                 vek101Vek108Vek141Cases,
                 vek145l149Cases,
                 murnVek116Cases,
                 vek118Vek157Vek137Cases,
                 // Yorm102_Adv, Yorm105_Adv, Murn106_Adv
                 bridgeCases,
                 vek123Vek135Vek132Cases,
                 // Vek111_Adv and the Vek121 group's Vek116_Adv
                 vek111Vek121Cases,
                 vek107Cases, // Vek107_Adv
                 vek117Vek114Cases,
                 drav102ZeltCases, // Drav102_Adv, Zelt_Adv
                 // Brel101_PLL, Vek102_PLL, Vek101_PLL, Vek108_PLL, Brel104_PLL, Brel105_PLL
                 interfacePllCases,
                 vek152Vek155Vek143Cases, // Vek152_Adv, Vek153_Adv, Vek155_Adv, Vek143_Adv
                 // Vek128_Adv, Vek138_Adv
                 vek128Vek138Cases,
                 opDividerPllCases,
                 yormPllCases, // Yorm102_PLL, Yorm105_PLL, Yorm106_PLL
                 secondPllCases, // Vek152_PLL, Vek153_PLL, Vek154_PLL
                 vek116Drav102PllCases, // Vek116_PLL, Vek118_PLL, Vek128_PLL, Drav102_PLL
                 zeltHolv101PllCases,   // Zelt_PLL, Holv101_PLL
                 vek107To123PllCases, // Vek117_PLL, Vek107_PLL, Vek110_PLL, Vek111_PLL, Vek123_PLL
                 // Vek155_PLL, Vek143_PLL, Vek157b_PLL, Vek157f_PLL, Vek132_PLL, Vek138_PLL
                 vek155To138PllCases,
             }) {
            std::vector<FormCase> more = group();
            all.insert(all.end(), more.begin(), more.end());
        }
        return all;
    }();
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
