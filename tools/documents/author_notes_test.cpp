#include "tools/documents/author_notes.h"

#include <gtest/gtest.h>

#include <string>

#include "tools/documents/document_refusal.h"

namespace scenario::tools {
namespace {

std::string document(std::string_view bytes) {
  return text::render_lines(author_notes(bytes, "note.txt"));
}

TEST(AuthorNotes, KeepTheLinesAsWrittenEndedByCrLfInWindows1252) {
  struct Case {
    const char* what;
    std::string bytes;
    std::string expected;
  };
  const Case cases[] = {
      {"CR LF", "\r\nPrima riga\r\n  rientrata, e spazi alla fine  \r\n",
       "\r\nPrima riga\r\n  rientrata, e spazi alla fine  \r\n"},
      {"LF alone", "a\nb\n", "a\r\nb\r\n"},
      {"CR alone", "a\rb\r", "a\r\nb\r\n"},
      {"mixed, empty lines kept", "a\r\n\nb\r\r\n", "a\r\n\r\nb\r\n\r\n"},
      {"no line end after the last line", "a\r\nb", "a\r\nb\r\n"},
      {"empty", "", ""},
      {"tabs stay", "\tcol\tonne", "\tcol\tonne\r\n"},
      {"UTF-8", "citt\xC3\xA0 per\xC3\xB2 \xE2\x82\xAC\n", "citt\xE0 per\xF2 \x80\r\n"},
      {"UTF-8 with a byte order mark",
       "\xEF\xBB\xBF"
       "caff\xC3\xA8\n",
       "caff\xE8\r\n"},
      {"Windows-1252", "caff\xE8 \x80 \x96\r\n", "caff\xE8 \x80 \x96\r\n"},
      // Not UTF-8 as a whole: every byte is a Windows-1252 character.
      {"Windows-1252 that looks like UTF-8 in part", "\xC3\xA0 e \xE0\n", "\xC3\xA0 e \xE0\r\n"},
      {"a byte order mark in Windows-1252", "\xEF\xBB\xBF\xE8\n", "\xEF\xBB\xBF\xE8\r\n"},
      {"a byte order mark alone: no line", "\xEF\xBB\xBF", ""},
      // Not UTF-8: an overlong form, a surrogate.
      {"an overlong form", "a\xC0\xAF\n", "a\xC0\xAF\r\n"},
      {"a surrogate", "\xED\xA0\x80\n", "\xED\xA0\x80\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(document(c.bytes), c.expected);
  }
}

TEST(AuthorNotes, RefuseWhatTheDocumentCannotCarryNamingTheLine) {
  struct Case {
    std::string bytes;
    std::string message;
  };
  const Case cases[] = {
      {"uno\r\ndue \xE2\x86\x92 tre\r\n",
       "note.txt:2: il carattere \xE2\x86\x92 (U+2192) non ha una forma in Windows-1252, la "
       "codifica dei documenti"},
      {"a\r\nb\r\nc\x81\r\n",
       "note.txt:3: il byte 0x81 non è né UTF-8 né un carattere di Windows-1252"},
      {"\xF0\x9F\x98\x80",
       "note.txt:1: il carattere \xF0\x9F\x98\x80 (U+1F600) non ha una forma in Windows-1252, "
       "la codifica dei documenti"},
      // Beyond U+10FFFF, so read as Windows-1252, which has no 0x90.
      {"\xF4\x90\x80\x80\n",
       "note.txt:1: il byte 0x90 non è né UTF-8 né un carattere di Windows-1252"},
      {"prima\nriferimento fine del file\ndopo\n",
       "note.txt:2: la riga \"riferimento fine del file\" è il segno di fine dei documenti e "
       "non può esserne una riga"},
      {std::string(1001, '\n'),
       "note.txt: le note: più di 1000 righe, quante un documento ne può avere"},
  };
  for (const Case& c : cases) {
    try {
      author_notes(c.bytes, "note.txt");
      ADD_FAILURE() << "accepted: " << c.message;
    } catch (const DocumentRefusal& refusal) {
      EXPECT_EQ(refusal.what(), c.message);
    }
  }
  // A thousand lines fit, and a line differing from the end marker in case.
  std::string thousand_lines;
  for (int i = 0; i < 1000; ++i)
    thousand_lines += "\r\n";
  EXPECT_EQ(document(std::string(1000, '\n')), thousand_lines);
  EXPECT_EQ(document("Riferimento fine del file\n"), "Riferimento fine del file\r\n");
}

}  // namespace
}  // namespace scenario::tools
