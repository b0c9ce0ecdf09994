// Reads a fuzzer's input from the front: small integers and byte runs.
// Past the end every read gives zeros, so any input is a valid script.
#ifndef FUZZ_INPUT_H
#define FUZZ_INPUT_H

#include <cstddef>
#include <cstdint>
#include <cstring>

class FuzzInput
{
public:
    FuzzInput(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    bool atEnd() const { return m_pos >= m_size; }
    size_t remaining() const { return m_size - m_pos; }

    uint8_t u8() { return atEnd() ? 0 : m_data[m_pos++]; }
    uint16_t u16() { const uint8_t lo = u8(); return static_cast<uint16_t>(lo | u8() << 8); }

    // Up to count bytes; fewer at the end. The pointer stays valid.
    const uint8_t* bytes(size_t count, size_t& taken)
    {
        taken = count < remaining() ? count : remaining();
        const uint8_t* at = m_data + m_pos;
        m_pos += taken;
        return at;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

#endif // FUZZ_INPUT_H
