#pragma once
// RC4 as Jet uses it: to mask part of the header page (and, in encrypted files, every page).

#include <QByteArray>
#include <array>
#include <cstdint>

namespace jet {

class Rc4 {
public:
    explicit Rc4(const QByteArray& key);
    // XORs the key stream over bytes [from, from + length) of data; masking and unmasking are the same.
    void apply(QByteArray& data, int from, int length);

private:
    std::array<std::uint8_t, 256> m_state{};
    std::uint8_t m_x = 0;
    std::uint8_t m_y = 0;
};

} // namespace jet
