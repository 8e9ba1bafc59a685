#include "text/double_chars.h"

namespace nubera {

// The library says whether its to_chars and from_chars take floating-point
// values by this macro; libc++ 13 has them for integers only.
#if defined(__cpp_lib_to_chars)

std::to_chars_result DoubleToChars(char* first, char* last, double value) {
    return std::to_chars(first, last, value);
}

std::to_chars_result DoubleToChars(char* first, char* last, double value, std::chars_format format,
                                   int precision) {
    return std::to_chars(first, last, value, format, precision);
}

std::from_chars_result DoubleFromChars(const char* first, const char* last, double& value) {
    return std::from_chars(first, last, value);
}

#else

std::to_chars_result DoubleToChars(char* first, char* last, double value) {
    return portable::DoubleToChars(first, last, value);
}

std::to_chars_result DoubleToChars(char* first, char* last, double value, std::chars_format format,
                                   int precision) {
    return portable::DoubleToChars(first, last, value, format, precision);
}

std::from_chars_result DoubleFromChars(const char* first, const char* last, double& value) {
    return portable::DoubleFromChars(first, last, value);
}

#endif

}  // namespace nubera
