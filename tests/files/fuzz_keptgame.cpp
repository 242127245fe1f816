// The kept game's reader as a fuzz target: whatever the bytes, it reads a
// game or says the copy cannot be taken, never more; and a game it reads
// writes back to bytes that read as the same game.
//
// Built with libFuzzer where STRHAVEN_FUZZ is on (clang); otherwise, and
// in every test run, with the seeded driver below: mutations of valid
// copies from a generator with a fixed seed.
#include "files/KeptGame.h"
#include "seams/LocalFiles.h"

#include <QBuffer>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>

using namespace strhaven;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    const FoundKeptGame found = parseKeptGame(in);
    if (found.state != FoundKeptGame::State::Found)
        return 0;
    QByteArray again = keptGameBytes(found.game);
    QBuffer back(&again);
    back.open(QIODevice::ReadOnly);
    const FoundKeptGame reread = parseKeptGame(back);
    if (reread.state != FoundKeptGame::State::Found || keptGameBytes(reread.game) != again ||
        nativePath(reread.game.file) != nativePath(found.game.file)) {
        std::fprintf(stderr, "a kept game did not read back as itself\n");
        std::abort();
    }
    return 0;
}

#ifndef STRHAVEN_LIBFUZZER
// The seeded run: copies with names of every odd kind, mutated by byte
// flips, insertions, deletions and cuts, and line feeds put anywhere.
int main(int argc, char* argv[])
{
    const long runs = argc > 1 ? std::atol(argv[1]) : 200000;
    std::mt19937_64 draw(20261207);
    const QString names[] = {QString(), QStringLiteral("/home/x/my game.shs"),
                             pathFromNative(QByteArray("/tmp/notes\n.shs")), pathFromNative(QByteArray("/tmp/a\r")),
                             pathFromNative(QByteArray("/tmp/caf\xe9 100%.shs")), QString(300, QLatin1Char('x'))};
    std::vector<QByteArray> seeds;
    for (const QString& name : names) {
        KeptGame game;
        game.file = name;
        game.content.game.credits = 510;
        seeds.push_back(keptGameBytes(game));
    }
    for (long run = 0; run < runs; ++run) {
        QByteArray bytes = seeds[std::size_t(draw() % seeds.size())];
        const int mutations = 1 + int(draw() % 4);
        for (int m = 0; m < mutations && !bytes.isEmpty(); ++m) {
            const qsizetype at = qsizetype(draw() % std::uint64_t(bytes.size()));
            switch (draw() % 5) {
            case 0: bytes[at] = char(draw()); break;
            case 1: bytes.insert(at, char(draw())); break;
            case 2: bytes.remove(at, 1 + qsizetype(draw() % 8)); break;
            case 3: bytes.truncate(at); break;
            default: bytes.insert(at, draw() % 2 ? '\n' : '%'); break;
            }
        }
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()));
    }
    std::printf("%ld kept games read\n", runs);
    return 0;
}
#endif
