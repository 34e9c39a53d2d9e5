// What every fuzz target shares: a property check that stops the run, and a reader of the input's bytes.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

// A broken property stops the run as a crash does, so libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "broken property: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

// Takes fixed-size values from the front of the input; past its end every value is zero.
class FuzzInput
{
public:
    FuzzInput(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}

    template <typename T>
    T take()
    {
        T value{};
        const std::size_t n = sizeof(T) < m_size ? sizeof(T) : m_size;
        std::memcpy(&value, m_data, n);
        m_data += n;
        m_size -= n;
        return value;
    }

    std::string_view rest() const { return {reinterpret_cast<const char *>(m_data), m_size}; }
    std::size_t size() const { return m_size; }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
};
