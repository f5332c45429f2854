#include "setuprecords.h"

#include "calvex.h"
#include "pallador.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QString>

#include <initializer_list>
#include <type_traits>
#include <utility>

namespace {

// ---------------------------------------------------------------------------
// Library calls made on the family's own class, so that an operation a family
// declares itself is the one called.

template <class F, class = void> struct TakesSensorIndex : std::false_type {
};
template <class F>
struct TakesSensorIndex<F, std::void_t<decltype(std::declval<F &>().InitDefaults(QString(), 0))>> : std::true_type {
};

template <class F, F *CCalvex::*Member> struct Calls {
    static void initDefaults(CCalvex &calvex, const QString &path, int sensorIndex)
    {
        F *family = calvex.*Member;
        if (!family)
            return;
        if constexpr (TakesSensorIndex<F>::value)
            family->InitDefaults(path, sensorIndex);
        else
            family->InitDefaults(path);
    }

    static void results(CCalvex &calvex, int context)
    {
        F *family = calvex.*Member;
        if (!family)
            return;
        if constexpr (std::is_base_of_v<CPlainFamily, F>)
            family->SetResults(context);
        else
            family->ResultsUpdate(context);
    }

    static void registers(CCalvex &calvex, int context, int sensorIndex)
    {
        F *family = calvex.*Member;
        if (!family)
            return;
        if constexpr (TakesSensorIndex<F>::value)
            family->RegisterUpdate(context, sensorIndex);
        else
            family->RegisterUpdate(context);
    }
};

template <class F, F *CCalvex::*Member>
const FamilyCalls familyCalls = {&Calls<F, Member>::initDefaults, &Calls<F, Member>::results,
                                 &Calls<F, Member>::registers};

template <class F, F *CCalvex::*Member> const FamilyCalls *family()
{
    return &familyCalls<F, Member>;
}

// ---------------------------------------------------------------------------
// Attached-sensor codes of the bridge families, first match wins.

const AttachedSensorCode kYorm102Attached[] = {
    {"Sarn106c", 0}, {"Vek108", 1}, {"Vek101", 2}, {"Drav103", 3}, {nullptr, 0},
};

const AttachedSensorCode kYorm105Attached[] = {
    {"Sarn106c", 0}, {"Vek102", 0}, {"Vek108", 1}, {"Vek116", 2}, {"Vek117", 3}, {nullptr, 0},
};

// ---------------------------------------------------------------------------
// Row counts reported by the library.

int vek128Rows(CCalvex &calvex, bool)
{
    return calvex.vek_128 ? calvex.vek_128->NumberOfRegisters() : 0;
}

int drav102Rows(CCalvex &calvex, bool installed)
{
    return calvex.drav_102 ? calvex.drav_102->NumberOfRegisters(installed) : 0;
}

// ---------------------------------------------------------------------------
// The bodies' own steps.

// Sensors 9 to 11 have no choice of interface.
void fixedInterfaceFrom9(Pallador &w, SetupStep step)
{
    if (step == SetupStep::ActionsShown && w.sensorIndex >= 9)
        w.ui.comboPLL_Interface->setEnabled(false);
}

// The group-lines-in count of context A starts at 192.
void groupLinesIn192(Pallador &w, SetupStep step)
{
    if (step == SetupStep::RowsInstalled)
        w.scaler[0] = 192;
}

void preScaleOn(Pallador &w, SetupStep step)
{
    if (step == SetupStep::ContextsSet)
        w.pllPreScale = true;
}

void fastClockOff(Pallador &w, SetupStep step)
{
    if (step == SetupStep::ContextsSet)
        w.fastClock = false;
}

void combiOff(Pallador &w, SetupStep step)
{
    if (step == SetupStep::ContextsSet)
        w.combi = 0;
}

void vek113(Pallador &w, SetupStep step)
{
    if (step == SetupStep::ContextsSet) {
        w.combi = 0;
        w.scaler[0] = 1;
        w.fixedLineLength[w.currentContext] = 764;
    } else if (step == SetupStep::ContextAReady && w.calvex->vek_113) {
        w.calvex->vek_113->InterfaceUpdate(0);
    }
}

void revisionOne(Pallador &w, SetupStep step)
{
    if (step == SetupStep::RowsInstalled)
        w.revIndex = 1;
}

// The plain-family sensors 105 to 109: HiSPi output at a fixed line time.
void zelt(Pallador &w, SetupStep step)
{
    Ui_PalladorClass &ui = w.ui;
    if (step == SetupStep::ActionsShown) {
        ui.comboTypeFRate_A->setEnabled(false);
        ui.dSpinPLL_Input->setSingleStep(0.1);
    } else if (step == SetupStep::RowsInstalled) {
        ui.checkHorzMirror_A->setEnabled(false);
        ui.checkVertFlip_A->setEnabled(false);
        ui.comboTypeBlank_A->clear();
        ui.comboTypeBlank_A->addItem(QStringLiteral("Use min. line time"));
        ui.comboTypeBlank_A->setEnabled(false);
        ui.dSpinPLL_Target->setEnabled(false);
        ui.checkPLL_VCO->setEnabled(false);
        ui.checkPLL_N->setEnabled(false);
        ui.checkPLL_M->setEnabled(false);
        ui.comboPLL_Interface->clear();
        ui.comboPLL_Interface->addItem(QStringLiteral("HISPI"));
        ui.comboPLL_Interface->setEnabled(false);
    }
}

// The radar sensor 114: its configuration comes from use cases and its PLL panel.
void holv(Pallador &w, SetupStep step)
{
    Ui_PalladorClass &ui = w.ui;
    if (step == SetupStep::ImageDockShown) {
        ui.checkAdvParam_A->hide();
    } else if (step == SetupStep::ActionsShown) {
        ui.comboTypeFRate_A->setEnabled(false);
        ui.comboMaxFRate_A->setEnabled(false);
    } else if (step == SetupStep::RowsInstalled) {
        for (QWidget *widget : std::initializer_list<QWidget *>{
                 ui.checkHorzMirror_A, ui.checkVertFlip_A, ui.comboTypeBlank_A, ui.dSpinPLL_Input, ui.dSpinPLL_Target,
                 ui.checkPLL_VCO, ui.checkPLL_N, ui.checkPLL_M})
            widget->setEnabled(false);
        ui.comboPLL_Interface->clear();
        ui.comboPLL_Interface->setEnabled(false);
    }
}

// ---------------------------------------------------------------------------
// The table.

// Builds a record: sensors, contexts, type code, family, table, then what the
// body does beyond the common procedure.
struct Body {
    SetupRecord r;

