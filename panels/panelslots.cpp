// The three boxes that open the option panels. The advanced panels of
// contexts A and B are built once, from the sensor's form, the first time
// their box is ticked; unticking hides a panel and gives its context back the
// settings it had when the panel was opened; ticking a closed panel again
// brings back what the user had set through it, reads back the widgets left
// changed and recalculates. The advanced PLL panel is built afresh at every
// opening and acts only through its widgets' slots.
#include "panels.h"

#include "calvex.h"
#include "cguivars.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLayout>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>

#include <climits>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace panels {

namespace {

// Sensors whose panels the code treats itself: the form-based family whose
// forms the sensor set-up builds and binds (62 to 64), and the sensor without
// an advanced panel whose use case follows its PLL panel (114).
bool isVek125(int sensorIndex)
{
    return sensorIndex >= 62 && sensorIndex <= 64;
}
constexpr int kHolv101 = 114;

// A number as a combo box item shows it ("16", "0.5").
QString numberText(double value)
{
    return QString::number(value, 'g', 12);
}

// A form's ranges are drawn for the usual sensors of its family. A sensor
// whose value lies above them still shows its own value: the box widens to
// hold it, so that re-opening the panel reads back what the sensor has and
// not a clipped number. Below the minimum the box keeps its range: there the
// library's 0 for "off" shows as the form's lowest setting (a read-out
// factor of 0 is shown and read back as 1, which programs the same).
void setWidgetValue(QWidget *widget, double value, bool byText)
{
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->setChecked(value != 0.0);
    else if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
        const int number = int(qBound(double(INT_MIN), value, double(INT_MAX)));
        spin->setMaximum(qMax(spin->maximum(), number));
        spin->setValue(number);
    } else if (auto *dspin = qobject_cast<QDoubleSpinBox *>(widget)) {
        dspin->setMaximum(qMax(dspin->maximum(), value));
        dspin->setValue(value);
    } else if (auto *combo = qobject_cast<QComboBox *>(widget))
        combo->setCurrentIndex(byText ? combo->findText(numberText(value)) : int(value));
}

double widgetValue(const QWidget *widget, bool byText)
{
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->isChecked() ? 1.0 : 0.0;
    if (auto *spin = qobject_cast<const QSpinBox *>(widget))
        return spin->value();
    if (auto *dspin = qobject_cast<const QDoubleSpinBox *>(widget))
        return dspin->value();
    if (auto *combo = qobject_cast<const QComboBox *>(widget))
        return byText ? Pallador::numberFromText(combo->currentText()) : combo->currentIndex();
    return 0.0;
}

void setCaption(QWidget *widget, const char *text)
{
    if (auto *group = qobject_cast<QGroupBox *>(widget))
        group->setTitle(QString::fromUtf8(text));
    else
        widget->setProperty("text", QString::fromUtf8(text));
}

// Holds back the signals of a form's widgets while the panel fills them in
// from the window's values, so that filling a form runs none of the slots a
// user's change runs.
class FormSignalsHeld {
public:
    explicit FormSignalsHeld(QWidget *form)
    {
        if (!form)
            return;
        const QList<QWidget *> widgets = form->findChildren<QWidget *>();
        m_blockers.reserve(std::size_t(widgets.size()) + 1);
        m_blockers.emplace_back(form);
        for (QWidget *widget : widgets)
            m_blockers.emplace_back(widget);
    }

private:
    std::vector<QSignalBlocker> m_blockers;
};

// The widgets of a case's lines as the lookups of its first opening found
// them (null where a line is not looked up or the form lacks the name).
using Found = std::vector<QWidget *>;

// The value a widget showed when its panel was filled in, kept on the widget.
constexpr char kFilledValue[] = "palladorFilledValue";

// Remembers what each widget that a re-opening reads back shows once the
// form is filled in.
void rememberFilledValues(const FormCase &c, const Found &found)
{
    for (std::size_t i = 0; i < c.widgets.size(); ++i) {
        const Widget &d = c.widgets[i];
        if (found[i] && d.storeTo)
            found[i]->setProperty(kFilledValue, widgetValue(found[i], d.flags & ByText));
    }
}

Found lookUpLines(Pallador &w, const FormCase &c, int context, QWidget *form)
{
    Found found(c.widgets.size(), nullptr);
    for (std::size_t i = 0; i < c.widgets.size(); ++i) {
        const Widget &d = c.widgets[i];
        if (d.flags & NotInForm)
            continue;
        found[i] = lookUp(form, d.name, d.member.type);
        if (found[i] && (d.flags & TickIsFactor))
            found[i]->setProperty(Pallador::kTickFactorProperty, 2);
        if (d.member.set)
            d.member.set(w, context, found[i]);
        if (found[i] && d.newCaption)
            setCaption(found[i], d.newCaption);
    }
    return found;
}

