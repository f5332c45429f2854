// Register record of the calculation library. The application hands it every
// installed descriptor row; it keeps the last row it was given.
#pragma once

#include <QString>
#include <QtGlobal>

class CRegister {
public:
    CRegister();
    ~CRegister();

    void SetRegData(QString name, uint bitfield, uint section, uchar id, uint address, uchar width, uint value,
                    uint mask);

    QString name() const { return m_name; }
    uint address() const { return m_address; }
    uint value() const { return m_value; }

private:
    QString m_name;
    uint m_bitfield = 0;
    uint m_section = 0;
    uchar m_id = 0;
    uint m_address = 0;
    uchar m_width = 0;
    uint m_value = 0;
    uint m_mask = 0;
};
