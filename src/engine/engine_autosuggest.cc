// The autosuggest operations of EngineBase: options folded into settings,
// the input type's candidates in each language searched, placed, clipped
// and ranked, and each survivor turned into a Suggestion.
#include <algorithm>
#include <climits>
#include <exception>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "autosuggest/inputtype/input_type.h"
#include "core/string_checks.h"
#include "engine/address_from_ids.h"
#include "engine/autosuggest_settings.h"
#include "engine/candidate_ranking.h"
#include "engine/clipping_policy.h"
#include "engine/engine_base.h"
#include "engine/tsr_data.h"
#include "tessera/error.h"

namespace tessera {
namespace engine {
namespace {

constexpr char kLanguageOptionRequired[] =
    "Apart from text input type, every other input type must use the "
    "language(...) AutosuggestOption.";
constexpr char kDetectionNeedsLanguage[] =
    "In autosuggest call, disable_language_detection must be used together "
    "with the language(...) AutosuggestOption.";

int as_count(std::uint64_t n) {
  return n > static_cast<std::uint64_t>(INT_MAX) ? INT_MAX
                                                 : static_cast<int>(n);
}

bool by_score(const RescoredTWA& a, const RescoredTWA& b) {
  return a.score < b.score;
}

}  // namespace

template <typename TData>
Suggestion EngineBase<TData>::suggestion(
    const wordlist::ThreeWordAddress& address, const Coordinates& position,
    const Optional<Coordinates>& focus) const {
  Suggestion result;
  result.country = data_.country_finder().country_of(position).code;
  result.words = static_cast<std::string>(address);
  result.language = address.language.code;
  if (focus.has_value()) {
    result.distance_to_focus_km = EngineBase::distance(position, *focus);
  }
  result.nearest_place = nearest_place(position, address.language);
  return result;
}

template <typename TData>
Optional<Suggestion> EngineBase<TData>::suggestion_from_exact_match(
    const std::string& input, const Optional<Language>& language,
    const Optional<Coordinates>& focus, const clip::Clip& clip) const {
  const auto words = wordlist::parse_three_words(input);
  if (!words.has_value()) return {};
  const auto found = decode_three_word_address(*words);
  if (!found.has_value()) return {};
  const auto& [position, found_language] = *found;
  if (language.has_value() && found_language != *language) return {};
  if (!clip.keep(position)) return {};
  // The stored form of the words, whatever case or accents the input had.
  const Optional<wordlist::ThreeWordAddress> address =
      encode_coordinates(position, found_language);
  if (!address.has_value()) return {};
  return suggestion(*address, position, focus);
}

template <typename TData>
std::vector<Suggestion> EngineBase<TData>::autosuggest(
    std::string input,
    std::vector<std::shared_ptr<AutosuggestOptionImplementation>> options)
    const {
  AutosuggestSettings settings = autosuggest_settings(options);
  if (settings.language.has_value()) {
    data_.assert_language_available(*settings.language);
  }
  if (settings.clip_countries.has_value()) {
    settings.clip_countries =
        data_.country_finder().expand_with_disputed(*settings.clip_countries);
  }
  const Optional<Coordinates> focus = settings.focus;
  const int focus_count =
      as_count(settings.n_focus_results.has_value() ? *settings.n_focus_results
                                                    : settings.n_results);
  const int n_results = as_count(settings.n_results);
  const std::unique_ptr<const clip::Clip> clip =
      clipping_policy(settings, data_.country_finder());
  const bool exclude_sea =
      settings.prefer_land.has_value() ? *settings.prefer_land : true;
  const std::unique_ptr<autosuggest::inputtype::InputType> input_type =
      autosuggest::inputtype::InputType::create(settings.input_type);
  core::assert_string_not_too_long(input);
  assert_error_descriptor(core::validate_utf8_string(input));

  std::set<Language> languages;
  if (settings.language.has_value()) {
    languages.insert(*settings.language);
  } else {
    const Optional<Language> backstop = input_type->backstop_language();
    if (!backstop.has_value()) {
      InvalidArgumentError::raise(kLanguageOptionRequired);
    }
    languages.insert(*backstop);
  }
  if (!settings.disable_language_detection) {
    const std::set<Language> guessed =
        input_type->guess_languages(input, data_.all_wordlists());
    languages.insert(guessed.begin(), guessed.end());
  } else if (!settings.language.has_value()) {
    InvalidArgumentError::raise(kDetectionNeedsLanguage);
  }

  std::vector<Suggestion> output;
  const auto offer = [&output, &settings](Suggestion&& suggestion) {
    for (const Suggestion& kept : output) {
      if (kept.words == suggestion.words) return;
    }
    if (settings.clip_countries.has_value() &&
        settings.clip_countries->count(Country(suggestion.country)) == 0) {
      return;
    }
    output.push_back(std::move(suggestion));
  };

  if (input_type->is_textual()) {
    Optional<Suggestion> exact = suggestion_from_exact_match(
        input,
        settings.disable_language_detection ? settings.language
                                            : Optional<Language>(),
        focus, *clip);
    if (exact.has_value()) offer(std::move(*exact));
  }

  std::vector<RescoredTWA> focus_list;
  std::vector<RescoredTWA> plain_list;
  for (const Language& language : languages) {
    const auto helper = data_.autosuggest_helper(language);
    const std::vector<autosuggest::SimilarTWA> candidates =
        input_type->prefocus_suggestions_for(*helper, input, !exclude_sea);
    const std::vector<LocatedTWA> located =
        locate_and_clip(candidates, *clip, data_.attractiveness_data(language),
                        data_.excluded_areas());
    if (focus.has_value()) {
      for (RescoredTWA& r : rescore_with_focus(located, *focus, *input_type,
                                               focus_count, language)) {
        focus_list.push_back(std::move(r));
      }
    }
    for (RescoredTWA& r :
         rescore_no_focus(located, *input_type, n_results, language)) {
      plain_list.push_back(std::move(r));
    }
  }
  std::stable_sort(focus_list.begin(), focus_list.end(), by_score);
  std::stable_sort(plain_list.begin(), plain_list.end(), by_score);

  const auto offer_ranked = [&](const std::vector<RescoredTWA>& list,
                                int count) {
    const std::size_t n =
        std::min(list.size(), static_cast<std::size_t>(std::max(count, 0)));
    for (std::size_t i = 0; i < n; ++i) {
      const RescoredTWA& ranked = list[i];
      Suggestion s = suggestion(
          address_from_ids(data_.wordlist(ranked.language),
                           {ranked.words[0], ranked.words[1], ranked.words[2]}),
          ranked.coords, focus);
      if (exclude_sea && s.country == "ZZ") continue;
      offer(std::move(s));
    }
  };
  offer_ranked(focus_list, focus_count);
  offer_ranked(plain_list, n_results);
  if (output.size() > static_cast<std::size_t>(n_results)) {
    output.resize(static_cast<std::size_t>(n_results));
  }
  return output;
}

template <typename TData>
ErrorDescriptor EngineBase<TData>::is_valid_autosuggest_call(
    const std::string& input,
    const std::vector<std::shared_ptr<AutosuggestOptionImplementation>>&
        options) const {
  try {
    if (input.size() > core::kMaxStringLength) {
      return {3, core::kStringTooLongMessage};
    }
    const ErrorDescriptor utf8 = core::validate_utf8_string(input);
    if (utf8.code != 0) return utf8;
    const AutosuggestSettings settings = autosuggest_settings(options);
    if (settings.language.has_value()) {
      const ErrorDescriptor available = is_available(*settings.language);
      if (available.code != 0) return available;
    }
    const std::unique_ptr<autosuggest::inputtype::InputType> input_type =
        autosuggest::inputtype::InputType::create(settings.input_type);
    if (!settings.language.has_value()) {
      if (!input_type->backstop_language().has_value()) {
        return {3, kLanguageOptionRequired};
      }
      if (settings.disable_language_detection) {
        return {3, kDetectionNeedsLanguage};
      }
    }
    return input_type->is_valid(input);
  } catch (const InvalidArgumentError& e) {
    // An unknown input type, or an option that failed to apply.
    return {3, e.what()};
  } catch (const std::bad_function_call& e) {
    return {3, e.what()};
  } catch (const std::exception& e) {
    return {1, e.what()};
  } catch (...) {
    return {1, "Unknown error while checking an autosuggest call."};
  }
}

#define TESSERA_AUTOSUGGEST_MEMBERS(TData)                                  \
  template Suggestion EngineBase<TData>::suggestion(                        \
      const wordlist::ThreeWordAddress&, const Coordinates&,                \
      const Optional<Coordinates>&) const;                                  \
  template Optional<Suggestion>                                             \
  EngineBase<TData>::suggestion_from_exact_match(                           \
      const std::string&, const Optional<Language>&,                        \
      const Optional<Coordinates>&, const clip::Clip&) const;               \
  template std::vector<Suggestion> EngineBase<TData>::autosuggest(          \
      std::string,                                                          \
      std::vector<std::shared_ptr<AutosuggestOptionImplementation>>) const; \
  template ErrorDescriptor EngineBase<TData>::is_valid_autosuggest_call(    \
      const std::string&,                                                   \
      const std::vector<std::shared_ptr<AutosuggestOptionImplementation>>&) \
      const;

TESSERA_AUTOSUGGEST_MEMBERS(TSRDataDisk)
TESSERA_AUTOSUGGEST_MEMBERS(TSRDataMemory)

}  // namespace engine
}  // namespace tessera
