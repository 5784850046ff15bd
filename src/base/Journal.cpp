#include "Journal.h"

#include "Log.h"
#include "QtFileUtil.h"

#include <QFile>
#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace JEX {
namespace {

// Enough for the earlier lines; a file of any size or content costs no more than this.
constexpr qint64 kTailReadBytes = 256 * 1024;

// One line as the pane and the log can show it: invalid UTF-8 and control characters become
// U+FFFD, and it is cut at the longest line kept.
std::string printable(const QByteArray& bytes) {
    QString text = QString::fromUtf8(bytes).left(Journal::kLineMaxChars);
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control)
            c = QChar::ReplacementCharacter;
    return text.toStdString();
}

// The last non-empty lines of a regular file, at most count, oldest first.
std::vector<std::string> lastLines(const std::string& path, size_t count) {
    const QString name = QString::fromStdString(path);
    QFile file(name);
    if (count == 0 || !QFileInfo(name).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    const qint64 start = std::max<qint64>(0, file.size() - kTailReadBytes);
    if (!file.seek(start))
        return {};
    QList<QByteArray> pieces = file.read(kTailReadBytes).split('\n');
    // Reading began inside a line: only its end is here.
    if (start > 0 && !pieces.isEmpty())
        pieces.removeFirst();
    std::vector<std::string> lines;
    for (auto it = pieces.crbegin(); it != pieces.crend() && lines.size() < count; ++it)
        if (!it->isEmpty())
            lines.push_back(printable(*it));
    std::reverse(lines.begin(), lines.end());
    return lines;
}

} // namespace

Journal::Journal(D d) : d_(std::move(d)) {
    earlier_ = lastLines(filePath(), kEarlierLines);
    // Just after a rotation the night before is in the older file.
    std::vector<std::string> older =
        lastLines(filePath() + ".1", kEarlierLines - std::min(kEarlierLines, earlier_.size()));
    earlier_.insert(earlier_.begin(), older.begin(), older.end());
}

std::string Journal::filePath() const {
    return d_.folder + '/' + kFileName;
}

void Journal::add(const std::string& line) {
    QString text = QString::fromStdString(line);
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QDateTime now = d_.now ? d_.now() : QDateTime::currentDateTime();
    const std::string stamped = now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss ")).toStdString() +
                                printable(text.toUtf8());
    int error = 0;
    {
        std::lock_guard lock(mutex_);
        error = append(stamped + '\n');
    }
    if (error != 0 && !failureSaid_.exchange(true))
        log("Warning: cannot write journal file: %s: %s", filePath().c_str(), std::strerror(error));
    log("%s%s", kLogPrefix, stamped.c_str());
    addedList(stamped);
}

int Journal::append(const std::string& bytes) {
    errno = 0;
    if (!QtFileUtil::makePrivateDir(QString::fromStdString(d_.folder)))
        return errno != 0 ? errno : ENOTDIR;
    const std::string path = filePath();
    const auto open = [&path] {
        return ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    };
    int fd = open();
    struct stat st {};
    if (fd < 0)
        return errno;
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        return error;
    }
    if (st.st_size > 0 && st.st_size + static_cast<std::int64_t>(bytes.size()) > d_.maxBytes) {
        ::close(fd);
        if (::rename(path.c_str(), (path + ".1").c_str()) != 0)
            return errno;
        st.st_size = 0;
        fd = open();
        if (fd < 0)
            return errno;
    }
    size_t written = 0;
    int error = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? errno : ENOSPC;
            break;
        }
        written += static_cast<size_t>(n);
    }
    // A line cut short by a full disk would run into the next one.
    if (error != 0 && written > 0 && ::ftruncate(fd, st.st_size) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

} // namespace JEX