// The starting values set before the connections (late: after them) that
// apply to the loaded sensor. Every value of the pass is worked out before
// the first is set: a late value runs its widget's slot, whose calculation
// must not change what the next widget starts from, so the panel starts from
// the family's values as they were when it opened.
void setStartingValues(Pallador &w, const FormCase &c, int context, const CFamilyCore &family, const Found &found,
                       bool late)
{
    struct Start {
        QWidget *widget;
        const Widget *line;
        QStringList items;
        std::optional<double> maximum, value;
    };
    std::vector<Start> starts;
    for (std::size_t i = 0; i < c.widgets.size(); ++i) {
        const Widget &d = c.widgets[i];
        QWidget *widget = found[i];
        const bool lineLate = c.connectFirst || (d.flags & Late);
        if (!widget || lineLate != late || !d.startEntries.contains(w.sensorIndex))
            continue;
        Start start{widget, &d, {}, std::nullopt, std::nullopt};
        if (qobject_cast<QComboBox *>(widget) && d.items)
            start.items = d.items(w, family, context);
        if (qobject_cast<QAbstractSpinBox *>(widget) && d.maximumValue && d.maximumEntries.contains(w.sensorIndex))
            start.maximum = d.maximumValue(w, family, context);
        if (d.startValue)
            start.value = d.startValue(w, family, context);
        starts.push_back(std::move(start));
    }
    for (const Start &start : starts) {
        if (auto *combo = qobject_cast<QComboBox *>(start.widget); combo && start.line->items) {
            combo->clear();
            combo->addItems(start.items);
        }
        if (start.maximum)
            start.widget->setProperty("maximum", *start.maximum);
        if (start.value)
            setWidgetValue(start.widget, *start.value, start.line->flags & ByText);
    }
}

// Visible and enabled states: the flags for their entries, then the rules.
void setStates(const Pallador &w, const FormCase &c, int context, const CFamilyCore &family, const Found &found)
{
    for (std::size_t i = 0; i < c.widgets.size(); ++i) {
        const Widget &d = c.widgets[i];
        QWidget *widget = found[i];
        if (!widget)
            continue;
        if ((d.flags & Hidden) && d.hiddenEntries.contains(w.sensorIndex))
            widget->hide();
        if ((d.flags & Disabled) && d.disabledEntries.contains(w.sensorIndex))
            widget->setEnabled(false);
        if (d.shownWhen)
            widget->setHidden(d.shownWhen(w, family, context) == 0.0);
        if (d.enabledWhen)
            widget->setEnabled(d.enabledWhen(w, family, context) != 0.0);
    }
}

void connectWidgets(Pallador &w, const FormCase &c, const Found &found, bool afterRule)
{
    for (std::size_t i = 0; i < c.widgets.size(); ++i) {
        const Widget &d = c.widgets[i];
        const char *signal = found[i] ? signalFor(found[i]->metaObject()) : nullptr;
        if (!d.slotName || !signal || bool(d.flags & ConnectAfterRule) != afterRule)
            continue;
        // The string form of QObject::connect: SIGNAL() and SLOT() codes.
        const QByteArray signalText = QByteArray("2") + signal;
        const QByteArray slotText = QByteArray("1") + d.slotName;
        QObject::connect(found[i], signalText.constData(), &w, slotText.constData());
    }
}

// A placeholder's minimum size as the window was designed with it.
QSize designedMinimum(QWidget *placeholder)
{
    static const char *const kProperty = "designedMinimumSize";
    const QVariant kept = placeholder->property(kProperty);
    if (kept.isValid())
        return kept.toSize();
    placeholder->setProperty(kProperty, placeholder->minimumSize());
    return placeholder->minimumSize();
}

// A form placed in its placeholder at its own size (not by a layout).
bool placedAtOwnSize(const QWidget *form)
{
    const QLayout *layout = form->parentWidget() ? form->parentWidget()->layout() : nullptr;
    return !layout || layout->indexOf(const_cast<QWidget *>(form)) < 0;
}

} // namespace

