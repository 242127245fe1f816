#pragma once

#include <QByteArray>
#include <QHash>

#include <optional>

namespace strhaven {

// Sets or clears environment variables for one test and puts every one
// back as it was when the test ends, passed or failed.
class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ScopedEnvironment(const QByteArray& name, const QByteArray& value) { set(name, value); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment()
    {
        for (auto it = m_saved.cbegin(); it != m_saved.cend(); ++it)
            *it ? qputenv(it.key(), **it) : qunsetenv(it.key());
    }

    void set(const QByteArray& name, const QByteArray& value)
    {
        save(name);
        qputenv(name, value);
    }
    void unset(const QByteArray& name)
    {
        save(name);
        qunsetenv(name);
    }

private:
    void save(const QByteArray& name)
    {
        if (!m_saved.contains(name))
            m_saved.insert(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
    }

    QHash<QByteArray, std::optional<QByteArray>> m_saved; // nothing: was not set
};

} // namespace strhaven
