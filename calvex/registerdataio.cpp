#include "registerdataio.h"

#include <QFile>
#include <QFileInfo>
#include <QStringBuilder>
#include <QTextStream>

#include <cerrno>
#include <cmath>
#include <cstddef>
#include <limits>
#include <map>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char *const kGeneralInfo = "General_Info";
const char *const kUseCases = "UseCases";
const char *const kMinMax = "MinMax_Defaults";

// The sections the reader keeps; lines of any other section are dropped.
enum Section { OtherSection, GeneralSection, UseCaseSection, MinMaxSection };

// Highest use-case number a file may use; larger numbers are reported as
// problems rather than read.
const int kMaxUseCaseNumber = 9999;

// Files larger than this are not sensor configuration files.
const qint64 kMaxFileSize = 16 * 1024 * 1024;

// Values no sensor can take (docs/config-format.md lists them): larger image
// sizes, frame rates, integration times and mode numbers are reported as
// problems instead of reaching the calculation.
const int kMaxSize = 16384;
const int kMaxMode = 16;
const int kMaxBlankType = 4; // 0..3 as offered in the window, 4 automatic
const double kMaxFps = 1000.0;
const double kMaxIntgTime = 100000.0; // ms
const double kMaxExtraValue = 1000.0;
// The radar sensor's use cases carry clocks, times and counts in the mode keys.
const int kMaxRadarValue = 65535;

struct IntKey {
    const char *key;
    qint32 CUseCase::*field;
    qint32 max;
    bool radarValue; // carries one of the radar sensor's configuration values
};

struct RealKey {
    const char *key;
    double CUseCase::*field;
    double max;
};

const IntKey kIntKeys[] = {
    {"rows", &CUseCase::rows, kMaxSize, false},
    {"cols", &CUseCase::cols, kMaxSize, false},
    {"fov_rows", &CUseCase::fovRows, kMaxSize, false},
    {"fov_cols", &CUseCase::fovCols, kMaxSize, false},
    {"mirror", &CUseCase::mirror, 1, false},
    {"flip", &CUseCase::flip, 1, false},
    {"binning", &CUseCase::binning, kMaxMode, false},
    {"binxonly", &CUseCase::binXOnly, kMaxMode, false},
    {"binsf", &CUseCase::binSF, kMaxMode, false},
    {"bin2skip2", &CUseCase::bin2Skip2, kMaxMode, false},
    {"skipping", &CUseCase::skipping, kMaxMode, false},
    {"skipping_y", &CUseCase::skippingY, kMaxMode, false},
    {"cropping", &CUseCase::cropping, kMaxMode, true},
    {"centering", &CUseCase::centering, kMaxMode, true},
    {"cif", &CUseCase::cif, kMaxMode, true},
    {"hd720p", &CUseCase::hd720p, kMaxMode, true},
    {"aspect_ratio", &CUseCase::aspectRatio, kMaxMode, true},
    {"lowpower", &CUseCase::lowPower, kMaxMode, true},
    {"extra_mode", &CUseCase::extraMode, kMaxMode, true},
    {"blank_type", &CUseCase::blankType, kMaxBlankType, true},
    {"highspeed", &CUseCase::highSpeed, kMaxMode, true},
    {"hdr_mode", &CUseCase::hdrMode, kMaxMode, true},
    {"exposures", &CUseCase::exposures, kMaxMode, true},
};

const RealKey kRealKeys[] = {
    {"max_fps", &CUseCase::maxFps, kMaxFps},
    {"extra_value", &CUseCase::extraValue, kMaxExtraValue},
    {"intg_time", &CUseCase::intgTime, kMaxIntgTime},
    {"gopro_mode", &CUseCase::goProMode, kMaxMode},
};

struct DefaultKey {
    const char *key;
    int context;
};

const DefaultKey kDefaultKeys[] = {
    {"context_a_default", 0},
    {"context_b_default", 1},
    {"context_c_default", 2},
};

// The radar sensor, whose use cases hold a radar configuration.
const char *const kRadarSensor = "Holv101";

bool parseInt(const QString &text, qint32 *out)
{
    bool ok = false;
    const qlonglong v = text.toLongLong(&ok);
    if (!ok || v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<qint32>::max())
        return false;
    *out = qint32(v);
    return true;
}

bool parseReal(const QString &text, double *out)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    *out = v;
    return true;
}

