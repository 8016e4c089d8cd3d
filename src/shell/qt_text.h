#pragma once
// Conversions between the core's UTF-8 texts and Qt's texts.

#include <QString>
#include <string>
#include <string_view>

namespace bw {

inline QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string S(const QString& text) {
    return text.toStdString();
}

}  // namespace bw
