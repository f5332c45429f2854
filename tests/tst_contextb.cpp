// The context-B advanced panels of the two-context sensors, driven through
// the window's boxes: panels A and B are two instances of the sensor's form,
// each starting from and reading back into its own context; a panel-driven
// slot stores into the context of the placeholder under the pointer, and
// with the pointer over neither placeholder the slot's own rule applies; the
// differences between the two panels of one form; the frame rate a
// re-opening takes from the context-B rate combo; and the sensors without a
// context-B form, whose box only calculates.
#include "calvex.h"
#include "pallador.h"
#include "panels/panels.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QtTest>

#include <functional>
#include <vector>

namespace {

using P = Pallador;
using panels::Panel;

// One bundled sample of every two-context entry with a context-B form
// (entries 1 to 11 have one context; their panel B is shown only).
struct Sample {
    int entry;
    const char *name;
};
const std::vector<Sample> kTwoContexts = {
    {12, "Sarn102"},   {14, "Sarn106h"},  {15, "Vek103"},    {16, "Vek104"},  {17, "Vek105m"},
    {18, "Vek105t"},   {19, "Vek106"},    {20, "Sarn106c"},  {21, "Vek101"},  {22, "Vek108m"},
    {23, "Vek108t"},   {24, "Vek109t"},   {28, "Sarn111"},   {29, "Vek130t"}, {30, "Sarn112"},
    {31, "Sarn116k"},  {59, "Sarn108kj"}, {60, "Sarn103k"},  {61, "Tolm109"}, {69, "Sarn113k"},
    {70, "Sarn110k"},  {72, "Vek116m"},   {73, "Vek116t"},   {74, "Vek115x"}, {76, "Vek121m"},
    {77, "Vek121t"},   {78, "Vek121d"},   {79, "Vek122t"},   {86, "Vek111m"}, {87, "Vek111t"},
};

// The sensors whose context-B box only recalculates context B.
const std::vector<Sample> kCalculateOnly = {
    {46, "Vek151"}, {47, "Vek151tk"}, {48, "Vek151b"}, {49, "Vek152n"}, {50, "Vek156"}, {51, "Vek153"},
    {52, "Vek154"}, {95, "Vek132"},   {96, "Vek133"},   {97, "Vek134t"}, {98, "Vek134s"},
};

// The re-opening of these forms leaves the context's frame rate alone.
bool keepsFrameRate(int entry)
{
    return entry == 60 || entry == 61;
}

enum class Pointer { None, OverA, OverB };

// Rests the pointer on a placeholder, or on neither. A panel widget's slot
// takes its own panel's context; only a change from no panel widget goes by
// the pointer.
void pointAt(Pallador &w, Pointer p)
{
    w.ui.widgetADV_A->setAttribute(Qt::WA_UnderMouse, p == Pointer::OverA);
    w.ui.widgetADV_B->setAttribute(Qt::WA_UnderMouse, p == Pointer::OverB);
    w.ui.widgetADV_C->setAttribute(Qt::WA_UnderMouse, false);
}

QCheckBox *panelBox(Pallador &w, int context)
{
    return context == 0 ? w.ui.checkAdvParam_A : w.ui.checkAdvParam_B;
}

// Ticks or unticks a panel's box as the engineer does, when it is not so.
void setPanel(Pallador &w, int context, bool open)
{
    QCheckBox *box = panelBox(w, context);
    if (box->isChecked() != open)
        box->click();
}

// Opens, closes and opens the panel again.
void reopen(Pallador &w, int context)
{
    setPanel(w, context, false);
    setPanel(w, context, true);
}

QWidget *formWidget(Pallador &w, int context, const char *name)
{
    return w.advForm[context] ? w.advForm[context]->findChild<QWidget *>(QLatin1String(name)) : nullptr;
}

// A value given to a widget with its signals blocked, as left in a closed
// panel: a box ticked for a value other than 0, a spin box or combo index.
void leave(QWidget *widget, double value)
{
    const QSignalBlocker blocker(widget);
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->setChecked(value != 0.0);
    else if (auto *spin = qobject_cast<QSpinBox *>(widget))
        spin->setValue(int(value));
    else if (auto *combo = qobject_cast<QComboBox *>(widget))
        combo->setCurrentIndex(int(value));
}

// A box as 0 or 1, a spin box's value, a combo box's index.
double widgetValue(const QWidget *widget)
{
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->isChecked() ? 1.0 : 0.0;
    if (auto *spin = qobject_cast<const QSpinBox *>(widget))
        return spin->value();
    if (auto *combo = qobject_cast<const QComboBox *>(widget))
        return combo->currentIndex();
    return qQNaN();
}

// A value given as a user gives it: the widget's slot runs.
void drive(QWidget *widget, double value)
{
    if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        if (button->isChecked() != (value != 0.0))
            button->click();
    } else if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
        spin->setValue(int(value));
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        combo->setCurrentIndex(int(value));
    }
}