// Keys are compared without regard to case.
bool isKey(QStringView key, const char *name)
{
    const QLatin1String latin(name);
    return key.size() == latin.size() && key.compare(latin, Qt::CaseInsensitive) == 0;
}

// The entry of a key table whose key this is, or nullptr.
template <class Key, std::size_t N> const Key *findKey(const Key (&keys)[N], QStringView key)
{
    for (const Key &k : keys) {
        if (isKey(key, k.key))
            return &k;
    }
    return nullptr;
}

// Removes a trailing "; comment" (a ';' after a blank) and surrounding
// quotes from a value.
QString cleanValue(QStringView value)
{
    for (int i = 1; i < value.size(); ++i) {
        if (value.at(i) == QLatin1Char(';') && value.at(i - 1).isSpace()) {
            value.truncate(i - 1);
            break;
        }
    }
    value = value.trimmed();
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        value = value.mid(1, value.size() - 2);
    return value.toString();
}

// Splits a "N/key" use-case key; false when N is not a number of 0 to
// kMaxUseCaseNumber or the key is empty.
bool splitUseCaseKey(const QString &text, int *number, QStringView *key)
{
    const int slash = text.indexOf(QLatin1Char('/'));
    if (slash <= 0 || slash == text.size() - 1)
        return false;
    int n = 0;
    for (int i = 0; i < slash; ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        n = n * 10 + (c.unicode() - '0');
        if (n > kMaxUseCaseNumber)
            return false;
    }
    *number = n;
    *key = QStringView(text).mid(slash + 1);
    return true;
}

// A use-case or general line as problems() lists it: "key = value", with the
// reason it was refused when there is one.
QString entryText(const QString &key, const QString &value)
{
    return key % QLatin1String(" = ") % value;
}

QString entryText(const QString &key, const QString &value, const QString &reason)
{
    return key % QLatin1String(" = ") % value % QLatin1String(" (") % reason % QLatin1Char(')');
}

} // namespace

CRegisterDataIO::CRegisterDataIO(QString path) : m_path(std::move(path))
{
    load();
}

CRegisterDataIO::~CRegisterDataIO() = default;

void CRegisterDataIO::problem(int line, const QString &text)
{
    // Lines are mostly reported in ascending order: the end is the usual place.
    m_problems.insert(m_problems.cend(), line, text);
}

QStringList CRegisterDataIO::problems() const
{
    QStringList list;
    list.reserve(m_problems.size());
    for (auto it = m_problems.cbegin(); it != m_problems.cend(); ++it)
        list << QLatin1String("line ") % QString::number(it.key()) % QLatin1String(": ") % it.value();
    return list;
}

namespace {
// The reader whose file a load on this thread takes instead of reading it
// again (ReadOnce).
thread_local const CRegisterDataIO *t_readOnce = nullptr;
} // namespace

CRegisterDataIO::ReadOnce::ReadOnce(const CRegisterDataIO &reader) : m_previous(t_readOnce)
{
    t_readOnce = &reader;
}

CRegisterDataIO::ReadOnce::~ReadOnce()
{
    t_readOnce = m_previous;
}

