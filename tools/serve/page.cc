#include "serve/page.h"

#include <fstream>
#include <iterator>

namespace tessera {
namespace serve {
namespace {

// No file of the page comes near this; a larger one is not the page's.
constexpr std::streamoff kMaxFileBytes = 32 << 20;

struct Entry {
  const char* path;
  const char* file;  // relative to the web directory
  const char* content_type;
};

constexpr char kHtml[] = "text/html; charset=utf-8";
constexpr char kScript[] = "text/javascript; charset=utf-8";
constexpr char kStyle[] = "text/css; charset=utf-8";
constexpr char kPng[] = "image/png";
constexpr char kJson[] = "application/json";

const Entry kEntries[] = {
    {"/", "index.html", kHtml},
    {"/map.js", "map.js", kScript},
    {"/map.css", "map.css", kStyle},
    {"/lib/leaflet.js", "node_modules/leaflet/dist/leaflet.js", kScript},
    {"/lib/leaflet.css", "node_modules/leaflet/dist/leaflet.css", kStyle},
    {"/lib/images/layers.png", "node_modules/leaflet/dist/images/layers.png",
     kPng},
    {"/lib/images/layers-2x.png",
     "node_modules/leaflet/dist/images/layers-2x.png", kPng},
    {"/lib/images/marker-icon.png",
     "node_modules/leaflet/dist/images/marker-icon.png", kPng},
    {"/lib/images/marker-icon-2x.png",
     "node_modules/leaflet/dist/images/marker-icon-2x.png", kPng},
    {"/lib/images/marker-shadow.png",
     "node_modules/leaflet/dist/images/marker-shadow.png", kPng},
    {"/lib/topojson-client.min.js",
     "node_modules/topojson-client/dist/topojson-client.min.js", kScript},
    {"/outlines/countries-50m.json",
     "node_modules/world-atlas/countries-50m.json", kJson},
};

bool read_file(const std::string& name, std::string& body) {
  std::ifstream in(name, std::ios::binary | std::ios::ate);
  if (!in) return false;
  const std::streamoff size = in.tellg();
  if (size < 0 || size > kMaxFileBytes) return false;
  body.resize(static_cast<std::size_t>(size));
  in.seekg(0);
  return static_cast<bool>(in.read(&body[0], size));
}

}  // namespace

Page::Page(const std::string& web_dir) {
  for (const Entry& entry : kEntries) {
    PageFile& file = files_[entry.path];
    file.content_type = entry.content_type;
    if (!problem_.empty()) continue;
    const std::string name = web_dir + "/" + entry.file;
    if (web_dir.empty() || !read_file(name, file.body)) {
      problem_ = "The map page is not installed: cannot read \"" + name +
                 "\". Run web/install, or give tessera serve the installed "
                 "folder with --web.";
    }
  }
  if (!problem_.empty()) {
    for (auto& entry : files_) entry.second.body.clear();
  }
}

bool Page::serves(const std::string& path) const {
  return files_.count(path) > 0;
}

const PageFile* Page::find(const std::string& path) const {
  if (!installed()) return nullptr;
  const auto it = files_.find(path);
  return it == files_.end() ? nullptr : &it->second;
}

}  // namespace serve
}  // namespace tessera
