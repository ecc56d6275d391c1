#include "answer_sheet.h"

#include <fstream>
#include <memory>
#include <stdexcept>

#include "tessera/engine.h"
#include "testing/answer_line.h"

namespace tessera {
namespace bench {

int write_answer_sheet(const std::string& path, const std::string& data_dir,
                       const std::vector<Language>& languages,
                       const std::vector<Coordinates>& positions) {
  std::ofstream out(path);
  if (!out) throw std::runtime_error("cannot write " + path);
  const std::unique_ptr<Engine> server = new_server_engine(data_dir);
  const std::unique_ptr<Engine> device = new_device_engine(data_dir);
  int differences = 0;
  for (const Coordinates& p : positions) {
    const std::string line = test::answer_line(*server, languages, p);
    out << line << '\n';
    const std::string device_line = test::answer_line(*device, languages, p);
    if (device_line != line) {
      out << "DEVICE DIFFERS " << device_line << '\n';
      ++differences;
    }
  }
  out.flush();
  if (!out) throw std::runtime_error("cannot write " + path);
  return differences;
}

}  // namespace bench
}  // namespace tessera