// The only read of the file: every later call works on the entries kept here.
void CRegisterDataIO::load()
{
    if (t_readOnce && t_readOnce != this && t_readOnce->m_path == m_path) {
        m_status = t_readOnce->m_status;
        m_systemError = t_readOnce->m_systemError;
        m_entries = t_readOnce->m_entries;
        m_hasGeneralInfo = t_readOnce->m_hasGeneralInfo;
        m_problems = t_readOnce->m_loadProblems;
        m_loadProblems = m_problems;
        return;
    }
    const QFileInfo info(m_path);
    if (m_path.isEmpty() || !info.exists()) {
        m_status = Status::Missing;
        return;
    }
    // Only a regular file is read: a FIFO or a device is refused before it is
    // opened, and again on the opened file in case the name was swapped in
    // between (the open does not wait, as a FIFO's open would for a writer).
    const auto refuse = [this](const QString &reason) {
        m_status = Status::Unreadable;
        m_systemError = reason;
    };
    if (!info.isFile()) {
        refuse(QStringLiteral("Not a regular file"));
        return;
    }
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        refuse(qt_error_string(errno));
        return;
    }
    struct stat st = {};
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (!regular || st.st_size > kMaxFileSize) {
        ::close(fd);
        refuse(regular ? QStringLiteral("File too large") : QStringLiteral("Not a regular file"));
        return;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        refuse(file.errorString());
        return;
    }
    // The buffer holds what the file holds, and one byte more that tells a
    // file grown since it was looked at; only such a file is read on, up to
    // one byte more than the limit.
    QByteArray bytes = file.read(qint64(st.st_size) + 1);
    if (bytes.size() > st.st_size && file.error() == QFileDevice::NoError)
        bytes += file.read(kMaxFileSize + 1 - bytes.size());
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxFileSize) {
        m_status = Status::Unreadable;
        m_systemError = bytes.size() > kMaxFileSize ? QStringLiteral("File too large") : file.errorString();
        return;
    }
    file.close();

    QTextStream in(bytes);
    int section = OtherSection;
    int lineNumber = 0;
    QString raw;
    while (in.readLineInto(&raw)) {
        ++lineNumber;
        const QStringView line = QStringView(raw).trimmed();
        if (line.isEmpty() || line.front() == QLatin1Char(';') || line.front() == QLatin1Char('#'))
            continue;
        if (line.front() == QLatin1Char('[')) {
            const int close = line.indexOf(QLatin1Char(']'));
            if (close < 0) {
                problem(lineNumber, raw);
                continue;
            }
            const QStringView name = line.mid(1, close - 1).trimmed();
            if (name == QLatin1String(kGeneralInfo)) {
                section = GeneralSection;
                m_hasGeneralInfo = true;
            } else if (name == QLatin1String(kUseCases)) {
                section = UseCaseSection;
            } else if (name == QLatin1String(kMinMax)) {
                section = MinMaxSection;
            } else {
                section = OtherSection;
            }
            continue;
        }
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) {
            problem(lineNumber, raw);
            continue;
        }
        if (section != OtherSection)
            m_entries.append({lineNumber, section, line.left(eq).trimmed().toString(), cleanValue(line.mid(eq + 1))});
    }
    m_loadProblems = m_problems;
}

QString CRegisterDataIO::sensorNameInFile() const
{
    QString name;
    for (const Entry &e : m_entries) {
        if (e.section == GeneralSection && isKey(e.key, "sensor_name"))
            name = e.value;
    }
    return name;
}

bool CRegisterDataIO::readGeneralInfo()
{
    if (m_status != Status::Ok && m_status != Status::NoGeneralInfo && m_status != Status::NoUseCases)
        return false;
    m_sensorName.clear();
    m_partNumber.clear();
    m_rawSensor.clear();
    m_revision = 1;
    m_minMax.clear();
    for (const Entry &e : qAsConst(m_entries)) {
        if (e.section == MinMaxSection) {
            m_minMax.insert(e.key.toLower(), e.value);
            continue;
        }
        if (e.section != GeneralSection)
            continue;
        if (isKey(e.key, "sensor_name")) {
            m_sensorName = e.value;
        } else if (isKey(e.key, "part_number")) {
            m_partNumber = e.value;
        } else if (isKey(e.key, "raw_sensor")) {
            m_rawSensor = e.value;
        } else if (isKey(e.key, "revision")) {
            qint32 rev = 0;
            if (parseInt(e.value, &rev))
                m_revision = rev;
            else
                problem(e.line, entryText(e.key, e.value));
        }
    }
    const bool ok = m_hasGeneralInfo && !m_sensorName.isEmpty();
    if (!ok && m_status == Status::Ok)
        m_status = Status::NoGeneralInfo;
    return ok;
}

