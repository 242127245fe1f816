#include "files/GameJournal.h"

#include "files/KeptGame.h"
#include "seams/LocalFiles.h"

#include <QFile>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace strhaven {

// Replaces the file, or removes it, away from the caller's thread; of the
// requests not yet carried out only the last counts.
class GameJournal::Writer {
public:
    explicit Writer(QString path) : m_path(std::move(path)), m_thread([this] { run(); }) {}
    ~Writer()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }

    // Content to write, or nothing to remove the file.
    void ask(std::optional<QByteArray> content)
    {
        {
            std::lock_guard lock(m_mutex);
            m_pending = std::move(content);
            m_hasPending = true;
        }
        m_changed.notify_all();
    }

    void flush()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return !m_hasPending && !m_busy; });
    }

private:
    void run()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_changed.wait(lock, [this] { return m_hasPending || m_stopping; });
            if (!m_hasPending)
                return; // stopping, with nothing left to do
            const std::optional<QByteArray> content = std::exchange(m_pending, std::nullopt);
            m_hasPending = false;
            m_busy = true;
            lock.unlock();
            try {
                if (content)
                    replaceFileContent(m_path, *content);
                else
                    QFile::remove(m_path);
            } catch (const std::exception&) {
                // A full disk keeps the last journal; the game goes on, and a
                // save still reports what fails.
            }
            lock.lock();
            m_busy = false;
            m_changed.notify_all();
        }
    }

    const QString m_path;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::optional<QByteArray> m_pending;
    bool m_hasPending = false;
    bool m_busy = false;
    bool m_stopping = false;
    std::thread m_thread;
};

GameJournal::GameJournal(QString path)
    : m_path(std::move(path))
    , m_writer(std::make_unique<Writer>(m_path))
{
}

GameJournal::~GameJournal() = default;

void GameJournal::record(const GameOptions& options, const SlotGame& game, const QString& gameFile)
{
    if (!game.changed) {
        if (std::exchange(m_keeps, false))
            m_writer->ask(std::nullopt);
        m_recorded.clear();
        return;
    }
    QByteArray bytes = keptGameBytes({gameFileContent(options, game), gameFile});
    if (m_keeps && bytes == m_recorded)
        return;
    m_recorded = std::move(bytes);
    m_keeps = true;
    m_writer->ask(m_recorded);
}

void GameJournal::discard()
{
    m_keeps = false;
    m_recorded.clear();
    m_writer->ask(std::nullopt);
}

void GameJournal::flush() { m_writer->flush(); }

} // namespace strhaven
