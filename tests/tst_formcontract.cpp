// The Designer forms against the panel code that uses them: every form in
// the resources loads and is one the sensor table names, at its size; every
// widget a form case looks up is in its form with its class (or, where the
// case says the form lacks it, is not), and each case finds as many widgets
// as its form is known to hold for it; every connection names a slot of the
// window that takes the widget's signal; no two panels of a sensor write one
// window member, and only the listed members are shared between the context
// panels and the PLL panel; the text of every caption fits its widget at the
// form's size; the forms give ranges before values; and a few values that
// behaviour depends on are the form's. The checks are driven by the panel
// tables, so every form added to them is checked too.
#include "panels/panels.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QSet>
#include <QSpinBox>
#include <QStyleFactory>
#include <QUiLoader>
#include <QXmlStreamReader>
#include <QtTest>

#include <map>
#include <memory>
#include <set>
#include <utility>

namespace {

const QString kFormFolder = QStringLiteral(":/Forms/Form_Files");
// Forms of the window and the start-up chooser, not option forms.
const QSet<QString> kOwnForms = {QStringLiteral("Pallador"), QStringLiteral("StartUpDialog")};

std::unique_ptr<QWidget> load(const QString &form)
{
    QUiLoader loader;
    QFile file(panels::formResource(form));
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    return std::unique_ptr<QWidget>(loader.load(&file));
}

QStringList optionForms()
{
    QStringList forms;
    for (const QString &file : QDir(kFormFolder).entryList({QStringLiteral("*.ui")}, QDir::Files)) {
        const QString name = file.chopped(3);
        if (!kOwnForms.contains(name))
            forms << name;
    }
    return forms;
}

// The application's font at another size while the object lives.
class FontScope {
public:
    explicit FontScope(int pointSize) : m_saved(QApplication::font())
    {
        QFont font = m_saved;
        font.setPointSize(pointSize);
        QApplication::setFont(font);
    }
    ~FontScope() { QApplication::setFont(m_saved); }
    FontScope(const FontScope &) = delete;
    FontScope &operator=(const FontScope &) = delete;

private:
    QFont m_saved;
};

QString panelName(panels::Panel panel)
{
    return panel == panels::Panel::A   ? QStringLiteral("A")
           : panel == panels::Panel::B ? QStringLiteral("B")
                                       : QStringLiteral("PLL");
}

// "Murn111_Adv A", or "Vek116_Adv A 76-79" for a case of some entries.
QString caseLabel(const panels::FormCase &c)
{
    QString label = QLatin1String(c.form) + QLatin1Char(' ') + panelName(c.panel);
    if (c.firstSensor != 0)
        label += QStringLiteral(" %1-%2").arg(c.firstSensor).arg(c.lastSensor);
    return label;
}

int contextOf(panels::Panel panel)
{
    return panel == panels::Panel::B ? 1 : 0;
}

// The top widget's size of every option form.
const std::map<QString, QSize> kTopSizes = {
    {QStringLiteral("Murn101_Adv"), {204, 106}}, {QStringLiteral("Murn105_Adv"), {237, 118}},
    {QStringLiteral("Vek124_Adv"), {379, 203}},  {QStringLiteral("Murn109_Adv"), {379, 219}},
    {QStringLiteral("Murn111_Adv"), {386, 165}}, {QStringLiteral("Murn101_PLL"), {440, 158}},
    {QStringLiteral("Murn105_PLL"), {300, 86}},  {QStringLiteral("Murn109_PLL"), {440, 214}},
    {QStringLiteral("Murn111_PLL"), {440, 214}},
    // Brel101, Sarn106c and Brel103 advanced forms.
    {QStringLiteral("Brel101_Adv"), {255, 142}}, {QStringLiteral("Sarn106c_Adv"), {317, 142}},
    {QStringLiteral("Brel103_Adv"), {228, 119}},
    // Brel104_Adv, Brel105_Adv, Brel106_Adv, Brel107_Adv
    {QStringLiteral("Brel104_Adv"), {355, 171}}, {QStringLiteral("Brel105_Adv"), {497, 184}},
    {QStringLiteral("Brel106_Adv"), {250, 143}}, {QStringLiteral("Brel107_Adv"), {228, 119}},
    // Vek101, Vek108 and Vek141 advanced forms.
    {QStringLiteral("Vek101_Adv"), {284, 144}},  {QStringLiteral("Vek108_Adv"), {335, 160}},
    {QStringLiteral("Vek141_Adv"), {398, 209}},
    // Vek145l_Adv, Vek149_Adv
    {QStringLiteral("Vek145l_Adv"), {570, 329}}, {QStringLiteral("Vek149_Adv"), {398, 209}},
    // Murn107_Adv, Murn103_Adv, Murn110_Adv, Murn108_Adv, Vek116_Adv
    {QStringLiteral("Murn107_Adv"), {317, 173}}, {QStringLiteral("Murn103_Adv"), {317, 173}},
    {QStringLiteral("Murn110_Adv"), {386, 165}}, {QStringLiteral("Murn108_Adv"), {346, 188}},
    {QStringLiteral("Vek116_Adv"), {452, 218}},
    // Vek118_Adv, Vek157b_Adv, Vek157f_Adv and Vek137_Adv.
    {QStringLiteral("Vek118_Adv"), {440, 295}},  {QStringLiteral("Vek157b_Adv"), {428, 195}},
    {QStringLiteral("Vek157f_Adv"), {428, 195}}, {QStringLiteral("Vek137_Adv"), {438, 191}},
    // Yorm102_Adv, Yorm105_Adv, Murn106_Adv
    {QStringLiteral("Yorm102_Adv"), {473, 234}}, {QStringLiteral("Yorm105_Adv"), {473, 234}},
    {QStringLiteral("Murn106_Adv"), {873, 317}},
    // Vek123_Adv, Vek135_Adv and Vek132_Adv.
    {QStringLiteral("Vek123_Adv"), {481, 213}},  {QStringLiteral("Vek135_Adv"), {440, 216}},
    {QStringLiteral("Vek132_Adv"), {440, 236}},
    // Vek111_Adv
    {QStringLiteral("Vek111_Adv"), {414, 180}},
    // Vek107_Adv
    {QStringLiteral("Vek107_Adv"), {474, 286}},
    // Vek117_Adv, Vek114_Adv
    {QStringLiteral("Vek117_Adv"), {440, 310}},  {QStringLiteral("Vek114_Adv"), {440, 250}},
    // Drav102_Adv, Zelt_Adv
    {QStringLiteral("Drav102_Adv"), {440, 322}}, {QStringLiteral("Zelt_Adv"), {440, 200}},
    // Brel101, Vek102, Vek101, Vek108, Brel104 and Brel105 PLL forms
    {QStringLiteral("Brel101_PLL"), {440, 146}}, {QStringLiteral("Vek102_PLL"), {440, 172}},
    {QStringLiteral("Vek101_PLL"), {440, 52}},   {QStringLiteral("Vek108_PLL"), {440, 88}},
    {QStringLiteral("Brel104_PLL"), {440, 52}},  {QStringLiteral("Brel105_PLL"), {440, 88}},
    // Vek152_Adv, Vek153_Adv, Vek155_Adv, Vek143_Adv
    {QStringLiteral("Vek152_Adv"), {398, 209}},  {QStringLiteral("Vek153_Adv"), {441, 209}},
    {QStringLiteral("Vek155_Adv"), {398, 209}},  {QStringLiteral("Vek143_Adv"), {398, 209}},
    // Vek125_Adv, Vek125_PLL, Murn102_Adv, Murn104_Adv, Murn104_PLL (bound by variable name)
    {QStringLiteral("Vek125_Adv"), {333, 99}},   {QStringLiteral("Vek125_PLL"), {630, 269}},
    {QStringLiteral("Murn102_Adv"), {354, 59}},  {QStringLiteral("Murn104_Adv"), {302, 55}},
    {QStringLiteral("Murn104_PLL"), {326, 34}},
    // Vek128_Adv, Vek138_Adv
    {QStringLiteral("Vek128_Adv"), {440, 320}},  {QStringLiteral("Vek138_Adv"), {540, 380}},
    // Brel103_PLL, Brel107_PLL, Vek141_PLL, Vek145l_PLL, Vek149_PLL
    {QStringLiteral("Brel103_PLL"), {400, 190}}, {QStringLiteral("Brel107_PLL"), {400, 190}},
    {QStringLiteral("Vek141_PLL"), {400, 154}},  {QStringLiteral("Vek145l_PLL"), {400, 154}},
    {QStringLiteral("Vek149_PLL"), {400, 154}},
    // Yorm102_PLL, Yorm105_PLL, Yorm106_PLL
    {QStringLiteral("Yorm102_PLL"), {443, 216}}, {QStringLiteral("Yorm105_PLL"), {443, 216}},
    {QStringLiteral("Yorm106_PLL"), {443, 291}},
    // Vek152_PLL, Vek153_PLL, Vek154_PLL, Murn107_PLL, Murn103_PLL, Murn110_PLL, Murn108_PLL, Murn106_PLL
    {QStringLiteral("Vek152_PLL"), {440, 170}},  {QStringLiteral("Vek153_PLL"), {440, 170}},
    {QStringLiteral("Vek154_PLL"), {440, 200}},  {QStringLiteral("Murn107_PLL"), {223, 50}},
    {QStringLiteral("Murn103_PLL"), {284, 207}}, {QStringLiteral("Murn110_PLL"), {445, 207}},
    {QStringLiteral("Murn108_PLL"), {256, 120}}, {QStringLiteral("Murn106_PLL"), {454, 207}},
    // Vek116_PLL, Vek118_PLL, Vek128_PLL, Drav102_PLL, Zelt_PLL, Holv101_PLL
    {QStringLiteral("Vek116_PLL"), {411, 75}},   {QStringLiteral("Vek118_PLL"), {343, 150}},
    {QStringLiteral("Vek128_PLL"), {343, 148}},  {QStringLiteral("Drav102_PLL"), {343, 148}},
    {QStringLiteral("Zelt_PLL"), {373, 133}},    {QStringLiteral("Holv101_PLL"), {427, 198}},
    // Vek117_PLL, Vek107_PLL, Vek110_PLL, Vek111_PLL, Vek123_PLL
    {QStringLiteral("Vek117_PLL"), {409, 145}},  {QStringLiteral("Vek107_PLL"), {401, 129}},
    {QStringLiteral("Vek110_PLL"), {405, 141}},  {QStringLiteral("Vek111_PLL"), {325, 118}},
    {QStringLiteral("Vek123_PLL"), {442, 170}},
    // Vek155_PLL, Vek143_PLL, Vek157b_PLL, Vek157f_PLL, Vek132_PLL, Vek138_PLL
    {QStringLiteral("Vek155_PLL"), {282, 98}},   {QStringLiteral("Vek143_PLL"), {282, 98}},
    {QStringLiteral("Vek157b_PLL"), {282, 98}},  {QStringLiteral("Vek157f_PLL"), {282, 98}},
    {QStringLiteral("Vek132_PLL"), {319, 186}},  {QStringLiteral("Vek138_PLL"), {377, 93}},
};

// How many of the names each case looks up its form holds (caseLabel).
const std::map<QString, int> kPresentNames = {
    {QStringLiteral("Murn101_Adv A"), 4},    {QStringLiteral("Murn101_Adv B"), 0},
    {QStringLiteral("Murn105_Adv A"), 4},    {QStringLiteral("Vek124_Adv A"), 7},
    {QStringLiteral("Murn109_Adv A"), 7},    {QStringLiteral("Murn111_Adv A"), 10},
    {QStringLiteral("Murn101_PLL PLL"), 7},  {QStringLiteral("Murn105_PLL PLL"), 4},
    {QStringLiteral("Murn109_PLL PLL"), 11}, {QStringLiteral("Murn111_PLL PLL"), 16},
    // Brel101, Sarn106c and Brel103 advanced forms.
    {QStringLiteral("Brel101_Adv A"), 5},    {QStringLiteral("Brel101_Adv B"), 5},
    {QStringLiteral("Sarn106c_Adv A"), 13},  {QStringLiteral("Sarn106c_Adv B"), 13},
    {QStringLiteral("Brel103_Adv A"), 4},
    // Brel104_Adv, Brel105_Adv, Brel106_Adv, Brel107_Adv
    {QStringLiteral("Brel104_Adv A"), 10},   {QStringLiteral("Brel104_Adv B"), 10},
    {QStringLiteral("Brel105_Adv A"), 12},   {QStringLiteral("Brel105_Adv B"), 12},
    {QStringLiteral("Brel106_Adv A"), 6},    {QStringLiteral("Brel107_Adv A"), 4},
    // Vek101, Vek108 and Vek141 advanced forms.
    {QStringLiteral("Vek101_Adv A"), 4},     {QStringLiteral("Vek101_Adv B"), 4},
    {QStringLiteral("Vek108_Adv A"), 8},     {QStringLiteral("Vek108_Adv B"), 8},
    {QStringLiteral("Vek141_Adv A"), 14},
    // Vek145l_Adv, Vek149_Adv
    {QStringLiteral("Vek145l_Adv A"), 26},   {QStringLiteral("Vek149_Adv A"), 13},
    // Murn107_Adv, Murn103_Adv, Murn110_Adv, Murn108_Adv, Vek116_Adv (its two
    // dark-row boxes are in the form, but this case does not look them up)
    {QStringLiteral("Murn107_Adv A"), 6},    {QStringLiteral("Murn103_Adv A"), 5},
    {QStringLiteral("Murn110_Adv A"), 9},    {QStringLiteral("Murn108_Adv A"), 9},
    {QStringLiteral("Vek116_Adv A 72-74"), 11},
    // Vek118_Adv, Vek157b_Adv, Vek157f_Adv and Vek137_Adv.
    {QStringLiteral("Vek118_Adv A"), 18},    {QStringLiteral("Vek157b_Adv A"), 12},
    {QStringLiteral("Vek157f_Adv A"), 12},   {QStringLiteral("Vek137_Adv A"), 11},
    // Yorm102_Adv, Yorm105_Adv, Murn106_Adv
    {QStringLiteral("Yorm102_Adv A"), 14},   {QStringLiteral("Yorm105_Adv A 57-57"), 13},
    {QStringLiteral("Yorm105_Adv A 58-58"), 13}, {QStringLiteral("Murn106_Adv A"), 13},
    // Vek123_Adv (without the two sub-sampling spin boxes), Vek135_Adv and
    // Vek132_Adv (its mode box is in the form, but not looked up).
    {QStringLiteral("Vek123_Adv A"), 13},    {QStringLiteral("Vek135_Adv A"), 12},
    {QStringLiteral("Vek132_Adv A"), 12},
    // Vek111_Adv (Vek111 and Vek119 sensors), Vek116_Adv for the Vek121 group
    {QStringLiteral("Vek111_Adv A 86-87"), 10}, {QStringLiteral("Vek111_Adv A 103-104"), 10},
    {QStringLiteral("Vek116_Adv A 76-79"), 13},
    // Vek107_Adv
    {QStringLiteral("Vek107_Adv A"), 41},
    // Vek117_Adv, Vek114_Adv
    {QStringLiteral("Vek117_Adv A"), 30},    {QStringLiteral("Vek114_Adv A"), 12},
    // Drav102_Adv, Zelt_Adv
    {QStringLiteral("Drav102_Adv A"), 23},   {QStringLiteral("Zelt_Adv A"), 12},
    // Brel101, Vek102, Vek101, Vek108, Brel104 and Brel105 PLL forms
    {QStringLiteral("Brel101_PLL PLL"), 11}, {QStringLiteral("Vek102_PLL PLL"), 12},
    {QStringLiteral("Vek101_PLL PLL"), 3},   {QStringLiteral("Vek108_PLL PLL"), 5},
    {QStringLiteral("Brel104_PLL PLL"), 3},  {QStringLiteral("Brel105_PLL PLL"), 4},
    // Vek152_Adv, Vek153_Adv (its mode box is in the form, but not looked
    // up), Vek155_Adv, Vek143_Adv
    {QStringLiteral("Vek152_Adv A"), 9},     {QStringLiteral("Vek153_Adv A"), 12},
    {QStringLiteral("Vek155_Adv A"), 14},    {QStringLiteral("Vek143_Adv A"), 10},
    // Context-B panels of Murn111, Murn107, Murn103, Murn110, Murn108, Vek116, Vek111
    {QStringLiteral("Murn111_Adv B"), 10},   {QStringLiteral("Murn107_Adv B"), 6},
    {QStringLiteral("Murn103_Adv B"), 5},    {QStringLiteral("Murn110_Adv B"), 9},
    {QStringLiteral("Murn108_Adv B"), 9},    {QStringLiteral("Vek116_Adv B 72-74"), 11},
    {QStringLiteral("Vek116_Adv B 76-79"), 13}, {QStringLiteral("Vek111_Adv B 86-87"), 10},
    // Vek128_Adv, Vek138_Adv
    {QStringLiteral("Vek128_Adv A"), 17},    {QStringLiteral("Vek138_Adv A"), 19},
    // Brel103_PLL, Brel107_PLL, Vek141_PLL, Vek145l_PLL, Vek149_PLL
    {QStringLiteral("Brel103_PLL PLL"), 4},  {QStringLiteral("Brel107_PLL PLL"), 4},
    {QStringLiteral("Vek141_PLL PLL"), 4},   {QStringLiteral("Vek145l_PLL PLL"), 4},
    {QStringLiteral("Vek149_PLL PLL"), 4},
    // Yorm102_PLL, Yorm105_PLL, Yorm106_PLL
    {QStringLiteral("Yorm102_PLL PLL"), 14}, {QStringLiteral("Yorm105_PLL PLL"), 13},
    {QStringLiteral("Yorm106_PLL PLL"), 19},
    // Vek152_PLL, Vek153_PLL, Vek154_PLL, Murn107_PLL, Murn103_PLL, Murn110_PLL, Murn108_PLL, Murn106_PLL
    {QStringLiteral("Vek152_PLL PLL 46-50"), 10}, {QStringLiteral("Vek152_PLL PLL 90-91"), 10},
    {QStringLiteral("Vek152_PLL PLL 112-113"), 10}, {QStringLiteral("Vek153_PLL PLL"), 9},
    {QStringLiteral("Vek154_PLL PLL"), 10},  {QStringLiteral("Murn107_PLL PLL"), 1},
    {QStringLiteral("Murn103_PLL PLL"), 2},  {QStringLiteral("Murn110_PLL PLL"), 16},
    {QStringLiteral("Murn108_PLL PLL"), 4},  {QStringLiteral("Murn106_PLL PLL"), 2},
    // Vek116_PLL, Vek118_PLL (Vek114d finds the VCO range and its labels too),
    // Vek128_PLL, Drav102_PLL, Zelt_PLL (its revision combo is not looked up),
    // Holv101_PLL
    {QStringLiteral("Vek116_PLL PLL"), 4},   {QStringLiteral("Vek118_PLL PLL"), 8},
    {QStringLiteral("Vek118_PLL PLL 94-94"), 10}, {QStringLiteral("Vek128_PLL PLL"), 7},
    {QStringLiteral("Drav102_PLL PLL"), 4},  {QStringLiteral("Zelt_PLL PLL"), 5},
    {QStringLiteral("Holv101_PLL PLL"), 13},
    // Vek117_PLL, Vek107_PLL, Vek110_PLL, Vek111_PLL, Vek123_PLL
    {QStringLiteral("Vek117_PLL PLL"), 9},   {QStringLiteral("Vek107_PLL PLL"), 6},
    {QStringLiteral("Vek110_PLL PLL 92-92"), 11}, {QStringLiteral("Vek110_PLL PLL 93-93"), 11},
    {QStringLiteral("Vek110_PLL PLL 85-85"), 11}, {QStringLiteral("Vek111_PLL PLL 86-87"), 7},
    {QStringLiteral("Vek111_PLL PLL 103-104"), 7}, {QStringLiteral("Vek123_PLL PLL"), 9},
    // Vek155_PLL, Vek143_PLL, Vek157b_PLL, Vek157f_PLL, Vek132_PLL, Vek138_PLL
    {QStringLiteral("Vek155_PLL PLL"), 4},   {QStringLiteral("Vek143_PLL PLL 67-68"), 3},
    {QStringLiteral("Vek143_PLL PLL 82-82"), 3}, {QStringLiteral("Vek157b_PLL PLL"), 4},
    {QStringLiteral("Vek157f_PLL PLL"), 3},  {QStringLiteral("Vek132_PLL PLL"), 11},
    {QStringLiteral("Vek138_PLL PLL"), 5},
};

// A window member as a panel writes it: the member and, for a member kept
// per context, the element.
using MemberSlot = std::pair<const void *, int>;

MemberSlot slotOf(const panels::Member &member, panels::Panel panel)
{
    return {member.id, member.element(contextOf(panel))};
}

// Whether a line writes its member when the case's form is built.
bool writes(const panels::Widget &d)
{
    return d.member.set && !(d.flags & panels::NotInForm);
}

// The members that both a context panel and the PLL panel may write: widgets
// of one panel's form that serve a role of the other panel (the dark-row
// boxes and the revision combo of some advanced forms, the high-speed box of
// some PLL forms).
const QList<MemberSlot> kSharedMembers = {
    slotOf(panels::ref<&Pallador::checkPLL_DarkRows>(), panels::Panel::A),
    slotOf(panels::ref<&Pallador::checkPLL_DarkCols>(), panels::Panel::A),
    slotOf(panels::ref<&Pallador::comboPLL_REV>(), panels::Panel::A),
    slotOf(panels::ref<&Pallador::checkHighSpeed>(), panels::Panel::A),
    // Zelt_PLL: its filler-code box in the register box's member
    slotOf(panels::ref<&Pallador::checkUse_Reg>(), panels::Panel::A),
};

} // namespace

