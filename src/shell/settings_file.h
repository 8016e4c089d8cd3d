#pragma once
// The settings file "Personal.Mtg": one line of four fields.

#include <cstdint>
#include <string>

namespace bw {

inline constexpr const char* kSettingsFileName = "Personal.Mtg";

struct Settings {
    std::int16_t printerFontChoice = 0;  // 0 standard printer font, 1 Courier New 11 point
    std::string userName;
    std::string currencySymbol;
    std::int16_t defaultCompounding = 0;  // 0 Monthly .. 4 Annual
};

// Reads the settings file. Any failure is passed over: fields read before it keep their values,
// the others their start values. An empty currency symbol becomes "$".
Settings ReadSettings(const std::string& path);

// The line the personalize dialog writes, CR LF included: 0,"","$",0
std::string SettingsLine(const Settings& settings);

// Writes the file through a temporary file in the same folder renamed over the old one, so a
// failed write leaves the previous file whole. Returns false on failure.
bool WriteSettings(const std::string& path, const Settings& settings);

}  // namespace bw