// Whether a box's click reaches a slot: the slot recalculates. The signal
// is sent as the box sends it, also where the form keeps the box disabled.
bool runsSlot(Pallador &w, QWidget *box, int context)
{
    pointAt(w, context == 0 ? Pointer::OverA : Pointer::OverB);
    resetJournal(w);
    QMetaObject::invokeMethod(box, "clicked");
    return calculations(w) > 0;
}

// A setting of the window for a context.
using Setting = std::function<double(const Pallador &w, int context)>;
template <class T, std::size_t N> Setting setting(T (SensorSettings::*field)[N])
{
    return [field](const Pallador &w, int c) { return double((w.*field)[c]); };
}

// Changes the loaded family before the panels first open.
using Given = std::function<void(CFamilyCore &f)>;

// The output size the size boxes of every context-B form start from, made
// different for the two contexts (the forms take it from the mode state or
// from the context's record, and Brel105 from its field of view).
void distinctSizes(CFamilyCore &f)
{
    for (int c = 0; c < 2; ++c) {
        const int rows = c == 0 ? 602 : 482;
        f.mode[c].outputRows = rows;
        f.mode[c].fovRows = rows;
        f.ctx[c].rows = rows;
    }
}

// One difference between panels A and B of a form, seen on one widget.
struct Difference {
    enum Aspect { Caption, ToolTip, Shown, Enabled, Ticked, Connected };
    int entry;
    const char *sample;
    const char *widget;
    Aspect aspect;
    QVariant inA;
    QVariant inB;
    Given given = {};
};

QVariant aspectOf(Pallador &w, QWidget *widget, Difference::Aspect aspect, int context)
{
    switch (aspect) {
    case Difference::Caption:
        return widget->property("text");
    case Difference::ToolTip:
        return widget->toolTip();
    case Difference::Shown:
        return !widget->isHidden();
    case Difference::Enabled:
        return widget->isEnabled();
    case Difference::Ticked:
        return qobject_cast<const QAbstractButton *>(widget)->isChecked();
    case Difference::Connected:
        return runsSlot(w, widget, context);
    }
    return {};
}

const char *const kLineTimeOfB = "Use Context B Line Time";
const char *const kLineTimeOfA = "Use Context A Line Time";

void interleaveOn(CFamilyCore &f)
{
    f.ctx[0].interleave = 1;
    f.ctx[1].interleave = 1;
}

