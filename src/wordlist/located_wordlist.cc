#include "wordlist/located_wordlist.h"

#include <cstdint>
#include <string>
#include <utility>

#include "data/in_memory.h"
#include "data/integrity.h"
#include "data/on_disk.h"
#include "data/read_line.h"
#include "wordlist/wordlist_format.h"

namespace tessera {
namespace wordlist {
namespace {

std::string describe(const Language& language) {
  return "the wordlist of language " + language.code;
}

// The word count at offset 4, checked against the file: at most 65,536
// words, and a table of text offsets that ends inside the file.
template <typename Source>
std::int32_t read_word_count(const Language& language, const Source& source) {
  typename Source::View view(source);
  const std::int64_t size = view.size();
  if (size < kTextOffsetTableOffset) {
    data::integrity_failure(describe(language) + " has only " +
                            std::to_string(size) +
                            " bytes, too few for its header");
  }
  view.seek(kWordCountOffset);
  const std::uint32_t count = view.read_u32();
  if (count > kMaxWordCount ||
      count > (size - kTextOffsetTableOffset) / kTextOffsetSize) {
    data::integrity_failure(describe(language) + " declares " +
                            std::to_string(count) + " words, more than its " +
                            std::to_string(size) + " bytes can hold");
  }
  return static_cast<std::int32_t>(count);
}

}  // namespace

template <typename Source>
LocatedWordlist<Source>::LocatedWordlist(Language language, Source&& source)
    : language_(std::move(language)),
      source(std::move(source)),
      length_(read_word_count(language_, this->source)) {}

template <typename Source>
Language LocatedWordlist<Source>::language() const {
  return language_;
}

template <typename Source>
int LocatedWordlist<Source>::length() const noexcept {
  return length_;
}

template <typename Source>
std::string LocatedWordlist<Source>::word_no(int i) const {
  if (i < 0 || i >= length_) {
    data::integrity_failure("word number " + std::to_string(i) +
                            " lies outside " + describe(language_) + " of " +
                            std::to_string(length_) + " words");
  }
  typename Source::View view(source);
  view.seek(text_offset_entry(i));
  const std::uint32_t text_offset = view.read_u32();
  if (text_offset >= static_cast<std::uint32_t>(view.size())) {
    data::integrity_failure("the text of word " + std::to_string(i) + " in " +
                            describe(language_) + " starts at offset " +
                            std::to_string(text_offset) + ", outside its " +
                            std::to_string(view.size()) + " bytes");
  }
  view.seek(text_offset);
  return data::read_line(view, kTextTerminator);
}

template <typename Source>
std::pair<int, std::string> LocatedWordlist<Source>::at_offset(int r) const {
  typename Source::View view(source);
  if (r < 0 || r >= view.size()) {
    data::integrity_failure("record offset " + std::to_string(r) +
                            " lies outside the " + std::to_string(view.size()) +
                            " bytes of " + describe(language_));
  }
  view.seek(r);
  const int number = view.read_u16();
  std::string text = data::read_line(view, kTextTerminator);
  return {number, std::move(text)};
}

template class LocatedWordlist<data::OnDisk>;
template class LocatedWordlist<data::InMemory>;

}  // namespace wordlist
}  // namespace tessera
