// The command line of the location service.
#ifndef TESSERA_SERVICE_OPTIONS_H_
#define TESSERA_SERVICE_OPTIONS_H_

#include <string>

namespace tessera {
namespace service {

// Every option has the value a device install expects by default.
struct Options {
  bool foreground = false;                           // --foreground
  std::string socket_path = "/tmp/tsr-socket";       // --socket PATH
  std::string data_dir = "/usr/share/tsr";           // --data DIR
  std::string send_command = "/usr/bin/SendToRTOS";  // --send-command PATH
  bool help = false;                                 // -h, --help
};

// Reads the options from argv with getopt_long. Returns false, having
// written a usage line to stderr, on an unknown option, a missing value or
// a stray argument. Not thread-safe (getopt keeps global state).
bool parse_options(int argc, char** argv, Options& options);

// Writes the manual of the service (NAME, SYNOPSIS, DESCRIPTION, OPTIONS,
// FILES, EXIT STATUS, SIGNALS) to stdout, for --help.
void print_help();

// Makes every relative path in `options` absolute against the current
// directory, so that they still name the same files after daemon() moves
// to "/". Leaves a path unchanged when the current directory is unknown.
void make_paths_absolute(Options& options);

}  // namespace service
}  // namespace tessera

#endif  // TESSERA_SERVICE_OPTIONS_H_
