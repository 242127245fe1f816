#include "seams/NativePath.h"

#include <QDir>

#ifdef Q_OS_UNIX
#include <climits>
#include <unistd.h>
#endif

namespace strhaven {

namespace {

constexpr char16_t EscapeBase = 0xDC00;

// The length of the valid UTF-8 sequence that starts at `at`, or 0. Encoded
// surrogates count as invalid: one of them would read back as an escape.
qsizetype validSequence(const QByteArray& bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes.at(i)); };
    const unsigned char lead = byte(at);
    qsizetype length = 0;
    char32_t min = 0;
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        min = 0x10000;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    char32_t code = lead & (0x7F >> length);
    for (qsizetype i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

bool isEscape(const QString& text, qsizetype i)
{
    const char16_t c = text.at(i).unicode();
    const bool afterHigh = i > 0 && text.at(i - 1).isHighSurrogate();
    return c >= EscapeBase + 0x80 && c <= EscapeBase + 0xFF && !afterHigh;
}

} // namespace

QString pathFromNative(const QByteArray& name)
{
    QString path;
    path.reserve(name.size());
    for (qsizetype at = 0; at < name.size();) {
        const qsizetype length = validSequence(name, at);
        if (length == 0) {
            path += QChar(char16_t(EscapeBase + static_cast<unsigned char>(name.at(at))));
            ++at;
        } else {
            path += QString::fromUtf8(name.constData() + at, length);
            at += length;
        }
    }
    return path;
}

QByteArray nativePath(const QString& path)
{
    QByteArray name;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (!isEscape(path, i))
            continue;
        name += QStringView(path).mid(runStart, i - runStart).toUtf8();
        name += char(path.at(i).unicode() - EscapeBase);
        runStart = i + 1;
    }
    name += QStringView(path).mid(runStart).toUtf8();
    return name;
}

QString absolutePath(const QString& path)
{
    if (path.isEmpty() || QDir::isAbsolutePath(path))
        return path.isEmpty() ? path : QDir::cleanPath(path);
#ifdef Q_OS_UNIX
    QByteArray folder(PATH_MAX, '\0');
    const QString current = ::getcwd(folder.data(), folder.size()) ? pathFromNative(QByteArray(folder.constData()))
                                                                    : QDir::currentPath();
#else
    const QString current = QDir::currentPath();
#endif
    return QDir::cleanPath(current + QLatin1Char('/') + path);
}

QString printablePath(const QString& path)
{
    QString shown = path;
    for (qsizetype i = 0; i < shown.size(); ++i)
        if (isEscape(path, i))
            shown[i] = QChar::ReplacementCharacter;
    return shown;
}

} // namespace strhaven
