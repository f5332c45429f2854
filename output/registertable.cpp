// The register table: one row per installed register-descriptor row with the
// value of the last calculation in hexadecimal and decimal. The refresh after
// every calculation asks the family for its register values again, replaces
// the cells of the values that changed, writes computed sizes back into the
// open advanced panels of a few families and decides which rows show.
#include "pallador.h"

#include "calvex.h"
#include "cregister.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>

#include <cstring>
#include <initializer_list>

QString Pallador::hexText(quint32 value)
{
    return QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

QString Pallador::decText(quint32 value)
{
    return QString::number(value);
}

namespace {

// When the interface rows of the PLL section show.
enum class InterfaceRows { Always, OnInterface0, OnInterface1 };

// The refresh of one family: the contexts it recomputes (none: the values of
// the last calculation stand), how many values it refreshes (0: the family
// tells), and when its interface rows show.
struct Refresh {
    int first, last; // catalogue entries
    bool contextA;
    bool contextB;
    int count;
    InterfaceRows interfaceRows;
};

const Refresh kRefresh[] = {
    {1, 2, true, false, 24, InterfaceRows::Always},
    {3, 11, true, false, 25, InterfaceRows::Always},
    {12, 12, true, true, 32, InterfaceRows::Always},
    {13, 13, true, false, 30, InterfaceRows::Always},
    {14, 14, true, true, 29, InterfaceRows::Always},
    {15, 15, true, true, 33, InterfaceRows::Always},
    {16, 18, true, true, 29, InterfaceRows::Always},
    {19, 20, true, true, 33, InterfaceRows::Always},
    {21, 21, true, true, 29, InterfaceRows::Always},
    {22, 24, true, true, 34, InterfaceRows::Always},
    {25, 25, true, false, 36, InterfaceRows::Always},
    {26, 26, true, false, 44, InterfaceRows::Always},
    {27, 27, true, false, 45, InterfaceRows::Always},
    {28, 29, true, true, 32, InterfaceRows::Always},
    {30, 30, true, true, 42, InterfaceRows::OnInterface1},
    {31, 31, true, true, 88, InterfaceRows::Always},
    {32, 33, true, false, 22, InterfaceRows::Always},
    {34, 36, true, false, 36, InterfaceRows::Always},
    {37, 40, true, false, 40, InterfaceRows::Always},
    {41, 41, true, false, 42, InterfaceRows::Always},
    {42, 45, true, false, 40, InterfaceRows::Always},
    {46, 50, true, false, 32, InterfaceRows::Always},
    {51, 52, true, false, 36, InterfaceRows::Always},
    {53, 53, true, false, 41, InterfaceRows::Always},
    {54, 56, true, false, 31, InterfaceRows::Always},
    {57, 57, true, false, 45, InterfaceRows::Always},
    {58, 58, true, false, 60, InterfaceRows::Always},
    {59, 59, false, false, 50, InterfaceRows::Always},
    {60, 61, false, false, 49, InterfaceRows::Always},
    {67, 68, true, false, 27, InterfaceRows::Always},
    {69, 69, true, true, 54, InterfaceRows::OnInterface1},
    {70, 70, false, false, 59, InterfaceRows::Always},
    {71, 71, true, false, 53, InterfaceRows::Always},
    {72, 74, true, true, 34, InterfaceRows::Always},
    {75, 75, true, false, 64, InterfaceRows::OnInterface1},
    {76, 79, true, true, 39, InterfaceRows::Always},
    {80, 80, true, false, 29, InterfaceRows::Always},
    {81, 81, true, false, 23, InterfaceRows::Always},
    {82, 82, true, false, 26, InterfaceRows::Always},
    {83, 84, true, true, 78, InterfaceRows::OnInterface1},
    {85, 85, true, true, 82, InterfaceRows::OnInterface0},
    {86, 87, true, true, 41, InterfaceRows::OnInterface1},
    {88, 89, true, false, 34, InterfaceRows::OnInterface1},
    {90, 91, true, false, 38, InterfaceRows::Always},
    {92, 93, true, true, 98, InterfaceRows::OnInterface1},
    {94, 94, true, false, 33, InterfaceRows::OnInterface0},
    {95, 98, true, false, 34, InterfaceRows::Always},
    {99, 101, true, false, 63, InterfaceRows::OnInterface0},
    {102, 102, true, false, 64, InterfaceRows::OnInterface1},
    {103, 104, true, false, 32, InterfaceRows::OnInterface1},
    {105, 109, false, false, 20, InterfaceRows::Always},
    {110, 110, true, false, 67, InterfaceRows::OnInterface1},
    {111, 111, true, false, 0, InterfaceRows::OnInterface1},
    {112, 113, true, false, 31, InterfaceRows::Always},
    {114, 114, false, false, 154, InterfaceRows::Always},
    {115, 115, true, false, 70, InterfaceRows::OnInterface0},
};

const Refresh *refreshOf(int sensorIndex)
{
    for (const Refresh &r : kRefresh) {
        if (sensorIndex >= r.first && sensorIndex <= r.last)
            return &r;
    }
    return nullptr;
}

// PLL rows of the serial interface, hidden when the family's interface
// condition fails; the preambles are not among them for Vek118m.
bool isInterfaceRow(const QString &name, int sensorIndex)
{
    static const char *const rows[] = {"MIPI_TIMING_0", "Reset and Misc Control", "MIPI_TIMING_1", "MIPI_TIMING_2",
                                       "MIPI_TIMING_3", "MIPI_TIMING_4",          "MIPI_F1_PDT",   "MIPI_F2_PDT",
                                       "MIPI_F3_PDT",   "MIPI_F4_PDT",            "MIPI_F1_VC",    "MIPI_F2_VC",
                                       "MIPI_F3_VC",    "MIPI_F4_VC"};
    for (const char *row : rows) {
        if (name == QLatin1String(row))
            return true;
    }
    return sensorIndex != 75 && (name == QLatin1String("FRAME_PREAMBLE") || name == QLatin1String("LINE_PREAMBLE"));
}

bool nameIn(const QString &name, std::initializer_list<const char *> names)
{
    for (const char *n : names) {
        if (name == QLatin1String(n))
            return true;
    }
    return false;
}

QTableWidgetItem *cell(const QString &text, bool centred)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    if (centred)
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    return item;
}

void setSpin(QSpinBox *box, int value)
{
    if (box)
        box->setValue(value);
}

// The bridges show their computed image path in the open context-A panel;
// the boxes' slots do not run.
void bridgeWriteBack(Pallador &w, const CBridgeFamily &bridge)
{
    if (w.checkHighSpeed[0])
        w.checkHighSpeed[0]->setEnabled(bridge.highSpeedEnable > 0);
    if (!w.ui.checkAdvParam_A->isChecked())
        return;
    const CModeState &m = bridge.mode[0];
    QSpinBox *const boxes[] = {w.spinFovR[0], w.spinFovC[0], w.spinSocR, w.spinSocC, w.spinRows[0], w.spinCols[0]};
    const int values[] = {m.fovRows, m.fovCols, m.cropRows, m.cropCols, m.outputRows, m.outputCols};
    for (QSpinBox *box : boxes) {
        if (box)
            box->blockSignals(true);
    }
    for (int i = 0; i < 6; ++i)
        setSpin(boxes[i], values[i]);
    for (QSpinBox *box : boxes) {
        if (box)
            box->blockSignals(false);
    }
}

// Sarn112 shows the size it did not take from the user in each open panel;
// a changed box runs its own slot, whose calculation finds nothing to change.
void brel105WriteBack(Pallador &w, const CFamilyCore &family)
{
    QCheckBox *const panels[] = {w.ui.checkAdvParam_A, w.ui.checkAdvParam_B};
    for (int c = 0; c < 2; ++c) {
        if (!panels[c]->isChecked())
            continue;
        const CModeState &m = family.mode[c];
        if (family.ctx[c].useFov) {
            setSpin(w.spinRows[c], m.outputRows);
            setSpin(w.spinCols[c], m.outputCols);
        } else {
            setSpin(w.spinFovR[c], m.fovRows);
            setSpin(w.spinFovC[c], m.fovCols);
        }
    }
}

} // namespace

