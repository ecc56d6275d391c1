#include "mkdata/world/word_endings.h"

#include <algorithm>
#include <cstddef>
#include <sstream>

namespace tessera {
namespace mkdata {
namespace {

// Endings that replace `base_ending` at the end of a base form. Only the
// regular, productive patterns: plurals, the common adjective endings and
// the main tenses of regular verbs; stem changes ("mangeons", "ręce") are
// left alone.
struct EndingGroup {
  const char* code;
  const char* base_ending;  // "" for the bare stem
  const char* endings;      // separated by spaces
};

constexpr EndingGroup kEndingGroups[] = {
    // English: plurals, verb forms, comparisons of words in -y.
    {"en", "", "s es ed ing"},
    {"en", "e", "ed ing"},
    {"en", "y", "ies ied ier iest"},
    // German (the lists' lower-case words: adjectives and verbs).
    {"de", "", "e em en er es st ste stem sten ster stes"},
    {"de", "en", "e st t et est te ten test tet end"},
    {"de", "n", "e st t te ten test tet nd"},
    // French: plurals, feminines, the three regular conjugations.
    {"fr", "", "s x e es"},
    {"fr", "al", "aux"},
    {"fr", "n", "nne nnes"},
    {"fr", "l", "lle lles"},
    {"fr", "f", "ve ves"},
    {"fr", "eur", "euse euses"},
    {"fr", "er",
     "ère ères e es ent ons ez ais ait ions iez aient ai as a âmes âtes èrent "
     "erai eras era erons erez eront erais erait erions eriez eraient asse "
     "asses ât assions assiez assent é ée és ées ant"},
    {"fr", "ir",
     "is it issons issez issent issais issait issions issiez issaient îmes "
     "îtes irent irai iras ira irons irez iront irais irait irions iriez "
     "iraient isse isses ît i ie ies issant"},
    {"fr", "re",
     "s ons ez ent ais ait ions iez aient is it îmes îtes irent rai ras ra "
     "rons rez ront rais rait rions riez raient isse u ue us ues ant"},
    // Spanish (the list holds few verb forms).
    {"es", "", "s es"},
    {"es", "z", "ces"},
    {"es", "ón", "ones"},
    {"es", "án", "anes"},
    {"es", "én", "enes"},
    {"es", "ín", "ines"},
    // Italian: plurals, the three conjugations, infinitives with pronouns.
    {"it", "o", "i"},
    {"it", "a", "e"},
    {"it", "e", "i"},
    {"it", "io", "i"},
    {"it", "co", "chi"},
    {"it", "go", "ghi"},
    {"it", "ca", "che"},
    {"it", "ga", "ghe"},
    {"it", "are",
     "o i a iamo ate ano avo avi ava avamo avate avano ai asti ò ammo aste "
     "arono erò erai erà eremo erete eranno erei eresti erebbe eremmo ereste "
     "erebbero ino iate assi asse assimo assero ando ato ata ati ante anti"},
    {"it", "ere",
     "o i e iamo ete ono evo evi eva evamo evate evano ei esti é emmo este "
     "erono erò erai erà eremo erete eranno erei eresti erebbe eremmo ereste "
     "erebbero a ano iate essi esse essimo essero endo uto uta uti ute ente "
     "enti"},
    {"it", "ire",
     "o i e iamo ite ono ivo ivi iva ivamo ivate ivano ii isti ì immo iste "
     "irono irò irai irà iremo irete iranno irei iresti irebbe iremmo ireste "
     "irebbero a ano iate issi isse issimo issero endo ito ita iti isco isci "
     "isce iscono isca iscano ente enti"},
    {"it", "re", "rsi rmi rti rci rvi rlo rla rli rle rne"},
    // Portuguese: plurals and the three conjugations.
    {"pt", "", "s es"},
    {"pt", "ão", "ões ães ãos"},
    {"pt", "l", "is"},
    {"pt", "m", "ns"},
    {"pt", "ar",
     "o as a amos ais am ava avas ávamos áveis avam ei aste ou ámos astes "
     "aram ara aras áramos áreis arei arás ará aremos areis arão aria arias "
     "aríamos aríeis ariam e es emos eis em asse asses ássemos ásseis assem "
     "ares armos ardes arem ando ado ada ados adas ai á"},
    {"pt", "er",
     "o es e emos eis em ia ias íamos íeis iam i este eu estes eram era eras "
     "êramos êreis erei erás erá eremos ereis erão eria erias eríamos eríeis "
     "eriam a as amos ais am esse esses êssemos êsseis essem eres ermos erdes "
     "erem endo ido ida idos idas ê"},
    {"pt", "ir",
     "o es e imos is em ia ias íamos íeis iam i iste iu istes iram ira iras "
     "íramos íreis irei irás irá iremos ireis irão iria irias iríamos iríeis "
     "iriam a as amos ais am isse isses íssemos ísseis issem ires irmos irdes "
     "irem indo ido ida idos idas"},
    // Dutch: plurals, diminutives, adjectives, verb forms.
    {"nl", "", "en s e er ere st ste je jes tje tjes pje pjes etje etjes"},
    {"nl", "en", "t te ten de den end ende"},
    // Swedish: definite and plural nouns, genitives, adjectives, verbs.
    {"sv", "", "s en et n t ar er or na arna erna a are ast aste ens ets ars"},
    {"sv", "a", "an or orna ar ade at as ande er te t ors ans"},
    // Polish: the main noun, adjective and verb endings.
    {"pl", "", "a u owi em ie y i ów om ami ach"},
    {"pl", "a", "y i ę ą ie om ami ach"},
    {"pl", "o", "a u em ie om ami ach"},
    {"pl", "y", "a e ego emu ym ą ej ych ymi"},
    {"pl", "i", "a e ego emu im ą ej ich imi"},
    {"pl", "ać",
     "am asz a amy acie ają ał ała ało ali ały ałem ałam ałeś ałaś aliśmy "
     "ałyśmy ający ająca ające any ana ane ani ania anie aj ajcie"},
    {"pl", "ić",
     "ię isz i imy icie ią ił iła iło ili iły iłem iłam iący ony "
     "ona one enie"},
    {"pl", "yć",
     "ę ysz y ymy ycie ą ył yła yło yli yły yłem yłam ący ony "
     "ona one enie"},
    {"pl", "eć", "ę isz i imy icie ą iał iała iało ieli iały"},
};

// Endings after which the language doubles the stem's last consonant.
constexpr EndingGroup kUndoublingEndings[] = {
    {"en", "", "ed ing"},
    {"nl", "", "en e er ere"},
};

// A word ending in `base_ending` whose stem plus one of `endings` is in the
// list is a lemma, not a form of its stem: the infinitive "gehen" beside
// "geht".
constexpr EndingGroup kLemmaGroups[] = {
    {"de", "en", "t"},
    {"nl", "en", "t"},
};

std::vector<std::string> split_words(const char* text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

bool ends_with(std::string_view s, std::string_view suffix) {
  return s.size() >= suffix.size() &&
         s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool is_ascii_consonant(char c) {
  return c >= 'a' && c <= 'z' &&
         std::string_view("aeiouy").find(c) == std::string_view::npos;
}

// Shortest stem, in bytes, that an ending may leave.
constexpr std::size_t kMinStem = 2;
// One bucket of rules per value of a byte.
constexpr std::size_t kBuckets = 256;

std::size_t last_byte(std::string_view s) {
  return static_cast<unsigned char>(s.back());
}

std::size_t code_points(std::string_view s) {
  std::size_t n = 0;
  for (char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

}  // namespace

WordEndings::WordEndings(const std::string& code)
    : by_ending_(kBuckets), by_base_ending_(kBuckets + 1) {
  std::vector<std::string> undoubling;
  for (const EndingGroup& group : kUndoublingEndings) {
    if (group.code != code) continue;
    for (const std::string& ending : split_words(group.endings)) {
      undoubling.push_back(ending);
    }
  }
  for (const EndingGroup& group : kEndingGroups) {
    if (group.code != code) continue;
    const std::string_view base_ending(group.base_ending);
    for (const std::string& ending : split_words(group.endings)) {
      const bool undoubles =
          base_ending.empty() && std::find(undoubling.begin(), undoubling.end(),
                                           ending) != undoubling.end();
      const Rule rule{ending, group.base_ending, undoubles};
      by_ending_[last_byte(ending)].push_back(rule);
      by_base_ending_[base_ending.empty() ? kBuckets : last_byte(base_ending)]
          .push_back(rule);
      const std::size_t base_length = code_points(base_ending);
      const std::size_t ending_length = code_points(ending);
      if (base_length > ending_length) {
        max_growth_ = std::max(max_growth_, base_length - ending_length);
      }
    }
  }
  for (const EndingGroup& group : kLemmaGroups) {
    if (group.code != code) continue;
    for (const std::string& ending : split_words(group.endings)) {
      lemma_rules_.push_back({ending, group.base_ending, false});
    }
  }
}

void WordEndings::bases(std::string_view word,
                        std::vector<std::string>* bases) const {
  bases->clear();
  if (word.empty()) return;
  for (const Rule& rule : by_ending_[last_byte(word)]) {
    if (!ends_with(word, rule.ending)) continue;
    const std::string_view stem =
        word.substr(0, word.size() - rule.ending.size());
    if (stem.size() < kMinStem) continue;
    bases->emplace_back(stem);
    bases->back() += rule.base_ending;
    // "stopp|ed": the doubled letter is one ASCII consonant written twice.
    const std::size_t n = stem.size();
    if (rule.undoubles && n > kMinStem && stem[n - 1] == stem[n - 2] &&
        is_ascii_consonant(stem[n - 1])) {
      bases->emplace_back(stem.substr(0, n - 1));
    }
  }
}

void WordEndings::bases_in(std::string_view word, const Lexicon& lexicon,
                           std::vector<std::string>* bases) const {
  this->bases(word, bases);
  bases->erase(std::remove_if(bases->begin(), bases->end(),
                              [&](const std::string& base) {
                                return base == word || !lexicon.contains(base);
                              }),
               bases->end());
}

bool WordEndings::has_form(std::string_view word,
                           const Lexicon& lexicon) const {
  if (word.empty()) return false;
  std::string form;
  for (const std::size_t bucket : {last_byte(word), kBuckets}) {
    for (const Rule& rule : by_base_ending_[bucket]) {
      if (word.size() < rule.base_ending.size() + kMinStem ||
          !ends_with(word, rule.base_ending)) {
        continue;
      }
      form.assign(word.substr(0, word.size() - rule.base_ending.size()));
      form += rule.ending;
      if (lexicon.contains(form)) return true;
      if (rule.undoubles && is_ascii_consonant(word.back())) {
        form.assign(word);
        form += word.back();
        form += rule.ending;
        if (lexicon.contains(form)) return true;
      }
    }
  }
  return false;
}

bool WordEndings::is_lemma(std::string_view word,
                           const Lexicon& lexicon) const {
  // A lemma rule reads "stem + base_ending is a lemma when stem + ending is
  // a word": match the word against base_ending and look for the form.
  std::string form;
  for (const Rule& rule : lemma_rules_) {
    if (!ends_with(word, rule.base_ending)) continue;
    form.assign(word.substr(0, word.size() - rule.base_ending.size()));
    form += rule.ending;
    if (lexicon.contains(form)) return true;
  }
  return false;
}

bool WordEndings::is_derived(std::string_view word,
                             const Lexicon& lexicon) const {
  std::vector<std::string> found;
  bases_in(word, lexicon, &found);
  return !found.empty() && !is_lemma(word, lexicon);
}

}  // namespace mkdata
}  // namespace tessera
