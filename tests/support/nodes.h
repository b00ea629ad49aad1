#pragma once

// What tests put where a file goes, and how they read back what a folder holds.

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace wellbox::testing {

// Puts `content` at `path`: a FIFO, a character device, a directory, a socket, a sparse 200 MB
// file, nothing, a link to /dev/zero, an empty file an hour old, a link to a file "target" beside
// it holding the rest, or a file holding it.
inline bool putNode(const QString& path, const QByteArray& content) {
    QFile file(path);
    const QByteArray name = QFile::encodeName(path);
    if (content == "<none>" || content.isEmpty())
        return true;
    if (content == "<fifo>")
        return ::mkfifo(name.constData(), 0600) == 0;
    // Where the process may make one: like /dev/null, but in the test's own folder.
    if (content == "<device>")
        return ::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    if (content == "<directory>")
        return QDir().mkdir(path);
    if (content == "<socket>") {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, name.constData(), sizeof address.sun_path - 1);
        // The socket's node stays when the socket is closed.
        const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool bound =
            ::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        ::close(socket);
        return bound;
    }
    if (content == "<sparse>")
        return file.open(QIODevice::WriteOnly) && file.resize(200 << 20);
    if (content == "<zero>")
        return QFile::link("/dev/zero", path);
    if (content == "<old empty>")
        return file.open(QIODevice::WriteOnly) &&
               file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                QFileDevice::FileModificationTime);
    if (const QString target = QFileInfo(path).dir().filePath("target");
        content.startsWith("<link>"))
        return putNode(target, content.mid(6)) && QFile::link(target, path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// Each entry of a folder, hidden ones too, as "name kind": a file's with its permissions and a
// digest of its bytes, a link's with where it leads.
inline QStringList nodesIn(const QString& folder) {
    QStringList nodes;
    const QDir dir(folder);
    for (const QString& name :
         dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const QString path = dir.filePath(name);
        struct stat entry {};
        ::lstat(QFile::encodeName(path).constData(), &entry);
        QFile file(path);
        if (S_ISREG(entry.st_mode) && file.open(QIODevice::ReadOnly))
            nodes << name + " file " + QString::number(entry.st_mode & 07777, 8) + ' ' +
                         QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1)
                             .toHex()
                             .left(12);
        else if (S_ISLNK(entry.st_mode))
            nodes << name + " link " + QFileInfo(path).symLinkTarget();
        else
            nodes << name + (S_ISDIR(entry.st_mode)    ? " folder"
                             : S_ISFIFO(entry.st_mode) ? " fifo"
                             : S_ISSOCK(entry.st_mode) ? " socket"
                                                       : " device");
    }
    return nodes;
}

} // namespace wellbox::testing
