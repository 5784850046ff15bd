#pragma once
// The log pane's lines: the last 500 of the program log and the journal, oldest first, the
// journal's marked, starting with the lines the journal held from earlier sessions. Lines
// logged on any thread reach the model on its own thread.

#include "Journal.h"

#include <QAbstractListModel>
#include <QString>

#include <deque>
#include <memory>

namespace JEX {

class LogPaneModel : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)
public:
    enum Role { TextRole = Qt::UserRole + 1, JournalRole };
    static constexpr int kMaxLines = 500;

    explicit LogPaneModel(std::shared_ptr<Journal> journal, QObject* parent = nullptr);
    // Once this returns neither the log nor the journal calls into the object.
    ~LogPaneModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;
    int count() const { return static_cast<int>(lines_.size()); }

    // Every line, one a row, onto the clipboard.
    Q_INVOKABLE void copyAll() const;

signals:
    void countChanged();

private:
    struct Line {
        QString text;
        bool journal = false;
    };
    // What the log and the journal hand over from their threads; they hold it.
    struct Inbox;

    // On the model's thread: takes the lines handed over since the last time.
    void takeInbox();
    void appendLines(std::deque<Line> more);

    const std::shared_ptr<Inbox> inbox_;
    int sinkId_ = -1;
    std::deque<Line> lines_;
};

} // namespace JEX
