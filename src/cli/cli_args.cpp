#include "cli/cli_args.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "shell/record_file.h"

namespace bw::cli {

Args::Args(const std::vector<std::string>& argv, const std::vector<std::string>& known,
           const std::vector<std::string>& flags, const std::vector<std::string>& repeatable) {
    auto contains = [](const std::vector<std::string>& v, const std::string& s) {
        return std::find(v.begin(), v.end(), s) != v.end();
    };
    for (std::size_t i = 0; i < argv.size(); ++i) {
        const std::string& a = argv[i];
        if (a.rfind("--", 0) != 0) throw UsageError("unexpected argument '" + a + "'");
        std::string name = a.substr(2);
        std::optional<std::string> value;
        if (auto eq = name.find('='); eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        if (contains(flags, name)) {
            if (value) throw UsageError("option --" + name + " takes no value");
            values_[name].push_back("");
            continue;
        }
        if (!contains(known, name)) throw UsageError("unknown option --" + name);
        if (!value) {
            if (i + 1 >= argv.size()) throw UsageError("option --" + name + " needs a value");
            value = argv[++i];
        }
        if (values_.count(name) && !contains(repeatable, name))
            throw UsageError("option --" + name + " given twice");
        values_[name].push_back(*value);
    }
}

std::optional<std::string> Args::get(const std::string& name) const {
    auto it = values_.find(name);
    if (it == values_.end() || it->second.empty()) return std::nullopt;
    return it->second.back();
}

std::vector<std::string> Args::all(const std::string& name) const {
    auto it = values_.find(name);
    return it == values_.end() ? std::vector<std::string>{} : it->second;
}

double Args::number(const std::string& name, double fallback) const {
    auto v = get(name);
    if (!v) return fallback;
    auto n = ParseNumberText(*v);
    if (!n) throw UsageError("option --" + name + " needs a number, not '" + *v + "'");
    return *n;
}

std::optional<double> ParseNumberText(const std::string& text) {
    return ParsePlainNumber(text);
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

std::string JsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

}  // namespace bw::cli

namespace bw::cli {

std::string JsonMoney(Money value) {
    std::string text = value.plainText();  // ".5" and "-.5" need their leading zero in JSON
    if (text.rfind(".", 0) == 0)
        text.insert(0, "0");
    else if (text.rfind("-.", 0) == 0)
        text.insert(1, "0");
    return text;
}

}  // namespace bw::cli
