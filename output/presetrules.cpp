#include "output/presetrules.h"

#include "calvex.h"
#include "families.h"
#include "pallador.h"

#include <cmath>
#include <initializer_list>

namespace preset {

namespace {

// ---------------------------------------------------------------------------
// Sensor groups of the row rules, by catalogue index.

bool inGroup(int sensor, std::initializer_list<int> group)
{
    for (int member : group) {
        if (member == sensor)
            return true;
    }
    return false;
}

// A: the interface rows appear only with the second interface, and later
// reset rows are left out then.
const std::initializer_list<int> kGroupA = {30, 83, 84, 86, 87, 88, 89, 92, 102, 103, 104, 110};
// B: the interface rows appear only with the first interface.
const std::initializer_list<int> kGroupB = {85, 94, 99, 100, 101, 115};
// C and D: the MIPI stream fields follow the second (C) or first (D) interface.
const std::initializer_list<int> kGroupC = {75, 83, 84, 92, 93, 102, 110};
const std::initializer_list<int> kGroupD = {85, 94, 115};
// E: the extra exposure registers only when the individual registers are used.
const std::initializer_list<int> kGroupE = {83, 84, 85, 92, 93};

bool named(const REGS_DESC_T &row, std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        if (row.name == QLatin1String(name))
            return true;
    }
    return false;
}

const std::initializer_list<const char *> kInterfaceRows = {"FRAME_PREAMBLE", "LINE_PREAMBLE", "MIPI_TIMING_0",
                                                            "MIPI_TIMING_1",  "MIPI_TIMING_2", "MIPI_TIMING_3",
                                                            "MIPI_TIMING_4"};
const std::initializer_list<const char *> kMipiTimingRows = {"MIPI_TIMING_0", "MIPI_TIMING_1", "MIPI_TIMING_2",
                                                             "MIPI_TIMING_3", "MIPI_TIMING_4"};
const std::initializer_list<const char *> kStreamFields = {"MIPI_F1_PDT", "MIPI_F2_PDT", "MIPI_F3_PDT", "MIPI_F4_PDT",
                                                           "MIPI_F1_VC",  "MIPI_F2_VC",  "MIPI_F3_VC",  "MIPI_F4_VC"};
const std::initializer_list<const char *> kSecondClockVariables = {
    "cam_sysctl_pll_divider_m_n_2_clk", "cam_sysctl_pll_divider_p_2_clk", "cam_sysctl_pll_fraction_2_clk"};
const std::initializer_list<const char *> kExtraExposureRows = {"COARSE_INTEGRATION_TIME2", "COARSE_INTEGRATION_TIME3",
                                                                "COARSE_INTEGRATION_TIME4"};
const std::initializer_list<const char *> kFineExposureRows = {"FINE_INTEGRATION_TIME", "FINE_INTEGRATION_TIME2",
                                                               "FINE_INTEGRATION_TIME3", "FINE_INTEGRATION_TIME4"};
const std::initializer_list<const char *> kVek114HdrRows = {"COARSE_INTEGRATION_TIME2", "COARSE_INTEGRATION_TIME3",
                                                            "FINE_INTEGRATION_TIME2", "FINE_INTEGRATION_TIME3",
                                                            "EXPOSURE RATIO"};

// A reset row is written only as the first row of the table.
bool resetRuleKeeps(const Pallador &w, int i)
{
    return i == 0 || w.regs[i].name != QLatin1String("RESET_REGISTER");
}

// The revision number of a bridge family (0 when the family is not loaded).
int revisionOf(const CFamilyCore *family)
{
    return family ? family->pll.revision : 0;
}

void hold(HeldRow &held, const REGS_DESC_T &row, quint32 address)
{
    held = {true, address, row.value, row.name};
}

// "REG = address, value\t\t//name = value" with the value in signed decimal.
QString movedLine(const HeldRow &row)
{
    return QStringLiteral("REG = %1, %2\t\t//%3 = %4\n")
        .arg(Pallador::hexText(row.address), Pallador::hexText(row.value), row.name)
        .arg(qint32(row.value));
}

// A number in lower-case hexadecimal, at least four digits.
QString lowerHex4(quint32 value)
{
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0'));
}

// A clock in MHz as a whole number of hertz.
QString hertz(double mhz)
{
    return QString::number(qint64(std::trunc(mhz * 1000000.0)));
}

void insertAtPosition15(QString &text, const QString &line)
{
    text.insert(qMin(15, text.size()), line);
}

// Puts "//" in front of the line that starts at position.
void commentOut(QString &text, int position)
{
    text.insert(position, QStringLiteral("//"));
}

// The first occurrence of any of the anchors, or -1.
int firstOf(const QString &text, std::initializer_list<const char *> anchors)
{
    int first = -1;
    for (const char *anchor : anchors) {
        const int at = text.indexOf(QLatin1String(anchor));
        if (at >= 0 && (first < 0 || at < first))
            first = at;
    }
    return first;
}

const char *const kMipiPortTiming = "\n//MIPI Port Timing\n";

void mipiPortTiming(QString &pll)
{
    insertAt(pll, QStringLiteral("REG = 0x31B0,"), QLatin1String(kMipiPortTiming));
}

// ---------------------------------------------------------------------------
// Blocks.

void sarn116kFixUp(const Pallador &w, QString &pll)
{
    static const char *const fixed[] = {
        "\n[MIPI Fix-up]\n",
        "//General fix-up.\n",
        "REG = 0x098E, 0\n",
        "REG = 0x301A, 0x0030, 1\t//RESET_REGISTER\n",
        "REG = 0x316C, 0xB430, 1\t//Sensor Char settings\n",
        "REG = 0x31E0, 0x0003, 1\t//Sensor Char settings\n",
        "REG = 0x3E2E, 0xF319, 1\t//Sensor Char settings\n",
        "REG = 0x3EE6, 0xA7C1, 1\t//Sensor Char settings\n",
        "REG = 0x301E, 0x00A8, 1\t//DATA_PEDESTAL_\n",
        "REG = 0xDC33, 0x002A, 1\t//SYS_FIRST_BLACK_LEVEL\n",
        "REG = 0x3812, 0x212C, 1\t//OTPM Comparator\n\n",
        "//MIPI only fix-up.\n",
        "REG = 0x3400, 0x7A26\t//MIPI_CONTROL (into standby)\n",
        "POLL_REG = 0x3402,0x0001,==0x0000,DELAY=3,TIMEOUT=100\n",
        "REG = 0x340A, 0x001F\t//TXSS_MIPI_CONTROL_ADDL\n",
    };
    static const char *const timing[][2] = {
        {"0x3410", "MIPI_TIMING_T_HS_ZERO"}, {"0x3412", "MIPI_TIMING_T_HS_EXIT_HS_TRAIL"},
        {"0x3414", "MIPI_TIMING_T_CLK_POST_CLK_PRE"}, {"0x3416", "MIPI_T_CLK_TRAIL_CLK_ZERO"},
        {"0x3418", "MIPI_TIMING_T_LPX"}, {"0x341A", "MIPI_INIT_TIMING"},
        {"0x3CA0", "TXSS_PARAMETERS"}, {"0x3CA2", "TXC_PARAMETERS"},
        {"0x3CAA", "TXC_TIMING"},
    };
    static const char *const closing[] = {
        "REG = 0x3400, 0x7A24\t//MIPI_CONTROL (out of standby)\n",
        "POLL_REG= 0x3402,0x0001,==0x0001,DELAY=3,TIMEOUT=100\n",
        "REG = 0xC8D4, 0x0000\t//CAM_OUTPUT_1_MIPI_CHANNEL\n",
        "REG = 0xD822, 0x4710\t//JPEG_JPSS_CTRL_VAR\n",
    };
    for (const char *line : fixed)
        pll += QLatin1String(line);
    const Murn_111 *family = w.calvex ? w.calvex->murn_111 : nullptr;
    for (int k = 0; k < 9; ++k) {
        pll += QStringLiteral("REG = %1, 0x%2\t//%3\n")
                   .arg(QLatin1String(timing[k][0]), lowerHex4(family ? family->mipiTimings[k] : 0),
                        QLatin1String(timing[k][1]));
    }
    for (const char *line : closing)
        pll += QLatin1String(line);
}

void sarn112Recommended(QString &timing)
{
    static const char *const lines[] = {
        "\n\n\n//Recommended Configuration\n", "REG = 0x31E0, 0x0303\n", "REG = 0x3064, 0x1802\n",
        "REG = 0x3ED2, 0x0146\n",            "REG = 0x3ED4, 0x8F6C\n", "REG = 0x3ED6, 0x66CC\n",
        "REG = 0x3ED8, 0x8C42\n",            "REG = 0x3EDA, 0x88BC\n", "REG = 0x3EDC, 0xAA63\n",
        "REG = 0x305E, 0x00A0\n",
    };
    for (const char *line : lines)
        timing += QLatin1String(line);
}

// Vek145l: of the three register pairs of its timing text, the ones whose
// sensor-control value shows an unused readout are commented out (or, on
// the first revision, removed).
void vek145lPairs(const Pallador &w, QString &timing)
{
    const QString index = QStringLiteral("REG = 0x30E2, 0x0000");
    int i = timing.indexOf(index);
    int j = timing.indexOf(QLatin1String("REG = 0x3F74, 0x0003"));
    if (i >= 0 && i < j) {
        commentOut(timing, j);
        commentOut(timing, i);
        i = timing.indexOf(index, i + 20);
    }
    j = timing.indexOf(QLatin1String("REG = 0x3F74, 0x0001"));
    if (i >= 0 && i < j) {
        if (w.revIndex == 0) {
            const int next = timing.indexOf(QLatin1String("REG"), j + 20);
            if (next >= 0) {
                timing.remove(i, next - i);
                i = timing.indexOf(index, i);
            }
        } else {
            commentOut(timing, j);
            commentOut(timing, i);
            i = timing.indexOf(index, i + 20);
        }
    }
    j = timing.indexOf(QLatin1String("REG = 0x3F74, 0x0000"));
    if (i >= 0 && i < j)
        commentOut(timing, i);
}

// Sarn103k and Tolm109: the PLL is started in steps the viewer executes.
void isp2PllStartUp(const Pallador &w, QString &pll)
{
    if (!w.pllBypass) {
        // Kept byte for byte as the presets of these sensors have always
        // been: the register write after the power-down comment stands in
        // that comment's line, so a viewer reads it as part of the comment.
        insertAt(pll, QStringLiteral("REG = "),
                 QStringLiteral("BITFIELD= 0x14, 1, 1\t// Bypass PLL\nBITFIELD= 0X14, 2, 0\t// Power-down PLL"
                                "REG = 0x0014, 0x2446\n"));
        pll += QStringLiteral("REG = 0x0014, 0x244B //PLL control: TEST_BYPASS on = 9291\n"
                              "DELAY = 10 // Allow PLL to lock\n"
                              "REG = 0x0014, 0x304B //PLL control: PLL_ENABLE on = 12363\n"
                              "POLL_REG=0x0014, 0x8000, ==0, DELAY=50, TIMEOUT=20 // Verify PLL lock\n"
                              "BITFIELD= 0x14, 1, 0 //PLL_BYPASS_OFF\n");
    } else {
        pll += QStringLiteral("REG = 0x0014, 0x2446\t//PLL control: BYPASS PLL = 9286\n");
    }
    if (w.interfaceIndex == 1) {
        pll += QStringLiteral("BITFIELD=0x001A, 0x0200, 0\t// Disable parallel output\n"
                              "BITFIELD=0x001A, 0x0008, 1\t// Enable MIPI output\n"
                              "BITFIELD=0x3400, 0x0200, 1 // MIPI enable\n"
                              "BITFIELD=0x321C, 0x0080, 0  // use IFP for TX FIFO\n");
    }
}

void vek123RunningMode(const Pallador &w, Texts &texts)
{
    const Vek_123 *family = w.calvex ? w.calvex->vek_123 : nullptr;
    const bool hdr = family && family->rawHdrFlag == 1;
    texts.pll.prepend(QStringLiteral("[Running Mode]\n"
                                     "REG = 0x301A, 0x0001\t\t//RESET_REGISTER = 1\n"
                                     "DELAY = 200\n"
                                     "LOAD = Sequence\n"
                                     "LOAD = Default\n"
                                     "LOAD = PLL_settings\n"
                                     "LOAD = Timing_settings\n") +
                      (hdr ? QStringLiteral("LOAD = Raw Image Format\n\n\n") : QStringLiteral("\n\n")));
    const int heading = texts.pll.indexOf(QLatin1String("[PLL_settings]"));
    if (heading >= 0) {
        const qint64 wholeMhz = family ? qint64(std::trunc(family->rawMasterClock)) : 0;
        texts.pll.insert(heading + 14, QStringLiteral("\nXMCLK = %1").arg(wholeMhz * 1000000));
    }
    if (hdr) {
        texts.timing += QStringLiteral("\n[Raw Image Format]\nIMAGE= %1, %2, BAYER-%3\n")
                            .arg(qint64(family->rawWidth) * family->rawExposureCount)
                            .arg(family->rawHeight)
                            .arg(family->rawBayer);
    }
    if (w.interfaceIndex == 0) {
        const int at = texts.timing.indexOf(QLatin1String("REG = 0x301A, 0x10DC"));
        if (at >= 0)
            texts.timing.insert(qMax(0, at - 1), QStringLiteral("\nREG = 0x301A, 0x10D8"));
    }
}

void sarn105kPll(const Pallador &w, QString &pll)
{
    const bool serial = w.interfaceIndex == 1;
    insertAt(pll, serial ? QStringLiteral("REG = 0x0042, 0xFFF3") : QStringLiteral("REG = 0x0042, 0xFFFF"),
             QStringLiteral("POLL_REG = 0x0018, 0x4000, !=0, DELAY=10, TIMEOUT=10\n"));
    // After the register line of "Reset and Misc Control" (its decimal value
    // has four digits with the serial interface and three otherwise).
    const int at = pll.indexOf(serial ? QLatin1String("REG = 0x001A, 0x0564") : QLatin1String("REG = 0x001A, 0x0364"));
    if (at >= 0)
        pll.insert(qMin(at + (serial ? 54 : 53), pll.size()), QStringLiteral("DELAY = 50\n"));
}

void sarn113k(const Pallador &w, Texts &texts)
{
    if (!w.pllBypass) {
        insertAt(texts.pll, QStringLiteral("REG = 0x0014, 0x0046"),
                 QStringLiteral("POLL_REG=0x0014,0x8000,==0x0000,DELAY=10,TIMEOUT=1000 // Wait for the PLL to lock\r\n"));
    }
    texts.pll += QStringLiteral("POLL_REG=0x0018,0x4000,==1,DELAY=10,TIMEOUT=1000 // Wait for FW initialization complete\r\n");
    const Murn_110 *family = w.calvex ? w.calvex->murn_110 : nullptr;
    const qint32 *lines = family ? family->fdUsedPeriodLines60Hz : nullptr;
    texts.timing += QStringLiteral("\n//Note:\n"
                                   "//previewFd_UsedPeriodLines60Hz = %1\n"
                                   "//captureFd_UsedPeriodLines60Hz = %2\n"
                                   "//videoFd_UsedPeriodLines60Hz = %3\n")
                        .arg(lines ? lines[0] : 0)
                        .arg(lines ? lines[1] : 0)
                        .arg(lines ? lines[2] : 0);
}

} // namespace