// The differences the two panels of a form show.
const std::vector<Difference> &differences()
{
    using D = Difference;
    static const std::vector<D> rows = {
        // HDR is context A's in the Sarn106c form: panel B shows it disabled.
        {15, "Vek103", "checkHDR", D::Enabled, true, false},
        {19, "Vek106", "checkHDR", D::Enabled, true, false},
        // Panel B of the Brel104 form sets no tool tips.
        {28, "Sarn111", "checkSkipping", D::ToolTip, "Check to activate skip setting.", ""},
        {29, "Vek130t", "dSpinIntgTime", D::ToolTip, "Enter integration in msec.", ""},
        // The short sequencer is chosen in panel A only.
        {30, "Sarn112", "checkShortSeq", D::Shown, true, false},
        {30, "Sarn112", "checkShortSeq", D::Connected, true, false},
        // Vek121 group: pixel interleave shows the flag but stays disabled;
        // line interleave is left unconnected; the dark boxes are hidden.
        {76, "Vek121m", "checkInterleave", D::Ticked, false, true, interleaveOn},
        {76, "Vek121m", "checkInterleave", D::Enabled, true, false, interleaveOn},
        {77, "Vek121t", "checkLineInterleave", D::Connected, true, false},
        {78, "Vek121d", "checkPLL_DarkCols", D::Shown, true, false},
        {79, "Vek122t", "checkInterleave", D::ToolTip, "Check to activate pixel interleave mode", ""},
        // Low power is panel A's in the Murn forms.
        {31, "Sarn116k", "checkLowPower", D::Shown, true, false},
        {31, "Sarn116k", "checkLowPower", D::Connected, true, false},
        {69, "Sarn113k", "checkLowPower", D::Shown, true, false},
        {60, "Sarn103k", "checkLowPower", D::Shown, true, false},
        {61, "Tolm109", "checkLowPower", D::Connected, true, false},
        {70, "Sarn110k", "checkLowPower", D::Shown, true, false},
        {70, "Sarn110k", "checkLowPower", D::Connected, true, false},
        // Skipping in context B takes the largest possible factor.
        {31, "Sarn116k", "checkSkipping", D::ToolTip, "Check to activate skip setting",
         "Check to activate skip setting (max. possible)"},
        {69, "Sarn113k", "checkSkipping", D::ToolTip, "Check to activate skip setting",
         "Check to activate skip setting (max. possible)"},
        // The line-time box of panel B matches context A's line time.
        {59, "Sarn108kj", "checkOtherLineTime", D::Caption, kLineTimeOfB, kLineTimeOfA},
        {60, "Sarn103k", "checkOtherLineTime", D::Caption, kLineTimeOfB, kLineTimeOfA},
        {70, "Sarn110k", "checkOtherLineTime", D::Caption, kLineTimeOfB, kLineTimeOfA},
        {61, "Tolm109", "checkOtherLineTime", D::ToolTip, "Check to match the Line Time of Context B",
         "Check to match the line time of Context A"},
    };
    return rows;
}

// Which context a slot driven from panel B stores into: context B, the
// context of the panel the widget belongs to, whatever the pointer is over.
struct SlotContext {
    int entry;
    const char *sample;
    const char *widget; // in panel B
    double value;
    Pointer pointer;
    Setting setting;
    int context; // -1: neither context changes
    const char *why;
};

const std::vector<SlotContext> &slotContexts()
{
    static const std::vector<SlotContext> rows = {
        {22, "Vek108m", "spinRows", 400, Pointer::None, setting(&P::rows), 1,
         "a value slot stores into the current context"},
        {59, "Sarn108kj", "comboADCMode", 2, Pointer::None, setting(&P::adcMode), 1,
         "a value slot stores into the current context"},
        {22, "Vek108m", "spinRows", 400, Pointer::OverA, setting(&P::rows), 1,
         "a value slot stores into its own panel's context with the pointer over the other"},
        {22, "Vek108m", "checkSkipping", 1, Pointer::None, setting(&P::skipping), 1,
         "a box slot stores into its own panel's context without a panel under the pointer"},
        {70, "Sarn110k", "checkCentering", 1, Pointer::None, setting(&P::centering), 1,
         "a box slot stores into its own panel's context without a panel under the pointer"},
        {86, "Vek111m", "comboRowSkip", 2, Pointer::None, setting(&P::skipping), 1,
         "a list of panels A and B stores into the current context"},
        {86, "Vek111m", "comboRowSkip", 2, Pointer::OverA, setting(&P::skipping), 1,
         "a list of panels A and B stores into its own panel's context"},
        {20, "Sarn106c", "comboCCRow", 0, Pointer::OverA, setting(&P::ccRow), 1,
         "the exposure ratio of panel B is context B's"},
        {14, "Sarn106h", "comboRowSkip", 3, Pointer::OverA, setting(&P::skipping), 1,
         "the row skip of panel B is context B's"},
    };
    return rows;
}

