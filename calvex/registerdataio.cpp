#include "registerdataio.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include <cmath>
#include <limits>
#include <map>

namespace {

const char *const kGeneralInfo = "General_Info";
const char *const kUseCases = "UseCases";
const char *const kMinMax = "MinMax_Defaults";

// Highest use-case number a file may use; larger numbers are reported as
// problems rather than read.
const int kMaxUseCaseNumber = 9999;

// Files larger than this are not sensor configuration files.
const qint64 kMaxFileSize = 16 * 1024 * 1024;

struct IntKey {
    const char *key;
    qint32 CUseCase::*field;
};

struct RealKey {
    const char *key;
    double CUseCase::*field;
};

const IntKey kIntKeys[] = {
    {"rows", &CUseCase::rows},
    {"cols", &CUseCase::cols},
    {"fov_rows", &CUseCase::fovRows},
    {"fov_cols", &CUseCase::fovCols},
    {"mirror", &CUseCase::mirror},
    {"flip", &CUseCase::flip},
    {"binning", &CUseCase::binning},
    {"binxonly", &CUseCase::binXOnly},
    {"binsf", &CUseCase::binSF},
    {"bin2skip2", &CUseCase::bin2Skip2},
    {"skipping", &CUseCase::skipping},
    {"skipping_y", &CUseCase::skippingY},
    {"cropping", &CUseCase::cropping},
    {"centering", &CUseCase::centering},
    {"cif", &CUseCase::cif},
    {"hd720p", &CUseCase::hd720p},
    {"aspect_ratio", &CUseCase::aspectRatio},
    {"lowpower", &CUseCase::lowPower},
    {"extra_mode", &CUseCase::extraMode},
    {"blank_type", &CUseCase::blankType},
    {"highspeed", &CUseCase::highSpeed},
    {"hdr_mode", &CUseCase::hdrMode},
    {"exposures", &CUseCase::exposures},
};

const RealKey kRealKeys[] = {
    {"max_fps", &CUseCase::maxFps},
    {"extra_value", &CUseCase::extraValue},
    {"intg_time", &CUseCase::intgTime},
    {"gopro_mode", &CUseCase::goProMode},
};

const char *const kDefaultKeys[3] = {"context_a_default", "context_b_default", "context_c_default"};

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

// Removes a trailing "; comment" and surrounding quotes from a value.
QString cleanValue(QString value)
{
    const int comment = value.indexOf(QRegularExpression(QStringLiteral("\\s;")));
    if (comment >= 0)
        value.truncate(comment);
    value = value.trimmed();
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        value = value.mid(1, value.size() - 2);
    return value;
}

} // namespace

CRegisterDataIO::CRegisterDataIO(QString path) : m_path(std::move(path))
{
    load();
}

CRegisterDataIO::~CRegisterDataIO() = default;

void CRegisterDataIO::problem(int line, const QString &text)
{
    m_problems.insert(line, text);
}

QStringList CRegisterDataIO::problems() const
{
    QStringList list;
    for (auto it = m_problems.cbegin(); it != m_problems.cend(); ++it)
        list << QStringLiteral("line %1: %2").arg(it.key()).arg(it.value());
    return list;
}

