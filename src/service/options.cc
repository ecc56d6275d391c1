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
      {nullptr, 0, nullptr, 0},
  };
  int choice;
  while ((choice = getopt_long(argc, argv, "", kLongOptions, nullptr)) != -1) {
    switch (choice) {
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

void make_paths_absolute(Options& options) {
  make_absolute(options.socket_path);
  make_absolute(options.data_dir);
  make_absolute(options.send_command);
}

}  // namespace service
}  // namespace tessera
