#include "mkdata/world/blocklist.h"

#include <cstddef>
#include <sstream>

namespace tessera {
namespace mkdata {
namespace {

// Per language, separated by spaces:
//   words:     blocked with the forms the language's endings derive;
//   spellings: blocked in this spelling only, where what looks like a
//              derived form is an innocent word (Dutch "negeren", to
//              ignore);
//   compounds: blocked also as either half of a compound with another word;
//   parts:     blocked wherever they appear in a word, because no innocent
//              word of the list holds them.
// Entries were checked against the Debian lists: an entry that innocent
// words contain ("salop" in "salopette") is listed as a word, not as a
// part.
struct BlockedWords {
  const char* code;
  const char* words;
  const char* spellings;
  const char* compounds;
  const char* parts;
};

constexpr BlockedWords kBlockedWords[] = {
    {"en",
     "anal anus arse bastard bollocks boner boob boobs bugger chink cock coon "
     "damn dildo douche dyke fart gook hell homo honky horny incest jizz kike "
     "molest nigger orgasm penis prick pussy queer raghead rape rapist "
     "retard scrotum semen sexy skank sperm tits titty tranny twat vagina "
     "wanker wetback",
     "fag fags nigga niggas niggaz spic spics gyp gyps gypped gypping gypsy "
     "gypsies kinky kinkier kinkiest",
     "ass crap dick piss turd wank",
     "bitch cunt faggot fuck porn shit slut whore"},
    {"de",
     "arsch bumsen fotze geil hure kacke nutte spast titten verarschen vögeln "
     "wichsen wichser",
     "neger negern", "", "fick kack piss scheiß schiss furz"},
    {"fr",
     "baiser bite bordel branler chatte chier con conne connasse cul enculer "
     "gouine nique niquer pédé pétasse pute salaud salope salopard saloper "
     "saloperie tapette youpin bougnoule",
     "nègre nègres", "", "connard couill encul foutr merd putain pouffiass"},
    {"es",
     "cabrón cagar carajo chingar cojones coño culo culero follar gilipollas "
     "hostia joder marica maricón mamada mamón negrata pendejo pinche polla "
     "puñeta puta puto sudaca verga zorra",
     "", "", "mierd"},
    {"it",
     "bastardo culattone culo cornuto figa fottere frocio minchia negro "
     "ricchione terrone troia vaffanculo zoccola",
     "", "", "cazz coglion merd pompin puttan stronz"},
    {"pt",
     "babaca bosta buceta caralho cuzão foda foder merda otário piroca porra "
     "punheta puta puto putaria viado xoxota",
     "", "", ""},
    {"nl",
     "godverdomme kanker klootzak mongool neuken nikker sodemieter tering "
     "tyfus",
     "geneukt neger negers negertje negertjes", "hoer kut lul", ""},
    {"sv", "fitta helvete hora kuk knulla rövhål slyna",
     "neger negern negerns negers", "skit", "jävl"},
    {"pl",
     "chuj chujowy chujnia ciota cwel debil dupa dziwka huj kretyn kutas "
     "murzyn srać sraka",
     "", "", "gówn jeb kurw pierdol pizd"},
};

void add_words(const char* text, std::unordered_set<std::string>* owned,
               std::unordered_set<std::string_view>* to) {
  std::istringstream in(text);
  for (std::string word; in >> word;) to->insert(*owned->insert(word).first);
}

bool is_continuation_byte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::size_t code_points(std::string_view s) {
  std::size_t n = 0;
  for (char c : s) n += !is_continuation_byte(c);
  return n;
}

// Shortest other half of a compound, in characters.
constexpr std::size_t kMinCompoundHalf = 4;

}  // namespace

Blocklist::Blocklist(const std::string& code) {
  for (const BlockedWords& entry : kBlockedWords) {
    if (entry.code != code) continue;
    add_words(entry.words, &owned_, &words_);
    add_words(entry.spellings, &owned_, &spellings_);
    add_words(entry.compounds, &owned_, &words_);
    add_words(entry.compounds, &owned_, &compound_words_);
    std::istringstream in(entry.parts);
    for (std::string part; in >> part;) parts_.push_back(part);
  }
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

}  // namespace mkdata
}  // namespace tessera
