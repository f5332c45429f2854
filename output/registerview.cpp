// Register table, result panes and timing diagram.
#include "pallador.h"

#include <QTextEdit>

void Pallador::initRegisterTable()
{
}

void Pallador::updateRegisterTable()
{
}

void Pallador::showResultText(QTextEdit *pane)
{
    pane->clear();
}

void Pallador::updateTimingDiagram()
{
}
