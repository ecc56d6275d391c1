#include "mkdata/json_file.h"

#include <rapidjson/error/en.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tessera {
namespace mkdata {

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  if (in) text << in.rdbuf();
  if (!in || in.bad()) throw std::runtime_error("cannot read " + path);
  return text.str();
}

std::string json_parse_error(const rapidjson::Document& document) {
  return "malformed JSON at offset " +
         std::to_string(document.GetErrorOffset()) + ": " +
         rapidjson::GetParseError_En(document.GetParseError());
}

}  // namespace mkdata
}  // namespace tessera
