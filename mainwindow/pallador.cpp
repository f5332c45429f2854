// Construction, destruction and the small services of the main window.
#include "pallador.h"

#include "calvex.h"
#include "cguivars.h"
#include "installdir.h"
#include "registerdataio.h"

#include <QDockWidget>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>

#include <functional>
#include <utility>

namespace {

// The characters of a result line a result pane shows at the least.
const int kResultPaneChars = 20;

// Keeps a dock's scroll area as wide as its page next to a vertical scroll
// bar, as the page changes with the loaded sensor (its use-case names, the
// fields it hides): nothing of the page hides behind the bar or scrolls
// sideways. The page scrolls up and down only.
class DockPageFit : public QObject {
public:
    explicit DockPageFit(QScrollArea *area) : QObject(area), m_area(area)
    {
        area->widget()->installEventFilter(this);
        fit();
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Show)
            fit();
        return QObject::eventFilter(watched, event);
    }

private:
    void fit()
    {
        m_area->setMinimumWidth(m_area->widget()->minimumSizeHint().width() +
                                m_area->verticalScrollBar()->sizeHint().width() + 2 * m_area->frameWidth());
    }

    QScrollArea *m_area;
};

// Runs what a hidden widget left for its showing the moment it is shown,
// whichever way that happens (a View toggle, a restored window state, a
// caller).
class OnShow : public QObject {
public:
    OnShow(QWidget *widget, std::function<void()> run) : QObject(widget), m_run(std::move(run))
    {
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            m_run();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_run;
};

} // namespace

Pallador::Pallador(QString configFile, QWidget *parent, Qt::WindowFlags flags) : QMainWindow(parent, flags)
{
    // The compiled-in forms and pictures live in the core library.
    Q_INIT_RESOURCE(pallador);

    ui.setupUi(this);

    ui.tableRegister->hide();
    ui.dockImageA->hide();
    ui.dockImageB->hide();
    ui.dockImageC->hide();
    ui.dockPLL->hide();
    ui.dockTiming->hide();
    ui.dockTiming->setFloating(true);
    // A diagram that starts floating grows to show its drawing whole.
    connect(ui.dockTiming, &QDockWidget::topLevelChanged, this, &Pallador::updateTimingDiagram);
    ui.groupOutput->hide();
    ui.comboMaxFRate_A->setEditable(true);
    ui.comboMaxFRate_B->setEditable(true);
    ui.comboMaxFRate_C->setEditable(true);
    ui.checkOutputTiming->setChecked(true);
    ui.checkOutputPLL->setChecked(true);
    ui.actionImage_A->setVisible(false);
    ui.actionImage_B->setVisible(false);
    ui.actionImage_C->setVisible(false);
    ui.actionPLL->setVisible(false);
    ui.actionTiming->setVisible(false);

    // The use-case and blanking lists are as wide as their longest entry (the
    // form sizes them to their contents); the result panes keep room for a
    // short line of results beside them, and the dock pages get what their
    // fields need (see DockPageFit). The docks are styled first: their fields
    // measure differently before.
    // The panes show results the calculation writes: the user may select and
    // copy them but not type into them, and Tab moves the focus on instead of
    // inserting white space.
    for (QTextEdit *pane : {ui.textResult_A, ui.textResult_B, ui.textResult_C, ui.textResult_PLL}) {
        pane->setMinimumWidth(kResultPaneChars * pane->fontMetrics().averageCharWidth() + 2 * pane->frameWidth());
        pane->setReadOnly(true);
        pane->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        pane->setTabChangesFocus(true);
    }
    for (QDockWidget *dock : {ui.dockImageA, ui.dockImageB, ui.dockImageC, ui.dockPLL})
        dock->ensurePolished();
    for (QScrollArea *area : {ui.scrollAreaIMG_A, ui.scrollAreaIMG_B, ui.scrollAreaIMG_C, ui.scrollAreaPLL})
        new DockPageFit(area);

    // The register table's value columns stretch to share the table's width;
    // none of them narrows below the widest of their header texts, and every
    // column starts as wide as its header text.
    QHeaderView *columns = ui.tableRegister->horizontalHeader();
    int widestValueHeader = columns->minimumSectionSize();
    for (int column = 1; column < columns->count(); ++column)
        widestValueHeader = qMax(widestValueHeader, columns->sectionSizeHint(column));
    columns->setMinimumSectionSize(widestValueHeader);
    columns->resizeSections(QHeaderView::ResizeToContents);

    // The form's size, as far as the screen the window opens on has room.
    keepOnScreen();
    new OnShow(ui.dockTiming, [this] { drawPendingTimingDiagram(); });

    installDir = getInstallDir();
    calvex = new CCalvex(12);

    setToolTips();

    // What every sensor set-up starts from: the controls of the docks and the
    // output group, and the register table's headers and visibility, as they
    // are now. The option forms in the docks are the panels' own.
    controlDefaults.record({ui.dockImageA, ui.dockImageB, ui.dockImageC, ui.dockPLL, ui.groupOutput, ui.tableRegister},
                           {ui.widgetADV_A, ui.widgetADV_B, ui.widgetADV_C, ui.widgetADV_PLL});

    if (!configFile.isEmpty())
        loadConfigFile(configFile);
}

Pallador::~Pallador()
{
    // The binder points into the family's variables: it goes first.
    delete guiVars;
    delete fovPixmap;
    delete calvex;
    delete dataIO;
    delete advLayout;
}

QString Pallador::getInstallDir()
{
    return requireInstallDir();
}

