#include "manifest/manifest.h"

#include <algorithm>
#include <cstddef>
#include <exception>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <system_error>

#include "manifest/sha256.h"

namespace tessera {
namespace manifest {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kDigestLength = 64;

// The paths, relative to `root`, of its regular files but the manifest,
// sorted in byte order. Throws std::filesystem::filesystem_error when a
// folder cannot be listed.
std::vector<std::string> listed_files(const std::string& root) {
  std::vector<std::string> paths;
  for (const fs::directory_entry& entry :
       fs::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    std::string path = entry.path().lexically_relative(root).generic_string();
    if (path != kManifestName) paths.push_back(std::move(path));
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

bool is_digest(const std::string& text) {
  return text.size() == kDigestLength &&
         std::all_of(text.begin(), text.end(), [](char c) {
           return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
         });
}

// A path the manifest may hold: relative, inside the root, not the
// manifest, and nothing `sha256sum` would have escaped.
bool is_listable(const std::string& path) {
  if (path.empty() || path == kManifestName) return false;
  if (path.find_first_of("\n\r\\") != std::string::npos) return false;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = path.find('/', start);
    const std::string part = path.substr(start, end - start);
    if (part.empty() || part == "." || part == "..") return false;
    if (end == std::string::npos) return true;
    start = end + 1;
  }
}

struct Line {
  std::string digest;
  std::string path;
};

// Splits "DIGEST  PATH" (or "DIGEST *PATH", sha256sum's binary mode, which
// reads the same bytes on this platform); false when the line is not one.
bool parse_line(const std::string& text, Line& line) {
  if (text.size() < kDigestLength + 3 || text[kDigestLength] != ' ' ||
      (text[kDigestLength + 1] != ' ' && text[kDigestLength + 1] != '*')) {
    return false;
  }
  line.digest = text.substr(0, kDigestLength);
  line.path = text.substr(kDigestLength + 2);
  return is_digest(line.digest) && is_listable(line.path);
}

// Compares the file `path` under `root` with `digest`; "" when it matches,
// else the problem.
std::string check_file(const std::string& root, const std::string& path,
                       const std::string& digest) {
  const std::string full = root + "/" + path;
  std::error_code error;
  if (!fs::is_regular_file(full, error)) return "missing file: " + path;
  std::string actual;
  try {
    actual = sha256_file_hex(full);
  } catch (const std::runtime_error&) {
    return "unreadable file: " + path;
  }
  return actual == digest ? "" : "damaged file: " + path;
}

}  // namespace

void write_manifest(const std::string& root) {
  std::string text;
  for (const std::string& path : listed_files(root)) {
    if (path.find_first_of("\n\r\\") != std::string::npos) {
      throw std::runtime_error("cannot list " + path + " in " + kManifestName);
    }
    text += sha256_file_hex(root + "/" + path) + "  " + path + "\n";
  }
  const std::string manifest = root + "/" + kManifestName;
  std::ofstream out(manifest, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  if (!out) throw std::runtime_error("cannot write " + manifest);
}

ManifestCheck check_manifest(const std::string& root) {
  ManifestCheck check;
  const std::string manifest = root + "/" + kManifestName;
  std::error_code error;
  if (!fs::exists(manifest, error)) return check;
  check.found = true;

  std::ifstream in(manifest, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  if (!in || !fs::is_regular_file(manifest, error)) {
    check.problems.push_back(std::string("unreadable file: ") + kManifestName);
    return check;
  }

  std::set<std::string> listed;
  std::istringstream lines(content.str());
  int number = 0;
  for (std::string text; std::getline(lines, text);) {
    ++number;
    Line line;
    if (!parse_line(text, line) || !listed.insert(line.path).second) {
      check.problems.push_back("line " + std::to_string(number) + " of " +
                               kManifestName + " is malformed");
      continue;
    }
    std::string problem = check_file(root, line.path, line.digest);
    if (!problem.empty()) check.problems.push_back(std::move(problem));
  }

  try {
    for (const std::string& path : listed_files(root)) {
      if (listed.count(path) == 0) {
        check.problems.push_back("file not in " + std::string(kManifestName) +
                                 ": " + path);
      }
    }
  } catch (const fs::filesystem_error& e) {
    check.problems.push_back(std::string("cannot list the files: ") + e.what());
  }
  return check;
}

}  // namespace manifest
}  // namespace tessera
