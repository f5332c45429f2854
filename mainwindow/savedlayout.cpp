// Checks of saved window geometry and saved dock and tool bar state.
//
// The records, as QDataStream writes them (big-endian; a rectangle is four
// 32-bit integers left, top, right, bottom; a size two, width and height; a
// string its byte length and UTF-16):
//
// Geometry (QWidget::saveGeometry, format 3): magic 0x1D9D0CB, major and
// minor format (16 bits each), frame geometry, normal geometry, screen number
// (32 bits), maximized and full-screen flags (8 bits each), screen width
// (32 bits), geometry.
//
// Main window state (QMainWindow::saveState): version marker 0xff and the
// caller's version (32 bits each), then
// - the dock areas: marker 0xfd, the number of areas used (32 bits), each as
//   its position (0 left, 1 right, 2 top, 3 bottom), its size and its layout;
//   then the central widget's size and the dock area owning each of the four
//   corners (32 bits each);
// - a floating group of tabbed docks after marker 0xf9 (only in windows that
//   allow grouped dragging, which this one does not);
// - the tool bars: marker 0xfc, the number of tool bar lines (32 bits), each
//   as its area position and its number of tool bars (32 bits each), each
//   tool bar as its object name, a flag byte (1 shown, 2 vertical), its
//   position and preferred size (32 bits each) and its floating geometry
//   packed into two 32-bit words (both 0 when docked).
//
// A dock layout: marker 0xfc (a sequence) or 0xfa (tabs, then the index of
// the current tab, 32 bits), its orientation (8 bits: 1 horizontal,
// 2 vertical), its number of items (32 bits), each item either
// - marker 0xfb, the dock's object name, a flag byte (1 visible,
//   2 floating) and four 32-bit integers: x, y, width and height when
//   floating, else position, size, minimum and maximum, or
// - marker 0xfc, position, size, minimum and maximum, and a nested layout.
// Qt reads the minimum and maximum of an item and throws them away.
#include "savedlayout.h"

#include <QDockWidget>
#include <QMainWindow>
#include <QToolBar>
#include <QtEndian>

namespace SavedLayout {
namespace {

constexpr quint32 kGeometryMagic = 0x1D9D0CB;
constexpr quint16 kGeometryFormat = 3;
constexpr quint8 kMaximized = 0x02;  // Qt::WindowMaximized, as saved
constexpr quint8 kFullScreen = 0x04; // Qt::WindowFullScreen, as saved
// More screens than any desk has; Qt takes an unknown screen as the primary.
constexpr qint32 kMaxScreens = 64;

constexpr qint32 kVersionMarker = 0xff;
constexpr quint8 kDockStateMarker = 0xfd;
constexpr quint8 kToolBarStateMarker = 0xfc;
constexpr quint8 kSequenceMarker = 0xfc;
constexpr quint8 kTabMarker = 0xfa;
constexpr quint8 kWidgetMarker = 0xfb;
constexpr quint8 kDockVisible = 0x01;
constexpr quint8 kDockFloating = 0x02;
constexpr quint8 kToolBarFlags = 0x03;
constexpr quint8 kHorizontal = 1; // Qt::Horizontal
constexpr quint8 kVertical = 2;   // Qt::Vertical
constexpr qint32 kAreaCount = 4;

// The corners in the order Qt saves them.
constexpr Qt::Corner kCorners[] = {Qt::TopLeftCorner, Qt::TopRightCorner, Qt::BottomLeftCorner, Qt::BottomRightCorner};

// Longer than any object name of this window.
constexpr int kMaxNameChars = 64;
// Items in all layouts and tool bar lines together: far more than a window
// with a few docks and tool bars leaves (one item for each, and one for each
// nested layout).
constexpr int kMaxItems = 64;

// Bounds-checked big-endian reads from a byte array.
class Reader {
public:
    explicit Reader(const QByteArray &bytes) : data(bytes) {}

    bool atEnd() const { return at == data.size(); }

