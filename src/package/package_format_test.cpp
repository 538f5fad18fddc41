#include "package/package_format.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "package/checksum.h"

namespace scenario::package {
namespace {

std::string from_hex(std::string_view hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
    bytes.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
  return bytes;
}

const ScenarioContent kSmall{.line_id = "L",
                             .train_number = "7",
                             .line_text = "ab",
                             .run_text = "",
                             .notes = "n",
                             .slow_order = "",
                             .train_sheet = "s"};

// The small scenario's payload and trailer, written out by hand, behind a
// base program of 5 bytes.
const std::string kSmallPayload = from_hex(
    "010000004c"    // line id "L"
    "0100000037"    // train "7"
    "020000006162"  // line text "ab"
    "00000000"      // run text, empty
    "010000006e"    // notes "n"
    "00000000"      // slow order, empty
    "0100000073");  // train sheet "s"
const std::string kSmallTrailer = from_hex(
    "0500000000000000"    // the payload begins after the 5 bytes of the base
    "2200000000000000"    // 34 bytes of payload
    "505284db"            // CRC-32 0xDB845250
    "01000000"            // format 1
    "5343454e5041434b");  // "SCENPACK"
const std::string kBase = "BASE!";

TEST(Checksum, IsTheCrc32OfZipAndPng) {
  EXPECT_EQ(crc32("123456789"), 0xCBF43926u);
  EXPECT_EQ(crc32(""), 0u);
}

TEST(PackageFormat, AppendsThePayloadAndTrailerByteForByte) {
  EXPECT_EQ(packaged_scenario(kSmall, kBase.size()), kSmallPayload + kSmallTrailer);
}

TEST(PackageFormat, ReadsBackWhatWasAppended) {
  EXPECT_EQ(read_packaged_scenario(kBase + kSmallPayload + kSmallTrailer), kSmall);
  const ScenarioContent large{.line_id = "Linea_città",
                              .train_number = "30527",
                              .line_text = std::string(100000, '\xE0'),
                              .run_text = std::string("\0\r\n", 3),
                              .notes = "note",
                              .slow_order = "r",
                              .train_sheet = "t"};
  const std::string base(3000, '\x7F');
  EXPECT_EQ(read_packaged_scenario(base + packaged_scenario(large, base.size())), large);
  EXPECT_TRUE(ends_with_trailer(base + packaged_scenario(large, base.size())));
  EXPECT_FALSE(ends_with_trailer(base));
}

// A payload of the test's own, behind a trailer that agrees with it.
std::string with_trailer(const std::string& payload) {
  std::string bytes = kBase + payload;
  auto le = [&](std::uint64_t value, int count) {
    for (int i = 0; i < count; ++i)
      bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  };
  le(kBase.size(), 8);
  le(payload.size(), 8);
  le(crc32(payload), 4);
  le(kFormatVersion, 4);
  return bytes + std::string(kTrailerMagic);
}

struct FaultCase {
  const char* name;
  std::function<std::string()> program;
  const char* message;
};

TEST(PackageFormat, NamesEveryFaultOfAProgramsScenario) {
  const std::string whole = kBase + kSmallPayload + kSmallTrailer;
  const FaultCase cases[] = {
      {"the base alone", [&] { return kBase; },
       "lo scenario manca: il programma non finisce con la coda che lo annuncia (è un "
       "installatore copiato o scaricato solo in parte, o non è un pacchetto)"},
      {"the last byte cut off", [&] { return whole.substr(0, whole.size() - 1); },
       "lo scenario manca: il programma non finisce con la coda che lo annuncia (è un "
       "installatore copiato o scaricato solo in parte, o non è un pacchetto)"},
      {"an empty file", [&] { return std::string(); },
       "lo scenario manca: il programma non finisce con la coda che lo annuncia (è un "
       "installatore copiato o scaricato solo in parte, o non è un pacchetto)"},
      {"a payload byte cut out",
       [&] {
         return kBase + kSmallPayload.substr(0, 20) + kSmallPayload.substr(21) + kSmallTrailer;
       },
       "lo scenario è troncato: secondo la sua coda il pacchetto ha 71 byte, il file ne ha 70"},
      {"the payload gone, trailer kept", [&] { return kSmallTrailer; },
       "lo scenario è troncato: secondo la sua coda il pacchetto ha 71 byte, il file ne ha 32"},
      {"a byte put in", [&] { return kBase + "x" + kSmallPayload + kSmallTrailer; },
       "lo scenario ha byte in più: secondo la sua coda il pacchetto ha 71 byte, il file ne ha "
       "72"},
      {"one byte changed",
       [&] {
         std::string bytes = whole;
         bytes[kBase.size() + 14] = 'A';
         return bytes;
       },
       "lo scenario è stato alterato: la somma di controllo dei suoi 34 byte è 0xC178025B, la "
       "coda dice 0xDB845250"},
      {"another format",
       [&] {
         std::string bytes = whole;
         bytes[bytes.size() - 12] = 2;
         return bytes;
       },
       "lo scenario è nel formato 2, questo installatore conosce solo il formato 1"},
      {"a trailer that overflows",
       [&] {
         std::string bytes = whole;
         for (std::size_t i = 0; i < 16; ++i)
           bytes[whole.size() - kTrailerSize + i] = '\xFF';
         return bytes;
       },
       "lo scenario è troncato: secondo la sua coda il pacchetto ha più byte di quanti un file ne "
       "possa avere, il file ne ha 71"},
      {"a field longer than the payload",
       [&] { return with_trailer(from_hex("010000004c0100000037ff000000")); },
       "lo scenario è malformato: il testo della linea dichiara 255 byte, ne restano 0"},
      {"a payload ending inside a length", [&] { return with_trailer(from_hex("010000004c01")); },
       "lo scenario è malformato: finisce prima della lunghezza di il numero del treno"},
      {"bytes after the last field", [&] { return with_trailer(kSmallPayload + "zz"); },
       "lo scenario è malformato: 2 byte dopo la scheda treno, che è l'ultimo campo"},
      {"an identity that cannot name files",
       [&] {
         ScenarioContent content = kSmall;
         content.train_number = "7/8";
         return kBase + packaged_scenario(content, kBase.size());
       },
       "lo scenario è malformato: il numero del treno contiene /, che un nome di file non può "
       "contenere"},
  };
  for (const FaultCase& fault : cases) {
    SCOPED_TRACE(fault.name);
    try {
      read_packaged_scenario(fault.program());
      ADD_FAILURE() << "no fault";
    } catch (const PackageFault& error) {
      EXPECT_EQ(std::string(error.what()), fault.message);
    }
  }
}

TEST(PackageFormat, TellsWhyAnIdentityCannotNameAPackagesFiles) {
  EXPECT_EQ(identity_fault("Velbrio_Dolvena"), std::nullopt);
  EXPECT_EQ(identity_fault("Città 2"), std::nullopt);
  EXPECT_EQ(identity_fault(""), "è vuoto");
  EXPECT_EQ(identity_fault("a:b"), "contiene :, che un nome di file non può contenere");
  EXPECT_EQ(identity_fault("a\tb"), "contiene un carattere di controllo");
  EXPECT_EQ(identity_fault("\xC3"), "non è UTF-8 valido");
  EXPECT_EQ(identity_fault("\xE2\x9C\x93"),
            "non è rappresentabile in Windows-1252 (il carattere U+2713 non ha forma in "
            "Windows-1252)");
}

}  // namespace
}  // namespace scenario::package
