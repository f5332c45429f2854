// Register table, result panes and timing diagram.
#include "pallador.h"

#include "registerdataio.h"

#include <QTextEdit>

void Pallador::initRegisterTable()
{
    // The first full calculation of a loaded sensor.
    recalc(true);
}

void Pallador::updateRegisterTable() {}

void Pallador::showResultText(QTextEdit *pane)
{
    QString text;
    if (pane == ui.textResult_A)
        text = ctxDisplayText[0];
    else if (pane == ui.textResult_B)
        text = ctxDisplayText[1];
    else if (pane == ui.textResult_C)
        text = ctxDisplayText[2];
    else
        text = pllDisplayText + QStringLiteral("\n\nHW Rev: %1").arg(dataIO ? dataIO->getRevNumber() : 0);
    // Laying a text out again is the costliest part of a calculation's
    // refresh: a pane that already shows the text is left as it is.
    if (pane->toPlainText() != text)
        pane->setPlainText(text);
}

void Pallador::updateTimingDiagram() {}