// Each placeholder is at least as large as the open form in it: its dock's
// scroll area, which adjusts to its contents, then widens to show the form
// whole as far as the window allows and scrolls to the rest. A closed or
// removed form gives the room back.
void fitPlaceholders(Pallador &w)
{
    for (QWidget *placeholder : {w.ui.widgetADV_A, w.ui.widgetADV_B, w.ui.widgetADV_PLL}) {
        QSize size = designedMinimum(placeholder);
        for (QWidget *form : placeholder->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (form->isVisibleTo(placeholder) && placedAtOwnSize(form))
                size = size.expandedTo(form->size());
        }
        placeholder->setMinimumSize(size);
    }
}

namespace {

// Scrolls the dock a panel opens in so that the panel is in view: as much of
// it as fits, its top-left corner first.
void bringIntoView(QWidget *panel)
{
    QWidget *placeholder = panel->parentWidget();
    for (QWidget *up = placeholder; up; up = up->parentWidget()) {
        auto *area = qobject_cast<QScrollArea *>(up);
        if (!area || !area->widget() || !area->widget()->isAncestorOf(panel))
            continue;
        // The placeholder clips a form larger than itself.
        const QRect shown = QRect(QPoint(0, 0), panel->size())
                                .intersected(QRect(panel->mapFrom(placeholder, QPoint(0, 0)), placeholder->size()));
        const QPoint topLeft = panel->mapTo(area->widget(), shown.topLeft());
        const QPoint bottomRight = panel->mapTo(area->widget(), shown.bottomRight() + QPoint(1, 1));
        area->ensureVisible(bottomRight.x(), bottomRight.y(), 0, 0);
        area->ensureVisible(topLeft.x(), topLeft.y(), 0, 0);
        return;
    }
}

// The settings of one context that its advanced panel governs: what the use
// case and the panel's widgets set. The context's frame-rate, blanking,
// mirror and flip controls of the main window stay out: they are the main
// window's, also while the panel is open.
// clang-format off
#define PALLADOR_PANEL_SETTINGS(X)                                                                                   \
    X(intgTime) X(intgTime2) X(intgTime3) X(intgTime4) X(dfs1) X(dfs2) X(highSpeed) X(useFov) X(aspectRatioFlag)     \
    X(txLatch) X(goProMode) X(fovPercent) X(binning) X(binXOnly) X(binSF) X(skipping) X(skippingY) X(bin2Skip2)      \
    X(socCols) X(socRows) X(cols) X(rows) X(fovCols) X(fovRows) X(fovX) X(fovY) X(otherLineTime) X(lowPower)          \
    X(hdrMode) X(interleave) X(lineInterleave) X(lineComboMode) X(lfmMode) X(spareCtxOption) X(cif) X(hd720p)        \
    X(cropping) X(centering) X(aspectRatio) X(fifo) X(outFormat) X(imageType) X(numExposures) X(maxExposures)        \
    X(t1ExpRows) X(t2ExpRows) X(t3ExpRows) X(t4ExpRows) X(t1T2Ratio) X(t2T3Ratio) X(t3T4Ratio) X(t4T5Ratio)          \
    X(middleIntTime) X(fixedLineLength) X(embedDataRows) X(statsDataRows) X(topDigitalRows) X(botAnalogRows)         \
    X(scaler) X(sMode) X(scaleM) X(ccRow) X(adcMode)
// clang-format on

// Puts the settings a panel governs back from a copy. Closing a panel takes
// those of its opening: what the user changed in the panel is dropped, what
// the loaded file or the set-up gave besides the use case (a field-of-view
// offset, an exposure count, integration times) stays, and so does what the
// user changed meanwhile in the main window. Re-opening takes those the
// panel left at its closing.
void restorePanelSettings(Pallador &w, const SensorSettings &opened, int context)
{
#define PALLADOR_RESTORE(field) w.field[context] = opened.field[context];
    PALLADOR_PANEL_SETTINGS(PALLADOR_RESTORE)
#undef PALLADOR_RESTORE
}
#undef PALLADOR_PANEL_SETTINGS

// First opening of panel A or B.
void buildAdvancedPanel(Pallador &w, const FormCase &c, int context, const CFamilyCore &family)
{
    QWidget *placeholder = context == 0 ? w.ui.widgetADV_A : w.ui.widgetADV_B;
    w.advFormLoaded[context] = true;
    w.advForm[context] = w.loadForm(placeholder, formResource(QLatin1String(c.form)));
    if (c.gridLayout && context == 0 && w.advForm[0]) {
        // The scroll-area forms follow the placeholder's size. The layout is
        // made once and stays the placeholder's for the window's lifetime.
        if (!w.advLayout)
            w.advLayout = new QGridLayout;
        w.advLayout->addWidget(w.advForm[0]);
        placeholder->setLayout(w.advLayout);
    }
    if (!c.showOnly)
        setUpForm(w, c, context, w.advForm[context], family, true);
}

// Ticking a built panel again: what the engineer left in it becomes the
// context's settings again (the close had put back those of the opening).
void reopenAdvancedPanel(Pallador &w, const FormCase &c, int context, const CFamilyCore &family)
{
    if (c.showOnly)
        return;
    // What the user set through the panel's widgets before it was closed
    // comes back, then what was left in widgets without being stored.
    if (w.panelLeftValid[context])
        restorePanelSettings(w, w.panelLeftWith[context], context);
    readBack(w, c, context);
    if (c.readBackRule)
        c.readBackRule(w, family, context);
    if (!c.keepsFrameRate) {
        const QComboBox *rate = context == 0 ? w.ui.comboMaxFRate_A : w.ui.comboMaxFRate_B;
        w.maxFps[context] = Pallador::numberFromText(rate->currentText());
    }
    w.recalc(false);
    if (c.recalculated)
        c.recalculated(w, family, context);
    if (c.toolTipsOnReopen)
        setToolTips(w, c, context);
}

// The binder's integration-time box takes the family's value.
void vek125IntegrationTime(Pallador &w)
{
    if (!w.guiVars || !w.calvex || !w.calvex->vek_125)
        return;
    if (GUIVAR_ITEM_T *item = w.guiVars->iVar("IntgTime"); item && item->dspin)
        item->dspin->setValue(w.calvex->vek_125->IntgTime.value);
}

void advancedPanel(Pallador &w, int context, const std::function<void()> &reloadUseCase)
{
    QCheckBox *box = context == 0 ? w.ui.checkAdvParam_A : w.ui.checkAdvParam_B;
    QComboBox *useCases = context == 0 ? w.ui.comboUseCase_A : w.ui.comboUseCase_B;
    w.currentContext = context;
    w.advParamOn[context] = box->isChecked();

    if (!box->isChecked()) {
        if (w.advForm[context])
            w.advForm[context]->hide();
        fitPlaceholders(w);
        useCases->setEnabled(true);
        if (w.panelOpenedValid[context]) {
            w.panelOpenedValid[context] = false;
            w.panelLeftWith[context] = w;
            w.panelLeftValid[context] = true;
            restorePanelSettings(w, w.panelOpenedWith[context], context);
            w.recalc(false);
        } else {
            // Closed without having been opened for this sensor: the context
            // takes its use case.
            reloadUseCase();
        }
        return;
    }

    w.panelOpenedWith[context] = w;
    w.panelOpenedValid[context] = true;
    // While the panel is open the context's use case cannot be changed.
    useCases->setEnabled(false);
    const Panel panel = context == 0 ? Panel::A : Panel::B;
    const SensorForms *forms = sensorForms(w.sensorIndex);
    const CFamilyCore *family = w.calvex ? w.calvex->family() : nullptr;
    if (context == 0 && isVek125(w.sensorIndex)) {
        vek125IntegrationTime(w);
    } else if (context == 0 && w.sensorIndex == kHolv101) {
        w.advForm[0] = nullptr;
        useCases->setEnabled(true);
    } else if (context == 1 && forms && forms->bRecalcOnly) {
        w.recalc(false);
    } else if (const FormCase *c = formCase(w.sensorIndex, panel); c && family) {
        if (!w.advFormLoaded[context])
            buildAdvancedPanel(w, *c, context, *family);
        else
            reopenAdvancedPanel(w, *c, context, *family);
    }
    if (w.advForm[context]) {
        w.advForm[context]->show();
        fitPlaceholders(w);
        bringIntoView(w.advForm[context]);
    }
}

// Every opening of the PLL panel builds its form anew from the family's
// current values. The form of the previous opening goes, and with it every
// reference into it (also those the new form's lookups do not replace).
void buildPllPanel(Pallador &w, const FormCase &c, const CFamilyCore &family)
{
    w.forgetWidgetsIn({w.pllForm});
    delete w.pllForm;
    w.pllForm = w.loadForm(w.ui.widgetADV_PLL, formResource(QLatin1String(c.form)));
    // The PLL forms' values set after the connections run their slots: the
    // lane and bit-depth lists, which the calculation reads while the panel
    // is open, are filled by them.
    setUpForm(w, c, 0, w.pllForm, family, false);
}

} // namespace

