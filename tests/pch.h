// The headers every test program parses, precompiled once for each set of
// compile flags (see tests/CMakeLists.txt and calvex/tests/CMakeLists.txt).
// Qt and standard headers only: our own headers change too often to be worth
// rebuilding the precompiled header for. <QtTest> brings all of QtCore.
#pragma once

#include <QtTest>

// The application's tests also drive the window: the widgets they and the
// window's forms use. The whole of <QtWidgets> would make the precompiled
// header a third larger and slower to load, for nothing the tests use.
#ifdef QT_WIDGETS_LIB
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QErrorMessage>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QSpacerItem>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWidget>
#endif

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <utility>
#include <vector>