    bool u8(quint8 &value) { return read(value); }
    bool u16(quint16 &value) { return read(value); }
    bool u32(quint32 &value) { return read(value); }
    bool i32(qint32 &value) { return read(value); }

    // A 32-bit integer from low to high.
    bool i32(qint32 &value, qint32 low, qint32 high) { return i32(value) && value >= low && value <= high; }

    // The next count coordinates or lengths, each from low to kMaxExtent.
    bool extents(int count, qint32 low = 0)
    {
        qint32 value = 0;
        for (int i = 0; i < count; ++i) {
            if (!i32(value, low, kMaxExtent))
                return false;
        }
        return true;
    }

    // A docked item's position in its layout and its size: -1 when it has
    // none, never 0 (Qt would lay the item out empty, off the window).
    bool positionAndSize()
    {
        qint32 size = 0;
        return extents(1) && i32(size, -1, kMaxExtent) && size != 0;
    }

    bool skip(int bytes)
    {
        if (bytes > data.size() - at)
            return false;
        at += bytes;
        return true;
    }

    // A string of at most maxChars characters; a null string fails.
    bool string(QString &value, int maxChars)
    {
        quint32 bytes = 0;
        if (!u32(bytes) || bytes % 2 != 0 || bytes > quint32(2 * maxChars) || int(bytes) > data.size() - at)
            return false;
        value.resize(int(bytes / 2));
        for (QChar &c : value) {
            c = QChar(qFromBigEndian<quint16>(data.constData() + at));
            at += 2;
        }
        return true;
    }

private:
    template <typename T> bool read(T &value)
    {
        if (int(sizeof(T)) > data.size() - at)
            return false;
        value = qFromBigEndian<T>(data.constData() + at);
        at += int(sizeof(T));
        return true;
    }

    const QByteArray &data;
    int at = 0;
};

class StateCheck {
public:
    StateCheck(const QByteArray &state, const QMainWindow &mainWindow) : in(state), window(mainWindow)
    {
        for (const QDockWidget *dock : window.findChildren<QDockWidget *>(QString(), Qt::FindDirectChildrenOnly))
            docks << dock->objectName();
        for (const QToolBar *bar : window.findChildren<QToolBar *>(QString(), Qt::FindDirectChildrenOnly))
            toolBars << bar->objectName();
    }

    bool check(int version)
    {
        qint32 marker = 0;
        qint32 saved = 0;
        quint8 section = 0;
        if (!in.i32(marker) || marker != kVersionMarker || !in.i32(saved) || saved != version)
            return false;
        if (!in.u8(section) || section != kDockStateMarker || !dockAreas())
            return false;
        if (!in.u8(section) || section != kToolBarStateMarker || !toolBarLines())
            return false;
        return in.atEnd();
    }

private:
    // Each area at most once, in Qt's order, laying its docks out along the
    // window's side it is on.
    bool dockAreas()
    {
        qint32 count = 0;
        if (!in.i32(count, 0, kAreaCount))
            return false;
        qint32 previous = -1;
        for (qint32 i = 0; i < count; ++i) {
            qint32 area = 0;
            quint8 marker = 0;
            if (!in.i32(area, previous + 1, kAreaCount - 1) || !in.extents(2) || !in.u8(marker) ||
                marker != kSequenceMarker || !layout(0, area < 2 ? kVertical : kHorizontal, false))
                return false;
            previous = area;
        }
        if (!in.extents(2))
            return false;
        for (const Qt::Corner corner : kCorners) {
            qint32 area = 0;
            if (!in.i32(area) || area != window.corner(corner))
                return false;
        }
        return true;
    }