// Values left in panel B before it opens again, and what the re-opening
// stores into context B (or keeps: the value the close left).
struct ReadBack {
    int entry;
    const char *sample;
    std::vector<std::pair<const char *, double>> left;
    Setting setting;
    bool kept;
    double expected;
    const char *why;
};

const std::vector<ReadBack> &readBacks()
{
    static const std::vector<ReadBack> rows = {
        {69, "Sarn113k", {{"checkJpeg", 1}}, setting(&P::outFormat), false, 1, "the JPEG box is the output format"},
        {69, "Sarn113k", {{"checkJpeg", 0}}, setting(&P::outFormat), false, 0, "the JPEG box is the output format"},
        {76, "Vek121m", {{"checkInterleave", 1}}, setting(&P::interleave), false, 0, "pixel interleave goes off"},
        {77, "Vek121t", {{"checkHDR", 1}, {"checkLineInterleave", 0}}, setting(&P::lineInterleave), false, 1,
         "line interleave follows HDR"},
        {78, "Vek121d", {{"checkHDR", 0}, {"checkLineInterleave", 1}}, setting(&P::lineInterleave), false, 0,
         "line interleave follows HDR"},
        {86, "Vek111m", {{"checkUseFOV", 1}, {"comboRowSkip", 3}}, setting(&P::skipping), false, 8,
         "a row-skip index of 3 is a factor of 8"},
        {87, "Vek111t", {{"checkUseFOV", 0}, {"checkSumming", 1}}, setting(&P::bin2Skip2), false, 1,
         "column summing"},
        {15, "Vek103", {{"checkHDR", 1}}, setting(&P::hdrMode), false, 1, "HDR is read back for every entry"},
        {60, "Sarn103k", {{"checkLowPower", 1}}, setting(&P::lowPower), true, 0, "low power is not read back"},
        {70, "Sarn110k", {{"checkLowPower", 1}}, setting(&P::lowPower), true, 0, "low power is not read back"},
        {70, "Sarn110k", {{"checkCentering", 1}}, setting(&P::centering), false, 1, "centering"},
        {59, "Sarn108kj", {{"checkOtherLineTime", 1}}, setting(&P::otherLineTime), false, 1, "line time of A"},
        {31, "Sarn116k", {{"checkAspectRatio", 1}}, setting(&P::aspectRatio), false, 1, "aspect ratio"},
    };
    return rows;
}

} // namespace

Q_DECLARE_METATYPE(Pointer)

class TestContextB : public QObject {
    Q_OBJECT

private slots:
    void coverage();
    void keyInPanelA_data();
    void keyInPanelA();
    void twoInstances_data();
    void twoInstances();
    void sameChangeOverAThenB_data();
    void sameChangeOverAThenB();
    void slotContext_data();
    void slotContext();
    void differencesFromA_data();
    void differencesFromA();
    void readBack_data();
    void readBack();
    void frameRate_data();
    void frameRate();
    void nonNumericFrameRate();
    void calculateOnly_data();
    void calculateOnly();
};

// Every two-context entry has its context-B case and a sample here.
void TestContextB::coverage()
{
    for (const panels::SensorForms &row : panels::sensorFormTable()) {
        if (!row.formB || row.first <= 11)
            continue;
        for (int entry = row.first; entry <= row.last; ++entry) {
            bool sampled = false;
            for (const Sample &s : kTwoContexts)
                sampled = sampled || s.entry == entry;
            QVERIFY2(panels::formCase(entry, Panel::B), qPrintable(QString::number(entry)));
            QVERIFY2(sampled, qPrintable(QString::number(entry)));
        }
    }
}

void TestContextB::twoInstances_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("sample");
    for (const Sample &s : kTwoContexts)
        QTest::addRow("%d %s", s.entry, s.name) << s.entry << QString::fromLatin1(s.name);
}

