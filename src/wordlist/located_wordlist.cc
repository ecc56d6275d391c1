#include "wordlist/located_wordlist.h"

#include <cstdint>
#include <string>
#include <utility>

#include "data/byte_reader.h"
#include "data/in_memory.h"
#include "data/on_disk.h"
#include "wordlist/wordlist_format.h"

namespace tessera {
namespace wordlist {
namespace {

// The word count at offset 4, checked against the file: at most 65,536
// words, and a table of text offsets that ends inside the file.
template <typename Source>
std::int32_t read_word_count(const Source& source) {
  typename Source::View view(source);
  view.seek(kWordCountOffset);
  const std::uint32_t count = view.read_u32();
  if (count > kMaxWordCount) {
    view.fail("the wordlist declares " + std::to_string(count) +
              " words, more than " + std::to_string(kMaxWordCount));
  }
  data::checked_count(count, kTextOffsetSize, view.remaining(), view.file(),
                      "text offsets");
  return static_cast<std::int32_t>(count);
}

}  // namespace

template <typename Source>
LocatedWordlist<Source>::LocatedWordlist(Language language, Source&& source)
    : language_(std::move(language)),
      source(std::move(source)),
      length_(read_word_count(this->source)) {}

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
  typename Source::View view(source);
  if (i < 0 || i >= length_) {
    view.fail("word number " + std::to_string(i) + " lies outside its " +
              std::to_string(length_) + " words");
  }
  view.seek(text_offset_entry(i));
  view.seek(view.read_u32());
  return std::string(view.read_text(kTextTerminator));
}

template <typename Source>
std::pair<int, std::string> LocatedWordlist<Source>::at_offset(int r) const {
  typename Source::View view(source);
  if (r < 0) view.fail("record offset " + std::to_string(r) + " is negative");
  view.seek(static_cast<std::uint32_t>(r));
  const int number = view.read_u16();
  return {number, std::string(view.read_text(kTextTerminator))};
}

template class LocatedWordlist<data::OnDisk>;
template class LocatedWordlist<data::InMemory>;

}  // namespace wordlist
}  // namespace tessera
