#include "app/window_frame.h"

#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QWidget>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>

void askForTitleOnlyFrame(QWidget* window) {
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                   : nullptr;
    if (x11 == nullptr || x11->connection() == nullptr)
        return;
    xcb_connection_t* connection = x11->connection();
    const auto atomOf = [connection](const char* name) -> xcb_atom_t {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr);
        const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        return atom;
    };
    const auto windowId = static_cast<xcb_window_t>(window->winId());
    // flags (functions and decorations), functions: move, decorations: border and title
    constexpr uint32_t HINT_FUNCTIONS = 1, HINT_DECORATIONS = 2, FUNCTION_MOVE = 4,
                       DECORATION_BORDER = 2, DECORATION_TITLE = 8;
    const std::array<uint32_t, 5> hints = {HINT_FUNCTIONS | HINT_DECORATIONS, FUNCTION_MOVE,
                                           DECORATION_BORDER | DECORATION_TITLE, 0, 0};
    const xcb_atom_t motif = atomOf("_MOTIF_WM_HINTS");
    if (motif != XCB_ATOM_NONE)
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, windowId, motif, motif, 32,
                            hints.size(), hints.data());
    // Some window managers keep the buttons whatever the hints say, except on a palette torn
    // off its window, which is what the popup is; the utility type follows for the others.
    const std::array<xcb_atom_t, 2> types = {atomOf("_NET_WM_WINDOW_TYPE_TOOLBAR"),
                                             atomOf("_NET_WM_WINDOW_TYPE_UTILITY")};
    const xcb_atom_t type = atomOf("_NET_WM_WINDOW_TYPE");
    if (type != XCB_ATOM_NONE && types[0] != XCB_ATOM_NONE && types[1] != XCB_ATOM_NONE)
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, windowId, type, XCB_ATOM_ATOM, 32,
                            types.size(), types.data());
    xcb_flush(connection);
}