class TestFormContract : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyFormLoads();
    void everyFormIsNamedBySensorTable();
    void everyCaseFormIsInResources();
    void everyTableFormBuilt();
    void topSizes();
    void lookupsMatchForms_data();
    void lookupsMatchForms();
    void linesAreWellFormed();
    void connectionsNameSlots();
    void membersWrittenOnce();
    void membersSharedBetweenPanels();
    void rangesBeforeValues_data();
    void rangesBeforeValues();
    void captionsFit_data();
    void captionsFit();
    void formValues_data();
    void formValues();
};

void TestFormContract::initTestCase()
{
    // The program runs with this style; sizes depend on it.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("windows")));
}

void TestFormContract::everyFormLoads()
{
    QStringList forms = optionForms();
    forms << kOwnForms.values();
    for (const QString &form : forms) {
        std::unique_ptr<QWidget> widget = load(form);
        QVERIFY2(widget, qPrintable(form));
    }
}

// A form that no sensor names is a misspelt or forgotten entry.
void TestFormContract::everyFormIsNamedBySensorTable()
{
    QSet<QString> named;
    for (const panels::SensorForms &row : panels::sensorFormTable()) {
        for (const char *form : {row.formA, row.formB, row.formPll}) {
            if (form)
                named.insert(QLatin1String(form));
        }
    }
    for (const QString &form : optionForms())
        QVERIFY2(named.contains(form), qPrintable(form));
}

