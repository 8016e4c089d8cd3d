#pragma once
// Reading and writing a whole file as bytes, for tests that check exact file contents.

#include <fstream>
#include <iterator>
#include <string>

namespace bw::test {

// The bytes of the file at `path` (empty when it cannot be read).
inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Replaces the file at `path` with `bytes`; false when it cannot be written.
inline bool WriteBytes(const std::string& path, const std::string& bytes) {
    return static_cast<bool>(std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes);
}

}  // namespace bw::test
