// A reader of INI files: [sections] of name=value lines.
#ifndef VYN_LOG_INI_H_
#define VYN_LOG_INI_H_

#include <cstdint>
#include <string>

#include "foundations/array.h"
#include "foundations/base.h"
#include "foundations/bstr.h"
#include "foundations/tlist.h"

namespace vyn {

// Names compare ignoring (ASCII) case over the whole text.
inline constexpr int kIniNameMode = BStr::kIgnoreCase;

class TIniVal : public base {
 public:
  TCmpRes compare(const char* key, int mode) const { return name.compare(key, mode); }
  TCmpRes compare(const TIniVal& o, int mode) const { return name.compare(o.name, mode); }

  Str name;
  Str value;
  Array<Str> items;  // the value split at commas outside double quotes
};

class TIniSection : public base {
 public:
  TIniSection() : values(64) {}
  TCmpRes compare(const char* key, int mode) const { return name.compare(key, mode); }
  TCmpRes compare(const TIniSection& o, int mode) const { return name.compare(o.name, mode); }

  // The first value of that name, or null.
  const TIniVal* value(const char* key) const { return values.find(key, kIniNameMode); }
  int32_t count() const { return values.count; }
  const TIniVal* at(int32_t i) const { return values.at(i); }

  Str name;
  TList<TIniVal> values;
};

class TIni : public base {
 public:
  TIni() : sections(64) {}

  // Reads and parses a file: 0, or the platform's code (the sections are
  // then empty). Logs its begin and end under "TIL".
  uint32_t Ld(const std::u16string& path, uint32_t share = 1);
  // Parses INI text held in memory. Lines end at CR or LF; ";" first on a
  // line starts a comment; a NUL byte ends the text.
  void parse(std::string_view text);

  // The first section of that name, or null.
  const TIniSection* section(const char* name) const {
    return sections.find(name, kIniNameMode);
  }

  TList<TIniSection> sections;
};

}  // namespace vyn

#endif  // VYN_LOG_INI_H_
