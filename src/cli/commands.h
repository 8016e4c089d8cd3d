#pragma once
// The commands of brindlewood-cli. Each takes the arguments after its name and returns the exit
// code: 0 done, 1 stopped by one of the program's messages, 2 bad options.

#include <iosfwd>
#include <string>
#include <vector>

namespace bw::cli {

int RunTable(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// The table command with its standard input (read by --batch).
int RunTable(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
             std::ostream& err);
int RunAfford(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunCompare(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunPlan(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunSettings(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace bw::cli
