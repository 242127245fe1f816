#pragma once

#include <QByteArrayList>
#include <QString>

namespace strhaven::desktop {

// The user's mimeapps.list, where the desktop looks up which program opens
// a file type. The file belongs to the user and every program they have
// chosen as a default, so only our own line is ever touched: everything
// else comes back byte for byte.
class MimeAppsList {
public:
    // An absent file reads as empty; one that cannot be read throws RunError.
    explicit MimeAppsList(QString path);

    // Makes `desktopFile` the default for `mimeType`, replacing an earlier
    // choice for that type, ours or not, and any repeats of it.
    void setDefault(const QString& mimeType, const QString& desktopFile);
    // Takes the default for `mimeType` away, but only while it is ours.
    void removeDefault(const QString& mimeType, const QString& desktopFile);

    // Written whole or not at all; throws RunError when that fails. A file
    // left with nothing but empty group headers is removed.
    void save() const;

    QByteArray text() const;

private:
    qsizetype groupStart() const;
    qsizetype groupEnd(qsizetype start) const;

    QString m_path;
    QByteArrayList m_lines;
};

} // namespace strhaven::desktop
