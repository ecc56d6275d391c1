#include "mkdata/world/blocklist.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>

#include "mkdata/json_file.h"

namespace tessera {
namespace mkdata {
namespace {

bool is_continuation_byte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::size_t code_points(std::string_view s) {
  std::size_t n = 0;
  for (char c : s) n += !is_continuation_byte(c);
  return n;
}

std::string_view trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// Shortest other half of a compound, in characters.
constexpr std::size_t kMinCompoundHalf = 4;

}  // namespace

std::string_view Blocklist::own(std::string_view text) {
  return *owned_.emplace(text).first;
}

void Blocklist::add_entries(std::string_view text, const std::string& origin) {
  std::size_t line_number = 0;
  while (!text.empty()) {
    ++line_number;
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view entry = trim(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    if (entry.empty() || entry.front() == '#') continue;
    const auto fail = [&](const char* why) {
      throw std::invalid_argument(origin + ":" + std::to_string(line_number) +
                                  ": " + why);
    };
    enum { kWord, kSpelling, kCompound, kPart } kind = kWord;
    if (entry.front() == '=') {
      kind = kSpelling;
      entry.remove_prefix(1);
    } else if (entry.back() == '+') {
      kind = kCompound;
      entry.remove_suffix(1);
    } else if (entry.front() == '*') {
      if (entry.size() < 2 || entry.back() != '*') {
        fail("a part must be written *part*");
      }
      kind = kPart;
      entry = entry.substr(1, entry.size() - 2);
    }
    if (entry.empty()) fail("an entry without a word");
    if (entry.find_first_of(" \t*=+") != std::string_view::npos) {
      fail("an entry is one word, marked at most once");
    }
    switch (kind) {
      case kWord:
        words_.insert(own(entry));
        break;
      case kSpelling:
        spellings_.insert(own(entry));
        break;
      case kCompound:
        words_.insert(own(entry));
        compound_words_.insert(own(entry));
        break;
      case kPart:
        parts_.emplace_back(entry);
        break;
    }
  }
}

void Blocklist::add_word(std::string_view word) {
  word = trim(word);
  if (word.empty() || word.find(' ') != std::string_view::npos) return;
  words_.insert(own(word));
}

bool Blocklist::blocks(std::string_view word,
                       const std::vector<std::string>& bases,
                       const Lexicon& lexicon) const {
  if (spellings_.count(word) != 0 || blocks_form(word)) return true;
  for (const std::string& base : bases) {
    if (blocks_form(base) || is_compound(base, lexicon)) return true;
  }
  return bases.empty() && is_compound(word, lexicon);
}

std::vector<std::string> Blocklist::entries() const {
  std::vector<std::string> all(owned_.begin(), owned_.end());
  all.insert(all.end(), parts_.begin(), parts_.end());
  return all;
}

bool Blocklist::blocks_form(std::string_view form) const {
  if (words_.count(form) != 0) return true;
  for (const std::string& part : parts_) {
    if (form.find(part) != std::string_view::npos) return true;
  }
  return false;
}

bool Blocklist::is_compound(std::string_view form,
                            const Lexicon& lexicon) const {
  if (compound_words_.empty()) return false;
  for (std::size_t i = 1; i < form.size(); ++i) {
    if (is_continuation_byte(form[i])) continue;
    const std::string_view head = form.substr(0, i);
    const std::string_view tail = form.substr(i);
    if (compound_words_.count(head) != 0 &&
        code_points(tail) >= kMinCompoundHalf && lexicon.contains(tail)) {
      return true;
    }
    if (compound_words_.count(tail) != 0 &&
        code_points(head) >= kMinCompoundHalf && lexicon.contains(head)) {
      return true;
    }
  }
  return false;
}

std::string default_blocklist_dir() { return TESSERA_WORLD_BLOCKLIST_DIR; }

void read_blocklist_file(const std::string& dir, const std::string& code,
                         Blocklist* blocklist) {
  const std::string path = dir + "/" + code + ".txt";
  blocklist->add_entries(read_file(path), path);
}

}  // namespace mkdata
}  // namespace tessera
