// The map page and the libraries it loads, read once from an installed web
// directory and served from memory.
//
// The directory is the repository's web/ folder after web/install: the
// page's own files (index.html, map.js, map.css) and, under node_modules/,
// the npm packages pinned by web/package-lock.json (Leaflet, topojson-client
// and the world-atlas country outlines). Paths served:
//
//   /                              index.html
//   /map.js, /map.css              the page's script and style
//   /lib/leaflet.js, /lib/leaflet.css, /lib/images/*.png   Leaflet
//   /lib/topojson-client.min.js    TopoJSON to GeoJSON, in the browser
//   /outlines/countries-50m.json   country outlines (TopoJSON, 1:50m)
#ifndef TESSERA_TOOLS_SERVE_PAGE_H_
#define TESSERA_TOOLS_SERVE_PAGE_H_

#include <map>
#include <string>

namespace tessera {
namespace serve {

struct PageFile {
  std::string body;
  const char* content_type;
};

// Immutable after construction; thread-safe.
class Page {
 public:
  // Reads every file from `web_dir`. Throws nothing but std::bad_alloc: a
  // missing directory or file leaves the page uninstalled, with problem()
  // saying which file is missing and how to install it.
  explicit Page(const std::string& web_dir);

  bool installed() const { return problem_.empty(); }
  const std::string& problem() const { return problem_; }

  // Whether `path` is one of the page's paths, installed or not.
  bool serves(const std::string& path) const;
  // The file at `path`; null when the path is not the page's or the page
  // is not installed.
  const PageFile* find(const std::string& path) const;

 private:
  std::map<std::string, PageFile> files_;
  std::string problem_;
};

}  // namespace serve
}  // namespace tessera

#endif  // TESSERA_TOOLS_SERVE_PAGE_H_
