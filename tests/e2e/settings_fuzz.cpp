#include "settings_fuzz.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

namespace fdt::test {
namespace {

// SplitMix64: small, and the same sequence on every compiler and library.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
  int between(int low, int high) { return low + below(high - low + 1); }
  bool chance(int percent) { return below(100) < percent; }
  template <typename T>
  const T& pick(const std::vector<T>& items) { return items[below(static_cast<int>(items.size()))]; }

 private:
  std::uint64_t state_;
};

using Lines = std::vector<std::string>;

const std::string kSchemeSection = "方案";
const std::string kSlotSection = "我的文件夹";

// Values as users and other programs leave them: right, wrong in letter case,
// padded, quoted, commented, in full-width characters, or not values at all.
const std::vector<std::string> kOddShow = {"Yes", "YES", "NO", "No", "", " yes", "yes ", "\"yes\"", "'no'",
                                           "yes;x", "no ;", "y", "1", "true", "显示", "no\t", "\tno", "ｙｅｓ"};
const std::vector<std::string> kOddOperate = {"filecopy", "FILEMOVE", "Filemove", "", "File Move", "\"FileCopy\"",
                                              " FileCopy", "FileCopy ", "FileMove;", "复制", "Move", "FileCopyX"};
const std::vector<std::string> kOddProject = {"0", "11", "", "03", "+3", " 3", "3 ", "3.0", "-1", "1e1",
                                              "ten", "\"4\"", "0x5", "10\t", "１", "2;", "7 8",
                                              "99999999999999999999", "１０"};
const std::vector<std::string> kPathParts = {"Work", "下载", "工具", "乗", "文档 备份", "a b", "x.y", "资料",
                                             "表", "ソフト", "Program Files", "."};
const std::vector<std::string> kTokenPieces = {"a", "Z", "0", "9", " ", "\t", "=", ";", "[", "]", "\"", "'",
                                               "\\", ":", "方", "案", "乗", "　", "\x81\x40", "\xFE"};

std::string randomToken(Random& random) {
  std::string token;
  for (int n = random.below(13); n > 0; --n) token += random.pick(kTokenPieces);
  return token;
}

std::string repeated(const std::string& piece, std::size_t bytes) {
  std::string text;
  while (text.size() < bytes) text += piece;
  text.resize(bytes);
  return text;
}

// Around the 10240-byte read buffer, where a value is cut, and far past it;
// double-byte text may be cut inside a character.
std::string longValue(Random& random) {
  static const std::vector<int> sizes = {10230, 10238, 10239, 10240, 10241, 10242, 12000, 20000, 40000};
  static const std::vector<std::string> pieces = {"x", "文", "D:\\长路径", "a b ", "乗\\"};
  return repeated(random.pick(pieces), static_cast<std::size_t>(random.pick(sizes)));
}

// A value of the given key's class: absent, one of the values the program
// writes, or any other text.
std::optional<std::string> choiceValue(Random& random, const std::vector<std::string>& valid,
                                       const std::vector<std::string>& odd) {
  const int roll = random.below(100);
  if (roll < 15) return std::nullopt;
  if (roll < 50) return random.pick(valid);
  if (roll < 90) return random.pick(odd);
  return randomToken(random);
}

std::string slotPath(Random& random) {
  switch (random.below(10)) {
    case 0: return "";
    case 1: return "  D:\\spaced  ";
    case 2: return "\"E:\\quoted\"";
    case 3: return "　F:\\全角　";
    case 4: {  // high bytes that need not form characters of the code page
      std::string bytes;
      for (int n = random.between(1, 20); n > 0; --n) bytes += static_cast<char>(random.between(0x80, 0xFE));
      return bytes;
    }
    case 5: return "G:\\ctl\x01\x02\x1F\tend";
    default: {
      std::string path(1, static_cast<char>('C' + random.below(6)));
      path += ":";
      for (int n = random.between(0, 4); n > 0; --n) path += "\\" + random.pick(kPathParts);
      if (path.size() == 2 || random.chance(20)) path += "\\";
      return path;
    }
  }
}

std::string slotKey(Random& random) {
  const std::string key = std::to_string(random.between(1, 100));
  switch (random.below(12)) {
    case 0: return "0" + key;
    case 1: return " " + key;
    case 2: return key + " ";
    case 3: return "+" + key;
    default: return key;
  }
}

Lines schemeSection(Random& random, bool longValues) {
  Lines keys;
  auto add = [&](const char* key, std::optional<std::string> value) {
    if (longValues && random.chance(20)) {
      const std::string start = random.pick(std::vector<std::string>{"", "1", "no"});
      value = start + longValue(random);
    }
    if (value) keys.push_back(std::string(key) + "=" + *value);
  };
  add("show", choiceValue(random, {"yes", "no"}, kOddShow));
  add("operate", choiceValue(random, {"FileMove", "FileCopy"}, kOddOperate));
  add("project", choiceValue(random, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}, kOddProject));
  for (std::size_t i = keys.size(); i > 1; --i) std::swap(keys[i - 1], keys[random.below(static_cast<int>(i))]);
  Lines lines = {"[" + kSchemeSection + "]"};
  lines.insert(lines.end(), keys.begin(), keys.end());
  return lines;
}

