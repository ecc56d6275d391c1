// One client connection as the HTTP library reads and writes it, with the
// limits that keep a client from holding a request thread or memory, and
// without a system call the data does not need: reads try the socket
// before waiting on it, and writes are gathered until flush().
//
// Each request may send at most kMaxRequestHeadBytes before its answer
// (request line and headers; the library itself refuses a request line
// over 8,192 bytes with 414), and must arrive within kRequestDeadline of
// its first byte; any single read or write waits at most kIoTimeout. A
// request over a limit fails its read, and the library then drops the
// connection.
#ifndef TESSERA_TOOLS_SERVE_CONNECTION_H_
#define TESSERA_TOOLS_SERVE_CONNECTION_H_

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <string>

namespace tessera {
namespace serve {

inline constexpr std::size_t kMaxRequestHeadBytes = 64 * 1024;
inline constexpr std::chrono::seconds kRequestDeadline{10};
inline constexpr std::chrono::seconds kIoTimeout{5};
// How long a kept-alive connection may wait for its next request.
inline constexpr std::chrono::seconds kIdleTimeout{5};

// Not thread-safe: one request thread owns a connection at a time.
class Connection final : public httplib::Stream {
 public:
  // Does not take ownership of `sock`.
  explicit Connection(int sock);

  // Waits until the next request starts to arrive. Returns false when the
  // connection stayed idle for kIdleTimeout, or when `stopping` became true
  // with no request arriving; true once a byte (or the end of the stream)
  // is there, then starts that request's byte budget and deadline.
  bool wait_for_request(const std::atomic<bool>& stopping);

  // Sends what write() has gathered. Returns false when the connection
  // failed; call after each answer.
  bool flush();

  bool is_readable() const override;
  bool is_writable() const override;
  ssize_t read(char* ptr, size_t size) override;
  ssize_t write(const char* ptr, size_t size) override;
  void get_remote_ip_and_port(std::string& ip, int& port) const override;
  void get_local_ip_and_port(std::string& ip, int& port) const override;
  socket_t socket() const override { return sock_; }

 private:
  bool buffered() const { return begin_ < end_; }
  // Sends all of [data, data + size), waiting up to kIoTimeout whenever the
  // socket is full.
  bool send_all(const char* data, std::size_t size);

  const int sock_;
  // An answer's head and body, gathered so that a small answer leaves in
  // one send.
  std::string out_;
  char buffer_[4096];
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  std::size_t budget_ = 0;
  std::chrono::steady_clock::time_point deadline_;
};

}  // namespace serve
}  // namespace tessera

#endif  // TESSERA_TOOLS_SERVE_CONNECTION_H_
