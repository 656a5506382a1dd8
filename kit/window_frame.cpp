#include "kit/window_frame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWindow>
#include <algorithm>
#include <vector>

namespace quorelin {
namespace {

// The frame last seen on a framed window; windows not yet on screen assume it.
QMargins& LastFrameSeen() {
    static QMargins margins;
    return margins;
}

constexpr const char* kWantedOuter = "quorelinWantedOuter";
constexpr const char* kAssumedFrame = "quorelinAssumedFrame";

QMargins RealFrame(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    if (handle == nullptr || !window.isVisible() ||
        window.windowFlags().testFlag(Qt::FramelessWindowHint)) {
        return {};
    }
    const QMargins margins = handle->frameMargins();
    if (!margins.isNull()) {
        LastFrameSeen() = margins;
    }
    return margins;
}

void ApplyOuter(QWidget& window, const QRect& outer, const QMargins& frame) {
    window.setProperty(kAssumedFrame, QVariant::fromValue(frame));
    const QSize client(outer.width() - frame.left() - frame.right(),
                       outer.height() - frame.top() - frame.bottom());
    if (window.testAttribute(Qt::WA_WState_Created)) {
        // Qt moves a native window by the frame it had before, which is none after a
        // change from full screen: place the client inside the frame it will get.
        window.setGeometry(QRect(outer.topLeft() + QPoint(frame.left(), frame.top()), client));
    } else {
        window.resize(client);
        window.move(outer.topLeft());
    }
}

// Puts a window on its wanted outer place again once the window system has framed it
// with another frame than the one assumed when it was placed.
class FrameWatcher : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto type = event->type();
        if (type != QEvent::Move && type != QEvent::Resize && type != QEvent::Show) {
            return false;
        }
        auto* window = static_cast<QWidget*>(watched);
        const QVariant wanted = window->property(kWantedOuter);
        if (!wanted.isValid() || window->isMaximized() || window->isFullScreen()) {
            return false;
        }
        const QMargins real = RealFrame(*window);
        if (real.isNull() || real == window->property(kAssumedFrame).value<QMargins>()) {
            return false;
        }
        ApplyOuter(*window, wanted.toRect(), real);
        return false;
    }
};

void Watch(QWidget& window) {
    static FrameWatcher watcher;
    window.removeEventFilter(&watcher);
    window.installEventFilter(&watcher);
}

constexpr const char* kFramedFlags = "quorelinFramedFlags";

// Changing the frame re-creates the native window; a shown window stays shown. Qt drops
// the frameless hint while caption hints are set, so a frameless window keeps only its
// type, and its framed flags come back when it gets its frame again.
void SetFrameless(QWidget& window, bool frameless) {
    const Qt::WindowFlags flags = window.windowFlags();
    if (flags.testFlag(Qt::FramelessWindowHint) == frameless) {
        return;
    }
    const bool visible = window.isVisible();
    if (frameless) {
        window.setProperty(kFramedFlags, static_cast<int>(flags));
        window.setWindowFlags((flags & Qt::WindowType_Mask) | Qt::FramelessWindowHint);
    } else {
        const QVariant framed = window.property(kFramedFlags);
        window.setWindowFlags(framed.isValid() ? Qt::WindowFlags(framed.toInt())
                                               : (flags & Qt::WindowType_Mask));
    }
    if (visible) {
        window.show();
    }
}

constexpr const char* kDesignArea = "quorelinDesignArea";

// The holder's controls stand on the stage; the stage follows the holder's size.
class Stage : public QWidget {
public:
    explicit Stage(QWidget& holder) : QWidget(&holder), holder_(holder) {
        setObjectName(holder.objectName() + "Stage");
        holder.installEventFilter(this);
        Place();
    }

    void Place() {
        const QPoint corner = DesignAreaOffset(*holder_.window());
        setGeometry(QRect(corner, holder_.size() - QSize(corner.x(), corner.y())));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &holder_ && event->type() == QEvent::Resize) {
            Place();
        }
        return false;
    }

private:
    QWidget& holder_;
};

// A new parent hides a control; one the window had not hidden itself shows again.
void Reparent(QWidget& control, QWidget& parent) {
    const bool hidden = control.testAttribute(Qt::WA_WState_ExplicitShowHide) &&
                        control.testAttribute(Qt::WA_WState_Hidden);
    control.setParent(&parent);
    control.setVisible(!hidden);
}

constexpr const char* kCornerPlace = "quorelinCornerPlace";