QWidget *lookUp(QWidget *form, const char *name, const QMetaObject *type)
{
    if (!form)
        return nullptr;
    const QList<QWidget *> named = form->findChildren<QWidget *>(QLatin1String(name));
    for (QWidget *widget : named) {
        if (widget->metaObject()->inherits(type))
            return widget;
    }
    return nullptr;
}

void setUpForm(Pallador &w, const FormCase &c, int context, QWidget *form, const CFamilyCore &family, bool holdSlots)
{
    const Found found = lookUpLines(w, c, context, form);
    if (c.limits)
        c.limits(w, family, context);
    setStartingValues(w, c, context, family, found, false);
    setStates(w, c, context, family, found);
    if (c.prepare)
        c.prepare(w, family, context);
    connectWidgets(w, c, found, false);
    {
        // An advanced panel's values set after the connections show what the
        // window holds: they are no change of the user's and run no slot.
        const FormSignalsHeld held(holdSlots ? form : nullptr);
        setStartingValues(w, c, context, family, found, true);
    }
    setToolTips(w, c, context);
    if (c.connected)
        c.connected(w, context);
    connectWidgets(w, c, found, true);
    rememberFilledValues(c, found);
}

const char *signalFor(const QMetaObject *type)
{
    if (type->inherits(&QAbstractButton::staticMetaObject))
        return "clicked()";
    if (type->inherits(&QDoubleSpinBox::staticMetaObject))
        return "valueChanged(double)";
    if (type->inherits(&QSpinBox::staticMetaObject))
        return "valueChanged(int)";
    if (type->inherits(&QComboBox::staticMetaObject))
        return "currentIndexChanged(int)";
    return nullptr;
}

