#include "decimal/double_chars.h"

// The library says whether its to_chars and from_chars take floating-point
// values by __cpp_lib_to_chars; libc++ 13 has them for integers only.

namespace nubera {

std::to_chars_result DoubleToChars(char* first, char* last, double value) {
#if defined(__cpp_lib_to_chars)
    return std::to_chars(first, last, value);
#else
    return portable::DoubleToChars(first, last, value);
#endif
}

std::to_chars_result DoubleToChars(char* first, char* last, double value, std::chars_format format,
                                   int precision) {
#if defined(__cpp_lib_to_chars)
    return std::to_chars(first, last, value, format, precision);
#else
    return portable::DoubleToChars(first, last, value, format, precision);
#endif
}

std::from_chars_result DoubleFromChars(const char* first, const char* last, double& value) {
#if defined(__cpp_lib_to_chars)
    return std::from_chars(first, last, value);
#else
    return portable::DoubleFromChars(first, last, value);
#endif
}

}  // namespace nubera
