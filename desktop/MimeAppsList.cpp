#include "desktop/MimeAppsList.h"

#include "seams/ErrorReport.h"
#include "seams/LocalFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace strhaven::desktop {

namespace {

const QByteArray DefaultGroup = "[Default Applications]";

bool isGroupHeader(const QByteArray& line) { return line.trimmed().startsWith('['); }

// The key of a "key=value" line, or nothing for comments and headers.
QByteArray keyOf(const QByteArray& line)
{
    const qsizetype equals = line.indexOf('=');
    if (equals < 0 || line.trimmed().startsWith('#'))
        return {};
    return line.left(equals).trimmed();
}

QByteArray valueOf(const QByteArray& line) { return line.mid(line.indexOf('=') + 1).trimmed(); }

} // namespace

MimeAppsList::MimeAppsList(QString path)
    : m_path(std::move(path))
{
    QFile file(m_path);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly))
        throw RunError(ErrorNumber::PermissionDenied);
    const QByteArray all = file.readAll();
    if (all.isEmpty())
        return;
    m_lines = all.split('\n');
    if (m_lines.last().isEmpty())
        m_lines.removeLast(); // the final line break
}

qsizetype MimeAppsList::groupStart() const
{
    for (qsizetype i = 0; i < m_lines.size(); ++i)
        if (m_lines.at(i).trimmed() == DefaultGroup)
            return i;
    return -1;
}

qsizetype MimeAppsList::groupEnd(qsizetype start) const
{
    qsizetype end = start + 1;
    while (end < m_lines.size() && !isGroupHeader(m_lines.at(end)))
        ++end;
    return end;
}

void MimeAppsList::setDefault(const QString& mimeType, const QString& desktopFile)
{
    const QByteArray key = mimeType.toUtf8();
    const QByteArray line = key + '=' + desktopFile.toUtf8() + ';';
    qsizetype start = groupStart();
    if (start < 0) {
        if (!m_lines.isEmpty() && !m_lines.last().trimmed().isEmpty())
            m_lines.append(QByteArray());
        m_lines.append(DefaultGroup);
        m_lines.append(line);
        return;
    }
    qsizetype end = groupEnd(start);
    qsizetype placed = -1;
    for (qsizetype i = start + 1; i < end; ++i) {
        if (keyOf(m_lines.at(i)) != key)
            continue;
        if (placed < 0) {
            m_lines[i] = line;
            placed = i;
        } else {
            m_lines.removeAt(i--);
            --end;
        }
    }
    if (placed >= 0)
        return;
    // After the group's last entry, before the blank lines that part groups.
    qsizetype at = end;
    while (at > start + 1 && m_lines.at(at - 1).trimmed().isEmpty())
        --at;
    m_lines.insert(at, line);
}

void MimeAppsList::removeDefault(const QString& mimeType, const QString& desktopFile)
{
    const qsizetype start = groupStart();
    if (start < 0)
        return;
    const QByteArray key = mimeType.toUtf8();
    const QByteArray ours = desktopFile.toUtf8();
    qsizetype end = groupEnd(start);
    for (qsizetype i = start + 1; i < end; ++i) {
        const QByteArray& line = m_lines.at(i);
        if (keyOf(line) == key && (valueOf(line) == ours || valueOf(line) == ours + ';')) {
            m_lines.removeAt(i--);
            --end;
        }
    }
}

QByteArray MimeAppsList::text() const
{
    return m_lines.isEmpty() ? QByteArray() : m_lines.join('\n') + '\n';
}

void MimeAppsList::save() const
{
    const bool empty = std::all_of(m_lines.cbegin(), m_lines.cend(), [](const QByteArray& line) {
        return line.trimmed().isEmpty() || isGroupHeader(line);
    });
    if (empty) {
        if (QFileInfo::exists(m_path) && !QFile::remove(m_path))
            throw RunError(ErrorNumber::PermissionDenied);
        return;
    }
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        throw RunError(ErrorNumber::PathNotFound);
    // A list kept elsewhere and linked in (as dotfile managers do) is
    // written where the link points. The list holds every other program's
    // defaults too: a failed write must leave it as it was.
    replaceFileContent(m_path, text());
}

} // namespace strhaven::desktop
