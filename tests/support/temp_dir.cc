#include "support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testing_support {

temp_dir::temp_dir() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "sorvex-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp");
  path_ = pattern;
}

temp_dir::~temp_dir() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

void temp_dir::write(const std::string& name, const std::string& bytes) const {
  std::filesystem::path p = file(name);
  std::filesystem::create_directories(p.parent_path());
  std::ofstream f(p, std::ios::binary | std::ios::trunc);
  f.write(bytes.data(), std::streamsize(bytes.size()));
  if (!f) throw std::runtime_error("cannot write " + p.string());
}

std::string temp_dir::read(const std::string& name) const {
  std::ifstream f(file(name), std::ios::binary);
  if (!f) throw std::runtime_error("cannot read " + file(name));
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

bool temp_dir::exists(const std::string& name) const {
  return std::filesystem::exists(std::filesystem::symlink_status(file(name)));
}

}  // namespace testing_support