// Every form the sensor table names is in the resources, and every panel
// of an entry that names a form has its case there, or is one of the forms
// the sensor set-up builds itself.
void TestFormContract::everyTableFormBuilt()
{
    QSet<QString> named;
    for (const panels::SensorForms &row : panels::sensorFormTable()) {
        const std::pair<panels::Panel, const char *> forms[] = {
            {panels::Panel::A, row.formA}, {panels::Panel::B, row.formB}, {panels::Panel::Pll, row.formPll}};
        for (const auto &[panel, form] : forms) {
            if (!form)
                continue;
            named.insert(QLatin1String(form));
            QVERIFY2(QFile::exists(panels::formResource(QLatin1String(form))), form);
            for (int entry = row.first; entry <= row.last; ++entry)
                QVERIFY2(row.builtBySetUp || panels::formCase(entry, panel),
                         qPrintable(QStringLiteral("%1 for entry %2").arg(QLatin1String(form)).arg(entry)));
        }
    }
    QCOMPARE(named.size(), 92);
}

void TestFormContract::everyCaseFormIsInResources()
{
    QVERIFY(!panels::formCases().empty());
    for (const panels::FormCase &c : panels::formCases()) {
        QVERIFY2(QFile::exists(panels::formResource(QLatin1String(c.form))), c.form);
        // Some sensor of the table uses the form for this panel.
        bool used = false;
        for (int sensor = 1; sensor <= 115 && !used; ++sensor)
            used = panels::formCase(sensor, c.panel) == &c;
        QVERIFY2(used, c.form);
    }
}

void TestFormContract::topSizes()
{
    for (const QString &form : optionForms()) {
        const auto size = kTopSizes.find(form);
        QVERIFY2(size != kTopSizes.end(), qPrintable(form + QStringLiteral(" has no size in the table")));
        std::unique_ptr<QWidget> top = load(form);
        QVERIFY(top);
        QCOMPARE(top->size(), size->second);
    }
    for (const auto &row : kTopSizes)
        QVERIFY2(optionForms().contains(row.first), qPrintable(row.first));
}

void TestFormContract::lookupsMatchForms_data()
{
    QTest::addColumn<int>("index");
    const std::vector<panels::FormCase> &cases = panels::formCases();
    for (int i = 0; i < int(cases.size()); ++i)
        QTest::newRow(qPrintable(caseLabel(cases[i]))) << i;
}

// Every name a case looks up is in its form with its class, except the names
// the case says the form lacks; the case finds as many widgets as the table
// says its form holds for it.
void TestFormContract::lookupsMatchForms()
{
    QFETCH(int, index);
    const panels::FormCase &c = panels::formCases()[index];
    std::unique_ptr<QWidget> form = load(QLatin1String(c.form));
    QVERIFY(form);
    QSet<QString> names;
    int present = 0;
    for (const panels::Widget &d : c.widgets) {
        const QString name = QLatin1String(d.name);
        QVERIFY2(!names.contains(name), qPrintable(name + QStringLiteral(" looked up twice")));
        names.insert(name);
        QWidget *found = panels::lookUp(form.get(), d.name, d.member.type);
        if (d.flags & (panels::LookedUpAbsent | panels::NotInForm)) {
            QVERIFY2(!found && !form->findChild<QObject *>(name), qPrintable(name + QStringLiteral(" must be absent")));
            continue;
        }
        QVERIFY2(found, qPrintable(name + QStringLiteral(" (") + QLatin1String(d.member.type->className()) +
                                   QStringLiteral(") missing")));
        ++present;
        // A widget the code reads or connects is one of the kinds it handles.
        if (d.startValue || d.slotName || d.storeTo)
            QVERIFY2(panels::signalFor(found->metaObject()), qPrintable(name));
    }
    const auto expected = kPresentNames.find(caseLabel(c));
    QVERIFY2(expected != kPresentNames.end(), qPrintable(caseLabel(c) + QStringLiteral(" has no count in the table")));
    QCOMPARE(present, expected->second);
}

// What a line does fits what it is: a widget looked up without a member only
// hides or disables; a name never looked up does nothing; items and item
// texts belong to combo boxes; and the count table names only cases that
// exist.
void TestFormContract::linesAreWellFormed()
{
    QSet<QString> labels;
    for (const panels::FormCase &c : panels::formCases()) {
        labels.insert(caseLabel(c));
        for (const panels::Widget &d : c.widgets) {
            const QString where = caseLabel(c) + QLatin1Char(' ') + QLatin1String(d.name);
            const bool acts = d.startValue || d.items || d.slotName || d.toolTip || d.newCaption || d.storeTo ||
                              d.shownWhen || d.enabledWhen;
            if (!d.member.set)
                QVERIFY2(!acts && (d.flags & (panels::Hidden | panels::Disabled)), qPrintable(where));
            if (d.flags & (panels::LookedUpAbsent | panels::NotInForm))
                QVERIFY2(!acts && d.member.set, qPrintable(where));
            const bool combo = d.member.type->inherits(&QComboBox::staticMetaObject);
            if (d.items || (d.flags & panels::ByText))
                QVERIFY2(combo, qPrintable(where));
            if (d.maximumValue)
                QVERIFY2(d.member.type->inherits(&QAbstractSpinBox::staticMetaObject), qPrintable(where));
        }
    }
    for (const auto &row : kPresentNames)
        QVERIFY2(labels.contains(row.first), qPrintable(row.first));
}

void TestFormContract::connectionsNameSlots()
{
    const QMetaObject &window = Pallador::staticMetaObject;
    for (const panels::FormCase &c : panels::formCases()) {
        for (const panels::Widget &d : c.widgets) {
            if (!d.slotName)
                continue;
            const QByteArray slot = QMetaObject::normalizedSignature(d.slotName);
            QVERIFY2(window.indexOfSlot(slot.constData()) >= 0, slot.constData());
            const QByteArray signal = panels::signalFor(d.member.type);
            QVERIFY2(QMetaObject::checkConnectArgs(signal.constData(), slot.constData()),
                     qPrintable(QLatin1String(d.name) + QStringLiteral(" -> ") + QLatin1String(slot)));
        }
    }
}

// A sensor's panels never write one window member twice: a later lookup
// would take the member from the panel that filled it first.
void TestFormContract::membersWrittenOnce()
{
    for (int sensor = 1; sensor <= 115; ++sensor) {
        std::map<MemberSlot, QString> writer;
        for (panels::Panel panel : {panels::Panel::A, panels::Panel::B, panels::Panel::Pll}) {
            const panels::FormCase *c = panels::formCase(sensor, panel);
            if (!c)
                continue;
            for (const panels::Widget &d : c->widgets) {
                if (!writes(d))
                    continue;
                const QString line = caseLabel(*c) + QLatin1Char(' ') + QLatin1String(d.name);
                const auto [at, inserted] = writer.emplace(slotOf(d.member, panel), line);
                QVERIFY2(
                    inserted,
                    qPrintable(
                        QStringLiteral("sensor %1: %2 and %3 write one member").arg(sensor).arg(at->second, line)));
            }
        }
    }
}

// A member that the context panels and the PLL panel both write is one of
// the listed shared members.
void TestFormContract::membersSharedBetweenPanels()
{
    std::set<MemberSlot> contextMembers;
    std::set<MemberSlot> pllMembers;
    for (const panels::FormCase &c : panels::formCases()) {
        for (const panels::Widget &d : c.widgets) {
            if (writes(d))
                (c.panel == panels::Panel::Pll ? pllMembers : contextMembers).insert(slotOf(d.member, c.panel));
        }
    }
    for (const panels::FormCase &c : panels::formCases()) {
        for (const panels::Widget &d : c.widgets) {
            const MemberSlot member = slotOf(d.member, c.panel);
            if (writes(d) && contextMembers.count(member) && pllMembers.count(member))
                QVERIFY2(kSharedMembers.contains(member),
                         qPrintable(caseLabel(c) + QLatin1Char(' ') + QLatin1String(d.name) +
                                    QStringLiteral(" writes a member of the other panel")));
        }
    }
}

void TestFormContract::rangesBeforeValues_data()
{
    QTest::addColumn<QString>("form");
    for (const QString &form : optionForms())
        QTest::newRow(qPrintable(form)) << form;
}

// QUiLoader applies the properties in the order the form gives them: a value
// before its range would be clamped to the default range, a value before its
// decimals rounded, and a current index before the items lost. Spin boxes
// give minimum, maximum, step, decimals and value in this order, combo boxes
// their items before the current index.
void TestFormContract::rangesBeforeValues()
{
    QFETCH(QString, form);
    QFile file(panels::formResource(form));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList spinOrder = {QStringLiteral("minimum"), QStringLiteral("maximum"), QStringLiteral("singleStep"),
                                   QStringLiteral("decimals"), QStringLiteral("value")};
    struct Element {
        QString tag;
        QString widgetClass;
        QString widgetName;
        QStringList children; // property names and "item", in document order
    };
    QList<Element> open;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QString tag = xml.name().toString();
            if (!open.isEmpty() && open.last().tag == QLatin1String("widget")) {
                if (tag == QLatin1String("property"))
                    open.last().children << xml.attributes().value(QLatin1String("name")).toString();
                else if (tag == QLatin1String("item"))
                    open.last().children << tag;
            }
            open.append({tag,
                         xml.attributes().value(QLatin1String("class")).toString(),
                         xml.attributes().value(QLatin1String("name")).toString(),
                         {}});
        } else if (xml.isEndElement()) {
            const Element done = open.takeLast();
            if (done.tag != QLatin1String("widget"))
                continue;
            const QString where = form + QLatin1Char(' ') + done.widgetName;
            if (done.widgetClass == QLatin1String("QSpinBox") || done.widgetClass == QLatin1String("QDoubleSpinBox")) {
                int last = -1;
                for (const QString &property : done.children) {
                    const int at = spinOrder.indexOf(property);
                    if (at < 0)
                        continue;
                    QVERIFY2(at > last,
                             qPrintable(where + QStringLiteral(": ") + property + QStringLiteral(" too late")));
                    last = at;
                }
            } else if (done.widgetClass == QLatin1String("QComboBox")) {
                const int current = done.children.indexOf(QStringLiteral("currentIndex"));
                QVERIFY2(current < 0 || done.children.lastIndexOf(QStringLiteral("item")) < current,
                         qPrintable(where + QStringLiteral(": an item after the current index")));
            }
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
}

