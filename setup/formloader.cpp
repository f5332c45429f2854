// Loading an option or set-up form from its file: the set-up, the option
// panels and the form-based families all build their forms through it.
#include "pallador.h"

#include <QFile>
#include <QUiLoader>

QWidget *Pallador::loadForm(QWidget *parent, QString path)
{
    // A loader looks through the plugin folders as it is made: none is made
    // for a form that cannot be read.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    QUiLoader loader;
    QWidget *form = loader.load(&file, parent);
    file.close();
    return form;
}
