#include "cregister.h"

CRegister::CRegister() = default;
CRegister::~CRegister() = default;

void CRegister::SetRegData(QString name, uint bitfield, uint section, uchar id, uint address, uchar width,
                           uint value, uint mask)
{
    m_name = std::move(name);
    m_bitfield = bitfield;
    m_section = section;
    m_id = id;
    m_address = address;
    m_width = width;
    m_value = value;
    m_mask = mask;
}