    // The rest of a dock layout after its marker, at depth (0 for an area's
    // own layout), in orientation or, when nested, across it. Qt nests a
    // layout to split an item across its parent's orientation, or to tab
    // docks in its parent's orientation; tabs hold docks only.
    bool layout(int depth, quint8 orientation, bool tabbed)
    {
        quint8 saved = 0;
        qint32 current = -1;
        qint32 count = 0;
        if (tabbed && !in.i32(current))
            return false;
        if (!in.u8(saved) || (saved != kHorizontal && saved != kVertical) ||
            ((saved == orientation) != (depth == 0 || tabbed)))
            return false;
        if (!in.i32(count, 0, kMaxItems - items) || current < -1 || current >= count)
            return false;
        items += count;
        for (qint32 i = 0; i < count; ++i) {
            quint8 marker = 0;
            if (!in.u8(marker))
                return false;
            if (marker == kWidgetMarker) {
                if (!dock())
                    return false;
                continue;
            }
            // Position and size, then minimum and maximum, then the layout.
            quint8 nested = 0;
            if (marker != kSequenceMarker || tabbed || depth >= docks.size() || !in.positionAndSize() || !in.skip(8) ||
                !in.u8(nested) || (nested != kSequenceMarker && nested != kTabMarker) ||
                !layout(depth + 1, saved, nested == kTabMarker))
                return false;
        }
        return true;
    }

    // One dock's name (each dock once), flags and geometry.
    bool dock()
    {
        QString name;
        quint8 flags = 0;
        if (!in.string(name, kMaxNameChars) || !docks.contains(name) || seen.contains(name) || !in.u8(flags) ||
            (flags & ~(kDockVisible | kDockFloating)))
            return false;
        seen << name;
        if (!(flags & kDockFloating))
            return in.positionAndSize() && in.skip(8);      // then minimum and maximum
        return in.extents(2, -kMaxExtent) && in.extents(2); // x, y; width, height
    }

    bool toolBarLines()
    {
        qint32 lines = 0;
        if (!in.i32(lines, 0, kMaxItems - items))
            return false;
        for (qint32 line = 0; line < lines; ++line) {
            qint32 area = 0;
            qint32 count = 0;
            if (!in.i32(area, 0, kAreaCount - 1) || !in.i32(count, 0, kMaxItems - items))
                return false;
            items += count;
            for (qint32 i = 0; i < count; ++i) {
                if (!toolBar())
                    return false;
            }
        }
        return true;
    }

    // One tool bar's name (each tool bar once), flags, position and preferred
    // size, and its floating geometry: bit 0 of the first word tells it
    // floats; the first word holds x + 0x7fff in bits 1 to 16 and the width
    // above them, the second y + 0x7fff and the height.
    bool toolBar()
    {
        QString name;
        quint8 flags = 0;
        quint32 first = 0;
        quint32 second = 0;
        if (!in.string(name, kMaxNameChars) || !toolBars.contains(name) || seen.contains(name) || !in.u8(flags) ||
            (flags & ~kToolBarFlags) || !in.positionAndSize() || !in.u32(first) || !in.u32(second))
            return false;
        seen << name;
        if (!(first & 1))
            return first == 0 && second == 0;
        return (second >> 16) <= quint32(kMaxExtent);
    }

    Reader in;
    const QMainWindow &window;
    QStringList docks;
    QStringList toolBars;
    QStringList seen; // the docks and tool bars met so far
    int items = 0;
};

} // namespace

bool isSoundGeometry(const QByteArray &geometry)
{
    Reader in(geometry);
    quint32 magic = 0;
    quint16 major = 0;
    quint16 minor = 0;
    qint32 screen = 0;
    quint8 maximized = 0;
    quint8 fullScreen = 0;
    qint32 screenWidth = 0;
    // Frame and normal geometry; screen number, flags and width; geometry.
    return in.u32(magic) && magic == kGeometryMagic && in.u16(major) && major == kGeometryFormat && in.u16(minor) &&
           in.extents(8, -kMaxExtent) && in.i32(screen, -1, kMaxScreens - 1) && in.u8(maximized) &&
           (maximized == 0 || maximized == kMaximized) && in.u8(fullScreen) &&
           (fullScreen == 0 || fullScreen == kFullScreen) && in.i32(screenWidth, 1, kMaxExtent) &&
           in.extents(4, -kMaxExtent) && in.atEnd();
}

bool isSoundState(const QByteArray &state, int version, const QMainWindow &window)
{
    return StateCheck(state, window).check(version);
}

} // namespace SavedLayout
