#include "service/options.h"

#include <getopt.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace tessera {
namespace service {
namespace {

void print_usage() {
  std::fputs(
      "usage: tessera-service [--foreground] [--socket PATH] [--data DIR] "
      "[--send-command PATH]\n",
      stderr);
}

// Kept to 80 columns, as man(1) would show it.
constexpr char kHelp[] = R"(NAME
    tessera-service - hand the three-word address of each position sent to
    it to the device

SYNOPSIS
    tessera-service [--foreground] [--socket PATH] [--data DIR]
                    [--send-command PATH]
    tessera-service --help

DESCRIPTION
    tessera-service receives requests on a Unix datagram socket, one per
    datagram: a latitude, a longitude and a language code, separated by
    spaces, at most 32 bytes in all, for example "51.500729 -0.124625 en".
    It converts the position into the three-word address of its 3 m square
    with the device engine, then starts the device command with the
    arguments "tsr" and the address, directly, not through a shell, and
    without waiting for it. Nothing is sent back: what the service does and
    every error are printed on standard output.

    Unless --foreground is given, the service first detaches as a daemon,
    with its working directory at "/" and its standard output where it was;
    relative paths given as options are made absolute before.

OPTIONS
    --foreground
        Stay in the foreground, as under a service manager.

    --socket PATH
        Receive requests on the socket PATH (default /tmp/tsr-socket). The
        service does not remove a file that is already there: it then cannot
        bind and stops. It removes its own socket when it stops.

    --data DIR
        Read the data set in DIR (default /usr/share/tsr).

    --send-command PATH
        Start PATH for each address (default /usr/bin/SendToRTOS).

    -h, --help
        Print this manual and exit.

FILES
    /tmp/tsr-socket
        The socket, unless --socket names another.

    /usr/share/tsr
        The data set, unless --data names another.

    /usr/bin/SendToRTOS
        The device command, unless --send-command names another.

    /etc/default/tessera-service
        The socket, data directory and device command that the systemd unit
        tessera-service.service passes to the service.

EXIT STATUS
    0   The service stopped on a signal, or could not start: it could not
        detach, set up its signal handlers, bind its socket or load its data
        (the reason is printed on standard output). --help also exits 0.

    2   The command line was wrong: an unknown option, a missing value or a
        stray argument.

SIGNALS
    SIGINT, SIGQUIT, SIGTERM
        Stop: finish the request in hand, close and remove the socket, and
        exit. A signal that comes while the data is loading stops the service
        as soon as the data is loaded.
)";

void make_absolute(std::string& path) {
  if (path.empty() || path.front() == '/') return;
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (!error) path = absolute.string();
}

}  // namespace

bool parse_options(int argc, char** argv, Options& options) {
  enum : int { kForeground = 1, kSocket, kData, kSendCommand };
  static const option kLongOptions[] = {
      {"foreground", no_argument, nullptr, kForeground},
      {"socket", required_argument, nullptr, kSocket},
      {"data", required_argument, nullptr, kData},
      {"send-command", required_argument, nullptr, kSendCommand},
      {"help", no_argument, nullptr, 'h'},
      {nullptr, 0, nullptr, 0},
  };
  int choice;
  while ((choice = getopt_long(argc, argv, "h", kLongOptions, nullptr)) != -1) {
    switch (choice) {
      case 'h':
        options.help = true;
        break;
      case kForeground:
        options.foreground = true;
        break;
      case kSocket:
        options.socket_path = optarg;
        break;
      case kData:
        options.data_dir = optarg;
        break;
      case kSendCommand:
        options.send_command = optarg;
        break;
      default:  // getopt_long has said what was wrong
        print_usage();
        return false;
    }
  }
  if (optind != argc) {
    std::fprintf(stderr, "tessera-service: unexpected argument '%s'\n",
                 argv[optind]);
    print_usage();
    return false;
  }
  return true;
}

void print_help() {
  std::fputs(kHelp, stdout);
  std::fflush(stdout);
}

void make_paths_absolute(Options& options) {
  make_absolute(options.socket_path);
  make_absolute(options.data_dir);
  make_absolute(options.send_command);
}

}  // namespace service
}  // namespace tessera