void CRegisterDataIO::load()
{
    const QFileInfo info(m_path);
    if (m_path.isEmpty() || !info.exists()) {
        m_status = Status::Missing;
        return;
    }
    QFile file(m_path);
    if (!info.isFile() || info.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly)) {
        m_status = Status::Unreadable;
        m_systemError = info.isFile() ? (info.size() > kMaxFileSize ? QStringLiteral("File too large")
                                                                    : file.errorString())
                                      : QStringLiteral("Not a file");
        return;
    }

    QTextStream in(&file);
    QString section;
    int lineNumber = 0;
    while (!in.atEnd()) {
        const QString raw = in.readLine();
        ++lineNumber;
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            const int close = line.indexOf(QLatin1Char(']'));
            if (close < 0) {
                problem(lineNumber, raw);
                continue;
            }
            section = line.mid(1, close - 1).trimmed();
            if (section == QLatin1String(kGeneralInfo))
                m_hasGeneralInfo = true;
            continue;
        }
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) {
            problem(lineNumber, raw);
            continue;
        }
        m_entries.append({lineNumber, section, line.left(eq).trimmed(), cleanValue(line.mid(eq + 1))});
    }
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
        if (e.section == QLatin1String(kMinMax)) {
            m_minMax.insert(e.key.toLower(), e.value);
            continue;
        }
        if (e.section != QLatin1String(kGeneralInfo))
            continue;
        const QString key = e.key.toLower();
        if (key == QLatin1String("sensor_name")) {
            m_sensorName = e.value;
        } else if (key == QLatin1String("part_number")) {
            m_partNumber = e.value;
        } else if (key == QLatin1String("raw_sensor")) {
            m_rawSensor = e.value;
        } else if (key == QLatin1String("revision")) {
            qint32 rev = 0;
            if (parseInt(e.value, &rev))
                m_revision = rev;
            else
                problem(e.line, e.key + QLatin1String(" = ") + e.value);
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

    // Use cases are numbered in the file; they are kept in ascending number
    // order, so a gap in the numbering does not create an empty use case.
    std::map<int, CUseCase> byNumber;
    std::map<int, int> defaultNumber;  // context -> use-case number
    static const QRegularExpression keyPattern(QStringLiteral("^(\\d+)/(\\w+)$"));
    for (const Entry &e : qAsConst(m_entries)) {
        if (e.section != QLatin1String(kUseCases))
            continue;
        const QRegularExpressionMatch m = keyPattern.match(e.key);
        bool numberOk = false;
        const int number = m.hasMatch() ? m.captured(1).toInt(&numberOk) : -1;
        if (!numberOk || number < 0 || number > kMaxUseCaseNumber) {
            problem(e.line, e.key + QLatin1String(" = ") + e.value);
            continue;
        }
        const QString key = m.captured(2).toLower();
        // Parse into a copy so a line that is not understood creates no use case.
        CUseCase uc = byNumber.count(number) ? byNumber[number] : CUseCase();
        bool understood = false;
        if (key == QLatin1String("name")) {
            uc.name = e.value;
            understood = true;
        }
        for (const IntKey &k : kIntKeys) {
            if (key == QLatin1String(k.key))
                understood = parseInt(e.value, &(uc.*k.field));
        }
        for (const RealKey &k : kRealKeys) {
            if (key == QLatin1String(k.key))
                understood = parseReal(e.value, &(uc.*k.field));
        }
        for (int c = 0; c < 3; ++c) {
            if (key == QLatin1String(kDefaultKeys[c])) {
                qint32 flag = 0;
                understood = parseInt(e.value, &flag);
                if (understood && flag != 0 && defaultNumber.find(c) == defaultNumber.end())
                    defaultNumber[c] = number;
            }
        }
        if (understood)
            byNumber[number] = uc;
        else
            problem(e.line, e.key + QLatin1String(" = ") + e.value);
    }

    std::map<int, int> indexOf;
    for (auto &entry : byNumber) {
        indexOf[entry.first] = m_useCases.size();
        if (entry.second.name.isEmpty())
            entry.second.name = QStringLiteral("Usecase_%1").arg(entry.first);
        m_useCases.append(entry.second);
    }
    for (const auto &d : defaultNumber)
        m_defaults[d.first] = indexOf[d.second];

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
        return QStringLiteral("The file %1 does not exist.").arg(m_path);
    case Status::Unreadable:
        return QStringLiteral("The file %1 cannot be read: %2.").arg(m_path, m_systemError);
    case Status::NoGeneralInfo:
        return QStringLiteral("The file %1 has no [General_Info] section naming the sensor.").arg(m_path);
    case Status::NoUseCases:
        return QStringLiteral("The file %1 has no use cases in its [UseCases] section.").arg(m_path);
    }
    return QString();
}