void insertAt(QString &target, const QString &anchor, const QString &text)
{
    const int at = target.indexOf(anchor);
    if (at >= 0)
        target.insert(at, text);
}

bool writesPllRow(const Pallador &w, int i, quint32 address, HeldRows &held)
{
    const REGS_DESC_T &row = w.regs[i];
    const int s = w.sensorIndex;
    if (row.id == 0 && row.bitfield == 0) {
        if (inGroup(s, kGroupA)) {
            if (w.interfaceIndex != 1 && named(row, kInterfaceRows))
                return false;
            return resetRuleKeeps(w, i);
        }
        if (inGroup(s, kGroupB))
            return w.interfaceIndex == 0 || !named(row, kInterfaceRows);
        if (s == 69)
            return w.interfaceIndex == 1 || row.name != QLatin1String("Reset and Misc Control");
        if (s == 75) {
            if (w.interfaceIndex != 1 && named(row, kMipiTimingRows))
                return false;
            return resetRuleKeeps(w, i);
        }
        return true;
    }
    if (row.id == 0) {
        if (named(row, kStreamFields)) {
            if (inGroup(s, kGroupC))
                return w.interfaceIndex == 1;
            if (inGroup(s, kGroupD))
                return w.interfaceIndex == 0;
        }
        return true;
    }
    if (row.bitfield == 0) {
        const CCalvex *c = w.calvex;
        if ((s == 57 && c && revisionOf(c->yorm_105) > 1) || (s == 58 && c && revisionOf(c->yorm_106) > 1))
            return !named(row, kSecondClockVariables);
        if (s == 27 && row.name == QLatin1String("cam_port_output_control")) {
            hold(held.outputControl, row, address);
            return false;
        }
    }
    return true;
}