// How far a corner control stands from its design place. A window on screen has its
// final size: the control keeps to the window's corner, the window's width beyond the
// design area to the right. A hidden window's size is not yet the screen's: the control
// stays on the design area, with the stage.
QPoint CornerShift(const QWidget& window) {
    const QSize design = window.property(kDesignArea).toSize();
    if (!design.isValid()) {
        return {};
    }
    if (!window.isVisible()) {
        return DesignAreaOffset(window);
    }
    return {std::max(0, window.width() - design.width()), 0};
}

void PlaceCorners(QWidget& window) {
    for (QObject* child : window.children()) {
        auto* control = qobject_cast<QWidget*>(child);
        const QVariant place = child->property(kCornerPlace);
        if (control != nullptr && place.isValid()) {
            control->move(place.toPoint() + CornerShift(window));
        }
    }
}

// Keeps the corner controls in the corner when the window is shown or changes its size.
class CornerKeeper : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show) {
            PlaceCorners(*static_cast<QWidget*>(watched));
        }
        return false;
    }
};

void PlaceStages(QWidget& window) {
    for (QObject* child : window.findChildren<QObject*>()) {
        if (auto* stage = dynamic_cast<Stage*>(child)) {
            stage->Place();
        }
    }
    PlaceCorners(window);
}

}  // namespace

QWidget* MoveOntoStage(QWidget& holder) {
    std::vector<QWidget*> controls;
    for (QObject* child : holder.children()) {
        if (auto* widget = qobject_cast<QWidget*>(child);
            widget != nullptr && !widget->isWindow()) {
            controls.push_back(widget);
        }
    }
    auto* stage = new Stage(holder);
    for (QWidget* control : controls) {
        Reparent(*control, *stage);
    }
    return stage;
}

QPoint DesignAreaOffset(const QWidget& window) {
    const QSize design = window.property(kDesignArea).toSize();
    if (!design.isValid()) {
        return {};
    }
    return {std::max(0, (window.width() - design.width()) / 2),
            std::max(0, (window.height() - design.height()) / 2)};
}

QPoint DesignAreaCorner(int classWidth, int classHeight) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr || classWidth != 1024 || classHeight != 768) {
        return {};
    }
    const QSize size = screen->size();
    if (size.width() < classWidth || size.height() < classHeight) {
        return {};  // not a larger screen: the class's own places
    }
    return {(size.width() - classWidth) / 2, (size.height() - classHeight) / 2};
}

QPoint StageCorner(const QWidget& holder) {
    for (QObject* child : holder.children()) {
        if (const auto* stage = dynamic_cast<const Stage*>(child)) {
            return stage->pos();
        }
    }
    return {};
}

void PlaceInTopRightCorner(QWidget& control, const QPoint& designPlace) {
    QWidget& window = *control.window();
    if (control.parentWidget() != &window) {
        Reparent(control, window);
        static CornerKeeper keeper;
        window.removeEventFilter(&keeper);
        window.installEventFilter(&keeper);
    }
    control.setProperty(kCornerPlace, designPlace);
    control.raise();
    PlaceCorners(window);
}

QMargins FrameMarginsOf(const QWidget& window) {
    if (window.windowFlags().testFlag(Qt::FramelessWindowHint)) {
        return {};
    }
    const QMargins real = RealFrame(window);
    return real.isNull() ? LastFrameSeen() : real;
}

void SetFullScreenFrame(QWidget& window, const QSize& design) {
    window.setProperty(kWantedOuter, QVariant());
    window.setProperty(kDesignArea, design);
    PlaceStages(window);
    SetFrameless(window, true);
    window.move(0, 0);
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
}

void SetFramedOuterGeometry(QWidget& window, const QRect& outer) {
    SetFrameless(window, false);
    window.setProperty(kDesignArea, QVariant());
    PlaceStages(window);
    window.setWindowState(window.windowState() &
                          ~(Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    window.setProperty(kWantedOuter, outer);
    Watch(window);
    ApplyOuter(window, outer, FrameMarginsOf(window));
}

QSize ClientSizeFor(const QWidget& window, const QSize& outer) {
    const QMargins frame = FrameMarginsOf(window);
    return {outer.width() - frame.left() - frame.right(),
            outer.height() - frame.top() - frame.bottom()};
}

QSize OuterSizeOf(const QWidget& window) {
    const QMargins frame = FrameMarginsOf(window);
    return {window.width() + frame.left() + frame.right(),
            window.height() + frame.top() + frame.bottom()};
}

WindowPlace PlaceOf(const QWidget& window) {
    return {QRect(window.pos(), OuterSizeOf(window)), window.isVisible(), window.isMaximized()};
}

}  // namespace quorelin