    Body(std::initializer_list<int> sensors, int contexts, int typeCode, const FamilyCalls *calls, const char *table)
    {
        int n = 0;
        for (int index : sensors) {
            if (n < SetupRecord::MaxSensors - 1)
                r.sensors[n++] = index;
        }
        r.contexts = contexts;
        r.typeCode = typeCode;
        r.family = calls;
        r.table = table;
        r.imageArea = contexts == 2 ? Qt::TopDockWidgetArea : Qt::LeftDockWidgetArea;
    }

    Body &titles(const char *a, const char *b)
    {
        r.titleA = a;
        r.titleB = b;
        return *this;
    }
    // Preview and capture contexts that take the results of context B themselves.
    Body &previewCapture()
    {
        r.contextBResults = true;
        return titles("Preview Mode", "Capture Mode");
    }
    Body &bridge(const AttachedSensorCode *codes)
    {
        r.attachedSensors = codes;
        r.fovPicture = true;
        return titles("Image Parameters", nullptr);
    }
    Body &imageDockTop()
    {
        r.imageArea = Qt::TopDockWidgetArea;
        return *this;
    }
    Body &picture()
    {
        r.fovPicture = true;
        return *this;
    }
    Body &noPllText()
    {
        r.pllText = false;
        return *this;
    }
    Body &noTimingAction()
    {
        r.timingAction = false;
        return *this;
    }
    Body &from(int sensorIndex, int typeCode, const char *table)
    {
        r.altFrom = sensorIndex;
        r.altTypeCode = typeCode;
        r.altTable = table;
        return *this;
    }
    Body &rowsFromLibrary(int (*rows)(CCalvex &, bool))
    {
        r.libraryRows = rows;
        return *this;
    }
    Body &extra(void (*steps)(Pallador &, SetupStep))
    {
        r.extra = steps;
        return *this;
    }

