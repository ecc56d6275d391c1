#ifndef TESSERA_VERSION_H_
#define TESSERA_VERSION_H_

namespace tessera {

// The engine's version, as reported by Engine::version().
inline constexpr char kEngineVersion[] = "3.5.0";

}  // namespace tessera

#endif  // TESSERA_VERSION_H_
