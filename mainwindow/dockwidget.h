// The main window's docks. A dock's title bar asks its style for the float
// button's icon each time the title bar is laid out, and the standard styles
// read that icon anew from its image files every time (for each of its
// sizes); these docks use the application's style with the title-bar icons
// kept once read, which draws them exactly alike.
#pragma once

#include <QDockWidget>

class DockWidget : public QDockWidget {
    Q_OBJECT

public:
    explicit DockWidget(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
};
