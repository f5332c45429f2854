#include "dockwidget.h"

#include <QApplication>
#include <QHash>
#include <QIcon>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>

namespace {

// A style of the application's kind that makes each title-bar icon once.
class TitleIconStyle : public QProxyStyle {
public:
    explicit TitleIconStyle(QStyle *base) : QProxyStyle(base) {}

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const override
    {
        if (icon != SP_TitleBarNormalButton && icon != SP_TitleBarCloseButton)
            return QProxyStyle::standardIcon(icon, option, widget);
        QIcon &kept = m_kept[icon];
        if (kept.isNull())
            kept = QProxyStyle::standardIcon(icon, option, widget);
        return kept;
    }

private:
    mutable QHash<int, QIcon> m_kept;
};

// The docks' style for the application's current style (made again when the
// application changes its style), or null for a style that cannot be made
// again by name. It lives as long as the application.
QStyle *dockStyle()
{
    static QPointer<TitleIconStyle> kept;
    static QString keptFor;
    const QString name = QApplication::style()->objectName();
    if (kept && keptFor == name)
        return kept;
    QStyle *base = name.isEmpty() ? nullptr : QStyleFactory::create(name);
    if (!base)
        return nullptr;
    kept = new TitleIconStyle(base);
    kept->setParent(qApp);
    // What the style takes from the application when it becomes its style
    // (the colours of a floating dock's title bar).
    kept->polish(qApp);
    keptFor = name;
    return kept;
}

} // namespace

DockWidget::DockWidget(QWidget *parent, Qt::WindowFlags flags) : QDockWidget(parent, flags)
{
    if (QStyle *style = dockStyle())
        setStyle(style);
}
