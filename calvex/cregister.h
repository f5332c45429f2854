// Register record of the calculation library. The application hands it every
// installed descriptor row; the library computes from its own copy of the
// tables, so nothing given here is read back.
#pragma once

#include <QString>
#include <QtGlobal>

class CRegister {
public:
    CRegister();
    ~CRegister();

    void SetRegData(QString name, uint bitfield, uint section, uchar id, uint address, uchar width, uint value,
                    uint mask);
};