bool CRegisterDataIO::readUseCases()
{
    m_useCases.clear();
    useCases = nullptr;
    m_defaults[0] = m_defaults[1] = m_defaults[2] = -1;
    if (m_status == Status::Missing || m_status == Status::Unreadable)
        return false;

    // The radar sensor's use cases carry larger numbers in the mode keys.
    const bool radar = sensorNameInFile().compare(QLatin1String(kRadarSensor), Qt::CaseInsensitive) == 0;
    auto outside = [this](const Entry &e, double max) {
        problem(e.line, entryText(e.key, e.value, QLatin1String("outside 0 to ") % QString::number(max)));
    };

    // Use cases are numbered in the file; they are kept in ascending number
    // order, so a gap in the numbering does not create an empty use case. A
    // line that is not understood or out of range creates none either.
    std::map<int, CUseCase> byNumber;
    struct Flag {
        const Entry *entry;
        int number;
        int context;
        bool set;
    };
    std::vector<Flag> flags;
    for (const Entry &e : qAsConst(m_entries)) {
        if (e.section != UseCaseSection)
            continue;
        int number = -1;
        QStringView key;
        if (!splitUseCaseKey(e.key, &number, &key)) {
            problem(e.line, entryText(e.key, e.value));
            continue;
        }

        if (isKey(key, "name")) {
            byNumber[number].name = e.value;
        } else if (const IntKey *k = findKey(kIntKeys, key)) {
            const qint32 max = (radar && k->radarValue) ? kMaxRadarValue : k->max;
            qint32 v = 0;
            if (!parseInt(e.value, &v))
                problem(e.line, entryText(e.key, e.value));
            else if (v < 0 || v > max)
                outside(e, max);
            else
                byNumber[number].*k->field = v;
        } else if (const RealKey *k = findKey(kRealKeys, key)) {
            double v = 0.0;
            if (!parseReal(e.value, &v))
                problem(e.line, entryText(e.key, e.value));
            else if (!(v >= 0.0 && v <= k->max))
                outside(e, k->max);
            else
                byNumber[number].*k->field = v;
        } else if (const DefaultKey *k = findKey(kDefaultKeys, key)) {
            qint32 v = 0;
            if (!parseInt(e.value, &v))
                problem(e.line, entryText(e.key, e.value));
            else if (v < 0 || v > 1)
                outside(e, 1);
            else
                flags.push_back({&e, number, k->context, v != 0});
        } else {
            problem(e.line, entryText(e.key, e.value));
        }
    }

    std::map<int, int> indexOf;
    for (auto &entry : byNumber) {
        indexOf[entry.first] = m_useCases.size();
        if (entry.second.name.isEmpty())
            entry.second.name = QStringLiteral("Usecase_%1").arg(entry.first);
        m_useCases.append(entry.second);
    }
    // A flag marks a use case: a number with no accepted setting besides its
    // flags is no use case, so the flag is a problem and the context keeps
    // its fallback. The first flag of a context wins.
    for (const Flag &f : flags) {
        const auto it = indexOf.find(f.number);
        if (it == indexOf.end())
            problem(f.entry->line, entryText(f.entry->key, f.entry->value,
                                             QStringLiteral("use case %1 has no other setting").arg(f.number)));
        else if (f.set && m_defaults[f.context] < 0)
            m_defaults[f.context] = it->second;
    }

    useCases = m_useCases.isEmpty() ? nullptr : m_useCases.data();
    if (m_useCases.isEmpty()) {
        if (m_status == Status::Ok)
            m_status = Status::NoUseCases;
        return false;
    }
    return true;
}
QStringList CRegisterDataIO::getUseCaseName() const
{
    QStringList names;
    names.reserve(m_useCases.size());
    for (const CUseCase &uc : m_useCases)
        names << uc.name;
    return names;
}

int CRegisterDataIO::contextDefault(int context) const
{
    const int count = m_useCases.size();
    const int flagged = m_defaults[context];
    if (flagged >= 0 && flagged < count)
        return flagged;
    // Without a flag context A starts at the first use case and the others
    // at the second one when there is one.
    return (context > 0 && count > 1) ? 1 : 0;
}

double CRegisterDataIO::useCaseMaximum(const QString &key, const QString &sensorName)
{
    const bool radar = sensorName.compare(QLatin1String(kRadarSensor), Qt::CaseInsensitive) == 0;
    if (const IntKey *k = findKey(kIntKeys, key))
        return (radar && k->radarValue) ? kMaxRadarValue : k->max;
    if (const RealKey *k = findKey(kRealKeys, key))
        return k->max;
    return -1.0;
}

double CRegisterDataIO::minMaxValue(const QString &key, double fallback) const
{
    double v = 0.0;
    return parseReal(m_minMax.value(key.toLower()), &v) ? v : fallback;
}

QString CRegisterDataIO::errorString() const
{
    switch (m_status) {
    case Status::Ok:
        return QString();
    case Status::Missing:
        return m_path.isEmpty() ? QStringLiteral("No configuration file was given.")
                                : QStringLiteral("The file %1 does not exist.").arg(m_path);
    case Status::Unreadable:
        return QStringLiteral("The file %1 cannot be read: %2.").arg(m_path, m_systemError);
    case Status::NoGeneralInfo:
        return QStringLiteral("The file %1 has no [General_Info] section naming the sensor.").arg(m_path);
    case Status::NoUseCases:
        return QStringLiteral("The file %1 has no use cases in its [UseCases] section.").arg(m_path);
    }
    return QString();
}
