#pragma once
// JoinText: joins UTF-16 string literals into one zero-terminated array at compile time, so that a
// text put together from shared pieces is still a constant with static storage. The resource
// tables keep the pointers they are given, not copies, which a text built at run time would have
// to be kept alive for.

#include <array>
#include <cstddef>

// The length in code units of the join of arrays of these sizes (each counts its terminator).
template <std::size_t... Sizes>
inline constexpr std::size_t kJoinedLength = (Sizes + ...) - sizeof...(Sizes);

// Every part must be a zero-terminated array, a literal or a constexpr char16_t[]: its last unit
// is its terminator and is left out of the join. A part that is not terminated fails to compile.
template <std::size_t... Sizes>
consteval std::array<char16_t, kJoinedLength<Sizes...> + 1> JoinText(const char16_t (&... parts)[Sizes])
{
    std::array<char16_t, kJoinedLength<Sizes...> + 1> text{};
    std::size_t at = 0;
    const auto append = [&](const char16_t* part, std::size_t size) {
        if (part[size - 1] != u'\0')
            throw "JoinText: a part is not zero-terminated";
        for (std::size_t i = 0; i + 1 < size; ++i)
            text[at++] = part[i];
    };
    (append(parts, Sizes), ...);
    return text;
}
