// Reader of sensor configuration files (docs/config-format.md describes the
// format): general information, use cases and the limits-and-defaults block.
#pragma once

#include "calvex_records.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

class CRegisterDataIO {
public:
    // Points to the first use case (nullptr when the file has none). The array
    // is writable: the application may store a default frame rate into it.
    CUseCase *useCases = nullptr;

    enum class Status {
        Ok,
        Missing,        // the file does not exist
        Unreadable,     // it exists but cannot be opened or is not a file
        NoGeneralInfo,  // no [General_Info] section with a sensor name
        NoUseCases      // no use case in [UseCases]
    };

    // While it lives, a reader made on this thread for the path of the given
    // reader takes that reader's content instead of reading the file again:
    // one load of a configuration reads its file once, though the window and
    // the calculation library both read it.
    class ReadOnce {
    public:
        explicit ReadOnce(const CRegisterDataIO &reader);
        ReadOnce(const ReadOnce &) = delete;
        ReadOnce &operator=(const ReadOnce &) = delete;
        ~ReadOnce();

    private:
        const CRegisterDataIO *m_previous;
    };

    explicit CRegisterDataIO(QString path);
    CRegisterDataIO(const CRegisterDataIO &) = delete;
    CRegisterDataIO &operator=(const CRegisterDataIO &) = delete;
    ~CRegisterDataIO();

    // Parse the [General_Info] section; false when it is missing or names no sensor.
    bool readGeneralInfo();
    // Parse the [UseCases] section; false when it holds no use case.
    bool readUseCases();

    QString getSensorName() const { return m_sensorName; }
    QString getPartNumber() const { return m_partNumber; }
    QString getRawSensor() const { return m_rawSensor; }
    QStringList getUseCaseName() const;
    int getUseCaseNumber() const { return m_useCases.size(); }
    int getContextADefault() const { return contextDefault(0); }
    int getContextBDefault() const { return contextDefault(1); }
    int getContextCDefault() const { return contextDefault(2); }
    int getRevNumber() const { return m_revision; }
    void setRevNumber(int revision) { m_revision = revision; }

    QString path() const { return m_path; }
    Status status() const { return m_status; }
    // A sentence describing the status, for messages to the user.
    QString errorString() const;
    // Lines that were not understood or hold a value no sensor can take, as
    // "line N: text" in line order (comments excluded).
    QStringList problems() const;

    // The [MinMax_Defaults] section: key (lower case) -> value text.
    QMap<QString, QString> minMaxDefaults() const { return m_minMax; }
    // A finite number from [MinMax_Defaults], or fallback when absent or invalid.
    double minMaxValue(const QString &key, double fallback) const;

    // The largest value a use-case key (as "rows", without the number) takes
    // in a file of the named sensor; every key takes 0 as its smallest.
    // Negative for a key that holds no number.
    static double useCaseMaximum(const QString &key, const QString &sensorName);

private:
    // A "key = value" line of one of the sections the reader uses.
    struct Entry {
        int line;
        int section;
        QString key;
        QString value;
    };

    void load();
    QString sensorNameInFile() const;
    int contextDefault(int context) const;
    void problem(int line, const QString &text);

    QString m_path;
    Status m_status = Status::Ok;
    QString m_systemError;
    QVector<Entry> m_entries;
    bool m_hasGeneralInfo = false;

    QString m_sensorName;
    QString m_partNumber;
    QString m_rawSensor;
    int m_revision = 1;
    QVector<CUseCase> m_useCases;
    int m_defaults[3] = {-1, -1, -1};
    QMap<QString, QString> m_minMax;
    QMap<int, QString> m_problems;  // line -> text
    QMap<int, QString> m_loadProblems; // those the read of the file found
};
