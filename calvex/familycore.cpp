#include "familycore.h"

CFamilyCore::CFamilyCore(int typeCode, const char *tableId)
    : m_typeCode(typeCode), m_table(tableId ? RegTables::find(QString::fromLatin1(tableId)) : nullptr)
{
    resetRegisters();
}

CFamilyCore::~CFamilyCore() = default;

void CFamilyCore::resetRegisters()
{
    const int count = m_table ? m_table->count : 0;
    m_regStore.assign(size_t(count), 0u);
    for (int i = 0; i < count; ++i)
        m_regStore[size_t(i)] = m_table->rows[i].value;
    results.registerValues = m_regStore.empty() ? nullptr : m_regStore.data();
}

CFamilyBase::CFamilyBase(int typeCode, const char *tableId) : CFamilyCore(typeCode, tableId) {}
CFamilyBase::~CFamilyBase() = default;

void CFamilyBase::InitDefaults(QString configPath)
{
    m_configPath = configPath;
    resetRegisters();
}

void CFamilyBase::PllUpdate() {}
void CFamilyBase::TimingUpdate(int, bool, bool) {}
void CFamilyBase::ResultsUpdate(int) {}
void CFamilyBase::RegisterUpdate(int) {}
void CFamilyBase::InterfaceUpdate(int) {}
void CFamilyBase::SetInterface(int, int) {}
void CFamilyBase::SetSerialPLL(int) {}
void CFamilyBase::SetParallelPLL() {}
void CFamilyBase::SetModePLL(int) {}
void CFamilyBase::UseCaseTiming(int, bool, bool) {}
void CFamilyBase::SetRevDefaults(int) {}

CFormFamily::CFormFamily(int typeCode, const char *tableId) : CFamilyCore(typeCode, tableId) {}
CFormFamily::~CFormFamily() = default;

void CFormFamily::InitDefaults(QString configPath)
{
    m_configPath = configPath;
    resetRegisters();
}

CPlainFamily::CPlainFamily(int typeCode, const char *tableId) : CFamilyCore(typeCode, tableId) {}
CPlainFamily::~CPlainFamily() = default;

void CPlainFamily::InitDefaults(QString configPath)
{
    m_configPath = configPath;
    resetRegisters();
}

void CPlainFamily::RegisterUpdate(int) {}
void CPlainFamily::SetResults(int) {}
