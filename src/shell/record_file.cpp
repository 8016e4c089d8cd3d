#include "shell/record_file.h"

#include <cmath>
#include <cstdlib>

#include "shell/number_format.h"

namespace bw {

void RecordWriter::separate() {
    if (lineStarted_) out_ += ',';
    lineStarted_ = true;
}

RecordWriter& RecordWriter::text(std::string_view value) {
    separate();
    out_ += '"';
    // Strings are not escaped: a double quote inside would end the field early when read back.
    for (char c : value) out_ += c == '"' ? '\'' : c;
    out_ += '"';
    return *this;
}

RecordWriter& RecordWriter::number(double value) {
    separate();
    out_ += PlainNumber(value);
    return *this;
}

RecordWriter& RecordWriter::single(float value) {
    separate();
    out_ += PlainNumber(value);
    return *this;
}

RecordWriter& RecordWriter::integer(long long value) {
    separate();
    out_ += std::to_string(value);
    return *this;
}

RecordWriter& RecordWriter::money(Money value) {
    separate();
    std::string t = value.plainText();
    if (t.rfind("0.", 0) == 0) t.erase(0, 1);
    out_ += t;
    return *this;
}

RecordWriter& RecordWriter::empty() {
    separate();
    return *this;
}

RecordWriter& RecordWriter::endLine() {
    out_ += "\r\n";
    lineStarted_ = false;
    return *this;
}

std::optional<double> ParsePlainNumber(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
    text = text.substr(b, e - b);
    if (text.empty() || text.size() > 64) return std::nullopt;
    std::size_t i = 0;
    if (text[i] == '-' || text[i] == '+') ++i;
    bool digits = false;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, digits = true;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, digits = true;
    }
    if (!digits) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
        bool expDigits = false;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, expDigits = true;
        if (!expDigits) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    const std::string copy(text);
    const double v = std::strtod(copy.c_str(), nullptr);
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<std::string> RecordReader::field(bool& quoted) {
    quoted = false;
    // Skip blank space, and blank lines before a field that opens a line.
    while (pos_ < data_.size()) {
        const char c = data_[pos_];
        if (c == ' ' || c == '\t') {
            ++pos_;
        } else if ((c == '\r' || c == '\n') && lineStart_) {
            ++pos_;
        } else {
            break;
        }
    }
    if (pos_ >= data_.size()) return std::nullopt;
    std::string value;
    if (data_[pos_] == '"') {
        quoted = true;
        const auto close = data_.find('"', pos_ + 1);
        if (close == std::string_view::npos) return std::nullopt;
        value = std::string(data_.substr(pos_ + 1, close - pos_ - 1));
        pos_ = close + 1;
        while (pos_ < data_.size() && (data_[pos_] == ' ' || data_[pos_] == '\t')) ++pos_;
        if (pos_ < data_.size() && data_[pos_] != ',' && data_[pos_] != '\r' && data_[pos_] != '\n')
            return std::nullopt;  // something stuck to the closing quote
    } else {
        const std::size_t start = pos_;
        while (pos_ < data_.size() && data_[pos_] != ',' && data_[pos_] != '\r' &&
               data_[pos_] != '\n')
            ++pos_;
        value = std::string(data_.substr(start, pos_ - start));
    }
    // The separator: a comma continues the line, a line end (CR LF, LF or CR) ends it.
    if (pos_ >= data_.size()) {
        lineStart_ = true;
    } else if (data_[pos_] == ',') {
        ++pos_;
        lineStart_ = false;
    } else {
        if (data_[pos_] == '\r') ++pos_;
        if (pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
        lineStart_ = true;
    }
    return value;
}

std::optional<std::string> RecordReader::text() {
    bool quoted;
    auto f = field(quoted);
    if (!f || !quoted) return std::nullopt;
    return f;
}

std::optional<double> RecordReader::number() {
    bool quoted;
    auto f = field(quoted);
    if (!f || quoted) return std::nullopt;
    return ParsePlainNumber(*f);
}

std::optional<float> RecordReader::single() {
    auto v = number();
    if (!v) return std::nullopt;
    if (std::fabs(*v) > 3.4028234663852886e38) return std::nullopt;
    return static_cast<float>(*v);
}

std::optional<std::int16_t> RecordReader::int16() {
    auto v = number();
    std::int16_t out;
    if (!v || !ToInt16(*v, out)) return std::nullopt;
    return out;
}

std::optional<Money> RecordReader::money() {
    auto v = number();
    if (!v) return std::nullopt;
    try {
        return Money::fromDouble(*v);
    } catch (const CurrencyOverflow&) {
        return std::nullopt;
    }
}

bool RecordReader::skipField() {
    bool quoted;
    return field(quoted).has_value();
}

bool RecordReader::atEnd() const {
    for (std::size_t i = pos_; i < data_.size(); ++i) {
        const char c = data_[i];
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return false;
    }
    return true;
}

bool RecordReader::atLineStart() const {
    return lineStart_;
}

void RecordReader::skipLine() {
    bool quoted;
    while (!lineStart_ && pos_ < data_.size()) {
        if (!field(quoted)) break;
    }
    lineStart_ = true;
}

}  // namespace bw