void setToolTips(Pallador &w, const FormCase &c, int context)
{
    for (const Widget &d : c.widgets) {
        QWidget *widget = d.member.get ? d.member.get(w, context) : nullptr;
        if (widget && d.toolTip)
            widget->setToolTip(QString::fromUtf8(d.toolTip));
    }
}

bool changedSinceFilled(const QWidget *widget, bool byText)
{
    if (!widget)
        return false;
    const QVariant filled = widget->property(kFilledValue);
    return !filled.isValid() || filled.toDouble() != widgetValue(widget, byText);
}

void readBack(Pallador &w, const FormCase &c, int context)
{
    for (const Widget &d : c.widgets) {
        const QWidget *widget = d.member.get ? d.member.get(w, context) : nullptr;
        if (!widget || !d.storeTo || !d.storeEntries.contains(w.sensorIndex))
            continue;
        // A widget the user has not changed since the panel showed the
        // context's value in it has nothing to give back: reading it would
        // only pass the value through the form's units and ranges again.
        if (!changedSinceFilled(widget, d.flags & ByText))
            continue;
        if (!d.storeWhen || d.storeWhen(w, context)) {
            const double value = widgetValue(widget, d.flags & ByText);
            d.storeTo(w, context, (d.flags & TickIsFactor) ? (value != 0.0 ? 2.0 : 1.0) : value);
        }
    }
}

} // namespace panels

void Pallador::on_checkAdvParam_A_clicked()
{
    panels::advancedPanel(*this, 0, [this] { on_comboUseCase_A_currentIndexChanged(); });
}

void Pallador::on_checkAdvParam_B_clicked()
{
    panels::advancedPanel(*this, 1, [this] { on_comboUseCase_B_currentIndexChanged(); });
}

void Pallador::on_checkPLL_ADV_clicked()
{
    using namespace panels;
    if (ui.checkPLL_ADV->isChecked()) {
        if (!pllFormLoaded) {
            pllFormLoaded = true;
            const CFamilyCore *family = calvex ? calvex->family() : nullptr;
            if (const FormCase *c = formCase(sensorIndex, Panel::Pll); c && family)
                buildPllPanel(*this, *c, *family);
        }
        // The use case of this sensor cannot change while its PLL panel is open.
        if (sensorIndex == kHolv101)
            ui.comboUseCase_A->setEnabled(false);
        if (pllForm) {
            pllForm->show();
            panels::fitPlaceholders(*this);
            bringIntoView(pllForm);
            showPllResults();
        }
        return;
    }

    if (isVek125(sensorIndex) && guiVars)
        guiVars->setChecked("SystemFreq", true);
    if (sensorIndex == kHolv101) {
        ui.comboUseCase_A->setEnabled(true);
        if (calvex && calvex->holv_101)
            ui.comboUseCase_A->setCurrentIndex(calvex->holv_101->useCaseIndex);
    }
    if (pllForm)
        pllForm->hide();
    panels::fitPlaceholders(*this);
    pllFormLoaded = false;
}
