// The entry point every fuzz target defines. Built with clang and
// -DTESSERA_FUZZ=ON, libFuzzer calls it with generated inputs; otherwise
// replay_main.cc calls it with the files named on the command line, so the
// seed corpus and the inputs of past crashes run as ordinary tests.
#ifndef TESSERA_FUZZ_FUZZ_TARGET_H_
#define TESSERA_FUZZ_FUZZ_TARGET_H_

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size);

#endif  // TESSERA_FUZZ_FUZZ_TARGET_H_
