#include "render/preparer_job.h"

#include "render/slide_sequencer.h"

namespace qs {

bool PreparerJob::start(const PrepareRequest& request) {
    if (job_ && job_->request == request) return false;
    job_ = Job{request, State::Preparing, std::nullopt};
    return true;
}

bool PreparerJob::finish(const PrepareRequest& request, bool loaded) {
    if (!job_ || !(job_->request == request)) return false;
    job_->state = loaded ? State::Loaded : State::Failed;
    return true;
}

void PreparerJob::preparingAgain(const PrepareRequest& request) {
    if (job_ && job_->request == request) job_->state = State::Preparing;
}

DueAction PreparerJob::atDue(const PrepareRequest& request, double now, std::int32_t delaySeconds) {
    if (!job_ || !(job_->request == request)) {
        // Prepared for another slide, surface or options.
        job_.reset();
        return DueAction::Wait;
    }
    switch (job_->state) {
    case State::Loaded: return DueAction::ShowPicture;
    case State::Failed: return DueAction::ShowText;
    case State::Preparing: break;
    }
    if (!job_->dueSince) job_->dueSince = now;
    if ((now - *job_->dueSince) * kScheduleSecondsPerDay > delaySeconds) {
        job_.reset();
        return DueAction::GiveUp;
    }
    return DueAction::Wait;
}

FileVerdict LookAgain(const std::optional<FileStamp>& asPrepared, const std::optional<FileStamp>& now,
                      bool preparedAgain) {
    if (now == asPrepared) return FileVerdict::Keep;
    if (!now) return FileVerdict::Gone;
    return preparedAgain ? FileVerdict::Keep : FileVerdict::PrepareAgain;
}

} // namespace qs
