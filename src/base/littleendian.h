#pragma once

#include <cstdint>
#include <cstring>
#include <bit>

// Integer and floating-point fields of the stored records. Each is a plain
// byte array, so a record is a byte-exact image with alignment 1 and no
// padding, and the value is little-endian whatever the host's byte order.

namespace le {

template <typename T>
T load(const std::uint8_t* bytes)
{
    std::uint8_t tmp[sizeof(T)];
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(tmp, bytes, sizeof(T));
    } else {
        for (std::size_t i = 0; i < sizeof(T); ++i)
            tmp[i] = bytes[sizeof(T) - 1 - i];
    }
    T value;
    std::memcpy(&value, tmp, sizeof(T));
    return value;
}

template <typename T>
void store(std::uint8_t* bytes, T value)
{
    std::uint8_t tmp[sizeof(T)];
    std::memcpy(tmp, &value, sizeof(T));
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(bytes, tmp, sizeof(T));
    } else {
        for (std::size_t i = 0; i < sizeof(T); ++i)
            bytes[i] = tmp[sizeof(T) - 1 - i];
    }
}

} // namespace le

template <typename T>
struct LittleEndian {
    std::uint8_t bytes[sizeof(T)];

    T get() const { return le::load<T>(bytes); }
    void set(T value) { le::store<T>(bytes, value); }
    operator T() const { return get(); }
    LittleEndian& operator=(T value)
    {
        set(value);
        return *this;
    }
};

using Int16 = LittleEndian<std::int16_t>;
using Int32 = LittleEndian<std::int32_t>;
using Float64 = LittleEndian<double>;

static_assert(sizeof(Int16) == 2 && alignof(Int16) == 1);
static_assert(sizeof(Int32) == 4 && alignof(Int32) == 1);
static_assert(sizeof(Float64) == 8 && alignof(Float64) == 1);
