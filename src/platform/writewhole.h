#pragma once

#include <QByteArray>
#include <QIODevice>

namespace wellbox {

// Writes all of `bytes` to an open device. A file on a nearly full disk takes what fits and
// stops short without an error; the rest is then tried again, and that write fails with the
// reason, which the device keeps. A buffered file would keep the failure of its last write to
// itself, so a file is to be opened unbuffered.
inline bool writeWhole(QIODevice& device, const QByteArray& bytes) {
    qint64 written = 0;
    for (qint64 step = 0; written < bytes.size(); written += step)
        if ((step = device.write(bytes.constData() + written, bytes.size() - written)) <= 0)
            return false;
    return true;
}

} // namespace wellbox
