// Register table, result panes and timing diagram.
#include "pallador.h"

#include "registerdataio.h"

#include <QTextEdit>

void Pallador::initRegisterTable()
{
    // The first full calculation of a loaded sensor.
    recalc(true);
}

void Pallador::updateRegisterTable()
{
}

void Pallador::showResultText(QTextEdit *pane)
{
    pane->clear();
    if (pane == ui.textResult_A) {
        pane->append(ctxDisplayText[0]);
    } else if (pane == ui.textResult_B) {
        pane->append(ctxDisplayText[1]);
    } else if (pane == ui.textResult_C) {
        pane->append(ctxDisplayText[2]);
    } else {
        pane->append(pllDisplayText);
        pane->append(QStringLiteral("\nHW Rev: %1").arg(dataIO ? dataIO->getRevNumber() : 0));
    }
}

void Pallador::updateTimingDiagram()
{
}
