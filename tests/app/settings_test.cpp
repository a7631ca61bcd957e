// Settings file reading: layout offsets, texts, formats, short and hostile files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/settings.h"
#include "app/settings_file.h"
#include "support/allocation_limit.h"

namespace {

typedef std::vector<unsigned char> Bytes;

void u32(Bytes& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

// A format-1 file with the given texts and every flag and word distinct from
// its default, so that a field read from the wrong offset shows.
Bytes file(const std::string& text1, const std::string& text2) {
  Settings s;
  s.reservedText1 = text1;
  s.reservedText2 = text2;
  s.quitOnMouseMove = true;
  s.reservedWord = 0xA1B2C3D4u;
  s.resolutionIndex = 3;
  s.showFps = true;
  s.showClock = false;
  s.analogClock = true;
  s.clock24h = true;
  s.largeClock = false;
  s.showCalendar = false;
  s.russianCalendar = true;
  const std::string bytes = SettingsFile::encode(s);
  return Bytes(bytes.begin(), bytes.end());
}

Settings read(const Bytes& b) {
  std::istringstream in(std::string(b.begin(), b.end()), std::ios::in | std::ios::binary);
  Settings s;
  s.readSettings(in);
  return s;
}

void expectDefaults(const Settings& s) {
  EXPECT_FALSE(s.showFps);
  EXPECT_TRUE(s.showClock);
  EXPECT_FALSE(s.analogClock);
  EXPECT_FALSE(s.clock24h);
  EXPECT_TRUE(s.largeClock);
  EXPECT_TRUE(s.showCalendar);
  EXPECT_FALSE(s.russianCalendar);
  EXPECT_EQ(s.reservedText1, "");
  EXPECT_EQ(s.reservedText2, "");
  EXPECT_FALSE(s.quitOnMouseMove);
  EXPECT_EQ(s.reservedWord, 0u);
  EXPECT_EQ(s.resolutionIndex, 0u);
}

}  // namespace

TEST(Settings, DefaultsAndDesktopMode) {
  Settings s;
  expectDefaults(s);
  EXPECT_EQ(s.displayWidth(), 0);
  EXPECT_EQ(s.displayHeight(), 0);
  EXPECT_EQ(s.displayDepth(), 0);
}

TEST(Settings, EmptyTextsGiveTheTwentyEightByteLayout) {
  Bytes b = file("", "");
  const Bytes golden = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0xD4, 0xC3, 0xB2, 0xA1, 3, 0, 0, 0, 1, 0, 1, 1, 0, 0, 1};
  ASSERT_EQ(b, golden);
  // The layout's fixed offsets: quitOnMouseMove 12, resolutionIndex 17, showFps 21.
  EXPECT_EQ(b[12], 1);
  EXPECT_EQ(b[17], 3);
  EXPECT_EQ(b[21], 1);
  Settings s = read(b);
  EXPECT_TRUE(s.quitOnMouseMove);
  EXPECT_EQ(s.reservedWord, 0xA1B2C3D4u);
  EXPECT_EQ(s.resolutionIndex, 3u);
  EXPECT_TRUE(s.showFps);
  EXPECT_FALSE(s.showClock);
  EXPECT_TRUE(s.analogClock);
  EXPECT_TRUE(s.clock24h);
  EXPECT_FALSE(s.largeClock);
  EXPECT_FALSE(s.showCalendar);
  EXPECT_TRUE(s.russianCalendar);
  EXPECT_EQ(s.displayWidth(), 1024);
  EXPECT_EQ(s.displayHeight(), 768);
  EXPECT_EQ(s.displayDepth(), 32);
}

TEST(Settings, TextsAreCutAtAZeroByteButFieldsFollowTheLengths) {
  Bytes b = file(std::string("ab\0cd", 5), std::string("\0xyz", 4));
  Settings s = read(b);
  EXPECT_EQ(s.reservedText1, "ab");
  EXPECT_EQ(s.reservedText2, "");
  EXPECT_TRUE(s.quitOnMouseMove);
  EXPECT_EQ(s.resolutionIndex, 3u);
  EXPECT_TRUE(s.russianCalendar);
}

TEST(Settings, AnyOtherFormatGivesExactlyTheDefaults) {
  Bytes b = file("text", "more");
  b[0] = 2;
  expectDefaults(read(b));
  expectDefaults(read(Bytes()));
  expectDefaults(read(Bytes{1, 0}));
}

TEST(Settings, ResolutionIndexPastTheTableReadsAsDesktop) {
  Bytes b = file("", "");
  b[17] = 12;
  Settings s = read(b);
  EXPECT_EQ(s.resolutionIndex, 12u);
  EXPECT_EQ(s.displayWidth(), 0);
  EXPECT_EQ(s.displayHeight(), 0);
  b[17] = 0xFF;
  b[20] = 0xFF;
  EXPECT_EQ(read(b).displayWidth(), 0);
}

