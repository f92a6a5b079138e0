#include "tools/jetwriter/Rc4.h"

#include <stdexcept>
#include <utility>

namespace jet {

Rc4::Rc4(const QByteArray& key)
{
    if (key.isEmpty())
        throw std::invalid_argument("an RC4 key cannot be empty");
    for (int i = 0; i < 256; ++i)
        m_state[i] = std::uint8_t(i);
    std::uint8_t j = 0;
    for (int i = 0; i < 256; ++i) {
        j = std::uint8_t(j + m_state[i] + std::uint8_t(key[i % key.size()]));
        std::swap(m_state[i], m_state[j]);
    }
}

void Rc4::apply(QByteArray& data, int from, int length)
{
    for (int i = from; i < from + length; ++i) {
        m_x = std::uint8_t(m_x + 1);
        m_y = std::uint8_t(m_y + m_state[m_x]);
        std::swap(m_state[m_x], m_state[m_y]);
        data[i] = char(std::uint8_t(data[i]) ^ m_state[std::uint8_t(m_state[m_x] + m_state[m_y])]);
    }
}

} // namespace jet
