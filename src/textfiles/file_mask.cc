#include "textfiles/file_mask.h"

#include <exception>

#include "foundations/exceptions.h"
#include "log/log.h"
#include "platform/error_codes.h"

namespace vyn {
namespace {

constexpr size_t kDirectoryRoom = 4096;
constexpr size_t kNameRoom = 256;

}  // namespace

result file_search::first(std::u16string_view pattern) {
  close();
  std::u16string directory, name, extension;
  size_t slash = pattern.rfind(u'/');
  std::u16string_view dir = slash == std::u16string_view::npos ? u"" : pattern.substr(0, slash + 1);
  std::u16string_view leaf = slash == std::u16string_view::npos ? pattern : pattern.substr(slash + 1);
  if (uint32_t code = platform::list_directory(dir, leaf, entries_)) {
    return result(code, u"", severity_error);
  }
  if (entries_.empty()) return result(platform::kFileNotFound, u"", severity_error);
  at_ = 0;
  open_ = true;
  return result();
}

result file_search::next() {
  if (!open_ || at_ + 1 >= entries_.size()) {
    return result(platform::kNoMoreFiles, u"", severity_error);
  }
  ++at_;
  return result();
}

uint32_t file_search::close() {
  entries_.clear();
  at_ = 0;
  open_ = false;
  return 0;
}

uint32_t file_search::attributes() const {
  if (!open_) return 0;
  const platform::directory_entry& e = entries_[at_];
  uint32_t a = 0;
  if (e.is_directory) a |= kAttributeDirectory;
  if (e.read_only) a |= kAttributeReadOnly;
  if (e.hidden) a |= kAttributeHidden;
  return a ? a : kAttributeNormal;
}

const std::u16string& file_search::name() const {
  static const std::u16string none;
  return open_ ? entries_[at_].name : none;
}

bool split_path(std::u16string_view path, std::u16string* drive,
                std::u16string* directory, std::u16string* name,
                std::u16string* extension) {
  size_t slash = path.rfind(u'/');
  std::u16string_view dir = slash == std::u16string_view::npos ? u"" : path.substr(0, slash + 1);
  std::u16string_view leaf = slash == std::u16string_view::npos ? path : path.substr(slash + 1);
  size_t dot = leaf.rfind(u'.');
  std::u16string_view stem = dot == std::u16string_view::npos ? leaf : leaf.substr(0, dot);
  std::u16string_view ext = dot == std::u16string_view::npos ? u"" : leaf.substr(dot);
  if (dir.size() >= kDirectoryRoom || stem.size() >= kNameRoom || ext.size() >= kNameRoom) {
    return false;
  }
  if (drive) drive->clear();
  if (directory) *directory = dir;
  if (name) *name = stem;
  if (extension) *extension = ext;
  return true;
}

bool file_exists(std::u16string_view path) { return platform::query_path(path).exists; }

result FileMaskWorker::execute_nothrow() {
  function_log scope(kEventFiles, u"FileMaskWorker::execute_nothrow() (mask=" + mask + u")");
  std::u16string drive, directory;
  if (!split_path(mask, &drive, &directory, nullptr, nullptr)) {
    // Never fall back to the current directory for a mask we cannot split.
    return result(platform::kFilenameTooLong, mask, severity_error);
  }
  file_search search;
  result found = search.first(mask);
  if (!found.ok()) return result(found.code(), u"", severity_error);

  result r;
  do {
    if (search.attributes() & (kAttributeDirectory | kAttributeReadOnly | kAttributeOffline)) {
      continue;
    }
    worker->set_name(drive + directory + search.name());
    try {
      r += worker->execute_nothrow();
    } catch (const windows_error& e) {
      r += result(e.code(), e.message(), severity_error);
    } catch (const std::exception& e) {
      r += result(platform::kInternalError, std::string_view(e.what()), severity_error);
    } catch (...) {
      r += result(platform::kInternalError, u"", severity_error);
    }
  } while (search.next().ok());
  search.close();
  scope.write(wformat(u"r=%u,%s", r.code(), r.text()));
  return r;
}

void FileRecursive::set_mask(std::u16string m) {
  mask = std::move(m);
  std::u16string name, extension;
  if (split_path(mask, nullptr, nullptr, &name, &extension) && name.empty() &&
      extension.empty()) {
    mask += u"*";
  }
}

result FileRecursive::execute_nothrow() {
  function_log scope(kEventFiles, u"FileRecursive::execute_nothrow() (mask=" + mask + u")");
  worker->set_name(mask);
  result r = worker->execute_nothrow();

  std::u16string drive, directory, name, extension;
  if (!split_path(mask, &drive, &directory, &name, &extension)) {
    scope.write(wformat(u"r=%u,%s", r.code(), r.text()));
    return r;
  }
  // The directories on the current path, shared with the children: a link
  // back to one of them is not followed.
  std::vector<std::pair<uint64_t, uint64_t>> top;
  auto* on_path = path_ ? path_ : &top;
  platform::path_info here = platform::query_path(directory.empty() ? u"." : drive + directory);
  on_path->emplace_back(here.device, here.inode);

  file_search search;
  if (search.first(drive + directory + u"*").ok()) {
    do {
      if (!(search.attributes() & kAttributeDirectory)) continue;
      const std::u16string sub = drive + directory + search.name();
      platform::path_info info = platform::query_path(sub);
      bool cycle = false;
      for (const auto& id : *on_path) cycle |= id == std::make_pair(info.device, info.inode);
      if (cycle) continue;
      FileRecursive child;
      child.worker = worker;
      child.path_ = on_path;
      child.set_mask(sub + u"/" + name + extension);
      result c = child.execute_nothrow();
      // A subdirectory with no match or no access gives way. Only the
      // enumeration reports those with an empty text: a file that failed
      // with the same code is a failure and is kept.
      const bool nothing_there =
          (c.code() == platform::kFileNotFound || c.code() == platform::kAccessDenied) &&
          c.text().empty();
      if (nothing_there) {
        if (r.code() == 0) {
          r.set(0);
        } else {
          r += c;
        }
      } else if (c.code() == 0 && r.code() == platform::kFileNotFound) {
        r = c;
      } else {
        r += c;
      }
    } while (search.next().ok());
  }
  search.close();
  on_path->pop_back();
  scope.write(wformat(u"r=%u,%s", r.code(), r.text()));
  return r;
}

}  // namespace vyn
