#include "GettextCatalogue.h"
#include "QtPrinters.h"

#include <QDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Messages = std::vector<std::pair<QByteArray, QByteArray>>;

// A catalogue as msgfmt lays it out: header, table of originals, table of translations,
// then the strings, each followed by a NUL.
QByteArray moFile(const Messages& messages, bool bigEndian = false, quint32 revision = 0) {
  const auto word = [bigEndian](quint32 value) {
    QByteArray bytes(4, '\0');
    if (bigEndian)
      qToBigEndian(value, bytes.data());
    else
      qToLittleEndian(value, bytes.data());
    return bytes;
  };
  const quint32 count = quint32(messages.size());
  const quint32 originals = 28;
  const quint32 translations = originals + count * 8;
  QByteArray tables, strings;
  quint32 offset = translations + count * 8;
  QByteArray translationTable;
  for (const auto& [original, translation] : messages) {
    tables += word(quint32(original.size())) + word(offset);
    strings += original + '\0';
    offset += quint32(original.size()) + 1;
  }
  for (const auto& [original, translation] : messages) {
    translationTable += word(quint32(translation.size())) + word(offset);
    strings += translation + '\0';
    offset += quint32(translation.size()) + 1;
  }
  return word(0x950412de) + word(revision) + word(count) + word(originals) + word(translations) +
         word(0) + word(0) + tables + translationTable + strings;
}

const Messages sample = {
    {"", "Content-Type: text/plain; charset=UTF-8\n"},
    {"Файл", "File"},
    {"файл\0файлы", QByteArray("file\0files", 10)},
    {"меню\x04Файл", "Menu file"},
    {"Пусто", ""},
};

TEST(GettextCatalogueTest, TranslatesWhatItHoldsAndLeavesTheRestAsItIs) {
  for (const bool bigEndian : {false, true}) {
    SCOPED_TRACE(bigEndian);
    const auto catalogue = GettextCatalogue::decode(moFile(sample, bigEndian));
    ASSERT_TRUE(catalogue);
    EXPECT_EQ(catalogue->translate("Файл"), "File");
    EXPECT_EQ(catalogue->translate("файл"), "file") << "a plural entry gives its singular";
    EXPECT_EQ(catalogue->translate("Пусто"), "Пусто") << "an empty translation is none";
    EXPECT_EQ(catalogue->translate("Справка"), "Справка");
    EXPECT_EQ(catalogue->count(), 2) << "no header, no entries with a context";
  }
}

TEST(GettextCatalogueTest, TheBuiltCatalogueTranslatesTheMenus) {
  const auto catalogue =
      GettextCatalogue::load(QDir(PROBEX_CATALOGUE_FOLDER).filePath("en/LC_MESSAGES/Probex.mo"));
  ASSERT_TRUE(catalogue);
  EXPECT_EQ(catalogue->translate("В&ыход"), "E&xit");
  EXPECT_EQ(catalogue->translate("32. Иные причины"), "32. Other reasons");
}

TEST(GettextCatalogueTest, AMalformedCatalogueIsRejectedWhole) {
  const QByteArray valid = moFile(sample);
  const auto patched = [&](int offset, quint32 value) {
    QByteArray bytes = valid;
    qToLittleEndian(value, bytes.data() + offset);
    return bytes;
  };
  struct Case {
    const char* name;
    QByteArray bytes;
  };
  const Case cases[] = {
      {"empty", {}},
      {"shorter than a header", valid.left(19)},
      {"cut inside its strings", valid.left(valid.size() - 10)},
      {"not a catalogue", QByteArray("<html>not a catalogue at all</html>")},
      {"unknown major revision", moFile(sample, false, 0x20000)},
      {"count larger than the file", patched(8, 0xFFFFFFFF)},
      {"originals table past the end", patched(12, 0xFFFFFFF0)},
      {"translations table past the end", patched(16, quint32(valid.size()))},
      {"string past the end", patched(28 + 8 + 4, quint32(valid.size()) - 2)},
      {"length that overflows", patched(28 + 8, 0xFFFFFFFF)},
  };
  for (const Case& c : cases) EXPECT_FALSE(GettextCatalogue::decode(c.bytes)) << c.name;
}

TEST(GettextCatalogueTest, EveryTruncationAndEveryFlippedByteIsDecodedOrRejectedSafely) {
  const QByteArray valid = moFile(sample);
  for (qsizetype length = 0; length < valid.size(); ++length)
    GettextCatalogue::decode(valid.left(length));
  for (qsizetype i = 0; i < valid.size(); ++i) {
    for (const char flip : {'\x01', '\x80', '\xFF'}) {
      QByteArray damaged = valid;
      damaged[i] = char(damaged[i] ^ flip);
      if (const auto catalogue = GettextCatalogue::decode(damaged)) {
        EXPECT_LE(catalogue->count(), 4);
      }
    }
  }
}

}  // namespace
