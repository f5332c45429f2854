// The automation properties of the main window: what another program reads
// and writes to load a sensor, choose a context and a use case, set image and
// PLL parameters and read the computed registers. Writes run the same set-up
// and calculation as the user's inputs; image parameters and warnings concern
// the current context.
#include "pallador.h"

#include "registerdataio.h"

#include <QCheckBox>
#include <QLocale>

#include <cmath>

namespace {

// Items of a PllParameters write and read, and of an ImgParameters write.
const int kPllItems = 16;
const int kImgWriteItems = 23;

// The rows of the loaded register list (never more than are installed).
int rowCount(const Pallador &w)
{
    return qBound(0, w.regCount, int(Pallador::RegRowCapacity));
}

// A number truncated toward zero and kept inside the int range (NaN gives 0).
int truncated(double value)
{
    if (std::isnan(value))
        return 0;
    return int(std::trunc(qBound(-2147483648.0, value, 2147483647.0)));
}

// An item as an int, as QVariant::toInt() gives it (a number rounded to the
// nearest), but a number beyond the int range is kept to it and NaN gives 0:
// QVariant's own conversion of those is undefined.
int integer(const QVariant &item)
{
    if (item.userType() != QMetaType::Double && item.userType() != QMetaType::Float)
        return item.toInt();
    const double value = item.toDouble();
    if (std::isnan(value))
        return 0;
    return int(qRound64(qBound(-2147483648.0, value, 2147483647.0)));
}

// Use case index of the loaded configuration, or null when there is none.
const CUseCase *useCaseAt(const Pallador &w, int index)
{
    if (!w.dataIO || !w.dataIO->useCases || index < 0 || index >= w.dataIO->getUseCaseNumber())
        return nullptr;
    return &w.dataIO->useCases[index];
}

void tick(QCheckBox *box)
{
    if (box)
        box->setChecked(true);
}

// The configuration-file key of each ImgParameters item, in the order of a
// write, whose limits the item takes as the configuration reader does; null
// for an item any whole number may give.
const char *const kImgKeys[kImgWriteItems] = {
    "rows",      "cols",     "binning",    "binxonly", "bin2skip2", "binsf",   "skipping", "cropping",
    "aspect_ratio", "centering", "cif",     "hd720p",   "lowpower",  nullptr,   "blank_type", "highspeed",
    nullptr,     nullptr,    nullptr,      nullptr,    "max_fps",   "max_fps", "intg_time"};

bool isNumber(const QVariant &item)
{
    switch (item.userType()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::UChar:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

// Why an ImgParameters list of the right length cannot be written, or an
// empty string: every item is a number (a flag may be a boolean), finite,
// and within the reader's limits for its key on this sensor, or else within
// the int range the item is kept in. Nothing is rounded into range.
QString imgItemRefusal(const QVariantList &items, const QString &sensor)
{
    for (int i = 0; i < items.size(); ++i) {
        const QVariant &item = items.at(i);
        const QString which = kImgKeys[i] ? QStringLiteral("ImgParameters item %1 (%2)").arg(i).arg(QLatin1String(kImgKeys[i]))
                                          : QStringLiteral("ImgParameters item %1").arg(i);
        if (!isNumber(item)) {
            const QString given = item.userType() == QMetaType::QString
                                      ? QStringLiteral("the text \"%1\"").arg(item.toString())
                                      : QStringLiteral("a value of type %1").arg(QLatin1String(item.typeName()));
            return QStringLiteral("%1 takes a number, not %2").arg(which, given);
        }
        const double v = item.toDouble();
        const QString given = QString::number(v, 'g', QLocale::FloatingPointShortest);
        if (!std::isfinite(v))
            return QStringLiteral("%1 takes a finite number, not %2").arg(which, given);
        const double max = kImgKeys[i] ? CRegisterDataIO::useCaseMaximum(QLatin1String(kImgKeys[i]), sensor) : -1.0;
        if (max >= 0.0 && !(v >= 0.0 && v <= max))
            return QStringLiteral("%1 takes 0 to %2, not %3").arg(which).arg(max).arg(given);
        if (max < 0.0 && !(v >= -2147483648.0 && v <= 2147483647.0))
            return QStringLiteral("%1 takes a number from -2147483648 to 2147483647, not %2").arg(which, given);
    }
    return QString();
}

} // namespace

QString Pallador::automationWriteRefusal(const QString &name, const QVariant &value) const
{
    if (name == QLatin1String("Context")) {
        // Only the contexts of the loaded sensor (one without a sensor) exist.
        const int context = value.toInt();
        if (context >= 0 && context < contextCount)
            return QString();
        QStringList contexts;
        for (int c = 0; c < contextCount; ++c)
            contexts << QString::number(c);
        const QString last = contexts.takeLast();
        const QString allowed = contexts.isEmpty() ? last : contexts.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
        return QStringLiteral("Context takes %1 (%2), not %3")
            .arg(allowed,
                 dataIO ? QStringLiteral("the contexts of the loaded sensor") : QStringLiteral("no sensor is loaded"))
            .arg(context);
    }
    if (name == QLatin1String("TestCase")) {
        const int index = value.toInt();
        if (useCaseAt(*this, index))
            return QString();
        if (getTotalCaseNum() == 0)
            return QStringLiteral("TestCase takes a use case of the loaded configuration, and none is loaded");
        return QStringLiteral("TestCase takes a use case of the loaded configuration, 0 to %1, not %2")
            .arg(getTotalCaseNum() - 1)
            .arg(index);
    }
    // A list of another length would leave the settings half written or
    // drop values the caller meant.
    const struct {
        const char *name;
        int items;
    } lists[] = {{"PllParameters", kPllItems}, {"ImgParameters", kImgWriteItems}};
    for (const auto &list : lists) {
        if (name != QLatin1String(list.name))
            continue;
        const int given = value.toList().size();
        if (given != list.items)
            return QStringLiteral("%1 takes a list of exactly %2 values, not %3").arg(name).arg(list.items).arg(given);
    }
    if (name == QLatin1String("ImgParameters"))
        return imgItemRefusal(value.toList(), dataIO ? dataIO->getSensorName() : QString());
    return QString();
}

QString Pallador::getConfigFile() const
{
    return configPath;
}

void Pallador::setConfigFile(const QString &path)
{
    loadConfigFile(path);
}

int Pallador::getContext() const
{
    return currentContext;
}

void Pallador::setContext(int context)
{
    if (automationWriteRefusal(QStringLiteral("Context"), context).isEmpty())
        currentContext = context;
}

QVariantList Pallador::getPllParameters()
{
    gatherPllResults();
    return {pllBypass, pllMinFreq, useStdTemplate, resInputClock, resOutClock, resPixClock, resSerialClock,
            interfaceIndex, resN, resM, resP, resP4, resP5, resAuxDiv, resWcd, resAuxClock};
}

void Pallador::setPllParameters(const QVariantList &items)
{
    // A list of another length is ignored whole (automationWriteRefusal).
    if (items.size() != kPllItems)
        return;
    pllBypass = items.at(0).toBool();
    pllMinFreq = items.at(1).toBool();
    useStdTemplate = items.at(2).toBool();
    pllInput = items.at(3).toDouble();
    pllTarget = items.at(4).toDouble();
    pllTargetOp = items.at(5).toDouble();
    pllVco = items.at(6).toDouble();
    interfaceIndex = truncated(items.at(7).toDouble());
    pllN = integer(items.at(8));
    pllM = integer(items.at(9));
    pllP4 = integer(items.at(11));
    pllP5 = integer(items.at(12));
    pllWcd = integer(items.at(14));
    pllI2C = integer(items.at(15));

    // A given override ticks its box, so the calculation uses it; the boxes
    // of the advanced PLL form exist only once that form is loaded.
    const struct {
        bool given;
        QCheckBox *box;
    } overrides[] = {
        {pllN != -1, ui.checkPLL_N},     {pllM != -1, ui.checkPLL_M},     {pllVco != -1.0, ui.checkPLL_VCO},
        {pllP4 != -1, checkPLL_P4},      {pllP5 != -1, checkPLL_P5},      {pllWcd != -1, checkPLL_WCD},
        {pllI2C != -1, checkPLL_I2C},
    };
    for (const auto &o : overrides) {
        if (o.given)
            tick(o.box);
    }
    ui.checkPLL_ADV->setChecked(true);
    recalc(true);
}

QVariantList Pallador::getImgParameters() const
{
    const int c = currentContext;
    return {rows[c],          cols[c],     binning[c],   binXOnly[c],  bin2Skip2[c], binSF[c],       skipping[c],
            cropping[c],      centering[c], lowPower[c], variableFps[c], blankType[c], highSpeed[c], outFormat[c],
            fifo[c],          userVBlank[c], userHBlank[c], maxFps[c],  minFps[c],     intgTime[c]};
}

void Pallador::setImgParameters(const QVariantList &items)
{
    // A list of another length is ignored whole (automationWriteRefusal).
    if (items.size() != kImgWriteItems)
        return;
    const int c = currentContext;
    int *const ints[] = {&rows[c],     &cols[c],    &binning[c],  &binXOnly[c], &bin2Skip2[c],
                         &binSF[c],    &skipping[c], &cropping[c], &aspectRatio[c], &centering[c],
                         &cif[c],      &hd720p[c],  &lowPower[c]};
    int item = 0;
    for (int *member : ints)
        *member = integer(items.at(item++));
    variableFps[c] = integer(items.at(13)) != 0;
    blankType[c] = integer(items.at(14));
    highSpeed[c] = integer(items.at(15)) != 0;
    outFormat[c] = integer(items.at(16));
    fifo[c] = integer(items.at(17));
    userVBlank[c] = integer(items.at(18));
    userHBlank[c] = integer(items.at(19));
    maxFps[c] = items.at(20).toDouble();
    minFps[c] = items.at(21).toDouble();
    intgTime[c] = items.at(22).toDouble();
    recalc(false);
}

int Pallador::getTestCase() const
{
    return testCaseIndex;
}

void Pallador::setTestCase(int index)
{
    // Without a configuration, or past its use cases, there is nothing to apply.
    const CUseCase *u = useCaseAt(*this, index);
    if (!u)
        return;
    testCaseIndex = index;
    const int c = currentContext;
    binning[c] = u->binning;
    binXOnly[c] = u->binXOnly;
    bin2Skip2[c] = u->bin2Skip2;
    binSF[c] = u->binSF;
    skipping[c] = u->skipping;
    lowPower[c] = u->lowPower;
    cropping[c] = u->cropping;
    centering[c] = u->centering;
    cif[c] = u->cif;
    hd720p[c] = u->hd720p;
    cols[c] = u->cols;
    rows[c] = u->rows;
    fovCols[c] = u->fovCols;
    fovRows[c] = u->fovRows;
    hdrMode[c] = u->hdrMode;
    aspectRatio[c] = u->aspectRatio;
    highSpeed[c] = u->highSpeed != 0;
    intgTime[c] = u->intgTime;
    maxFps[c] = u->maxFps == 0.0 ? 10.0 : u->maxFps;
    blankType[c] = u->blankType;
    recalc(false);
}

double Pallador::getMaxFps() const
{
    const CUseCase *u = useCaseAt(*this, testCaseIndex);
    return u ? u->maxFps : 0.0;
}

QVariantList Pallador::getRegisters() const
{
    QVariantList list;
    const int count = rowCount(*this);
    list.reserve(count);
    for (int i = 0; i < count; ++i) {
        const REGS_DESC_T &r = regs[i];
        REGS_DATA_T item;
        item.value = r.value;
        item.address = r.id == 0 ? r.address : ((quint32(r.id) << 10) | (r.address & 0x3FF)) + 0x8000;
        list << QVariant::fromValue(item);
    }
    return list;
}

QVariantList Pallador::getRegNames() const
{
    QVariantList list;
    for (int i = 0; i < rowCount(*this); ++i)
        list << regs[i].name;
    return list;
}

QVariantList Pallador::getRegValues() const
{
    QVariantList list;
    for (int i = 0; i < rowCount(*this); ++i)
        list << uint(regs[i].value);
    return list;
}

int Pallador::getTotalCaseNum() const
{
    return dataIO ? dataIO->getUseCaseNumber() : 0;
}

int Pallador::getRegArraySize() const
{
    return regCount;
}

int Pallador::getCntxNumber() const
{
    return contextCount;
}

int Pallador::getWarningValue() const
{
    return int(warnings[currentContext]);
}

PLL_PARAMS Pallador::getPllEnum() const
{
    return pllEnum;
}

IMG_PARAMS Pallador::getImgEnum() const
{
    return imgEnum;
}
