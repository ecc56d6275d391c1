#include "testing/answer_record.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tessera {
namespace test {
namespace {

// FNV-1a, 64 bits: enough to tell a changed block from an unchanged one.
std::uint64_t fnv1a(std::uint64_t hash, const std::string& bytes) {
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3;
  }
  return hash;
}

}  // namespace

AnswerRecord record_of(const std::vector<std::string>& lines,
                       const RecordLayout& layout) {
  AnswerRecord record;
  for (std::size_t block = 0; block * layout.block_size < lines.size();
       ++block) {
    std::uint64_t hash = 0xcbf29ce484222325;
    for (std::size_t i = block * layout.block_size;
         i < lines.size() && i < (block + 1) * layout.block_size; ++i) {
      hash = fnv1a(hash, lines[i] + "\n");
    }
    char text[20];
    std::snprintf(text, sizeof text, "%016llx",
                  static_cast<unsigned long long>(hash));
    record.hashes[block] = text;
  }
  for (std::size_t i = 0; i < lines.size(); i += layout.verbatim_every) {
    record.answers[i] = lines[i];
  }
  return record;
}

AnswerRecord read_record(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read " + path);
  AnswerRecord record;
  std::string line;
  for (int line_number = 1; std::getline(in, line); ++line_number) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string kind;
    fields >> kind;
    fields.get();  // the space before the value
    if (kind == "data_version") {
      std::getline(fields, record.data_version);
      continue;
    }
    std::size_t number;
    std::string value;
    if ((kind != "hash" && kind != "answer") || !(fields >> number) ||
        fields.get() != ' ' || !std::getline(fields, value)) {
      throw std::runtime_error(path + ":" + std::to_string(line_number) +
                               ": not a line of recorded answers");
    }
    (kind == "hash" ? record.hashes : record.answers)[number] = value;
  }
  return record;
}

void write_record(const AnswerRecord& record, const std::string& header,
                  const std::string& path) {
  std::ofstream out(path);
  out << header;
  if (!record.data_version.empty()) {
    out << "data_version " << record.data_version << "\n";
  }
  for (const auto& [block, hash] : record.hashes) {
    out << "hash " << block << " " << hash << "\n";
  }
  for (const auto& [position, answer] : record.answers) {
    out << "answer " << position << " " << answer << "\n";
  }
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path);
}

void expect_record(const std::vector<std::string>& lines,
                   const AnswerRecord& expected, const RecordLayout& layout) {
  const AnswerRecord actual = record_of(lines, layout);
  EXPECT_EQ(actual.hashes.size(), expected.hashes.size());
  for (const auto& [position, answer] : expected.answers) {
    if (position >= lines.size()) {
      ADD_FAILURE() << "no answer at position " << position;
      continue;
    }
    EXPECT_EQ(lines[position], answer) << "position " << position;
  }
  for (const auto& [block, hash] : expected.hashes) {
    const auto it = actual.hashes.find(block);
    EXPECT_EQ(it != actual.hashes.end() ? it->second : "none", hash)
        << "answers of positions " << block * layout.block_size << " to "
        << (block + 1) * layout.block_size - 1 << " changed";
  }
}

const char* record_answers_path() {
  return std::getenv("TESSERA_RECORD_ANSWERS");
}

}  // namespace test
}  // namespace tessera