Lines slotSection(Random& random) {
  Lines lines = {"[" + kSlotSection + "]"};
  for (int n = random.below(26); n > 0; --n) {
    const std::string key = slotKey(random);
    lines.push_back(key + "=" + slotPath(random));
  }
  return lines;
}

// Where long slot values show: the scheme that the project line names, or
// the tenth, which start-up loads last when there is none.
int shownScheme(const Lines& schemeLines) {
  for (const std::string& line : schemeLines)
    for (int scheme = 1; scheme <= 10; ++scheme)
      if (line == "project=" + std::to_string(scheme)) return scheme;
  return 10;
}

Lines longSlotSection(Random& random, int scheme) {
  Lines lines = {"[" + kSlotSection + "]"};
  for (int key = scheme * 10 - 9; key <= scheme * 10; ++key) {
    const std::string value = random.chance(60) ? longValue(random) : slotPath(random);
    lines.push_back(std::to_string(key) + "=" + value);
  }
  return lines;
}

Lines settingsLines(Random& random, bool longValues = false) {
  Lines scheme = schemeSection(random, longValues);
  Lines slots = longValues ? longSlotSection(random, shownScheme(scheme)) : slotSection(random);
  if (random.chance(30)) std::swap(scheme, slots);
  scheme.insert(scheme.end(), slots.begin(), slots.end());
  return scheme;
}

std::string joined(const Lines& lines, const std::function<std::string()>& lineEnd, bool endsWithLineEnd) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    text += lines[i];
    if (i + 1 < lines.size() || endsWithLineEnd) text += lineEnd();
  }
  return text;
}

std::string withCrLf(const Lines& lines) {
  return joined(lines, [] { return std::string("\r\n"); }, true);
}