void TestFormContract::captionsFit_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<int>("pointSize");
    // The fonts of a plain X11 desktop (9 points) and of a KDE desktop (10).
    for (const QString &form : optionForms()) {
        for (int points : {9, 10})
            QTest::addRow("%s %dpt", qPrintable(form), points) << form << points;
    }
}

// Every child lies inside the form, no two widgets with content overlap, and
// every caption, check box text, list item and spin box value is shown whole
// at the size the form gives it.
void TestFormContract::captionsFit()
{
    QFETCH(QString, form);
    QFETCH(int, pointSize);
    FontScope fontScope(pointSize);
    std::unique_ptr<QWidget> top = load(form);
    QVERIFY(top);
    // Widgets in a layout are checked where the layout puts them.
    for (QLayout *layout : top->findChildren<QLayout *>())
        layout->activate();

    const QRect area(QPoint(0, 0), top->size());
    for (QWidget *child : top->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        QVERIFY2(area.contains(child->geometry()), qPrintable(child->objectName() + QStringLiteral(" outside")));

    // Widgets that show something of their own do not overlap their
    // siblings (value labels laid over a picture have no text of their own).
    const auto showsContent = [](const QWidget *widget) {
        if (auto *label = qobject_cast<const QLabel *>(widget))
            return !label->text().isEmpty();
        return qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QComboBox *>(widget) ||
               qobject_cast<const QAbstractSpinBox *>(widget) || qobject_cast<const QGroupBox *>(widget);
    };
    QList<QWidget *> parents = top->findChildren<QWidget *>();
    parents << top.get();
    for (QWidget *parent : parents) {
        const QList<QWidget *> siblings = parent->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        for (int i = 0; i < siblings.size(); ++i) {
            for (int j = i + 1; j < siblings.size(); ++j) {
                if (showsContent(siblings[i]) && showsContent(siblings[j]))
                    QVERIFY2(!siblings[i]->geometry().intersects(siblings[j]->geometry()),
                             qPrintable(siblings[i]->objectName() + QStringLiteral(" overlaps ") +
                                        siblings[j]->objectName()));
            }
        }
    }

    for (QWidget *widget : top->findChildren<QWidget *>()) {
        const QSize size = widget->size();
        QSize needed;
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (label->text().isEmpty())
                continue;
            needed = label->wordWrap() ? QSize(0, label->heightForWidth(size.width())) : label->sizeHint();
        } else if (qobject_cast<QAbstractButton *>(widget) || qobject_cast<QComboBox *>(widget) ||
                   qobject_cast<QAbstractSpinBox *>(widget)) {
            needed = widget->sizeHint();
        } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
            needed = QSize(group->minimumSizeHint().width(), 0);
        } else {
            continue;
        }
        QVERIFY2(needed.width() <= size.width() && needed.height() <= size.height(),
                 qPrintable(QStringLiteral("%1 needs %2 x %3, has %4 x %5")
                                .arg(widget->objectName())
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(size.width())
                                .arg(size.height())));
    }
}

