// The nearest-place phrases read from "nearest_place_finder/places.data" and
// "nearest_place_finder/syntax.data" through data sources.
#ifndef TESSERA_FIND_NEAREST_PLACE_LOCATED_NEAREST_PLACE_FINDER_H_
#define TESSERA_FIND_NEAREST_PLACE_LOCATED_NEAREST_PLACE_FINDER_H_

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "data/in_memory.h"
#include "data/on_disk.h"
#include "find_nearest_place/located_kd_tree.h"
#include "find_nearest_place/nearest_place_finder.h"
#include "tessera/coordinates.h"
#include "tessera/language.h"
#include "tessera/optional.h"

namespace tessera {
namespace find_nearest_place {

// A NearestPlaceFinder over the places and syntax files and the place tree,
// all held by `Source` (data::OnDisk or data::InMemory; both
// give identical results). Names are never loaded as a whole: a query reads
// one table entry, one record and at most two lines under one view of the
// places file, and scans the rules under one view of the syntax file. Owns
// its sources; movable, not copyable. Thread-safe.
template <typename Source>
class LocatedNearestPlaceFinder : public NearestPlaceFinder {
 public:
  // Takes the three parts and reads the table position and the name
  // languages of the places file.
  // Throws FileError with an integrity-failure message naming the file when
  // the places file is too short for its header, its name languages run to
  // the end of the file or are not language codes, or its table does not
  // hold an entry for every place of the tree; or when the syntax file does
  // not end exactly where its rules do (a count below 1 means no rules) or a
  // rule names no language.
  LocatedNearestPlaceFinder(Source&& places, LocatedKDTree<Source>&& tree,
                            Source&& syntax);

  LocatedNearestPlaceFinder(LocatedNearestPlaceFinder&&) = default;
  LocatedNearestPlaceFinder& operator=(LocatedNearestPlaceFinder&&) = default;

  // Without a qualifier the phrase is the name. A qualifier whose text
  // equals the name's is left out. Otherwise name and qualifier are joined
  // by the rule of `language` when both are translated into it, else by
  // the rule of "en". Throws as NearestPlaceFinder::nearest_to says:
  // FileError for a record, line or translation field that does not fit
  // the file.
  Optional<std::string> nearest_to(const Coordinates& position,
                                   Language language,
                                   int radius_m) const override;

  // The text of `line` in `language`: the first translation field naming
  // that language and true, or the default text (the first field) and
  // false. Throws FileError for a translation field that is empty or whose
  // letter names none of the name languages.
  std::pair<std::string, bool> select_alternate(const std::string& line,
                                                Language language) const;

  // The joining flags (0 ... 7) of the first rule for `language`, or 6
  // (name, ", ", qualifier) when there is none. Throws FileError when the
  // rules run past the end of the file or a rule read before the match has
  // an unknown language code (the constructor checked both).
  int select_rule(const Language& language) const;

 private:
  Source places;
  Source syntax;
  LocatedKDTree<Source> tree;
  std::uint32_t table_position;
  std::vector<Language> name_languages;
};

extern template class LocatedNearestPlaceFinder<data::OnDisk>;
extern template class LocatedNearestPlaceFinder<data::InMemory>;

}  // namespace find_nearest_place
}  // namespace tessera

#endif  // TESSERA_FIND_NEAREST_PLACE_LOCATED_NEAREST_PLACE_FINDER_H_
