// Per-context set-up: a context of the loaded sensor starts from the family's
// defaults (clocks, frame rates, blanking, interface list, panels) and ends
// by selecting its default use case, which loads it and calculates. The body
// of each family group is in the group's source, found by the entry's row of
// the family table (familytable.cpp); the steps they are made of are in
// setupsteps.cpp.
#include "adapter.h"

#include "cguivars.h"
#include "registerdataio.h"

#include <QCheckBox>
#include <QComboBox>

void Pallador::initContext(int context)
{
    currentContext = context;
    // Outside the catalogue there is nothing to set up.
    if (const adapter::FamilyRow *row = adapter::familyRow(sensorIndex))
        row->init(*this, context);

    // A binder is connected once, however often its context is set up.
    if (guiVars) {
        connect(guiVars, SIGNAL(valueChanged(QString, float)), this, SLOT(valueChangedGuiVars(QString, float)),
                Qt::UniqueConnection);
        connect(guiVars, SIGNAL(check(QString, bool)), this, SLOT(checkGuiVars(QString, bool)), Qt::UniqueConnection);
    }

    ui.checkUseSTD->setEnabled(stdTemplateAvail != 0);
    ui.checkUseSTD->setChecked(stdTemplateAvail != 0);
    useStdTemplate = stdTemplateAvail != 0;

    // The default use case of the context; selecting a different entry loads
    // it and calculates.
    if (!dataIO || context < 0 || context > 2)
        return;
    QComboBox *const lists[] = {ui.comboUseCase_A, ui.comboUseCase_B, ui.comboUseCase_C};
    const int defaults[] = {dataIO->getContextADefault(), dataIO->getContextBDefault(), dataIO->getContextCDefault()};
    // The form-based families fill the list here; a list that already offers
    // the file's use cases (a context set up again) is left as it is.
    if (guiVars) {
        const QStringList names = dataIO->getUseCaseName();
        QStringList offered;
        for (int i = 0; i < lists[context]->count(); ++i)
            offered << lists[context]->itemText(i);
        if (offered != names) {
            lists[context]->clear();
            lists[context]->addItems(names);
        }
    }
    lists[context]->setCurrentIndex(defaults[context]);
}