// Cut the file at every offset: each field fully inside the cut keeps its
// value, every later one its default.
TEST(Settings, FileCutAtEveryOffset) {
  const Bytes full = file("t1", "t22");
  const Settings whole = read(full);
  const size_t texts = 2 + 3;
  for (size_t cut = 0; cut < full.size(); ++cut) {
    Bytes b(full.begin(), full.begin() + static_cast<long>(cut));
    Settings s = read(b);
    SCOPED_TRACE("cut at " + std::to_string(cut));
    const Settings defaults;
    auto has = [&](size_t end) { return cut >= end; };
    EXPECT_EQ(s.reservedText1, has(8 + 2) ? whole.reservedText1 : defaults.reservedText1);
    EXPECT_EQ(s.reservedText2, has(12 + texts) ? whole.reservedText2 : defaults.reservedText2);
    EXPECT_EQ(s.quitOnMouseMove, has(13 + texts) ? whole.quitOnMouseMove : defaults.quitOnMouseMove);
    EXPECT_EQ(s.reservedWord, has(17 + texts) ? whole.reservedWord : defaults.reservedWord);
    EXPECT_EQ(s.resolutionIndex, has(21 + texts) ? whole.resolutionIndex : defaults.resolutionIndex);
    EXPECT_EQ(s.showFps, has(22 + texts) ? whole.showFps : defaults.showFps);
    EXPECT_EQ(s.russianCalendar, has(28 + texts) ? whole.russianCalendar : defaults.russianCalendar);
  }
}

TEST(Settings, HugeTextLengthAllocatesNothingAndGivesDefaults) {
  Bytes b;
  u32(b, 1);
  u32(b, 0xFFFFFFF0u);
  b.insert(b.end(), 40, 'x');
  // The file is 48 bytes: reading it has no reason to ask for a kilobyte.
  alloclimit::arm(1024);
  Settings s;
  EXPECT_NO_THROW(s = read(b));
  EXPECT_LE(alloclimit::disarm(), 1024u);
  expectDefaults(s);
  // A second text longer than the rest of the file: the first one stays.
  Bytes c = file("keep", "");
  c[12] = 0xFF;  // L2 low byte: far more than is left
  Settings t = read(c);
  EXPECT_EQ(t.reservedText1, "keep");
  EXPECT_EQ(t.reservedText2, "");
  EXPECT_FALSE(t.quitOnMouseMove);
}

// A seekable stream of size bytes, head then zeros, that stores none of
// them.
class ZeroTail : public std::streambuf {
 public:
  ZeroTail(const Bytes& head, uint64_t size) : head(head), size(size), left(size) {}

 protected:
  pos_type seekoff(off_type off, std::ios_base::seekdir dir, std::ios_base::openmode) override {
    const uint64_t at = served - static_cast<uint64_t>(egptr() - gptr());
    return seekpos(static_cast<pos_type>((dir == std::ios_base::beg ? 0 : dir == std::ios_base::end ? size : at) + off),
                   std::ios_base::in);
  }
  pos_type seekpos(pos_type to, std::ios_base::openmode) override {
    if (to < 0 || static_cast<uint64_t>(to) > size) return pos_type(off_type(-1));
    served = static_cast<uint64_t>(to);
    left = size - served;
    setg(block, block, block);
    return to;
  }
  int_type underflow() override {
    if (left == 0) return traits_type::eof();
    size_t n = sizeof block;
    if (n > left) n = static_cast<size_t>(left);
    std::fill(block, block + n, 0);
    for (size_t i = 0; i < n && served + i < head.size(); ++i) block[i] = static_cast<char>(head[served + i]);
    served += n;
    left -= n;
    setg(block, block, block + n);
    return traits_type::to_int_type(block[0]);
  }

 private:
  Bytes head;
  uint64_t size, left, served = 0;
  char block[1 << 16];
};

TEST(Settings, FourGibFileWhoseTextLengthIsAllOnesGivesTheDefaults) {
  // The length plus one for a terminator once wrapped to 0 in 32 bits, and
  // the text went into a buffer of no bytes.
  Bytes head;
  u32(head, 1);
  u32(head, 0xFFFFFFFFu);
  ZeroTail tail(head, (uint64_t(1) << 32) + 100);
  std::istream in(&tail);
  Settings s;
  s.showFps = true;
  s.readSettings(in);
  expectDefaults(s);
}

TEST(Settings, WriteThenReadGivesTheSameRecord) {
  Settings s;
  s.showFps = true;
  s.analogClock = true;
  s.russianCalendar = true;
  s.largeClock = false;
  s.reservedText1 = "first";
  s.reservedText2 = "second";
  s.reservedWord = 77;
  s.resolutionIndex = 9;
  const std::string bytes = SettingsFile::encode(s);
  EXPECT_EQ(bytes.size(), 28u + 5 + 6);
  std::istringstream in(bytes, std::ios::in | std::ios::binary);
  Settings t;
  t.readSettings(in);
  EXPECT_TRUE(t.showFps);
  EXPECT_TRUE(t.analogClock);
  EXPECT_TRUE(t.russianCalendar);
  EXPECT_FALSE(t.largeClock);
  EXPECT_EQ(t.reservedText1, "first");
  EXPECT_EQ(t.reservedText2, "second");
  EXPECT_EQ(t.reservedWord, 77u);
  EXPECT_EQ(t.displayWidth(), 1600);
}

// Seeds for the settings fuzzer: sound files, short ones and hostile lengths.
TEST(FuzzSeeds, settings_fuzz) {
  const std::filesystem::path folder = std::filesystem::path(ORVEL_BINARY_DIR) / "fuzz-corpus" / "settings_fuzz";
  std::filesystem::create_directories(folder);
  Bytes huge;
  u32(huge, 1);
  u32(huge, 0xFFFFFFF0u);
  const Bytes sound = file("", "");
  const Bytes seeds[] = {sound, file("ab", "cde"), file(std::string("a\0b", 3), ""),
                         Bytes(sound.begin(), sound.begin() + 15), huge, Bytes{2, 0, 0, 0}};
  int n = 0;
  for (const Bytes& b : seeds) {
    std::ofstream out(folder / ("seed" + std::to_string(n++)), std::ios::binary);
    out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
  }
  EXPECT_TRUE(std::filesystem::exists(folder / "seed0"));
}
