// The manifest of a data directory: the file "SHA256SUMS" at its root,
// which lists every other file of the directory with its SHA-256 digest,
// so that damage to any file can be found without loading the data.
//
// Format, the one `sha256sum -c` reads: one line per file, sorted by path
// in byte order, each 64 lower-case hex digits, two spaces, the path
// relative to the root with "/" between folders, and a line feed. The
// engines never read the manifest.
#ifndef TESSERA_TOOLS_MANIFEST_MANIFEST_H_
#define TESSERA_TOOLS_MANIFEST_MANIFEST_H_

#include <string>
#include <vector>

namespace tessera {
namespace manifest {

inline constexpr char kManifestName[] = "SHA256SUMS";

// Writes the manifest of every regular file under `root` but the manifest
// itself, replacing an earlier manifest.
//
// Throws std::runtime_error when `root` cannot be listed, a file cannot be
// read, the manifest cannot be written, or a path holds a line feed, a
// carriage return or a backslash (which the format would have to escape).
void write_manifest(const std::string& root);

// What check_manifest found.
struct ManifestCheck {
  // Whether `root` has a manifest at all.
  bool found = false;
  // One line per problem, those of the manifest's lines in its order, then
  // the files it does not list: "damaged file: PATH", "missing file: PATH",
  // "unreadable file: PATH", "line N of SHA256SUMS is malformed",
  // "file not in SHA256SUMS: PATH".
  std::vector<std::string> problems;

  // A manifest was found and every file matches it.
  bool intact() const { return found && problems.empty(); }
};

// Checks every file the manifest of `root` lists against its digest, and
// that it lists every regular file under `root`. A line whose path is
// absolute, leaves the root, names the manifest or repeats an earlier path
// is malformed. No manifest: found is false and there are no problems.
// Throws only std::bad_alloc.
ManifestCheck check_manifest(const std::string& root);

}  // namespace manifest
}  // namespace tessera

#endif  // TESSERA_TOOLS_MANIFEST_MANIFEST_H_
