#include "cli/serve_command.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <chrono>
#include <memory>
#include <ostream>
#include <system_error>

#include "serve/page.h"
#include "serve/run_until_signal.h"
#include "serve/server.h"

namespace tessera {
namespace cli {
namespace {

// Splits "HOST:PORT" or "[V6HOST]:PORT"; false when malformed.
bool split_listen(const std::string& text, std::string& host, int& port) {
  const std::size_t colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0) return false;
  host = text.substr(0, colon);
  if (host.size() >= 2 && host.front() == '[' && host.back() == ']') {
    host = host.substr(1, host.size() - 2);
  } else if (host.find(':') != std::string::npos) {
    return false;
  }
  const std::string digits = text.substr(colon + 1);
  const char* const last = digits.data() + digits.size();
  const auto result = std::from_chars(digits.data(), last, port);
  return !host.empty() && !digits.empty() && result.ec == std::errc() &&
         result.ptr == last && port >= 0 && port <= 65535;
}

}  // namespace

ServeCommand::ServeCommand(CLI::App& app)
    : command_(app.add_subcommand(
          "serve",
          "Serve the HTTP API and the map page over the in-memory engine")),
      web_dir_(TESSERA_WEB_DIR) {
  command_->fallthrough();
  command_->add_option("--listen", listen_, "Address to listen on")
      ->type_name("HOST:PORT")
      ->capture_default_str();
  command_->add_option("--threads", threads_, "Request threads")
      ->check(CLI::Range(1u, 1024u))
      ->capture_default_str();
  command_->add_option("--cors-origin", cors_origin_,
                       "Send CORS headers allowing this origin (* for any)");
  command_
      ->add_option("--web", web_dir_,
                   "Folder of the installed map page (web/ after "
                   "web/install)")
      ->capture_default_str();
}

bool ServeCommand::parsed() const { return command_->parsed(); }

int ServeCommand::run(const Console& console, const EngineFactory& make_engine,
                      const std::string& data_dir) const {
  serve::ServerOptions options;
  if (!split_listen(listen_, options.host, options.port)) {
    console.err << "tessera: --listen must be HOST:PORT, not \"" << listen_
                << "\"\n";
    return kExitUsage;
  }
  options.threads = threads_;
  options.cors_origin = cors_origin_;
  options.web_dir = web_dir_;

  const auto start = std::chrono::steady_clock::now();
  const std::unique_ptr<Engine> engine =
      make_engine(EngineKind::kServer, data_dir);
  const std::chrono::duration<double> load_time =
      std::chrono::steady_clock::now() - start;
  console.out << "loaded " << engine->data_version() << " in "
              << load_time.count() << " s" << std::endl;

  serve::Server server(*engine, load_time.count(), options);
  if (!server.page().installed()) {
    console.err << "tessera: " << server.page().problem() << '\n';
  }
  serve::run_until_signal(server, options.host, console.out);
  return kExitSuccess;
}

}  // namespace cli
}  // namespace tessera
