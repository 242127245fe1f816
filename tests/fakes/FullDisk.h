#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTest>

namespace strhaven {

// The small file system a FULL_DISK test runs over (see tests/CMakeLists.txt),
// and a filler file that takes its last free byte. Files written before
// fill() stay; every write after it fails for want of room.
class FullDisk {
public:
    FullDisk() : m_folder(qEnvironmentVariable("STRHAVEN_FULL_DISK")) {}
    ~FullDisk() { empty(); }

    bool isAvailable() const { return !m_folder.isEmpty() && QDir(m_folder).exists(); }
    QString filePath(const QString& name) const { return QDir(m_folder).filePath(name); }

    void fill()
    {
        QFile filler(filePath(QStringLiteral(".filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(512, 'f');
        while (filler.write(block) == block.size()) {
        }
        // The last few bytes of a block, so that not even one byte fits.
        while (filler.write("f", 1) == 1) {
        }
    }
    void empty() { QFile::remove(filePath(QStringLiteral(".filler"))); }

private:
    QString m_folder;
};

// For a test that must run over a full disk: skipped only when run by hand
// without the wrapper, never under ctest, which always provides one.
#define STRHAVEN_NEED_FULL_DISK(disk)                                                                                \
    if (!(disk).isAvailable())                                                                                       \
    QSKIP("needs a small file system: run through ctest")

} // namespace strhaven