bool writesDirectTimingRow(const Pallador &w, int i, quint32 address, HeldRows &held)
{
    const REGS_DESC_T &row = w.regs[i];
    if (row.bitfield == 1)
        return true;
    const int s = w.sensorIndex;
    if (s == 30 && named(row, {"SEQ_CTRL_PORT", "SEQ_DATA_PORT"}))
        return false;
    if (inGroup(s, kGroupE) && !w.useReg && named(row, kExtraExposureRows))
        return false;
    if (s == 27 && row.name == QLatin1String("cam_sensor_cfg_pixclk")) {
        hold(held.pixelClock, row, address);
        return false;
    }
    if (s == 85 && row.value == 0 && named(row, kFineExposureRows))
        return false;
    if (s == 94 && named(row, kVek114HdrRows)) {
        const Vek_114 *family = w.calvex ? w.calvex->vek_114 : nullptr;
        return family && family->ctx[0].hdrMode != 0;
    }
    return true;
}

QString headerNote(const Pallador &w)
{
    if (w.sensorIndex == 90 || w.sensorIndex == 91) {
        return QStringLiteral("\nFor 10|12 bit, preset \"[Native Full@32FPS 2600x1952 10|12 bit]\" should be loaded "
                              "before loading newly created presets.");
    }
    return QString();
}

