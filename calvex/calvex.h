// Facade of the calculation library: creates the family object named by a
// type code and owns it. It holds one public pointer per family class, named
// after the class in lower case; only the pointer of the created family is
// set, every other one stays null.
#pragma once

#include "families.h"

#include <QObject>

class CCalvex : public QObject {
public:
    // typeCode: a catalogue index naming a family (1, 3, 10, 12, ...). An
    // unknown type code creates no family object.
    explicit CCalvex(int typeCode);
    ~CCalvex() override;

    // The created family object, or nullptr.
    CFamilyCore *family() const { return m_family; }

    Tolm_104 *tolm_104 = nullptr;
    Murn_101 *murn_101 = nullptr;
    Brel_101 *brel_101 = nullptr;
    Murn_105 *murn_105 = nullptr;
    Brel_102 *brel_102 = nullptr;
    Vek_101 *vek_101 = nullptr;
    Vek_108 *vek_108 = nullptr;
    Brel_103 *brel_103 = nullptr;
    Vek_124 *vek_124 = nullptr;
    Murn_109 *murn_109 = nullptr;
    Brel_104 *brel_104 = nullptr;
    Brel_105 *brel_105 = nullptr;
    Murn_111 *murn_111 = nullptr;
    Brel_106 *brel_106 = nullptr;
    Brel_107 *brel_107 = nullptr;
    Vek_141 *vek_141 = nullptr;
    Vek_145l *vek_145l = nullptr;
    Vek_147 *vek_147 = nullptr;
    Vek_149 *vek_149 = nullptr;
    Vek_152 *vek_152 = nullptr;
    Vek_153 *vek_153 = nullptr;
    Vek_154 *vek_154 = nullptr;
    Vek_155 *vek_155 = nullptr;
    Yorm_102 *yorm_102 = nullptr;
    Yorm_105 *yorm_105 = nullptr;
    Yorm_106 *yorm_106 = nullptr;
    Murn_107 *murn_107 = nullptr;
    Murn_103 *murn_103 = nullptr;
    Vek_125 *vek_125 = nullptr;
    Murn_102 *murn_102 = nullptr;
    Murn_104 *murn_104 = nullptr;
    Vek_143 *vek_143 = nullptr;
    Murn_110 *murn_110 = nullptr;
    Murn_108 *murn_108 = nullptr;
    Murn_106 *murn_106 = nullptr;
    Vek_116 *vek_116 = nullptr;
    Vek_118 *vek_118 = nullptr;
    Vek_121 *vek_121 = nullptr;
    Vek_157b *vek_157b = nullptr;
    Vek_157f *vek_157f = nullptr;
    Vek_137 *vek_137 = nullptr;
    Vek_117 *vek_117 = nullptr;
    Vek_107 *vek_107 = nullptr;
    Vek_113 *vek_113 = nullptr;
    Vek_111 *vek_111 = nullptr;
    Vek_123 *vek_123 = nullptr;
    Vek_135 *vek_135 = nullptr;
    Vek_110 *vek_110 = nullptr;
    Vek_114 *vek_114 = nullptr;
    Vek_132 *vek_132 = nullptr;
    Vek_138 *vek_138 = nullptr;
    Vek_119 *vek_119 = nullptr;
    Zelt *zelt = nullptr;
    Vek_128 *vek_128 = nullptr;
    Drav_102 *drav_102 = nullptr;
    Drav_101 *drav_101 = nullptr;
    Vek_120 *vek_120 = nullptr;
    Holv_101 *holv_101 = nullptr;
    Vek_146 *vek_146 = nullptr;

private:
    CFamilyCore *m_family = nullptr;
};
