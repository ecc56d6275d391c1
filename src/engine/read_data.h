// The one loader of both engines' data.
#ifndef TESSERA_ENGINE_READ_DATA_H_
#define TESSERA_ENGINE_READ_DATA_H_

#include <memory>

#include "data/file_system.h"
#include "engine/tsr_data.h"

namespace tessera {
namespace engine {

// Loads the data directory of `files`, which the holder keeps for files it
// reads later, in this order: the data-format version, the installed
// languages (English required), the attractiveness blocks and each
// language's block order, the excluded areas, the normaliser, the word
// index and each language's wordlist, the place files, the country outlines
// and the data version; with data::InMemory, last, each language's
// autosuggest file, from which its autosuggest helper is built. `Source`
// (data::OnDisk or data::InMemory) decides how the wordlists, the word
// index and the place files are held.
//
// Throws the error of the first file that is missing or corrupt: FileError
// for a missing file ("Missing or invalid file: ..."), a wrong format
// version, damaged data (an integrity failure naming the file), or when
// English is not installed ("Language pack for English is not found.").
// Nothing read so far is kept.
template <typename Source>
TSRData<Source> read_data(std::shared_ptr<const data::FileSystem> files);

extern template TSRData<data::OnDisk> read_data<data::OnDisk>(
    std::shared_ptr<const data::FileSystem>);
extern template TSRData<data::InMemory> read_data<data::InMemory>(
    std::shared_ptr<const data::FileSystem>);

}  // namespace engine
}  // namespace tessera

#endif  // TESSERA_ENGINE_READ_DATA_H_