    operator SetupRecord() const { return r; }
};

const int Own = SetupRecord::OwnIndex;

const SetupRecord kRecords[] = {
    Body({1, 2}, 1, 1, family<Tolm_104, &CCalvex::tolm_104>(), "D1"),
    Body({3, 4, 5, 6, 7, 8, 9, 10, 11}, 1, 3, family<Murn_101, &CCalvex::murn_101>(), "D3")
        .from(10, 10, nullptr)
        .extra(fixedInterfaceFrom9),
    Body({12}, 2, 12, family<Brel_101, &CCalvex::brel_101>(), "D12"),
    Body({13}, 1, 13, family<Murn_105, &CCalvex::murn_105>(), "D13"),
    Body({14, 16, 17, 18}, 2, Own, family<Brel_102, &CCalvex::brel_102>(), "D14"),
    Body({15, 19, 20}, 2, 20, family<Brel_102, &CCalvex::brel_102>(), "D15"),
    Body({21}, 2, 21, family<Vek_101, &CCalvex::vek_101>(), "D21"),
    Body({22, 23, 24}, 2, 22, family<Vek_108, &CCalvex::vek_108>(), "D22"),
    Body({25}, 1, 25, family<Brel_103, &CCalvex::brel_103>(), "D25"),
    Body({26}, 1, 26, family<Vek_124, &CCalvex::vek_124>(), "D26"),
    Body({27}, 1, 27, family<Murn_109, &CCalvex::murn_109>(), "D27"),
    Body({28, 29}, 2, 28, family<Brel_104, &CCalvex::brel_104>(), "D28"),
    Body({30}, 2, 30, family<Brel_105, &CCalvex::brel_105>(), "D30"),
    Body({31}, 2, 31, family<Murn_111, &CCalvex::murn_111>(), "D31").previewCapture(),
    Body({32, 33}, 1, 32, family<Brel_106, &CCalvex::brel_106>(), "D32"),
    Body({34, 35, 36}, 1, 34, family<Brel_107, &CCalvex::brel_107>(), "D34"),
    Body({37, 38, 39, 40}, 1, 37, family<Vek_141, &CCalvex::vek_141>(), "D37"),
    Body({41}, 1, 41, family<Vek_145l, &CCalvex::vek_145l>(), "D41"),
    Body({42, 43}, 1, 42, family<Vek_147, &CCalvex::vek_147>(), "D42"),
    Body({44, 45}, 1, 44, family<Vek_149, &CCalvex::vek_149>(), "D44"),
    Body({46, 47, 48, 49, 50}, 1, 49, family<Vek_152, &CCalvex::vek_152>(), "D46"),
    Body({51}, 1, 51, family<Vek_153, &CCalvex::vek_153>(), "D51").extra(groupLinesIn192),
    Body({52}, 1, 52, family<Vek_154, &CCalvex::vek_154>(), "D52").extra(groupLinesIn192),
    Body({53}, 1, 53, family<Vek_155, &CCalvex::vek_155>(), "D53"),
    Body({54, 55, 56}, 1, Own, family<Yorm_102, &CCalvex::yorm_102>(), "D54a")
        .bridge(kYorm102Attached)
        .from(55, 0, "D54b"),
    Body({57}, 1, Own, family<Yorm_105, &CCalvex::yorm_105>(), "D57").bridge(kYorm105Attached).extra(preScaleOn),
    Body({58}, 1, Own, family<Yorm_106, &CCalvex::yorm_106>(), "D58").bridge(kYorm105Attached).extra(preScaleOn),
    Body({59}, 2, 59, family<Murn_107, &CCalvex::murn_107>(), "D59").previewCapture(),
    Body({60, 61}, 2, Own, family<Murn_103, &CCalvex::murn_103>(), "D60").previewCapture(),
    Body({67, 68}, 1, 67, family<Vek_143, &CCalvex::vek_143>(), "D67"),
    Body({69}, 2, 69, family<Murn_110, &CCalvex::murn_110>(), "D69").previewCapture(),
    Body({70}, 2, 70, family<Murn_108, &CCalvex::murn_108>(), "D70").previewCapture(),
    Body({71}, 1, 71, family<Murn_106, &CCalvex::murn_106>(), "D71").imageDockTop().picture(),
    Body({72, 73, 74}, 2, 72, family<Vek_116, &CCalvex::vek_116>(), "D72"),
    Body({75, 102}, 1, Own, family<Vek_118, &CCalvex::vek_118>(), "D75").noPllText().extra(fastClockOff),
    Body({76, 77, 78, 79}, 2, 77, family<Vek_121, &CCalvex::vek_121>(), "D76"),
    Body({80}, 1, 80, family<Vek_157b, &CCalvex::vek_157b>(), "D80"),
    Body({81}, 1, 81, family<Vek_157f, &CCalvex::vek_157f>(), "D81"),
    Body({82}, 1, 82, family<Vek_137, &CCalvex::vek_137>(), "D82"),
    Body({83}, 1, 83, family<Vek_117, &CCalvex::vek_117>(), "D83").noPllText(),
    Body({84}, 1, 84, family<Vek_107, &CCalvex::vek_107>(), "D84").noPllText().extra(combiOff),
    Body({85}, 1, 85, family<Vek_113, &CCalvex::vek_113>(), "D85").noPllText().extra(vek113),
    Body({86, 87}, 2, 87, family<Vek_111, &CCalvex::vek_111>(), "D86"),
    Body({88, 89}, 1, 89, family<Vek_123, &CCalvex::vek_123>(), "D88"),
    Body({90, 91}, 1, 90, family<Vek_135, &CCalvex::vek_135>(), "D90"),
    Body({92, 93}, 1, Own, family<Vek_110, &CCalvex::vek_110>(), "D92").noPllText().extra(combiOff),
    Body({94}, 1, 94, family<Vek_114, &CCalvex::vek_114>(), "D94").noPllText(),
    Body({95, 96, 97, 98}, 1, 95, family<Vek_132, &CCalvex::vek_132>(), "D95").extra(groupLinesIn192),
    Body({99, 100, 101}, 1, 99, family<Vek_138, &CCalvex::vek_138>(), "D99"),
    Body({103, 104}, 1, 103, family<Vek_119, &CCalvex::vek_119>(), "D103"),
    Body({105, 106, 107, 108, 109}, 1, Own, family<Zelt, &CCalvex::zelt>(), "D105").noTimingAction().extra(zelt),
    Body({110}, 1, 110, family<Vek_128, &CCalvex::vek_128>(), "D110")
        .noPllText()
        .rowsFromLibrary(vek128Rows)
        .extra(fastClockOff),
    Body({111}, 1, 111, family<Drav_102, &CCalvex::drav_102>(), "D111")
        .noPllText()
        .rowsFromLibrary(drav102Rows)
        .extra(fastClockOff),
    Body({112}, 1, 112, family<Drav_101, &CCalvex::drav_101>(), "D112").extra(revisionOne),
    Body({113}, 1, 113, family<Vek_120, &CCalvex::vek_120>(), "D113").extra(revisionOne),
    Body({114}, 1, Own, family<Holv_101, &CCalvex::holv_101>(), "D114").noTimingAction().extra(holv),
    Body({115}, 1, Own, family<Vek_146, &CCalvex::vek_146>(), "D115").noPllText().extra(fastClockOff),
};

} // namespace

int SetupRecord::typeCodeFor(int sensorIndex) const
{
    if (altFrom && sensorIndex >= altFrom && altTypeCode)
        return altTypeCode;
    return typeCode == OwnIndex ? sensorIndex : typeCode;
}

const char *SetupRecord::tableFor(int sensorIndex) const
{
    if (altFrom && sensorIndex >= altFrom && altTable)
        return altTable;
    return table;
}

const SetupRecord *findSetupRecord(int sensorIndex)
{
    if (sensorIndex <= 0)
        return nullptr;
    for (const SetupRecord &record : kRecords) {
        for (int index : record.sensors) {
            if (index == sensorIndex)
                return &record;
        }
    }
    return nullptr;
}
