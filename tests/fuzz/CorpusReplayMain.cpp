#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// Runs a fuzz target over every file of the corpus folders given on the command line,
// so that the cases the fuzzer found stay checked in every ordinary build.
int main(int argc, char** argv) {
  int files = 0;
  for (int i = 1; i < argc; ++i) {
    const QDir folder(QString::fromLocal8Bit(argv[i]));
    for (const QString& name : folder.entryList(QDir::Files)) {
      QFile file(folder.filePath(name));
      if (!file.open(QIODevice::ReadOnly)) return 2;
      const QByteArray bytes = file.readAll();
      LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                             std::size_t(bytes.size()));
      ++files;
    }
  }
  std::printf("%d passed, 0 failed\n", files);
  return files > 0 ? 0 : 1;
}
