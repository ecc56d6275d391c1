// Reading the builder's inputs: whole files, and the message of a JSON
// parse error.
#ifndef TESSERA_TOOLS_MKDATA_JSON_FILE_H_
#define TESSERA_TOOLS_MKDATA_JSON_FILE_H_

#include <rapidjson/document.h>

#include <string>

namespace tessera {
namespace mkdata {

// The whole content of the file at `path`, unchanged. Throws
// std::runtime_error ("cannot read <path>") when it cannot be read.
std::string read_file(const std::string& path);

// "malformed JSON at offset N: <reason>" for a document whose parse failed.
std::string json_parse_error(const rapidjson::Document& document);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_JSON_FILE_H_