// Panels A and B open at once are two instances of one form, each starting
// from its own context and held by its own members; neither fills a B
// element that no context-B panel has; closed and opened again, each reads
// back into its own context.
void TestContextB::twoInstances()
{
    QFETCH(int, entry);
    QFETCH(QString, sample);
    WindowSession s(sample);
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, entry);
    // Families that open both panels on loading have their values already.
    const bool openedOnLoad = w.ui.checkAdvParam_B->isChecked();
    if (!openedOnLoad)
        distinctSizes(*w.calvex->family());
    setPanel(w, 0, true);
    setPanel(w, 1, true);

    QVERIFY(w.advForm[0] && w.advForm[1]);
    QVERIFY(w.advForm[0] != w.advForm[1]);
    QCOMPARE(w.advForm[0]->parentWidget(), w.ui.widgetADV_A);
    QCOMPARE(w.advForm[1]->parentWidget(), w.ui.widgetADV_B);
    QCOMPARE(w.advForm[1]->objectName(), w.advForm[0]->objectName());
    QVERIFY(w.advForm[1]->isVisibleTo(w.ui.widgetADV_B));

    const panels::FormCase *b = panels::formCase(entry, Panel::B);
    QVERIFY(b);
    for (const panels::Widget &d : b->widgets) {
        if (!d.member.get || !d.member.perContext || d.member.fixedElement >= 0 || (d.flags & panels::NotInForm))
            continue;
        const QWidget *held = d.member.get(w, 1);
        if (d.flags & panels::LookedUpAbsent)
            QVERIFY2(!held, d.name);
        else
            QVERIFY2(held && w.advForm[1]->isAncestorOf(held), d.name);
        if (const QWidget *ofA = d.member.get(w, 0))
            QVERIFY2(!w.advForm[1]->isAncestorOf(ofA), d.name);
    }
    QVERIFY(!w.checkBinSF[1]);
    QVERIFY(!w.checkPadding[1]);
    QVERIFY(!w.checkLineComboMode[1]);

    // The field of view gives the Brel105 size when it is in use.
    const bool fovSize = entry == 30 && w.checkUseFOV[1] && w.checkUseFOV[1]->isChecked();
    const char *sizeBox = fovSize ? "spinFovR" : "spinRows";
    auto *rowsA = qobject_cast<QSpinBox *>(formWidget(w, 0, sizeBox));
    auto *rowsB = qobject_cast<QSpinBox *>(formWidget(w, 1, sizeBox));
    QVERIFY(rowsA && rowsB);
    if (!openedOnLoad) {
        QCOMPARE(rowsA->value(), 602);
        QCOMPARE(rowsB->value(), 482);
    }
    // Values left in the two panels go back into their own contexts.
    leave(rowsA, 600);
    leave(rowsB, 480);
    pointAt(w, Pointer::None);
    reopen(w, 0);
    reopen(w, 1);
    QCOMPARE(w.rows[0], 600);
    QCOMPARE(w.rows[1], 480);
}

void TestContextB::sameChangeOverAThenB_data()
{
    twoInstances_data();
}

// With both panels open, a change made in panel A with the pointer over it
// lands in context A, and the same change in panel B with the pointer over
// B lands in context B, leaving context A's.
void TestContextB::sameChangeOverAThenB()
{
    QFETCH(int, entry);
    QFETCH(QString, sample);
    WindowSession s(sample);
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, entry);
    setPanel(w, 0, true);
    setPanel(w, 1, true);
    auto *rowsA = qobject_cast<QSpinBox *>(formWidget(w, 0, "spinRows"));
    auto *rowsB = qobject_cast<QSpinBox *>(formWidget(w, 1, "spinRows"));
    QVERIFY(rowsA && rowsB);
    const int a = rowsA->minimum() + 2 * rowsA->singleStep();
    const int b = rowsB->minimum() + 4 * rowsB->singleStep();
    const int rowsOfB = w.rows[1];

    pointAt(w, Pointer::OverA);
    drive(rowsA, a);
    QCOMPARE(w.currentContext, 0);
    QCOMPARE(w.rows[0], a);
    QCOMPARE(w.rows[1], rowsOfB);

    pointAt(w, Pointer::OverB);
    drive(rowsB, b);
    QCOMPARE(w.currentContext, 1);
    QCOMPARE(w.rows[1], b);
    QCOMPARE(w.rows[0], a);
}

