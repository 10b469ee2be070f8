// Small helpers shared by the tests.
#pragma once

#include <QString>

#include <string_view>

// A UTF-16 text of the program as a QString, code point for code point.
inline QString q(std::u16string_view s) {
    return QString::fromUtf16(s.data(), qsizetype(s.size()));
}
