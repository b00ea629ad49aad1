#include "platform/settingsstore.h"

#include "platform/filewriter.h"
#include "platform/inientry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wellbox {

namespace {

// The program writes a few dozen bytes; a larger file is none of its own.
constexpr qint64 kLargestFile = 64 * 1024;

// XDG_CONFIG_HOME, or ~/.config. A relative folder would lie wherever the program was started,
// so it counts as unset (as the XDG base-directory rules say); without a home there is none.
QString configFolder() {
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.startsWith(QLatin1Char('/')))
        return configHome;
    const QString home = qEnvironmentVariable("HOME");
    if (home.startsWith(QLatin1Char('/')))
        return home + QStringLiteral("/.config");
    return {};
}

QString filePath(const QString& application) {
    const QString folder = configFolder();
    return folder.isEmpty() ? folder : folder + QLatin1Char('/') + application + ".ini";
}

// What the file holds: empty where there is none, nothing where something there is no regular
// file of sensible size (reading a FIFO would hang the start, a huge file delay it) or cannot
// be read.
std::optional<QByteArray> contentOf(const QString& path) {
    if (path.isEmpty())
        return std::nullopt;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? std::optional(QByteArray()) : std::nullopt;
    std::optional<QByteArray> content;
    struct stat stat {};
    QFile file;
    // One byte more than may be there, so that a file grown meanwhile is seen.
    if (::fstat(fd, &stat) == 0 && S_ISREG(stat.st_mode) && stat.st_size <= kLargestFile &&
        file.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        if (const QByteArray bytes = file.read(kLargestFile + 1); bytes.size() <= kLargestFile)
            content = bytes;
    ::close(fd);
    return content;
}

} // namespace

QtSettingsStore::QtSettingsStore(FileWriter& writer)
    : m_writer(writer) {}

QString QtSettingsStore::read(const QString& application, const QString& section,
                              const QString& entry) const {
    const std::optional<QByteArray> content = contentOf(filePath(application));
    return content ? ini::readEntry(*content, section, entry).value_or(QString()) : QString();
}

void QtSettingsStore::write(const QString& application, const QString& section,
                            const QString& entry, const QString& value) {
    const QString path = filePath(application);
    const std::optional<QByteArray> content = contentOf(path);
    // A link may lead to anyone's file: only one that holds nothing but this entry is the
    // user's own setting kept elsewhere (by a dotfile manager, say).
    if (!content || (QFileInfo(path).isSymLink() && !ini::holdsOnly(*content, section, entry)))
        return;
    const QByteArray changed = ini::writeEntry(*content, section, entry, value);
    if (changed != *content && changed.size() <= kLargestFile &&
        QDir().mkpath(QFileInfo(path).path()))
        m_writer.write(path, changed);
}

} // namespace wellbox