void TestContextB::keyInPanelA_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<Pointer>("pointer");
    for (const char *sample : {"Sarn102", "Sarn116k", "Vek111m"}) {
        QTest::addRow("%s, pointer over neither", sample) << QString::fromLatin1(sample) << Pointer::None;
        QTest::addRow("%s, pointer over B", sample) << QString::fromLatin1(sample) << Pointer::OverB;
    }
}

// With both panels open, a key pressed in panel A's rows box changes context
// A's rows, wherever the pointer rests; context B keeps its own.
void TestContextB::keyInPanelA()
{
    QFETCH(QString, sample);
    QFETCH(Pointer, pointer);
    WindowSession s(sample);
    Pallador &w = s.w();
    setPanel(w, 0, true);
    setPanel(w, 1, true);
    auto *rows = qobject_cast<QSpinBox *>(formWidget(w, 0, "spinRows"));
    QVERIFY(rows && rows->isEnabled());
    const int before[2] = {w.rows[0], w.rows[1]};
    pointAt(w, pointer);
    rows->setFocus();
    QTest::keyClick(rows, Qt::Key_Down);
    QCOMPARE(w.rows[0], rows->value());
    QVERIFY(w.rows[0] != before[0]);
    QCOMPARE(w.rows[1], before[1]);
}

void TestContextB::slotContext_data()
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < slotContexts().size(); ++i) {
        const SlotContext &r = slotContexts()[i];
        QTest::addRow("%d %s %s: %s", r.entry, r.sample, r.widget, r.why) << int(i);
    }
}

// A widget of panel B changed with the pointer where the row says: the
// context its slot stores into (the current one is B, whose box was ticked
// last); the calculation runs either way.
void TestContextB::slotContext()
{
    QFETCH(int, row);
    const SlotContext &r = slotContexts()[row];
    WindowSession s(QLatin1String(r.sample));
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, r.entry);
    setPanel(w, 0, true);
    setPanel(w, 1, true);
    QCOMPARE(w.currentContext, 1);
    QWidget *widget = formWidget(w, 1, r.widget);
    QVERIFY(widget);
    QVERIFY2(widgetValue(widget) != r.value, "the row leaves the widget as it is");
    const double before[2] = {r.setting(w, 0), r.setting(w, 1)};

    pointAt(w, r.pointer);
    resetJournal(w);
    drive(widget, r.value);
    QVERIFY(calculations(w) >= 1);
    for (int c = 0; c < 2; ++c) {
        if (c == r.context)
            QVERIFY2(r.setting(w, c) != before[c], "the context's setting is unchanged");
        else
            QCOMPARE(r.setting(w, c), before[c]);
    }
}

void TestContextB::differencesFromA_data()
{
    QTest::addColumn<int>("row");
    static const char *const kAspects[] = {"caption", "tool tip", "shown", "enabled", "ticked", "connected"};
    for (std::size_t i = 0; i < differences().size(); ++i) {
        const Difference &r = differences()[i];
        QTest::addRow("%d %s %s %s", r.entry, r.sample, r.widget, kAspects[r.aspect]) << int(i);
    }
}

// What a widget of the form shows or does in panel A and in panel B.
void TestContextB::differencesFromA()
{
    QFETCH(int, row);
    const Difference &r = differences()[row];
    WindowSession s(QLatin1String(r.sample));
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, r.entry);
    if (r.given)
        r.given(*w.calvex->family());
    setPanel(w, 0, true);
    setPanel(w, 1, true);
    QWidget *inA = formWidget(w, 0, r.widget);
    QWidget *inB = formWidget(w, 1, r.widget);
    QVERIFY(inA && inB);
    QCOMPARE(aspectOf(w, inA, r.aspect, 0), r.inA);
    QCOMPARE(aspectOf(w, inB, r.aspect, 1), r.inB);
}