void afterWalk(const Pallador &w, const HeldRows &held, Texts &texts)
{
    const int s = w.sensorIndex;
    if (s == 27) {
        if (held.outputControl.kept)
            texts.timing += movedLine(held.outputControl);
        if (held.pixelClock.kept)
            insertAt(texts.pll, QStringLiteral("REG = 0xCA1E"), movedLine(held.pixelClock));
        insertAt(texts.pll, QStringLiteral("REG = 0xCA20"), QStringLiteral("REG = 0x0020, 0x0018 \t\t//quiet_count_value = 24\n"));
    }

    const CCalvex *c = w.calvex;
    switch (s) {
    case 31:
        insertAtPosition15(texts.pll, QStringLiteral("STATE= Sensor Reset, 1\nSTATE= Sensor Reset, 0\n"));
        insertAt(texts.pll, QStringLiteral("REG = 0x0018, 0x2008"),
                 QStringLiteral("POLL_REG = 0x0018, 0xE07F, !=0x200C, DELAY=5, TIMEOUT=50\n"));
        if (w.interfaceIndex == 1)
            sarn116kFixUp(w, texts.pll);
        break;
    case 69:
        sarn113k(w, texts);
        break;
    case 13:
        sarn105kPll(w, texts.pll);
        break;
    case 30:
        texts.header += QStringLiteral("\n\n[Vek129 Pallador output preset]\n");
        insertAtPosition15(texts.pll, QStringLiteral("STATE = Master Clock, %1\n")
                                          .arg(hertz(c && c->brel_105 ? c->brel_105->pll.outputClock : 0.0)));
        mipiPortTiming(texts.pll);
        sarn112Recommended(texts.timing);
        break;
    case 83:
    case 84:
    case 75:
    case 92:
    case 93:
    case 102:
    case 110:
        mipiPortTiming(texts.pll);
        break;
    case 85: {
        // Two of the group comments name rows by a bit-field line; this
        // sensor writes those rows as registers, so they are found by their
        // address whatever kind of line they are.
        const struct {
            const char *anchor;
            const char *sameAddress; // the row's line of the other kind, or null
            const char *comment;
        } groups[] = {
            {"REG = 0x30A2,", nullptr, "\n//Readout Mode Configuration\n"},
            {"REG = 0x3004,", nullptr, "\n//FOV Settings\n"},
            {"BITFIELD = 0x306E,", "REG = 0x306E,", "\n//Data Path Settings\n"},
            {"REG = 0x300A,", nullptr, "\n//Row and Pixel Timing\n"},
            {"REG = 0x1008,", nullptr, "\n//Exposure Settings\n"},
            {"BITFIELD = 0x31D0,", "REG = 0x31D0,", "\n//Output Format\n"},
        };
        for (const auto &g : groups) {
            const int at = g.sameAddress ? firstOf(texts.timing, {g.anchor, g.sameAddress})
                                         : texts.timing.indexOf(QLatin1String(g.anchor));
            if (at >= 0)
                texts.timing.insert(at, QLatin1String(g.comment));
        }
        mipiPortTiming(texts.pll);
        break;
    }
    case 16:
    case 17:
    case 18:
        insertAtPosition15(texts.pll, QStringLiteral("STATE = Master Clock, %1\n")
                                          .arg(hertz(c && c->brel_102 ? c->brel_102->pll.outputClock : 0.0)));
        break;
    case 32:
    case 33:
        insertAt(texts.pll, QStringLiteral("REG = 0x0010, 0x0053"), QStringLiteral("DELAY=1\n"));
        texts.pll += QStringLiteral("DELAY=200\n");
        break;
    case 26:
        insertAt(texts.pll, QStringLiteral("BITFIELD = 0x0014, 0x0001, 0"),
                 QStringLiteral("POLL_FIELD=pll_control, pll_lock, ==0, DELAY=10, TIMEOUT=100\n"));
        break;
    case 62:
    case 64:
        texts.header += s == 62 ? QStringLiteral("\n\n[Vek125 Settings]\n") : QStringLiteral("\n\n[Vek127r Settings]\n");
        texts.header += QStringLiteral("REG = 0x0100, 0x00\t\t//MODE_SELECT = 0\n"
                                       "POLL_REG = 0x303C, 0x0002, !=1, DELAY=1, TIMEOUT=100\n");
        texts.timing += QStringLiteral("REG = 0x0100, 0x01\t\t//MODE_SELECT = 1\n");
        break;
    case 41:
        vek145lPairs(w, texts.timing);
        break;
    case 60:
    case 61:
        isp2PllStartUp(w, texts.pll);
        break;
    case 88:
    case 89:
        vek123RunningMode(w, texts);
        break;
    default:
        break;
    }
}

