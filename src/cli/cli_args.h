#pragma once
// Command-line option parsing shared by the commands of brindlewood-cli.

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "shell/money.h"

namespace bw::cli {

// A bad option or value: printed as a one-line usage error, exit code 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Args {
  public:
    // `flags` are options without a value; every other "--name" takes the next argument
    // (or "--name=value"). Options named in `repeatable` may appear more than once.
    Args(const std::vector<std::string>& argv, const std::vector<std::string>& known,
         const std::vector<std::string>& flags, const std::vector<std::string>& repeatable = {});

    bool has(const std::string& name) const { return values_.count(name) != 0; }
    std::optional<std::string> get(const std::string& name) const;
    std::vector<std::string> all(const std::string& name) const;
    double number(const std::string& name, double fallback) const;  // UsageError when not numeric

  private:
    std::map<std::string, std::vector<std::string>> values_;
};

// A whole text as a number ("1e3", ".5" allowed); nothing when it is not one.
std::optional<double> ParseNumberText(const std::string& text);

// JSON string literal of a UTF-8 text.
std::string JsonString(const std::string& text);
// JSON number: the shortest text that reads back as the same double.
std::string JsonNumber(double value);
// JSON number of a currency value with its four decimals at most ("0.6729", "-0.5", "12").
std::string JsonMoney(Money value);

}  // namespace bw::cli