void TestContextB::readBack_data()
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < readBacks().size(); ++i) {
        const ReadBack &r = readBacks()[i];
        QTest::addRow("%d %s: %s", r.entry, r.sample, r.why) << int(i);
    }
}

// Values left in panel B are stored into context B when it opens again, and
// a widget the panel does not read back leaves the use case's setting.
void TestContextB::readBack()
{
    QFETCH(int, row);
    const ReadBack &r = readBacks()[row];
    WindowSession s(QLatin1String(r.sample));
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, r.entry);
    setPanel(w, 1, true);
    setPanel(w, 1, false);
    const double closed = r.setting(w, 1);
    for (const auto &[name, value] : r.left) {
        QWidget *widget = formWidget(w, 1, name);
        QVERIFY2(widget, name);
        leave(widget, value);
    }
    pointAt(w, Pointer::None);
    resetJournal(w);
    setPanel(w, 1, true);
    QVERIFY(calculations(w) >= 1);
    QCOMPARE(r.setting(w, 1), r.kept ? closed : r.expected);
    if (r.kept)
        QCOMPARE(closed, r.expected);
}

void TestContextB::frameRate_data()
{
    twoInstances_data();
}

// Opening panel B again takes the frame rate from the context-B rate combo,
// except for the Murn103 form, which keeps the use case's; context A's
// frame rate is left alone.
void TestContextB::frameRate()
{
    QFETCH(int, entry);
    QFETCH(QString, sample);
    WindowSession s(sample);
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, entry);
    setPanel(w, 1, true);
    setPanel(w, 1, false);
    const double closed = w.maxFps[1];
    const double ofA = w.maxFps[0];
    const double typed = closed + 3.5;
    {
        const QSignalBlocker blocker(w.ui.comboMaxFRate_B);
        w.ui.comboMaxFRate_B->setEditText(QString::number(typed));
    }
    setPanel(w, 1, true);
    QCOMPARE(w.maxFps[1], keepsFrameRate(entry) ? closed : typed);
    QCOMPARE(w.maxFps[0], ofA);
}

// A rate that is not a number is taken as 0.
void TestContextB::nonNumericFrameRate()
{
    WindowSession s(QStringLiteral("Vek116m"));
    Pallador &w = s.w();
    setPanel(w, 1, true);
    setPanel(w, 1, false);
    QVERIFY(w.maxFps[1] != 0.0);
    {
        const QSignalBlocker blocker(w.ui.comboMaxFRate_B);
        w.ui.comboMaxFRate_B->setEditText(QStringLiteral("fast"));
    }
    setPanel(w, 1, true);
    QCOMPARE(w.maxFps[1], 0.0);
}

void TestContextB::calculateOnly_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("sample");
    for (const Sample &s : kCalculateOnly)
        QTest::addRow("%d %s", s.entry, s.name) << s.entry << QString::fromLatin1(s.name);
}

// The context-B box of these sensors builds nothing, however often it is
// ticked: each tick calculates once and shows no form.
void TestContextB::calculateOnly()
{
    QFETCH(int, entry);
    QFETCH(QString, sample);
    WindowSession s(sample);
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, entry);
    for (int round = 0; round < 2; ++round) {
        resetJournal(w);
        setPanel(w, 1, true);
        QCOMPARE(calculations(w), 1);
        QVERIFY(!w.advForm[1]);
        QVERIFY(!w.advFormLoaded[1]);
        QVERIFY(w.ui.widgetADV_B->findChildren<QWidget *>().isEmpty());
        QVERIFY(!w.ui.comboUseCase_B->isEnabled());
        setPanel(w, 1, false);
    }
}

QTEST_MAIN(TestContextB)
#include "tst_contextb.moc"