void TestFormContract::formValues_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");

    // Ranges and defaults the forms give (a value written before its range
    // would have been clamped on loading).
    const auto row = [](const char *form, const char *widget, const char *property, const QVariant &value) {
        QTest::addRow("%s %s %s", form, widget, property)
            << QString::fromLatin1(form) << QString::fromLatin1(widget) << QString::fromLatin1(property) << value;
    };
    row("Murn101_Adv", "spinRows", "maximum", 9999);
    row("Vek124_Adv", "spinRows", "maximum", 1088);
    row("Vek124_Adv", "spinRows", "value", 1080);
    row("Vek124_Adv", "spinCols", "minimum", 30);
    row("Vek124_Adv", "spinCols", "value", 1920);
    row("Vek124_Adv", "comboReadMode", "items", QStringList{"1", "2", "4"});
    row("Vek124_Adv", "comboOutFormat", "items", QStringList{"JPEG", "FullColorPipe_JP", "FullColorPipe", "Bayer"});
    row("Murn109_Adv", "spinFovC", "maximum", 1920);
    row("Murn109_Adv", "spinRows", "value", 1080);
    row("Murn109_Adv", "spinReadMode", "maximum", 5);
    row("Murn109_Adv", "comboImageType", "items", QStringList{"JPEG422", "JPEG420", "MJPEG422", "MJPEG420"});
    row("Murn111_Adv", "comboOutFormat", "count", 11);
    row("Murn111_Adv", "checkBin2Skip2", "text", QStringLiteral("Skipping"));
    row("Murn111_Adv", "checkSkipping", "text", QStringLiteral("Skip2 only"));
    row("Murn105_Adv", "checkBinning", "text", QStringLiteral("4x4 Skip"));
    row("Murn105_PLL", "spinPLL_WCD", "maximum", 2);
    row("Murn105_PLL", "spinPLL_WCD", "enabled", false);
    row("Murn109_PLL", "spinPLL_P4", "maximum", 15);
    row("Murn109_PLL", "spinPLL_P5", "enabled", false);
    row("Murn111_PLL", "spinPLL_P4", "minimum", 1);
    row("Murn111_PLL", "spinPLL_P4", "singleStep", 2);
    row("Murn111_PLL", "spinPLL_I2C", "maximum", 400);
    row("Murn111_PLL", "comboPLL_REV", "items", QStringList{"Rev1", "Rev2"});
    // Brel101, Sarn106c and Brel103 advanced forms.
    row("Brel101_Adv", "spinCols", "minimum", 30);
    row("Brel101_Adv", "spinCols", "value", 848);
    row("Brel101_Adv", "spinRows", "value", 638);
    row("Brel101_Adv", "dSpinIntgTime", "decimals", 3);
    row("Brel101_Adv", "dSpinIntgTime", "maximum", 999999.0);
    row("Brel101_Adv", "checkHDR", "text", QStringLiteral("iHDR Enable"));
    row("Sarn106c_Adv", "spinCols", "value", 1284);
    row("Sarn106c_Adv", "spinRows", "singleStep", 2);
    row("Sarn106c_Adv", "spinRows", "value", 964);
    row("Sarn106c_Adv", "spinColSub", "maximum", 1260);
    row("Sarn106c_Adv", "spinRowSub", "value", 2);
    row("Sarn106c_Adv", "comboCCRow", "items", QStringList{"4x", "8x", "16x"});
    row("Sarn106c_Adv", "comboRowSkip", "items", QStringList{"1x", "2x", "4x", "8x", "16x", "32x"});
    row("Sarn106c_Adv", "comboRowSkip", "currentIndex", 0);
    row("Brel103_Adv", "spinRows", "maximum", 9999);
    row("Brel103_Adv", "checkBinning", "text", QStringLiteral("Summing"));
    // Brel104_Adv, Brel105_Adv, Brel106_Adv, Brel107_Adv
    row("Brel104_Adv", "spinCols", "minimum", 30);
    row("Brel104_Adv", "spinCols", "maximum", 2048);
    row("Brel104_Adv", "spinCols", "value", 1928);
    row("Brel104_Adv", "spinRows", "maximum", 1536);
    row("Brel104_Adv", "spinRows", "value", 1088);
    row("Brel104_Adv", "spinColSub", "minimum", 1);
    row("Brel104_Adv", "spinColSub", "maximum", 3);
    row("Brel104_Adv", "spinRowSub", "value", 1);
    row("Brel104_Adv", "dSpinIntgTime", "decimals", 3);
    row("Brel104_Adv", "dSpinIntgTime", "maximum", 999999.0);
    row("Brel104_Adv", "checkInterleave", "enabled", false);
    row("Brel104_Adv", "checkSkipping", "text", QStringLiteral("Column Subsampling"));
    row("Brel104_Adv", "checkBinXonly", "text", QStringLiteral("Row Subsampling"));
    row("Brel105_Adv", "spinCols", "value", 2304);
    row("Brel105_Adv", "spinRows", "minimum", 30);
    row("Brel105_Adv", "spinRows", "value", 1296);
    row("Brel105_Adv", "spinFovC", "maximum", 2304);
    row("Brel105_Adv", "spinFovR", "value", 1296);
    row("Brel105_Adv", "spinRowSub", "maximum", 3);
    row("Brel105_Adv", "checkSkipping", "text", QStringLiteral("Col Subsampling"));
    row("Brel106_Adv", "spinSMode", "maximum", 65535);
    row("Brel106_Adv", "spinCols", "maximum", 9999);
    row("Brel107_Adv", "spinRows", "maximum", 9999);
    // Vek101, Vek108 and Vek141 advanced forms.
    row("Vek101_Adv", "spinCols", "maximum", 1284);
    row("Vek101_Adv", "spinCols", "value", 1280);
    row("Vek101_Adv", "spinRows", "minimum", 240);
    row("Vek101_Adv", "spinRows", "value", 964);
    row("Vek101_Adv", "dSpinIntgTime", "decimals", 3);
    row("Vek101_Adv", "dSpinIntgTime", "maximum", 999999.0);
    row("Vek108_Adv", "spinCols", "minimum", 200);
    row("Vek108_Adv", "spinRows", "maximum", 848);
    row("Vek108_Adv", "spinRows", "value", 720);
    row("Vek108_Adv", "spinFovX", "minimum", -99);
    row("Vek108_Adv", "spinFovY", "value", 0);
    row("Vek108_Adv", "checkHDR", "enabled", false);
    row("Vek108_Adv", "checkInterleave", "enabled", false);
    row("Vek141_Adv", "spinCols", "singleStep", 2);
    row("Vek141_Adv", "spinCols", "value", 3264);
    row("Vek141_Adv", "spinRows", "minimum", 24);
    row("Vek141_Adv", "spinRows", "value", 2448);
    row("Vek141_Adv", "spinReadMode", "maximum", 4);
    row("Vek141_Adv", "spinScaleM", "minimum", 16);
    row("Vek141_Adv", "spinSMode", "maximum", 4);
    row("Vek141_Adv", "comboCCRow", "items", QStringList{"16", "32", "64", "128"});
    row("Vek141_Adv", "checkPLL_DarkRows", "text", QStringLiteral("Show Dark Cols"));
    row("Vek141_Adv", "checkPLL_DarkCols", "text", QStringLiteral("Show Dark Rows"));
    // Vek145l_Adv, Vek149_Adv
    row("Vek145l_Adv", "spinCols", "singleStep", 4);
    row("Vek145l_Adv", "spinCols", "value", 1000);
    row("Vek145l_Adv", "spinRows", "maximum", 758);
    row("Vek145l_Adv", "spinRows", "singleStep", 2);
    row("Vek145l_Adv", "spinFP16", "maximum", 2);
    row("Vek145l_Adv", "spinFocalPlanes", "value", 16);
    row("Vek145l_Adv", "spinFocalPlanes", "enabled", false);
    row("Vek145l_Adv", "comboPackMod", "items", QStringList{"1", "2", "4", "8", "16"});
    row("Vek145l_Adv", "comboRev", "items", QStringList{"Rev1", "Rev2"});
    row("Vek145l_Adv", "checkBinXonly", "text", QStringLiteral("Row\nSkipping"));
    row("Vek145l_Adv", "label_FP_Options", "text", QStringLiteral("0: Active\n1: Reduced Power\n2: Power Down"));
    row("Vek149_Adv", "spinCols", "value", 4912);
    row("Vek149_Adv", "spinRows", "minimum", 16);
    row("Vek149_Adv", "spinReadMode", "maximum", 4);
    row("Vek149_Adv", "spinSMode", "value", 1);
    row("Vek149_Adv", "checkPLL_DarkRows", "text", QStringLiteral("Show Dark Cols"));
    row("Vek149_Adv", "checkPLL_DarkCols", "text", QStringLiteral("Show Dark Rows"));
    // Murn107_Adv, Murn103_Adv, Murn110_Adv, Murn108_Adv, Vek116_Adv
    row("Murn107_Adv", "comboADCMode", "items", QStringList{"Don't Care", "1", "2"});
    row("Murn107_Adv", "checkOtherLineTime", "text", QStringLiteral("Use Context B Line Time"));
    row("Murn103_Adv", "spinCols", "maximum", 9999);
    row("Murn110_Adv", "spinCols", "minimum", 320);
    row("Murn110_Adv", "spinCols", "maximum", 2048);
    row("Murn110_Adv", "spinRows", "minimum", 240);
    row("Murn110_Adv", "spinRows", "maximum", 1536);
    row("Murn110_Adv", "checkBin2Skip2", "text", QStringLiteral("Skipping"));
    row("Murn110_Adv", "checkSkipping", "text", QStringLiteral("Skip2 only"));
    row("Murn110_Adv", "checkJpeg", "text", QStringLiteral("Jpeg"));
    row("Murn108_Adv", "comboADCMode", "items", QStringList{"Don't Care", "1", "2"});
    row("Murn108_Adv", "checkCentering", "text", QStringLiteral("Centering"));
    row("Vek116_Adv", "spinCols", "minimum", 30);
    row("Vek116_Adv", "spinCols", "value", 1928);
    row("Vek116_Adv", "spinRows", "maximum", 1536);
    row("Vek116_Adv", "spinRows", "value", 1088);
    row("Vek116_Adv", "spinColSub", "maximum", 1);
    row("Vek116_Adv", "spinRowSub", "maximum", 1);
    row("Vek116_Adv", "dSpinIntgTime", "decimals", 3);
    row("Vek116_Adv", "dSpinIntgTime", "maximum", 999999.0);
    row("Vek116_Adv", "checkSkipping", "text", QStringLiteral("Column Subsampling"));
    row("Vek116_Adv", "checkBinXonly", "text", QStringLiteral("Row Subsampling"));
    row("Vek116_Adv", "checkInterleave", "enabled", false);
    row("Vek116_Adv", "checkLineInterleave", "enabled", false);
    row("Vek116_Adv", "checkPLL_DarkRows", "text", QStringLiteral("Show Dark Rows"));
    row("Vek116_Adv", "checkPLL_DarkCols", "text", QStringLiteral("Show Dark Cols"));
    // Vek118_Adv, Vek157b_Adv, Vek157f_Adv and Vek137_Adv.
    row("Vek118_Adv", "spinRows", "maximum", 1288);
    row("Vek118_Adv", "spinCols", "maximum", 2064);
    row("Vek118_Adv", "dSpinIntgTime2", "value", 8.0);
    row("Vek118_Adv", "dSpinIntgTime3", "value", 0.83);
    row("Vek118_Adv", "dSpinIntgTime4", "value", 0.002);
    row("Vek118_Adv", "spinIdleRows", "value", 120);
    row("Vek118_Adv", "spinT1_T2", "maximum", 4);
    row("Vek118_Adv", "checkUse_Reg", "checked", true);
    row("Vek118_Adv", "checkPLL_DarkCols", "enabled", false);
    row("Vek118_Adv", "comboOperMode", "maxVisibleItems", 13);
    row("Vek118_Adv", "comboOperMode", "count", 0);
    for (const char *form : {"Vek157b_Adv", "Vek157f_Adv"}) {
        row(form, "comboCCRow", "items", QStringList{"1", "2", "4", "8", "16"});
        row(form, "comboCCRow", "enabled", false);
        row(form, "spinRowReadMode", "maximum", 4);
        row(form, "spinScaleM", "minimum", 16);
        row(form, "go_pro_3x3", "decimals", 5);
        row(form, "go_pro_3x3", "value", 1.0);
        row(form, "labelReadModes", "text",
            QStringLiteral("1 = full resolution\n2 = skip2 or bin2 \n3 = skip3\n4 = skip4 or bin2skip2"));
    }
    row("Vek137_Adv", "spinReadMode", "maximum", 2);
    row("Vek137_Adv", "spinBorderPixels", "singleStep", 2);
    row("Vek137_Adv", "checkBinning", "enabled", false);
    row("Vek137_Adv", "checkBinXonly", "enabled", false);
    row("Vek137_Adv", "checkPLL_DarkRows", "text", QStringLiteral("Show Dark Cols"));
    row("Vek137_Adv", "checkPLL_DarkCols", "text", QStringLiteral("Show Dark Rows"));
    // Yorm102_Adv, Yorm105_Adv, Murn106_Adv
    row("Yorm102_Adv", "spinFovR", "maximum", 976);
    row("Yorm102_Adv", "spinSocC", "singleStep", 2);
    row("Yorm102_Adv", "spinCols", "value", 1280);
    row("Yorm102_Adv", "spinReadMode", "maximum", 1);
    row("Yorm102_Adv", "comboOutFormat", "items", QStringList{"YcbCr-8+8", "YcbCr-10+10", "YcbCr-16"});
    row("Yorm102_Adv", "scrollAreaFOV", "geometry", QRect(10, 20, 128, 96));
    row("Yorm102_Adv", "labelOutPic", "geometry", QRect(330, 20, 128, 96));
    row("Yorm105_Adv", "comboOutFormat", "items",
        QStringList{"Bayer", "YcbCr-8", "YcbCr-10", "RGB-888", "RGB-565", "Jpeg", "H.264"});
    row("Yorm105_Adv", "comboOutFormat", "currentIndex", 1);
    row("Yorm105_Adv", "spinRows", "maximum", 976);
    row("Yorm105_Adv", "spinSocC", "maximum", 1284);
    row("Murn106_Adv", "scrollArea", "geometry", QRect(10, 40, 131, 101));
    row("Murn106_Adv", "labelSOCPic", "geometry", QRect(180, 40, 128, 101));
    row("Murn106_Adv", "spinFovX", "maximum", 1280);
    row("Murn106_Adv", "spinFovY", "maximum", 960);
    row("Murn106_Adv", "spinReadMode", "maximum", 2);
    // Vek123_Adv, Vek135_Adv and Vek132_Adv.
    row("Vek123_Adv", "spinCols", "maximum", 1920);
    row("Vek123_Adv", "spinRows", "minimum", 12);
    row("Vek123_Adv", "spinRows", "maximum", 1188);
    row("Vek123_Adv", "dSpinFovPercent", "minimum", 10.34);
    row("Vek123_Adv", "dSpinFovPercent", "value", 90.91);
    row("Vek123_Adv", "dSpinIntgTime", "decimals", 2);
    row("Vek123_Adv", "comboAspectRatio", "items", QStringList{"16 : 9", "4 : 3", "3 : 2", "1 : 1"});
    row("Vek123_Adv", "comboAspectRatio", "editable", false);
    row("Vek123_Adv", "comboNumExp", "count", 0);
    row("Vek123_Adv", "comboNumExp", "currentIndex", -1);
    row("Vek123_Adv", "checkSpreadGain", "enabled", false);
    row("Vek123_Adv", "spinT2_T3", "maximum", 4);
    row("Vek135_Adv", "spinCols", "maximum", 4208);
    row("Vek135_Adv", "spinCols", "singleStep", 2);
    row("Vek135_Adv", "spinRows", "maximum", 3120);
    row("Vek135_Adv", "spinReadMode", "maximum", 4);
    row("Vek135_Adv", "spinReadMode_Y", "minimum", 1);
    row("Vek135_Adv", "dSpinIntgTime", "decimals", 3);
    row("Vek132_Adv", "spinCols", "maximum", 4648);
    row("Vek132_Adv", "spinRows", "maximum", 3508);
    row("Vek132_Adv", "checkSupercell", "checked", true);
    row("Vek132_Adv", "spinN_in", "value", 192);
    row("Vek132_Adv", "spinN_in", "enabled", false);
    row("Vek132_Adv", "spinScaleM", "enabled", false);
    row("Vek132_Adv", "spinSMode", "enabled", false);
    row("Vek132_Adv", "spinBorderPixels", "maximum", 8);
    // Vek111_Adv
    row("Vek111_Adv", "spinCols", "minimum", 80);
    row("Vek111_Adv", "spinCols", "maximum", 1288);
    row("Vek111_Adv", "spinCols", "value", 1280);
    row("Vek111_Adv", "spinRows", "minimum", 50);
    row("Vek111_Adv", "spinRows", "maximum", 808);
    row("Vek111_Adv", "spinRows", "value", 800);
    row("Vek111_Adv", "dSpinIntgTime", "decimals", 3);
    row("Vek111_Adv", "dSpinIntgTime", "maximum", 999999.0);
    row("Vek111_Adv", "comboColSkip", "items", QStringList{"1", "2", "4", "8", "16"});
    row("Vek111_Adv", "comboColSkip", "maxVisibleItems", 10);
    row("Vek111_Adv", "comboRowSkip", "items", QStringList{"1", "2", "4", "8", "16"});
    row("Vek111_Adv", "comboRowSkip", "currentIndex", 0);
    row("Vek111_Adv", "labelRows", "text", QStringLiteral("Rows:    "));
    row("Vek111_Adv", "checkSkipping", "text", QStringLiteral("Row Skip"));
    row("Vek111_Adv", "checkBinXonly", "text", QStringLiteral("Column Skip"));
    row("Vek111_Adv", "checkSumming", "text", QStringLiteral("Col Summing"));
    // Vek107_Adv
    row("Vek107_Adv", "spinCols", "minimum", 30);
    row("Vek107_Adv", "spinCols", "maximum", 2048);
    row("Vek107_Adv", "spinCols", "value", 1928);
    row("Vek107_Adv", "spinRows", "maximum", 1536);
    row("Vek107_Adv", "spinRows", "value", 1088);
    row("Vek107_Adv", "spinDarkCols", "maximum", 3);
    row("Vek107_Adv", "spinScaler", "maximum", 2);
    row("Vek107_Adv", "spinScaleM", "minimum", 16);
    row("Vek107_Adv", "spinScaleM", "maximum", 32);
    row("Vek107_Adv", "spinScaleM", "singleStep", 8);
    row("Vek107_Adv", "dSpinIntgTime", "decimals", 3);
    row("Vek107_Adv", "dSpinIntgTime", "maximum", 999999.0);
    row("Vek107_Adv", "dSpinIntgTime", "value", 16.0);
    row("Vek107_Adv", "dspinFixLLpck", "minimum", 700);
    row("Vek107_Adv", "dspinFixLLpck", "maximum", 65535);
    row("Vek107_Adv", "spinT1_T2", "maximum", 4);
    row("Vek107_Adv", "spinT3_T4", "value", 2);
    row("Vek107_Adv", "spinShAdv_T4", "maximum", 3);
    row("Vek107_Adv", "comboATR", "items", QStringList{"0", "8", "12"});
    row("Vek107_Adv", "comboATR", "currentIndex", 1);
    row("Vek107_Adv", "comboDTR", "items", QStringList{"0", "8"});
    row("Vek107_Adv", "comboDTR", "currentIndex", 1);
    for (const char *name : {"comboNumExp", "comboMax_nExposure", "comboEmbedData_Rows", "comboStatsData_Rows"})
        row("Vek107_Adv", name, "count", 0);
    for (const char *name : {"comboATR", "comboDTR", "checkLineInterleave", "checkLineComboMode", "checkLFM_mode",
                             "dspinFixLLpck", "spinT2_ExpTime", "spinT3_ExpTime", "spinT4_ExpTime"})
        row("Vek107_Adv", name, "enabled", false);
    row("Vek107_Adv", "checkUse_Reg", "text", QStringLiteral("Set Individual Coarse Integration \nTime Registers"));
    row("Vek107_Adv", "labelT1T2", "text", QStringLiteral("4"));
    // Vek117_Adv, Vek114_Adv
    row("Vek117_Adv", "scrollArea", "widgetResizable", true);
    row("Vek117_Adv", "spinCols", "minimum", 30);
    row("Vek117_Adv", "spinCols", "value", 1928);
    row("Vek117_Adv", "spinRows", "maximum", 1536);
    row("Vek117_Adv", "spinRows", "value", 1088);
    row("Vek117_Adv", "spinScaler", "maximum", 2);
    row("Vek117_Adv", "spinScaleM", "singleStep", 8);
    row("Vek117_Adv", "spinScaleM", "maximum", 32);
    row("Vek117_Adv", "comboATR", "items", QStringList{"0", "8", "12"});
    row("Vek117_Adv", "comboATR", "currentIndex", 1);
    row("Vek117_Adv", "comboATR", "enabled", false);
    row("Vek117_Adv", "comboDTR", "items", QStringList{"0", "8"});
    row("Vek117_Adv", "comboDTR", "currentIndex", 1);
    row("Vek117_Adv", "comboDTR", "enabled", false);
    row("Vek117_Adv", "comboOverFlow", "items",
        QStringList{"Non Super-Exposure", "Super-Exposure T1+T2", "Super-Exposure T1"});
    row("Vek117_Adv", "checkLineComboMode", "enabled", false);
    row("Vek117_Adv", "checkLFM_mode", "enabled", false);
    row("Vek117_Adv", "dspinFixLLpck", "minimum", 700);
    row("Vek117_Adv", "dspinFixLLpck", "maximum", 65535);
    row("Vek117_Adv", "dspinFixLLpck", "enabled", false);
    row("Vek117_Adv", "dSpinIntgTime", "decimals", 3);
    row("Vek117_Adv", "dSpinIntgTime", "value", 16.0);
    row("Vek117_Adv", "spinT4_ExpTime", "maximum", 999);
    row("Vek117_Adv", "spinT4_ExpTime", "enabled", false);
    row("Vek117_Adv", "spinT3_T4", "maximum", 4);
    row("Vek117_Adv", "spinT3_T4", "value", 2);
    row("Vek117_Adv", "checkUse_Reg", "text", QStringLiteral("Set Individual Coarse Integration\nTime Registers"));
    row("Vek114_Adv", "spinCols", "minimum", 200);
    row("Vek114_Adv", "spinCols", "value", 1936);
    row("Vek114_Adv", "spinRows", "maximum", 1096);
    row("Vek114_Adv", "checkBinning", "text", QStringLiteral("Row Binning    "));
    row("Vek114_Adv", "checkHDR", "checked", false);
    row("Vek114_Adv", "comboNumExp", "enabled", false);
    row("Vek114_Adv", "dSpinIntgTime", "decimals", 2);
    row("Vek114_Adv", "dSpinIntgTime", "value", 5.0);
    row("Vek114_Adv", "checkUse_Reg", "checked", true);
    row("Vek114_Adv", "spinT2_ExpTime", "maximum", 9999);
    row("Vek114_Adv", "spinT2_ExpTime", "value", 15);
    row("Vek114_Adv", "spinT3_ExpTime", "value", 10);
    row("Vek114_Adv", "spinT3_ExpTime", "enabled", false);
    row("Vek114_Adv", "spinT2_T3", "maximum", 7);
    // Drav102_Adv, Zelt_Adv
    row("Drav102_Adv", "spinCols", "singleStep", 2);
    row("Drav102_Adv", "spinRows", "maximum", 568);
    row("Drav102_Adv", "spinRows", "value", 560);
    row("Drav102_Adv", "spinScaleM", "minimum", 16);
    row("Drav102_Adv", "spinScaleM", "maximum", 128);
    row("Drav102_Adv", "dSpinIntgTime", "decimals", 3);
    row("Drav102_Adv", "dSpinIntgTime", "suffix", QStringLiteral("  ms"));
    row("Drav102_Adv", "xSkipFactor", "items", QStringList{"1:1", "1:2", "1:4"});
    row("Drav102_Adv", "ySkipFactor", "toolTip", QStringLiteral("Number of pixels to bin or skip"));
    row("Drav102_Adv", "fbMode", "items", QStringList{"Off", "Roi", "Slow mipi"});
    row("Drav102_Adv", "xScaling", "text", QStringLiteral("Comlumn scaling"));
    row("Drav102_Adv", "roi0Xstart", "maximum", 567);
    row("Drav102_Adv", "roi0Xsize", "value", 280);
    row("Drav102_Adv", "roi1Ysize", "value", 560);
    row("Drav102_Adv", "roi1Yscale", "minimum", 16);
    row("Drav102_Adv", "roi1Yscale", "maximum", 64);
    row("Zelt_Adv", "spinROI", "maximum", 3080);
    row("Zelt_Adv", "spinROI", "value", 2060);
    row("Zelt_Adv", "spinROI", "enabled", false);
    row("Zelt_Adv", "spinRefCali", "maximum", 1023);
    row("Zelt_Adv", "spinRefCali", "value", 68);
    row("Zelt_Adv", "spinIntTime", "maximum", 17808);
    row("Zelt_Adv", "spinIntOffset", "maximum", 999999999);
    row("Zelt_Adv", "radioMaster", "checked", true);
    row("Zelt_Adv", "radioMaster", "enabled", false);
    row("Zelt_Adv", "radioSlave", "enabled", false);
    // Brel101, Vek102, Vek101, Vek108, Brel104 and Brel105 PLL forms
    for (const char *form : {"Brel101_PLL", "Vek102_PLL", "Vek101_PLL", "Vek108_PLL", "Brel104_PLL"})
        row(form, "comboPLL_InterMode", "items", QStringList{"Parallel", "HISPI"});
    row("Brel105_PLL", "comboPLL_InterMode", "items", QStringList{"Parallel", "MIPI", "HISPI"});
    for (const char *form : {"Brel101_PLL", "Vek102_PLL", "Vek101_PLL", "Vek108_PLL", "Brel104_PLL", "Brel105_PLL"}) {
        row(form, "comboPLL_Lanes", "count", 0);
        row(form, "comboPLL_Lanes", "enabled", false);
        row(form, "comboPLL_Bits", "count", 0);
        row(form, "comboPLL_Bits", "enabled", false);
    }
    for (const char *form : {"Brel101_PLL", "Vek102_PLL"}) {
        row(form, "checkPLL_EmbedData", "checked", true);
        row(form, "checkPLL_EmbedStat", "checked", true);
        row(form, "spinPLL_P5", "enabled", false);
    }
    row("Brel101_PLL", "checkPLL_P4", "text", QStringLiteral("P1 Value:"));
    row("Brel101_PLL", "checkPLL_P5", "text", QStringLiteral("P2 Value:"));
    row("Brel101_PLL", "spinPLL_P4", "maximum", 15);
    row("Brel101_PLL", "spinPLL_P4", "enabled", false);
    row("Brel101_PLL", "spinPLL_P5", "minimum", 0);
    row("Brel101_PLL", "spinPLL_P5", "maximum", 15);
    row("Vek102_PLL", "comboPLL_P1", "items", QStringList{"1", "2", "4", "6", "8", "10", "12", "14", "16"});
    row("Vek102_PLL", "comboPLL_P1", "enabled", false);
    row("Vek102_PLL", "spinPLL_P5", "minimum", 1);
    row("Vek102_PLL", "spinPLL_P5", "maximum", 16);
    row("Vek108_PLL", "checkCombi", "checked", true);
    row("Vek108_PLL", "spinPLL_P5", "minimum", 1);
    row("Vek108_PLL", "spinPLL_P5", "maximum", 8);
    row("Vek108_PLL", "spinPLL_P5", "enabled", true);
    row("Brel105_PLL", "checkPLL_MIPICont", "text", QStringLiteral("MIPI continuous mode"));
    // Vek152_Adv, Vek153_Adv, Vek155_Adv, Vek143_Adv
    row("Vek152_Adv", "spinRows", "minimum", 120);
    row("Vek152_Adv", "spinRows", "value", 2464);
    row("Vek152_Adv", "spinCols", "maximum", 4208);
    row("Vek152_Adv", "spinCols", "value", 3280);
    row("Vek152_Adv", "spinReadMode_Y", "maximum", 4);
    row("Vek152_Adv", "dSpinIntgTime", "decimals", 3);
    row("Vek152_Adv", "checkPLL_DarkRows", "text", QStringLiteral("Show Dark Cols"));
    row("Vek152_Adv", "checkPLL_DarkCols", "text", QStringLiteral("Show Dark Rows"));
    row("Vek153_Adv", "spinCols", "minimum", 320);
    row("Vek153_Adv", "spinRows", "minimum", 240);
    row("Vek153_Adv", "spinN_in", "maximum", 999);
    row("Vek153_Adv", "spinN_in", "value", 192);
    row("Vek153_Adv", "spinBorderPixels", "maximum", 8);
    row("Vek153_Adv", "spinSMode", "maximum", 4);
    row("Vek153_Adv", "checkPLL_DarkRows", "text", QStringLiteral("Show Dark Rows"));
    row("Vek153_Adv", "checkPLL_DarkRows", "enabled", false);
    row("Vek153_Adv", "checkPLL_DarkCols", "text", QStringLiteral("Show Dark Cols"));
    row("Vek153_Adv", "labelReadModeNote", "text",
        QStringLiteral("Note:\n1 = full resolution\n2 = skip2 or bin2 \n3 = skip3\n4 = skip4 or bin2skip2"));
    row("Vek155_Adv", "spinCols", "maximum", 4912);
    row("Vek155_Adv", "spinCols", "value", 4912);
    row("Vek155_Adv", "spinRows", "minimum", 16);
    row("Vek155_Adv", "spinRows", "value", 3684);
    row("Vek155_Adv", "checkHDR", "enabled", false);
    row("Vek155_Adv", "checkTxLatch", "text", QStringLiteral("LFCPFN"));
    row("Vek155_Adv", "spinScaler", "maximum", 2);
    row("Vek155_Adv", "comboCCRow", "items", QStringList{"16", "32", "64", "128"});
    row("Vek143_Adv", "spinCols", "maximum", 3280);
    row("Vek143_Adv", "spinRows", "maximum", 2464);
    row("Vek143_Adv", "spinRows", "singleStep", 2);
    row("Vek143_Adv", "spinScaleM", "minimum", 16);
    row("Vek143_Adv", "comboCCRow", "items", QStringList{"16", "32", "64", "128"});
    // Vek128_Adv, Vek138_Adv
    row("Vek128_Adv", "scrollArea", "widgetResizable", true);
    row("Vek128_Adv", "spinCols", "minimum", 200);
    row("Vek128_Adv", "spinCols", "value", 2896);
    row("Vek128_Adv", "spinRows", "minimum", 12);
    row("Vek128_Adv", "spinRows", "value", 1608);
    row("Vek128_Adv", "comboOperMode", "items",
        QStringList{"1ExpLin", "2ExpHDR", "3ExpHDR", "4ExpHDR", "2ExpLIM", "3ExpLIM", "4ExpLIM", "3ExpLICM",
                    "4ExpLICM", "ST1_Lin", "ST1_T2", "ST1_T2_LIM", "ST1_T2_DS_LICM"});
    row("Vek128_Adv", "comboOperMode", "currentIndex", 2);
    row("Vek128_Adv", "comboOperMode", "maxVisibleItems", 13);
    row("Vek128_Adv", "spinBox", "enabled", false);
    row("Vek128_Adv", "checkPLL_DarkCols", "enabled", false);
    row("Vek128_Adv", "checkUse_Reg", "checked", true);
    row("Vek128_Adv", "spinT3_T4", "maximum", 4);
    row("Vek128_Adv", "spinT3_T4", "value", 2);
    row("Vek128_Adv", "dSpinIntgTime", "maximum", 100.0);
    row("Vek128_Adv", "dSpinIntgTime", "value", 20.0);
    row("Vek128_Adv", "dSpinIntgTime2", "value", 2.0);
    row("Vek128_Adv", "dSpinIntgTime3", "value", 0.2);
    row("Vek128_Adv", "dSpinIntgTime4", "singleStep", 0.001);
    row("Vek128_Adv", "dSpinIntgTime4", "value", 0.02);
    row("Vek128_Adv", "spinDarkCols", "maximum", 3);
    row("Vek138_Adv", "scrollArea", "widgetResizable", true);
    row("Vek138_Adv", "spinCols", "minimum", 320);
    row("Vek138_Adv", "spinCols", "singleStep", 2);
    row("Vek138_Adv", "spinCols", "value", 3848);
    row("Vek138_Adv", "spinRows", "minimum", 240);
    row("Vek138_Adv", "spinRows", "value", 2168);
    row("Vek138_Adv", "spinReadMode", "maximum", 10);
    row("Vek138_Adv", "spinReadMode", "enabled", false);
    row("Vek138_Adv", "labelReadModeNote", "text",
        QStringLiteral("0 = normal\n3 = digital h/v binning\n9 = analog FD binning"));
    row("Vek138_Adv", "checkDelayBuf", "text", QStringLiteral("Delay Buffer\nMemory Pack"));
    row("Vek138_Adv", "comboATCol", "items", QStringList{"0", "24", "48"});
    row("Vek138_Adv", "comboRNCol", "items", QStringList{"0", "56", "112"});
    row("Vek138_Adv", "comboNumExp", "count", 0);
    for (const char *name : {"comboT1T2", "comboT2T3", "comboT3T4"}) {
        row("Vek138_Adv", name, "items", QStringList{"1", "2", "4", "8", "16", "32", "64", "128"});
        row("Vek138_Adv", name, "enabled", false);
    }
    row("Vek138_Adv", "comboT1T2", "currentIndex", 2);
    row("Vek138_Adv", "comboT2T3", "currentIndex", 1);
    row("Vek138_Adv", "comboT3T4", "currentIndex", 2);
    row("Vek138_Adv", "spinT1", "maximum", 999999);
    row("Vek138_Adv", "spinT1", "value", 79);
    row("Vek138_Adv", "spinT2", "value", 11);
    row("Vek138_Adv", "spinT3", "value", 2);
    row("Vek138_Adv", "spinT4", "value", 0);
    row("Vek138_Adv", "spinMIT", "maximum", 15);
    row("Vek138_Adv", "spinMIT", "value", 3);
    // Brel103_PLL, Brel107_PLL, Vek141_PLL, Vek145l_PLL, Vek149_PLL
    row("Brel103_PLL", "comboPLL_OpBits", "items", QStringList{"8", "10"});
    row("Brel103_PLL", "comboPLL_OpBits", "currentIndex", 0);
    row("Brel103_PLL", "spinPLL_VtDiv", "minimum", 2);
    row("Brel103_PLL", "spinPLL_VtDiv", "maximum", 15);
    row("Brel103_PLL", "spinPLL_VtDiv", "value", 2);
    row("Brel103_PLL", "checkPLL_MinFreq", "text", QStringLiteral("Use Min. Frequency"));
    row("Brel107_PLL", "comboPLL_OpBits", "items", QStringList{"8", "10", "12"});
    row("Brel107_PLL", "comboPLL_OpBits", "currentIndex", 0);
    row("Brel107_PLL", "spinPLL_VtDiv", "value", 2);
    row("Vek141_PLL", "comboPLL_OpBits", "items", QStringList{"6", "8", "10"});
    row("Vek141_PLL", "comboPLL_OpBits", "currentIndex", 0);
    row("Vek141_PLL", "checkHighSpeed", "checked", false);
    row("Vek141_PLL", "checkPLL_MIPICont", "text", QStringLiteral("MIPI Continuous Mode:"));
    row("Vek149_PLL", "comboPLL_OpBits", "items", QStringList{"6", "8", "10"});
    row("Vek149_PLL", "checkHighSpeed", "text", QStringLiteral("High Speed"));
    row("Vek145l_PLL", "comboPLL_OpBits", "items", QStringList{"8", "10"});
    row("Vek145l_PLL", "checkPLL_EmbedData", "checked", true);
    row("Vek145l_PLL", "checkPLL_MIPICont", "text", QStringLiteral("MIPI Continuous Mode"));
    // Yorm102_PLL, Yorm105_PLL, Yorm106_PLL
    row("Yorm102_PLL", "spinPLL_VtDiv", "minimum", 2);
    row("Yorm102_PLL", "spinPLL_MPDiv", "value", 1);
    row("Yorm102_PLL", "combo2pixBits", "items", QStringList{"8-bit", "10-bit"});
    row("Yorm102_PLL", "checkPLL_MinFreq", "checked", true);
    row("Yorm105_PLL", "comboOutPort", "items", QStringList{"Parallel", "Ethernet"});
    row("Yorm105_PLL", "comboOutPort", "currentIndex", 0);
    row("Yorm105_PLL", "comboPLL_REV", "items", QStringList{"Rev1", "Rev2"});
    row("Yorm105_PLL", "checkPLL_Bypass", "enabled", false);
    row("Yorm106_PLL", "keepSyncCheckBox", "checked", false);
    row("Yorm106_PLL", "dbspbxKeepSyncClock", "minimum", 6.0);
    row("Yorm106_PLL", "dbspbxKeepSyncClock", "maximum", 200.0);
    row("Yorm106_PLL", "dbspbxKeepSyncClock", "decimals", 3);
    row("Yorm106_PLL", "dbspbxKeepSyncClock", "value", 36.0);
    row("Yorm106_PLL", "pCKSpinBox", "maximum", 9999);
    row("Yorm106_PLL", "fLSpinBox", "maximum", 9999);
    for (const char *name :
         {"keepSyncClockLabel", "pCKLabel", "fLLabel", "dbspbxKeepSyncClock", "pCKSpinBox", "fLSpinBox"})
        row("Yorm106_PLL", name, "enabled", false);
    row("Yorm106_PLL", "checkPLL_AutoAdjust", "checked", true);
    // Vek152_PLL, Vek153_PLL, Vek154_PLL, Murn107_PLL, Murn103_PLL, Murn110_PLL, Murn108_PLL, Murn106_PLL
    row("Vek152_PLL", "comboPLL_OpBits", "items", QStringList{"6", "8", "10"});
    row("Vek152_PLL", "comboPLL_REV", "items", QStringList{"Rev1", "Rev2"});
    row("Vek152_PLL", "comboPLL_REV", "currentIndex", 1);
    row("Vek152_PLL", "spinPLL_N2", "maximum", 63);
    row("Vek152_PLL", "spinPLL_M2", "maximum", 255);
    row("Vek152_PLL", "dSpinPLL_VCO2", "minimum", 1.0);
    row("Vek152_PLL", "dSpinPLL_VCO2", "maximum", 9999.0);
    row("Vek153_PLL", "comboPLL_OpBits", "items", QStringList{"6", "8", "10"});
    row("Vek153_PLL", "spinPLL_N2", "value", 0);
    row("Vek153_PLL", "spinPLL_M2", "value", 0);
    row("Vek153_PLL", "dSpinPLL_VCO2", "minimum", 320);
    row("Vek153_PLL", "dSpinPLL_VCO2", "maximum", 1280);
    row("Vek154_PLL", "comboPLL_OpBits", "items", QStringList{"3", "4", "5", "6"});
    row("Vek154_PLL", "comboPLL_PhyType", "items", QStringList{"D-phy", "C-phy"});
    row("Vek154_PLL", "checkPLL_N2", "enabled", false);
    row("Vek154_PLL", "checkPLL_M2", "enabled", false);
    row("Vek154_PLL", "dSpinPLL_VCO2", "minimum", 320.0);
    row("Vek154_PLL", "dSpinPLL_VCO2", "maximum", 1450.0);
    row("Vek154_PLL", "dSpinPLL_VCO2", "enabled", false);
    row("Murn107_PLL", "checkPLL_MinFreq", "text", QStringLiteral("Use Min. Frequency"));
    row("Murn106_PLL", "checkPLL_MinFreq", "text", QStringLiteral("Use Min Frequency"));
    row("Murn108_PLL", "spinPLL_WCD", "minimum", 8);
    row("Murn108_PLL", "spinPLL_WCD", "maximum", 10);
    row("Murn108_PLL", "spinPLL_WCD", "enabled", false);
    row("Murn108_PLL", "checkPLL_WCD", "checked", false);
    // Vek116_PLL, Vek118_PLL, Vek128_PLL, Drav102_PLL, Zelt_PLL, Holv101_PLL
    row("Vek116_PLL", "comboPLL_InterMode", "items", QStringList{"Parallel", "HISPI"});
    row("Vek116_PLL", "comboPLL_Lanes", "enabled", false);
    row("Vek116_PLL", "checkCombi", "checked", true);
    row("Vek118_PLL", "comboPLL_Bits", "enabled", false);
    row("Vek118_PLL", "check16b8bits", "enabled", false);
    row("Vek118_PLL", "comboPLL_REV", "items", QStringList{"Rev1", "Rev2"});
    row("Vek118_PLL", "comboPLL_vcodiv", "currentIndex", 3);
    row("Vek118_PLL", "label_6", "text", QStringLiteral("0 -> 8\n1 -> 4\n2 -> 2\n3 -> 1"));
    row("Vek128_PLL", "check16b8bits", "enabled", false);
    row("Drav102_PLL", "comboPLL_Lanes", "enabled", false);
    row("Drav102_PLL", "comboPLL_REV", "items", QStringList{"Rev1", "Rev2"});
    row("Zelt_PLL", "comboPLL_Lanes", "items", QStringList{"1", "2", "3", "4"});
    row("Zelt_PLL", "comboPLL_Bits", "items", QStringList{"10", "12"});
    row("Zelt_PLL", "comboPLL_REV", "enabled", false);
    row("Zelt_PLL", "checkPLL_Companding", "enabled", false);
    row("Holv101_PLL", "comboPLL_Decimation", "items", QStringList{"OFF", "2x", "3x", "4x"});
    row("Holv101_PLL", "spinPLL_ChirpReset", "maximum", 99999);
    row("Holv101_PLL", "spinPLL_ChirpReset", "value", 10);
    row("Holv101_PLL", "doubleSpinPLL_FreqMin", "decimals", 2);
    row("Holv101_PLL", "doubleSpinPLL_FreqMin", "maximum", 99999.99);
    row("Holv101_PLL", "doubleSpinPLL_FreqMin", "value", 80.1);
    row("Holv101_PLL", "doubleSpinPLL_AdcStart", "value", 0.5);
    row("Holv101_PLL", "spinPLL_AdcSampler", "value", 512);
    row("Holv101_PLL", "spinPLL_ChirpFrame", "value", 128);
    row("Holv101_PLL", "comboPLL_AdcClock", "items", QStringList{"60", "30"});
    row("Holv101_PLL", "comboTDM", "items", QStringList{"OFF", "ON"});
    row("Murn110_PLL", "spinPLL_P4", "minimum", 1);
    row("Murn110_PLL", "spinPLL_P4", "singleStep", 2);
    row("Murn110_PLL", "spinPLL_P5", "maximum", 15);
    row("Murn110_PLL", "spinPLL_WCD", "maximum", 2);
    row("Murn110_PLL", "spinPLL_I2C", "minimum", 50);
    row("Murn110_PLL", "spinPLL_I2C", "maximum", 400);
    row("Murn110_PLL", "comboPLL_REV", "items", QStringList{"Rev1", "Rev2"});
    // Vek117_PLL, Vek107_PLL, Vek110_PLL, Vek111_PLL, Vek123_PLL
    for (const char *form : {"Vek117_PLL", "Vek107_PLL", "Vek110_PLL", "Vek111_PLL", "Vek123_PLL"}) {
        row(form, "comboPLL_Lanes", "enabled", false);
        row(form, "comboPLL_Bits", "enabled", false);
    }
    for (const char *form : {"Vek117_PLL", "Vek107_PLL", "Vek110_PLL"}) {
        row(form, "comboPLL_InterMode", "items", QStringList{"Parallel", "HISPI"});
        row(form, "checkCombi", "checked", true);
        row(form, "checkCombi", "text", QStringLiteral("Combination Mode"));
        row(form, "checkOddClock_Ratio", "toolTip",
            QStringLiteral("Achieve higher frame rate at the expense of odd clock ratio"));
    }
    row("Vek117_PLL", "comboPLL_Lanes", "count", 0);
    row("Vek117_PLL", "comboPLL_REV", "items", QStringList{"Rev6", "Rev7"});
    row("Vek117_PLL", "checkOddClock_Ratio", "text", QStringLiteral("Odd Clock Ratio"));
    row("Vek117_PLL", "checkIme", "text", QStringLiteral("IME Mode"));
    row("Vek107_PLL", "comboPLL_Lanes", "items", QStringList{"4"});
    row("Vek107_PLL", "comboPLL_Bits", "items", QStringList{"12"});
    row("Vek107_PLL", "checkOddClock_Ratio", "text", QStringLiteral("IME Mode"));
    row("Vek107_PLL", "checkOddClock_Ratio", "enabled", false);
    row("Vek107_PLL", "checkPLL_FastClock", "text", QStringLiteral("Use Fast Clock"));
    row("Vek110_PLL", "checkOddClock_Ratio", "text", QStringLiteral("IME Mode"));
    row("Vek110_PLL", "checkUseDataRate", "text", QStringLiteral("Use Output Data Rate per Lane:"));
    row("Vek110_PLL", "checkUseDataRate", "enabled", false);
    row("Vek110_PLL", "dSpinPLL_OutRate", "minimum", 0.0);
    row("Vek110_PLL", "dSpinPLL_OutRate", "maximum", 1000.0);
    row("Vek110_PLL", "dSpinPLL_OutRate", "decimals", 2);
    row("Vek110_PLL", "dSpinPLL_OutRate", "enabled", false);
    row("Vek110_PLL", "comboPLL_REV", "items", QStringList{"Rev1", "Rev2", "Rev3"});
    row("Vek111_PLL", "comboPLL_REV", "items", QStringList{"Rev1", "Rev2", "Rev3"});
    row("Vek111_PLL", "comboPLL_REV", "enabled", false);
    row("Vek111_PLL", "checkCompand", "text", QStringLiteral("Companding"));
    row("Vek111_PLL", "checkPLL_DarkCols", "text", QStringLiteral("Show Dark Cols"));
    row("Vek123_PLL", "dSpinPLL_OutRate", "minimum", 1.0);
    row("Vek123_PLL", "dSpinPLL_OutRate", "maximum", 1236.0);
    row("Vek123_PLL", "dSpinPLL_OutRate", "decimals", 0);
    row("Vek123_PLL", "dSpinPLL_OutRate", "value", 864.0);
    row("Vek123_PLL", "dSpinPLL_OutRate", "enabled", false);
    row("Vek123_PLL", "spinOTPRev", "minimum", 1);
    row("Vek123_PLL", "spinOTPRev", "maximum", 3);
    row("Vek123_PLL", "spinOTPRev", "value", 1);
    row("Vek123_PLL", "comboCust_Rev", "items", QStringList{"0x492", "0x91", "0"});
    row("Vek123_PLL", "comboCust_Rev", "currentIndex", 0);
    row("Vek123_PLL", "comboHISPIMode", "items", QStringList{"Packetized-SP", "Streaming-S", "Streaming-SP"});
    row("Vek123_PLL", "checkPLL_LSB", "text", QStringLiteral("LSB Aligned"));
    // Vek155_PLL, Vek143_PLL, Vek157b_PLL, Vek157f_PLL, Vek132_PLL, Vek138_PLL
    row("Vek155_PLL", "comboPLL_OpBits", "items", QStringList{"6", "8", "10"});
    row("Vek143_PLL", "comboPLL_OpBits", "items", QStringList{"6", "8", "10"});
    row("Vek157b_PLL", "comboPLL_OpBits", "items", QStringList{"6", "8", "10", "12"});
    row("Vek157f_PLL", "comboPLL_OpBits", "items", QStringList{"6", "8", "10", "12"});
    for (const char *form : {"Vek155_PLL", "Vek157b_PLL", "Vek157f_PLL"})
        row(form, "checkHighSpeed", "enabled", false);
    row("Vek132_PLL", "comboPLL_OpBits", "items", QStringList{"3", "4", "5", "6"});
    row("Vek132_PLL", "comboPLL_PhyType", "items", QStringList{"D-phy", "C-phy"});
    row("Vek132_PLL", "combo2pixBits", "items", QStringList{"6", "8", "10", "12"});
    row("Vek132_PLL", "checkPLL_N2", "enabled", false);
    row("Vek132_PLL", "checkPLL_M2", "enabled", false);
    row("Vek132_PLL", "checkPLL_VCO2", "enabled", true);
    row("Vek132_PLL", "spinPLL_N2", "maximum", 63);
    row("Vek132_PLL", "spinPLL_M2", "maximum", 255);
    row("Vek132_PLL", "dSpinPLL_VCO2", "minimum", 320.0);
    row("Vek132_PLL", "dSpinPLL_VCO2", "maximum", 1450.0);
    row("Vek132_PLL", "dSpinPLL_VCO2", "enabled", false);
    row("Vek138_PLL", "checkPLL_Bypass", "enabled", false);
    row("Vek138_PLL", "comboPLL_OpBits", "items", QStringList{"10", "12", "14", "16", "20", "24"});
    row("Vek138_PLL", "comboPLL_BitRate", "items",
        QStringList{"0.384 Gbps", "0.468 Gbps", "0.768 Gbps", "0.9 Gbps", "0.936 Gbps", "1.08 Gbps", "1.2 Gbps",
                    "1.248 Gbps", "1.25 Gbps", "1.5 Gbps", "1.56 Gbps", "1.872 Gbps"});
    row("Vek138_PLL", "labelBitRate", "text", QStringLiteral("Serial Bit Rate:   "));
}

void TestFormContract::formValues()
{
    QFETCH(QString, form);
    QFETCH(QString, widget);
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    std::unique_ptr<QWidget> top = load(form);
    QVERIFY(top);
    QWidget *child = top->findChild<QWidget *>(widget);
    QVERIFY(child);
    if (property == QLatin1String("items")) {
        auto *combo = qobject_cast<QComboBox *>(child);
        QVERIFY(combo);
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        QCOMPARE(items, value.toStringList());
    } else {
        QCOMPARE(child->property(qPrintable(property)), value);
    }
}

QTEST_MAIN(TestFormContract)
#include "tst_formcontract.moc"
