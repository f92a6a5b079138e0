#include "app/AppMessage.h"

#include <algorithm>

void AppMessage(MessageRecord& msg, bool& handled)
{
    if (msg.message != MsgMouseWheel)
        return;
    msg.message = MsgKeyDown;
    msg.lParam = 0;
    const auto rotation = static_cast<qint16>(static_cast<quint16>(msg.wParam >> 16));
    msg.wParam = rotation > 0 ? VkUp : VkDown;
    handled = false;
}

quint32 wheelWParam(int rotation, quint16 keyState)
{
    const int clamped = std::clamp(rotation, -32768, 32767);
    return (static_cast<quint32>(static_cast<quint16>(static_cast<qint16>(clamped))) << 16) | keyState;
}
