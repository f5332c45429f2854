// Checks of a window's saved geometry and of a main window's saved dock and
// tool bar state, made before Qt reads them back. Qt's readers trust their
// input: damaged bytes can make them index past their arrays, count to a
// number read from the bytes, or lay docks out where no one can reach them.
// These checks walk the whole record as Qt 5.15 writes it and accept it only
// when every marker, version, count, name, flag and size is one Qt could have
// written for this window, and nothing is left over.
#pragma once

#include <QByteArray>

class QMainWindow;

namespace SavedLayout {

// No window system takes a window larger or further out than this.
constexpr int kMaxExtent = 32767;

// Whether geometry is what QWidget::saveGeometry() writes.
bool isSoundGeometry(const QByteArray &geometry);

// Whether state is what window's saveState(version) writes: of its own dock
// widgets and tool bars, each at most once, its corners given to the dock
// areas they are given to now, every docked item with a size.
bool isSoundState(const QByteArray &state, int version, const QMainWindow &window);

} // namespace SavedLayout