void trailingBlocks(const Pallador &w, QString &timing)
{
    const int s = w.sensorIndex;
    const CCalvex *c = w.calvex;
    if ((s >= 1 && s <= 11) || (s >= 54 && s <= 56)) {
        timing += QStringLiteral("\n//Change-Config\n"
                                 "FIELD_WR= CMD_HANDLER_PARAMS_POOL_0, 0x2800\t\t//VAR= 31, 0x0000, 0x2800\n"
                                 "FIELD_WR= COMMAND_REGISTER, 0x8100\t\t//REG= 0x0040, 0x8100\n"
                                 "POLL_FIELD= COMMAND_REGISTER,DOORBELL,!=0,DELAY=10,TIMEOUT=100\n"
                                 "ERROR_IF= COMMAND_REGISTER, HOST_COMMAND, !=0, \"Command failed\"\n");
    } else if (s == 27) {
        timing += QStringLiteral("\n//Change-Config\n"
                                 "FIELD_WR= SYSMGR_NEXT_STATE, 0x28\t\t// VAR8= 23, 0x0000, 0x28\n"
                                 "FIELD_WR= COMMAND_REGISTER, 0x8002\t\t//REG= 0x0080, 0x8002\n"
                                 "POLL_FIELD= COMMAND_REGISTER, HOST_COMMAND_1, !=0, DELAY=10, TIMEOUT=100\n");
    } else if (s == 32 || s == 33) {
        static const char *const optimisation[] = {
            "0x70,0x79",   "0x71,0x7800", "0x72,0x7800", "0x73,0x300",  "0x74,0x300",   "0x75,0x3c00",
            "0x76,0x4e3d", "0x77,0x4e3d", "0x78,0x774f", "0x79,0x7900", "0x7a,0x7900",  "0x7b,0x7800",
            "0x7c,0x7800", "0x7e,0x7800", "0x7f,0x7800", "0x6,0x0",     "0x29,0x481",   "0x3e,0x87",
            "0x3f,0x7",    "0x41,0x3",    "0x48,0x18",   "0x5f,0x1c16",
        };
        timing += QStringLiteral("\n\n[Full Resolution Optimization - 15FPS @ 96MHz]\n");
        for (const char *pair : optimisation)
            timing += QStringLiteral("REG=0,%1\t\t//Reserved\n").arg(QLatin1String(pair));
        timing += s == 32 ? QStringLiteral("REG=0,0x57,0x7\t\t//Reserved\nREG=0,0x2A,0xff74\t\t//Reserved\n")
                          : QStringLiteral("REG=0,0x57,0x2\t\t//Reserved\nREG=0,0x4F,0x11\t\t//Reserved\n");
    } else if ((s == 90 || s == 91) && c && c->vek_135) {
        timing += c->vek_135->GetSequencer(w.configPath).join(QString());
    } else if ((s == 88 || s == 89) && c && c->vek_123) {
        const QStringList sequencer = c->vek_123->GetSequencer(w.configPath);
        const QStringList defaults = c->vek_123->GetDefaultSetting(w.configPath);
        timing += QLatin1Char('\n') + defaults.join(QString()) + QStringLiteral("\n\n") + sequencer.join(QString());
    } else if (s == 114 && c && c->holv_101) {
        const QStringList stateVars = c->holv_101->AddStateVars();
        const QStringList appendant = c->holv_101->GetAppendant(w.configPath);
        timing += stateVars.join(QString()) + QLatin1Char('\n') + appendant.join(QString());
    }
}

} // namespace preset
