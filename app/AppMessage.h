#pragma once
// The application-wide message hook: every mouse-wheel message becomes one Up or Down key-down.
// Kept as a pure function over a plain message record so it can be checked without a display.

#include <QtGlobal>

/// Message numbers and key codes the hook knows.
enum : unsigned {
    MsgKeyDown = 256,
    MsgMouseWheel = 522,
    MsgMouseHWheel = 526,
    VkUp = 38,
    VkDown = 40,
};

/// One message as the hook sees it: the window it is addressed to, its number and two parameters.
/// For a wheel message the high 16 bits of wParam carry the signed rotation.
struct MessageRecord {
    const void* target = nullptr;
    unsigned message = 0;
    quint32 wParam = 0;
    qint32 lParam = 0;
};

/// Rewrites a vertical wheel message into a key-down of Up (rotation > 0) or Down (rotation <= 0)
/// with lParam 0 and clears handled, so it is dispatched to its target like any key. Every other
/// message, the horizontal wheel included, is left exactly as it came.
void AppMessage(MessageRecord& msg, bool& handled);

/// wParam of a wheel message with this rotation in its high word (clamped to 16 bits).
quint32 wheelWParam(int rotation, quint16 keyState = 0);
