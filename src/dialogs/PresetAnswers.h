#pragma once
// The pre-set answers of the modal dialogs, for tests: each dialog that can be answered unattended
// keeps one PresetAnswers queue. While its queue holds an answer, the dialog takes the first one
// instead of waiting for the user. The program itself never queues an answer.
//
// Every queue made this way is known to PresetAnswersScope, which empties them all when it ends, so
// an answer that one test left behind (it failed before its dialog asked) cannot answer the next
// test's dialog.

#include <QList>

#include <optional>

class PresetAnswerQueueBase {
public:
    PresetAnswerQueueBase(const PresetAnswerQueueBase&) = delete;
    PresetAnswerQueueBase& operator=(const PresetAnswerQueueBase&) = delete;

    virtual int Pending() const = 0;
    virtual void Clear() = 0;

    // The answers still queued in every dialog's queue together.
    static int PendingInAll();
    static void ClearAll();

protected:
    PresetAnswerQueueBase();
    ~PresetAnswerQueueBase();
};

template <typename Answer>
class PresetAnswers final : public PresetAnswerQueueBase {
public:
    void Queue(Answer answer) { m_answers.append(std::move(answer)); }
    // The first queued answer, taken off the queue; none when the user is to answer.
    std::optional<Answer> Take()
    {
        if (m_answers.isEmpty())
            return std::nullopt;
        return m_answers.takeFirst();
    }
    int Pending() const override { return static_cast<int>(m_answers.size()); }
    void Clear() override { m_answers.clear(); }

private:
    QList<Answer> m_answers;
};

// Empties every queue when it is made and when it ends.
class PresetAnswersScope {
public:
    PresetAnswersScope() { PresetAnswerQueueBase::ClearAll(); }
    ~PresetAnswersScope() { PresetAnswerQueueBase::ClearAll(); }
    PresetAnswersScope(const PresetAnswersScope&) = delete;
    PresetAnswersScope& operator=(const PresetAnswersScope&) = delete;
};
