#include "cli/check_data.h"

#include <exception>
#include <ostream>

#include "manifest/manifest.h"
#include "tessera/data_path.h"
#include "tessera/error_descriptor.h"

namespace tessera {
namespace cli {
namespace {

// Prints `message` after the tool's name, ending it with a line feed
// unless it has one (the engine's messages about missing files do).
void say(std::ostream& err, const std::string& message) {
  err << "tessera: " << message;
  if (message.empty() || message.back() != '\n') err << '\n';
}

// Whether the engine of `kind` loads `dir`; says why not.
bool loads(EngineKind kind, const std::string& dir, const Console& console,
           const EngineFactory& make_engine) {
  const char* name = kind == EngineKind::kServer ? "server" : "device";
  try {
    make_engine(kind, dir);
    return true;
  } catch (const std::exception& e) {
    say(console.err, std::string("the ") + name +
                         " engine cannot load the data: " + e.what());
  } catch (...) {
    say(console.err, std::string("the ") + name +
                         " engine cannot load the data: unknown exception");
  }
  return false;
}

}  // namespace

const char kCheckDataHelp[] =
    "Checks that DIR holds the files of the data format this engine reads\n"
    "(printing 0, or the code and message of the first problem), that each\n"
    "file has the SHA-256 digest the manifest DIR/SHA256SUMS gives it (a\n"
    "file that `sha256sum -c` also reads), naming each damaged, missing or\n"
    "unlisted file, and that both the device and the server engine load it.\n"
    "Exit status: 0 when everything is verified; 1 when a file is missing\n"
    "or damaged, or a load fails; 3 when the data loads but has no\n"
    "SHA256SUMS, so that its integrity cannot be verified.";

int check_data(const std::string& dir, const Console& console,
               const EngineFactory& make_engine) {
  const ErrorDescriptor layout = is_valid_data_path(dir);
  console.out << layout.code;
  if (!layout.message.empty()) console.out << ' ' << layout.message;
  console.out << '\n';
  bool sound = layout.code == 0;

  const manifest::ManifestCheck files = manifest::check_manifest(dir);
  for (const std::string& problem : files.problems) {
    say(console.err, problem);
  }
  sound = sound && files.problems.empty();

  if (layout.code == 0) {
    // Both, so that every failing engine is named.
    const bool device = loads(EngineKind::kDevice, dir, console, make_engine);
    const bool server = loads(EngineKind::kServer, dir, console, make_engine);
    sound = sound && device && server;
  }
  if (!sound) return kExitFailure;
  if (!files.found) {
    say(console.err, std::string("no ") + manifest::kManifestName + " in " +
                         dir +
                         ": the integrity of the data cannot be verified");
    return kExitNoResult;
  }
  return kExitSuccess;
}

}  // namespace cli
}  // namespace tessera
