#include "menus/close_box_only.h"

#include <QGuiApplication>
#include <QWindow>
#include <cstdint>
#include <cstdlib>

#if defined(QUORELIN_HAS_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace quorelin {

void AskForCloseBoxOnly(QWidget& window) {
#if defined(QUORELIN_HAS_XCB) && QT_CONFIG(xcb)
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || x11 == nullptr ||
        x11->connection() == nullptr || window.windowHandle() == nullptr) {
        return;
    }
    xcb_connection_t* connection = x11->connection();
    constexpr char kName[] = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, sizeof kName - 1, kName), nullptr);
    if (atom == nullptr) {
        return;
    }
    // Motif's hints: flags (functions and decorations given), the functions (move, close)
    // and the decorations (border, title, window menu), then the input mode and status.
    constexpr std::uint32_t kFunctionsAndDecorations = 1 | 2;
    constexpr std::uint32_t kMoveAndClose = 4 | 32;
    constexpr std::uint32_t kBorderTitleAndMenu = 2 | 8 | 16;
    const std::uint32_t hints[5] = {kFunctionsAndDecorations, kMoveAndClose, kBorderTitleAndMenu, 0,
                                    0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
                        static_cast<xcb_window_t>(window.winId()), atom->atom, atom->atom, 32, 5,
                        hints);
    std::free(atom);
    xcb_flush(connection);
#else
    (void)window;
#endif
}

}  // namespace quorelin