void Pallador::initRegisterTable()
{
    QTableWidget *table = ui.tableRegister;
    table->clearContents();
    const int rows = qBound(0, regCount, int(RegRowCapacity));
    table->setRowCount(rows);
    {
        CRegister record;
        for (int i = 0; i < rows; ++i) {
            const REGS_DESC_T &r = regs[i];
            record.SetRegData(r.name, quint32(r.bitfield), quint32(r.section), uchar(r.id), r.address, uchar(r.width),
                              r.value, r.mask);
        }
    }
    const bool addressAndMask = sensorIndex == 85;
    for (int i = 0; i < rows; ++i) {
        const REGS_DESC_T &r = regs[i];
        table->setItem(i, 0, cell(r.name, false));
        table->setItem(i, 1, cell(addressAndMask ? hexText(r.address) : decText(quint32(r.id)), true));
        table->setItem(i, 2, cell(hexText(addressAndMask ? r.mask : r.address), true));
        table->setItem(i, 3, cell(hexText(r.value), true));
        table->setItem(i, 4, cell(decText(r.value), true));
    }
    if (addressAndMask) {
        table->setHorizontalHeaderItem(1, new QTableWidgetItem(QStringLiteral("Address")));
        table->setHorizontalHeaderItem(2, new QTableWidgetItem(QStringLiteral("Mask")));
    }
    // The names' column fits its widest cell (rows hidden now not counted)
    // and its header text, within the sections' bounds; the value columns
    // stretch, whatever their contents, so only the names are measured.
    QHeaderView *header = table->horizontalHeader();
    table->resizeColumnToContents(0);
    header->resizeSection(
        0, qBound(header->minimumSectionSize(), header->sectionSize(0), header->maximumSectionSize()));
    for (int column = 1; column <= 4; ++column)
        header->setSectionResizeMode(column, QHeaderView::Stretch);
    fitRegisterTable();
}

