#include "engine/engine_base.h"

#include <cmath>
#include <cstdint>

#include "algorithm/grid_section.h"
#include "algorithm/grid_square.h"
#include "algorithm/three_numbers.h"
#include "core/distance.h"
#include "core/string_checks.h"
#include "engine/address_from_ids.h"
#include "engine/tsr_data.h"
#include "tessera/error.h"
#include "tessera/version.h"

namespace tessera {
namespace engine {
namespace {

// How far the nearest-place search looks, in metres.
constexpr int kNearestPlaceRadiusM = 300000;

}  // namespace

template <typename TData>
EngineBase<TData>::EngineBase(TData&& data) : data_(std::move(data)) {}

template <typename TData>
Optional<wordlist::ThreeWordAddress> EngineBase<TData>::encode_coordinates(
    const Coordinates& position, Language language) const {
  data_.assert_language_available(language);
  const Optional<algorithm::ThreeNumbers> numbers =
      algorithm::three_numbers_from_coords(data_.attractiveness_data(language),
                                           data_.excluded_areas(), position);
  if (!numbers.has_value()) return {};
  const wordlist::Wordlist& list = data_.wordlist(language);
  const std::int32_t length = list.length();
  const auto [i, j, k] = *numbers;
  if (i < length && j < length && k < length) {
    return address_from_ids(list, {i, j, k});
  }
  // Smaller wordlists cover only the land; elsewhere the address is English.
  const Language english("en");
  if (language == english) return {};
  return encode_coordinates(position, english);
}

template <typename TData>
Optional<std::pair<Coordinates, Language>>
EngineBase<TData>::decode_three_word_address(
    const std::array<std::u16string, 3>& words) const {
  const auto found = data_.all_wordlists().decode(words);
  if (!found.has_value()) return {};
  const auto& [language, ids] = *found;
  const Optional<Coordinates> position = algorithm::coords_from_three_numbers(
      data_.attractiveness_data(language), data_.excluded_areas(), ids[0],
      ids[1], ids[2]);
  if (!position.has_value()) return {};
  return std::make_pair(*position, language);
}

template <typename TData>
Optional<std::string> EngineBase<TData>::convert_to_3wa(
    const Coordinates& position, const Language& language) const {
  data_.assert_language_available(language);
  const Optional<wordlist::ThreeWordAddress> address =
      encode_coordinates(position, language);
  if (!address.has_value()) return {};
  return static_cast<std::string>(*address);
}

template <typename TData>
Optional<std::string> EngineBase<TData>::convert_to_3wa(
    Coordinates position, std::string language) const {
  return convert_to_3wa(position, Language(language));
}

template <typename TData>
Optional<Coordinates> EngineBase<TData>::convert_to_coordinates(
    std::string address) const {
  const auto words = wordlist::parse_three_words(address);
  if (!words.has_value()) return {};
  const auto found = decode_three_word_address(*words);
  if (!found.has_value()) return {};
  return found->first;
}

template <typename TData>
Optional<std::string> EngineBase<TData>::language_code(
    std::string address) const {
  const auto words = wordlist::parse_three_words(address);
  if (!words.has_value()) return {};
  const auto found = decode_three_word_address(*words);
  if (!found.has_value()) return {};
  return found->second.code;
}

template <typename TData>
std::vector<GridLine> EngineBase<TData>::grid_section(BoundingBox box) const {
  return algorithm::grid_section(box);
}

template <typename TData>
BoundingBox EngineBase<TData>::grid_square(Coordinates position) const {
  return algorithm::square_bounds(
      algorithm::square_containing_coords(position));
}

template <typename TData>
std::string EngineBase<TData>::country_code(Coordinates position) const {
  return data_.country_finder().country_of(position).code;
}

template <typename TData>
Optional<std::string> EngineBase<TData>::nearest_place(
    const Coordinates& position, const Language& language) const {
  data_.assert_language_available(language);
  return data_.nearest_place_finder().nearest_to(position, language,
                                                 kNearestPlaceRadiusM);
}

template <typename TData>
Optional<std::string> EngineBase<TData>::nearest_place(
    Coordinates position, std::string language) const {
  return nearest_place(position, Language(language));
}

template <typename TData>
std::set<std::string> EngineBase<TData>::available_languages() const {
  return data_.available_languages();
}

template <typename TData>
std::string EngineBase<TData>::version() const {
  return kEngineVersion;
}

template <typename TData>
std::string EngineBase<TData>::data_version() const {
  return data_.data_version();
}

template <typename TData>
ErrorDescriptor EngineBase<TData>::is_available(
    const Language& language) const noexcept {
  return data_.is_available(language);
}

template <typename TData>
ErrorDescriptor EngineBase<TData>::is_valid_language_code(
    const std::string& code) const noexcept {
  ErrorDescriptor valid = Language::is_valid(code);
  if (valid.code != 0) return valid;
  return is_available(Language(code));
}

template <typename TData>
ErrorDescriptor EngineBase<TData>::is_valid_utf8(
    const std::string& text) const noexcept {
  if (text.size() > core::kMaxStringLength) {
    return {3, core::kStringTooLongMessage};
  }
  return core::validate_utf8_string(text);
}

template <typename TData>
double EngineBase<TData>::distance(const Coordinates& a,
                                   const Coordinates& b) const {
  const double km = core::distance(a, b) / 1000.0;
  // Rounded half away from zero to one decimal.
  const double shifted = km >= 0 ? km * 10 + 0.5 : km * 10 - 0.5;
  if (!std::isfinite(shifted)) return km;  // NaN in, NaN out
  return static_cast<double>(static_cast<std::int64_t>(shifted)) / 10;
}

// The autosuggest members are defined and instantiated in
// engine_autosuggest.cc.
template class EngineBase<TSRDataDisk>;
template class EngineBase<TSRDataMemory>;

}  // namespace engine
}  // namespace tessera
