#include "dialogs/PresetAnswers.h"

namespace {
QList<PresetAnswerQueueBase*>& Queues()
{
    static QList<PresetAnswerQueueBase*> queues;
    return queues;
}
} // namespace

PresetAnswerQueueBase::PresetAnswerQueueBase() { Queues().append(this); }

PresetAnswerQueueBase::~PresetAnswerQueueBase() { Queues().removeOne(this); }

int PresetAnswerQueueBase::PendingInAll()
{
    int pending = 0;
    for (const PresetAnswerQueueBase* queue : std::as_const(Queues()))
        pending += queue->Pending();
    return pending;
}

void PresetAnswerQueueBase::ClearAll()
{
    for (PresetAnswerQueueBase* queue : std::as_const(Queues()))
        queue->Clear();
}
