// The engine's optional value: either empty or holding one T. Lookups that
// can miss return an empty Optional rather than throwing.
//
// Reading the value of an empty Optional (value(), operator*, operator->)
// throws bad_optional_access. An Optional is as thread-safe as its T: const
// use from many threads is fine, mutation needs outside locking.
#ifndef TESSERA_OPTIONAL_H_
#define TESSERA_OPTIONAL_H_

#include <memory>
#include <new>
#include <type_traits>
#include <utility>

#include "tessera/error.h"

namespace tessera {
namespace tsr_optional_details {

// Storage of an Optional<T>: room for one T, then a one-byte engaged flag.
//
// The five flags say which special members of T are trivial (destructor,
// copy constructor, move constructor, copy assignment, move assignment).
// This general form is correct for every T, trivial or not, and is the one
// Optional uses: it constructs and destroys the value by hand, so a T is
// alive exactly while `engaged` is set.
template <typename T, bool kTrivialDestructor, bool kTrivialCopy,
          bool kTrivialMove, bool kTrivialCopyAssign, bool kTrivialMoveAssign>
struct OptionalPayload {
  static constexpr bool kNothrowMoveAssign =
      std::is_nothrow_move_constructible_v<T> &&
      std::is_nothrow_move_assignable_v<T>;

  OptionalPayload() noexcept : empty(), engaged(false) {}

  // Empty unless `other` holds a value; then holds a copy of it. If the copy
  // throws, nothing was constructed.
  OptionalPayload(const OptionalPayload& other) : empty(), engaged(false) {
    if (other.engaged) construct(other.value);
  }

  OptionalPayload(OptionalPayload&& other) noexcept(
      std::is_nothrow_move_constructible_v<T>)
      : empty(), engaged(false) {
    if (other.engaged) construct(std::move(other.value));
  }

  OptionalPayload& operator=(const OptionalPayload& other) {
    if (this == &other) return *this;
    if (engaged && other.engaged) {
      value = other.value;
    } else if (other.engaged) {
      construct(other.value);
    } else {
      reset();
    }
    return *this;
  }

  OptionalPayload& operator=(OptionalPayload&& other) noexcept(
      kNothrowMoveAssign) {
    if (this == &other) return *this;
    if (engaged && other.engaged) {
      value = std::move(other.value);
    } else if (other.engaged) {
      construct(std::move(other.value));
    } else {
      reset();
    }
    return *this;
  }

  ~OptionalPayload() { reset(); }

  // Requires: !engaged. Sets `engaged` only once the T is built.
  template <typename... Args>
  void construct(Args&&... args) {
    ::new (static_cast<void*>(std::addressof(value)))
        T(std::forward<Args>(args)...);
    engaged = true;
  }

  // Clears the flag, then destroys the value; does nothing when empty.
  void reset() noexcept {
    if (engaged) {
      engaged = false;
      value.~T();
    }
  }

  struct Empty {};
  union {
    Empty empty;
    T value;
  };
  bool engaged;
};

}  // namespace tsr_optional_details

template <typename T>
class Optional {
 public:
  using value_type = T;

  // Empty.
  Optional() noexcept = default;

  // Holds `v` (implicit, so that `return v;` makes an engaged Optional).
  // Enabled for anything implicitly convertible to T.
  template <typename U = T,
            typename = std::enable_if_t<
                std::is_convertible<U&&, T>::value &&
                !std::is_same<std::decay_t<U>, Optional>::value>>
  Optional(U&& v) {  // NOLINT(runtime/explicit)
    payload_.construct(std::forward<U>(v));
  }

  Optional(const Optional&) = default;
  Optional(Optional&&) = default;
  Optional& operator=(const Optional&) = default;
  Optional& operator=(Optional&&) = default;
  ~Optional() = default;

  bool has_value() const noexcept { return payload_.engaged; }
  explicit operator bool() const noexcept { return payload_.engaged; }

  // The held value. Throws bad_optional_access when empty.
  T& value() & {
    check();
    return payload_.value;
  }
  const T& value() const& {
    check();
    return payload_.value;
  }
  T&& value() && {
    check();
    return std::move(payload_.value);
  }

  // Same as value(): checked, throws bad_optional_access when empty.
  T& operator*() & { return value(); }
  const T& operator*() const& { return value(); }
  T&& operator*() && { return std::move(*this).value(); }
  T* operator->() { return std::addressof(value()); }
  const T* operator->() const { return std::addressof(value()); }

  // The held value, or `fallback` converted to T when empty.
  template <typename U>
  T value_or(U&& fallback) const& {
    return payload_.engaged ? payload_.value
                            : static_cast<T>(std::forward<U>(fallback));
  }
  template <typename U>
  T value_or(U&& fallback) && {
    return payload_.engaged ? std::move(payload_.value)
                            : static_cast<T>(std::forward<U>(fallback));
  }

  // Empties the Optional, destroying any held value. Never throws.
  void _reset() noexcept { payload_.reset(); }

 private:
  void check() const {
    if (!payload_.engaged) bad_optional_access::raise();
  }

  tsr_optional_details::OptionalPayload<T, false, false, false, false, false>
      payload_;
};

// Two empty Optionals are equal; an empty one never equals an engaged one;
// two engaged ones compare their values with ==.
template <typename T>
bool operator==(const Optional<T>& a, const Optional<T>& b) {
  if (a.has_value() != b.has_value()) return false;
  return !a.has_value() || *a == *b;
}

template <typename T>
bool operator!=(const Optional<T>& a, const Optional<T>& b) {
  return !(a == b);
}

}  // namespace tessera

#endif  // TESSERA_OPTIONAL_H_
