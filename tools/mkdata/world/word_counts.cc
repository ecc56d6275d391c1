#include "mkdata/world/word_counts.h"

#include <rapidjson/document.h>

#include <algorithm>
#include <cstddef>
#include <stdexcept>

#include "mkdata/json_file.h"

namespace tessera {
namespace mkdata {
namespace {

constexpr std::string_view kUnigramSection = "\\1-grams:";
constexpr std::size_t kMaxCountDigits = 19;  // below 2^64

}  // namespace

std::vector<WordCount> parse_onboard_unigrams(std::string_view text,
                                              const std::string& file) {
  std::vector<WordCount> counts;
  bool in_section = false;
  bool seen_section = false;
  std::size_t line_number = 0;
  while (!text.empty()) {
    ++line_number;
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty() && line.front() == '\\') {
      if (seen_section) break;
      in_section = line == kUnigramSection;
      seen_section = in_section;
      continue;
    }
    if (!in_section || line.empty()) continue;
    const std::size_t space = line.find(' ');
    const std::string_view digits = line.substr(0, space);
    const std::string_view word =
        space == std::string_view::npos ? "" : line.substr(space + 1);
    if (digits.empty() || digits.size() > kMaxCountDigits ||
        digits.find_first_not_of("0123456789") != std::string_view::npos ||
        word.empty() || word.find_first_of(" \t") != std::string_view::npos) {
      throw std::runtime_error(file + ":" + std::to_string(line_number) +
                               ": not a count and a word");
    }
    if (word.front() == '<' && word.back() == '>') continue;
    std::uint64_t count = 0;
    for (char digit : digits) count = count * 10 + (digit - '0');
    counts.push_back({std::string(word), count});
  }
  if (!seen_section) {
    throw std::runtime_error(file + ": no \\1-grams: section");
  }
  return counts;
}

std::vector<WordCount> read_onboard_unigrams(const std::string& path) {
  return parse_onboard_unigrams(read_file(path), path);
}

std::vector<WordCount> read_subtlex_counts(const std::string& path) {
  const std::string json = read_file(path);
  rapidjson::Document document;
  document.Parse(json.data(), json.size());
  if (document.HasParseError()) {
    throw std::runtime_error(path + ": " + json_parse_error(document));
  }
  if (!document.IsArray()) {
    throw std::runtime_error(path + ": the top level is not an array");
  }
  std::vector<WordCount> counts;
  counts.reserve(document.Size());
  for (const rapidjson::Value& entry : document.GetArray()) {
    if (!entry.IsObject()) continue;
    const auto word = entry.FindMember("word");
    const auto count = entry.FindMember("count");
    if (word == entry.MemberEnd() || !word->value.IsString() ||
        count == entry.MemberEnd() || !count->value.IsUint64()) {
      continue;
    }
    counts.push_back(
        {std::string(word->value.GetString(), word->value.GetStringLength()),
         count->value.GetUint64()});
  }
  return counts;
}

}  // namespace mkdata
}  // namespace tessera