std::wstring wideFrom936(const std::string& bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  std::wstring wide(MultiByteToWideChar(936, 0, bytes.data(), size, nullptr, 0), L'\0');
  MultiByteToWideChar(936, 0, bytes.data(), size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

std::string utf8From936(const std::string& bytes) {
  const std::wstring wide = wideFrom936(bytes);
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  std::string utf8(WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
  return utf8;
}

std::string utf16From936(const std::string& bytes, bool bigEndian) {
  std::string out;
  for (wchar_t c : wideFrom936(bytes)) {
    const char low = static_cast<char>(c & 0xFF);
    const char high = static_cast<char>((c >> 8) & 0xFF);
    out += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return out;
}

std::string randomBytes(Random& random, int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += static_cast<char>(random.below(256));
  return bytes;
}

std::string insertedAtRandom(Random& random, std::string text, const std::string& piece, int times) {
  for (int i = 0; i < times; ++i) text.insert(static_cast<std::size_t>(random.below(static_cast<int>(text.size()) + 1)), piece);
  return text;
}

void insertAtRandom(Random& random, Lines& lines, const std::string& line) {
  lines.insert(lines.begin() + random.below(static_cast<int>(lines.size()) + 1), line);
}

std::string spelledOddly(Random& random, const std::string& key) {
  std::string upper = key;
  for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  const std::string capital = upper.substr(0, 1) + key.substr(1);
  return random.pick(std::vector<std::string>{upper, capital, " " + key, key + " ", key + "\t", "  " + key + "  "});
}

// Section lines and key names as hand edits and other tools leave them; the
// first section line is spaced out and the first key in capitals at least.
Lines oddlySpelled(Random& random, Lines lines) {
  const std::vector<std::string> spacedForms = {" [%]", "[ % ]", "[% ]", "[%]  ", "\t[%]", "[　%]", "[%\t]"};
  const std::vector<std::string> otherForms = {"[%] ;note", "[%", "%]", "[[%]]", "[%]x=1", "[%]"};
  const std::vector<std::string> equalsForms = {"=", " = ", "= ", " =", "\t=\t"};
  bool spaced = false;
  bool capitals = false;
  for (std::string& line : lines) {
    if (line.front() == '[') {
      std::string form = random.pick(!spaced || random.chance(50) ? spacedForms : otherForms);
      form.replace(form.find('%'), 1, line.substr(1, line.size() - 2));
      line = form;
      spaced = true;
    } else if (const std::size_t equals = line.find('='); equals != std::string::npos && random.chance(60)) {
      std::string key = line.substr(0, equals);
      if (capitals) {
        key = spelledOddly(random, key);
      } else {
        for (char& c : key) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
        capitals = key.find_first_of("PSO") != std::string::npos;
      }
      line = key + random.pick(equalsForms) + line.substr(equals + 1);
    }
  }
  return lines;
}

struct Kind {
  const char* name;
  std::function<std::string(Random&)> make;
};

const std::vector<Kind>& kinds() {
  static const std::vector<Kind> all = {
      {"empty", [](Random&) { return std::string(); }},
      {"random_bytes", [](Random& r) { return randomBytes(r, r.between(1, 4000)); }},
      {"random_ini_tokens",
       [](Random& r) {
         const std::vector<std::string> tokens = {"[", "]", "=", kSchemeSection, kSlotSection, "project", "show",
                                                  "operate", "1", "10", "55", "yes", "no", "FileCopy", "FileMove",
                                                  "\r\n", "\n", "\r", " ", "\t", ";", "D:\\x"};
         std::string text;
         for (int n = r.between(20, 400); n > 0; --n) text += r.chance(90) ? r.pick(tokens) : randomBytes(r, 1);
         return text;
       }},
      {"nul_bytes",
       [](Random& r) {
         if (r.chance(25)) return std::string(static_cast<std::size_t>(r.between(1, 500)), '\0');
         const std::string text = withCrLf(settingsLines(r));
         return insertedAtRandom(r, text, std::string(1, '\0'), r.between(1, 5));
       }},
      {"utf8_bom", [](Random& r) { return "\xEF\xBB\xBF" + utf8From936(withCrLf(settingsLines(r))); }},
      {"utf8_bom_on_ansi_text", [](Random& r) { return "\xEF\xBB\xBF" + withCrLf(settingsLines(r)); }},
      {"utf8_no_bom", [](Random& r) { return utf8From936(withCrLf(settingsLines(r))); }},
      {"utf16le_bom", [](Random& r) { return "\xFF\xFE" + utf16From936(withCrLf(settingsLines(r)), false); }},
      {"utf16be_bom", [](Random& r) { return "\xFE\xFF" + utf16From936(withCrLf(settingsLines(r)), true); }},
      {"utf16le_no_bom", [](Random& r) { return utf16From936(withCrLf(settingsLines(r)), false); }},
      {"lf_only", [](Random& r) { return joined(settingsLines(r), [] { return std::string("\n"); }, r.chance(80)); }},
      {"cr_only", [](Random& r) { return joined(settingsLines(r), [] { return std::string("\r"); }, r.chance(80)); }},
      {"mixed_line_ends",
       [](Random& r) {
         const std::vector<std::string> ends = {"\r\n", "\n", "\r", "\n\r", "\r\r\n"};
         return joined(settingsLines(r), [&] { return r.pick(ends); }, r.chance(80));
       }},
      {"long_values", [](Random& r) { return withCrLf(settingsLines(r, true)); }},
      {"long_lines",
       [](Random& r) {
         Lines lines = settingsLines(r);
         const std::vector<std::string> longLines = {";" + repeated("注释", 20000), repeated("no equals sign ", 15000),
                                                     "[" + repeated("s", 11000) + "]", repeated("k", 11000) + "=v",
                                                     "project" + repeated(" ", 10300) + "=4"};
         for (int n = r.between(1, 3); n > 0; --n) insertAtRandom(r, lines, r.pick(longLines));
         return withCrLf(lines);
       }},
      {"duplicates",
       [](Random& r) {
         Lines lines = settingsLines(r);
         Lines again = settingsLines(r);  // the same sections once more, other values
         lines.insert(lines.end(), again.begin(), again.end());
         for (int n = r.between(1, 4); n > 0; --n) {  // a key line twice within its section
           const int at = r.below(static_cast<int>(lines.size()));
           if (lines[at].front() != '[') lines.insert(lines.begin() + at, lines[at]);
         }
         return withCrLf(lines);
       }},
      {"keys_outside_section",
       [](Random& r) {
         Lines lines = schemeSection(r, false);
         lines.erase(lines.begin());  // the section line: its keys now stand before any section
         Lines rest = settingsLines(r);
         lines.insert(lines.end(), rest.begin(), rest.end());
         lines.insert(lines.begin(), std::to_string(r.between(1, 100)) + "=D:\\outside");
         return withCrLf(lines);
       }},
      {"odd_sections_and_keys", [](Random& r) { return withCrLf(oddlySpelled(r, settingsLines(r))); }},
      {"value_classes", [](Random& r) { return withCrLf(settingsLines(r)); }},
      {"comments_and_blank_lines",
       [](Random& r) {
         Lines lines = settingsLines(r);
         const std::vector<std::string> extras = {"", "   ", "\t", "; a comment", "# hash comment", ";project=1",
                                                  "rem show=no", "no equals sign", "=no key", "　"};
         for (int n = r.between(1, 8); n > 0; --n) insertAtRandom(r, lines, r.pick(extras));
         return withCrLf(lines);
       }},
      {"cut_off",
       [](Random& r) {
         const std::string whole = withCrLf(settingsLines(r));
         return whole.substr(0, static_cast<std::size_t>(r.below(static_cast<int>(whole.size()) + 1)));
       }},
      {"bytes_changed",
       [](Random& r) {
         std::string text = withCrLf(settingsLines(r));
         for (int n = r.between(1, 8); n > 0 && !text.empty(); --n) {
           const int at = r.below(static_cast<int>(text.size()));
           text[static_cast<std::size_t>(at)] = static_cast<char>(r.below(256));
         }
         return text;
       }},
  };
  return all;
}

}  // namespace

int settingsFuzzKindCount() { return static_cast<int>(kinds().size()); }

SettingsFuzzCase settingsFuzzCase(std::uint64_t seed, int index) {
  Random random(seed ^ (0xD1B54A32D192ED03ull * static_cast<std::uint64_t>(index + 1)));
  const Kind& kind = kinds()[static_cast<std::size_t>(index % settingsFuzzKindCount())];
  return {kind.name, kind.make(random)};
}

}  // namespace fdt::test
