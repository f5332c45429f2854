// The Designer forms against the panel code that uses them: every form in
// the resources loads and is one the sensor table names; every widget a form
// case looks up is in its form with its class (or, where the case says the
// form lacks it, is not); every connection names a slot of the window that
// takes the widget's signal; the text of every caption fits its widget at
// the form's size; and a few values that behaviour depends on are the form's.
// The checks are driven by the panel tables, so every form added to them is
// checked too.
#include "panels/panels.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QSet>
#include <QSpinBox>
#include <QStyleFactory>
#include <QUiLoader>
#include <QtTest>

#include <memory>

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

} // namespace

class TestFormContract : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyFormLoads();
    void everyFormIsNamedBySensorTable();
    void everyCaseFormIsInResources();
    void lookupsMatchForms_data();
    void lookupsMatchForms();
    void connectionsNameSlots();
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

void TestFormContract::lookupsMatchForms_data()
{
    QTest::addColumn<int>("index");
    const std::vector<panels::FormCase> &cases = panels::formCases();
    for (int i = 0; i < int(cases.size()); ++i)
        QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(cases[i].form), panelName(cases[i].panel))))
            << i;
}

void TestFormContract::lookupsMatchForms()
{
    QFETCH(int, index);
    const panels::FormCase &c = panels::formCases()[index];
    std::unique_ptr<QWidget> form = load(QLatin1String(c.form));
    QVERIFY(form);
    QSet<QString> names;
    for (const panels::Widget &d : c.widgets) {
        const QString name = QLatin1String(d.name);
        QVERIFY2(!names.contains(name), qPrintable(name + QStringLiteral(" looked up twice")));
        names.insert(name);
        QWidget *found = panels::lookUp(form.get(), d.name, d.member.type);
        if (d.flags & panels::Absent) {
            QVERIFY2(!found && !form->findChild<QObject *>(name), qPrintable(name + QStringLiteral(" must be absent")));
            continue;
        }
        QVERIFY2(found, qPrintable(name + QStringLiteral(" (") + QLatin1String(d.member.type->className()) +
                                   QStringLiteral(") missing")));
        // A widget the code reads or connects is one of the kinds it handles.
        if (d.start || d.slot || d.readBack)
            QVERIFY2(panels::signalFor(found->metaObject()), qPrintable(name));
    }
}

void TestFormContract::connectionsNameSlots()
{
    const QMetaObject &window = Pallador::staticMetaObject;
    for (const panels::FormCase &c : panels::formCases()) {
        for (const panels::Widget &d : c.widgets) {
            if (!d.slot)
                continue;
            const QByteArray slot = QMetaObject::normalizedSignature(d.slot);
            QVERIFY2(window.indexOfSlot(slot.constData()) >= 0, slot.constData());
            const QByteArray signal = panels::signalFor(d.member.type);
            QVERIFY2(QMetaObject::checkConnectArgs(signal.constData(), slot.constData()),
                     qPrintable(QLatin1String(d.name) + QStringLiteral(" -> ") + QLatin1String(slot)));
        }
    }
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
