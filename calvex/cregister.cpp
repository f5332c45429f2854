#include "cregister.h"

CRegister::CRegister() = default;
CRegister::~CRegister() = default;

void CRegister::SetRegData(QString, uint, uint, uchar, uint, uchar, uint, uint) {}
