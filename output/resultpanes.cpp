// The result panes and the timing diagram: the library's texts of the last
// calculation, and a small drawing of the sensor's frame (active read-out on
// blanking, scaled per sensor) with the field-of-view and output pictures in
// the orientation context A reads the array.
#include "pallador.h"

#include "calvex.h"
#include "registerdataio.h"

#include <QDockWidget>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QTextEdit>
#include <QVariant>

#include <climits>

namespace {

// How a sensor's diagram is drawn: sensor pixels per drawing pixel, the dock
// title (null leaves it), and whether the pictures sit at the top left.
struct Diagram {
    int first, last; // catalogue entries
    int scale;       // 0: the sensor draws no diagram
    const char *title;
    bool topLeft;
};

const char *const kContextA = "Timing Diagram (Context A)";
const char *const kPlain = "Timing Diagram";

const Diagram kDiagrams[] = {
    {1, 11, 6, nullptr, false},     {12, 12, 8, kContextA, false},  {13, 13, 5, nullptr, false},
    {14, 24, 12, kContextA, false}, {25, 27, 12, nullptr, false},   {28, 30, 12, kContextA, false},
    {31, 31, 16, kContextA, false}, {32, 36, 12, nullptr, false},   {37, 40, 14, nullptr, true},
    {41, 42, 24, nullptr, false},   {43, 43, 24, nullptr, false},   {44, 45, 25, nullptr, false},
    {46, 52, 14, nullptr, true},    {53, 53, 28, nullptr, false},   {54, 58, 12, kPlain, false},
    {59, 59, 10, kContextA, false}, {60, 61, 6, kContextA, false},  {62, 64, 20, nullptr, false},
    {65, 66, 12, nullptr, false},   {67, 68, 14, nullptr, true},    {69, 69, 16, kContextA, false},
    {70, 70, 10, kContextA, false}, {71, 71, 8, kContextA, false},  {72, 79, 12, kContextA, false},
    {80, 81, 28, nullptr, false},   {82, 82, 14, nullptr, true},    {83, 87, 12, kContextA, false},
    {88, 89, 12, kPlain, false},    {90, 91, 14, nullptr, true},    {92, 94, 12, kContextA, false},
    {95, 101, 14, nullptr, true},   {102, 104, 12, kContextA, false}, {105, 109, 0, nullptr, false},
    {110, 111, 12, kContextA, false}, {112, 112, 6, kPlain, false}, {113, 113, 12, kPlain, false},
    {114, 114, 0, nullptr, false},  {115, 115, 24, nullptr, false},
};

const Diagram *diagramOf(int sensorIndex)
{
    for (const Diagram &d : kDiagrams) {
        if (sensorIndex >= d.first && sensorIndex <= d.last)
            return &d;
    }
    return nullptr;
}

// The sensor-core picture in context A's read-out orientation.
QString picture(bool mirror, bool flip)
{
    if (mirror)
        return flip ? QStringLiteral(":/Pallador/Resources/SensorCoreHorizVertFlip.PNG")
                    : QStringLiteral(":/Pallador/Resources/SensorCoreHorizFlip.PNG");
    return flip ? QStringLiteral(":/Pallador/Resources/SensorCoreVertFlip.PNG")
                : QStringLiteral(":/Pallador/Resources/SensorCore.PNG");
}

// A size divided by a factor; a factor of 0 or less leaves the size alone.
void resizeBy(QLabel *label, qint64 width, qint64 height, qint64 divisor, int cap = 1 << 20)
{
    if (divisor <= 0)
        return;
    label->resize(int(qMin<qint64>(width / divisor, cap)), int(qMin<qint64>(height / divisor, cap)));
}

// The field-of-view picture, and the output picture until a drawing chooses
// one, put on when the diagram is first drawn or shown (reading them is left
// to the diagram's first showing).
void putPictures(Ui_PalladorClass &ui)
{
    for (QLabel *label : {ui.labelFovPix, ui.labelOutPix}) {
        if (label->pixmap(Qt::ReturnByValue).isNull())
            label->setPixmap(QPixmap(picture(false, false)));
    }
}

// The widest and tallest the frame rectangle is drawn, in pixels.
const qint64 kFrameCap = 300;

// The page size the floating timing dock was last made to show.
const char *const kFittedPage = "fittedPage";

// Floating and shown, the timing dock grows to show its whole page
// unscrolled, as far as the screen allows, whenever the page's size changes
// and when it starts floating; the user may make it smaller again. It asks
// for no minimum size: docked, the drawing scrolls, and the window is not
// widened for it.
void fitTimingDock(Ui_PalladorClass &ui)
{
    QDockWidget *dock = ui.dockTiming;
    QScrollArea *area = ui.scrollAreaTiming;
    if (!dock->isFloating()) {
        area->setProperty(kFittedPage, QVariant());
        return;
    }
    if (!dock->isVisible())
        return;
    QWidget *page = area->widget();
    page->layout()->activate();
    QSize wanted = page->minimumSizeHint() + QSize(2, 2) * area->frameWidth();
    if (QScreen *screen = dock->screen())
        wanted = wanted.boundedTo(screen->availableGeometry().size() * 4 / 5);
    if (area->property(kFittedPage).toSize() == wanted)
        return;
    area->setProperty(kFittedPage, wanted);
    dock->resize(dock->size() + (wanted - area->size()).expandedTo(QSize(0, 0)));
}

// Keeps the size texts and pictures clear of the frame drawing and of each
// other, and the whole drawing inside the dock: each text and picture of the
// column stays where the form puts it unless the drawing reaches into the
// column (then the column moves right as a whole) or the item above it
// reaches down to it (then it moves below that item); the drawing area grows
// to hold every label, and a floating dock grows with it (fitTimingDock).
void fitTimingFrame(Ui_PalladorClass &ui)
{
    QLabel *const column[] = {ui.labelFOVSize, ui.labelFovPix, ui.labelOUTSize, ui.labelOutPix};
    int left = INT_MAX;
    for (QLabel *label : column) {
        if (!label->property("formPos").isValid())
            label->setProperty("formPos", label->pos());
        left = qMin(left, label->property("formPos").toPoint().x());
    }
    const int drawingRight = qMax(ui.labelHVBlank->geometry().right(), ui.labelCorePix->geometry().right());
    const int shift = qMax(0, drawingRight + 10 - left);
    int below = 0;
    for (QLabel *label : column) {
        const QPoint form = label->property("formPos").toPoint();
        label->move(form.x() + shift, qMax(form.y(), below));
        below = label->geometry().bottom() + 4;
    }

    QRect used;
    for (QWidget *child : ui.frame->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        used |= child->geometry();
    const QSize needed(qMax(500, used.right() + 8), qMax(370, used.bottom() + 8));
    if (ui.frame->minimumSize() != needed)
        ui.frame->setMinimumSize(needed);
    fitTimingDock(ui);
}

} // namespace

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

void Pallador::updateTimingDiagram()
{
    const Diagram *d = diagramOf(sensorIndex);
    if (d && d->scale == 0)
        return;
    if (d && d->title)
        ui.dockTiming->setWindowTitle(QLatin1String(d->title));

    // The diagram is context A's, as its title and pictures say: a
    // two-context sensor's last calculation may have been context B's.
    const bool ownCopy = sensorIndex == 65 || sensorIndex == 66 || sensorIndex < 1 || sensorIndex > 115;
    if (!ownCopy && calvex && calvex->family()) {
        const CFamilyCore &family = *calvex->family();
        timingGeometry = contextCount == 2 ? family.timingGeometry(0) : family.results.timingGeometry;
    }

    // A hidden diagram is drawn when it is shown (drawPendingTimingDiagram):
    // the calculations of a sensor set-up and of the user's changes meanwhile
    // lay out nothing nobody sees.
    timingDiagramPending = ui.dockTiming->isHidden();
    if (!timingDiagramPending)
        drawTimingDiagram();
}

void Pallador::drawPendingTimingDiagram()
{
    if (timingDiagramPending) {
        timingDiagramPending = false;
        drawTimingDiagram();
    }
    // A dock shown before anything was drawn in it shows the pictures too.
    if (!ui.dockTiming->isHidden())
        putPictures(ui);
}

void Pallador::drawTimingDiagram()
{
    const Diagram *d = diagramOf(sensorIndex);
    if (d && d->scale == 0)
        return;
    const int s = d ? d->scale : 12;
    if (d && d->topLeft) {
        ui.labelFovPix->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        ui.labelOutPix->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    const CTimingGeometry &g = timingGeometry;

    putPictures(ui);
    ui.labelOutPix->setPixmap(QPixmap(picture(mirror[0], flip[0])));
    ui.labelOutPix->setScaledContents(g.xFactor > 1 || g.yFactor > 1);
    ui.labelCorePix->raise();
    ui.labelHVBlank->lower();

    resizeBy(ui.labelHVBlank, g.frameWidth, g.frameHeight, s, int(kFrameCap));
    if (g.xFactor > 0 && g.yFactor > 0 && s > 0) {
        // The active part is drawn inside the frame: where the frame was cut
        // to the cap, the active part shrinks in the same proportion, so the
        // blanking stays visible and the blue never outgrows the black.
        const qint64 frameW = g.frameWidth / s, frameH = g.frameHeight / s;
        qint64 coreW = qint64(g.fovWidth) / (qint64(g.xFactor) * s);
        qint64 coreH = qint64(g.fovHeight) / (qint64(g.yFactor) * s);
        if (frameW > kFrameCap)
            coreW = coreW * kFrameCap / frameW;
        if (frameH > kFrameCap)
            coreH = coreH * kFrameCap / frameH;
        ui.labelCorePix->resize(int(qBound<qint64>(0, coreW, 1 << 20)), int(qBound<qint64>(0, coreH, 1 << 20)));
    }
    resizeBy(ui.labelFovPix, g.fovWidth, g.fovHeight, s);
    resizeBy(ui.labelOutPix, g.outputWidth, g.outputHeight, s);

    ui.labelFOVSize->setText(QStringLiteral("Image FOV size   : %1x%2").arg(g.fovWidth).arg(g.fovHeight));
    ui.labelOUTSize->setText(QStringLiteral("Image Output size: %1x%2").arg(g.outputWidth).arg(g.outputHeight));
    ui.labelActiveX->setText(QString::number(qint64(g.frameWidth) - g.hBlank));
    ui.labelActiveY->setText(QString::number(qint64(g.frameHeight) - g.vBlank));
    ui.labelHBlank->setText(QStringLiteral("+ %1").arg(g.hBlank));
    ui.labelVBlank->setText(QStringLiteral("+ %1").arg(g.vBlank));

    const QPoint p = ui.labelHVBlank->pos();
    ui.labelHorzClk->move(p.x(), p.y() + ui.labelHVBlank->height() + 10);
    ui.labelVertClk->move(p.x(), ui.labelHorzClk->y() + 20);
    ui.labelActiveX->move(ui.labelHorzClk->x() + ui.labelHorzClk->width() + 10, ui.labelHorzClk->y());
    ui.labelHBlank->move(ui.labelActiveX->x() + 40, ui.labelHorzClk->y());
    ui.labelActiveY->move(ui.labelVertClk->x() + ui.labelVertClk->width() + 10, ui.labelVertClk->y());
    ui.labelVBlank->move(ui.labelActiveY->x() + 40, ui.labelVertClk->y());
    fitTimingFrame(ui);
}