void Pallador::fitRegisterTable()
{
    // A shown table asks for the width of all its columns, each at least as
    // wide as its header text, so the window widens (as far as the screen
    // allows) rather than cutting the values off behind a scroll bar.
    QTableWidget *table = ui.tableRegister;
    if (!table->isVisibleTo(this)) {
        table->setMinimumWidth(0);
        return;
    }
    const QHeaderView *header = table->horizontalHeader();
    int needed = table->verticalHeader()->sizeHint().width() + 2 * table->frameWidth() +
                 table->verticalScrollBar()->sizeHint().width() + header->sectionSize(0);
    for (int column = 1; column < header->count(); ++column)
        needed += qMax(header->minimumSectionSize(), header->sectionSizeHint(column));
    if (QScreen *screen = this->screen()) {
        // The rest of the window and the frame around it.
        const int besides = frameGeometry().width() - table->width();
        needed = qMin(needed, qMax(0, screen->availableGeometry().width() - besides));
    }
    table->setMinimumWidth(needed);
}

void Pallador::updateRegisterTable()
{
    int count = RegRowCapacity;
    const quint32 *values = nullptr;
    if (varResults) {
        count = regCount;
        values = varResults->registerValues;
    }
    bool interfaceShown = true;
    CFamilyCore *family = calvex ? calvex->family() : nullptr;
    const Refresh *refresh = refreshOf(sensorIndex);
    if (refresh && family && !varResults) {
        auto *classic = dynamic_cast<CFamilyBase *>(family);
        for (int c : {0, 1}) {
            if (!(c == 0 ? refresh->contextA : refresh->contextB) || !classic)
                continue;
            if (Vek_108 *v = calvex->vek_108)
                v->RegisterUpdate(c, sensorIndex);
            else
                classic->RegisterUpdate(c);
        }
        values = family->results.registerValues;
        count = refresh->count;
        if (const Drav_102 *d = calvex->drav_102)
            count = d->NumberOfRegisters(true);
        if (refresh->interfaceRows == InterfaceRows::OnInterface0)
            interfaceShown = interfaceIndex == 0;
        else if (refresh->interfaceRows == InterfaceRows::OnInterface1)
            interfaceShown = interfaceIndex == 1;
        // The library holds one value per row of its table.
        count = qMin(count, family->registerCount());

        if (const auto *bridge = dynamic_cast<const CBridgeFamily *>(family))
            bridgeWriteBack(*this, *bridge);
        else if (sensorIndex == 30)
            brel105WriteBack(*this, *family);
    } else if (varResults && family) {
        count = qMin(count, family->registerCount());
    }
    if (!values)
        return;

    QTableWidget *table = ui.tableRegister;
    const int rows = qBound(0, count, int(RegRowCapacity));
    const bool hideExtraExposures = (sensorIndex >= 83 && sensorIndex <= 85) || sensorIndex == 92 || sensorIndex == 93;
    const bool hdrOffVek114 = sensorIndex == 94 && family && family->ctx[0].hdrMode == 0;
    const Yorm_106 *yorm106 = sensorIndex == 58 && calvex ? calvex->yorm_106 : nullptr;
    for (int i = 0; i < rows; ++i) {
        REGS_DESC_T &r = regs[i];
        const quint32 v = values[i];
        const bool inTable = i < table->rowCount();
        if (v != r.value) {
            r.value = v;
            if (inTable) {
                table->setItem(i, 3, cell(hexText(v), true));
                table->setItem(i, 4, cell(decText(v), true));
            }
        }
        if (!inTable)
            continue;

        bool hidden;
        if (r.section == 0) {
            hidden = !outputPll || (!interfaceShown && isInterfaceRow(r.name, sensorIndex));
        } else {
            hidden = !outputTiming;
            if (!hidden && hideExtraExposures && !useReg)
                hidden = nameIn(r.name, {"COARSE_INTEGRATION_TIME2", "COARSE_INTEGRATION_TIME3",
                                         "COARSE_INTEGRATION_TIME4"});
            if (sensorIndex == 85 && v == 0 &&
                nameIn(r.name, {"FINE_INTEGRATION_TIME", "FINE_INTEGRATION_TIME2", "FINE_INTEGRATION_TIME3",
                                "FINE_INTEGRATION_TIME4"}))
                hidden = true;
            if (hdrOffVek114 && nameIn(r.name, {"FINE_INTEGRATION_TIME2", "FINE_INTEGRATION_TIME3",
                                                "COARSE_INTEGRATION_TIME2", "COARSE_INTEGRATION_TIME3",
                                                "EXPOSURE RATIO"}))
                hidden = true;
        }
        if (yorm106) {
            if (yorm106->pll.revision > 1 &&
                nameIn(r.name, {"cam_sysctl_pll_divider_m_n_2_clk", "cam_sysctl_pll_divider_p_2_clk",
                                "cam_sysctl_pll_fraction_2_clk"}))
                hidden = true;
            if (r.name.startsWith(QLatin1String("TX_KS_")))
                hidden = !yorm106->keepSyncOn;
        }
        if (table->isRowHidden(i) != hidden)
            table->setRowHidden(i, hidden);
    }
}
