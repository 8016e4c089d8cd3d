#pragma once
// Plan files (.KPL): the inputs of a plan as a JSON document carrying a format name and a
// version. A file is read and checked as a whole: a reader returns every input of the file or
// refuses it, saying what is wrong. Saves never leave a half-written file.

#include <optional>
#include <string>
#include <string_view>

#include "plan/plan_engine.h"

namespace bw::plan {

inline constexpr const char* kPlanFileFormat = "brindlewood-plan";
inline constexpr int kPlanFileVersion = 1;
inline constexpr const char* kPlanFileExtension = ".KPL";
inline constexpr std::size_t kPlanFileMaxBytes = 1024 * 1024;

// The option names of the lists ("semiannual", "biweekly-acc", "shorter", "annual"), as the
// command line and the files spell them.
const char* CompoundingName(Compounding compounding);
const char* FrequencyName(Frequency frequency);
const char* AfterLumpName(AfterLump after);
const char* ViewName(PlanView view);
std::optional<Compounding> CompoundingFromName(std::string_view name);
std::optional<Frequency> FrequencyFromName(std::string_view name);
std::optional<AfterLump> AfterLumpFromName(std::string_view name);
std::optional<PlanView> ViewFromName(std::string_view name);

// The bytes of a plan file (indented JSON, amounts in currency units with two decimals).
std::string FormatPlanFile(const PlanInput& input);
// Reads the bytes of a plan file; nothing, with `why` saying the problem, when they are not a
// plan file of a known version or any input is missing or of the wrong kind.
std::optional<PlanInput> ParsePlanFile(std::string_view bytes, std::string* why = nullptr);

// Writes `input` to `path` through a temporary file renamed over it; false (and `why`) when it
// cannot, the old file then unchanged.
bool SavePlanFile(const std::string& path, const PlanInput& input, std::string* why = nullptr);
// Reads a plan file from disk; nothing for a missing, unreadable, oversized or damaged file.
std::optional<PlanInput> LoadPlanFile(const std::string& path, std::string* why = nullptr);

}  // namespace bw::plan
