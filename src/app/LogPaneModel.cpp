#include "LogPaneModel.h"

#include "Log.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QStringList>

#include <cstring>
#include <mutex>
#include <utility>

namespace JEX {

struct LogPaneModel::Inbox {
    std::mutex mutex;
    // Null once the model is gone.
    LogPaneModel* model = nullptr;
    std::deque<Line> lines;
    // A call to take the lines is on its way to the model's thread.
    bool posted = false;

    void put(Line line) {
        std::lock_guard lock(mutex);
        if (model == nullptr)
            return;
        lines.push_back(std::move(line));
        if (lines.size() > kMaxLines)
            lines.pop_front();
        // Posted under the lock: the model cannot go meanwhile, as its destructor takes it.
        if (!std::exchange(posted, true)) {
            LogPaneModel* target = model;
            QMetaObject::invokeMethod(
                target, [target] { target->takeInbox(); }, Qt::QueuedConnection);
        }
    }
};

LogPaneModel::LogPaneModel(std::shared_ptr<Journal> journal, QObject* parent)
    : QAbstractListModel(parent), inbox_(std::make_shared<Inbox>()) {
    inbox_->model = this;
    if (journal) {
        std::deque<Line> earlier;
        for (const std::string& line : journal->earlierLines())
            earlier.push_back({QString::fromStdString(line), true});
        appendLines(std::move(earlier));
        journal->addedList.append([inbox = inbox_](const std::string& line) {
            inbox->put({QString::fromStdString(line), true});
        });
    }
    sinkId_ = addSink([inbox = inbox_](const char* line) {
        // The journal's own lines come marked through its list.
        if (std::strncmp(line, Journal::kLogPrefix, std::strlen(Journal::kLogPrefix)) != 0)
            inbox->put({QString::fromUtf8(line), false});
    });
}

LogPaneModel::~LogPaneModel() {
    removeSink(sinkId_);
    std::lock_guard lock(inbox_->mutex);
    inbox_->model = nullptr;
    inbox_->lines.clear();
}

int LogPaneModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant LogPaneModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count())
        return {};
    const Line& line = lines_[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case TextRole:
        return line.text;
    case JournalRole:
        return line.journal;
    default:
        return {};
    }
}

QHash<int, QByteArray> LogPaneModel::roleNames() const {
    return {{TextRole, "line"}, {JournalRole, "journal"}};
}

void LogPaneModel::copyAll() const {
    QStringList texts;
    for (const Line& line : lines_)
        texts << line.text;
    if (QGuiApplication::instance() != nullptr)
        QGuiApplication::clipboard()->setText(texts.join(QLatin1Char('\n')));
}

void LogPaneModel::takeInbox() {
    std::deque<Line> more;
    {
        std::lock_guard lock(inbox_->mutex);
        more.swap(inbox_->lines);
        inbox_->posted = false;
    }
    appendLines(std::move(more));
}

void LogPaneModel::appendLines(std::deque<Line> more) {
    while (more.size() > kMaxLines)
        more.pop_front();
    if (more.empty())
        return;
    const int added = static_cast<int>(more.size());
    const int dropped = std::max(0, count() + added - kMaxLines);
    if (dropped > 0) {
        beginRemoveRows(QModelIndex(), 0, dropped - 1);
        lines_.erase(lines_.begin(), lines_.begin() + dropped);
        endRemoveRows();
    }
    beginInsertRows(QModelIndex(), count(), count() + added - 1);
    for (Line& line : more)
        lines_.push_back(std::move(line));
    endInsertRows();
    emit countChanged();
}

} // namespace JEX
