#include "desktop/DesktopFiles.h"

#include "seams/AppTitle.h"
#include "assets/art/Art.h"
#include "desktop/DesktopEntry.h"
#include "desktop/DesktopIdentity.h"
#include "seams/ErrorReport.h"
#include "seams/LocalFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>

namespace strhaven::desktop {

namespace {

QString xmlText(const QString& text) { return text.toHtmlEscaped(); }

// An element with the English text, then one for each language built in,
// each line indented as the first.
QString localizedElements(const QString& indent, const QString& tag, const char* source)
{
    const DesktopWording wording = desktopWording(source);
    QString elements = QStringLiteral("<%1>%2</%1>").arg(tag, xmlText(wording.english));
    for (const auto& [language, text] : wording.translations)
        elements += QStringLiteral("\n%1<%2 xml:lang=\"%3\">%4</%2>").arg(indent, tag, language, xmlText(text));
    return elements;
}

QString iconPath(int size)
{
    return QStringLiteral("icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(iconName());
}

QByteArray pngBytes(const QIcon& icon, int size)
{
    // At ratio 1 whatever the screen: the file names its size in pixels.
    QPixmap pixmap = icon.pixmap(QSize(size, size), 1.0);
    if (pixmap.size() != QSize(size, size))
        pixmap = pixmap.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!pixmap.save(&buffer, "PNG"))
        throw RunError(ErrorNumber::InternalError);
    return bytes;
}

} // namespace

QString mimePackagePath() { return QStringLiteral("mime/packages/") + appId() + QStringLiteral(".xml"); }
QString desktopEntryPath() { return QStringLiteral("applications/") + desktopFileName(); }
QString metainfoPath() { return QStringLiteral("metainfo/") + appId() + QStringLiteral(".metainfo.xml"); }

QByteArray mimePackage()
{
    // A game file is 23 lines of text, so editors may offer to open it too.
    return QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="%1">
    %2
    <sub-class-of type="text/plain"/>
    <icon name="%3"/>
    <glob pattern="*%4"/>
  </mime-type>
</mime-info>
)")
        .arg(gameFileMimeType(), localizedElements(QStringLiteral("    "), QStringLiteral("comment"), GameFileDescription),
             iconName(), gameFileExtension())
        .toUtf8();
}

std::vector<DesktopFile> associationFiles(const QString& program)
{
    std::vector<DesktopFile> files{{mimePackagePath(), mimePackage()}, {desktopEntryPath(), desktopEntry(program)}};
    const QIcon icon = art::programIcon();
    for (int size : IconSizes)
        files.push_back({iconPath(size), pngBytes(icon, size)});
    return files;
}

std::vector<QString> associationFilePaths()
{
    std::vector<QString> paths{mimePackagePath(), desktopEntryPath()};
    for (int size : IconSizes)
        paths.push_back(iconPath(size));
    return paths;
}

DesktopFile metainfoFile(const QString& version, const QString& releaseDate)
{
    const QString xml = QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<component type="desktop-application">
  <id>%1</id>
  <metadata_license>CC0-1.0</metadata_license>
  <project_license>LicenseRef-proprietary</project_license>
  <name>%2</name>
  %3
  <developer_name>Quillfern</developer_name>
  <description>
    %4
    %5
  </description>
  <launchable type="desktop-id">%6</launchable>
  <provides>
    <binary>%7</binary>
    <mediatype>%8</mediatype>
  </provides>
  <categories>
    <category>Game</category>
  </categories>
  <content_rating type="oars-1.1">
    <content_attribute id="money-gambling">moderate</content_attribute>
  </content_rating>
  <releases>
    <release version="%9" date="%10"/>
  </releases>
</component>
)");
    const QString text =
        xml.arg(appId(), xmlText(ApplicationTitle()),
                localizedElements(QStringLiteral("  "), QStringLiteral("summary"),
                                  QT_TRANSLATE_NOOP("Desktop", "A three-wheel slot machine")),
                localizedElements(QStringLiteral("    "), QStringLiteral("p"),
                                  QT_TRANSLATE_NOOP("Desktop", "Insert play bills, bet one, two or three credits and "
                                                               "watch the three wheels stop one after another. The pay "
                                                               "table is printed on the machine and pays exactly what "
                                                               "it shows.")),
                localizedElements(QStringLiteral("    "), QStringLiteral("p"),
                                  QT_TRANSLATE_NOOP("Desktop", "Choose the machine's denomination, one of three payout "
                                                               "modes, the wheel speed and the sounds. Games are saved "
                                                               "to and opened from small files.")),
                desktopFileName(), programName(), gameFileMimeType(), version)
            .arg(releaseDate);
    return {metainfoPath(), text.toUtf8()};
}

void writeDesktopFiles(const QString& root, const std::vector<DesktopFile>& files)
{
    for (const DesktopFile& file : files) {
        const QString path = QDir(root).filePath(file.path);
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            throw RunError(ErrorNumber::PathNotFound);
        replaceFileContent(path, file.content);
    }
}

QStringList removeDesktopFiles(const QString& root, const std::vector<QString>& paths)
{
    const QDir top(root);
    // Wherever the data folder lies below the root.
    const QString keep = QFileInfo(mimePackagePath()).path();
    const auto kept = [&keep](const QString& folder) { return folder == keep || folder.endsWith(u'/' + keep); };
    QStringList left;
    for (const QString& relative : paths) {
        const QString path = top.filePath(relative);
        const QFileInfo info(path);
        if ((info.exists() || info.isSymLink()) && !QFile::remove(path)) {
            left << path;
            continue;
        }
        QString folder = QFileInfo(relative).path();
        while (folder != QStringLiteral(".") && !kept(folder) && top.rmdir(folder))
            folder = QFileInfo(folder).path();
    }
    return left;
}

} // namespace strhaven::desktop
