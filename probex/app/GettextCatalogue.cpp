#include "GettextCatalogue.h"

#include <QFile>

#include <cstdint>

namespace {

constexpr std::uint32_t Magic = 0x950412de;
constexpr std::uint32_t SwappedMagic = 0xde120495;
constexpr qsizetype HeaderSize = 20;
constexpr qsizetype EntrySize = 8;
constexpr std::uint32_t MaxMajorRevision = 1;
constexpr char ContextSeparator = '\x04';

// Reads the file's 32-bit words in its own byte order; every read is bounds-checked.
class MoReader {
 public:
  MoReader(const QByteArray& bytes, bool bigEndian) : FBytes(bytes), FBigEndian(bigEndian) {}

  std::optional<std::uint32_t> word(qint64 offset) const {
    if (offset < 0 || offset + 4 > FBytes.size()) return std::nullopt;
    const auto* p = reinterpret_cast<const unsigned char*>(FBytes.constData() + offset);
    if (FBigEndian) return std::uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3];
    return std::uint32_t(p[3]) << 24 | p[2] << 16 | p[1] << 8 | p[0];
  }

  // The string described by the table entry at the offset: its length, then its offset.
  std::optional<QByteArray> string(qint64 entryOffset) const {
    const auto length = word(entryOffset);
    const auto offset = word(entryOffset + 4);
    if (!length || !offset) return std::nullopt;
    if (qint64(*offset) + qint64(*length) > FBytes.size()) return std::nullopt;
    return FBytes.mid(qsizetype(*offset), qsizetype(*length));
  }

 private:
  const QByteArray& FBytes;
  bool FBigEndian;
};

// Of a plural entry ("one\0many"), the first form.
QString firstForm(const QByteArray& text) {
  const qsizetype end = text.indexOf('\0');
  return QString::fromUtf8(end < 0 ? text : text.first(end));
}

}  // namespace

std::optional<GettextCatalogue> GettextCatalogue::decode(const QByteArray& bytes) {
  if (bytes.size() < HeaderSize) return std::nullopt;
  const auto magic = MoReader(bytes, false).word(0);
  if (magic != Magic && magic != SwappedMagic) return std::nullopt;
  const MoReader reader(bytes, magic == SwappedMagic);
  const std::uint32_t revision = *reader.word(4);
  const std::uint32_t count = *reader.word(8);
  const qint64 originals = *reader.word(12);
  const qint64 translations = *reader.word(16);
  if (revision >> 16 > MaxMajorRevision) return std::nullopt;
  if (qint64(count) * EntrySize > bytes.size()) return std::nullopt;

  GettextCatalogue catalogue;
  for (qint64 i = 0; i < count; ++i) {
    const auto original = reader.string(originals + i * EntrySize);
    const auto translation = reader.string(translations + i * EntrySize);
    if (!original || !translation) return std::nullopt;
    // The empty original is the catalogue's header, not a text of the program.
    if (original->isEmpty() || original->contains(ContextSeparator)) continue;
    const QString translated = firstForm(*translation);
    if (!translated.isEmpty()) catalogue.FTranslations.insert(firstForm(*original), translated);
  }
  return catalogue;
}

std::optional<GettextCatalogue> GettextCatalogue::load(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return decode(file.readAll());
}

QString GettextCatalogue::translate(const QString& original) const {
  return FTranslations.value(original, original);
}
